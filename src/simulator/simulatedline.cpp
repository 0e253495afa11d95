// The simulated DMX line: delivers packets to the responders addressed and checks what comes back.
#include "simulator/simulatedline.h"

#include "simulator/boundedlist.h"
#include "simulator/linepacket.h"
#include "simulator/responderprotocol.h"
#include "usb/bytereader.h"

#include <algorithm>

namespace {

// The interface stops re-sending a GET whose answer keeps overflowing after this many parts.
constexpr int MostOverflowParts = 64;
constexpr int DestinationOffset = 3;

// Answers sent at the same moment collide on the wire; the line keeps only bits all of them drive low.
QByteArray collide(const QList<QByteArray> &answers)
{
    QByteArray wire;
    for (const QByteArray &answer : answers) {
        if (wire.isEmpty()) {
            wire = answer;
            continue;
        }
        wire.resize(qMax(wire.size(), answer.size()), char(0xFF));
        for (int i = 0; i < answer.size(); ++i)
            wire[i] = char(wire.at(i) & answer.at(i));
    }
    return wire;
}

std::optional<quint64> destinationOf(const QByteArray &packet)
{
    ByteReader reader(packet);
    reader.skip(DestinationOffset);
    const quint64 destination = reader.uid();
    return reader.ok() ? std::optional<quint64>(destination) : std::nullopt;
}

} // namespace

void SimulatedLine::addResponder(std::shared_ptr<VirtualResponder> responder)
{
    m_responders.append(std::move(responder));
}

void SimulatedLine::removeResponder(quint64 uid)
{
    m_responders.removeIf([uid](const auto &responder) { return responder->uid() == uid; });
}

void SimulatedLine::addResponderAfter(int requestPackets, std::shared_ptr<VirtualResponder> responder)
{
    m_scheduled.append(ScheduledChange{requestPackets, std::move(responder), 0});
}

void SimulatedLine::removeResponderAfter(int requestPackets, quint64 uid)
{
    m_scheduled.append(ScheduledChange{requestPackets, nullptr, uid});
}

std::shared_ptr<VirtualResponder> SimulatedLine::responder(quint64 uid) const
{
    const auto found = std::find_if(m_responders.cbegin(), m_responders.cend(),
                                    [uid](const auto &responder) { return responder->uid() == uid; });
    return found == m_responders.cend() ? nullptr : *found;
}

void SimulatedLine::applyScheduledChanges()
{
    QList<ScheduledChange> later;
    for (ScheduledChange &change : m_scheduled) {
        if (change.afterRequestPackets > m_requestPackets)
            later.append(change);
        else if (change.joining)
            addResponder(std::move(change.joining));
        else
            removeResponder(change.leaving);
    }
    m_scheduled = later;
}

QByteArray SimulatedLine::transmit(const QByteArray &packet)
{
    QList<QByteArray> answers;
    const std::optional<quint64> destination = destinationOf(packet);
    for (const auto &responder : std::as_const(m_responders)) {
        if (!destination || !Rdm::isAddressedTo(*destination, responder->uid()))
            continue;
        const QByteArray answer = responder->handle(packet);
        if (!answer.isEmpty())
            answers.append(answer);
    }
    const QByteArray wire = collide(answers);
    appendKeepingNewest(m_traffic, LineTraffic{packet, wire}, TrafficCapacity);
    return wire;
}

std::optional<ResponseRecord> SimulatedLine::exchange(const QByteArray &requestPacket)
{
    applyScheduledChanges();
    ++m_requestPackets;
    const std::optional<quint64> destination = destinationOf(requestPacket);
    if (destination && Rdm::isBroadcastUid(*destination)) {
        transmit(requestPacket);
        return std::nullopt;
    }
    // The responders judge the packet; the interface needs only its transaction number and command class.
    LinePacket request;
    LinePacket::decode(requestPacket, &request);
    // ACK_OVERFLOW: the interface asks again with the same packet and joins the parts.
    QByteArray joined;
    for (int part = 0; part < MostOverflowParts; ++part) {
        const LineAnswerCheck verdict = LineAnswerCheck::check(transmit(requestPacket), request);
        if (verdict.failure)
            return verdict.failure;
        joined.append(verdict.data);
        if (verdict.responseType == Rdm::ResponseType::Ack || joined.size() >= RecordCapacity)
            return ResponseRecord{1, joined.left(RecordCapacity)};
    }
    return LineAnswerCheck::failed(ResultCode::MissingResponse);
}

QList<quint64> SimulatedLine::discover(DiscoveryKind kind)
{
    applyScheduledChanges();
    LineDiscovery discovery([this](const QByteArray &packet) { return transmit(packet); });
    return discovery.run(kind);
}
