// The time source of the simulated bus: a steady clock in the product, advanced by hand in tests.
#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

class SimulatedClock
{
public:
    enum class Source { Steady, Manual };

    explicit SimulatedClock(Source source);

    Source source() const { return m_source; }
    // Milliseconds since the clock was made: real time (steady source only) plus every advance().
    qint64 elapsedMs() const;
    void advance(qint64 milliseconds);

private:
    Source m_source;
    QElapsedTimer m_timer;
    qint64 m_advancedMs = 0;
};
