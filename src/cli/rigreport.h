// The rig report: every responder found and its sub-devices, fully read, as one JSON document.
#pragma once

#include <QJsonObject>
#include <QList>

class RDM;

// {"devices": [...]}: in discovery order, each root device followed by its sub-devices in
// ascending number, each the record of a full read with "answered" (whether it answered DEVICE_INFO)
// and "failedGets" (the GETs that failed, as readFullDetails names them).
QJsonObject readRigReport(RDM &rdm, const QList<quint64> &uids);
// True when every device of the report answered DEVICE_INFO.
bool everyDeviceAnswered(const QJsonObject &report);
