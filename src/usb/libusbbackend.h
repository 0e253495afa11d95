// The real USB backend over libusb-1.0.
#pragma once

#include "usb/usbbackend.h"

#include <QHash>

struct libusb_context;
struct libusb_device;

// libusb-1.0 result codes as the errno-style codes the link expects; counts pass unchanged.
int libUsbResultToErrno(int libUsbResult);

class LibUsbBackend : public UsbBackend
{
public:
    LibUsbBackend();
    ~LibUsbBackend() override;
    LibUsbBackend(const LibUsbBackend &) = delete;
    LibUsbBackend &operator=(const LibUsbBackend &) = delete;

    // False when libusb could not be initialised; the backend then finds no devices.
    bool isAvailable() const { return m_context != nullptr; }

    QList<UsbDeviceEntry> devices() override;
    UsbHandle *open(const UsbDeviceEntry &entry) override;
    int setConfiguration(UsbHandle *handle, int configuration) override;
    int claimInterface(UsbHandle *handle, int interfaceNumber) override;
    int releaseInterface(UsbHandle *handle, int interfaceNumber) override;
    int close(UsbHandle *handle) override;
    int controlTransfer(UsbHandle *handle, quint8 requestType, quint8 request, quint16 value, quint16 index,
                        char *data, int length, int timeoutMs) override;
    int stringDescriptor(UsbHandle *handle, quint8 index, char *buffer, int length) override;

private:
    void forgetEnumeratedDevices();

    libusb_context *m_context = nullptr;
    // The devices of the last enumeration, each holding a reference until the next one.
    QHash<quint64, libusb_device *> m_enumerated;
};
