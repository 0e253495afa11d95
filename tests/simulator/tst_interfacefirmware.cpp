// The simulated interface's firmware, driven through the USB seam: each request and its data stage.
#include "common/backendprobe.h"
#include "common/scrambledbytes.h"
#include "simulator/simulatedbackend.h"
#include "simulator/simulatedresponder.h"
#include "usb/bytewriter.h"

#include <QTest>

namespace {

// A GET of DEVICE_INFO to 1234:56789ABC, as the program builds it.
const QByteArray getDeviceInfo = QByteArray::fromHex("cc0118123456789abc0102030101010001000000200060000" "3d9");

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
    void serialDescriptorByMode_data();
    void serialDescriptorByMode();
    void informationBlockRoundTrip();
    void memoryReadsRestartTheKeyPerTransfer();
    void pageWriteAndReadBackInBootloaderMode();
    void restartIntoBootloaderAndBack();
    void restartForgetsWhatWasSent();
    void dmxTimingStored();
    void rdmTimingStored();
    void dmxLevelsStored();
    void dmxControlMode();
    void emptyRecordBeforeAnyExchange();
    void packetRecordFromTheLine();
    void recordServedAsFarAsItHasBytes();
    void discoveryRecordsUidsBigEndian();
    void discoveryRecordHoldsWholeUidsOnly();
    void malformedRequestsStall_data();
    void malformedRequestsStall();

private:
    std::unique_ptr<SimulatedBackend> m_backend;
    SimulatedInterface *m_unit = nullptr;
    std::unique_ptr<BackendProbe> m_probe;
};

void InterfaceFirmwareTest::init()
{
    m_backend = std::make_unique<SimulatedBackend>(SimulatedClock::Source::Manual);
    m_unit = &m_backend->addInterface(QStringLiteral("ABCDEF1"));
    m_unit->setInformationTexts(QStringLiteral("Rb604 RDM/DMX"), QStringLiteral("2.14"));
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
    QCOMPARE(m_probe->receive(255, 0, 0, 2, &result).toHex(), QByteArray("c003"));
    QCOMPARE(result, 2);
    // No more than the identifier, and no more than asked.
    QCOMPARE(m_probe->receive(255, 0, 0, 64).toHex(), QByteArray("c003"));
    QCOMPARE(m_probe->receive(255, 0, 0, 1).toHex(), QByteArray("c0"));
    m_unit->setMode(InterfaceMode::Bootloader);
    QCOMPARE(m_probe->receive(255, 0, 0, 2).toHex(), QByteArray("c003"));
}

void InterfaceFirmwareTest::serialDescriptorByMode_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<InterfaceMode>("mode");
    QTest::addColumn<QByteArray>("descriptor");

    QTest::newRow("application mode") << "ABCDEF1" << InterfaceMode::Application
                                      << QByteArray("10034100420043004400450046003100");
    QTest::newRow("bootloader mode") << "ABCDEF1" << InterfaceMode::Bootloader
                                     << QByteArray("120341004200430044004500460031006200");
    QTest::newRow("bootloader of a unit without digit") << "ABCDEFG" << InterfaceMode::Bootloader
                                                        << QByteArray("120341004200430044004500460030006200");
}

void InterfaceFirmwareTest::serialDescriptorByMode()
{
    QFETCH(QString, serial);
    QFETCH(InterfaceMode, mode);
    QFETCH(QByteArray, descriptor);
    m_unit->setSerial(serial);
    m_unit->setMode(mode);
    char buffer[256];
    const int count = m_backend->stringDescriptor(m_probe->handle(), 3, buffer, int(sizeof buffer));
    QCOMPARE(QByteArray(buffer, count).toHex(), descriptor);
    // A buffer shorter than the descriptor gets what fits.
    QCOMPARE(m_backend->stringDescriptor(m_probe->handle(), 3, buffer, 4), 4);
    QVERIFY(m_backend->stringDescriptor(m_probe->handle(), 2, buffer, int(sizeof buffer)) < 0);
}

