// The RDM engine against the simulated interface: packet bytes, records, transactions, discovery;
// then against the demo rig and against responders that misbehave on the line.
#include "manualclock.h"
#include "rdm/discoveryprogress.h"
#include "rdm/discoveryrounds.h"
#include "rdm/rdm.h"
#include "settings/settings.h"
#include "simulator/scenario.h"
#include "simulator/simulatedresponder.h"
#include "usb/usbdevice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>
#include <functional>
#include <memory>
#include <numeric>
#include <optional>

namespace {

// The simulated bus, but request 10 can serve a hand-made response record, so the engine meets
// records no well-behaved interface would produce.
class RecordOverrideBackend : public SimulatedBackend
{
public:
    // Status, little-endian length, data; nullopt forwards to the bus again.
    void setRecord(std::optional<QByteArray> record) { m_record = std::move(record); }
    int recordReads() const { return m_recordReads; }
    // The time limit each transfer carried.
    QList<int> timeouts;

    int controlTransfer(UsbHandle *handle, quint8 requestType, quint8 request, quint16 value, quint16 index,
                        char *data, int length, int timeoutMs) override
    {
        timeouts.append(timeoutMs);
        if (request != 10 || !m_record)
            return SimulatedBackend::controlTransfer(handle, requestType, request, value, index, data, length,
                                                     timeoutMs);
        ++m_recordReads;
        const QByteArray part = m_record->mid(index, length);
        std::copy(part.cbegin(), part.cend(), data);
        return int(part.size());
    }

private:
    std::optional<QByteArray> m_record;
    int m_recordReads = 0;
};

QByteArray record(quint8 status, const QByteArray &data)
{
    return QByteArray(1, char(status)) + char(data.size() & 0xFF) + char(data.size() >> 8) + data;
}

QByteArray failure(quint8 resultCode, quint16 detail = 0)
{
    return record(2, QByteArray(1, char(resultCode)) + char(detail >> 8) + char(detail & 0xFF));
}

const quint8 *bytesOf(const QByteArray &data)
{
    return reinterpret_cast<const quint8 *>(data.constData());
}

using Get = std::function<int(RDM &, quint64, quint16)>;

class RecordingProgress : public DiscoveryProgress
{
public:
    void begin(QWidget *, int maximum) override { this->maximum = maximum; }
    void setValue(int value) override { values.append(value); }
    void end() override { ended = true; }
    int maximum = 0;
    QList<int> values;
    bool ended = false;
};

} // namespace

Q_DECLARE_METATYPE(Get)

class TestRdm : public QObject
{
    Q_OBJECT

    struct Rig
    {
        explicit Rig(std::unique_ptr<SimulatedBackend> bus) : backend(std::move(bus)), usb(backend.get()) {}
        std::unique_ptr<SimulatedBackend> backend;
        UsbDevice usb;
        QTextEdit panel;
        RDM rdm{&usb, &panel};
        ManualClock clock;
        RecordingProgress progress;
    };
    std::unique_ptr<Rig> rig;

    // Replaces the rig by one on the first interface of `bus`; false when that fails.
    bool connectTo(std::unique_ptr<SimulatedBackend> bus)
    {
        if (!bus)
            return false;
        rig = std::make_unique<Rig>(std::move(bus));
        rig->usb.collectDevices();
        rig->rdm.setClock(&rig->clock);
        rig->rdm.setDiscoveryProgress(&rig->progress);
        return rig->usb.connectDevice(0) == 0;
    }
    RecordOverrideBackend &canned() const { return static_cast<RecordOverrideBackend &>(*rig->backend); }

