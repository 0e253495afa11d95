// Bootloader images with their production serial.
#include "firmware/bootloaderimage.h"

#include "firmware/firmwareprompts.h"
#include "firmware/hextobin.h"
#include "firmware/upgradefile.h"
#include "settings/savefile.h"


namespace {

QStringList numbered(int first, int last, int digits)
{
    QStringList texts;
    for (int value = first; value <= last; ++value)
        texts.append(QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0')));
    return texts;
}

} // namespace

QStringList productionYears()
{
    return numbered(0, 99, 2);
}

QStringList productionMonths()
{
    return numbered(1, 12, 2);
}

QStringList productionNumbers()
{
    return numbered(1, 999, 3);
}

QByteArray bootloaderImage(const QString &hexFileName, const QByteArray &serial)
{
    using namespace BootloaderImage;
    QByteArray image(size, '\0');
    // A file that cannot be read completely still gives the bytes it held; the image is checked on the bench.
    HexToBin(hexFileName, image.data(), firstAddress, firstAddress + size - 1);
    const QByteArray field = serial.left(serialFieldSize).leftJustified(serialFieldSize, '\0');
    image.replace(serialOffset, serialFieldSize, field);
    return image;
}

QString defaultBootloaderFileName(const QString &serial)
{
    return QStringLiteral("Rb604Bootloader_") + serial;
}

void createBootloaderImage(FirmwarePrompts &prompts, const QDate &today)
{
    const QString hexFileName = prompts.openFileName(mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Open File")),
                                                     QStringLiteral("."),
                                                     mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Hex (*.hex)")));
    if (hexFileName.isEmpty())
        return;

    struct Choice
    {
        const char *title;
        const char *label;
        QStringList items;
        int current;
    };
    const Choice choices[] = {
        {QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Production year"), QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Year(YY)"),
         productionYears(), today.year() % 100},
        {QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Production mont"), QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Month(MM)"),
         productionMonths(), today.month() - 1},
        {QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Production number"),
         QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Number(NNN)"), productionNumbers(), 0},
    };
    QString serial;
    for (const Choice &choice : choices) {
        const QString chosen =
            prompts.chooseItem(mainWindowText(choice.title), mainWindowText(choice.label), choice.items, choice.current);
        if (chosen.isNull())
            return;
        serial += chosen;
    }

    const QByteArray image = bootloaderImage(hexFileName, serial.toLatin1());
    const QString fileName =
        prompts.saveFileName(mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Save bootloader bin")),
                             defaultBootloaderFileName(serial),
                             mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Bin (*.bin)")));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!saveBytes(fileName, image, &error))
        prompts.showCritical(mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Error")),
                             mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Cannot write %1: %2")).arg(fileName, error));
}
