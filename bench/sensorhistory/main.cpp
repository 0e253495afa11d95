// A night of sensor readings: memory held at the cap, and the chart redrawn from a full history,
// against the time between two auto refresh readings.
#include "mainwindow/sensorchart.h"
#include "processusage.h"
#include "rdm/sensorhistory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {

// Twelve hours of readings once a second, of one sensor.
constexpr int readings = 12 * 3600;
constexpr int redraws = 20;
// The shortest auto refresh interval.
constexpr double intervalMs = 1000.0;

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    SensorRecord sensor;
    sensor.unit = 1;
    sensor.rangeMinimum = -20;
    sensor.rangeMaximum = 120;
    sensor.normalMinimum = 0;
    sensor.normalMaximum = 85;

    const long before = residentKilobytes();
    SensorHistory history;
    const QDateTime start = QDateTime::currentDateTime();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < readings; ++i)
        history.add(0, start.addSecs(i), qint16(40 + i % 25));
    const double addNs = double(timer.nsecsElapsed()) / readings;
    const long after = residentKilobytes();

    SensorChart chart;
    chart.resize(680, 180);
    chart.show();
    timer.restart();
    for (int i = 0; i < redraws; ++i) {
        chart.showSensor(sensor, history.samples(0));
        chart.grab();
    }
    const double redrawMs = double(timer.nsecsElapsed()) / 1e6 / redraws;

    std::printf("readings added:        %d, kept %zu (cap %d)\n", readings, history.samples(0).size(),
                SensorHistory::capacity);
    std::printf("add per reading:       %.0f ns\n", addNs);
    std::printf("memory of a full sensor: %ld kB resident growth, %zu bytes per sample\n", after - before,
                sizeof(SensorSample));
    std::printf("chart redraw, full history: %.1f ms = %.1f %% of the 1 s auto refresh interval\n", redrawMs,
                100.0 * redrawMs / intervalMs);
    return 0;
}
