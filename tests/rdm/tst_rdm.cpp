// The RDM engine against the simulated interface: packet bytes, records, transactions, discovery.
#include "manualclock.h"
#include "rdm/discoveryprogress.h"
#include "rdm/discoveryrounds.h"
#include "rdm/logtimeofday.h"
#include "rdm/logpanel.h"
#include "rdm/rdm.h"
#include "settings/settings.h"
#include "simulator/simulatedbackend.h"
#include "simulator/simulatedresponder.h"
#include "usb/usbdevice.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>
#include <memory>
#include <optional>

namespace {

// The simulated bus, but request 10 can serve a hand-made response record, so the engine meets
// records no well-behaved interface would produce.
class RecordOverrideBackend : public SimulatedBackend
{
public:
    // Status, little-endian length, data; none for the interface's own records.
    void setRecord(const QByteArray &record) { m_record = record.isEmpty() ? std::nullopt : std::optional(record); }
    int recordReads = 0;
    // The time limit each transfer carried.
    QList<int> timeouts;

    int controlTransfer(UsbHandle *handle, quint8 requestType, quint8 request, quint16 value, quint16 index,
                        char *data, int length, int timeoutMs) override
    {
        timeouts.append(timeoutMs);
        if (request != 10 || !m_record)
            return SimulatedBackend::controlTransfer(handle, requestType, request, value, index, data, length,
                                                     timeoutMs);
        ++recordReads;
        const QByteArray part = m_record->mid(index, length);
        std::copy(part.cbegin(), part.cend(), data);
        return int(part.size());
    }

private:
    std::optional<QByteArray> m_record;
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

class RecordingProgress : public DiscoveryProgress
{
public:
    void begin(QWidget *, int maximum) override { values.append(-maximum); }
    void setValue(int value) override { values.append(value); }
    void end() override { values.append(0); }
    QList<int> values; // the maximum negated, each value, 0 at the end
};

const quint64 uid = 0x123456789ABC;

} // namespace

class TestRdm : public QObject
{
    Q_OBJECT

    struct Rig
    {
        Rig() : usb(&backend)
        {
            backend.addInterface(QStringLiteral("ABCDEF1"));
            usb.collectDevices();
            rdm.setClock(&clock);
            rdm.setDiscoveryProgress(&progress);
        }
        RecordOverrideBackend backend;
        UsbDevice usb;
        LogPanel panel;
        RDM rdm{&usb, &panel};
        ManualClock clock;
        RecordingProgress progress;
    };
    std::unique_ptr<Rig> rig;

    QStringList logLines() const
    {
        QStringList lines = rig->panel.lines();
        for (QString &line : lines)
            line.remove(0, 11); // " hh:mm:ss: "
        return lines;
    }
    int sent(quint8 request) const
    {
        const QList<TransferRecord> log = rig->backend.transferLog();
        const auto ofRequest = [request](const TransferRecord &transfer) { return transfer.request == request; };
        return int(std::count_if(log.cbegin(), log.cend(), ofRequest));
    }

private slots:
    void initTestCase() { nameSettingsStore(); }
    void init()
    {
        QSettings().clear();
        writeDefaultSettings();
        rig = std::make_unique<Rig>();
        QCOMPARE(rig->usb.connectDevice(0), 0);
        rig->backend.clearTransferLog();
        rig->backend.timeouts.clear();
    }
    void cleanup() { rig.reset(); }

