// What a full read must find for each device a scenario file describes, in the record's JSON
// names, and a comparison that names every field that differs.
#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

struct ScenarioDevice
{
    QJsonObject responder;
    QJsonObject device;   // the responder itself for a root device
    int subDevice = 0;
};

inline QJsonObject readJsonFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

// Scenario numbers are integers or "0x" hexadecimal strings.
inline qint64 scenarioNumber(const QJsonValue &value, qint64 absent = 0)
{
    if (value.isString()) {
        const QString text = value.toString();
        return text.startsWith(QLatin1String("0x")) ? text.mid(2).toLongLong(nullptr, 16) : text.toLongLong();
    }
    if (value.isBool())
        return value.toBool() ? 1 : 0;
    return value.isDouble() ? value.toInteger() : absent;
}

inline QString scenarioUid(const QJsonObject &responder)
{
    return responder.value(QLatin1String("uid")).toString().toUpper();
}

inline QJsonArray scenarioResponders(const QJsonObject &scenario)
{
    return scenario.value(QLatin1String("interfaces")).toArray().at(0).toObject().value(QLatin1String("responders")).toArray();
}

// The sub-devices that answer, in ascending number.
inline QList<ScenarioDevice> answeringSubDevices(const QJsonObject &responder)
{
    QMap<int, ScenarioDevice> answering;
    for (const QJsonValue &value : responder.value(QLatin1String("subDevices")).toArray()) {
        const QJsonObject subDevice = value.toObject();
        if (!subDevice.value(QLatin1String("silent")).toBool()) {
            const int number = int(scenarioNumber(subDevice.value(QLatin1String("number"))));
            answering.insert(number, {responder, subDevice, number});
        }
    }
    return answering.values();
}

inline bool answersLate(const QJsonObject &responder, quint16 pid)
{
    const QJsonArray late = responder.value(QLatin1String("behaviour")).toObject().value(QLatin1String("ackTimer")).toArray();
    return std::any_of(late.begin(), late.end(), [pid](const QJsonValue &entry) {
        return scenarioNumber(entry.toObject().value(QLatin1String("pid"))) == pid;
    });
}

inline QJsonObject expectedSensor(const QJsonObject &sensor, int number, bool valueAnswered)
{
    const int support = int(scenarioNumber(sensor.value(QLatin1String("recordedValueSupport"))));
    const auto reading = [&](const char *key, bool supported) {
        return valueAnswered && supported ? scenarioNumber(sensor.value(QLatin1String(key))) : 0;
    };
    QJsonObject expected{
        {QStringLiteral("number"), number},
        {QStringLiteral("description"), sensor.value(QLatin1String("description")).toString()},
        {QStringLiteral("recordedValueSupport"), support},
        {QStringLiteral("presentValue"), reading("value", true)},
        {QStringLiteral("lowestValue"), reading("lowest", support & 2)},
        {QStringLiteral("highestValue"), reading("highest", support & 2)},
        {QStringLiteral("recordedValue"), reading("recorded", support & 1)},
    };
    for (const char *key : {"type", "unit", "prefix", "rangeMinimum", "rangeMaximum", "normalMinimum", "normalMaximum"})
        expected.insert(QLatin1String(key), scenarioNumber(sensor.value(QLatin1String(key))));
    if (!valueAnswered)
        expected.insert(QStringLiteral("updateDate"), QString());
    return expected;
}

inline QJsonObject expectedParameter(const QJsonObject &parameter)
{
    const int dataType = int(scenarioNumber(parameter.value(QLatin1String("dataType"))));
    const bool isSigned = dataType == 4 || dataType == 6 || dataType == 8;
    const QString prefix = isSigned ? QStringLiteral("signed") : QString();
    const auto named = [&](const char *name) {
        return isSigned ? prefix + QChar(QLatin1Char(name[0])).toUpper() + QLatin1String(name + 1) : QLatin1String(name);
    };
    return {
        {QStringLiteral("pid"), scenarioNumber(parameter.value(QLatin1String("pid")))},
        {QStringLiteral("description"), parameter.value(QLatin1String("description")).toString()},
        {QStringLiteral("pdlSize"), scenarioNumber(parameter.value(QLatin1String("pdlSize")))},
        {QStringLiteral("dataType"), dataType},
        {QStringLiteral("commandClass"), scenarioNumber(parameter.value(QLatin1String("commandClass")))},
        {named("minimum"), scenarioNumber(parameter.value(QLatin1String("minimum")))},
        {named("maximum"), scenarioNumber(parameter.value(QLatin1String("maximum")))},
        {isSigned ? QStringLiteral("signedDefault") : QStringLiteral("defaultValue"),
         scenarioNumber(parameter.value(QLatin1String("default")))},
    };
}

