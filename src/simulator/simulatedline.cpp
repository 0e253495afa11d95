// The simulated DMX line.
#include "simulator/simulatedline.h"

void SimulatedLine::addResponder(std::shared_ptr<VirtualResponder> responder)
{
    m_responders.append(std::move(responder));
}

void SimulatedLine::removeResponder(quint64 uid)
{
    m_responders.removeIf([uid](const auto &responder) { return responder->uid() == uid; });
}

std::optional<ResponseRecord> SimulatedLine::exchange(const QByteArray &requestPacket)
{
    Q_UNUSED(requestPacket)
    // Nobody answers on an empty line.
    return ResponseRecord{2, QByteArray("\x02\x00\x00", 3)};
}

QList<quint64> SimulatedLine::discover(DiscoveryKind kind)
{
    Q_UNUSED(kind)
    return {};
}
