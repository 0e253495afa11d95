// A simulated interface as the bus sees it: identity, presence, faults, then its firmware.
#include "simulator/simulatedinterface.h"

#include "simulator/simulatedclock.h"
#include "usb/bytewriter.h"

#include <cstring>

namespace {

constexpr quint8 vendorOut = 0x40;
constexpr quint8 vendorIn = 0xC0;
constexpr quint8 stringDescriptorType = 3;
constexpr quint8 identifierRequest = 255;
constexpr quint8 readMemoryRequest = 1;

} // namespace

SimulatedInterface::SimulatedInterface(const SimulatedClock &clock, const QString &serial, const QString &busName)
    : m_clock(clock), m_busName(busName), m_firmware(m_line)
{
    setSerial(serial);
}

void SimulatedInterface::setSerial(const QString &serial)
{
    m_serial = serial;
    const QChar unitDigit = serial.size() > 6 && serial.at(6).isDigit() ? serial.at(6) : QChar('0');
    m_bootloaderSerial = serial.left(6) + unitDigit + QChar('b');
}

QString SimulatedInterface::currentSerial() const
{
    return mode() == InterfaceMode::Application ? m_serial : m_bootloaderSerial;
}

QByteArray SimulatedInterface::serialDescriptor() const
{
    // bLength is one byte: at most 126 code units fit.
    const QString text = currentSerial().left(126);
    QByteArray descriptor;
    ByteWriter writer(&descriptor);
    writer.u8(quint8(2 + 2 * text.size())).u8(stringDescriptorType);
    for (const QChar unit : text)
        writer.u16le(unit.unicode());
    return descriptor;
}

void SimulatedInterface::setInformationTexts(const QString &model, const QString &firmware)
{
    memory().setInformationTexts(model.toLatin1(), firmware.toLatin1());
}

void SimulatedInterface::setBootloaderTexts(const QString &first, const QString &second)
{
    memory().setBootloaderTexts(first.toLatin1(), second.toLatin1());
}

void SimulatedInterface::unplug()
{
    m_busState = BusState::Unplugged;
}

void SimulatedInterface::replug()
{
    if (m_busState == BusState::Unplugged)
        m_busState = BusState::AwaitingAddress;
}

bool SimulatedInterface::awaitsAddress() const
{
    return m_busState == BusState::AwaitingAddress
        || (m_busState == BusState::Restarting && m_clock.elapsedMs() >= m_returnAtMs);
}

void SimulatedInterface::attach(quint64 deviceKey, const QString &deviceName)
{
    m_deviceKey = deviceKey;
    m_deviceName = deviceName;
    m_busState = BusState::Attached;
    m_firmware.powerUp();
}

int SimulatedInterface::controlTransfer(quint8 requestType, quint8 request, quint16 value, quint16 index,
                                        char *data, int length)
{
    const TransferDirection direction = requestType & 0x80 ? TransferDirection::In : TransferDirection::Out;
    const FaultPlan::Verdict verdict = m_faults.nextTransfer(direction);
    if (verdict.action == FaultPlan::Action::Unplug)
        unplug();
    if (verdict.action != FaultPlan::Action::Serve)
        return verdict.result;
    if (requestType != (direction == TransferDirection::In ? vendorIn : vendorOut))
        return UsbResult::Stall;
    return serve(direction, request, value, index, data, data && length > 0 ? length : 0);
}

int SimulatedInterface::serve(TransferDirection direction, quint8 request, quint16 value, quint16 index,
                              char *data, int length)
{
    if (direction == TransferDirection::Out) {
        const int result = m_firmware.receive(request, value, index, QByteArray(data, length));
        if (m_firmware.takeRestartRequest()) {
            m_busState = BusState::Restarting;
            m_returnAtMs = m_clock.elapsedMs() + m_reEnumerationDelayMs;
        }
        return result;
    }

    if (request == readMemoryRequest && !m_faults.isInformationBlockReadable()
        && touchesInformationBlock(value, index, length))
        return UsbResult::Stall;
    int result = UsbResult::Stall;
    QByteArray answer = m_firmware.answer(request, value, index, length, &result);
    if (result >= 0 && request == identifierRequest && !m_faults.identifierAnswer().isEmpty()) {
        answer = m_faults.identifierAnswer().left(length);
        result = int(answer.size());
    }
    if (result > 0)
        std::memcpy(data, answer.constData(), size_t(result));
    return result;
}

bool SimulatedInterface::touchesInformationBlock(quint16 value, quint16 index, int length) const
{
    const quint64 start = quint64(index) << 16 | value;
    const quint64 blockStart = InterfaceMemory::informationBlockAddress;
    return start < blockStart + InterfaceMemory::informationBlockSize && start + quint64(length) > blockStart;
}
