// The chart of one sensor's values over this session, with its normal range as a band.
#pragma once

#include "rdm/sensorhistory.h"

#include <QChartView>

class QAreaSeries;
class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

class SensorChart : public QChartView
{
    Q_OBJECT

public:
    explicit SensorChart(QWidget *parent = nullptr);

    // Draws `samples` of `sensor`, scaled by its prefix; the value axis, titled with the unit, spans
    // the sensor's range and every sample, the band its normal range when it has one.
    void showSensor(const SensorRecord &sensor, const std::deque<SensorSample> &samples);
    void clear();

    QValueAxis *valueAxis() const { return m_valueAxis; }
    QDateTimeAxis *timeAxis() const { return m_timeAxis; }
    // Null while the sensor shown has no normal range.
    QAreaSeries *normalBand() const { return m_band; }
    QLineSeries *values() const { return m_values; }

private:
    void removeBand();

    QLineSeries *m_values;
    QAreaSeries *m_band = nullptr;
    QValueAxis *m_valueAxis;
    QDateTimeAxis *m_timeAxis;
};
