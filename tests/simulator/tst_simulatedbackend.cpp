// The simulated bus as the program's USB link sees it: enumeration, handles and the transfer log.
#include "common/backendprobe.h"
#include "common/scrambledbytes.h"
#include "simulator/simulatedbackend.h"

#include <QTest>

namespace {

QByteArray patternPage()
{
    QByteArray page(1024, '\0');
    for (int i = 0; i < page.size(); ++i)
        page[i] = char(i * 7 + 3);
    return page;
}

QString recordText(const TransferRecord &record)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6 -> %7")
        .arg(record.direction == TransferDirection::In ? "in" : "out")
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
    void enumerationEntries();
    void foreignDeviceCannotBeOpened();
    void claimNeedsConfigurationAndIsExclusive();
    void closingReleasesTheClaim();
    void unknownHandlesAreRefused();
    void logNamesDeviceAndKeepsFailures();
    void logCanBeCleared();
};

void SimulatedBackendTest::twoInterfacesAndAForeignDeviceThroughTheSeam()
{
    SimulatedBackend simulated(SimulatedClock::Source::Manual);
    SimulatedInterface &first = simulated.addInterface(QStringLiteral("ABCDEF1"));
    first.setInformationTexts(QStringLiteral("Rb604 RDM/DMX"), QStringLiteral("2.14"));
    simulated.addForeignDevice(0x046D, 0xC077);
    simulated.addInterface(QStringLiteral("KLMNOP2"));
    UsbBackend &backend = simulated;

    const QList<UsbDeviceEntry> all = backend.devices();
    QCOMPARE(all.size(), 3);
    QCOMPARE(all.at(1).idVendor, quint16(0x046D));
    const QList<UsbDeviceEntry> matching = matchingDevices(backend);
    QCOMPARE(matching.size(), 2);

    BackendProbe probe(backend);
    QVERIFY(probe.connect(matching.first()));
    QCOMPARE(probe.serial(), QByteArray("ABCDEF1"));
    QCOMPARE(probe.receive(255, 0, 0, 2).toHex(), QByteArray("c003"));
    QCOMPARE(probe.receiveMemory(0x0801FFC0, 64).toHex(),
             QByteArray("3a116151f69d63fe9c6347c5b42f6ba4b12f8691a6a4f724b4cfbab4ee324806"
                        "664314e5124da5662ad1356216a881ca7c0c7bc23aacaa9c78f87c1456672639"));

    // Into the bootloader: the unit leaves the bus and returns as a new device.
    QCOMPARE(probe.send(4), 0);
    QCOMPARE(matchingDevices(backend).size(), 1);
    simulated.clock().advance(first.reEnumerationDelayMs());
    const QList<UsbDeviceEntry> afterReset = matchingDevices(backend);
    QCOMPARE(afterReset.size(), 2);
    QVERIFY(afterReset.first().deviceName != matching.first().deviceName);
    QVERIFY(probe.connect(afterReset.first()));
    QCOMPARE(probe.serial(), QByteArray("ABCDEF1b"));

    const QByteArray plain = patternPage();
    const QByteArray page = scrambled(plain);
    QCOMPARE(probe.sendMemory(0x08004000, page), 1024);
    QCOMPARE(unscrambled(probe.receiveMemory(0x08004000, 1024)).toHex(), plain.toHex());

    const QList<TransferRecord> log = simulated.transferLog();
    QStringList lines;
    for (const TransferRecord &record : log)
        lines.append(recordText(record));
    QCOMPARE(lines, QStringList({QStringLiteral("in c0 255 0000 0000 c003 -> 2"),
                                 QStringLiteral("in c0 1 ffc0 0801 3a116151f69d63fe -> 64"),
                                 QStringLiteral("out 40 4 0000 0000  -> 0"),
                                 QStringLiteral("out 40 3 4000 0800 %1 -> 1024").arg(QString::fromLatin1(page.left(8).toHex())),
                                 QStringLiteral("in c0 1 4000 0800 %1 -> 1024").arg(QString::fromLatin1(page.left(8).toHex()))}));
    QCOMPARE(log.at(3).data.toHex(), page.toHex());
    QCOMPARE(log.at(4).data.toHex(), page.toHex());
}

void SimulatedBackendTest::enumerationEntries()
{
    SimulatedBackend backend(SimulatedClock::Source::Manual);
    backend.addInterface(QStringLiteral("ABCDEF1"));
    backend.addForeignDevice(0x1234, 0x5678, QStringLiteral("002"));
    backend.addInterface(QStringLiteral("ABCDEF2"), QStringLiteral("002"));

    const QList<UsbDeviceEntry> entries = backend.devices();
    QCOMPARE(entries.size(), 3);
    QStringList names;
    for (const UsbDeviceEntry &entry : entries)
        names.append(entry.busName + QLatin1Char('/') + entry.deviceName);
    QCOMPARE(names, QStringList({"001/002", "002/002", "002/003"}));
    QCOMPARE(entries.at(0).idVendor, interfaceVendorId);
    QCOMPARE(entries.at(0).idProduct, interfaceProductId);
    QCOMPARE(entries.at(0).iSerialNumber, quint8(3));
    QCOMPARE(entries.at(0).bMaxPacketSize0, quint8(64));
    QCOMPARE(entries.at(1).idProduct, quint16(0x5678));
    QVERIFY(entries.at(0).key != entries.at(1).key);
    QVERIFY(entries.at(1).key != entries.at(2).key);
}

