// The command-line tool's argument checks, value parsing, completion, text progress bar, log hand-over,
// rig checks and report comparison, in process.
#include "cli/clisession.h"
#include "cli/commandline.h"
#include "cli/reportdiff.h"
#include "cli/rigcheck.h"
#include "cli/textprogressbar.h"
#include "rdm/standardparameters.h"

#include <QJsonObject>
#include <QTextStream>
#include <QtTest>

namespace {

// The command line as parsed, in one line.
QString described(const CommandLine &line)
{
    static const char *const commands[] = {"list", "discover", "info", "get", "set", "report", "batch", "snapshot", "diff", "check", "watch"};
    return QStringLiteral("%1 interface %2 %3 uid %4 pid %5 sub %6 data [%7]%8%9")
               .arg(QLatin1String(commands[int(line.command)])).arg(line.interfaceIndex)
               .arg(line.discovery == DiscoveryRun::Full ? QStringLiteral("full") : QStringLiteral("additional"))
               .arg(line.uid, 12, 16, QLatin1Char('0')).arg(line.pid, 4, 16, QLatin1Char('0')).arg(line.subDevice)
               .arg(QString::fromLatin1(line.data.toHex()), line.trace ? QStringLiteral(" trace") : QString(),
                    line.helpRequested ? QStringLiteral(" help") : QString())
           + (line.format == OutputFormat::Json ? QStringLiteral(" json") : QString())
           + (line.batchFailure == BatchFailure::KeepGoing ? QStringLiteral(" keep-going") : QString())
           + (line.files.isEmpty() ? QString() : QStringLiteral(" files ") + line.files.join(QLatin1Char(',')))
           + (line.command == CliCommand::Watch ? QStringLiteral(" every %1 ms, %2 readings").arg(line.intervalMs).arg(line.count)
                                                : QString());
}

// The command line as parsed, or the error the user is shown; "> " in front marks a line of a batch file.
QString parsed(const QString &arguments)
{
    CommandLine line;
    QString error;
    const bool accepted = arguments.startsWith(QLatin1String("> "))
        ? parseBatchLine(arguments.mid(2), &line, &error)
        : parseCommandLine(arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts), &line, &error);
    return accepted ? described(line) : error;
}

