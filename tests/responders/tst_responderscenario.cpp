// Responders from scenario files: every part of the format, mistakes named by path, and the demo rig
// and misbehaving responders seen only through the USB seam.
#include "../simulator/common/backendprobe.h"
#include "requestbuilder.h"

#include "simulator/responderscenario.h"
#include "simulator/scenario.h"
#include "simulator/simulatedline.h"
#include "simulator/simulatedresponder.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using namespace TestRequest;

namespace {

constexpr quint64 Uid = 0x7FF100000001ULL;

QByteArray hex(const char *digits)
{
    return QByteArray::fromHex(digits);
}

// A line holding the responders of the JSON array; empty when they are refused.
std::unique_ptr<SimulatedLine> lineOf(const QByteArray &responders, QString *error = nullptr)
{
    auto line = std::make_unique<SimulatedLine>();
    QString reason;
    if (!loadResponders(*line, QJsonDocument::fromJson(responders).array(), &reason)) {
        if (error)
            *error = reason;
        return nullptr;
    }
    return line;
}

// The record's parameter data for an ACK, else its status and data in hexadecimal.
QByteArray ack(SimulatedLine &line, const QByteArray &packet)
{
    const std::optional<ResponseRecord> record = line.exchange(packet);
    if (!record)
        return "no record";
    return record->status == 1 ? record->data : QByteArray::number(record->status) + ' ' + record->data.toHex();
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
    void everyPartOfAResponder();
    void manufacturerValuesByDataType();
    void behaviourFromTheFile();
    void mistakesNameTheirPlace_data();
    void mistakesNameTheirPlace();
    void demoDeviceInfoThroughTheSeam_data();
    void demoDeviceInfoThroughTheSeam();
    void demoFullDiscoveryThroughTheSeam();
    void misbehaviourBecomesItsResultCode_data();
    void misbehaviourBecomesItsResultCode();

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

// Keys whose values the demo rig does not already carry to the program's requests.
void ResponderScenarioTest::everyPartOfAResponder()
{
    QString error;
    const std::unique_ptr<SimulatedLine> line = lineOf(R"([{
        "uid": "7FF1:00000001", "bootSoftwareVersionId": 7, "bootSoftwareVersionLabel": "Boot 7",
        "modelId": "0x0102", "productCategory": "0x0102", "softwareVersionId": 50462976,
        "personalities": [{"footprint": 2}, {"footprint": 5}], "personality": 2, "startAddress": 40,
        "sensors": [{"type": 1, "unit": 4, "prefix": 1, "rangeMinimum": -100, "rangeMaximum": 2500,
                     "normalMinimum": 2000, "normalMaximum": 2400, "recordedValueSupport": 1,
                     "description": "Mains", "value": -12, "recorded": 2300}],
        "presets": 3, "selfTests": [{"number": 4, "description": "Fans"}], "languages": ["en", "pl"],
        "language": "pl", "productDetails": ["0x0401", 2], "proxiedDevices": ["0001:00000002"],
        "statusMessages": [{"subDevice": 3, "type": "error", "id": "0x0044", "value1": -1, "value2": 2}],
        "statusDescriptions": [{"id": "0x8001", "description": "Pump %d"}],
        "subDevices": [{"number": 3, "silent": false, "statusReportThreshold": 4, "modelDescription": "Module",
                        "personalities": [{"footprint": 1}], "startAddress": 41}]
    }])", &error);
    QVERIFY2(line, qPrintable(error));
    const auto get = [&line](quint16 pid, const char *data = "", quint16 subDevice = 0) {
        return ack(*line, TestRequest::get(Uid, pid, hex(data), subDevice));
    };
    QCOMPARE(get(0x0060).toHex(), QByteArray("0100" "0102" "0102" "03020100" "0005" "02" "02" "0028" "0001" "01"));
    QCOMPARE(get(0x00C1).toHex(), QByteArray("00000007"));
    QCOMPARE(get(0x00C2), QByteArray("Boot 7"));
    QCOMPARE(get(0x0200, "00").toHex(),
             "00" "01" "04" "01" "ff9c" "09c4" "07d0" "0960" "01" + QByteArray("Mains").toHex());
    QCOMPARE(get(0x0201, "00").toHex(), QByteArray("00" "fff4" "0000" "0000" "08fc"));
    QCOMPARE(get(0x1021, "04"), QByteArray("\x04" "Fans"));
    QCOMPARE(get(0x00B0), QByteArray("pl"));
    QCOMPARE(get(0x0070).toHex(), QByteArray("04010002"));
    QCOMPARE(get(0x0010).toHex(), QByteArray("000100000002"));
    QCOMPARE(get(0x0031, "8001"), QByteArray("Pump %d"));
    QCOMPARE(get(0x0030, "04").toHex(), QByteArray("0003" "04" "0044" "ffff" "0002"));
    QCOMPARE(get(0x1031).toHex(), QByteArray("000000"));
    QCOMPARE(ack(*line, set(Uid, 0x1031, hex("0003ff"))), QByteArray());
    QCOMPARE(get(0x0080, "", 3), QByteArray("Module"));
    QCOMPARE(get(0x0033, "", 3).toHex(), QByteArray("04"));
    QCOMPARE(get(0x0060, "", 3).mid(10).toHex(), QByteArray("0001" "01" "01" "0029" "0000" "00"));
}

