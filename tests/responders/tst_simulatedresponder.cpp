// The simulated responder driven with hand-built packets: framing, NACK reasons, state, discovery answers.
#include "requestbuilder.h"
#include "responderfixtures.h"

#include "simulator/simulatedresponder.h"

#include <QtTest>

using namespace TestRequest;
using Fixture::Answer;
using Fixture::ParUid;
using Fixture::RackUid;

namespace {

QByteArray hex(const char *digits)
{
    return QByteArray::fromHex(digits);
}

Answer ask(SimulatedResponder &responder, const QByteArray &packet)
{
    return Answer::read(responder.handle(packet));
}

QByteArray reply(SimulatedResponder &responder, const QByteArray &packet)
{
    return ask(responder, packet).brief();
}

} // namespace

class SimulatedResponderTest : public QObject
{
    Q_OBJECT

private slots:
    void deviceInfoAnswerIsFramed();
    void nackReasons_data();
    void nackReasons();
    void settingsKeptAcrossSetAndGet();
    void subDevicesAnswerForThemselves();
    void ackTimerQueuesTheRealAnswer();
    void discoveryBranchAnswerIsEncoded();
};

void SimulatedResponderTest::deviceInfoAnswerIsFramed()
{
    SimulatedResponder responder(Fixture::par());
    QCOMPARE(responder.handle(get(ParUid, 0x0060)).toHex(),
             QByteArray("cc012b"            // start codes, message length 43
                        "010203010101"      // destination: the controller
                        "7ff100000001"      // source: the responder
                        "00" "00" "00"      // transaction, ACK, message count
                        "0000" "21" "0060"  // root, GET_COMMAND_RESPONSE, DEVICE_INFO
                        "13"                // 19 bytes
                        "0100" "0101" "0509" "01000000" "0003" "01" "03" "000a" "0000" "00"
                        "0329"));
}

void SimulatedResponderTest::nackReasons_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<bool>("writeProtected");
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("unknown PID") << get(ParUid, 0x0401) << false << QByteArray("02 0000");
    QTest::newRow("label of 33 characters") << set(ParUid, 0x0082, QByteArray(33, 'x')) << false
                                            << QByteArray("02 0001");
    QTest::newRow("write protected") << set(ParUid, 0x1000, hex("01")) << true << QByteArray("02 0004");
    QTest::newRow("SET of a GET-only PID") << set(ParUid, 0x0060) << false << QByteArray("02 0005");
    QTest::newRow("start address 513") << set(ParUid, 0x00F0, hex("0201")) << false << QByteArray("02 0006");
    QTest::newRow("sub-device 3 of none") << get(ParUid, 0x0060, {}, 3) << false << QByteArray("02 0009");
}

void SimulatedResponderTest::nackReasons()
{
    QFETCH(QByteArray, request);
    QFETCH(bool, writeProtected);
    QFETCH(QByteArray, answer);
    ResponderBehaviour behaviour;
    behaviour.writeProtected = writeProtected;
    SimulatedResponder responder(Fixture::par(), behaviour);
    const Answer nack = ask(responder, request);
    QCOMPARE(nack.brief(), answer);
    QCOMPARE(nack.commandClass, quint8(quint8(request.at(20)) + 1));
}

void SimulatedResponderTest::settingsKeptAcrossSetAndGet()
{
    SimulatedResponder responder(Fixture::par());
    QCOMPARE(reply(responder, set(ParUid, 0x0082, QByteArray(32, 'L'))), QByteArray("00 "));
    QCOMPARE(reply(responder, set(ParUid, 0x00E0, hex("02"))), QByteArray("00 "));
    QCOMPARE(reply(responder, set(ParUid, 0x00F0, hex("01fa"))), QByteArray("00 "));
    QCOMPARE(reply(responder, get(ParUid, 0x0082)), "00 " + QByteArray(32, 'L').toHex());
    QCOMPARE(reply(responder, get(ParUid, 0x00E0)), QByteArray("00 0203"));
    // Footprint 7 from 506 runs past 512; the device takes it, as E1.20 lets it.
    QCOMPARE(ask(responder, get(ParUid, 0x0060)).data.mid(10, 6).toHex(), QByteArray("0007" "02" "03" "01fa"));
    // FACTORY_DEFAULTS restores every setting.
    QCOMPARE(reply(responder, set(ParUid, 0x0090)), QByteArray("00 "));
    QCOMPARE(reply(responder, get(ParUid, 0x0082)), QByteArray("00 "));
    QCOMPARE(reply(responder, get(ParUid, 0x00E0)), QByteArray("00 0103"));
    QCOMPARE(reply(responder, get(ParUid, 0x00F0)), QByteArray("00 000a"));
}

