// The simulated bus as the program's USB link sees it: enumeration, handles and the transfer log.
#include "common/backendprobe.h"
#include "common/scrambledbytes.h"
#include "simulator/simulatedbackend.h"

#include <QTest>

namespace {

QString recordText(const TransferRecord &record)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 -> %8")
        .arg(record.deviceName, record.direction == TransferDirection::In ? "in" : "out")
        .arg(record.requestType, 2, 16, QLatin1Char('0'))
        .arg(record.request)
        .arg(record.value, 4, 16, QLatin1Char('0'))
        .arg(record.index, 4, 16, QLatin1Char('0'))
        .arg(QString::fromLatin1(record.data.left(8).toHex()))
        .arg(record.result);
}

} // namespace

class SimulatedBackendTest : public QObject
{
    Q_OBJECT

private slots:
    void twoInterfacesAndAForeignDeviceThroughTheSeam();
};

void SimulatedBackendTest::twoInterfacesAndAForeignDeviceThroughTheSeam()
{
    SimulatedBackend simulated(SimulatedClock::Source::Manual);
    SimulatedInterface &first = simulated.addInterface(QStringLiteral("ABCDEF1"));
    first.setInformationTexts(QStringLiteral("Rb604 RDM/DMX"), QStringLiteral("2.14"));
    simulated.addForeignDevice(0x046D, 0xC077, QStringLiteral("002"));
    simulated.addInterface(QStringLiteral("KLMNOP2"), QStringLiteral("002"));
    UsbBackend &backend = simulated;

    const QList<UsbDeviceEntry> all = backend.devices();
    QStringList entries;
    for (const UsbDeviceEntry &entry : all) {
        entries.append(QStringLiteral("%1/%2 %3:%4 %5 %6")
                           .arg(entry.busName, entry.deviceName)
                           .arg(entry.idVendor, 4, 16, QLatin1Char('0'))
                           .arg(entry.idProduct, 4, 16, QLatin1Char('0'))
                           .arg(entry.iSerialNumber)
                           .arg(entry.bMaxPacketSize0));
    }
    const QString rb604 = QStringLiteral("%1:%2 3 64")
                              .arg(interfaceVendorId, 4, 16, QLatin1Char('0'))
                              .arg(interfaceProductId, 4, 16, QLatin1Char('0'));
    QCOMPARE(entries, QStringList({"001/002 " + rb604, "002/002 046d:c077 0 64", "002/003 " + rb604}));
    QCOMPARE(backend.open(all.at(1)), nullptr);
    const QList<UsbDeviceEntry> matching = matchingDevices(backend);
    QCOMPARE(matching.size(), 2);

    BackendProbe probe(backend);
    QVERIFY(probe.connect(matching.first()));
    QCOMPARE(probe.serial(), QByteArray("ABCDEF1"));
    QCOMPARE(probe.receive(255, 0, 0, 2).toHex(), QByteArray("c003"));
    const QByteArray block = probe.receiveMemory(0x0801FFC0, 64);
    QCOMPARE(block.toHex(), QByteArray("3a116151f69d63fe9c6347c5b42f6ba4b12f8691a6a4f724b4cfbab4ee324806"
                                       "664314e5124da5662ad1356216a881ca7c0c7bc23aacaa9c78f87c1456672639"));
    // Unscrambled: eight reserved bytes, the model text at 8 and the firmware text at 24.
    QCOMPARE(unscrambled(block).toHex(), QByteArray("0000000000000000" "52623630342052444d2f444d58000000"
                                                    "322e3134" + QByteArray(72, '0')));

    // Into the bootloader: the unit leaves the bus and returns as a new device.
    QCOMPARE(probe.send(4), 0);
    QCOMPARE(matchingDevices(backend).size(), 1);
    simulated.clock().advance(first.reEnumerationDelayMs());
    const QList<UsbDeviceEntry> afterReset = matchingDevices(backend);
    QCOMPARE(afterReset.size(), 2);
    QCOMPARE_NE(afterReset.first().deviceName, matching.first().deviceName);
    QVERIFY(probe.connect(afterReset.first()));
    QCOMPARE(probe.serial(), QByteArray("ABCDEF1b"));

    QByteArray plain(1024, '\0');
    for (int i = 0; i < plain.size(); ++i)
        plain[i] = char(i * 7 + 3);
    const QByteArray page = scrambled(plain);
    QCOMPARE(probe.sendMemory(0x08004000, page), 1024);
    QCOMPARE(unscrambled(probe.receiveMemory(0x08004000, 1024)).toHex(), plain.toHex());

    const QList<TransferRecord> log = simulated.transferLog();
    QStringList lines;
    for (const TransferRecord &record : log)
        lines.append(recordText(record));
    const QString pageStart = QString::fromLatin1(page.left(8).toHex());
    QCOMPARE(lines, QStringList({"002 in c0 255 0000 0000 c003 -> 2",
                                 "002 in c0 1 ffc0 0801 3a116151f69d63fe -> 64",
                                 "002 out 40 4 0000 0000  -> 0",
                                 "003 out 40 3 4000 0800 " + pageStart + " -> 1024",
                                 "003 in c0 1 4000 0800 " + pageStart + " -> 1024"}));
    QCOMPARE(log.at(1).data.toHex(), block.toHex());
    QCOMPARE(log.at(3).data.toHex(), page.toHex());
}

QTEST_GUILESS_MAIN(SimulatedBackendTest)
#include "tst_simulatedbackend.moc"
