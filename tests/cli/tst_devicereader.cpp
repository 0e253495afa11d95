// The shared device reading: the order of its GETs, what it stores, the failure rule, the sub-device
// search and the rig report, against the simulated responders of a scenario file.
#include "cli/rigreport.h"
#include "rdm/devicereader.h"
#include "rdm/parameterids.h"
#include "rdm/rdm.h"
#include "rdm/recordjson.h"
#include "rdm/standardparameters.h"
#include "simulator/scenario.h"
#include "simulator/simulatedresponder.h"
#include "usb/bytereader.h"
#include "usb/usbdevice.h"

#include <QTextEdit>
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
        return *std::dynamic_pointer_cast<SimulatedResponder>(m_backend->interfaceAt(0).line().responder(uid));
    }

    // Each request packet sent since the last clear, as "NAME data" or "NAME sub N data".
    QStringList requestsSent() const
    {
        QStringList requests;
        for (const TransferRecord &transfer : m_backend->transferLog()) {
            if (transfer.direction != TransferDirection::Out || transfer.request != sendPacketRequest)
                continue;
            ByteReader reader(transfer.data);
            reader.skip(18);
            const quint16 subDevice = reader.u16();
            reader.skip(1);
            const quint16 pid = reader.u16();
            const QByteArray data = reader.bytes(reader.u8());
            QString text = standardParameterName(pid);
            if (subDevice != 0)
                text += QStringLiteral(" sub %1").arg(subDevice);
            if (!data.isEmpty())
                text += QLatin1Char(' ') + QString::fromLatin1(data.toHex());
            requests << text;
        }
        return requests;
    }

    std::unique_ptr<SimulatedBackend> m_backend;
    std::unique_ptr<UsbDevice> m_usb;
    std::unique_ptr<QTextEdit> m_log;
    std::unique_ptr<RDM> m_rdm;

