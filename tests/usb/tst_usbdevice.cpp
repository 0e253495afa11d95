// The USB link over the simulated bus: enumeration, identification, transfers, retries, memory and trace.
#include "debugcapture.h"
#include "firmware/blockscrambler.h"
#include "settings/settings.h"
#include "simulator/simulatedbackend.h"
#include "usb/usbdevice.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QString firstSerial = QStringLiteral("ABCDEF1");
const QString secondSerial = QStringLiteral("KLMNOP2");
const QString thirdSerial = QStringLiteral("QRSTUV3");
constexpr quint32 informationBlock = 0x0801FFC0;

// Request, value, index and data length of a transfer, the fields the link chooses.
QString setupOf(const TransferRecord &record)
{
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(record.direction == TransferDirection::In ? "in" : "out")
        .arg(record.request)
        .arg(record.value, 4, 16, QLatin1Char('0'))
        .arg(record.index, 4, 16, QLatin1Char('0'))
        .arg(record.data.size());
}

QStringList setupsOf(const QList<TransferRecord> &log)
{
    QStringList setups;
    for (const TransferRecord &record : log)
        setups.append(setupOf(record));
    return setups;
}

QByteArray pattern(int length)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char((i * 37 + i / 256) & 0xFF);
    return bytes;
}

QByteArray scrambled(QByteArray bytes)
{
    scrambleBlock(bytes.data(), int(bytes.size()));
    return bytes;
}

// An information block with the given bytes from offset 8 on, zero elsewhere.
QByteArray informationBlockWith(const QByteArray &fromOffset8)
{
    QByteArray block(64, '\0');
    block.replace(8, int(qMin<qsizetype>(fromOffset8.size(), 56)), fromOffset8.left(56));
    return block;
}

// Passes everything to the simulated bus and keeps the time limit of every control transfer.
class TimeLimitRecorder : public UsbBackend
{
public:
    explicit TimeLimitRecorder(UsbBackend &inner) : m_inner(inner) {}
    QList<int> limits;

    QList<UsbDeviceEntry> devices() override { return m_inner.devices(); }
    UsbHandle *open(const UsbDeviceEntry &entry) override { return m_inner.open(entry); }
    int setConfiguration(UsbHandle *handle, int configuration) override
    {
        return m_inner.setConfiguration(handle, configuration);
    }
    int claimInterface(UsbHandle *handle, int number) override { return m_inner.claimInterface(handle, number); }
    int releaseInterface(UsbHandle *handle, int number) override { return m_inner.releaseInterface(handle, number); }
    int close(UsbHandle *handle) override { return m_inner.close(handle); }
    int controlTransfer(UsbHandle *handle, quint8 requestType, quint8 request, quint16 value, quint16 index,
                        char *data, int length, int timeoutMs) override
    {
        limits.append(timeoutMs);
        return m_inner.controlTransfer(handle, requestType, request, value, index, data, length, timeoutMs);
    }
    int stringDescriptor(UsbHandle *handle, quint8 index, char *buffer, int length) override
    {
        return m_inner.stringDescriptor(handle, index, buffer, length);
    }

private:
    UsbBackend &m_inner;
};

} // namespace

class UsbDeviceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void twoInterfacesAndAForeignDevice();
    void unclaimableDeviceIsSkipped();
    void unreadableInformationBlockGivesEmptyLabel();
    void informationLabel_data();
    void informationLabel();
    void collectingClosesTheOpenInterface();

    void identifierCheck_data();
    void identifierCheck();
    void indexOutsideTheList();

    void receiveRetry_data();
    void receiveRetry();
    void transferWithoutInterface();
    void failedSendDisconnects();
    void sendTrace_data();
    void sendTrace();

    void readMemoryInChunks();
    void shortChunkFailsTheRead();
    void writeMemoryBlock();
    void serialNumber_data();
    void serialNumber();
    void runApplication();
    void destructorReleasesTheInterface();

    void hexDumpRows_data();
    void hexDumpRows();

    void timeLimitsAreReadWhenSwitching();

private:
    std::unique_ptr<SimulatedBackend> m_bus;
};

