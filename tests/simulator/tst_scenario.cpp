// Scenario files: fields and faults of the format, and broken files reported by place. The simulated interface
// refuses malformed requests, so that a link sending them fails its tests, and its transfer log stays bounded.
#include "scenariofile.h"
#include "usb/interfaceids.h"

#include <QTest>

namespace {

// Drives a backend through the UsbBackend calls only, the way the program's USB link does; the backend closes what
// is left open.
struct Probe
{
    UsbBackend &backend;
    UsbHandle *handle = nullptr;

    // Opens the interface at `position` among the matching devices, selects configuration 1 and claims interface 0.
    bool connect(int position = 0)
    {
        QList<UsbDeviceEntry> matching;
        for (const UsbDeviceEntry &entry : backend.devices()) {
            if (entry.idVendor == interfaceVendorId && entry.idProduct == interfaceProductId)
                matching.append(entry);
        }
        handle = position < matching.size() ? backend.open(matching.at(position)) : nullptr;
        return handle && backend.setConfiguration(handle, 1) == 0 && backend.claimInterface(handle, 0) == 0;
    }
    // The bytes answered as hex, or the transfer's result when it failed; `data` gives the length of a receive.
    QString transfer(quint8 requestType, quint8 request, quint32 address = 0, QByteArray data = {})
    {
        const int result = backend.controlTransfer(handle, requestType, request, quint16(address),
                                                   quint16(address >> 16), data.data(), int(data.size()), 5000);
        if (result < 0 || requestType == 0x40)
            return QString::number(result);
        return QString::fromLatin1(data.left(result).toHex());
    }
    QString identifier() { return transfer(0xC0, 255, 0, QByteArray(2, '\0')); }
};

} // namespace

class ScenarioTest : public QObject
{
    Q_OBJECT

private slots:
    void everyField()
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
        QCOMPARE(QStringLiteral("%1 %2:%3").arg(entries.at(1).busName).arg(entries.at(2).idVendor, 0, 16)
                     .arg(entries.at(2).idProduct),
                 QStringLiteral("002 46d:49271"));

