// What a full read must find for a device a scenario file describes: the identifying fields in the
// record's JSON names and a spot check of the first sensor, personality and manufacturer parameter.
#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QStringList>
#include <QVariant>

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

inline QJsonArray scenarioArray(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toArray();
}

// The responders on the scenario's first interface.
inline QJsonArray scenarioResponders(const QString &path)
{
    return scenarioArray(scenarioArray(readScenario(path), "interfaces").at(0).toObject(), "responders");
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

inline QString scenarioUid(const QJsonObject &responder)
{
    return responder.value(QLatin1String("uid")).toString().toUpper();
}

// The root device, then the sub-devices that answer in ascending number.
inline QList<ScenarioDevice> scenarioDevices(const QJsonObject &responder)
{
    QMap<int, ScenarioDevice> answering;
    for (const QJsonValue &value : scenarioArray(responder, "subDevices")) {
        const int number = int(scenarioNumber(value.toObject(), "number"));
        if (!value.toObject().value(QLatin1String("silent")).toBool())
            answering.insert(number, {responder, value.toObject(), number});
    }
    return QList<ScenarioDevice>{{responder, responder, 0}} + answering.values();
}

// Every checked value of `actual` that differs, as "UID/sub.field: got X, expected Y".
inline QStringList recordDifferences(const QJsonObject &actual, const ScenarioDevice &scenario)
{
    const QJsonObject &device = scenario.device;
    const QJsonObject &responder = scenario.responder;
    QStringList differences;
    const auto check = [&](const QString &field, const QJsonValue &got, const QJsonValue &expected) {
        if (got != expected)
            differences << QStringLiteral("%1/%2.%3: got %4, expected %5").arg(scenarioUid(responder)).arg(scenario.subDevice)
                               .arg(field, got.toVariant().toString(), expected.toVariant().toString());
    };
    const auto same = [&](const char *field, const QJsonValue &expected) {
        check(QLatin1String(field), actual.value(QLatin1String(field)), expected);
    };
    const auto text = [](const QJsonObject &object, const char *key) { return object.value(QLatin1String(key)); };
    // The element of one of the record's arrays whose `key` equals `value`.
    const auto element = [&](const char *array, const char *key, qint64 value) {
        for (const QJsonValue &candidate : scenarioArray(actual, array)) {
            if (scenarioNumber(candidate.toObject(), key) == value)
                return candidate.toObject();
        }
        return QJsonObject();
    };

    const QJsonArray personalities = scenarioArray(device, "personalities");
    const QJsonArray sensors = scenarioArray(device, "sensors");
    const QJsonArray parameters = scenarioArray(device, "manufacturerParameters");
    const qint64 footprint = scenarioNumber(personalities.at(int(scenarioNumber(device, "personality", 1)) - 1).toObject(), "footprint");
    same("uid", scenarioUid(responder));
    same("subDevice", scenario.subDevice);
    same("deviceLabel", text(device, "label"));
    same("manufacturerLabel", text(responder, "manufacturerLabel"));
    same("softwareVersionLabel", text(responder, "softwareVersionLabel"));
    if (device.contains(QLatin1String("modelDescription")))
        same("modelDescription", text(device, "modelDescription"));
    same("subDeviceCount", scenario.subDevice == 0 ? scenarioArray(responder, "subDevices").size() : 0);
    same("dmxStartAddress", footprint > 0 ? scenarioNumber(device, "startAddress", 1) : 0);
    same("personalityCount", personalities.size());
    same("sensorCount", sensors.size());
    if (!personalities.isEmpty())
        check(QStringLiteral("personalities[1].description"), element("personalities", "number", 1).value(QLatin1String("description")),
              text(personalities.at(0).toObject(), "description"));
    if (!sensors.isEmpty()) {
        const QJsonObject sensor = element("sensors", "number", 0);
        check(QStringLiteral("sensors[0].description"), sensor.value(QLatin1String("description")), text(sensors.at(0).toObject(), "description"));
        // A responder with delayed answers may leave the reading unset; a moving value is not in the file.
        if (!responder.contains(QLatin1String("behaviour")) && !sensors.at(0).toObject().contains(QLatin1String("varies")))
            check(QStringLiteral("sensors[0].presentValue"), sensor.value(QLatin1String("presentValue")),
                  scenarioNumber(sensors.at(0).toObject(), "value"));
    }
    if (!parameters.isEmpty()) {
        const qint64 pid = scenarioNumber(parameters.at(0).toObject(), "pid");
        check(QStringLiteral("parameters[%1].description").arg(pid), element("parameters", "pid", pid).value(QLatin1String("description")),
              text(parameters.at(0).toObject(), "description"));
    }
    return differences;
}
