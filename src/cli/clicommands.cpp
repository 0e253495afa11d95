// list, discover, info, get, set, report, batch and watch over one interface connection.
#include "cli/clicommands.h"

#include "cli/argumentvalues.h"
#include "cli/clisession.h"
#include "cli/reportdiff.h"
#include "cli/reportfile.h"
#include "cli/rigcheck.h"
#include "cli/rigreport.h"
#include "cli/rigsnapshot.h"
#include "cli/sensorwatch.h"
#include "cli/textprogressbar.h"
#include "rdm/answerrendering.h"
#include "rdm/devicereader.h"
#include "rdm/parameterids.h"
#include "rdm/recordjson.h"
#include "rdm/uidtext.h"
#include "settings/savefile.h"
#include "usb/bytereader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>
#include <cstdio>

namespace {

void writeLines(QTextStream &stream, const QStringList &lines)
{
    for (const QString &line : lines)
        stream << line << '\n';
}

int failWith(QTextStream &err, int exitCode, const QString &message)
{
    err << "orv-rdm-cli: " << message << '\n';
    return exitCode;
}

// The engine's log so far goes to `err`; an interface lost on the way ends the command.
bool reportLoss(CliSession &session, QTextStream &err)
{
    writeLines(err, session.takeLogLines());
    if (!session.isInterfaceLost())
        return false;
    failWith(err, CliExit::InterfaceLost, QStringLiteral("the interface was lost: a USB transfer failed"));
    return true;
}

QString deviceText(quint64 uid, quint16 subDevice)
{
    return subDevice == 0 ? uidText(uid) : QStringLiteral("%1 sub-device %2").arg(uidText(uid)).arg(subDevice);
}

// A transaction result in words, without the response record's reason.
QString resultWords(int result)
{
    switch (result) {
    case -1:
        return QStringLiteral("not sent (USB send error)");
    case -2:
        return QStringLiteral("no answer read (USB receive error)");
    default:
        return QStringLiteral("not acknowledged");
    }
}

// Why the last exchange failed, as a technician says it: "no response", "NACK: NR_UNKNOWN_PID".
QString failureWords(const RDM &rdm, int result)
{
    const QString recordReason = rdm.responseErrorText();
    if (result != -3 || recordReason.isEmpty())
        return resultWords(result);
    ByteReader reader(reinterpret_cast<const char *>(rdm.responseData()), rdm.responseLength());
    const quint8 code = reader.u8();
    const quint16 detail = reader.u16();
    constexpr quint8 missingResponse = 2;
    constexpr quint8 nack = 6;
    if (code == missingResponse)
        return QStringLiteral("no response");
    if (code == nack && nackReasonName(detail))
        return QStringLiteral("NACK: ") + QLatin1String(nackReasonName(detail));
    if (code == nack)
        return QStringLiteral("NACK: reason 0x%1").arg(detail, 4, 16, QLatin1Char('0'));
    return recordReason;
}

// What the renderer needs to know of the PID: a manufacturer-specific one is decoded by its
// PARAMETER_DESCRIPTION, asked for here (after the answer was copied, since it reuses the record).
ParameterRecord describedParameter(RDM &rdm, const CommandLine &commandLine)
{
    DeviceRecord record(commandLine.uid, commandLine.subDevice);
    record.parameters[commandLine.pid].pid = commandLine.pid;
    if (isManufacturerSpecificPid(commandLine.pid)
        && rdm.getParameterDescription(commandLine.uid, commandLine.subDevice, commandLine.pid) >= 0)
        record.storeParameterDescription(rdm.responseData(), rdm.responseLength());
    return record.parameters[commandLine.pid];
}

// The decoded answer: every GET, and the one SET that answers with values.
QString decodedValue(RDM &rdm, const CommandLine &commandLine, const QByteArray &answer)
{
    const auto *data = reinterpret_cast<const quint8 *>(answer.constData());
    if (commandLine.command == CliCommand::Get)
        return renderGetAnswer(describedParameter(rdm, commandLine), data, int(answer.size()), AnswerFormat::PlainText);
    if (commandLine.pid == Pid::SensorValue)
        return renderSensorValueSetAnswer(data, int(answer.size()), AnswerFormat::PlainText);
    return QString();
}

// Success with the UIDs found, or the exit status of a failed or interrupted discovery.
int runDiscovery(CliSession &session, DiscoveryRun run, QTextStream &err, QList<quint64> *uids)
{
    TextProgressBar progress(err, progressStyleFor(fileno(stderr)));
    session.rdm().setDiscoveryProgress(&progress);
    const int result = discoverLine(session.rdm(), run, nullptr, uids);
    session.rdm().setDiscoveryProgress(nullptr);
    if (reportLoss(session, err))
        return CliExit::InterfaceLost;
    if (result != 0)
        return failWith(err, CliExit::RdmFailure, QStringLiteral("discovery failed: %1").arg(resultWords(result)));
    return CliExit::Success;
}

int discover(const CommandLine &commandLine, CliSession &session, QTextStream &out, QTextStream &err)
{
    QList<quint64> uids;
    if (const int status = runDiscovery(session, commandLine.discovery, err, &uids); status != CliExit::Success)
        return status;
    for (const quint64 uid : uids)
        out << uidText(uid) << '\n';
    return CliExit::Success;
}

int info(const CommandLine &commandLine, CliSession &session, QTextStream &out, QTextStream &err)
{
    DeviceRecord record(commandLine.uid, commandLine.subDevice);
    readModelDescription(session.rdm(), record);
    const int result = readFullDetails(session.rdm(), record);
    if (reportLoss(session, err))
        return CliExit::InterfaceLost;
    if (result != 0) {
        return failWith(err, CliExit::RdmFailure, QStringLiteral("%1 does not answer DEVICE_INFO: %2")
                                                      .arg(deviceText(commandLine.uid, commandLine.subDevice),
                                                           resultWords(result)));
    }
    record.detailsFetched = true;
    out << QJsonDocument(deviceRecordJson(record)).toJson(QJsonDocument::Indented);
    return CliExit::Success;
}

int transaction(const CommandLine &commandLine, CliSession &session, QTextStream &out, QTextStream &err)
{
    RDM &rdm = session.rdm();
    const auto *data = reinterpret_cast<const quint8 *>(commandLine.data.constData());
    const quint8 length = quint8(commandLine.data.size());
    const bool isSet = commandLine.command == CliCommand::Set;
    const int result = isSet ? rdm.rdmSet(commandLine.uid, commandLine.pid, length, data, commandLine.subDevice)
                             : rdm.rdmGet(commandLine.uid, commandLine.pid, length, data, commandLine.subDevice);
    const QStringList log = session.takeLogLines();
    const bool broadcast = isSet && (isBroadcastUid(commandLine.uid) || commandLine.subDevice == allSubDevices);
    const bool answered = result == 0 && !broadcast;
    const QByteArray answer = answered ? QByteArray(reinterpret_cast<const char *>(rdm.responseData()), rdm.responseLength())
                                       : QByteArray();
    const QString value = answered ? decodedValue(rdm, commandLine, answer) : QString();

    if (commandLine.format == OutputFormat::Json) {
        const QJsonObject outcome{
            {QStringLiteral("uid"), uidText(commandLine.uid)},
            {QStringLiteral("subDevice"), commandLine.subDevice},
            {QStringLiteral("pid"), hexText(commandLine.pid, 4)},
            {QStringLiteral("result"), result},
            {QStringLiteral("data"), answered ? QJsonValue(QString::fromLatin1(answer.toHex())) : QJsonValue()},
            {QStringLiteral("value"), value.isEmpty() ? QJsonValue() : QJsonValue(value)},
            {QStringLiteral("log"), QJsonArray::fromStringList(log)},
        };
        out << QJsonDocument(outcome).toJson(QJsonDocument::Compact) << '\n';
    } else {
        writeLines(out, log);
        out << "result: " << result << '\n';
        if (answered)
            out << "data:" << (answer.isEmpty() ? QByteArray() : ' ' + answer.toHex()) << '\n';
        if (!value.isEmpty())
            out << "value: " << value << '\n';
    }
    if (reportLoss(session, err))
        return CliExit::InterfaceLost;
    if (result != 0) {
        return failWith(err, CliExit::RdmFailure,
                        QStringLiteral("%1 of %2 to %3 failed: %4")
                            .arg(isSet ? QStringLiteral("SET") : QStringLiteral("GET"), hexText(commandLine.pid, 4),
                                 deviceText(commandLine.uid, commandLine.subDevice), failureWords(rdm, result)));
    }
    return CliExit::Success;
}

// Discovers the line and reads every device found into `rig`.
int readLiveRig(const CommandLine &commandLine, CliSession &session, QTextStream &err, QJsonObject *rig)
{
    QList<quint64> uids;
    if (const int status = runDiscovery(session, commandLine.discovery, err, &uids); status != CliExit::Success)
        return status;
    *rig = readRigReport(session.rdm(), uids);
    return reportLoss(session, err) ? CliExit::InterfaceLost : CliExit::Success;
}

int report(const CommandLine &commandLine, CliSession &session, QTextStream &out, QTextStream &err)
{
    QJsonObject rig;
    if (const int status = readLiveRig(commandLine, session, err, &rig); status != CliExit::Success)
        return status;
    out << QJsonDocument(rig).toJson(QJsonDocument::Indented);
    if (!everyDeviceAnswered(rig))
        return failWith(err, CliExit::RdmFailure, QStringLiteral("a device did not answer DEVICE_INFO"));
    return CliExit::Success;
}

int snapshot(const CommandLine &commandLine, const QString &interfaceText, CliSession &session, QTextStream &err)
{
    QList<quint64> uids;
    if (const int status = runDiscovery(session, commandLine.discovery, err, &uids); status != CliExit::Success)
        return status;
    const QJsonObject scenario = readRigSnapshot(session.rdm(), uids, interfaceText);
    if (reportLoss(session, err))
        return CliExit::InterfaceLost;
    const QString path = commandLine.files.constFirst();
    if (QString error; !saveBytes(path, QJsonDocument(scenario).toJson(QJsonDocument::Indented), &error))
        return failWith(err, CliExit::CannotWrite, QStringLiteral("cannot write %1: %2").arg(path, error));
    err << QStringLiteral("%1 device(s) written to %2").arg(uids.size()).arg(path) << '\n';
    return CliExit::Success;
}

int diff(const CommandLine &commandLine, QTextStream &out, QTextStream &err)
{
    QString reason;
    const std::optional<QJsonArray> oldDevices = readReportFile(commandLine.files.at(0), &reason);
    const std::optional<QJsonArray> newDevices = oldDevices ? readReportFile(commandLine.files.at(1), &reason) : std::nullopt;
    if (!newDevices)
        return failWith(err, CliExit::Usage, reason);
    const ReportDifferences differences = compareReports(*oldDevices, *newDevices);
    if (commandLine.format == OutputFormat::Json)
        out << QJsonDocument(differences.toJson()).toJson(QJsonDocument::Indented);
    else
        writeLines(out, differences.lines());
    return differences.isEmpty() ? CliExit::Success : CliExit::Findings;
}

int checkDevices(const QJsonArray &devices, QTextStream &out)
{
    const QStringList problems = rigProblems(devices);
    writeLines(out, problems);
    if (problems.isEmpty())
        out << "no problems found\n";
    return problems.isEmpty() ? CliExit::Success : CliExit::Findings;
}

int checkReportFile(const CommandLine &commandLine, QTextStream &out, QTextStream &err)
{
    QString reason;
    const std::optional<QJsonArray> devices = readReportFile(commandLine.files.constFirst(), &reason);
    if (!devices)
        return failWith(err, CliExit::Usage, reason);
    return checkDevices(*devices, out);
}

int checkLiveRig(const CommandLine &commandLine, CliSession &session, QTextStream &out, QTextStream &err)
{
    QJsonObject rig;
    if (const int status = readLiveRig(commandLine, session, err, &rig); status != CliExit::Success)
        return status;
    return checkDevices(rig.value(QLatin1String("devices")).toArray(), out);
}

// The commands that work on files alone, without an interface.
bool isOffline(const CommandLine &commandLine)
{
    return commandLine.command == CliCommand::Diff || (commandLine.command == CliCommand::Check && !commandLine.files.isEmpty());
}

int runOffline(const CommandLine &commandLine, QTextStream &out, QTextStream &err)
{
    return commandLine.command == CliCommand::Diff ? diff(commandLine, out, err) : checkReportFile(commandLine, out, err);
}

int listInterfaces(const QStringList &interfaces, QTextStream &out)
{
    for (int i = 0; i < interfaces.size(); ++i)
        out << i << ": " << interfaces.at(i) << '\n';
    return CliExit::Success;
}

// One command over the open connection.
int runConnected(const CommandLine &commandLine, const QStringList &interfaces, CliSession &session, QTextStream &out,
                 QTextStream &err)
{
    if (isOffline(commandLine))
        return runOffline(commandLine, out, err);
    switch (commandLine.command) {
    case CliCommand::List:
        return listInterfaces(interfaces, out);
    case CliCommand::Discover:
        return discover(commandLine, session, out, err);
    case CliCommand::Info:
        return info(commandLine, session, out, err);
    case CliCommand::Get:
    case CliCommand::Set:
        return transaction(commandLine, session, out, err);
    case CliCommand::Report:
        return report(commandLine, session, out, err);
    case CliCommand::Snapshot:
        return snapshot(commandLine, interfaces.value(commandLine.interfaceIndex), session, err);
    case CliCommand::Check:
        return checkLiveRig(commandLine, session, out, err);
    case CliCommand::Watch:
        return watchSensors(session,
                            {commandLine.uid, commandLine.subDevice, commandLine.intervalMs, commandLine.count},
                            *Clock::system(), out, err);
    case CliCommand::Batch:
    case CliCommand::Diff:
        break;
    }
    return CliExit::Usage;
}

struct BatchCommand
{
    int lineNumber;
    CommandLine commandLine;
};

// Every command of the batch file, or the exit status of a file that cannot be read or parsed;
// nothing is sent before the whole file has parsed.
int readBatch(const CommandLine &commandLine, QTextStream &err, QList<BatchCommand> *commands)
{
    const QString path = commandLine.files.value(0, QStringLiteral("-"));
    QFile file(path);
    const bool opened = path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly | QIODevice::Text)
                                                   : file.open(QIODevice::ReadOnly | QIODevice::Text);
    if (!opened)
        return failWith(err, CliExit::Usage, QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    int lineNumber = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        BatchCommand command{lineNumber, CommandLine()};
        QString error;
        if (!parseBatchLine(line, &command.commandLine, &error))
            return failWith(err, CliExit::Usage, QStringLiteral("line %1: %2").arg(lineNumber).arg(error));
        commands->append(command);
    }
    return CliExit::Success;
}

