// Responders from scenario files: every part of the format, mistakes named by path, and the demo rig.
#include "requestbuilder.h"
#include "responderfixtures.h"

#include "simulator/responderscenario.h"
#include "simulator/scenario.h"
#include "simulator/simulatedline.h"
#include "simulator/simulatedresponder.h"

#include <QJsonDocument>
#include <QtTest>

using Fixture::Answer;

namespace {

constexpr quint64 DemoPar = 0x7FF100010001ULL;
constexpr quint64 DemoSpot = 0x7FF100020001ULL;
constexpr quint64 DemoStrobe = 0x7FF100040001ULL;
constexpr quint64 DemoBarDownstage = 0x7FF100050001ULL;
constexpr quint64 DemoBarUpstage = 0x7FF100050002ULL;
constexpr quint64 DemoRack = 0x7FF200000A01ULL;
constexpr quint64 DemoPowerWatch = 0x7FF200000B01ULL;
constexpr quint64 DemoHazer = 0x7FF300000301ULL;

QJsonArray parse(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).array();
}

std::optional<ResponseRecord> ask(SimulatedLine &line, const QByteArray &packet)
{
    return line.exchange(packet);
}

QByteArray ackData(SimulatedLine &line, const QByteArray &packet)
{
    const std::optional<ResponseRecord> record = line.exchange(packet);
    return record && record->status == 1 ? record->data : QByteArray("not an ACK");
}

// Start address and footprint from a DEVICE_INFO answer.
QPair<int, int> patchOf(SimulatedLine &line, quint64 uid, quint16 subDevice = 0)
{
    const QByteArray info = ackData(line, TestRequest::get(uid, 0x0060, {}, subDevice));
    ByteReader reader(info);
    reader.skip(10);
    const int footprint = reader.u16();
    reader.skip(2);
    return {reader.u16(), footprint};
}

} // namespace

class ResponderScenarioTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPartOfAResponder();
    void manufacturerValuesByDataType();
    void behaviourFromTheFile();
    void joinsAndLeavesFromTheFile();
    void mistakesNameTheirPlace_data();
    void mistakesNameTheirPlace();
    void demoRigHoldsItsResponders();
    void demoPatchShowsEveryColour();
    void demoDevicesShowTheirFeatures();

private:
    std::unique_ptr<SimulatedBackend> m_demo;
};

// The demo tests share one rig: none of them depends on what another left behind.
void ResponderScenarioTest::initTestCase()
{
    QString error;
    m_demo = loadScenario(QStringLiteral("demo"), &error);
    QVERIFY2(m_demo, qPrintable(error));
}

