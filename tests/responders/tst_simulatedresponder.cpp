// The simulated responder driven with hand-built packets: framing, NACK reasons, state, discovery commands.
#include "requestbuilder.h"
#include "responderfixtures.h"

#include "simulator/simulatedresponder.h"

#include <QtTest>

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

} // namespace

class SimulatedResponderTest : public QObject
{
    Q_OBJECT

private slots:
    void deviceInfoAnswerIsFramed();
    void answerEchoesTransactionNumberAndSubDevice();
    void nackReasons_data();
    void nackReasons();
    void writeProtectedRefusesSets();
    void damagedOrForeignPacketsGetNoAnswer_data();
    void damagedOrForeignPacketsGetNoAnswer();
    void commsStatusCountsDamagedPackets();
    void labelKeptAcrossSetAndGet();
    void personalityChangesFootprintAndSlots();
    void factoryDefaultsRestoreSettings();
    void manufacturerParameterStoredAndDescribed();
    void sensorResetAndRecord();
    void realTimeClockRunsFromTheSetTime();
    void broadcastsAreCarriedOutButNotAnswered_data();
    void broadcastsAreCarriedOutButNotAnswered();
    void subDevicesAnswerForThemselves();
    void setToAllSubDevices();
    void ackTimerQueuesTheRealAnswer();
    void fullQueueAnswersBufferFull();
    void statusMessagesAreReportedOnce();
    void longAnswerOverflowsInParts();
    void supportedParametersFollowTheData();
    void discoveryBranchAnswerIsEncoded();
    void muteSilencesDiscoveryUntilUnMute();
    void muteControlFieldAnnouncesSubDevices();
};

void SimulatedResponderTest::deviceInfoAnswerIsFramed()
{
    SimulatedResponder responder(Fixture::par());
    const QByteArray answer = responder.handle(TestRequest::get(ParUid, 0x0060));
    QCOMPARE(answer.toHex(), QByteArray("cc012b"            // start codes, message length 43
                                        "010203010101"      // destination: the controller
                                        "7ff100000001"      // source: the responder
                                        "00" "00" "00"      // transaction, ACK, message count
                                        "0000" "21" "0060"  // root, GET_COMMAND_RESPONSE, DEVICE_INFO
                                        "13"                // 19 bytes
                                        "0100" "0101" "0509" "01000000" "0003" "01" "03" "000a" "0000" "01"
                                        "032a"));
}

void SimulatedResponderTest::answerEchoesTransactionNumberAndSubDevice()
{
    SimulatedResponder responder(Fixture::rack());
    const Answer answer = ask(responder, TestRequest::packet(RackUid, TestRequest::Get, 0x0060, {}, 2, 0x5A));
    QCOMPARE(answer.transactionNumber, quint8(0x5A));
    QCOMPARE(answer.subDevice, quint16(2));
    QCOMPARE(answer.source, RackUid);
    QCOMPARE(answer.destination, TestRequest::Controller);
    QCOMPARE(answer.data.toHex(), QByteArray("0100" "0200" "0000" "00000000" "0001" "01" "01" "0065" "0000" "00"));
}

