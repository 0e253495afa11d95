// Serves the usbfs requests of libusb for one simulated device: descriptors, claims and control URBs.
#include "emulatedusbdevice.h"

#include "simulator/simulatedbackend.h"
#include "usb/bytereader.h"
#include "usb/bytewriter.h"

#include <QDeadlineTimer>
#include <QMutexLocker>
#include <QThread>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <linux/usbdevice_fs.h>
#include <memory>
#include <sys/ioctl.h>
#include <umockdev.h>

namespace {

constexpr int setupPacketSize = 8;
constexpr quint8 standardDeviceIn = 0x80;
constexpr quint8 getDescriptorRequest = 6;
constexpr quint8 stringDescriptorType = 3;
constexpr quint16 englishLanguage = 0x0409;
constexpr quint8 usedConfiguration = 1;
// libusb polls for finished URBs without pause while one is outstanding; a reap that finds
// nothing is answered after this long.
constexpr int emptyReapDelayMs = 1;
// umockdev notices closed files on its own thread, a moment after the close.
constexpr int closeNoticeLimitMs = 5000;
// What a current kernel offers; libusb needs none of it for control transfers.
constexpr quint32 usbfsCapabilities = USBDEVFS_CAP_ZERO_PACKET | USBDEVFS_CAP_BULK_CONTINUATION
        | USBDEVFS_CAP_NO_PACKET_SIZE_LIM | USBDEVFS_CAP_REAP_AFTER_DISCONNECT;

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
    if (error) {
        qWarning("Cannot reach the client's memory: %s", error->message);
        g_error_free(error);
        return nullptr;
    }
    return resolved;
}

template <typename T> bool readValue(UMockdevIoctlData *argument, T *value)
{
    const Data data = resolve(argument, 0, sizeof(T));
    if (!data)
        return false;
    std::memcpy(value, data->data, sizeof(T));
    return true;
}

template <typename T> bool writeValue(UMockdevIoctlData *argument, T value)
{
    const Data data = resolve(argument, 0, sizeof(T));
    if (!data)
        return false;
    std::memcpy(data->data, &value, sizeof(T));
    return true;
}

// The client address an ioctl argument carries itself (DISCARDURB passes the URB this way).
quint64 addressIn(UMockdevIoctlData *argument)
{
    unsigned long address = 0;
    std::memcpy(&address, argument->data, sizeof address);
    return address;
}

// Device descriptor, then configuration 1 with one vendor-specific interface 0 and no further endpoints.
QByteArray descriptorsOf(const UsbDeviceEntry &entry)
{
    QByteArray bytes;
    ByteWriter writer(&bytes);
    writer.u8(18).u8(1).u16le(0x0200).u8(0xFF).u8(0).u8(0).u8(entry.bMaxPacketSize0);
    writer.u16le(entry.idVendor).u16le(entry.idProduct).u16le(0x0100);
    writer.u8(0).u8(0).u8(entry.iSerialNumber).u8(1);
    writer.u8(9).u8(2).u16le(18).u8(1).u8(usedConfiguration).u8(0).u8(0x80).u8(50);
    writer.u8(9).u8(4).u8(0).u8(0).u8(0).u8(0xFF).u8(0).u8(0).u8(0);
    return bytes;
}

} // namespace

EmulatedUsbDevice::EmulatedUsbDevice(UMockdevTestbed *testbed, SimulatedBackend &backend,
                                     const UsbDeviceEntry &entry, int port)
    : m_testbed(testbed), m_backend(backend), m_entry(entry)
{
    const int bus = entry.busName.toInt();
    const int address = entry.deviceName.toInt();
    const QString devicePath = QStringLiteral("/devices/pci0000:00/0000:00:14.0/usb%1/%1-%2").arg(bus).arg(port);
    m_sysfsPath = QStringLiteral("/sys") + devicePath;
    m_deviceNode = QStringLiteral("/dev/bus/usb/%1/%2").arg(entry.busName, entry.deviceName);

    // Attribute values end with a newline as the kernel writes them; an empty
    // bConfigurationValue is a device still unconfigured.
    const QString record = QStringLiteral("P: %1\nN: %2\nE: SUBSYSTEM=usb\nE: DEVNAME=%3\nE: DEVTYPE=usb_device\n"
                                          "A: busnum=%4\\n\nA: devnum=%5\\n\nA: speed=12\\n\n"
                                          "A: bConfigurationValue=\nH: descriptors=%6\n")
                                   .arg(devicePath, m_deviceNode.mid(5), m_deviceNode)
                                   .arg(bus)
                                   .arg(address)
                                   .arg(QString::fromLatin1(descriptorsOf(entry).toHex().toUpper()));
    GError *error = nullptr;
    if (!umockdev_testbed_add_from_string(testbed, record.toUtf8().constData(), &error)) {
        m_error = QString::fromUtf8(error->message);
        g_error_free(error);
        return;
    }

    // Devices of other products are listed only; nobody here opens them.
    UsbHandle *probe = backend.open(entry);
    if (!probe)
        return;
    backend.close(probe);

    m_ioctl = umockdev_ioctl_base_new();
    g_signal_connect(m_ioctl, "handle-ioctl", G_CALLBACK(&EmulatedUsbDevice::onIoctl), this);
    if (!umockdev_testbed_attach_ioctl(testbed, m_deviceNode.toUtf8().constData(), m_ioctl, &error)) {
        m_error = QString::fromUtf8(error->message);
        g_error_free(error);
    }
}

