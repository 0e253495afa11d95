// Serves the usbfs requests of libusb for one simulated device: descriptors, claims and control URBs.
#include "emulatedusbdevice.h"

#include "simulator/simulatedbackend.h"
#include "usb/bytereader.h"
#include "usb/bytewriter.h"

#include <QMutexLocker>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <linux/usbdevice_fs.h>
#include <sys/ioctl.h>
#include <umockdev.h>

namespace {

constexpr int setupPacketSize = 8;
// libusb polls for finished URBs without pause while one is outstanding; a reap that finds
// nothing is answered after this long.
constexpr int emptyReapDelayMs = 1;

struct DataRelease
{
    void operator()(UMockdevIoctlData *data) const { g_object_unref(data); }
};
using Data = std::unique_ptr<UMockdevIoctlData, DataRelease>;

// The client memory a pointer at `offset` of `data` points to, copied here and written back on completion.
Data resolve(UMockdevIoctlData *data, size_t offset, size_t length)
{
    GError *error = nullptr;
    Data resolved(umockdev_ioctl_data_resolve(data, offset, length, &error));
    if (!error)
        return resolved;
    qWarning("Cannot reach the client's memory: %s", error->message);
    g_error_free(error);
    return nullptr;
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

} // namespace

EmulatedUsbBus EmulatedUsbDevice::emulateBus(SimulatedBackend &backend)
{
    UMockdevTestbed *testbed = umockdev_testbed_new();
    EmulatedUsbBus bus;
    for (const UsbDeviceEntry &entry : backend.devices())
        bus.push_back(std::make_unique<EmulatedUsbDevice>(testbed, backend, entry, int(bus.size()) + 1));
    g_object_unref(testbed);
    return bus;
}

bool EmulatedUsbDevice::isEmulationActive()
{
    // umockdev_in_mock_environment() also wants a testbed to exist already.
    return qEnvironmentVariable("LD_PRELOAD").contains(QStringLiteral("libumockdev-preload"));
}

EmulatedUsbDevice::EmulatedUsbDevice(UMockdevTestbed *testbed, SimulatedBackend &backend,
                                     const UsbDeviceEntry &entry, int port)
    : m_testbed(static_cast<UMockdevTestbed *>(g_object_ref(testbed))), m_backend(backend),
      m_handle(backend.open(entry)), m_ioctl(umockdev_ioctl_base_new())
{
    const int bus = entry.busName.toInt();
    const QString devicePath = QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb%1/%1-%2").arg(bus).arg(port);
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

EmulatedUsbDevice::~EmulatedUsbDevice()
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

int EmulatedUsbDevice::onIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, void *device)
{
    auto *self = static_cast<EmulatedUsbDevice *>(device);
    Outcome outcome;
    {
        const QMutexLocker locker(&self->m_mutex);
        outcome = self->serve(umockdev_ioctl_client_get_request(client), umockdev_ioctl_client_get_arg(client));
    }
    if (!outcome.delayed) {
        umockdev_ioctl_client_complete(client, outcome.result, outcome.error);
        return TRUE;
    }
    // On umockdev's thread, whose own context is the thread default. The answer carries no
    // reference to this device: it can outlive it.
    GSource *answer = g_timeout_source_new(emptyReapDelayMs);
    g_source_set_callback(
            answer,
            [](gpointer waiting) {
                umockdev_ioctl_client_complete(static_cast<UMockdevIoctlClient *>(waiting), -1, EAGAIN);
                return gboolean(G_SOURCE_REMOVE);
            },
            g_object_ref(client), g_object_unref);
    g_source_attach(answer, g_main_context_get_thread_default());
    g_source_unref(answer);
    return TRUE;
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::serve(unsigned long request, UMockdevIoctlData *argument)
{
    // A gone device still hands out the URBs that finished before it left.
    if (request == USBDEVFS_REAPURBNDELAY || request == USBDEVFS_REAPURB)
        return reap(argument);
    if (!m_handle || !m_present)
        return failed(ENODEV);
    switch (request) {
    case USBDEVFS_SUBMITURB:
        return submit(argument);
    case USBDEVFS_DISCARDURB: {
        // The argument is the URB's address. Only a URB still in flight can be discarded; libusb
        // knows it cancelled it and reads no status.
        unsigned long address = 0;
        std::memcpy(&address, argument->data, sizeof address);
        if (!m_held.removeOne(address))
            return failed(EINVAL);
        m_finished.append(address);
        return {};
    }
    case USBDEVFS_SETCONFIGURATION:
    case USBDEVFS_DISCONNECT_CLAIM: // no kernel driver is bound, so only the claim is left to do
    case USBDEVFS_RELEASEINTERFACE:
        break;
    default:
        return failed(ENOTTY); // libusb does without the rest, as on an older kernel
    }
    // Each of these arguments leads with the configuration or interface number.
    unsigned int number = 0;
    const Data numberData = resolve(argument, 0, sizeof number);
    if (!numberData)
        return failed(EFAULT);
    std::memcpy(&number, numberData->data, sizeof number);
    if (request == USBDEVFS_SETCONFIGURATION)
        return outcomeOf(m_backend.setConfiguration(m_handle, int(number)));
    if (request == USBDEVFS_RELEASEINTERFACE)
        return outcomeOf(m_backend.releaseInterface(m_handle, int(number)));
    return outcomeOf(m_backend.claimInterface(m_handle, int(number)));
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::submit(UMockdevIoctlData *argument)
{
    const Data urbData = resolve(argument, 0, sizeof(usbdevfs_urb));
    if (!urbData)
        return failed(EFAULT);
    auto *urb = reinterpret_cast<usbdevfs_urb *>(urbData->data);
    if (urb->type != USBDEVFS_URB_TYPE_CONTROL || urb->endpoint != 0 || urb->buffer_length < setupPacketSize)
        return failed(EINVAL);
    const Data buffer = resolve(urbData.get(), offsetof(usbdevfs_urb, buffer), size_t(urb->buffer_length));
    if (!buffer)
        return failed(EFAULT);

    // Answered at once: libusb reaps it on its next poll. A held URB waits for libusb's time limit.
    int actual = 0;
    const int status = control(reinterpret_cast<char *>(buffer->data), urb->buffer_length, &actual);
    if (status == UsbResult::TimedOut) {
        m_held.append(urbData->client_addr);
        return {};
    }
    urb->status = status;
    urb->actual_length = actual;
    m_finished.append(urbData->client_addr);
    return {};
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::reap(UMockdevIoctlData *argument)
{
    if (m_finished.isEmpty() && !m_held.isEmpty())
        return {-1, EAGAIN, true};
    if (m_finished.isEmpty())
        return failed(m_handle && m_present ? EAGAIN : ENODEV);
    const unsigned long address = m_finished.first();
    const Data slot = resolve(argument, 0, sizeof address);
    if (!slot)
        return failed(EFAULT);
    std::memcpy(slot->data, &address, sizeof address);
    m_finished.removeFirst();
    return {};
}

int EmulatedUsbDevice::control(char *buffer, int length, int *actual)
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

void EmulatedUsbDevice::leaveBus()
{
    if (!m_present)
        return;
    m_present = false;
    // The remove event first: libusb's hotplug monitor reads the device's properties from it.
    umockdev_testbed_uevent(m_testbed, m_sysfsPath.constData(), "remove");
    umockdev_testbed_remove_device(m_testbed, m_sysfsPath.constData());
}
