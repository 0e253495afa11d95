// One DMX personality of a device.
#pragma once

#include <QString>

struct PersonalityRecord
{
    quint8 number = 0;
    quint16 footprint = 0;
    QString description;
};
