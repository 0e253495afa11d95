// The simulated interface's firmware and its faults, driven through the USB seam.
#include "common/backendprobe.h"
#include "common/scrambledbytes.h"
#include "simulator/simulatedbackend.h"
#include "simulator/simulatedresponder.h"

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

void addResponder(SimulatedLine &line, quint64 uid)
{
    ResponderState state;
    state.uid = uid;
    line.addResponder(std::make_shared<SimulatedResponder>(state));
}

} // namespace

class InterfaceFirmwareTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void identifierIsTwoBytes();
    void serialDescriptorByMode();
    void memoryReadsRestartTheKeyPerTransfer();
    void pageWriteAndReadBackInBootloaderMode();
    void restartIntoBootloaderAndBack();
    void timingAndLevelsStored();
    void responseRecordServedAsFarAsItHasBytes();
    void discoveryRecordHoldsWholeBigEndianUids();
    void malformedRequestsStall_data();
    void malformedRequestsStall();
    void failedTransferHasNoEffect();
    void unplugAndReplug();
    void informationBlockUnreadable_data();
    void informationBlockUnreadable();

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
    QCOMPARE(m_probe->receive(255, 0, 0, 2, &result).toHex(), QByteArray("c003"));
    QCOMPARE(result, 2);
    // No more than the identifier, and no more than asked.
    QCOMPARE(m_probe->receive(255, 0, 0, 64).toHex(), QByteArray("c003"));
    QCOMPARE(m_probe->receive(255, 0, 0, 1).toHex(), QByteArray("c0"));
    m_unit->setMode(InterfaceMode::Bootloader);
    QCOMPARE(m_probe->receive(255, 0, 0, 2).toHex(), QByteArray("c003"));
}

void InterfaceFirmwareTest::serialDescriptorByMode()
{
    char buffer[256] = {};
    const auto descriptor = [&] {
        return QByteArray(buffer, qMax(0, m_backend->stringDescriptor(m_probe->handle(), 3, buffer, int(sizeof buffer))));
    };
    QCOMPARE(descriptor().toHex(), QByteArray("10034100420043004400450046003100"));
    // In bootloader mode a serial without a 7th digit gets a 0, then the 'b'.
    m_unit->setSerial(QStringLiteral("ABCDEFG"));
    m_unit->setMode(InterfaceMode::Bootloader);
    QCOMPARE(descriptor().toHex(), QByteArray("120341004200430044004500460030006200"));
    // A buffer shorter than the descriptor gets what fits.
    QCOMPARE(m_backend->stringDescriptor(m_probe->handle(), 3, buffer, 4), 4);
    QCOMPARE_LT(m_backend->stringDescriptor(m_probe->handle(), 2, buffer, int(sizeof buffer)), 0);
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
    const QByteArray page = pattern(1024, 9);
    m_unit->setMode(InterfaceMode::Bootloader);
    QCOMPARE(m_probe->sendMemory(0x08004000, scrambled(page)), 1024);
    m_unit->setMode(InterfaceMode::Application);
    QCOMPARE(m_probe->send(13, 0, 0, QByteArray(16, '\x11')), 16);
    QCOMPARE(m_probe->send(14), 0);

    const UsbDeviceEntry before = matchingDevices(*m_backend).first();
    QCOMPARE(m_probe->send(4), 0);
    QVERIFY(m_unit->isRestarting());
    QCOMPARE(m_probe->send(14), UsbResult::NoDevice);
    QVERIFY(matchingDevices(*m_backend).isEmpty());
    m_backend->clock().advance(m_unit->reEnumerationDelayMs() - 1);
    QVERIFY(matchingDevices(*m_backend).isEmpty());
    m_backend->clock().advance(1);
    const UsbDeviceEntry inBootloader = matchingDevices(*m_backend).value(0);
    QCOMPARE_NE(inBootloader.deviceName, before.deviceName);
    QCOMPARE_NE(inBootloader.key, before.key);
    QCOMPARE(m_probe->send(14), UsbResult::NoDevice);
    QCOMPARE(m_backend->open(before), nullptr);
    QVERIFY(m_probe->connect(inBootloader));
    QCOMPARE(m_probe->serial(), QByteArray("ABCDEF1b"));
    QCOMPARE(m_unit->mode(), InterfaceMode::Bootloader);
    // The restart forgot what was sent; the flash kept what was written.
    QCOMPARE(m_unit->firmware().dmxTiming().breakTime, 88u);
    QVERIFY(!m_unit->firmware().isDmxControlActive());
    QCOMPARE(m_unit->memory().read(0x08004000, 1024).toHex(), page.toHex());

    m_unit->setReEnumerationDelayMs(0);
    QCOMPARE(m_probe->send(4), 0);
    const UsbDeviceEntry inApplication = matchingDevices(*m_backend).value(0);
    QCOMPARE_NE(inApplication.deviceName, inBootloader.deviceName);
    QVERIFY(m_probe->connect(inApplication));
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
    QCOMPARE(m_probe->send(12, 0, 0, QByteArray::fromHex("0000") + pattern(512, 0)), 514);
    QCOMPARE(int(levels.at(511)), int(quint8(511 * 13)));
    QCOMPARE(m_probe->send(12, 0, 0, QByteArray::fromHex("1000c8")), 3);
    QCOMPARE(m_probe->send(12, 0, 0, QByteArray::fromHex("ff012a")), 3);
    QCOMPARE(QList<int>({levels.at(15), levels.at(16), levels.at(17), levels.at(511)}),
             QList<int>({quint8(15 * 13), 200, quint8(17 * 13), 42}));

    QVERIFY(!m_unit->firmware().isDmxControlActive());
    QCOMPARE(m_probe->send(14), 0);
    QVERIFY(m_unit->firmware().isDmxControlActive());
    QCOMPARE(m_probe->send(15), 0);
    QVERIFY(!m_unit->firmware().isDmxControlActive());
}

