// One device of a simulated bus as the kernel's usbfs shows it to libusb inside a umockdev testbed.
#pragma once

#include "usb/usbbackend.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <memory>
#include <vector>

class SimulatedBackend;
class EmulatedUsbDevice;
typedef struct _UMockdevTestbed UMockdevTestbed;
typedef struct _UMockdevIoctlBase UMockdevIoctlBase;
typedef struct _UMockdevIoctlClient UMockdevIoctlClient;
typedef struct _UMockdevIoctlData UMockdevIoctlData;

using EmulatedUsbBus = std::vector<std::unique_ptr<EmulatedUsbDevice>>;

class EmulatedUsbDevice
{
public:
    // One device on a fresh testbed for each device `backend` lists now. Must exist before libusb
    // is initialised, and the programs that use it must run under umockdev's preload library.
    static EmulatedUsbBus emulateBus(SimulatedBackend &backend);
    // Whether this process runs under umockdev's preload library (umockdev-wrapper).
    static bool isEmulationActive();

    // Serves libusb through one handle of `backend`, for one open file at a time.
    // Destroy it only after its users have closed it (libusb exited, processes ended).
    EmulatedUsbDevice(UMockdevTestbed *testbed, SimulatedBackend &backend, const UsbDeviceEntry &entry, int port);
    ~EmulatedUsbDevice();
    EmulatedUsbDevice(const EmulatedUsbDevice &) = delete;
    EmulatedUsbDevice &operator=(const EmulatedUsbDevice &) = delete;

private:
    struct Outcome
    {
        long result = 0;
        int error = 0;
        bool delayed = false; // answered a moment later, so that a waiting libusb does not spin
    };

    // The GLib signal handler, called on umockdev's thread.
    static int onIoctl(UMockdevIoctlBase *base, UMockdevIoctlClient *client, void *device);
    static Outcome failed(int error) { return {-1, error}; }
    // The backend's negative results are Linux errno numbers.
    static Outcome outcomeOf(int result) { return result < 0 ? failed(-result) : Outcome(); }

    Outcome serve(unsigned long request, UMockdevIoctlData *argument);
    Outcome submit(UMockdevIoctlData *argument);
    Outcome reap(UMockdevIoctlData *argument);
    // One control transfer: the setup packet and data stage in `buffer`; a URB status, bytes in `actual`.
    int control(char *buffer, int length, int *actual);
    void leaveBus();

    UMockdevTestbed *m_testbed; // one reference of its own
    SimulatedBackend &m_backend;
    UsbHandle *m_handle; // none for a device of another maker: it is listed, never opened
    QByteArray m_sysfsPath;
    QByteArray m_deviceNode;
    UMockdevIoctlBase *m_ioctl;

    QMutex m_mutex;           // umockdev serves the ioctls on its own thread
    QList<quint64> m_finished; // client addresses of URBs ready to be reaped, oldest first
    QList<quint64> m_held;     // URBs the device leaves unanswered until they are discarded
    bool m_present = true;
};
