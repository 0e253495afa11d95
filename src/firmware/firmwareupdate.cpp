// The main window's way into a firmware upgrade.
#include "firmware/firmwareupdate.h"

#include "firmware/firmware.h"
#include "firmware/firmwareprompts.h"
#include "usb/usbdevice.h"

bool runFirmwareUpdate(FirmwarePrompts &prompts, QWidget *parent, UsbDevice *usb, int connection, Clock *clock)
{
    if (usb->checkConnection() != 0) {
        prompts.showWarning(mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "USB Error")),
                            mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Connect Rb604 Device")));
        return false;
    }
    const QString fileName = prompts.openFileName(mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Open File")),
                                                  QStringLiteral("."),
                                                  mainWindowText(QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Upg (*.upg)")));
    if (fileName.isEmpty())
        return true;
    firmware dialog(fileName, parent, usb, connection, clock);
    dialog.setModal(true);
    dialog.exec();
    return true;
}