void ResponderScenarioTest::manufacturerValuesByDataType()
{
    QString error;
    const std::unique_ptr<SimulatedLine> line = lineOf(R"([{"uid": "7FF1:00000001", "manufacturerParameters": [
        {"pid": "0x8001", "pdlSize": 4, "dataType": 6, "commandClass": 3, "minimum": -300, "maximum": 300,
         "value": [-2, 300]},
        {"pid": "0x8002", "pdlSize": 4, "dataType": 7, "commandClass": 1, "default": 70000},
        {"pid": "0x8003", "pdlSize": 8, "dataType": 2, "commandClass": 3, "value": "Name"},
        {"pid": "0x8004", "pdlSize": 3, "dataType": 1, "commandClass": 3, "value": "a55a0f"},
        {"pid": "0x8005", "pdlSize": 1, "dataType": 4, "commandClass": 3, "description": "Offset", "unit": 22,
         "prefix": 1, "type": 17, "minimum": -90, "maximum": 90, "default": -5}
    ]}])", &error);
    QVERIFY2(line, qPrintable(error));
    QCOMPARE(ack(*line, get(Uid, 0x8001)).toHex(), QByteArray("fffe012c"));
    QCOMPARE(ack(*line, get(Uid, 0x8002)).toHex(), QByteArray("00011170"));
    QCOMPARE(ack(*line, get(Uid, 0x8003)), QByteArray("Name"));
    QCOMPARE(ack(*line, get(Uid, 0x8004)).toHex(), QByteArray("a55a0f"));
    QCOMPARE(ack(*line, get(Uid, 0x8005)).toHex(), QByteArray("fb"));
    QCOMPARE(ack(*line, get(Uid, 0x0051, hex("8005"))).toHex(),
             "8005" "01" "04" "03" "11" "16" "01" "ffffffa6" "0000005a" "fffffffb" + QByteArray("Offset").toHex());
    // A SET is checked against range and length, and kept.
    QCOMPARE(ack(*line, set(Uid, 0x8001, hex("fed30000"))), QByteArray("2 060006"));
    QCOMPARE(ack(*line, set(Uid, 0x8003, "Too long!")), QByteArray("2 060001"));
    QCOMPARE(ack(*line, set(Uid, 0x8005, hex("a6"))), QByteArray());
    QCOMPARE(ack(*line, get(Uid, 0x8005)).toHex(), QByteArray("a6"));
}

