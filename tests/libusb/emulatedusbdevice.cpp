// Serves the usbfs requests of libusb for one simulated device: descriptors, claims and control URBs.
#include "emulatedusbdevice.h"

#include "simulator/simulatedbackend.h"
#include "usb/bytereader.h"
#include "usb/bytewriter.h"

#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <map>
#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>
#include <umockdev.h>
#include <vector>

namespace {

constexpr int setupPacketSize = 8;
// A reap that finds nothing while a URB is held is answered after this long.
constexpr int emptyReapDelayUs = 1000;

struct DataRelease
{
    void operator()(UMockdevIoctlData *data) const { g_object_unref(data); }
};
using Data = std::unique_ptr<UMockdevIoctlData, DataRelease>;

// The client memory a pointer at `offset` of `data` points to, copied here and written back on completion.
Data resolve(UMockdevIoctlData *data, size_t offset, size_t length)
{
    return Data(umockdev_ioctl_data_resolve(data, offset, length, nullptr));
}

// Device descriptor, then configuration 1 with one vendor-specific interface 0 and no further endpoints.
QByteArray descriptorsOf(const UsbDeviceEntry &entry)
{
    QByteArray bytes;
    ByteWriter writer(&bytes);
    writer.u8(18).u8(1).u16le(0x0200).u8(0xFF).u8(0).u8(0).u8(entry.bMaxPacketSize0);
    writer.u16le(entry.idVendor).u16le(entry.idProduct).u16le(0x0100);
    writer.u8(0).u8(0).u8(entry.iSerialNumber).u8(1);
    writer.u8(9).u8(2).u16le(18).u8(1).u8(1).u8(0).u8(0x80).u8(50);
    writer.u8(9).u8(4).u8(0).u8(0).u8(0).u8(0xFF).u8(0).u8(0).u8(0);
    return bytes;
}


// One device of the simulated bus, served to libusb through one handle of the backend, for one open
// file at a time.
class EmulatedUsbDevice
{
public:
    EmulatedUsbDevice(UMockdevTestbed *testbed, SimulatedBackend &backend, const UsbDeviceEntry &entry, int port)
        : m_testbed(static_cast<UMockdevTestbed *>(g_object_ref(testbed))), m_backend(backend),
          m_handle(backend.open(entry)), m_ioctl(umockdev_ioctl_base_new())
    {
        const int bus = entry.busName.toInt();
        const QString devicePath =
                QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb%1/%1-%2").arg(bus).arg(port);
        const QString deviceNode = QStringLiteral("/dev/bus/usb/%1/%2").arg(entry.busName, entry.deviceName);
        m_sysfsPath = QStringLiteral("/sys%1").arg(devicePath).toUtf8();
        m_deviceNode = deviceNode.toUtf8();

        // Attribute values end with a newline as the kernel writes them; an empty
        // bConfigurationValue is a device no driver has configured yet.
        const QString record = QStringLiteral("P: %1\nN: %2\nE: SUBSYSTEM=usb\nE: DEVNAME=%3\nE: DEVTYPE=usb_device\n"
                                              "A: busnum=%4\\n\nA: devnum=%5\\n\nA: speed=12\\n\n"
                                              "A: bConfigurationValue=\nH: descriptors=%6\n")
                                       .arg(devicePath, deviceNode.mid(5), deviceNode)
                                       .arg(bus)
                                       .arg(entry.deviceName.toInt())
                                       .arg(QString::fromLatin1(descriptorsOf(entry).toHex().toUpper()));
        GError *error = nullptr;
        g_signal_connect(m_ioctl, "handle-ioctl", G_CALLBACK(&EmulatedUsbDevice::onIoctl), this);
        if (!umockdev_testbed_add_from_string(testbed, record.toUtf8().constData(), &error)
            || !umockdev_testbed_attach_ioctl(testbed, m_deviceNode.constData(), m_ioctl, &error))
            qFatal("Cannot emulate %s: %s", m_deviceNode.constData(), error->message);
    }

    ~EmulatedUsbDevice()
    {
        // Its files are closed, so no request is on its way; one being answered holds the mutex.
        g_signal_handlers_disconnect_by_data(m_ioctl, this);
        umockdev_testbed_detach_ioctl(m_testbed, m_deviceNode.constData(), nullptr);
        g_object_unref(m_ioctl);
        {
            const QMutexLocker locker(&m_mutex);
            if (m_handle)
                m_backend.close(m_handle);
        }
        g_object_unref(m_testbed);
    }

private:
    // Called on umockdev's thread.
    static int onIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, void *device)
    {
        auto *self = static_cast<EmulatedUsbDevice *>(device);
        int error = 0;
        bool waiting = false;
        {
            const QMutexLocker locker(&self->m_mutex);
            error = self->serve(umockdev_ioctl_client_get_request(client), umockdev_ioctl_client_get_arg(client));
            waiting = error == EAGAIN && !self->m_held.isEmpty();
        }
        // libusb polls for finished URBs without pause while one is outstanding.
        if (waiting)
            g_usleep(emptyReapDelayUs);
        umockdev_ioctl_client_complete(client, error == 0 ? 0 : -1, error);
        return TRUE;
    }

