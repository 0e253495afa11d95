// Picks real USB or the simulated bus once per process.
#include "usb/usbbackendselection.h"

#include "simulator/scenario.h"
#include "usb/libusbbackend.h"
#include "usb/trace.h"
#include "usb/usbdevice.h"

#include <cstdio>

UsbBackendChoice chooseUsbBackend(const QString &simulator)
{
    UsbBackendChoice choice;
    if (simulator.isEmpty()) {
        auto libUsb = std::make_unique<LibUsbBackend>();
        choice.description = libUsb->isAvailable() ? QStringLiteral("USB backend: libusb-1.0")
                                                   : QStringLiteral("USB backend: libusb-1.0, not available");
        choice.backend = std::move(libUsb);
        return choice;
    }

    QString error;
    std::unique_ptr<SimulatedBackend> simulated = loadScenario(simulator, &error);
    if (simulated) {
        choice.description = QStringLiteral("USB backend: simulated interface, scenario %1").arg(simulator);
        choice.backend = std::move(simulated);
        return choice;
    }
    choice.description = QStringLiteral("USB backend: simulated bus without an interface");
    choice.error = QStringLiteral("Cannot load the simulator scenario \"%1\": %2. Continuing without an interface.")
                           .arg(simulator, error);
    choice.backend = std::make_unique<SimulatedBackend>();
    return choice;
}

UsbBackend *UsbDevice::processUsbBackend()
{
    static const std::unique_ptr<UsbBackend> backend = [] {
        UsbBackendChoice choice = chooseUsbBackend(qEnvironmentVariable("RB604_SIMULATOR"));
        qCDebug(usbTrace).noquote() << choice.description;
        if (!choice.error.isEmpty())
            std::fprintf(stderr, "%s\n", qUtf8Printable(choice.error));
        return std::move(choice.backend);
    }();
    return backend.get();
}