void SimulatedResponderTest::subDevicesAnswerForThemselves()
{
    SimulatedResponder responder(Fixture::rack());
    const Answer module = ask(responder, packet(RackUid, Get, 0x0060, {}, 2, 0x5A));
    QCOMPARE(module.transactionNumber, quint8(0x5A));
    QCOMPARE(module.subDevice, quint16(2));
    QCOMPARE(module.data.toHex(), QByteArray("0100" "0200" "0000" "00000000" "0001" "01" "01" "0065" "0000" "00"));
    // The root announces sub-devices 1, 2 and 4: 3 is out of range, 4 never answers.
    QCOMPARE(ask(responder, get(RackUid, 0x0060)).data.mid(10).toHex(),
             QByteArray("0004" "01" "01" "0064" "0003" "00"));
    QCOMPARE(reply(responder, get(RackUid, 0x0060, {}, 3)), QByteArray("02 0009"));
    QCOMPARE(responder.handle(get(RackUid, 0x0060, {}, 4)).toHex(), QByteArray());
    QCOMPARE(reply(responder, set(RackUid, 0x00F0, hex("0140"), 1)), QByteArray("00 "));
    QCOMPARE(reply(responder, get(RackUid, 0x00F0, {}, 1)), QByteArray("00 0140"));
    QCOMPARE(reply(responder, get(RackUid, 0x00F0)), QByteArray("00 0064"));
    // A SET to all sub-devices is carried out by each and answered once.
    const Answer all = ask(responder, set(RackUid, 0x1000, hex("01"), 0xFFFF));
    QCOMPARE(all.brief(), QByteArray("00 "));
    QCOMPARE(all.subDevice, quint16(0xFFFF));
    for (const ResponderDevice &device : responder.state().subDevices)
        QCOMPARE(device.identify, true);
    QCOMPARE(responder.state().root.identify, false);
}

void SimulatedResponderTest::ackTimerQueuesTheRealAnswer()
{
    ResponderBehaviour behaviour;
    behaviour.ackTimerPids.insert(0x00F0, 25);
    SimulatedResponder responder(Fixture::par(), behaviour);
    const Answer timer = ask(responder, get(ParUid, 0x00F0));
    QCOMPARE(timer.brief(), QByteArray("01 0019"));
    QCOMPARE(timer.messageCount, quint8(1));
    const Answer queued = ask(responder, get(ParUid, 0x0020, hex("02")));
    QCOMPARE(queued.pid, quint16(0x00F0));
    QCOMPARE(queued.brief(), QByteArray("00 000a"));
    QCOMPARE(queued.messageCount, quint8(0));
    // The queue holds 255 answers; the next request is refused.
    for (int i = 0; i < 255; ++i)
        ask(responder, get(ParUid, 0x00F0));
    const Answer full = ask(responder, get(ParUid, 0x00F0));
    QCOMPARE(full.brief(), QByteArray("02 0007"));
    QCOMPARE(full.messageCount, quint8(255));
}

void SimulatedResponderTest::discoveryBranchAnswerIsEncoded()
{
    SimulatedResponder responder(Fixture::par(0x123456789ABCULL));
    const auto branch = [](const char *bounds) {
        return packet(0xFFFFFFFFFFFFULL, Discovery, 0x0001, QByteArray::fromHex(bounds));
    };
    // Each UID byte twice, OR 0xAA then OR 0x55; the sum of those twelve bytes is 0x0864.
    QCOMPARE(responder.handle(branch("000000000000" "ffffffffffff")).toHex(),
             QByteArray("fefefefefefefe" "aa" "ba57" "be75" "fe57" "fa7d" "badf" "befd" "aa5d" "ee75"));
    QCOMPARE(responder.handle(branch("000000000000" "123456789abb")).toHex(), QByteArray());
}

QTEST_GUILESS_MAIN(SimulatedResponderTest)
#include "tst_simulatedresponder.moc"
