// A night of polling: CPU per GET and resident memory stay flat while the logs fill to their caps.
// The first responder of the demo rig is asked for DEVICE_INFO over and over, and after every tenth
// GET one sensor of a device with sensors is read, as the sensor auto refresh does; the event loop
// runs between those rounds.
#include "demorigbench.h"
#include "rdm/clock.h"
#include "rdm/devicereader.h"
#include "rdm/logpanel.h"
#include "rdm/rdm.h"
#include "rdm/sensorhistory.h"

#include <QApplication>
#include <QTabWidget>
#include <cstdio>
#include <vector>

namespace {

constexpr int gets = 200000;
constexpr int getsPerSensorRead = 10;
constexpr int window = 10000;
constexpr quint16 deviceInfo = 0x0060;

// The first responder that defines sensors, read the way the window reads a device.
std::unique_ptr<DeviceRecord> deviceWithSensors(RDM &rdm, const QList<std::shared_ptr<VirtualResponder>> &responders)
{
    for (const auto &responder : responders) {
        std::unique_ptr<DeviceRecord> record = readDiscoveredDevice(rdm, responder->uid());
        if (readFullDetails(rdm, *record) == 0 && record->sensorCount > 0)
            return record;
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    DemoRigBench rig;
    if (!rig.open())
        return 1;
    // The log panel has a tab of its own; sensors are auto-refreshed only while their tab is shown.
    QTabWidget tabs;
    auto *panel = new LogPanel;
    tabs.addTab(panel, QStringLiteral("Log"));
    tabs.addTab(new QWidget, QStringLiteral("Sensors"));
    tabs.resize(900, 600);
    tabs.show();
    QCoreApplication::processEvents();
    tabs.setCurrentIndex(1);
    // Drawn here, so the first GETs are not charged for the switch.
    QCoreApplication::processEvents();
    RDM rdm(rig.usb(), panel);
    std::unique_ptr<DeviceRecord> sensorDevice = deviceWithSensors(rdm, rig.responders);
    if (!sensorDevice) {
        std::fprintf(stderr, "no device of the demo rig has sensors\n");
        return 1;
    }
    SensorHistory history;
    const quint64 uid = rig.responders.first()->uid();

    int failedGets = 0;
    int failedSensorReads = 0;
    // CPU per GET of each run of `window` GETs, in order, to tell growth from noise.
    std::vector<double> perGet;
    double windowStart = processCpuMicroseconds();
    double residentAfterFirst = 0;
    for (int get = 1; get <= gets; ++get) {
        if (rdm.rdmGet(uid, deviceInfo, 0, nullptr, 0) != 0 || rdm.responseLength() != 19)
            ++failedGets;
        if (get % getsPerSensorRead == 0) {
            const quint8 sensor = quint8(get / getsPerSensorRead % sensorDevice->sensorCount);
            if (readSensorValue(rdm, *sensorDevice, sensor, history, Clock::system()->now()) < 0)
                ++failedSensorReads;
            QCoreApplication::processEvents();
        }
        if (get % window == 0) {
            const double now = processCpuMicroseconds();
            perGet.push_back((now - windowStart) / window);
            windowStart = now;
            if (get == window)
                residentAfterFirst = residentKilobytes() / 1024.0;
        }
    }
    const double residentAfterLast = residentKilobytes() / 1024.0;

    const double firstPerGet = perGet.front();
    const double lastPerGet = perGet.back();
    std::printf("GETs: %d, failed: %d; sensor reads: %d, failed: %d\n", gets, failedGets, gets / getsPerSensorRead,
                failedSensorReads);
    std::printf("log panel: %d lines; transfer log: %lld records\n", int(panel->lines().size()),
                qlonglong(rig.bus().transferLog().size()));
    std::printf("CPU per GET of each %d, in us:", window);
    for (const double cpu : perGet)
        std::printf(" %.1f", cpu);
    std::printf("\n");
    std::printf("CPU per GET, first %d: %.2f us\n", window, firstPerGet);
    std::printf("CPU per GET, last %d: %.2f us (%+.1f%%)\n", window, lastPerGet,
                100.0 * (lastPerGet - firstPerGet) / firstPerGet);
    std::printf("RSS after the first %d: %.1f MiB, after the last: %.1f MiB\n", window, residentAfterFirst,
                residentAfterLast);
    std::printf("RSS growth: %.1f MiB\n", residentAfterLast - residentAfterFirst);
    return failedGets == 0 && failedSensorReads == 0 ? 0 : 1;
}
