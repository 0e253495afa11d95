// Scenario files: every field and fault of the format, and broken files reported by place.
#include "common/backendprobe.h"
#include "common/scrambledbytes.h"
#include "simulator/scenario.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Writes the text as a scenario file and loads it with a manual clock.
std::unique_ptr<SimulatedBackend> load(const QByteArray &text, QString *error)
{
    QTemporaryDir directory;
    QFile file(directory.filePath(QStringLiteral("scenario.json")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return nullptr;
    file.close();
    return loadScenario(file.fileName(), error, SimulatedClock::Source::Manual);
}

// Model and firmware text of the information block, then the two bootloader texts, read over the wire.
QList<QByteArray> memoryTexts(BackendProbe &probe)
{
    const QByteArray information = unscrambled(probe.receiveMemory(0x0801FFC0, 64));
    const QByteArray bootloader = unscrambled(probe.receiveMemory(0x08003FD0, 32));
    QList<QByteArray> texts;
    for (const QByteArray &field :
         {information.mid(8, 16), information.mid(24), bootloader.left(16), bootloader.mid(16)})
        texts.append(field.left(field.indexOf('\0')));
    return texts;
}

} // namespace

class ScenarioTest : public QObject
{
    Q_OBJECT

private slots:
    void everyField();
    void faultsFromTheFile_data();
    void faultsFromTheFile();
    void brokenFiles_data();
    void brokenFiles();
    void missingFile();
};

void ScenarioTest::everyField()
{
    QString error;
    const std::unique_ptr<SimulatedBackend> backend = load(R"({
        "interfaces": [
            { "serial": "ABCDEF1", "model": "Rb604 RDM/DMX", "firmware": "2.14", "responders": [] },
            { "serial": "KLMNOP7", "bootloaderSerial": "KLMNOP0b", "bus": "002", "mode": "bootloader",
              "model": "Rb604 Pro", "firmware": "3.0 beta", "bootloaderTexts": ["Boot 2", "2019-04"],
              "reEnumerationDelayMs": 250 }
        ],
        "foreignDevices": [ { "vendorId": "0x046D", "productId": 49271, "bus": "003" } ]
    })", &error);
    QVERIFY2(backend, qPrintable(error));
    const QList<UsbDeviceEntry> entries = backend->devices();
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries.at(1).busName, QStringLiteral("002"));
    QCOMPARE(entries.at(2).busName, QStringLiteral("003"));
    QCOMPARE(entries.at(2).idVendor, quint16(0x046D));
    QCOMPARE(entries.at(2).idProduct, quint16(49271));

    BackendProbe probe(*backend);
    QVERIFY(probe.connect(entries.at(1)));
    QCOMPARE(probe.serial(), QByteArray("KLMNOP0b"));
    QCOMPARE(memoryTexts(probe), QList<QByteArray>({"Rb604 Pro", "3.0 beta", "Boot 2", "2019-04"}));
    QCOMPARE(probe.send(4), 0);
    backend->clock().advance(249);
    QCOMPARE(matchingDevices(*backend).size(), 1);
    backend->clock().advance(1);
    QVERIFY(probe.connect(matchingDevices(*backend).value(1)));
    QCOMPARE(probe.serial(), QByteArray("KLMNOP7"));
}

void ScenarioTest::faultsFromTheFile_data()
{
    QTest::addColumn<QByteArray>("faults");
    QTest::addColumn<QString>("results");

    // Identifier, DMX control on, identifier twice, information block: answers or result codes.
    QTest::newRow("no faults") << QByteArray("{}") << "c003 0 c003 c003 64";
    QTest::newRow("first transfer times out")
        << QByteArray(R"({"failTransfers": [{"number": 1, "result": -110}]})") << "-110 0 c003 c003 64";
    QTest::newRow("second fails with -5 by default, fourth stalls")
        << QByteArray(R"({"failTransfers": [{"number": 2}, {"number": 4, "result": -32}]})") << "c003 -5 c003 -32 64";
    QTest::newRow("next 2 receives fail, sends go through")
        << QByteArray(R"({"failReceives": 2})") << "-5 0 -5 c003 64";
    QTest::newRow("unplugged at the third transfer")
        << QByteArray(R"({"unplugAtTransfer": 3})") << "c003 0 -19 -19 -19";
    QTest::newRow("information block unreadable")
        << QByteArray(R"({"informationBlockReadable": false})") << "c003 0 c003 c003 -32";
    QTest::newRow("another identifier") << QByteArray(R"({"identifierAnswer": "C103"})") << "c103 0 c103 c103 64";
    QTest::newRow("short identifier") << QByteArray(R"({"identifierAnswer": "c0"})") << "c0 0 c0 c0 64";
    QTest::newRow("long identifier cut to the request")
        << QByteArray(R"({"identifierAnswer": "c00300"})") << "c003 0 c003 c003 64";
    QTest::newRow("claim refused") << QByteArray(R"({"claimRefused": true})") << "claim refused";
}

