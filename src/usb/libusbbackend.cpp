// Enumeration, device access and control transfers through libusb-1.0.
#include "usb/libusbbackend.h"
#include "usb/bytereader.h"
#include "usb/trace.h"

#include <algorithm>
#include <libusb.h>

namespace {

constexpr quint16 englishLanguage = 0x0409;
constexpr int languageListIndex = 0;
constexpr int maximumControlLength = 0xFFFF;

class LibUsbHandle : public UsbHandle
{
public:
    explicit LibUsbHandle(libusb_device_handle *handle) : device(handle) {}
    ~LibUsbHandle() override { libusb_close(device); }
    LibUsbHandle(const LibUsbHandle &) = delete;
    LibUsbHandle &operator=(const LibUsbHandle &) = delete;

    libusb_device_handle *const device;
};

libusb_device_handle *deviceOf(UsbHandle *handle)
{
    auto *own = dynamic_cast<LibUsbHandle *>(handle);
    return own ? own->device : nullptr;
}

quint64 deviceKey(quint8 bus, quint8 address)
{
    return (quint64(bus) << 8) | address;
}

QString threeDigits(quint8 number)
{
    return QStringLiteral("%1").arg(int(number), 3, 10, QLatin1Char('0'));
}

} // namespace

int libUsbResultToErrno(int libUsbResult)
{
    if (libUsbResult >= 0)
        return libUsbResult;
    // Linux errno numbers, as the link's retry and failure rules count them on every platform.
    switch (libUsbResult) {
    case LIBUSB_ERROR_IO: return UsbResult::IoError;
    case LIBUSB_ERROR_INVALID_PARAM: return -22;
    case LIBUSB_ERROR_ACCESS: return -13;
    case LIBUSB_ERROR_NO_DEVICE: return UsbResult::NoDevice;
    case LIBUSB_ERROR_NOT_FOUND: return -2;
    case LIBUSB_ERROR_BUSY: return -16;
    case LIBUSB_ERROR_TIMEOUT: return UsbResult::TimedOut;
    case LIBUSB_ERROR_OVERFLOW: return -75;
    case LIBUSB_ERROR_PIPE: return UsbResult::Stall;
    case LIBUSB_ERROR_INTERRUPTED: return -4;
    case LIBUSB_ERROR_NO_MEM: return -12;
    case LIBUSB_ERROR_NOT_SUPPORTED: return -95;
    default: return -71; // a protocol error: nothing more specific is known
    }
}

LibUsbBackend::LibUsbBackend()
{
    const int result = libusb_init(&m_context);
    if (result != LIBUSB_SUCCESS) {
        qCDebug(usbTrace, "libusb_init failed: %s", libusb_error_name(result));
        m_context = nullptr;
    }
}

LibUsbBackend::~LibUsbBackend()
{
    forgetEnumeratedDevices();
    if (m_context)
        libusb_exit(m_context);
}

void LibUsbBackend::forgetEnumeratedDevices()
{
    for (libusb_device *device : std::as_const(m_enumerated))
        libusb_unref_device(device);
    m_enumerated.clear();
}

QList<UsbDeviceEntry> LibUsbBackend::devices()
{
    forgetEnumeratedDevices();
    QList<UsbDeviceEntry> entries;
    if (!m_context)
        return entries;

    libusb_device **list = nullptr;
    const ssize_t count = libusb_get_device_list(m_context, &list);
    if (count < 0) {
        qCDebug(usbTrace, "libusb_get_device_list failed: %s", libusb_error_name(int(count)));
        return entries;
    }
    for (ssize_t i = 0; i < count; ++i) {
        libusb_device *device = list[i];
        libusb_device_descriptor descriptor{};
        if (libusb_get_device_descriptor(device, &descriptor) != LIBUSB_SUCCESS)
            continue;
        const quint8 bus = libusb_get_bus_number(device);
        const quint8 address = libusb_get_device_address(device);
        UsbDeviceEntry entry;
        entry.busName = threeDigits(bus);
        entry.deviceName = threeDigits(address);
        entry.idVendor = descriptor.idVendor;
        entry.idProduct = descriptor.idProduct;
        entry.iSerialNumber = descriptor.iSerialNumber;
        entry.bMaxPacketSize0 = descriptor.bMaxPacketSize0;
        entry.key = deviceKey(bus, address);
        m_enumerated.insert(entry.key, libusb_ref_device(device));
        entries.append(entry);
    }
    libusb_free_device_list(list, 1);

    // Bus by bus, each in address order, as the bus list of the classic interface presents them.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const UsbDeviceEntry &a, const UsbDeviceEntry &b) { return a.key < b.key; });
    return entries;
}

