// The rig report: every responder found and its sub-devices, fully read, as one JSON document.
#pragma once

#include <QJsonObject>
#include <QList>

class RDM;

// {"devices": [...]}: in discovery order, each root device followed by its sub-devices in
// ascending number, each the record of a full read.
QJsonObject readRigReport(RDM &rdm, const QList<quint64> &uids);
