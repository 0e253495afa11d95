// Encoding and decoding of the answer to DISC_UNIQUE_BRANCH.
#include "simulator/discoveryanswer.h"

#include "usb/bytereader.h"
#include "usb/bytewriter.h"

namespace {

constexpr quint8 PreambleByte = 0xFE;
constexpr quint8 Separator = 0xAA;
constexpr int UidBytes = 6;

// Each byte goes out twice, once with the even bits set and once with the odd bits set.
void writeEncoded(ByteWriter &writer, quint8 value)
{
    writer.u8(value | 0xAA).u8(value | 0x55);
}

bool readEncoded(ByteReader &reader, quint8 *value, quint16 *sum)
{
    const quint8 first = reader.u8();
    const quint8 second = reader.u8();
    *sum = quint16(*sum + first + second);
    *value = first & second;
    return (first & 0xAA) == 0xAA && (second & 0x55) == 0x55;
}

} // namespace

namespace DiscoveryAnswer {

QByteArray encode(quint64 uid, int preambleLength)
{
    QByteArray answer(qBound(0, preambleLength, LongestPreamble), char(PreambleByte));
    ByteWriter writer(&answer);
    writer.u8(Separator);
    quint16 sum = 0;
    for (int i = UidBytes - 1; i >= 0; --i) {
        const quint8 byte = quint8(uid >> (8 * i));
        sum = quint16(sum + (byte | 0xAA) + (byte | 0x55));
        writeEncoded(writer, byte);
    }
    writeEncoded(writer, quint8(sum >> 8));
    writeEncoded(writer, quint8(sum));
    return answer;
}

DecodeError decode(const QByteArray &answer, quint64 *uid)
{
    ByteReader reader(answer);
    int preamble = 0;
    quint8 byte = reader.u8();
    while (reader.ok() && byte == PreambleByte && preamble < LongestPreamble) {
        ++preamble;
        byte = reader.u8();
    }
    if (!reader.ok())
        return DecodeError::TooShort;
    if (byte != Separator)
        return DecodeError::NoSeparator;
    quint16 sum = 0;
    quint64 value = 0;
    bool wellFormed = true;
    for (int i = 0; i < UidBytes; ++i) {
        quint8 decoded = 0;
        wellFormed = readEncoded(reader, &decoded, &sum) && wellFormed;
        value = (value << 8) | decoded;
    }
    quint16 ignored = 0;
    quint8 high = 0;
    quint8 low = 0;
    wellFormed = readEncoded(reader, &high, &ignored) && wellFormed;
    wellFormed = readEncoded(reader, &low, &ignored) && wellFormed;
    if (!reader.ok())
        return DecodeError::TooShort;
    if (!wellFormed)
        return DecodeError::BadEncoding;
    if (quint16((high << 8) | low) != sum)
        return DecodeError::ChecksumIncorrect;
    *uid = value;
    return DecodeError::None;
}

} // namespace DiscoveryAnswer
