// Byte blocks as debug text, sixteen to a row.
#include "usb/hexdump.h"

namespace {

constexpr int bytesPerRow = 16;

QChar shownAsCharacter(char byte)
{
    return static_cast<signed char>(byte) > 31 ? QChar(QLatin1Char(byte)) : QChar(QLatin1Char('.'));
}

} // namespace

QString hexDump(const char *data, int length)
{
    QString text = QString::asprintf("\n src address: 0x%08llx",
                                     static_cast<unsigned long long>(reinterpret_cast<quintptr>(data)));
    for (int offset = 0; offset < length; offset += bytesPerRow) {
        const int count = qMin(bytesPerRow, length - offset);
        const int missing = bytesPerRow - count;
        const char *row = data + offset;
        text += QString::asprintf("\n0x%04x:", offset);
        for (int i = 0; i < count; ++i)
            text += QString::asprintf(" %02x", quint8(row[i]));
        text += QString(3 * missing, QLatin1Char(' '));
        text += QLatin1String(" < ");
        for (int i = 0; i < count; ++i)
            text += shownAsCharacter(row[i]);
        text += QString(missing, QLatin1Char(' '));
        text += QLatin1String(" >");
    }
    return text;
}
