// What the program knows of one sensor of a device: its definition and its last values.
#pragma once

#include "rdm/vocabulary.h"

#include <QString>

struct SensorRecord
{
    quint8 number = 0;
    quint8 type = SensorType::Other;
    quint8 unit = 0;
    quint8 prefix = 0;
    qint16 rangeMinimum = 0;
    qint16 rangeMaximum = 0;
    qint16 normalMinimum = 0;
    qint16 normalMaximum = 0;
    quint8 recordedValueSupport = 0;
    QString description;
    // Local time in Qt's text format and ISO date of the last stored value.
    QString updateTime;
    QString updateDate;
    qint16 presentValue = 0;
    qint16 lowestValue = 0;
    qint16 highestValue = 0;
    qint16 recordedValue = 0;
};
