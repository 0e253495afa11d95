// The DMX line behind one simulated interface: its responders, the RDM exchange and discovery.
#pragma once

#include "simulator/lineanswercheck.h"
#include "simulator/linediscovery.h"
#include "simulator/virtualresponder.h"

#include <QByteArray>
#include <QList>
#include <memory>
#include <optional>

// One packet the interface put on the line and what came back.
struct LineTraffic
{
    QByteArray packet;
    QByteArray answer;
};

class SimulatedLine
{
public:
    // The most data a response record carries.
    static constexpr int RecordCapacity = 509;
    // The most traffic entries kept; older ones are dropped.
    static constexpr int TrafficCapacity = 4096;

    void addResponder(std::shared_ptr<VirtualResponder> responder);
    void removeResponder(quint64 uid);
    // The responder joins (leaves) the line once `requestPackets` request-9 packets have been sent.
    void addResponderAfter(int requestPackets, std::shared_ptr<VirtualResponder> responder);
    void removeResponderAfter(int requestPackets, quint64 uid);
    QList<std::shared_ptr<VirtualResponder>> responders() const { return m_responders; }
    std::shared_ptr<VirtualResponder> responder(quint64 uid) const;
    int requestPacketCount() const { return m_requestPackets; }

    // Sends one request packet on the line. The record the interface keeps, or nothing for a broadcast.
    std::optional<ResponseRecord> exchange(const QByteArray &requestPacket);
    // Runs a discovery search and returns the UIDs found, in the order found.
    QList<quint64> discover(DiscoveryKind kind);

    // Every packet of requests and discovery, oldest first.
    QList<LineTraffic> traffic() const { return m_traffic; }
    void clearTraffic() { m_traffic.clear(); }

private:
    struct ScheduledChange
    {
        int afterRequestPackets = 0;
        std::shared_ptr<VirtualResponder> joining;   // null: `leaving` leaves
        quint64 leaving = 0;
    };

    void applyScheduledChanges();
    QByteArray transmit(const QByteArray &packet);

    QList<std::shared_ptr<VirtualResponder>> m_responders;
    QList<ScheduledChange> m_scheduled;
    QList<LineTraffic> m_traffic;
    int m_requestPackets = 0;
};
