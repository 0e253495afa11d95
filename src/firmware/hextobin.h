// Intel HEX reader that lays a compiler's output into a flash image.
#pragma once

#include <QString>
#include <QtGlobal>

// Result codes of HexToBin; every failure is negative.
namespace HexToBinResult {
constexpr int Ok = 0;
constexpr int ShortLine = -1;
constexpr int NoStartCode = -2;
constexpr int BadByteCount = -3;
constexpr int BadAddress = -4;
constexpr int BadRecordType = -5;
constexpr int BadDataByte = -6;
constexpr int BadExtendedAddress = -7; // also any record type but 0, 1, 4 and 5
} // namespace HexToBinResult

// Stores every data byte whose absolute address lies in [firstAddress, lastAddress] at
// destination[address - firstAddress]; destination must hold lastAddress - firstAddress + 1 bytes.
// Bytes no record covers are left as they were. A file that cannot be opened reads as empty.
int HexToBin(const QString &fileName, char *destination, quint32 firstAddress, quint32 lastAddress);
