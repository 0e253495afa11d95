// Responders the tests build by hand, and a reader for the answers they give.
#pragma once

#include "simulator/responderstate.h"
#include "usb/bytereader.h"

#include <QByteArray>

namespace Fixture {

constexpr quint64 ParUid = 0x7FF100000001ULL;
constexpr quint64 RackUid = 0x7FF200000001ULL;

// An LED par: three personalities, the first with slot descriptions, starting at channel 10.
inline ResponderState par(quint64 uid = ParUid)
{
    ResponderState state;
    state.uid = uid;
    ResponderDevice &root = state.root;
    root.modelId = 0x0101;
    root.productCategory = 0x0509;
    root.softwareVersionId = 0x01000000;
    root.personalities = {
        {3, "RGB", {{0, 0x0205, "Red", 0}, {0, 0x0206, "Green", 0}, {0, 0x0207, "Blue", 0}}},
        {7, "Full", {{0, 0x0001, "Dimmer", 255}}},
        {1, "Dimmer", {}},
    };
    root.settings.startAddress = 10;
    root.factorySettings = root.settings;
    return state;
}

// A rack with sub-devices 1, 2 and 4 (3 is a gap), sub-device 4 silent.
inline ResponderState rack()
{
    ResponderState state;
    state.uid = RackUid;
    state.root.personalities = {{4, "Rack", {}}};
    state.root.settings.startAddress = 100;
    for (quint16 number : {1, 2, 4}) {
        ResponderDevice device;
        device.modelId = 0x0200;
        device.personalities = {{1, "Dimmer", {}}};
        device.settings.startAddress = quint16(99 + number);
        device.silent = number == 4;
        state.subDevices.insert(number, device);
    }
    return state;
}

// The fields of an answer packet that the tests look at.
struct Answer
{
    quint64 destination = 0;
    quint64 source = 0;
    quint8 transactionNumber = 0;
    quint8 responseType = 0xEE;
    quint8 messageCount = 0;
    quint16 subDevice = 0;
    quint8 commandClass = 0;
    quint16 pid = 0;
    QByteArray data;

    static Answer read(const QByteArray &bytes)
    {
        Answer answer;
        ByteReader reader(bytes);
        reader.skip(3);
        answer.destination = reader.uid();
        answer.source = reader.uid();
        answer.transactionNumber = reader.u8();
        answer.responseType = reader.u8();
        answer.messageCount = reader.u8();
        answer.subDevice = reader.u16();
        answer.commandClass = reader.u8();
        answer.pid = reader.u16();
        answer.data = reader.bytes(reader.u8());
        return answer;
    }
    // Response type and parameter data in hexadecimal: "00 000a" is an ACK carrying 000a, "02 0006" a NACK.
    QByteArray brief() const
    {
        return QByteArray::number(responseType, 16).rightJustified(2, '0') + ' ' + data.toHex();
    }
};

} // namespace Fixture
