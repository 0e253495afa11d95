// Parameter-specific GETs: the request each one sends and what it returns, through the USB seam.
#include "connectedengine.h"
#include "simulator/simulatedbackend.h"

#include <QtTest>
#include <functional>
#include <optional>

namespace {

// The simulated bus, but request 10 serves a response record the test chose.
class CannedRecordBackend : public SimulatedBackend
{
public:
    CannedRecordBackend() : SimulatedBackend(SimulatedClock::Source::Manual) {}

    // Status, little-endian length and data; nullopt makes the read fail.
    void setRecord(std::optional<QByteArray> record) { m_record = std::move(record); }

    int controlTransfer(UsbHandle *handle, quint8 requestType, quint8 request, quint16 value, quint16 index,
                        char *data, int length, int timeoutMs) override
    {
        if (request != 10)
            return SimulatedBackend::controlTransfer(handle, requestType, request, value, index, data, length,
                                                     timeoutMs);
        if (!m_record)
            return UsbResult::TimedOut;
        const QByteArray part = m_record->mid(index, length);
        std::copy(part.cbegin(), part.cend(), data);
        return int(part.size());
    }

private:
    std::optional<QByteArray> m_record = QByteArray("\x01\x00\x00", 3);
};

QByteArray ackRecord(int length)
{
    return QByteArray("\x01", 1) + char(length) + char(length >> 8) + QByteArray(length, '\x5A');
}

using Get = std::function<int(RDM &, quint64, quint16)>;

constexpr quint64 responderUid = 0x123456789ABCULL;

} // namespace

Q_DECLARE_METATYPE(Get)

class TestDeviceRequests : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_backend = std::make_unique<CannedRecordBackend>();
        m_backend->addInterface(QStringLiteral("ABCDEF1"));
        m_engine = std::make_unique<ConnectedEngine>(m_backend.get());
        QVERIFY(m_engine->isConnected());
        m_backend->clearTransferLog();
    }
    void cleanup()
    {
        m_engine.reset();
        m_backend.reset();
    }

    void requestAndResult_data()
    {
        QTest::addColumn<Get>("get");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<bool>("returnsLength");

        // Command class, PID, PDL and parameter data of the packet sent.
        const auto row = [](const char *name, Get get, const char *request, bool returnsLength) {
            QTest::newRow(name) << get << QByteArray(request) << returnsLength;
        };
        row("DEVICE_INFO", &RDM::getDeviceInfo, "20006000", false);
        row("DEVICE_MODEL_DESCRIPTION", &RDM::getDeviceModelDescription, "20008000", true);
        row("SOFTWARE_VERSION_LABEL", &RDM::getSoftwareVersionLabel, "2000c000", true);
        row("DEVICE_LABEL", &RDM::getDeviceLabel, "20008200", true);
        row("MANUFACTURER_LABEL", &RDM::getManufacturerLabel, "20008100", true);
        row("DMX_PERSONALITY", &RDM::getDmxPersonality, "2000e000", false);
        row("SUPPORTED_PARAMETERS", &RDM::getSupportedParameters, "20005000", true);
        row("PARAMETER_DESCRIPTION",
            [](RDM &rdm, quint64 uid, quint16 sub) { return rdm.getParameterDescription(uid, sub, 0x8123); },
            "200051028123", true);
        row("DMX_PERSONALITY_DESCRIPTION",
            [](RDM &rdm, quint64 uid, quint16 sub) { return rdm.getPersonalityDescription(uid, sub, 7); },
            "2000e10107", true);
        row("SENSOR_DEFINITION",
            [](RDM &rdm, quint64 uid, quint16 sub) { return rdm.getSensorDefinition(uid, sub, 0xFE); },
            "20020001fe", true);
        row("SENSOR_VALUE", [](RDM &rdm, quint64 uid, quint16 sub) { return rdm.getSensorValue(uid, sub, 3); },
            "2002010103", true);
        row("IDENTIFY_DEVICE", &RDM::getIdentify, "20100000", true);
        row("DEVICE_HOURS", &RDM::getDeviceHours, "20040000", true);
        row("DEVICE_POWER_CYCLES", &RDM::getDevicePowerCycles, "20040500", true);
        row("LAMP_HOURS", &RDM::getLampHours, "20040100", true);
        row("LAMP_STRIKES", &RDM::getLampStrikes, "20040200", true);
        row("LAMP_STATE", &RDM::getLampState, "20040300", true);
        row("LAMP_ON_MODE", &RDM::getLampOnMode, "20040400", true);
        row("LANGUAGE_CAPABILITIES", &RDM::getLanguageCapabilities, "2000a000", true);
        row("LANGUAGE", &RDM::getLanguage, "2000b000", true);
        row("DISPLAY_INVERT", &RDM::getDisplayInvert, "20050000", true);
        row("DISPLAY_LEVEL", &RDM::getDisplayLevel, "20050100", true);
        row("PAN_INVERT", &RDM::getPanInvert, "20060000", true);
        row("TILT_INVERT", &RDM::getTiltInvert, "20060100", true);
        row("PAN_TILT_SWAP", &RDM::getPanTiltSwap, "20060200", true);
        row("REAL_TIME_CLOCK", &RDM::getRealTimeClock, "20060300", true);
        row("POWER_STATE", &RDM::getPowerState, "20101000", true);
        row("PRESET_PLAYBACK", &RDM::getPresetPlayback, "20103100", true);
    }
    void requestAndResult()
    {
        QFETCH(Get, get);
        QFETCH(QByteArray, request);
        QFETCH(bool, returnsLength);

        m_backend->setRecord(ackRecord(11));
        QCOMPARE(get(m_engine->rdm, responderUid, 2), returnsLength ? 11 : 0);

        const QList<TransferRecord> transfers = m_backend->transferLog();
        QVERIFY(!transfers.isEmpty());
        const TransferRecord &sent = transfers.first();
        QCOMPARE(sent.request, quint8(9));
        // Destination UID, sub-device 2, then the request's own fields.
        QCOMPARE(sent.data.mid(3, 6).toHex(), QByteArray("123456789abc"));
        QCOMPARE(sent.data.mid(18, 2).toHex(), QByteArray("0002"));
        QCOMPARE(sent.data.mid(20, request.size() / 2).toHex(), request);
        QCOMPARE(sent.data.size(), 20 + request.size() / 2 + 2);

        m_backend->setRecord(QByteArray("\x02\x03\x00\x06\x00\x05", 6));
        QCOMPARE(get(m_engine->rdm, responderUid, 2), -3);
        m_backend->setRecord(std::nullopt);
        QCOMPARE(get(m_engine->rdm, responderUid, 2), -2);
        m_engine->usb.disconnectDevice();
        QCOMPARE(get(m_engine->rdm, responderUid, 2), -1);

        QCOMPARE(m_engine->log.toPlainText(), QString());
    }

    void emptyAckReturnsZero()
    {
        m_backend->setRecord(ackRecord(0));
        QCOMPARE(m_engine->rdm.getDeviceLabel(responderUid, 0), 0);
    }

private:
    std::unique_ptr<CannedRecordBackend> m_backend;
    std::unique_ptr<ConnectedEngine> m_engine;
};

QTEST_MAIN(TestDeviceRequests)
#include "tst_devicerequests.moc"
