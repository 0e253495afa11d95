// Device, sensor, personality and parameter records rendered as JSON objects.
#include "rdm/recordjson.h"

#include "rdm/uidtext.h"

#include <QJsonArray>

namespace {

template <typename Key, typename Value>
QJsonArray arrayOf(const std::map<Key, Value> &records, QJsonObject (*render)(const Value &))
{
    QJsonArray array;
    for (const auto &entry : records)
        array.append(render(entry.second));
    return array;
}

} // namespace

QJsonObject sensorDefinitionJson(const SensorRecord &sensor, std::initializer_list<QPair<QString, QJsonValue>> more)
{
    QJsonObject json(more);
    json.insert(QStringLiteral("type"), sensor.type);
    json.insert(QStringLiteral("unit"), sensor.unit);
    json.insert(QStringLiteral("prefix"), sensor.prefix);
    json.insert(QStringLiteral("rangeMinimum"), sensor.rangeMinimum);
    json.insert(QStringLiteral("rangeMaximum"), sensor.rangeMaximum);
    json.insert(QStringLiteral("normalMinimum"), sensor.normalMinimum);
    json.insert(QStringLiteral("normalMaximum"), sensor.normalMaximum);
    return json;
}

QJsonObject sensorRecordJson(const SensorRecord &sensor)
{
    return sensorDefinitionJson(sensor,
        {
            {QStringLiteral("number"), sensor.number},
            {QStringLiteral("recordedValueSupport"), sensor.recordedValueSupport},
            {QStringLiteral("description"), sensor.description},
            {QStringLiteral("updateTime"), sensor.updateTime},
            {QStringLiteral("updateDate"), sensor.updateDate},
            {QStringLiteral("presentValue"), sensor.presentValue},
            {QStringLiteral("lowestValue"), sensor.lowestValue},
            {QStringLiteral("highestValue"), sensor.highestValue},
            {QStringLiteral("recordedValue"), sensor.recordedValue},
        });
}

QJsonObject personalityRecordJson(const PersonalityRecord &personality)
{
    return {
        {QStringLiteral("number"), personality.number},
        {QStringLiteral("footprint"), personality.footprint},
        {QStringLiteral("description"), personality.description},
    };
}

QJsonObject parameterRecordJson(const ParameterRecord &parameter)
{
    return {
        {QStringLiteral("pid"), parameter.pid},
        {QStringLiteral("pdlSize"), parameter.pdlSize},
        {QStringLiteral("dataType"), parameter.dataType},
        {QStringLiteral("commandClass"), parameter.commandClass},
        {QStringLiteral("type"), parameter.type},
        {QStringLiteral("unit"), parameter.unit},
        {QStringLiteral("prefix"), parameter.prefix},
        {QStringLiteral("signedMinimum"), parameter.signedMinimum},
        {QStringLiteral("signedMaximum"), parameter.signedMaximum},
        {QStringLiteral("signedDefault"), parameter.signedDefault},
        {QStringLiteral("minimum"), qint64(parameter.minimum)},
        {QStringLiteral("maximum"), qint64(parameter.maximum)},
        {QStringLiteral("defaultValue"), qint64(parameter.defaultValue)},
        {QStringLiteral("description"), parameter.description},
        {QStringLiteral("highlighted"), parameter.highlighted},
    };
}

QJsonObject deviceRecordJson(const DeviceRecord &record)
{
    return {
        {QStringLiteral("uid"), uidText(record.uid)},
        {QStringLiteral("dmxStartAddress"), record.dmxStartAddress},
        {QStringLiteral("dmxFootprint"), record.dmxFootprint},
        {QStringLiteral("currentPersonality"), record.currentPersonality},
        {QStringLiteral("personalityCount"), record.personalityCount},
        {QStringLiteral("personalities"), arrayOf(record.personalities, personalityRecordJson)},
        {QStringLiteral("protocolVersion"), QJsonArray{record.protocolVersion[0], record.protocolVersion[1]}},
        {QStringLiteral("deviceModelId"), record.deviceModelId},
        {QStringLiteral("modelDescription"), record.modelDescription},
        {QStringLiteral("productCategory"), record.productCategory},
        {QStringLiteral("softwareVersionId"), qint64(record.softwareVersionId)},
        {QStringLiteral("softwareVersionLabel"), record.softwareVersionLabel},
        {QStringLiteral("subDeviceCount"), record.subDeviceCount},
        {QStringLiteral("sensorCount"), record.sensorCount},
        {QStringLiteral("sensors"), arrayOf(record.sensors, sensorRecordJson)},
        {QStringLiteral("deviceLabel"), record.deviceLabel},
        {QStringLiteral("manufacturerLabel"), record.manufacturerLabel},
        {QStringLiteral("supportedParameterCount"), qint64(record.supportedParameterCount)},
        {QStringLiteral("parameters"), arrayOf(record.parameters, parameterRecordJson)},
        {QStringLiteral("subDevice"), record.subDevice},
        {QStringLiteral("identify"), record.identify},
        {QStringLiteral("deviceHours"), qint64(record.deviceHours)},
        {QStringLiteral("devicePowerCycles"), qint64(record.devicePowerCycles)},
        {QStringLiteral("lampHours"), qint64(record.lampHours)},
        {QStringLiteral("lampStrikes"), qint64(record.lampStrikes)},
        {QStringLiteral("lampState"), record.lampState},
        {QStringLiteral("detailsFetched"), record.detailsFetched},
    };
}
