// Encoding and checking of RDM messages on the simulated line.
#include "simulator/linepacket.h"

#include "simulator/responderprotocol.h"
#include "usb/bytereader.h"
#include "usb/bytewriter.h"

QByteArray LinePacket::encode() const
{
    const QByteArray parameterData = data.left(Rdm::MaximumParameterData);
    QByteArray bytes;
    ByteWriter writer(&bytes);
    writer.u8(Rdm::StartCode)
        .u8(Rdm::SubStartCode)
        .u8(quint8(Rdm::HeaderSize + parameterData.size()))
        .uid(destination)
        .uid(source)
        .u8(transactionNumber)
        .u8(portOrResponseType)
        .u8(messageCount)
        .u16(subDevice)
        .u8(commandClass)
        .u16(pid)
        .u8(quint8(parameterData.size()))
        .bytes(parameterData);
    writer.u16(checksum(bytes, int(bytes.size())));
    return bytes;
}

LinePacket::DecodeError LinePacket::decode(const QByteArray &bytes, LinePacket *packet)
{
    ByteReader reader(bytes);
    const quint8 startCode = reader.u8();
    const quint8 subStartCode = reader.u8();
    const quint8 messageLength = reader.u8();
    packet->destination = reader.uid();
    packet->source = reader.uid();
    packet->transactionNumber = reader.u8();
    packet->portOrResponseType = reader.u8();
    packet->messageCount = reader.u8();
    packet->subDevice = reader.u16();
    packet->commandClass = reader.u8();
    packet->pid = reader.u16();
    const quint8 dataLength = reader.u8();
    if (!reader.ok())
        return DecodeError::TooShort;
    if (startCode != Rdm::StartCode || subStartCode != Rdm::SubStartCode)
        return DecodeError::WrongStartCode;
    if (messageLength != Rdm::HeaderSize + dataLength
        || bytes.size() != messageLength + Rdm::ChecksumSize)
        return DecodeError::LengthMismatch;
    packet->data = reader.bytes(dataLength);
    const quint16 received = reader.u16();
    if (received != checksum(bytes, messageLength))
        return DecodeError::ChecksumIncorrect;
    return DecodeError::None;
}

quint16 LinePacket::checksum(const QByteArray &bytes, int length)
{
    quint16 sum = 0;
    for (int i = 0; i < qMin(length, int(bytes.size())); ++i)
        sum = quint16(sum + quint8(bytes.at(i)));
    return sum;
}
