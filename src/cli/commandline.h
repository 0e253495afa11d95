// What the command-line tool was asked to do, read from its arguments.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class CliCommand { List, Discover, Info, Get, Set, Report };
enum class DiscoveryRun { Additional, Full };

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
};

// The arguments without the program name. False with a message for the user on bad arguments.
bool parseCommandLine(const QStringList &arguments, CommandLine *commandLine, QString *error);
QString usageText();