void ResponderScenarioTest::everyPartOfAResponder()
{
    SimulatedLine line;
    QString error;
    const bool loaded = loadResponders(line, parse(R"([{
        "uid": "7FF1:0000002A", "manufacturerLabel": "Maker", "softwareVersionLabel": "3.1",
        "bootSoftwareVersionId": 7, "bootSoftwareVersionLabel": "Boot 7",
        "modelId": "0x0102", "productCategory": "0x0102", "softwareVersionId": 50462976,
        "modelDescription": "Head", "label": "Left",
        "personalities": [{"footprint": 2, "description": "Short",
                           "slots": [{"type": 0, "labelId": "0x0101", "description": "Pan", "default": 128}]},
                          {"footprint": 5, "description": "Long"}],
        "personality": 2, "startAddress": 40,
        "sensors": [{"type": 1, "unit": 4, "prefix": 1, "rangeMinimum": -100, "rangeMaximum": 2500,
                     "normalMinimum": 2000, "normalMaximum": 2400, "recordedValueSupport": 1,
                     "description": "Mains", "value": -12, "recorded": 2300}],
        "deviceHours": 11, "powerCycles": 12, "lampHours": 13, "lampStrikes": 14, "lampState": 1,
        "lampOnMode": 2, "displayInvert": 2, "displayLevel": 9, "panInvert": 1, "tiltInvert": 0,
        "panTiltSwap": 1, "identify": true, "powerState": 2, "presets": 3,
        "selfTests": [{"number": 4, "description": "Fans"}], "languages": ["en", "pl"], "language": "pl",
        "productDetails": ["0x0401", 2],
        "proxiedDevices": ["0001:00000002"],
        "statusMessages": [{"subDevice": 3, "type": "error", "id": "0x0044", "value1": -1, "value2": 2}],
        "statusDescriptions": [{"id": "0x8001", "description": "Pump %d"}],
        "subDevices": [{"number": 3, "silent": false, "statusReportThreshold": 4, "modelDescription": "Module",
                        "personalities": [{"footprint": 1}], "startAddress": 41}]
    }])"), &error);
    QVERIFY2(loaded, qPrintable(error));
    const quint64 uid = 0x7FF10000002AULL;
    QCOMPARE(line.responders().size(), 1);
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0060)).toHex(),
             QByteArray("0100" "0102" "0102" "03020100" "0005" "02" "02" "0028" "0001" "01"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0081)), QByteArray("Maker"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0082)), QByteArray("Left"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x00C1)).toHex(), QByteArray("00000007"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x00C2)), QByteArray("Boot 7"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0200, QByteArray::fromHex("00"))).toHex(),
             QByteArray("00" "01" "04" "01" "ff9c" "09c4" "07d0" "0960" "01") + QByteArray("Mains").toHex());
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0201, QByteArray::fromHex("00"))).toHex(),
             QByteArray("00" "fff4" "0000" "0000" "08fc"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0402)).toHex(), QByteArray("0000000e"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0404)).toHex(), QByteArray("02"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0602)).toHex(), QByteArray("01"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x1000)).toHex(), QByteArray("01"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x1010)).toHex(), QByteArray("02"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x1021, QByteArray::fromHex("04"))), QByteArray("\x04" "Fans"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x00A0)), QByteArray("enpl"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x00B0)), QByteArray("pl"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0070)).toHex(), QByteArray("04010002"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0010)).toHex(), QByteArray("000100000002"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0031, QByteArray::fromHex("8001"))), QByteArray("Pump %d"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0030, QByteArray::fromHex("04"))).toHex(),
             QByteArray("0003" "04" "0044" "ffff" "0002"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x1031)).toHex(), QByteArray("000000"));
    QCOMPARE(ackData(line, TestRequest::set(uid, 0x1031, QByteArray::fromHex("0003ff"))), QByteArray());
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0080, {}, 3)), QByteArray("Module"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0033, {}, 3)).toHex(), QByteArray("04"));
    QCOMPARE(patchOf(line, uid, 3), qMakePair(41, 1));
}

void ResponderScenarioTest::manufacturerValuesByDataType()
{
    SimulatedLine line;
    QString error;
    const bool loaded = loadResponders(line, parse(R"([{"uid": "7FF1:00000001", "manufacturerParameters": [
        {"pid": "0x8001", "pdlSize": 4, "dataType": 6, "commandClass": 3, "minimum": -300, "maximum": 300,
         "value": [-2, 300]},
        {"pid": "0x8002", "pdlSize": 4, "dataType": 7, "commandClass": 1, "default": 70000},
        {"pid": "0x8003", "pdlSize": 8, "dataType": 2, "commandClass": 3, "value": "Name"},
        {"pid": "0x8004", "pdlSize": 3, "dataType": 1, "commandClass": 3, "value": "a55a0f"},
        {"pid": "0x8005", "pdlSize": 1, "dataType": 4, "commandClass": 2, "description": "Offset", "unit": 22,
         "prefix": 1, "type": 17, "minimum": -90, "maximum": 90, "default": -5}
    ]}])"), &error);
    QVERIFY2(loaded, qPrintable(error));
    const quint64 uid = 0x7FF100000001ULL;
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x8001)).toHex(), QByteArray("fffe012c"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x8002)).toHex(), QByteArray("00011170"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x8003)), QByteArray("Name"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x8004)).toHex(), QByteArray("a55a0f"));
    QCOMPARE(ackData(line, TestRequest::get(uid, 0x0051, QByteArray::fromHex("8005"))).toHex(),
             QByteArray("8005" "01" "04" "02" "11" "16" "01" "ffffffa6" "0000005a" "fffffffb")
                 + QByteArray("Offset").toHex());
    QCOMPARE(ask(line, TestRequest::set(uid, 0x8001, QByteArray::fromHex("fed30000")))->data.toHex(),
             QByteArray("060006"));
    QCOMPARE(ask(line, TestRequest::set(uid, 0x8005, QByteArray::fromHex("a6")))->status, quint8(1));
    QCOMPARE(ask(line, TestRequest::set(uid, 0x8003, "Too long!"))->data.toHex(), QByteArray("060001"));
}

