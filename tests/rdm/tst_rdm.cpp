// The RDM engine against the simulated interface: packet bytes, records, transactions, discovery.
#include "manualclock.h"
#include "rdm/discoveryprogress.h"
#include "rdm/rdm.h"
#include "recordoverridebackend.h"
#include "settings/settings.h"
#include "usb/usbdevice.h"

#include <QTextEdit>
#include <QtTest>
#include <memory>

namespace {

QByteArray record(quint8 status, const QByteArray &data)
{
    QByteArray bytes(1, char(status));
    bytes.append(char(data.size() & 0xFF)).append(char(data.size() >> 8)).append(data);
    return bytes;
}

QByteArray failure(quint8 resultCode, quint16 detail = 0)
{
    return record(2, QByteArray::fromHex(QByteArray::number(resultCode, 16).rightJustified(2, '0') +
                                         QByteArray::number(detail, 16).rightJustified(4, '0')));
}

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

class TestRdm : public QObject
{
    Q_OBJECT

    struct Rig
    {
        SimulatedBackend bus;
        RecordOverrideBackend backend{&bus};
        UsbDevice usb{&backend};
        QTextEdit panel;
        RDM rdm{&usb, &panel};
        ManualClock clock;
        RecordingProgress progress;
    };
    std::unique_ptr<Rig> rig;

    QStringList logLines() const
    {
        QStringList lines;
        for (const QString &line : rig->panel.toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            lines.append(line.mid(11)); // " hh:mm:ss: "
        return lines;
    }
    QList<TransferRecord> transfers(quint8 request) const
    {
        QList<TransferRecord> matching;
        for (const TransferRecord &transfer : rig->bus.transferLog()) {
            if (transfer.request == request)
                matching.append(transfer);
        }
        return matching;
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Orv"));
        QCoreApplication::setApplicationName(QStringLiteral("Orv RDM Controller"));
    }
    void init()
    {
        QSettings().clear();
        writeDefaultSettings();
        rig = std::make_unique<Rig>();
        rig->bus.addInterface(QStringLiteral("ABCDEF1"));
        QCOMPARE(rig->usb.collectDevices().size(), 1);
        QCOMPARE(rig->usb.connectDevice(0), 0);
        rig->rdm.setClock(&rig->clock);
        rig->rdm.setDiscoveryProgress(&rig->progress);
        rig->bus.clearTransferLog();
        rig->backend.clearTimeouts();
    }
    void cleanup() { rig.reset(); }

    void requestPacketBytes_data()
    {
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<quint8>("commandClass");
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<QByteArray>("parameterData");
        QTest::addColumn<quint16>("subDevice");
        QTest::addColumn<QByteArray>("packet");
        QTest::newRow("GET DEVICE_INFO")
            << quint64(0x123456789ABC) << RdmCommandClass::Get << quint16(0x0060) << QByteArray() << quint16(0)
            << QByteArray("cc01181234" "56789abc01" "0203010101" "0001000000" "2000600003d9");
        QTest::newRow("sub-device 1")
            << quint64(0x123456789ABC) << RdmCommandClass::Get << quint16(0x0060) << QByteArray() << quint16(1)
            << QByteArray("cc01181234" "56789abc01" "0203010101" "0001000001" "2000600003da");
        QTest::newRow("all sub-devices, SET with data")
            << quint64(0x123456789ABC) << RdmCommandClass::Set << quint16(0x00F0) << QByteArray::fromHex("0011")
            << quint16(0xFFFF)
            << QByteArray("cc011a1234" "56789abc01" "0203010101" "000100ffff" "3000f0020011" "068c");
    }
    void requestPacketBytes()
    {
        QFETCH(quint64, uid);
        QFETCH(quint8, commandClass);
        QFETCH(quint16, pid);
        QFETCH(QByteArray, parameterData);
        QFETCH(quint16, subDevice);
        QFETCH(QByteArray, packet);
        const int sent = rig->rdm.sendRequest(uid, commandClass, pid, quint8(parameterData.size()),
                                              reinterpret_cast<const quint8 *>(parameterData.constData()), subDevice);
        QCOMPARE(sent, int(packet.size() / 2));
        const QList<TransferRecord> log = rig->bus.transferLog();
        QCOMPARE(log.size(), 1);
        QCOMPARE(log.first().requestType, quint8(0x40));
        QCOMPARE(log.first().request, quint8(9));
        QCOMPARE(log.first().value, quint16(0));
        QCOMPARE(log.first().index, quint16(0));
        QCOMPARE(log.first().data.toHex(), packet);
    }

    void parameterDataLengthLimits_data()
    {
        QTest::addColumn<int>("pdl");
        QTest::addColumn<int>("transferLength");
        QTest::newRow("no data") << 0 << 26;
        QTest::newRow("largest") << 231 << 257;
        QTest::newRow("one too many is refused") << 232 << -1;
        QTest::newRow("byte limit is refused") << 255 << -1;
    }
    void parameterDataLengthLimits()
    {
        QFETCH(int, pdl);
        QFETCH(int, transferLength);
        const QByteArray data(pdl, '\x5A');
        const int result = rig->rdm.sendRequest(0x123456789ABC, RdmCommandClass::Set, 0x8001, quint8(pdl),
                                                reinterpret_cast<const quint8 *>(data.constData()), 0);
        QCOMPARE(result, transferLength);
        const QList<TransferRecord> sent = transfers(9);
        if (transferLength < 0) {
            QVERIFY(sent.isEmpty());
            return;
        }
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().data.size(), transferLength);
        QCOMPARE(quint8(sent.first().data.at(2)), quint8(24 + pdl));
        quint16 sum = 0;
        for (int i = 0; i < transferLength - 2; ++i)
            sum = quint16(sum + quint8(sent.first().data.at(i)));
        QCOMPARE(quint8(sent.first().data.at(transferLength - 2)), quint8(sum >> 8));
        QCOMPARE(quint8(sent.first().data.at(transferLength - 1)), quint8(sum & 0xFF));
    }

