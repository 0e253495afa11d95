// Parsing of the command-line tool's arguments: one option set, checked per command.
#include "cli/commandline.h"

#include "cli/argumentvalues.h"

#include "rdm/uidtext.h"

#include <QCommandLineParser>

namespace {

enum CommandOption { NoOption = 0, FullOption = 1, SubOption = 2, DataOption = 4 };

struct CommandDefinition
{
    const char *name;
    CliCommand command;
    int argumentCount;
    int options;
};

constexpr CommandDefinition commandDefinitions[] = {
    {"list", CliCommand::List, 0, NoOption},
    {"discover", CliCommand::Discover, 0, FullOption},
    {"info", CliCommand::Info, 1, SubOption},
    {"get", CliCommand::Get, 2, SubOption | DataOption},
    {"set", CliCommand::Set, 2, SubOption | DataOption},
    {"report", CliCommand::Report, 0, FullOption},
};

const CommandDefinition *findCommand(const QString &name)
{
    for (const CommandDefinition &definition : commandDefinitions) {
        if (name == QLatin1String(definition.name))
            return &definition;
    }
    return nullptr;
}

bool fail(QString *error, const QString &message)
{
    *error = message;
    return false;
}

// The command's own arguments and options, once the command is known.
bool readCommandValues(const CommandDefinition &definition, const QCommandLineParser &parser, const QStringList &arguments,
                       CommandLine *commandLine, QString *error)
{
    const QString name = QLatin1String(definition.name);
    if (arguments.size() != definition.argumentCount) {
        return fail(error, QStringLiteral("%1 takes %2 argument(s), %3 given")
                               .arg(name).arg(definition.argumentCount).arg(arguments.size()));
    }
    const struct
    {
        CommandOption option;
        const char *optionName;
    } optionNames[] = {{FullOption, "full"}, {SubOption, "sub"}, {DataOption, "data"}};
    for (const auto &entry : optionNames) {
        if (!(definition.options & entry.option) && parser.isSet(QLatin1String(entry.optionName)))
            return fail(error, QStringLiteral("%1 does not take --%2").arg(name, QLatin1String(entry.optionName)));
    }

    if (parser.isSet(QStringLiteral("full")))
        commandLine->discovery = DiscoveryRun::Full;
    const bool isSet = definition.command == CliCommand::Set;
    if (parser.isSet(QStringLiteral("sub"))) {
        const std::optional<quint16> subDevice = parseSubDevice(
            parser.value(QStringLiteral("sub")), isSet ? SubDeviceRange::SingleOrAll : SubDeviceRange::Single);
        if (!subDevice)
            return fail(error, QStringLiteral("bad sub-device \"%1\": expected 0 to 512%2")
                                   .arg(parser.value(QStringLiteral("sub")),
                                        isSet ? QStringLiteral(", or 65535 for all sub-devices") : QString()));
        commandLine->subDevice = *subDevice;
    }
    if (parser.isSet(QStringLiteral("data"))) {
        const std::optional<QByteArray> data = parseParameterData(parser.value(QStringLiteral("data")));
        if (!data)
            return fail(error, QStringLiteral("bad data \"%1\": expected hexadecimal digit pairs, at most %2 bytes")
                                   .arg(parser.value(QStringLiteral("data")))
                                   .arg(maximumParameterData));
        commandLine->data = *data;
    }

    if (definition.argumentCount >= 1) {
        const std::optional<quint64> uid = parseUidText(arguments.at(0));
        if (!uid)
            return fail(error, QStringLiteral("bad UID \"%1\": expected MMMM:DDDDDDDD in hexadecimal").arg(arguments.at(0)));
        if (!isSet && isBroadcastUid(*uid))
            return fail(error, QStringLiteral("%1 needs the UID of one device; %2 is a broadcast UID")
                                   .arg(name, arguments.at(0)));
        commandLine->uid = *uid;
    }
    if (definition.argumentCount >= 2) {
        const std::optional<quint16> pid = parsePid(arguments.at(1));
        if (!pid)
            return fail(error, QStringLiteral("bad PID \"%1\": expected an E1.20 parameter name or a hexadecimal PID")
                                   .arg(arguments.at(1)));
        commandLine->pid = *pid;
    }
    return true;
}

} // namespace

bool parseCommandLine(const QStringList &arguments, CommandLine *commandLine, QString *error)
{
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("interface"), QString(), QStringLiteral("N")},
        {QStringLiteral("full"), QString()},
        {QStringLiteral("sub"), QString(), QStringLiteral("N")},
        {QStringLiteral("data"), QString(), QStringLiteral("HEX")},
        {QStringLiteral("trace"), QString()},
        {{QStringLiteral("h"), QStringLiteral("help")}, QString()},
    });
    // The parser expects the program name first.
    if (!parser.parse(QStringList{QStringLiteral("orv-rdm-cli")} + arguments))
        return fail(error, parser.errorText());

    *commandLine = CommandLine();
    commandLine->helpRequested = parser.isSet(QStringLiteral("help"));
    if (commandLine->helpRequested)
        return true;
    commandLine->trace = parser.isSet(QStringLiteral("trace"));
    if (parser.isSet(QStringLiteral("interface"))) {
        const std::optional<int> index = parseInterfaceIndex(parser.value(QStringLiteral("interface")));
        if (!index)
            return fail(error, QStringLiteral("bad interface index \"%1\"").arg(parser.value(QStringLiteral("interface"))));
        commandLine->interfaceIndex = *index;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return fail(error, QStringLiteral("no command given"));
    const QString name = positional.takeFirst();
    const CommandDefinition *definition = findCommand(name);
    if (!definition)
        return fail(error, QStringLiteral("unknown command \"%1\"").arg(name));
    commandLine->command = definition->command;
    return readCommandValues(*definition, parser, positional, commandLine, error);
}

QString usageText()
{
    return QStringLiteral(
        "Usage: orv-rdm-cli [--interface N] [--trace] COMMAND [ARGUMENTS]\n"
        "\n"
        "Commands:\n"
        "  list                                list the interfaces attached, with their index\n"
        "  discover [--full]                   find the responders on the line; prints their UIDs\n"
        "  info UID [--sub N]                  read one device; prints its record as JSON\n"
        "  get UID PID [--sub N] [--data HEX]  send one GET; prints the result, log and answer\n"
        "  set UID PID [--sub N] [--data HEX]  send one SET (broadcast UIDs allowed)\n"
        "  report [--full]                     discovery, then every device and sub-device as JSON\n"
        "\n"
        "Options:\n"
        "  --interface N  the interface to use, by its index in \"list\" (default 0)\n"
        "  --full         full discovery with its 30-second wait, instead of an additional one\n"
        "  --sub N        sub-device, 0 (root device, the default) to 512; set also takes 65535 (all)\n"
        "  --data HEX     parameter data as hexadecimal digit pairs, at most 231 bytes\n"
        "  --trace        write the USB debug trace to standard error\n"
        "  --help         show this text\n"
        "\n"
        "UIDs are written MMMM:DDDDDDDD in hexadecimal (FFFF:FFFFFFFF addresses all devices).\n"
        "PIDs are E1.20 names such as DMX_START_ADDRESS, or hexadecimal such as 0x00F0.\n"
        "RB604_SIMULATOR=demo, or the path of a scenario file, selects the simulated interface.\n"
        "\n"
        "Exit status: 0 success, 2 no interface, 3 interface lost, 4 RDM request failed,\n"
        "64 bad arguments.\n");
}
