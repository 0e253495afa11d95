// The RDM engine: packets to the interface, response records back, transactions and discovery.
#include "rdm/rdm.h"

#include "rdm/logpanel.h"
#include "rdm/progressbarview.h"
#include "usb/bytereader.h"
#include "usb/bytewriter.h"
#include "usb/trace.h"
#include "usb/usbdevice.h"

#include <QCoreApplication>

namespace {

namespace Request {
constexpr quint8 StartFullDiscovery = 7;
constexpr quint8 StartAdditionalDiscovery = 8;
constexpr quint8 SendPacket = 9;
constexpr quint8 ReadResponse = 10;
constexpr quint8 SetRdmTiming = 11;
constexpr quint8 SendDmxLevels = 12;
constexpr quint8 SetDmxTiming = 13;
constexpr quint8 BeginDmxControl = 14;
constexpr quint8 EndDmxControl = 15;
} // namespace Request

constexpr int recordHeaderLength = 3;
constexpr int discoverySeconds = 30;
constexpr quint8 statusAck = 1;
constexpr quint8 statusFailed = 2;

bool isBroadcast(quint64 uid, quint16 subDevice)
{
    return quint32(uid) == 0xFFFFFFFFu || subDevice == 0xFFFF;
}

} // namespace

// NACK reason names are protocol identifiers and stay untranslated.
const char *nackReasonName(quint16 reason)
{
    static const char *const names[] = {
        "NR_UNKNOWN_PID",       "NR_FORMAT_ERROR",      "NR_HARDWARE_FAULT",
        nullptr,                "NR_WRITE_PROTECT",     "NR_UNSUPPORTED_CC",
        "NR_DATA_OUT_OF_RANGE", "NR_BUFFER_FULL",       "NR_PACKET_SIZE_UNSUPPORTED",
        "NR_NO_SUBDEVICE",
    };
    return reason < std::size(names) ? names[reason] : nullptr;
}

RDM::RDM(UsbDevice *usbDevice, LogPanel *logPanel)
    : m_usb(usbDevice), m_logPanel(logPanel), m_clock(Clock::system()),
      m_defaultProgress(std::make_unique<ProgressBarView>()), m_progress(m_defaultProgress.get())
{
    qCDebug(rdmTrace) << "RDM constructor";
}

RDM::~RDM()
{
    qCDebug(rdmTrace) << "RDM destructor";
}

void RDM::setClock(Clock *clock)
{
    m_clock = clock ? clock : Clock::system();
}

void RDM::setDiscoveryProgress(DiscoveryProgress *progress)
{
    m_progress = progress ? progress : m_defaultProgress.get();
}

int RDM::sendPacket(quint64 uid)
{
    QByteArray packet;
    packet.reserve(26 + m_parameterData.size());
    ByteWriter writer(&packet);
    writer.u8(0xCC).u8(0x01).u8(quint8(24 + m_parameterData.size()));
    writer.uid(uid & 0xFFFFFFFFFFFFULL).uid(controllerUid);
    writer.u8(0).u8(1).u8(0); // transaction number, port ID, message count
    writer.u16(m_subDevice).u8(m_commandClass).u16(m_pid).u8(quint8(m_parameterData.size()));
    writer.bytes(m_parameterData);
    quint16 checksum = 0;
    for (const char byte : std::as_const(packet))
        checksum = quint16(checksum + quint8(byte));
    writer.u16(checksum);
    return m_usb->control_send(Request::SendPacket, 0, 0, packet.data(), int(packet.size()));
}

int RDM::sendRequest(quint64 uid, quint8 commandClass, quint16 pid, quint8 pdl, const quint8 *data,
                     quint16 subDevice)
{
    return send(uid, commandClass, pid, pdl, data, subDevice, Logging::Logged);
}

int RDM::send(quint64 uid, quint8 commandClass, quint16 pid, quint8 pdl, const quint8 *data, quint16 subDevice,
              Logging logging)
{
    m_commandClass = commandClass;
    m_pid = pid;
    m_subDevice = subDevice;
    m_parameterData.clear();
    if (m_usb->checkConnection() != 0)
        return -1;
    QString refusal;
    // A longer packet would not fit the one-byte message length.
    if (pdl > maximumParameterDataLength)
        refusal = tr("Parameter data too long: %1 bytes, at most %2 can be sent")
                      .arg(pdl)
                      .arg(maximumParameterDataLength);
    else if (pdl > 0 && !data)
        refusal = tr("Parameter data missing: PDL %1, no data given").arg(pdl);
    if (!refusal.isEmpty()) {
        if (logging == Logging::Logged)
            log(refusal);
        return -1;
    }
    m_parameterData = QByteArray(reinterpret_cast<const char *>(data), pdl);
    return sendPacket(uid);
}

int RDM::dropResponse(int result, const QString &reason)
{
    m_response.fill(0);
    if (!reason.isEmpty())
        log(reason);
    return result;
}

