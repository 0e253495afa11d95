// What the engine benchmarks start from: a settings store of their own and the demo rig's
// interface connected, with the trace off as in the product unless --trace is given.
#pragma once

#include "processusage.h"
#include "settings/settings.h"
#include "simulator/scenario.h"
#include "usb/usbdevice.h"

#include <QTemporaryDir>
#include <cstdio>
#include <memory>

class DemoRigBench
{
public:
    // Says on standard error why the demo rig cannot be driven, and returns false.
    bool open()
    {
        qputenv("XDG_CONFIG_HOME", m_settingsHome.path().toLocal8Bit());
        nameSettingsStore();
        writeDefaultSettings();

        QString error;
        m_bus = loadScenario(QStringLiteral("demo"), &error);
        if (!m_bus) {
            std::fprintf(stderr, "demo scenario: %s\n", qPrintable(error));
            return false;
        }
        responders = m_bus->interfaceAt(0).line().responders();
        if (responders.isEmpty()) {
            std::fprintf(stderr, "the demo rig has no responders\n");
            return false;
        }
        m_usb = std::make_unique<UsbDevice>(m_bus.get());
        m_usb->collectDevices();
        if (m_usb->connectDevice(0) != 0) {
            std::fprintf(stderr, "cannot connect to the demo interface\n");
            return false;
        }
        return true;
    }

    SimulatedBackend &bus() { return *m_bus; }
    UsbDevice *usb() { return m_usb.get(); }

    QList<std::shared_ptr<VirtualResponder>> responders;

private:
    QTemporaryDir m_settingsHome;
    std::unique_ptr<SimulatedBackend> m_bus;
    std::unique_ptr<UsbDevice> m_usb;
};
