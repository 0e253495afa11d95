// Logging a device's sensors as CSV until a count of readings or an interruption.
#include "cli/sensorwatch.h"

#include "cli/clicommands.h"
#include "cli/clisession.h"
#include "rdm/clock.h"
#include "rdm/sensorhistory.h"
#include "rdm/uidtext.h"

#include <QTextStream>
#include <csignal>

namespace {

volatile std::sig_atomic_t interrupted = 0;

void interrupt(int)
{
    interrupted = 1;
}

// Short enough that Ctrl+C ends a long wait at once.
constexpr int WaitSliceMs = 100;

// The engine's log goes to `err`; true when a failed transfer has closed the interface.
bool interfaceLost(CliSession &session, QTextStream &err)
{
    for (const QString &line : session.takeLogLines())
        err << line << '\n';
    err.flush();
    if (!session.isInterfaceLost())
        return false;
    err << "orv-rdm-cli: the interface was lost: a USB transfer failed\n";
    return true;
}

void wait(Clock &clock, int milliseconds)
{
    for (int waited = 0; waited < milliseconds && !interrupted; waited += WaitSliceMs)
        clock.sleep(qMin(WaitSliceMs, milliseconds - waited));
}

} // namespace

int watchSensors(CliSession &session, const WatchRequest &request, Clock &clock, QTextStream &out, QTextStream &err)
{
    RDM &rdm = session.rdm();
    DeviceRecord record(request.uid, request.subDevice);
    const QString device = request.subDevice == 0
                               ? uidText(request.uid)
                               : QStringLiteral("%1 sub-device %2").arg(uidText(request.uid)).arg(request.subDevice);
    const int info = rdm.getDeviceInfo(record.uid, record.subDevice);
    if (info >= 0)
        record.storeDeviceInfo(rdm.responseData(), rdm.responseLength());
    if (interfaceLost(session, err))
        return CliExit::InterfaceLost;
    if (info < 0) {
        err << "orv-rdm-cli: " << device << " does not answer DEVICE_INFO (" << info << ")\n";
        return CliExit::RdmFailure;
    }
    for (int sensor = 0; sensor < record.sensorCount; ++sensor) {
        if (rdm.getSensorDefinition(record.uid, record.subDevice, quint8(sensor)) >= 0)
            record.storeSensorDefinition(rdm.responseData(), rdm.responseLength());
    }
    if (interfaceLost(session, err))
        return CliExit::InterfaceLost;
    if (record.sensors.empty()) {
        err << "orv-rdm-cli: " << device << " has no sensors to watch\n";
        return CliExit::RdmFailure;
    }

    interrupted = 0;
    const auto previous = std::signal(SIGINT, interrupt);
    out << sensorCsvHeader();
    out.flush();
    int status = CliExit::Success;
    for (int reading = 0; (request.count == 0 || reading < request.count) && !interrupted; ++reading) {
        if (reading > 0)
            wait(clock, request.intervalMs);
        if (interrupted)
            break;
        // One reading's history: the lines go out at once, nothing piles up over a long watch.
        SensorHistory history;
        for (const auto &entry : record.sensors)
            readSensorValue(rdm, record, entry.first, history, clock.now());
        for (const auto &[number, samples] : history.all()) {
            for (const SensorSample &sample : samples)
                out << sensorCsvLine(sample.time, record.sensors.at(number), sample.value);
        }
        out.flush();
        if (interfaceLost(session, err)) {
            status = CliExit::InterfaceLost;
            break;
        }
    }
    std::signal(SIGINT, previous);
    return status;
}
