// One interface connection of the command-line tool, made as the main window makes it.
#pragma once

#include "rdm/logpanel.h"
#include "rdm/rdm.h"
#include "usb/usbdevice.h"

#include <QStringList>
#include <memory>

class CliSession
{
public:
    CliSession();
    ~CliSession();

    // The menu texts of the interfaces attached.
    QStringList interfaces();
    // Opens interface `index` of the last listing and sends the stored DMX and RDM timing;
    // false when it cannot be opened.
    bool connectInterface(int index);
    // Only after a successful connectInterface.
    RDM &rdm() { return *m_rdm; }
    // True once a transfer has failed and the link has closed the interface.
    bool isInterfaceLost() const { return m_interfaceLost; }
    // The engine's log lines written since the last call, each "hh:mm:ss: message".
    QStringList takeLogLines();

private:
    // The engine's log panel; never shown.
    LogPanel m_logPanel;
    std::unique_ptr<UsbDevice> m_usb;
    std::unique_ptr<RDM> m_rdm;
    bool m_interfaceLost = false;
};
