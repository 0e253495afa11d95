// A device record as JSON, each value under its field's name, for reports and scripts.
#pragma once

#include "rdm/devicerecord.h"

#include <QJsonObject>
#include <initializer_list>

// "uid" is the "MMMM:DDDDDDDD" text and "protocolVersion" the pair [major, minor]; the sensors,
// personalities and parameters are arrays of objects in ascending number or PID.
QJsonObject deviceRecordJson(const DeviceRecord &record);
QJsonObject sensorRecordJson(const SensorRecord &sensor);
// What a sensor measures and its ranges, under the same names, with the caller's `more` fields.
QJsonObject sensorDefinitionJson(const SensorRecord &sensor, std::initializer_list<QPair<QString, QJsonValue>> more);
QJsonObject personalityRecordJson(const PersonalityRecord &personality);
QJsonObject parameterRecordJson(const ParameterRecord &parameter);
