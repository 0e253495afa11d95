// The device requests against the demo rig: what each GET returns and the records a full read
// fills, checked against what the demo scenario file says each responder holds.
#include "connectedengine.h"
#include "rdm/devicereader.h"
#include "rdm/devicerecord.h"
#include "rdm/parameterids.h"
#include "rdm/standardparameters.h"
#include "recorddump.h"
#include "simulator/scenario.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>
#include <algorithm>
#include <functional>

namespace {

QJsonArray demoResponders()
{
    QFile file(QStringLiteral(":/simulator/demo.json"));
    if (!file.open(QIODevice::ReadOnly))
        return QJsonArray();
    const QJsonObject scenario = QJsonDocument::fromJson(file.readAll()).object();
    return scenario.value(QStringLiteral("interfaces")).toArray().first().toObject().value(
        QStringLiteral("responders")).toArray();
}

// Scenario numbers are decimal or "0x" hexadecimal strings.
qint64 number(const QJsonObject &object, const char *key, qint64 absent = 0)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isString())
        return value.toString().mid(2).toLongLong(nullptr, 16);
    return value.isDouble() ? qint64(value.toDouble()) : absent;
}

QString text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

bool has(const QJsonObject &object, const char *key)
{
    return object.contains(QLatin1String(key));
}

QJsonArray array(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toArray();
}

quint64 uidOf(const QJsonObject &responder)
{
    const QStringList parts = text(responder, "uid").split(QLatin1Char(':'));
    return (parts.at(0).toULongLong(nullptr, 16) << 32) | parts.at(1).toULongLong(nullptr, 16);
}

// The device a request reaches: the responder itself or one of its sub-devices.
QJsonObject deviceOf(const QJsonObject &responder, quint16 subDevice)
{
    for (const QJsonValue &entry : array(responder, "subDevices")) {
        if (number(entry.toObject(), "number") == subDevice)
            return entry.toObject();
    }
    return responder;
}

bool anyOf(const QJsonArray &entries, const std::function<bool(const QJsonObject &)> &test)
{
    return std::any_of(entries.begin(), entries.end(),
                       [&test](const QJsonValue &entry) { return test(entry.toObject()); });
}

// Device keys of the scenario format and the standard PIDs their presence makes supported.
const QList<QPair<const char *, QList<quint16>>> featurePids = {
    {"productDetails", {Pid::ProductDetailIdList}},
    {"modelDescription", {Pid::DeviceModelDescription}},
    {"languages", {Pid::LanguageCapabilities, Pid::Language}},
    {"personalities", {Pid::DmxPersonality, Pid::DmxPersonalityDescription}},
    {"sensors", {Pid::SensorDefinition, Pid::SensorValue}},
    {"deviceHours", {Pid::DeviceHours}},
    {"lampHours", {Pid::LampHours}},
    {"lampStrikes", {Pid::LampStrikes}},
    {"lampState", {Pid::LampState}},
    {"lampOnMode", {Pid::LampOnMode}},
    {"powerCycles", {Pid::DevicePowerCycles}},
    {"displayInvert", {Pid::DisplayInvert}},
    {"displayLevel", {Pid::DisplayLevel}},
    {"panInvert", {Pid::PanInvert}},
    {"tiltInvert", {Pid::TiltInvert}},
    {"panTiltSwap", {Pid::PanTiltSwap}},
    {"realTimeClock", {Pid::RealTimeClock}},
    {"powerState", {Pid::PowerState}},
    {"selfTests", {Pid::PerformSelfTest, Pid::SelfTestDescription}},
    {"presets", {Pid::CapturePreset, Pid::PresetPlayback}},
};