private slots:
    void init()
    {
        QString error;
        m_backend = loadScenario(QStringLiteral(ORV_CLI_SCENARIOS "/workshop.json"), &error,
                                 SimulatedClock::Source::Manual);
        QVERIFY2(m_backend, qPrintable(error));
        m_usb = std::make_unique<UsbDevice>(m_backend.get());
        m_usb->collectDevices();
        QCOMPARE(m_usb->connectDevice(0), 0);
        m_log = std::make_unique<QTextEdit>();
        m_rdm = std::make_unique<RDM>(m_usb.get(), m_log.get());
        m_backend->clearTransferLog();
    }

    void cleanup()
    {
        // The engine and the link refer to what was made before them.
        m_rdm.reset();
        m_usb.reset();
    }

    void fullReadSendsEveryGetInOrder()
    {
        DeviceRecord record(benchDimmer);
        QCOMPARE(readFullDetails(*m_rdm, record), 0);
        QCOMPARE(requestsSent().join(QStringLiteral(", ")),
                 QStringLiteral("DEVICE_INFO, DEVICE_LABEL, SOFTWARE_VERSION_LABEL, MANUFACTURER_LABEL, DMX_PERSONALITY, "
                                "DMX_PERSONALITY_DESCRIPTION 01, DMX_PERSONALITY_DESCRIPTION 02, SUPPORTED_PARAMETERS, "
                                "PARAMETER_DESCRIPTION 8010, PARAMETER_DESCRIPTION 8011, SENSOR_DEFINITION 00, SENSOR_VALUE 00, "
                                "SENSOR_DEFINITION 01, SENSOR_VALUE 01, IDENTIFY_DEVICE, DEVICE_HOURS, DEVICE_POWER_CYCLES, "
                                "LAMP_HOURS, LAMP_STRIKES, LAMP_STATE"));
        // The engine's own lines would say a GET was logged; the full read is quiet.
        QCOMPARE(m_log->toPlainText(), QString());
        QVERIFY(!record.detailsFetched);

        const QJsonObject json = deviceRecordJson(record);
        QStringList stored;
        for (const char *field : {"deviceLabel", "manufacturerLabel", "softwareVersionLabel", "dmxStartAddress", "dmxFootprint",
                                  "personalityCount", "subDeviceCount", "sensorCount", "deviceModelId"})
            stored << json.value(QLatin1String(field)).toVariant().toString();
        const auto first = [&json](const char *array, const char *field) {
            return json.value(QLatin1String(array)).toArray().at(0)[QLatin1String(field)].toVariant().toString();
        };
        stored << first("personalities", "description") << first("sensors", "description") << first("sensors", "presentValue")
               << first("sensors", "lowestValue");
        for (const QJsonValue &parameter : json.value(QLatin1String("parameters")).toArray()) {
            if (parameter[QLatin1String("pid")].toInt() >= 0x8000)
                stored << parameter[QLatin1String("description")].toString();
        }
        QCOMPARE(stored, QStringList({"Bench dimmer", "Orv Test Works", "1.2.3", "17", "4", "2", "4", "2", "2561",
                                      "4 channels", "Heat sink", "44", "-3", "Dimmer curve", "Trim"}));
    }

    void reportNamesTheResponderThatNeverAnswers()
    {
        ResponderBehaviour silent;
        silent.silent = true;
        responder(slowProbe).setBehaviour(silent);
        const QJsonObject report = readRigReport(*m_rdm, {slowProbe, benchDimmer});
        QStringList devices;
        for (const QJsonValue &device : report.value(QLatin1String("devices")).toArray()) {
            devices << QStringLiteral("%1/%2 %3 %4").arg(device[QLatin1String("uid")].toString())
                           .arg(device[QLatin1String("subDevice")].toInt())
                           .arg(device[QLatin1String("answered")].toBool() ? "answered" : "silent",
                                device[QLatin1String("failedGets")].toVariant().toStringList().value(0));
        }
        QCOMPARE(devices.join(QLatin1Char('\n')), QStringList({"4F52:00000202/0 silent DEVICE_INFO", "4F52:00000101/0 answered ",
                                       "4F52:00000101/1 answered DEVICE_HOURS",
                                                "4F52:00000101/2 answered DEVICE_HOURS", "4F52:00000101/7 answered DEVICE_HOURS"})
                                                   .join(QLatin1Char('\n')));
        QVERIFY(!everyDeviceAnswered(report));
    }

    void failedGetKeepsTheOldValue_data()
    {
        QTest::addColumn<quint16>("failingPid");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("result");

        QTest::newRow("DEVICE_INFO unanswered keeps the start address") << Pid::DeviceInfo << "dmxStartAddress" << "300" << -3;
        QTest::newRow("DEVICE_LABEL unanswered keeps the label") << Pid::DeviceLabel << "deviceLabel" << "Old label" << 0;
    }

    void failedGetKeepsTheOldValue()
    {
        QFETCH(quint16, failingPid);
        QFETCH(QString, field);

        ResponderBehaviour behaviour;
        behaviour.ackTimerPids.insert(failingPid, 10);
        responder(benchDimmer).setBehaviour(behaviour);
        DeviceRecord record(benchDimmer);
        record.dmxStartAddress = 300;
        record.deviceLabel = QStringLiteral("Old label");

        QTEST(readFullDetails(*m_rdm, record), "result");
        QTEST(deviceRecordJson(record).value(field).toVariant().toString(), "kept");
        // The GETs after the failed one still ran.
        QCOMPARE(requestsSent().constLast(), QStringLiteral("LAMP_STATE"));
    }

    void modelDescriptionFallback_data()
    {
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<quint16>("subDevice");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("answered");

        QTest::newRow("root device describes its model") << benchDimmer << quint16(0) << "Bench dimmer 4" << true;
        QTest::newRow("root device without a description") << slowProbe << quint16(0) << "UID: 0x4f5200000202" << false;
        QTest::newRow("sub-device without a description") << benchDimmer << quint16(2) << "Sub-device 2" << false;
    }

    void modelDescriptionFallback()
    {
        QFETCH(quint64, uid);
        QFETCH(quint16, subDevice);
        QFETCH(bool, answered);

        DeviceRecord record(uid, subDevice);
        QCOMPARE(readModelDescription(*m_rdm, record) >= 0, answered);
        QTEST(record.modelDescription, "description");
    }

    void subDeviceSearch_data()
    {
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<bool>("withoutSilentSubDevice");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<int>("probes");

        const QStringList answering = {QStringLiteral("1 Bench dimmer module 17"), QStringLiteral("2 Sub-device 2 18"),
                                       QStringLiteral("7 Bench dimmer module 23")};
        QTest::newRow("gaps in the numbering end the search at the last announced") << benchDimmer << true << answering << 7;
        QTest::newRow("a silent sub-device makes the search run to 512") << benchDimmer << false << answering << 512;
        QTest::newRow("no sub-devices announced, none probed") << slowProbe << false << QStringList() << 0;
    }

    void subDeviceSearch()
    {
        QFETCH(quint64, uid);
        QFETCH(bool, withoutSilentSubDevice);
        QFETCH(int, probes);

        if (withoutSilentSubDevice)
            responder(uid).state().subDevices.remove(5);
        DeviceRecord root(uid);
        QCOMPARE(m_rdm->getDeviceInfo(uid, 0), 0);
        root.storeDeviceInfo(m_rdm->responseData(), m_rdm->responseLength());
        m_backend->clearTransferLog();

        const std::vector<std::unique_ptr<DeviceRecord>> subDevices = discoverSubDevices(*m_rdm, root);
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