int RDM::readResponse()
{
    char *record = reinterpret_cast<char *>(m_response.data());
    const int headerRead = m_usb->control_receive(Request::ReadResponse, 0, 0, record, recordHeaderLength);
    if (headerRead < 0)
        return dropResponse(headerRead);
    if (headerRead < recordHeaderLength)
        return dropResponse(-1, tr("Response record incomplete: %1 of %2 header bytes")
                                    .arg(headerRead)
                                    .arg(recordHeaderLength));
    const int length = responseLength();
    if (length > maximumResponseDataLength)
        return dropResponse(-1, tr("Response record refused: %1 data bytes announced, at most %2 fit")
                                    .arg(length)
                                    .arg(maximumResponseDataLength));
    if (m_response[0] == statusAck && length == 0)
        return 0;

    const int dataRead = m_usb->control_receive(Request::ReadResponse, 0, recordHeaderLength,
                                                record + recordHeaderLength, length);
    if (dataRead < 0)
        return dropResponse(dataRead);
    if (dataRead < length)
        return dropResponse(-1, tr("Response record incomplete: %1 of %2 data bytes").arg(dataRead).arg(length));
    return 0;
}

const quint8 *RDM::responseData() const
{
    return m_response.data() + recordHeaderLength;
}

quint16 RDM::responseLength() const
{
    return quint16(m_response[1] | (m_response[2] << 8));
}

bool RDM::isAckResponse() const
{
    return m_response[0] == statusAck;
}

QString RDM::responseErrorText() const
{
    if (m_response[0] != statusFailed)
        return QString();
    ByteReader reader(reinterpret_cast<const char *>(responseData()), responseLength());
    const quint8 resultCode = reader.u8();
    const quint16 detail = reader.u16();
    // A record cut after the result code carries no reason or estimate; none is made up.
    const bool hasDetail = reader.ok();
    switch (resultCode) {
    case 2:
        return tr("missing response");
    case 3:
        return tr("bad destination UID");
    case 4:
        return tr("bad checksum");
    case 5:
        return tr("bad transaction number");
    case 6:
        if (!hasDetail)
            return tr("NACK response received");
        return tr("NACK response received: ") + QLatin1String(nackReasonName(detail));
    case 7:
        if (!hasDetail)
            return tr("ACK Timer");
        return tr("ACK Timer - wait ") + QString::number(detail / 10.0, 'g', 10) + QLatin1String("s");
    case 8:
        return tr("unknown command class");
    default:
        return QString();
    }
}

void RDM::log(const QString &message)
{
    if (m_logPanel)
        m_logPanel->appendLine(message);
}

void RDM::logHtml(const QString &html)
{
    if (m_logPanel)
        m_logPanel->appendHtmlLine(html);
}

int RDM::exchange(quint8 commandClass, quint64 uid, quint16 pid, quint8 pdl, const quint8 *data,
                  quint16 subDevice, Logging logging)
{
    if (send(uid, commandClass, pid, pdl, data, subDevice, logging) < 0)
        return dropResponse(-1);
    if (readResponse() < 0)
        return -2;
    return isAckResponse() ? 0 : -3;
}

void RDM::logOutcome(int result, const QString &sendFailed, const QString &receiveFailed)
{
    switch (result) {
    case 0:
        log(tr("ACK response received"));
        break;
    case -1:
        log(sendFailed);
        break;
    case -2:
        log(receiveFailed);
        break;
    default:
        log(tr("Response error - ") + responseErrorText());
        break;
    }
}

bool RDM::refuseBroadcastGet(quint64 uid, quint16 subDevice)
{
    if (!isBroadcast(uid, subDevice))
        return false;
    // The interface would keep its previous record, which must not read as this answer.
    dropResponse(-1, tr("GET to a broadcast address refused: no responder answers it"));
    return true;
}

int RDM::rdmGet(quint64 uid, quint16 pid, quint8 pdl, const quint8 *data, quint16 subDevice)
{
    if (refuseBroadcastGet(uid, subDevice))
        return -1;
    const int result = exchange(RdmCommandClass::Get, uid, pid, pdl, data, subDevice, Logging::Logged);
    logOutcome(result, tr("GET request failed. USB send error"), tr("GET request failed. USB receive error"));
    return result;
}

int RDM::rdmSet(quint64 uid, quint16 pid, quint8 pdl, const quint8 *data, quint16 subDevice)
{
    log(tr("Sending SET request"));
    if (isBroadcast(uid, subDevice)) {
        if (sendRequest(uid, RdmCommandClass::Set, pid, pdl, data, subDevice) < 0) {
            log(tr("SET request failed. USB send error"));
            return -1;
        }
        log(tr("SET Broadcast sent."));
        // Nobody answers a broadcast; the previous answer must not read as one.
        return dropResponse(0);
    }
    const int result = exchange(RdmCommandClass::Set, uid, pid, pdl, data, subDevice, Logging::Logged);
    logOutcome(result, tr("SET request failed. USB send error"), tr("SET request failed. USB receive error"));
    return result;
}