// What SUPPORTED_PARAMETERS lists, by the rules of the scenario format.
QList<quint16> supportedPids(const QJsonObject &responder, quint16 subDevice)
{
    const QJsonObject device = deviceOf(responder, subDevice);
    QList<quint16> pids = {Pid::SupportedParameters, Pid::DeviceInfo,           Pid::DeviceLabel,
                           Pid::FactoryDefaults,     Pid::SoftwareVersionLabel, Pid::IdentifyDevice};
    if (subDevice == 0) {
        pids << Pid::CommsStatus << Pid::ResetDevice;
        if (has(responder, "statusMessages"))
            pids << Pid::QueuedMessage << Pid::StatusMessages << Pid::StatusIdDescription << Pid::ClearStatusId;
        if (has(responder, "proxiedDevices"))
            pids << Pid::ProxiedDevices << Pid::ProxiedDeviceCount;
    } else if (has(responder, "statusMessages")) {
        pids << Pid::SubDeviceStatusReportThreshold;
    }
    if (has(responder, "manufacturerLabel"))
        pids << Pid::ManufacturerLabel;
    if (has(responder, "bootSoftwareVersionId"))
        pids << Pid::BootSoftwareVersionId;
    if (has(responder, "bootSoftwareVersionLabel"))
        pids << Pid::BootSoftwareVersionLabel;
    for (const auto &[key, featured] : featurePids) {
        const QJsonValue value = device.value(QLatin1String(key));
        if (!value.isUndefined() && !(value.isArray() && value.toArray().isEmpty()))
            pids << featured;
    }
    const QJsonArray personalities = array(device, "personalities");
    if (anyOf(personalities, [](const QJsonObject &p) { return number(p, "footprint") > 0; }))
        pids << Pid::DmxStartAddress;
    if (anyOf(personalities, [](const QJsonObject &p) { return !array(p, "slots").isEmpty(); }))
        pids << Pid::SlotInfo << Pid::DefaultSlotValue;
    if (anyOf(personalities, [](const QJsonObject &p) {
            return anyOf(array(p, "slots"),
                         [](const QJsonObject &slot) { return !text(slot, "description").isEmpty(); });
        }))
        pids << Pid::SlotDescription;
    if (anyOf(array(device, "sensors"), [](const QJsonObject &s) { return number(s, "recordedValueSupport") & 1; }))
        pids << Pid::RecordSensors;
    const QJsonArray manufacturerParameters = array(device, "manufacturerParameters");
    if (!manufacturerParameters.isEmpty())
        pids << Pid::ParameterDescription;
    for (const QJsonValue &parameter : manufacturerParameters)
        pids << quint16(number(parameter.toObject(), "pid"));
    std::sort(pids.begin(), pids.end());
    return pids;
}

// Whether a GET of the PID gets its answer at once: not from a silent device, not an ACK_TIMER.
bool answersAtOnce(const QJsonObject &responder, quint16 subDevice, quint16 pid)
{
    const QJsonObject behaviour = responder.value(QStringLiteral("behaviour")).toObject();
    if (behaviour.value(QStringLiteral("silent")).toBool()
        || deviceOf(responder, subDevice).value(QStringLiteral("silent")).toBool())
        return false;
    return !anyOf(array(behaviour, "ackTimer"),
                  [pid](const QJsonObject &timer) { return number(timer, "pid") == pid; });
}

QByteArray pidListBytes(const QList<quint16> &pids)
{
    QByteArray data;
    for (quint16 pid : pids)
        data.append(char(pid >> 8)).append(char(pid));
    return data;
}

const quint8 *bytesOf(const QByteArray &data)
{
    return reinterpret_cast<const quint8 *>(data.constData());
}