void SimulatedResponderTest::nackReasons_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<quint16>("reason");
    using namespace TestRequest;
    QTest::newRow("PID the device lacks") << get(ParUid, 0x0401) << quint16(0x0000);
    QTest::newRow("manufacturer PID not described") << get(ParUid, 0x8005) << quint16(0x0000);
    QTest::newRow("discovery PID as GET") << get(ParUid, 0x0001) << quint16(0x0000);
    QTest::newRow("GET of a SET-only PID") << get(ParUid, 0x1001) << quint16(0x0005);
    QTest::newRow("SET of a GET-only PID") << set(ParUid, 0x0060) << quint16(0x0005);
    QTest::newRow("SET of a GET-only manufacturer PID") << set(ParUid, 0x8002, hex("01")) << quint16(0x0005);
    QTest::newRow("command class 0x40") << packet(ParUid, 0x40, 0x0060) << quint16(0x0005);
    QTest::newRow("label of 33 characters") << set(ParUid, 0x0082, QByteArray(33, 'x')) << quint16(0x0001);
    QTest::newRow("start address in one byte") << set(ParUid, 0x00F0, hex("01")) << quint16(0x0001);
    QTest::newRow("DEVICE_INFO with data") << get(ParUid, 0x0060, hex("00")) << quint16(0x0001);
    QTest::newRow("manufacturer value too long") << set(ParUid, 0x8001, hex("0101")) << quint16(0x0001);
    QTest::newRow("start address 0") << set(ParUid, 0x00F0, hex("0000")) << quint16(0x0006);
    QTest::newRow("start address 513") << set(ParUid, 0x00F0, hex("0201")) << quint16(0x0006);
    QTest::newRow("personality 0") << set(ParUid, 0x00E0, hex("00")) << quint16(0x0006);
    QTest::newRow("personality 4 of 3") << set(ParUid, 0x00E0, hex("04")) << quint16(0x0006);
    QTest::newRow("description of personality 4") << get(ParUid, 0x00E1, hex("04")) << quint16(0x0006);
    QTest::newRow("sensor 1 of 1") << get(ParUid, 0x0200, hex("01")) << quint16(0x0006);
    QTest::newRow("slot without description") << get(ParUid, 0x0121, hex("0005")) << quint16(0x0006);
    QTest::newRow("manufacturer value above maximum") << set(ParUid, 0x8001, hex("03")) << quint16(0x0006);
    QTest::newRow("description of a standard PID") << get(ParUid, 0x0051, hex("0060")) << quint16(0x0006);
    QTest::newRow("language not offered") << set(ParUid, 0x00B0, "fr") << quint16(0x0006);
    QTest::newRow("30 February") << set(ParUid, 0x0603, hex("07ea021e0c0000")) << quint16(0x0006);
    QTest::newRow("year 2002") << set(ParUid, 0x0603, hex("07d2010100000000").left(7)) << quint16(0x0006);
    QTest::newRow("identify 2") << set(ParUid, 0x1000, hex("02")) << quint16(0x0006);
    QTest::newRow("status type 5") << get(ParUid, 0x0030, hex("05")) << quint16(0x0006);
    QTest::newRow("unknown status ID") << get(ParUid, 0x0031, hex("7000")) << quint16(0x0006);
    QTest::newRow("sub-device 3 of a device without any") << get(ParUid, 0x0060, {}, 3) << quint16(0x0009);
    QTest::newRow("GET to all sub-devices") << get(ParUid, 0x0060, {}, 0xFFFF) << quint16(0x0009);
}

void SimulatedResponderTest::nackReasons()
{
    QFETCH(QByteArray, request);
    QFETCH(quint16, reason);
    SimulatedResponder responder(Fixture::par());
    const Answer answer = ask(responder, request);
    QCOMPARE(answer.responseType, quint8(0x02));
    QCOMPARE(answer.data.toHex(), QByteArray::number(reason, 16).rightJustified(4, '0'));
    QCOMPARE(answer.commandClass, quint8(quint8(request.at(20)) + 1));
}

void SimulatedResponderTest::writeProtectedRefusesSets()
{
    ResponderBehaviour behaviour;
    behaviour.writeProtected = true;
    SimulatedResponder responder(Fixture::par(), behaviour);
    QCOMPARE(ask(responder, TestRequest::set(ParUid, 0x0082, "New")).data.toHex(), QByteArray("0004"));
    QCOMPARE(ask(responder, TestRequest::set(ParUid, 0x8001, hex("02"))).data.toHex(), QByteArray("0004"));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0082)).data, QByteArray());
    QCOMPARE(responder.state().root.settings.manufacturerValues.value(0x8001).toHex(), QByteArray("01"));
}

void SimulatedResponderTest::damagedOrForeignPacketsGetNoAnswer_data()
{
    QTest::addColumn<QByteArray>("request");
    QByteArray badChecksum = TestRequest::get(ParUid, 0x0060);
    badChecksum[25] = char(badChecksum.at(25) + 1);
    QByteArray wrongLength = TestRequest::get(ParUid, 0x0060);
    wrongLength[2] = 0x19;
    QByteArray wrongStartCode = TestRequest::get(ParUid, 0x0060);
    wrongStartCode[0] = char(0xCD);
    QTest::newRow("checksum off by one") << badChecksum;
    QTest::newRow("message length one too long") << wrongLength;
    QTest::newRow("start code 0xCD") << wrongStartCode;
    QTest::newRow("cut after the destination") << TestRequest::get(ParUid, 0x0060).left(12);
    QTest::newRow("another device") << TestRequest::get(ParUid + 1, 0x0060);
    QTest::newRow("another manufacturer's broadcast") << TestRequest::set(0x7FF2FFFFFFFFULL, 0x1000, hex("01"));
}

