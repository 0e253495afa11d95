// Device record: what each answer stores, and that short answers store nothing.
#include "rdm/devicerecord.h"
#include "rdm/parameterids.h"
#include "rdm/standardparameters.h"
#include "recorddump.h"
#include "usb/bytewriter.h"

#include <QtTest>
#include <functional>

namespace {

using Store = std::function<void(DeviceRecord &, const QByteArray &)>;

const quint8 *bytesOf(const QByteArray &data)
{
    return reinterpret_cast<const quint8 *>(data.constData());
}

QByteArray deviceInfo(quint16 startAddress, quint8 sensorCount)
{
    QByteArray data;
    ByteWriter(&data)
        .u8(1).u8(0)          // protocol version 1.0
        .u16(0x0A0B)          // device model ID
        .u16(0x0509)          // product category
        .u32(0x01020304)      // software version ID
        .u16(12)              // footprint
        .u8(2).u8(5)          // personality 2 of 5
        .u16(startAddress)
        .u16(4)               // sub-devices
        .u8(sensorCount);
    return data;
}

QByteArray parameterDescription(quint16 pid, quint8 dataType, quint32 minimum, quint32 maximum,
                                quint32 defaultValue, const QByteArray &description)
{
    QByteArray data;
    ByteWriter(&data)
        .u16(pid)
        .u8(4)            // PDL
        .u8(dataType)
        .u8(3)            // GET and SET
        .u8(0x01)         // voltage
        .u8(2)            // volt
        .u8(1)            // deci
        .u32(minimum).u32(maximum).u32(defaultValue)
        .bytes(description);
    return data;
}

QByteArray sensorDefinition(quint8 number, const QByteArray &description)
{
    QByteArray data;
    ByteWriter(&data)
        .u8(number)
        .u8(0x00)            // temperature
        .u8(1)               // degrees Celsius
        .u8(1)               // deci
        .u16(quint16(-400)).u16(1200)   // range
        .u16(0).u16(850)                // normal range
        .u8(3)
        .bytes(description);
    return data;
}

QByteArray sensorValue(quint8 number, quint16 present)
{
    QByteArray data;
    ByteWriter(&data).u8(number).u16(present).u16(quint16(-300)).u16(900).u16(7);
    return data;
}

QByteArray pidList(std::initializer_list<quint16> pids)
{
    QByteArray data;
    ByteWriter writer(&data);
    for (quint16 pid : pids)
        writer.u16(pid);
    return data;
}

DeviceRecord recordListing(std::initializer_list<quint16> pids)
{
    DeviceRecord record(0x123456789ABCULL);
    const QByteArray list = pidList(pids);
    record.storeSupportedParameters(bytesOf(list), list.size());
    return record;
}

} // namespace

Q_DECLARE_METATYPE(Store)

class TestDeviceRecord : public QObject
{
    Q_OBJECT

private slots:
    void freshRecordHoldsItsInitialValues()
    {
        const DeviceRecord record(0x123456789ABCULL, 3);
        QCOMPARE(record.uid, 0x123456789ABCULL);
        QCOMPARE(record.subDevice, quint16(3));
        QCOMPARE(record.dmxStartAddress, quint16(0));
        QCOMPARE(record.protocolVersion[0], quint8(0));
        QCOMPARE(record.protocolVersion[1], quint8(0));
        QVERIFY(record.sensors.empty());
        QVERIFY(!record.identify);
        QVERIFY(!record.detailsFetched);
    }

    void deviceInfoStoresEveryField()
    {
        DeviceRecord record(1);
        const QByteArray answer = deviceInfo(100, 0);
        record.storeDeviceInfo(bytesOf(answer), answer.size());
        QCOMPARE(record.protocolVersion[0], quint8(1));
        QCOMPARE(record.protocolVersion[1], quint8(0));
        QCOMPARE(record.deviceModelId, quint16(0x0A0B));
        QCOMPARE(record.productCategory, quint16(0x0509));
        QCOMPARE(record.softwareVersionId, quint32(0x01020304));
        QCOMPARE(record.dmxFootprint, quint16(12));
        QCOMPARE(record.currentPersonality, quint8(2));
        QCOMPARE(record.personalityCount, quint8(5));
        QCOMPARE(record.dmxStartAddress, quint16(100));
        QCOMPARE(record.subDeviceCount, quint16(4));
        QCOMPARE(record.sensorCount, quint8(0));
        QVERIFY(record.sensors.empty());
    }