void ResponderScenarioTest::behaviourFromTheFile()
{
    SimulatedLine line;
    QString error;
    QVERIFY2(loadResponders(line, parse(R"([{"uid": "7FF1:00000001", "behaviour": {
        "writeProtected": true, "wrongTransactionNumber": false, "ackTimer": [{"pid": "0x0082", "estimate": 30}]}},
        {"uid": "7FF1:00000002", "behaviour": {"silent": true, "refusesMute": true}}])"), &error),
             qPrintable(error));
    QCOMPARE(ask(line, TestRequest::set(0x7FF100000001ULL, 0x1000, QByteArray::fromHex("01")))->data.toHex(),
             QByteArray("060004"));
    QCOMPARE(ask(line, TestRequest::get(0x7FF100000001ULL, 0x0082))->data.toHex(), QByteArray("07001e"));
    QCOMPARE(ask(line, TestRequest::get(0x7FF100000002ULL, 0x0060))->data.toHex(), QByteArray("020000"));
    auto deaf = std::static_pointer_cast<SimulatedResponder>(line.responder(0x7FF100000002ULL));
    QVERIFY(deaf->behaviour().refusesMute);
}

void ResponderScenarioTest::joinsAndLeavesFromTheFile()
{
    SimulatedLine line;
    QString error;
    QVERIFY2(loadResponders(line, parse(R"([{"uid": "7FF1:00000001", "joinsAfterRequests": 1,
                                             "leavesAfterRequests": 2}])"), &error),
             qPrintable(error));
    const QByteArray get = TestRequest::get(0x7FF100000001ULL, 0x0060);
    QCOMPARE(ask(line, get)->status, quint8(2));
    QCOMPARE(ask(line, get)->status, quint8(1));
    QCOMPARE(ask(line, get)->status, quint8(2));
}

