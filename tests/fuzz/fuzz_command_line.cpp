// Fuzzes the command-line tool's arguments and batch lines, and each value reader on its own: an
// accepted value is made only of the characters its form allows and reads back as written.
#include "fuzztarget.h"

#include "cli/argumentvalues.h"
#include "cli/commandline.h"
#include "rdm/standardparameters.h"
#include "rdm/uidtext.h"

#include <limits>

namespace {

bool onlyOf(const QString &text, const char *allowed)
{
    const QLatin1String characters(allowed);
    return std::all_of(text.cbegin(), text.cend(), [&characters](QChar c) { return characters.contains(c); });
}

const char *const decimalDigits = "0123456789";
const char *const hexadecimalDigits = "0123456789abcdefABCDEF";

void checkValueReaders(const QString &text)
{
    if (const std::optional<quint64> uid = parseUidText(text))
        requireThat(
            uidText(*uid).compare(text, Qt::CaseInsensitive) == 0, "an accepted UID reads back as written", text);
    if (const std::optional<QByteArray> data = parseParameterData(text)) {
        requireThat(data->toHex() == text.toLower().toLatin1(), "accepted data read back as written", text);
        requireThat(data->size() <= maximumParameterData, "accepted data fit one request");
    }
    if (const std::optional<quint16> pid = parsePid(text)) {
        const bool named = standardParameterName(*pid).compare(text, Qt::CaseInsensitive) == 0;
        QString digits = text;
        if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
            digits.remove(0, 2);
        requireThat(named || (onlyOf(digits, hexadecimalDigits) && digits.toUInt(nullptr, 16) == *pid),
            "an accepted PID is its name or its hexadecimal number", text);
    }
    // The decimal readers: an accepted value is its decimal number, in range.
    const auto decimal = [&text](std::optional<int> value, int least, int most, const char *property) {
        if (value)
            requireThat(onlyOf(text, decimalDigits) && text.toInt() == *value && *value >= least && *value <= most,
                property, text);
    };
    decimal(parseSubDevice(text, SubDeviceRange::Single), 0, 512, "an accepted sub-device is in range");
    const std::optional<quint16> orAll = parseSubDevice(text, SubDeviceRange::SingleOrAll);
    decimal(orAll, 0, orAll == allSubDevices ? allSubDevices : 512, "an accepted sub-device or all is in range");
    decimal(parseInterfaceIndex(text), 0, std::numeric_limits<int>::max(), "an accepted index is its number");
    decimal(parseCount(text), 1, std::numeric_limits<int>::max(), "an accepted count is a number from 1");
    if (const std::optional<int> interval = parseIntervalSeconds(text))
        requireThat(onlyOf(text, "0123456789.") && *interval >= 0 && *interval <= 86400 * 1000,
            "an accepted interval is decimal seconds, in range", text);
}

void checkCommandLine(bool accepted, const CommandLine &commandLine, const QString &error)
{
    if (!accepted) {
        requireThat(!error.isEmpty(), "refused arguments are explained");
        return;
    }
    requireThat(commandLine.data.size() <= maximumParameterData, "accepted data fit one request");
    requireThat(commandLine.subDevice <= 512 || commandLine.subDevice == allSubDevices, "the sub-device is in range");
    requireThat(commandLine.command == CliCommand::Set || commandLine.subDevice != allSubDevices,
        "only a SET goes to all sub-devices");
    const bool oneDevice = commandLine.command == CliCommand::Info || commandLine.command == CliCommand::Get
        || commandLine.command == CliCommand::Watch;
    requireThat(!oneDevice || !isBroadcastUid(commandLine.uid), "a GET goes to one device");
    requireThat(commandLine.intervalMs >= 0 && commandLine.count >= 0, "watch values are in range");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Arguments are separated by zero bytes, so that they may hold any other character.
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList arguments = text.split(QChar(0));
    for (const QString &argument : arguments)
        checkValueReaders(argument);

    CommandLine commandLine;
    QString error;
    bool accepted = parseCommandLine(arguments, &commandLine, &error);
    checkCommandLine(accepted, commandLine, error);

    error.clear();
    accepted = parseBatchLine(arguments.join(QLatin1Char(' ')), &commandLine, &error);
    checkCommandLine(accepted, commandLine, error);
    return 0;
}
