// The timing dialogs: presets, what Cancel and OK store, what OK sends and logs.
#include "enginerig.h"
#include "timeouts/dmxtimeoutdialog.h"
#include "timeouts/rdmtimeoutdialog.h"
#include "timeouts/usbtimeoutdialog.h"

#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QtTest>

class TestTimeouts : public QObject
{
    Q_OBJECT

    std::unique_ptr<EngineRig> rig;
    RDM *engine = nullptr;

    std::unique_ptr<TimeoutDialog> make(const QString &kind)
    {
        const EngineAccess access = [this] { return engine; };
        if (kind == QLatin1String("DMX"))
            return std::make_unique<DMXTimeoutDialog>(nullptr, access, &rig->panel);
        if (kind == QLatin1String("RDM"))
            return std::make_unique<RDMTimeoutDialog>(nullptr, access, &rig->panel);
        return std::make_unique<USBTimeoutDialog>(nullptr, &rig->usb);
    }
    static QSpinBox *spinBox(QWidget *dialog, const QString &name) { return dialog->findChild<QSpinBox *>(name); }
    static void click(QWidget *dialog, const QString &name) { dialog->findChild<QPushButton *>(name)->click(); }

private slots:
    void initTestCase() { nameSettingsStore(); }
    void init()
    {
        rig = rigWithDefaultSettings();
        QVERIFY(rig->connected);
        engine = rig->rdm.get();
    }
    void cleanup() { rig.reset(); }

    // A preset button, or a value one step past a limit, which the box holds at the limit: the limit itself is
    // accepted and the step refused. Every stored timing starts at 7, a value no preset has, so a preset or a value
    // that reached the store on Cancel would show.
    void presetsLimitsAndCancel_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("shown");
        QTest::newRow("strict get response, not its default") << "RDM" << "spinBoxGR" << "pushButtonStrictGR" << 2800;
        QTest::newRow("default missing response is not the first-start 3000")
            << "RDM" << "spinBoxMRAP" << "pushButtonDefaultMRAP" << 200;
        QTest::newRow("strict wait") << "DMX" << "spinBoxWait" << "pushButtonStrictWait" << 100;
        QTest::newRow("default discovery limit")
            << "USB" << "spinBoxDiscovery" << "pushButtonDefaultDiscovery" << 150000;
        QTest::newRow("break below 0") << "DMX" << "spinBoxBreak" << "-1" << 0;
        QTest::newRow("wait above 1000000") << "DMX" << "spinBoxWait" << "1000001" << 1000000;
        QTest::newRow("discovery response below 1") << "RDM" << "spinBoxDR" << "0" << 1;
        QTest::newRow("get response above 1000000") << "RDM" << "spinBoxGR" << "1000001" << 1000000;
        QTest::newRow("packet length above 2000000") << "RDM" << "spinBoxLength" << "2000001" << 2000000;
        QTest::newRow("standard limit below 1") << "USB" << "spinBoxStandard" << "0" << 1;
        QTest::newRow("discovery limit above 1000000") << "USB" << "spinBoxDiscovery" << "1000001" << 1000000;
    }
    void presetsLimitsAndCancel()
    {
        QFETCH(QString, kind);
        QFETCH(QString, box);
        QFETCH(QString, input);
        QSettings settings;
        const QStringList timings = settings.allKeys().filter(QLatin1String("Timeout/"));
        for (const QString &key : timings)
            settings.setValue(key, 7);
        const auto dialog = make(kind);
        dialog->show();
        bool isNumber = false;
        const int entered = input.toInt(&isNumber);
        if (isNumber)
            spinBox(dialog.get(), box)->setValue(entered);
        else
            click(dialog.get(), input);
        QTEST(spinBox(dialog.get(), box)->value(), "shown");
        click(dialog.get(), QStringLiteral("pushButtonCancel"));
        QVERIFY(dialog->isHidden());
        for (const QString &key : timings)
            QCOMPARE(settings.value(key).toInt(), 7);
        // Showing it again reloads the store.
        dialog->show();
        QCOMPARE(spinBox(dialog.get(), box)->value(), 7);
        QVERIFY(rig->backend.transferLog().isEmpty());
    }

    // Each box gets its position plus one, so every value differs from its default and from the others. A failed
    // transfer or a missing connection is logged, and the values are stored all the same.
    void okStoresSendsAndLogs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("log");
        const QStringList dmx {"spinBoxBreak", "spinBoxMAB", "spinBoxInterslot", "spinBoxWait"};
        // The interface's order: discovery response, discovery any, get, set, missing, broadcast, length.
        const QStringList rdm {"spinBoxDR", "spinBoxGR", "spinBoxSR", "spinBoxDAP", "spinBoxMRAP", "spinBoxRBAP",
            "spinBoxLength"};
        const QString dmxSent = QStringLiteral("13 01000000" "02000000" "03000000" "04000000");
        QTest::newRow("DMX") << "DMX" << dmx << 0 << dmxSent << "DMX Timeouts Changed";
        QTest::newRow("RDM in the interface's order")
            << "RDM" << rdm << 0 << "11 01000000" "04000000" "02000000" "03000000" "05000000" "06000000" "07000000"
            << "RDM Timeouts Changed";
        QTest::newRow("USB sends nothing, the standard limit applies at once")
            << "USB" << QStringList {"spinBoxStandard", "spinBoxDiscovery"} << 0 << "" << "";
        QTest::newRow("DMX transfer fails") << "DMX" << dmx << 1 << dmxSent << "Couldn't change DMX Timeouts";
        QTest::newRow("RDM without a connection") << "RDM" << rdm << 2 << "" << "Couldn't change RDM Timeouts";
    }
    void okStoresSendsAndLogs()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, boxes);
        QFETCH(int, fault);
        const auto dialog = make(kind);
        dialog->show();
        for (int i = 0; i < boxes.size(); ++i)
            spinBox(dialog.get(), boxes.at(i))->setValue(i + 1);
        if (fault == 1)
            rig->interface->faults().failTransfer(1);
        if (fault == 2)
            engine = nullptr;
        click(dialog.get(), QStringLiteral("pushButtonOk"));
        QVERIFY(dialog->isHidden());
        QStringList sent;
        for (const TransferRecord &transfer : rig->backend.transferLog())
            sent << QString::number(transfer.request) + QLatin1Char(' ') + QString::fromLatin1(transfer.data.toHex());
        QTEST(sent.join(QLatin1String(" | ")), "sent");
        QTEST(rig->logLines().join(QLatin1String(" | ")), "log");
        const QMap<QString, QList<quint32>> stored {
            {"DMX", {dmxBreakTime(), dmxMabTime(), dmxInterslotTime(), dmxWaitTime()}},
            {"RDM", {rdmDiscoveryResponseTimeout(), rdmGetResponseTimeout(), rdmSetResponseTimeout(),
                     rdmDiscoveryAnyTimeout(), rdmMissingAnyTimeout(), rdmResponseBroadcastAnyTimeout(),
                     rdmMaxLengthTimeout()}},
            {"USB", {usbStandardTimeout(), usbDiscoveryTimeout()}}};
        QCOMPARE(stored.value(kind), (QList<quint32> {1, 2, 3, 4, 5, 6, 7}.mid(0, boxes.size())));
        if (kind == QLatin1String("USB"))
            QCOMPARE(rig->usb.timeout(), 1);
    }
};

QTEST_MAIN(TestTimeouts)
#include "tst_timeouts.moc"