// The commands in order over one connection; the first failure's status is the batch's.
int runBatch(const CommandLine &commandLine, const QList<BatchCommand> &commands, const QStringList &interfaces,
             CliSession &session, QTextStream &out, QTextStream &err)
{
    int firstFailure = CliExit::Success;
    for (const BatchCommand &command : commands) {
        const int status = runConnected(command.commandLine, interfaces, session, out, err);
        out.flush();
        if (status == CliExit::Success)
            continue;
        failWith(err, status, QStringLiteral("line %1 failed with exit status %2").arg(command.lineNumber).arg(status));
        if (firstFailure == CliExit::Success)
            firstFailure = status;
        // A lost interface leaves nothing to send the rest to.
        if (commandLine.batchFailure == BatchFailure::Stop || status == CliExit::InterfaceLost)
            break;
    }
    return firstFailure;
}

} // namespace

int runCommand(const CommandLine &commandLine, QTextStream &out, QTextStream &err)
{
    if (isOffline(commandLine))
        return runOffline(commandLine, out, err);
    QList<BatchCommand> batch;
    if (commandLine.command == CliCommand::Batch) {
        if (const int status = readBatch(commandLine, err, &batch); status != CliExit::Success)
            return status;
    }

    CliSession session;
    const QStringList interfaces = session.interfaces();
    if (interfaces.isEmpty()) {
        failWith(err, CliExit::NoInterface, QStringLiteral("no interface found"));
        err << "For a real Rb604, install the udev rule described in packaging/README.md and plug it in again;\n"
               "to try without one, set RB604_SIMULATOR=demo.\n";
        return CliExit::NoInterface;
    }
    if (commandLine.command == CliCommand::List)
        return listInterfaces(interfaces, out);
    if (commandLine.interfaceIndex >= interfaces.size()) {
        return failWith(err, CliExit::NoInterface, QStringLiteral("no interface %1: %2 found")
                                                       .arg(commandLine.interfaceIndex)
                                                       .arg(interfaces.size()));
    }
    if (!session.connectInterface(commandLine.interfaceIndex)) {
        return failWith(err, CliExit::NoInterface, QStringLiteral("cannot open interface %1: %2")
                                                       .arg(commandLine.interfaceIndex)
                                                       .arg(interfaces.at(commandLine.interfaceIndex)));
    }
    if (reportLoss(session, err))
        return CliExit::InterfaceLost;

    if (commandLine.command == CliCommand::Batch)
        return runBatch(commandLine, batch, interfaces, session, out, err);
    return runConnected(commandLine, interfaces, session, out, err);
}
