// Anything that can sit on the simulated DMX line and answer RDM requests.
#pragma once

#include <QByteArray>
#include <QtGlobal>

class VirtualResponder
{
public:
    virtual ~VirtualResponder() = default;
    virtual quint64 uid() const = 0;
    // A complete request packet in (start code to checksum); the complete response packet out,
    // or an empty array for no response (broadcasts, silence).
    virtual QByteArray handle(const QByteArray &requestPacket) = 0;
};
