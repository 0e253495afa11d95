// The USB link over real libusb-1.0, talking to simulated interfaces that umockdev presents as USB devices.
#include "emulatedusbdevice.h"
#include "rdm/logpanel.h"
#include "rdm/rdm.h"
#include "settings/settings.h"
#include "simulator/simulatedbackend.h"
#include "usb/libusbbackend.h"
#include "usb/trace.h"
#include "usb/usbdevice.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {

constexpr quint32 applicationStart = 0x08004000;
constexpr quint8 identifierRequest = 255;
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
    Rig() : simulated(twoInterfaces()), emulated(EmulatedUsbDevice::emulateBus(*simulated)) {}

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
    void busyInterfaceIsAskedAgain();
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

void LibUsbLinkTest::busyInterfaceIsAskedAgain()
{
    Rig rig;
    QCOMPARE(rig.connect(0), 0);
    rig.faults().failReceives(3);
    char answer[2] = {};
    QCOMPARE(rig.link.control_receive(identifierRequest, 0, 0, answer, 2), 2);
    const QString busy = QStringLiteral("002 00000000 -5");
    QCOMPARE(rig.transfers(identifierRequest), QStringList({busy, busy, busy, QStringLiteral("002 00000000 2")}));
    QCOMPARE(rig.link.checkConnection(), 0);
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
    LogPanel log;
    RDM rdm(&rig.link, &log);

    // The interface takes request 8 and then never answers the response read.
    rig.faults().failTransfer(2, UsbResult::TimedOut);
    QElapsedTimer discovery;
    discovery.start();
    QCOMPARE(rdm.additionalDiscovery(), -2);
    const qint64 discoveryWait = discovery.elapsed();
    QVERIFY2(discoveryWait >= discoveryLimit - 1 && discoveryWait < discoveryLimit + 1000,
             qPrintable(QString::number(discoveryWait)));
}

QTEST_MAIN(LibUsbLinkTest)
#include "tst_libusblink.moc"
