// The USB link over real libusb-1.0, talking to simulated interfaces that umockdev presents as USB devices.
#include "emulatedusbbus.h"
#include "rdm/rdm.h"
#include "settings/settings.h"
#include "simulator/scenario.h"
#include "simulator/simulatedbackend.h"
#include "usb/bytereader.h"
#include "usb/interfaceids.h"
#include "usb/libusbbackend.h"
#include "usb/usbdevice.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

constexpr quint16 foreignVendor = 0x046D;
constexpr quint16 foreignProduct = 0xC52B;
constexpr quint32 applicationStart = 0x08004000;
constexpr quint8 identifierRequest = 255;
constexpr quint8 readMemoryRequest = 1;
constexpr quint16 deviceInfoPid = 0x0060;

// Two interfaces and a device of another maker on bus 001, in that order.
std::unique_ptr<SimulatedBackend> twoInterfaces()
{
    auto simulated = std::make_unique<SimulatedBackend>();
    simulated->addInterface(QStringLiteral("ABCDEF1")).setInformationTexts(QStringLiteral("Rb604 RDM/DMX"),
                                                                         QStringLiteral("2.14"));
    simulated->addInterface(QStringLiteral("KLMNOP2")).setInformationTexts(QStringLiteral("Rb604 Mini"),
                                                                         QStringLiteral("2.15"));
    simulated->addForeignDevice(foreignVendor, foreignProduct);
    return simulated;
}

// A simulated bus behind emulated USB devices, and the program's link over libusb to them.
struct Rig
{
    explicit Rig(std::unique_ptr<SimulatedBackend> bus) : simulated(std::move(bus)), emulated(*simulated) {}

    SimulatedInterface &unit(int position) { return simulated->interfaceAt(position); }
    // The control transfers the interfaces saw, for one request code.
    QList<TransferRecord> transfersOf(quint8 request) const
    {
        QList<TransferRecord> found;
        for (const TransferRecord &record : simulated->transferLog()) {
            if (record.request == request)
                found.append(record);
        }
        return found;
    }

    std::unique_ptr<SimulatedBackend> simulated;
    EmulatedUsbBus emulated;
    // Declared after the testbed: libusb must find it at initialisation.
    LibUsbBackend libUsb;
    UsbDevice link{&libUsb};
};

// The memory address a request 1 or 3 names: value the low half, index the high half.
QList<quint32> addressesOf(const QList<TransferRecord> &records)
{
    QList<quint32> addresses;
    for (const TransferRecord &record : records)
        addresses.append(quint32(record.index) << 16 | record.value);
    return addresses;
}

QList<int> lengthsOf(const QList<TransferRecord> &records)
{
    QList<int> lengths;
    for (const TransferRecord &record : records)
        lengths.append(int(record.data.size()));
    return lengths;
}

QList<int> resultsOf(const QList<TransferRecord> &records)
{
    QList<int> results;
    for (const TransferRecord &record : records)
        results.append(record.result);
    return results;
}

// Bytes that repeat only every 251 bytes, so a chunk out of place shows.
QByteArray flashContents(int length)
{
    QByteArray bytes;
    for (int i = 0; i < length; ++i)
        bytes.append(char(i % 251));
    return bytes;
}

// The parameter data of a complete E1.20 response packet.
QByteArray parameterDataOf(const QByteArray &responsePacket)
{
    ByteReader reader(responsePacket);
    reader.skip(23);
    const int length = reader.u8();
    const QByteArray data = reader.bytes(length);
    return reader.ok() ? data : QByteArray();
}

// A fault programmed into the interface before the transfer under test.
using Fault = std::function<void(FaultPlan &)>;

// An interface opened, configured and claimed through libusb, closed again when it goes.
class OpenedInterface
{
public:
    OpenedInterface(LibUsbBackend &backend, const UsbDeviceEntry &entry)
        : m_backend(backend), m_handle(backend.open(entry))
    {
        m_ready = m_handle && backend.setConfiguration(m_handle, 1) == 0 && backend.claimInterface(m_handle, 0) == 0;
    }
    ~OpenedInterface()
    {
        if (!m_handle)
            return;
        m_backend.releaseInterface(m_handle, 0);
        m_backend.close(m_handle);
    }
    OpenedInterface(const OpenedInterface &) = delete;
    OpenedInterface &operator=(const OpenedInterface &) = delete;