    void requestPacketBytes_data()
    {
        QTest::addColumn<quint8>("commandClass");
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<QByteArray>("parameterData");
        QTest::addColumn<quint16>("subDevice");
        QTest::addColumn<QString>("packet");
        QTest::newRow("GET DEVICE_INFO")
            << RdmCommandClass::Get << quint16(0x0060) << QByteArray() << quint16(0)
            << "cc01181234" "56789abc01" "0203010101" "0001000000" "2000600003d9";
        QTest::newRow("all sub-devices, SET with data")
            << RdmCommandClass::Set << quint16(0x00F0) << QByteArray::fromHex("0011") << quint16(0xFFFF)
            << "cc011a1234" "56789abc01" "0203010101" "000100ffff" "3000f0020011" "068c";
        QTest::newRow("largest parameter data: 231 bytes")
            << RdmCommandClass::Set << quint16(0x8001) << QByteArray(231, '\x5A') << quint16(0)
            << "cc01ff1234" "56789abc01" "0203010101" "0001000000" "308001e7" + QStringLiteral("5a").repeated(231)
                   + "570e";
    }
    void requestPacketBytes()
    {
        QFETCH(quint8, commandClass);
        QFETCH(quint16, pid);
        QFETCH(QByteArray, parameterData);
        QFETCH(quint16, subDevice);
        QFETCH(QString, packet);
        // Sent twice: the transaction number stays 0.
        for (int time = 0; time < 2; ++time) {
            QCOMPARE(rig->rdm.sendRequest(uid, commandClass, pid, quint8(parameterData.size()), bytesOf(parameterData),
                                          subDevice),
                     int(packet.size() / 2));
        }
        QStringList transfers;
        for (const TransferRecord &transfer : rig->backend.transferLog()) {
            transfers << QStringLiteral("%1 %2 %3 %4 ").arg(transfer.requestType, 0, 16).arg(transfer.request)
                             .arg(transfer.value).arg(transfer.index) + QString::fromLatin1(transfer.data.toHex());
        }
        QCOMPARE(transfers, QStringList(2, QStringLiteral("40 9 0 0 ") + packet));
    }

