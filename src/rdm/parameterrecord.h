// The program's knowledge of one supported parameter; the initial values are those of a PID
// just listed by SUPPORTED_PARAMETERS.
#pragma once

#include "rdm/vocabulary.h"

#include <QString>

struct ParameterRecord
{
    quint16 pid = 0;
    quint8 pdlSize = 0;
    quint8 dataType = DataType::UnsignedByte;
    quint8 commandClass = 0;
    quint8 type = SensorType::Other;
    quint8 unit = 0;
    quint8 prefix = 0;
    // Range and default of a parameter of a signed data type.
    qint32 signedMinimum = 0;
    qint32 signedMaximum = 0;
    qint32 signedDefault = 1;
    // Range and default of any other parameter.
    quint32 minimum = 0;
    quint32 maximum = 0;
    quint32 defaultValue = 0;
    QString description;
    // 1 for the parameters the lists draw in black.
    quint8 highlighted = 0;
};