    void deviceInfoStartAddress_data()
    {
        QTest::addColumn<quint16>("sent");
        QTest::addColumn<quint16>("stored");
        QTest::newRow("0xFFFF means none") << quint16(0xFFFF) << quint16(0);
        QTest::newRow("513 is past the last slot") << quint16(513) << quint16(0);
        QTest::newRow("512 is the last slot") << quint16(512) << quint16(512);
        QTest::newRow("1 is the first slot") << quint16(1) << quint16(1);
    }
    void deviceInfoStartAddress()
    {
        QFETCH(quint16, sent);
        QFETCH(quint16, stored);
        DeviceRecord record(1);
        record.dmxStartAddress = 77;
        const QByteArray answer = deviceInfo(sent, 0);
        record.storeDeviceInfo(bytesOf(answer), answer.size());
        QCOMPARE(record.dmxStartAddress, stored);
    }

    void deviceInfoAddsMissingSensorsOnly()
    {
        DeviceRecord record(1);
        const QByteArray definition = sensorDefinition(1, "lamp");
        record.storeSensorDefinition(bytesOf(definition), definition.size());
        const QStringList before = dumpRecord(record).filter(QStringLiteral("sensor 1 "));

        const QByteArray answer = deviceInfo(1, 3);
        record.storeDeviceInfo(bytesOf(answer), answer.size());

        QCOMPARE(record.sensors.size(), std::size_t(3));
        QCOMPARE(dumpRecord(record).filter(QStringLiteral("sensor 1 ")), before);
        for (quint8 added : {quint8(0), quint8(2)}) {
            const SensorRecord &sensor = record.sensors.at(added);
            QCOMPARE(sensor.number, added);
            QCOMPARE(sensor.type, quint8(0x7F));
            QCOMPARE(sensor.unit, quint8(0));
            QCOMPARE(sensor.rangeMaximum, qint16(0));
            QVERIFY(sensor.description.isEmpty());
        }
    }

    void supportedParametersOfSevenBytes()
    {
        DeviceRecord record = recordListing({0x0999});
        const QByteArray answer = pidList({Pid::DeviceInfo, 0x8001, Pid::DeviceInfo}) + '\x12';
        record.storeSupportedParameters(bytesOf(answer), answer.size());

        QCOMPARE(record.supportedParameterCount, quint32(3));
        QCOMPARE(record.parameters.size(), std::size_t(2));
        QCOMPARE(record.parameters.count(0x0999), std::size_t(0));
        const ParameterRecord &made = record.parameters.at(0x8001);
        QCOMPARE(made.pid, quint16(0x8001));
        QCOMPARE(made.pdlSize, quint8(0));
        QCOMPARE(made.dataType, quint8(3));
        QCOMPARE(made.commandClass, quint8(0));
        QCOMPARE(made.type, quint8(0x7F));
        QCOMPARE(made.signedDefault, qint32(1));
        QCOMPARE(made.defaultValue, quint32(0));
        QVERIFY(made.description.isEmpty());
        QCOMPARE(made.highlighted, quint8(0));
    }

    void parameterDescriptionOnlyForListedManufacturerPids_data()
    {
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<bool>("stored");
        QTest::newRow("standard PID 0x0060") << quint16(0x0060) << false;
        QTest::newRow("manufacturer PID 0x8001") << quint16(0x8001) << true;
        QTest::newRow("last manufacturer PID 0xFFDF") << quint16(0xFFDF) << true;
        QTest::newRow("reserved PID 0xFFE0") << quint16(0xFFE0) << false;
        QTest::newRow("manufacturer PID not listed") << quint16(0x8002) << false;
    }
    void parameterDescriptionOnlyForListedManufacturerPids()
    {
        QFETCH(quint16, pid);
        QFETCH(bool, stored);
        DeviceRecord record = recordListing({0x0060, 0x8001, 0xFFDF, 0xFFE0});
        const QStringList before = dumpRecord(record);
        const QByteArray answer = parameterDescription(pid, 5, 10, 1000, 20, "Fan speed");
        record.storeParameterDescription(bytesOf(answer), answer.size());
        if (!stored) {
            QCOMPARE(dumpRecord(record), before);
            return;
        }
        const ParameterRecord &parameter = record.parameters.at(pid);
        QCOMPARE(parameter.pdlSize, quint8(4));
        QCOMPARE(parameter.dataType, quint8(5));
        QCOMPARE(parameter.commandClass, quint8(3));
        QCOMPARE(parameter.type, quint8(1));
        QCOMPARE(parameter.unit, quint8(2));
        QCOMPARE(parameter.prefix, quint8(1));
        QCOMPARE(parameter.minimum, quint32(10));
        QCOMPARE(parameter.maximum, quint32(1000));
        QCOMPARE(parameter.defaultValue, quint32(20));
        QCOMPARE(parameter.signedMinimum, qint32(0));
        QCOMPARE(parameter.signedDefault, qint32(1));
        QCOMPARE(parameter.description, QStringLiteral("Fan speed"));
    }