void ResponderScenarioTest::mistakesNameTheirPlace_data()
{
    QTest::addColumn<QByteArray>("responders");
    QTest::addColumn<QString>("error");
    QTest::newRow("not an object") << QByteArray("[7]") << "responders[0]: expected an object";
    QTest::newRow("no UID") << QByteArray(R"([{"label": "x"}])") << "responders[0].uid: missing";
    QTest::newRow("UID with a dash")
        << QByteArray(R"([{"uid": "7FF1-00000001"}])")
        << "responders[0].uid: expected \"MMMM:DDDDDDDD\": manufacturer and device ID in hexadecimal, neither of "
           "them all F";
    QTest::newRow("broadcast UID") << QByteArray(R"([{"uid": "7FF1:FFFFFFFF"}])")
                                   << "responders[0].uid: expected \"MMMM:DDDDDDDD\": manufacturer and device ID in "
                                      "hexadecimal, neither of them all F";
    QTest::newRow("UID twice") << QByteArray(R"([{"uid": "7FF1:00000001"}, {"uid": "7ff1:00000001"}])")
                               << "responders[1].uid: another responder has this UID";
    QTest::newRow("misspelt key") << QByteArray(R"([{"uid": "7FF1:00000001", "lable": "x"}])")
                                  << "responders[0].lable: unknown key";
    QTest::newRow("label of 33 characters")
        << QByteArray(R"([{"uid": "7FF1:00000001", "label": "123456789012345678901234567890123"}])")
        << "responders[0].label: expected a string of at most 32 Latin-1 characters";
    QTest::newRow("personality 3 of 2")
        << QByteArray(R"([{"uid": "7FF1:00000001", "personalities": [{"footprint": 1}, {"footprint": 2}],
                          "personality": 3}])")
        << "responders[0].personality: expected an integer from 1 to 2";
    QTest::newRow("personality without personalities")
        << QByteArray(R"([{"uid": "7FF1:00000001", "personality": 1}])")
        << "responders[0].personality: no personalities are given";
    QTest::newRow("more slots than footprint")
        << QByteArray(R"([{"uid": "7FF1:00000001", "personalities": [{"footprint": 1, "slots": [{}, {}]}]}])")
        << "responders[0].personalities[0].slots: expected at most 1 slots, the footprint";
    QTest::newRow("start address 513") << QByteArray(R"([{"uid": "7FF1:00000001", "startAddress": 513}])")
                                       << "responders[0].startAddress: expected an integer from 1 to 512";
    QTest::newRow("sensor value beyond 16 bits")
        << QByteArray(R"([{"uid": "7FF1:00000001", "sensors": [{"type": 0}, {"value": 40000}]}])")
        << "responders[0].sensors[1].value: expected an integer from -32768 to 32767";
    QTest::newRow("standard PID described")
        << QByteArray(R"([{"uid": "7FF1:00000001", "manufacturerParameters": [{"pid": "0x0060"}]}])")
        << "responders[0].manufacturerParameters[0].pid: expected an integer from 32768 to 65503";
    QTest::newRow("manufacturer PID twice")
        << QByteArray(R"([{"uid": "7FF1:00000001", "manufacturerParameters": [
                          {"pid": "0x8001", "commandClass": 1}, {"pid": "0x8001", "commandClass": 1}]}])")
        << "responders[0].manufacturerParameters[1].pid: described twice";
    QTest::newRow("value count off the PDL")
        << QByteArray(R"([{"uid": "7FF1:00000001", "manufacturerParameters": [
                          {"pid": "0x8001", "pdlSize": 2, "dataType": 3, "commandClass": 3, "value": [1]}]}])")
        << "responders[0].manufacturerParameters[0].value: expected 2 values, as pdlSize gives";
    QTest::newRow("value beyond its type")
        << QByteArray(R"([{"uid": "7FF1:00000001", "manufacturerParameters": [
                          {"pid": "0x8001", "pdlSize": 2, "dataType": 3, "commandClass": 3, "value": [1, 256]}]}])")
        << "responders[0].manufacturerParameters[0].value[1]: expected an integer from 0 to 255";
    QTest::newRow("odd hexadecimal value")
        << QByteArray(R"([{"uid": "7FF1:00000001", "manufacturerParameters": [
                          {"pid": "0x8001", "pdlSize": 2, "dataType": 1, "commandClass": 3, "value": "abc"}]}])")
        << "responders[0].manufacturerParameters[0].value: expected pairs of hexadecimal digits";
    QTest::newRow("sub-device 0")
        << QByteArray(R"([{"uid": "7FF1:00000001", "subDevices": [{"number": 0}]}])")
        << "responders[0].subDevices[0].number: expected an integer from 1 to 512";
    QTest::newRow("sub-device twice")
        << QByteArray(R"([{"uid": "7FF1:00000001", "subDevices": [{"number": 2}, {"number": 2}]}])")
        << "responders[0].subDevices[1].number: sub-device given twice";
    QTest::newRow("report threshold 1")
        << QByteArray(R"([{"uid": "7FF1:00000001", "subDevices": [{"number": 2, "statusReportThreshold": 1}]}])")
        << "responders[0].subDevices[0].statusReportThreshold: expected 0, 2, 3 or 4";
    QTest::newRow("status type by number")
        << QByteArray(R"([{"uid": "7FF1:00000001", "statusMessages": [{"type": "3"}]}])")
        << "responders[0].statusMessages[0].type: expected \"advisory\", \"warning\" or \"error\"";
    QTest::newRow("status of a missing sub-device")
        << QByteArray(R"([{"uid": "7FF1:00000001", "statusMessages": [{"type": "error", "subDevice": 4}]}])")
        << "responders[0].statusMessages[0].subDevice: no such sub-device";
    QTest::newRow("language not offered")
        << QByteArray(R"([{"uid": "7FF1:00000001", "languages": ["en"], "language": "de"}])")
        << "responders[0].language: expected one of the codes in \"languages\"";
    QTest::newRow("clock without a date")
        << QByteArray(R"([{"uid": "7FF1:00000001", "realTimeClock": "19:30"}])")
        << "responders[0].realTimeClock: expected a date and time such as \"2026-03-14T19:30:00\"";
    QTest::newRow("unknown knob")
        << QByteArray(R"([{"uid": "7FF1:00000001", "behaviour": {"loud": true}}])")
        << "responders[0].behaviour.loud: unknown key";
    QTest::newRow("knob not a boolean")
        << QByteArray(R"([{"uid": "7FF1:00000001", "behaviour": {"silent": 1}}])")
        << "responders[0].behaviour.silent: expected true or false";
    QTest::newRow("leaves before it joins")
        << QByteArray(R"([{"uid": "7FF1:00000001", "joinsAfterRequests": 5, "leavesAfterRequests": 5}])")
        << "responders[0].leavesAfterRequests: expected a count above \"joinsAfterRequests\"";
}

void ResponderScenarioTest::mistakesNameTheirPlace()
{
    QFETCH(QByteArray, responders);
    QFETCH(QString, error);
    const QJsonDocument document = QJsonDocument::fromJson(responders);
    QVERIFY(document.isArray());
    SimulatedLine line;
    QString reported;
    QVERIFY(!loadResponders(line, document.array(), &reported));
    QCOMPARE(reported, error);
    QCOMPARE(line.responders().size(), 0);
}

