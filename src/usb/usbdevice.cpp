// The USB link: enumeration, connection, the identifier check and every control transfer with its trace.
#include "usb/usbdevice.h"

#include "firmware/blockscrambler.h"
#include "settings/settings.h"
#include "usb/bytereader.h"
#include "usb/interfaceids.h"
#include "usb/trace.h"

#include <algorithm>
#include <limits>

namespace {

constexpr quint8 requestTypeOut = 0x40; // vendor, host to device, recipient device
constexpr quint8 requestTypeIn = 0xC0;  // vendor, device to host, recipient device
constexpr int usbConfiguration = 1;
constexpr int usbInterface = 0;

constexpr quint8 requestReadMemory = 1;
constexpr quint8 requestWriteMemory = 3;
constexpr quint8 requestRunApplication = 4;
constexpr quint8 requestInterfaceId = 0xFF;

constexpr int maximumReadChunk = 2048;
constexpr int memoryBlockSize = 1024;
constexpr int receiveAttempts = 50;

constexpr quint8 serialNumberDescriptor = 3;
constexpr int serialBufferSize = 256;

constexpr quint32 informationBlockAddress = 0x0801FFC0;
constexpr int informationBlockSize = 64;
constexpr int modelOffset = 8;
constexpr int firmwareOffset = 24;
constexpr int modelCheckedCharacters = 5;
constexpr int firmwareCheckedCharacters = 3;

int milliseconds(quint32 stored)
{
    return int(qMin<quint32>(stored, quint32(std::numeric_limits<int>::max())));
}

quint16 lowWord(quint32 address)
{
    return quint16(address & 0xFFFF);
}

quint16 highWord(quint32 address)
{
    return quint16(address >> 16);
}

// Low bytes of the UTF-16 code units after the header, up to a zero or the descriptor's end.
QByteArray serialFromDescriptor(const char *descriptor, int received)
{
    ByteReader header(descriptor, received);
    const int declaredLength = header.u8();
    ByteReader reader(descriptor, qMin(received, declaredLength));
    reader.skip(2);
    QByteArray serial;
    while (reader.remaining() >= 2) {
        // A unit such as U+0100 would leave a zero byte in the menu text and the snapshot.
        const char low = char(reader.u16le() & 0xFF);
        if (low == 0)
            break;
        serial.append(low);
    }
    return serial;
}

// The zero-terminated text at offset, ending at the block's end when no zero follows.
QByteArray textAt(const QByteArray &block, int offset)
{
    ByteReader reader(block);
    reader.skip(offset);
    const QByteArray rest = reader.rest();
    const qsizetype end = rest.indexOf('\0');
    return end < 0 ? rest : rest.left(end);
}

// The text, or "???" unless its first `checked` characters are all between 0x20 and 0x7D.
QString checkedText(const QByteArray &text, int checked)
{
    const QByteArray start = text.left(checked);
    const bool printable = start.size() == checked
            && std::all_of(start.cbegin(), start.cend(), [](char c) { return quint8(c) >= 0x20 && quint8(c) <= 0x7D; });
    return printable ? QString::fromLatin1(text) : QStringLiteral("???");
}

} // namespace

UsbDevice::UsbDevice(UsbBackend *backend)
    : m_backend(backend),
      m_productId(interfaceProductId),
      m_vendorId(interfaceVendorId),
      m_timeout(milliseconds(usbStandardTimeout()))
{
    qCDebug(usbTrace, "UsbDevice constructor");
}

UsbDevice::~UsbDevice()
{
    qCDebug(usbTrace, "UsbDevice destructor");
    disconnectDevice();
}

