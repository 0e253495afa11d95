// The simulated responder driven with hand-built packets: framing, NACK reasons, state, discovery commands.
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

const QByteArray branchOfEverything =
    packet(0xFFFFFFFFFFFFULL, Discovery, 0x0001, QByteArray::fromHex("000000000000" "ffffffffffff"));

} // namespace

class SimulatedResponderTest : public QObject
{
    Q_OBJECT

private slots:
    void deviceInfoAnswerIsFramed();
    void nackReasons_data();
    void nackReasons();
    void damagedOrForeignPacketsGetNoAnswer_data();
    void damagedOrForeignPacketsGetNoAnswer();
    void settingsKeptAcrossSetAndGet();
    void sensorResetAndRecord();
    void realTimeClockRunsFromTheSetTime();
    void subDevicesAnswerForThemselves();
    void ackTimerQueuesTheRealAnswer();
    void statusMessagesAreReportedOnce();
    void longAnswerOverflowsInParts();
    void discoveryBranchAnswerIsEncoded();
    void muteSilencesDiscoveryUntilUnMute();
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
                        "0100" "0101" "0509" "01000000" "0003" "01" "03" "000a" "0000" "01"
                        "032a"));
}

void SimulatedResponderTest::nackReasons_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<quint16>("reason");
    const auto row = [](const char *name, const QByteArray &request, quint16 reason) {
        QTest::newRow(name) << request << reason;
    };
    const quint16 unknownPid = 0x0000;
    const quint16 formatError = 0x0001;
    const quint16 unsupportedCommandClass = 0x0005;
    const quint16 outOfRange = 0x0006;
    const quint16 subDeviceOutOfRange = 0x0009;
    row("PID the device lacks", get(ParUid, 0x0401), unknownPid);
    row("manufacturer PID not described", get(ParUid, 0x8005), unknownPid);
    row("discovery PID as GET", get(ParUid, 0x0001), unknownPid);
    row("GET of a SET-only PID", get(ParUid, 0x1001), unsupportedCommandClass);
    row("SET of a GET-only PID", set(ParUid, 0x0060), unsupportedCommandClass);
    row("SET of a GET-only manufacturer PID", set(ParUid, 0x8002, hex("01")), unsupportedCommandClass);
    row("command class 0x40", packet(ParUid, 0x40, 0x0060), unsupportedCommandClass);
    row("label of 33 characters", set(ParUid, 0x0082, QByteArray(33, 'x')), formatError);
    row("start address in one byte", set(ParUid, 0x00F0, hex("01")), formatError);
    row("DEVICE_INFO with data", get(ParUid, 0x0060, hex("00")), formatError);
    row("manufacturer value too long", set(ParUid, 0x8001, hex("0101")), formatError);
    row("start address 0", set(ParUid, 0x00F0, hex("0000")), outOfRange);
    row("start address 513", set(ParUid, 0x00F0, hex("0201")), outOfRange);
    row("personality 0", set(ParUid, 0x00E0, hex("00")), outOfRange);
    row("personality 4 of 3", set(ParUid, 0x00E0, hex("04")), outOfRange);
    row("description of personality 4", get(ParUid, 0x00E1, hex("04")), outOfRange);
    row("sensor 1 of 1", get(ParUid, 0x0200, hex("01")), outOfRange);
    row("slot without description", get(ParUid, 0x0121, hex("0005")), outOfRange);
    row("manufacturer value above maximum", set(ParUid, 0x8001, hex("03")), outOfRange);
    row("description of a standard PID", get(ParUid, 0x0051, hex("0060")), outOfRange);
    row("language not offered", set(ParUid, 0x00B0, "fr"), outOfRange);
    row("30 February", set(ParUid, 0x0603, hex("07ea021e0c0000")), outOfRange);
    row("year 2002", set(ParUid, 0x0603, hex("07d20101000000")), outOfRange);
    row("identify 2", set(ParUid, 0x1000, hex("02")), outOfRange);
    row("status type 5", get(ParUid, 0x0030, hex("05")), outOfRange);
    row("unknown status ID", get(ParUid, 0x0031, hex("7000")), outOfRange);
    row("sub-device 3 of a device without any", get(ParUid, 0x0060, {}, 3), subDeviceOutOfRange);
    row("GET to all sub-devices", get(ParUid, 0x0060, {}, 0xFFFF), subDeviceOutOfRange);
}