void UsbDeviceTest::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orv"));
    QCoreApplication::setApplicationName(QStringLiteral("Orv RDM Controller"));
    writeDefaultSettings();
}

void UsbDeviceTest::init()
{
    m_bus = std::make_unique<SimulatedBackend>(SimulatedClock::Source::Manual);
}

void UsbDeviceTest::twoInterfacesAndAForeignDevice()
{
    m_bus->addInterface(firstSerial).setInformationTexts(QStringLiteral("Rb604 RDM/DMX"), QStringLiteral("2.14"));
    m_bus->addForeignDevice(0x046D, 0xC077);
    SimulatedInterface &second = m_bus->addInterface(secondSerial);
    second.setInformationTexts(QStringLiteral("Rb604 Lite"), QStringLiteral("1.07"));
    UsbDevice link(m_bus.get());
    DebugCapture trace;

    QCOMPARE(link.collectDevices(), QStringList({"D:Rb604 RDM/DMX FW:2.14 SN:ABCDEF1",
                                                 "D:Rb604 Lite FW:1.07 SN:KLMNOP2"}));
    QCOMPARE(link.usbDevices().size(), 2);
    QCOMPARE(link.usbDevices().at(1).deviceName, second.deviceName());
    QCOMPARE(link.checkConnection(), -1);
    // One information block read per interface, none for the foreign device.
    QCOMPARE(setupsOf(m_bus->transferLog()), QStringList({"in 1 ffc0 0801 64", "in 1 ffc0 0801 64"}));
    QCOMPARE(trace.count(QStringLiteral("bus: 001")), 1);
    QCOMPARE(trace.count(QStringLiteral("dev->descriptor.idVendor: 46d")), 1);
    QCOMPARE(trace.count(QStringLiteral("dev->descriptor.idProduct: c077")), 1);
    QCOMPARE(trace.count(QStringLiteral("dev->descriptor.bMaxPacketSize0: 40")), 3);
    QCOMPARE(trace.count(QStringLiteral("bus->devices: ") + second.deviceName()), 1);

    m_bus->clearTransferLog();
    QCOMPARE(link.connectDevice(1), 0);
    QCOMPARE(m_bus->transferLog().size(), 1);
    QCOMPARE(m_bus->transferLog().at(0).deviceName, second.deviceName());
    QCOMPARE(link.readSerialNumber(), QByteArray("KLMNOP2"));
}

void UsbDeviceTest::unclaimableDeviceIsSkipped()
{
    m_bus->addInterface(firstSerial);
    m_bus->addInterface(secondSerial).faults().setClaimRefused(true);
    SimulatedInterface &third = m_bus->addInterface(thirdSerial);
    UsbDevice link(m_bus.get());

    const QStringList texts = link.collectDevices();
    QCOMPARE(texts.size(), 2);
    QVERIFY(texts.at(1).endsWith(QStringLiteral(" SN:QRSTUV3")));
    QCOMPARE(link.usbDevices().size(), 2);
    QCOMPARE(link.usbDevices().at(1).deviceName, third.deviceName());

    QCOMPARE(link.connectDevice(1), 0);
    QCOMPARE(link.readSerialNumber(), QByteArray("QRSTUV3"));
}

void UsbDeviceTest::unreadableInformationBlockGivesEmptyLabel()
{
    m_bus->addInterface(firstSerial).faults().setInformationBlockReadable(false);
    m_bus->addInterface(secondSerial).setInformationTexts(QStringLiteral("Rb604"), QStringLiteral("2.0"));
    UsbDevice link(m_bus.get());
    QSignalSpy lost(&link, &UsbDevice::signal_suddenly_disconnected);

    QCOMPARE(link.collectDevices(), QStringList({" SN:ABCDEF1", "D:Rb604 FW:2.0 SN:KLMNOP2"}));
    QCOMPARE(link.usbDevices().size(), 2);
    // The failed read takes the ordinary failure path of a transfer.
    QCOMPARE(lost.count(), 1);
    QCOMPARE(link.checkConnection(), -1);
    QCOMPARE(link.connectDevice(0), 0);
}

