// Scenario files: a simulated bus described in JSON, and the built-in "demo" rig.
#pragma once

#include "simulator/simulatedbackend.h"

#include <QString>
#include <memory>

// "demo" selects the built-in scenario; any other value is the path of a scenario file.
// On failure returns null and, when error is given, says where the file is wrong and why.
std::unique_ptr<SimulatedBackend> loadScenario(const QString &nameOrPath, QString *error,
                                               SimulatedClock::Source clockSource = SimulatedClock::Source::Steady);