void SimulatedBackendTest::foreignDeviceCannotBeOpened()
{
    SimulatedBackend backend(SimulatedClock::Source::Manual);
    backend.addForeignDevice(0x046D, 0xC077);
    QCOMPARE(backend.devices().size(), 1);
    QCOMPARE(backend.open(backend.devices().first()), nullptr);
}

void SimulatedBackendTest::claimNeedsConfigurationAndIsExclusive()
{
    SimulatedBackend backend(SimulatedClock::Source::Manual);
    backend.addInterface(QStringLiteral("ABCDEF1"));
    const UsbDeviceEntry entry = backend.devices().first();
    UsbHandle *first = backend.open(entry);
    UsbHandle *second = backend.open(entry);
    QVERIFY(first && second);
    QVERIFY(backend.claimInterface(first, 0) < 0);
    QVERIFY(backend.setConfiguration(first, 2) < 0);
    QCOMPARE(backend.setConfiguration(first, 1), 0);
    QVERIFY(backend.claimInterface(first, 1) < 0);
    QCOMPARE(backend.claimInterface(first, 0), 0);
    QCOMPARE(backend.setConfiguration(second, 1), 0);
    QVERIFY(backend.claimInterface(second, 0) < 0);
    QCOMPARE(backend.releaseInterface(first, 0), 0);
    QVERIFY(backend.releaseInterface(first, 0) < 0);
    QCOMPARE(backend.claimInterface(second, 0), 0);
    QCOMPARE(backend.close(first), 0);
    QCOMPARE(backend.close(second), 0);
}

void SimulatedBackendTest::closingReleasesTheClaim()
{
    SimulatedBackend simulated(SimulatedClock::Source::Manual);
    simulated.addInterface(QStringLiteral("ABCDEF1"));
    BackendProbe first(simulated);
    BackendProbe second(simulated);
    QVERIFY(first.connectFirst());
    QVERIFY(!second.connectFirst());
    first.close();
    QVERIFY(second.connectFirst());
}

void SimulatedBackendTest::unknownHandlesAreRefused()
{
    SimulatedBackend backend(SimulatedClock::Source::Manual);
    backend.addInterface(QStringLiteral("ABCDEF1"));
    UsbHandle *handle = backend.open(backend.devices().first());
    QCOMPARE(backend.close(handle), 0);
    // The handle is gone: every call refuses it instead of touching freed memory.
    char buffer[8] = {};
    QVERIFY(backend.close(handle) < 0);
    QVERIFY(backend.setConfiguration(handle, 1) < 0);
    QVERIFY(backend.controlTransfer(handle, 0xC0, 255, 0, 0, buffer, 2, 100) < 0);
    QVERIFY(backend.stringDescriptor(handle, 3, buffer, 8) < 0);
}

void SimulatedBackendTest::logNamesDeviceAndKeepsFailures()
{
    SimulatedBackend simulated(SimulatedClock::Source::Manual);
    simulated.addInterface(QStringLiteral("ABCDEF1"));
    BackendProbe probe(simulated);
    QVERIFY(probe.connectFirst());
    QCOMPARE(probe.send(13, 0, 0, QByteArray(15, '\1')), UsbResult::Stall);
    int result = 0;
    probe.receive(255, 1, 0, 2, &result);
    QCOMPARE(result, UsbResult::Stall);

    const QList<TransferRecord> log = simulated.transferLog();
    QCOMPARE(log.size(), 2);
    QCOMPARE(log.at(0).direction, TransferDirection::Out);
    QCOMPARE(log.at(0).deviceName, QStringLiteral("002"));
    QCOMPARE(log.at(0).data.toHex(), QByteArray("010101010101010101010101010101"));
    QCOMPARE(log.at(0).result, UsbResult::Stall);
    QCOMPARE(log.at(1).direction, TransferDirection::In);
    QCOMPARE(log.at(1).value, quint16(1));
    QCOMPARE(log.at(1).data, QByteArray());
    QCOMPARE(log.at(1).result, UsbResult::Stall);
}

void SimulatedBackendTest::logCanBeCleared()
{
    SimulatedBackend simulated(SimulatedClock::Source::Manual);
    simulated.addInterface(QStringLiteral("ABCDEF1"));
    BackendProbe probe(simulated);
    QVERIFY(probe.connectFirst());
    QCOMPARE(probe.send(14), 0);
    QCOMPARE(simulated.transferLog().size(), 1);
    simulated.clearTransferLog();
    QCOMPARE(simulated.transferLog().size(), 0);
    QCOMPARE(probe.send(15), 0);
    QCOMPARE(simulated.transferLog().last().request, quint8(15));
}

QTEST_GUILESS_MAIN(SimulatedBackendTest)
#include "tst_simulatedbackend.moc"