    void parameterDescriptionRange_data()
    {
        QTest::addColumn<quint8>("dataType");
        QTest::addColumn<bool>("isSigned");
        QTest::newRow("signed byte") << quint8(4) << true;
        QTest::newRow("signed word") << quint8(6) << true;
        QTest::newRow("signed double word") << quint8(8) << true;
        QTest::newRow("unsigned byte") << quint8(3) << false;
        QTest::newRow("unsigned double word") << quint8(7) << false;
        QTest::newRow("not defined") << quint8(0) << false;
    }
    void parameterDescriptionRange()
    {
        QFETCH(quint8, dataType);
        QFETCH(bool, isSigned);
        DeviceRecord record = recordListing({0x8001});
        const QByteArray answer =
            parameterDescription(0x8001, dataType, quint32(-50), 50, quint32(-5), QByteArray("Tilt\0junk", 9));
        record.storeParameterDescription(bytesOf(answer), answer.size());
        const ParameterRecord &parameter = record.parameters.at(0x8001);
        QCOMPARE(parameter.description, QStringLiteral("Tilt"));
        if (isSigned) {
            QCOMPARE(parameter.signedMinimum, qint32(-50));
            QCOMPARE(parameter.signedMaximum, qint32(50));
            QCOMPARE(parameter.signedDefault, qint32(-5));
            QCOMPARE(parameter.maximum, quint32(0));
        } else {
            QCOMPARE(parameter.minimum, quint32(0xFFFFFFCE));
            QCOMPARE(parameter.maximum, quint32(50));
            QCOMPARE(parameter.defaultValue, quint32(0xFFFFFFFB));
            QCOMPARE(parameter.signedMaximum, qint32(0));
        }
    }