    QStringList logLines() const
    {
        QStringList lines = rig->panel.toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (QString &line : lines)
            line.remove(0, 11); // " hh:mm:ss: "
        return lines;
    }
    QList<QByteArray> sent(quint8 request) const
    {
        QList<QByteArray> data;
        for (const TransferRecord &transfer : rig->backend->transferLog()) {
            if (transfer.request == request)
                data.append(transfer.data);
        }
        return data;
    }

private slots:
    void initTestCase()
    {
        nameSettingsStore();
    }
    void init()
    {
        QSettings().clear();
        writeDefaultSettings();
        auto bus = std::make_unique<RecordOverrideBackend>();
        bus->addInterface(QStringLiteral("ABCDEF1"));
        QVERIFY(connectTo(std::move(bus)));
        canned().clearTransferLog();
        canned().timeouts.clear();
    }
    void cleanup() { rig.reset(); }

    void requestPacketBytes_data()
    {
        QTest::addColumn<quint8>("commandClass");
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<QByteArray>("parameterData");
        QTest::addColumn<quint16>("subDevice");
        QTest::addColumn<QByteArray>("packet");
        QTest::newRow("GET DEVICE_INFO")
            << RdmCommandClass::Get << quint16(0x0060) << QByteArray() << quint16(0)
            << QByteArray("cc01181234" "56789abc01" "0203010101" "0001000000" "2000600003d9");
        QTest::newRow("sub-device 1")
            << RdmCommandClass::Get << quint16(0x0060) << QByteArray() << quint16(1)
            << QByteArray("cc01181234" "56789abc01" "0203010101" "0001000001" "2000600003da");
        QTest::newRow("all sub-devices, SET with data")
            << RdmCommandClass::Set << quint16(0x00F0) << QByteArray::fromHex("0011") << quint16(0xFFFF)
            << QByteArray("cc011a1234" "56789abc01" "0203010101" "000100ffff" "3000f0020011" "068c");
    }
    void requestPacketBytes()
    {
        QFETCH(quint8, commandClass);
        QFETCH(quint16, pid);
        QFETCH(QByteArray, parameterData);
        QFETCH(quint16, subDevice);
        QFETCH(QByteArray, packet);
        // Sent twice: the transaction number stays 0.
        for (int time = 0; time < 2; ++time) {
            QCOMPARE(rig->rdm.sendRequest(0x123456789ABC, commandClass, pid, quint8(parameterData.size()),
                                          bytesOf(parameterData), subDevice),
                     int(packet.size() / 2));
        }
        const QList<TransferRecord> log = rig->backend->transferLog();
        QCOMPARE(log.size(), 2);
        for (const TransferRecord &transfer : log) {
            QCOMPARE(QStringLiteral("%1 %2 %3 %4 ").arg(transfer.requestType, 0, 16).arg(transfer.request)
                         .arg(transfer.value).arg(transfer.index) + QString::fromLatin1(transfer.data.toHex()),
                     QStringLiteral("40 9 0 0 ") + QString::fromLatin1(packet));
        }
    }

    void parameterDataLengthLimits_data()
    {
        QTest::addColumn<int>("pdl");
        QTest::addColumn<int>("transferLength");
        QTest::newRow("no data") << 0 << 26;
        QTest::newRow("largest") << 231 << 257;
        QTest::newRow("one too many is refused") << 232 << -1;
    }
    void parameterDataLengthLimits()
    {
        QFETCH(int, pdl);
        QFETCH(int, transferLength);
        const QByteArray data(pdl, '\x5A');
        QCOMPARE(rig->rdm.sendRequest(0x123456789ABC, RdmCommandClass::Set, 0x8001, quint8(pdl), bytesOf(data), 0),
                 transferLength);
        const QList<QByteArray> packets = sent(9);
        QCOMPARE(packets.size(), transferLength < 0 ? 0 : 1);
        if (transferLength > 0)
            QCOMPARE(packets.first().left(3).toHex() + packets.first().mid(24, pdl),
                     "cc01" + QByteArray::number(24 + pdl, 16) + data);
    }