void SimulatedResponderTest::damagedOrForeignPacketsGetNoAnswer()
{
    QFETCH(QByteArray, request);
    SimulatedResponder responder(Fixture::par());
    QCOMPARE(responder.handle(request).toHex(), QByteArray());
    QCOMPARE(responder.state().root.identify, false);
}

void SimulatedResponderTest::commsStatusCountsDamagedPackets()
{
    SimulatedResponder responder(Fixture::par());
    QByteArray badChecksum = TestRequest::get(ParUid, 0x0060);
    badChecksum[25] = char(badChecksum.at(25) ^ 0x01);
    QByteArray wrongLength = TestRequest::get(ParUid, 0x0060);
    wrongLength[2] = 0x17;
    responder.handle(badChecksum);
    responder.handle(badChecksum);
    responder.handle(wrongLength);
    responder.handle(TestRequest::get(ParUid, 0x0060).left(15));
    responder.handle(TestRequest::get(ParUid + 1, 0x0060).left(15));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0015)).data.toHex(), QByteArray("0001" "0001" "0002"));
    QCOMPARE(ask(responder, TestRequest::set(ParUid, 0x0015)).responseType, quint8(0x00));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0015)).data.toHex(), QByteArray("000000000000"));
}

void SimulatedResponderTest::labelKeptAcrossSetAndGet()
{
    SimulatedResponder responder(Fixture::par());
    const QByteArray label(32, 'L');
    const Answer set = ask(responder, TestRequest::set(ParUid, 0x0082, label));
    QCOMPARE(set.responseType, quint8(0x00));
    QCOMPARE(set.commandClass, quint8(0x31));
    QCOMPARE(set.data, QByteArray());
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0082)).data, label);
    ask(responder, TestRequest::set(ParUid, 0x0082, QByteArray()));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0082)).data, QByteArray());
}

void SimulatedResponderTest::personalityChangesFootprintAndSlots()
{
    SimulatedResponder responder(Fixture::par());
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0120)).data.toHex(),
             QByteArray("0000" "00" "0205" "0001" "00" "0206" "0002" "00" "0207"));
    QCOMPARE(ask(responder, TestRequest::set(ParUid, 0x00E0, hex("02"))).responseType, quint8(0x00));
    QCOMPARE(ask(responder, TestRequest::set(ParUid, 0x00F0, hex("01fa"))).responseType, quint8(0x00));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x00E0)).data.toHex(), QByteArray("0203"));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x00F0)).data.toHex(), QByteArray("01fa"));
    // Footprint 7 from 506 runs past 512; the device takes it, as E1.20 lets it.
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0060)).data.mid(10, 6).toHex(), QByteArray("0007" "02" "03" "01fa"));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0122)).data.toHex(), QByteArray("0000ff"));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0121, hex("0000"))).data.toHex(), QByteArray("0000") + QByteArray("Dimmer").toHex());
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x00E1, hex("03"))).data.toHex(),
             QByteArray("03" "0001") + QByteArray("Dimmer").toHex());
}

void SimulatedResponderTest::factoryDefaultsRestoreSettings()
{
    SimulatedResponder responder(Fixture::par());
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0090)).data.toHex(), QByteArray("01"));
    ask(responder, TestRequest::set(ParUid, 0x0082, "Moved"));
    ask(responder, TestRequest::set(ParUid, 0x00F0, hex("0064")));
    ask(responder, TestRequest::set(ParUid, 0x00B0, "de"));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0090)).data.toHex(), QByteArray("00"));
    QCOMPARE(ask(responder, TestRequest::set(ParUid, 0x0090)).responseType, quint8(0x00));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0090)).data.toHex(), QByteArray("01"));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x00F0)).data.toHex(), QByteArray("000a"));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x00B0)).data, QByteArray("en"));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0082)).data, QByteArray());
}

