// Fuzzes scenario files: the loader either names the place and reason of a refusal, or builds a
// bus that lists, connects, discovers and reads its responders into a sound report.
#include "fuzztarget.h"

#include "rdm/rdm.h"
#include "simulator/scenario.h"
#include "usb/usbdevice.h"

#include <QRegularExpression>

// Enough to reach every part of a bus; more only repeat them.
constexpr int mostInterfaces = 2;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString error;
    const std::unique_ptr<SimulatedBackend> backend = loadScenario(
        writeScratchFile(QStringLiteral("scenario.json"), data, size), &error, SimulatedClock::Source::Manual);
    if (!backend) {
        // "line 3: ..." or "interfaces[0].responders[2].uid: ...".
        static const QRegularExpression placeAndReason(
            QRegularExpression::anchoredPattern(QStringLiteral("(line [1-9][0-9]*|\\S.*): \\S.*")),
            QRegularExpression::DotMatchesEverythingOption);
        requireThat(placeAndReason.match(error).hasMatch(), "a refused scenario names its place and reason", error);
        return 0;
    }

    UsbDevice usb(backend.get());
    const QStringList labels = usb.collectDevices();
    for (int index = 0; index < qMin(int(labels.size()), mostInterfaces); ++index) {
        if (usb.connectDevice(index) != 0)
            continue;
        RDM rdm(&usb, nullptr);
        checkDiscoveryAndReport(rdm);
    }
    return 0;
}