    void textSetters_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty label") << QByteArray() << QString();
        QTest::newRow("zero bytes kept") << QByteArray("ab\0c", 4) << QString::fromLatin1("ab\0c", 4);
        QTest::newRow("Latin-1 byte") << QByteArray("Caf\xE9") << QString::fromUtf8("Caf\u00E9");
    }
    void textSetters()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, expected);
        DeviceRecord record(1);
        record.deviceLabel = QStringLiteral("old");
        record.setDeviceLabel(bytesOf(answer), answer.size());
        record.setModelDescription(bytesOf(answer), answer.size());
        record.setSoftwareVersionLabel(bytesOf(answer), answer.size());
        record.setManufacturerLabel(bytesOf(answer), answer.size());
        QCOMPARE(record.deviceLabel, expected);
        QCOMPARE(record.modelDescription, expected);
        QCOMPARE(record.softwareVersionLabel, expected);
        QCOMPARE(record.manufacturerLabel, expected);
    }

    void sensorDefinitionAddsTheSensor()
    {
        DeviceRecord record(1);
        const QByteArray answer = sensorDefinition(4, QByteArray("Head\0", 5));
        record.storeSensorDefinition(bytesOf(answer), answer.size());
        const SensorRecord &sensor = record.sensors.at(4);
        QCOMPARE(sensor.number, quint8(4));
        QCOMPARE(sensor.type, quint8(0));
        QCOMPARE(sensor.unit, quint8(1));
        QCOMPARE(sensor.prefix, quint8(1));
        QCOMPARE(sensor.rangeMinimum, qint16(-400));
        QCOMPARE(sensor.rangeMaximum, qint16(1200));
        QCOMPARE(sensor.normalMinimum, qint16(0));
        QCOMPARE(sensor.normalMaximum, qint16(850));
        QCOMPARE(sensor.recordedValueSupport, quint8(3));
        QCOMPARE(sensor.description, QString::fromLatin1("Head\0", 5));
    }

    void sensorValueIsSignedAndStamped()
    {
        DeviceRecord record(1);
        const QByteArray definition = sensorDefinition(0, "Head");
        record.storeSensorDefinition(bytesOf(definition), definition.size());
        const QByteArray answer = sensorValue(0, 0xFF38);
        record.storeSensorValue(bytesOf(answer), answer.size(),
                                QDateTime(QDate(2024, 3, 9), QTime(7, 5, 2)));
        const SensorRecord &sensor = record.sensors.at(0);
        QCOMPARE(sensor.presentValue, qint16(-200));
        QCOMPARE(sensor.lowestValue, qint16(-300));
        QCOMPARE(sensor.highestValue, qint16(900));
        QCOMPARE(sensor.recordedValue, qint16(7));
        QCOMPARE(sensor.updateDate, QStringLiteral("2024-03-09"));
        QCOMPARE(sensor.updateTime, QStringLiteral("07:05:02"));
    }

    void sensorValueOfUnknownSensorIsIgnored()
    {
        DeviceRecord record(1);
        const QStringList before = dumpRecord(record);
        const QByteArray answer = sensorValue(2, 10);
        record.storeSensorValue(bytesOf(answer), answer.size());
        QCOMPARE(dumpRecord(record), before);
    }

    void personalities()
    {
        DeviceRecord record(1);
        QByteArray answer;
        ByteWriter(&answer).u8(2).u8(3);
        record.storePersonalities(bytesOf(answer), answer.size());
        QCOMPARE(record.currentPersonality, quint8(2));
        QCOMPARE(record.personalityCount, quint8(3));
        QCOMPARE(record.personalities.size(), std::size_t(3));
        QCOMPARE(record.personalities.count(0), std::size_t(0));
        QCOMPARE(record.personalities.at(3).number, quint8(3));

        QByteArray description;
        ByteWriter(&description).u8(3).u16(20).bytes("Extended");
        record.storePersonalityDescription(bytesOf(description), description.size());
        QCOMPARE(record.personalities.at(3).footprint, quint16(20));
        QCOMPARE(record.personalities.at(3).description, QStringLiteral("Extended"));

        const QStringList before = dumpRecord(record);
        QByteArray unknown;
        ByteWriter(&unknown).u8(4).u16(1).bytes("Other");
        record.storePersonalityDescription(bytesOf(unknown), unknown.size());
        QCOMPARE(dumpRecord(record), before);

        QByteArray fewer;
        ByteWriter(&fewer).u8(1).u8(1);
        record.storePersonalities(bytesOf(fewer), fewer.size());
        QCOMPARE(record.personalities.size(), std::size_t(1));
        QVERIFY(record.personalities.at(1).description.isEmpty());
    }

    void counterSetters()
    {
        DeviceRecord record(1);
        QByteArray counter;
        ByteWriter(&counter).u32(0x01020304);
        record.setDeviceHours(bytesOf(counter), counter.size());
        record.setDevicePowerCycles(bytesOf(counter), counter.size());
        record.setLampHours(bytesOf(counter), counter.size());
        record.setLampStrikes(bytesOf(counter), counter.size());
        QCOMPARE(record.deviceHours, quint32(0x01020304));
        QCOMPARE(record.devicePowerCycles, quint32(0x01020304));
        QCOMPARE(record.lampHours, quint32(0x01020304));
        QCOMPARE(record.lampStrikes, quint32(0x01020304));

        const QByteArray two("\x02\x07", 2);
        record.setLampState(bytesOf(two), two.size());
        record.setIdentify(bytesOf(two), two.size());
        record.setPersonality(bytesOf(two), two.size());
        QCOMPARE(record.lampState, quint8(2));
        QVERIFY(record.identify);
        QCOMPARE(record.currentPersonality, quint8(2));
        QCOMPARE(record.personalityCount, quint8(7));

        const QByteArray lastSlot("\x02\x00", 2);
        record.setDmxStartAddress(bytesOf(lastSlot), lastSlot.size());
        QCOMPARE(record.dmxStartAddress, quint16(512));
        const QByteArray pastLastSlot("\x02\x01", 2);
        record.setDmxStartAddress(bytesOf(pastLastSlot), pastLastSlot.size());
        QCOMPARE(record.dmxStartAddress, quint16(0));

        const QByteArray off("\x00", 1);
        record.setIdentify(bytesOf(off), off.size());
        QVERIFY(!record.identify);
    }

    void tooShortAnswerLeavesRecordAsItWas_data()
    {
        QTest::addColumn<Store>("store");
        QTest::addColumn<QByteArray>("answer");

        const auto row = [](const char *name, Store store, const QByteArray &answer) {
            QTest::newRow(name) << store << answer;
        };
        row("DEVICE_INFO", [](DeviceRecord &r, const QByteArray &d) { r.storeDeviceInfo(bytesOf(d), d.size()); },
            deviceInfo(200, 4));
        row("PARAMETER_DESCRIPTION",
            [](DeviceRecord &r, const QByteArray &d) { r.storeParameterDescription(bytesOf(d), d.size()); },
            parameterDescription(0x8001, 5, 1, 9, 2, QByteArray()));
        row("SENSOR_DEFINITION",
            [](DeviceRecord &r, const QByteArray &d) { r.storeSensorDefinition(bytesOf(d), d.size()); },
            sensorDefinition(0, QByteArray()));
        row("SENSOR_VALUE", [](DeviceRecord &r, const QByteArray &d) { r.storeSensorValue(bytesOf(d), d.size()); },
            sensorValue(0, 55));
        row("DMX_PERSONALITY",
            [](DeviceRecord &r, const QByteArray &d) { r.storePersonalities(bytesOf(d), d.size()); },
            QByteArray("\x01\x04", 2));
        row("DMX_PERSONALITY_DESCRIPTION",
            [](DeviceRecord &r, const QByteArray &d) { r.storePersonalityDescription(bytesOf(d), d.size()); },
            QByteArray("\x01\x00\x09", 3));
        row("personality setter", [](DeviceRecord &r, const QByteArray &d) { r.setPersonality(bytesOf(d), d.size()); },
            QByteArray("\x03\x04", 2));
        row("IDENTIFY_DEVICE", [](DeviceRecord &r, const QByteArray &d) { r.setIdentify(bytesOf(d), d.size()); },
            QByteArray("\x01", 1));
        row("DEVICE_HOURS", [](DeviceRecord &r, const QByteArray &d) { r.setDeviceHours(bytesOf(d), d.size()); },
            QByteArray("\x00\x00\x01\x00", 4));
        row("DEVICE_POWER_CYCLES",
            [](DeviceRecord &r, const QByteArray &d) { r.setDevicePowerCycles(bytesOf(d), d.size()); },
            QByteArray("\x00\x00\x01\x00", 4));
        row("LAMP_HOURS", [](DeviceRecord &r, const QByteArray &d) { r.setLampHours(bytesOf(d), d.size()); },
            QByteArray("\x00\x00\x01\x00", 4));
        row("LAMP_STRIKES", [](DeviceRecord &r, const QByteArray &d) { r.setLampStrikes(bytesOf(d), d.size()); },
            QByteArray("\x00\x00\x01\x00", 4));
        row("LAMP_STATE", [](DeviceRecord &r, const QByteArray &d) { r.setLampState(bytesOf(d), d.size()); },
            QByteArray("\x04", 1));
        row("DMX_START_ADDRESS",
            [](DeviceRecord &r, const QByteArray &d) { r.setDmxStartAddress(bytesOf(d), d.size()); },
            QByteArray("\x00\x21", 2));
    }
    void tooShortAnswerLeavesRecordAsItWas()
    {
        QFETCH(Store, store);
        QFETCH(QByteArray, answer);
        DeviceRecord record = recordListing({0x8001});
        const QByteArray definition = sensorDefinition(0, "Head");
        record.storeSensorDefinition(bytesOf(definition), definition.size());
        const QByteArray personalities("\x01\x02", 2);
        record.storePersonalities(bytesOf(personalities), personalities.size());
        const QStringList before = dumpRecord(record);

        for (int length = 0; length < answer.size(); ++length) {
            DeviceRecord copy = record;
            store(copy, answer.left(length));
            QVERIFY2(dumpRecord(copy) == before, qPrintable(QStringLiteral("changed by %1 bytes").arg(length)));
        }
        // The whole answer does change the record, so the rows above test something.
        store(record, answer);
        QVERIFY(dumpRecord(record) != before);
    }

    void copiesAreIndependent()
    {
        DeviceRecord record = recordListing({0x8001});
        DeviceRecord copy = record;
        copy.parameters.at(0x8001).description = QStringLiteral("changed");
        QVERIFY(record.parameters.at(0x8001).description.isEmpty());
    }

    void standardDescriptionOfDmxStartAddress()
    {
        DeviceRecord record = recordListing({Pid::DmxStartAddress});
        applyStandardDescription(record, Pid::DmxStartAddress);
        const ParameterRecord &parameter = record.parameters.at(Pid::DmxStartAddress);
        QCOMPARE(parameter.description, QStringLiteral("DMX_START_ADDRESS"));
        QCOMPARE(parameter.pdlSize, quint8(2));
        QCOMPARE(parameter.dataType, quint8(5));
        QCOMPARE(parameter.commandClass, quint8(3));
        QCOMPARE(parameter.minimum, quint32(1));
        QCOMPARE(parameter.maximum, quint32(512));
        QCOMPARE(parameter.defaultValue, quint32(513));
        QCOMPARE(parameter.highlighted, quint8(1));
        QCOMPARE(parameter.type, quint8(0x7F));
        QCOMPARE(parameter.prefix, quint8(0));
    }

    void standardDescriptionSpecialRows_data()
    {
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<quint8>("type");
        QTest::addColumn<quint8>("prefix");
        QTest::addColumn<quint32>("maximum");
        QTest::addColumn<quint32>("defaultValue");
        QTest::newRow("DEVICE_HOURS counts time") << Pid::DeviceHours << quint8(16) << quint8(0) << 0u << 0u;
        QTest::newRow("LAMP_HOURS counts time") << Pid::LampHours << quint8(16) << quint8(0) << 0u << 0u;
        QTest::newRow("CAPTURE_PRESET prefix") << Pid::CapturePreset << quint8(0x7F) << quint8(1) << 0u << 0u;
        QTest::newRow("RECORD_SENSORS default past range")
            << Pid::RecordSensors << quint8(0x7F) << quint8(0) << 255u << 256u;
        QTest::newRow("QUEUED_MESSAGE default past range")
            << Pid::QueuedMessage << quint8(0x7F) << quint8(0) << 4u << 5u;
    }
    void standardDescriptionSpecialRows()
    {
        QFETCH(quint16, pid);
        QFETCH(quint8, type);
        QFETCH(quint8, prefix);
        QFETCH(quint32, maximum);
        QFETCH(quint32, defaultValue);
        DeviceRecord record = recordListing({pid});
        applyStandardDescription(record, pid);
        const ParameterRecord &parameter = record.parameters.at(pid);
        QCOMPARE(parameter.type, type);
        QCOMPARE(parameter.prefix, prefix);
        QCOMPARE(parameter.maximum, maximum);
        QCOMPARE(parameter.defaultValue, defaultValue);
        QCOMPARE(parameter.highlighted, quint8(0));
    }

    void exactlySixStandardParametersAreHighlighted()
    {
        DeviceRecord record(1);
        QByteArray everyPid;
        ByteWriter writer(&everyPid);
        for (int pid = 0; pid < 0x1100; ++pid)
            writer.u16(quint16(pid));
        record.storeSupportedParameters(bytesOf(everyPid), everyPid.size());
        QList<quint16> highlighted;
        for (auto &[pid, parameter] : record.parameters) {
            applyStandardDescription(record, pid);
            if (parameter.highlighted)
                highlighted << pid;
        }
        QCOMPARE(highlighted, (QList<quint16>{Pid::SupportedParameters, Pid::ParameterDescription, Pid::DeviceInfo,
                                              Pid::SoftwareVersionLabel, Pid::DmxStartAddress, Pid::IdentifyDevice}));
    }

    void standardDescriptionLeavesOtherRecordsAlone_data()
    {
        QTest::addColumn<quint16>("listed");
        QTest::addColumn<quint16>("applied");
        QTest::newRow("manufacturer PID") << quint16(0x8001) << quint16(0x8001);
        QTest::newRow("unknown standard PID") << quint16(0x0099) << quint16(0x0099);
        QTest::newRow("PID not listed") << quint16(0x8001) << Pid::DeviceInfo;
    }
    void standardDescriptionLeavesOtherRecordsAlone()
    {
        QFETCH(quint16, listed);
        QFETCH(quint16, applied);
        DeviceRecord record = recordListing({listed});
        const QStringList before = dumpRecord(record);
        applyStandardDescription(record, applied);
        QCOMPARE(dumpRecord(record), before);
    }

    void standardParameterNames()
    {
        QCOMPARE(standardParameterPid(QStringLiteral("DMX_START_ADDRESS")), std::optional<quint16>(0x00F0));
        QCOMPARE(standardParameterPid(QStringLiteral("identify_device")), std::optional<quint16>(0x1000));
        QCOMPARE(standardParameterPid(QStringLiteral("DMX_START")), std::optional<quint16>());
        QCOMPARE(standardParameterName(0x0201), QStringLiteral("SENSOR_VALUE"));
        QCOMPARE(standardParameterName(0x8001), QString());
    }
};

QTEST_GUILESS_MAIN(TestDeviceRecord)
#include "tst_devicerecord.moc"
