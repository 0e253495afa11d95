// The interface firmware's verdict on one answer to a request-9 packet.
#pragma once

#include "simulator/linepacket.h"

#include <QByteArray>
#include <optional>

// What the interface keeps for request 10 to fetch: status byte and data.
struct ResponseRecord
{
    quint8 status = 0;
    QByteArray data;
};

namespace ResultCode {
constexpr quint8 MissingResponse = 2;
constexpr quint8 BadDestination = 3;
constexpr quint8 BadChecksum = 4;
constexpr quint8 BadTransactionNumber = 5;
constexpr quint8 Nack = 6;
constexpr quint8 AckTimer = 7;
constexpr quint8 UnknownCommandClass = 8;
// An answer of a response type E1.20 does not define: failed, without a reason to name.
constexpr quint8 Unexplained = 0;
} // namespace ResultCode

struct LineAnswerCheck
{
    // Set when the answer ends the exchange as a failure.
    std::optional<ResponseRecord> failure;
    // Otherwise ACK or ACK_OVERFLOW and the answer's parameter data.
    quint8 responseType = 0;
    QByteArray data;

    static LineAnswerCheck check(const QByteArray &answer, const LinePacket &request);
    static ResponseRecord failed(quint8 resultCode, quint16 detail = 0);
};