    void everyRequestCarriesTransactionNumberZero()
    {
        rig->rdm.quietGet(0x123456789ABC, 0x0060, 0, nullptr, 0);
        rig->rdm.quietGet(0x123456789ABC, 0x0082, 0, nullptr, 0);
        const QList<TransferRecord> sent = transfers(9);
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent.at(0).data.at(15), '\0');
        QCOMPARE(sent.at(1).data.at(15), '\0');
    }

    void nothingIsSentWithoutAnOpenInterface()
    {
        rig->usb.disconnectDevice();
        rig->bus.clearTransferLog();
        QCOMPARE(rig->rdm.sendRequest(0x123456789ABC, RdmCommandClass::Get, 0x0060, 0, nullptr, 0), -1);
        QCOMPARE(rig->rdm.rdmGet(0x123456789ABC, 0x0060, 0, nullptr, 0), -1);
        QCOMPARE(rig->rdm.startFullDiscovery(), -1);
        QCOMPARE(rig->rdm.startAdditionalDiscovery(), -1);
        QVERIFY(rig->bus.transferLog().isEmpty());
        QCOMPARE(logLines(), QStringList{"GET request failed. USB send error"});
    }

    void anAckWithoutDataCostsOneRead()
    {
        rig->backend.setRecord(record(1, QByteArray()));
        QCOMPARE(rig->rdm.readResponse(), 0);
        QCOMPARE(rig->backend.recordReads(), 1);
        QVERIFY(rig->rdm.isAckResponse());
        QCOMPARE(rig->rdm.responseLength(), quint16(0));
    }

