// Scenario files: the built-in demo, every field of the format, and broken files reported by place.
#include "common/backendprobe.h"
#include "common/scrambledbytes.h"
#include "simulator/scenario.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString writeScenario(const QTemporaryDir &directory, const QByteArray &text)
{
    const QString path = directory.filePath(QStringLiteral("scenario.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        return QString();
    return path;
}

// The zero-terminated text at offset within block.
QByteArray textAt(const QByteArray &block, int offset)
{
    const QByteArray rest = block.mid(offset);
    return rest.left(rest.indexOf('\0'));
}

// Model and firmware text of the information block, then the two bootloader texts, read over the wire.
QList<QByteArray> memoryTexts(BackendProbe &probe)
{
    const QByteArray information = unscrambled(probe.receiveMemory(0x0801FFC0, 64));
    const QByteArray bootloader = unscrambled(probe.receiveMemory(0x08003FD0, 32));
    return {textAt(information, 8), textAt(information, 24), textAt(bootloader, 0), textAt(bootloader, 16)};
}

} // namespace

class ScenarioTest : public QObject
{
    Q_OBJECT

private slots:
    void demoScenario();
    void everyField();
    void faultsFromTheFile();
    void brokenFiles_data();
    void brokenFiles();
    void responderErrorsNameTheInterface();
    void missingFile();
};

void ScenarioTest::demoScenario()
{
    QString error;
    const std::unique_ptr<SimulatedBackend> backend = loadScenario(QStringLiteral("demo"), &error);
    QVERIFY2(backend, qPrintable(error));
    QCOMPARE(backend->interfaceCount(), 1);
    QCOMPARE(backend->interfaceAt(0).mode(), InterfaceMode::Application);
    QCOMPARE(backend->clock().source(), SimulatedClock::Source::Steady);

    BackendProbe probe(*backend);
    QVERIFY(probe.connectFirst());
    QCOMPARE(probe.serial(), QByteArray("ABCDEF1"));
    QCOMPARE(memoryTexts(probe), QList<QByteArray>({"Rb604 RDM/DMX", "2.14", "Rb604 Boot", "1.03"}));
}

void ScenarioTest::everyField()
{
    QTemporaryDir directory;
    const QString path = writeScenario(directory, R"({
        "interfaces": [
            { "serial": "ABCDEF1", "model": "Rb604 RDM/DMX", "firmware": "2.14", "responders": [] },
            { "serial": "KLMNOP7", "bootloaderSerial": "KLMNOP0b", "bus": "002", "mode": "bootloader",
              "model": "Rb604 Pro", "firmware": "3.0 beta", "bootloaderTexts": ["Boot 2", "2019-04"],
              "reEnumerationDelayMs": 250 }
        ],
        "foreignDevices": [ { "vendorId": "0x046D", "productId": 49271, "bus": "003" } ]
    })");
    QString error;
    const std::unique_ptr<SimulatedBackend> backend =
        loadScenario(path, &error, SimulatedClock::Source::Manual);
    QVERIFY2(backend, qPrintable(error));
    QCOMPARE(backend->clock().source(), SimulatedClock::Source::Manual);

    const QList<UsbDeviceEntry> entries = backend->devices();
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries.at(1).busName, QStringLiteral("002"));
    QCOMPARE(entries.at(2).busName, QStringLiteral("003"));
    QCOMPARE(entries.at(2).idVendor, quint16(0x046D));
    QCOMPARE(entries.at(2).idProduct, quint16(49271));

    SimulatedInterface &second = backend->interfaceAt(1);
    QCOMPARE(second.mode(), InterfaceMode::Bootloader);
    QCOMPARE(second.reEnumerationDelayMs(), 250);
    BackendProbe probe(*backend);
    QVERIFY(probe.connect(entries.at(1)));
    QCOMPARE(probe.serial(), QByteArray("KLMNOP0b"));
    QCOMPARE(memoryTexts(probe), QList<QByteArray>({"Rb604 Pro", "3.0 beta", "Boot 2", "2019-04"}));

    QCOMPARE(probe.send(4), 0);
    backend->clock().advance(249);
    QCOMPARE(matchingDevices(*backend).size(), 1);
    backend->clock().advance(1);
    QCOMPARE(matchingDevices(*backend).size(), 2);
    QVERIFY(probe.connect(matchingDevices(*backend).at(1)));
    QCOMPARE(probe.serial(), QByteArray("KLMNOP7"));
}

