// A simulated E1.20 responder: discovery, sub-device routing, framing, ACK_TIMER and ACK_OVERFLOW.
#include "simulator/simulatedresponder.h"

#include "simulator/discoveryanswer.h"
#include "usb/bytereader.h"
#include "usb/bytewriter.h"

namespace {

using namespace Rdm;

// Answers an ACK_TIMER leaves for QUEUED_MESSAGE; beyond this the responder reports NR_BUFFER_FULL.
constexpr int QueueCapacity = 255;
// The smallest packet whose destination UID can be read (start codes, length, destination).
constexpr int DestinationEnd = 9;

void increment(quint16 &counter)
{
    if (counter < 0xFFFF)
        ++counter;
}

} // namespace

SimulatedResponder::SimulatedResponder(const ResponderState &state, const ResponderBehaviour &behaviour)
    : m_state(state), m_clock([] { return QDateTime::currentDateTime(); }), m_elapsed([] { return qint64(0); })
{
    setBehaviour(behaviour);
}

void SimulatedResponder::setBehaviour(const ResponderBehaviour &behaviour)
{
    m_behaviour = behaviour;
    // E1.20 10.3.1: whoever answers ACK_TIMER must hand the answer out through QUEUED_MESSAGE.
    if (!behaviour.ackTimerPids.isEmpty())
        m_state.reportsStatus = true;
}

QByteArray SimulatedResponder::handle(const QByteArray &requestPacket)
{
    LinePacket request;
    const LinePacket::DecodeError error = LinePacket::decode(requestPacket, &request);
    if (error != LinePacket::DecodeError::None) {
        countDamagedPacket(requestPacket, request, error);
        return QByteArray();
    }
    if (!isAddressedTo(request.destination, m_state.uid))
        return QByteArray();
    if (request.commandClass == CommandClass::Discovery)
        return answerDiscovery(request);
    if (m_behaviour.silent)
        return QByteArray();

    ParameterReply reply;
    if (m_overflow && m_overflow->requestPacket == requestPacket) {
        reply = nextOverflowChunk();
    } else {
        m_overflow.reset();
        const std::optional<ParameterReply> answered = answer(request);
        if (!answered)
            return QByteArray();
        reply = *answered;
        if (reply.isAck() && reply.data.size() > MaximumParameterData) {
            m_overflow = Overflow{requestPacket, reply, 0};
            reply = nextOverflowChunk();
        }
    }
    // E1.20 6.3.1: broadcasts are carried out but never answered.
    if (isBroadcastUid(request.destination))
        return QByteArray();
    return frame(request, reply);
}

QByteArray SimulatedResponder::answerDiscovery(const LinePacket &request)
{
    if (request.subDevice != RootDevice)
        return QByteArray();
    switch (request.pid) {
    case Pid::DiscUniqueBranch: {
        ByteReader reader(request.data);
        const quint64 lower = reader.uid();
        const quint64 upper = reader.uid();
        if (m_muted || !reader.ok() || m_state.uid < lower || m_state.uid > upper)
            return QByteArray();
        return DiscoveryAnswer::encode(m_state.uid);
    }
    case Pid::DiscMute:
    case Pid::DiscUnMute: {
        if (m_behaviour.refusesMute)
            return QByteArray();
        m_muted = request.pid == Pid::DiscMute;
        if (isBroadcastUid(request.destination))
            return QByteArray();
        quint16 control = 0;
        if (!m_state.subDevices.isEmpty())
            control |= ControlField::SubDevices;
        if (m_state.proxiedDevices)
            control |= ControlField::ManagedProxy;
        ParameterReply reply;
        ByteWriter(&reply.data).u16(control);
        return frame(request, reply);
    }
    default:
        return QByteArray();
    }
}

std::optional<ParameterReply> SimulatedResponder::answer(const LinePacket &request)
{
    if (request.subDevice == AllSubDevices)
        return answerAllSubDevices(request);
    ResponderDevice *device = nullptr;
    if (request.subDevice == RootDevice) {
        device = &m_state.root;
    } else {
        const auto found = m_state.subDevices.find(request.subDevice);
        if (found == m_state.subDevices.end())
            return ParameterReply::nack(Nack::SubDeviceOutOfRange);
        device = &*found;
    }
    if (device->silent)
        return std::nullopt;
    moveSensors(*device);
    ParameterRequest parameterRequest{m_state, *device, request.subDevice, request.data, m_clock};
    const WriteAccess access = m_behaviour.writeProtected ? WriteAccess::Protected : WriteAccess::Allowed;
    const ParameterReply reply = answerParameter(parameterRequest, request.commandClass, request.pid, access);
    if (m_behaviour.ackTimerPids.contains(request.pid) && request.pid != Pid::QueuedMessage)
        return delayWithAckTimer(request, reply);
    return reply;
}