// The record a full read of the device should leave, from the scenario alone.
// Sensor time stamps are left empty: they come from the clock, not from the scenario.
DeviceRecord expectedRecord(const QJsonObject &responder, quint16 subDevice)
{
    DeviceRecord record(uidOf(responder), subDevice);
    const QJsonObject device = deviceOf(responder, subDevice);
    const auto answers = [&](quint16 pid) { return answersAtOnce(responder, subDevice, pid); };

    if (answers(Pid::DeviceModelDescription))
        record.modelDescription = text(device, "modelDescription");
    const QJsonArray personalities = array(device, "personalities");
    const QJsonArray sensors = array(device, "sensors");
    if (answers(Pid::DeviceInfo)) {
        record.protocolVersion = {1, 0};
        record.deviceModelId = quint16(number(device, "modelId"));
        record.productCategory = quint16(number(device, "productCategory"));
        record.softwareVersionId = quint32(number(device, "softwareVersionId"));
        record.personalityCount = quint8(personalities.size());
        record.currentPersonality = personalities.isEmpty() ? 0 : quint8(number(device, "personality", 1));
        if (!personalities.isEmpty())
            record.dmxFootprint =
                quint16(number(personalities.at(record.currentPersonality - 1).toObject(), "footprint"));
        record.dmxStartAddress = record.dmxFootprint > 0 ? quint16(number(device, "startAddress", 1)) : 0;
        record.subDeviceCount = subDevice == 0 ? quint16(array(responder, "subDevices").size()) : 0;
        record.sensorCount = quint8(sensors.size());
    }
    if (answers(Pid::DeviceLabel))
        record.deviceLabel = text(device, "label");
    if (answers(Pid::SoftwareVersionLabel))
        record.softwareVersionLabel = text(responder, "softwareVersionLabel");
    if (answers(Pid::ManufacturerLabel))
        record.manufacturerLabel = text(responder, "manufacturerLabel");
    for (int index = 0; index < personalities.size() && answers(Pid::DmxPersonality); ++index) {
        PersonalityRecord &personality = record.personalities[quint8(index + 1)];
        personality.number = quint8(index + 1);
        if (answers(Pid::DmxPersonalityDescription)) {
            personality.footprint = quint16(number(personalities.at(index).toObject(), "footprint"));
            personality.description = text(personalities.at(index).toObject(), "description");
        }
    }

    if (answers(Pid::SupportedParameters)) {
        const QList<quint16> pids = supportedPids(responder, subDevice);
        const QByteArray list = pidListBytes(pids);
        record.storeSupportedParameters(bytesOf(list), list.size());
        for (quint16 pid : pids)
            applyStandardDescription(record, pid);
    }
    for (const QJsonValue &entry : array(device, "manufacturerParameters")) {
        const QJsonObject described = entry.toObject();
        const auto found = record.parameters.find(quint16(number(described, "pid")));
        if (found == record.parameters.end() || !answers(Pid::ParameterDescription))
            continue;
        ParameterRecord &parameter = found->second;
        parameter.pdlSize = quint8(number(described, "pdlSize"));
        parameter.dataType = quint8(number(described, "dataType"));
        parameter.commandClass = quint8(number(described, "commandClass"));
        parameter.type = quint8(number(described, "type"));
        parameter.unit = quint8(number(described, "unit"));
        parameter.prefix = quint8(number(described, "prefix"));
        if (isSignedDataType(parameter.dataType)) {
            parameter.signedMinimum = qint32(number(described, "minimum"));
            parameter.signedMaximum = qint32(number(described, "maximum"));
            parameter.signedDefault = qint32(number(described, "default"));
        } else {
            parameter.minimum = quint32(number(described, "minimum"));
            parameter.maximum = quint32(number(described, "maximum"));
            parameter.defaultValue = quint32(number(described, "default"));
        }
        parameter.description = text(described, "description");
    }

    for (int index = 0; index < sensors.size() && answers(Pid::DeviceInfo); ++index) {
        const QJsonObject defined = sensors.at(index).toObject();
        SensorRecord &sensor = record.sensors[quint8(index)];
        sensor.number = quint8(index);
        if (answers(Pid::SensorDefinition)) {
            sensor.type = quint8(number(defined, "type"));
            sensor.unit = quint8(number(defined, "unit"));
            sensor.prefix = quint8(number(defined, "prefix"));
            sensor.rangeMinimum = qint16(number(defined, "rangeMinimum"));
            sensor.rangeMaximum = qint16(number(defined, "rangeMaximum"));
            sensor.normalMinimum = qint16(number(defined, "normalMinimum"));
            sensor.normalMaximum = qint16(number(defined, "normalMaximum"));
            sensor.recordedValueSupport = quint8(number(defined, "recordedValueSupport"));
            sensor.description = text(defined, "description");
        }
        if (answers(Pid::SensorValue)) {
            const bool extremes = sensor.recordedValueSupport & 2;
            sensor.presentValue = qint16(number(defined, "value"));
            sensor.lowestValue = extremes ? qint16(number(defined, "lowest")) : 0;
            sensor.highestValue = extremes ? qint16(number(defined, "highest")) : 0;
            sensor.recordedValue = (sensor.recordedValueSupport & 1) ? qint16(number(defined, "recorded")) : 0;
        }
    }

    if (answers(Pid::IdentifyDevice))
        record.identify = device.value(QStringLiteral("identify")).toBool();
    const QList<QPair<quint16, quint32 *>> counters = {
        {Pid::DeviceHours, &record.deviceHours},
        {Pid::DevicePowerCycles, &record.devicePowerCycles},
        {Pid::LampHours, &record.lampHours},
        {Pid::LampStrikes, &record.lampStrikes},
    };
    const QHash<quint16, const char *> counterKeys = {{Pid::DeviceHours, "deviceHours"},
                                                      {Pid::DevicePowerCycles, "powerCycles"},
                                                      {Pid::LampHours, "lampHours"},
                                                      {Pid::LampStrikes, "lampStrikes"}};
    for (const auto &[pid, field] : counters) {
        if (answers(pid))
            *field = quint32(number(device, counterKeys.value(pid)));
    }
    if (answers(Pid::LampState))
        record.lampState = quint8(number(device, "lampState"));
    return record;
}