void ResponderScenarioTest::demoRigHoldsItsResponders()
{
    SimulatedLine &line = m_demo->interfaceAt(0).line();
    QList<quint64> uids;
    for (const auto &responder : line.responders())
        uids.append(responder->uid());
    QCOMPARE(uids, (QList<quint64>{DemoPar, DemoSpot, DemoRack, DemoHazer, DemoPowerWatch, DemoStrobe,
                                   DemoBarDownstage, DemoBarUpstage}));
    QSet<quint64> manufacturers;
    for (quint64 uid : uids) {
        manufacturers.insert(uid >> 32);
        QCOMPARE(ask(line, TestRequest::get(uid, 0x0060))->status, quint8(1));
    }
    QCOMPARE(manufacturers.size(), 3);
    QCOMPARE(line.discover(DiscoveryKind::Full).size(), 8);
}

void ResponderScenarioTest::demoPatchShowsEveryColour()
{
    SimulatedLine &line = m_demo->interfaceAt(0).line();
    // Green: devices alone on their channels.
    QCOMPARE(patchOf(line, DemoPar), qMakePair(1, 8));
    QCOMPARE(patchOf(line, DemoSpot), qMakePair(9, 16));
    QCOMPARE(patchOf(line, DemoHazer), qMakePair(300, 2));
    QCOMPARE(patchOf(line, DemoStrobe), qMakePair(310, 4));
    QCOMPARE(patchOf(line, DemoPowerWatch).second, 0);
    // Red: two bars of one maker share channels 112 to 123.
    QCOMPARE(patchOf(line, DemoBarDownstage), qMakePair(100, 24));
    QCOMPARE(patchOf(line, DemoBarUpstage), qMakePair(112, 24));
    // Blue: each dimmer module sits on a channel of its own rack.
    QCOMPARE(patchOf(line, DemoRack), qMakePair(200, 12));
    for (quint16 module = 1; module <= 12; ++module) {
        if (module == 7)
            continue;
        QCOMPARE(patchOf(line, DemoRack, module), qMakePair(199 + module, 1));
    }
}

void ResponderScenarioTest::demoDevicesShowTheirFeatures()
{
    SimulatedLine &line = m_demo->interfaceAt(0).line();
    const auto get = [&](quint64 uid, quint16 pid, const char *data = "", quint16 subDevice = 0) {
        return ask(line, TestRequest::get(uid, pid, QByteArray::fromHex(data), subDevice))->data.toHex();
    };
    // Rack: 12 modules announced, module 7 silent, nothing beyond 12.
    QCOMPARE(get(DemoRack, 0x0060).mid(32, 4), QByteArray("000c"));
    QCOMPARE(get(DemoRack, 0x0060, "", 7), QByteArray("020000"));
    QCOMPARE(get(DemoRack, 0x0060, "", 13), QByteArray("060009"));
    // Hazer: sensor and fluid level wait with ACK_TIMER; a warning is waiting.
    QCOMPARE(get(DemoHazer, 0x0201, "00"), QByteArray("070019"));
    QCOMPARE(get(DemoHazer, 0x8101), QByteArray("07000a"));
    QCOMPARE(get(DemoHazer, 0x0030, "03"), QByteArray("0000" "03" "0052" "0001" "0000"));
    // Strobe: locked.
    QCOMPARE(ask(line, TestRequest::set(DemoStrobe, 0x0082, "x"))->data.toHex(), QByteArray("060004"));
    // Power monitor: prefixes and negative values.
    QCOMPARE(get(DemoPowerWatch, 0x0200, "02").left(24), QByteArray("02" "00" "01" "01" "fe70" "0352" "ff9c" "0190"));
    QCOMPARE(get(DemoPowerWatch, 0x0201, "02").left(6), QByteArray("02" "ffb5"));
    QCOMPARE(get(DemoPowerWatch, 0x0200, "01").left(8), QByteArray("01" "02" "07" "02"));
    // Par: three personalities, a temperature sensor, two manufacturer PIDs.
    QCOMPARE(get(DemoPar, 0x00E0), QByteArray("0203"));
    QCOMPARE(get(DemoPar, 0x0200, "00").left(6), QByteArray("00" "00" "01"));
    QCOMPARE(get(DemoPar, 0x0050).right(8), QByteArray("80018002"));
    // Spot: lamp, tilt inverted, clock, sixteen slots.
    QCOMPARE(get(DemoSpot, 0x0401), QByteArray("0000032c"));
    QCOMPARE(get(DemoSpot, 0x0601), QByteArray("01"));
    QCOMPARE(get(DemoSpot, 0x0603).size(), 14);
    QCOMPARE(get(DemoSpot, 0x0120).size(), 16 * 5 * 2);
}

QTEST_GUILESS_MAIN(ResponderScenarioTest)
#include "tst_responderscenario.moc"
