// Fault injection: failed and interrupted transfers, vanished and refused units, wrong answers.
#include "common/backendprobe.h"
#include "simulator/simulatedbackend.h"

#include <QTest>

class SimulatorFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nthTransferFails_data();
    void nthTransferFails();
    void failedTransferHasNoEffect();
    void ioErrorsForTheNextReceives();
    void unplugAndReplug();
    void unplugAtTransfer();
    void unplugWhileRestarting();
    void claimRefused();
    void informationBlockUnreadable_data();
    void informationBlockUnreadable();
    void wrongIdentifier_data();
    void wrongIdentifier();
    void clearForgetsEveryFault();

private:
    QStringList results(int count);

    std::unique_ptr<SimulatedBackend> m_backend;
    SimulatedInterface *m_unit = nullptr;
    std::unique_ptr<BackendProbe> m_probe;
};

void SimulatorFaultsTest::init()
{
    m_backend = std::make_unique<SimulatedBackend>(SimulatedClock::Source::Manual);
    m_unit = &m_backend->addInterface(QStringLiteral("ABCDEF1"));
    m_probe = std::make_unique<BackendProbe>(*m_backend);
    QVERIFY(m_probe->connectFirst());
}

void SimulatorFaultsTest::cleanup()
{
    m_probe.reset();
    m_backend.reset();
}

// The results of `count` identifier reads, as text.
QStringList SimulatorFaultsTest::results(int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        int result = 0;
        m_probe->receive(255, 0, 0, 2, &result);
        texts.append(QString::number(result));
    }
    return texts;
}

void SimulatorFaultsTest::nthTransferFails_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("next transfer times out") << 1 << int(UsbResult::TimedOut) << QStringList({"-110", "2", "2", "2"});
    QTest::newRow("third transfer I/O error") << 3 << int(UsbResult::IoError) << QStringList({"2", "2", "-5", "2"});
    QTest::newRow("fourth transfer stalls") << 4 << int(UsbResult::Stall) << QStringList({"2", "2", "2", "-32"});
    QTest::newRow("second transfer finds no device") << 2 << int(UsbResult::NoDevice) << QStringList({"2", "-19", "2", "2"});
}

void SimulatorFaultsTest::nthTransferFails()
{
    QFETCH(int, number);
    QFETCH(int, code);
    QFETCH(QStringList, expected);
    m_unit->faults().failTransfer(number, code);
    QCOMPARE(results(4), expected);
    QCOMPARE(m_backend->transferLog().at(expected.indexOf(QString::number(code))).result, code);
}

void SimulatorFaultsTest::failedTransferHasNoEffect()
{
    m_unit->faults().failTransfer(1, UsbResult::TimedOut);
    m_unit->faults().failTransfer(2, UsbResult::IoError);
    QCOMPARE(m_probe->send(14), UsbResult::TimedOut);
    QVERIFY(!m_unit->firmware().isDmxControlActive());
    QCOMPARE(m_probe->send(4), UsbResult::IoError);
    QVERIFY(m_unit->isAttached());
    QCOMPARE(m_probe->send(14), 0);
    QVERIFY(m_unit->firmware().isDmxControlActive());
}

void SimulatorFaultsTest::ioErrorsForTheNextReceives()
{
    m_unit->faults().failReceives(3);
    int result = 0;
    m_probe->receive(255, 0, 0, 2, &result);
    QCOMPARE(result, UsbResult::IoError);
    // Sends are not receives: they go through and leave the count alone.
    QCOMPARE(m_probe->send(14), 0);
    QCOMPARE(results(3), QStringList({"-5", "-5", "2"}));
}

void SimulatorFaultsTest::unplugAndReplug()
{
    const UsbDeviceEntry before = matchingDevices(*m_backend).first();
    QCOMPARE(m_probe->send(14), 0);
    m_unit->unplug();
    QCOMPARE(m_probe->send(15), UsbResult::NoDevice);
    QCOMPARE(results(1), QStringList({"-19"}));
    char buffer[64];
    QCOMPARE(m_backend->stringDescriptor(m_probe->handle(), 3, buffer, int(sizeof buffer)), UsbResult::NoDevice);
    QCOMPARE(m_backend->releaseInterface(m_probe->handle(), 0), UsbResult::NoDevice);
    QVERIFY(m_backend->devices().isEmpty());
    QCOMPARE(m_backend->open(before), nullptr);
    m_backend->clock().advance(60000);
    QVERIFY(m_backend->devices().isEmpty());

    m_unit->replug();
    const QList<UsbDeviceEntry> after = matchingDevices(*m_backend);
    QCOMPARE(after.size(), 1);
    QVERIFY(after.first().deviceName != before.deviceName);
    QCOMPARE(m_probe->send(15), UsbResult::NoDevice);
    QVERIFY(m_probe->connect(after.first()));
    QCOMPARE(m_probe->serial(), QByteArray("ABCDEF1"));
    // Power was lost: the DMX control mode is over.
    QVERIFY(!m_unit->firmware().isDmxControlActive());
}

