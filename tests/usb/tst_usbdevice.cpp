// The USB link over simulated buses and the choice of backend.
#include "firmware/blockscrambler.h"
#include "settings/settings.h"
#include "simulator/simulatedbackend.h"
#include "usb/libusbbackend.h"
#include "usb/usbbackendselection.h"
#include "usb/trace.h"
#include "usb/usbdevice.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr quint32 informationBlock = 0x0801FFC0;

// Direction, request, value, index and data length: the fields the link chooses.
QStringList setupsOf(const QList<TransferRecord> &log)
{
    QStringList setups;
    for (const TransferRecord &record : log)
        setups << QStringLiteral("%1 %2 %3 %4 %5").arg(record.direction == TransferDirection::In ? "in" : "out")
                      .arg(record.request).arg(record.value, 4, 16, QLatin1Char('0'))
                      .arg(record.index, 4, 16, QLatin1Char('0')).arg(record.data.size());
    return setups;
}

// The simulated bus, also keeping the time limit of every control transfer and,
// when given, answering serials with a length byte of its own.
class RecordingBus : public SimulatedBackend
{
public:
    RecordingBus() : SimulatedBackend(SimulatedClock::Source::Manual) {}
    QList<int> limits;
    int serialLengthByte = -1;
    int stringDescriptor(UsbHandle *handle, quint8 index, char *buffer, int length) override
    {
        const int result = SimulatedBackend::stringDescriptor(handle, index, buffer, length);
        if (result > 0 && serialLengthByte >= 0)
            buffer[0] = char(serialLengthByte);
        return result;
    }
    int controlTransfer(UsbHandle *handle, quint8 requestType, quint8 request, quint16 value, quint16 index,
                        char *data, int length, int timeoutMs) override
    {
        limits << timeoutMs;
        return SimulatedBackend::controlTransfer(handle, requestType, request, value, index, data, length, timeoutMs);
    }
};

} // namespace

class UsbDeviceTest : public QObject
{
    Q_OBJECT

private:
    // One interface, listed by a new link, with an empty transfer log.
    SimulatedInterface &listedUnit()
    {
        SimulatedInterface &unit = m_bus->addInterface(QStringLiteral("ABCDEF1"));
        m_link = std::make_unique<UsbDevice>(m_bus.get());
        m_link->collectDevices();
        m_bus->clearTransferLog();
        return unit;
    }

    SimulatedInterface &connectedUnit()
    {
        SimulatedInterface &unit = listedUnit();
        m_link->connectDevice(0);
        m_bus->clearTransferLog();
        return unit;
    }

    std::unique_ptr<RecordingBus> m_bus;
    std::unique_ptr<UsbDevice> m_link;

private slots:
    void init() { m_bus = std::make_unique<RecordingBus>(); }
    void cleanup() { m_link.reset(); }

    void initTestCase()
    {
        enableTrace();
        nameSettingsStore();
        writeDefaultSettings();
    }

    void enumeration_data()
    {
        QTest::addColumn<bool>("claimRefused");
        QTest::addColumn<bool>("blockReadable");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("secondSerial");

        const QString first = QStringLiteral("D:Rb604 RDM/DMX FW:2.14 SN:ABCDEF1");
        const QString third = QStringLiteral("D:??? FW:??? SN:QRSTUV3");
        QTest::newRow("all listed in enumeration order")
            << false << true << QStringList{first, "D:Rb604 Lite FW:1.07 SN:KLMNOP2", third} << "KLMNOP2";
        QTest::newRow("an unclaimable interface is skipped") << true << true << QStringList{first, third} << "QRSTUV3";
        QTest::newRow("an unreadable information block gives an empty label")
            << false << false << QStringList{first, " SN:KLMNOP2", third} << "KLMNOP2";
    }

