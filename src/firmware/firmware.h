// The dialog of a firmware upgrade: the worker's log and progress; it closes when the worker ends.
#pragma once

#include "rdm/clock.h"

#include <QDialog>
#include <memory>

namespace Ui {
class firmwareClass;
}
class Upgrader;
class UsbDevice;

class firmware : public QDialog
{
    Q_OBJECT

public:
    firmware(const QString &fileName, QWidget *parent, UsbDevice *usb, int connection, Clock *clock = Clock::system());
    ~firmware() override;

    // While the worker runs the dialog stays open: the link is in the middle of a flash write.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void slotAppendText(const QString &text);
    void slotUpgraderFinished();

private:
    bool isUpgrading() const;

    std::unique_ptr<Ui::firmwareClass> ui;
    std::unique_ptr<Upgrader> m_upgrader;
};
