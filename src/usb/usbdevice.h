// The program's only path to the interface: enumeration, connection and vendor control transfers.
#pragma once

#include "usb/hexdump.h"
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
    // Writes the transfer's trace line; a failed transfer disconnects and announces the loss (-1).
    int concludeTransfer(const char *direction, quint8 request, quint16 value, quint16 index, int dataLength,
                         int result);
    // Releases interface 0 and closes the open handle, if any.
    void closeInterface();
    QByteArray serialNumberOf(UsbHandle *handle);
    // "D:" + model + " FW:" + firmware from the information block of the open interface; empty if unreadable.
    QString informationLabel();
    // Opens, configures and claims; nullptr (with the handle closed again) when any step fails.
    UsbHandle *openForEnumeration(const UsbDeviceEntry &entry);

    UsbBackend *m_backend;
    quint16 m_productId;
    quint16 m_vendorId;
    const qint16 expectedInterfaceId = 960;
    int m_timeout;
    UsbHandle *m_handle = nullptr;
    // True from a successful connectDevice until the interface is closed.
    bool m_connected = false;
    QList<UsbDeviceEntry> m_usbDevices;
};
