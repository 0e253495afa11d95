// A scenario written as a file into the working directory and loaded on the manual clock.
#pragma once

#include "simulator/scenario.h"

#include <QFile>

inline std::unique_ptr<SimulatedBackend> loadScenarioText(const QByteArray &text, QString *error)
{
    QFile file(QStringLiteral("scenario.json"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()) {
        *error = file.errorString();
        return nullptr;
    }
    file.close();
    return loadScenario(file.fileName(), error, SimulatedClock::Source::Manual);
}
