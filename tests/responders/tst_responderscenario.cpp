// Responders from scenario files: mistakes named by path, and misbehaving responders seen only through
// the USB seam.
#include "../simulator/common/backendprobe.h"
#include "requestbuilder.h"
#include "scenariofile.h"

#include "simulator/responderscenario.h"
#include "simulator/simulatedline.h"

#include <QJsonDocument>
#include <QtTest>

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

// The first interface of a scenario with one responder of UID 7FF1:00000001 and the keys given, connected.
QByteArray exchangeWithResponder(const QByteArray &keys, const QByteArray &request)
{
    QString error;
    const std::unique_ptr<SimulatedBackend> backend = loadScenarioText(
        R"({"interfaces": [{"serial": "ABCDEF1", "responders": [{"uid": "7FF1:00000001", )" + keys + "}]}]}", &error);
    if (!backend)
        return error.toUtf8();
    BackendProbe probe(*backend);
    if (!probe.connectFirst())
        return "not connected";
    return exchange(probe, request);
}

} // namespace

class ResponderScenarioTest : public QObject
{
    Q_OBJECT

private slots:
    void mistakesNameTheirPlace_data();
    void mistakesNameTheirPlace();
    void misbehaviourBecomesItsResultCode_data();
    void misbehaviourBecomesItsResultCode();
};

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
    row("period above a day", moving(R"({"shape": "sine", "minimum": 0, "maximum": 1, "periodSeconds": 86401})"),
        "responders[0].sensors[0].varies.periodSeconds: expected an integer from 1 to 86400");
    row("maximum below minimum", moving(R"({"shape": "ramp", "minimum": 5, "maximum": 4, "periodSeconds": 1})"),
        R"(responders[0].sensors[0].varies.maximum: expected at least "minimum")");
    row("minimum missing", moving(R"({"shape": "ramp", "maximum": 4, "periodSeconds": 1})"),
        "responders[0].sensors[0].varies.minimum: missing");
    row("fixed and moving value", with(R"("sensors": [{"value": 3, "varies": {"shape": "ramp", "minimum": 0, )"
                                       R"("maximum": 4, "periodSeconds": 1}}])"),
        R"(responders[0].sensors[0].varies: replaces "value"; give one of them)");
    row("last channel, longest period and equal ends",
        with(R"("startAddress": 512, "sensors": [{"varies": {"shape": "ramp", "minimum": 4, "maximum": 4, )"
             R"("periodSeconds": 86400}}])"),
        "loaded");
}

void ResponderScenarioTest::mistakesNameTheirPlace()
{
    QFETCH(QByteArray, responders);
    QFETCH(QString, error);
    QVERIFY(QJsonDocument::fromJson(responders).isArray());
    QCOMPARE(loadError(responders), error);
}

void ResponderScenarioTest::misbehaviourBecomesItsResultCode_data()
{
    QTest::addColumn<QByteArray>("behaviour");
    QTest::addColumn<QByteArray>("record");
    const auto row = [](const char *name, const char *behaviour, const char *record) {
        QTest::newRow(name) << QByteArray(behaviour) << QByteArray(record);
    };
    row("missing response", R"({"silent": true})", "020300020000");
    row("bad destination UID", R"({"wrongDestination": true})", "020300030000");
    row("bad checksum", R"({"wrongChecksum": true})", "020300040000");
    row("bad transaction number", R"({"wrongTransactionNumber": true})", "020300050000");
    row("ACK_TIMER 2.5 s", R"({"ackTimer": [{"pid": "0x0060", "estimate": 25}]})", "020300070019");
    row("unknown command class", R"({"wrongCommandClass": true})", "020300080000");
}

void ResponderScenarioTest::misbehaviourBecomesItsResultCode()
{
    QFETCH(QByteArray, behaviour);
    QTEST(exchangeWithResponder(R"("behaviour": )" + behaviour, get(Uid, 0x0060)), "record");
}

QTEST_GUILESS_MAIN(ResponderScenarioTest)
#include "tst_responderscenario.moc"
