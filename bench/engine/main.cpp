// Engine cost per RDM transaction against the line time the same GET takes on a real DMX line.
#include "demorigbench.h"
#include "rdm/logpanel.h"
#include "rdm/rdm.h"

#include <QApplication>
#include <cstdio>

namespace {

constexpr int transactions = 10000;
constexpr quint16 deviceInfo = 0x0060;

// Break 176 + MAB 12 + 26 request slots of 44, 176 turnaround, break + MAB + 45 response slots,
// 176 before the next request: 3852 microseconds.
constexpr double lineMicroseconds = 176 + 12 + 26 * 44 + 176 + 176 + 12 + 45 * 44 + 176;

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    DemoRigBench rig;
    if (!rig.open())
        return 1;
    LogPanel panel;
    RDM rdm(rig.usb(), &panel);
    const quint64 uid = rig.responders.first()->uid();

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
