// The simulated line: answers checked into response records, ACK_OVERFLOW joined, discovery with collisions.
#include "requestbuilder.h"
#include "responderfixtures.h"

#include "simulator/discoveryanswer.h"
#include "simulator/simulatedline.h"
#include "simulator/simulatedresponder.h"

#include <QtTest>
#include <algorithm>
#include <functional>

using Fixture::ParUid;

namespace {

// A responder whose answers a test writes itself: the correct answer passed through `damage`.
class DamagingResponder : public VirtualResponder
{
public:
    using Damage = std::function<QByteArray(const QByteArray &)>;
    DamagingResponder(quint64 uid, Damage damage)
        : m_responder(Fixture::par(uid)), m_damage(std::move(damage))
    {
    }
    quint64 uid() const override { return m_responder.uid(); }
    QByteArray handle(const QByteArray &requestPacket) override
    {
        return m_damage(m_responder.handle(requestPacket));
    }

private:
    SimulatedResponder m_responder;
    Damage m_damage;
};

std::shared_ptr<SimulatedResponder> responderAt(quint64 uid, const ResponderBehaviour &behaviour = {})
{
    return std::make_shared<SimulatedResponder>(Fixture::par(uid), behaviour);
}

QList<quint64> sorted(QList<quint64> uids)
{
    std::sort(uids.begin(), uids.end());
    return uids;
}

int countBranchRequests(const SimulatedLine &line)
{
    const QList<LineTraffic> traffic = line.traffic();
    return int(std::count_if(traffic.cbegin(), traffic.cend(), [](const LineTraffic &entry) {
        return entry.packet.mid(20, 3).toHex() == "100001";
    }));
}

int countGarbledAnswers(const SimulatedLine &line)
{
    int garbled = 0;
    for (const LineTraffic &entry : line.traffic()) {
        quint64 uid = 0;
        if (!entry.answer.isEmpty() && entry.packet.mid(20, 3).toHex() == "100001"
            && DiscoveryAnswer::decode(entry.answer, &uid) != DiscoveryAnswer::DecodeError::None)
            ++garbled;
    }
    return garbled;
}

} // namespace

class SimulatedLineTest : public QObject
{
    Q_OBJECT

private slots:
    void ackRecordCarriesTheParameterData();
    void badAnswersBecomeResultCodes_data();
    void badAnswersBecomeResultCodes();
    void broadcastGetsNoRecord();
    void overflowingAnswerIsJoined();
    void joinedAnswerStopsAtTheRecordSize();
    void endlessOverflowIsAMissingResponse();
    void responderJoinsAndLeavesAfterRequests();
    void discoveryFindsOneResponder();
    void discoveryTellsTwoCollidingResponders();
    void discoveryFindsFortyCollidingResponders();
    void additionalDiscoveryFindsOnlyNewcomers();
    void fullDiscoveryStartsWithUnMuteBroadcast();
    void responderRefusingMuteIsFoundAlone();
    void discoveryStopsWhenTheRecordIsFull();
};

void SimulatedLineTest::ackRecordCarriesTheParameterData()
{
    SimulatedLine line;
    line.addResponder(responderAt(ParUid));
    const std::optional<ResponseRecord> record = line.exchange(TestRequest::get(ParUid, 0x00F0));
    QVERIFY(record);
    QCOMPARE(record->status, quint8(1));
    QCOMPARE(record->data.toHex(), QByteArray("000a"));
    QCOMPARE(line.requestPacketCount(), 1);
}

void SimulatedLineTest::badAnswersBecomeResultCodes_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("record");
    const QByteArray get = TestRequest::get(ParUid, 0x0060);
    QTest::newRow("nobody at that UID") << "" << TestRequest::get(ParUid + 5, 0x0060) << QByteArray("020000");
    QTest::newRow("silent responder") << "silent" << get << QByteArray("020000");
    QTest::newRow("answer that is not RDM") << "not rdm" << get << QByteArray("020000");
    QTest::newRow("answer to another controller") << "wrong destination" << get << QByteArray("030000");
    QTest::newRow("checksum off by one") << "wrong checksum" << get << QByteArray("040000");
    QTest::newRow("answer cut short") << "cut" << get << QByteArray("040000");
    QTest::newRow("transaction number + 1") << "wrong transaction" << get << QByteArray("050000");
    QTest::newRow("NACK unknown PID") << "" << TestRequest::get(ParUid, 0x0401) << QByteArray("060000");
    QTest::newRow("NACK out of range") << "" << TestRequest::set(ParUid, 0x00F0, QByteArray::fromHex("0000"))
                                       << QByteArray("060006");
    QTest::newRow("ACK_TIMER 2.5 s") << "ack timer" << get << QByteArray("070019");
    QTest::newRow("command class echoed") << "wrong command class" << get << QByteArray("080000");
    QTest::newRow("response type 7") << "type 7" << get << QByteArray("000007");
}

