// Rig checks and report comparison on hand-made reports: each rule on both sides of its limit.
#include "cli/reportdiff.h"
#include "cli/rigcheck.h"

#include <QJsonObject>
#include <QtTest>

namespace {

QJsonObject device(const char *uid, int subDevice, int start, int footprint, const char *label = "",
                   int model = 1, qint64 software = 1)
{
    return {{QStringLiteral("uid"), QLatin1String(uid)},         {QStringLiteral("subDevice"), subDevice},
            {QStringLiteral("dmxStartAddress"), start},          {QStringLiteral("dmxFootprint"), footprint},
            {QStringLiteral("deviceLabel"), QLatin1String(label)}, {QStringLiteral("deviceModelId"), model},
            {QStringLiteral("softwareVersionId"), software},     {QStringLiteral("softwareVersionLabel"), QString()}};
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
