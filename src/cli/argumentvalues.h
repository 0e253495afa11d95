// The values the command-line tool takes: interface index, sub-device, PID, parameter data.
#pragma once

#include "rdm/rdm.h"

#include <QByteArray>
#include <QString>
#include <optional>

constexpr int maximumParameterData = RDM::maximumParameterDataLength;
constexpr quint16 allSubDevices = 0xFFFF;

enum class SubDeviceRange { Single, SingleOrAll };

// A decimal index from 0.
std::optional<int> parseInterfaceIndex(const QString &text);
// Decimal 0 to 512; with SingleOrAll also 65535, every sub-device.
std::optional<quint16> parseSubDevice(const QString &text, SubDeviceRange range);
// An E1.20 parameter name in either letter case, or 1 to 4 hexadecimal digits with or without "0x".
std::optional<quint16> parsePid(const QString &text);
// Hexadecimal digit pairs, at most maximumParameterData bytes; empty text is no data.
std::optional<QByteArray> parseParameterData(const QString &text);
// Seconds from 0 to 86400 with at most three decimals, as milliseconds.
std::optional<int> parseIntervalSeconds(const QString &text);
// A decimal count from 1.
std::optional<int> parseCount(const QString &text);
// Device ID FFFFFFFF: every device of a manufacturer, or of all manufacturers.
bool isBroadcastUid(quint64 uid);