void UsbDeviceTest::informationLabel_data()
{
    QTest::addColumn<QByteArray>("fromOffset8");
    QTest::addColumn<QString>("label");

    QByteArray model("Rb604 RDM/DMX", 13);
    const auto withFirmware = [](const QByteArray &modelField, const QByteArray &firmware) {
        QByteArray bytes = modelField.leftJustified(16, '\0', true);
        return bytes + firmware;
    };
    QTest::newRow("model and firmware") << withFirmware(model, "2.14") << "D:Rb604 RDM/DMX FW:2.14";
    QTest::newRow("model starting with a control character")
        << withFirmware("\x01Rb604", "2.14") << "D:??? FW:2.14";
    QTest::newRow("model of four characters") << withFirmware("Rb60", "2.14") << "D:??? FW:2.14";
    QTest::newRow("model of exactly five characters") << withFirmware("Rb604", "2.14") << "D:Rb604 FW:2.14";
    QTest::newRow("model with 0x7E among its first five") << withFirmware("Rb~04", "2.14") << "D:??? FW:2.14";
    QTest::newRow("model with 0x7D among its first five") << withFirmware("Rb}04", "2.14") << "D:Rb}04 FW:2.14";
    QTest::newRow("model checked only in its first five") << withFirmware("Rb604\x7f", "2.14")
                                                          << "D:Rb604\x7f FW:2.14";
    QTest::newRow("firmware of two characters") << withFirmware(model, "2.") << "D:Rb604 RDM/DMX FW:???";
    QTest::newRow("firmware starting with a control character")
        << withFirmware(model, "\x1f" "2.14") << "D:Rb604 RDM/DMX FW:???";
    QTest::newRow("firmware with a byte above 0x7F") << withFirmware(model, "2\xb0" "4") << "D:Rb604 RDM/DMX FW:???";
    QTest::newRow("both unusable") << withFirmware("", "") << "D:??? FW:???";
    QTest::newRow("model without terminator runs into the firmware")
        << withFirmware("ABCDEFGHIJKLMNOP", "2.14") << "D:ABCDEFGHIJKLMNOP2.14 FW:2.14";
    QTest::newRow("firmware without terminator ends with the block")
        << withFirmware(model, QByteArray(40, 'x')) << "D:Rb604 RDM/DMX FW:" + QString(40, QLatin1Char('x'));
}

void UsbDeviceTest::informationLabel()
{
    QFETCH(QByteArray, fromOffset8);
    QFETCH(QString, label);
    SimulatedInterface &unit = m_bus->addInterface(firstSerial);
    QVERIFY(unit.memory().program(informationBlock, informationBlockWith(fromOffset8)));
    UsbDevice link(m_bus.get());
    DebugCapture trace;

    QCOMPARE(link.collectDevices(), QStringList{label + " SN:ABCDEF1"});
    QVERIFY(trace.anyContains(QStringLiteral("\n0x0000: 00 00 00 00 00 00 00 00")));
}

void UsbDeviceTest::collectingClosesTheOpenInterface()
{
    m_bus->addInterface(firstSerial);
    UsbDevice link(m_bus.get());
    link.collectDevices();
    QCOMPARE(link.connectDevice(0), 0);

    QCOMPARE(link.collectDevices().size(), 1);
    QCOMPARE(link.checkConnection(), -1);
    // The interface is free again: the enumeration could claim it and so can a new connection.
    QCOMPARE(link.connectDevice(0), 0);
}

void UsbDeviceTest::identifierCheck_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("announced");
    QTest::addColumn<QString>("traced");

    QTest::newRow("the interface's own identifier") << QByteArray() << 0 << 0 << 0 << "\nrbid: 3c0";
    QTest::newRow("another identifier") << QByteArray("\xc1\x03", 2) << 0 << -1 << 0 << "\nrbid: 3c1";
    QTest::newRow("identifier in the wrong byte order") << QByteArray("\x03\xc0", 2) << 0 << -1 << 0
                                                        << "\nrbid: c003";
    QTest::newRow("one byte only") << QByteArray("\xc0", 1) << 0 << -1 << 0 << "control_receivePrivate( 255";
    QTest::newRow("identifier transfer stalls") << QByteArray() << int(UsbResult::Stall) << -1 << 1
                                                << "dataLength=2 - ERROR.";
    QTest::newRow("identifier transfer times out") << QByteArray() << int(UsbResult::TimedOut) << -1 << 1
                                                   << "dataLength=2 - ERROR.";
}