    void responseRecords_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("reads");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("an ACK without data costs one read") << record(1, {}) << 0 << 1 << QStringList();
        QTest::newRow("short header") << QByteArray("\x01\x05", 2) << -1 << 1
                                      << QStringList{"Response record incomplete: 2 of 3 header bytes"};
        QTest::newRow("less data than announced") << QByteArray("\x01\x08\x00\x01\x02", 5) << -1 << 2
                                                  << QStringList{"Response record incomplete: 2 of 8 data bytes"};
    }
    void responseRecords()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, result);
        QFETCH(int, reads);
        QFETCH(QStringList, log);
        canned().setRecord(answer);
        QCOMPARE(rig->rdm.readResponse(), result);
        QCOMPARE(canned().recordReads(), reads);
        QCOMPARE(rig->rdm.isAckResponse(), result == 0);
        QCOMPARE(rig->rdm.responseLength(), quint16(0));
        QCOMPARE(logLines(), log);
    }

    void transactions_data()
    {
        QTest::addColumn<bool>("isSet");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("failingTransfer");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("log");
        const QString set = QStringLiteral("Sending SET request");
        // A GET the interface reports as failed: the log line carries the error text.
        const auto refused = [](const char *name, const QByteArray &answer, const QString &text) {
            QTest::newRow(name) << false << answer << 0 << -3 << QStringList{"Response error - " + text};
        };
        QTest::newRow("GET ACK") << false << record(1, QByteArray::fromHex("0001")) << 0 << 0
                                 << QStringList{"ACK response received"};
        refused("GET missing response", failure(2), "missing response");
        refused("GET bad destination", failure(3), "bad destination UID");
        refused("GET bad checksum", failure(4), "bad checksum");
        refused("GET bad transaction", failure(5), "bad transaction number");
        refused("GET NACK unknown PID", failure(6, 0), "NACK response received: NR_UNKNOWN_PID");
        refused("GET NACK 3 has no name", failure(6, 3), "NACK response received: ");
        refused("GET NACK no sub-device", failure(6, 9), "NACK response received: NR_NO_SUBDEVICE");
        refused("GET NACK beyond the table", failure(6, 10), "NACK response received: ");
        refused("GET NACK without its reason", record(2, QByteArray::fromHex("06")), "NACK response received");
        refused("GET ACK timer without its estimate", record(2, QByteArray::fromHex("07")), "ACK Timer");
        refused("GET ACK timer whole seconds", failure(7, 20), "ACK Timer - wait 2s");
        refused("GET ACK timer fraction", failure(7, 25), "ACK Timer - wait 2.5s");
        refused("GET unknown command class", failure(8), "unknown command class");
        refused("GET result code 9", failure(9), "");
        QTest::newRow("GET send fails") << false << QByteArray() << 1 << -1
                                        << QStringList{"GET request failed. USB send error"};
        QTest::newRow("GET receive fails") << false << QByteArray() << 2 << -2
                                           << QStringList{"GET request failed. USB receive error"};
        QTest::newRow("SET ACK") << true << record(1, {}) << 0 << 0 << QStringList{set, "ACK response received"};
        QTest::newRow("SET missing response") << true << failure(2) << 0 << -3
                                              << QStringList{set, "Response error - missing response"};
        QTest::newRow("SET write protected")
            << true << failure(6, 4) << 0 << -3
            << QStringList{set, "Response error - NACK response received: NR_WRITE_PROTECT"};
        QTest::newRow("SET send fails") << true << QByteArray() << 1 << -1
                                        << QStringList{set, "SET request failed. USB send error"};
        QTest::newRow("SET receive fails") << true << QByteArray() << 2 << -2
                                           << QStringList{set, "SET request failed. USB receive error"};
    }
    void transactions()
    {
        QFETCH(bool, isSet);
        QFETCH(QByteArray, answer);
        QFETCH(int, failingTransfer);
        QFETCH(int, result);
        QFETCH(QStringList, log);
        if (!answer.isEmpty())
            canned().setRecord(answer);
        if (failingTransfer)
            rig->backend->interfaceAt(0).faults().failTransfer(failingTransfer, UsbResult::Stall);
        const quint8 level = 7;
        QCOMPARE(isSet ? rig->rdm.rdmSet(0x123456789ABC, 0x00F0, 1, &level, 0)
                       : rig->rdm.rdmGet(0x123456789ABC, 0x00F0, 0, nullptr, 0),
                 result);
        QCOMPARE(logLines(), log);
    }

    void parameterGets_data()
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
    void parameterGets()
    {
        QFETCH(Get, get);
        QFETCH(QByteArray, request);
        QFETCH(bool, returnsLength);
        canned().setRecord(record(1, QByteArray(11, '\x5A')));
        QCOMPARE(get(rig->rdm, 0x123456789ABC, 2), returnsLength ? 11 : 0);
        // Destination UID, sub-device 2, then the request's own fields up to the checksum.
        const QByteArray packet = sent(9).value(0);
        QCOMPARE(packet.mid(3, 6).toHex() + ' ' + packet.mid(18, 2).toHex() + ' ' + packet.mid(20).chopped(2).toHex(),
                 "123456789abc 0002 " + request);
        canned().setRecord(failure(6, 5));
        QCOMPARE(get(rig->rdm, 0x123456789ABC, 2), -3);
        QCOMPARE(logLines(), QStringList());
    }

    // Requests the engine refuses before any transfer; a stale answer must not survive them.
    void refusedRequests_data()
    {
        QTest::addColumn<bool>("quiet");
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<quint16>("subDevice");
        QTest::addColumn<int>("pdl");
        QTest::addColumn<bool>("withData");
        QTest::addColumn<QStringList>("log");
        const quint64 one = 0x123456789ABC;
        const QStringList broadcast{"GET to a broadcast address refused: no responder answers it"};
        const QStringList tooLong{"Parameter data too long: 232 bytes, at most 231 can be sent",
                                  "GET request failed. USB send error"};
        const QStringList missing{"Parameter data missing: PDL 1, no data given",
                                  "GET request failed. USB send error"};
        QTest::newRow("GET to all devices") << false << quint64(0xFFFFFFFFFFFF) << quint16(0) << 0 << false << broadcast;
        QTest::newRow("GET to a maker's devices") << false << quint64(0x1234FFFFFFFF) << quint16(0) << 0 << false
                                                  << broadcast;
        QTest::newRow("quiet GET to all sub-devices") << true << one << quint16(0xFFFF) << 0 << false << broadcast;
        QTest::newRow("parameter data too long") << false << one << quint16(0) << 232 << true << tooLong;
        QTest::newRow("one byte announced, none given") << false << one << quint16(0) << 1 << false << missing;
        QTest::newRow("quiet: too long, not logged") << true << one << quint16(0) << 232 << true << QStringList();
        QTest::newRow("quiet: none given, not logged") << true << one << quint16(0) << 1 << false << QStringList();
    }
    void refusedRequests()
    {
        QFETCH(bool, quiet);
        QFETCH(quint64, uid);
        QFETCH(quint16, subDevice);
        QFETCH(int, pdl);
        QFETCH(bool, withData);
        QFETCH(QStringList, log);
        canned().setRecord(record(1, QByteArray::fromHex("0102")));
        QCOMPARE(rig->rdm.quietGet(0x123456789ABC, 0x00F0, 0, nullptr, 0), 0);
        canned().clearTransferLog();
        const QByteArray data(pdl, '\x11');
        const quint8 *bytes = withData ? bytesOf(data) : nullptr;
        QCOMPARE(quiet ? rig->rdm.quietGet(uid, 0x00F0, quint8(pdl), bytes, subDevice)
                       : rig->rdm.rdmGet(uid, 0x00F0, quint8(pdl), bytes, subDevice),
                 -1);
        QCOMPARE(logLines(), log);
        QVERIFY(canned().transferLog().isEmpty());
        QCOMPARE(rig->rdm.responseLength(), quint16(0));
        QVERIFY(!rig->rdm.isAckResponse());
    }

    void broadcastSetsReadNothing_data()
    {
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<quint16>("subDevice");
        QTest::newRow("all devices of a manufacturer") << quint64(0x1234FFFFFFFF) << quint16(0);
        QTest::newRow("all sub-devices of one device") << quint64(0x123456789ABC) << quint16(0xFFFF);
    }
    void broadcastSetsReadNothing()
    {
        QFETCH(quint64, uid);
        QFETCH(quint16, subDevice);
        canned().setRecord(record(1, QByteArray::fromHex("0102")));
        QCOMPARE(rig->rdm.quietGet(0x123456789ABC, 0x00F0, 0, nullptr, 0), 0);
        canned().clearTransferLog();
        const quint8 identify = 1;
        QCOMPARE(rig->rdm.rdmSet(uid, 0x1000, 1, &identify, subDevice), 0);
        QCOMPARE(rig->rdm.responseLength(), quint16(0));
        QCOMPARE(logLines(), QStringList({"Sending SET request", "SET Broadcast sent."}));
        QCOMPARE(sent(9).size(), 1);
        QVERIFY(sent(10).isEmpty());
    }

    void discovery_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QList<quint64>>("uids");
        const QByteArray one = QByteArray::fromHex("123456789abc");
        const QByteArray two = one + QByteArray::fromHex("7a7000000001");
        const QList<quint64> both{0x123456789ABC, 0x7A7000000001};
        for (bool full : {true, false}) {
            const char *kind = full ? "full: " : "additional: ";
            QTest::addRow("%snobody", kind) << full << record(1, {}) << QList<quint64>{};
            QTest::addRow("%sone", kind) << full << record(1, one) << QList<quint64>{0x123456789ABC};
            QTest::addRow("%s12 bytes give two", kind) << full << record(1, two) << both;
            QTest::addRow("%s13 bytes give two too", kind) << full << record(1, two + '\xFF') << both;
        }
    }
    void discovery()
    {
        QFETCH(bool, full);
        QFETCH(QByteArray, answer);
        QFETCH(QList<quint64>, uids);
        setUsbDiscoveryTimeout(120000);
        setUsbStandardTimeout(4000);
        canned().setRecord(answer);
        QCOMPARE(full ? rig->rdm.fullDiscovery(nullptr) : rig->rdm.additionalDiscovery(), 0);

        QCOMPARE(sent(full ? 7 : 8).size(), 1);
        QCOMPARE(rig->usb.timeout(), 4000);
        // The start and the read travel under the discovery limit.
        QVERIFY(!canned().timeouts.isEmpty());
        QCOMPARE(canned().timeouts, QList<int>(canned().timeouts.size(), 120000));
        if (full) {
            QList<int> seconds(30);
            std::iota(seconds.begin(), seconds.end(), 1);
            QCOMPARE(rig->progress.maximum, 30);
            QCOMPARE(rig->progress.values, seconds);
            QVERIFY(rig->progress.ended);
            QVERIFY(rig->clock.slept() >= 30000);
        }

        QList<quint64> found;
        QCOMPARE(rig->rdm.discoveredUids(&found), int(uids.size()));
        QCOMPARE(found, uids);
        QCOMPARE(logLines(), QStringList({full ? "Full Discovery request sent. Waiting for response..."
                                               : "Additional Discovery request sent. Waiting for response...",
                                          "Discovery successful",
                                          QStringLiteral("Number of devices found: %1").arg(uids.size())}));
    }

    void discoveryFailures_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("failingTransfer");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("full: start fails") << true << 1 << QByteArray() << -1 << QStringList{"Discovery error!"};
        QTest::newRow("additional: start fails") << false << 1 << QByteArray() << -1 << QStringList{};
        QTest::newRow("additional: oversized record")
            << false << 0 << record(1, QByteArray(600, '\x01')) << -2
            << QStringList{"Additional Discovery request sent. Waiting for response...",
                           "Response record refused: 600 data bytes announced, at most 509 fit",
                           "Response data not received. USB error"};
    }
    void discoveryFailures()
    {
        QFETCH(bool, full);
        QFETCH(int, failingTransfer);
        QFETCH(QByteArray, answer);
        QFETCH(int, result);
        QFETCH(QStringList, log);
        setUsbStandardTimeout(4321);
        if (failingTransfer)
            rig->backend->interfaceAt(0).faults().failTransfer(failingTransfer, UsbResult::Stall);
        else
            canned().setRecord(answer);
        QCOMPARE(full ? rig->rdm.fullDiscovery(nullptr) : rig->rdm.additionalDiscovery(), result);
        QCOMPARE(rig->usb.timeout(), 4321);
        QCOMPARE(logLines(), log);
        if (failingTransfer == 1)
            QCOMPARE(rig->clock.slept(), qint64(0));
        QList<quint64> found{1, 2};
        QCOMPARE(rig->rdm.discoveredUids(&found), 0);
        QVERIFY(found.isEmpty());
    }

    // One record holds 84 UIDs; a fuller line takes more rounds, the found responders staying muted.
    void discoveryOfLongLines_data()
    {
        QTest::addColumn<int>("responders");
        QTest::addColumn<int>("additionalRounds");
        QTest::newRow("83: one round") << 83 << 0;
        QTest::newRow("84 fill the record: a second round finds none") << 84 << 1;
        QTest::newRow("300: four rounds") << 300 << 3;
    }
    void discoveryOfLongLines()
    {
        QFETCH(int, responders);
        QFETCH(int, additionalRounds);
        auto bus = std::make_unique<SimulatedBackend>();
        SimulatedLine &line = bus->addInterface(QStringLiteral("ABCDEF1")).line();
        QList<quint64> expected;
        for (int i = 0; i < responders; ++i) {
            ResponderState state;
            // Spread over the UID space so the search branches everywhere.
            state.uid = 0x7FF100000000ULL + quint64(i) * 0x00A3D70AULL + 1;
            line.addResponder(std::make_shared<SimulatedResponder>(state));
            expected.append(state.uid);
        }
        QVERIFY(connectTo(std::move(bus)));
        rig->backend->clearTransferLog();
        QList<quint64> found;
        QCOMPARE(discoverLine(rig->rdm, DiscoveryRun::Full, nullptr, &found), 0);
        QCOMPARE(sent(7).size(), 1);
        QCOMPARE(sent(8).size(), additionalRounds);
        QCOMPARE(found.size(), expected.size());
        std::sort(found.begin(), found.end());
        QCOMPARE(found, expected);
        QCOMPARE(logLines().constLast(), QStringLiteral("Number of devices found: %1").arg(responders));
    }

    void timingAndDmxRequests()
    {
        RDM &rdm = rig->rdm;
        QCOMPARE(rdm.setDmxTiming(dmxBreakTime(), dmxMabTime(), dmxInterslotTime(), dmxWaitTime()), 16);
        QCOMPARE(rdm.setRdmTiming(rdmDiscoveryResponseTimeout(), rdmDiscoveryAnyTimeout(), rdmGetResponseTimeout(),
                                  rdmSetResponseTimeout(), rdmMissingAnyTimeout(), rdmResponseBroadcastAnyTimeout(),
                                  rdmMaxLengthTimeout()),
                 28);
        rdm.dmxLevels()[16] = 200;
        QCOMPARE(rdm.sendDmxLevels(rdm.dmxLevels() + 16, 16, 1), 3);

        QCOMPARE(sent(13), QList<QByteArray>{QByteArray::fromHex("58000000" "08000000" "00000000" "64000000")});
        QCOMPARE(sent(11), QList<QByteArray>{QByteArray::fromHex("f00a0000" "a8160000" "40420f00" "40420f00"
                                                                 "b80b0000" "b0000000" "40420f00")});
        QCOMPARE(sent(12), QList<QByteArray>{QByteArray::fromHex("1000c8")});
    }

    void fullDiscoveryOfTheDemoRig()
    {
        QString error;
        QVERIFY2(connectTo(loadScenario(QStringLiteral("demo"), &error)), qPrintable(error));
        QCOMPARE(rig->rdm.fullDiscovery(nullptr), 0);
        QList<quint64> expected;
        QFile file(QStringLiteral(":/simulator/demo.json"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (const QJsonValue &responder : QJsonDocument::fromJson(file.readAll())["interfaces"][0]["responders"].toArray())
            expected.append(responder["uid"].toString().remove(QLatin1Char(':')).toULongLong(nullptr, 16));
        QVERIFY(expected.size() >= 7);
        QList<quint64> found;
        QCOMPARE(rig->rdm.discoveredUids(&found), int(expected.size()));
        std::sort(found.begin(), found.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(found, expected);
        for (quint64 uid : std::as_const(found)) {
            QCOMPARE(rig->rdm.rdmGet(uid, 0x0060, 0, nullptr, 0), 0);
            QCOMPARE(rig->rdm.responseLength(), quint16(19));
        }
    }

    // Responders of the demo rig that keep an answer back or refuse one.
    void misbehavingResponders_data()
    {
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<quint16>("subDevice");
        QTest::addColumn<bool>("isSet");
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("silent sub-device") << quint64(0x7FF200000A01) << quint16(7) << false << quint16(0x0060)
                                           << QByteArray() << "missing response";
        QTest::newRow("answers later") << quint64(0x7FF300000301) << quint16(0) << false << quint16(0x0201)
                                       << QByteArray(1, '\0') << "ACK Timer - wait 2.5s";
        QTest::newRow("refuses every SET") << quint64(0x7FF100040001) << quint16(0) << true << quint16(0x0082)
                                           << QByteArray("Front") << "NACK response received: NR_WRITE_PROTECT";
    }
    void misbehavingResponders()
    {
        QFETCH(quint64, uid);
        QFETCH(quint16, subDevice);
        QFETCH(bool, isSet);
        QFETCH(quint16, pid);
        QFETCH(QByteArray, data);
        QFETCH(QString, logLine);
        QString error;
        QVERIFY2(connectTo(loadScenario(QStringLiteral("demo"), &error)), qPrintable(error));
        const quint8 length = quint8(data.size());
        QCOMPARE(isSet ? rig->rdm.rdmSet(uid, pid, length, bytesOf(data), subDevice)
                       : rig->rdm.rdmGet(uid, pid, length, bytesOf(data), subDevice),
                 -3);
        QCOMPARE(logLines().value(logLines().size() - 1), QStringLiteral("Response error - ") + logLine);
        if (!isSet)
            QCOMPARE(rig->rdm.quietGet(uid, pid, length, bytesOf(data), subDevice), -3);
    }

    void theLogPanelKeepsTheNewestLines_data()
    {
        QTest::addColumn<int>("appended");
        QTest::addColumn<QString>("oldestKept");
        QTest::newRow("at the limit: nothing dropped") << logPanelLineLimit << "line 1";
        QTest::newRow("one more: the oldest dropped") << logPanelLineLimit + 1 << "line 2";
    }
    void theLogPanelKeepsTheNewestLines()
    {
        QFETCH(int, appended);
        QFETCH(QString, oldestKept);
        QTextEdit panel;
        for (int line = 1; line <= appended; ++line)
            appendLogLine(&panel, QStringLiteral("line %1").arg(line));
        const QTextDocument *document = panel.document();
        QCOMPARE(document->blockCount(), logPanelLineLimit);
        QCOMPARE(document->firstBlock().text().section(QStringLiteral(": "), 1), oldestKept);
        QCOMPARE(document->lastBlock().text().section(QStringLiteral(": "), 1), QStringLiteral("line %1").arg(appended));
    }
};

QTEST_MAIN(TestRdm)
#include "tst_rdm.moc"
