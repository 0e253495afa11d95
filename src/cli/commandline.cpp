// Parsing of the command-line tool's arguments: one option set, checked per command.
#include "cli/commandline.h"

#include "cli/argumentvalues.h"

#include "rdm/uidtext.h"

#include <QCommandLineParser>
#include <QProcess>

namespace {

enum CommandOption { NoOption = 0, FullOption = 1, SubOption = 2, DataOption = 4, JsonOption = 8, KeepGoingOption = 16,
                     IntervalOption = 32, CountOption = 64 };

// What the positional arguments after the command name are.
enum class ArgumentKind { None, Device, DeviceAndParameter, Files };

struct CommandDefinition
{
    const char *name;
    CliCommand command;
    ArgumentKind kind;
    int minimumArguments;
    int maximumArguments;
    // The arguments as the usage names them, for messages.
    const char *argumentNames;
    int options;
};

constexpr CommandDefinition commandDefinitions[] = {
    {"list", CliCommand::List, ArgumentKind::None, 0, 0, "", NoOption},
    {"discover", CliCommand::Discover, ArgumentKind::None, 0, 0, "", FullOption},
    {"info", CliCommand::Info, ArgumentKind::Device, 1, 1, "UID", SubOption},
    {"get", CliCommand::Get, ArgumentKind::DeviceAndParameter, 2, 2, "UID and PID", SubOption | DataOption | JsonOption},
    {"set", CliCommand::Set, ArgumentKind::DeviceAndParameter, 2, 2, "UID and PID", SubOption | DataOption | JsonOption},
    {"report", CliCommand::Report, ArgumentKind::None, 0, 0, "", FullOption},
    {"batch", CliCommand::Batch, ArgumentKind::Files, 0, 1, "FILE", KeepGoingOption},
    {"snapshot", CliCommand::Snapshot, ArgumentKind::Files, 1, 1, "FILE", FullOption},
    {"diff", CliCommand::Diff, ArgumentKind::Files, 2, 2, "OLD and NEW", JsonOption},
    {"check", CliCommand::Check, ArgumentKind::Files, 0, 1, "REPORT", FullOption},
    {"watch", CliCommand::Watch, ArgumentKind::Device, 1, 1, "UID", SubOption | IntervalOption | CountOption},
};

const struct
{
    CommandOption option;
    const char *name;
} commandOptionNames[] = {
    {FullOption, "full"}, {SubOption, "sub"}, {DataOption, "data"}, {JsonOption, "json"}, {KeepGoingOption, "keep-going"},
    {IntervalOption, "interval"}, {CountOption, "count"},
};

enum class ParseContext { WholeRun, BatchLine };

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

QString argumentCountError(const CommandDefinition &definition, int given)
{
    const QString name = QLatin1String(definition.name);
    const QString names = QLatin1String(definition.argumentNames);
    if (definition.maximumArguments == 0)
        return QStringLiteral("%1 takes no arguments, %2 given").arg(name).arg(given);
    if (definition.minimumArguments == definition.maximumArguments)
        return QStringLiteral("%1 needs %2, %3 given").arg(name, names).arg(given);
    return QStringLiteral("%1 takes at most %2, %3 given").arg(name, names).arg(given);
}

// The option as the user typed it, for an option the parser does not know.
QString typedOption(const QStringList &arguments, const QString &optionName)
{
    for (const QString &argument : arguments) {
        if (!argument.startsWith(QLatin1Char('-')))
            continue;
        QString bare = argument.section(QLatin1Char('='), 0, 0);
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare == optionName)
            return argument.section(QLatin1Char('='), 0, 0);
    }
    return QStringLiteral("--") + optionName;
}

