// A USB bus for fuzzing: opening and claiming succeed unless a target decides otherwise; the
// targets answer the transfers.
#pragma once

#include "usb/usbbackend.h"

class FuzzBackend : public UsbBackend
{
public:
    QList<UsbDeviceEntry> devices() override { return m_devices; }
    UsbHandle *open(const UsbDeviceEntry &) override { return new UsbHandle; }
    int setConfiguration(UsbHandle *, int) override { return 0; }
    int claimInterface(UsbHandle *, int) override { return 0; }
    int releaseInterface(UsbHandle *, int) override { return 0; }
    int close(UsbHandle *handle) override
    {
        delete handle;
        return 0;
    }

protected:
    QList<UsbDeviceEntry> m_devices;
};
