// The shared device reading: the order of its GETs, what it stores, the failure rule, the sub-device
// search and the rig report, against the simulated responders of a scenario file.
#include "cli/rigreport.h"
#include "rdm/devicereader.h"
#include "rdm/parameterids.h"
#include "rdm/standardparameters.h"
#include "scenariorig.h"
#include "simulator/simulatedresponder.h"
#include "usb/bytereader.h"

#include <QtTest>

namespace {

constexpr quint64 benchDimmer = 0x4F5200000101ULL;
constexpr quint64 slowProbe = 0x4F5200000202ULL;
constexpr quint8 sendPacketRequest = 9;

} // namespace

class TestDeviceReader : public QObject
{
    Q_OBJECT

private:
    SimulatedResponder &responder(quint64 uid)
    {
        return *std::dynamic_pointer_cast<SimulatedResponder>(m_rig->bus->interfaceAt(0).line().responder(uid));
    }

    // Each request packet sent since the last clear, as "NAME data" or "NAME sub N data".
    QStringList requestsSent() const
    {
        QStringList requests;
        for (const TransferRecord &transfer : m_rig->bus->transferLog()) {
            if (transfer.direction != TransferDirection::Out || transfer.request != sendPacketRequest)
                continue;
            ByteReader reader(transfer.data);
            reader.skip(18);
            const quint16 subDevice = reader.u16();
            reader.skip(1);
            const quint16 pid = reader.u16();
            const QByteArray data = reader.bytes(reader.u8());
            requests << standardParameterName(pid)
                    + (subDevice != 0 ? QStringLiteral(" sub %1").arg(subDevice) : QString())
                    + (data.isEmpty() ? QString() : QLatin1Char(' ') + QString::fromLatin1(data.toHex()));
        }
        return requests;
    }

    std::unique_ptr<ScenarioRig> m_rig;

private slots:
    void init()
    {
        m_rig = std::make_unique<ScenarioRig>(QStringLiteral(ORV_CLI_SCENARIOS "/workshop.json"));
        QVERIFY2(m_rig->connected, qPrintable(m_rig->error));
        m_rig->bus->clearTransferLog();
    }

    void fullReadSendsEveryGetInOrder()
    {
        DeviceRecord record(benchDimmer);
        QCOMPARE(readFullDetails(*m_rig->rdm, record), 0);
        QCOMPARE(requestsSent().join(QStringLiteral(", ")),
                 QStringLiteral("DEVICE_INFO, DEVICE_LABEL, SOFTWARE_VERSION_LABEL, MANUFACTURER_LABEL, DMX_PERSONALITY, "
                                "DMX_PERSONALITY_DESCRIPTION 01, DMX_PERSONALITY_DESCRIPTION 02, SUPPORTED_PARAMETERS, "
                                "PARAMETER_DESCRIPTION 8010, PARAMETER_DESCRIPTION 8011, SENSOR_DEFINITION 00, SENSOR_VALUE 00, "
                                "SENSOR_DEFINITION 01, SENSOR_VALUE 01, IDENTIFY_DEVICE, DEVICE_HOURS, DEVICE_POWER_CYCLES, "
                                "LAMP_HOURS, LAMP_STRIKES, LAMP_STATE"));
        // The engine's own lines would say a GET was logged; the full read is quiet.
        QCOMPARE(m_rig->log.toPlainText(), QString());
        QVERIFY(!record.detailsFetched);

        // One field from each answer: every GET's answer reaches the record.
        QCOMPARE(QStringLiteral("%1|%2|%3|start %4|%5|%6 %7|%8|identify %9")
                     .arg(record.deviceLabel, record.manufacturerLabel, record.softwareVersionLabel)
                     .arg(record.dmxStartAddress).arg(record.personalities.at(1).description)
                     .arg(record.sensors.at(0).description).arg(record.sensors.at(0).presentValue)
                     .arg(record.parameters.at(0x8011).description).arg(record.identify)
                 + QStringLiteral("|hours %1|cycles %2|lamp %3 h, %4 strikes, state %5").arg(record.deviceHours)
                     .arg(record.devicePowerCycles).arg(record.lampHours).arg(record.lampStrikes).arg(record.lampState),
                 QStringLiteral("Bench dimmer|Orv Test Works|1.2.3|start 17|4 channels|Heat sink 44|Trim|identify 1|"
                                "hours 42|cycles 7|lamp 5 h, 3 strikes, state 1"));
    }

