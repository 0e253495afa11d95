// A configurable E1.20 responder that keeps its own state and answers with correct framing.
#pragma once

#include "simulator/linepacket.h"
#include "simulator/responderbehaviour.h"
#include "simulator/responderparameters.h"
#include "simulator/responderstate.h"
#include "simulator/virtualresponder.h"

#include <QDateTime>
#include <functional>
#include <optional>

class SimulatedResponder : public VirtualResponder
{
public:
    using Clock = std::function<QDateTime()>;
    using ElapsedClock = std::function<qint64()>;

    explicit SimulatedResponder(const ResponderState &state,
                                const ResponderBehaviour &behaviour = ResponderBehaviour());

    quint64 uid() const override { return m_state.uid; }
    QByteArray handle(const QByteArray &requestPacket) override;

    const ResponderState &state() const { return m_state; }
    ResponderState &state() { return m_state; }
    const ResponderBehaviour &behaviour() const { return m_behaviour; }
    void setBehaviour(const ResponderBehaviour &behaviour);
    bool isMuted() const { return m_muted; }
    // The host time the real-time clock runs from; the system clock unless a test sets another.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    // Milliseconds the moving sensor values run on; they stand at time 0 until one is set.
    void setElapsedClock(ElapsedClock clock) { m_elapsed = std::move(clock); }

private:
    struct Overflow
    {
        QByteArray requestPacket;
        ParameterReply reply;
        int sent = 0;
    };

    QByteArray answerDiscovery(const LinePacket &request);
    std::optional<ParameterReply> answer(const LinePacket &request);
    ParameterReply answerAllSubDevices(const LinePacket &request);
    void moveSensors(ResponderDevice &device) const;
    ParameterReply delayWithAckTimer(const LinePacket &request, const ParameterReply &reply);
    ParameterReply nextOverflowChunk();
    QByteArray frame(const LinePacket &request, const ParameterReply &reply) const;
    void countDamagedPacket(const QByteArray &bytes, const LinePacket &request, LinePacket::DecodeError error);

    ResponderState m_state;
    ResponderBehaviour m_behaviour;
    bool m_muted = false;
    Clock m_clock;
    ElapsedClock m_elapsed;
    std::optional<Overflow> m_overflow;
};
