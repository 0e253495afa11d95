// The upgrade file: a 256 KiB flash image with two checksummed application regions, scrambled in a data stream.
#pragma once

#include <QByteArray>
#include <QString>

class FirmwarePrompts;
class QIODevice;

namespace FlashLayout {
constexpr quint32 flashStart = 0x08000000;
constexpr int imageSize = 0x40000;
constexpr int regionAOffset = 0x4000;
constexpr int regionBOffset = 0x20000;
constexpr int regionSize = 0x1C000;
// The words the checksum covers; the region's last word holds the sum.
constexpr int checksumWords = 0x6FFF;
} // namespace FlashLayout

namespace UpgradeFileFormat {
inline const QString header = QStringLiteral("Rb604 Upgrade File Header");
inline const QString version = QStringLiteral("01");
inline const QString sideFileName = QStringLiteral("upg.bin");
} // namespace UpgradeFileFormat

// Sum modulo 2^32 of the region's little-endian words before its checksum word.
quint32 regionChecksum(const QByteArray &image, int regionOffset);

struct HexFlashImage
{
    QByteArray image;     // 262144 bytes, checksums stored
    int regionAResult = 0; // HexToBin's result for each region
    int regionBResult = 0;
};

// Lays both application regions of a HEX file into a zeroed image and stores their checksums.
HexFlashImage flashImageFromHex(const QString &hexFileName);

// The whole upgrade file for a plain image: header, version, then the image scrambled as one block.
QByteArray upgradeFileBytes(const QByteArray &image);

enum class UpgradeFileCheck { Ok, WrongHeader, WrongVersion, IncompleteImage };

// Reads an upgrade file; on Ok *image holds the first 262144 bytes of its image, unscrambled.
// The checks come in file order, so the first thing wrong is the one reported.
UpgradeFileCheck readUpgradeFile(QIODevice *device, QByteArray *image);

// Asks for a HEX file and an output name and writes the upgrade file and the plain side file.
void createUpgradeFile(FirmwarePrompts &prompts, const QString &hexDirectory);
