// The DISC_UNIQUE_BRANCH answer (E1.20 7.5): preamble, separator, encoded UID and checksum.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace DiscoveryAnswer {

enum class DecodeError { None, TooShort, NoSeparator, BadEncoding, ChecksumIncorrect };

constexpr int LongestPreamble = 7;

// `preambleLength` bytes 0xFE (0 to 7), 0xAA, twelve EUID bytes and four checksum bytes.
QByteArray encode(quint64 uid, int preambleLength = LongestPreamble);
DecodeError decode(const QByteArray &answer, quint64 *uid);

} // namespace DiscoveryAnswer
