// Responders described in scenario files.
#include "simulator/responderscenario.h"

#include "simulator/simulatedline.h"

bool loadResponders(SimulatedLine &line, const QJsonArray &responders, QString *error)
{
    Q_UNUSED(line)
    if (responders.isEmpty())
        return true;
    if (error)
        *error = QStringLiteral("responders: no responder model is available");
    return false;
}
