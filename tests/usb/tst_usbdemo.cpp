// The process's own backend on the built-in demo rig: a whole connection as its trace shows it, then an unplug.
#include "debugcapture.h"
#include "settings/settings.h"
#include "simulator/simulatedbackend.h"
#include "usb/usbdevice.h"

#include <QSignalSpy>
#include <QtTest>

class UsbDemoTest : public QObject
{
    Q_OBJECT

private slots:
    void connectionAndUnplug();
};

void UsbDemoTest::connectionAndUnplug()
{
    qputenv("RB604_SIMULATOR", "demo"); // read once, at the first use of the process's backend
    QCoreApplication::setOrganizationName(QStringLiteral("Orv"));
    QCoreApplication::setApplicationName(QStringLiteral("Orv RDM Controller"));
    writeDefaultSettings();
    DebugCapture trace;
    UsbDevice link;
    auto *bus = dynamic_cast<SimulatedBackend *>(UsbDevice::processUsbBackend());
    QVERIFY(bus && bus == UsbDevice::processUsbBackend());

    QCOMPARE(link.collectDevices(), QStringList{"D:Rb604 RDM/DMX FW:2.14 SN:ABCDEF1"});
    QCOMPARE(link.connectDevice(0), 0);
    QByteArray dmxTiming = QByteArray::fromHex("58000000080000000000000064000000");
    QCOMPARE(link.control_send(13, 0, 0, dmxTiming.data(), int(dmxTiming.size())), 16);
    QCOMPARE(link.readSerialNumber(), QByteArray("ABCDEF1"));

    QStringList linkTrace = trace.messages();
    QVERIFY(linkTrace.value(10).startsWith(QStringLiteral("\"\n src address: 0x")));
    linkTrace[10] = QStringLiteral("(information block dump)");
    QCOMPARE(linkTrace, QStringList({
        "USB backend: simulated interface, scenario demo",
        "UsbDevice constructor",
        "USB Collect Devices",
        "bus: 001",
        "bus->devices: " + bus->interfaceAt(0).deviceName(),
        "dev->descriptor.idVendor: 1209",
        "dev->descriptor.idProduct: 1",
        "dev->descriptor.iSerialNumber: 3",
        "dev->descriptor.bMaxPacketSize0: 40",
        "USB Control Receive bRequest=1, wValue=65472, wIndex=2049, dataLength=64 - OK.",
        "(information block dump)",
        "USB Connect",
        "usb_opened ",
        "usb_set_configuration ",
        "usb_claim_interface ",
        "USB Control Receive bRequest=255, wValue=0, wIndex=0, dataLength=2 - OK.",
        QStringLiteral("control_receivePrivate( 255, 0, 0, ") + QChar(0xC0) + QChar(0x03) + ", 2 )",
        "\nrbid: 3c0",
        "\nUSB_RB417_ID: 3c0",
        "UsbDevice::control_send()",
        "USB Control Send bRequest=13, wValue=0, wIndex=0, dataLength=16 - OK.",
    }));

    QSignalSpy lost(&link, &UsbDevice::signal_suddenly_disconnected);
    bus->interfaceAt(0).unplug();
    trace.clear();
    char record[3] = {};
    QCOMPARE(link.control_receive(10, 0, 0, record, 3), -1);
    QCOMPARE(trace.messages(), QStringList({"USB Control Receive bRequest=10, wValue=0, wIndex=0, dataLength=3 - ERROR.",
                                              "USB Disconnect"}));
    // Disconnected: later transfers fail at once, without announcing the loss again.
    QCOMPARE(link.control_send(14, 0, 0, nullptr, 0), -1);
    QCOMPARE(link.control_receive(10, 0, 0, record, 3), -1);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(link.checkConnection(), -1);
    QVERIFY(link.collectDevices().isEmpty());
}

QTEST_GUILESS_MAIN(UsbDemoTest)
#include "tst_usbdemo.moc"
