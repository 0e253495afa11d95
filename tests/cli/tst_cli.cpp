// The command-line tool as scripts run it: exit statuses, what it prints and where.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString workshopScenario = QStringLiteral(ORV_CLI_SCENARIOS "/workshop.json");
const QString dimmer = QStringLiteral("4F52:00000101");

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// `simulator` is the RB604_SIMULATOR value: "demo" or a scenario path. The run is bounded so a
// fault can never hang the suite.
CliRun runCli(const QStringList &arguments, const QString &simulator)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("RB604_SIMULATOR"), simulator);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORV_RDM_CLI), arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QString(), QStringLiteral("did not finish: ") + process.errorString()};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// The lines of `text` without the log lines' "hh:mm:ss: " time stamps, in text or in JSON strings.
QStringList lines(const QString &text)
{
    static const QRegularExpression time(QStringLiteral("(^|\")\\d\\d:\\d\\d:\\d\\d: "));
    QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString &line : lines)
        line.replace(time, QStringLiteral("\\1"));
    return lines;
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

// The scenario's first interface with `faults`, or with `responder` added to its line.
QJsonArray changedInterfaces(const QString &scenario, const QJsonObject &faults, const QJsonObject &responder = {})
{
    QJsonArray interfaces = readJson(scenario).value(QLatin1String("interfaces")).toArray();
    QJsonObject unit = interfaces.at(0).toObject();
    unit.insert(QStringLiteral("faults"), faults);
    if (!responder.isEmpty())
        unit.insert(QStringLiteral("responders"), unit.value(QLatin1String("responders")).toArray() + responder);
    interfaces.replace(0, unit);
    return interfaces;
}

