// Builds the responders of a scenario file onto a simulated line.
#pragma once

#include <QJsonArray>
#include <QString>

class SimulatedClock;
class SimulatedLine;

// Adds one responder per array entry; false with a reason naming the entry on malformed input.
// Moving sensor values follow `clock`, which must outlive the responders.
bool loadResponders(SimulatedLine &line, const QJsonArray &responders, const SimulatedClock &clock, QString *error);
