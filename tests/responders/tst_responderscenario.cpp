// Responders from scenario files: mistakes named by path, and the demo rig and misbehaving responders
// seen only through the USB seam.
#include "../simulator/common/backendprobe.h"
#include "requestbuilder.h"

#include "simulator/responderscenario.h"
#include "simulator/scenario.h"
#include "simulator/simulatedline.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using namespace TestRequest;

namespace {

constexpr quint64 Uid = 0x7FF100000001ULL;

// Why the responders of the JSON array are refused, or "loaded".
QString loadError(const QByteArray &responders)
{
    SimulatedLine line;
    const SimulatedClock clock(SimulatedClock::Source::Manual);
    QString reason;
    return loadResponders(line, QJsonDocument::fromJson(responders).array(), clock, &reason) ? QStringLiteral("loaded")
                                                                                      : reason;
}

// Sends one packet over the backend and reads the record it left.
QByteArray exchange(BackendProbe &probe, const QByteArray &request)
{
    if (probe.send(9, 0, 0, request) != request.size())
        return "not sent";
    return probe.record().toHex();
}

const QList<quint64> demoUids = {0x7FF100010001, 0x7FF100020001, 0x7FF200000A01, 0x7FF300000301,
                                 0x7FF200000B01, 0x7FF100040001, 0x7FF100050001, 0x7FF100050002};

} // namespace

class ResponderScenarioTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mistakesNameTheirPlace_data();
    void mistakesNameTheirPlace();
    void demoDeviceInfoThroughTheSeam_data();
    void demoDeviceInfoThroughTheSeam();
    void demoFullDiscoveryThroughTheSeam();
    void misbehaviourBecomesItsResultCode_data();
    void misbehaviourBecomesItsResultCode();
    void movingSensorFollowsTheSimulatedClock_data();
    void movingSensorFollowsTheSimulatedClock();

private:
    std::unique_ptr<SimulatedBackend> m_demo;
    std::unique_ptr<BackendProbe> m_probe;
};

// The demo tests share one rig: none of them depends on what another left behind.
void ResponderScenarioTest::initTestCase()
{
    QString error;
    m_demo = loadScenario(QStringLiteral("demo"), &error);
    QVERIFY2(m_demo, qPrintable(error));
    m_probe = std::make_unique<BackendProbe>(*m_demo);
    QVERIFY(m_probe->connectFirst());
}

void ResponderScenarioTest::mistakesNameTheirPlace_data()
{
    QTest::addColumn<QByteArray>("responders");
    QTest::addColumn<QString>("error");
    const auto row = [](const char *name, const QByteArray &responders, const QString &error) {
        QTest::newRow(name) << responders << error;
    };
    // A responder with the keys given besides its UID.
    const auto with = [](const char *keys) { return R"([{"uid": "7FF1:00000001", )" + QByteArray(keys) + "}]"; };
    const QString badUid = R"(responders[0].uid: expected "MMMM:DDDDDDDD": manufacturer and device ID in hexadecimal, )"
                           "neither of them all F";

    row("not an object", "[7]", "responders[0]: expected an object");
    row("broadcast UID", R"([{"uid": "7FF1:FFFFFFFF"}])", badUid);
    row("UID twice", R"([{"uid": "7FF1:00000001"}, {"uid": "7ff1:00000001"}])",
        "responders[1].uid: another responder has this UID");
    row("misspelt key", with(R"("lable": "x")"), "responders[0].lable: unknown key");
    row("start address 513", with(R"("startAddress": 513)"),
        "responders[0].startAddress: expected an integer from 1 to 512");
    const auto moving = [&](const char *varies) {
        return with((R"("sensors": [{"varies": )" + QByteArray(varies) + "}]").constData());
    };
    row("unknown wave shape", moving(R"({"shape": "square", "minimum": 0, "maximum": 1, "periodSeconds": 1})"),
        R"(responders[0].sensors[0].varies.shape: expected "sine", "triangle" or "ramp")");
    row("period of 0 s", moving(R"({"shape": "sine", "minimum": 0, "maximum": 1, "periodSeconds": 0})"),
        "responders[0].sensors[0].varies.periodSeconds: expected an integer from 1 to 86400");
    row("period above a day", moving(R"({"shape": "sine", "minimum": 0, "maximum": 1, "periodSeconds": 86401})"),
        "responders[0].sensors[0].varies.periodSeconds: expected an integer from 1 to 86400");
    row("maximum below minimum", moving(R"({"shape": "ramp", "minimum": 5, "maximum": 4, "periodSeconds": 1})"),
        R"(responders[0].sensors[0].varies.maximum: expected at least "minimum")");
    row("minimum missing", moving(R"({"shape": "ramp", "maximum": 4, "periodSeconds": 1})"),
        "responders[0].sensors[0].varies.minimum: missing");
    row("fixed and moving value", with(R"("sensors": [{"value": 3, "varies": {"shape": "ramp", "minimum": 0, )"
                                       R"("maximum": 4, "periodSeconds": 1}}])"),
        R"(responders[0].sensors[0].varies: replaces "value"; give one of them)");
    row("longest period and equal ends", moving(R"({"shape": "ramp", "minimum": 4, "maximum": 4, "periodSeconds": 86400})"),
        "loaded");
}

