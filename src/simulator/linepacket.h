// One E1.20 message as it travels on the simulated DMX line, request or response.
#pragma once

#include <QByteArray>
#include <QtGlobal>

struct LinePacket
{
    // Why a byte sequence is not a usable message (E1.20 6.2).
    enum class DecodeError { None, TooShort, WrongStartCode, LengthMismatch, ChecksumIncorrect };

    quint64 destination = 0;
    quint64 source = 0;
    quint8 transactionNumber = 0;
    quint8 portOrResponseType = 0;
    quint8 messageCount = 0;
    quint16 subDevice = 0;
    quint8 commandClass = 0;
    quint16 pid = 0;
    QByteArray data;

    // Start code to checksum; parameter data beyond 231 bytes are not sent.
    QByteArray encode() const;
    // Fills `packet` with every header field it could read, even when the message is refused.
    static DecodeError decode(const QByteArray &bytes, LinePacket *packet);
    // The 16-bit sum of the first `length` bytes.
    static quint16 checksum(const QByteArray &bytes, int length);
};