    // An errno number, 0 for success; the backend's negative results are Linux errno numbers.
    int serve(unsigned long request, UMockdevIoctlData *argument)
    {
        // A gone device still hands out the URBs that finished before it left.
        if (request == USBDEVFS_REAPURBNDELAY || request == USBDEVFS_REAPURB)
            return reap(argument);
        if (!m_handle || !m_present)
            return ENODEV;
        if (request == USBDEVFS_SUBMITURB)
            return submit(argument);
        if (request == USBDEVFS_DISCARDURB) {
            // The argument is the URB's address. Only a URB still in flight can be discarded; libusb
            // knows it cancelled it and reads no status.
            unsigned long address = 0;
            std::memcpy(&address, argument->data, sizeof address);
            if (!m_held.removeOne(address))
                return EINVAL;
            m_finished.append(address);
            return 0;
        }
        // No kernel driver is bound, so disconnecting one and claiming is only the claim.
        static const std::map<unsigned long, int (UsbBackend::*)(UsbHandle *, int)> claims{
                {USBDEVFS_SETCONFIGURATION, &UsbBackend::setConfiguration},
                {USBDEVFS_DISCONNECT_CLAIM, &UsbBackend::claimInterface},
                {USBDEVFS_RELEASEINTERFACE, &UsbBackend::releaseInterface}};
        const auto claim = claims.find(request);
        if (claim == claims.end())
            return ENOTTY; // libusb does without the rest, as on an older kernel
        // Each of these arguments leads with the configuration or interface number.
        const Data number = resolve(argument, 0, sizeof(unsigned int));
        if (!number)
            return EFAULT;
        return qMax(0, -(m_backend.*claim->second)(m_handle, int(*reinterpret_cast<unsigned int *>(number->data))));
    }

    int submit(UMockdevIoctlData *argument)
    {
        const Data urbData = resolve(argument, 0, sizeof(usbdevfs_urb));
        if (!urbData)
            return EFAULT;
        auto *urb = reinterpret_cast<usbdevfs_urb *>(urbData->data);
        if (urb->type != USBDEVFS_URB_TYPE_CONTROL || urb->endpoint != 0 || urb->buffer_length < setupPacketSize)
            return EINVAL;
        const Data buffer = resolve(urbData.get(), offsetof(usbdevfs_urb, buffer), size_t(urb->buffer_length));
        if (!buffer)
            return EFAULT;

        // Answered at once: libusb reaps it on its next poll. A held URB waits for libusb's time limit.
        int actual = 0;
        const int status = control(reinterpret_cast<char *>(buffer->data), urb->buffer_length, &actual);
        if (status == UsbResult::TimedOut) {
            m_held.append(urbData->client_addr);
            return 0;
        }
        urb->status = status;
        urb->actual_length = actual;
        m_finished.append(urbData->client_addr);
        return 0;
    }

    int reap(UMockdevIoctlData *argument)
    {
        if (m_finished.isEmpty())
            return m_handle && (m_present || !m_held.isEmpty()) ? EAGAIN : ENODEV;
        const unsigned long address = m_finished.first();
        const Data slot = resolve(argument, 0, sizeof address);
        if (!slot)
            return EFAULT;
        std::memcpy(slot->data, &address, sizeof address);
        m_finished.removeFirst();
        return 0;
    }

    // One control transfer: the setup packet and data stage in `buffer`; a URB status, bytes in `actual`.
    int control(char *buffer, int length, int *actual)
    {
        ByteReader setup(buffer, setupPacketSize);
        const quint8 requestType = setup.u8();
        const quint8 request = setup.u8();
        const quint16 value = setup.u16le();
        const quint16 index = setup.u16le();
        const int dataLength = qMin(int(setup.u16le()), length - setupPacketSize);
        char *data = buffer + setupPacketSize;

        int result = 0;
        // GET_DESCRIPTOR of a string: string 0 lists the languages, English only.
        if (requestType == 0x80 && request == 6 && value == 0x0300) {
            const QByteArray languages = QByteArray::fromHex("04030904");
            result = qMin(dataLength, int(languages.size()));
            std::memcpy(data, languages.constData(), size_t(result));
        } else if (requestType == 0x80 && request == 6 && (value >> 8) == 3) {
            result = m_backend.stringDescriptor(m_handle, quint8(value), data, dataLength);
        } else {
            result = m_backend.controlTransfer(m_handle, requestType, request, value, index, data, dataLength, 0);
        }

        *actual = qMax(0, result);
        switch (result) {
        case UsbResult::IoError:
            return -EPROTO; // how a host controller reports a failed handshake
        case UsbResult::NoDevice:
            leaveBus();
            return -ENODEV;
        default:
            return qMin(0, result); // a stall is -EPIPE already; a time-out stays, for the caller to hold
        }
    }

    void leaveBus()
    {
        if (!m_present)
            return;
        m_present = false;
        // The remove event first: libusb's hotplug monitor reads the device's properties from it.
        umockdev_testbed_uevent(m_testbed, m_sysfsPath.constData(), "remove");
        umockdev_testbed_remove_device(m_testbed, m_sysfsPath.constData());
    }

    UMockdevTestbed *m_testbed; // one reference of its own
    SimulatedBackend &m_backend;
    UsbHandle *m_handle; // none for a device of another maker: it is listed, never opened
    QByteArray m_sysfsPath;
    QByteArray m_deviceNode;
    UMockdevIoctlBase *m_ioctl;

    QMutex m_mutex;            // umockdev serves the ioctls on its own thread
    QList<quint64> m_finished; // client addresses of URBs ready to be reaped, oldest first
    QList<quint64> m_held;     // URBs the device leaves unanswered until they are discarded
    bool m_present = true;
};

} // namespace

std::shared_ptr<void> emulateBus(SimulatedBackend &backend)
{
    UMockdevTestbed *testbed = umockdev_testbed_new();
    auto bus = std::make_shared<std::vector<std::unique_ptr<EmulatedUsbDevice>>>();
    for (const UsbDeviceEntry &entry : backend.devices())
        bus->push_back(std::make_unique<EmulatedUsbDevice>(testbed, backend, entry, int(bus->size()) + 1));
    g_object_unref(testbed);
    return bus;
}
