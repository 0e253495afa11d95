// Block scrambling with the interface's key table.
#include "firmware/blockscrambler.h"

#include "usb/trace.h"

#include <QtEndian>

const std::array<quint32, 32> scramblingKey = {
    0x28B0889D, 0xFF31CEFB, 0xFA8C82E5, 0xF44EA7F0,
    0xAF612973, 0x927BD277, 0x6045D0C1, 0x03241977,
    0x728A21B3, 0x3352A689, 0xB11AE895, 0x6540D40B,
    0xE13D863E, 0x4E55561D, 0x8A3E7C3C, 0x9C9333AB,
    0xAAD14D77, 0xC6EE4B4C, 0x3F161E0A, 0x1A5411A0,
    0x7EC0BB12, 0x1DBAACA2, 0x5AC054C5, 0x8A13E21D,
    0x2F9C14A4, 0x850C5649, 0xE668D923, 0x0F499290,
    0xC3C2BDA3, 0xD53793FD, 0x5257A6C8, 0xA1C5D10F,
};

namespace {

template <typename Transform> void transformWords(char *buffer, int length, Transform transform)
{
    const int words = qMax(0, length) / 4;
    for (int i = 0; i < words; ++i) {
        char *at = buffer + 4 * i;
        const quint32 key = scramblingKey[size_t(i) % scramblingKey.size()];
        qToLittleEndian(transform(qFromLittleEndian<quint32>(at), key), at);
    }
}

} // namespace

void scrambleWords(char *buffer, int length)
{
    transformWords(buffer, length, [](quint32 word, quint32 key) { return (word ^ key) + key; });
}

int scrambleBlock(char *buffer, int length)
{
    qCDebug(firmwareTrace, "Encoding started @ 0x%08llx", static_cast<unsigned long long>(reinterpret_cast<quintptr>(buffer)));
    scrambleWords(buffer, length);
    qCDebug(firmwareTrace, "Encoding end @ 0x%08llx",
           static_cast<unsigned long long>(reinterpret_cast<quintptr>(buffer + 4 * (qMax(0, length) / 4))));
    return 0;
}

int unscrambleBlock(char *buffer, int length)
{
    transformWords(buffer, length, [](quint32 word, quint32 key) { return (word - key) ^ key; });
    return 0;
}
