// Time source for the re-enumeration delays of simulated interfaces.
#include "simulator/simulatedclock.h"

SimulatedClock::SimulatedClock(Source source) : m_source(source)
{
    m_timer.start();
}

qint64 SimulatedClock::elapsedMs() const
{
    const qint64 realMs = m_source == Source::Steady ? m_timer.elapsed() : 0;
    return realMs + m_advancedMs;
}

void SimulatedClock::advance(qint64 milliseconds)
{
    m_advancedMs += qMax<qint64>(0, milliseconds);
}
