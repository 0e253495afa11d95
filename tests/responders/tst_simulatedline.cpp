// The simulated line: responders from scenario files with mistakes named by path, answers checked into response
// records, additional discovery of newcomers.
#include "simulator/discoveryanswer.h"
#include "simulator/linepacket.h"
#include "simulator/responderprotocol.h"
#include "simulator/responderscenario.h"
#include "simulator/simulatedclock.h"
#include "simulator/simulatedline.h"
#include "simulator/simulatedresponder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>
#include <algorithm>
#include <functional>

namespace {

constexpr quint64 ParUid = 0x7FF100000001ULL;

// A request from the controller to the responder at ParUid.
QByteArray request(quint8 commandClass, quint16 pid, const QByteArray &data = {})
{
    LinePacket packet;
    packet.destination = ParUid;
    packet.source = Rdm::ControllerUid;
    packet.portOrResponseType = 1;
    packet.commandClass = commandClass;
    packet.pid = pid;
    packet.data = data;
    return packet.encode();
}

// Why the responders of the JSON array are refused, or "loaded".
QString load(SimulatedLine &line, const QByteArray &responders)
{
    static const SimulatedClock clock(SimulatedClock::Source::Manual);
    QString reason;
    return loadResponders(line, QJsonDocument::fromJson(responders).array(), clock, &reason) ? QStringLiteral("loaded")
                                                                                      : reason;
}

// A responder with a footprint of 3 at channel 10.
std::shared_ptr<SimulatedResponder> responderAt(quint64 uid)
{
    ResponderState state;
    state.uid = uid;
    state.root.personalities = {{3, "RGB", {}}};
    state.root.settings.startAddress = 10;
    return std::make_shared<SimulatedResponder>(state);
}

using Damage = std::function<QByteArray(const QByteArray &answer)>;

// A responder whose answers a test writes itself: the correct answer passed through `damage`.
class DamagingResponder : public VirtualResponder
{
public:
    explicit DamagingResponder(Damage damage) : m_responder(responderAt(ParUid)), m_damage(std::move(damage)) {}
    quint64 uid() const override { return ParUid; }
    QByteArray handle(const QByteArray &requestPacket) override { return m_damage(m_responder->handle(requestPacket)); }

private:
    std::shared_ptr<SimulatedResponder> m_responder;
    Damage m_damage;
};

} // namespace

Q_DECLARE_METATYPE(Damage)

class SimulatedLineTest : public QObject
{
    Q_OBJECT

private slots:
    void mistakesNameTheirPlace_data()
    {
        QTest::addColumn<QByteArray>("responders");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *name, const QByteArray &responders, const QString &error) {
            QTest::newRow(name) << responders << error;
        };
        // A responder with the keys given besides its UID.
        const auto with = [](const char *keys) { return R"([{"uid": "7FF1:00000001", )" + QByteArray(keys) + "}]"; };
        const auto moving = [&](const char *varies) {
            return with((R"("sensors": [{"varies": )" + QByteArray(varies) + "}]").constData());
        };

        row("not an object", "[7]", "responders[0]: expected an object");
        row("broadcast UID", R"([{"uid": "7FF1:FFFFFFFF"}])",
            R"(responders[0].uid: expected "MMMM:DDDDDDDD": manufacturer and device ID in hexadecimal, )"
            "neither of them all F");
        row("UID twice", R"([{"uid": "7FF1:00000001"}, {"uid": "7ff1:00000001"}])",
            "responders[1].uid: another responder has this UID");
        row("misspelt key", with(R"("lable": "x")"), "responders[0].lable: unknown key");
        row("start address 513", with(R"("startAddress": 513)"),
            "responders[0].startAddress: expected an integer from 1 to 512");
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
    void mistakesNameTheirPlace()
    {
        QFETCH(QByteArray, responders);
        QVERIFY(QJsonDocument::fromJson(responders).isArray());
        SimulatedLine line;
        QTEST(load(line, responders), "error");
    }