    // Every way a request goes: refused before any transfer, sent with no answer to read (a broadcast SET), or
    // answered by the record served. Each starts after a quiet GET left an answer, which must not survive.
    void requests_data()
    {
        QTest::addColumn<char>("kind"); // G GET, Q quiet GET, S SET
        QTest::addColumn<quint64>("destination");
        QTest::addColumn<quint16>("subDevice");
        QTest::addColumn<int>("pdl");
        QTest::addColumn<bool>("withData");
        QTest::addColumn<QByteArray>("answer"); // the record served, none for the interface's own
        QTest::addColumn<int>("failingTransfer");
        QTest::addColumn<QStringList>("outcome"); // result, sends, record reads, data length; then the log
        const auto row = [](const char *name, char kind, quint64 destination, quint16 subDevice, int pdl,
                            bool withData, const QByteArray &answer, int failingTransfer, const QStringList &outcome) {
            QTest::newRow(name) << kind << destination << subDevice << pdl << withData << answer << failingTransfer
                                << outcome;
        };
        const auto get = [&row](const char *name, const QByteArray &answer, const QStringList &outcome) {
            row(name, 'G', uid, 0, 0, false, answer, 0, outcome);
        };
        // A GET the interface reports as failed: the log line carries the error text.
        const auto refused = [&get](const char *name, const QByteArray &answer, const QString &text) {
            const QString outcome = QStringLiteral("-3, 1 sent, 2 read, %1 bytes").arg(answer.size() - 3);
            get(name, answer, {outcome, "Response error - " + text});
        };
        const QString ack = QStringLiteral("ACK response received");
        const QString receiveError = QStringLiteral("GET request failed. USB receive error");
        const QString sendError = QStringLiteral("GET request failed. USB send error");
        const QString unsent = QStringLiteral("-1, 0 sent, 0 read, 0 bytes");
        const QString set = QStringLiteral("Sending SET request");
        get("an ACK without data costs one read", record(1, {}), {"0, 1 sent, 1 read, 0 bytes, ACK", ack});
        get("509 data bytes: the largest record", record(1, QByteArray(509, '\x01')),
            {"0, 1 sent, 2 read, 509 bytes, ACK", ack});
        get("510 refused unread", record(1, QByteArray(510, '\x01')),
            {"-2, 1 sent, 1 read, 0 bytes", "Response record refused: 510 data bytes announced, at most 509 fit",
             receiveError});
        get("short header", QByteArray("\x01\x05", 2),
            {"-2, 1 sent, 1 read, 0 bytes", "Response record incomplete: 2 of 3 header bytes", receiveError});
        get("less data than announced", QByteArray("\x01\x08\x00\x01\x02", 5),
            {"-2, 1 sent, 2 read, 0 bytes", "Response record incomplete: 2 of 8 data bytes", receiveError});
        // A data read of no bytes is a failed transfer, which drops the interface.
        get("failure without its result code", record(2, {}),
            {"-2, 1 sent, 1 read, 0 bytes, disconnected", receiveError});
        refused("missing response", failure(2), "missing response");
        refused("NACK no sub-device", failure(6, 9), "NACK response received: NR_NO_SUBDEVICE");
        refused("NACK beyond the table", failure(6, 10), "NACK response received: ");
        refused("NACK without its reason", record(2, QByteArray::fromHex("06")), "NACK response received");
        refused("ACK timer without its estimate", record(2, QByteArray::fromHex("07")), "ACK Timer");
        refused("ACK timer whole seconds", failure(7, 20), "ACK Timer - wait 2s");
        refused("ACK timer fraction", failure(7, 25), "ACK Timer - wait 2.5s");
        refused("result code 9", failure(9), "");
        row("GET send fails", 'G', uid, 0, 0, false, {}, 1, {"-1, 1 sent, 0 read, 0 bytes, disconnected", sendError});
        row("SET write protected", 'S', uid, 0, 1, true, failure(6, 4), 0,
            {"-3, 1 sent, 2 read, 3 bytes", set, "Response error - NACK response received: NR_WRITE_PROTECT"});
        row("SET receive fails", 'S', uid, 0, 1, true, {}, 2,
            {"-2, 1 sent, 0 read, 0 bytes, disconnected", set, "SET request failed. USB receive error"});
        const QString broadcast = QStringLiteral("GET to a broadcast address refused: no responder answers it");
        row("GET to a maker's devices", 'G', 0x1234FFFFFFFF, 0, 0, false, {}, 0, {unsent, broadcast});
        row("quiet GET to all sub-devices", 'Q', uid, 0xFFFF, 0, false, {}, 0, {unsent, broadcast});
        row("parameter data too long", 'G', uid, 0, 232, true, {}, 0,
            {unsent, "Parameter data too long: 232 bytes, at most 231 can be sent", sendError});
        row("one byte announced, none given", 'G', uid, 0, 1, false, {}, 0,
            {unsent, "Parameter data missing: PDL 1, no data given", sendError});
        row("quiet: too long, not logged", 'Q', uid, 0, 232, true, {}, 0, {unsent});
        row("SET to a maker's devices", 'S', 0x1234FFFFFFFF, 0, 1, true, {}, 0,
            {"0, 1 sent, 0 read, 0 bytes", set, "SET Broadcast sent."});
    }
    void requests()
    {
        QFETCH(char, kind);
        QFETCH(quint64, destination);
        QFETCH(quint16, subDevice);
        QFETCH(int, pdl);
        QFETCH(bool, withData);
        QFETCH(QByteArray, answer);
        QFETCH(int, failingTransfer);
        RDM &rdm = rig->rdm;
        rig->backend.setRecord(record(1, QByteArray::fromHex("0102")));
        QCOMPARE(rdm.quietGet(uid, 0x00F0, 0, nullptr, 0), 0);
        rig->backend.clearTransferLog();
        rig->backend.setRecord(answer);
        rig->backend.recordReads = 0;
        if (failingTransfer)
            rig->backend.interfaceAt(0).faults().failTransfer(failingTransfer, UsbResult::Stall);
        const QByteArray data(pdl, '\x11');
        const quint8 *bytes = withData ? bytesOf(data) : nullptr;
        const int result = kind == 'S' ? rdm.rdmSet(destination, 0x00F0, quint8(pdl), bytes, subDevice)
            : kind == 'Q'              ? rdm.quietGet(destination, 0x00F0, quint8(pdl), bytes, subDevice)
                                       : rdm.rdmGet(destination, 0x00F0, quint8(pdl), bytes, subDevice);
        QString summary = QStringLiteral("%1, %2 sent, %3 read, %4 bytes").arg(result).arg(sent(9))
                              .arg(rig->backend.recordReads).arg(rdm.responseLength());
        if (rdm.isAckResponse())
            summary += QStringLiteral(", ACK");
        if (rig->usb.checkConnection() != 0)
            summary += QStringLiteral(", disconnected");
        QTEST(QStringList{summary} + logLines(), "outcome");
    }