    void reportNamesTheResponderThatNeverAnswers()
    {
        ResponderBehaviour silent;
        silent.silent = true;
        responder(slowProbe).setBehaviour(silent);
        const QJsonObject report = readRigReport(*m_rig->rdm, {slowProbe, benchDimmer});
        QStringList devices;
        for (const QJsonValue &device : report.value(QLatin1String("devices")).toArray()) {
            devices << QStringLiteral("%1/%2 %3 %4").arg(device[QLatin1String("uid")].toString())
                           .arg(device[QLatin1String("subDevice")].toInt())
                           .arg(device[QLatin1String("answered")].toBool() ? "answered" : "silent",
                                device[QLatin1String("failedGets")].toVariant().toStringList().value(0));
        }
        QCOMPARE(devices, QStringList({"4F52:00000202/0 silent DEVICE_INFO", "4F52:00000101/0 answered ",
                                       "4F52:00000101/1 answered DEVICE_HOURS", "4F52:00000101/2 answered DEVICE_HOURS",
                                       "4F52:00000101/7 answered DEVICE_HOURS"}));
        QVERIFY(!everyDeviceAnswered(report));
    }

    void failedGetKeepsTheOldValue_data()
    {
        QTest::addColumn<quint16>("failingPid");
        QTest::addColumn<QString>("afterwards"); // start address and label
        QTest::addColumn<int>("result");

        QTest::newRow("DEVICE_INFO unanswered keeps the start address") << Pid::DeviceInfo << "300 Bench dimmer" << -3;
        QTest::newRow("DEVICE_LABEL unanswered keeps the label") << Pid::DeviceLabel << "17 Old label" << 0;
    }

    void failedGetKeepsTheOldValue()
    {
        QFETCH(quint16, failingPid);

        ResponderBehaviour behaviour;
        behaviour.ackTimerPids.insert(failingPid, 10);
        responder(benchDimmer).setBehaviour(behaviour);
        DeviceRecord record(benchDimmer);
        record.dmxStartAddress = 300;
        record.deviceLabel = QStringLiteral("Old label");

        QTEST(readFullDetails(*m_rig->rdm, record), "result");
        QTEST(QStringLiteral("%1 %2").arg(record.dmxStartAddress).arg(record.deviceLabel), "afterwards");
        // The GETs after the failed one still ran.
        QCOMPARE(requestsSent().constLast(), QStringLiteral("LAMP_STATE"));
    }

    // A device just discovered is listed by its model description, so that GET goes first.
    void discoveredDeviceAndSubDevices_data()
    {
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<bool>("withoutSilentSubDevice");
        QTest::addColumn<QString>("listedAs");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<int>("probes");

        const QString dimmer = QStringLiteral("Bench dimmer 4, model a01");
        const QStringList answering = {QStringLiteral("1 Bench dimmer module 17"), QStringLiteral("2 Sub-device 2 18"),
                                       QStringLiteral("7 Bench dimmer module 23")};
        QTest::newRow("gaps in the numbering end the search at the last announced")
            << benchDimmer << true << dimmer << answering << 7;
        QTest::newRow("a silent sub-device makes the search run to 512")
            << benchDimmer << false << dimmer << answering << 512;
        QTest::newRow("root without a description, no sub-devices announced, none probed")
            << slowProbe << false << "UID: 0x4f5200000202, model b01" << QStringList() << 0;
    }

    void discoveredDeviceAndSubDevices()
    {
        QFETCH(quint64, uid);
        QFETCH(bool, withoutSilentSubDevice);
        QFETCH(int, probes);

        if (withoutSilentSubDevice)
            responder(uid).state().subDevices.remove(5);
        const std::unique_ptr<DeviceRecord> root = readDiscoveredDevice(*m_rig->rdm, uid);
        QTEST(QStringLiteral("%1, model %2").arg(root->modelDescription).arg(root->deviceModelId, 0, 16), "listedAs");
        QCOMPARE(requestsSent(), QStringList({"DEVICE_MODEL_DESCRIPTION", "DEVICE_INFO"}));
        m_rig->bus->clearTransferLog();

        const std::vector<std::unique_ptr<DeviceRecord>> subDevices = discoverSubDevices(*m_rig->rdm, *root);
        QStringList found;
        for (const std::unique_ptr<DeviceRecord> &subDevice : subDevices) {
            QCOMPARE(subDevice->uid, uid);
            found << QStringLiteral("%1 %2 %3").arg(subDevice->subDevice).arg(subDevice->modelDescription).arg(subDevice->dmxStartAddress);
        }
        QTEST(found, "found");
        QCOMPARE(requestsSent().filter(QRegularExpression(QStringLiteral("^DEVICE_INFO"))).size(), probes);
        if (probes > 0)
            QCOMPARE(requestsSent().filter(QStringLiteral("DEVICE_INFO")).constLast(),
                     QStringLiteral("DEVICE_INFO sub %1").arg(probes));
    }
};

QTEST_MAIN(TestDeviceReader)
#include "tst_devicereader.moc"
