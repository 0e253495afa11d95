// An engine on the first interface of a scenario's simulated backend, on the manual clock.
#pragma once

#include "rdm/logpanel.h"
#include "rdm/rdm.h"
#include "simulator/scenario.h"
#include "usb/usbdevice.h"

#include <memory>

struct ScenarioRig
{
    // `scenario` is a built-in scenario's name or a file's path.
    explicit ScenarioRig(const QString &scenario)
        : bus(loadScenario(scenario, &error, SimulatedClock::Source::Manual))
    {
        if (!bus)
            return;
        usb = std::make_unique<UsbDevice>(bus.get());
        usb->collectDevices();
        connected = usb->connectDevice(0) == 0;
        if (!connected)
            error = QStringLiteral("the simulated interface did not connect");
        rdm = std::make_unique<RDM>(usb.get(), &log);
    }

    QString error;
    std::unique_ptr<SimulatedBackend> bus;
    std::unique_ptr<UsbDevice> usb;
    LogPanel log;
    std::unique_ptr<RDM> rdm;
    bool connected = false;
};