void ScenarioTest::faultsFromTheFile()
{
    QTemporaryDir directory;
    const QString path = writeScenario(directory, R"({ "interfaces": [
        { "serial": "ABCDEF1", "faults": {
            "failTransfers": [ { "number": 2, "result": -110 }, { "number": 4 } ],
            "failReceives": 1, "identifierAnswer": "C103", "informationBlockReadable": false } },
        { "serial": "ABCDEF2", "faults": { "claimRefused": true, "unplugAtTransfer": 1 } }
    ] })");
    QString error;
    const std::unique_ptr<SimulatedBackend> backend = loadScenario(path, &error, SimulatedClock::Source::Manual);
    QVERIFY2(backend, qPrintable(error));

    BackendProbe probe(*backend);
    QVERIFY(probe.connectFirst());
    int result = 0;
    probe.receive(255, 0, 0, 2, &result);
    QCOMPARE(result, UsbResult::IoError);
    QCOMPARE(probe.send(14), UsbResult::TimedOut);
    QCOMPARE(probe.receive(255, 0, 0, 2).toHex(), QByteArray("c103"));
    QCOMPARE(probe.send(15), UsbResult::IoError);
    probe.receiveMemory(0x0801FFC0, 64, &result);
    QCOMPARE(result, UsbResult::Stall);

    BackendProbe second(*backend);
    QVERIFY(!second.connect(matchingDevices(*backend).at(1)));
    QCOMPARE(second.send(14), UsbResult::NoDevice);
    QCOMPARE(matchingDevices(*backend).size(), 1);
}

