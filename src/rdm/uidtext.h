// UIDs and codes written the way technicians read them off a fixture's label: "MMMM:DDDDDDDD", "0x00FF".
#pragma once

#include <QString>
#include <optional>

// Manufacturer ID and device ID in upper-case hexadecimal, zero-padded to 4 and 8 digits.
QString uidText(quint64 uid);
// The same form, either letter case; nothing for any other text.
std::optional<quint64> parseUidText(const QString &text);
// "0x" and upper-case digits, zero-padded to `digits`.
QString hexText(qint64 value, int digits);
