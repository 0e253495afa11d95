// The USB link over real libusb-1.0, talking to simulated interfaces that umockdev presents as USB devices.
#include "emulatedusbdevice.h"
#include "settings/settings.h"
#include "simulator/simulatedbackend.h"
#include "usb/libusbbackend.h"
#include "usb/trace.h"
#include "usb/usbdevice.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {

constexpr quint8 identifierRequest = 255;
constexpr int startLimitMs = 60000; // a sanitizer build starts slowly on a busy machine
const QString firstText = QStringLiteral("D:Rb604 RDM/DMX FW:2.14 SN:ABCDEF1");
const QString miniText = QStringLiteral("D:Rb604 Mini FW:2.15 SN:KLMNOP2");

// Two interfaces and a device of another maker on bus 001, in that order.
SimulatedBackend &withTwoInterfaces(SimulatedBackend &bus)
{
    bus.addInterface(QStringLiteral("ABCDEF1")).setInformationTexts(QStringLiteral("Rb604 RDM/DMX"),
                                                                  QStringLiteral("2.14"));
    bus.addInterface(QStringLiteral("KLMNOP2")).setInformationTexts(QStringLiteral("Rb604 Mini"),
                                                                  QStringLiteral("2.15"));
    bus.addForeignDevice(0x046D, 0xC52B);
    return bus;
}

// A simulated bus behind emulated USB devices, and the program's link over libusb to them.
struct Rig
{
    // The transfers of the given requests the interfaces saw, as "device index:value result data".
    QString transfers(const QList<quint8> &requests) const
    {
        QStringList found;
        for (const TransferRecord &record : simulated.transferLog()) {
            if (requests.contains(record.request))
                found << QStringLiteral("%1 %2 %3 %4")
                                 .arg(record.deviceName)
                                 .arg(quint32(record.index) << 16 | record.value, 8, 16, QLatin1Char('0'))
                                 .arg(record.result)
                                 .arg(QString::fromLatin1(record.data.toHex()));
        }
        return found.join(QStringLiteral(" | "));
    }

    SimulatedBackend simulated;
    const std::shared_ptr<void> emulated = emulateBus(withTwoInterfaces(simulated));
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
    void failedTransfer_data();
    void failedTransfer();
    void controllerProcessConnectsAtStart();
};

void LibUsbLinkTest::initTestCase()
{
    QVERIFY2(qEnvironmentVariable("LD_PRELOAD").contains(QStringLiteral("libumockdev-preload")),
             "run under umockdev-wrapper");
    nameSettingsStore();
    // The trace lines are part of what these tests expect.
    enableTrace();
}

void LibUsbLinkTest::failedTransfer_data()
{
    QTest::addColumn<int>("failure"); // of the first transfer; 0: the interface is busy three times
    QTest::addColumn<int>("waitMs");  // how long libusb waits for the answer
    QTest::addColumn<QString>("transfers");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<QStringList>("listedAfter");

    const QString busy = QStringLiteral("003 00000000 -5 ");
    const QString receive = QStringLiteral("USB Control Receive bRequest=255, wValue=0, wIndex=0, dataLength=2 - ");
    QTest::newRow("a busy interface is asked again")
        << 0 << 0 << QStringList({busy, busy, busy, "003 00000000 2 c003"}).join(" | ") << receive + "OK."
        << QStringList({firstText, miniText});
    QTest::newRow("unplugged: libusb sees the device leave")
        << int(UsbResult::NoDevice) << 0 << "003 00000000 -19 " << receive + "ERROR." << QStringList(firstText);
    QTest::newRow("the discovery limit reaches libusb")
        << int(UsbResult::TimedOut) << 600 << "003 00000000 -110 " << receive + "ERROR."
        << QStringList({firstText, miniText});
}

void LibUsbLinkTest::failedTransfer()
{
    QFETCH(int, failure);
    QFETCH(int, waitMs);
    QFETCH(QString, trace);
    setUsbDiscoveryTimeout(600);
    Rig rig;
    // The device of another maker is looked at, not opened.
    QTest::ignoreMessage(QtDebugMsg, "dev->descriptor.idVendor: 46d");
    QTest::ignoreMessage(QtDebugMsg, "dev->descriptor.idProduct: c52b");
    QCOMPARE(rig.link.collectDevices(), QStringList({firstText, miniText}));
    // The second interface: its transfers show the link opened the device it chose.
    QCOMPARE(rig.link.connectDevice(1), 0);
    rig.simulated.clearTransferLog();
    FaultPlan &faults = rig.simulated.interfaceAt(1).faults();
    if (failure == UsbResult::NoDevice)
        faults.unplugAtTransfer(1);
    else if (failure != 0)
        faults.failTransfer(1, failure);
    else
        faults.failReceives(3);
    QSignalSpy disconnected(&rig.link, &UsbDevice::signal_suddenly_disconnected);

    QTest::ignoreMessage(QtDebugMsg, qPrintable(trace));
    rig.link.useDiscoveryTimeout();
    char answer[2] = {};
    QElapsedTimer waited;
    waited.start();
    QCOMPARE(rig.link.control_receive(identifierRequest, 0, 0, answer, 2), failure == 0 ? 2 : -1);
    const qint64 waitedMs = waited.elapsed();
    QVERIFY2(waitedMs >= waitMs - 1 && waitedMs < waitMs + 1000, qPrintable(QString::number(waitedMs)));
    QTEST(rig.transfers({identifierRequest}), "transfers");
    QCOMPARE(disconnected.count(), failure == 0 ? 0 : 1);
    QTEST(rig.link.collectDevices(), "listedAfter");
}

void LibUsbLinkTest::controllerProcessConnectsAtStart()
{
    const Rig rig;

    // Real USB: the program finds the testbed through the environment it inherits.
    QProcess controller;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("RB604_SIMULATOR"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The trace lines without their category names, as searched for below.
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{message}"));
    controller.setProcessEnvironment(environment);
    controller.start(QStringLiteral(ORV_CONTROLLER_PATH), QStringList{QStringLiteral("--trace")});
    QVERIFY2(controller.waitForStarted(startLimitMs), qPrintable(controller.errorString()));

    // The RDM timing (request 11) is the last thing a connection sends.
    const QString rdmTimingSent =
            QStringLiteral("USB Control Send bRequest=11, wValue=0, wIndex=0, dataLength=28 - OK.");
    QString trace;
    QTRY_VERIFY_WITH_TIMEOUT((trace += QString::fromUtf8(controller.readAllStandardError())).contains(rdmTimingSent)
                                 || controller.state() == QProcess::NotRunning,
                             startLimitMs);
    controller.kill();
    QVERIFY(controller.waitForFinished(startLimitMs));
    QVERIFY2(trace.contains(rdmTimingSent), qPrintable(trace));

    // The stored defaults reached the interface: break 88, MAB 8, interslot 0, wait 100 microseconds;
    // then 2800, 5800, 1000000, 1000000, 3000, 176 and 1000000.
    QCOMPARE(rig.transfers({13, 11}),
             QStringLiteral("002 00000000 16 58000000080000000000000064000000 | "
                            "002 00000000 28 f00a0000a816000040420f0040420f00b80b0000b000000040420f00"));
}

QTEST_MAIN(LibUsbLinkTest)
#include "tst_libusblink.moc"