UsbHandle *LibUsbBackend::open(const UsbDeviceEntry &entry)
{
    libusb_device *device = m_enumerated.value(entry.key);
    if (!device)
        return nullptr;
    libusb_device_handle *handle = nullptr;
    const int result = libusb_open(device, &handle);
    if (result != LIBUSB_SUCCESS) {
        qCDebug(usbTrace, "libusb_open failed: %s", libusb_error_name(result));
        return nullptr;
    }
    // Not supported off Linux, and not needed where no kernel driver is bound.
    (void)libusb_set_auto_detach_kernel_driver(handle, 1);
    return new LibUsbHandle(handle);
}

int LibUsbBackend::setConfiguration(UsbHandle *handle, int configuration)
{
    libusb_device_handle *device = deviceOf(handle);
    if (!device)
        return UsbResult::NoDevice;
    // Selecting the active configuration again would reset the device on some platforms.
    int active = 0;
    if (libusb_get_configuration(device, &active) == LIBUSB_SUCCESS && active == configuration)
        return 0;
    return libUsbResultToErrno(libusb_set_configuration(device, configuration));
}

int LibUsbBackend::claimInterface(UsbHandle *handle, int interfaceNumber)
{
    libusb_device_handle *device = deviceOf(handle);
    return device ? libUsbResultToErrno(libusb_claim_interface(device, interfaceNumber)) : UsbResult::NoDevice;
}

int LibUsbBackend::releaseInterface(UsbHandle *handle, int interfaceNumber)
{
    libusb_device_handle *device = deviceOf(handle);
    return device ? libUsbResultToErrno(libusb_release_interface(device, interfaceNumber)) : UsbResult::NoDevice;
}

int LibUsbBackend::close(UsbHandle *handle)
{
    delete handle;
    return 0;
}

int LibUsbBackend::controlTransfer(UsbHandle *handle, quint8 requestType, quint8 request, quint16 value,
                                   quint16 index, char *data, int length, int timeoutMs)
{
    libusb_device_handle *device = deviceOf(handle);
    if (!device)
        return UsbResult::NoDevice;
    if (length < 0 || length > maximumControlLength || (length > 0 && !data))
        return libUsbResultToErrno(LIBUSB_ERROR_INVALID_PARAM);
    // libusb waits without limit for 0; a limit too large for int is as good as none.
    const unsigned int limit = timeoutMs > 0 ? unsigned(timeoutMs) : 0u;
    const int result = libusb_control_transfer(device, requestType, request, value, index,
                                               reinterpret_cast<unsigned char *>(data), quint16(length), limit);
    return libUsbResultToErrno(result);
}

int LibUsbBackend::stringDescriptor(UsbHandle *handle, quint8 index, char *buffer, int length)
{
    libusb_device_handle *device = deviceOf(handle);
    if (!device)
        return UsbResult::NoDevice;
    if (length < 0 || length > maximumControlLength || !buffer)
        return libUsbResultToErrno(LIBUSB_ERROR_INVALID_PARAM);

    // The first language the device lists, English when it lists none.
    unsigned char languages[4] = {};
    const int listed = libusb_get_string_descriptor(device, languageListIndex, 0, languages, sizeof languages);
    ByteReader list(reinterpret_cast<const char *>(languages), listed);
    list.skip(2);
    const quint16 firstLanguage = list.u16le();
    const quint16 language = list.ok() ? firstLanguage : englishLanguage;

    const int result = libusb_get_string_descriptor(device, index, language,
                                                    reinterpret_cast<unsigned char *>(buffer), length);
    return libUsbResultToErrno(result);
}
