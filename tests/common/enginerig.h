// An engine connected to one simulated interface, with the log panel it writes to.
#pragma once

#include "rdm/logpanel.h"
#include "rdm/rdm.h"
#include "settings/settings.h"
#include "simulator/simulatedbackend.h"
#include "usb/usbdevice.h"

#include <QSettings>
#include <QStringList>
#include <memory>

struct EngineRig
{
    EngineRig()
        : usb(&backend)
    {
        interface = &backend.addInterface(QStringLiteral("ABCDEF1"));
        usb.collectDevices();
        connected = usb.connectDevice(0) == 0;
        rdm = std::make_unique<RDM>(&usb, &panel);
        backend.clearTransferLog();
    }

    // The data stages of the requests of one kind, as hex, in order.
    QStringList sent(quint8 request) const
    {
        QStringList data;
        for (const TransferRecord &transfer : backend.transferLog()) {
            if (transfer.request == request)
                data.append(QString::fromLatin1(transfer.data.toHex()));
        }
        return data;
    }
    QList<int> requests() const
    {
        QList<int> numbers;
        for (const TransferRecord &transfer : backend.transferLog())
            numbers.append(transfer.request);
        return numbers;
    }
    // The panel's lines without their time stamps.
    QStringList logLines() const
    {
        QStringList lines = panel.lines();
        for (QString &line : lines)
            line.remove(0, 11);
        return lines;
    }

    SimulatedBackend backend;
    SimulatedInterface *interface = nullptr;
    UsbDevice usb;
    LogPanel panel;
    std::unique_ptr<RDM> rdm;
    bool connected = false;
};

// A connected rig over a settings store reset to the program's defaults, as the dialogs read them.
inline std::unique_ptr<EngineRig> rigWithDefaultSettings()
{
    QSettings().clear();
    writeDefaultSettings();
    return std::make_unique<EngineRig>();
}