    void discovery_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("failingTransfer");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QStringList>("outcome"); // result and the UIDs found; then the log
        const QString full = QStringLiteral("Full Discovery request sent. Waiting for response...");
        const QString additional = QStringLiteral("Additional Discovery request sent. Waiting for response...");
        const QString success = QStringLiteral("Discovery successful");
        const QByteArray two = QByteArray::fromHex("123456789abc" "7a7000000001");
        QTest::newRow("full: one") << true << 0 << record(1, two.left(6))
                                   << QStringList{"0: 123456789abc", full, success, "Number of devices found: 1"};
        QTest::newRow("additional: nobody") << false << 0 << record(1, {})
                                            << QStringList{"0:", additional, success, "Number of devices found: 0"};
        QTest::newRow("additional: 13 bytes give two")
            << false << 0 << record(1, two + '\xFF')
            << QStringList{"0: 123456789abc 7a7000000001", additional, success, "Number of devices found: 2"};
        QTest::newRow("full: start fails") << true << 1 << QByteArray()
                                           << QStringList{"-1:", "Discovery error!", "Number of devices found: 0"};
        QTest::newRow("additional: oversized record")
            << false << 0 << record(1, QByteArray(600, '\x01'))
            << QStringList{"-2:", additional, "Response record refused: 600 data bytes announced, at most 509 fit",
                           "Response data not received. USB error", "Number of devices found: 0"};
    }
    void discovery()
    {
        QFETCH(bool, full);
        QFETCH(int, failingTransfer);
        QFETCH(QByteArray, answer);
        setUsbDiscoveryTimeout(120000);
        setUsbStandardTimeout(4000);
        if (failingTransfer)
            rig->backend.interfaceAt(0).faults().failTransfer(failingTransfer, UsbResult::Stall);
        rig->backend.setRecord(answer);
        const int result = full ? rig->rdm.fullDiscovery(nullptr) : rig->rdm.additionalDiscovery();
        QList<quint64> found{1, 2};
        rig->rdm.discoveredUids(&found);
        QString summary = QString::number(result) + QLatin1Char(':');
        for (quint64 each : found)
            summary += QStringLiteral(" %1").arg(each, 12, 16, QLatin1Char('0'));
        QTEST(QStringList{summary} + logLines(), "outcome");

        QCOMPARE(sent(full ? 7 : 8), 1);
        QCOMPARE(rig->usb.timeout(), 4000);
        // The start and the read travel under the discovery limit.
        QVERIFY(!rig->backend.timeouts.isEmpty());
        QCOMPARE(rig->backend.timeouts, QList<int>(rig->backend.timeouts.size(), 120000));
        // A full discovery waits 30 seconds with a progress, unless it never started.
        const bool waited = full && result == 0;
        QCOMPARE(rig->progress.values.size(), waited ? 32 : 0);
        if (waited)
            QCOMPARE(rig->progress.values.first(1) + rig->progress.values.mid(29), QList<int>({-30, 29, 30, 0}));
        QCOMPARE(rig->clock.slept() >= 30000, waited);
    }

