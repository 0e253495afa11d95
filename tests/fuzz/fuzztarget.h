// What every fuzz target shares: the libFuzzer entry points, a quiet isolated process and property checks.
#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <cstddef>
#include <cstdint>

// Shared by every target: a core application with its own settings store at the defaults in a
// scratch directory, and Qt's messages silenced so that millions of runs do not flood the terminal.
// The working directory stays, so that the fuzzer's relative paths keep working.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
// Each target's own.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
// The process's scratch directory, for the files a target writes.
QString scratchDirectory();

// Aborts with the property's description, and the value that broke it, when it does not hold: the
// fuzzer keeps the input.
void requireThat(bool holds, const char *property, const QString &value = QString());

// The input as bytes, without a copy; valid while the call lasts.
inline QByteArray inputBytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

// True when no string anywhere in the value, keys included, holds a zero character.
bool hasNoZeroCharacter(const QJsonValue &value);
// True when the value survives being written as JSON and parsed again, unchanged.
bool survivesJsonRoundTrip(const QJsonValue &value);
