// The USB time limits of the link's control transfers.
#include "timeouts/usbtimeoutdialog.h"

#include "settings/settings.h"
#include "ui_usbtimeoutdialog.h"
#include "usb/usbdevice.h"

USBTimeoutDialog::USBTimeoutDialog(QWidget *parent, UsbDevice *usbDevice)
    : TimeoutDialog(parent), ui(std::make_unique<Ui::USBTimeoutDialog>()), m_usb(usbDevice)
{
    ui->setupUi(this);
    setUpRows({
                  {ui->spinBoxStandard, ui->pushButtonDefaultStandard, nullptr, 5000, 5000, usbStandardTimeout,
                   setUsbStandardTimeout},
                  {ui->spinBoxDiscovery, ui->pushButtonDefaultDiscovery, nullptr, 150000, 150000,
                   usbDiscoveryTimeout, setUsbDiscoveryTimeout},
              },
              ui->pushButtonOk, ui->pushButtonCancel);
}

USBTimeoutDialog::~USBTimeoutDialog() = default;

void USBTimeoutDialog::applyStoredValues()
{
    m_usb->useStandardTimeout();
}