void UsbDeviceTest::identifierCheck()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, failure);
    QFETCH(int, result);
    QFETCH(int, announced);
    QFETCH(QString, traced);
    SimulatedInterface &unit = m_bus->addInterface(firstSerial);
    UsbDevice link(m_bus.get());
    link.collectDevices();
    unit.faults().setIdentifierAnswer(answer);
    if (failure != 0)
        unit.faults().failTransfer(1, failure);
    QSignalSpy lost(&link, &UsbDevice::signal_suddenly_disconnected);
    DebugCapture trace;
    m_bus->clearTransferLog();

    QCOMPARE(link.connectDevice(0), result);
    QCOMPARE(link.checkConnection(), result);
    QCOMPARE(lost.count(), announced);
    QCOMPARE(setupsOf(m_bus->transferLog()).value(0).left(14), QStringLiteral("in 255 0000 00"));
    QVERIFY2(trace.anyContains(traced), qPrintable(trace.messages().join('|')));
    QCOMPARE(trace.messages().mid(0, 4), QStringList({"USB Connect", "usb_opened ", "usb_set_configuration ",
                                                      "usb_claim_interface "}));
}

void UsbDeviceTest::indexOutsideTheList()
{
    m_bus->addInterface(firstSerial);
    UsbDevice link(m_bus.get());
    link.collectDevices();
    m_bus->clearTransferLog();
    QSignalSpy lost(&link, &UsbDevice::signal_suddenly_disconnected);

    QCOMPARE(link.connectDevice(1), -1);
    QCOMPARE(link.connectDevice(-1), -1);
    QCOMPARE(link.checkConnection(), -1);
    QCOMPARE(lost.count(), 0);
    QVERIFY(m_bus->transferLog().isEmpty());
}

void UsbDeviceTest::receiveRetry_data()
{
    QTest::addColumn<int>("ioErrors");
    QTest::addColumn<int>("otherFailure");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<int>("announced");

    QTest::newRow("49 I/O errors, then the answer") << 49 << 0 << 2 << 50 << 0;
    QTest::newRow("50 I/O errors") << 50 << 0 << -1 << 50 << 1;
    QTest::newRow("a time-out is not repeated") << 0 << int(UsbResult::TimedOut) << -1 << 1 << 1;
    QTest::newRow("a vanished device is not repeated") << 0 << int(UsbResult::NoDevice) << -1 << 1 << 1;
}

void UsbDeviceTest::receiveRetry()
{
    QFETCH(int, ioErrors);
    QFETCH(int, otherFailure);
    QFETCH(int, result);
    QFETCH(int, attempts);
    QFETCH(int, announced);
    SimulatedInterface &unit = m_bus->addInterface(firstSerial);
    UsbDevice link(m_bus.get());
    link.collectDevices();
    QCOMPARE(link.connectDevice(0), 0);
    unit.faults().failReceives(ioErrors);
    if (otherFailure != 0)
        unit.faults().failTransfer(1, otherFailure);
    m_bus->clearTransferLog();
    QSignalSpy lost(&link, &UsbDevice::signal_suddenly_disconnected);
    DebugCapture trace;

    char answer[2] = {};
    QCOMPARE(link.control_receive(255, 0, 0, answer, 2), result);
    QCOMPARE(m_bus->transferLog().size(), attempts);
    QCOMPARE(lost.count(), announced);
    QCOMPARE(link.checkConnection(), result < 0 ? -1 : 0);
    const QString outcome = result < 0 ? QStringLiteral("ERROR") : QStringLiteral("OK");
    QCOMPARE(trace.count("USB Control Receive bRequest=255, wValue=0, wIndex=0, dataLength=2 - " + outcome + "."), 1);
    if (result > 0)
        QCOMPARE(QByteArray(answer, 2).toHex(), QByteArray("c003"));
}

