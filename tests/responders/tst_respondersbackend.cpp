// The responders seen only through the USB seam: request 9 and 10 exchanges, discovery and result codes.
#include "../simulator/common/backendprobe.h"
#include "requestbuilder.h"

#include "simulator/scenario.h"
#include "usb/bytereader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

namespace {

constexpr quint8 SendPacket = 9;
constexpr quint8 ReadResponse = 10;
constexpr quint8 FullDiscovery = 7;
constexpr quint8 AdditionalDiscovery = 8;

// The demo rig: UID and model ID.
const QList<QPair<quint64, quint16>> demoRig = {
    {0x7FF100010001ULL, 0x0101}, {0x7FF100020001ULL, 0x0201}, {0x7FF200000A01ULL, 0x1201},
    {0x7FF300000301ULL, 0x0030}, {0x7FF200000B01ULL, 0x2001}, {0x7FF100040001ULL, 0x0401},
    {0x7FF100050001ULL, 0x0501}, {0x7FF100050002ULL, 0x0501},
};

const QByteArray misbehavingRig = R"({"interfaces": [{"serial": "ABCDEF1", "responders": [
    {"uid": "7FF1:00000002", "behaviour": {"silent": true}},
    {"uid": "7FF1:00000003", "behaviour": {"wrongDestination": true}},
    {"uid": "7FF1:00000004", "behaviour": {"wrongChecksum": true}},
    {"uid": "7FF1:00000005", "behaviour": {"wrongTransactionNumber": true}},
    {"uid": "7FF1:00000006"},
    {"uid": "7FF1:00000007", "behaviour": {"ackTimer": [{"pid": "0x0060", "estimate": 25}]}},
    {"uid": "7FF1:00000008", "behaviour": {"wrongCommandClass": true}}
]}]})";

// The response record as the program reads it: the 3-byte header, then the data it announces.
QByteArray readRecord(BackendProbe &probe)
{
    const QByteArray header = probe.receive(ReadResponse, 0, 0, 3);
    if (header.size() != 3)
        return QByteArray("no header");
    const int length = quint8(header.at(1)) | quint8(header.at(2)) << 8;
    if (header.at(0) == 1 && length == 0)
        return header;
    return header + probe.receive(ReadResponse, 0, 3, length);
}

} // namespace

class RespondersBackendTest : public QObject
{
    Q_OBJECT

private slots:
    void deviceInfoOfEveryDemoResponder();
    void fullDiscoveryReturnsEveryDemoUid();
    void misbehaviourBecomesItsResultCode_data();
    void misbehaviourBecomesItsResultCode();
};

void RespondersBackendTest::deviceInfoOfEveryDemoResponder()
{
    QString error;
    const std::unique_ptr<UsbBackend> backend = loadScenario(QStringLiteral("demo"), &error);
    QVERIFY2(backend, qPrintable(error));
    BackendProbe probe(*backend);
    QVERIFY(probe.connectFirst());
    for (const auto &[uid, modelId] : demoRig) {
        const QByteArray request = TestRequest::get(uid, 0x0060);
        QCOMPARE(probe.send(SendPacket, 0, 0, request), int(request.size()));
        const QByteArray record = readRecord(probe);
        QCOMPARE(record.left(3).toHex(), QByteArray("011300"));
        QCOMPARE(record.mid(3, 2).toHex(), QByteArray("0100"));
        QCOMPARE(record.mid(5, 2).toHex(), QByteArray::number(modelId, 16).rightJustified(4, '0'));
    }
}

void RespondersBackendTest::fullDiscoveryReturnsEveryDemoUid()
{
    QString error;
    const std::unique_ptr<UsbBackend> backend = loadScenario(QStringLiteral("demo"), &error);
    QVERIFY2(backend, qPrintable(error));
    BackendProbe probe(*backend);
    QVERIFY(probe.connectFirst());
    QVERIFY(probe.send(FullDiscovery) >= 0);
    const QByteArray record = readRecord(probe);
    QCOMPARE(record.left(3).toHex(), QByteArray("013000"));
    QList<quint64> found;
    const QByteArray uids = record.mid(3);
    ByteReader reader(uids);
    while (!reader.atEnd())
        found.append(reader.uid());
    QList<quint64> expected;
    for (const auto &entry : demoRig)
        expected.append(entry.first);
    std::sort(found.begin(), found.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(found, expected);
    // Everyone is muted now: an additional discovery finds nobody.
    QVERIFY(probe.send(AdditionalDiscovery) >= 0);
    QCOMPARE(readRecord(probe).toHex(), QByteArray("010000"));
}

void RespondersBackendTest::misbehaviourBecomesItsResultCode_data()
{
    QTest::addColumn<quint64>("uid");
    QTest::addColumn<quint16>("pid");
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("missing response") << quint64(0x7FF100000002ULL) << quint16(0x0060) << QByteArray("020300020000");
    QTest::newRow("bad destination UID") << quint64(0x7FF100000003ULL) << quint16(0x0060)
                                         << QByteArray("020300030000");
    QTest::newRow("bad checksum") << quint64(0x7FF100000004ULL) << quint16(0x0060) << QByteArray("020300040000");
    QTest::newRow("bad transaction number") << quint64(0x7FF100000005ULL) << quint16(0x0060)
                                            << QByteArray("020300050000");
    QTest::newRow("NACK NR_UNKNOWN_PID") << quint64(0x7FF100000006ULL) << quint16(0x0401)
                                         << QByteArray("020300060000");
    QTest::newRow("ACK_TIMER 2.5 s") << quint64(0x7FF100000007ULL) << quint16(0x0060) << QByteArray("020300070019");
    QTest::newRow("unknown command class") << quint64(0x7FF100000008ULL) << quint16(0x0060)
                                           << QByteArray("020300080000");
}

void RespondersBackendTest::misbehaviourBecomesItsResultCode()
{
    QFETCH(quint64, uid);
    QFETCH(quint16, pid);
    QFETCH(QByteArray, record);
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("rig.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(misbehavingRig) == misbehavingRig.size());
    file.close();
    QString error;
    const std::unique_ptr<UsbBackend> backend = loadScenario(path, &error);
    QVERIFY2(backend, qPrintable(error));
    BackendProbe probe(*backend);
    QVERIFY(probe.connectFirst());
    const QByteArray request = TestRequest::get(uid, pid);
    QCOMPARE(probe.send(SendPacket, 0, 0, request), int(request.size()));
    QCOMPARE(readRecord(probe).toHex(), record);
}

QTEST_GUILESS_MAIN(RespondersBackendTest)
#include "tst_respondersbackend.moc"
