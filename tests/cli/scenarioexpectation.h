// What a full read must find for each device a scenario file describes, in the record's JSON
// names, and a comparison that names every field that differs.
#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QStringList>
#include <algorithm>

struct ScenarioDevice
{
    QJsonObject responder;
    QJsonObject device; // the responder itself for a root device
    int subDevice = 0;
};

inline QJsonObject readScenario(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

// The responders on the scenario's first interface.
inline QJsonArray scenarioResponders(const QString &path)
{
    const QJsonObject scenario = readScenario(path);
    return scenario.value(QLatin1String("interfaces")).toArray().at(0).toObject().value(QLatin1String("responders")).toArray();
}

// Scenario numbers are integers or "0x" hexadecimal strings.
inline qint64 scenarioNumber(const QJsonObject &object, const char *key, qint64 absent = 0)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isString()) {
        const QString text = value.toString();
        return text.startsWith(QLatin1String("0x")) ? text.mid(2).toLongLong(nullptr, 16) : text.toLongLong();
    }
    return value.isDouble() ? value.toInteger() : absent;
}

inline QString scenarioText(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

inline QJsonArray scenarioArray(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toArray();
}

inline QString scenarioUid(const QJsonObject &responder)
{
    return scenarioText(responder, "uid").toUpper();
}

// The root device, then the sub-devices that answer in ascending number.
inline QList<ScenarioDevice> scenarioDevices(const QJsonObject &responder)
{
    QMap<int, ScenarioDevice> answering;
    for (const QJsonValue &value : scenarioArray(responder, "subDevices")) {
        const QJsonObject subDevice = value.toObject();
        const int number = int(scenarioNumber(subDevice, "number"));
        if (!subDevice.value(QLatin1String("silent")).toBool())
            answering.insert(number, {responder, subDevice, number});
    }
    return QList<ScenarioDevice>{{responder, responder, 0}} + answering.values();
}

inline QJsonObject expectedSensor(const QJsonObject &sensor, int number, bool valueAnswered)
{
    const int support = int(scenarioNumber(sensor, "recordedValueSupport"));
    const auto reading = [&](const char *key, bool supported) {
        return valueAnswered && supported ? scenarioNumber(sensor, key) : 0;
    };
    QJsonObject expected{{QStringLiteral("number"), number},
                         {QStringLiteral("description"), scenarioText(sensor, "description")},
                         {QStringLiteral("recordedValueSupport"), support},
                         {QStringLiteral("presentValue"), reading("value", true)},
                         {QStringLiteral("lowestValue"), reading("lowest", support & 2)},
                         {QStringLiteral("highestValue"), reading("highest", support & 2)},
                         {QStringLiteral("recordedValue"), reading("recorded", support & 1)}};
    for (const char *key : {"type", "unit", "prefix", "rangeMinimum", "rangeMaximum", "normalMinimum", "normalMaximum"})
        expected.insert(QLatin1String(key), scenarioNumber(sensor, key));
    if (!valueAnswered)
        expected.insert(QStringLiteral("updateDate"), QString());
    return expected;
}

inline QJsonObject expectedParameter(const QJsonObject &parameter)
{
    const int dataType = int(scenarioNumber(parameter, "dataType"));
    const bool isSigned = dataType == 4 || dataType == 6 || dataType == 8;
    QJsonObject expected{{QStringLiteral("description"), scenarioText(parameter, "description")},
                         {QStringLiteral("dataType"), dataType},
                         {isSigned ? QStringLiteral("signedMinimum") : QStringLiteral("minimum"), scenarioNumber(parameter, "minimum")},
                         {isSigned ? QStringLiteral("signedMaximum") : QStringLiteral("maximum"), scenarioNumber(parameter, "maximum")},
                         {isSigned ? QStringLiteral("signedDefault") : QStringLiteral("defaultValue"), scenarioNumber(parameter, "default")}};
    for (const char *key : {"pid", "pdlSize", "commandClass"})
        expected.insert(QLatin1String(key), scenarioNumber(parameter, key));
    return expected;
}

inline QJsonObject expectedRecord(const ScenarioDevice &scenario)
{
    const QJsonObject &device = scenario.device;
    const QJsonObject &responder = scenario.responder;
    QJsonObject expected{
        {QStringLiteral("uid"), scenarioUid(responder)},
        {QStringLiteral("subDevice"), scenario.subDevice},
        {QStringLiteral("deviceLabel"), scenarioText(device, "label")},
        {QStringLiteral("manufacturerLabel"), scenarioText(responder, "manufacturerLabel")},
        {QStringLiteral("softwareVersionLabel"), scenarioText(responder, "softwareVersionLabel")},
        {QStringLiteral("identify"), device.value(QLatin1String("identify")).toBool()},
        {QStringLiteral("subDeviceCount"), scenario.subDevice == 0 ? scenarioArray(responder, "subDevices").size() : 0},
        {QStringLiteral("detailsFetched"), true},
    };
    const QList<std::pair<const char *, const char *>> numbers = {
        {"deviceModelId", "modelId"}, {"productCategory", "productCategory"}, {"softwareVersionId", "softwareVersionId"},
        {"deviceHours", "deviceHours"}, {"devicePowerCycles", "powerCycles"}, {"lampHours", "lampHours"},
        {"lampStrikes", "lampStrikes"}, {"lampState", "lampState"}};
    for (const auto &[field, key] : numbers)
        expected.insert(QLatin1String(field), scenarioNumber(device, key));

    QString description = scenarioText(device, "modelDescription");
    if (!device.contains(QLatin1String("modelDescription")))
        description = scenario.subDevice != 0 ? QStringLiteral("Sub-device %1").arg(scenario.subDevice)
                      : QStringLiteral("UID: 0x") + QString::number(scenarioUid(responder).remove(QLatin1Char(':')).toULongLong(nullptr, 16), 16);
    expected.insert(QStringLiteral("modelDescription"), description);

    const QJsonArray personalities = scenarioArray(device, "personalities");
    QJsonArray expectedPersonalities;
    for (int i = 0; i < personalities.size(); ++i) {
        const QJsonObject personality = personalities.at(i).toObject();
        expectedPersonalities.append(QJsonObject{{QStringLiteral("number"), i + 1},
                                                 {QStringLiteral("footprint"), scenarioNumber(personality, "footprint")},
                                                 {QStringLiteral("description"), scenarioText(personality, "description")}});
    }
    const int current = personalities.isEmpty() ? 0 : int(scenarioNumber(device, "personality", 1));
    const qint64 footprint = current > 0 ? scenarioNumber(personalities.at(current - 1).toObject(), "footprint") : 0;
    expected.insert(QStringLiteral("personalityCount"), personalities.size());
    expected.insert(QStringLiteral("currentPersonality"), current);
    expected.insert(QStringLiteral("dmxFootprint"), footprint);
    expected.insert(QStringLiteral("dmxStartAddress"), footprint > 0 ? scenarioNumber(device, "startAddress", 1) : 0);
    expected.insert(QStringLiteral("personalities"), expectedPersonalities);

    // A responder that answers SENSOR_VALUE only with ACK_TIMER leaves the readings unset.
    const QJsonArray late = scenarioArray(responder.value(QLatin1String("behaviour")).toObject(), "ackTimer");
    const bool valuesAnswered = std::none_of(late.begin(), late.end(), [](const QJsonValue &entry) {
        return scenarioNumber(entry.toObject(), "pid") == 0x0201;
    });
    const QJsonArray sensors = scenarioArray(device, "sensors");
    QJsonArray expectedSensors;
    for (int i = 0; i < sensors.size(); ++i)
        expectedSensors.append(expectedSensor(sensors.at(i).toObject(), i, valuesAnswered));
    expected.insert(QStringLiteral("sensorCount"), sensors.size());
    expected.insert(QStringLiteral("sensors"), expectedSensors);

    QJsonArray expectedParameters;
    for (const QJsonValue &parameter : scenarioArray(device, "manufacturerParameters"))
        expectedParameters.append(expectedParameter(parameter.toObject()));
    expected.insert(QStringLiteral("parameters"), expectedParameters);
    return expected;
}

// Every expected value that `actual` does not hold, as "where.field: got X, expected Y". Arrays
// list the elements that must be present, matched by "pid" or "number"; their counts are checked
// through the count fields.
inline QStringList recordDifferences(const QJsonObject &actual, const QJsonObject &expected, const QString &where)
{
    const auto compact = [](const QJsonValue &value) {
        return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
    };
    QStringList differences;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QString place = where + QLatin1Char('.') + it.key();
        if (!it.value().isArray()) {
            if (actual.value(it.key()) != it.value())
                differences << QStringLiteral("%1: got %2, expected %3").arg(place, compact(actual.value(it.key())), compact(it.value()));
            continue;
        }
        for (const QJsonValue &element : it.value().toArray()) {
            const QString key = element.toObject().contains(QLatin1String("pid")) ? QStringLiteral("pid") : QStringLiteral("number");
            QJsonObject match;
            for (const QJsonValue &candidate : actual.value(it.key()).toArray()) {
                if (candidate.toObject().value(key) == element.toObject().value(key))
                    match = candidate.toObject();
            }
            differences += recordDifferences(match, element.toObject(),
                                             place + QStringLiteral("[%1]").arg(element.toObject().value(key).toInteger()));
        }
    }
    return differences;
}