void SimulatedResponderTest::nackReasons()
{
    QFETCH(QByteArray, request);
    QFETCH(quint16, reason);
    SimulatedResponder responder(Fixture::par());
    const Answer answer = ask(responder, request);
    QCOMPARE(answer.brief(), "02 " + QByteArray::number(reason, 16).rightJustified(4, '0'));
    QCOMPARE(answer.commandClass, quint8(quint8(request.at(20)) + 1));
}

void SimulatedResponderTest::damagedOrForeignPacketsGetNoAnswer_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("commsStatus"); // short messages, length mismatches, checksum failures

    const QByteArray good = get(ParUid, 0x0060);
    const auto changed = [&good](int offset, int byte) {
        QByteArray bytes = good;
        bytes[offset] = char(byte);
        return bytes;
    };
    QTest::newRow("checksum off by one") << changed(25, good.at(25) + 1) << QByteArray("000000000002");
    QTest::newRow("message length one too short") << changed(2, 0x17) << QByteArray("000000020000");
    QTest::newRow("message length one too long") << changed(2, 0x19) << QByteArray("000000020000");
    QTest::newRow("cut after the source") << good.left(15) << QByteArray("000200000000");
    QTest::newRow("cut inside the source") << good.left(12) << QByteArray("000200000000");
    QTest::newRow("start code 0xCD") << changed(0, 0xCD) << QByteArray("000000000000");
    QTest::newRow("another device") << get(ParUid + 1, 0x0060) << QByteArray("000000000000");
    QTest::newRow("another device, cut short") << get(ParUid + 1, 0x0060).left(15) << QByteArray("000000000000");
    QTest::newRow("another manufacturer's broadcast") << set(0x7FF2FFFFFFFFULL, 0x1000, hex("01"))
                                                      << QByteArray("000000000000");
}

void SimulatedResponderTest::damagedOrForeignPacketsGetNoAnswer()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, commsStatus);
    SimulatedResponder responder(Fixture::par());
    QCOMPARE(responder.handle(request).toHex(), QByteArray());
    QCOMPARE(responder.handle(request).toHex(), QByteArray());
    QCOMPARE(responder.state().root.identify, false);
    // COMMS_STATUS counts the damaged packets addressed to this responder; a SET clears the counts.
    QCOMPARE(reply(responder, get(ParUid, 0x0015)), "00 " + commsStatus);
    QCOMPARE(reply(responder, set(ParUid, 0x0015)), QByteArray("00 "));
    QCOMPARE(reply(responder, get(ParUid, 0x0015)), QByteArray("00 000000000000"));
}

void SimulatedResponderTest::settingsKeptAcrossSetAndGet()
{
    SimulatedResponder responder(Fixture::par());
    QCOMPARE(reply(responder, get(ParUid, 0x0120)),
             QByteArray("00 0000" "00" "0205" "0001" "00" "0206" "0002" "00" "0207"));
    QCOMPARE(reply(responder, get(ParUid, 0x0090)), QByteArray("00 01"));
    const Answer label = ask(responder, set(ParUid, 0x0082, QByteArray(32, 'L')));
    QCOMPARE(label.brief(), QByteArray("00 "));
    QCOMPARE(label.commandClass, quint8(0x31));
    QCOMPARE(reply(responder, set(ParUid, 0x00E0, hex("02"))), QByteArray("00 "));
    QCOMPARE(reply(responder, set(ParUid, 0x00F0, hex("01fa"))), QByteArray("00 "));
    QCOMPARE(reply(responder, set(ParUid, 0x00B0, "de")), QByteArray("00 "));

    QCOMPARE(reply(responder, get(ParUid, 0x0082)), "00 " + QByteArray(32, 'L').toHex());
    QCOMPARE(reply(responder, get(ParUid, 0x00E0)), QByteArray("00 0203"));
    QCOMPARE(reply(responder, get(ParUid, 0x00F0)), QByteArray("00 01fa"));
    QCOMPARE(reply(responder, get(ParUid, 0x00B0)), "00 " + QByteArray("de").toHex());
    // Footprint 7 from 506 runs past 512; the device takes it, as E1.20 lets it.
    QCOMPARE(ask(responder, get(ParUid, 0x0060)).data.mid(10, 6).toHex(), QByteArray("0007" "02" "03" "01fa"));
    QCOMPARE(reply(responder, get(ParUid, 0x0122)), QByteArray("00 0000ff"));
    QCOMPARE(reply(responder, get(ParUid, 0x0121, hex("0000"))), "00 0000" + QByteArray("Dimmer").toHex());
    QCOMPARE(reply(responder, get(ParUid, 0x00E1, hex("03"))), "00 030001" + QByteArray("Dimmer").toHex());

    // FACTORY_DEFAULTS tells the change, and restores every setting.
    QCOMPARE(reply(responder, get(ParUid, 0x0090)), QByteArray("00 00"));
    QCOMPARE(reply(responder, set(ParUid, 0x0090)), QByteArray("00 "));
    QCOMPARE(reply(responder, get(ParUid, 0x0090)), QByteArray("00 01"));
    QCOMPARE(reply(responder, get(ParUid, 0x0082)), QByteArray("00 "));
    QCOMPARE(reply(responder, get(ParUid, 0x00E0)), QByteArray("00 0103"));
    QCOMPARE(reply(responder, get(ParUid, 0x00F0)), QByteArray("00 000a"));
    QCOMPARE(reply(responder, get(ParUid, 0x00B0)), "00 " + QByteArray("en").toHex());
}

