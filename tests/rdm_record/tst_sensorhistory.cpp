// Sensor history: what a reading adds, the bound on each sensor's samples and the CSV written out.
#include "rdm/devicereader.h"
#include "rdm/sensorhistory.h"
#include "scenariorig.h"

#include <QtTest>

namespace {

constexpr quint64 PowerMonitor = 0x7FF200000B01;
constexpr quint64 Hazer = 0x7FF300000301; // answers SENSOR_VALUE with ACK_TIMER

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
    void capacityDropsTheOldest()
    {
        SensorHistory history;
        history.add(3, start, 7);
        for (int i = 0; i < SensorHistory::capacity; ++i)
            history.add(2, start.addSecs(i), qint16(i % 1000));
        QCOMPARE(history.samples(2).front().time, start);
        history.add(2, start.addSecs(SensorHistory::capacity), 1);
        QCOMPARE(int(history.samples(2).size()), SensorHistory::capacity);
        QCOMPARE(history.samples(2).front().time, start.addSecs(1));
        QCOMPARE(history.samples(2).back().time, start.addSecs(SensorHistory::capacity));
        QCOMPARE(int(history.samples(3).size()), 1);
    }

    // An answer the record does not take, here an ACK_TIMER, adds no point and keeps the old time stamp.
    void noPointWithoutAValue()
    {
        ScenarioRig rig(QStringLiteral("demo"));
        QVERIFY2(rig.connected, qPrintable(rig.error));
        DeviceRecord record(Hazer);
        readFullDetails(*rig.rdm, record);
        const QString stampBefore = record.sensors[0].updateTime;
        SensorHistory history;
        readSensorValue(*rig.rdm, record, 0, history, QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5)));
        QVERIFY(history.isEmpty());
        QCOMPARE(record.sensors[0].updateTime, stampBefore);
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
};

QTEST_MAIN(TestSensorHistory)
#include "tst_sensorhistory.moc"