bool readDeviceArguments(const CommandDefinition &definition, const QStringList &arguments, CommandLine *commandLine,
                         QString *error)
{
    const std::optional<quint64> uid = parseUidText(arguments.at(0));
    if (!uid)
        return fail(error, QStringLiteral("bad UID \"%1\": expected MMMM:DDDDDDDD in hexadecimal").arg(arguments.at(0)));
    if (definition.command != CliCommand::Set && isBroadcastUid(*uid))
        return fail(error, QStringLiteral("%1 needs the UID of one device; %2 is a broadcast UID")
                               .arg(QLatin1String(definition.name), arguments.at(0)));
    commandLine->uid = *uid;
    if (definition.kind != ArgumentKind::DeviceAndParameter)
        return true;
    const std::optional<quint16> pid = parsePid(arguments.at(1));
    if (!pid)
        return fail(error, QStringLiteral("bad PID \"%1\": expected an E1.20 parameter name or a hexadecimal PID")
                               .arg(arguments.at(1)));
    commandLine->pid = *pid;
    return true;
}

// The command's own arguments and options, once the command is known.
bool readCommandValues(const CommandDefinition &definition, const QCommandLineParser &parser, const QStringList &arguments,
                       CommandLine *commandLine, QString *error)
{
    const QString name = QLatin1String(definition.name);
    if (arguments.size() < definition.minimumArguments || arguments.size() > definition.maximumArguments)
        return fail(error, argumentCountError(definition, int(arguments.size())));
    for (const auto &entry : commandOptionNames) {
        if (!(definition.options & entry.option) && parser.isSet(QLatin1String(entry.name)))
            return fail(error, QStringLiteral("%1 does not take --%2").arg(name, QLatin1String(entry.name)));
    }

    if (parser.isSet(QStringLiteral("full")))
        commandLine->discovery = DiscoveryRun::Full;
    if (parser.isSet(QStringLiteral("json")))
        commandLine->format = OutputFormat::Json;
    if (parser.isSet(QStringLiteral("keep-going")))
        commandLine->batchFailure = BatchFailure::KeepGoing;
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

    if (parser.isSet(QStringLiteral("interval"))) {
        const std::optional<int> interval = parseIntervalSeconds(parser.value(QStringLiteral("interval")));
        if (!interval)
            return fail(error, QStringLiteral("bad interval \"%1\": expected 0 to 86400 seconds, at most 3 decimals")
                                   .arg(parser.value(QStringLiteral("interval"))));
        commandLine->intervalMs = *interval;
    }
    if (parser.isSet(QStringLiteral("count"))) {
        const std::optional<int> count = parseCount(parser.value(QStringLiteral("count")));
        if (!count)
            return fail(error, QStringLiteral("bad count \"%1\": expected 1 or more readings")
                                   .arg(parser.value(QStringLiteral("count"))));
        commandLine->count = *count;
    }

    switch (definition.kind) {
    case ArgumentKind::None:
        return true;
    case ArgumentKind::Device:
    case ArgumentKind::DeviceAndParameter:
        return readDeviceArguments(definition, arguments, commandLine, error);
    case ArgumentKind::Files:
        commandLine->files = arguments;
        return true;
    }
    return true;
}

