// The USB link over real libusb-1.0, talking to simulated interfaces that umockdev presents as USB devices.
#include "emulatedusbdevice.h"
#include "rdm/rdm.h"
#include "settings/settings.h"
#include "simulator/scenario.h"
#include "simulator/simulatedbackend.h"
#include "usb/bytereader.h"
#include "usb/libusbbackend.h"
#include "usb/trace.h"
#include "usb/usbdevice.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>
#include <memory>

namespace {

constexpr quint32 applicationStart = 0x08004000;
constexpr quint8 identifierRequest = 255;
constexpr quint16 deviceInfoPid = 0x0060;
const QString miniText = QStringLiteral("D:Rb604 Mini FW:2.15 SN:KLMNOP2");

// Two interfaces and a device of another maker on bus 001, in that order.
std::unique_ptr<SimulatedBackend> twoInterfaces()
{
    auto simulated = std::make_unique<SimulatedBackend>();
    simulated->addInterface(QStringLiteral("ABCDEF1")).setInformationTexts(QStringLiteral("Rb604 RDM/DMX"),
                                                                         QStringLiteral("2.14"));
    simulated->addInterface(QStringLiteral("KLMNOP2")).setInformationTexts(QStringLiteral("Rb604 Mini"),
                                                                         QStringLiteral("2.15"));
    simulated->addForeignDevice(0x046D, 0xC52B);
    return simulated;
}

// A simulated bus behind emulated USB devices, and the program's link over libusb to them.
struct Rig
{
    explicit Rig(std::unique_ptr<SimulatedBackend> bus = twoInterfaces())
        : simulated(std::move(bus)), emulated(EmulatedUsbDevice::emulateBus(*simulated))
    {
    }

    // Enumerates, connects to the interface at `position` and starts a fresh transfer log.
    int connect(int position)
    {
        link.collectDevices();
        const int result = link.connectDevice(position);
        simulated->clearTransferLog();
        return result;
    }
    FaultPlan &faults() { return simulated->interfaceAt(0).faults(); }
    // The transfers of one request the interfaces saw, each as "device index:value result".
    QStringList transfers(quint8 request) const
    {
        QStringList found;
        for (const TransferRecord &record : simulated->transferLog()) {
            if (record.request == request)
                found.append(QStringLiteral("%1 %2 %3")
                                     .arg(record.deviceName)
                                     .arg(quint32(record.index) << 16 | record.value, 8, 16, QLatin1Char('0'))
                                     .arg(record.result));
        }
        return found;
    }

    std::unique_ptr<SimulatedBackend> simulated;
    EmulatedUsbBus emulated;
    // Declared after the testbed: libusb must find it at initialisation.
    LibUsbBackend libUsb;
    UsbDevice link{&libUsb};
};

} // namespace

class LibUsbLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { writeDefaultSettings(); }
    void enumeratesAndConnects();
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
    QVERIFY2(EmulatedUsbDevice::isEmulationActive(), "run under umockdev-wrapper");
    nameSettingsStore();
    // The trace lines are part of what these tests expect.
    enableTrace();
}

void LibUsbLinkTest::enumeratesAndConnects()
{
    Rig rig;
    // The device of another maker is looked at, not opened.
    QTest::ignoreMessage(QtDebugMsg, "dev->descriptor.idVendor: 46d");
    QTest::ignoreMessage(QtDebugMsg, "dev->descriptor.idProduct: c52b");
    QCOMPARE(rig.link.collectDevices(), QStringList({QStringLiteral("D:Rb604 RDM/DMX FW:2.14 SN:ABCDEF1"), miniText}));

    // Connecting identifies the chosen interface.
    rig.simulated->clearTransferLog();
    QCOMPARE(rig.link.connectDevice(1), 0);
    QCOMPARE(rig.transfers(identifierRequest), QStringList(QStringLiteral("003 00000000 2")));
    QCOMPARE(rig.link.checkConnection(), 0);
    QCOMPARE(rig.link.readSerialNumber(), QByteArray("KLMNOP2"));
}

