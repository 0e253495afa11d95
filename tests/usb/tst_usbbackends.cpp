// The libusb-1.0 backend's result codes and robustness, and the choice of backend at start.
#include "simulator/simulatedbackend.h"
#include "usb/libusbbackend.h"
#include "usb/usbbackendselection.h"

#include <QFile>
#include <QtTest>
#include <libusb.h>

namespace {

// A handle that no libusb call ever produced.
class StrayHandle : public UsbHandle
{
};

} // namespace

class UsbBackendsTest : public QObject
{
    Q_OBJECT

private slots:
    void libUsbCodes_data();
    void libUsbCodes();
    void libUsbRefusesWhatItDidNotOpen();
    void choice_data();
    void choice();
};

void UsbBackendsTest::libUsbCodes_data()
{
    QTest::addColumn<int>("libUsbResult");
    QTest::addColumn<int>("linkResult");

    QTest::newRow("byte count") << 64 << 64;
    QTest::newRow("nothing moved") << 0 << 0;
    // The receive retry counts on exactly -5.
    QTest::newRow("I/O error is retried as -5") << int(LIBUSB_ERROR_IO) << -5;
    QTest::newRow("time-out") << int(LIBUSB_ERROR_TIMEOUT) << -110;
    QTest::newRow("device gone") << int(LIBUSB_ERROR_NO_DEVICE) << -19;
    QTest::newRow("stall") << int(LIBUSB_ERROR_PIPE) << -32;
    QTest::newRow("invalid parameter") << int(LIBUSB_ERROR_INVALID_PARAM) << -22;
    QTest::newRow("access denied") << int(LIBUSB_ERROR_ACCESS) << -13;
    QTest::newRow("not found") << int(LIBUSB_ERROR_NOT_FOUND) << -2;
    QTest::newRow("busy") << int(LIBUSB_ERROR_BUSY) << -16;
    QTest::newRow("overflow") << int(LIBUSB_ERROR_OVERFLOW) << -75;
    QTest::newRow("interrupted") << int(LIBUSB_ERROR_INTERRUPTED) << -4;
    QTest::newRow("no memory") << int(LIBUSB_ERROR_NO_MEM) << -12;
    QTest::newRow("not supported") << int(LIBUSB_ERROR_NOT_SUPPORTED) << -95;
    QTest::newRow("other error") << int(LIBUSB_ERROR_OTHER) << -71;
    QTest::newRow("unknown code") << -55 << -71;
}

void UsbBackendsTest::libUsbCodes()
{
    QFETCH(int, libUsbResult);
    QFETCH(int, linkResult);
    QCOMPARE(libUsbResultToErrno(libUsbResult), linkResult);
}

void UsbBackendsTest::libUsbRefusesWhatItDidNotOpen()
{
    LibUsbBackend backend;
    UsbDeviceEntry neverEnumerated;
    neverEnumerated.key = 0x0163;
    QCOMPARE(backend.open(neverEnumerated), nullptr);

    StrayHandle stray;
    char buffer[8] = {};
    QCOMPARE(backend.setConfiguration(&stray, 1), -19);
    QCOMPARE(backend.claimInterface(&stray, 0), -19);
    QCOMPARE(backend.releaseInterface(&stray, 0), -19);
    QCOMPARE(backend.controlTransfer(&stray, 0xC0, 255, 0, 0, buffer, 2, 100), -19);
    QCOMPARE(backend.stringDescriptor(&stray, 3, buffer, 8), -19);
}

void UsbBackendsTest::choice_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QByteArray>("fileContent");
    QTest::addColumn<bool>("simulated");
    QTest::addColumn<int>("interfaces");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("errorStart");

    QTest::newRow("unset: real USB") << QString() << QByteArray() << false << 0 << "USB backend: libusb-1.0"
                                     << QString();
    QTest::newRow("built-in demo") << "demo" << QByteArray() << true << 1
                                   << "USB backend: simulated interface, scenario demo" << QString();
    QTest::newRow("scenario file") << "rig.json" << QByteArray(R"({"interfaces": [{"serial": "ABCDEF1"}, {"serial": "KLMNOP2"}]})")
                                   << true << 2 << "USB backend: simulated interface, scenario rig.json" << QString();
    QTest::newRow("missing scenario file") << "missing.json" << QByteArray() << true << 0
                                           << "USB backend: simulated bus without an interface"
                                           << "Cannot load the simulator scenario \"missing.json\": ";
    QTest::newRow("malformed scenario file") << "broken.json" << QByteArray("{\"interfaces\": [") << true << 0
                                             << "USB backend: simulated bus without an interface"
                                             << "Cannot load the simulator scenario \"broken.json\": ";
}

void UsbBackendsTest::choice()
{
    QFETCH(QString, setting);
    QFETCH(QByteArray, fileContent);
    QFETCH(bool, simulated);
    QFETCH(int, interfaces);
    QFETCH(QString, description);
    QFETCH(QString, errorStart);
    if (!fileContent.isEmpty()) {
        QFile file(setting);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fileContent);
    }

    const UsbBackendChoice choice = chooseUsbBackend(setting);
    QVERIFY(choice.backend);
    auto *bus = dynamic_cast<SimulatedBackend *>(choice.backend.get());
    QCOMPARE(bus != nullptr, simulated);
    if (bus)
        QCOMPARE(bus->devices().size(), interfaces);
    else
        QVERIFY(dynamic_cast<LibUsbBackend *>(choice.backend.get()));
    QVERIFY2(choice.description.startsWith(description), qPrintable(choice.description));
    QCOMPARE(choice.error.left(errorStart.size()), errorStart);
    if (!errorStart.isEmpty())
        QVERIFY(choice.error.endsWith(QStringLiteral(". Continuing without an interface.")));
}

QTEST_GUILESS_MAIN(UsbBackendsTest)
#include "tst_usbbackends.moc"
