// Request handling of the simulated interface's bootloader and application firmware.
#include "simulator/interfacefirmware.h"

#include "firmware/blockscrambler.h"
#include "simulator/simulatedline.h"
#include "usb/bytereader.h"
#include "usb/bytewriter.h"
#include "usb/usbbackend.h"

namespace {

namespace Request {
constexpr quint8 ReadMemory = 1;
constexpr quint8 WritePage = 3;
constexpr quint8 Restart = 4;
constexpr quint8 FullDiscovery = 7;
constexpr quint8 AdditionalDiscovery = 8;
constexpr quint8 SendPacket = 9;
constexpr quint8 ReadResponse = 10;
constexpr quint8 SetRdmTiming = 11;
constexpr quint8 SetDmxLevels = 12;
constexpr quint8 SetDmxTiming = 13;
constexpr quint8 BeginDmxControl = 14;
constexpr quint8 EndDmxControl = 15;
constexpr quint8 Identifier = 255;
} // namespace Request

constexpr quint16 interfaceIdentifier = 960;
constexpr int maximumMemoryTransfer = 2048;
constexpr int minimumPacketSize = 26;  // an RDM request without parameter data
constexpr int maximumPacketSize = 257; // with 231 bytes of parameter data
constexpr int uidSize = 6;
constexpr int dmxTimingSize = 16;
constexpr int rdmTimingSize = 28;

quint32 addressOf(quint16 value, quint16 index)
{
    return quint32(index) << 16 | value;
}

} // namespace

InterfaceFirmware::InterfaceFirmware(SimulatedLine &line) : m_line(line) {}

void InterfaceFirmware::powerUp()
{
    m_restartRequested = false;
    m_dmxTiming = DmxTiming();
    m_rdmTiming = RdmTiming();
    m_dmxLevels.fill(0);
    m_dmxControlActive = false;
    m_recordStatus = 0;
    m_recordData.clear();
}

bool InterfaceFirmware::serves(quint8 request) const
{
    switch (request) {
    case Request::ReadMemory:
    case Request::Restart:
    case Request::Identifier:
        return true;
    case Request::WritePage:
        return m_mode == InterfaceMode::Bootloader;
    default:
        return m_mode == InterfaceMode::Application;
    }
}

int InterfaceFirmware::receive(quint8 request, quint16 value, quint16 index, const QByteArray &data)
{
    if (!serves(request))
        return UsbResult::Stall;
    if (request == Request::WritePage)
        return writePage(addressOf(value, index), data);
    if (value != 0 || index != 0)
        return UsbResult::Stall;

    switch (request) {
    case Request::Restart:
        if (!data.isEmpty())
            return UsbResult::Stall;
        m_mode = m_mode == InterfaceMode::Application ? InterfaceMode::Bootloader : InterfaceMode::Application;
        m_restartRequested = true;
        return 0;
    case Request::FullDiscovery:
    case Request::AdditionalDiscovery:
        return data.isEmpty() ? discover(request) : UsbResult::Stall;
    case Request::SendPacket:
        return sendPacket(data);
    case Request::SetRdmTiming:
        return storeRdmTiming(data);
    case Request::SetDmxLevels:
        return storeDmxLevels(data);
    case Request::SetDmxTiming:
        return storeDmxTiming(data);
    case Request::BeginDmxControl:
    case Request::EndDmxControl:
        if (!data.isEmpty())
            return UsbResult::Stall;
        m_dmxControlActive = request == Request::BeginDmxControl;
        return 0;
    default:
        return UsbResult::Stall;
    }
}

QByteArray InterfaceFirmware::answer(quint8 request, quint16 value, quint16 index, int length, int *result)
{
    *result = UsbResult::Stall;
    if (!serves(request) || length <= 0)
        return QByteArray();

    QByteArray bytes;
    switch (request) {
    case Request::ReadMemory:
        return readMemory(addressOf(value, index), length, result);
    case Request::ReadResponse:
        if (value != 0)
            return QByteArray();
        bytes = responseRecord().mid(index, length);
        break;
    case Request::Identifier:
        if (value != 0 || index != 0)
            return QByteArray();
        ByteWriter(&bytes).u16le(interfaceIdentifier);
        bytes.truncate(length);
        break;
    default:
        return QByteArray();
    }
    *result = int(bytes.size());
    return bytes;
}

