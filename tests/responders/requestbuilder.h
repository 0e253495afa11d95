// Builds E1.20 request packets byte by byte, independently of the simulator's own encoder.
#pragma once

#include "usb/bytewriter.h"

#include <QByteArray>

namespace TestRequest {

constexpr quint64 Controller = 0x010203010101ULL;
constexpr quint8 Get = 0x20;
constexpr quint8 Set = 0x30;

inline QByteArray packet(quint64 destination, quint8 commandClass, quint16 pid, const QByteArray &data)
{
    QByteArray bytes;
    ByteWriter(&bytes)
        .u8(0xCC)
        .u8(0x01)
        .u8(quint8(24 + data.size()))
        .uid(destination)
        .uid(Controller)
        .u8(0) // transaction number
        .u8(1)
        .u8(0)
        .u16(0) // root device
        .u8(commandClass)
        .u16(pid)
        .u8(quint8(data.size()))
        .bytes(data);
    quint16 sum = 0;
    for (char byte : bytes)
        sum = quint16(sum + quint8(byte));
    ByteWriter(&bytes).u16(sum);
    return bytes;
}

inline QByteArray get(quint64 destination, quint16 pid, const QByteArray &data = {})
{
    return packet(destination, Get, pid, data);
}

inline QByteArray set(quint64 destination, quint16 pid, const QByteArray &data = {})
{
    return packet(destination, Set, pid, data);
}

} // namespace TestRequest