void SimulatedResponderTest::manufacturerParameterStoredAndDescribed()
{
    SimulatedResponder responder(Fixture::par());
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0051, hex("8001"))).data.toHex(),
             QByteArray("8001" "01" "03" "03" "00" "00" "00" "00000000" "00000002" "00000000")
                 + QByteArray("Fan mode").toHex());
    QCOMPARE(ask(responder, TestRequest::set(ParUid, 0x8001, hex("02"))).responseType, quint8(0x00));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x8001)).data.toHex(), QByteArray("02"));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x8002)).data.toHex(), QByteArray("0c"));
}

void SimulatedResponderTest::sensorResetAndRecord()
{
    SimulatedResponder responder(Fixture::par());
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0200, hex("00"))).data.toHex(),
             QByteArray("00" "00" "01" "00" "ffec" "0078" "0000" "0055" "03") + QByteArray("LED").toHex());
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0201, hex("00"))).data.toHex(),
             QByteArray("00" "0029" "0013" "003f" "0028"));
    responder.state().root.sensors[0].present = -7;
    QCOMPARE(ask(responder, TestRequest::set(ParUid, 0x0202, hex("00"))).responseType, quint8(0x00));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0201, hex("00"))).data.toHex(),
             QByteArray("00" "fff9" "0013" "003f" "fff9"));
    QCOMPARE(ask(responder, TestRequest::set(ParUid, 0x0201, hex("00"))).data.toHex(),
             QByteArray("00" "fff9" "fff9" "fff9" "fff9"));
    QCOMPARE(ask(responder, TestRequest::set(ParUid, 0x0201, hex("ff"))).data.toHex(),
             QByteArray("ff" "0000" "0000" "0000" "0000"));
}

void SimulatedResponderTest::realTimeClockRunsFromTheSetTime()
{
    SimulatedResponder responder(Fixture::par());
    QDateTime now(QDate(2026, 5, 1), QTime(8, 0, 0));
    responder.setClock([&now] { return now; });
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0603)).data.toHex(), QByteArray("07ea" "05" "01" "08" "00" "00"));
    QCOMPARE(ask(responder, TestRequest::set(ParUid, 0x0603, hex("07eb" "0c" "1f" "17" "3b" "3a"))).responseType,
             quint8(0x00));
    now = now.addSecs(3);
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0603)).data.toHex(), QByteArray("07ec" "01" "01" "00" "00" "01"));
}

void SimulatedResponderTest::broadcastsAreCarriedOutButNotAnswered_data()
{
    QTest::addColumn<quint64>("destination");
    QTest::newRow("all devices") << quint64(0xFFFFFFFFFFFFULL);
    QTest::newRow("all devices of the manufacturer") << quint64(0x7FF1FFFFFFFFULL);
}

void SimulatedResponderTest::broadcastsAreCarriedOutButNotAnswered()
{
    QFETCH(quint64, destination);
    SimulatedResponder responder(Fixture::par());
    QCOMPARE(responder.handle(TestRequest::set(destination, 0x1000, hex("01"))).toHex(), QByteArray());
    QCOMPARE(responder.state().root.identify, true);
    QCOMPARE(responder.handle(TestRequest::get(destination, 0x1000)).toHex(), QByteArray());
}

void SimulatedResponderTest::subDevicesAnswerForThemselves()
{
    SimulatedResponder responder(Fixture::rack());
    QCOMPARE(ask(responder, TestRequest::get(RackUid, 0x0060)).data.mid(10).toHex(),
             QByteArray("0004" "01" "01" "0064" "0003" "00"));
    QCOMPARE(ask(responder, TestRequest::get(RackUid, 0x00F0, {}, 2)).data.toHex(), QByteArray("0065"));
    QCOMPARE(ask(responder, TestRequest::get(RackUid, 0x0060, {}, 3)).data.toHex(), QByteArray("0009"));
    QCOMPARE(responder.handle(TestRequest::get(RackUid, 0x0060, {}, 4)).toHex(), QByteArray());
    QCOMPARE(ask(responder, TestRequest::set(RackUid, 0x00F0, hex("0140"), 1)).responseType, quint8(0x00));
    QCOMPARE(ask(responder, TestRequest::get(RackUid, 0x00F0, {}, 1)).data.toHex(), QByteArray("0140"));
    QCOMPARE(ask(responder, TestRequest::get(RackUid, 0x00F0)).data.toHex(), QByteArray("0064"));
}

