// The program's only path to the interface: enumeration, connection and vendor control transfers.
#pragma once

#include "usb/usbbackend.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>

class UsbDevice : public QObject
{
    Q_OBJECT

public:
    explicit UsbDevice(UsbBackend *backend = processUsbBackend());
    ~UsbDevice() override;

    QStringList collectDevices();
    int connectDevice(int index);
    void disconnectDevice();
    int checkConnection() const;

    int control_send(quint8 request, quint16 value, quint16 index, char *data, int length);
    int control_receive(quint8 request, quint16 value, quint16 index, char *data, int length);

    int readMemory(char *buffer, quint32 address, quint32 length);
    int writeMemoryBlock(char *buffer, quint32 address);
    QByteArray readSerialNumber();

    int useStandardTimeout();
    int useDiscoveryTimeout();
    int timeout() const { return m_timeout; }
    void RunApplication();

    const QList<UsbDeviceEntry> &usbDevices() const { return m_usbDevices; }

    // The backend chosen once per process from RB604_SIMULATOR.
    static UsbBackend *processUsbBackend();

signals:
    void signal_suddenly_disconnected();

private:
    int control_receivePrivate(quint8 request, quint16 value, quint16 index, char *data, int length);

    UsbBackend *m_backend;
    quint16 m_productId;
    quint16 m_vendorId;
    const qint16 expectedInterfaceId = 960;
    int m_timeout;
    UsbHandle *m_handle = nullptr;
    QList<UsbDeviceEntry> m_usbDevices;
};

// The multi-line debug rendering of a byte block.
QString hexDump(const char *data, int length);