void ResponderScenarioTest::mistakesNameTheirPlace()
{
    QFETCH(QByteArray, responders);
    QFETCH(QString, error);
    QVERIFY(QJsonDocument::fromJson(responders).isArray());
    QCOMPARE(loadError(responders), error);
}

void ResponderScenarioTest::demoDeviceInfoThroughTheSeam_data()
{
    QTest::addColumn<quint64>("uid");
    QTest::addColumn<QByteArray>("record");
    // Status and length, then protocol, model, category, software, footprint, personality, start address,
    // sub-devices, sensors.
    const QList<QByteArray> records = {
        "0101" "0101" "02040001" "0008" "0203" "0001" "0000" "01",
        "0201" "0102" "01070000" "0010" "0102" "0009" "0000" "01",
        "1201" "0501" "03000002" "000c" "0101" "00c8" "000c" "01",
        "0030" "0401" "00010005" "0002" "0101" "012c" "0000" "01",
        "2001" "0a01" "01020000" "0000" "0000" "ffff" "0000" "05",
        "0401" "0101" "01000003" "0004" "0101" "0136" "0000" "00",
        "0501" "0509" "00090001" "0018" "0202" "0064" "0000" "00",
        "0501" "0509" "00090001" "0018" "0202" "0070" "0000" "00",
    };
    for (int i = 0; i < demoUids.size(); ++i) {
        const QByteArray name = QByteArray::number(demoUids.at(i), 16);
        QTest::newRow(name.constData()) << demoUids.at(i) << "0113000100" + records.at(i);
    }
}

void ResponderScenarioTest::demoDeviceInfoThroughTheSeam()
{
    QFETCH(quint64, uid);
    QFETCH(QByteArray, record);
    QCOMPARE(exchange(*m_probe, get(uid, 0x0060)), record);
}

