// The discovery search of the simulated interface, over the same packet path as every request.
#include "simulator/linediscovery.h"

#include "simulator/discoveryanswer.h"
#include "simulator/linepacket.h"
#include "simulator/responderprotocol.h"
#include "usb/bytewriter.h"

LineDiscovery::LineDiscovery(Transmit transmit) : m_transmit(std::move(transmit)) {}

QList<quint64> LineDiscovery::run(DiscoveryKind kind)
{
    m_found.clear();
    m_unmutable.clear();
    if (kind == DiscoveryKind::Full)
        m_transmit(discoveryPacket(Rdm::BroadcastUid, Rdm::Pid::DiscUnMute, QByteArray()));
    searchBranch(0, Rdm::BroadcastUid);
    return m_found;
}

// E1.20 7.7: a clean answer names a responder, which is muted and the branch asked again;
// a garbled answer means several responders share the branch, so it is halved.
void LineDiscovery::searchBranch(quint64 lower, quint64 upper)
{
    while (m_found.size() < MostUids) {
        QByteArray range;
        ByteWriter(&range).uid(lower).uid(upper);
        const QByteArray answer = m_transmit(discoveryPacket(Rdm::BroadcastUid, Rdm::Pid::DiscUniqueBranch, range));
        if (answer.isEmpty())
            return;
        quint64 uid = 0;
        const bool isClean = DiscoveryAnswer::decode(answer, &uid) == DiscoveryAnswer::DecodeError::None
                             && uid >= lower && uid <= upper;
        if (isClean && !m_found.contains(uid) && !m_unmutable.contains(uid)) {
            if (mute(uid)) {
                m_found.append(uid);
                continue;
            }
            m_unmutable.insert(uid);
        }
        if (lower == upper) {
            // Alone in its branch but deaf to DISC_MUTE: present all the same.
            if (isClean && !m_found.contains(uid))
                m_found.append(uid);
            return;
        }
        const quint64 middle = lower + (upper - lower) / 2;
        searchBranch(lower, middle);
        searchBranch(middle + 1, upper);
        return;
    }
}

bool LineDiscovery::mute(quint64 uid)
{
    const QByteArray request = discoveryPacket(uid, Rdm::Pid::DiscMute, QByteArray());
    LinePacket answer;
    return LinePacket::decode(m_transmit(request), &answer) == LinePacket::DecodeError::None
           && answer.source == uid && answer.commandClass == Rdm::CommandClass::DiscoveryResponse
           && answer.pid == Rdm::Pid::DiscMute && answer.portOrResponseType == Rdm::ResponseType::Ack;
}

QByteArray LineDiscovery::discoveryPacket(quint64 destination, quint16 pid, const QByteArray &data) const
{
    LinePacket packet;
    packet.destination = destination;
    packet.source = Rdm::ControllerUid;
    packet.portOrResponseType = 1;
    packet.commandClass = Rdm::CommandClass::Discovery;
    packet.pid = pid;
    packet.data = data;
    return packet.encode();
}