EmulatedUsbDevice::~EmulatedUsbDevice()
{
    if (!m_ioctl)
        return;
    umockdev_testbed_detach_ioctl(m_testbed, m_deviceNode.toUtf8().constData(), nullptr);
    // No handler may run once this object is gone, and only open files send requests.
    QList<UMockdevIoctlClient *> clients;
    {
        QMutexLocker locker(&m_mutex);
        clients = m_files.keys();
    }
    QDeadlineTimer deadline(closeNoticeLimitMs);
    for (UMockdevIoctlClient *client : std::as_const(clients)) {
        while (umockdev_ioctl_client_get_connected(client) && !deadline.hasExpired())
            QThread::msleep(1);
        if (umockdev_ioctl_client_get_connected(client))
            qWarning("A client of %s is still open", qPrintable(m_deviceNode));
    }
    g_signal_handlers_disconnect_by_data(m_ioctl, this);
    g_object_unref(m_ioctl);
    QMutexLocker locker(&m_mutex);
    for (auto file = m_files.cbegin(); file != m_files.cend(); ++file) {
        if (file->handle)
            m_backend.close(file->handle);
        g_object_unref(file.key());
    }
}

int EmulatedUsbDevice::configurationChanges() const
{
    QMutexLocker locker(&m_mutex);
    return m_configurationChanges;
}

bool EmulatedUsbDevice::isPresent() const
{
    QMutexLocker locker(&m_mutex);
    return m_present;
}