    // One record holds 84 UIDs; a fuller line takes more rounds, the found responders staying muted.
    void discoveryOfLongLines_data()
    {
        QTest::addColumn<int>("responders");
        QTest::addColumn<int>("additionalRounds");
        QTest::newRow("84 fill the record: a second round finds none") << 84 << 1;
        QTest::newRow("300: four rounds") << 300 << 3;
    }
    void discoveryOfLongLines()
    {
        QFETCH(int, responders);
        QList<quint64> expected;
        for (int i = 0; i < responders; ++i) {
            ResponderState state;
            // Spread over the UID space so the search branches everywhere.
            state.uid = 0x7FF100000000ULL + quint64(i) * 0x00A3D70AULL + 1;
            rig->backend.interfaceAt(0).line().addResponder(std::make_shared<SimulatedResponder>(state));
            expected.append(state.uid);
        }
        QList<quint64> found;
        QCOMPARE(discoverLine(rig->rdm, DiscoveryRun::Full, nullptr, &found), 0);
        QCOMPARE(sent(7), 1);
        QTEST(sent(8), "additionalRounds");
        std::sort(found.begin(), found.end());
        QCOMPARE(found, expected);
        QCOMPARE(logLines().constLast(), QStringLiteral("Number of devices found: %1").arg(responders));
    }

    // The messages of the panel's lines, or of its text view once the event loop has run.
    static QStringList messages(const LogPanel &panel, bool laidOut = false)
    {
        QStringList lines = panel.lines();
        if (laidOut) {
            QCoreApplication::sendPostedEvents();
            lines.clear();
            for (QTextBlock block = panel.document()->firstBlock(); block.isValid() && !panel.document()->isEmpty();
                 block = block.next())
                lines << block.text();
        }
        for (QString &line : lines)
            line = line.section(QStringLiteral(": "), 1);
        return lines;
    }

    void theLogPanelKeepsTheNewestLines_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("hidden, then shown") << false;
        QTest::newRow("shown throughout") << true;
    }

    void theLogPanelKeepsTheNewestLines()
    {
        QFETCH(bool, shown);
        LogPanel panel;
        if (shown)
            panel.show();
        const auto summary = [](const QStringList &texts) {
            return QStringLiteral("%1 lines, %2 to %3").arg(texts.size()).arg(texts.first(), texts.last());
        };
        for (int line = 1; line <= logPanelLineLimit; ++line)
            panel.appendLine(QStringLiteral("line %1").arg(line));
        QCOMPARE(summary(messages(panel)), QStringLiteral("10000 lines, line 1 to line 10000"));
        QCOMPARE(messages(panel, true).size(), shown ? logPanelLineLimit : 0);
        panel.appendLine(QStringLiteral("line 10001"));
        QCOMPARE(summary(messages(panel)), QStringLiteral("10000 lines, line 2 to line 10001"));
        panel.show();
        QCOMPARE(summary(messages(panel, true)), QStringLiteral("10000 lines, line 2 to line 10001"));
    }

    void markupInALogLineIsShownAsText()
    {
        LogPanel panel;
        panel.show();
        panel.appendLine(QStringLiteral("<b>Dimmer</b> &amp; AC <= 50V\nnext"));
        messages(panel, true);
        panel.appendHtmlLine(QStringLiteral("Label: A &amp; B<br>C"));
        const QString lineBreak(QChar::LineSeparator);
        QCOMPARE(messages(panel, true), QStringList({QStringLiteral("<b>Dimmer</b> &amp; AC <= 50V") + lineBreak
                                                  + QStringLiteral("next"),
                                              QStringLiteral("Label: A & B") + lineBreak + QStringLiteral("C")}));
    }

    void logTimeOfDayFollowsTheTimerForAMinute()
    {
        ManualClock wallClock;
        qint64 timer = 5000;
        LogTimeOfDay timeOfDay(&wallClock, [&timer] { return timer; });
        QCOMPARE(timeOfDay.text(), QStringLiteral("12:00:00"));
        wallClock.sleep(3600 * 1000); // the clock is set an hour on
        timer += LogTimeOfDay::rereadMilliseconds - 1;
        QCOMPARE(timeOfDay.text(), QStringLiteral("12:00:59"));
        ++timer;
        QCOMPARE(timeOfDay.text(), QStringLiteral("13:00:00"));
    }
};

QTEST_MAIN(TestRdm)
#include "tst_rdm.moc"