void SimulatedResponderTest::setToAllSubDevices()
{
    SimulatedResponder responder(Fixture::rack());
    const Answer answer = ask(responder, TestRequest::set(RackUid, 0x1000, hex("01"), 0xFFFF));
    QCOMPARE(answer.responseType, quint8(0x00));
    QCOMPARE(answer.subDevice, quint16(0xFFFF));
    for (const ResponderDevice &device : responder.state().subDevices)
        QCOMPARE(device.identify, true);
    QCOMPARE(responder.state().root.identify, false);
}

void SimulatedResponderTest::ackTimerQueuesTheRealAnswer()
{
    ResponderBehaviour behaviour;
    behaviour.ackTimerPids.insert(0x0201, 25);
    SimulatedResponder responder(Fixture::par(), behaviour);
    const Answer timer = ask(responder, TestRequest::get(ParUid, 0x0201, hex("00")));
    QCOMPARE(timer.responseType, quint8(0x01));
    QCOMPARE(timer.data.toHex(), QByteArray("0019"));
    QCOMPARE(timer.messageCount, quint8(1));
    const Answer queued = ask(responder, TestRequest::get(ParUid, 0x0020, hex("02")));
    QCOMPARE(queued.pid, quint16(0x0201));
    QCOMPARE(queued.responseType, quint8(0x00));
    QCOMPARE(queued.messageCount, quint8(0));
    QCOMPARE(queued.data.toHex(), QByteArray("00" "0029" "0013" "003f" "0028"));
    const Answer again = ask(responder, TestRequest::get(ParUid, 0x0020, hex("01")));
    QCOMPARE(again.pid, quint16(0x0201));
    QCOMPARE(again.data, queued.data);
    // Nothing queued any more: the answer is the STATUS_MESSAGES one.
    const Answer empty = ask(responder, TestRequest::get(ParUid, 0x0020, hex("04")));
    QCOMPARE(empty.pid, quint16(0x0030));
    QCOMPARE(empty.data, QByteArray());
}

void SimulatedResponderTest::fullQueueAnswersBufferFull()
{
    ResponderBehaviour behaviour;
    behaviour.ackTimerPids.insert(0x0060, 10);
    SimulatedResponder responder(Fixture::par(), behaviour);
    for (int i = 0; i < 255; ++i)
        ask(responder, TestRequest::get(ParUid, 0x0060));
    const Answer full = ask(responder, TestRequest::get(ParUid, 0x0060));
    QCOMPARE(full.responseType, quint8(0x02));
    QCOMPARE(full.data.toHex(), QByteArray("0007"));
    QCOMPARE(full.messageCount, quint8(255));
}

void SimulatedResponderTest::statusMessagesAreReportedOnce()
{
    SimulatedResponder responder(Fixture::par());
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0030, hex("03"))).data.toHex(),
             QByteArray("0000" "03" "0052" "0001" "0000"));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0030, hex("03"))).data.toHex(), QByteArray());
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0030, hex("01"))).data.toHex(),
             QByteArray("0000" "03" "0052" "0001" "0000"));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0031, hex("0052"))).data, QByteArray("%L low fluid"));
    QCOMPARE(ask(responder, TestRequest::set(ParUid, 0x0032)).responseType, quint8(0x00));
    QCOMPARE(ask(responder, TestRequest::get(ParUid, 0x0030, hex("02"))).data.toHex(), QByteArray());
}

void SimulatedResponderTest::longAnswerOverflowsInParts()
{
    SimulatedResponder responder(Fixture::withManufacturerPids(Fixture::par(), 120));
    const QByteArray request = TestRequest::get(ParUid, 0x0050);
    const Answer first = ask(responder, request);
    QCOMPARE(first.responseType, quint8(0x03));
    QCOMPARE(first.data.size(), 231);
    const Answer second = ask(responder, request);
    QCOMPARE(second.responseType, quint8(0x00));
    const QByteArray whole = first.data + second.data;
    QCOMPARE(whole.size() % 2, 0);
    QCOMPARE(whole.right(4).toHex(), QByteArray("90769077"));
    // Another request in between starts the answer afresh.
    ask(responder, request);
    ask(responder, TestRequest::get(ParUid, 0x0060));
    QCOMPARE(ask(responder, request).responseType, quint8(0x03));
}