    // A responder with the keys given in its scenario entry, or one whose answers are damaged.
    void badAnswersBecomeResultCodes_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("record"); // status, then result code and 16-bit detail or the data
        QTest::addColumn<int>("packets");
        const QByteArray info = request(Rdm::CommandClass::Get, 0x0060);
        const auto behaving = [&](const char *name, const char *behaviour, const char *record) {
            QTest::newRow(name) << R"("behaviour": )" + QByteArray(behaviour) << Damage() << info << QByteArray(record)
                                << 1;
        };
        const auto damaged = [&](const char *name, const Damage &damage, const char *record, int packets = 1) {
            QTest::newRow(name) << QByteArray() << damage << info << QByteArray(record) << packets;
        };
        behaving("missing response", R"({"silent": true})", "2 020000");
        behaving("bad destination UID", R"({"wrongDestination": true})", "2 030000");
        behaving("bad checksum", R"({"wrongChecksum": true})", "2 040000");
        behaving("bad transaction number", R"({"wrongTransactionNumber": true})", "2 050000");
        behaving("ACK_TIMER 2.5 s", R"({"ackTimer": [{"pid": "0x0060", "estimate": 25}]})", "2 070019");
        behaving("unknown command class", R"({"wrongCommandClass": true})", "2 080000");
        const QByteArray par = R"("personalities": [{"footprint": 3}], "startAddress": 10)";
        QTest::newRow("NACK out of range") << par << Damage()
                                           << request(Rdm::CommandClass::Set, 0x00F0, QByteArray(2, '\0'))
                                           << QByteArray("2 060006") << 1;
        QTest::newRow("ACK") << par << Damage() << request(Rdm::CommandClass::Get, 0x00F0) << QByteArray("1 000a") << 1;
        damaged("answer that is not RDM", [](const QByteArray &) { return DiscoveryAnswer::encode(ParUid); },
                "2 020000");
        damaged("answer cut short", [](const QByteArray &answer) { return answer.chopped(1); }, "2 040000");
        // The correct answer sent again with another response type and no data.
        const auto retyped = [](quint8 type) {
            return Damage([type](const QByteArray &answer) {
                LinePacket packet;
                LinePacket::decode(answer, &packet);
                packet.portOrResponseType = type;
                packet.data.clear();
                return packet.encode();
            });
        };
        damaged("response type 7", retyped(7), "2 000007");
        // Asked again and again for the rest, it gives up after 64 parts rather than hang.
        damaged("overflow without end", retyped(Rdm::ResponseType::AckOverflow), "2 020000", 64);
    }
    void badAnswersBecomeResultCodes()
    {
        QFETCH(QByteArray, keys);
        QFETCH(Damage, damage);
        QFETCH(QByteArray, request);
        SimulatedLine line;
        if (damage)
            line.addResponder(std::make_shared<DamagingResponder>(damage));
        else
            QCOMPARE(load(line, R"([{"uid": "7FF1:00000001", )" + keys + "}]"), QStringLiteral("loaded"));
        const std::optional<ResponseRecord> record = line.exchange(request);
        QVERIFY(record);
        QTEST(QByteArray::number(record->status) + ' ' + record->data.toHex(), "record");
        QTEST(int(line.traffic().size()), "packets");
        QCOMPARE(line.requestPacketCount(), 1);
    }

    void additionalDiscoveryFindsOnlyNewcomers()
    {
        SimulatedLine line;
        line.addResponder(responderAt(ParUid));
        line.addResponder(responderAt(ParUid + 2));
        QCOMPARE(line.discover(DiscoveryKind::Full).size(), 2);
        QCOMPARE(line.discover(DiscoveryKind::Additional), QList<quint64>());
        line.addResponderAfter(1, responderAt(ParUid + 1));
        line.exchange(request(Rdm::CommandClass::Get, 0x0060));
        QCOMPARE(line.discover(DiscoveryKind::Additional), QList<quint64>{ParUid + 1});
        QList<quint64> all = line.discover(DiscoveryKind::Full);
        std::sort(all.begin(), all.end());
        QCOMPARE(all, (QList<quint64>{ParUid, ParUid + 1, ParUid + 2}));
    }
};

QTEST_GUILESS_MAIN(SimulatedLineTest)
#include "tst_simulatedline.moc"