void SimulatorFaultsTest::unplugAtTransfer()
{
    m_unit->faults().unplugAtTransfer(2);
    QCOMPARE(results(3), QStringList({"2", "-19", "-19"}));
    QVERIFY(m_backend->devices().isEmpty());
}

void SimulatorFaultsTest::unplugWhileRestarting()
{
    QCOMPARE(m_probe->send(4), 0);
    m_unit->unplug();
    m_backend->clock().advance(m_unit->reEnumerationDelayMs());
    QVERIFY(m_backend->devices().isEmpty());
    m_unit->replug();
    QVERIFY(m_probe->connectFirst());
    QCOMPARE(m_probe->serial(), QByteArray("ABCDEF1b"));
}

void SimulatorFaultsTest::claimRefused()
{
    m_probe->close();
    m_unit->faults().setClaimRefused(true);
    UsbHandle *handle = m_backend->open(matchingDevices(*m_backend).first());
    QVERIFY(handle);
    QCOMPARE(m_backend->setConfiguration(handle, 1), 0);
    QVERIFY(m_backend->claimInterface(handle, 0) < 0);
    m_unit->faults().setClaimRefused(false);
    QCOMPARE(m_backend->claimInterface(handle, 0), 0);
    QCOMPARE(m_backend->close(handle), 0);
}

void SimulatorFaultsTest::informationBlockUnreadable_data()
{
    QTest::addColumn<quint32>("address");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("result");

    QTest::newRow("the block itself") << 0x0801FFC0u << 64 << int(UsbResult::Stall);
    QTest::newRow("its last byte") << 0x0801FFFFu << 1 << int(UsbResult::Stall);
    QTest::newRow("the page holding it") << 0x0801FC00u << 1024 << int(UsbResult::Stall);
    QTest::newRow("the bytes before it") << 0x0801FF80u << 64 << 64;
    QTest::newRow("the bootloader version block") << 0x08003FD0u << 32 << 32;
}

void SimulatorFaultsTest::informationBlockUnreadable()
{
    QFETCH(quint32, address);
    QFETCH(int, length);
    QFETCH(int, result);
    m_unit->faults().setInformationBlockReadable(false);
    int actual = 0;
    m_probe->receiveMemory(address, length, &actual);
    QCOMPARE(actual, result);
}

void SimulatorFaultsTest::wrongIdentifier_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QByteArray>("received");

    QTest::newRow("another value") << QByteArray::fromHex("c103") << 2 << QByteArray("c103");
    QTest::newRow("short answer") << QByteArray::fromHex("c0") << 2 << QByteArray("c0");
    QTest::newRow("long answer cut to the request") << QByteArray::fromHex("c00300") << 2 << QByteArray("c003");
}

void SimulatorFaultsTest::wrongIdentifier()
{
    QFETCH(QByteArray, answer);
    QFETCH(int, asked);
    QFETCH(QByteArray, received);
    m_unit->faults().setIdentifierAnswer(answer);
    int result = 0;
    QCOMPARE(m_probe->receive(255, 0, 0, asked, &result).toHex(), received);
    QCOMPARE(result, int(received.size() / 2));
    QCOMPARE(m_backend->transferLog().last().data.toHex(), received);
    // Malformed requests still stall: the fault changes the answer, not the checks.
    m_probe->receive(255, 1, 0, asked, &result);
    QCOMPARE(result, UsbResult::Stall);
}

void SimulatorFaultsTest::clearForgetsEveryFault()
{
    FaultPlan &faults = m_unit->faults();
    faults.failTransfer(1, UsbResult::TimedOut);
    faults.failReceives(5);
    faults.unplugAtTransfer(2);
    faults.setClaimRefused(true);
    faults.setInformationBlockReadable(false);
    faults.setIdentifierAnswer(QByteArray::fromHex("c1"));
    faults.clear();
    QCOMPARE(results(3), QStringList({"2", "2", "2"}));
    QCOMPARE(m_probe->receive(255, 0, 0, 2).toHex(), QByteArray("c003"));
    int result = 0;
    m_probe->receiveMemory(0x0801FFC0, 64, &result);
    QCOMPARE(result, 64);
    QVERIFY(!faults.isClaimRefused());
}

QTEST_GUILESS_MAIN(SimulatorFaultsTest)
#include "tst_simulatorfaults.moc"