void SimulatedResponderTest::supportedParametersFollowTheData()
{
    SimulatedResponder par(Fixture::par());
    QCOMPARE(ask(par, TestRequest::get(ParUid, 0x0050)).data.toHex(),
             QByteArray("0015" "0020" "0030" "0031" "0032" "0050" "0051" "0060" "0080" "0081" "0082" "0090" "00a0"
                        "00b0" "00c0" "00e0" "00e1" "00f0" "0120" "0121" "0122" "0200" "0201" "0202" "0603" "1000"
                        "1001" "8001" "8002"));
    SimulatedResponder rack(Fixture::rack());
    QCOMPARE(ask(rack, TestRequest::get(RackUid, 0x0050, {}, 1)).data.toHex(),
             QByteArray("0050" "0060" "0082" "0090" "00c0" "00e0" "00e1" "00f0" "1000"));
}

void SimulatedResponderTest::discoveryBranchAnswerIsEncoded()
{
    SimulatedResponder responder(Fixture::par(0x123456789ABCULL));
    const QByteArray whole = TestRequest::packet(0xFFFFFFFFFFFFULL, TestRequest::Discovery, 0x0001,
                                                 hex("000000000000" "ffffffffffff"));
    // Each UID byte twice, OR 0xAA then OR 0x55; the sum of those twelve bytes is 0x0864.
    QCOMPARE(responder.handle(whole).toHex(), QByteArray("fefefefefefefe" "aa"
                                                         "ba57" "be75" "fe57" "fa7d" "badf" "befd"
                                                         "aa5d" "ee75"));
    const QByteArray below = TestRequest::packet(0xFFFFFFFFFFFFULL, TestRequest::Discovery, 0x0001,
                                                 hex("000000000000" "123456789abb"));
    QCOMPARE(responder.handle(below).toHex(), QByteArray());
    const QByteArray exact = TestRequest::packet(0xFFFFFFFFFFFFULL, TestRequest::Discovery, 0x0001,
                                                 hex("123456789abc" "123456789abc"));
    QVERIFY(!responder.handle(exact).isEmpty());
}

void SimulatedResponderTest::muteSilencesDiscoveryUntilUnMute()
{
    SimulatedResponder responder(Fixture::par());
    const QByteArray branch = TestRequest::packet(0xFFFFFFFFFFFFULL, TestRequest::Discovery, 0x0001,
                                                  hex("000000000000" "ffffffffffff"));
    const Answer mute = ask(responder, TestRequest::packet(ParUid, TestRequest::Discovery, 0x0002));
    QCOMPARE(mute.commandClass, quint8(0x11));
    QCOMPARE(mute.data.toHex(), QByteArray("0000"));
    QVERIFY(responder.isMuted());
    QCOMPARE(responder.handle(branch).toHex(), QByteArray());
    QCOMPARE(responder.handle(TestRequest::packet(0xFFFFFFFFFFFFULL, TestRequest::Discovery, 0x0003)).toHex(),
             QByteArray());
    QVERIFY(!responder.isMuted());
    QVERIFY(!responder.handle(branch).isEmpty());
}

void SimulatedResponderTest::muteControlFieldAnnouncesSubDevices()
{
    SimulatedResponder responder(Fixture::rack());
    QCOMPARE(ask(responder, TestRequest::packet(RackUid, TestRequest::Discovery, 0x0002)).data.toHex(),
             QByteArray("0002"));
    ResponderBehaviour behaviour;
    behaviour.refusesMute = true;
    responder.setBehaviour(behaviour);
    QCOMPARE(responder.handle(TestRequest::packet(RackUid, TestRequest::Discovery, 0x0003)).toHex(), QByteArray());
}

QTEST_GUILESS_MAIN(SimulatedResponderTest)
#include "tst_simulatedresponder.moc"