void InterfaceFirmwareTest::informationBlockRoundTrip()
{
    int result = 0;
    const QByteArray wire = m_probe->receiveMemory(0x0801FFC0, 64, &result);
    QCOMPARE(result, 64);
    const QByteArray block = unscrambled(wire);
    QCOMPARE(block.toHex(), QByteArray("0000000000000000" "52623630342052444d2f444d58000000"
                                       "322e3134000000000000000000000000000000000000000000000000000000000000000000000000"));
    QCOMPARE(block, m_unit->memory().read(0x0801FFC0, 64));
    QVERIFY(wire != block);
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
    // An odd length keeps its trailing bytes as they are.
    QCOMPARE(m_probe->receiveMemory(0x08020000, 7).toHex(), scrambled(plain.left(7)).toHex());
    QCOMPARE(m_probe->receiveMemory(0x08020000, 7).right(3).toHex(), plain.mid(4, 3).toHex());
}

void InterfaceFirmwareTest::pageWriteAndReadBackInBootloaderMode()
{
    m_unit->setMode(InterfaceMode::Bootloader);
    const QByteArray page = pattern(1024, 5);
    QCOMPARE(m_probe->sendMemory(0x0801FC00, scrambled(page)), 1024);
    QCOMPARE(m_unit->memory().read(0x0801FC00, 1024).toHex(), page.toHex());
    QCOMPARE(unscrambled(m_probe->receiveMemory(0x0801FC00, 1024)).toHex(), page.toHex());
    // The last page of region A holds the information block: it now reads what was written.
    QCOMPARE(unscrambled(m_probe->receiveMemory(0x0801FFC0, 64)).toHex(), page.right(64).toHex());
    // The neighbouring pages are untouched, erased flash.
    QCOMPARE(m_unit->memory().read(0x0801F800, 1024), QByteArray(1024, char(0xFF)));
}

void InterfaceFirmwareTest::restartIntoBootloaderAndBack()
{
    const UsbDeviceEntry before = matchingDevices(*m_backend).first();
    QCOMPARE(m_probe->send(4), 0);
    QVERIFY(m_unit->isRestarting());
    QCOMPARE(m_probe->send(14), UsbResult::NoDevice);
    QVERIFY(matchingDevices(*m_backend).isEmpty());

    m_backend->clock().advance(m_unit->reEnumerationDelayMs() - 1);
    QVERIFY(matchingDevices(*m_backend).isEmpty());
    m_backend->clock().advance(1);
    const UsbDeviceEntry inBootloader = matchingDevices(*m_backend).value(0);
    QVERIFY(inBootloader.deviceName != before.deviceName);
    QVERIFY(inBootloader.key != before.key);
    QCOMPARE(m_probe->send(14), UsbResult::NoDevice);
    QCOMPARE(m_backend->open(before), nullptr);

    QVERIFY(m_probe->connect(inBootloader));
    QCOMPARE(m_probe->serial(), QByteArray("ABCDEF1b"));
    QCOMPARE(m_unit->mode(), InterfaceMode::Bootloader);

    m_unit->setReEnumerationDelayMs(0);
    QCOMPARE(m_probe->send(4), 0);
    const UsbDeviceEntry inApplication = matchingDevices(*m_backend).value(0);
    QVERIFY(inApplication.deviceName != inBootloader.deviceName);
    QVERIFY(m_probe->connect(inApplication));
    QCOMPARE(m_probe->serial(), QByteArray("ABCDEF1"));
}

void InterfaceFirmwareTest::restartForgetsWhatWasSent()
{
    const QByteArray page = pattern(1024, 9);
    m_unit->setMode(InterfaceMode::Bootloader);
    QCOMPARE(m_probe->sendMemory(0x08004000, scrambled(page)), 1024);
    m_unit->setMode(InterfaceMode::Application);
    QCOMPARE(m_probe->send(13, 0, 0, QByteArray(16, '\x11')), 16);
    QCOMPARE(m_probe->send(14), 0);
    m_unit->setReEnumerationDelayMs(0);
    QCOMPARE(m_probe->send(4), 0);
    QVERIFY(m_probe->connectFirst());
    QCOMPARE(m_unit->firmware().dmxTiming().breakTime, 88u);
    QVERIFY(!m_unit->firmware().isDmxControlActive());
    QCOMPARE(m_unit->memory().read(0x08004000, 1024).toHex(), page.toHex());
}

void InterfaceFirmwareTest::dmxTimingStored()
{
    QByteArray data = QByteArray::fromHex("58000000" "08000000" "00000000" "64000000");
    QCOMPARE(m_probe->send(13, 0, 0, data), 16);
    const DmxTiming timing = m_unit->firmware().dmxTiming();
    QCOMPARE(timing.breakTime, 88u);
    QCOMPARE(timing.markAfterBreak, 8u);
    QCOMPARE(timing.interslotTime, 0u);
    QCOMPARE(timing.waitTime, 100u);
    QCOMPARE(m_probe->send(13, 0, 0, QByteArray::fromHex("b0000000" "0c000000" "02000000" "10270000")), 16);
    QCOMPARE(m_unit->firmware().dmxTiming().breakTime, 176u);
    QCOMPARE(m_unit->firmware().dmxTiming().waitTime, 10000u);
}