void SimulatedLineTest::badAnswersBecomeResultCodes()
{
    QFETCH(QString, fault);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, record);
    ResponderBehaviour behaviour;
    behaviour.silent = fault == "silent";
    behaviour.wrongDestination = fault == "wrong destination";
    behaviour.wrongChecksum = fault == "wrong checksum";
    behaviour.wrongTransactionNumber = fault == "wrong transaction";
    behaviour.wrongCommandClass = fault == "wrong command class";
    if (fault == "ack timer")
        behaviour.ackTimerPids.insert(0x0060, 25);
    SimulatedLine line;
    if (fault == "not rdm") {
        line.addResponder(std::make_shared<DamagingResponder>(ParUid, [](const QByteArray &) {
            return DiscoveryAnswer::encode(ParUid);
        }));
    } else if (fault == "cut") {
        line.addResponder(std::make_shared<DamagingResponder>(ParUid, [](const QByteArray &answer) {
            return answer.left(answer.size() - 1);
        }));
    } else if (fault == "type 7") {
        line.addResponder(std::make_shared<DamagingResponder>(ParUid, [](const QByteArray &answer) {
            QByteArray changed = answer;
            changed[16] = 7;
            const int end = int(changed.size()) - 2;
            quint16 sum = 0;
            for (int i = 0; i < end; ++i)
                sum = quint16(sum + quint8(changed.at(i)));
            changed[end] = char(sum >> 8);
            changed[end + 1] = char(sum);
            return changed;
        }));
    } else {
        line.addResponder(responderAt(ParUid, behaviour));
    }
    const std::optional<ResponseRecord> result = line.exchange(request);
    QVERIFY(result);
    QCOMPARE(result->status, quint8(2));
    // Result code first, then the 16-bit detail: the NACK reason or the ACK_TIMER estimate.
    QCOMPARE(result->data.toHex(), record);
}

void SimulatedLineTest::broadcastGetsNoRecord()
{
    SimulatedLine line;
    auto first = responderAt(ParUid);
    auto second = responderAt(ParUid + 1);
    auto other = responderAt(0x7FF200000001ULL);
    line.addResponder(first);
    line.addResponder(second);
    line.addResponder(other);
    QVERIFY(!line.exchange(TestRequest::set(0x7FF1FFFFFFFFULL, 0x1000, QByteArray::fromHex("01"))));
    QCOMPARE(first->state().root.identify, true);
    QCOMPARE(second->state().root.identify, true);
    QCOMPARE(other->state().root.identify, false);
    QVERIFY(!line.exchange(TestRequest::set(0xFFFFFFFFFFFFULL, 0x1000, QByteArray::fromHex("01"))));
    QCOMPARE(other->state().root.identify, true);
}

void SimulatedLineTest::overflowingAnswerIsJoined()
{
    ResponderState state = Fixture::par();
    state.root.manufacturerParameters.clear();
    SimulatedLine line;
    line.addResponder(std::make_shared<SimulatedResponder>(Fixture::withManufacturerPids(state, 150)));
    const std::optional<ResponseRecord> record = line.exchange(TestRequest::get(ParUid, 0x0050));
    QVERIFY(record);
    QCOMPARE(record->status, quint8(1));
    QCOMPARE(record->data.size(), 2 * (27 + 150));
    QCOMPARE(record->data.right(6).toHex(), QByteArray("909390949095"));
    QCOMPARE(line.traffic().size(), 2);
}

void SimulatedLineTest::joinedAnswerStopsAtTheRecordSize()
{
    SimulatedLine line;
    line.addResponder(std::make_shared<SimulatedResponder>(Fixture::withManufacturerPids(Fixture::par(), 300)));
    const std::optional<ResponseRecord> record = line.exchange(TestRequest::get(ParUid, 0x0050));
    QVERIFY(record);
    QCOMPARE(record->status, quint8(1));
    QCOMPARE(record->data.size(), 509);
    QCOMPARE(line.traffic().size(), 3);
}

void SimulatedLineTest::endlessOverflowIsAMissingResponse()
{
    SimulatedLine line;
    line.addResponder(std::make_shared<DamagingResponder>(ParUid, [](const QByteArray &) {
        QByteArray answer = QByteArray::fromHex("cc0118" "010203010101" "7ff100000001" "00" "03" "00" "0000" "21"
                                                "0050" "00");
        quint16 sum = 0;
        for (char byte : std::as_const(answer))
            sum = quint16(sum + quint8(byte));
        answer.append(char(sum >> 8)).append(char(sum));
        return answer;
    }));
    const std::optional<ResponseRecord> record = line.exchange(TestRequest::get(ParUid, 0x0050));
    QVERIFY(record);
    QCOMPARE(record->data.toHex(), QByteArray("020000"));
    QCOMPARE(line.traffic().size(), 64);
}