// A report with what differs from run to run taken out: demo sensors move, and a snapshot's replay
// answers at once what a device answered late.
QJsonObject withoutReadings(const QString &report)
{
    QJsonArray devices = QJsonDocument::fromJson(report.toUtf8()).object().value(QLatin1String("devices")).toArray();
    for (int i = 0; i < devices.size(); ++i) {
        QJsonObject device = devices.at(i).toObject();
        device.remove(QLatin1String("failedGets"));
        QJsonArray sensors = device.value(QLatin1String("sensors")).toArray();
        for (int j = 0; j < sensors.size(); ++j) {
            QJsonObject sensor = sensors.at(j).toObject();
            for (const char *reading : {"updateTime", "updateDate", "presentValue", "lowestValue", "highestValue", "recordedValue"})
                sensor.remove(QLatin1String(reading));
            sensors.replace(j, sensor);
        }
        device.insert(QStringLiteral("sensors"), sensors);
        devices.replace(i, device);
    }
    return {{QStringLiteral("devices"), devices}};
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private:
    QString write(const QString &name, const QByteArray &contents)
    {
        const QString path = m_scratch.filePath(QStringLiteral("%1-%2").arg(++m_written).arg(name));
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() ? path : QString();
    }
    QString writeScenario(const QJsonArray &interfaces)
    {
        return write(QStringLiteral("scenario.json"), QJsonDocument(QJsonObject{{QStringLiteral("interfaces"), interfaces}}).toJson());
    }
    QString writeReport(const QJsonArray &devices)
    {
        return write(QStringLiteral("report.json"), QJsonDocument(QJsonObject{{QStringLiteral("devices"), devices}}).toJson());
    }

    QTemporaryDir m_scratch;
    int m_written = 0;
    CliRun m_demoReport; // traced

private slots:
    void initTestCase()
    {
        QVERIFY(m_scratch.isValid());
        m_demoReport = runCli({QStringLiteral("--trace"), QStringLiteral("report")}, QStringLiteral("demo"));
        QCOMPARE(m_demoReport.exitCode, 0);
    }

    void exitStatus_data()
    {
        QTest::addColumn<QString>("simulator");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("out");    // the lines of the standard output; "..." when it is not checked
        QTest::addColumn<QStringList>("errors"); // each must begin a line of the error output, none: no error output

        const auto unit = [](const char *serial, const char *model, const char *firmware) {
            return QJsonObject{{QStringLiteral("serial"), serial}, {QStringLiteral("model"), model},
                               {QStringLiteral("firmware"), firmware}};
        };
        const auto device = [](const char *uid, int start, const char *label) {
            return QJsonObject{{QStringLiteral("uid"), uid}, {QStringLiteral("subDevice"), 0},
                               {QStringLiteral("dmxStartAddress"), start}, {QStringLiteral("dmxFootprint"), 4},
                               {QStringLiteral("deviceLabel"), label}};
        };
        const QString before = writeReport({device("0001:00000001", 1, "Wash"), device("0001:00000002", 5, "Spot")});
        const QString after = writeReport({device("0001:00000001", 2, "Wash"), device("0001:00000002", 5, "Spot")});
        const QJsonObject silent{{QStringLiteral("uid"), QStringLiteral("4F52:0000D0D0")},
                                 {QStringLiteral("behaviour"), QJsonObject{{QStringLiteral("silent"), true}}}};

        QTest::newRow("list in enumeration order")
            << writeScenario({unit("ABCDEF1", "Rb604 RDM/DMX", "2.14"), unit("XYZ0042", "Rb604 Touring", "3.01")})
            << QStringList{"list"} << 0
            << QStringList{"0: D:Rb604 RDM/DMX FW:2.14 SN:ABCDEF1", "1: D:Rb604 Touring FW:3.01 SN:XYZ0042"} << QStringList();
        QTest::newRow("discover") << workshopScenario << QStringList{"discover"} << 0
                                  << QStringList{"4F52:00000101", "4F52:00000202"} << QStringList{"Number of devices found: 2"};
        QTest::newRow("GET as JSON") << workshopScenario << QStringList{"get", dimmer, "DEVICE_LABEL", "--json"} << 0
            << QStringList{R"({"data":"42656e63682064696d6d6572","log":["ACK response received"],"pid":"0x0082","result":0,)"
                           R"("subDevice":0,"uid":"4F52:00000101","value":"Device Label: Bench dimmer"})"} << QStringList();
        QTest::newRow("GET of an unknown PID") << workshopScenario << QStringList{"get", dimmer, "0x7FE0"} << 4
            << QStringList{"Response error - NACK response received: NR_UNKNOWN_PID", "result: -3"}
            << QStringList{"orv-rdm-cli: GET of 0x7FE0 to 4F52:00000101 failed: NACK: NR_UNKNOWN_PID"};
        QTest::newRow("report with a responder that never answers")
            << writeScenario(changedInterfaces(workshopScenario, {}, silent)) << QStringList{"report"} << 4
            << QStringList{"..."} << QStringList{"orv-rdm-cli: a device did not answer DEVICE_INFO"};
        QTest::newRow("watch a device without sensors") << QStringLiteral("demo")
                                                        << QStringList{"watch", "7FF1:00040001", "--count", "1"} << 4
                                                        << QStringList() << QStringList{"orv-rdm-cli: 7FF1:00040001 has no sensors to watch"};
        QTest::newRow("nothing attached") << writeScenario({}) << QStringList{"discover"} << 2 << QStringList()
                                          << QStringList{"orv-rdm-cli: no interface found", "to try without one, set RB604_SIMULATOR=demo."};
        QTest::newRow("interface lost in the middle of a full read")
            << writeScenario(changedInterfaces(workshopScenario, {{QStringLiteral("unplugAtTransfer"), 30}}))
            << QStringList{"info", dimmer} << 3 << QStringList()
            << QStringList{"orv-rdm-cli: the interface was lost: a USB transfer failed"};
        QTest::newRow("snapshot that cannot be written") << QStringLiteral("demo")
                                                         << QStringList{"snapshot", m_scratch.filePath("missing/rig.json")} << 73
                                                         << QStringList() << QStringList{"orv-rdm-cli: cannot write " + m_scratch.filePath("missing/rig.json") + ": "};
        QTest::newRow("check finds the overlapping bars") << QStringLiteral("demo") << QStringList{"check"} << 1
            << QStringList{"7FF1:00050001 and 7FF1:00050002 overlap on channels 112 to 123"}
            << QStringList{"Number of devices found: 8"};
        QTest::newRow("diff of a report with itself") << QString() << QStringList{"diff", before, before} << 0
                                                      << QStringList() << QStringList();
        QTest::newRow("diff finds a change") << QString() << QStringList{"diff", before, after} << 1
                                             << QStringList{"0001:00000001: address 1 -> 2"} << QStringList();
        QTest::newRow("diff of a scenario") << QString() << QStringList{"diff", before, workshopScenario} << 64 << QStringList()
            << QStringList{QStringLiteral("orv-rdm-cli: %1 is not a rig report: it has no \"devices\" array").arg(workshopScenario)};
        QTest::newRow("bad arguments show the usage") << workshopScenario << QStringList() << 64 << QStringList()
            << QStringList{"orv-rdm-cli: no command given", "Usage: orv-rdm-cli [--interface N] [--trace] COMMAND [ARGUMENTS]"};
    }

    void exitStatus()
    {
        QFETCH(QString, simulator);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, out);
        QFETCH(QStringList, errors);
        const CliRun run = runCli(arguments, simulator);
        QTEST(run.exitCode, "exitCode");
        if (out != QStringList{"..."})
            QCOMPARE(lines(run.out), out);
        const QStringList errorLines = lines(run.err);
        for (const QString &error : errors) {
            QVERIFY2(std::any_of(errorLines.cbegin(), errorLines.cend(), [&](const QString &line) { return line.startsWith(error); }),
                     qPrintable(run.err));
        }
        if (errors.isEmpty())
            QCOMPARE(run.err, QString());
    }

    void batch_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("out");
        QTest::addColumn<QString>("error"); // the last line of the error output

        const QString setAddress = QStringLiteral("set 7FF1:00010001 DMX_START_ADDRESS --data 0021");
        const QString getAddress = QStringLiteral("get 7FF1:00010001 DMX_START_ADDRESS");
        const QString unknownPid = QStringLiteral("get 7FF1:00010001 0x7FE0");
        const QStringList setDone{"Sending SET request", "ACK response received", "result: 0", "data:"};
        const QStringList readBack{"ACK response received", "result: 0", "data: 0021", "value: DMX start address: 33"};
        const QStringList nacked{"Response error - NACK response received: NR_UNKNOWN_PID", "result: -3"};

        QTest::newRow("set then get reads the new value back")
            << QStringList{"# re-address the par", setAddress, "", getAddress} << QStringList() << 0 << setDone + readBack
            << QString();
        QTest::newRow("failing line stops the batch") << QStringList{setAddress, unknownPid, getAddress} << QStringList()
                                                      << 4 << setDone + nacked << "orv-rdm-cli: line 2 failed with exit status 4";
        QTest::newRow("keep going runs the rest") << QStringList{unknownPid, setAddress, getAddress}
                                                  << QStringList{"--keep-going"} << 4 << nacked + setDone + readBack
                                                  << "orv-rdm-cli: line 1 failed with exit status 4";
        QTest::newRow("SET to a maker's devices reads no answer, and reaches them")
            << QStringList{"set 7FF1:FFFFFFFF IDENTIFY_DEVICE --data 01", "get 7FF1:00010001 IDENTIFY_DEVICE"} << QStringList()
            << 0 << QStringList{"Sending SET request", "SET Broadcast sent.", "result: 0", "ACK response received", "result: 0",
                                "data: 01", "value: Identify device: 1"}
            << QString();
        QTest::newRow("malformed line sends nothing") << QStringList{setAddress, "get 7FF1:00010001"} << QStringList()
                                                      << 64 << QStringList()
                                                      << "orv-rdm-cli: line 2: get needs UID and PID, 1 given";
    }

    void batch()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, options);
        const QString file = write(QStringLiteral("batch.txt"), lines.join(QLatin1Char('\n')).toUtf8());
        const CliRun run = runCli(QStringList{QStringLiteral("batch"), file} + options, QStringLiteral("demo"));
        QTEST(run.exitCode, "exitCode");
        QTEST(::lines(run.out), "out");
        QTEST(::lines(run.err).value(::lines(run.err).size() - 1), "error");
    }

    void snapshotReplaysTheDemoRig()
    {
        const QString snapshot = m_scratch.filePath(QStringLiteral("rig.json"));
        const CliRun written = runCli({QStringLiteral("snapshot"), snapshot}, QStringLiteral("demo"));
        QCOMPARE(written.exitCode, 0);
        QCOMPARE(lines(written.err).constLast(), QStringLiteral("8 device(s) written to %1").arg(snapshot));

        const CliRun replayed = runCli({QStringLiteral("report")}, snapshot);
        QCOMPARE(replayed.exitCode, 0);
        QCOMPARE(withoutReadings(replayed.out), withoutReadings(m_demoReport.out));
        // The readings the snapshot took are the ones the replay answers.
        QStringList taken;
        for (const QJsonValue &responder : changedInterfaces(snapshot, {}).at(0)[QLatin1String("responders")].toArray()) {
            for (const QJsonValue &sensor : responder[QLatin1String("sensors")].toArray())
                taken << QString::number(sensor[QLatin1String("value")].toInt());
        }
        QStringList answered;
        for (const QJsonValue &device : QJsonDocument::fromJson(replayed.out.toUtf8())[QLatin1String("devices")].toArray()) {
            for (const QJsonValue &sensor : device[QLatin1String("sensors")].toArray()) {
                if (device[QLatin1String("subDevice")].toInt() == 0)
                    answered << QString::number(sensor[QLatin1String("presentValue")].toInt());
            }
        }
        QVERIFY(!taken.isEmpty());
        QCOMPARE(answered, taken);
    }

    // A failure, a time-out or an unplugged cable at transfer N of a report: the report comes out whole
    // or the tool says the interface is missing (2) or lost (3), never anything else and never a hang.
    void reportSurvivesAFaultAtAnyTransfer()
    {
        const int transfers = int(m_demoReport.err.count(QLatin1String("USB Control ")));
        QVERIFY(transfers > 1000);
        QStringList outcomes;
        // A step that is prime to the shape of the exchanges, so every kind of transfer is met.
        const int step = transfers / 23 + 1;
        for (int transfer = 1; transfer <= transfers + 1; transfer += step) {
            const auto failure = [transfer](int result) {
                return QJsonObject{{QStringLiteral("failTransfers"),
                                    QJsonArray{QJsonObject{{QStringLiteral("number"), transfer}, {QStringLiteral("result"), result}}}}};
            };
            const QList<QPair<QString, QJsonObject>> faults{
                {QStringLiteral("stall"), failure(-32)},
                {QStringLiteral("time-out"), failure(-110)},
                {QStringLiteral("unplug"), {{QStringLiteral("unplugAtTransfer"), transfer}}},
            };
            for (const auto &fault : faults) {
                const CliRun run = runCli({QStringLiteral("report")},
                                          writeScenario(changedInterfaces(QStringLiteral(ORV_DEMO_SCENARIO), fault.second)));
                const bool whole = run.exitCode == 0 && withoutReadings(run.out) == withoutReadings(m_demoReport.out);
                if (!whole && run.exitCode != 2 && run.exitCode != 3)
                    outcomes << QStringLiteral("%1 at %2: exit %3 %4").arg(fault.first).arg(transfer).arg(run.exitCode).arg(run.err);
            }
        }
        QCOMPARE(outcomes.join(QLatin1Char('\n')), QString());
    }

    void watchWritesThreeReadingsOfEverySensor()
    {
        const CliRun run = runCli({"watch", "7FF2:00000B01", "--interval", "0", "--count", "3"}, QStringLiteral("demo"));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QStringList csv = run.out.split(QStringLiteral("\r\n"));
        QCOMPARE(csv.takeLast(), QString());
        QCOMPARE(csv.takeFirst(), QStringLiteral("time,sensor,description,value,unit"));
        // The row layout itself is the sensor history's; here only which sensor, how often.
        QStringList readings;
        for (const QString &text : std::as_const(csv))
            readings << text.section(QLatin1Char(','), 1, 2);
        const QStringList sensors{"0,Mains L1", "1,Current L1", "2,Ambient", "3,Phase angle L1", "4,Earth leakage"};
        QCOMPARE(readings, sensors + sensors + sensors);
        QVERIFY2(csv.first().endsWith(QLatin1String(",V")), qPrintable(csv.first()));
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
