// The DMX line behind one simulated interface: its responders, the RDM exchange and discovery.
#pragma once

#include "simulator/virtualresponder.h"

#include <QByteArray>
#include <QList>
#include <memory>
#include <optional>

// What the interface keeps for request 10 to fetch: status byte and data.
struct ResponseRecord
{
    quint8 status = 0;
    QByteArray data;
};

enum class DiscoveryKind { Full, Additional };

class SimulatedLine
{
public:
    void addResponder(std::shared_ptr<VirtualResponder> responder);
    void removeResponder(quint64 uid);
    QList<std::shared_ptr<VirtualResponder>> responders() const { return m_responders; }

    // Sends one request packet on the line. The record the interface keeps, or nothing for a broadcast.
    std::optional<ResponseRecord> exchange(const QByteArray &requestPacket);
    // Runs a discovery search and returns the UIDs found, in the order found.
    QList<quint64> discover(DiscoveryKind kind);

private:
    QList<std::shared_ptr<VirtualResponder>> m_responders;
};