void SimulatedLineTest::responderJoinsAndLeavesAfterRequests()
{
    SimulatedLine line;
    line.addResponderAfter(2, responderAt(ParUid));
    line.removeResponderAfter(3, ParUid);
    const QByteArray get = TestRequest::get(ParUid, 0x00F0);
    QCOMPARE(line.exchange(get)->status, quint8(2));
    QCOMPARE(line.exchange(get)->status, quint8(2));
    QCOMPARE(line.exchange(get)->status, quint8(1));
    QCOMPARE(line.exchange(get)->status, quint8(2));
    QVERIFY(!line.responder(ParUid));
}

void SimulatedLineTest::discoveryFindsOneResponder()
{
    SimulatedLine line;
    line.addResponder(responderAt(ParUid));
    QCOMPARE(line.discover(DiscoveryKind::Full), QList<quint64>{ParUid});
    QVERIFY(std::static_pointer_cast<SimulatedResponder>(line.responder(ParUid))->isMuted());
}

void SimulatedLineTest::discoveryTellsTwoCollidingResponders()
{
    SimulatedLine line;
    line.addResponder(responderAt(ParUid));
    line.addResponder(responderAt(ParUid + 1));
    QCOMPARE(sorted(line.discover(DiscoveryKind::Full)), (QList<quint64>{ParUid, ParUid + 1}));
    QVERIFY(countGarbledAnswers(line) >= 1);
}

void SimulatedLineTest::discoveryFindsFortyCollidingResponders()
{
    SimulatedLine line;
    QList<quint64> uids;
    for (int i = 0; i < 40; ++i) {
        // Neighbouring device IDs of three manufacturers: their branches collide down to the last bit.
        const quint64 manufacturer = quint64(0x7FF1 + i % 3) << 32;
        uids.append(manufacturer | quint64(0x00010000 + i));
        line.addResponder(responderAt(uids.last()));
    }
    const QList<quint64> found = line.discover(DiscoveryKind::Full);
    QCOMPARE(found.size(), 40);
    QCOMPARE(sorted(found), sorted(uids));
    QVERIFY(countGarbledAnswers(line) >= 39);
    const int branches = countBranchRequests(line);
    QVERIFY2(branches < 40 * 48, qPrintable(QString::number(branches)));
}

void SimulatedLineTest::additionalDiscoveryFindsOnlyNewcomers()
{
    SimulatedLine line;
    line.addResponder(responderAt(ParUid));
    line.addResponder(responderAt(ParUid + 2));
    QCOMPARE(line.discover(DiscoveryKind::Full).size(), 2);
    QCOMPARE(line.discover(DiscoveryKind::Additional), QList<quint64>());
    line.addResponderAfter(1, responderAt(ParUid + 1));
    line.exchange(TestRequest::get(ParUid, 0x0060));
    QCOMPARE(line.discover(DiscoveryKind::Additional), QList<quint64>{ParUid + 1});
    QCOMPARE(sorted(line.discover(DiscoveryKind::Full)), (QList<quint64>{ParUid, ParUid + 1, ParUid + 2}));
}

void SimulatedLineTest::fullDiscoveryStartsWithUnMuteBroadcast()
{
    SimulatedLine line;
    line.discover(DiscoveryKind::Full);
    const QList<LineTraffic> traffic = line.traffic();
    QCOMPARE(traffic.size(), 2);
    QCOMPARE(traffic.at(0).packet.toHex(), QByteArray("cc0118" "ffffffffffff" "010203010101" "00" "01" "00" "0000"
                                                      "10" "0003" "00" "06fc"));
    QCOMPARE(traffic.at(1).packet.toHex(), QByteArray("cc0124" "ffffffffffff" "010203010101" "00" "01" "00" "0000"
                                                      "10" "0001" "0c" "000000000000" "ffffffffffff" "0d0c"));
    QCOMPARE(traffic.at(1).answer, QByteArray());
}

void SimulatedLineTest::responderRefusingMuteIsFoundAlone()
{
    ResponderBehaviour deaf;
    deaf.refusesMute = true;
    SimulatedLine line;
    line.addResponder(responderAt(ParUid));
    line.addResponder(responderAt(ParUid + 3, deaf));
    QCOMPARE(sorted(line.discover(DiscoveryKind::Full)), (QList<quint64>{ParUid, ParUid + 3}));
    // Never muted, it answers every search again.
    QCOMPARE(line.discover(DiscoveryKind::Additional), QList<quint64>{ParUid + 3});
}

void SimulatedLineTest::discoveryStopsWhenTheRecordIsFull()
{
    SimulatedLine line;
    for (quint64 i = 0; i < 90; ++i)
        line.addResponder(responderAt(ParUid + i * 0x1000));
    QCOMPARE(line.discover(DiscoveryKind::Full).size(), 84);
}

QTEST_GUILESS_MAIN(SimulatedLineTest)
#include "tst_simulatedline.moc"
