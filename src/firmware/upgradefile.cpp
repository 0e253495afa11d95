// Making and reading upgrade files.
#include "firmware/upgradefile.h"

#include "firmware/blockscrambler.h"
#include "firmware/firmwareprompts.h"
#include "firmware/hextobin.h"
#include "settings/savefile.h"
#include "usb/bytereader.h"

#include <QBuffer>
#include <QDataStream>
#include <QDebug>
#include <QtEndian>

namespace {

void storeChecksum(QByteArray *image, int regionOffset)
{
    const quint32 sum = regionChecksum(*image, regionOffset);
    qToLittleEndian(sum, image->data() + regionOffset + 4 * FlashLayout::checksumWords);
}

} // namespace

quint32 regionChecksum(const QByteArray &image, int regionOffset)
{
    ByteReader reader(image);
    reader.skip(regionOffset);
    quint32 sum = 0;
    for (int i = 0; i < FlashLayout::checksumWords; ++i)
        sum += reader.u32le();
    return sum;
}

HexFlashImage flashImageFromHex(const QString &hexFileName)
{
    HexFlashImage result;
    result.image = QByteArray(FlashLayout::imageSize, '\0');
    const quint32 regionA = FlashLayout::flashStart + FlashLayout::regionAOffset;
    const quint32 regionB = FlashLayout::flashStart + FlashLayout::regionBOffset;
    // The checksum word is written over whatever the file holds there, so the file may fill it.
    result.regionAResult = HexToBin(hexFileName, result.image.data() + FlashLayout::regionAOffset, regionA,
                                    regionA + FlashLayout::regionSize - 1);
    result.regionBResult = HexToBin(hexFileName, result.image.data() + FlashLayout::regionBOffset, regionB,
                                    regionB + FlashLayout::regionSize - 1);
    storeChecksum(&result.image, FlashLayout::regionAOffset);
    storeChecksum(&result.image, FlashLayout::regionBOffset);
    return result;
}

QByteArray upgradeFileBytes(const QByteArray &image)
{
    QByteArray scrambled = image;
    scrambleBlock(scrambled.data(), int(scrambled.size()));
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << UpgradeFileFormat::header << UpgradeFileFormat::version << scrambled;
    return bytes;
}

UpgradeFileCheck readUpgradeFile(QIODevice *device, QByteArray *image)
{
    QDataStream stream(device);
    QString header;
    stream >> header;
    if (stream.status() != QDataStream::Ok || header != UpgradeFileFormat::header)
        return UpgradeFileCheck::WrongHeader;
    QString version;
    stream >> version;
    if (stream.status() != QDataStream::Ok || version != UpgradeFileFormat::version)
        return UpgradeFileCheck::WrongVersion;
    QByteArray scrambled;
    stream >> scrambled;
    if (stream.status() != QDataStream::Ok || scrambled.size() < FlashLayout::imageSize)
        return UpgradeFileCheck::IncompleteImage;
    *image = scrambled.left(FlashLayout::imageSize);
    unscrambleBlock(image->data(), int(image->size()));
    return UpgradeFileCheck::Ok;
}

void createUpgradeFile(FirmwarePrompts &prompts, const QString &hexDirectory)
{
    qDebug("RB960_Bootloader::slotpushButtonCreateUpg(bool t)");
    const QString hexFileName = prompts.openFileName(mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Open File")),
                                                     hexDirectory,
                                                     mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Hex (*.hex)")));
    if (hexFileName.isEmpty())
        return;

    const HexFlashImage flash = flashImageFromHex(hexFileName);
    for (const int result : {flash.regionAResult, flash.regionBResult}) {
        if (result != HexToBinResult::Ok)
            prompts.showCritical(mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Error")),
                                 mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "HexToBin error: %1)")).arg(result));
    }

    const QString upgradeFileName = prompts.saveFileName(mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Save File")),
                                                         QStringLiteral("."),
                                                         mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Upg (*.upg)")));
    if (upgradeFileName.isEmpty())
        return;

    const QList<std::pair<QString, QByteArray>> outputs = {
        {UpgradeFileFormat::sideFileName, flash.image},
        {upgradeFileName, upgradeFileBytes(flash.image)},
    };
    for (const auto &[path, bytes] : outputs) {
        QString error;
        if (!saveBytes(path, bytes, &error))
            prompts.showCritical(mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Error")),
                                 mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Cannot write %1: %2"))
                                         .arg(path, error));
    }
}
