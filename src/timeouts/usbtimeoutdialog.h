// The USB time limits: the standard limit applies at once, the discovery limit at the next run.
#pragma once

#include "timeouts/timeoutdialog.h"

#include <memory>

namespace Ui {
class USBTimeoutDialog;
}
class UsbDevice;

class USBTimeoutDialog : public TimeoutDialog
{
    Q_OBJECT

public:
    USBTimeoutDialog(QWidget *parent, UsbDevice *usbDevice);
    ~USBTimeoutDialog() override;

protected:
    void applyStoredValues() override;

private:
    std::unique_ptr<Ui::USBTimeoutDialog> ui;
    UsbDevice *m_usb;
};
