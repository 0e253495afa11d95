// Waits of a firmware upgrade move the simulated bus's clock, so a restart takes no real time.
#pragma once

#include "rdm/clock.h"
#include "simulator/simulatedclock.h"

class BusClock : public Clock
{
public:
    explicit BusClock(SimulatedClock &bus) : m_bus(bus) {}
    QDateTime now() const override { return QDateTime::fromMSecsSinceEpoch(m_bus.elapsedMs()); }
    void sleep(int milliseconds) override { m_bus.advance(milliseconds); }

private:
    SimulatedClock &m_bus;
};
