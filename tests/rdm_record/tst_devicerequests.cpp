// The full read of the demo rig, checked field by field against what the demo scenario file says
// each responder holds.
#include "rdm/devicereader.h"
#include "rdm/parameterids.h"
#include "rdm/rdm.h"
#include "rdm/standardparameters.h"
#include "recorddump.h"
#include "simulator/scenario.h"
#include "usb/usbdevice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextEdit>
#include <QtTest>

namespace {

QJsonArray demoResponders()
{
    QFile file(QStringLiteral(":/simulator/demo.json"));
    if (!file.open(QIODevice::ReadOnly))
        return QJsonArray();
    return QJsonDocument::fromJson(file.readAll())["interfaces"][0]["responders"].toArray();
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

QJsonArray array(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toArray();
}

quint64 uidOf(const QJsonObject &responder)
{
    return text(responder, "uid").remove(QLatin1Char(':')).toULongLong(nullptr, 16);
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

// Whether a GET of the PID gets its answer at once: not from a silent device, not an ACK_TIMER.
bool answersAtOnce(const QJsonObject &responder, quint16 subDevice, quint16 pid)
{
    const QJsonObject behaviour = responder.value(QStringLiteral("behaviour")).toObject();
    if (behaviour.value(QStringLiteral("silent")).toBool()
        || deviceOf(responder, subDevice).value(QStringLiteral("silent")).toBool())
        return false;
    const QJsonArray timers = array(behaviour, "ackTimer");
    return std::none_of(timers.begin(), timers.end(),
                        [pid](const QJsonValue &timer) { return number(timer.toObject(), "pid") == pid; });
}

bool demoSensorVaries(const QJsonObject &responder, quint16 subDevice, quint8 sensor)
{
    return array(deviceOf(responder, subDevice), "sensors").at(sensor).toObject().contains(QLatin1String("varies"));
}

// The record a full read of the device should leave, from the scenario; only the list of supported
// PIDs is asked of the rig, as the responder tests pin how the scenario makes it. The demo rig holds
// back only sensor values and PIDs the read does not ask for; a silent device answers nothing.
// Sensor time stamps are left empty: they come from the clock, not from the scenario.
DeviceRecord expectedRecord(RDM &rdm, const QJsonObject &responder, quint16 subDevice)
{
    DeviceRecord record(uidOf(responder), subDevice);
    if (!answersAtOnce(responder, subDevice, Pid::DeviceInfo))
        return record;
    const QJsonObject device = deviceOf(responder, subDevice);
    const QJsonArray personalities = array(device, "personalities");
    const QJsonArray sensors = array(device, "sensors");
    record.modelDescription = text(device, "modelDescription");
    record.protocolVersion = {1, 0};
    record.deviceModelId = quint16(number(device, "modelId"));
    record.productCategory = quint16(number(device, "productCategory"));
    record.softwareVersionId = quint32(number(device, "softwareVersionId"));
    record.personalityCount = quint8(personalities.size());
    record.currentPersonality = personalities.isEmpty() ? 0 : quint8(number(device, "personality", 1));
    if (!personalities.isEmpty())
        record.dmxFootprint = quint16(number(personalities.at(record.currentPersonality - 1).toObject(), "footprint"));
    record.dmxStartAddress = record.dmxFootprint > 0 ? quint16(number(device, "startAddress", 1)) : 0;
    record.subDeviceCount = subDevice == 0 ? quint16(array(responder, "subDevices").size()) : 0;
    record.sensorCount = quint8(sensors.size());
    record.deviceLabel = text(device, "label");
    record.softwareVersionLabel = text(responder, "softwareVersionLabel");
    record.manufacturerLabel = text(responder, "manufacturerLabel");
    for (int index = 0; index < personalities.size(); ++index) {
        PersonalityRecord &personality = record.personalities[quint8(index + 1)];
        personality.number = quint8(index + 1);
        personality.footprint = quint16(number(personalities.at(index).toObject(), "footprint"));
        personality.description = text(personalities.at(index).toObject(), "description");
    }

    record.storeSupportedParameters(rdm.responseData(), rdm.getSupportedParameters(record.uid, subDevice));
    for (const auto &[pid, parameter] : record.parameters)
        applyStandardDescription(record, pid);
    for (const QJsonValue &entry : array(device, "manufacturerParameters")) {
        const QJsonObject described = entry.toObject();
        ParameterRecord &parameter = record.parameters[quint16(number(described, "pid"))];
        parameter.pid = quint16(number(described, "pid"));
        for (const auto &[field, key] : {std::pair{&parameter.pdlSize, "pdlSize"}, {&parameter.dataType, "dataType"},
                                         {&parameter.commandClass, "commandClass"}, {&parameter.type, "type"},
                                         {&parameter.unit, "unit"}, {&parameter.prefix, "prefix"}})
            *field = quint8(number(described, key));
        for (const auto &[signedField, unsignedField, key] :
             {std::tuple{&parameter.signedMinimum, &parameter.minimum, "minimum"},
              {&parameter.signedMaximum, &parameter.maximum, "maximum"},
              {&parameter.signedDefault, &parameter.defaultValue, "default"}}) {
            if (isSignedDataType(parameter.dataType))
                *signedField = qint32(number(described, key));
            else
                *unsignedField = quint32(number(described, key));
        }
        parameter.description = text(described, "description");
    }

    for (int index = 0; index < sensors.size(); ++index) {
        const QJsonObject defined = sensors.at(index).toObject();
        SensorRecord &sensor = record.sensors[quint8(index)];
        sensor.number = quint8(index);
        sensor.type = quint8(number(defined, "type"));
        sensor.unit = quint8(number(defined, "unit"));
        sensor.prefix = quint8(number(defined, "prefix"));
        sensor.recordedValueSupport = quint8(number(defined, "recordedValueSupport"));
        sensor.description = text(defined, "description");
        for (const auto &[field, key] : {std::pair{&sensor.rangeMinimum, "rangeMinimum"},
                                         {&sensor.rangeMaximum, "rangeMaximum"},
                                         {&sensor.normalMinimum, "normalMinimum"},
                                         {&sensor.normalMaximum, "normalMaximum"}})
            *field = qint16(number(defined, key));
        if (answersAtOnce(responder, subDevice, Pid::SensorValue)) {
            const bool extremes = sensor.recordedValueSupport & 2;
            sensor.presentValue = qint16(number(defined, "value"));
            sensor.lowestValue = extremes ? qint16(number(defined, "lowest")) : 0;
            sensor.highestValue = extremes ? qint16(number(defined, "highest")) : 0;
            sensor.recordedValue = (sensor.recordedValueSupport & 1) ? qint16(number(defined, "recorded")) : 0;
        }
    }

    record.identify = device.value(QStringLiteral("identify")).toBool();
    for (const auto &[field, key] : {std::pair{&record.deviceHours, "deviceHours"},
                                     {&record.devicePowerCycles, "powerCycles"}, {&record.lampHours, "lampHours"},
                                     {&record.lampStrikes, "lampStrikes"}})
        *field = quint32(number(device, key));
    record.lampState = quint8(number(device, "lampState"));
    return record;
}

} // namespace

class TestDeviceRequests : public QObject
{
    Q_OBJECT

private slots:
    void fullReadOfTheDemoRig_data()
    {
        QTest::addColumn<int>("responderIndex");
        QTest::addColumn<int>("subDevice");
        const QJsonArray responders = demoResponders();
        QVERIFY(responders.size() >= 7);
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
    void fullReadOfTheDemoRig()
    {
        QFETCH(int, responderIndex);
        QFETCH(int, subDevice);
        QString error;
        const std::unique_ptr<SimulatedBackend> demo = loadScenario(QStringLiteral("demo"), &error);
        QVERIFY2(demo, qPrintable(error));
        UsbDevice usb(demo.get());
        usb.collectDevices();
        QCOMPARE(usb.connectDevice(0), 0);
        QTextEdit log;
        RDM rdm(&usb, &log);
        const QJsonObject responder = demoResponders().at(responderIndex).toObject();
        const quint64 uid = uidOf(responder);

        // Made as discovery makes it, then read in full.
        DeviceRecord record(uid, quint16(subDevice));
        const int length = rdm.getDeviceModelDescription(uid, quint16(subDevice));
        if (length >= 0)
            record.setModelDescription(rdm.responseData(), length);
        readFullDetails(rdm, record);

        DeviceRecord expected = expectedRecord(rdm, responder, quint16(subDevice));
        for (auto &[number, sensor] : expected.sensors) {
            if (!record.sensors.count(number) || !answersAtOnce(responder, quint16(subDevice), Pid::SensorValue))
                continue;
            const SensorRecord &read = record.sensors.at(number);
            QVERIFY(!read.updateDate.isEmpty() && !read.updateTime.isEmpty());
            sensor.updateDate = read.updateDate;
            sensor.updateTime = read.updateTime;
            // A value that moves with the clock is pinned by the scenario tests, not here.
            if (demoSensorVaries(responder, quint16(subDevice), number)) {
                sensor.presentValue = read.presentValue;
                sensor.lowestValue = read.lowestValue;
                sensor.highestValue = read.highestValue;
            }
        }
        QCOMPARE(dumpRecord(record), dumpRecord(expected));
        QCOMPARE(log.toPlainText(), QString());
    }
};

QTEST_MAIN(TestDeviceRequests)
#include "tst_devicerequests.moc"
