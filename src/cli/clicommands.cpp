// list, discover, info, get, set and report over one interface connection.
#include "cli/clicommands.h"

#include "cli/argumentvalues.h"
#include "cli/clisession.h"
#include "cli/rigreport.h"
#include "cli/textprogressbar.h"
#include "rdm/devicereader.h"
#include "rdm/recordjson.h"
#include "rdm/uidtext.h"

#include <QJsonDocument>
#include <QTextStream>

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

QString pidText(quint16 pid)
{
    return QStringLiteral("0x") + QString::number(pid, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

// Success with the UIDs found, or the exit status of a failed or interrupted discovery.
int runDiscovery(CliSession &session, DiscoveryRun run, QTextStream &err, QList<quint64> *uids)
{
    int result = 0;
    if (run == DiscoveryRun::Full) {
        TextProgressBar progress(err);
        session.rdm().setDiscoveryProgress(&progress);
        result = session.rdm().fullDiscovery(nullptr);
        session.rdm().setDiscoveryProgress(nullptr);
    } else {
        result = session.rdm().additionalDiscovery();
    }
    if (result == 0)
        session.rdm().discoveredUids(uids);
    if (reportLoss(session, err))
        return CliExit::InterfaceLost;
    if (result != 0)
        return failWith(err, CliExit::RdmFailure, QStringLiteral("discovery failed (%1)").arg(result));
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
        return failWith(err, CliExit::RdmFailure, QStringLiteral("%1 does not answer DEVICE_INFO (%2)")
                                                      .arg(deviceText(commandLine.uid, commandLine.subDevice))
                                                      .arg(result));
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
    writeLines(out, session.takeLogLines());
    out << "result: " << result << '\n';
    const bool broadcast = isSet && (isBroadcastUid(commandLine.uid) || commandLine.subDevice == allSubDevices);
    if (result == 0 && !broadcast) {
        const QByteArray answer(reinterpret_cast<const char *>(rdm.responseData()), rdm.responseLength());
        out << "data:" << (answer.isEmpty() ? QByteArray() : ' ' + answer.toHex()) << '\n';
    }
    if (reportLoss(session, err))
        return CliExit::InterfaceLost;
    if (result != 0) {
        const QString reason = result == -3 ? rdm.responseErrorText() : QString();
        return failWith(err, CliExit::RdmFailure,
                        QStringLiteral("%1 of %2 to %3 failed (%4)%5")
                            .arg(isSet ? QStringLiteral("SET") : QStringLiteral("GET"), pidText(commandLine.pid),
                                 deviceText(commandLine.uid, commandLine.subDevice))
                            .arg(result)
                            .arg(reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
    }
    return CliExit::Success;
}

int report(const CommandLine &commandLine, CliSession &session, QTextStream &out, QTextStream &err)
{
    QList<quint64> uids;
    if (const int status = runDiscovery(session, commandLine.discovery, err, &uids); status != CliExit::Success)
        return status;
    const QJsonObject rig = readRigReport(session.rdm(), uids);
    if (reportLoss(session, err))
        return CliExit::InterfaceLost;
    out << QJsonDocument(rig).toJson(QJsonDocument::Indented);
    return CliExit::Success;
}

int listInterfaces(const QStringList &interfaces, QTextStream &out)
{
    for (int i = 0; i < interfaces.size(); ++i)
        out << i << ": " << interfaces.at(i) << '\n';
    return CliExit::Success;
}

} // namespace

int runCommand(const CommandLine &commandLine, QTextStream &out, QTextStream &err)
{
    CliSession session;
    const QStringList interfaces = session.interfaces();
    if (interfaces.isEmpty())
        return failWith(err, CliExit::NoInterface, QStringLiteral("no interface found"));
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

    switch (commandLine.command) {
    case CliCommand::Discover:
        return discover(commandLine, session, out, err);
    case CliCommand::Info:
        return info(commandLine, session, out, err);
    case CliCommand::Get:
    case CliCommand::Set:
        return transaction(commandLine, session, out, err);
    case CliCommand::Report:
        return report(commandLine, session, out, err);
    case CliCommand::List:
        break;
    }
    return CliExit::Success;
}