using Get = std::function<int(RDM &, quint64)>;
// The result a GET to the root device should have, from the responder's scenario entry.
using Expected = std::function<int(const QJsonObject &)>;

// A GET of a setting the scenario gives under `key`: `length` bytes when given, else refused.
Expected lengthWhenGiven(const char *key, int length)
{
    return [key, length](const QJsonObject &responder) { return has(responder, key) ? length : -3; };
}

Expected textLength(const char *key, bool refusedWhenAbsent)
{
    return [key, refusedWhenAbsent](const QJsonObject &responder) {
        return refusedWhenAbsent && !has(responder, key) ? -3 : int(text(responder, key).size());
    };
}

} // namespace

Q_DECLARE_METATYPE(Get)
Q_DECLARE_METATYPE(Expected)

class TestDemoRig : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(!demoResponders().isEmpty());
    }
    void init()
    {
        QString error;
        m_backend = loadScenario(QStringLiteral("demo"), &error);
        QVERIFY2(m_backend, qPrintable(error));
        m_engine = std::make_unique<ConnectedEngine>(m_backend.get());
        QVERIFY(m_engine->isConnected());
    }
    void cleanup()
    {
        m_engine.reset();
        m_backend.reset();
    }

    void getReturnsWhatTheResponderHolds_data()
    {
        QTest::addColumn<Get>("get");
        QTest::addColumn<Expected>("expected");
        QTest::addColumn<QString>("valueKey");
        const auto row = [](const char *name, Get get, Expected expected, const char *valueKey = "") {
            QTest::newRow(name) << get << expected << QString::fromLatin1(valueKey);
        };
        const auto root = [](int (RDM::*get)(quint64, quint16)) {
            return Get([get](RDM &rdm, quint64 uid) { return (rdm.*get)(uid, 0); });
        };
        row("DEVICE_INFO", root(&RDM::getDeviceInfo), [](const QJsonObject &) { return 0; });
        row("DEVICE_MODEL_DESCRIPTION", root(&RDM::getDeviceModelDescription), textLength("modelDescription", true));
        row("SOFTWARE_VERSION_LABEL", root(&RDM::getSoftwareVersionLabel), textLength("softwareVersionLabel", false));
        row("DEVICE_LABEL", root(&RDM::getDeviceLabel), textLength("label", false));
        row("MANUFACTURER_LABEL", root(&RDM::getManufacturerLabel), textLength("manufacturerLabel", true));
        row("DMX_PERSONALITY", root(&RDM::getDmxPersonality), [](const QJsonObject &responder) {
            return array(responder, "personalities").isEmpty() ? -3 : 0;
        });
        row("SUPPORTED_PARAMETERS", root(&RDM::getSupportedParameters),
            [](const QJsonObject &responder) { return 2 * int(supportedPids(responder, 0).size()); });
        row("PARAMETER_DESCRIPTION of the first manufacturer PID",
            [](RDM &rdm, quint64 uid) {
                const QJsonObject responder = responderWithUid(uid);
                const QJsonArray parameters = array(responder, "manufacturerParameters");
                const quint16 pid =
                    parameters.isEmpty() ? 0x8000 : quint16(number(parameters.first().toObject(), "pid"));
                return rdm.getParameterDescription(uid, 0, pid);
            },
            [](const QJsonObject &responder) {
                const QJsonArray parameters = array(responder, "manufacturerParameters");
                return parameters.isEmpty() ? -3 : 20 + int(text(parameters.first().toObject(), "description").size());
            });
        row("DMX_PERSONALITY_DESCRIPTION of personality 1",
            [](RDM &rdm, quint64 uid) { return rdm.getPersonalityDescription(uid, 0, 1); },
            [](const QJsonObject &responder) {
                const QJsonArray personalities = array(responder, "personalities");
                return personalities.isEmpty()
                           ? -3
                           : 3 + int(text(personalities.first().toObject(), "description").size());
            });
        row("SENSOR_DEFINITION of sensor 0", [](RDM &rdm, quint64 uid) { return rdm.getSensorDefinition(uid, 0, 0); },
            [](const QJsonObject &responder) {
                const QJsonArray sensors = array(responder, "sensors");
                return sensors.isEmpty() ? -3 : 13 + int(text(sensors.first().toObject(), "description").size());
            });
        row("SENSOR_VALUE of sensor 0", [](RDM &rdm, quint64 uid) { return rdm.getSensorValue(uid, 0, 0); },
            [](const QJsonObject &responder) {
                return has(responder, "sensors") && answersAtOnce(responder, 0, Pid::SensorValue) ? 9 : -3;
            });
        row("IDENTIFY_DEVICE", root(&RDM::getIdentify), [](const QJsonObject &) { return 1; });
        row("DEVICE_HOURS", root(&RDM::getDeviceHours), lengthWhenGiven("deviceHours", 4), "deviceHours");
        row("DEVICE_POWER_CYCLES", root(&RDM::getDevicePowerCycles), lengthWhenGiven("powerCycles", 4), "powerCycles");
        row("LAMP_HOURS", root(&RDM::getLampHours), lengthWhenGiven("lampHours", 4), "lampHours");
        row("LAMP_STRIKES", root(&RDM::getLampStrikes), lengthWhenGiven("lampStrikes", 4), "lampStrikes");
        row("LAMP_STATE", root(&RDM::getLampState), lengthWhenGiven("lampState", 1), "lampState");
        row("LAMP_ON_MODE", root(&RDM::getLampOnMode), lengthWhenGiven("lampOnMode", 1), "lampOnMode");
        row("LANGUAGE_CAPABILITIES", root(&RDM::getLanguageCapabilities), [](const QJsonObject &responder) {
            return has(responder, "languages") ? 2 * int(array(responder, "languages").size()) : -3;
        });
        row("LANGUAGE", root(&RDM::getLanguage), lengthWhenGiven("languages", 2));
        row("DISPLAY_INVERT", root(&RDM::getDisplayInvert), lengthWhenGiven("displayInvert", 1), "displayInvert");
        row("DISPLAY_LEVEL", root(&RDM::getDisplayLevel), lengthWhenGiven("displayLevel", 1), "displayLevel");
        row("PAN_INVERT", root(&RDM::getPanInvert), lengthWhenGiven("panInvert", 1), "panInvert");
        row("TILT_INVERT", root(&RDM::getTiltInvert), lengthWhenGiven("tiltInvert", 1), "tiltInvert");
        row("PAN_TILT_SWAP", root(&RDM::getPanTiltSwap), lengthWhenGiven("panTiltSwap", 1), "panTiltSwap");
        row("REAL_TIME_CLOCK", root(&RDM::getRealTimeClock), lengthWhenGiven("realTimeClock", 7));
        row("POWER_STATE", root(&RDM::getPowerState), lengthWhenGiven("powerState", 1), "powerState");
        row("PRESET_PLAYBACK", root(&RDM::getPresetPlayback), lengthWhenGiven("presets", 3));
    }
    void getReturnsWhatTheResponderHolds()
    {
        QFETCH(Get, get);
        QFETCH(Expected, expected);
        QFETCH(QString, valueKey);
        for (const QJsonValue &entry : demoResponders()) {
            const QJsonObject responder = entry.toObject();
            const int result = get(m_engine->rdm, uidOf(responder));
            const QString where = text(responder, "uid");
            QVERIFY2(result == expected(responder),
                     qPrintable(QStringLiteral("%1: %2 instead of %3")
                                    .arg(where)
                                    .arg(result)
                                    .arg(expected(responder))));
            if (result <= 0 || valueKey.isEmpty())
                continue;
            // The value arrives big-endian in the answer's `result` bytes.
            qint64 value = 0;
            for (int index = 0; index < result; ++index)
                value = (value << 8) | m_engine->rdm.responseData()[index];
            QVERIFY2(value == number(responder, valueKey.toLatin1().constData()), qPrintable(where));
        }
        QCOMPARE(m_engine->log.toPlainText(), QString());
    }

    void fullReadFillsTheRecord_data()
    {
        QTest::addColumn<int>("responderIndex");
        QTest::addColumn<int>("subDevice");
        const QJsonArray responders = demoResponders();
        for (int index = 0; index < responders.size(); ++index) {
            const QJsonObject responder = responders.at(index).toObject();
            const QString name = text(responder, "modelDescription") + QLatin1Char(' ') + text(responder, "uid");
            QTest::newRow(qPrintable(name)) << index << 0;
            for (const QJsonValue &sub : array(responder, "subDevices")) {
                const int number = int(::number(sub.toObject(), "number"));
                QTest::newRow(qPrintable(name + QStringLiteral(" sub-device %1").arg(number))) << index << number;
            }
        }
    }
    void fullReadFillsTheRecord()
    {
        QFETCH(int, responderIndex);
        QFETCH(int, subDevice);
        const QJsonObject responder = demoResponders().at(responderIndex).toObject();
        const quint64 uid = uidOf(responder);

        // Made as discovery makes it, then read in full.
        DeviceRecord record(uid, quint16(subDevice));
        const int length = m_engine->rdm.getDeviceModelDescription(uid, quint16(subDevice));
        if (length >= 0)
            record.setModelDescription(m_engine->rdm.responseData(), length);
        const QDateTime readStart = QDateTime::currentDateTime().addMSecs(-999);
        readFullDetails(m_engine->rdm, record);
        const QDateTime readEnd = QDateTime::currentDateTime();

        DeviceRecord expected = expectedRecord(responder, quint16(subDevice));
        for (auto &[number, sensor] : expected.sensors) {
            if (!answersAtOnce(responder, quint16(subDevice), Pid::SensorValue))
                continue;
            const SensorRecord &read = record.sensors.at(number);
            const QDateTime stamp(QDate::fromString(read.updateDate, Qt::ISODate),
                                  QTime::fromString(read.updateTime, Qt::TextDate));
            QVERIFY2(stamp >= readStart && stamp <= readEnd,
                     qPrintable(read.updateDate + QLatin1Char(' ') + read.updateTime));
            sensor.updateDate = read.updateDate;
            sensor.updateTime = read.updateTime;
        }
        QCOMPARE(dumpRecord(record), dumpRecord(expected));
        QCOMPARE(m_engine->log.toPlainText(), QString());
    }

private:
    static QJsonObject responderWithUid(quint64 uid)
    {
        for (const QJsonValue &entry : demoResponders()) {
            if (uidOf(entry.toObject()) == uid)
                return entry.toObject();
        }
        return QJsonObject();
    }

    std::unique_ptr<SimulatedBackend> m_backend;
    std::unique_ptr<ConnectedEngine> m_engine;
};

QTEST_MAIN(TestDemoRig)
#include "tst_demorig.moc"