void LibUsbLinkTest::mapsLibUsbResults_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("result");

    QTest::newRow("answer is its byte count") << 0 << 2;
    QTest::newRow("I/O error is -5, which the receive retries") << int(UsbResult::IoError) << -5;
    QTest::newRow("stall is -32") << int(UsbResult::Stall) << -32;
    QTest::newRow("no answer within the limit is -110") << int(UsbResult::TimedOut) << -110;
    QTest::newRow("unplugged device is -19") << int(UsbResult::NoDevice) << -19;
}

void LibUsbLinkTest::mapsLibUsbResults()
{
    QFETCH(int, failure);
    Rig rig;
    const auto close = [&rig](UsbHandle *handle) { rig.libUsb.close(handle); };
    const std::unique_ptr<UsbHandle, decltype(close)> handle(rig.libUsb.open(rig.libUsb.devices().value(0)), close);
    QVERIFY(handle && rig.libUsb.setConfiguration(handle.get(), 1) == 0
            && rig.libUsb.claimInterface(handle.get(), 0) == 0);

    if (failure != 0)
        rig.faults().failTransfer(1, failure);
    char answer[2] = {};
    QTEST(rig.libUsb.controlTransfer(handle.get(), 0xC0, identifierRequest, 0, 0, answer, 2, 100), "result");
}

void LibUsbLinkTest::receiveRetries_data()
{
    QTest::addColumn<int>("busyReceives");
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("received");
    QTest::addColumn<QStringList>("transfers");

    const QString busy = QStringLiteral("002 00000000 -5");
    QTest::newRow("busy interface answers within the retry budget")
        << 3 << 0 << 2 << QStringList({busy, busy, busy, QStringLiteral("002 00000000 2")});
    QTest::newRow("stall is not retried") << 0 << int(UsbResult::Stall) << -1
                                          << QStringList(QStringLiteral("002 00000000 -32"));
}

void LibUsbLinkTest::receiveRetries()
{
    QFETCH(int, busyReceives);
    QFETCH(int, failure);
    QFETCH(int, received);
    Rig rig;
    QCOMPARE(rig.connect(0), 0);
    QSignalSpy disconnected(&rig.link, &UsbDevice::signal_suddenly_disconnected);

    rig.faults().failReceives(busyReceives);
    if (failure != 0)
        rig.faults().failTransfer(1, failure);
    if (received < 0)
        QTest::ignoreMessage(QtDebugMsg, "USB Control Receive bRequest=255, wValue=0, wIndex=0, dataLength=2 - ERROR.");
    char answer[2] = {};
    QCOMPARE(rig.link.control_receive(identifierRequest, 0, 0, answer, 2), received);
    QTEST(rig.transfers(identifierRequest), "transfers");
    QCOMPARE(disconnected.count(), received < 0 ? 1 : 0);
    QCOMPARE(rig.link.checkConnection(), received < 0 ? -1 : 0);
}

void LibUsbLinkTest::readsMemoryInChunks()
{
    Rig rig;
    // Bytes that repeat only every 251 bytes, so a chunk out of place shows.
    QByteArray flash;
    for (int i = 0; i < 5000; ++i)
        flash.append(char(i % 251));
    QVERIFY(rig.simulated->interfaceAt(1).memory().program(applicationStart, flash));
    QCOMPARE(rig.connect(1), 0);

    QByteArray buffer(5000, '\0');
    QCOMPARE(rig.link.readMemory(buffer.data(), applicationStart, 5000), 0);
    QCOMPARE(buffer, flash);
    QCOMPARE(rig.transfers(1), QStringList({QStringLiteral("003 08004000 2048"), QStringLiteral("003 08004800 2048"),
                                            QStringLiteral("003 08005000 904")}));
}

