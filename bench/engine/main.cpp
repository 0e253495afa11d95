// Engine cost per RDM transaction against the line time the same GET takes on a real DMX line.
#include "rdm/rdm.h"
#include "settings/settings.h"
#include "simulator/scenario.h"
#include "usb/usbdevice.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextEdit>
#include <cstdio>
#include <ctime>

namespace {

constexpr int transactions = 10000;
constexpr quint16 deviceInfo = 0x0060;

// Break 176 + MAB 12 + 26 request slots of 44, 176 turnaround, break + MAB + 45 response slots,
// 176 before the next request: 3852 microseconds.
constexpr double lineMicroseconds = 176 + 12 + 26 * 44 + 176 + 176 + 12 + 45 * 44 + 176;

double processCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir settingsHome;
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit());
    nameSettingsStore();
    writeDefaultSettings();
    // The trace stays off, as in the product unless --trace is given.

    QString error;
    std::unique_ptr<SimulatedBackend> bus = loadScenario(QStringLiteral("demo"), &error);
    if (!bus) {
        std::fprintf(stderr, "demo scenario: %s\n", qPrintable(error));
        return 1;
    }
    const QList<std::shared_ptr<VirtualResponder>> responders = bus->interfaceAt(0).line().responders();
    if (responders.isEmpty()) {
        std::fprintf(stderr, "the demo rig has no responders\n");
        return 1;
    }
    UsbDevice usb(bus.get());
    usb.collectDevices();
    if (usb.connectDevice(0) != 0) {
        std::fprintf(stderr, "cannot connect to the demo interface\n");
        return 1;
    }
    QTextEdit panel;
    RDM rdm(&usb, &panel);
    const quint64 uid = responders.first()->uid();

    int failures = 0;
    const double start = processCpuMicroseconds();
    for (int i = 0; i < transactions; ++i) {
        if (rdm.rdmGet(uid, deviceInfo, 0, nullptr, 0) != 0 || rdm.responseLength() != 19)
            ++failures;
    }
    const double perTransaction = (processCpuMicroseconds() - start) / transactions;

    std::printf("transactions: %d, failed: %d\n", transactions, failures);
    std::printf("line time per GET DEVICE_INFO: %.0f us\n", lineMicroseconds);
    std::printf("CPU time per transaction: %.2f us, %.3f%% of the line time\n", perTransaction,
                100.0 * perTransaction / lineMicroseconds);
    return failures == 0 ? 0 : 1;
}