void ScenarioTest::faultsFromTheFile()
{
    QFETCH(QByteArray, faults);
    QFETCH(QString, results);
    QString error;
    const std::unique_ptr<SimulatedBackend> backend =
        load(R"({"interfaces": [{"serial": "ABCDEF1", "faults": )" + faults + "}]}", &error);
    QVERIFY2(backend, qPrintable(error));
    BackendProbe probe(*backend);
    if (!probe.connectFirst()) {
        QCOMPARE(QStringLiteral("claim refused"), results);
        return;
    }
    const auto identifier = [&probe] {
        int result = 0;
        const QByteArray answer = probe.receive(255, 0, 0, 2, &result);
        return result < 0 ? QString::number(result) : QString::fromLatin1(answer.toHex());
    };
    QStringList seen{identifier(), QString::number(probe.send(14)), identifier(), identifier()};
    int blockResult = 0;
    probe.receiveMemory(0x0801FFC0, 64, &blockResult);
    seen.append(QString::number(blockResult));
    QCOMPARE(seen.join(QLatin1Char(' ')), results);
}

void ScenarioTest::brokenFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");
    const auto row = [](const char *name, const QByteArray &text, const char *error) {
        QTest::newRow(name) << text << QString::fromUtf8(error);
    };
    // An interface with the keys given besides its serial.
    const auto unit = [](const char *keys) {
        return R"({"interfaces": [{"serial": "ABCDEF1", )" + QByteArray(keys) + "}]}";
    };

    row("trailing comma on line 3", "{\n  \"interfaces\": [\n    { \"serial\": \"ABCDEF1\", }\n  ]\n}",
        "line 3: object is missing after a comma");
    row("top level is an array", "[]", "line 1: expected an object at the top level");
    row("unknown top-level key", R"({"interface": []})", "interface: unknown key");
    row("interface not an object", R"({"interfaces": ["ABCDEF1"]})", "interfaces[0]: expected an object");
    row("serial missing", R"({"interfaces": [{}]})", "interfaces[0].serial: expected a string of 7 characters");
    row("serial with a blank", R"({"interfaces": [{"serial": "ABC DEF"}]})",
        "interfaces[0].serial: expected printable ASCII characters without blanks");
    row("misspelt key in second interface", R"({"interfaces": [{"serial": "ABCDEF1"}, {"seral": "ABCDEF2"}]})",
        "interfaces[1].seral: unknown key");
    row("bootloader serial of another unit", unit(R"("bootloaderSerial": "ABCDEX1b")"),
        "interfaces[0].bootloaderSerial: expected the serial's first six characters, a digit and 'b'");
    row("mode misspelt", unit(R"("mode": "boot")"), R"(interfaces[0].mode: expected "application" or "bootloader")");
    row("bus of two digits", unit(R"("bus": "01")"), "interfaces[0].bus: expected a string of 3 digits");
    row("model too long", unit(R"("model": "Rb604 RDM/DMX 2nd")"),
        "interfaces[0].model: expected a string of at most 15 Latin-1 characters");
    row("firmware beyond Latin-1", unit(R"("firmware": "2.14 \u20ac")"),
        "interfaces[0].firmware: expected a string of at most 39 Latin-1 characters");
    row("bootloader texts not a pair", unit(R"("bootloaderTexts": ["Boot"])"),
        "interfaces[0].bootloaderTexts: expected an array of two strings");
    row("fractional delay", unit(R"("reEnumerationDelayMs": 1.5)"),
        "interfaces[0].reEnumerationDelayMs: expected an integer from 0 to 60000");
    row("failed transfer without number", unit(R"("faults": {"failTransfers": [{"result": -5}]})"),
        "interfaces[0].faults.failTransfers[0].number: expected an integer from 1 to 1000000");
    row("failed transfer with a positive result", unit(R"("faults": {"failTransfers": [{"number": 1, "result": 5}]})"),
        "interfaces[0].faults.failTransfers[0].result: expected an integer from -1000 to -1");
    row("claim refusal not a flag", unit(R"("faults": {"claimRefused": "yes"})"),
        "interfaces[0].faults.claimRefused: expected true or false");
    row("identifier answer of odd length", unit(R"("faults": {"identifierAnswer": "c03"})"),
        "interfaces[0].faults.identifierAnswer: expected 1 to 64 bytes as hexadecimal digit pairs");
    row("responders not an array", unit(R"("responders": {})"), "interfaces[0].responders: expected an array");
    row("bad responder of the second interface",
        R"({"interfaces": [{"serial": "ABCDEF1"}, {"serial": "ABCDEF2", "responders": [42]}]})",
        "interfaces[1].responders[0]: expected an object");
    row("foreign vendor ID too large", R"({"foreignDevices": [{"vendorId": 70000, "productId": 1}]})",
        R"(foreignDevices[0].vendorId: expected an integer from 0 to 65535 or a "0x" hexadecimal string)");
}

void ScenarioTest::brokenFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    QString reported;
    QCOMPARE(load(text, &reported).get(), nullptr);
    QCOMPARE(reported, error);
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
