// The seam under the USB link: every USB call of the program goes through one UsbBackend.
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Results follow the errno-style codes of the classic libusb interface.
namespace UsbResult {
constexpr int IoError = -5;
constexpr int NoDevice = -19;
constexpr int Stall = -32;
constexpr int TimedOut = -110;
} // namespace UsbResult

struct UsbDeviceEntry
{
    QString busName;       // e.g. "001"
    QString deviceName;    // e.g. "004"
    quint16 idVendor = 0;
    quint16 idProduct = 0;
    quint8 iSerialNumber = 0;
    quint8 bMaxPacketSize0 = 0;
    quint64 key = 0;       // the backend's own identity of the device
};

// An open device; each backend derives its own and deletes it in close().
class UsbHandle
{
public:
    virtual ~UsbHandle() = default;
};

class UsbBackend
{
public:
    virtual ~UsbBackend() = default;
    virtual QList<UsbDeviceEntry> devices() = 0;
    virtual UsbHandle *open(const UsbDeviceEntry &entry) = 0; // nullptr on failure
    virtual int setConfiguration(UsbHandle *handle, int configuration) = 0;
    virtual int claimInterface(UsbHandle *handle, int interfaceNumber) = 0;
    virtual int releaseInterface(UsbHandle *handle, int interfaceNumber) = 0;
    virtual int close(UsbHandle *handle) = 0; // deletes the handle
    virtual int controlTransfer(UsbHandle *handle, quint8 requestType, quint8 request, quint16 value,
                                quint16 index, char *data, int length, int timeoutMs) = 0;
    // The raw descriptor: two header bytes, then UTF-16LE code units.
    virtual int stringDescriptor(UsbHandle *handle, quint8 index, char *buffer, int length) = 0;
};
