// Connection, engine and hidden log panel of one run of the command-line tool.
#include "cli/clisession.h"

#include "settings/settings.h"

CliSession::CliSession()
    : m_usb(std::make_unique<UsbDevice>())
{
    QObject::connect(m_usb.get(), &UsbDevice::signal_suddenly_disconnected, [this] { m_interfaceLost = true; });
}

CliSession::~CliSession() = default;

QStringList CliSession::interfaces()
{
    return m_usb->collectDevices();
}

bool CliSession::connectInterface(int index)
{
    if (m_usb->connectDevice(index) != 0)
        return false;
    m_rdm = std::make_unique<RDM>(m_usb.get(), &m_logPanel);
    m_rdm->setDmxTiming(dmxBreakTime(), dmxMabTime(), dmxInterslotTime(), dmxWaitTime());
    m_rdm->setRdmTiming(rdmDiscoveryResponseTimeout(), rdmDiscoveryAnyTimeout(), rdmGetResponseTimeout(),
                        rdmSetResponseTimeout(), rdmMissingAnyTimeout(), rdmResponseBroadcastAnyTimeout(),
                        rdmMaxLengthTimeout());
    return true;
}

QStringList CliSession::takeLogLines()
{
    // Emptied once read: the panel drops its oldest lines when full, so a count of lines already
    // taken would lose track on a long run.
    QStringList taken = m_logPanel.lines();
    m_logPanel.clearLines();
    for (QString &line : taken)
        line = line.trimmed();
    return taken;
}