void InterfaceFirmwareTest::rdmTimingStored()
{
    const QByteArray data =
        QByteArray::fromHex("f00a0000" "a8160000" "40420f00" "41420f00" "b80b0000" "b0000000" "ffffffff");
    QCOMPARE(m_probe->send(11, 0, 0, data), 28);
    const RdmTiming timing = m_unit->firmware().rdmTiming();
    QCOMPARE(timing.discoveryResponse, 2800u);
    QCOMPARE(timing.discoveryAny, 5800u);
    QCOMPARE(timing.getResponse, 1000000u);
    QCOMPARE(timing.setResponse, 1000001u);
    QCOMPARE(timing.missingAny, 3000u);
    QCOMPARE(timing.responseBroadcastAny, 176u);
    QCOMPARE(timing.maxLength, 0xFFFFFFFFu);
}

void InterfaceFirmwareTest::dmxLevelsStored()
{
    QCOMPARE(m_probe->send(12, 0, 0, QByteArray::fromHex("1000c8")), 3);
    QCOMPARE(int(m_unit->firmware().dmxLevels().at(16)), 200);
    QByteArray all;
    all.append(QByteArray::fromHex("0000"));
    all.append(pattern(512, 0));
    QCOMPARE(m_probe->send(12, 0, 0, all), 514);
    QCOMPARE(int(m_unit->firmware().dmxLevels().at(0)), 0);
    QCOMPARE(int(m_unit->firmware().dmxLevels().at(511)), int(quint8(511 * 13)));
    QCOMPARE(m_probe->send(12, 0, 0, QByteArray::fromHex("ff01" "2a")), 3);
    QCOMPARE(int(m_unit->firmware().dmxLevels().at(511)), 42);
}

void InterfaceFirmwareTest::dmxControlMode()
{
    QVERIFY(!m_unit->firmware().isDmxControlActive());
    QCOMPARE(m_probe->send(14), 0);
    QVERIFY(m_unit->firmware().isDmxControlActive());
    QCOMPARE(m_probe->send(15), 0);
    QVERIFY(!m_unit->firmware().isDmxControlActive());
}

void InterfaceFirmwareTest::emptyRecordBeforeAnyExchange()
{
    QCOMPARE(m_probe->receive(10, 0, 0, 3).toHex(), QByteArray("000000"));
}

void InterfaceFirmwareTest::packetRecordFromTheLine()
{
    SimulatedLine sameLine;
    const std::optional<ResponseRecord> expected = sameLine.exchange(getDeviceInfo);
    QVERIFY(expected);
    QCOMPARE(m_probe->send(9, 0, 0, getDeviceInfo), 26);
    QByteArray header;
    ByteWriter(&header).u8(expected->status).u16le(quint16(expected->data.size()));
    QCOMPARE(m_probe->receive(10, 0, 0, 3).toHex(), header.toHex());
    QCOMPARE(m_probe->receive(10, 0, 3, int(expected->data.size())).toHex(), expected->data.toHex());
    QCOMPARE(m_unit->firmware().responseRecord().toHex(), (header + expected->data).toHex());
}

void InterfaceFirmwareTest::recordServedAsFarAsItHasBytes()
{
    // An additional discovery on an empty line finds nobody.
    QCOMPARE(m_probe->send(8), 0);
    int result = 0;
    QCOMPARE(m_probe->receive(10, 0, 0, 64, &result).toHex(), QByteArray("010000"));
    QCOMPARE(result, 3);
    QCOMPARE(m_probe->receive(10, 0, 1, 2).toHex(), QByteArray("0000"));
    QCOMPARE(m_probe->receive(10, 0, 3, 16, &result), QByteArray());
    QCOMPARE(result, 0);
}

