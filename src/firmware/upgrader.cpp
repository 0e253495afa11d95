// Firmware upgrade through the interface's bootloader.
#include "firmware/upgrader.h"

#include "firmware/upgradefile.h"
#include "usb/bytereader.h"
#include "usb/usbdevice.h"

#include <QDebug>
#include <QFile>

namespace {

constexpr int connectionAttempts = 4;
constexpr int retryWaitMs = 200;
constexpr int restartWaitMs = 2000;
constexpr int settleWaitMs = 500;
constexpr int searchTries = 10;

constexpr int serialIdentityLength = 6;
constexpr int applicationSerialLength = 7;
constexpr int bootloaderSerialLength = 8;

constexpr quint32 bootloaderVersionAddress = 0x08003FD0;
constexpr int versionTextSize = 16;
constexpr int versionBlockSize = 2 * versionTextSize;

constexpr int pageSize = 1024;
constexpr int pageAttempts = 2;
static_assert(FlashLayout::regionSize % pageSize == 0, "region A is written in whole pages");

bool isBootloaderSerial(const QByteArray &serial)
{
    return serial.size() == bootloaderSerialLength && serial.at(bootloaderSerialLength - 1) == 'b';
}

} // namespace

Upgrader::Upgrader(UsbDevice *usb, int connection, Clock *clock) : m_clock(clock)
{
    if (usb) {
        this->usb = usb;
        this->connection = connection;
    }
    qDebug("Upgrader constructor");
}

Upgrader::~Upgrader()
{
    qDebug("Upgrader destructor");
}

void Upgrader::slotSetFileName(QString fileName)
{
    this->fileName = fileName;
}

void Upgrader::slotSetConnection(int connection)
{
    this->connection = connection;
}

void Upgrader::run()
{
    if (fileName.isEmpty() || !usb)
        return;
    qDebug("Start firmware upgrade");
    emit sendText(fileName);
    upgrade();
}

void Upgrader::upgrade()
{
    QFile file(fileName);
    file.open(QIODevice::ReadOnly);
    QByteArray image;
    // The whole file is checked before the interface is touched.
    switch (readUpgradeFile(&file, &image)) {
    case UpgradeFileCheck::WrongHeader:
        emit sendText(tr("Wrong file header"));
        return;
    case UpgradeFileCheck::WrongVersion:
        emit sendText(tr("Wrong file version"));
        return;
    case UpgradeFileCheck::IncompleteImage:
        emit sendText(tr("Incomplete firmware image"));
        return;
    case UpgradeFileCheck::Ok:
        break;
    }

    emit sendPercent(0);
    usb->disconnectDevice();
    if (!connectWithRetries()) {
        emit sendText(tr("USB Timeout\nCheck USB Cable"));
        return;
    }
    const QByteArray serial = usb->readSerialNumber();
    emit sendText(latin1Text(serial));
    if (!showBootloaderVersion()) {
        emit sendText(tr("Bootloader Version Read Error"));
        return;
    }

    if (isBootloaderSerial(serial)) {
        emit sendText(tr("Bootloader mode"));
    } else if (serial.size() == applicationSerialLength) {
        if (!switchToBootloader(serial))
            return;
    } else {
        emit sendText(tr("Serial:") + latin1Text(usb->readSerialNumber()));
        return;
    }

    if (!programRegionA(image)) {
        // The bootloader keeps running, so the upgrade can simply be started again.
        emit sendText(tr("ERROR"));
        return;
    }
    emit sendText(tr("OK"));
    usb->RunApplication();
    // The window lists the interfaces as soon as the dialog closes: give the new application time to come back.
    m_clock->sleep(restartWaitMs);
}

bool Upgrader::connectWithRetries()
{
    for (int attempt = 1; attempt <= connectionAttempts; ++attempt) {
        if (usb->connectDevice(connection) == 0)
            return true;
        if (attempt < connectionAttempts) {
            qDebug("usb->connect(connection)\nmssleep(200)");
            m_clock->sleep(retryWaitMs);
        }
    }
    return false;
}

bool Upgrader::showBootloaderVersion()
{
    QByteArray block(versionBlockSize, '\0');
    if (usb->readMemory(block.data(), bootloaderVersionAddress, versionBlockSize) != 0)
        return false;
    emit sendText(latin1Text(block.left(versionTextSize)));
    emit sendText(latin1Text(block.mid(versionTextSize)));
    return true;
}

bool Upgrader::switchToBootloader(const QByteArray &serial)
{
    emit sendText(tr("Apllication mode"));
    emit sendText(tr("Reset device"));
    usb->RunApplication();
    m_clock->sleep(restartWaitMs);
    usb->disconnectDevice();
    m_clock->sleep(settleWaitMs);

    if (!findUnitInBootloader(serial)) {
        emit sendText(tr("USB timout\nCheck USB cable"));
        return false;
    }
    emit sendText(tr("Disconnect"));
    usb->disconnectDevice();
    emit sendText(tr("Connect"));
    usb->connectDevice(connection);
    emit sendText(tr("Serial:") + latin1Text(usb->readSerialNumber()));
    return true;
}

bool Upgrader::findUnitInBootloader(const QByteArray &serial)
{
    int tries = searchTries;
    while (true) {
        const int triesBefore = tries;
        usb->collectDevices();
        for (int i = 0; i < usb->usbDevices().size(); ++i) {
            if (usb->connectDevice(i) != 0) {
                m_clock->sleep(retryWaitMs);
                continue;
            }
            const QByteArray candidate = usb->readSerialNumber();
            if (isBootloaderSerial(candidate)) {
                if (candidate.left(serialIdentityLength) == serial.left(serialIdentityLength)) {
                    emit sendText(tr("Bootloader mode"));
                    connection = i;
                    return true;
                }
                usb->disconnectDevice();
                continue;
            }
            usb->disconnectDevice();
            m_clock->sleep(retryWaitMs);
            --tries;
        }
        // A bus without the unit would otherwise be searched for ever.
        if (tries == triesBefore) {
            m_clock->sleep(retryWaitMs);
            --tries;
        }
        if (tries <= 0)
            return false;
    }
}

bool Upgrader::programRegionA(const QByteArray &image)
{
    emit sendText(tr("Writting firmware ..."));
    const QByteArray region = image.mid(FlashLayout::regionAOffset, FlashLayout::regionSize);
    for (int offset = 0; offset < region.size(); offset += pageSize) {
        if (!programPage(region.mid(offset, pageSize), FlashLayout::flashStart + FlashLayout::regionAOffset + offset))
            return false;
        emit sendPercent(int(qint64(offset + pageSize) * 100 / FlashLayout::regionSize));
    }
    return true;
}

bool Upgrader::programPage(const QByteArray &page, quint32 address)
{
    // A page that does not read back as written is written once more; a second failure ends the upgrade,
    // since starting an application with a corrupted page would leave the unit unusable.
    for (int attempt = 1; attempt <= pageAttempts; ++attempt) {
        // A failed read-back has closed the link.
        if (attempt > 1 && usb->checkConnection() != 0)
            usb->connectDevice(connection);
        QByteArray written = page; // the write scrambles its buffer
        if (usb->writeMemoryBlock(written.data(), address) != 0) {
            qDebug("page write ERROR");
            return false;
        }
        qDebug("page write OK");
        QByteArray readBack(pageSize, char(0xFF));
        if (usb->readMemory(readBack.data(), address, pageSize) != 0) {
            qDebug("page read ERROR");
            continue;
        }
        if (readBack == page)
            return true;
        qDebug("page verify ERROR");
    }
    return false;
}
