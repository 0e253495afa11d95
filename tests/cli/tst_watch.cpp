// The watch command: its options, and its CSV lines from the demo rig's power monitor.
#include "cliprocess.h"

#include "cli/commandline.h"

#include <QtTest>

class TestWatch : public QObject
{
    Q_OBJECT

private slots:
    void options_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char *name, const char *arguments, const char *outcome) {
            QTest::newRow(name) << QString::fromLatin1(arguments) << QString::fromLatin1(outcome);
        };
        const char *badInterval = "bad interval \"%1\": expected 0 to 86400 seconds, at most 3 decimals";
        row("defaults: every 5 s until interrupted", "watch 7FF2:00000B01", "sub 0 every 5000 ms, 0 readings");
        row("sub-device, fraction of a second", "watch 7FF2:00000A01 --sub 3 --interval 0.25 --count 2",
            "sub 3 every 250 ms, 2 readings");
        row("longest interval", "watch 7FF2:00000B01 --interval 86400", "sub 0 every 86400000 ms, 0 readings");
        row("interval above a day", "watch 7FF2:00000B01 --interval 86400.001",
            QString::fromLatin1(badInterval).arg("86400.001").toLatin1());
        row("interval in milliseconds", "watch 7FF2:00000B01 --interval 0.0005",
            QString::fromLatin1(badInterval).arg("0.0005").toLatin1());
        row("no readings", "watch 7FF2:00000B01 --count 0", "bad count \"0\": expected 1 or more readings");
        row("interval is watch's own", "info 7FF2:00000B01 --interval 1", "info does not take --interval");
        row("broadcast UID", "watch 7FF2:FFFFFFFF", "watch needs the UID of one device; 7FF2:FFFFFFFF is a broadcast UID");
    }

    void options()
    {
        QFETCH(QString, arguments);
        CommandLine line;
        QString error;
        const bool parsed = parseCommandLine(arguments.split(QLatin1Char(' ')), &line, &error);
        QTEST(parsed ? QStringLiteral("sub %1 every %2 ms, %3 readings").arg(line.subDevice).arg(line.intervalMs).arg(line.count)
                     : error,
              "outcome");
    }

    void threeReadingsOfEverySensor()
    {
        const CliRun run = runCli({QStringLiteral("watch"), QStringLiteral("7FF2:00000B01"), QStringLiteral("--interval"),
                                   QStringLiteral("0"), QStringLiteral("--count"), QStringLiteral("3")},
                                  QStringLiteral("demo"));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        QStringList lines = run.out.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.takeFirst(), QStringLiteral("time,sensor,description,value,unit"));
        // Time, then sensor number and description: each sensor of the monitor three times.
        const QRegularExpression line(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}"
                                                     "(Z|[+-]\\d\\d:\\d\\d),(\\d,[^,]*),-?[0-9.]+,.*$"));
        QMap<QString, int> readings;
        for (const QString &text : std::as_const(lines)) {
            const QRegularExpressionMatch match = line.match(text);
            QVERIFY2(match.hasMatch(), qPrintable(text));
            ++readings[match.captured(2)];
        }
        QCOMPARE(readings.keys(), QStringList({"0,Mains L1", "1,Current L1", "2,Ambient", "3,Phase angle L1",
                                               "4,Earth leakage"}));
        for (const int count : std::as_const(readings))
            QCOMPARE(count, 3);
        QVERIFY2(lines.first().endsWith(QLatin1String(",V")), qPrintable(lines.first()));
    }

    void deviceWithoutSensors()
    {
        const CliRun run = runCli({QStringLiteral("watch"), QStringLiteral("7FF1:00040001"), QStringLiteral("--count"),
                                   QStringLiteral("1")},
                                  QStringLiteral("demo"));
        QCOMPARE(run.exitCode, 4);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err, QStringLiteral("orv-rdm-cli: 7FF1:00040001 has no sensors to watch\n"));
    }
};

QTEST_MAIN(TestWatch)
#include "tst_watch.moc"