void UsbDeviceTest::transferWithoutInterface()
{
    m_bus->addInterface(firstSerial);
    UsbDevice link(m_bus.get());
    link.collectDevices();
    QSignalSpy lost(&link, &UsbDevice::signal_suddenly_disconnected);
    char data[4] = {1, 2, 3, 4};

    QCOMPARE(link.control_send(9, 0, 0, data, 4), -1);
    QCOMPARE(link.control_receive(10, 0, 0, data, 3), -1);
    QCOMPARE(link.readMemory(data, informationBlock, 4), -1);
    QCOMPARE(link.readSerialNumber(), QByteArray());

    QCOMPARE(link.connectDevice(0), 0);
    link.disconnectDevice();
    QCOMPARE(link.control_send(9, 0, 0, data, 4), -1);
    QCOMPARE(lost.count(), 0);
    QCOMPARE(m_bus->transferLog().size(), 2); // the enumeration read and the identifier
}

void UsbDeviceTest::failedSendDisconnects()
{
    SimulatedInterface &unit = m_bus->addInterface(firstSerial);
    UsbDevice link(m_bus.get());
    link.collectDevices();
    QCOMPARE(link.connectDevice(0), 0);
    unit.faults().failTransfer(1, UsbResult::IoError);
    QSignalSpy lost(&link, &UsbDevice::signal_suddenly_disconnected);
    DebugCapture trace;
    m_bus->clearTransferLog();

    char data[3] = {0x10, 0x00, char(0xC8)};
    QCOMPARE(link.control_send(12, 0, 0, data, 3), -1);
    // Sending is never repeated, not even after an I/O error.
    QCOMPARE(m_bus->transferLog().size(), 1);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(link.checkConnection(), -1);
    QCOMPARE(trace.messages(), QStringList({"UsbDevice::control_send()",
                                            "USB Control Send bRequest=12, wValue=0, wIndex=0, dataLength=3 - ERROR.",
                                            "USB Disconnect"}));
}

void UsbDeviceTest::sendTrace_data()
{
    QTest::addColumn<int>("request");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("line");

    QTest::newRow("no data stage") << 14 << QByteArray() << "USB Control Send bRequest=14, wValue=0, wIndex=0 - OK.";
    QTest::newRow("DMX timing") << 13 << QByteArray::fromHex("58000000080000000000000064000000")
                                << "USB Control Send bRequest=13, wValue=0, wIndex=0, dataLength=16 - OK.";
    QTest::newRow("one DMX level") << 12 << QByteArray::fromHex("1000c8")
                                   << "USB Control Send bRequest=12, wValue=0, wIndex=0, dataLength=3 - OK.";
}

void UsbDeviceTest::sendTrace()
{
    QFETCH(int, request);
    QFETCH(QByteArray, data);
    QFETCH(QString, line);
    m_bus->addInterface(firstSerial);
    UsbDevice link(m_bus.get());
    link.collectDevices();
    QCOMPARE(link.connectDevice(0), 0);
    m_bus->clearTransferLog();
    DebugCapture trace;

    const int sent = link.control_send(quint8(request), 0, 0, data.isEmpty() ? nullptr : data.data(), int(data.size()));
    const QList<TransferRecord> log = m_bus->transferLog();
    QCOMPARE(log.size(), 1);
    QCOMPARE(log.at(0).requestType, quint8(0x40));
    QCOMPARE(log.at(0).data.toHex(), data.toHex());
    QCOMPARE(sent, log.at(0).result);
    QCOMPARE(trace.messages(), QStringList({"UsbDevice::control_send()", line}));
}