    bool isReady() const { return m_ready; }
    UsbHandle *handle() const { return m_handle; }

private:
    LibUsbBackend &m_backend;
    UsbHandle *m_handle;
    bool m_ready = false;
};

} // namespace

Q_DECLARE_METATYPE(Fault)

class LibUsbLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void enumeratesInterfacesAndPassesOthers();
    void connectsToTheChosenInterface();
    void skipsAnInterfaceThatCannotBeClaimed();
    void mapsLibUsbResults_data();
    void mapsLibUsbResults();
    void receiveRetries_data();
    void receiveRetries();
    void readsMemoryInChunks();
    void getsDeviceInfoFromDemoResponder();
    void unplugMidRunDisconnects();
    void discoveryLimitReachesLibUsb();
};

void LibUsbLinkTest::initTestCase()
{
    QVERIFY2(EmulatedUsbBus::isEmulationActive(), "run under umockdev-wrapper");
    QCoreApplication::setOrganizationName(QStringLiteral("Orv"));
    QCoreApplication::setApplicationName(QStringLiteral("Orv RDM Controller"));
}

void LibUsbLinkTest::init()
{
    writeDefaultSettings();
}

void LibUsbLinkTest::enumeratesInterfacesAndPassesOthers()
{
    Rig rig(twoInterfaces());
    QCOMPARE(rig.emulated.error(), QString());

    // The device of another maker is looked at, not opened.
    QTest::ignoreMessage(QtDebugMsg, "dev->descriptor.idVendor: 46d");
    QTest::ignoreMessage(QtDebugMsg, "dev->descriptor.idProduct: c52b");
    const QStringList texts = rig.link.collectDevices();
    QCOMPARE(texts, QStringList({QStringLiteral("D:Rb604 RDM/DMX FW:2.14 SN:ABCDEF1"),
                                 QStringLiteral("D:Rb604 Mini FW:2.15 SN:KLMNOP2")}));
    QCOMPARE(rig.link.usbDevices().size(), 2);
    const UsbDeviceEntry &second = rig.link.usbDevices().at(1);
    QCOMPARE(second.busName + QLatin1Char('/') + second.deviceName, QStringLiteral("001/003"));
    QCOMPARE(second.idVendor, interfaceVendorId);
    QCOMPARE(second.idProduct, interfaceProductId);
    QCOMPARE(second.iSerialNumber, quint8(3));
    QCOMPARE(second.bMaxPacketSize0, quint8(64));

    // Each unconfigured interface is configured once; opening it again leaves the configuration alone.
    QCOMPARE(rig.link.connectDevice(1), 0);
    QCOMPARE(rig.emulated.device(0).configurationChanges(), 1);
    QCOMPARE(rig.emulated.device(1).configurationChanges(), 1);
}

void LibUsbLinkTest::connectsToTheChosenInterface()
{
    Rig rig(twoInterfaces());
    QCOMPARE(rig.link.collectDevices().size(), 2);
    rig.simulated->clearTransferLog();

    QCOMPARE(rig.link.connectDevice(1), 0);
    QCOMPARE(rig.link.checkConnection(), 0);
    const QList<TransferRecord> identifiers = rig.transfersOf(identifierRequest);
    QCOMPARE(identifiers.size(), 1);
    QCOMPARE(identifiers.first().deviceName, QStringLiteral("003"));
    QCOMPARE(identifiers.first().data.toHex(), QByteArray("c003"));
    QCOMPARE(rig.link.readSerialNumber(), QByteArray("KLMNOP2"));
}

void LibUsbLinkTest::skipsAnInterfaceThatCannotBeClaimed()
{
    Rig rig(twoInterfaces());
    rig.unit(0).faults().setClaimRefused(true);

    QCOMPARE(rig.link.collectDevices(), QStringList(QStringLiteral("D:Rb604 Mini FW:2.15 SN:KLMNOP2")));
    QCOMPARE(rig.link.usbDevices().size(), 1);
    QCOMPARE(rig.link.usbDevices().first().deviceName, QStringLiteral("003"));
}

