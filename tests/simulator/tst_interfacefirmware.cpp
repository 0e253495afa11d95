// The simulated interface's firmware and its faults, driven through the USB seam.
#include "common/backendprobe.h"
#include "common/scrambledbytes.h"
#include "simulator/simulatedbackend.h"

#include <QTest>

namespace {

QByteArray pattern(int length, int seed)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char(i * 13 + seed);
    return bytes;
}

} // namespace

class InterfaceFirmwareTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void identifierIsTwoBytes();
    void memoryReadsRestartTheKeyPerTransfer();
    void pageWriteAndReadBackInBootloaderMode();
    void restartIntoBootloaderAndBack();
    void timingAndLevelsStored();
    void malformedRequestsStall_data();
    void malformedRequestsStall();
    void unplugAndReplug();

private:
    std::unique_ptr<SimulatedBackend> m_backend;
    SimulatedInterface *m_unit = nullptr;
    std::unique_ptr<BackendProbe> m_probe;
};

void InterfaceFirmwareTest::init()
{
    m_backend = std::make_unique<SimulatedBackend>(SimulatedClock::Source::Manual);
    m_unit = &m_backend->addInterface(QStringLiteral("ABCDEF1"));
    m_probe = std::make_unique<BackendProbe>(*m_backend);
    QVERIFY(m_probe->connectFirst());
}

void InterfaceFirmwareTest::cleanup()
{
    m_probe.reset();
    m_backend.reset();
}

void InterfaceFirmwareTest::identifierIsTwoBytes()
{
    int result = 0;
    QCOMPARE(m_probe->receive(255, 0, 0, 64, &result).toHex(), QByteArray("c003"));
    QCOMPARE(result, 2);
    QCOMPARE(m_probe->receive(255, 0, 0, 1).toHex(), QByteArray("c0"));
}

void InterfaceFirmwareTest::memoryReadsRestartTheKeyPerTransfer()
{
    const QByteArray plain = pattern(5000, 1);
    QVERIFY(m_unit->memory().program(0x08020000, plain));
    // The program's chunks: 2048, 2048 and 904 bytes, each scrambled on its own.
    const QByteArray first = m_probe->receiveMemory(0x08020000, 2048);
    const QByteArray second = m_probe->receiveMemory(0x08020800, 2048);
    const QByteArray third = m_probe->receiveMemory(0x08021000, 904);
    QCOMPARE(second.toHex(), scrambled(plain.mid(2048, 2048)).toHex());
    QCOMPARE((unscrambled(first) + unscrambled(second) + unscrambled(third)).toHex(), plain.toHex());
}

void InterfaceFirmwareTest::pageWriteAndReadBackInBootloaderMode()
{
    m_unit->setMode(InterfaceMode::Bootloader);
    const QByteArray page = pattern(1024, 5);
    QCOMPARE(m_probe->sendMemory(0x0801FC00, scrambled(page)), 1024);
    QCOMPARE(m_unit->memory().read(0x0801FC00, 1024).toHex(), page.toHex());
    QCOMPARE(unscrambled(m_probe->receiveMemory(0x0801FC00, 1024)).toHex(), page.toHex());
    QCOMPARE(m_unit->memory().read(0x0801F800, 1024), QByteArray(1024, char(0xFF)));
}

void InterfaceFirmwareTest::restartIntoBootloaderAndBack()
{
    QCOMPARE(m_probe->send(14), 0);
    const UsbDeviceEntry before = matchingDevices(*m_backend).first();
    QCOMPARE(m_probe->send(4), 0);
    QCOMPARE(m_probe->send(14), UsbResult::NoDevice);
    m_backend->clock().advance(m_unit->reEnumerationDelayMs() - 1);
    QVERIFY(matchingDevices(*m_backend).isEmpty());
    m_backend->clock().advance(1);
    const UsbDeviceEntry inBootloader = matchingDevices(*m_backend).value(0);
    QCOMPARE_NE(inBootloader.deviceName, before.deviceName);
    QCOMPARE(m_backend->open(before), nullptr);
    QVERIFY(m_probe->connect(inBootloader));
    QCOMPARE(m_probe->serial(), QByteArray("ABCDEF1b"));
    QVERIFY(!m_unit->firmware().isDmxControlActive());

    m_unit->setReEnumerationDelayMs(0);
    QCOMPARE(m_probe->send(4), 0);
    QVERIFY(m_probe->connectFirst());
    QCOMPARE(m_probe->serial(), QByteArray("ABCDEF1"));
}

