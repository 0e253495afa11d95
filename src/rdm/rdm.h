// The RDM engine: request packets, response records, transactions, discovery and device requests.
#pragma once

#include "rdm/clock.h"
#include "rdm/discoveryprogress.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QByteArray>
#include <array>
#include <memory>

class LogPanel;
class QWidget;
class UsbDevice;

// The controller's own UID, the source of every request.
constexpr quint64 controllerUid = 0x010203010101ULL;

namespace RdmCommandClass {
constexpr quint8 Get = 0x20;
constexpr quint8 Set = 0x30;
} // namespace RdmCommandClass

class RDM : public QObject
{
    Q_OBJECT

public:
    RDM(UsbDevice *usbDevice, LogPanel *logPanel);
    ~RDM() override;

    // Packets and response records.
    int sendPacket(quint64 uid);
    int sendRequest(quint64 uid, quint8 commandClass, quint16 pid, quint8 pdl, const quint8 *data,
                    quint16 subDevice);
    int readResponse();
    const quint8 *responseData() const;
    quint16 responseLength() const;
    bool isAckResponse() const;
    QString responseErrorText() const;
    void log(const QString &message);
    void logHtml(const QString &html);
    // The PID of the last request asked for, sent or not, and the parameter data it was sent with.
    quint16 requestPid() const { return m_pid; }
    QByteArray requestData() const { return m_parameterData; }

    // Transactions: 0 ACK, -1 not sent, -2 not read, -3 not an ACK.
    int rdmGet(quint64 uid, quint16 pid, quint8 pdl, const quint8 *data, quint16 subDevice);
    int rdmSet(quint64 uid, quint16 pid, quint8 pdl, const quint8 *data, quint16 subDevice);
    int quietGet(quint64 uid, quint16 pid, quint8 pdl, const quint8 *data, quint16 subDevice);

    // Discovery.
    int startFullDiscovery();
    int startAdditionalDiscovery();
    int fullDiscovery(QWidget *parent);
    int additionalDiscovery();
    // The UIDs of the last discovery record, with a log line of their number.
    int discoveredUids(QList<quint64> *uids);
    // The same without the log line.
    QList<quint64> responseUids() const;

    // Interface requests.
    int setRdmTiming(quint32 discoveryResponse, quint32 discoveryAny, quint32 getResponse,
                     quint32 setResponse, quint32 missingAny, quint32 responseBroadcastAny,
                     quint32 maxLength);
    int setDmxTiming(quint32 breakTime, quint32 markAfterBreak, quint32 interslotTime, quint32 waitTime);
    int sendDmxLevels(const quint8 *levels, quint16 firstSlot, quint16 count);
    int beginDmxControl();
    int endDmxControl();
    quint8 *dmxLevels() { return m_dmxLevels.data(); }

    // Parameter-specific GETs: -1, -2, -3 as quietGet; on an ACK 0 or the data length.
    int getDeviceInfo(quint64 uid, quint16 subDevice);
    int getDeviceModelDescription(quint64 uid, quint16 subDevice);
    int getSoftwareVersionLabel(quint64 uid, quint16 subDevice);
    int getDeviceLabel(quint64 uid, quint16 subDevice);
    int getManufacturerLabel(quint64 uid, quint16 subDevice);
    int getDmxPersonality(quint64 uid, quint16 subDevice);
    int getSupportedParameters(quint64 uid, quint16 subDevice);
    int getParameterDescription(quint64 uid, quint16 subDevice, quint16 pid);
    int getPersonalityDescription(quint64 uid, quint16 subDevice, quint8 personality);
    int getSensorDefinition(quint64 uid, quint16 subDevice, quint8 sensor);
    int getSensorValue(quint64 uid, quint16 subDevice, quint8 sensor);
    int getIdentify(quint64 uid, quint16 subDevice);
    int getDeviceHours(quint64 uid, quint16 subDevice);
    int getDevicePowerCycles(quint64 uid, quint16 subDevice);
    int getLampHours(quint64 uid, quint16 subDevice);
    int getLampStrikes(quint64 uid, quint16 subDevice);
    int getLampState(quint64 uid, quint16 subDevice);
    int getLampOnMode(quint64 uid, quint16 subDevice);
    int getLanguageCapabilities(quint64 uid, quint16 subDevice);
    int getLanguage(quint64 uid, quint16 subDevice);
    int getDisplayInvert(quint64 uid, quint16 subDevice);
    int getDisplayLevel(quint64 uid, quint16 subDevice);
    int getPanInvert(quint64 uid, quint16 subDevice);
    int getTiltInvert(quint64 uid, quint16 subDevice);
    int getPanTiltSwap(quint64 uid, quint16 subDevice);
    int getRealTimeClock(quint64 uid, quint16 subDevice);
    int getPowerState(quint64 uid, quint16 subDevice);
    int getPresetPlayback(quint64 uid, quint16 subDevice);

    // The largest parameter data a request packet carries.
    static constexpr int maximumParameterDataLength = 231;
    // The most data a response record can carry in its 512-byte buffer.
    static constexpr int maximumResponseDataLength = 509;
    // A discovery record holding this many UIDs is full: more responders may wait on the line.
    static constexpr int mostUidsPerRecord = maximumResponseDataLength / 6;

    // Where the full discovery takes its time from; the wall clock by default. Not owned.
    void setClock(Clock *clock);
    // How the full discovery shows its wait; a progress bar window by default. Not owned.
    void setDiscoveryProgress(DiscoveryProgress *progress);

private:
    enum class Logging { Logged, Quiet };

    int finishDiscovery();
    int send(quint64 uid, quint8 commandClass, quint16 pid, quint8 pdl, const quint8 *data, quint16 subDevice,
             Logging logging);
    int exchange(quint8 commandClass, quint64 uid, quint16 pid, quint8 pdl, const quint8 *data,
                 quint16 subDevice, Logging logging);
    // True, with a log line and an empty record, when the GET addresses a broadcast UID or all sub-devices.
    bool refuseBroadcastGet(quint64 uid, quint16 subDevice);
    void logOutcome(int result, const QString &sendFailed, const QString &receiveFailed);
    // Empties the record so nothing stale reads as an answer; logs why when there is a reason.
    int dropResponse(int result, const QString &reason = QString());

    UsbDevice *m_usb;
    LogPanel *m_logPanel;
    // The variable fields of the next request packet; sendPacket completes it.
    quint16 m_subDevice = 0;
    quint8 m_commandClass = RdmCommandClass::Get;
    quint16 m_pid = 0;
    QByteArray m_parameterData;
    std::array<quint8, 512> m_response{};
    std::array<quint8, 512> m_dmxLevels{};
    Clock *m_clock;
    std::unique_ptr<DiscoveryProgress> m_defaultProgress;
    DiscoveryProgress *m_progress;
};

// The E1.20 name of a NACK reason code, such as "NR_UNKNOWN_PID"; null for an unknown code.
const char *nackReasonName(quint16 reason);
