// Sensor readings kept per device, bounded, and written out as CSV.
#include "rdm/sensorhistory.h"

#include "rdm/rdm.h"
#include "rdm/vocabulary.h"
#include "settings/savefile.h"

void SensorHistory::add(quint8 sensor, const QDateTime &time, qint16 value)
{
    std::deque<SensorSample> &samples = m_samples[sensor];
    samples.push_back(SensorSample{time, value});
    while (samples.size() > size_t(capacity))
        samples.pop_front();
}

const std::deque<SensorSample> &SensorHistory::samples(quint8 sensor) const
{
    static const std::deque<SensorSample> none;
    const auto found = m_samples.find(sensor);
    return found == m_samples.end() ? none : found->second;
}

int readSensorValue(RDM &rdm, DeviceRecord &record, quint8 sensor, SensorHistory &history,
                    const QDateTime &receivedAt)
{
    const int result = rdm.getSensorValue(record.uid, record.subDevice, sensor);
    if (result >= 0 && record.storeSensorValue(rdm.responseData(), rdm.responseLength(), receivedAt)) {
        // The answer names the sensor it carries; the record stored it under that number.
        const quint8 answered = rdm.responseData()[0];
        history.add(answered, receivedAt, record.sensors.at(answered).presentValue);
    }
    return result;
}

QString sensorValueInUnitText(qint16 value, quint8 prefix)
{
    const int exponent = prefixExponent(prefix);
    QString digits = QString::number(qAbs(int(value)));
    if (exponent > 0 && value != 0) {
        digits += QString(exponent, QLatin1Char('0'));
    } else if (exponent < 0) {
        digits = digits.rightJustified(1 - exponent, QLatin1Char('0'));
        digits.insert(digits.size() + exponent, QLatin1Char('.'));
    }
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

namespace {

// RFC 4180 quoting; control characters from the device become blanks so a line stays one line.
QString csvField(QString text)
{
    for (QChar &character : text) {
        if (character.unicode() < 0x20 || character.unicode() == 0x7F)
            character = QLatin1Char(' ');
    }
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')))
        return text;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString isoTimeText(const QDateTime &time)
{
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

} // namespace

QByteArray sensorCsvHeader()
{
    return "time,sensor,description,value,unit\r\n";
}

QByteArray sensorCsvLine(const QDateTime &time, const SensorRecord &sensor, qint16 value)
{
    const QStringList fields = {isoTimeText(time), QString::number(sensor.number), csvField(sensor.description),
                                sensorValueInUnitText(value, sensor.prefix), csvField(unitText(sensor.unit))};
    return fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QByteArray sensorHistoryCsv(const DeviceRecord &record, const SensorHistory &history)
{
    QByteArray csv = sensorCsvHeader();
    for (const auto &[number, samples] : history.all()) {
        const auto sensor = record.sensors.find(number);
        if (sensor == record.sensors.end())
            continue;
        for (const SensorSample &sample : samples)
            csv += sensorCsvLine(sample.time, sensor->second, sample.value);
    }
    return csv;
}

bool writeSensorHistoryCsv(const QString &path, const DeviceRecord &record, const SensorHistory &history,
                           QString *error)
{
    return saveBytes(path, sensorHistoryCsv(record, history), error);
}