void ResponderScenarioTest::demoFullDiscoveryThroughTheSeam()
{
    QCOMPARE(m_probe->send(7), 0);
    const QByteArray record = m_probe->record();
    QCOMPARE(record.left(3).toHex(), QByteArray("013000"));
    QList<quint64> found;
    ByteReader reader(record);
    reader.skip(3);
    while (reader.remaining() > 0)
        found.append(reader.uid());
    QList<quint64> expected = demoUids;
    std::sort(found.begin(), found.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(found, expected);
    // Everyone is muted now: an additional discovery finds nobody.
    QCOMPARE(m_probe->send(8), 0);
    QCOMPARE(m_probe->record().toHex(), QByteArray("010000"));
}

void ResponderScenarioTest::misbehaviourBecomesItsResultCode_data()
{
    QTest::addColumn<QByteArray>("behaviour");
    QTest::addColumn<quint16>("pid");
    QTest::addColumn<QByteArray>("record");
    const auto row = [](const char *name, const char *behaviour, quint16 pid, const char *record) {
        QTest::newRow(name) << QByteArray(behaviour) << pid << QByteArray(record);
    };
    row("missing response", R"({"silent": true})", 0x0060, "020300020000");
    row("bad destination UID", R"({"wrongDestination": true})", 0x0060, "020300030000");
    row("bad checksum", R"({"wrongChecksum": true})", 0x0060, "020300040000");
    row("bad transaction number", R"({"wrongTransactionNumber": true})", 0x0060, "020300050000");
    row("NACK NR_UNKNOWN_PID", "{}", 0x0401, "020300060000");
    row("ACK_TIMER 2.5 s", R"({"ackTimer": [{"pid": "0x0060", "estimate": 25}]})", 0x0060, "020300070019");
    row("unknown command class", R"({"wrongCommandClass": true})", 0x0060, "020300080000");
}

void ResponderScenarioTest::misbehaviourBecomesItsResultCode()
{
    QFETCH(QByteArray, behaviour);
    QFETCH(quint16, pid);
    QFETCH(QByteArray, record);
    QTemporaryDir directory;
    QFile file(directory.filePath(QStringLiteral("rig.json")));
    const QByteArray rig = R"({"interfaces": [{"serial": "ABCDEF1", "responders": [{"uid": "7FF1:00000001", )"
                           R"("behaviour": )" + behaviour + "}]}]}";
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(rig) == rig.size());
    file.close();
    QString error;
    const std::unique_ptr<UsbBackend> backend = loadScenario(file.fileName(), &error);
    QVERIFY2(backend, qPrintable(error));
    BackendProbe probe(*backend);
    QVERIFY(probe.connectFirst());
    QCOMPARE(exchange(probe, get(Uid, pid)), record);
}

void ResponderScenarioTest::movingSensorFollowsTheSimulatedClock_data()
{
    QTest::addColumn<QByteArray>("shape");
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<QByteArray>("values");
    const auto row = [](const char *name, const char *shape, qint64 elapsedMs, const char *values) {
        QTest::newRow(name) << QByteArray(shape) << elapsedMs << QByteArray(values);
    };
    // Present, lowest and highest; the scenario's extremes are 10 and 20, the wave runs 0 to 100 in 100 s.
    row("sine starts at the minimum", "sine", 0, "0000" "0000" "0014");
    row("sine halfway up", "sine", 25000, "0032" "000a" "0032");
    row("sine at the top", "sine", 50000, "0064" "000a" "0064");
    row("triangle on the way down", "triangle", 75000, "0032" "000a" "0032");
    row("ramp just before the end", "ramp", 99000, "0063" "000a" "0063");
    row("ramp starts over", "ramp", 100000, "0000" "0000" "0014");
}

void ResponderScenarioTest::movingSensorFollowsTheSimulatedClock()
{
    QFETCH(QByteArray, shape);
    QFETCH(qint64, elapsedMs);
    QFETCH(QByteArray, values);
    QTemporaryDir directory;
    QFile file(directory.filePath(QStringLiteral("rig.json")));
    const QByteArray rig = R"({"interfaces": [{"serial": "ABCDEF1", "responders": [{"uid": "7FF1:00000001", )"
                           R"("sensors": [{"recordedValueSupport": 2, "lowest": 10, "highest": 20, )"
                           R"("varies": {"shape": ")" + shape + R"(", "minimum": 0, "maximum": 100, )"
                           R"("periodSeconds": 100}}]}]}]})";
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(rig) == rig.size());
    file.close();
    QString error;
    const std::unique_ptr<SimulatedBackend> backend =
        loadScenario(file.fileName(), &error, SimulatedClock::Source::Manual);
    QVERIFY2(backend, qPrintable(error));
    BackendProbe probe(*backend);
    QVERIFY(probe.connectFirst());
    backend->clock().advance(elapsedMs);
    QCOMPARE(exchange(probe, get(Uid, 0x0201, QByteArray(1, '\0'))), "01090000" + values + "0000");
}

QTEST_GUILESS_MAIN(ResponderScenarioTest)
#include "tst_responderscenario.moc"