int RDM::quietGet(quint64 uid, quint16 pid, quint8 pdl, const quint8 *data, quint16 subDevice)
{
    if (refuseBroadcastGet(uid, subDevice))
        return -1;
    return exchange(RdmCommandClass::Get, uid, pid, pdl, data, subDevice, Logging::Quiet);
}

int RDM::startFullDiscovery()
{
    if (m_usb->checkConnection() != 0)
        return -1;
    const int result = m_usb->control_send(Request::StartFullDiscovery, 0, 0, nullptr, 0);
    if (result < 0)
        log(tr("Discovery error!"));
    else
        log(tr("Full Discovery request sent. Waiting for response..."));
    return result;
}

int RDM::startAdditionalDiscovery()
{
    if (m_usb->checkConnection() != 0)
        return -1;
    const int result = m_usb->control_send(Request::StartAdditionalDiscovery, 0, 0, nullptr, 0);
    if (result >= 0)
        log(tr("Additional Discovery request sent. Waiting for response..."));
    return result;
}

int RDM::finishDiscovery()
{
    const int result = readResponse();
    m_usb->useStandardTimeout();
    if (result < 0) {
        log(tr("Response data not received. USB error"));
        return -2;
    }
    log(tr("Discovery successful"));
    return 0;
}

int RDM::fullDiscovery(QWidget *parent)
{
    m_usb->useDiscoveryTimeout();
    if (startFullDiscovery() < 0) {
        m_usb->useStandardTimeout();
        return -1;
    }

    m_progress->begin(parent, discoverySeconds);
    const QDateTime deadline = m_clock->now().addSecs(discoverySeconds);
    QDateTime nextSecond = m_clock->now().addSecs(1);
    while (m_clock->now() < deadline) {
        // Sleep in short slices so the bar can repaint; user input stays out.
        while (m_clock->now() < nextSecond) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            m_clock->sleep(int(qMin<qint64>(50, m_clock->now().msecsTo(nextSecond))));
        }
        nextSecond = nextSecond.addSecs(1);
        m_progress->setValue(discoverySeconds - int(m_clock->now().secsTo(deadline)));
    }

    const int result = finishDiscovery();
    m_progress->end();
    return result;
}

int RDM::additionalDiscovery()
{
    m_usb->useDiscoveryTimeout();
    if (startAdditionalDiscovery() < 0) {
        m_usb->useStandardTimeout();
        return -1;
    }
    return finishDiscovery();
}

int RDM::discoveredUids(QList<quint64> *uids)
{
    *uids = responseUids();
    log(tr("Number of devices found: ") + QString::number(uids->size()));
    return int(uids->size());
}

QList<quint64> RDM::responseUids() const
{
    ByteReader reader(reinterpret_cast<const char *>(responseData()), responseLength());
    QList<quint64> uids;
    while (reader.remaining() >= 6)
        uids.append(reader.uid());
    return uids;
}

int RDM::setRdmTiming(quint32 discoveryResponse, quint32 discoveryAny, quint32 getResponse,
                      quint32 setResponse, quint32 missingAny, quint32 responseBroadcastAny,
                      quint32 maxLength)
{
    QByteArray data;
    ByteWriter(&data)
        .u32le(discoveryResponse)
        .u32le(discoveryAny)
        .u32le(getResponse)
        .u32le(setResponse)
        .u32le(missingAny)
        .u32le(responseBroadcastAny)
        .u32le(maxLength);
    return m_usb->control_send(Request::SetRdmTiming, 0, 0, data.data(), int(data.size()));
}

int RDM::setDmxTiming(quint32 breakTime, quint32 markAfterBreak, quint32 interslotTime, quint32 waitTime)
{
    QByteArray data;
    ByteWriter(&data).u32le(breakTime).u32le(markAfterBreak).u32le(interslotTime).u32le(waitTime);
    return m_usb->control_send(Request::SetDmxTiming, 0, 0, data.data(), int(data.size()));
}

int RDM::sendDmxLevels(const quint8 *levels, quint16 firstSlot, quint16 count)
{
    QByteArray data;
    ByteWriter(&data).u16le(firstSlot).bytes(levels ? QByteArray(reinterpret_cast<const char *>(levels), count)
                                                    : QByteArray());
    return m_usb->control_send(Request::SendDmxLevels, 0, 0, data.data(), int(data.size()));
}

int RDM::beginDmxControl()
{
    return m_usb->control_send(Request::BeginDmxControl, 0, 0, nullptr, 0);
}

int RDM::endDmxControl()
{
    return m_usb->control_send(Request::EndDmxControl, 0, 0, nullptr, 0);
}