        Probe probe{*backend};
        QCOMPARE(backend->interfaceAt(1).currentSerial(), QStringLiteral("KLMNOP0b"));
        QVERIFY(probe.connect(1));
        QCOMPARE(probe.transfer(0x40, 4), QStringLiteral("0"));
        backend->clock().advance(59999);
        QVERIFY(!probe.connect(1));
        backend->clock().advance(1);
        QVERIFY(probe.connect(1));
        QCOMPARE(backend->interfaceAt(1).currentSerial(), QStringLiteral("KLMNOP7"));
    }

    void faultsFromTheFile_data()
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
            << QByteArray(R"({"identifierAnswer": "C103", "informationBlockReadable": false})")
            << "c103 0 c103 c103 -32";
        QTest::newRow("claim refused") << QByteArray(R"({"claimRefused": true})") << "claim refused";
    }
    void faultsFromTheFile()
    {
        QFETCH(QByteArray, faults);
        QString error;
        const std::unique_ptr<SimulatedBackend> backend =
            loadScenarioText(R"({"interfaces": [{"serial": "ABCDEF1", "faults": )" + faults + "}]}", &error);
        QVERIFY2(backend, qPrintable(error));
        Probe probe{*backend};
        if (!probe.connect()) {
            QTEST(QStringLiteral("claim refused"), "results");
            return;
        }
        QStringList seen{probe.identifier(), probe.transfer(0x40, 14), probe.identifier(), probe.identifier()};
        const QString block = probe.transfer(0xC0, 1, 0x0801FFC0, QByteArray(64, '\0'));
        seen.append(block.startsWith(QLatin1Char('-')) ? block : QString::number(block.size() / 2));
        QTEST(seen.join(QLatin1Char(' ')), "results");
    }

    void brokenFiles_data()
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
        row("mode misspelt", unit(R"("mode": "boot")"),
            R"(interfaces[0].mode: expected "application" or "bootloader")");
        row("delay beyond any integer", unit(R"("reEnumerationDelayMs": 1e19)"),
            "interfaces[0].reEnumerationDelayMs: expected an integer from 0 to 60000");
        row("delay a millisecond above a minute", unit(R"("reEnumerationDelayMs": 60001)"),
            "interfaces[0].reEnumerationDelayMs: expected an integer from 0 to 60000");
        row("failed transfer without a negative result",
            unit(R"("faults": {"failTransfers": [{"number": 1, "result": 0}]})"),
            "interfaces[0].faults.failTransfers[0].result: expected an integer from -1000 to -1");
    }
    void brokenFiles()
    {
        QFETCH(QByteArray, text);
        QString reported;
        QCOMPARE(loadScenarioText(text, &reported).get(), nullptr);
        QTEST(reported, "error");
    }

    void malformedRequestsStall_data()
    {
        QTest::addColumn<InterfaceMode>("mode");
        QTest::addColumn<quint8>("requestType");
        QTest::addColumn<quint8>("request");
        QTest::addColumn<quint32>("address"); // value and index
        QTest::addColumn<QByteArray>("data"); // for receives, its size is the length asked for

        const auto app = InterfaceMode::Application;
        const auto boot = InterfaceMode::Bootloader;
        const QByteArray page(1024, 'x');
        QTest::newRow("memory read of 2049 bytes")
            << app << quint8(0xC0) << quint8(1) << 0x08020000u << QByteArray(2049, 0);
        QTest::newRow("page write in application mode") << app << quint8(0x40) << quint8(3) << 0x08004000u << page;
        QTest::newRow("page of 1023 bytes") << boot << quint8(0x40) << quint8(3) << 0x08004000u << page.left(1023);
        QTest::newRow("page into the bootloader") << boot << quint8(0x40) << quint8(3) << 0x08003C00u << page;
        QTest::newRow("levels past slot 512")
            << app << quint8(0x40) << quint8(12) << 0u << QByteArray::fromHex("ff010102");
    }
    void malformedRequestsStall()
    {
        QFETCH(InterfaceMode, mode);
        QFETCH(quint8, requestType);
        QFETCH(quint8, request);
        QFETCH(quint32, address);
        QFETCH(QByteArray, data);
        SimulatedBackend backend(SimulatedClock::Source::Manual);
        SimulatedInterface &unit = backend.addInterface(QStringLiteral("ABCDEF1"));
        Probe probe{backend};
        QVERIFY(probe.connect());

        // Programmed flash and lit levels, so that a stall that erased or reset them shows.
        QVERIFY(unit.memory().program(0x08003C00, QByteArray(2048, '\x11')));
        QCOMPARE(probe.transfer(0x40, 12, 0, QByteArray(2, '\0') + QByteArray(512, '\x55')), QStringLiteral("514"));
        unit.setMode(mode);
        const QByteArray flashBefore = unit.memory().read(InterfaceMemory::flashStart, InterfaceMemory::flashSize);
        const auto levelsBefore = unit.firmware().dmxLevels();
        QCOMPARE(probe.transfer(requestType, request, address, data), QString::number(UsbResult::Stall));
        // A stalled request changes nothing and the unit stays on the bus.
        QCOMPARE(unit.memory().read(InterfaceMemory::flashStart, InterfaceMemory::flashSize), flashBefore);
        QCOMPARE(unit.firmware().dmxLevels(), levelsBefore);
        QCOMPARE(probe.identifier(), QStringLiteral("c003"));
    }

    void transferLogKeepsTheNewest_data()
    {
        QTest::addColumn<int>("transfers");
        QTest::addColumn<QString>("kept");
        const int cap = SimulatedBackend::TransferLogCapacity;
        QTest::newRow("full log dropped something") << cap << QStringLiteral("4096 transfers, value 0 to 4095");
        QTest::newRow("log past its cap kept the oldest")
            << cap + 1 << QStringLiteral("4096 transfers, value 1 to 4096");
    }
    void transferLogKeepsTheNewest()
    {
        QFETCH(int, transfers);
        SimulatedBackend backend(SimulatedClock::Source::Manual);
        backend.addInterface(QStringLiteral("ABCDEF1"));
        Probe probe{backend};
        QVERIFY(probe.connect());
        backend.clearTransferLog();
        // The value field numbers each transfer.
        for (int transfer = 0; transfer < transfers; ++transfer)
            probe.transfer(0xC0, 255, quint32(transfer), QByteArray(2, '\0'));
        const QList<TransferRecord> log = backend.transferLog();
        QTEST(QStringLiteral("%1 transfers, value %2 to %3").arg(log.size()).arg(log.constFirst().value)
                  .arg(log.constLast().value),
              "kept");
    }
};

QTEST_GUILESS_MAIN(ScenarioTest)
#include "tst_scenario.moc"
