// A full read of demo responders: each answer lands in its own fields of the record.
#include "rdm/devicereader.h"
#include "recorddump.h"
#include "scenariorig.h"

#include <QtTest>

class TestDeviceRequests : public QObject
{
    Q_OBJECT

private slots:
    void fullReadStoresEachAnswer_data()
    {
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<quint16>("subDevice");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("spot: every kind of answer")
            << quint64(0x7FF100020001) << quint16(0)
            << QStringList{"currentPersonality=1", "deviceHours=4120", "deviceLabel=Truss 1 spot",
                           "deviceModelId=513", "devicePowerCycles=388", "dmxFootprint=16", "dmxStartAddress=9",
                           "lampHours=812", "lampState=1", "lampStrikes=310", "manufacturerLabel=Lumora Lighting",
                           "personality 1 description=Standard 16ch", "personality 2 description=Extended 20ch",
                           "personality 2 footprint=20", "personalityCount=2", "productCategory=258",
                           "sensor 0 description=Lamp housing", "sensor 0 highestValue=104",
                           "sensor 0 lowestValue=22", "sensor 0 presentValue=87", "sensor 0 rangeMaximum=150",
                           "sensorCount=1", "softwareVersionId=17235968", "softwareVersionLabel=1.7.0"};
        // Its SENSOR_VALUE answers with an ACK timer, so no value is stored.
        QTest::newRow("hazer: manufacturer parameter")
            << quint64(0x7FF300000301) << quint16(0)
            << QStringList{"deviceHours=733", "parameter 0x8101 defaultValue=100",
                           "parameter 0x8101 description=Fluid level", "parameter 0x8101 maximum=100",
                           "parameter 0x8101 pdlSize=1", "sensor 0 description=Heater", "sensor 0 presentValue=0"};
        QTest::newRow("dimmer rack sub-device 2")
            << quint64(0x7FF200000A01) << quint16(2)
            << QStringList{"deviceLabel=Dimmer 2", "deviceModelId=4610", "dmxStartAddress=201", "subDeviceCount=0"};
    }
    void fullReadStoresEachAnswer()
    {
        QFETCH(quint64, uid);
        QFETCH(quint16, subDevice);
        QFETCH(QStringList, fields);
        ScenarioRig rig(QStringLiteral("demo"));
        QVERIFY2(rig.connected, qPrintable(rig.error));
        DeviceRecord record(uid, subDevice);
        QCOMPARE(readFullDetails(*rig.rdm, record), 0);
        const QStringList lines = dumpRecord(record);
        QStringList read;
        for (const QString &field : std::as_const(fields)) {
            const QString key = field.section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
            const auto line = std::find_if(lines.cbegin(), lines.cend(),
                                           [&key](const QString &line) { return line.startsWith(key); });
            read << (line == lines.cend() ? key + QStringLiteral("(missing)") : *line);
        }
        QCOMPARE(read, fields);
        QCOMPARE(rig.log.toPlainText(), QString());
    }
};

QTEST_MAIN(TestDeviceRequests)
#include "tst_devicerequests.moc"
