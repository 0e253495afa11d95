// Builds the testbed of a simulated bus: one emulated USB device per device the bus lists.
#include "emulatedusbbus.h"

#include "simulator/simulatedbackend.h"

#include <QMap>
#include <umockdev.h>

EmulatedUsbBus::EmulatedUsbBus(SimulatedBackend &backend) : m_testbed(umockdev_testbed_new())
{
    QMap<QString, int> lastPort;
    for (const UsbDeviceEntry &entry : backend.devices()) {
        const int port = ++lastPort[entry.busName];
        m_devices.push_back(std::make_unique<EmulatedUsbDevice>(m_testbed, backend, entry, port));
    }
}

EmulatedUsbBus::~EmulatedUsbBus()
{
    m_devices.clear();
    g_object_unref(m_testbed);
}

bool EmulatedUsbBus::isEmulationActive()
{
    // umockdev_in_mock_environment() also wants a testbed to exist already.
    return qEnvironmentVariable("LD_PRELOAD").contains(QStringLiteral("libumockdev-preload"));
}

QString EmulatedUsbBus::error() const
{
    for (const auto &device : m_devices) {
        if (!device->error().isEmpty())
            return device->error();
    }
    return QString();
}