// E1.20 9.2.2: a SET to all sub-devices is carried out by each; a GET cannot be.
ParameterReply SimulatedResponder::answerAllSubDevices(const LinePacket &request)
{
    if (request.commandClass != CommandClass::Set || m_state.subDevices.isEmpty())
        return ParameterReply::nack(Nack::SubDeviceOutOfRange);
    const WriteAccess access = m_behaviour.writeProtected ? WriteAccess::Protected : WriteAccess::Allowed;
    ParameterReply combined = ParameterReply::ack();
    for (auto it = m_state.subDevices.begin(); it != m_state.subDevices.end(); ++it) {
        moveSensors(*it);
        ParameterRequest parameterRequest{m_state, *it, it.key(), request.data, m_clock};
        const ParameterReply reply = answerParameter(parameterRequest, request.commandClass, request.pid, access);
        if (combined.isAck() && !reply.isAck())
            combined = reply;
    }
    return combined;
}

void SimulatedResponder::moveSensors(ResponderDevice &device) const
{
    const qint64 elapsedMs = m_elapsed();
    for (ResponderSensor &sensor : device.sensors)
        sensor.follow(elapsedMs);
}

ParameterReply SimulatedResponder::delayWithAckTimer(const LinePacket &request, const ParameterReply &reply)
{
    if (m_state.queuedResponses.size() >= QueueCapacity)
        return ParameterReply::nack(Nack::BufferFull);
    m_state.queuedResponses.append(QueuedResponse{request.subDevice, quint8(request.commandClass + 1),
                                                  request.pid, reply.responseType, reply.data});
    ParameterReply timer;
    timer.responseType = ResponseType::AckTimer;
    ByteWriter(&timer.data).u16(m_behaviour.ackTimerPids.value(request.pid));
    return timer;
}

ParameterReply SimulatedResponder::nextOverflowChunk()
{
    ParameterReply chunk = m_overflow->reply;
    chunk.data = m_overflow->reply.data.mid(m_overflow->sent, MaximumParameterData);
    m_overflow->sent += int(chunk.data.size());
    if (m_overflow->sent < m_overflow->reply.data.size())
        chunk.responseType = ResponseType::AckOverflow;
    else
        m_overflow.reset();
    return chunk;
}

QByteArray SimulatedResponder::frame(const LinePacket &request, const ParameterReply &reply) const
{
    LinePacket response;
    response.destination = m_behaviour.wrongDestination ? request.source + 1 : request.source;
    response.source = m_state.uid;
    response.transactionNumber = quint8(request.transactionNumber + (m_behaviour.wrongTransactionNumber ? 1 : 0));
    response.portOrResponseType = reply.responseType;
    response.messageCount = quint8(qMin(int(m_state.queuedResponses.size()), 0xFF));
    response.subDevice = reply.queued ? reply.queued->subDevice : request.subDevice;
    const quint8 commandClass = reply.queued ? reply.queued->commandClass : quint8(request.commandClass + 1);
    response.commandClass = m_behaviour.wrongCommandClass ? request.commandClass : commandClass;
    response.pid = reply.queued ? reply.queued->pid : request.pid;
    response.data = reply.data;
    QByteArray bytes = response.encode();
    if (m_behaviour.wrongChecksum)
        bytes[bytes.size() - 1] = char(bytes.at(bytes.size() - 1) + 1);
    return bytes;
}

// E1.20 10.2.1 COMMS_STATUS counts damaged messages meant for this responder.
void SimulatedResponder::countDamagedPacket(const QByteArray &bytes, const LinePacket &request,
                                            LinePacket::DecodeError error)
{
    if (bytes.size() < DestinationEnd || !isAddressedTo(request.destination, m_state.uid))
        return;
    switch (error) {
    case LinePacket::DecodeError::TooShort:
        increment(m_state.comms.shortMessages);
        break;
    case LinePacket::DecodeError::LengthMismatch:
        increment(m_state.comms.lengthMismatches);
        break;
    case LinePacket::DecodeError::ChecksumIncorrect:
        increment(m_state.comms.checksumFailures);
        break;
    case LinePacket::DecodeError::WrongStartCode:
    case LinePacket::DecodeError::None:
        break;
    }
}
