// The command-line tool's argument checks, value parsing and text progress bar, in process.
#include "cli/argumentvalues.h"
#include "cli/commandline.h"
#include "cli/textprogressbar.h"
#include "rdm/uidtext.h"

#include <QTextStream>
#include <QtTest>

Q_DECLARE_METATYPE(CliCommand)
Q_DECLARE_METATYPE(DiscoveryRun)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void acceptedCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CliCommand>("command");
        QTest::addColumn<int>("interfaceIndex");
        QTest::addColumn<DiscoveryRun>("discovery");
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<quint16>("subDevice");
        QTest::addColumn<QByteArray>("data");

        const auto row = [](const char *name, const QString &arguments, CliCommand command, int interfaceIndex,
                            DiscoveryRun discovery, quint64 uid, quint16 pid, quint16 subDevice,
                            const QByteArray &data) {
            QTest::newRow(name) << arguments.split(QLatin1Char(' ')) << command << interfaceIndex << discovery
                                << uid << pid << subDevice << data;
        };
        row("list", QStringLiteral("list"), CliCommand::List, 0, DiscoveryRun::Additional, 0, 0, 0, {});
        row("second interface", QStringLiteral("--interface 1 list"), CliCommand::List, 1,
            DiscoveryRun::Additional, 0, 0, 0, {});
        row("additional discovery by default", QStringLiteral("discover"), CliCommand::Discover, 0,
            DiscoveryRun::Additional, 0, 0, 0, {});
        row("full discovery", QStringLiteral("discover --full"), CliCommand::Discover, 0, DiscoveryRun::Full, 0,
            0, 0, {});
        row("full report, option first", QStringLiteral("--full report"), CliCommand::Report, 0,
            DiscoveryRun::Full, 0, 0, 0, {});
        row("info of a sub-device", QStringLiteral("info 7ff1:0001000a --sub 12"), CliCommand::Info, 0,
            DiscoveryRun::Additional, 0x7FF10001000AULL, 0, 12, {});
        row("get by name in lower case", QStringLiteral("get 1234:56789ABC dmx_start_address"),
            CliCommand::Get, 0, DiscoveryRun::Additional, 0x123456789ABCULL, 0x00F0, 0, {});
        row("get by hexadecimal PID with data", QStringLiteral("get 1234:56789ABC 0x0051 --data 8001"),
            CliCommand::Get, 0, DiscoveryRun::Additional, 0x123456789ABCULL, 0x0051, 0, QByteArray("\x80\x01", 2));
        row("get of a PID without 0x", QStringLiteral("get 1234:56789ABC 8001"), CliCommand::Get, 0,
            DiscoveryRun::Additional, 0x123456789ABCULL, 0x8001, 0, {});
        row("set to every device", QStringLiteral("set FFFF:FFFFFFFF IDENTIFY_DEVICE --data 01"),
            CliCommand::Set, 0, DiscoveryRun::Additional, 0xFFFFFFFFFFFFULL, 0x1000, 0, QByteArray("\x01", 1));
        row("set to all sub-devices", QStringLiteral("set 1234:56789ABC DMX_START_ADDRESS --sub 65535 --data=0021"),
            CliCommand::Set, 0, DiscoveryRun::Additional, 0x123456789ABCULL, 0x00F0, 0xFFFF,
            QByteArray("\x00\x21", 2));
    }

    void acceptedCommandLine()
    {
        QFETCH(QStringList, arguments);
        CommandLine commandLine;
        QString error;
        QVERIFY2(parseCommandLine(arguments, &commandLine, &error), qPrintable(error));
        QTEST(commandLine.command, "command");
        QTEST(commandLine.interfaceIndex, "interfaceIndex");
        QTEST(commandLine.discovery, "discovery");
        QTEST(commandLine.uid, "uid");
        QTEST(commandLine.pid, "pid");
        QTEST(commandLine.subDevice, "subDevice");
        QFETCH(QByteArray, data);
        QCOMPARE(commandLine.data.toHex(), data.toHex());
    }

    void refusedCommandLine_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("error");

        QTest::newRow("no command") << QString() << QStringLiteral("no command given");
        QTest::newRow("unknown command") << QStringLiteral("scan") << QStringLiteral("unknown command \"scan\"");
        QTest::newRow("unknown option") << QStringLiteral("list --fast") << QStringLiteral("Unknown option 'fast'.");
        QTest::newRow("info without UID") << QStringLiteral("info")
                                          << QStringLiteral("info takes 1 argument(s), 0 given");
        QTest::newRow("list with an argument") << QStringLiteral("list all")
                                               << QStringLiteral("list takes 0 argument(s), 1 given");
        QTest::newRow("UID without colon") << QStringLiteral("info 123456789ABC")
                                           << QStringLiteral("bad UID \"123456789ABC\": expected MMMM:DDDDDDDD in hexadecimal");
        QTest::newRow("UID too long") << QStringLiteral("info 1234:56789ABCD")
                                      << QStringLiteral("bad UID \"1234:56789ABCD\": expected MMMM:DDDDDDDD in hexadecimal");
        QTest::newRow("GET to a broadcast UID") << QStringLiteral("get 1234:FFFFFFFF DEVICE_INFO")
                                                << QStringLiteral("get needs the UID of one device; 1234:FFFFFFFF is a broadcast UID");
        QTest::newRow("unknown PID name") << QStringLiteral("get 1234:56789ABC START_ADDRESS")
                                          << QStringLiteral("bad PID \"START_ADDRESS\": expected an E1.20 parameter name or a hexadecimal PID");
        QTest::newRow("PID of five digits") << QStringLiteral("get 1234:56789ABC 0x10000")
                                            << QStringLiteral("bad PID \"0x10000\": expected an E1.20 parameter name or a hexadecimal PID");
        QTest::newRow("odd count of data digits") << QStringLiteral("set 1234:56789ABC DEVICE_LABEL --data 414")
                                                  << QStringLiteral("bad data \"414\": expected hexadecimal digit pairs, at most 231 bytes");
        QTest::newRow("data longer than a packet carries")
            << QStringLiteral("set 1234:56789ABC DEVICE_LABEL --data ") + QString(464, QLatin1Char('a'))
            << QStringLiteral("bad data \"%1\": expected hexadecimal digit pairs, at most 231 bytes").arg(QString(464, QLatin1Char('a')));
        QTest::newRow("sub-device beyond 512") << QStringLiteral("info 1234:56789ABC --sub 513")
                                               << QStringLiteral("bad sub-device \"513\": expected 0 to 512");
        QTest::newRow("all sub-devices for a GET") << QStringLiteral("get 1234:56789ABC DEVICE_INFO --sub 65535")
                                                   << QStringLiteral("bad sub-device \"65535\": expected 0 to 512");
        QTest::newRow("negative sub-device") << QStringLiteral("info 1234:56789ABC --sub -1")
                                             << QStringLiteral("bad sub-device \"-1\": expected 0 to 512");
        QTest::newRow("full discovery for info") << QStringLiteral("info 1234:56789ABC --full")
                                                 << QStringLiteral("info does not take --full");
        QTest::newRow("data for info") << QStringLiteral("info 1234:56789ABC --data 00")
                                       << QStringLiteral("info does not take --data");
        QTest::newRow("sub-device for report") << QStringLiteral("report --sub 1")
                                               << QStringLiteral("report does not take --sub");
        QTest::newRow("interface index not a number") << QStringLiteral("--interface one list")
                                                      << QStringLiteral("bad interface index \"one\"");
    }

    void refusedCommandLine()
    {
        QFETCH(QString, arguments);
        CommandLine commandLine;
        QString error;
        QVERIFY(!parseCommandLine(arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts), &commandLine, &error));
        QTEST(error, "error");
    }

    void helpNeedsNoCommand()
    {
        CommandLine commandLine;
        QString error;
        QVERIFY(parseCommandLine({QStringLiteral("--help")}, &commandLine, &error));
        QVERIFY(commandLine.helpRequested);
    }

    void uidText_data()
    {
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<QString>("text");
        QTest::newRow("leading zeros kept") << quint64(0x000100000002ULL) << QStringLiteral("0001:00000002");
        QTest::newRow("upper case") << quint64(0x7FF1000A00BCULL) << QStringLiteral("7FF1:000A00BC");
        QTest::newRow("all devices") << quint64(0xFFFFFFFFFFFFULL) << QStringLiteral("FFFF:FFFFFFFF");
    }

    void uidText()
    {
        QFETCH(quint64, uid);
        QFETCH(QString, text);
        QCOMPARE(::uidText(uid), text);
        QCOMPARE(parseUidText(text), std::optional<quint64>(uid));
        QCOMPARE(parseUidText(text.toLower()), std::optional<quint64>(uid));
    }

    void textProgressBar()
    {
        QString drawn;
        QTextStream stream(&drawn);
        TextProgressBar bar(stream, 10);

        bar.setValue(5);
        QCOMPARE(drawn, QString());

        bar.begin(nullptr, 30);
        QCOMPARE(drawn, QStringLiteral("Searching for new devices, please wait...\n\r[..........] 1/30 s"));
        drawn.clear();
        bar.setValue(15);
        QCOMPARE(drawn, QStringLiteral("\r[#####.....] 15/30 s"));
        drawn.clear();
        bar.setValue(31);
        QCOMPARE(drawn, QStringLiteral("\r[##########] 30/30 s"));
        drawn.clear();
        bar.end();
        bar.end();
        QCOMPARE(drawn, QStringLiteral("\n"));
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
