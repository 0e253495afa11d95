// The command-line tool as scripts run it: one run per exit status class, and the rigs read in full.
#include "cliprocess.h"
#include "scenarioexpectation.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString workshopScenario = QStringLiteral(ORV_CLI_SCENARIOS "/workshop.json");
const QString dimmer = QStringLiteral("4F52:00000101");

QMap<QString, QJsonObject> respondersByUid(const QString &scenarioPath)
{
    QMap<QString, QJsonObject> responders;
    for (const QJsonValue &value : scenarioResponders(scenarioPath))
        responders.insert(scenarioUid(value.toObject()), value.toObject());
    return responders;
}

QJsonObject parsedOutput(const CliRun &run)
{
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

// A report with the sensors' readings taken out: demo sensors move, so they differ from run to run.
// The GETs that failed go too: a snapshot's replay answers at once what a device answered late.
QJsonObject withoutReadings(const QJsonObject &report)
{
    QJsonArray devices = report.value(QLatin1String("devices")).toArray();
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

bool writeText(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private:
    // A scenario written for one test.
    QString writeScenario(const QJsonArray &interfaces)
    {
        const QString path = m_scratch.filePath(QStringLiteral("scenario%1.json").arg(++m_written));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("interfaces"), interfaces}}).toJson());
        return path;
    }

    QString writeBatch(const QStringList &lines)
    {
        const QString path = m_scratch.filePath(QStringLiteral("batch%1.txt").arg(++m_written));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(lines.join(QLatin1Char('\n')).toUtf8());
        return path;
    }

    QTemporaryDir m_scratch;
    int m_written = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(m_scratch.isValid());
        QVERIFY(!scenarioResponders(QStringLiteral(ORV_DEMO_SCENARIO)).isEmpty());
    }

    void listNamesTheInterfacesInEnumerationOrder()
    {
        const auto unit = [](const char *serial, const char *model, const char *firmware) {
            return QJsonObject{{QStringLiteral("serial"), serial}, {QStringLiteral("model"), model},
                               {QStringLiteral("firmware"), firmware}};
        };
        const CliRun run = runCli({QStringLiteral("list")}, writeScenario({unit("ABCDEF1", "Rb604 RDM/DMX", "2.14"),
                                                                            unit("XYZ0042", "Rb604 Touring", "3.01")}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(CliRun::lines(run.out), QStringList({"0: D:Rb604 RDM/DMX FW:2.14 SN:ABCDEF1", "1: D:Rb604 Touring FW:3.01 SN:XYZ0042"}));
    }

    void exitStatus_data()
    {
        QTest::addColumn<QString>("simulator");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("errors"); // each must be a line of the error output

        const qint64 startAddress = scenarioNumber(respondersByUid(workshopScenario).value(dimmer), "startAddress");
        const QString ack = QStringLiteral("ACK response received");
        QJsonArray unplugging = scenarioArray(readScenario(workshopScenario), "interfaces");
        QJsonObject unit = unplugging.at(0).toObject();
        unit.insert(QStringLiteral("faults"), QJsonObject{{QStringLiteral("unplugAtTransfer"), 30}});
        unplugging.replace(0, unit);

        QTest::newRow("GET of the start address") << workshopScenario << QStringList{"get", dimmer, "DMX_START_ADDRESS"} << 0
            << QStringList{ack, "result: 0", QStringLiteral("data: %1").arg(startAddress, 4, 16, QLatin1Char('0')),
                           QStringLiteral("value: DMX start address: %1").arg(startAddress)}
            << QStringList();
        QTest::newRow("SET of the start address") << workshopScenario
            << QStringList{"set", dimmer, "DMX_START_ADDRESS", "--data", "0021"} << 0
            << QStringList{"Sending SET request", ack, "result: 0", "data:"} << QStringList();
        QTest::newRow("GET of an unknown PID") << workshopScenario << QStringList{"get", dimmer, "0x7FE0"} << 4
            << QStringList{"Response error - NACK response received: NR_UNKNOWN_PID", "result: -3"}
            << QStringList{"orv-rdm-cli: GET of 0x7FE0 to 4F52:00000101 failed: NACK: NR_UNKNOWN_PID"};
        QTest::newRow("nothing attached") << writeScenario({}) << QStringList{"discover"} << 2 << QStringList()
                                          << QStringList{"orv-rdm-cli: no interface found", "to try without one, set RB604_SIMULATOR=demo."};
        QTest::newRow("interface lost in the middle of a full read") << writeScenario(unplugging)
            << QStringList{"info", dimmer} << 3 << QStringList()
            << QStringList{"orv-rdm-cli: the interface was lost: a USB transfer failed"};
        QTest::newRow("bad arguments show the usage") << workshopScenario << QStringList() << 64 << QStringList()
            << QStringList{"orv-rdm-cli: no command given", "Usage: orv-rdm-cli [--interface N] [--trace] COMMAND [ARGUMENTS]"};
    }

    void exitStatus()
    {
        QFETCH(QString, simulator);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, errors);
        const CliRun run = runCli(arguments, simulator);
        QTEST(run.exitCode, "exitCode");
        QTEST(CliRun::lines(run.out), "lines");
        const QStringList errorLines = CliRun::lines(run.err);
        for (const QString &error : errors)
            QVERIFY2(errorLines.contains(error), qPrintable(run.err));
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
        QTest::newRow("malformed line sends nothing") << QStringList{setAddress, "get 7FF1:00010001"} << QStringList()
                                                      << 64 << QStringList()
                                                      << "orv-rdm-cli: line 2: get needs UID and PID, 1 given";
    }

    void batch()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, options);
        const CliRun run = runCli(QStringList{QStringLiteral("batch"), writeBatch(lines)} + options, QStringLiteral("demo"));
        QTEST(run.exitCode, "exitCode");
        QTEST(CliRun::lines(run.out), "out");
        QTEST(CliRun::lines(run.err).value(CliRun::lines(run.err).size() - 1), "error");
    }

    void getPrintsTheDecodedValue()
    {
        const CliRun run = runCli({QStringLiteral("batch"), writeBatch({"get 7FF1:00010001 DEVICE_LABEL",
                                                                        "get 7FF1:00010001 DEVICE_INFO",
                                                                        "get 7FF1:00020001 SENSOR_VALUE --data 00",
                                                                        "get 7FF1:00010001 0x8001"})},
                                  QStringLiteral("demo"));
        QCOMPARE(run.exitCode, 0);
        const QStringList values = CliRun::lines(run.out).filter(QRegularExpression(QStringLiteral("^value: ")));
        QCOMPARE(values, QStringList({
            "value: Device Label: Stage left par",
            "value: Device info: protocol major: 1; protocol minor: 0; device model id: 0x0101; product category: "
            "Fixture Fixed (0x0101); software version id:  (0x02040001); DMX footprint: 8; current personality: 2; "
            "personality count: 3; DMX start address: 1; subdevice count: 0; sensor count: 1",
            "value: Sensor value: sensor number: 0; present value: 87; lowest: 22; highest: 104; recorded: 0",
            "value: Fan mode: unsigned bytes: 1",
        }));
    }

    void getAndSetAsJson()
    {
        const CliRun run = runCli({QStringLiteral("batch"), writeBatch({"set 7FF1:00010001 DEVICE_LABEL --data 4c656674 --json",
                                                                        "get 7FF1:00010001 DEVICE_LABEL --json"})},
                                  QStringLiteral("demo"));
        QCOMPARE(run.exitCode, 0);
        const QStringList objects = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(objects.size(), 2);
        const QJsonObject set = QJsonDocument::fromJson(objects.at(0).toUtf8()).object();
        const QJsonObject get = QJsonDocument::fromJson(objects.at(1).toUtf8()).object();
        QCOMPARE(set.value(QLatin1String("data")).toString(), QString());
        QCOMPARE(get.value(QLatin1String("uid")).toString(), QStringLiteral("7FF1:00010001"));
        QCOMPARE(get.value(QLatin1String("subDevice")).toInt(-1), 0);
        QCOMPARE(get.value(QLatin1String("pid")).toString(), QStringLiteral("0x0082"));
        QCOMPARE(get.value(QLatin1String("result")).toInt(-1), 0);
        QCOMPARE(get.value(QLatin1String("data")).toString(), QStringLiteral("4c656674"));
        QCOMPARE(get.value(QLatin1String("value")).toString(), QStringLiteral("Device Label: Left"));
        QCOMPARE(CliRun::lines(get.value(QLatin1String("log")).toVariant().toStringList().join(QLatin1Char('\n'))),
                 QStringList{"ACK response received"});
    }

    void snapshotReplaysTheDemoRig()
    {
        const QString snapshot = m_scratch.filePath(QStringLiteral("rig.json"));
        const CliRun written = runCli({QStringLiteral("snapshot"), snapshot}, QStringLiteral("demo"));
        QCOMPARE(written.exitCode, 0);
        QCOMPARE(CliRun::lines(written.err).constLast(), QStringLiteral("8 device(s) written to %1").arg(snapshot));

        const CliRun original = runCli({QStringLiteral("report")}, QStringLiteral("demo"));
        const CliRun replayed = runCli({QStringLiteral("report")}, snapshot);
        QCOMPARE(replayed.exitCode, 0);
        QCOMPARE(withoutReadings(parsedOutput(replayed)), withoutReadings(parsedOutput(original)));

        // The readings the snapshot took are the ones the replay answers.
        QStringList taken;
        for (const QJsonValue &responder : scenarioResponders(snapshot)) {
            for (const QJsonValue &sensor : responder.toObject().value(QLatin1String("sensors")).toArray())
                taken << QString::number(sensor.toObject().value(QLatin1String("value")).toInt());
        }
        QStringList answered;
        for (const QJsonValue &device : parsedOutput(replayed).value(QLatin1String("devices")).toArray()) {
            if (device.toObject().value(QLatin1String("subDevice")).toInt() != 0)
                continue;
            for (const QJsonValue &sensor : device.toObject().value(QLatin1String("sensors")).toArray())
                answered << QString::number(sensor.toObject().value(QLatin1String("presentValue")).toInt());
        }
        QVERIFY(!taken.isEmpty());
        QCOMPARE(answered, taken);
    }

    void diffListsWhatABatchChanged()
    {
        const QString before = m_scratch.filePath(QStringLiteral("before.json"));
        const QString after = m_scratch.filePath(QStringLiteral("after.json"));
        const CliRun original = runCli({QStringLiteral("report")}, QStringLiteral("demo"));
        const CliRun changed = runCli({QStringLiteral("batch"), writeBatch({
            "set 7FF1:00050001 DMX_START_ADDRESS --data 0065 --json",
            "set 7FF1:00050002 DMX_START_ADDRESS --data 007D --json",
            "set 7FF2:00000A01 DEVICE_LABEL --data 5261636b2042 --json", // "Rack B"
            "report"})}, QStringLiteral("demo"));
        QCOMPARE(changed.exitCode, 0);
        QVERIFY(writeText(before, original.out));
        QVERIFY(writeText(after, changed.out.mid(changed.out.indexOf(QLatin1String("\n{\n")) + 1)));

        const CliRun same = runCli({QStringLiteral("diff"), before, before}, QString());
        QCOMPARE(same.exitCode, 0);
        QCOMPARE(same.out, QString());
        const CliRun run = runCli({QStringLiteral("diff"), before, after}, QString());
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(CliRun::lines(run.out), QStringList({"7FF1:00050001: address 100 -> 101",
                                                       "7FF1:00050002: address 112 -> 125",
                                                       "7FF2:00000A01: label \"Dimmer rack A\" -> \"Rack B\""}));
        const CliRun json = runCli({QStringLiteral("diff"), "--json", before, after}, QString());
        QCOMPARE(QJsonDocument::fromJson(json.out.toUtf8()).object().value(QLatin1String("changed")).toArray().size(), 3);

        const CliRun notAReport = runCli({QStringLiteral("diff"), before, workshopScenario}, QString());
        QCOMPARE(notAReport.exitCode, 64);
        QCOMPARE(CliRun::lines(notAReport.err).constLast(),
                 QStringLiteral("orv-rdm-cli: %1 is not a rig report: it has no \"devices\" array").arg(workshopScenario));
    }

    void checkFindsTheOverlappingBars()
    {
        const CliRun run = runCli({QStringLiteral("check")}, QStringLiteral("demo"));
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(CliRun::lines(run.out), QStringList{"7FF1:00050001 and 7FF1:00050002 overlap on channels 112 to 123"});
    }

    void discoverAndReportTheDemoRig()
    {
        const QMap<QString, QJsonObject> responders = respondersByUid(QStringLiteral(ORV_DEMO_SCENARIO));
        const CliRun discovered = runCli({QStringLiteral("discover")}, QStringLiteral("demo"));
        QCOMPARE(discovered.exitCode, 0);
        QStringList uids = CliRun::lines(discovered.out);
        QCOMPARE(CliRun::lines(discovered.err).constLast(), QStringLiteral("Number of devices found: %1").arg(uids.size()));
        uids.sort();
        QCOMPARE(uids, responders.keys());

        // Discovery order, each root followed by the sub-devices that answer.
        const CliRun run = runCli({QStringLiteral("report")}, QStringLiteral("demo"));
        QCOMPARE(run.exitCode, 0);
        QList<ScenarioDevice> expected;
        for (const QString &uid : CliRun::lines(discovered.out))
            expected += scenarioDevices(responders.value(uid));
        const QJsonArray devices = parsedOutput(run).value(QLatin1String("devices")).toArray();
        QCOMPARE(devices.size(), expected.size());
        QStringList differences;
        for (int i = 0; i < devices.size(); ++i)
            differences += recordDifferences(devices.at(i).toObject(), expected.at(i));
        QCOMPARE(differences.join(QLatin1Char('\n')), QString());
    }

    void reportNamesTheResponderThatNeverAnswers()
    {
        QJsonArray interfaces = scenarioArray(readScenario(workshopScenario), "interfaces");
        QJsonObject unit = interfaces.at(0).toObject();
        QJsonArray responders = unit.value(QLatin1String("responders")).toArray();
        responders.append(QJsonObject{{QStringLiteral("uid"), QStringLiteral("4F52:0000D0D0")},
                                      {QStringLiteral("behaviour"), QJsonObject{{QStringLiteral("silent"), true}}}});
        unit.insert(QStringLiteral("responders"), responders);
        interfaces.replace(0, unit);
        const CliRun run = runCli({QStringLiteral("report")}, writeScenario(interfaces));
        QCOMPARE(run.exitCode, 4);
        QStringList answers;
        for (const QJsonValue &device : parsedOutput(run).value(QLatin1String("devices")).toArray()) {
            if (device[QLatin1String("subDevice")].toInt() != 0)
                continue;
            answers << device[QLatin1String("uid")].toString() + QLatin1Char(' ')
                    + (device[QLatin1String("answered")].toBool() ? "answered" : "silent")
                    + (device[QLatin1String("detailsFetched")].toBool() ? " fetched " : " not fetched ")
                    + device[QLatin1String("failedGets")].toVariant().toStringList().value(0);
        }
        answers.sort();
        QCOMPARE(answers.constLast(), QStringLiteral("4F52:0000D0D0 silent not fetched DEVICE_INFO"));
        QCOMPARE(answers.filter(QStringLiteral(" answered fetched")).size(), answers.size() - 1);
        QVERIFY2(CliRun::lines(run.err).contains(QStringLiteral("orv-rdm-cli: a device did not answer DEVICE_INFO")),
                 qPrintable(run.err));
    }

    // A failure, a time-out or an unplugged cable at transfer N of a report: the report comes out whole
    // or the tool says the interface is missing (2) or lost (3), never anything else and never a hang.
    void reportSurvivesAFaultAtAnyTransfer()
    {
        const QJsonObject demo = readScenario(QStringLiteral(ORV_DEMO_SCENARIO));
        const CliRun clean = runCli({QStringLiteral("--trace"), QStringLiteral("report")}, QStringLiteral("demo"));
        QCOMPARE(clean.exitCode, 0);
        const int transfers = int(clean.err.count(QLatin1String("USB Control ")));
        QVERIFY(transfers > 1000);
        const auto withFault = [&demo](const QJsonObject &faults) {
            QJsonArray interfaces = scenarioArray(demo, "interfaces");
            QJsonObject unit = interfaces.at(0).toObject();
            unit.insert(QStringLiteral("faults"), faults);
            interfaces.replace(0, unit);
            return interfaces;
        };
        QStringList outcomes;
        // A step that is prime to the shape of the exchanges, so every kind of transfer is met.
        const int step = transfers / 23 + 1;
        for (int transfer = 1; transfer <= transfers + 1; transfer += step) {
            const auto failure = [transfer](int result) {
                return QJsonObject{{QStringLiteral("failTransfers"),
                                    QJsonArray{QJsonObject{{QStringLiteral("number"), transfer},
                                                           {QStringLiteral("result"), result}}}}};
            };
            const QList<QPair<QString, QJsonObject>> faults{
                {QStringLiteral("stall"), failure(-32)},
                {QStringLiteral("time-out"), failure(-110)},
                {QStringLiteral("unplug"), {{QStringLiteral("unplugAtTransfer"), transfer}}},
            };
            for (const auto &fault : faults) {
                const CliRun run = runCli({QStringLiteral("report")}, writeScenario(withFault(fault.second)));
                const bool whole = run.exitCode == 0
                                   && withoutReadings(parsedOutput(run)) == withoutReadings(parsedOutput(clean));
                if (!whole && run.exitCode != 2 && run.exitCode != 3)
                    outcomes << QStringLiteral("%1 at %2: exit %3 %4")
                                    .arg(fault.first).arg(transfer).arg(run.exitCode).arg(run.err);
            }
        }
        QCOMPARE(outcomes.join(QLatin1Char('\n')), QString());
    }

    void infoReadsTheWholeDevice()
    {
        // A root with sub-devices, sensors and manufacturer PIDs.
        const CliRun run = runCli({QStringLiteral("info"), dimmer}, workshopScenario);
        QCOMPARE(run.exitCode, 0);
        const QJsonObject responder = respondersByUid(workshopScenario).value(dimmer);
        QCOMPARE(recordDifferences(parsedOutput(run), {responder, responder, 0}).join(QLatin1Char('\n')), QString());
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
