// Sensor history chart: line of readings over a time axis, normal range band behind it.
#include "mainwindow/sensorchart.h"

#include "rdm/vocabulary.h"

#include <QAreaSeries>
#include <QGraphicsLayout>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <QtNumeric>
#include <cmath>

namespace {

// E1.20 10.7.1: these range ends mean "undefined".
constexpr qint16 UndefinedMinimum = -32768;
constexpr qint16 UndefinedMaximum = 32767;
// Half the time span shown around a single reading, in milliseconds.
constexpr qint64 SingleReadingSpanMs = 30000;
constexpr int MostMarkedReadings = 100;

double scaled(qint16 value, quint8 prefix)
{
    return value * std::pow(10.0, prefixExponent(prefix));
}

} // namespace

SensorChart::SensorChart(QWidget *parent)
    // Made with its chart: a view made without one makes its own, which setChart() would orphan.
    : QChartView(new QChart, parent), m_values(new QLineSeries), m_valueAxis(new QValueAxis),
      m_timeAxis(new QDateTimeAxis)
{
    setObjectName(QStringLiteral("sensorChart"));
    setRenderHint(QPainter::Antialiasing);
    QChart *chart = this->chart();
    chart->legend()->hide();
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);
    m_values->setObjectName(QStringLiteral("sensorValues"));
    chart->addSeries(m_values);
    m_timeAxis->setFormat(QStringLiteral("hh:mm:ss"));
    m_valueAxis->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(m_timeAxis, Qt::AlignBottom);
    chart->addAxis(m_valueAxis, Qt::AlignLeft);
    m_values->attachAxis(m_timeAxis);
    m_values->attachAxis(m_valueAxis);
    clear();
}

void SensorChart::clear()
{
    removeBand();
    m_values->clear();
    m_valueAxis->setTitleText(QString());
    m_valueAxis->setRange(0, 1);
    const QDateTime now = QDateTime::currentDateTime();
    m_timeAxis->setRange(now.addMSecs(-SingleReadingSpanMs), now.addMSecs(SingleReadingSpanMs));
}

void SensorChart::removeBand()
{
    if (!m_band)
        return;
    chart()->removeSeries(m_band);
    delete m_band;
    m_band = nullptr;
}

void SensorChart::showSensor(const SensorRecord &sensor, const std::deque<SensorSample> &samples)
{
    removeBand();
    QList<QPointF> points;
    points.reserve(int(samples.size()));
    // The sensor's own range where it defines one, widened to every reading.
    double low = sensor.rangeMinimum != UndefinedMinimum ? scaled(sensor.rangeMinimum, sensor.prefix) : qInf();
    double high = sensor.rangeMaximum != UndefinedMaximum ? scaled(sensor.rangeMaximum, sensor.prefix) : -qInf();
    if (!(low < high)) {
        low = qInf();
        high = -qInf();
    }
    for (const SensorSample &sample : samples) {
        const double value = scaled(sample.value, sensor.prefix);
        points.append(QPointF(double(sample.time.toMSecsSinceEpoch()), value));
        low = qMin(low, value);
        high = qMax(high, value);
    }
    if (!(low < high)) {
        // Nothing read yet, or one value only: a unit of the sensor's own scale around it.
        const double centre = std::isfinite(low) ? low : 0.0;
        const double step = std::pow(10.0, prefixExponent(sensor.prefix));
        low = centre - step;
        high = centre + step;
    }
    // Markers help while there are few readings and would hide the line of a long night.
    m_values->setPointsVisible(points.size() <= MostMarkedReadings);
    m_values->replace(points);
    m_valueAxis->setRange(low, high);
    m_valueAxis->setTitleText(unitText(sensor.unit));

    QDateTime first = samples.empty() ? QDateTime::currentDateTime() : samples.front().time;
    QDateTime last = samples.empty() ? first : samples.back().time;
    if (first == last) {
        first = first.addMSecs(-SingleReadingSpanMs);
        last = last.addMSecs(SingleReadingSpanMs);
    }
    m_timeAxis->setRange(first, last);

    if (sensor.normalMinimum < sensor.normalMaximum) {
        const double bandLow = qMax(low, scaled(sensor.normalMinimum, sensor.prefix));
        const double bandHigh = qMin(high, scaled(sensor.normalMaximum, sensor.prefix));
        const double from = double(first.toMSecsSinceEpoch());
        const double to = double(last.toMSecsSinceEpoch());
        auto *lower = new QLineSeries;
        auto *upper = new QLineSeries;
        lower->append({QPointF(from, bandLow), QPointF(to, bandLow)});
        upper->append({QPointF(from, bandHigh), QPointF(to, bandHigh)});
        m_band = new QAreaSeries(upper, lower);
        // The area series does not own its edges.
        upper->setParent(m_band);
        lower->setParent(m_band);
        m_band->setObjectName(QStringLiteral("sensorNormalRange"));
        m_band->setName(tr("Normal operation values"));
        m_band->setColor(QColor(76, 175, 80, 60));
        m_band->setBorderColor(QColor(76, 175, 80, 140));
        // Behind the readings: series are drawn in the order they were added.
        chart()->removeSeries(m_values);
        chart()->addSeries(m_band);
        chart()->addSeries(m_values);
        for (QAbstractSeries *series : {static_cast<QAbstractSeries *>(m_band), static_cast<QAbstractSeries *>(m_values)}) {
            series->attachAxis(m_timeAxis);
            series->attachAxis(m_valueAxis);
        }
    }
}
