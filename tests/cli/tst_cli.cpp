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

// The scenario's first interface with `faults`, or with `responder` added to its line.
QJsonArray changedInterfaces(const QString &scenario, const QJsonObject &faults, const QJsonObject &responder = {})
{
    QFile file(scenario);
    QJsonArray interfaces = file.open(QIODevice::ReadOnly)
        ? QJsonDocument::fromJson(file.readAll())[QLatin1String("interfaces")].toArray() : QJsonArray();
    QJsonObject unit = interfaces.at(0).toObject();
    unit.insert(QStringLiteral("faults"), faults);
    if (!responder.isEmpty())
        unit.insert(QStringLiteral("responders"), unit.value(QLatin1String("responders")).toArray() + responder);
    interfaces.replace(0, unit);
    return interfaces;
}

// A report with what differs from run to run taken out: demo sensors move, and a snapshot's replay
// answers at once what a device answered late.
QString withoutReadings(const QString &report)
{
    static const QRegularExpression readings(
        QString::fromLatin1(R"re("(updateTime|updateDate|presentValue|lowestValue|highestValue|recordedValue)": )re"
                            R"re([^\n]*\n|"failedGets": \[[^\]]*\],?\n)re"));
    return QString(report).remove(readings);
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

        const QByteArray report = R"({"devices": [{"uid": "0001:00000001", "subDevice": 0, "dmxStartAddress": %1,
                                                    "dmxFootprint": 4, "deviceLabel": "Wash"}]})";
        const QString before = write(QStringLiteral("before.json"), QString::fromLatin1(report).arg(1).toLatin1());
        const QString after = write(QStringLiteral("after.json"), QString::fromLatin1(report).arg(2).toLatin1());
        const QJsonObject silent{{QStringLiteral("uid"), QStringLiteral("4F52:0000D0D0")},
                                 {QStringLiteral("behaviour"), QJsonObject{{QStringLiteral("silent"), true}}}};

        QTest::newRow("list in enumeration order")
            << write(QStringLiteral("units.json"),
                     R"({"interfaces": [{"serial": "ABCDEF1", "model": "Rb604 RDM/DMX", "firmware": "2.14"},
                                        {"serial": "XYZ0042", "model": "Rb604 Touring", "firmware": "3.01"}]})")
            << QStringList{"list"} << 0
            << QStringList{"0: D:Rb604 RDM/DMX FW:2.14 SN:ABCDEF1", "1: D:Rb604 Touring FW:3.01 SN:XYZ0042"} << QStringList();
        QTest::newRow("discover") << workshopScenario << QStringList{"discover"} << 0
                                  << QStringList{"4F52:00000101", "4F52:00000202"} << QStringList{"Number of devices found: 2"};
        QTest::newRow("GET as JSON") << workshopScenario << QStringList{"get", dimmer, "DEVICE_LABEL", "--json"} << 0
            << QStringList{R"({"data":"42656e63682064696d6d6572","log":["ACK response received"],"pid":"0x0082","result":0,)"
                           R"("subDevice":0,"uid":"4F52:00000101","value":"Device Label: Bench dimmer"})"} << QStringList();
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

        const auto batch = [this](const QStringList &lines) {
            return write(QStringLiteral("batch.txt"), lines.join(QLatin1Char('\n')).toUtf8());
        };
        const QString demo = QStringLiteral("demo");
        const QString setAddress = QStringLiteral("set 7FF1:00010001 DMX_START_ADDRESS --data 0021");
        const QString getAddress = QStringLiteral("get 7FF1:00010001 DMX_START_ADDRESS");
        const QString unknownPid = QStringLiteral("get 7FF1:00010001 0x7FE0");
        const QStringList setDone{"Sending SET request", "ACK response received", "result: 0", "data:"};
        const QStringList readBack{"ACK response received", "result: 0", "data: 0021", "value: DMX start address: 33"};
        const QStringList nacked{"Response error - NACK response received: NR_UNKNOWN_PID", "result: -3"};
        QTest::newRow("batch: set then get reads the new value back")
            << demo << QStringList{"batch", batch({"# re-address the par", setAddress, "", getAddress})} << 0
            << setDone + readBack << QStringList();
        QTest::newRow("batch: failing line stops it")
            << demo << QStringList{"batch", batch({setAddress, unknownPid, getAddress})} << 4 << setDone + nacked
            << QStringList{"orv-rdm-cli: GET of 0x7FE0 to 7FF1:00010001 failed: NACK: NR_UNKNOWN_PID",
                           "orv-rdm-cli: line 2 failed with exit status 4"};
        QTest::newRow("batch: keep going runs the rest")
            << demo << QStringList{"batch", batch({unknownPid, setAddress, getAddress}), "--keep-going"} << 4
            << nacked + setDone + readBack << QStringList{"orv-rdm-cli: line 1 failed with exit status 4"};
        QTest::newRow("batch: SET to a maker's devices reads no answer, and reaches them")
            << demo << QStringList{"batch", batch({"set 7FF1:FFFFFFFF IDENTIFY_DEVICE --data 01",
                                                   "get 7FF1:00010001 IDENTIFY_DEVICE"})}
            << 0
            << QStringList{"Sending SET request", "SET Broadcast sent.", "result: 0", "ACK response received",
                           "result: 0", "data: 01", "value: Identify device: 1"}
            << QStringList();
        QTest::newRow("batch: malformed line sends nothing")
            << demo << QStringList{"batch", batch({setAddress, "get 7FF1:00010001"})} << 64 << QStringList()
            << QStringList{"orv-rdm-cli: line 2: get needs UID and PID, 1 given"};
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
        const auto readings = [](const QJsonArray &holders, const char *key) {
            QStringList values;
            for (const QJsonValue &holder : holders) {
                for (const QJsonValue &sensor : holder[QLatin1String("sensors")].toArray())
                    values << QString::number(sensor[QLatin1String(key)].toInt());
            }
            return values;
        };
        const QJsonArray responders = changedInterfaces(snapshot, {}).at(0)[QLatin1String("responders")].toArray();
        QVERIFY(!readings(responders, "value").isEmpty());
        const QJsonArray devices = QJsonDocument::fromJson(replayed.out.toUtf8())[QLatin1String("devices")].toArray();
        QCOMPARE(readings(devices, "presentValue"), readings(responders, "value"));
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
            // A stall, a time-out, an unplugged cable.
            for (const char *fault : {R"({"failTransfers": [{"number": %1, "result": -32}]})",
                                      R"({"failTransfers": [{"number": %1, "result": -110}]})",
                                      R"({"unplugAtTransfer": %1})"}) {
                const QString faults = QString::fromLatin1(fault).arg(transfer);
                const QJsonObject parsed = QJsonDocument::fromJson(faults.toUtf8()).object();
                const CliRun run = runCli({QStringLiteral("report")},
                                          writeScenario(changedInterfaces(QStringLiteral(ORV_DEMO_SCENARIO), parsed)));
                const bool whole = run.exitCode == 0 && withoutReadings(run.out) == withoutReadings(m_demoReport.out);
                if (!whole && run.exitCode != 2 && run.exitCode != 3)
                    outcomes << QStringLiteral("%1: exit %2 %3").arg(faults).arg(run.exitCode).arg(run.err);
            }
        }
        QCOMPARE(outcomes.join(QLatin1Char('\n')), QString());
    }

    void watchWritesThreeReadingsOfEverySensor()
    {
        const CliRun run = runCli({"watch", "7FF2:00000B01", "--interval", "0", "--count", "3"}, QStringLiteral("demo"));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        // The row layout itself is the sensor history's; here only which sensor, how often.
        QStringList readings;
        for (const QString &row : run.out.split(QStringLiteral("\r\n")))
            readings << row.section(QLatin1Char(','), 1, 2);
        const QStringList sensors{"0,Mains L1", "1,Current L1", "2,Ambient", "3,Phase angle L1", "4,Earth leakage"};
        QCOMPARE(readings, QStringList{"sensor,description"} + sensors + sensors + sensors + QStringList{QString()});
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