// A device of a hand-made report.
QJsonObject device(const char *uid, int subDevice, int start, int footprint, const char *label = "",
                   int model = 1, qint64 software = 1)
{
    return {{QStringLiteral("uid"), QLatin1String(uid)},         {QStringLiteral("subDevice"), subDevice},
            {QStringLiteral("dmxStartAddress"), start},          {QStringLiteral("dmxFootprint"), footprint},
            {QStringLiteral("deviceLabel"), QLatin1String(label)}, {QStringLiteral("deviceModelId"), model},
            {QStringLiteral("softwareVersionId"), software},     {QStringLiteral("softwareVersionLabel"), QString()}};
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("outcome");

        const QString none = QStringLiteral(" uid 000000000000 pid 0000 sub 0 data []");
        const QString device = QStringLiteral(" uid 123456789abc pid ");
        const QString watched = QStringLiteral("watch interface 0 additional uid 7ff200000b01 pid 0000 sub 0 data [] every ");
        QTest::newRow("help needs no command") << "--help" << "list interface 0 additional" + none + " help";
        QTest::newRow("second interface, traced") << "--trace --interface 1 list" << "list interface 1 additional" + none + " trace";
        QTest::newRow("full report, option first") << "--full report" << "report interface 0 full" + none;
        QTest::newRow("info of the last sub-device") << "info 7ff1:0001000a --sub 512"
                                                     << "info interface 0 additional uid 7ff10001000a pid 0000 sub 512 data []";
        QTest::newRow("get by name in lower case, as JSON") << "get 1234:56789ABC dmx_start_address --json"
                                                            << "get interface 0 additional" + device + "00f0 sub 0 data [] json";
        QTest::newRow("get by hexadecimal PID with data") << "get 1234:56789ABC 0x0051 --data 8001"
                                                          << "get interface 0 additional" + device + "0051 sub 0 data [8001]";
        QTest::newRow("set to all sub-devices") << "set 1234:56789ABC DMX_START_ADDRESS --sub 65535 --data=0021"
                                                << "set interface 0 additional" + device + "00f0 sub 65535 data [0021]";
        QTest::newRow("set to a broadcast UID") << "set 1234:FFFFFFFF IDENTIFY_DEVICE --data 01"
                                                << "set interface 0 additional uid 1234ffffffff pid 1000 sub 0 data [01]";
        QTest::newRow("data as long as a packet carries") << "set 1234:56789ABC DEVICE_LABEL --data " + QString(462, 'a')
                                                          << "set interface 0 additional" + device + "0082 sub 0 data [" + QString(462, 'a') + "]";
        QTest::newRow("batch from a file, going on") << "batch --keep-going rig.txt"
                                                     << "batch interface 0 additional" + none + " keep-going files rig.txt";
        QTest::newRow("watch every longest interval, once") << "watch 7FF2:00000B01 --interval 86400 --count 1"
                                                            << watched + "86400000 ms, 1 readings";
        QTest::newRow("watch defaults: every 5 s until interrupted") << "watch 7FF2:00000B01" << watched + "5000 ms, 0 readings";
        QTest::newRow("watch every millisecond") << "watch 7FF2:00000B01 --interval 0.001" << watched + "1 ms, 0 readings";

        const QString badPid = QStringLiteral("bad PID \"%1\": expected an E1.20 parameter name or a hexadecimal PID");
        const QString badData = QStringLiteral("bad data \"%1\": expected hexadecimal digit pairs, at most 231 bytes");
        const QString badSubDevice = QStringLiteral("bad sub-device \"%1\": expected 0 to 512");
        const QString badInterval = QStringLiteral("bad interval \"%1\": expected 0 to 86400 seconds, at most 3 decimals");
        QTest::newRow("no command") << QString() << "no command given";
        // Every command, each with one count it refuses.
        const struct { const char *arguments, *error; } counts[] = {
            {"list all", "list takes no arguments, 1 given"},
            {"discover all", "discover takes no arguments, 1 given"},
            {"info", "info needs UID, 0 given"},
            {"get 1234:56789ABC DEVICE_INFO 1", "get needs UID and PID, 3 given"},
            {"set 1234:56789ABC", "set needs UID and PID, 1 given"},
            {"report now", "report takes no arguments, 1 given"},
            {"batch a.txt b.txt", "batch takes at most FILE, 2 given"},
            {"snapshot", "snapshot needs FILE, 0 given"},
            {"diff old.json", "diff needs OLD and NEW, 1 given"},
            {"check a.json b.json", "check takes at most REPORT, 2 given"},
            {"watch", "watch needs UID, 0 given"},
        };
        for (const auto &count : counts)
            QTest::newRow(count.arguments) << count.arguments << count.error;
        QTest::newRow("unknown option as typed") << "discover --fast" << "unknown option \"--fast\"";
        QTest::newRow("JSON for a report") << "report --json" << "report does not take --json";
        QTest::newRow("unknown command") << "scan" << "unknown command \"scan\"";
        QTest::newRow("UID without colon") << "info 123456789ABC"
                                           << "bad UID \"123456789ABC\": expected MMMM:DDDDDDDD in hexadecimal";
        QTest::newRow("GET to a broadcast UID") << "get 1234:FFFFFFFF DEVICE_INFO"
                                                << "get needs the UID of one device; 1234:FFFFFFFF is a broadcast UID";
        QTest::newRow("unknown PID name") << "get 1234:56789ABC START_ADDRESS" << badPid.arg("START_ADDRESS");
        QTest::newRow("odd count of data digits") << "set 1234:56789ABC DEVICE_LABEL --data 414" << badData.arg("414");
        QTest::newRow("data longer than a packet carries") << "set 1234:56789ABC DEVICE_LABEL --data " + QString(464, 'a')
                                                           << badData.arg(QString(464, 'a'));
        QTest::newRow("sub-device beyond 512") << "info 1234:56789ABC --sub 513" << badSubDevice.arg("513");
        QTest::newRow("no GET of all sub-devices") << "get 1234:56789ABC DEVICE_INFO --sub 65535" << badSubDevice.arg("65535");
        QTest::newRow("no info of all sub-devices") << "info 1234:56789ABC --sub 65535" << badSubDevice.arg("65535");
        QTest::newRow("interval above a day") << "watch 7FF2:00000B01 --interval 86400.001" << badInterval.arg("86400.001");
        QTest::newRow("interval below a millisecond") << "watch 7FF2:00000B01 --interval 0.0005" << badInterval.arg("0.0005");
        QTest::newRow("no readings") << "watch 7FF2:00000B01 --count 0" << "bad count \"0\": expected 1 or more readings";
        QTest::newRow("UID followed by a newline") << "info 7FF1:00010001\n"
                                                   << "bad UID \"7FF1:00010001\n\": expected MMMM:DDDDDDDD in hexadecimal";
        QTest::newRow("sub-device followed by a newline") << "info 1234:56789ABC --sub 7\n" << badSubDevice.arg("7\n");
        QTest::newRow("batch line with blanks around and a quoted UID")
            << ">   set \"7FF1:00010001\" DMX_START_ADDRESS --data 0021 "
            << "set interface 0 additional uid 7ff100010001 pid 00f0 sub 0 data [0021]";
        QTest::newRow("batch line choosing the interface for the whole run") << "> --interface 1 discover"
                                                                            << "unknown option \"--interface\"";
        QTest::newRow("batch inside a batch") << "> batch more.txt" << "batch cannot run inside a batch";
    }

    void commandLine()
    {
        QFETCH(QString, arguments);
        QTEST(parsed(arguments), "outcome");
    }

    void textProgressBar_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("drawn");

        QTest::newRow("terminal") << int(ProgressStyle::Bar)
                                  << "Searching for new devices, please wait...\n\r[..........] 1/30 s"
                                     "\r[#####.....] 15/30 s\r[##########] 30/30 s\n";
        QTest::newRow("file") << int(ProgressStyle::StartAndEnd)
                              << "Searching for new devices, please wait...\nWaited 30 of 30 s\n";
    }

    void textProgressBar()
    {
        QFETCH(int, style);
        QString drawn;
        QTextStream stream(&drawn);
        TextProgressBar bar(stream, ProgressStyle(style), 10);

        bar.setValue(5); // not begun: nothing drawn
        bar.begin(nullptr, 30);
        bar.setValue(15);
        bar.setValue(31);
        bar.end();
        bar.end();
        QTEST(drawn, "drawn");
    }

    void completionOffersEveryStandardName()
    {
        QFile script(QStringLiteral(ORV_COMPLETION_SCRIPT));
        QVERIFY(script.open(QIODevice::ReadOnly | QIODevice::Text));
        QStringList offered = QString::fromUtf8(script.readAll()).section(QLatin1Char('"'), 1, 1)
                                  .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        QStringList known;
        for (int pid = 0; pid <= 0xFFFF; ++pid) {
            if (const QString name = standardParameterName(quint16(pid)); !name.isEmpty())
                known << name;
        }
        offered.sort();
        known.sort();
        QCOMPARE(offered, known);
    }

    // A long watch fills the engine's log panel past its cap; every line must still be passed on once.
    void logLinesPastThePanelCapAreTakenOnce()
    {
        qputenv("RB604_SIMULATOR", "demo");
        CliSession session;
        QVERIFY(!session.interfaces().isEmpty());
        QVERIFY(session.connectInterface(0));
        session.takeLogLines();
        for (int line = 1; line < logPanelLineLimit; ++line)
            session.rdm().log(QStringLiteral("line %1").arg(line));
        QCOMPARE(session.takeLogLines().size(), logPanelLineLimit - 1);
        session.rdm().log(QStringLiteral("line 10000"));
        session.rdm().log(QStringLiteral("line 10001"));
        QStringList taken = session.takeLogLines();
        for (QString &line : taken)
            line = line.section(QStringLiteral(": "), 1);
        QCOMPARE(taken, QStringList({"line 10000", "line 10001"}));
    }

    void check_data()
    {
        QTest::addColumn<QJsonArray>("devices");
        QTest::addColumn<QStringList>("problems");

        QTest::newRow("last channel shared by two roots")
            << QJsonArray{device("0001:00000001", 0, 1, 10), device("0001:00000002", 0, 10, 5)}
            << QStringList{"0001:00000001 and 0001:00000002 overlap on channel 10"};
        QTest::newRow("roots side by side") << QJsonArray{device("0001:00000001", 0, 1, 10), device("0001:00000002", 0, 11, 5)}
                                            << QStringList();
        QTest::newRow("sub-device on its own root's channels")
            << QJsonArray{device("0001:00000001", 0, 1, 10), device("0001:00000001", 5, 5, 2)} << QStringList();
        QTest::newRow("two sub-devices of one root on one channel")
            << QJsonArray{device("0001:00000001", 0, 1, 10), device("0001:00000001", 1, 5, 1), device("0001:00000001", 2, 5, 1)}
            << QStringList{"0001:00000001 sub-device 1 and 0001:00000001 sub-device 2 overlap on channel 5"};
        QTest::newRow("sub-device on another root's channels")
            << QJsonArray{device("0001:00000001", 0, 1, 10), device("0001:00000002", 5, 5, 2)}
            << QStringList{"0001:00000001 and 0001:00000002 sub-device 5 overlap on channels 5 to 6"};
        QTest::newRow("footprint ending on channel 512") << QJsonArray{device("0001:00000001", 0, 509, 4)} << QStringList();
        QTest::newRow("footprint past channel 512") << QJsonArray{device("0001:00000001", 0, 510, 4)}
                                                    << QStringList{"0001:00000001 runs past channel 512: 4 channels from 510"};
        QTest::newRow("channels without an address") << QJsonArray{device("0001:00000001", 0, 0, 3), device("0001:00000002", 0, 0, 0)}
                                                     << QStringList{"0001:00000001 has no DMX start address for its 3 channels"};
        QTest::newRow("one model on two versions")
            << QJsonArray{device("0001:00000001", 0, 0, 0, "", 5, 0x0100), device("0001:00000002", 0, 0, 0, "", 5, 0x0101),
                          device("0002:00000003", 0, 0, 0, "", 5, 0x0200)}
            << QStringList{"model 0x0005 of manufacturer 0001 runs different software: 0x00000100 on 0001:00000001; "
                           "0x00000101 on 0001:00000002"};
        QTest::newRow("label used twice") << QJsonArray{device("0001:00000001", 0, 0, 0, "Wash"), device("0001:00000002", 0, 0, 0, "Wash"),
                                                        device("0001:00000003", 0, 0, 0, "wash")}
                                          << QStringList{"label \"Wash\" is used by 0001:00000001, 0001:00000002"};
    }

    void check()
    {
        QFETCH(QJsonArray, devices);
        QTEST(rigProblems(devices), "problems");
    }

    void diff()
    {
        QJsonObject counted = device("0001:00000001", 0, 1, 4);
        counted.insert(QStringLiteral("lampHours"), 812);
        QJsonObject worn = counted;
        worn.insert(QStringLiteral("lampHours"), 830);
        worn.insert(QStringLiteral("dmxFootprint"), 8);
        const ReportDifferences differences = compareReports(
            {counted, device("0001:00000001", 3, 1, 1)}, {worn, device("0001:00000002", 0, 1, 1)});
        QCOMPARE(differences.lines(), QStringList({"added: 0001:00000002", "missing: 0001:00000001 sub-device 3",
                                                   "0001:00000001: footprint 4 -> 8", "0001:00000001: lamp hours 812 -> 830 (+18)"}));
        QVERIFY(compareReports({counted}, {counted}).isEmpty());
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
