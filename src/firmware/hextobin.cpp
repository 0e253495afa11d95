// Intel HEX records: data, end of file, extended and start linear address.
#include "firmware/hextobin.h"

#include <QDebug>
#include <QFile>

namespace {

// The line buffer of the reader: longer lines are read on as the next line.
constexpr qint64 lineBufferSize = 64;
constexpr int shortestLine = 10;

namespace RecordType {
constexpr int Data = 0;
constexpr int EndOfFile = 1;
constexpr int ExtendedLinearAddress = 4;
constexpr int StartLinearAddress = 5;
} // namespace RecordType

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The value of `digits` hexadecimal characters at `start`, or -1 when any is missing or not a digit.
int hexField(const QByteArray &line, int start, int digits)
{
    if (start + digits > line.size())
        return -1;
    int value = 0;
    for (int i = 0; i < digits; ++i) {
        const int digit = hexDigit(line.at(start + i));
        if (digit < 0)
            return -1;
        value = value << 4 | digit;
    }
    return value;
}

} // namespace

int HexToBin(const QString &fileName, char *destination, quint32 firstAddress, quint32 lastAddress)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        qDebug().noquote() << "HexToBin: cannot open" << fileName;

    quint64 upper = 0;
    while (true) {
        const QByteArray line = file.readLine(lineBufferSize);
        if (line.isEmpty())
            return HexToBinResult::Ok;
        if (line.size() <= shortestLine)
            return HexToBinResult::ShortLine;
        if (line.at(0) != ':')
            return HexToBinResult::NoStartCode;

        const int byteCount = hexField(line, 1, 2);
        if (byteCount < 0)
            return HexToBinResult::BadByteCount;
        const int address = hexField(line, 3, 4);
        if (address < 0)
            return HexToBinResult::BadAddress;
        const int type = hexField(line, 7, 2);
        if (type < 0)
            return HexToBinResult::BadRecordType;

        switch (type) {
        case RecordType::Data:
            for (int i = 0; i < byteCount; ++i) {
                const int value = hexField(line, 9 + 2 * i, 2);
                if (value < 0)
                    return HexToBinResult::BadDataByte;
                const quint64 absolute = upper + quint64(address) + quint64(i);
                if (absolute >= firstAddress && absolute <= lastAddress)
                    destination[absolute - firstAddress] = char(value);
            }
            break;
        case RecordType::EndOfFile:
            return HexToBinResult::Ok;
        case RecordType::ExtendedLinearAddress: {
            const int segment = hexField(line, 9, 4);
            if (segment < 0)
                return HexToBinResult::BadExtendedAddress;
            upper = quint64(segment) << 16;
            break;
        }
        case RecordType::StartLinearAddress:
            break;
        default:
            return HexToBinResult::BadExtendedAddress;
        }
    }
}
