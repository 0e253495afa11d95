// Builds the responders of a scenario file onto a simulated line.
#pragma once

#include <QJsonArray>
#include <QString>

class SimulatedLine;

// Adds one responder per array entry; false with a reason naming the entry on malformed input.
bool loadResponders(SimulatedLine &line, const QJsonArray &responders, QString *error);
