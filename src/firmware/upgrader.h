// The worker thread of a firmware upgrade: file check, switch into the bootloader, page writes, restart.
#pragma once

#include "rdm/clock.h"

#include <QByteArray>
#include <QString>
#include <QThread>

class UsbDevice;

class Upgrader : public QThread
{
    Q_OBJECT

public:
    // The link is driven from the thread without a lock: nothing else may use it while the thread runs.
    Upgrader(UsbDevice *usb, int connection, Clock *clock = Clock::system());
    ~Upgrader() override;

signals:
    void sendText(QString text);
    void sendPercent(int percent);

public slots:
    void slotSetFileName(QString fileName);
    void slotSetConnection(int connection);

protected:
    void run() override;

private:
    // The whole upgrade; returns after emitting the line that ends it.
    void upgrade();
    bool connectWithRetries();
    bool showBootloaderVersion();
    // Restarts a unit in application mode into its bootloader and finds it again by its serial.
    bool switchToBootloader(const QByteArray &serial);
    bool findUnitInBootloader(const QByteArray &serial);
    bool programRegionA(const QByteArray &image);
    bool programPage(const QByteArray &page, quint32 address);

    UsbDevice *usb = nullptr;
    QString fileName;
    int connection = 0;
    Clock *m_clock;
};
