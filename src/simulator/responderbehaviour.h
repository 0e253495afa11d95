// The habits and faults of one simulated responder, switched on by tests and scenario files.
#pragma once

#include <QMap>
#include <QtGlobal>

struct ResponderBehaviour
{
    bool silent = false;                   // takes part in discovery, never answers a GET or SET
    bool wrongChecksum = false;            // every answer's checksum is off by one
    bool wrongTransactionNumber = false;   // answers carry the request's transaction number + 1
    bool wrongDestination = false;         // answers go to another controller UID
    bool wrongCommandClass = false;        // answers echo the request's command class
    bool refusesMute = false;              // neither answers DISC_MUTE nor stops answering discovery
    bool writeProtected = false;           // every SET is refused with NR_WRITE_PROTECT
    QMap<quint16, quint16> ackTimerPids;   // PID -> estimate in tenths of a second
};
