// The simulated interface refuses malformed requests, so that a link sending them fails its tests, and its
// transfer log stays bounded over a long session.
#include "common/backendprobe.h"
#include "simulator/simulatedbackend.h"

#include <QTest>

class InterfaceFirmwareTest : public QObject
{
    Q_OBJECT

private slots:
    void malformedRequestsStall_data();
    void malformedRequestsStall();
    void transferLogKeepsTheNewest_data();
    void transferLogKeepsTheNewest();
};

void InterfaceFirmwareTest::malformedRequestsStall_data()
{
    QTest::addColumn<InterfaceMode>("mode");
    QTest::addColumn<quint8>("requestType");
    QTest::addColumn<quint8>("request");
    QTest::addColumn<quint32>("address"); // value and index
    QTest::addColumn<QByteArray>("data"); // for receives, its size is the length asked for

    const auto app = InterfaceMode::Application;
    const auto boot = InterfaceMode::Bootloader;
    const QByteArray page(1024, 'x');
    QTest::newRow("memory read of 2049 bytes") << app << quint8(0xC0) << quint8(1) << 0x08020000u
                                               << QByteArray(2049, 0);
    QTest::newRow("page write in application mode") << app << quint8(0x40) << quint8(3) << 0x08004000u << page;
    QTest::newRow("page of 1023 bytes") << boot << quint8(0x40) << quint8(3) << 0x08004000u << page.left(1023);
    QTest::newRow("page into the bootloader") << boot << quint8(0x40) << quint8(3) << 0x08003C00u << page;
    QTest::newRow("levels past slot 512") << app << quint8(0x40) << quint8(12) << 0u << QByteArray::fromHex("ff010102");
}

void InterfaceFirmwareTest::malformedRequestsStall()
{
    QFETCH(InterfaceMode, mode);
    QFETCH(quint8, requestType);
    QFETCH(quint8, request);
    QFETCH(quint32, address);
    QFETCH(QByteArray, data);
    SimulatedBackend backend(SimulatedClock::Source::Manual);
    SimulatedInterface &unit = backend.addInterface(QStringLiteral("ABCDEF1"));
    BackendProbe probe(backend);
    QVERIFY(probe.connectFirst());

    // Programmed flash and lit levels, so that a stall that erased or reset them shows.
    QVERIFY(unit.memory().program(0x08003C00, QByteArray(2048, '\x11')));
    QCOMPARE(probe.send(12, 0, 0, QByteArray(2, '\0') + QByteArray(512, '\x55')), 514);
    unit.setMode(mode);
    const QByteArray flashBefore = unit.memory().read(InterfaceMemory::flashStart, InterfaceMemory::flashSize);
    const auto levelsBefore = unit.firmware().dmxLevels();
    QCOMPARE(backend.controlTransfer(probe.handle(), requestType, request, quint16(address), quint16(address >> 16),
                                     data.data(), int(data.size()), 1000),
             UsbResult::Stall);
    // A stalled request changes nothing and the unit stays on the bus.
    QCOMPARE(unit.memory().read(InterfaceMemory::flashStart, InterfaceMemory::flashSize), flashBefore);
    QCOMPARE(unit.firmware().dmxLevels(), levelsBefore);
    QCOMPARE(probe.receive(255, 0, 0, 2).toHex(), QByteArray("c003"));
}

void InterfaceFirmwareTest::transferLogKeepsTheNewest_data()
{
    QTest::addColumn<int>("transfers");
    QTest::addColumn<QString>("kept");
    const int cap = SimulatedBackend::TransferLogCapacity;
    QTest::newRow("full log dropped something") << cap << QStringLiteral("4096 transfers, value 0 to 4095");
    QTest::newRow("log past its cap kept the oldest") << cap + 1 << QStringLiteral("4096 transfers, value 1 to 4096");
}

void InterfaceFirmwareTest::transferLogKeepsTheNewest()
{
    QFETCH(int, transfers);
    SimulatedBackend backend(SimulatedClock::Source::Manual);
    backend.addInterface(QStringLiteral("ABCDEF1"));
    BackendProbe probe(backend);
    QVERIFY(probe.connectFirst());
    backend.clearTransferLog();

    // The value field numbers each transfer.
    for (int transfer = 0; transfer < transfers; ++transfer)
        probe.receive(255, quint16(transfer), 0, 2);
    const QList<TransferRecord> log = backend.transferLog();
    QTEST(QStringLiteral("%1 transfers, value %2 to %3").arg(log.size()).arg(log.constFirst().value)
              .arg(log.constLast().value),
          "kept");
}

QTEST_GUILESS_MAIN(InterfaceFirmwareTest)
#include "tst_interfacefirmware.moc"
