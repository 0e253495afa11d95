// The rig as a simulator scenario: every responder read in full, written so it can be replayed.
#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

class RDM;

// {"interfaces": [{serial, model, firmware, responders}]} in the simulator's scenario format.
// `interfaceText` is the interface's listing text ("D:model FW:firmware SN:serial"); the
// responders are the UIDs found, each read as report reads it, plus the values the format
// carries beyond the device record (display, lamp-on mode, languages, slots, self tests, status
// messages and the manufacturer parameters' values).
QJsonObject readRigSnapshot(RDM &rdm, const QList<quint64> &uids, const QString &interfaceText);
