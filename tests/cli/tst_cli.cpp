// The command-line tool as scripts run it: output, exit statuses, the demo rig and faults.
#include "cliprocess.h"
#include "scenarioexpectation.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString workshopScenario = QStringLiteral(ORV_CLI_SCENARIOS "/workshop.json");
const QString demoScenario = QStringLiteral(ORV_DEMO_SCENARIO);

QString hexOf(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex());
}

QByteArray bigEndian16(qint64 value)
{
    return QByteArray(1, char(value >> 8)) + char(value);
}

QJsonObject responderOf(const QString &scenarioPath, const QString &uid)
{
    for (const QJsonValue &value : scenarioResponders(readJsonFile(scenarioPath))) {
        if (scenarioUid(value.toObject()) == uid)
            return value.toObject();
    }
    return {};
}

ScenarioDevice scenarioDevice(const QString &scenarioPath, const QString &uid, int subDevice)
{
    const QJsonObject responder = responderOf(scenarioPath, uid);
    for (const ScenarioDevice &device : answeringSubDevices(responder)) {
        if (device.subDevice == subDevice)
            return device;
    }
    return {responder, responder, 0};
}

QStringList sortedScenarioUids(const QString &scenarioPath)
{
    QStringList uids;
    for (const QJsonValue &value : scenarioResponders(readJsonFile(scenarioPath)))
        uids << scenarioUid(value.toObject());
    uids.sort();
    return uids;
}