QStringList UsbDevice::collectDevices()
{
    m_usbDevices.clear();
    qCDebug(usbTrace, "USB Collect Devices");
    if (m_handle) {
        m_backend->close(m_handle);
        m_handle = nullptr;
    }
    m_connected = false;

    const QList<UsbDeviceEntry> found = m_backend->devices();
    QStringList busNames;
    for (const UsbDeviceEntry &entry : found) {
        if (!busNames.contains(entry.busName))
            busNames.append(entry.busName);
    }

    QStringList texts;
    for (const QString &busName : std::as_const(busNames)) {
        qCDebug(usbTrace).noquote() << "bus: " + busName;
        for (const UsbDeviceEntry &entry : found) {
            if (entry.busName != busName)
                continue;
            qCDebug(usbTrace).noquote() << "bus->devices: " + entry.deviceName;
            qCDebug(usbTrace, "dev->descriptor.idVendor: %x", entry.idVendor);
            qCDebug(usbTrace, "dev->descriptor.idProduct: %x", entry.idProduct);
            qCDebug(usbTrace, "dev->descriptor.iSerialNumber: %x", entry.iSerialNumber);
            qCDebug(usbTrace, "dev->descriptor.bMaxPacketSize0: %x", entry.bMaxPacketSize0);
            if (entry.idVendor != m_vendorId || entry.idProduct != m_productId)
                continue;

            UsbHandle *handle = openForEnumeration(entry);
            if (!handle)
                continue;
            const QByteArray serial = serialNumberOf(handle);
            m_handle = handle;
            const QString label = informationLabel();
            // A failed read has closed the interface already.
            if (m_handle == handle)
                closeInterface();

            m_usbDevices.append(entry);
            texts.append(label + QStringLiteral(" SN:") + QString::fromLatin1(serial));
        }
    }
    return texts;
}

UsbHandle *UsbDevice::openForEnumeration(const UsbDeviceEntry &entry)
{
    UsbHandle *handle = m_backend->open(entry);
    if (!handle)
        return nullptr;
    if (m_backend->setConfiguration(handle, usbConfiguration) < 0
        || m_backend->claimInterface(handle, usbInterface) < 0) {
        m_backend->close(handle);
        return nullptr;
    }
    return handle;
}

QString UsbDevice::informationLabel()
{
    QByteArray block(informationBlockSize, '\0');
    if (readMemory(block.data(), informationBlockAddress, informationBlockSize) != 0)
        return QString();
    const QString model = checkedText(textAt(block, modelOffset), modelCheckedCharacters);
    const QString firmware = checkedText(textAt(block, firmwareOffset), firmwareCheckedCharacters);
    qCDebug(usbTrace).noquote() << QLatin1Char('"') + hexDump(block.constData(), int(block.size())) + QLatin1Char('"');
    return QStringLiteral("D:") + model + QStringLiteral(" FW:") + firmware;
}

int UsbDevice::connectDevice(int index)
{
    qCDebug(usbTrace, "USB Connect");
    closeInterface();

    if (index < 0 || index >= m_usbDevices.size() || m_usbDevices.at(index).idVendor != m_vendorId
        || m_usbDevices.at(index).idProduct != m_productId) {
        disconnectDevice();
        return -1;
    }

    m_handle = m_backend->open(m_usbDevices.at(index));
    if (!m_handle)
        return -1;
    qCDebug(usbTrace, "usb_opened ");

    const bool configured = m_backend->setConfiguration(m_handle, usbConfiguration) >= 0;
    if (configured)
        qCDebug(usbTrace, "usb_set_configuration ");
    const bool claimed = configured && m_backend->claimInterface(m_handle, usbInterface) >= 0;
    if (claimed)
        qCDebug(usbTrace, "usb_claim_interface ");
    if (!claimed) {
        disconnectDevice();
        return -1;
    }

    char answer[2] = {};
    const int received = control_receivePrivate(requestInterfaceId, 0, 0, answer, int(sizeof answer));
    const QString answerText = QString::fromLatin1(answer, qBound(0, received, int(sizeof answer)));
    qCDebug(usbTrace).noquote() << QStringLiteral("control_receivePrivate( %1, 0, 0, %2, %3 )")
                                  .arg(int(requestInterfaceId))
                                  .arg(answerText)
                                  .arg(int(sizeof answer));

    if (received == int(sizeof answer)) {
        const quint16 identifier = ByteReader(answer, received).u16le();
        qCDebug(usbTrace, "\nrbid: %x", identifier);
        qCDebug(usbTrace, "\nUSB_RB417_ID: %x", int(expectedInterfaceId));
        if (identifier == expectedInterfaceId) {
            m_connected = true;
            return 0;
        }
    }
    disconnectDevice();
    return -1;
}

void UsbDevice::disconnectDevice()
{
    qCDebug(usbTrace, "USB Disconnect");
    closeInterface();
}

