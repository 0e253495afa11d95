// The parameters a simulated responder answers: one table of {pid, get handler, set handler}.
#pragma once

#include "simulator/responderstate.h"

#include <QDateTime>
#include <functional>
#include <optional>

// What a handler answers: an ACK with data, a NACK with its reason, or another queued answer.
struct ParameterReply
{
    quint8 responseType = Rdm::ResponseType::Ack;
    QByteArray data;
    std::optional<QueuedResponse> queued;   // QUEUED_MESSAGE hands out a stored answer instead

    static ParameterReply ack(const QByteArray &data = QByteArray());
    static ParameterReply nack(quint16 reason);
    bool isAck() const { return responseType == Rdm::ResponseType::Ack; }
};

struct ParameterRequest
{
    ResponderState &state;
    ResponderDevice &device;
    quint16 subDevice;
    QByteArray data;
    // The host time; read only by the parameters that need it, as asking costs a system call.
    const std::function<QDateTime()> &now;
};

// Whether a SET may change anything: a write-protected device refuses every SET.
enum class WriteAccess { Allowed, Protected };

// Checks what every parameter shares (known and supported PID, command class, data length,
// write protection) and then runs the parameter's handler.
ParameterReply answerParameter(ParameterRequest &request, quint8 commandClass, quint16 pid,
                               WriteAccess access);

// The PIDs SUPPORTED_PARAMETERS lists for a device, in ascending order.
QList<quint16> supportedParameters(const ResponderState &state, const ResponderDevice &device,
                                   quint16 subDevice);
