// The simulated line: answers checked into response records, additional discovery of newcomers.
#include "requestbuilder.h"

#include "simulator/discoveryanswer.h"
#include "simulator/simulatedline.h"
#include "simulator/simulatedresponder.h"

#include <QtTest>
#include <algorithm>
#include <functional>

using namespace TestRequest;

namespace {

constexpr quint64 ParUid = 0x7FF100000001ULL;

// A responder with a footprint of 3 at channel 10.
ResponderState par(quint64 uid)
{
    ResponderState state;
    state.uid = uid;
    state.root.personalities = {{3, "RGB", {}}};
    state.root.settings.startAddress = 10;
    return state;
}

using Damage = std::function<QByteArray(const QByteArray &answer)>;

// A responder whose answers a test writes itself: the correct answer passed through `damage`.
class DamagingResponder : public VirtualResponder
{
public:
    DamagingResponder(quint64 uid, Damage damage) : m_responder(par(uid)), m_damage(std::move(damage)) {}
    quint64 uid() const override { return m_responder.uid(); }
    QByteArray handle(const QByteArray &requestPacket) override { return m_damage(m_responder.handle(requestPacket)); }

private:
    SimulatedResponder m_responder;
    Damage m_damage;
};

std::shared_ptr<SimulatedResponder> responderAt(quint64 uid)
{
    return std::make_shared<SimulatedResponder>(par(uid));
}

QList<quint64> sorted(QList<quint64> uids)
{
    std::sort(uids.begin(), uids.end());
    return uids;
}

// The bytes with their last two replaced by the checksum of the others.
QByteArray withChecksum(QByteArray bytes)
{
    quint16 sum = 0;
    for (int i = 0; i < bytes.size() - 2; ++i)
        sum = quint16(sum + quint8(bytes.at(i)));
    bytes[bytes.size() - 2] = char(sum >> 8);
    bytes[bytes.size() - 1] = char(sum);
    return bytes;
}

// Result code first, then the 16-bit detail: the NACK reason or the ACK_TIMER estimate.
QByteArray recordOf(SimulatedLine &line, const QByteArray &packet)
{
    const std::optional<ResponseRecord> record = line.exchange(packet);
    return record ? QByteArray::number(record->status) + ' ' + record->data.toHex() : QByteArray("no record");
}

} // namespace

Q_DECLARE_METATYPE(Damage)

class SimulatedLineTest : public QObject
{
    Q_OBJECT

private slots:
    void badAnswersBecomeResultCodes_data();
    void badAnswersBecomeResultCodes();
    void additionalDiscoveryFindsOnlyNewcomers();
};

void SimulatedLineTest::badAnswersBecomeResultCodes_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("packets");
    const Damage none = [](const QByteArray &answer) { return answer; };
    const QByteArray info = get(ParUid, 0x0060);
    const QByteArray endless = withChecksum(QByteArray::fromHex("cc0118" "010203010101" "7ff100000001" "00" "03" "00"
                                                                "0000" "21" "0050" "00" "0000"));
    QTest::newRow("nobody at that UID") << none << get(ParUid + 5, 0x0060) << QByteArray("2 020000") << 1;
    QTest::newRow("answer that is not RDM")
        << Damage([](const QByteArray &) { return DiscoveryAnswer::encode(ParUid); }) << info << QByteArray("2 020000")
        << 1;
    QTest::newRow("answer cut short") << Damage([](const QByteArray &answer) { return answer.chopped(1); }) << info
                                      << QByteArray("2 040000") << 1;
    QTest::newRow("response type 7")
        << Damage([](QByteArray answer) { return withChecksum(answer.replace(16, 1, "\x07")); }) << info
        << QByteArray("2 000007") << 1;
    QTest::newRow("NACK out of range") << none << set(ParUid, 0x00F0, QByteArray::fromHex("0000"))
                                       << QByteArray("2 060006") << 1;
    QTest::newRow("ACK") << none << get(ParUid, 0x00F0) << QByteArray("1 000a") << 1;
    // Asked again and again for the rest, it gives up after 64 parts rather than hang.
    QTest::newRow("overflow without end") << Damage([endless](const QByteArray &) { return endless; })
                                          << get(ParUid, 0x0050) << QByteArray("2 020000") << 64;
}

void SimulatedLineTest::badAnswersBecomeResultCodes()
{
    QFETCH(Damage, damage);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, record);
    QFETCH(int, packets);
    SimulatedLine line;
    line.addResponder(std::make_shared<DamagingResponder>(ParUid, damage));
    QCOMPARE(recordOf(line, request), record);
    QCOMPARE(line.traffic().size(), packets);
    QCOMPARE(line.requestPacketCount(), 1);
}

void SimulatedLineTest::additionalDiscoveryFindsOnlyNewcomers()
{
    SimulatedLine line;
    line.addResponder(responderAt(ParUid));
    line.addResponder(responderAt(ParUid + 2));
    QCOMPARE(line.discover(DiscoveryKind::Full).size(), 2);
    QCOMPARE(line.discover(DiscoveryKind::Additional), QList<quint64>());
    line.addResponderAfter(1, responderAt(ParUid + 1));
    line.exchange(get(ParUid, 0x0060));
    QCOMPARE(line.discover(DiscoveryKind::Additional), QList<quint64>{ParUid + 1});
    QCOMPARE(sorted(line.discover(DiscoveryKind::Full)), (QList<quint64>{ParUid, ParUid + 1, ParUid + 2}));
}

QTEST_GUILESS_MAIN(SimulatedLineTest)
#include "tst_simulatedline.moc"