void InterfaceFirmwareTest::discoveryRecordsUidsBigEndian()
{
    for (const quint64 uid : {Q_UINT64_C(0x123456789ABC), Q_UINT64_C(0x000100000002)}) {
        ResponderState state;
        state.uid = uid;
        m_unit->line().addResponder(std::make_shared<SimulatedResponder>(state));
    }
    QCOMPARE(m_probe->send(7), 0);
    QCOMPARE(m_probe->receive(10, 0, 0, 3).toHex(), QByteArray("010c00"));
    const QByteArray data = m_probe->receive(10, 0, 3, 12);
    QStringList uids{QString::fromLatin1(data.left(6).toHex()), QString::fromLatin1(data.mid(6).toHex())};
    uids.sort();
    QCOMPARE(uids, QStringList({"000100000002", "123456789abc"}));
}

void InterfaceFirmwareTest::discoveryRecordHoldsWholeUidsOnly()
{
    // 85 UIDs would need 510 bytes; the record keeps 84 of them.
    for (int i = 0; i < 85; ++i) {
        ResponderState state;
        state.uid = Q_UINT64_C(0x7A7000000000) + quint64(i) * 0x01010101;
        m_unit->line().addResponder(std::make_shared<SimulatedResponder>(state));
    }
    QCOMPARE(m_probe->send(7), 0);
    QCOMPARE(m_probe->receive(10, 0, 0, 3).toHex(), QByteArray("01f801"));
}

void InterfaceFirmwareTest::malformedRequestsStall_data()
{
    QTest::addColumn<InterfaceMode>("mode");
    QTest::addColumn<quint8>("requestType");
    QTest::addColumn<quint8>("request");
    QTest::addColumn<quint16>("value");
    QTest::addColumn<quint16>("index");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("length"); // for receives

    const auto app = InterfaceMode::Application;
    const auto boot = InterfaceMode::Bootloader;
    const quint8 out = 0x40;
    const quint8 in = 0xC0;
    const QByteArray none;
    QTest::newRow("identifier sent as out") << app << out << quint8(255) << quint16(0) << quint16(0) << none << 0;
    QTest::newRow("identifier with a value") << app << in << quint8(255) << quint16(1) << quint16(0) << none << 2;
    QTest::newRow("identifier without data stage") << app << in << quint8(255) << quint16(0) << quint16(0) << none << 0;
    QTest::newRow("request type for an interface") << app << quint8(0xC1) << quint8(255) << quint16(0) << quint16(0) << none << 2;
    QTest::newRow("standard request type") << app << quint8(0x00) << quint8(14) << quint16(0) << quint16(0) << none << 0;
    QTest::newRow("unknown request 2") << app << out << quint8(2) << quint16(0) << quint16(0) << none << 0;
    QTest::newRow("unknown request 16 in") << app << in << quint8(16) << quint16(0) << quint16(0) << none << 4;
    QTest::newRow("memory read sent as out") << app << out << quint8(1) << quint16(0xFFC0) << quint16(0x0801) << QByteArray(64, 'x') << 0;
    QTest::newRow("memory read of 2049 bytes") << app << in << quint8(1) << quint16(0) << quint16(0x0802) << none << 2049;
    QTest::newRow("memory read past the flash") << app << in << quint8(1) << quint16(0xFFF0) << quint16(0x0803) << none << 32;
    QTest::newRow("memory read below the flash") << app << in << quint8(1) << quint16(0) << quint16(0x0700) << none << 32;
    QTest::newRow("page write in application mode") << app << out << quint8(3) << quint16(0x4000) << quint16(0x0800) << QByteArray(1024, 'x') << 0;
    QTest::newRow("page of 1023 bytes") << boot << out << quint8(3) << quint16(0x4000) << quint16(0x0800) << QByteArray(1023, 'x') << 0;
    QTest::newRow("page of 1025 bytes") << boot << out << quint8(3) << quint16(0x4000) << quint16(0x0800) << QByteArray(1025, 'x') << 0;
    QTest::newRow("page into the bootloader") << boot << out << quint8(3) << quint16(0x3C00) << quint16(0x0800) << QByteArray(1024, 'x') << 0;
    QTest::newRow("page not aligned") << boot << out << quint8(3) << quint16(0x4200) << quint16(0x0800) << QByteArray(1024, 'x') << 0;
    QTest::newRow("page past the flash") << boot << out << quint8(3) << quint16(0x0000) << quint16(0x0804) << QByteArray(1024, 'x') << 0;
    QTest::newRow("restart with data") << app << out << quint8(4) << quint16(0) << quint16(0) << QByteArray(1, 'x') << 0;
    QTest::newRow("restart with a value") << app << out << quint8(4) << quint16(1) << quint16(0) << none << 0;
    QTest::newRow("discovery with data") << app << out << quint8(7) << quint16(0) << quint16(0) << QByteArray(1, 'x') << 0;
    QTest::newRow("discovery in bootloader mode") << boot << out << quint8(8) << quint16(0) << quint16(0) << none << 0;
    QTest::newRow("packet of 25 bytes") << app << out << quint8(9) << quint16(0) << quint16(0) << getDeviceInfo.left(25) << 0;
    QTest::newRow("packet of 258 bytes") << app << out << quint8(9) << quint16(0) << quint16(0) << QByteArray(258, 'x') << 0;
    QTest::newRow("packet in bootloader mode") << boot << out << quint8(9) << quint16(0) << quint16(0) << getDeviceInfo << 0;
    QTest::newRow("packet with an index") << app << out << quint8(9) << quint16(0) << quint16(3) << getDeviceInfo << 0;
    QTest::newRow("record with a value") << app << in << quint8(10) << quint16(1) << quint16(0) << none << 3;
    QTest::newRow("record in bootloader mode") << boot << in << quint8(10) << quint16(0) << quint16(0) << none << 3;
    QTest::newRow("RDM timing of 27 bytes") << app << out << quint8(11) << quint16(0) << quint16(0) << QByteArray(27, 'x') << 0;
    QTest::newRow("RDM timing of 29 bytes") << app << out << quint8(11) << quint16(0) << quint16(0) << QByteArray(29, 'x') << 0;
    QTest::newRow("levels without a first slot") << app << out << quint8(12) << quint16(0) << quint16(0) << QByteArray(1, 'x') << 0;
    QTest::newRow("levels past slot 512") << app << out << quint8(12) << quint16(0) << quint16(0) << QByteArray::fromHex("ff010102") << 0;
    QTest::newRow("levels from slot 513") << app << out << quint8(12) << quint16(0) << quint16(0) << QByteArray::fromHex("000201") << 0;
    QTest::newRow("513 levels") << app << out << quint8(12) << quint16(0) << quint16(0) << QByteArray(515, '\0') << 0;
    QTest::newRow("DMX timing of 15 bytes") << app << out << quint8(13) << quint16(0) << quint16(0) << QByteArray(15, 'x') << 0;
    QTest::newRow("DMX timing received") << app << in << quint8(13) << quint16(0) << quint16(0) << none << 16;
    QTest::newRow("DMX control with data") << app << out << quint8(14) << quint16(0) << quint16(0) << QByteArray(1, 'x') << 0;
    QTest::newRow("DMX control in bootloader mode") << boot << out << quint8(15) << quint16(0) << quint16(0) << none << 0;
}