inline QJsonObject expectedRecord(const ScenarioDevice &scenario)
{
    const QJsonObject &device = scenario.device;
    const QJsonObject &responder = scenario.responder;
    const auto number = [&device](const char *key, qint64 absent = 0) {
        return scenarioNumber(device.value(QLatin1String(key)), absent);
    };

    QJsonObject expected{
        {QStringLiteral("uid"), scenarioUid(responder)},
        {QStringLiteral("subDevice"), scenario.subDevice},
        {QStringLiteral("deviceLabel"), device.value(QLatin1String("label")).toString()},
        {QStringLiteral("manufacturerLabel"), responder.value(QLatin1String("manufacturerLabel")).toString()},
        {QStringLiteral("softwareVersionLabel"), responder.value(QLatin1String("softwareVersionLabel")).toString()},
        {QStringLiteral("deviceModelId"), number("modelId")},
        {QStringLiteral("productCategory"), number("productCategory")},
        {QStringLiteral("softwareVersionId"), number("softwareVersionId")},
        {QStringLiteral("deviceHours"), number("deviceHours")},
        {QStringLiteral("devicePowerCycles"), number("powerCycles")},
        {QStringLiteral("lampHours"), number("lampHours")},
        {QStringLiteral("lampStrikes"), number("lampStrikes")},
        {QStringLiteral("lampState"), number("lampState")},
        {QStringLiteral("identify"), device.value(QLatin1String("identify")).toBool()},
        {QStringLiteral("subDeviceCount"),
         scenario.subDevice == 0 ? responder.value(QLatin1String("subDevices")).toArray().size() : 0},
        {QStringLiteral("detailsFetched"), true},
    };

    if (device.contains(QLatin1String("modelDescription")))
        expected.insert(QStringLiteral("modelDescription"), device.value(QLatin1String("modelDescription")).toString());
    else if (scenario.subDevice != 0)
        expected.insert(QStringLiteral("modelDescription"), QStringLiteral("Sub-device %1").arg(scenario.subDevice));
    else
        expected.insert(QStringLiteral("modelDescription"),
                        QStringLiteral("UID: 0x") + QString::number(scenarioUid(responder).remove(QLatin1Char(':')).toULongLong(nullptr, 16), 16));

    const QJsonArray personalities = device.value(QLatin1String("personalities")).toArray();
    QJsonArray expectedPersonalities;
    for (int i = 0; i < personalities.size(); ++i) {
        const QJsonObject personality = personalities.at(i).toObject();
        expectedPersonalities.append(QJsonObject{
            {QStringLiteral("number"), i + 1},
            {QStringLiteral("footprint"), scenarioNumber(personality.value(QLatin1String("footprint")))},
            {QStringLiteral("description"), personality.value(QLatin1String("description")).toString()},
        });
    }
    const int current = personalities.isEmpty() ? 0 : int(number("personality", 1));
    const qint64 footprint = current > 0 ? scenarioNumber(personalities.at(current - 1).toObject().value(QLatin1String("footprint"))) : 0;
    expected.insert(QStringLiteral("personalityCount"), personalities.size());
    expected.insert(QStringLiteral("currentPersonality"), current);
    expected.insert(QStringLiteral("dmxFootprint"), footprint);
    expected.insert(QStringLiteral("dmxStartAddress"), footprint > 0 ? number("startAddress", 1) : 0);
    expected.insert(QStringLiteral("personalities"), expectedPersonalities);

    const QJsonArray sensors = device.value(QLatin1String("sensors")).toArray();
    const bool valuesAnswered = !answersLate(responder, 0x0201);
    QJsonArray expectedSensors;
    for (int i = 0; i < sensors.size(); ++i)
        expectedSensors.append(expectedSensor(sensors.at(i).toObject(), i, valuesAnswered));
    expected.insert(QStringLiteral("sensorCount"), sensors.size());
    expected.insert(QStringLiteral("sensors"), expectedSensors);

    QJsonArray expectedParameters;
    for (const QJsonValue &parameter : device.value(QLatin1String("manufacturerParameters")).toArray())
        expectedParameters.append(expectedParameter(parameter.toObject()));
    expected.insert(QStringLiteral("parameters"), expectedParameters);
    return expected;
}

// The element of `actual` with the same "pid" or "number" as `expected`.
inline QJsonObject matchingElement(const QJsonArray &actual, const QJsonObject &expected)
{
    const QString key = expected.contains(QLatin1String("pid")) ? QStringLiteral("pid") : QStringLiteral("number");
    for (const QJsonValue &value : actual) {
        if (value.toObject().value(key) == expected.value(key))
            return value.toObject();
    }
    return {};
}

// Every expected value that `actual` does not hold, as "where.field: got X, expected Y". Arrays
// list the elements that must be present; their counts are checked through the count fields.
inline QStringList recordDifferences(const QJsonObject &actual, const QJsonObject &expected, const QString &where)
{
    QStringList differences;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QString place = where + QLatin1Char('.') + it.key();
        if (it.value().isArray()) {
            const QJsonArray elements = it.value().toArray();
            for (int i = 0; i < elements.size(); ++i) {
                const QJsonObject element = matchingElement(actual.value(it.key()).toArray(), elements.at(i).toObject());
                differences += recordDifferences(element, elements.at(i).toObject(), place + QStringLiteral("[%1]").arg(i));
            }
        } else if (actual.value(it.key()) != it.value()) {
            differences << QStringLiteral("%1: got %2, expected %3")
                               .arg(place,
                                    QString::fromUtf8(QJsonDocument(QJsonArray{actual.value(it.key())}).toJson(QJsonDocument::Compact)),
                                    QString::fromUtf8(QJsonDocument(QJsonArray{it.value()}).toJson(QJsonDocument::Compact)));
        }
    }
    return differences;
}