bool InterfaceFirmware::takeRestartRequest()
{
    const bool requested = m_restartRequested;
    m_restartRequested = false;
    return requested;
}

QByteArray InterfaceFirmware::responseRecord() const
{
    QByteArray record;
    ByteWriter(&record).u8(m_recordStatus).u16le(quint16(m_recordData.size())).bytes(m_recordData);
    return record;
}

int InterfaceFirmware::storeDmxTiming(const QByteArray &data)
{
    if (data.size() != dmxTimingSize)
        return UsbResult::Stall;
    ByteReader reader(data);
    m_dmxTiming.breakTime = reader.u32le();
    m_dmxTiming.markAfterBreak = reader.u32le();
    m_dmxTiming.interslotTime = reader.u32le();
    m_dmxTiming.waitTime = reader.u32le();
    return int(data.size());
}

int InterfaceFirmware::storeRdmTiming(const QByteArray &data)
{
    if (data.size() != rdmTimingSize)
        return UsbResult::Stall;
    ByteReader reader(data);
    m_rdmTiming.discoveryResponse = reader.u32le();
    m_rdmTiming.discoveryAny = reader.u32le();
    m_rdmTiming.getResponse = reader.u32le();
    m_rdmTiming.setResponse = reader.u32le();
    m_rdmTiming.missingAny = reader.u32le();
    m_rdmTiming.responseBroadcastAny = reader.u32le();
    m_rdmTiming.maxLength = reader.u32le();
    return int(data.size());
}

int InterfaceFirmware::storeDmxLevels(const QByteArray &data)
{
    ByteReader reader(data);
    const int first = reader.u16le();
    const QByteArray levels = reader.rest();
    if (!reader.ok() || first + levels.size() > slotCount)
        return UsbResult::Stall;
    for (int i = 0; i < levels.size(); ++i)
        m_dmxLevels[size_t(first + i)] = quint8(levels.at(i));
    return int(data.size());
}

int InterfaceFirmware::sendPacket(const QByteArray &data)
{
    if (data.size() < minimumPacketSize || data.size() > maximumPacketSize)
        return UsbResult::Stall;
    const std::optional<ResponseRecord> record = m_line.exchange(data);
    if (record)
        setRecord(record->status, record->data);
    return int(data.size());
}

int InterfaceFirmware::discover(quint8 request)
{
    const QList<quint64> uids =
        m_line.discover(request == Request::FullDiscovery ? DiscoveryKind::Full : DiscoveryKind::Additional);
    QByteArray data;
    ByteWriter writer(&data);
    // The record holds whole UIDs only.
    for (int i = 0; i < uids.size() && i < maximumRecordData / uidSize; ++i)
        writer.uid(uids.at(i));
    setRecord(1, data);
    return 0;
}

int InterfaceFirmware::writePage(quint32 address, const QByteArray &data)
{
    if (data.size() != InterfaceMemory::pageSize)
        return UsbResult::Stall;
    QByteArray page = data;
    unscrambleBlock(page.data(), int(page.size()));
    return m_memory.writePage(address, page) ? int(data.size()) : UsbResult::Stall;
}

QByteArray InterfaceFirmware::readMemory(quint32 address, int length, int *result) const
{
    if (length > maximumMemoryTransfer || !m_memory.contains(address, length))
        return QByteArray();
    // Scrambled per transfer: the key starts afresh with every request.
    QByteArray bytes = m_memory.read(address, length);
    scrambleWords(bytes.data(), int(bytes.size()));
    *result = int(bytes.size());
    return bytes;
}

void InterfaceFirmware::setRecord(quint8 status, const QByteArray &data)
{
    m_recordStatus = status;
    m_recordData = data.left(maximumRecordData);
}
