// Conversion of UIDs to and from their "MMMM:DDDDDDDD" text, and of codes to hexadecimal text.
#include "rdm/uidtext.h"

#include <QRegularExpression>

QString uidText(quint64 uid)
{
    return QStringLiteral("%1:%2")
        .arg((uid >> 32) & 0xFFFF, 4, 16, QLatin1Char('0'))
        .arg(uid & 0xFFFFFFFF, 8, 16, QLatin1Char('0'))
        .toUpper();
}

QString hexText(qint64 value, int digits)
{
    return QLatin1String("0x") + QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

std::optional<quint64> parseUidText(const QString &text)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9A-Fa-f]{4}):([0-9A-Fa-f]{8})")));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return (match.captured(1).toULongLong(nullptr, 16) << 32) | match.captured(2).toULongLong(nullptr, 16);
}