void LibUsbLinkTest::mapsLibUsbResults_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("result");

    QTest::newRow("answer is its byte count") << Fault([](FaultPlan &) {}) << 2;
    QTest::newRow("I/O error is -5, which the receive retries")
        << Fault([](FaultPlan &faults) { faults.failTransfer(1, UsbResult::IoError); })
        << -5;
    QTest::newRow("stall is -32")
        << Fault([](FaultPlan &faults) { faults.failTransfer(1, UsbResult::Stall); })
        << -32;
    QTest::newRow("no answer within the limit is -110")
        << Fault([](FaultPlan &faults) { faults.failTransfer(1, UsbResult::TimedOut); })
        << -110;
    QTest::newRow("unplugged device is -19")
        << Fault([](FaultPlan &faults) { faults.unplugAtTransfer(1); }) << -19;
}

void LibUsbLinkTest::mapsLibUsbResults()
{
    QFETCH(Fault, fault);
    QFETCH(int, result);

    Rig rig(twoInterfaces());
    const QList<UsbDeviceEntry> entries = rig.libUsb.devices();
    QCOMPARE(entries.size(), 3);
    const OpenedInterface opened(rig.libUsb, entries.first());
    QVERIFY(opened.isReady());

    fault(rig.unit(0).faults());
    char answer[2] = {};
    QCOMPARE(rig.libUsb.controlTransfer(opened.handle(), 0xC0, identifierRequest, 0, 0, answer, 2, 100), result);
}

void LibUsbLinkTest::receiveRetries_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("received");
    QTest::addColumn<QList<int>>("results");

    QTest::newRow("busy interface answers once it is ready")
        << Fault([](FaultPlan &faults) { faults.failReceives(3); }) << 2
        << QList<int>({-5, -5, -5, 2});
    QTest::newRow("busy past the retry budget fails")
        << Fault([](FaultPlan &faults) { faults.failReceives(50); }) << -1
        << QList<int>(50, -5);
    QTest::newRow("stall is not retried")
        << Fault([](FaultPlan &faults) { faults.failTransfer(1, UsbResult::Stall); })
        << -1 << QList<int>({-32});
}

void LibUsbLinkTest::receiveRetries()
{
    QFETCH(Fault, fault);
    QFETCH(int, received);
    QFETCH(QList<int>, results);

    Rig rig(twoInterfaces());
    rig.link.collectDevices();
    QCOMPARE(rig.link.connectDevice(0), 0);
    rig.simulated->clearTransferLog();
    QSignalSpy disconnected(&rig.link, &UsbDevice::signal_suddenly_disconnected);

    fault(rig.unit(0).faults());
    if (received < 0)
        QTest::ignoreMessage(QtDebugMsg, "USB Control Receive bRequest=255, wValue=0, wIndex=0, dataLength=2 - ERROR.");
    char answer[2] = {};
    QCOMPARE(rig.link.control_receive(identifierRequest, 0, 0, answer, 2), received);
    QCOMPARE(resultsOf(rig.transfersOf(identifierRequest)), results);
    QCOMPARE(disconnected.count(), received < 0 ? 1 : 0);
    QCOMPARE(rig.link.checkConnection(), received < 0 ? -1 : 0);
}

void LibUsbLinkTest::readsMemoryInChunks()
{
    Rig rig(twoInterfaces());
    const QByteArray flash = flashContents(5000);
    QVERIFY(rig.unit(1).memory().program(applicationStart, flash));
    rig.link.collectDevices();
    QCOMPARE(rig.link.connectDevice(1), 0);
    rig.simulated->clearTransferLog();

    QByteArray buffer(5000, '\0');
    QCOMPARE(rig.link.readMemory(buffer.data(), applicationStart, 5000), 0);
    QCOMPARE(buffer, flash);
    const QList<TransferRecord> reads = rig.transfersOf(readMemoryRequest);
    QCOMPARE(addressesOf(reads), QList<quint32>({applicationStart, applicationStart + 2048, applicationStart + 4096}));
    QCOMPARE(lengthsOf(reads), QList<int>({2048, 2048, 904}));
}