    void enumeration()
    {
        QFETCH(bool, claimRefused);
        QFETCH(bool, blockReadable);
        QFETCH(QStringList, texts);
        m_bus->addInterface(QStringLiteral("ABCDEF1")).setInformationTexts(QStringLiteral("Rb604 RDM/DMX"), QStringLiteral("2.14"));
        m_bus->addForeignDevice(0x046D, 0xC077);
        SimulatedInterface &second = m_bus->addInterface(QStringLiteral("KLMNOP2"));
        second.setInformationTexts(QStringLiteral("Rb604 Lite"), QStringLiteral("1.07"));
        second.faults().setClaimRefused(claimRefused);
        second.faults().setInformationBlockReadable(blockReadable);
        m_bus->addInterface(QStringLiteral("QRSTUV3"));
        m_link = std::make_unique<UsbDevice>(m_bus.get());
        QSignalSpy lost(m_link.get(), &UsbDevice::signal_suddenly_disconnected);

        QCOMPARE(m_link->collectDevices(), texts);
        // One information block read per claimed interface, none for the foreign device.
        QCOMPARE(m_bus->transferLog().size(), texts.size());
        QCOMPARE(m_link->checkConnection(), -1);

        // Nothing is sent before a connection, nor to an interface not listed.
        m_bus->clearTransferLog();
        char data[4] = {1, 2, 3, 4};
        QCOMPARE(m_link->control_send(9, 0, 0, data, 4), -1);
        QCOMPARE(m_link->readMemory(data, informationBlock, 4), -1);
        QCOMPARE(m_link->connectDevice(int(texts.size())), -1);
        QCOMPARE(m_link->connectDevice(-1), -1);
        QVERIFY(m_bus->transferLog().isEmpty());
        // Listing is not a connection, so a failed read there announces no loss.
        QCOMPARE(lost.count(), 0);
        QCOMPARE(m_link->connectDevice(1), 0);
        QCOMPARE(m_bus->transferLog().at(0).deviceName, m_link->usbDevices().at(1).deviceName);
        QTEST(QString::fromLatin1(m_link->readSerialNumber()), "secondSerial");

        // Listing again, or a new link once this one is gone, finds the open interface released.
        QCOMPARE(m_link->collectDevices(), texts);
        QCOMPARE(m_link->checkConnection(), -1);
        QCOMPARE(m_link->connectDevice(1), 0);
        m_link = std::make_unique<UsbDevice>(m_bus.get());
        m_link->collectDevices();
        QCOMPARE(m_link->connectDevice(1), 0);
    }

    void label_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<int>("lengthByte"); // -1: the interface's own
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<QString>("label");