void InterfaceFirmwareTest::malformedRequestsStall()
{
    QFETCH(InterfaceMode, mode);
    QFETCH(quint8, requestType);
    QFETCH(quint8, request);
    QFETCH(quint16, value);
    QFETCH(quint16, index);
    QFETCH(QByteArray, data);
    QFETCH(int, length);

    m_unit->setMode(mode);
    const QByteArray flashBefore = m_unit->memory().read(InterfaceMemory::flashStart, InterfaceMemory::flashSize);
    const QByteArray recordBefore = m_unit->firmware().responseRecord();
    const auto levelsBefore = m_unit->firmware().dmxLevels();
    QByteArray buffer = requestType & 0x80 ? QByteArray(length, '\0') : data;
    const int result = m_backend->controlTransfer(m_probe->handle(), requestType, request, value, index,
                                                  buffer.isEmpty() ? nullptr : buffer.data(), int(buffer.size()), 1000);
    QCOMPARE(result, UsbResult::Stall);
    QCOMPARE(m_backend->transferLog().last().result, UsbResult::Stall);
    // A stalled request changes nothing and the unit stays on the bus.
    QVERIFY(m_unit->memory().read(InterfaceMemory::flashStart, InterfaceMemory::flashSize) == flashBefore);
    QCOMPARE(m_unit->firmware().responseRecord().toHex(), recordBefore.toHex());
    QVERIFY(m_unit->firmware().dmxLevels() == levelsBefore);
    QCOMPARE(m_unit->firmware().dmxTiming().breakTime, 88u);
    QVERIFY(m_unit->isAttached());
    QCOMPARE(m_probe->receive(255, 0, 0, 2).toHex(), QByteArray("c003"));
}

QTEST_GUILESS_MAIN(InterfaceFirmwareTest)
#include "tst_interfacefirmware.moc"