void LibUsbLinkTest::getsDeviceInfoFromDemoResponder()
{
    QString error;
    std::unique_ptr<SimulatedBackend> demo = loadScenario(QStringLiteral("demo"), &error);
    QVERIFY2(demo, qPrintable(error));
    QVERIFY(!demo->interfaceAt(0).line().responders().isEmpty());
    const quint64 uid = demo->interfaceAt(0).line().responders().first()->uid();
    Rig rig(std::move(demo));
    QCOMPARE(rig.link.collectDevices().size(), 1);
    QCOMPARE(rig.link.connectDevice(0), 0);
    QTextEdit log;
    RDM rdm(&rig.link, &log);
    rig.unit(0).line().clearTraffic();

    QCOMPARE(rdm.rdmGet(uid, deviceInfoPid, 0, nullptr, 0), 0);
    // The request went through libusb to the line unchanged, and the responder's answer came back.
    const QList<LineTraffic> traffic = rig.unit(0).line().traffic();
    QCOMPARE(traffic.size(), 1);
    QCOMPARE(rig.transfersOf(9).last().data.toHex(), traffic.first().packet.toHex());
    const QByteArray deviceInfo = parameterDataOf(traffic.first().answer);
    QCOMPARE(deviceInfo.size(), 19);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(rdm.responseData()), rdm.responseLength()).toHex(),
             deviceInfo.toHex());
    QCOMPARE(deviceInfo.left(2).toHex(), QByteArray("0100")); // RDM protocol version 1.0
}

void LibUsbLinkTest::unplugMidRunDisconnects()
{
    Rig rig(twoInterfaces());
    rig.link.collectDevices();
    QCOMPARE(rig.link.connectDevice(0), 0);
    QSignalSpy disconnected(&rig.link, &UsbDevice::signal_suddenly_disconnected);

    // The cable is pulled during the second chunk of a memory read.
    rig.unit(0).faults().unplugAtTransfer(2);
    QTest::ignoreMessage(QtDebugMsg,
                         "USB Control Receive bRequest=1, wValue=18432, wIndex=2048, dataLength=2048 - ERROR.");
    QByteArray buffer(5000, '\0');
    QCOMPARE(rig.link.readMemory(buffer.data(), applicationStart, 5000), -1);
    QCOMPARE(disconnected.count(), 1);
    QCOMPARE(rig.link.checkConnection(), -1);
    QVERIFY(!rig.emulated.device(0).isPresent());

    // libusb has seen the device leave: the next enumeration lists only the other interface.
    QCOMPARE(rig.link.collectDevices(), QStringList(QStringLiteral("D:Rb604 Mini FW:2.15 SN:KLMNOP2")));
}

void LibUsbLinkTest::discoveryLimitReachesLibUsb()
{
    constexpr int standardLimit = 150;
    constexpr int discoveryLimit = 600;
    setUsbStandardTimeout(standardLimit);
    setUsbDiscoveryTimeout(discoveryLimit);
    Rig rig(twoInterfaces());
    rig.link.collectDevices();
    QCOMPARE(rig.link.connectDevice(0), 0);
    QTextEdit log;
    RDM rdm(&rig.link, &log);

    // The interface takes request 8 and then never answers the response read.
    rig.unit(0).faults().failTransfer(2, UsbResult::TimedOut);
    QElapsedTimer discovery;
    discovery.start();
    QCOMPARE(rdm.additionalDiscovery(), -2);
    const qint64 discoveryWait = discovery.elapsed();
    QVERIFY2(discoveryWait >= discoveryLimit - 1 && discoveryWait < discoveryLimit + 1000,
             qPrintable(QString::number(discoveryWait)));

    // After the discovery the standard limit holds again.
    QCOMPARE(rig.link.connectDevice(0), 0);
    rig.unit(0).faults().failTransfer(1, UsbResult::TimedOut);
    QElapsedTimer request;
    request.start();
    QCOMPARE(rdm.rdmGet(0x123456789ABCULL, deviceInfoPid, 0, nullptr, 0), -1);
    const qint64 requestWait = request.elapsed();
    QVERIFY2(requestWait >= standardLimit - 1 && requestWait < discoveryLimit,
             qPrintable(QString::number(requestWait)));
}

QTEST_MAIN(LibUsbLinkTest)
#include "tst_libusblink.moc"