void ResponderScenarioTest::behaviourFromTheFile()
{
    QString error;
    const std::unique_ptr<SimulatedLine> line = lineOf(R"([
        {"uid": "7FF1:00000001", "behaviour": {"writeProtected": true, "wrongTransactionNumber": false,
                                               "ackTimer": [{"pid": "0x0082", "estimate": 30}]}},
        {"uid": "7FF1:00000002", "behaviour": {"refusesMute": true}},
        {"uid": "7FF1:00000003", "joinsAfterRequests": 1, "leavesAfterRequests": 2}])", &error);
    QVERIFY2(line, qPrintable(error));
    // The first refuses every SET; the third joins after one request packet and leaves after two.
    QVERIFY(!line->responder(Uid + 2));
    QCOMPARE(ack(*line, set(Uid, 0x1000, hex("01"))), QByteArray("2 060004"));
    QCOMPARE(ack(*line, get(Uid + 2, 0x1000)).toHex(), QByteArray("00"));
    QCOMPARE(ack(*line, get(Uid + 2, 0x1000)), QByteArray("2 020000"));
    QVERIFY(!line->responder(Uid + 2));
    QCOMPARE(ack(*line, get(Uid, 0x1000)).toHex(), QByteArray("00"));
    QCOMPARE(ack(*line, get(Uid, 0x0082)), QByteArray("2 07001e"));
    // Never muted, the second is found by every additional discovery.
    QCOMPARE(line->discover(DiscoveryKind::Full).size(), 2);
    QCOMPARE(line->discover(DiscoveryKind::Additional), QList<quint64>{Uid + 1});
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
    row("no UID", R"([{"label": "x"}])", "responders[0].uid: missing");
    row("UID with a dash", R"([{"uid": "7FF1-00000001"}])", badUid);
    row("broadcast UID", R"([{"uid": "7FF1:FFFFFFFF"}])", badUid);
    row("UID twice", R"([{"uid": "7FF1:00000001"}, {"uid": "7ff1:00000001"}])",
        "responders[1].uid: another responder has this UID");
    row("misspelt key", with(R"("lable": "x")"), "responders[0].lable: unknown key");
    row("label of 33 characters", with(R"("label": "123456789012345678901234567890123")"),
        "responders[0].label: expected a string of at most 32 Latin-1 characters");
    row("personality 3 of 2", with(R"("personalities": [{"footprint": 1}, {"footprint": 2}], "personality": 3)"),
        "responders[0].personality: expected an integer from 1 to 2");
    row("personality without personalities", with(R"("personality": 1)"),
        "responders[0].personality: no personalities are given");
    row("more slots than footprint", with(R"("personalities": [{"footprint": 1, "slots": [{}, {}]}])"),
        "responders[0].personalities[0].slots: expected at most 1 slots, the footprint");
    row("start address 513", with(R"("startAddress": 513)"),
        "responders[0].startAddress: expected an integer from 1 to 512");
    row("sensor value beyond 16 bits", with(R"("sensors": [{"type": 0}, {"value": 40000}])"),
        "responders[0].sensors[1].value: expected an integer from -32768 to 32767");
    row("manufacturer PID twice",
        with(R"("manufacturerParameters": [{"pid": "0x8001", "commandClass": 1}, {"pid": "0x8001"}])"),
        "responders[0].manufacturerParameters[1].pid: described twice");
    row("value count off the PDL",
        with(R"("manufacturerParameters": [{"pid": "0x8001", "pdlSize": 2, "dataType": 3, "value": [1]}])"),
        "responders[0].manufacturerParameters[0].value: expected 2 values, as pdlSize gives");
    row("value beyond its type",
        with(R"("manufacturerParameters": [{"pid": "0x8001", "pdlSize": 2, "dataType": 3, "value": [1, 256]}])"),
        "responders[0].manufacturerParameters[0].value[1]: expected an integer from 0 to 255");
    row("odd hexadecimal value",
        with(R"("manufacturerParameters": [{"pid": "0x8001", "pdlSize": 2, "dataType": 1, "value": "abc"}])"),
        "responders[0].manufacturerParameters[0].value: expected pairs of hexadecimal digits");
    row("sub-device twice", with(R"("subDevices": [{"number": 2}, {"number": 2}])"),
        "responders[0].subDevices[1].number: sub-device given twice");
    row("report threshold 1", with(R"("subDevices": [{"number": 2, "statusReportThreshold": 1}])"),
        "responders[0].subDevices[0].statusReportThreshold: expected 0, 2, 3 or 4");
    row("status type by number", with(R"("statusMessages": [{"type": "3"}])"),
        R"(responders[0].statusMessages[0].type: expected "advisory", "warning" or "error")");
    row("status of a missing sub-device", with(R"("statusMessages": [{"type": "error", "subDevice": 4}])"),
        "responders[0].statusMessages[0].subDevice: no such sub-device");
    row("language not offered", with(R"("languages": ["en"], "language": "de")"),
        R"(responders[0].language: expected one of the codes in "languages")");
    row("clock without a date", with(R"("realTimeClock": "19:30")"),
        R"(responders[0].realTimeClock: expected a date and time such as "2026-03-14T19:30:00")");
    row("knob not a boolean", with(R"("behaviour": {"silent": 1})"),
        "responders[0].behaviour.silent: expected true or false");
    row("leaves before it joins", with(R"("joinsAfterRequests": 5, "leavesAfterRequests": 5)"),
        R"(responders[0].leavesAfterRequests: expected a count above "joinsAfterRequests")");
}

void ResponderScenarioTest::mistakesNameTheirPlace()
{
    QFETCH(QByteArray, responders);
    QFETCH(QString, error);
    QVERIFY(QJsonDocument::fromJson(responders).isArray());
    QString reported;
    QCOMPARE(lineOf(responders, &reported).get(), nullptr);
    QCOMPARE(reported, error);
}

void ResponderScenarioTest::demoDeviceInfoThroughTheSeam_data()
{
    QTest::addColumn<quint64>("uid");
    QTest::addColumn<quint16>("subDevice");
    QTest::addColumn<QByteArray>("record");
    // Status and length, then protocol, model, category, software, footprint, personality, start address,
    // sub-devices, sensors. Single devices are alone on their channels; the bars share 112 to 123.
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
        QTest::newRow(qPrintable(QString::number(demoUids.at(i), 16))) << demoUids.at(i) << quint16(0)
                                                                          << "0113000100" + records.at(i);
    }
    // The rack's modules sit one each on the rack's own channels; module 7 never answers, 13 does not exist.
    for (quint16 module = 1; module <= 13; ++module) {
        const QByteArray start = QByteArray::number(199 + module, 16).rightJustified(4, '0');
        const QByteArray answer = "0113000100" "1202" "0501" "03000002" "0001" "0101" + start + "000000";
        const QByteArray record = module == 7 ? "020300020000" : module == 13 ? "020300060009" : answer;
        QTest::newRow(qPrintable(QStringLiteral("rack module %1").arg(module))) << demoUids.at(2) << module << record;
    }
}

void ResponderScenarioTest::demoDeviceInfoThroughTheSeam()
{
    QFETCH(quint64, uid);
    QFETCH(quint16, subDevice);
    QFETCH(QByteArray, record);
    QCOMPARE(exchange(*m_probe, get(uid, 0x0060, {}, subDevice)), record);
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

QTEST_GUILESS_MAIN(ResponderScenarioTest)
#include "tst_responderscenario.moc"
