// Device record: what each answer stores, and that short answers store nothing.
#include "rdm/devicerecord.h"
#include "rdm/parameterids.h"
#include "rdm/recordjson.h"
#include "rdm/standardparameters.h"
#include "usb/bytewriter.h"

#include <QJsonArray>
#include <QtTest>
#include <functional>

namespace {

using Store = std::function<void(DeviceRecord &, const QByteArray &)>;

const quint8 *bytesOf(const QByteArray &data)
{
    return reinterpret_cast<const quint8 *>(data.constData());
}

Store by(void (DeviceRecord::*member)(const quint8 *, int))
{
    return [member](DeviceRecord &record, const QByteArray &answer) {
        (record.*member)(bytesOf(answer), int(answer.size()));
    };
}

// Protocol 1.0, model 0x0A0B, category 0x0509, software 0x01020304, footprint 12,
// personality 1 of 2, 4 sub-devices.
QByteArray deviceInfo(quint16 startAddress, quint8 sensorCount)
{
    QByteArray data;
    ByteWriter(&data).u8(1).u8(0).u16(0x0A0B).u16(0x0509).u32(0x01020304).u16(12).u8(1).u8(2).u16(startAddress)
        .u16(4).u8(sensorCount);
    return data;
}

// PDL 4, GET and SET, a voltage in decivolts.
QByteArray parameterDescription(quint16 pid, quint8 dataType, qint32 minimum, qint32 maximum, qint32 defaultValue,
                                const QByteArray &description)
{
    QByteArray data;
    ByteWriter(&data).u16(pid).u8(4).u8(dataType).u8(3).u8(0x01).u8(2).u8(1).u32(quint32(minimum))
        .u32(quint32(maximum)).u32(quint32(defaultValue)).bytes(description);
    return data;
}

// A temperature in tenths of a degree Celsius, -40.0 to 120.0, normally 0 to 85.0.
QByteArray sensorDefinition(quint8 number, const QByteArray &description)
{
    QByteArray data;
    ByteWriter(&data).u8(number).u8(0x00).u8(1).u8(1).u16(quint16(-400)).u16(1200).u16(0).u16(850).u8(3)
        .bytes(description);
    return data;
}

// A record read before, no field at its default: sensor 1 defined and read, personality 2 of 2
// described, a label, five PIDs with 0x8001 described, identifying, with hours counted.
DeviceRecord readRecord()
{
    DeviceRecord record(0x123456789ABCULL);
    record.identify = true;
    record.deviceHours = 5;
    by(&DeviceRecord::storeDeviceInfo)(record, deviceInfo(77, 0));
    by(&DeviceRecord::storeSensorDefinition)(record, sensorDefinition(1, "Head"));
    record.storeSensorValue(bytesOf(QByteArray::fromHex("01 0005 0001 0009 0003")), 9, QDateTime(QDate(2024, 1, 1), QTime(1, 1)));
    by(&DeviceRecord::storePersonalities)(record, QByteArray("\x01\x02", 2));
    by(&DeviceRecord::storePersonalityDescription)(record, QByteArray("\x02\x00\x08" "Basic", 8));
    by(&DeviceRecord::setDeviceLabel)(record, "old");
    by(&DeviceRecord::storeSupportedParameters)(record, QByteArray::fromHex("0060 00f0 8001 ffdf ffe0"));
    QByteArray description; // PDL 1, an unsigned word GET only, no unit
    ByteWriter(&description).u16(0x8001).u8(1).u8(5).u8(1).u8(0).u8(0).u8(0).u32(1).u32(9).u32(3).bytes("Old");
    by(&DeviceRecord::storeParameterDescription)(record, description);
    return record;
}

// Every field of the record's JSON form as name and value; the entries of its three maps carry their map and
// key in front, such as "sensor 1 presentValue" or "parameter 0x8001 unit".
void addFields(QMap<QString, QString> &fields, const QString &prefix, const QJsonObject &object)
{
    static const QHash<QString, QString> maps = {{QStringLiteral("personalities"), QStringLiteral("personality %1 ")},
                                                 {QStringLiteral("sensors"), QStringLiteral("sensor %1 ")},
                                                 {QStringLiteral("parameters"), QStringLiteral("parameter 0x%1 ")}};
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString map = maps.value(it.key());
        QStringList parts;
        for (const QJsonValue &element : it.value().isArray() ? it.value().toArray() : QJsonArray{it.value()}) {
            const QJsonObject entry = element.toObject();
            const bool byPid = entry.contains(QLatin1String("pid"));
            const int key = entry.value(QLatin1String(byPid ? "pid" : "number")).toInt();
            if (!map.isEmpty())
                addFields(fields, map.arg(key, byPid ? 4 : 0, byPid ? 16 : 10, QLatin1Char('0')), entry);
            parts << element.toVariant().toString();
        }
        if (map.isEmpty())
            fields.insert(prefix + it.key(), parts.join(QLatin1Char('.')));
    }
}