void InterfaceFirmwareTest::responseRecordServedAsFarAsItHasBytes()
{
    QCOMPARE(m_probe->receive(10, 0, 0, 3).toHex(), QByteArray("000000"));
    // An additional discovery on an empty line finds nobody: the header alone.
    QCOMPARE(m_probe->send(8), 0);
    int result = 0;
    QCOMPARE(m_probe->receive(10, 0, 0, 64, &result).toHex(), QByteArray("010000"));
    QCOMPARE(result, 3);
    QCOMPARE(m_probe->receive(10, 0, 1, 2).toHex(), QByteArray("0000"));
    QCOMPARE(m_probe->receive(10, 0, 3, 16, &result), QByteArray());
    QCOMPARE(result, 0);
    // A packet's answer: status, little-endian length, then the parameter data.
    addResponder(m_unit->line(), 0x123456789ABC);
    QCOMPARE(m_probe->send(9, 0, 0, getDeviceInfo), 26);
    QCOMPARE(m_probe->record().toHex(),
             QByteArray("011300" "0100" "0000" "0000" "00000000" "0000" "0000" "ffff" "0000" "00"));
}

void InterfaceFirmwareTest::discoveryRecordHoldsWholeBigEndianUids()
{
    QSet<QByteArray> added;
    for (quint64 i = 0; i < 85; ++i) {
        const quint64 uid = 0x7A7000000000 + i * 0x01020304;
        addResponder(m_unit->line(), uid);
        added.insert(QByteArray::number(uid, 16).rightJustified(12, '0'));
    }
    QCOMPARE(m_probe->send(7), 0);
    // 85 UIDs would need 510 bytes; the record keeps 84 of them.
    const QByteArray record = m_probe->record();
    QCOMPARE(record.left(3).toHex(), QByteArray("01f801"));
    for (int offset = 3; offset < record.size(); offset += 6)
        QVERIFY2(added.remove(record.mid(offset, 6).toHex()), record.mid(offset, 6).toHex().constData());
    QCOMPARE(added.size(), 1);
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

    const auto row = [](const char *name, InterfaceMode mode, quint8 requestType, quint8 request, quint16 value,
                        quint16 index, const QByteArray &data, int length) {
        QTest::newRow(name) << mode << requestType << request << value << index << data << length;
    };
    const auto app = InterfaceMode::Application;
    const auto boot = InterfaceMode::Bootloader;
    const quint8 out = 0x40;
    const quint8 in = 0xC0;
    const QByteArray none;
    const QByteArray page(1024, 'x');
    row("identifier sent as out", app, out, 255, 0, 0, none, 0);
    row("identifier with a value", app, in, 255, 1, 0, none, 2);
    row("identifier without data stage", app, in, 255, 0, 0, none, 0);
    row("request type for an interface", app, 0xC1, 255, 0, 0, none, 2);
    row("standard request type", app, 0x00, 14, 0, 0, none, 0);
    row("unknown request 2", app, out, 2, 0, 0, none, 0);
    row("memory read of 2049 bytes", app, in, 1, 0, 0x0802, none, 2049);
    row("memory read past the flash", app, in, 1, 0xFFF0, 0x0803, none, 32);
    row("memory read below the flash", app, in, 1, 0, 0x0700, none, 32);
    row("page write in application mode", app, out, 3, 0x4000, 0x0800, page, 0);
    row("page of 1023 bytes", boot, out, 3, 0x4000, 0x0800, page.left(1023), 0);
    row("page into the bootloader", boot, out, 3, 0x3C00, 0x0800, page, 0);
    row("page not aligned", boot, out, 3, 0x4200, 0x0800, page, 0);
    row("page past the flash", boot, out, 3, 0x0000, 0x0804, page, 0);
    row("restart with data", app, out, 4, 0, 0, "x", 0);
    row("discovery with data", app, out, 7, 0, 0, "x", 0);
    row("discovery in bootloader mode", boot, out, 8, 0, 0, none, 0);
    row("packet of 25 bytes", app, out, 9, 0, 0, getDeviceInfo.left(25), 0);
    row("packet of 258 bytes", app, out, 9, 0, 0, QByteArray(258, 'x'), 0);
    row("packet in bootloader mode", boot, out, 9, 0, 0, getDeviceInfo, 0);
    row("packet with an index", app, out, 9, 0, 3, getDeviceInfo, 0);
    row("record with a value", app, in, 10, 1, 0, none, 3);
    row("RDM timing of 27 bytes", app, out, 11, 0, 0, QByteArray(27, 'x'), 0);
    row("levels without a first slot", app, out, 12, 0, 0, "x", 0);
    row("levels past slot 512", app, out, 12, 0, 0, QByteArray::fromHex("ff010102"), 0);
    row("levels from slot 513", app, out, 12, 0, 0, QByteArray::fromHex("000201"), 0);
    row("513 levels", app, out, 12, 0, 0, QByteArray(515, '\0'), 0);
    row("DMX timing of 15 bytes", app, out, 13, 0, 0, QByteArray(15, 'x'), 0);
    row("DMX timing received", app, in, 13, 0, 0, none, 16);
    row("DMX control in bootloader mode", boot, out, 15, 0, 0, none, 0);
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
    // The log keeps the failure with what was sent, and nothing for a receive.
    const TransferRecord logged = m_backend->transferLog().last();
    QCOMPARE(logged.result, UsbResult::Stall);
    QCOMPARE(logged.data.toHex(), (requestType & 0x80 ? QByteArray() : data).toHex());
    // A stalled request changes nothing and the unit stays on the bus.
    QVERIFY(m_unit->memory().read(InterfaceMemory::flashStart, InterfaceMemory::flashSize) == flashBefore);
    QCOMPARE(m_unit->firmware().responseRecord().toHex(), recordBefore.toHex());
    QVERIFY(m_unit->firmware().dmxLevels() == levelsBefore);
    QCOMPARE(m_unit->firmware().dmxTiming().breakTime, 88u);
    QVERIFY(m_unit->isAttached());
    QCOMPARE(m_probe->receive(255, 0, 0, 2).toHex(), QByteArray("c003"));
}

