// Sensor values that move with the simulated clock.
#include "simulator/responderstate.h"

#include <QtMath>

qint16 SensorVariation::valueAt(qint64 elapsedMs) const
{
    if (shape == Shape::Steady)
        return minimum;
    const double phase = double(qMax<qint64>(0, elapsedMs) % periodMs) / double(periodMs);
    double share = 0.0;   // 0 at the minimum, 1 at the maximum
    switch (shape) {
    case Shape::Sine:
        share = (1.0 - qCos(2.0 * M_PI * phase)) / 2.0;
        break;
    case Shape::Triangle:
        share = phase < 0.5 ? 2.0 * phase : 2.0 - 2.0 * phase;
        break;
    case Shape::Ramp:
        share = phase;
        break;
    case Shape::Steady:
        break;
    }
    return qint16(qRound(minimum + share * (int(maximum) - int(minimum))));
}

void ResponderSensor::follow(qint64 elapsedMs)
{
    if (variation.shape == SensorVariation::Shape::Steady)
        return;
    present = variation.valueAt(elapsedMs);
    if (tracksExtremes()) {
        lowest = qMin(lowest, present);
        highest = qMax(highest, present);
    }
}
