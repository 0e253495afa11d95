// Checks and conversions of the values given on the command line.
#include "cli/argumentvalues.h"

#include "rdm/standardparameters.h"

#include <QRegularExpression>

namespace {

constexpr quint16 lastSubDevice = 512;

bool isDecimal(const QString &text)
{
    static const QRegularExpression digits(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,9}")));
    return digits.match(text).hasMatch();
}

} // namespace

std::optional<int> parseInterfaceIndex(const QString &text)
{
    if (!isDecimal(text))
        return std::nullopt;
    return text.toInt();
}

std::optional<quint16> parseSubDevice(const QString &text, SubDeviceRange range)
{
    if (!isDecimal(text))
        return std::nullopt;
    const int number = text.toInt();
    if (number <= lastSubDevice)
        return quint16(number);
    if (range == SubDeviceRange::SingleOrAll && number == allSubDevices)
        return allSubDevices;
    return std::nullopt;
}

std::optional<quint16> parsePid(const QString &text)
{
    if (const std::optional<quint16> pid = standardParameterPid(text))
        return pid;
    static const QRegularExpression hexadecimal(
        QRegularExpression::anchoredPattern(QStringLiteral("(0[xX])?([0-9A-Fa-f]{1,4})")));
    const QRegularExpressionMatch match = hexadecimal.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return quint16(match.captured(2).toUInt(nullptr, 16));
}

std::optional<QByteArray> parseParameterData(const QString &text)
{
    static const QRegularExpression pairs(QRegularExpression::anchoredPattern(QStringLiteral("([0-9A-Fa-f]{2})*")));
    if (!pairs.match(text).hasMatch() || text.size() / 2 > maximumParameterData)
        return std::nullopt;
    return QByteArray::fromHex(text.toLatin1());
}

bool isBroadcastUid(quint64 uid)
{
    return (uid & 0xFFFFFFFFu) == 0xFFFFFFFFu;
}

std::optional<int> parseIntervalSeconds(const QString &text)
{
    static const QRegularExpression seconds(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9]{1,5})(?:\\.([0-9]{1,3}))?")));
    const QRegularExpressionMatch match = seconds.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int milliseconds = match.captured(1).toInt() * 1000 + match.captured(2).leftJustified(3, QLatin1Char('0')).toInt();
    if (milliseconds > 86400 * 1000)
        return std::nullopt;
    return milliseconds;
}

std::optional<int> parseCount(const QString &text)
{
    if (!isDecimal(text) || text.toInt() < 1)
        return std::nullopt;
    return text.toInt();
}