void InterfaceFirmwareTest::failedTransferHasNoEffect()
{
    m_unit->faults().failTransfer(1, UsbResult::TimedOut);
    m_unit->faults().failTransfer(2, UsbResult::IoError);
    QCOMPARE(m_probe->send(14), UsbResult::TimedOut);
    QVERIFY(!m_unit->firmware().isDmxControlActive());
    QCOMPARE(m_probe->send(4), UsbResult::IoError);
    QVERIFY(m_unit->isAttached());
    QCOMPARE(m_probe->send(14), 0);
    QVERIFY(m_unit->firmware().isDmxControlActive());
    QCOMPARE(m_backend->transferLog().at(1).result, UsbResult::IoError);
}

void InterfaceFirmwareTest::unplugAndReplug()
{
    const UsbDeviceEntry before = matchingDevices(*m_backend).first();
    QCOMPARE(m_probe->send(14), 0);
    m_unit->unplug();
    QCOMPARE(m_probe->send(15), UsbResult::NoDevice);
    char buffer[64];
    QCOMPARE(m_backend->stringDescriptor(m_probe->handle(), 3, buffer, int(sizeof buffer)), UsbResult::NoDevice);
    QCOMPARE(m_backend->releaseInterface(m_probe->handle(), 0), UsbResult::NoDevice);
    QVERIFY(m_backend->devices().isEmpty());
    QCOMPARE(m_backend->open(before), nullptr);
    m_backend->clock().advance(60000);
    QVERIFY(m_backend->devices().isEmpty());

    m_unit->replug();
    const UsbDeviceEntry after = matchingDevices(*m_backend).value(0);
    QCOMPARE_NE(after.deviceName, before.deviceName);
    QCOMPARE(m_probe->send(15), UsbResult::NoDevice);
    QVERIFY(m_probe->connect(after));
    // Power was lost: the DMX control mode is over.
    QVERIFY(!m_unit->firmware().isDmxControlActive());

    // Pulled while restarting, it stays away until plugged in, then runs what it restarted into.
    QCOMPARE(m_probe->send(4), 0);
    m_unit->unplug();
    m_backend->clock().advance(m_unit->reEnumerationDelayMs());
    QVERIFY(m_backend->devices().isEmpty());
    m_unit->replug();
    QVERIFY(m_probe->connectFirst());
    QCOMPARE(m_probe->serial(), QByteArray("ABCDEF1b"));
}

void InterfaceFirmwareTest::informationBlockUnreadable_data()
{
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("result");

    QTest::newRow("the block itself") << 0x0801FFC0u << 64 << int(UsbResult::Stall);
    QTest::newRow("its last byte") << 0x0801FFFFu << 1 << int(UsbResult::Stall);
    QTest::newRow("the page holding it") << 0x0801FC00u << 1024 << int(UsbResult::Stall);
    QTest::newRow("the bytes before it") << 0x0801FF80u << 64 << 64;
    QTest::newRow("the bootloader version block") << 0x08003FD0u << 32 << 32;
}

void InterfaceFirmwareTest::informationBlockUnreadable()
{
    QFETCH(quint32, address);
    QFETCH(int, length);
    QFETCH(int, result);
    m_unit->faults().setInformationBlockReadable(false);
    int actual = 0;
    m_probe->receiveMemory(address, length, &actual);
    QCOMPARE(actual, result);
}

QTEST_GUILESS_MAIN(InterfaceFirmwareTest)
#include "tst_interfacefirmware.moc"