void UsbDeviceTest::readMemoryInChunks()
{
    // The second chunk starts exactly at a 64 KiB boundary, so the index field changes.
    constexpr quint32 start = 0x0800F800;
    const QByteArray content = pattern(5000);
    SimulatedInterface &unit = m_bus->addInterface(firstSerial);
    QVERIFY(unit.memory().program(start, content));
    UsbDevice link(m_bus.get());
    link.collectDevices();
    QCOMPARE(link.connectDevice(0), 0);
    m_bus->clearTransferLog();

    QByteArray buffer(5000, '\0');
    QCOMPARE(link.readMemory(buffer.data(), start, 5000), 0);
    const QList<TransferRecord> log = m_bus->transferLog();
    QCOMPARE(setupsOf(log), QStringList({"in 1 f800 0800 2048", "in 1 0000 0801 2048", "in 1 0800 0801 904"}));
    // The interface scrambles each transfer on its own; the link undoes it chunk by chunk.
    QCOMPARE(log.at(1).data.toHex(), scrambled(content.mid(2048, 2048)).toHex());
    QCOMPARE(log.at(2).data.toHex(), scrambled(content.mid(4096)).toHex());
    QCOMPARE(buffer.toHex(), content.toHex());

    m_bus->clearTransferLog();
    QCOMPARE(link.readMemory(buffer.data(), start, 0), 0);
    QVERIFY(m_bus->transferLog().isEmpty());
}

void UsbDeviceTest::shortChunkFailsTheRead()
{
    SimulatedInterface &unit = m_bus->addInterface(firstSerial);
    UsbDevice link(m_bus.get());
    link.collectDevices();
    QCOMPARE(link.connectDevice(0), 0);
    unit.faults().failTransfer(2, 100); // the second transfer answers only 100 bytes
    m_bus->clearTransferLog();
    QSignalSpy lost(&link, &UsbDevice::signal_suddenly_disconnected);

    QByteArray buffer(5000, '\0');
    QCOMPARE(link.readMemory(buffer.data(), 0x08004000, 5000), -1);
    QCOMPARE(m_bus->transferLog().size(), 2);
    // A short answer is not a failed transfer: the interface stays open.
    QCOMPARE(lost.count(), 0);
    QCOMPARE(link.checkConnection(), 0);
}

void UsbDeviceTest::writeMemoryBlock()
{
    constexpr quint32 page = 0x08014400;
    SimulatedInterface &unit = m_bus->addInterface(firstSerial);
    unit.setMode(InterfaceMode::Bootloader); // only the bootloader takes pages
    UsbDevice link(m_bus.get());
    link.collectDevices();
    QCOMPARE(link.connectDevice(0), 0);
    m_bus->clearTransferLog();
    QSignalSpy lost(&link, &UsbDevice::signal_suddenly_disconnected);

    const QByteArray content = pattern(1024);
    QByteArray buffer = content;
    QCOMPARE(link.writeMemoryBlock(buffer.data(), page), 0);
    const QList<TransferRecord> log = m_bus->transferLog();
    QCOMPARE(setupsOf(log), QStringList{"out 3 4400 0801 1024"});
    QCOMPARE(log.at(0).data.toHex(), scrambled(content).toHex());
    QCOMPARE(unit.memory().read(page, 1024).toHex(), content.toHex());

    // The bootloader area refuses pages: a stall, so the link is lost.
    buffer = content;
    QCOMPARE(link.writeMemoryBlock(buffer.data(), 0x08000000), -1);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(link.checkConnection(), -1);
}

void UsbDeviceTest::serialNumber_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QByteArray>("read");

    QTest::newRow("application serial") << "ABCDEF1" << QByteArray("ABCDEF1");
    QTest::newRow("zero code unit ends it") << QStringLiteral("AB") + QChar(0) + QStringLiteral("CD") << QByteArray("AB");
    QTest::newRow("low byte of a wide code unit") << QStringLiteral("AB") + QChar(0x0141) << QByteArray("ABA");
    QTest::newRow("empty serial") << QString() << QByteArray();
    QTest::newRow("longest serial") << QString(126, QLatin1Char('7')) << QByteArray(126, '7');
}

void UsbDeviceTest::serialNumber()
{
    QFETCH(QString, serial);
    QFETCH(QByteArray, read);
    m_bus->addInterface(serial);
    UsbDevice link(m_bus.get());

    QCOMPARE(link.collectDevices().value(0), "D:??? FW:??? SN:" + QString::fromLatin1(read));
    QCOMPARE(link.connectDevice(0), 0);
    QCOMPARE(link.readSerialNumber(), read);
}

