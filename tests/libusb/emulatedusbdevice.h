// One device of a simulated bus as the kernel's usbfs shows it to libusb inside a umockdev testbed.
#pragma once

#include "usb/usbbackend.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>

class SimulatedBackend;
typedef struct _UMockdevTestbed UMockdevTestbed;
typedef struct _UMockdevIoctlBase UMockdevIoctlBase;
typedef struct _UMockdevIoctlClient UMockdevIoctlClient;
typedef struct _UMockdevIoctlData UMockdevIoctlData;

class EmulatedUsbDevice
{
public:
    // Adds the device to the testbed at the given port of its bus. Its control transfers reach
    // `backend` through a handle of its own for every open file, as usbfs keeps claims per file.
    // Destroy it only after its users have closed it (libusb exited, processes ended).
    EmulatedUsbDevice(UMockdevTestbed *testbed, SimulatedBackend &backend, const UsbDeviceEntry &entry, int port);
    ~EmulatedUsbDevice();
    EmulatedUsbDevice(const EmulatedUsbDevice &) = delete;
    EmulatedUsbDevice &operator=(const EmulatedUsbDevice &) = delete;

    // Empty when the device is on the testbed; otherwise what went wrong.
    QString error() const { return m_error; }
    // SETCONFIGURATION requests the device accepted.
    int configurationChanges() const;
    // False once the unit has left the bus: its sysfs entry and device node are gone.
    bool isPresent() const;

private:
    struct Outcome
    {
        long result = 0;
        int error = 0;
        bool delayed = false; // answered a moment later, so that a waiting libusb does not spin
    };
    struct OpenFile
    {
        UsbHandle *handle = nullptr;
        QList<quint64> finished; // client addresses of URBs ready to be reaped, oldest first
        QList<quint64> held;     // URBs the device leaves unanswered until they are discarded
    };

    // The GLib signal handler, called on umockdev's thread.
    static int onIoctl(UMockdevIoctlBase *base, UMockdevIoctlClient *client, void *device);
    static Outcome succeeded() { return {0, 0}; }
    static Outcome failed(int error) { return {-1, error}; }
    // The backend's negative results are Linux errno numbers.
    static Outcome outcomeOf(int result) { return result < 0 ? failed(-result) : succeeded(); }

    Outcome serve(OpenFile &file, unsigned long request, UMockdevIoctlData *argument);
    Outcome submit(OpenFile &file, UMockdevIoctlData *argument);
    Outcome discard(OpenFile &file, UMockdevIoctlData *argument);
    Outcome reap(OpenFile &file, UMockdevIoctlData *argument);
    Outcome setConfiguration(OpenFile &file, UMockdevIoctlData *argument);
    Outcome claim(OpenFile &file, unsigned long request, UMockdevIoctlData *argument);
    // One control transfer: the setup packet and data stage in `buffer`; a URB status, bytes in `actual`.
    int control(OpenFile &file, char *buffer, int length, int *actual);
    int stringDescriptor(OpenFile &file, quint8 index, char *data, int length);
    OpenFile &openFile(UMockdevIoctlClient *client);
    // umockdev does not report closed files (no "client-vanished" is emitted); they are found here.
    void forgetClosedFiles();
    void leaveBus();

    UMockdevTestbed *m_testbed;
    SimulatedBackend &m_backend;
    UsbDeviceEntry m_entry;
    QString m_sysfsPath;
    QString m_deviceNode;
    UMockdevIoctlBase *m_ioctl = nullptr;
    QString m_error;

    mutable QMutex m_mutex; // umockdev serves the ioctls on its own thread
    QHash<UMockdevIoctlClient *, OpenFile> m_files; // each client held by a reference
    int m_configuration = 0; // 0: unconfigured, as a device no driver has touched yet
    int m_configurationChanges = 0;
    bool m_present = true;
};
