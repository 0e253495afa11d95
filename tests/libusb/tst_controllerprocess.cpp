// The real program, started as its own process on real USB, finds an emulated interface and sets it up.
#include "emulatedusbdevice.h"
#include "simulator/simulatedbackend.h"

#include <QProcess>
#include <QtTest>

namespace {

constexpr int startLimitMs = 60000; // a sanitizer build starts slowly on a busy machine
constexpr int endLimitMs = 10000;

QByteArray dataOf(const QList<TransferRecord> &log, quint8 request)
{
    for (const TransferRecord &record : log) {
        if (record.request == request)
            return record.data;
    }
    return QByteArray();
}

} // namespace

class ControllerProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void connectsAtStartAndSendsTiming();
};

void ControllerProcessTest::connectsAtStartAndSendsTiming()
{
    QVERIFY2(EmulatedUsbDevice::isEmulationActive(), "run under umockdev-wrapper");
    SimulatedBackend simulated;
    simulated.addInterface(QStringLiteral("ABCDEF1")).setInformationTexts(QStringLiteral("Rb604 RDM/DMX"),
                                                                        QStringLiteral("2.14"));
    const EmulatedUsbBus emulated = EmulatedUsbDevice::emulateBus(simulated);

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
    const QString rdmTimingSent = QStringLiteral("USB Control Send bRequest=11, wValue=0, wIndex=0, dataLength=28 - OK.");
    QString trace;
    QTRY_VERIFY_WITH_TIMEOUT((trace += QString::fromUtf8(controller.readAllStandardError())).contains(rdmTimingSent)
                                 || controller.state() == QProcess::NotRunning,
                             startLimitMs);
    controller.kill();
    QVERIFY(controller.waitForFinished(endLimitMs));
    QVERIFY2(trace.contains(rdmTimingSent), qPrintable(trace));

    // The stored defaults reached the interface: break 88, MAB 8, interslot 0, wait 100 microseconds;
    // then 2800, 5800, 1000000, 1000000, 3000, 176 and 1000000.
    const QList<TransferRecord> log = simulated.transferLog();
    QCOMPARE(dataOf(log, 13).toHex(), QByteArray("58000000080000000000000064000000"));
    QCOMPARE(dataOf(log, 11).toHex(), QByteArray("f00a0000a816000040420f0040420f00b80b0000b000000040420f00"));
}

QTEST_GUILESS_MAIN(ControllerProcessTest)
#include "tst_controllerprocess.moc"
