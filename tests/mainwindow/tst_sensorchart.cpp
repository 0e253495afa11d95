// The sensor chart: value axis, normal band and points follow the sensor's definition and readings.
#include "mainwindow/sensorchart.h"

#include <QAreaSeries>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <QtTest>

class TestSensorChart : public QObject
{
    Q_OBJECT

private slots:
    void axesAndBandFollowTheDefinition_data()
    {
        QTest::addColumn<QList<int>>("definition");   // range and normal minimum and maximum, prefix
        QTest::addColumn<QList<int>>("readings");
        QTest::addColumn<QString>("shown"); // value axis, normal band, last point
        const auto row = [](const char *name, QList<int> definition, QList<int> readings, const char *shown) {
            QTest::newRow(name) << definition << readings << shown;
        };
        row("readings inside the range", {0, 300, 207, 253, 0}, {231, 229}, "0 300 | 207 253 | 229");
        row("deci prefix scales all", {-400, 850, -100, 400, 1}, {-75}, "-40 85 | -10 40 | -7.5");
        row("reading above the range widens the axis", {0, 100, 10, 60, 0}, {120}, "0 120 | 10 60 | 120");
        row("empty normal range: no band", {0, 100, 50, 50, 0}, {40}, "0 100 | none | 40");
        row("undefined range: the readings", {-32768, 32767, -32768, 32767, 0}, {5, 9}, "5 9 | 5 9 | 9");
        row("empty range, one reading", {7, 7, 0, 0, 0}, {7}, "6 8 | none | 7");
    }

    void axesAndBandFollowTheDefinition()
    {
        QFETCH(QList<int>, definition);
        QFETCH(QList<int>, readings);
        SensorRecord sensor;
        sensor.type = 1;
        sensor.unit = 4;
        sensor.rangeMinimum = qint16(definition.at(0));
        sensor.rangeMaximum = qint16(definition.at(1));
        sensor.normalMinimum = qint16(definition.at(2));
        sensor.normalMaximum = qint16(definition.at(3));
        sensor.prefix = quint8(definition.at(4));
        std::deque<SensorSample> samples;
        const QDateTime start(QDate(2026, 3, 14), QTime(19, 30));
        for (int i = 0; i < readings.size(); ++i)
            samples.push_back(SensorSample{start.addSecs(5 * i), qint16(readings.at(i))});

        SensorChart chart;
        chart.showSensor(sensor, samples);
        const auto pair = [](double low, double high) { return QStringLiteral("%1 %2").arg(low).arg(high); };
        const QAreaSeries *band = chart.normalBand();
        QTEST(pair(chart.valueAxis()->min(), chart.valueAxis()->max()) + QStringLiteral(" | ")
                + (band ? pair(band->lowerSeries()->at(0).y(), band->upperSeries()->at(0).y()) : QStringLiteral("none"))
                + QStringLiteral(" | ") + QString::number(chart.values()->points().last().y()),
            "shown");
        QCOMPARE(chart.valueAxis()->titleText(), QStringLiteral("V"));
        QCOMPARE(chart.values()->count(), readings.size());
        if (readings.size() > 1) {
            QCOMPARE(chart.timeAxis()->min(), start);
            QCOMPARE(chart.timeAxis()->max(), start.addSecs(5 * (readings.size() - 1)));
        }
    }
};

QTEST_MAIN(TestSensorChart)
#include "tst_sensorchart.moc"
