// The watch command: a device's sensors read again and again, one CSV line per sensor per reading.
#pragma once

#include <QtGlobal>

class Clock;
class CliSession;
class QTextStream;

struct WatchRequest
{
    quint64 uid = 0;
    quint16 subDevice = 0;
    int intervalMs = 5000;
    // 0: until interrupted.
    int count = 0;
};

// Reads the device's sensor definitions, then every sensor once per reading, waiting `intervalMs`
// on `clock` between readings, until `count` readings or Ctrl+C. CSV on `out`, messages on `err`.
// Returns the tool's exit status.
int watchSensors(CliSession &session, const WatchRequest &request, Clock &clock, QTextStream &out, QTextStream &err);