void InterfaceFirmwareTest::timingAndLevelsStored()
{
    QCOMPARE(m_probe->send(13, 0, 0, QByteArray::fromHex("b0000000" "0c000000" "02000000" "10270000")), 16);
    const DmxTiming dmx = m_unit->firmware().dmxTiming();
    QCOMPARE(QList<quint32>({dmx.breakTime, dmx.markAfterBreak, dmx.interslotTime, dmx.waitTime}),
             QList<quint32>({176, 12, 2, 10000}));

    const QByteArray rdmData =
        QByteArray::fromHex("f00a0000" "a8160000" "40420f00" "41420f00" "b80b0000" "b0000000" "ffffffff");
    QCOMPARE(m_probe->send(11, 0, 0, rdmData), 28);
    const RdmTiming rdm = m_unit->firmware().rdmTiming();
    QCOMPARE(QList<quint32>({rdm.discoveryResponse, rdm.discoveryAny, rdm.getResponse, rdm.setResponse, rdm.missingAny,
                             rdm.responseBroadcastAny, rdm.maxLength}),
             QList<quint32>({2800, 5800, 1000000, 1000001, 3000, 176, 0xFFFFFFFF}));

    // Levels: a little-endian first slot, then the values from there.
    const auto &levels = m_unit->firmware().dmxLevels();
    QCOMPARE(m_probe->send(12, 0, 0, QByteArray::fromHex("1000c8")), 3);
    QCOMPARE(m_probe->send(12, 0, 0, QByteArray::fromHex("ff012a")), 3);
    QCOMPARE(QList<int>({levels.at(15), levels.at(16), levels.at(17), levels.at(511)}), QList<int>({0, 200, 0, 42}));
    QCOMPARE(m_probe->send(14), 0);
    QVERIFY(m_unit->firmware().isDmxControlActive());
    QCOMPARE(m_probe->send(15), 0);
    QVERIFY(!m_unit->firmware().isDmxControlActive());
}

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
    QTest::newRow("identifier with a value") << app << quint8(0xC0) << quint8(255) << 1u << QByteArray(2, 0);
    QTest::newRow("identifier sent as out") << app << quint8(0x40) << quint8(255) << 0u << QByteArray();
    QTest::newRow("unknown request 2") << app << quint8(0x40) << quint8(2) << 0u << QByteArray();
    QTest::newRow("memory read of 2049 bytes") << app << quint8(0xC0) << quint8(1) << 0x08020000u
                                               << QByteArray(2049, 0);
    QTest::newRow("memory read past the flash") << app << quint8(0xC0) << quint8(1) << 0x0803FFF0u << QByteArray(32, 0);
    QTest::newRow("page write in application mode") << app << quint8(0x40) << quint8(3) << 0x08004000u << page;
    QTest::newRow("page of 1023 bytes") << boot << quint8(0x40) << quint8(3) << 0x08004000u << page.left(1023);
    QTest::newRow("page into the bootloader") << boot << quint8(0x40) << quint8(3) << 0x08003C00u << page;
    QTest::newRow("packet of 25 bytes") << app << quint8(0x40) << quint8(9) << 0u << QByteArray(25, 'x');
    QTest::newRow("levels past slot 512") << app << quint8(0x40) << quint8(12) << 0u << QByteArray::fromHex("ff010102");
    QTest::newRow("DMX timing of 15 bytes") << app << quint8(0x40) << quint8(13) << 0u << QByteArray(15, 'x');
}

void InterfaceFirmwareTest::malformedRequestsStall()
{
    QFETCH(InterfaceMode, mode);
    QFETCH(quint8, requestType);
    QFETCH(quint8, request);
    QFETCH(quint32, address);
    QFETCH(QByteArray, data);

    m_unit->setMode(mode);
    const QByteArray flashBefore = m_unit->memory().read(InterfaceMemory::flashStart, InterfaceMemory::flashSize);
    const auto levelsBefore = m_unit->firmware().dmxLevels();
    QCOMPARE(m_backend->controlTransfer(m_probe->handle(), requestType, request, quint16(address),
                                       quint16(address >> 16), data.isEmpty() ? nullptr : data.data(),
                                       int(data.size()), 1000),
             UsbResult::Stall);
    // A stalled request changes nothing and the unit stays on the bus.
    QVERIFY(m_unit->memory().read(InterfaceMemory::flashStart, InterfaceMemory::flashSize) == flashBefore);
    QVERIFY(m_unit->firmware().dmxLevels() == levelsBefore);
    QCOMPARE(m_unit->firmware().dmxTiming().breakTime, 88u);
    QCOMPARE(m_probe->receive(255, 0, 0, 2).toHex(), QByteArray("c003"));
}

void InterfaceFirmwareTest::unplugAndReplug()
{
    const UsbDeviceEntry before = matchingDevices(*m_backend).first();
    QCOMPARE(m_probe->send(14), 0);
    m_unit->unplug();
    QCOMPARE(m_probe->send(15), UsbResult::NoDevice);
    QVERIFY(m_backend->devices().isEmpty());
    QCOMPARE(m_backend->open(before), nullptr);

    m_unit->replug();
    const UsbDeviceEntry after = matchingDevices(*m_backend).value(0);
    QCOMPARE_NE(after.deviceName, before.deviceName);
    QCOMPARE(m_probe->send(15), UsbResult::NoDevice);
    QVERIFY(m_probe->connect(after));
    // Power was lost: the DMX control mode is over.
    QVERIFY(!m_unit->firmware().isDmxControlActive());
}

QTEST_GUILESS_MAIN(InterfaceFirmwareTest)
#include "tst_interfacefirmware.moc"