QString deviceKey(const QJsonObject &record)
{
    return QStringLiteral("%1/%2").arg(record.value(QLatin1String("uid")).toString())
        .arg(record.value(QLatin1String("subDevice")).toInt());
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private:
    // A scenario written for one test: the interfaces given, no responders unless listed.
    QString writeScenario(const QJsonArray &interfaces)
    {
        const QString path = m_scratch.filePath(QStringLiteral("scenario%1.json").arg(++m_written));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("interfaces"), interfaces}}).toJson());
        return path;
    }

    // The workshop scenario with the faults given on its interface.
    QString workshopWithFaults(const QJsonObject &faults)
    {
        const QJsonObject scenario = readJsonFile(workshopScenario);
        QJsonObject unit = scenario.value(QLatin1String("interfaces")).toArray().at(0).toObject();
        unit.insert(QStringLiteral("faults"), faults);
        return writeScenario({unit});
    }

    static void addRigRows()
    {
        QTest::addColumn<QString>("scenario");
        QTest::newRow("demo rig") << demoScenario;
        QTest::newRow("workshop") << workshopScenario;
    }

    QTemporaryDir m_scratch;
    int m_written = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(m_scratch.isValid());
        QVERIFY(!scenarioResponders(readJsonFile(demoScenario)).isEmpty());
    }

    void listNamesEveryUsableInterface_data()
    {
        QTest::addColumn<QJsonArray>("interfaces");
        QTest::addColumn<QStringList>("lines");

        const QJsonObject first{{QStringLiteral("serial"), QStringLiteral("ABCDEF1")},
                                {QStringLiteral("model"), QStringLiteral("Rb604 RDM/DMX")},
                                {QStringLiteral("firmware"), QStringLiteral("2.14")}};
        const QJsonObject second{{QStringLiteral("serial"), QStringLiteral("XYZ0042")},
                                 {QStringLiteral("model"), QStringLiteral("Rb604 Touring")},
                                 {QStringLiteral("firmware"), QStringLiteral("3.01")}};
        const auto label = [](const QJsonObject &unit) {
            return QStringLiteral("D:%1 FW:%2 SN:%3").arg(unit.value(QLatin1String("model")).toString(),
                                                          unit.value(QLatin1String("firmware")).toString(),
                                                          unit.value(QLatin1String("serial")).toString());
        };
        QJsonObject claimed = second;
        claimed.insert(QStringLiteral("faults"), QJsonObject{{QStringLiteral("claimRefused"), true}});
        QJsonObject unreadable = second;
        unreadable.insert(QStringLiteral("faults"), QJsonObject{{QStringLiteral("informationBlockReadable"), false}});

        QTest::newRow("two interfaces in enumeration order")
            << QJsonArray{first, second} << QStringList{QStringLiteral("0: ") + label(first), QStringLiteral("1: ") + label(second)};
        QTest::newRow("an interface held by another program is left out")
            << QJsonArray{claimed, first} << QStringList{QStringLiteral("0: ") + label(first)};
        QTest::newRow("an unreadable information block leaves the label empty")
            << QJsonArray{first, unreadable}
            << QStringList{QStringLiteral("0: ") + label(first), QStringLiteral("1:  SN:XYZ0042")};
    }

    void listNamesEveryUsableInterface()
    {
        QFETCH(QJsonArray, interfaces);
        const CliRun run = runCli({QStringLiteral("list")}, writeScenario(interfaces));
        QCOMPARE(run.exitCode, 0);
        QTEST(run.outLines(), "lines");
    }

    void noInterface_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");

        const QJsonObject unit{{QStringLiteral("serial"), QStringLiteral("ABCDEF1")},
                               {QStringLiteral("model"), QStringLiteral("Rb604 RDM/DMX")},
                               {QStringLiteral("firmware"), QStringLiteral("2.14")}};
        QJsonObject foreignIdentifier = unit;
        foreignIdentifier.insert(QStringLiteral("faults"), QJsonObject{{QStringLiteral("identifierAnswer"), QStringLiteral("c103")}});

        QTest::newRow("nothing attached, list") << writeScenario({}) << QStringList{QStringLiteral("list")}
                                                << QStringLiteral("orv-rdm-cli: no interface found");
        QTest::newRow("nothing attached, report") << writeScenario({}) << QStringList{QStringLiteral("report")}
                                                  << QStringLiteral("orv-rdm-cli: no interface found");
        QTest::newRow("scenario that cannot be read") << m_scratch.filePath(QStringLiteral("missing.json"))
                                                      << QStringList{QStringLiteral("discover")}
                                                      << QStringLiteral("orv-rdm-cli: no interface found");
        QTest::newRow("interface index beyond the list")
            << writeScenario({unit}) << QStringList{QStringLiteral("--interface"), QStringLiteral("1"), QStringLiteral("discover")}
            << QStringLiteral("orv-rdm-cli: no interface 1: 1 found");
        QTest::newRow("another product's identifier")
            << writeScenario({foreignIdentifier}) << QStringList{QStringLiteral("discover")}
            << QStringLiteral("orv-rdm-cli: cannot open interface 0: D:Rb604 RDM/DMX FW:2.14 SN:ABCDEF1");
    }

    void noInterface()
    {
        QFETCH(QString, scenario);
        QFETCH(QStringList, arguments);
        const CliRun run = runCli(arguments, scenario);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QString());
        QTEST(run.errLines().constLast(), "message");
    }

    void interfaceLost_data()
    {
        QTest::addColumn<int>("unplugAt");
        QTest::addColumn<QStringList>("arguments");

        // Enumeration reads the information block (1), connecting reads the identifier (2), the
        // DMX and RDM timing follow (3, 4); the command's own transfers come after.
        QTest::newRow("while sending the stored timing") << 3 << QStringList{QStringLiteral("discover")};
        QTest::newRow("at the start of discovery") << 5 << QStringList{QStringLiteral("discover")};
        QTest::newRow("while reading a GET's answer")
            << 6 << QStringList{QStringLiteral("get"), QStringLiteral("4F52:00000101"), QStringLiteral("DEVICE_LABEL")};
        QTest::newRow("in the middle of a full read")
            << 30 << QStringList{QStringLiteral("info"), QStringLiteral("4F52:00000101")};
        QTest::newRow("in the middle of a report") << 60 << QStringList{QStringLiteral("report")};
    }

    void interfaceLost()
    {
        QFETCH(int, unplugAt);
        QFETCH(QStringList, arguments);
        const CliRun run = runCli(arguments, workshopWithFaults({{QStringLiteral("unplugAtTransfer"), unplugAt}}));
        QCOMPARE(run.exitCode, 3);
        QCOMPARE(run.errLines().constLast(), QStringLiteral("orv-rdm-cli: the interface was lost: a USB transfer failed"));
        QVERIFY2(!run.out.contains(QLatin1Char('{')), qPrintable(run.out));
    }

    void badArgumentsShowTheUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList() << QStringLiteral("orv-rdm-cli: no command given");
        QTest::newRow("UID in the wrong form") << QStringList{QStringLiteral("info"), QStringLiteral("4F5200000101")}
                                               << QStringLiteral("orv-rdm-cli: bad UID \"4F5200000101\": expected MMMM:DDDDDDDD in hexadecimal");
    }

    void badArgumentsShowTheUsage()
    {
        QFETCH(QStringList, arguments);
        const CliRun run = runCli(arguments, workshopScenario);
        QCOMPARE(run.exitCode, 64);
        QCOMPARE(run.out, QString());
        QTEST(run.errLines().constFirst(), "message");
        QVERIFY(run.err.contains(QLatin1String("\nUsage: orv-rdm-cli [--interface N] [--trace] COMMAND")));
    }

    void helpGoesToStandardOutput()
    {
        const CliRun run = runCli({QStringLiteral("--help")}, workshopScenario);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith(QLatin1String("Usage: orv-rdm-cli")));
        QCOMPARE(run.err, QString());
    }

    void traceOnlyWhenAsked_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("traced");
        QTest::newRow("quiet by default") << QStringList{QStringLiteral("discover")} << false;
        QTest::newRow("with --trace") << QStringList{QStringLiteral("--trace"), QStringLiteral("discover")} << true;
    }

    void traceOnlyWhenAsked()
    {
        QFETCH(QStringList, arguments);
        const CliRun run = runCli(arguments, workshopScenario);
        QCOMPARE(run.exitCode, 0);
        QTEST(run.err.contains(QLatin1String("USB Control Send bRequest=8")), "traced");
        QVERIFY(!run.out.contains(QLatin1String("USB")));
    }

    void discoverPrintsEveryResponder_data() { addRigRows(); }

    void discoverPrintsEveryResponder()
    {
        QFETCH(QString, scenario);
        const CliRun run = runCli({QStringLiteral("discover")}, scenario == demoScenario ? QStringLiteral("demo") : scenario);
        QCOMPARE(run.exitCode, 0);
        QStringList uids = run.outLines();
        uids.sort();
        QCOMPARE(uids, sortedScenarioUids(scenario));
        QCOMPARE(run.errLines().constLast(), QStringLiteral("Number of devices found: %1").arg(uids.size()));
    }

    void infoReadsTheWholeDevice_data()
    {
        QTest::addColumn<QString>("uid");
        QTest::addColumn<int>("subDevice");
        QTest::newRow("root with sub-devices, sensors and manufacturer PIDs") << QStringLiteral("4F52:00000101") << 0;
        QTest::newRow("sub-device with its own sensor") << QStringLiteral("4F52:00000101") << 1;
        QTest::newRow("sub-device without a model description") << QStringLiteral("4F52:00000101") << 2;
        QTest::newRow("device without a model description, late sensor value") << QStringLiteral("4F52:00000202") << 0;
    }

    void infoReadsTheWholeDevice()
    {
        QFETCH(QString, uid);
        QFETCH(int, subDevice);
        const CliRun run = runCli({QStringLiteral("info"), uid, QStringLiteral("--sub"), QString::number(subDevice)},
                                  workshopScenario);
        QCOMPARE(run.exitCode, 0);
        QJsonParseError error;
        const QJsonObject record = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(recordDifferences(record, expectedRecord(scenarioDevice(workshopScenario, uid, subDevice)), uid)
                     .join(QLatin1Char('\n')),
                 QString());
    }

    void infoOfASilentSubDeviceFails()
    {
        const CliRun run = runCli({QStringLiteral("info"), QStringLiteral("4F52:00000101"), QStringLiteral("--sub"),
                                   QStringLiteral("5")},
                                  workshopScenario);
        QCOMPARE(run.exitCode, 4);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.errLines().constLast(),
                 QStringLiteral("orv-rdm-cli: 4F52:00000101 sub-device 5 does not answer DEVICE_INFO (-3)"));
    }

    void reportHoldsTheWholeRig_data() { addRigRows(); }

    void reportHoldsTheWholeRig()
    {
        QFETCH(QString, scenario);
        const QString simulator = scenario == demoScenario ? QStringLiteral("demo") : scenario;
        const CliRun discovered = runCli({QStringLiteral("discover")}, simulator);
        const CliRun run = runCli({QStringLiteral("report")}, simulator);
        QCOMPARE(run.exitCode, 0);
        const QJsonArray devices = QJsonDocument::fromJson(run.out.toUtf8()).object().value(QLatin1String("devices")).toArray();

        // Discovery order, each root followed by the sub-devices that answer.
        QStringList expectedOrder;
        QList<ScenarioDevice> expectedDevices;
        for (const QString &uid : discovered.outLines()) {
            const QJsonObject responder = responderOf(scenario, uid);
            expectedDevices << ScenarioDevice{responder, responder, 0};
            expectedDevices += answeringSubDevices(responder);
        }
        for (const ScenarioDevice &device : std::as_const(expectedDevices))
            expectedOrder << QStringLiteral("%1/%2").arg(scenarioUid(device.responder)).arg(device.subDevice);
        QStringList order;
        for (const QJsonValue &device : devices)
            order << deviceKey(device.toObject());
        QCOMPARE(order, expectedOrder);

        QStringList differences;
        for (int i = 0; i < devices.size(); ++i)
            differences += recordDifferences(devices.at(i).toObject(), expectedRecord(expectedDevices.at(i)), order.at(i));
        QCOMPARE(differences.join(QLatin1Char('\n')), QString());
    }

    void transaction_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("error");

        const QString dimmer = QStringLiteral("4F52:00000101");
        const QJsonObject responder = responderOf(workshopScenario, dimmer);
        const qint64 startAddress = scenarioNumber(responder.value(QLatin1String("startAddress")));
        const QJsonObject second = responder.value(QLatin1String("personalities")).toArray().at(1).toObject();
        const QJsonObject module = answeringSubDevices(responder).at(0).device;
        const QString ack = QStringLiteral("ACK response received");

        QTest::newRow("GET of the start address")
            << QStringList{QStringLiteral("get"), dimmer, QStringLiteral("DMX_START_ADDRESS")} << 0
            << QStringList{ack, QStringLiteral("result: 0"), QStringLiteral("data: ") + hexOf(bigEndian16(startAddress))}
            << QString();
        QTest::newRow("GET with parameter data")
            << QStringList{QStringLiteral("get"), dimmer, QStringLiteral("0x00E1"), QStringLiteral("--data"), QStringLiteral("02")}
            << 0
            << QStringList{ack, QStringLiteral("result: 0"),
                           QStringLiteral("data: 02") + hexOf(bigEndian16(scenarioNumber(second.value(QLatin1String("footprint")))))
                               + hexOf(second.value(QLatin1String("description")).toString().toLatin1())}
            << QString();
        QTest::newRow("GET to a sub-device")
            << QStringList{QStringLiteral("get"), dimmer, QStringLiteral("device_label"), QStringLiteral("--sub"), QStringLiteral("1")}
            << 0 << QStringList{ack, QStringLiteral("result: 0"),
                                QStringLiteral("data: ") + hexOf(module.value(QLatin1String("label")).toString().toLatin1())}
            << QString();
        QTest::newRow("GET of an unknown PID")
            << QStringList{QStringLiteral("get"), dimmer, QStringLiteral("0x7FE0")} << 4
            << QStringList{QStringLiteral("Response error - NACK response received: NR_UNKNOWN_PID"), QStringLiteral("result: -3")}
            << QStringLiteral("orv-rdm-cli: GET of 0x7FE0 to 4F52:00000101 failed (-3): NACK response received: NR_UNKNOWN_PID");
        QTest::newRow("GET answered with ACK_TIMER")
            << QStringList{QStringLiteral("get"), QStringLiteral("4F52:00000202"), QStringLiteral("SENSOR_VALUE"),
                           QStringLiteral("--data"), QStringLiteral("00")}
            << 4 << QStringList{QStringLiteral("Response error - ACK Timer - wait 2.5s"), QStringLiteral("result: -3")}
            << QStringLiteral("orv-rdm-cli: GET of 0x0201 to 4F52:00000202 failed (-3): ACK Timer - wait 2.5s");
        QTest::newRow("SET of the start address")
            << QStringList{QStringLiteral("set"), dimmer, QStringLiteral("DMX_START_ADDRESS"), QStringLiteral("--data"), QStringLiteral("0021")}
            << 0 << QStringList{QStringLiteral("Sending SET request"), ack, QStringLiteral("result: 0"), QStringLiteral("data:")}
            << QString();
        QTest::newRow("SET of a start address out of range")
            << QStringList{QStringLiteral("set"), dimmer, QStringLiteral("DMX_START_ADDRESS"), QStringLiteral("--data"), QStringLiteral("0201")}
            << 4
            << QStringList{QStringLiteral("Sending SET request"),
                           QStringLiteral("Response error - NACK response received: NR_DATA_OUT_OF_RANGE"), QStringLiteral("result: -3")}
            << QStringLiteral("orv-rdm-cli: SET of 0x00F0 to 4F52:00000101 failed (-3): NACK response received: NR_DATA_OUT_OF_RANGE");
        QTest::newRow("SET to every device is a broadcast")
            << QStringList{QStringLiteral("set"), QStringLiteral("FFFF:FFFFFFFF"), QStringLiteral("IDENTIFY_DEVICE"),
                           QStringLiteral("--data"), QStringLiteral("01")}
            << 0 << QStringList{QStringLiteral("Sending SET request"), QStringLiteral("SET Broadcast sent."), QStringLiteral("result: 0")}
            << QString();
    }

    void transaction()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const CliRun run = runCli(arguments, workshopScenario);
        QTEST(run.exitCode, "exitCode");
        QTEST(run.outLines(), "lines");
        QCOMPARE(run.errLines().value(0), error);
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
