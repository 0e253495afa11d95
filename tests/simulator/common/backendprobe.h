// Drives a backend through the UsbBackend calls only, the way the program's USB link does.
#pragma once

#include "usb/bytereader.h"
#include "usb/interfaceids.h"
#include "usb/usbbackend.h"

#include <QByteArray>
#include <QList>

inline QList<UsbDeviceEntry> matchingDevices(UsbBackend &backend)
{
    QList<UsbDeviceEntry> matching;
    for (const UsbDeviceEntry &entry : backend.devices()) {
        if (entry.idVendor == interfaceVendorId && entry.idProduct == interfaceProductId)
            matching.append(entry);
    }
    return matching;
}

class BackendProbe
{
public:
    explicit BackendProbe(UsbBackend &backend) : m_backend(backend) {}
    ~BackendProbe() { close(); }
    BackendProbe(const BackendProbe &) = delete;
    BackendProbe &operator=(const BackendProbe &) = delete;

    // Opens, selects configuration 1 and claims interface 0, as a connection does.
    bool connect(const UsbDeviceEntry &entry)
    {
        close();
        m_handle = m_backend.open(entry);
        return m_handle && m_backend.setConfiguration(m_handle, 1) == 0 && m_backend.claimInterface(m_handle, 0) == 0;
    }
    bool connectFirst()
    {
        const QList<UsbDeviceEntry> matching = matchingDevices(m_backend);
        return !matching.isEmpty() && connect(matching.first());
    }
    void close()
    {
        if (m_handle)
            m_backend.close(m_handle);
        m_handle = nullptr;
    }
    UsbHandle *handle() const { return m_handle; }

    int send(quint8 request, quint16 value = 0, quint16 index = 0, QByteArray data = QByteArray())
    {
        return m_backend.controlTransfer(m_handle, 0x40, request, value, index, data.isEmpty() ? nullptr : data.data(),
                                         int(data.size()), 5000);
    }
    // The bytes answered; *result receives the transfer's result.
    QByteArray receive(quint8 request, quint16 value, quint16 index, int length, int *result = nullptr)
    {
        QByteArray buffer(length, '\0');
        const int count = m_backend.controlTransfer(m_handle, 0xC0, request, value, index, buffer.data(), length, 5000);
        if (result)
            *result = count;
        return buffer.left(qMax(0, count));
    }
    QByteArray receiveMemory(quint32 address, int length, int *result = nullptr)
    {
        return receive(1, quint16(address), quint16(address >> 16), length, result);
    }
    // The response record as the program reads it: the 3-byte header, then the data it announces.
    QByteArray record()
    {
        const QByteArray header = receive(10, 0, 0, 3);
        ByteReader reader(header);
        reader.skip(1);
        const int length = reader.u16le();
        return reader.ok() && length > 0 ? header + receive(10, 0, 3, length) : header;
    }
    // The serial as the program reads it: the low byte of each code unit behind the header.
    QByteArray serial()
    {
        char buffer[256];
        const int count = m_backend.stringDescriptor(m_handle, 3, buffer, int(sizeof buffer));
        QByteArray text;
        for (int i = 2; i + 1 < count && buffer[i] != 0; i += 2)
            text.append(buffer[i]);
        return text;
    }

private:
    UsbBackend &m_backend;
    UsbHandle *m_handle = nullptr;
};
