// Checks an answer as the interface firmware does and turns a bad one into its result code.
#include "simulator/lineanswercheck.h"

#include "simulator/responderprotocol.h"
#include "usb/bytereader.h"
#include "usb/bytewriter.h"

namespace {

quint16 detailOf(const QByteArray &data)
{
    ByteReader reader(data);
    const quint16 detail = reader.u16();
    return reader.ok() ? detail : 0;
}

// A queued message comes back with the command class of the request it answers late.
bool isExpectedCommandClass(const LinePacket &response, const LinePacket &request)
{
    if (response.commandClass == quint8(request.commandClass + 1))
        return true;
    return request.pid == Rdm::Pid::QueuedMessage && request.commandClass == Rdm::CommandClass::Get
           && response.commandClass == Rdm::CommandClass::SetResponse;
}

} // namespace

ResponseRecord LineAnswerCheck::failed(quint8 resultCode, quint16 detail)
{
    ResponseRecord record;
    record.status = 2;
    ByteWriter(&record.data).u8(resultCode).u16(detail);
    return record;
}

LineAnswerCheck LineAnswerCheck::check(const QByteArray &answer, const LinePacket &request)
{
    LineAnswerCheck verdict;
    if (answer.isEmpty()) {
        verdict.failure = failed(ResultCode::MissingResponse);
        return verdict;
    }
    LinePacket response;
    switch (LinePacket::decode(answer, &response)) {
    case LinePacket::DecodeError::None:
        break;
    case LinePacket::DecodeError::WrongStartCode:
        // Not an RDM answer: the interface keeps waiting for one until its time-out.
        verdict.failure = failed(ResultCode::MissingResponse);
        return verdict;
    case LinePacket::DecodeError::TooShort:
    case LinePacket::DecodeError::LengthMismatch:
    case LinePacket::DecodeError::ChecksumIncorrect:
        verdict.failure = failed(ResultCode::BadChecksum);
        return verdict;
    }
    if (response.destination != Rdm::ControllerUid) {
        verdict.failure = failed(ResultCode::BadDestination);
    } else if (response.transactionNumber != request.transactionNumber) {
        verdict.failure = failed(ResultCode::BadTransactionNumber);
    } else if (!isExpectedCommandClass(response, request)) {
        verdict.failure = failed(ResultCode::UnknownCommandClass);
    } else {
        switch (response.portOrResponseType) {
        case Rdm::ResponseType::Ack:
        case Rdm::ResponseType::AckOverflow:
            verdict.responseType = response.portOrResponseType;
            verdict.data = response.data;
            break;
        case Rdm::ResponseType::NackReason:
            verdict.failure = failed(ResultCode::Nack, detailOf(response.data));
            break;
        case Rdm::ResponseType::AckTimer:
            verdict.failure = failed(ResultCode::AckTimer, detailOf(response.data));
            break;
        default:
            verdict.failure = failed(ResultCode::Unexplained, response.portOrResponseType);
            break;
        }
    }
    return verdict;
}