void SimulatedResponderTest::sensorResetAndRecord()
{
    SimulatedResponder responder(Fixture::par());
    QCOMPARE(reply(responder, get(ParUid, 0x0200, hex("00"))),
             "00 " "00" "00" "01" "00" "ffec" "0078" "0000" "0055" "03" + QByteArray("LED").toHex());
    QCOMPARE(reply(responder, get(ParUid, 0x0201, hex("00"))), QByteArray("00 00" "0029" "0013" "003f" "0028"));
    responder.state().root.sensors[0].present = -7;
    QCOMPARE(reply(responder, set(ParUid, 0x0202, hex("00"))), QByteArray("00 "));
    QCOMPARE(reply(responder, get(ParUid, 0x0201, hex("00"))), QByteArray("00 00" "fff9" "0013" "003f" "fff9"));
    QCOMPARE(reply(responder, set(ParUid, 0x0201, hex("00"))), QByteArray("00 00" "fff9" "fff9" "fff9" "fff9"));
    QCOMPARE(reply(responder, set(ParUid, 0x0201, hex("ff"))), QByteArray("00 ff" "0000" "0000" "0000" "0000"));
}

void SimulatedResponderTest::realTimeClockRunsFromTheSetTime()
{
    SimulatedResponder responder(Fixture::par());
    QDateTime now(QDate(2026, 5, 1), QTime(8, 0, 0));
    responder.setClock([&now] { return now; });
    QCOMPARE(reply(responder, get(ParUid, 0x0603)), QByteArray("00 07ea" "05" "01" "08" "00" "00"));
    QCOMPARE(reply(responder, set(ParUid, 0x0603, hex("07eb" "0c" "1f" "17" "3b" "3a"))), QByteArray("00 "));
    now = now.addSecs(3);
    QCOMPARE(reply(responder, get(ParUid, 0x0603)), QByteArray("00 07ec" "01" "01" "00" "00" "01"));
}

void SimulatedResponderTest::subDevicesAnswerForThemselves()
{
    SimulatedResponder responder(Fixture::rack());
    const Answer module = ask(responder, packet(RackUid, Get, 0x0060, {}, 2, 0x5A));
    QCOMPARE(module.transactionNumber, quint8(0x5A));
    QCOMPARE(module.subDevice, quint16(2));
    QCOMPARE(module.source, RackUid);
    QCOMPARE(module.destination, Controller);
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
    behaviour.ackTimerPids.insert(0x0201, 25);
    behaviour.ackTimerPids.insert(0x0060, 10);
    SimulatedResponder responder(Fixture::par(), behaviour);
    const Answer timer = ask(responder, get(ParUid, 0x0201, hex("00")));
    QCOMPARE(timer.brief(), QByteArray("01 0019"));
    QCOMPARE(timer.messageCount, quint8(1));
    for (const char *level : {"02", "01"}) {
        const Answer queued = ask(responder, get(ParUid, 0x0020, hex(level)));
        QCOMPARE(queued.pid, quint16(0x0201));
        QCOMPARE(queued.brief(), QByteArray("00 00" "0029" "0013" "003f" "0028"));
        QCOMPARE(queued.messageCount, quint8(0));
    }
    // Nothing queued any more: the answer is the STATUS_MESSAGES one.
    const Answer empty = ask(responder, get(ParUid, 0x0020, hex("04")));
    QCOMPARE(empty.pid, quint16(0x0030));
    QCOMPARE(empty.brief(), QByteArray("00 "));
    // The queue holds 255 answers; the next request is refused.
    for (int i = 0; i < 255; ++i)
        ask(responder, get(ParUid, 0x0060));
    const Answer full = ask(responder, get(ParUid, 0x0060));
    QCOMPARE(full.brief(), QByteArray("02 0007"));
    QCOMPARE(full.messageCount, quint8(255));
}