void UsbDeviceTest::runApplication()
{
    SimulatedInterface &unit = m_bus->addInterface(firstSerial);
    UsbDevice link(m_bus.get());
    link.collectDevices();
    QCOMPARE(link.connectDevice(0), 0);
    m_bus->clearTransferLog();
    DebugCapture trace;

    link.RunApplication();
    QCOMPARE(setupsOf(m_bus->transferLog()), QStringList{"out 4 0000 0000 0"});
    QCOMPARE(trace.messages().value(0), QStringLiteral("USBRB960::RunApplication(void)"));
    QVERIFY(unit.isRestarting());
}

void UsbDeviceTest::destructorReleasesTheInterface()
{
    m_bus->addInterface(firstSerial);
    DebugCapture trace;
    {
        UsbDevice link(m_bus.get());
        link.collectDevices();
        QCOMPARE(link.connectDevice(0), 0);
        trace.clear();
    }
    QCOMPARE(trace.messages(), QStringList({"UsbDevice destructor", "USB Disconnect"}));
    UsbDevice next(m_bus.get());
    next.collectDevices();
    QCOMPARE(next.connectDevice(0), 0);
    QCOMPARE(trace.count(QStringLiteral("UsbDevice constructor")), 1);
}

void UsbDeviceTest::hexDumpRows_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("rows");

    const QByteArray sixteen = QByteArray::fromHex("001f20417e7f80ff3031323334353637");
    QTest::newRow("one full row") << sixteen
                                  << "\n0x0000: 00 1f 20 41 7e 7f 80 ff 30 31 32 33 34 35 36 37 < .. A~\x7f..01234567 >";
    QTest::newRow("a full row and one byte")
        << sixteen + "Z"
        << "\n0x0000: 00 1f 20 41 7e 7f 80 ff 30 31 32 33 34 35 36 37 < .. A~\x7f..01234567 >"
           "\n0x0010: 5a                                              < Z                >";
    QTest::newRow("five bytes") << QByteArray("Hello")
                                << "\n0x0000: 48 65 6c 6c 6f                                  < Hello            >";
    QTest::newRow("nothing") << QByteArray() << QString();
}

void UsbDeviceTest::hexDumpRows()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, rows);
    const QString address = QString::asprintf("\n src address: 0x%08llx",
            static_cast<unsigned long long>(reinterpret_cast<quintptr>(bytes.constData())));

    const QString dump = hexDump(bytes.constData(), int(bytes.size()));
    QCOMPARE(dump.left(address.size()), address);
    QCOMPARE(dump.mid(address.size()), rows);
}

void UsbDeviceTest::timeLimitsAreReadWhenSwitching()
{
    m_bus->addInterface(firstSerial);
    TimeLimitRecorder recorder(*m_bus);
    setUsbStandardTimeout(5000);
    setUsbDiscoveryTimeout(150000);
    UsbDevice link(&recorder);
    link.collectDevices();
    QCOMPARE(link.connectDevice(0), 0);
    QCOMPARE(recorder.limits, QList<int>({5000, 5000}));

    // Stored values count only from the next switch.
    setUsbStandardTimeout(1234);
    setUsbDiscoveryTimeout(98765);
    link.control_send(7, 0, 0, nullptr, 0);
    QCOMPARE(recorder.limits.last(), 5000);

    QCOMPARE(link.useDiscoveryTimeout(), 98765);
    char record[3] = {};
    link.control_receive(10, 0, 0, record, 3);
    QCOMPARE(recorder.limits.last(), 98765);

    setUsbDiscoveryTimeout(4321);
    QCOMPARE(link.useDiscoveryTimeout(), 4321);
    link.control_send(8, 0, 0, nullptr, 0);
    QCOMPARE(recorder.limits.last(), 4321);

    QCOMPARE(link.useStandardTimeout(), 1234);
    QCOMPARE(link.timeout(), 1234);
    link.control_send(14, 0, 0, nullptr, 0);
    QCOMPARE(recorder.limits.last(), 1234);
    QCOMPARE(recorder.limits.size(), 6);
}

QTEST_GUILESS_MAIN(UsbDeviceTest)
#include "tst_usbdevice.moc"