// "field=value" for each field added or altered, then "-name" for each field or map entry removed.
QString difference(const DeviceRecord &before, const DeviceRecord &after)
{
    QMap<QString, QString> old;
    QMap<QString, QString> now;
    addFields(old, QString(), deviceRecordJson(before));
    addFields(now, QString(), deviceRecordJson(after));
    QStringList changes;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (!old.contains(it.key()) || old.value(it.key()) != it.value())
            changes << it.key() + QLatin1Char('=') + it.value();
    }
    for (auto it = old.cbegin(); it != old.cend(); ++it) {
        const QString removed = QLatin1Char('-') + it.key().left(it.key().lastIndexOf(QLatin1Char(' ')));
        if (!now.contains(it.key()) && !changes.contains(removed))
            changes << removed;
    }
    return changes.join(QStringLiteral("; "));
}

// The fields of a sensor the record only knows by its number.
QString newSensor(quint8 number)
{
    DeviceRecord record(1);
    record.sensors[number].number = number;
    return difference(DeviceRecord(1), record);
}

} // namespace

Q_DECLARE_METATYPE(Store)

class TestDeviceRecord : public QObject
{
    Q_OBJECT

private slots:
    void answerChangesTheRecord_data()
    {
        QTest::addColumn<Store>("store");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("needs");
        QTest::addColumn<QString>("changes"); // with the map entry's prefix taken out
        QTest::addColumn<QString>("prefix");
        // needs: the bytes the answer must hold before it stores anything; 0 when any length stores.
        const auto row = [](const char *name, Store store, const QByteArray &answer, int needs,
                            const QString &changes, const QString &prefix = QString()) {
            QTest::newRow(name) << store << answer << needs << changes << prefix;
        };
        const Store info = by(&DeviceRecord::storeDeviceInfo);
        row("DEVICE_INFO stores every field", info,
            QByteArray::fromHex("0201" "1234" "0100" "0a0b0c0d" "0020" "0305" "0100" "0007" "00"), 19,
            "currentPersonality=3; deviceModelId=4660; dmxFootprint=32; dmxStartAddress=256; personalityCount=5; "
            "productCategory=256; protocolVersion=2.1; softwareVersionId=168496141; subDeviceCount=7");
        row("DEVICE_INFO start address 513 is past the last slot", info, deviceInfo(513, 0), 19, "dmxStartAddress=0");
        row("DEVICE_INFO start address 512 is the last slot", info, deviceInfo(512, 0), 19, "dmxStartAddress=512");
        row("DEVICE_INFO sensor count 3 adds sensors 0 and 2 only", info, deviceInfo(77, 3), 19,
            newSensor(0) + "; " + newSensor(2) + "; sensorCount=3");

        row("SUPPORTED_PARAMETERS of 7 bytes", by(&DeviceRecord::storeSupportedParameters),
            QByteArray::fromHex("0060 0060 ffdf 12"), 0,
            "supportedParameterCount=3; -parameter 0x00f0; -parameter 0x8001; -parameter 0xffe0");

        const Store description = by(&DeviceRecord::storeParameterDescription);
        const QString unsignedRange = QStringLiteral(
            "commandClass=3; dataType=7; defaultValue=4294967291; description=Fan; maximum=50; minimum=4294967246; "
            "pdlSize=4; prefix=1; type=1; unit=2");
        row("PARAMETER_DESCRIPTION of 0x8001, unsigned", description,
            parameterDescription(0x8001, 7, -50, 50, -5, "Fan"), 20, unsignedRange, "parameter 0x8001 ");
        row("PARAMETER_DESCRIPTION of 0x8001, signed, description ends at zero", description,
            parameterDescription(0x8001, 6, -50, 50, -5, QByteArray("Tilt\0junk", 9)), 20,
            "commandClass=3; dataType=6; description=Tilt; pdlSize=4; prefix=1; signedDefault=-5; signedMaximum=50; "
            "signedMinimum=-50; type=1; unit=2", "parameter 0x8001 ");
        row("PARAMETER_DESCRIPTION of reserved 0xFFE0 ignored", description,
            parameterDescription(0xFFE0, 7, 1, 2, 3, "Fan"), 0, "");
        row("SENSOR_DEFINITION adds the sensor, description padded to 32", by(&DeviceRecord::storeSensorDefinition),
            sensorDefinition(4, QByteArray("Lamp").leftJustified(32, '\0')), 13,
            "description=Lamp; highestValue=0; lowestValue=0; normalMaximum=850; normalMinimum=0; number=4; prefix=1; "
            "presentValue=0; rangeMaximum=1200; rangeMinimum=-400; recordedValue=0; recordedValueSupport=3; type=0; "
            "unit=1; updateDate=; updateTime=", "sensor 4 ");
        const Store value = [](DeviceRecord &record, const QByteArray &answer) {
            record.storeSensorValue(bytesOf(answer), int(answer.size()), QDateTime(QDate(2024, 3, 9), QTime(7, 5, 2)));
        };
        row("SENSOR_VALUE FF 38 is -200, stamped", value, QByteArray::fromHex("01 ff38 fed4 0384 0007"), 9,
            "highestValue=900; lowestValue=-300; presentValue=-200; recordedValue=7; updateDate=2024-03-09; "
            "updateTime=07:05:02", "sensor 1 ");
        row("SENSOR_VALUE of an unknown sensor ignored", value, QByteArray::fromHex("02 000a fed4 0384 0007"), 0, "");

        const Store personalities = by(&DeviceRecord::storePersonalities);
        row("DMX_PERSONALITY remakes the personalities", personalities, QByteArray("\x02\x03", 2), 2,
            "currentPersonality=2; personality 2 description=; personality 2 footprint=0; "
            "personality 3 description=; personality 3 footprint=0; personality 3 number=3; personalityCount=3");
        row("DMX_PERSONALITY with fewer drops the rest", personalities, QByteArray("\x01\x01", 2), 2,
            "personalityCount=1; -personality 2");
        row("DMX_PERSONALITY_DESCRIPTION of an unknown personality ignored",
            by(&DeviceRecord::storePersonalityDescription), QByteArray("\x04\x00\x01" "Other", 8), 0, "");

        row("DMX_PERSONALITY_DESCRIPTION padded with zero bytes", by(&DeviceRecord::storePersonalityDescription),
            QByteArray("\x01\x00\x14" "Wide\0\0", 9), 3, "description=Wide; footprint=20", "personality 1 ");
        row("DEVICE_MODEL_DESCRIPTION in Latin-1", by(&DeviceRecord::setModelDescription), "Caf\xE9", 0,
            QStringLiteral("modelDescription=Caf\u00E9"));
        row("DMX_START_ADDRESS 513 means none", by(&DeviceRecord::setDmxStartAddress), "\x02\x01", 2,
            "dmxStartAddress=0");
        const auto standard = [](quint16 pid) -> Store {
            return [pid](DeviceRecord &record, const QByteArray &) { applyStandardDescription(record, pid); };
        };
        row("standard description: a default past the range, highlighted", standard(Pid::DmxStartAddress), {}, 0,
            "commandClass=3; dataType=5; defaultValue=513; description=DMX_START_ADDRESS; highlighted=1; "
            "maximum=512; minimum=1; pdlSize=2", "parameter 0x00f0 ");
        row("standard description of a PID not listed ignored", standard(Pid::DeviceLabel), {}, 0, "");
    }
    void answerChangesTheRecord()
    {
        QFETCH(Store, store);
        QFETCH(QByteArray, answer);
        QFETCH(int, needs);
        QFETCH(QString, prefix);
        const DeviceRecord before = readRecord();
        DeviceRecord after = before;
        store(after, answer);
        QTEST(prefix.isEmpty() ? difference(before, after) : difference(before, after).remove(prefix), "changes");
        if (needs == 0)
            return;
        for (int length : {needs - 1, 0}) {
            after = before;
            store(after, answer.left(length));
            QVERIFY2(difference(before, after).isEmpty(), qPrintable(QStringLiteral("stored %1 bytes").arg(length)));
        }
    }
};

QTEST_GUILESS_MAIN(TestDeviceRecord)
#include "tst_devicerecord.moc"
