// The upgrade dialog and the lifetime of its worker thread.
#include "firmware/firmware.h"

#include "firmware/upgrader.h"
#include "ui_firmware.h"
#include "usb/usbdevice.h"

#include <QCloseEvent>
#include <QMessageBox>

firmware::firmware(const QString &fileName, QWidget *parent, UsbDevice *usb, int connection, Clock *clock)
    : QDialog(parent), ui(std::make_unique<Ui::firmwareClass>())
{
    ui->setupUi(this);
    if (!usb || usb->checkConnection() != 0) {
        QMessageBox::warning(this, tr("USB Error"), tr("Connect Rb604 Device"), QMessageBox::Ok);
        return;
    }
    m_upgrader = std::make_unique<Upgrader>(usb, connection, clock);
    m_upgrader->slotSetFileName(fileName);
    connect(m_upgrader.get(), &Upgrader::sendText, this, &firmware::slotAppendText);
    connect(m_upgrader.get(), &Upgrader::sendPercent, ui->progressBar, &QProgressBar::setValue);
    connect(m_upgrader.get(), &QThread::finished, this, &firmware::slotUpgraderFinished);
    m_upgrader->start(QThread::InheritPriority);
}

firmware::~firmware()
{
    if (m_upgrader)
        m_upgrader->wait();
}

bool firmware::isUpgrading() const
{
    return m_upgrader && m_upgrader->isRunning();
}

void firmware::reject()
{
    if (!isUpgrading())
        QDialog::reject();
}

void firmware::closeEvent(QCloseEvent *event)
{
    if (isUpgrading()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void firmware::slotAppendText(const QString &text)
{
    // Serials and version texts come from the device: they are shown as plain text, never as markup.
    const bool first = ui->textBrowser->document()->isEmpty();
    ui->textBrowser->moveCursor(QTextCursor::End);
    ui->textBrowser->insertPlainText(first ? text : QLatin1Char('\n') + text);
}

void firmware::slotUpgraderFinished()
{
    // finished() comes just before the thread has wound down; wait for it so that close() is not refused.
    m_upgrader->wait();
    close();
}