bool parse(const QStringList &arguments, ParseContext context, CommandLine *commandLine, QString *error)
{
    QCommandLineParser parser;
    parser.addOptions({
        {QStringLiteral("full"), QString()},
        {QStringLiteral("sub"), QString(), QStringLiteral("N")},
        {QStringLiteral("data"), QString(), QStringLiteral("HEX")},
        {QStringLiteral("json"), QString()},
        {QStringLiteral("keep-going"), QString()},
        {QStringLiteral("interval"), QString(), QStringLiteral("S")},
        {QStringLiteral("count"), QString(), QStringLiteral("N")},
    });
    if (context == ParseContext::WholeRun) {
        parser.addOptions({
            {QStringLiteral("interface"), QString(), QStringLiteral("N")},
            {QStringLiteral("trace"), QString()},
            {{QStringLiteral("h"), QStringLiteral("help")}, QString()},
        });
    }
    // The parser expects the program name first.
    if (!parser.parse(QStringList{QStringLiteral("orv-rdm-cli")} + arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return fail(error, QStringLiteral("unknown option \"%1\"")
                                   .arg(typedOption(arguments, parser.unknownOptionNames().constFirst())));
        return fail(error, parser.errorText());
    }

    *commandLine = CommandLine();
    if (context == ParseContext::WholeRun) {
        commandLine->helpRequested = parser.isSet(QStringLiteral("help"));
        if (commandLine->helpRequested)
            return true;
        commandLine->trace = parser.isSet(QStringLiteral("trace"));
        if (parser.isSet(QStringLiteral("interface"))) {
            const std::optional<int> index = parseInterfaceIndex(parser.value(QStringLiteral("interface")));
            if (!index)
                return fail(error,
                            QStringLiteral("bad interface index \"%1\"").arg(parser.value(QStringLiteral("interface"))));
            commandLine->interfaceIndex = *index;
        }
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return fail(error, QStringLiteral("no command given"));
    const QString name = positional.takeFirst();
    const CommandDefinition *definition = findCommand(name);
    if (!definition)
        return fail(error, QStringLiteral("unknown command \"%1\"").arg(name));
    if (context == ParseContext::BatchLine && definition->command == CliCommand::Batch)
        return fail(error, QStringLiteral("batch cannot run inside a batch"));
    commandLine->command = definition->command;
    return readCommandValues(*definition, parser, positional, commandLine, error);
}

} // namespace

bool parseCommandLine(const QStringList &arguments, CommandLine *commandLine, QString *error)
{
    return parse(arguments, ParseContext::WholeRun, commandLine, error);
}

bool parseBatchLine(const QString &line, CommandLine *commandLine, QString *error)
{
    return parse(QProcess::splitCommand(line), ParseContext::BatchLine, commandLine, error);
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
        "  get UID PID [--sub N] [--data HEX] [--json]\n"
        "                                      send one GET; prints the log, result, answer and value\n"
        "  set UID PID [--sub N] [--data HEX] [--json]\n"
        "                                      send one SET (broadcast UIDs allowed)\n"
        "  report [--full]                     discovery, then every device and sub-device as JSON\n"
        "  batch [FILE] [--keep-going]         the commands of FILE (or standard input), one per line,\n"
        "                                      over one connection\n"
        "  snapshot FILE [--full]              discovery, then the whole rig written as a scenario file\n"
        "                                      that RB604_SIMULATOR=FILE replays\n"
        "  diff OLD NEW [--json]               what changed between two report files\n"
        "  check [REPORT] [--full]             the rig's problems (overlaps, addresses, software\n"
        "                                      versions, labels), live or from a report file\n"
        "  watch UID [--sub N] [--interval S] [--count N]\n"
        "                                      read every sensor of a device again and again; one\n"
        "                                      CSV line per sensor per reading, until N readings or Ctrl+C\n"
        "\n"
        "Options:\n"
        "  --interface N  the interface to use, by its index in \"list\" (default 0)\n"
        "  --full         full discovery with its 30-second wait, instead of an additional one\n"
        "  --sub N        sub-device, 0 (root device, the default) to 512; set also takes 65535 (all)\n"
        "  --data HEX     parameter data as hexadecimal digit pairs, at most 231 bytes\n"
        "  --json         print the outcome of get, set or diff as JSON\n"
        "  --keep-going   run the rest of a batch after a failed command\n"
        "  --interval S   seconds between two readings of watch, 0 to 86400 (default 5)\n"
        "  --count N      readings watch takes before it ends (default: until Ctrl+C)\n"
        "  --trace        write the USB debug trace to standard error\n"
        "  --help         show this text\n"
        "\n"
        "UIDs are written MMMM:DDDDDDDD in hexadecimal (FFFF:FFFFFFFF addresses all devices).\n"
        "PIDs are E1.20 names such as DMX_START_ADDRESS, or hexadecimal such as 0x00F0.\n"
        "A batch line is a command as above; blank lines and lines starting with # are skipped.\n"
        "RB604_SIMULATOR=demo, or the path of a scenario file, selects the simulated interface.\n"
        "\n"
        "Exit status: 0 success, 1 diff found differences or check found problems,\n"
        "2 no interface, 3 interface lost, 4 RDM request failed, 64 bad arguments or a file\n"
        "that is not a report, 73 the snapshot could not be written.\n");
}