    void anAckWithDataIsReadInTwoTransfers()
    {
        rig->backend.setRecord(record(1, QByteArray::fromHex("0102030405")));
        QCOMPARE(rig->rdm.readResponse(), 0);
        QCOMPARE(rig->backend.recordReads(), 2);
        QCOMPARE(rig->rdm.responseLength(), quint16(5));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(rig->rdm.responseData()), 5).toHex(),
                 QByteArray("0102030405"));
    }

    void malformedRecordsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("more data announced than the buffer holds")
            << record(1, QByteArray(510, '\x11')) << "Response record refused: 510 data bytes announced, at most 509 fit";
        QTest::newRow("short header") << QByteArray("\x01\x05", 2)
                                      << "Response record incomplete: 2 of 3 header bytes";
        QTest::newRow("less data than announced") << QByteArray("\x01\x08\x00\x01\x02", 5)
                                                  << "Response record incomplete: 2 of 8 data bytes";
    }
    void malformedRecordsAreRefused()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, logLine);
        rig->backend.setRecord(answer);
        QCOMPARE(rig->rdm.readResponse(), -1);
        QVERIFY(!rig->rdm.isAckResponse());
        QCOMPARE(rig->rdm.responseLength(), quint16(0));
        QCOMPARE(logLines(), QStringList{logLine});
        QCOMPARE(rig->backend.recordReads(), answer.size() > 3 && answer.size() < 100 ? 2 : 1);
    }

    void responseErrorText_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("text");
        QTest::newRow("ACK") << record(1, QByteArray()) << "";
        QTest::newRow("status 0") << record(0, QByteArray::fromHex("02")) << "";
        QTest::newRow("status 3") << record(3, QByteArray::fromHex("02")) << "";
        QTest::newRow("result code 0") << failure(0) << "";
        QTest::newRow("result code 1") << failure(1) << "";
        QTest::newRow("missing response") << failure(2) << "missing response";
        QTest::newRow("bad destination") << failure(3) << "bad destination UID";
        QTest::newRow("bad checksum") << failure(4) << "bad checksum";
        QTest::newRow("bad transaction") << failure(5) << "bad transaction number";
        QTest::newRow("NACK unknown PID") << failure(6, 0) << "NACK response received: NR_UNKNOWN_PID";
        QTest::newRow("NACK 3 has no name") << failure(6, 3) << "NACK response received: ";
        QTest::newRow("NACK unsupported CC") << failure(6, 5) << "NACK response received: NR_UNSUPPORTED_CC";
        QTest::newRow("NACK no sub-device") << failure(6, 9) << "NACK response received: NR_NO_SUBDEVICE";
        QTest::newRow("NACK beyond the table") << failure(6, 10) << "NACK response received: ";
        QTest::newRow("ACK timer whole seconds") << failure(7, 20) << "ACK Timer - wait 2s";
        QTest::newRow("ACK timer fraction") << failure(7, 25) << "ACK Timer - wait 2.5s";
        QTest::newRow("unknown command class") << failure(8) << "unknown command class";
        QTest::newRow("result code 9") << failure(9) << "";
        QTest::newRow("failure without data") << record(2, QByteArray()) << "";
        QTest::newRow("NACK without detail") << record(2, QByteArray::fromHex("06")) << "NACK response received: NR_UNKNOWN_PID";
    }
    void responseErrorText()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, text);
        rig->backend.setRecord(answer);
        rig->rdm.readResponse();
        QCOMPARE(rig->rdm.responseErrorText(), text);
    }

    void transactions_data()
    {
        QTest::addColumn<bool>("isSet");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("failingTransfer");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("GET ACK") << false << record(1, QByteArray::fromHex("0001")) << 0 << 0
                                 << QStringList{"ACK response received"};
        QTest::newRow("GET result code 0") << false << failure(0) << 0 << -3 << QStringList{"Response error - "};
        QTest::newRow("GET missing response") << false << failure(2) << 0 << -3
                                              << QStringList{"Response error - missing response"};
        QTest::newRow("GET send fails") << false << QByteArray() << 1 << -1
                                        << QStringList{"GET request failed. USB send error"};
        QTest::newRow("GET receive fails") << false << QByteArray() << 2 << -2
                                           << QStringList{"GET request failed. USB receive error"};
        QTest::newRow("SET ACK") << true << record(1, QByteArray()) << 0 << 0
                                 << QStringList{"Sending SET request", "ACK response received"};
        QTest::newRow("SET write protected")
            << true << failure(6, 4) << 0 << -3
            << QStringList{"Sending SET request", "Response error - NACK response received: NR_WRITE_PROTECT"};
        QTest::newRow("SET send fails") << true << QByteArray() << 1 << -1
                                        << QStringList{"Sending SET request", "SET request failed. USB send error"};
        QTest::newRow("SET receive fails")
            << true << QByteArray() << 2 << -2
            << QStringList{"Sending SET request", "SET request failed. USB receive error"};
    }
    void transactions()
    {
        QFETCH(bool, isSet);
        QFETCH(QByteArray, answer);
        QFETCH(int, failingTransfer);
        QFETCH(int, result);
        QFETCH(QStringList, log);
        if (!answer.isEmpty())
            rig->backend.setRecord(answer);
        if (failingTransfer)
            rig->bus.interfaceAt(0).faults().failTransfer(failingTransfer, UsbResult::Stall);
        const quint8 level = 7;
        const int got = isSet ? rig->rdm.rdmSet(0x123456789ABC, 0x00F0, 1, &level, 0)
                              : rig->rdm.rdmGet(0x123456789ABC, 0x00F0, 0, nullptr, 0);
        QCOMPARE(got, result);
        QCOMPARE(logLines(), log);
    }

    void quietGetLogsNothing_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("result");
        QTest::newRow("ACK") << record(1, QByteArray()) << 0;
        QTest::newRow("no response") << QByteArray() << -3;
    }
    void quietGetLogsNothing()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, result);
        if (!answer.isEmpty())
            rig->backend.setRecord(answer);
        QCOMPARE(rig->rdm.quietGet(0x123456789ABC, 0x0060, 0, nullptr, 0), result);
        QVERIFY(rig->panel.toPlainText().isEmpty());
    }

    void broadcastSetsReadNothing_data()
    {
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<quint16>("subDevice");
        QTest::newRow("all devices of a manufacturer") << quint64(0x1234FFFFFFFF) << quint16(0);
        QTest::newRow("all devices") << quint64(0xFFFFFFFFFFFF) << quint16(0);
        QTest::newRow("all sub-devices of one device") << quint64(0x123456789ABC) << quint16(0xFFFF);
    }
    void broadcastSetsReadNothing()
    {
        QFETCH(quint64, uid);
        QFETCH(quint16, subDevice);
        const quint8 identify = 1;
        QCOMPARE(rig->rdm.rdmSet(uid, 0x1000, 1, &identify, subDevice), 0);
        QCOMPARE(logLines(), QStringList({"Sending SET request", "SET Broadcast sent."}));
        QCOMPARE(transfers(9).size(), 1);
        QCOMPARE(transfers(9).first().data.mid(20, 1).toHex(), QByteArray("30"));
        QVERIFY(transfers(10).isEmpty());
    }

    void fullDiscoveryWaitsThirtySeconds_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QList<quint64>>("uids");
        QTest::newRow("nobody") << record(1, QByteArray()) << QList<quint64>{};
        QTest::newRow("12 bytes give two")
            << record(1, QByteArray::fromHex("123456789abc" "7a7000000001"))
            << QList<quint64>{0x123456789ABC, 0x7A7000000001};
        QTest::newRow("13 bytes give two too")
            << record(1, QByteArray::fromHex("123456789abc" "7a7000000001" "ff"))
            << QList<quint64>{0x123456789ABC, 0x7A7000000001};
    }
    void fullDiscoveryWaitsThirtySeconds()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QList<quint64>, uids);
        setUsbDiscoveryTimeout(120000);
        setUsbStandardTimeout(4000);
        rig->backend.setRecord(answer);
        QCOMPARE(rig->rdm.fullDiscovery(nullptr), 0);

        QVERIFY(rig->clock.slept() >= 30000);
        QCOMPARE(rig->progress.maximum, 30);
        QCOMPARE(rig->progress.values.size(), 30);
        QCOMPARE(rig->progress.values.first(), 1);
        QCOMPARE(rig->progress.values.last(), 30);
        QVERIFY(rig->progress.ended);
        QCOMPARE(transfers(7).size(), 1);
        QCOMPARE(rig->usb.timeout(), 4000);
        // The start and the read travel under the discovery limit.
        const QList<int> limits = rig->backend.timeouts();
        QVERIFY(!limits.isEmpty());
        for (int limit : limits)
            QCOMPARE(limit, 120000);

        QList<quint64> found;
        QCOMPARE(rig->rdm.discoveredUids(&found), int(uids.size()));
        QCOMPARE(found, uids);
        QCOMPARE(logLines(), QStringList({"Full Discovery request sent. Waiting for response...",
                                          "Discovery successful",
                                          QStringLiteral("Number of devices found: %1").arg(uids.size())}));
    }

    void discoveryFailures_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("failingTransfer");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("full: start fails") << true << 1 << -1 << QStringList{"Discovery error!"};
        QTest::newRow("full: read fails") << true << 2 << -2
                                          << QStringList{"Full Discovery request sent. Waiting for response...",
                                                         "Response data not received. USB error"};
        QTest::newRow("additional: start fails") << false << 1 << -1 << QStringList{};
        QTest::newRow("additional: read fails")
            << false << 2 << -2
            << QStringList{"Additional Discovery request sent. Waiting for response...",
                           "Response data not received. USB error"};
    }
    void discoveryFailures()
    {
        QFETCH(bool, full);
        QFETCH(int, failingTransfer);
        QFETCH(int, result);
        QFETCH(QStringList, log);
        setUsbStandardTimeout(4321);
        rig->bus.interfaceAt(0).faults().failTransfer(failingTransfer, UsbResult::Stall);
        QCOMPARE(full ? rig->rdm.fullDiscovery(nullptr) : rig->rdm.additionalDiscovery(), result);
        QCOMPARE(rig->usb.timeout(), 4321);
        QCOMPARE(logLines(), log);
        if (full && failingTransfer == 1)
            QCOMPARE(rig->clock.slept(), qint64(0));
    }

    void anOversizedDiscoveryRecordIsRefused()
    {
        rig->backend.setRecord(record(1, QByteArray(600, '\x01')));
        QCOMPARE(rig->rdm.additionalDiscovery(), -2);
        QList<quint64> found{1, 2};
        QCOMPARE(rig->rdm.discoveredUids(&found), 0);
        QVERIFY(found.isEmpty());
        QVERIFY(logLines().contains("Response record refused: 600 data bytes announced, at most 509 fit"));
    }

    void timingAndDmxRequests()
    {
        RDM &rdm = rig->rdm;
        QCOMPARE(rdm.setDmxTiming(dmxBreakTime(), dmxMabTime(), dmxInterslotTime(), dmxWaitTime()), 16);
        QCOMPARE(rdm.setRdmTiming(rdmDiscoveryResponseTimeout(), rdmDiscoveryAnyTimeout(), rdmGetResponseTimeout(),
                                  rdmSetResponseTimeout(), rdmMissingAnyTimeout(), rdmResponseBroadcastAnyTimeout(),
                                  rdmMaxLengthTimeout()),
                 28);
        QCOMPARE(transfers(13).first().data.toHex(), QByteArray("58000000" "08000000" "00000000" "64000000"));
        QCOMPARE(transfers(11).first().data.toHex(),
                 QByteArray("f00a0000" "a8160000" "40420f00" "40420f00" "b80b0000" "b0000000" "40420f00"));

        QCOMPARE(rdm.beginDmxControl(), 0);
        rdm.dmxLevels()[16] = 200;
        QCOMPARE(rdm.sendDmxLevels(rdm.dmxLevels() + 16, 16, 1), 3);
        QCOMPARE(rdm.sendDmxLevels(rdm.dmxLevels(), 0, 512), 514);
        QCOMPARE(rdm.endDmxControl(), 0);
        QCOMPARE(transfers(12).first().data.toHex(), QByteArray("1000c8"));
        QCOMPARE(transfers(14).first().data.size(), 0);
        QCOMPARE(transfers(15).first().data.size(), 0);

        // What the interface keeps is what was meant.
        const InterfaceFirmware &firmware = rig->bus.interfaceAt(0).firmware();
        QCOMPARE(firmware.dmxLevels().at(16), quint8(200));
        QCOMPARE(firmware.dmxLevels().at(15), quint8(0));
        QVERIFY(!firmware.isDmxControlActive());
    }

    void dmxLevelsStartAtZero()
    {
        const quint8 *levels = rig->rdm.dmxLevels();
        QVERIFY(std::all_of(levels, levels + 512, [](quint8 level) { return level == 0; }));
    }

    void appendLogLineFormat()
    {
        QTextEdit panel;
        appendLogLine(&panel, QStringLiteral("hello"));
        QVERIFY(QRegularExpression(QStringLiteral("^ \\d\\d:\\d\\d:\\d\\d: hello$")).match(panel.toPlainText()).hasMatch());
        appendLogLine(nullptr, QStringLiteral("nowhere"));
    }
};

QTEST_MAIN(TestRdm)
#include "tst_rdm.moc"