        const auto row = [](const char *name, const QString &serial, int lengthByte, const char *model,
                            const QByteArray &firmware, const QString &label) {
            QTest::newRow(name) << serial << lengthByte << QByteArray(model) << firmware << label;
        };
        const QString serial = QStringLiteral("ABCDEF1");
        row("model of four characters", serial, -1, "Rb60", "2.14", "D:??? FW:2.14 SN:ABCDEF1");
        row("model with 0x1F among its first five", serial, -1, "Rb\x1f" "04", "2.14", "D:??? FW:2.14 SN:ABCDEF1");
        row("model with a space among its first five", serial, -1, "Rb 04", "2.14", "D:Rb 04 FW:2.14 SN:ABCDEF1");
        row("model with 0x7E among its first five", serial, -1, "Rb~04", "2.14", "D:??? FW:2.14 SN:ABCDEF1");
        row("model with 0x7D among its first five", serial, -1, "Rb}04", "2.1", "D:Rb}04 FW:2.1 SN:ABCDEF1");
        row("firmware of two characters", serial, -1, "Rb604", "2.", "D:Rb604 FW:??? SN:ABCDEF1");
        row("firmware without terminator ends with the block", serial, -1, "Rb604", QByteArray(40, 'x'),
            "D:Rb604 FW:" + QString(40, QLatin1Char('x')) + " SN:ABCDEF1");
        row("serial: low bytes up to a unit whose low byte is zero", "AB" + QString(QChar(0x0141)) + QChar(0x0100) + "CD",
            -1, "Rb604", "2.14", "D:Rb604 FW:2.14 SN:ABA");
        row("serial: no further than the length byte", serial, 6, "Rb604", "2.14", "D:Rb604 FW:2.14 SN:AB");
    }

    void label()
    {
        QFETCH(QString, serial);
        QFETCH(int, lengthByte);
        QFETCH(QByteArray, model);
        QFETCH(QByteArray, firmware);
        QFETCH(QString, label);
        // Model at offset 8 (16 bytes), firmware at 24 up to the end of the 64-byte block.
        const QByteArray block = QByteArray(8, '\0') + model.leftJustified(16, '\0') + firmware.leftJustified(40, '\0');
        QVERIFY(m_bus->addInterface(serial).memory().program(informationBlock, block));
        m_bus->serialLengthByte = lengthByte;
        UsbDevice link(m_bus.get());

        QCOMPARE(link.collectDevices(), QStringList{label});
        QCOMPARE(link.connectDevice(0), 0);
        QCOMPARE(QString::fromLatin1(link.readSerialNumber()), label.section(QStringLiteral(" SN:"), 1));
    }

    void identifierCheck_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("stalls");
        QTest::addColumn<int>("result");

        QTest::newRow("the interface's own identifier") << QByteArray() << false << 0;
        QTest::newRow("another identifier") << QByteArray("\xc1\x03", 2) << false << -1;
        QTest::newRow("one byte only") << QByteArray("\xc0", 1) << false << -1;
        QTest::newRow("identifier transfer stalls") << QByteArray() << true << -1;
    }

    void identifierCheck()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, stalls);
        QFETCH(int, result);
        SimulatedInterface &unit = listedUnit();
        unit.faults().setIdentifierAnswer(answer);
        if (stalls)
            unit.faults().failTransfer(1, UsbResult::Stall);
        QSignalSpy lost(m_link.get(), &UsbDevice::signal_suddenly_disconnected);

        QCOMPARE(m_link->connectDevice(0), result);
        QCOMPARE(m_link->checkConnection(), result);
        // Opening is not yet a connection: a stall refuses the interface like a wrong answer.
        QCOMPARE(lost.count(), 0);
        QCOMPARE(setupsOf(m_bus->transferLog()).value(0).section(QLatin1Char(' '), 0, 3), QStringLiteral("in 255 0000 0000"));
    }

    void traceIsOffUnlessAskedFor()
    {
        const auto enabled = [] {
            return QList<bool>({usbTrace().isDebugEnabled(), rdmTrace().isDebugEnabled(), firmwareTrace().isDebugEnabled()});
        };
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(enabled(), QList<bool>({false, false, false}));
        enableTrace();
        QCOMPARE(enabled(), QList<bool>({true, true, true}));
    }

    void transfer_data()
    {
        QTest::addColumn<bool>("send");
        QTest::addColumn<QByteArray>("data"); // sent, or expected as the answer
        QTest::addColumn<int>("ioErrors");
        QTest::addColumn<int>("failure");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("attempts");

        QTest::newRow("a send without data has no data stage") << true << QByteArray() << 0 << 0 << 0 << 1;
        QTest::newRow("49 I/O errors, then the answer") << false << QByteArray::fromHex("c003") << 49 << 0 << 2 << 50;
        QTest::newRow("50 I/O errors") << false << QByteArray() << 50 << 0 << -1 << 50;
        QTest::newRow("a time-out is not repeated") << false << QByteArray() << 0 << int(UsbResult::TimedOut) << -1 << 1;
    }

    void transfer()
    {
        QFETCH(bool, send);
        QFETCH(QByteArray, data);
        QFETCH(int, ioErrors);
        QFETCH(int, failure);
        QFETCH(int, result);
        SimulatedInterface &unit = connectedUnit();
        unit.faults().failReceives(ioErrors);
        if (failure != 0)
            unit.faults().failTransfer(1, failure);
        QSignalSpy lost(m_link.get(), &UsbDevice::signal_suddenly_disconnected);

        char answer[2] = {};
        QCOMPARE(send ? m_link->control_send(14, 0, 0, nullptr, 0) : m_link->control_receive(255, 0, 0, answer, 2), result);
        const QList<TransferRecord> log = m_bus->transferLog();
        QTEST(int(log.size()), "attempts");
        QCOMPARE(log.constLast().requestType, quint8(send ? 0x40 : 0xC0));
        QCOMPARE((send ? log.constLast().data : QByteArray(answer, result > 0 ? 2 : 0)).toHex(), data.toHex());
        QCOMPARE(m_link->checkConnection(), result < 0 ? -1 : 0);
        // Once lost, transfers fail at once, without announcing the loss again.
        m_bus->clearTransferLog();
        QCOMPARE(m_link->control_receive(255, 0, 0, answer, 2), result < 0 ? -1 : 2);
        QCOMPARE(m_bus->transferLog().isEmpty(), result < 0);
        QCOMPARE(lost.count(), result < 0 ? 1 : 0);
    }

    void readMemoryInChunks()
    {
        // The second chunk starts exactly at a 64 KiB boundary, so the index field changes.
        constexpr quint32 start = 0x0800F800;
        QByteArray content(5000, '\0');
        for (int i = 0; i < content.size(); ++i)
            content[i] = char(i * 37 + i / 256);
        QVERIFY(connectedUnit().memory().program(start, content));
        QSignalSpy lost(m_link.get(), &UsbDevice::signal_suddenly_disconnected);

        QByteArray buffer(5000, '\0');
        QCOMPARE(m_link->readMemory(buffer.data(), start, 5000), 0);
        const QList<TransferRecord> log = m_bus->transferLog();
        QCOMPARE(setupsOf(log), QStringList({"in 1 f800 0800 2048", "in 1 0000 0801 2048", "in 1 0800 0801 904"}));
        // The interface scrambles each transfer on its own; the link undoes it chunk by chunk.
        QByteArray second = content.mid(2048, 2048);
        scrambleBlock(second.data(), int(second.size()));
        QCOMPARE(log.at(1).data.toHex(), second.toHex());
        QCOMPARE(buffer.toHex(), content.toHex());

        m_bus->clearTransferLog();
        // A short chunk fails the read but is not a failed transfer: the interface stays open.
        m_bus->interfaceAt(0).faults().failTransfer(2, 100);
        QCOMPARE(m_link->readMemory(buffer.data(), start, 5000), -1);
        QCOMPARE(m_bus->transferLog().size(), 2);
        QCOMPARE(lost.count(), 0);
        QCOMPARE(m_link->checkConnection(), 0);
    }

    // Whole pages and the application start are checked through the upgrade's flash contents.
    void pageTakenInPartIsAFailedWrite()
    {
        SimulatedInterface &unit = m_bus->addInterface(QStringLiteral("ABCDEF1"));
        unit.setMode(InterfaceMode::Bootloader); // only the bootloader takes pages
        UsbDevice link(m_bus.get());
        link.collectDevices();
        QCOMPARE(link.connectDevice(0), 0);
        unit.faults().failTransfer(1, 1023);
        QByteArray page(1024, 'p');
        QCOMPARE(link.writeMemoryBlock(page.data(), 0x08014400), -1);
    }

    void hexDumpRows()
    {
        // A full row, then a last row padded to the width of the others.
        const QByteArray bytes = QByteArray::fromHex("001f20417e7f80ff3031323334353637") + "Z";
        const QString rows = QStringLiteral("\n0x0000: 00 1f 20 41 7e 7f 80 ff 30 31 32 33 34 35 36 37 < .. A~\x7f..01234567 >"
                                            "\n0x0010: 5a                                              < Z                >");
        const QString address = QString::asprintf("\n src address: 0x%08llx",
                static_cast<unsigned long long>(reinterpret_cast<quintptr>(bytes.constData())));
        QCOMPARE(hexDump(bytes.constData(), int(bytes.size())), address + rows);
    }

    // Switching to the discovery limit and back is checked by the RDM engine's discovery test.
    void connectionTravelsUnderTheStoredStandardLimit()
    {
        setUsbStandardTimeout(5000);
        setUsbDiscoveryTimeout(150000);
        connectedUnit();
        QCOMPARE(m_bus->limits, QList<int>({5000, 5000}));
    }

    void backendChoice_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("interfaces"); // -1: real USB
        QTest::addColumn<QString>("error");

        QTest::newRow("unset: real USB") << QString() << -1 << QString();
        QTest::newRow("built-in demo") << "demo" << 1 << QString();
        QTest::newRow("missing scenario file")
            << "missing.json" << 0
            << "Cannot load the simulator scenario \"missing.json\": cannot open missing.json: No such file or directory. "
               "Continuing without an interface.";
    }

    void backendChoice()
    {
        QFETCH(QString, setting);
        const UsbBackendChoice choice = chooseUsbBackend(setting);
        auto *bus = dynamic_cast<SimulatedBackend *>(choice.backend.get());
        QTEST(bus ? int(bus->devices().size()) : -1, "interfaces");
        QVERIFY(bus || dynamic_cast<LibUsbBackend *>(choice.backend.get()));
        QTEST(choice.error, "error");
    }
};

QTEST_GUILESS_MAIN(UsbDeviceTest)
#include "tst_usbdevice.moc"