void SimulatedResponderTest::statusMessagesAreReportedOnce()
{
    SimulatedResponder responder(Fixture::par());
    const QByteArray warning("00 0000" "03" "0052" "0001" "0000");
    QCOMPARE(reply(responder, get(ParUid, 0x0030, hex("03"))), warning);
    QCOMPARE(reply(responder, get(ParUid, 0x0030, hex("03"))), QByteArray("00 "));
    QCOMPARE(reply(responder, get(ParUid, 0x0030, hex("01"))), warning);
    QCOMPARE(reply(responder, get(ParUid, 0x0031, hex("0052"))), "00 " + QByteArray("%L low fluid").toHex());
    QCOMPARE(reply(responder, set(ParUid, 0x0032)), QByteArray("00 "));
    QCOMPARE(reply(responder, get(ParUid, 0x0030, hex("02"))), QByteArray("00 "));
}

void SimulatedResponderTest::longAnswerOverflowsInParts()
{
    SimulatedResponder responder(Fixture::withManufacturerPids(Fixture::par(), 120));
    const QByteArray request = get(ParUid, 0x0050);
    const Answer first = ask(responder, request);
    QCOMPARE(first.responseType, quint8(0x03));
    QCOMPARE(first.data.size(), 231);
    const Answer second = ask(responder, request);
    QCOMPARE(second.responseType, quint8(0x00));
    QCOMPARE((first.data + second.data).size(), 2 * (29 + 120));
    QCOMPARE(second.data.right(4).toHex(), QByteArray("90769077"));
    // Another request in between starts the answer afresh.
    ask(responder, request);
    ask(responder, get(ParUid, 0x0060));
    QCOMPARE(ask(responder, request).responseType, quint8(0x03));
}

void SimulatedResponderTest::discoveryBranchAnswerIsEncoded()
{
    SimulatedResponder responder(Fixture::par(0x123456789ABCULL));
    // Each UID byte twice, OR 0xAA then OR 0x55; the sum of those twelve bytes is 0x0864.
    QCOMPARE(responder.handle(branchOfEverything).toHex(),
             QByteArray("fefefefefefefe" "aa" "ba57" "be75" "fe57" "fa7d" "badf" "befd" "aa5d" "ee75"));
    const auto branch = [](const char *bounds) {
        return packet(0xFFFFFFFFFFFFULL, Discovery, 0x0001, QByteArray::fromHex(bounds));
    };
    QCOMPARE(responder.handle(branch("000000000000" "123456789abb")).toHex(), QByteArray());
    QCOMPARE_NE(responder.handle(branch("123456789abc" "123456789abc")).toHex(), QByteArray());
}

void SimulatedResponderTest::muteSilencesDiscoveryUntilUnMute()
{
    SimulatedResponder responder(Fixture::par());
    const Answer mute = ask(responder, packet(ParUid, Discovery, 0x0002));
    QCOMPARE(mute.commandClass, quint8(0x11));
    QCOMPARE(mute.brief(), QByteArray("00 0000"));
    QVERIFY(responder.isMuted());
    QCOMPARE(responder.handle(branchOfEverything).toHex(), QByteArray());
    QCOMPARE(responder.handle(packet(0xFFFFFFFFFFFFULL, Discovery, 0x0003)).toHex(), QByteArray());
    QVERIFY(!responder.isMuted());
    QCOMPARE_NE(responder.handle(branchOfEverything).toHex(), QByteArray());
    // The control field tells a responder with sub-devices.
    SimulatedResponder rack(Fixture::rack());
    QCOMPARE(reply(rack, packet(RackUid, Discovery, 0x0002)), QByteArray("00 0002"));
}

QTEST_GUILESS_MAIN(SimulatedResponderTest)
#include "tst_simulatedresponder.moc"
