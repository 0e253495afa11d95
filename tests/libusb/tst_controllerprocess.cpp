// The real program, started as its own process on real USB, finds an emulated interface and sets it up.
#include "emulatedusbbus.h"
#include "simulator/simulatedbackend.h"

#include <QProcess>
#include <QtTest>
#include <memory>

namespace {

constexpr int startLimitMs = 60000; // a sanitizer build starts slowly on a busy machine
constexpr int endLimitMs = 10000;
constexpr quint8 rdmTimingRequest = 11;
constexpr quint8 dmxTimingRequest = 13;

const QString collectLine = QStringLiteral("USB Collect Devices");
const QString claimLine = QStringLiteral("usb_claim_interface ");
const QString identifiedLine = QStringLiteral("rbid: 3c0");
const QString dmxTimingLine = QStringLiteral("USB Control Send bRequest=13, wValue=0, wIndex=0, dataLength=16 - OK.");
const QString rdmTimingLine = QStringLiteral("USB Control Send bRequest=11, wValue=0, wIndex=0, dataLength=28 - OK.");

// The program's debug trace so far, one entry per line.
class Trace
{
public:
    explicit Trace(QProcess *process) : m_process(process) {}
    const QStringList &lines()
    {
        m_pending += m_process->readAllStandardError();
        const int end = int(m_pending.lastIndexOf('\n'));
        if (end >= 0) {
            m_lines += QString::fromUtf8(m_pending.left(end)).split(QLatin1Char('\n'));
            m_pending.remove(0, end + 1);
        }
        return m_lines;
    }

private:
    QProcess *m_process;
    QByteArray m_pending;
    QStringList m_lines;
};

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
    void initTestCase();
    void connectsAtStartAndSendsTiming();
};

void ControllerProcessTest::initTestCase()
{
    QVERIFY2(EmulatedUsbBus::isEmulationActive(), "run under umockdev-wrapper");
}

void ControllerProcessTest::connectsAtStartAndSendsTiming()
{
    SimulatedBackend simulated;
    simulated.addInterface(QStringLiteral("ABCDEF1")).setInformationTexts(QStringLiteral("Rb604 RDM/DMX"),
                                                                        QStringLiteral("2.14"));
    EmulatedUsbBus emulated(simulated);
    QCOMPARE(emulated.error(), QString());

    // Real USB: the program finds the testbed through the environment it inherits.
    QProcess controller;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("RB604_SIMULATOR"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    controller.setProcessEnvironment(environment);
    controller.start(QStringLiteral(ORV_CONTROLLER_PATH), QStringList());
    QVERIFY2(controller.waitForStarted(startLimitMs), qPrintable(controller.errorString()));

    Trace trace(&controller);
    QTRY_VERIFY_WITH_TIMEOUT(trace.lines().contains(rdmTimingLine) || controller.state() == QProcess::NotRunning,
                             startLimitMs);
    controller.kill();
    QVERIFY(controller.waitForFinished(endLimitMs));

    const QStringList lines = trace.lines();
    const int collected = int(lines.indexOf(collectLine));
    const int claimed = int(lines.indexOf(claimLine));
    const int identified = int(lines.indexOf(identifiedLine));
    const int dmxTiming = int(lines.indexOf(dmxTimingLine));
    const int rdmTiming = int(lines.indexOf(rdmTimingLine));
    QVERIFY2(collected >= 0 && lines.contains(QStringLiteral("bus->devices: 002")), qPrintable(lines.join('\n')));
    QVERIFY2(collected < claimed && claimed < identified, qPrintable(lines.join('\n')));
    QVERIFY2(identified < dmxTiming && dmxTiming < rdmTiming, qPrintable(lines.join('\n')));

    // The stored defaults reached the interface: break 88, MAB 8, interslot 0, wait 100 microseconds;
    // then 2800, 5800, 1000000, 1000000, 3000, 176 and 1000000.
    const QList<TransferRecord> log = simulated.transferLog();
    QCOMPARE(dataOf(log, dmxTimingRequest).toHex(), QByteArray("58000000080000000000000064000000"));
    QCOMPARE(dataOf(log, rdmTimingRequest).toHex(),
             QByteArray("f00a0000a816000040420f0040420f00b80b0000b000000040420f00"));
}

QTEST_GUILESS_MAIN(ControllerProcessTest)
#include "tst_controllerprocess.moc"