int EmulatedUsbDevice::onIoctl(UMockdevIoctlBase *, UMockdevIoctlClient *client, void *device)
{
    auto *self = static_cast<EmulatedUsbDevice *>(device);
    Outcome outcome;
    {
        QMutexLocker locker(&self->m_mutex);
        self->forgetClosedFiles();
        outcome = self->serve(self->openFile(client), umockdev_ioctl_client_get_request(client),
                              umockdev_ioctl_client_get_arg(client));
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

void EmulatedUsbDevice::forgetClosedFiles()
{
    for (auto file = m_files.begin(); file != m_files.end();) {
        if (umockdev_ioctl_client_get_connected(file.key())) {
            ++file;
            continue;
        }
        // Closing the file released its claim, as the kernel does.
        if (file->handle)
            m_backend.close(file->handle);
        g_object_unref(file.key());
        file = m_files.erase(file);
    }
}

EmulatedUsbDevice::OpenFile &EmulatedUsbDevice::openFile(UMockdevIoctlClient *client)
{
    auto found = m_files.find(client);
    if (found != m_files.end())
        return *found;
    g_object_ref(client);
    OpenFile file;
    if (m_present) {
        file.handle = m_backend.open(m_entry);
        // The configuration belongs to the device; the simulated bus keeps it per handle.
        if (file.handle && m_configuration != 0)
            m_backend.setConfiguration(file.handle, m_configuration);
    }
    return *m_files.insert(client, file);
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::serve(OpenFile &file, unsigned long request,
                                                    UMockdevIoctlData *argument)
{
    // A gone device still hands out the URBs that finished before it left.
    if (request == USBDEVFS_REAPURBNDELAY || request == USBDEVFS_REAPURB)
        return reap(file, argument);
    if (!file.handle || !m_present)
        return failed(ENODEV);

    switch (request) {
    case USBDEVFS_GET_CAPABILITIES:
        return writeValue(argument, usbfsCapabilities) ? succeeded() : failed(EFAULT);
    case USBDEVFS_SETCONFIGURATION:
        return setConfiguration(file, argument);
    case USBDEVFS_DISCONNECT_CLAIM:
    case USBDEVFS_CLAIMINTERFACE:
    case USBDEVFS_RELEASEINTERFACE:
        return claim(file, request, argument);
    case USBDEVFS_SUBMITURB:
        return submit(file, argument);
    case USBDEVFS_DISCARDURB:
        return discard(file, argument);
    default:
        return failed(ENOTTY);
    }
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::setConfiguration(OpenFile &file, UMockdevIoctlData *argument)
{
    unsigned int configuration = 0;
    if (!readValue(argument, &configuration))
        return failed(EFAULT);
    const int result = m_backend.setConfiguration(file.handle, int(configuration));
    if (result < 0)
        return failed(-result);
    m_configuration = int(configuration);
    ++m_configurationChanges;
    umockdev_testbed_set_attribute(m_testbed, m_sysfsPath.toUtf8().constData(), "bConfigurationValue",
                                   QByteArray::number(m_configuration).append('\n').constData());
    return succeeded();
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::claim(OpenFile &file, unsigned long request,
                                                    UMockdevIoctlData *argument)
{
    // No kernel driver is bound to the interface, so disconnecting one before the claim is a no-op.
    unsigned int interfaceNumber = 0;
    usbdevfs_disconnect_claim disconnectClaim{};
    const bool read = request == USBDEVFS_DISCONNECT_CLAIM ? readValue(argument, &disconnectClaim)
                                                           : readValue(argument, &interfaceNumber);
    if (!read)
        return failed(EFAULT);
    if (request == USBDEVFS_RELEASEINTERFACE)
        return outcomeOf(m_backend.releaseInterface(file.handle, int(interfaceNumber)));
    if (request == USBDEVFS_DISCONNECT_CLAIM)
        interfaceNumber = disconnectClaim.interface;
    return outcomeOf(m_backend.claimInterface(file.handle, int(interfaceNumber)));
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::submit(OpenFile &file, UMockdevIoctlData *argument)
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
    const int status = control(file, reinterpret_cast<char *>(buffer->data), urb->buffer_length, &actual);
    if (status == UsbResult::TimedOut) {
        file.held.append(urbData->client_addr);
        return succeeded();
    }
    urb->status = status;
    urb->actual_length = actual;
    file.finished.append(urbData->client_addr);
    return succeeded();
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::discard(OpenFile &file, UMockdevIoctlData *argument)
{
    // Only a URB still in flight can be discarded; it is reaped with -ENOENT.
    const quint64 address = addressIn(argument);
    if (!file.held.removeOne(address))
        return failed(EINVAL);
    const Data urbData = resolve(argument, 0, sizeof(usbdevfs_urb));
    if (!urbData)
        return failed(EFAULT);
    auto *urb = reinterpret_cast<usbdevfs_urb *>(urbData->data);
    urb->status = -ENOENT;
    urb->actual_length = 0;
    file.finished.append(address);
    return succeeded();
}

EmulatedUsbDevice::Outcome EmulatedUsbDevice::reap(OpenFile &file, UMockdevIoctlData *argument)
{
    if (file.finished.isEmpty() && !file.held.isEmpty())
        return {-1, EAGAIN, true};
    if (file.finished.isEmpty())
        return failed(file.handle && m_present ? EAGAIN : ENODEV);
    const unsigned long address = file.finished.first();
    if (!writeValue(argument, address))
        return failed(EFAULT);
    file.finished.removeFirst();
    return succeeded();
}

int EmulatedUsbDevice::control(OpenFile &file, char *buffer, int length, int *actual)
{
    ByteReader setup(buffer, setupPacketSize);
    const quint8 requestType = setup.u8();
    const quint8 request = setup.u8();
    const quint16 value = setup.u16le();
    const quint16 index = setup.u16le();
    const quint16 requestedLength = setup.u16le();
    char *data = buffer + setupPacketSize;
    const int dataLength = qMin(int(requestedLength), length - setupPacketSize);

    int result = 0;
    if (requestType == standardDeviceIn && request == getDescriptorRequest && (value >> 8) == stringDescriptorType)
        result = stringDescriptor(file, quint8(value & 0xFF), data, dataLength);
    else
        result = m_backend.controlTransfer(file.handle, requestType, request, value, index, data, dataLength, 0);

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

int EmulatedUsbDevice::stringDescriptor(OpenFile &file, quint8 index, char *data, int length)
{
    if (index != 0)
        return m_backend.stringDescriptor(file.handle, index, data, length);
    QByteArray languages;
    ByteWriter(&languages).u8(4).u8(stringDescriptorType).u16le(englishLanguage);
    const int count = qMin(length, int(languages.size()));
    std::memcpy(data, languages.constData(), size_t(count));
    return count;
}

void EmulatedUsbDevice::leaveBus()
{
    if (!m_present)
        return;
    m_present = false;
    // The remove event first: libusb's hotplug monitor reads the device's properties from it.
    const QByteArray sysfsPath = m_sysfsPath.toUtf8();
    umockdev_testbed_uevent(m_testbed, sysfsPath.constData(), "remove");
    umockdev_testbed_remove_device(m_testbed, sysfsPath.constData());
}
