// An RDM engine on the first interface of a USB backend, logging into a panel of its own.
#pragma once

#include "rdm/rdm.h"
#include "usb/usbdevice.h"

#include <QTextEdit>

class ConnectedEngine
{
public:
    explicit ConnectedEngine(UsbBackend *backend) : usb(backend)
    {
        usb.collectDevices();
        m_connected = usb.connectDevice(0) == 0;
    }
    bool isConnected() const { return m_connected; }

    UsbDevice usb;
    QTextEdit log;
    RDM rdm{&usb, &log};

private:
    bool m_connected = false;
};
