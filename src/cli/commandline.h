// What the command-line tool was asked to do, read from its arguments.
#pragma once

#include "rdm/discoveryrounds.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class CliCommand { List, Discover, Info, Get, Set, Report, Batch, Snapshot, Diff, Check, Watch };
enum class BatchFailure { Stop, KeepGoing };
enum class OutputFormat { Text, Json };

struct CommandLine
{
    CliCommand command = CliCommand::List;
    bool helpRequested = false;
    bool trace = false;
    int interfaceIndex = 0;
    DiscoveryRun discovery = DiscoveryRun::Additional;
    quint64 uid = 0;
    quint16 pid = 0;
    quint16 subDevice = 0;
    QByteArray data;
    OutputFormat format = OutputFormat::Text;
    BatchFailure batchFailure = BatchFailure::Stop;
    // The file arguments; "-" stands for standard input.
    QStringList files;
    // watch: milliseconds between readings, and readings (0: until interrupted).
    int intervalMs = 5000;
    int count = 0;
};

// The arguments without the program name. False with a message for the user on bad arguments.
bool parseCommandLine(const QStringList &arguments, CommandLine *commandLine, QString *error);
// One line of a batch: a command in the same syntax, without the options that apply to the
// whole run (--interface, --trace, --help) and without batch itself.
bool parseBatchLine(const QString &line, CommandLine *commandLine, QString *error);
QString usageText();
