// Scenario files: fields and faults of the format, and broken files reported by place.
#include "common/backendprobe.h"
#include "scenariofile.h"

#include <QTest>

class ScenarioTest : public QObject
{
    Q_OBJECT

private slots:
    void everyField();
    void faultsFromTheFile_data();
    void faultsFromTheFile();
    void brokenFiles_data();
    void brokenFiles();
};

void ScenarioTest::everyField()
{
    QString error;
    const std::unique_ptr<SimulatedBackend> backend = loadScenarioText(R"({
        "interfaces": [
            { "serial": "ABCDEF1", "model": "Rb604 RDM/DMX", "firmware": "2.14", "responders": [] },
            { "serial": "KLMNOP7", "bootloaderSerial": "KLMNOP0b", "bus": "002", "mode": "bootloader",
              "reEnumerationDelayMs": 60000 }
        ],
        "foreignDevices": [ { "vendorId": "0x046D", "productId": 49271, "bus": "003" } ]
    })", &error);
    QVERIFY2(backend, qPrintable(error));
    const QList<UsbDeviceEntry> entries = backend->devices();
    QCOMPARE(entries.size(), 3);
    QCOMPARE(entries.at(1).busName, QStringLiteral("002"));
    QCOMPARE(entries.at(2).idVendor, quint16(0x046D));
    QCOMPARE(entries.at(2).idProduct, quint16(49271));

    BackendProbe probe(*backend);
    QVERIFY(probe.connect(entries.at(1)));
    QCOMPARE(probe.serial(), QByteArray("KLMNOP0b"));
    QCOMPARE(probe.send(4), 0);
    backend->clock().advance(59999);
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
    QTest::newRow("second fails with -5 by default, fourth with the highest result")
        << QByteArray(R"({"failTransfers": [{"number": 2}, {"number": 4, "result": -1}]})") << "c003 -5 c003 -1 64";
    QTest::newRow("next 2 receives fail, sends go through")
        << QByteArray(R"({"failReceives": 2})") << "-5 0 -5 c003 64";
    QTest::newRow("unplugged at the third transfer")
        << QByteArray(R"({"unplugAtTransfer": 3})") << "c003 0 -19 -19 -19";
    QTest::newRow("another identifier, information block unreadable")
        << QByteArray(R"({"identifierAnswer": "C103", "informationBlockReadable": false})") << "c103 0 c103 c103 -32";
    QTest::newRow("claim refused") << QByteArray(R"({"claimRefused": true})") << "claim refused";
}

void ScenarioTest::faultsFromTheFile()
{
    QFETCH(QByteArray, faults);
    QFETCH(QString, results);
    QString error;
    const std::unique_ptr<SimulatedBackend> backend =
        loadScenarioText(R"({"interfaces": [{"serial": "ABCDEF1", "faults": )" + faults + "}]}", &error);
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
    row("misspelt key in second interface", R"({"interfaces": [{"serial": "ABCDEF1"}, {"seral": "ABCDEF2"}]})",
        "interfaces[1].seral: unknown key");
    row("empty key", R"({"": 1})", R"("": unknown key)");
    row("key with blanks and a control character", unit(R"(" mo\u0001de": 1)"),
        R"(interfaces[0]." mo\u0001de": unknown key)");
    row("mode misspelt", unit(R"("mode": "boot")"), R"(interfaces[0].mode: expected "application" or "bootloader")");
    row("delay beyond any integer", unit(R"("reEnumerationDelayMs": 1e19)"),
        "interfaces[0].reEnumerationDelayMs: expected an integer from 0 to 60000");
    row("delay a millisecond above a minute", unit(R"("reEnumerationDelayMs": 60001)"),
        "interfaces[0].reEnumerationDelayMs: expected an integer from 0 to 60000");
    row("failed transfer without a negative result", unit(R"("faults": {"failTransfers": [{"number": 1, "result": 0}]})"),
        "interfaces[0].faults.failTransfers[0].result: expected an integer from -1000 to -1");
}

void ScenarioTest::brokenFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    QString reported;
    QCOMPARE(loadScenarioText(text, &reported).get(), nullptr);
    QCOMPARE(reported, error);
}

QTEST_GUILESS_MAIN(ScenarioTest)
#include "tst_scenario.moc"