void LibUsbLinkTest::getsDeviceInfoFromDemoResponder()
{
    QString error;
    std::unique_ptr<SimulatedBackend> demo = loadScenario(QStringLiteral("demo"), &error);
    QVERIFY2(demo && !demo->interfaceAt(0).line().responders().isEmpty(), qPrintable(error));
    const quint64 uid = demo->interfaceAt(0).line().responders().first()->uid();
    Rig rig(std::move(demo));
    QCOMPARE(rig.connect(0), 0);
    QTextEdit log;
    RDM rdm(&rig.link, &log);
    SimulatedLine &line = rig.simulated->interfaceAt(0).line();
    line.clearTraffic();

    QCOMPARE(rdm.rdmGet(uid, deviceInfoPid, 0, nullptr, 0), 0);
    // The request went through libusb to the line unchanged, and the responder's answer came back.
    const QList<LineTraffic> traffic = line.traffic();
    QCOMPARE(traffic.size(), 1);
    QByteArray sent;
    for (const TransferRecord &record : rig.simulated->transferLog()) {
        if (record.request == 9)
            sent = record.data;
    }
    QCOMPARE(sent.toHex(), traffic.first().packet.toHex());
    ByteReader answer(traffic.first().answer);
    answer.skip(23);
    const QByteArray deviceInfo = answer.bytes(answer.u8());
    QCOMPARE(deviceInfo.size(), 19);
    QCOMPARE(deviceInfo.left(2).toHex(), QByteArray("0100")); // RDM protocol version 1.0
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(rdm.responseData()), rdm.responseLength()).toHex(),
             deviceInfo.toHex());
}

void LibUsbLinkTest::unplugMidRunDisconnects()
{
    Rig rig;
    QCOMPARE(rig.connect(0), 0);
    QSignalSpy disconnected(&rig.link, &UsbDevice::signal_suddenly_disconnected);

    // The cable is pulled during the second chunk of a memory read.
    rig.faults().unplugAtTransfer(2);
    QTest::ignoreMessage(QtDebugMsg,
                         "USB Control Receive bRequest=1, wValue=18432, wIndex=2048, dataLength=2048 - ERROR.");
    QByteArray buffer(5000, '\0');
    QCOMPARE(rig.link.readMemory(buffer.data(), applicationStart, 5000), -1);
    QCOMPARE(disconnected.count(), 1);
    QCOMPARE(rig.link.checkConnection(), -1);
    // libusb has seen the device leave: the next enumeration lists only the other interface.
    QCOMPARE(rig.link.collectDevices(), QStringList(miniText));
}

void LibUsbLinkTest::discoveryLimitReachesLibUsb()
{
    constexpr int standardLimit = 150;
    constexpr int discoveryLimit = 600;
    setUsbStandardTimeout(standardLimit);
    setUsbDiscoveryTimeout(discoveryLimit);
    Rig rig;
    QCOMPARE(rig.connect(0), 0);
    QTextEdit log;
    RDM rdm(&rig.link, &log);

    // The interface takes request 8 and then never answers the response read.
    rig.faults().failTransfer(2, UsbResult::TimedOut);
    QElapsedTimer discovery;
    discovery.start();
    QCOMPARE(rdm.additionalDiscovery(), -2);
    const qint64 discoveryWait = discovery.elapsed();
    QVERIFY2(discoveryWait >= discoveryLimit - 1 && discoveryWait < discoveryLimit + 1000,
             qPrintable(QString::number(discoveryWait)));

    // After the discovery the standard limit holds again.
    QCOMPARE(rig.link.connectDevice(0), 0);
    rig.faults().failTransfer(1, UsbResult::TimedOut);
    QElapsedTimer request;
    request.start();
    QCOMPARE(rdm.rdmGet(0x123456789ABCULL, deviceInfoPid, 0, nullptr, 0), -1);
    const qint64 requestWait = request.elapsed();
    QVERIFY2(requestWait >= standardLimit - 1 && requestWait < discoveryLimit,
             qPrintable(QString::number(requestWait)));
}

QTEST_MAIN(LibUsbLinkTest)
#include "tst_libusblink.moc"