void ScenarioTest::brokenFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");

    QTest::newRow("trailing comma on line 3")
        << QByteArray("{\n  \"interfaces\": [\n    { \"serial\": \"ABCDEF1\", }\n  ]\n}")
        << "line 3: object is missing after a comma";
    QTest::newRow("file cut short") << QByteArray("{\n  \"interfaces\": [\n") << "line 3: unterminated array";
    QTest::newRow("top level is an array") << QByteArray("[]") << "line 1: expected an object at the top level";
    QTest::newRow("unknown top-level key") << QByteArray(R"({"interface": []})") << "interface: unknown key";
    QTest::newRow("interfaces not an array") << QByteArray(R"({"interfaces": {}})")
                                             << "interfaces: expected an array";
    QTest::newRow("interface not an object") << QByteArray(R"({"interfaces": ["ABCDEF1"]})")
                                             << "interfaces[0]: expected an object";
    QTest::newRow("serial missing") << QByteArray(R"({"interfaces": [{}]})")
                                    << "interfaces[0].serial: expected a string of 7 characters";
    QTest::newRow("serial too short") << QByteArray(R"({"interfaces": [{"serial": "ABCDEF"}]})")
                                      << "interfaces[0].serial: expected a string of 7 characters";
    QTest::newRow("serial not a string") << QByteArray(R"({"interfaces": [{"serial": 1234567}]})")
                                         << "interfaces[0].serial: expected a string of 7 characters";
    QTest::newRow("serial with a blank") << QByteArray(R"({"interfaces": [{"serial": "ABC DEF"}]})")
                                         << "interfaces[0].serial: expected printable ASCII characters without blanks";
    QTest::newRow("misspelt key in second interface")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1"}, {"seral": "ABCDEF2"}]})")
        << "interfaces[1].seral: unknown key";
    QTest::newRow("bootloader serial of another unit")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "bootloaderSerial": "ABCDEX1b"}]})")
        << "interfaces[0].bootloaderSerial: expected the serial's first six characters, a digit and 'b'";
    QTest::newRow("bootloader serial without b")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "bootloaderSerial": "ABCDEF1x"}]})")
        << "interfaces[0].bootloaderSerial: expected the serial's first six characters, a digit and 'b'";
    QTest::newRow("mode misspelt") << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "mode": "boot"}]})")
                                   << "interfaces[0].mode: expected \"application\" or \"bootloader\"";
    QTest::newRow("mode not a string") << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "mode": 1}]})")
                                       << "interfaces[0].mode: expected \"application\" or \"bootloader\"";
    QTest::newRow("bus of two digits") << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "bus": "01"}]})")
                                       << "interfaces[0].bus: expected a string of 3 digits";
    QTest::newRow("model too long")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "model": "Rb604 RDM/DMX 2nd"}]})")
        << "interfaces[0].model: expected a string of at most 15 Latin-1 characters";
    QTest::newRow("firmware beyond Latin-1")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "firmware": "2.14 \u20ac"}]})")
        << "interfaces[0].firmware: expected a string of at most 39 Latin-1 characters";
    QTest::newRow("bootloader texts not a pair")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "bootloaderTexts": ["Boot"]}]})")
        << "interfaces[0].bootloaderTexts: expected an array of two strings";
    QTest::newRow("second bootloader text too long")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "bootloaderTexts": ["Boot", "1234567890123456"]}]})")
        << "interfaces[0].bootloaderTexts[1]: expected a string of at most 15 Latin-1 characters";
    QTest::newRow("negative delay")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "reEnumerationDelayMs": -1}]})")
        << "interfaces[0].reEnumerationDelayMs: expected an integer from 0 to 60000";
    QTest::newRow("fractional delay")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "reEnumerationDelayMs": 1.5}]})")
        << "interfaces[0].reEnumerationDelayMs: expected an integer from 0 to 60000";
    QTest::newRow("faults not an object") << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "faults": []}]})")
                                          << "interfaces[0].faults: expected an object";
    QTest::newRow("unknown fault")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "faults": {"explode": true}}]})")
        << "interfaces[0].faults.explode: unknown key";
    QTest::newRow("failed transfer without number")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "faults": {"failTransfers": [{"result": -5}]}}]})")
        << "interfaces[0].faults.failTransfers[0].number: expected an integer from 1 to 1000000";
    QTest::newRow("failed transfer with a positive result")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "faults": {"failTransfers": [{"number": 1, "result": 5}]}}]})")
        << "interfaces[0].faults.failTransfers[0].result: expected an integer from -1000 to -1";
    QTest::newRow("claim refusal not a flag")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "faults": {"claimRefused": "yes"}}]})")
        << "interfaces[0].faults.claimRefused: expected true or false";
    QTest::newRow("identifier answer of odd length")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "faults": {"identifierAnswer": "c03"}}]})")
        << "interfaces[0].faults.identifierAnswer: expected 1 to 64 bytes as hexadecimal digit pairs";
    QTest::newRow("responders not an array")
        << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1", "responders": {}}]})")
        << "interfaces[0].responders: expected an array";
    QTest::newRow("foreign vendor ID too large")
        << QByteArray(R"({"foreignDevices": [{"vendorId": 70000, "productId": 1}]})")
        << "foreignDevices[0].vendorId: expected an integer from 0 to 65535 or a \"0x\" hexadecimal string";
    QTest::newRow("foreign product ID missing")
        << QByteArray(R"({"foreignDevices": [{"vendorId": "0x046D"}]})")
        << "foreignDevices[0].productId: expected an integer from 0 to 65535 or a \"0x\" hexadecimal string";
}

void ScenarioTest::brokenFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    QTemporaryDir directory;
    const QString path = writeScenario(directory, text);
    QVERIFY(!path.isEmpty());
    QString reported;
    QCOMPARE(loadScenario(path, &reported).get(), nullptr);
    QCOMPARE(reported, error);
}

void ScenarioTest::responderErrorsNameTheInterface()
{
    QTemporaryDir directory;
    const QString path = writeScenario(
        directory, R"({"interfaces": [{"serial": "ABCDEF1"}, {"serial": "ABCDEF2", "responders": [42]}]})");
    QString reported;
    QCOMPARE(loadScenario(path, &reported).get(), nullptr);
    QVERIFY2(reported.startsWith(QStringLiteral("interfaces[1].")), qPrintable(reported));
}

void ScenarioTest::missingFile()
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("absent.json"));
    QString reported;
    QCOMPARE(loadScenario(path, &reported).get(), nullptr);
    QCOMPARE(reported, QStringLiteral("cannot open %1: No such file or directory").arg(path));
    // A caller that does not want the reason is not made to crash.
    QCOMPARE(loadScenario(path, nullptr).get(), nullptr);
}

QTEST_GUILESS_MAIN(ScenarioTest)
#include "tst_scenario.moc"
