// The values read from each sensor of one device in this session, and their CSV form.
#pragma once

#include "rdm/devicerecord.h"

#include <QByteArray>
#include <QDateTime>
#include <deque>
#include <map>

class RDM;

struct SensorSample
{
    QDateTime time;
    qint16 value = 0;
};

class SensorHistory
{
public:
    // A night of readings every second stays within a few megabytes per sensor.
    static constexpr int capacity = 10000;

    // Beyond `capacity` samples of the sensor, the oldest is dropped.
    void add(quint8 sensor, const QDateTime &time, qint16 value);
    // Oldest first; empty for a sensor never read.
    const std::deque<SensorSample> &samples(quint8 sensor) const;
    // Every sensor read at least once, by number.
    const std::map<quint8, std::deque<SensorSample>> &all() const { return m_samples; }
    bool isEmpty() const { return m_samples.empty(); }

private:
    std::map<quint8, std::deque<SensorSample>> m_samples;
};

// GET SENSOR_VALUE of one sensor. An answer the record takes is stamped with `receivedAt` and added
// to `history` under the sensor it names. Returns the GET's result: 0 or more on an ACK.
int readSensorValue(RDM &rdm, DeviceRecord &record, quint8 sensor, SensorHistory &history,
                    const QDateTime &receivedAt);

// The value in the sensor's unit with the prefix applied, exact, in plain decimal ("-7.5" for -75
// at 10^-1, "1200" for 12 at 10^2).
QString sensorValueInUnitText(qint16 value, quint8 prefix);

// "time,sensor,description,value,unit" and its line ending.
QByteArray sensorCsvHeader();
// One reading: ISO 8601 time with its offset from UTC, sensor number, description, value in its unit
// and the unit, as one CSV line (UTF-8, CR LF).
QByteArray sensorCsvLine(const QDateTime &time, const SensorRecord &sensor, qint16 value);
// The header, then every sample of every sensor the record defines, by sensor and then by time.
QByteArray sensorHistoryCsv(const DeviceRecord &record, const SensorHistory &history);
// Writes sensorHistoryCsv atomically; false with the reason in `error` when the file cannot be written.
bool writeSensorHistoryCsv(const QString &path, const DeviceRecord &record, const SensorHistory &history,
                           QString *error);
