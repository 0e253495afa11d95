// A umockdev testbed holding every device a simulated bus lists, for libusb to find and drive.
#pragma once

#include "emulatedusbdevice.h"

#include <QString>
#include <memory>
#include <vector>

class SimulatedBackend;

class EmulatedUsbBus
{
public:
    // Mirrors the devices `backend` lists now. Must exist before libusb is initialised, and the
    // programs that use it must run under umockdev's preload library.
    explicit EmulatedUsbBus(SimulatedBackend &backend);
    ~EmulatedUsbBus();
    EmulatedUsbBus(const EmulatedUsbBus &) = delete;
    EmulatedUsbBus &operator=(const EmulatedUsbBus &) = delete;

    // Whether this process runs under umockdev's preload library (umockdev-wrapper).
    static bool isEmulationActive();
    // Empty when every device is in place; otherwise what went wrong.
    QString error() const;
    // In the order the backend listed them.
    int deviceCount() const { return int(m_devices.size()); }
    EmulatedUsbDevice &device(int position) { return *m_devices.at(size_t(position)); }

private:
    UMockdevTestbed *m_testbed;
    std::vector<std::unique_ptr<EmulatedUsbDevice>> m_devices;
};
