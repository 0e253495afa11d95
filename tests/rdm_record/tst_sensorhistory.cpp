// Sensor history: what a reading adds, the bound on each sensor's samples and the CSV written out.
#include "rdm/devicereader.h"
#include "rdm/sensorhistory.h"
#include "scenariorig.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr quint64 PowerMonitor = 0x7FF200000B01;
constexpr quint64 Hazer = 0x7FF300000301;   // answers SENSOR_VALUE with ACK_TIMER

const QDateTime start(QDate(2026, 3, 14), QTime(19, 30), Qt::UTC);

SensorRecord sensorRecord(quint8 number, const char *description, quint8 unit, quint8 prefix)
{
    SensorRecord sensor;
    sensor.number = number;
    sensor.description = QString::fromUtf8(description);
    sensor.unit = unit;
    sensor.prefix = prefix;
    return sensor;
}

} // namespace

class TestSensorHistory : public QObject
{
    Q_OBJECT

private slots:
    void capacityDropsTheOldest_data()
    {
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("oldestKept");
        QTest::newRow("full: nothing dropped") << SensorHistory::capacity << 0;
        QTest::newRow("one over: the first dropped") << SensorHistory::capacity + 1 << 1;
    }

    void capacityDropsTheOldest()
    {
        QFETCH(int, added);
        QFETCH(int, oldestKept);
        SensorHistory history;
        for (int i = 0; i < added; ++i)
            history.add(2, start.addSecs(i), qint16(i % 1000));
        history.add(3, start, 7);
        QCOMPARE(int(history.samples(2).size()), SensorHistory::capacity);
        QCOMPARE(history.samples(2).front().time, start.addSecs(oldestKept));
        QCOMPARE(history.samples(2).back().time, start.addSecs(added - 1));
        QCOMPARE(int(history.samples(3).size()), 1);
    }

    void pointsOnlyFromAnswersTheRecordTakes_data()
    {
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("points");
        QTest::newRow("answered") << PowerMonitor << 1 << 1;
        QTest::newRow("ACK_TIMER: no value yet") << Hazer << 0 << 0;
    }

    void pointsOnlyFromAnswersTheRecordTakes()
    {
        QFETCH(quint64, uid);
        QFETCH(int, sensor);
        QFETCH(int, points);
        ScenarioRig rig(QStringLiteral("demo"));
        QVERIFY2(rig.connected, qPrintable(rig.error));
        DeviceRecord record(uid);
        readFullDetails(*rig.rdm, record);
        const QString stampBefore = record.sensors[0].updateTime;
        const QDateTime readAt(QDate(2030, 1, 2), QTime(3, 4, 5));
        SensorHistory history;
        readSensorValue(*rig.rdm, record, quint8(sensor), history, readAt);
        QCOMPARE(int(history.samples(quint8(sensor)).size()), points);
        if (points == 0) {
            QVERIFY(history.isEmpty());
            QCOMPARE(record.sensors[0].updateTime, stampBefore);
            return;
        }
        const SensorRecord &stored = record.sensors.at(quint8(sensor));
        QCOMPARE(history.samples(quint8(sensor)).back().time, readAt);
        // The moving demo value stands still on the manual clock.
        QCOMPARE(QStringLiteral("%1 %2").arg(history.samples(quint8(sensor)).back().value).arg(stored.presentValue),
                 QStringLiteral("950 950"));
        QCOMPARE(stored.updateDate + QLatin1String(" - ") + stored.updateTime, QStringLiteral("2030-01-02 - 03:04:05"));
    }

    void csvOfAKnownHistory()
    {
        DeviceRecord record(PowerMonitor);
        record.sensors[0] = sensorRecord(0, "Mains L1", 4, 0);
        record.sensors[2] = sensorRecord(2, "Ambient, \"rack\"\n2", 1, 1);
        SensorHistory history;
        history.add(2, start, -75);
        history.add(0, start.addMSecs(1500), 231);
        history.add(2, start.addSecs(5), 12);
        history.add(7, start, 1);   // a sensor the record does not define is not written
        QCOMPARE(sensorHistoryCsv(record, history),
                 QByteArray("time,sensor,description,value,unit\r\n"
                            "2026-03-14T19:30:01.500Z,0,Mains L1,231,V\r\n"
                            "2026-03-14T19:30:00.000Z,2,\"Ambient, \"\"rack\"\" 2\",-7.5,\xc2\xb0" "C\r\n"
                            "2026-03-14T19:30:05.000Z,2,\"Ambient, \"\"rack\"\" 2\",1.2,\xc2\xb0" "C\r\n"));
    }

    void csvWriteFailureIsReported()
    {
        QTemporaryDir directory;
        QString error;
        QVERIFY(!writeSensorHistoryCsv(directory.filePath(QStringLiteral("missing/sensors.csv")), DeviceRecord(1),
                                       SensorHistory(), &error));
        QVERIFY(!error.isEmpty());
        const QString path = directory.filePath(QStringLiteral("sensors.csv"));
        QVERIFY(writeSensorHistoryCsv(path, DeviceRecord(1), SensorHistory(), &error));
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), sensorCsvHeader());
    }
};

QTEST_MAIN(TestSensorHistory)
#include "tst_sensorhistory.moc"