void UsbDevice::closeInterface()
{
    m_connected = false;
    if (!m_handle)
        return;
    m_backend->releaseInterface(m_handle, usbInterface);
    m_backend->close(m_handle);
    m_handle = nullptr;
}

int UsbDevice::checkConnection() const
{
    return m_handle ? 0 : -1;
}

int UsbDevice::concludeTransfer(const char *direction, quint8 request, quint16 value, quint16 index, int dataLength,
                                int result)
{
    const char *outcome = result < 0 ? "ERROR" : "OK";
    if (dataLength > 0)
        qCDebug(usbTrace, "USB Control %s bRequest=%d, wValue=%d, wIndex=%d, dataLength=%d - %s.", direction, request, value,
               index, dataLength, outcome);
    else
        qCDebug(usbTrace, "USB Control %s bRequest=%d, wValue=%d, wIndex=%d - %s.", direction, request, value, index, outcome);
    if (result >= 0)
        return result;
    // Only an established connection can be lost; listing and opening report failure by their result.
    const bool wasConnected = m_connected;
    disconnectDevice();
    if (wasConnected)
        emit signal_suddenly_disconnected();
    return -1;
}

int UsbDevice::control_send(quint8 request, quint16 value, quint16 index, char *data, int length)
{
    qCDebug(usbTrace, "UsbDevice::control_send()");
    if (!m_handle)
        return -1;

    const bool hasDataStage = data && length > 0;
    const int result = m_backend->controlTransfer(m_handle, requestTypeOut, request, value, index,
                                                  hasDataStage ? data : nullptr, hasDataStage ? length : 0,
                                                  m_timeout);
    return concludeTransfer("Send", request, value, index, hasDataStage ? length : 0, result);
}

int UsbDevice::control_receivePrivate(quint8 request, quint16 value, quint16 index, char *data, int length)
{
    if (!m_handle)
        return -1;

    const bool hasDataStage = data && length > 0;
    int result = -1;
    if (hasDataStage) {
        // A busy interface answers with the I/O error until it has the data ready.
        for (int attempt = 0; attempt < receiveAttempts; ++attempt) {
            result = m_backend->controlTransfer(m_handle, requestTypeIn, request, value, index, data, length,
                                                m_timeout);
            if (result != UsbResult::IoError)
                break;
        }
    }
    return concludeTransfer("Receive", request, value, index, hasDataStage ? length : 0, result);
}

int UsbDevice::control_receive(quint8 request, quint16 value, quint16 index, char *data, int length)
{
    return control_receivePrivate(request, value, index, data, length);
}

int UsbDevice::readMemory(char *buffer, quint32 address, quint32 length)
{
    quint32 remaining = length;
    while (remaining > 0) {
        const int chunk = int(qMin<quint32>(remaining, maximumReadChunk));
        const int received = control_receive(requestReadMemory, lowWord(address), highWord(address), buffer, chunk);
        if (received < chunk)
            return -1;
        unscrambleBlock(buffer, chunk);
        address += quint32(chunk);
        buffer += chunk;
        remaining -= quint32(chunk);
    }
    return 0;
}

int UsbDevice::writeMemoryBlock(char *buffer, quint32 address)
{
    scrambleBlock(buffer, memoryBlockSize);
    const int sent = control_send(requestWriteMemory, lowWord(address), highWord(address), buffer, memoryBlockSize);
    return sent == memoryBlockSize ? 0 : -1;
}

QByteArray UsbDevice::readSerialNumber()
{
    return m_handle ? serialNumberOf(m_handle) : QByteArray();
}

QByteArray UsbDevice::serialNumberOf(UsbHandle *handle)
{
    char descriptor[serialBufferSize] = {};
    const int received = m_backend->stringDescriptor(handle, serialNumberDescriptor, descriptor, serialBufferSize);
    return serialFromDescriptor(descriptor, received);
}

int UsbDevice::useStandardTimeout()
{
    m_timeout = milliseconds(usbStandardTimeout());
    return m_timeout;
}

int UsbDevice::useDiscoveryTimeout()
{
    m_timeout = milliseconds(usbDiscoveryTimeout());
    return m_timeout;
}

void UsbDevice::RunApplication()
{
    qCDebug(usbTrace, "USBRB960::RunApplication(void)");
    control_send(requestRunApplication, 0, 0, nullptr, 0);
}
