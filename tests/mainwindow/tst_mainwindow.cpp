// The main window on the simulated interface: connection life cycle, discovery, the device list and
// the device overview, checked through the widgets the user sees and the bytes on the wire.
#include "busclock.h"
#include "firmware/upgradefile.h"
#include "windowrig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>
#include <algorithm>

namespace {

constexpr quint64 parUid = 0x7FF100010001ULL;
constexpr quint64 spotUid = 0x7FF100020001ULL;
constexpr quint64 upstageBarUid = 0x7FF100050002ULL;

} // namespace

class TestMainWindow : public QObject, public WindowRig
{
    Q_OBJECT

    QString statusText() const { return widget<QLabel>("label_ConnectionStatus")->text(); }
    QStringList interfaceEntries() const
    {
        QStringList entries;
        for (QAction *action : widget<QMenu>("menuDevices")->actions()) {
            if (!action->isSeparator())
                entries.append(action->text());
        }
        return entries;
    }
    // The rows of the device list under a parent, as the user reads them.
    QStringList rows(const QModelIndex &parent = QModelIndex()) const
    {
        QStringList texts;
        const QAbstractItemModel *model = deviceList()->model();
        for (int row = 0; model && row < model->rowCount(parent); ++row)
            texts.append(model->index(row, 0, parent).data().toString());
        return texts;
    }
    QModelIndex rootRow(int row) const { return deviceList()->model()->index(row, 0); }
    QString selectedRow() const
    {
        const QModelIndexList selected = deviceList()->selectionModel()->selectedIndexes();
        return selected.size() == 1 ? selected.first().data().toString() : QString();
    }
    void select(const QModelIndex &index) const
    {
        deviceList()->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    }

private slots:
    void initTestCase()
    {
#ifdef ORV_NO_INTERFACE
        QVERIFY(startSimulator("no-such-scenario.json"));
#else
        QVERIFY(startSimulator("demo"));
#endif
    }
    void init()
    {
        bus()->clearTransferLog();
        openWindow();
    }
    void cleanup() { window.reset(); }

#ifdef ORV_NO_INTERFACE
    void withoutAnInterfaceNothingConnects()
    {
        QCOMPARE(interfaceEntries(), QStringList {"Refresh"});
        QCOMPARE(logLines(), QStringList {"Looking for ORV controllers, 0 found."});
        QCOMPARE(statusText(), QStringLiteral("<font color='red'>Disconnected</font>"));
        QVERIFY(widget<QMenu>("menuDevices")->isEnabled());
        QVERIFY(!widget<QPushButton>("pushButtonFullDiscovery")->isEnabled());
        QVERIFY(bus()->transferLog().isEmpty());
    }
#else
    void connectsAtStartAndEveryConnectionGetsTheStoredTiming()
    {
        QCOMPARE(interfaceEntries(), QStringList({"Refresh", "D:Rb604 RDM/DMX FW:2.14 SN:ABCDEF1"}));
        QCOMPARE(logLines(), QStringList({"Looking for ORV controllers, 1 found.", "Connection succeeded"}));
        QVERIFY(statusText().contains(QStringLiteral("Connected")));
        QVERIFY(!widget<QMenu>("menuDevices")->isEnabled());
        QStringList timing;
        for (const TransferRecord &transfer : bus()->transferLog()) {
            if (transfer.request == 13 || transfer.request == 11)
                timing << QStringLiteral("%1 %2").arg(transfer.request).arg(QString::fromLatin1(transfer.data.toHex()));
        }
        QCOMPARE(timing,
            QStringList({"13 58000000080000000000000064000000",
                "11 f00a0000a816000040420f0040420f00b80b0000b000000040420f00"}));
        // The store is read at every connection, not once.
        window.reset();
        setDmxBreakTime(200);
        openWindow();
        setDmxBreakTime(88);
        QCOMPARE(bus()->interfaceAt(0).firmware().dmxTiming().breakTime, 200u);
        // A timing dialog opened before a reconnect talks to the new connection.
        widget<QAction>("actionDMX_Timeout")->trigger();
        widget<QDialog>("DMX_Dialog")->findChild<QPushButton *>(QStringLiteral("pushButtonCancel"))->click();
        widget<QPushButton>("pushButtonDisconnect")->click();
        widget<QMenu>("menuDevices")->actions().last()->trigger();
        bus()->clearTransferLog();
        widget<QAction>("actionDMX_Timeout")->trigger();
        QCOMPARE(window->findChildren<QDialog *>(QStringLiteral("DMX_Dialog")).size(), 1);
        auto *wait = widget<QDialog>("DMX_Dialog")->findChild<QSpinBox *>(QStringLiteral("spinBoxWait"));
        const int before = wait->value();
        wait->setValue(before + 1);
        widget<QDialog>("DMX_Dialog")->findChild<QPushButton *>(QStringLiteral("pushButtonOk"))->click();
        QCOMPARE(bus()->interfaceAt(0).firmware().dmxTiming().waitTime, quint32(before + 1));
        QCOMPARE(logLines().last(), QStringLiteral("DMX Timeouts Changed"));
        setDmxWaitTime(quint32(before));
    }

    void theLogMenuClearsThePanel()
    {
        auto *panel = widget<LogPanel>("textEditLog");
        emit panel->customContextMenuRequested(QPoint(5, 5));
        const QList<QAction *> actions = panel->findChild<QMenu *>()->actions();
        const auto clear = std::find_if(actions.begin(), actions.end(),
            [](const QAction *action) { return action->text() == QStringLiteral("Clear"); });
        QVERIFY(clear != actions.end());
        (*clear)->trigger();
        QCOMPARE(logLines(), QStringList());
    }

    void deviceTextsAreEscapedInRichText()
    {
        std::optional<QByteArray> &model = responder(parUid).state().root.modelDescription;
        const std::optional<QByteArray> demoModel = model;
        model = QByteArray("Par <i>7</i> & co");
        fullDiscovery();
        model = demoModel;
        QCOMPARE(widget<QLabel>("labelDeviceStatus")->text(),
            QStringLiteral("<font color='green'>Par &lt;i&gt;7&lt;/i&gt; &amp; co</font>"));
        QCOMPARE(widget<QLabel>("labelPIDGETSET")->text(), widget<QLabel>("labelDeviceStatus")->text());
    }

    void discoveriesListTheRig_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("listedBefore");
        QTest::addColumn<QStringList>("rowsAfter");
        QTest::addColumn<QString>("selectedAfter");
        const QStringList rig {"Lumora Par 7 RGBW", "Lumora Spot 300", "Lumora Strobe 1500", "Lumora PixelBar 8",
            "Lumora PixelBar 8", "Voltaris Rack 12", "Voltaris PowerWatch 3", "Nebelwerk Haze 900"};
        QStringList latecomerLast = rig;
        latecomerLast.move(4, 7);
        QTest::newRow("full discovery, first device selected")
            << "pushButtonFullDiscovery" << false << rig << "Lumora Par 7 RGBW";
        QTest::newRow("additional discovery of an empty list, first device selected")
            << "pushButtonAddDiscovery" << false << rig << "Lumora Par 7 RGBW";
        QTest::newRow("additional discovery adds only the newcomer, selection left alone")
            << "pushButtonAddDiscovery" << true << latecomerLast << "Lumora Spot 300";
    }
    void discoveriesListTheRig()
    {
        QFETCH(QString, button);
        QFETCH(bool, listedBefore);
        std::shared_ptr<VirtualResponder> latecomer;
        // Responders that earlier discoveries left muted would not answer an additional one.
        for (const std::shared_ptr<VirtualResponder> &muted : line().responders()) {
            auto fresh = std::make_shared<SimulatedResponder>(responder(muted->uid()).state());
            line().removeResponder(muted->uid());
            if (!listedBefore || muted->uid() != upstageBarUid)
                line().addResponder(fresh);
            else
                latecomer = fresh;
        }
        if (listedBefore) {
            fullDiscovery();
            select(rootRow(1));
            line().addResponder(latecomer);
        }
        widget<QPushButton>(qPrintable(button))->click();
        QTEST(rows(), "rowsAfter");
        QTEST(selectedRow(), "selectedAfter");
        if (listedBefore)
            QCOMPARE(rows(rootRow(7)).at(2), QStringLiteral("DMX Start: 112"));
    }

    // A transfer fails: the window reconnects once, never while a modal dialog is open, and says how it went.
    void aLostLinkReconnectsOnce_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("rowsAfter");
        QTest::newRow("transient failure") << 0 << "Success" << 8;
        QTest::newRow("cable pulled") << 1 << "Fail" << 0;
        QTest::newRow("a unit that stalls everything ends disconnected") << 2 << "Fail" << 0;
        QTest::newRow("transient failure during a full discovery empties the list") << 3 << "Success" << 0;
        QTest::newRow("a loss while a modal dialog is open waits for it to close") << 4 << "Success" << 8;
    }
    void aLostLinkReconnectsOnce()
    {
        QFETCH(int, fault);
        QFETCH(QString, outcome);
        fullDiscovery();
        widget<LogPanel>("textEditLog")->clearLines();
        FaultPlan &faults = bus()->interfaceAt(0).faults();
        if (fault == 1)
            faults.unplugAtTransfer(1);
        for (int transfer = 1; transfer <= (fault == 2 ? 10 : fault == 1 ? 0 : 1); ++transfer)
            faults.failTransfer(transfer, fault == 2 ? UsbResult::Stall : UsbResult::IoError);
        if (fault == 4) {
            QDialog dialog;
            QTimer::singleShot(0, &dialog, [&] {
                widget<QPushButton>("pushButtonRefresh")->click();
                QTimer::singleShot(150, &dialog, &QDialog::accept);
            });
            dialog.exec();
        } else {
            widget<QPushButton>(fault == 3 ? "pushButtonFullDiscovery" : "pushButtonRefresh")->click();
        }
        QVERIFY(!logLines().contains(QStringLiteral("Trying to reconnect")));
        QTRY_VERIFY(logLines().contains(outcome));
        const QStringList lines = logLines();
        const qsizetype lost = lines.indexOf(QStringLiteral("Disconnecting after USB error"));
        QVERIFY(lost >= 0);
        QCOMPARE(lines.mid(lost, 3), QStringList({"Disconnecting after USB error", "Trying to reconnect", outcome}));
        QCOMPARE(lines.count(QStringLiteral("Trying to reconnect")), 1);
        QTEST(int(rows().size()), "rowsAfter");
        if (fault == 3)
            QCOMPARE(widget<QLabel>("labelDeviceStatus")->text(), QStringLiteral("<font color='red'>NO DEVICE</font>"));
        const bool disconnected = outcome == QLatin1String("Fail");
        QCOMPARE(widget<QMenu>("menuDevices")->isEnabled(), disconnected);
        QCOMPARE(statusText().contains(QStringLiteral("Disconnected")), disconnected);
        // A reconnect that failed lists the interfaces again: the pulled one is gone.
        if (fault == 1)
            QCOMPARE(interfaceEntries(), QStringList {"Refresh"});
        // Whatever the plan still holds must not strike the next test.
        window.reset();
        while (faults.nextTransfer(TransferDirection::Out).action != FaultPlan::Action::Serve) {
        }
        if (fault == 1)
            bus()->interfaceAt(0).replug();
    }

    void anUpgradeKeepsTheWindowOffTheLink()
    {
        // Region A as the unit holds it, so the demo interface keeps its firmware for the other tests.
        QFile file(QStringLiteral("same.upg"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(upgradeFileBytes(bus()->interfaceAt(0).memory().read(0x08000000, 0x40000)));
        file.close();
        BusClock busClock(bus()->clock());
        window->setEngineClock(&busClock);
        bus()->clearTransferLog();
        // The read-back of the first page fails once: the link is lost in the middle of the upgrade.
        bus()->interfaceAt(0).faults().failTransfer(8, UsbResult::TimedOut);
        QTimer chooser;
        connect(&chooser, &QTimer::timeout, &chooser, [&chooser] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                chooser.stop();
                dialog->selectFile(QFileInfo(QStringLiteral("same.upg")).absoluteFilePath());
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        chooser.start(5);
        window->findChild<QAction *>("actionChange_Firmware")->trigger();
        window->setEngineClock(&clock);
        const QList<TransferRecord> transfers = bus()->transferLog();
        QCOMPARE(std::count_if(transfers.begin(), transfers.end(), [](const auto &t) { return t.result < 0; }), 1);
        QCOMPARE(logLines().filter(QStringLiteral("Disconnecting")), QStringList());
        QCOMPARE(logLines().last(), QStringLiteral("Connection succeeded"));
    }

    void listingAnUnreadableUnitNeverReconnects()
    {
        window.reset();
        bus()->interfaceAt(0).faults().setInformationBlockReadable(false);
        window = std::make_unique<Orv_RDM_Controller>();
        QCoreApplication::processEvents();
        widget<QPushButton>("pushButtonDisconnect")->click();
        QCoreApplication::processEvents();
        bus()->interfaceAt(0).faults().setInformationBlockReadable(true);
        QCOMPARE(logLines(),
            QStringList({"Looking for ORV controllers, 1 found.", "Connection succeeded", "Disconnecting",
                "Looking for ORV controllers, 1 found."}));
        QCOMPARE(statusText(), QStringLiteral("<font color='red'>Disconnected</font>"));
    }

    void theOverviewAndTheFaderFollowTheSelectedDevice()
    {
        fullDiscovery();
        select(rootRow(1));
        widget<QPushButton>("pushButtonRefresh")->click();
        QCOMPARE(logLines().filter(QStringLiteral("Refreshing")), QStringList {"Refreshing UID: 0x7ff100020001"});
        QStringList shown;
        for (const char *field : {"lineEditModelID", "lineEditSoftwareID", "lineEditManufacturerLabel",
                 "lineEditProtocolVersion", "lineEditSubCount", "lineEditCategory", "lineEditDeviceLabel",
                 "lineEditDMXFootprint", "lineEditParameterCount", "lineEditSensorCount"})
            shown.append(widget<QLineEdit>(field)->text());
        QCOMPARE(shown,
            QStringList({"Lumora Spot 300", "1.7.0", "Lumora Lighting", "1.0", "0", "Fixture moving yoke",
                "Truss 1 spot", "16", "35", "1"}));
        auto *personalities = widget<QComboBox>("comboBoxDMXPersonality");
        QCOMPARE(personalities->itemText(1), QStringLiteral("2 - Extended 20ch"));
        QCOMPARE(personalities->currentIndex(), 0);
        QCOMPARE(widget<QSpinBox>("spinBoxDMXStartAdress")->value(), 9);
        QCOMPARE(rows(rootRow(1)),
            QStringList({"UID: 0x7ff100020001", "Desc: Lumora Spot 300", "DMX Start: 9", "DMX Footprint: 16"}));
        // The fader drives the selected device's slots.
        widget<QPushButton>("pushButtonControl")->click();
        QVERIFY(window->findChild<QSlider *>(QStringLiteral("verticalSliderSlot24")));
        QVERIFY(!window->findChild<QSlider *>(QStringLiteral("verticalSliderSlot25")));
    }

    void tabChangesReadWhatTheTabShows_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("requested");
        QTest::newRow("overview: label, device info, identify") << 0 << QStringList({"200082", "200060", "201000"});
        QTest::newRow("patch grid: every device's info") << 1 << QStringList(19, QStringLiteral("200060"));
        QTest::newRow("sensors: the five counters")
            << 2 << QStringList({"200400", "200405", "200401", "200402", "200403"});
        QTest::newRow("parameters: nothing") << 3 << QStringList();
    }
    void tabChangesReadWhatTheTabShows()
    {
        QFETCH(int, tab);
        auto *tabs = widget<QTabWidget>("tabWidget");
        tabs->setCurrentIndex(tab == 3 ? 2 : 3);
        fullDiscovery();
        bus()->clearTransferLog();
        tabs->setCurrentIndex(tab);
        QTEST(requests(), "requested");
        // Going back to a device already read on the parameters tab reads nothing either.
        if (tab == 3) {
            select(rootRow(1));
            bus()->clearTransferLog();
            select(rootRow(0));
            QCOMPARE(requests(), QStringList());
            QCOMPARE(widget<QLabel>("labelPIDGETSET")->text(),
                QStringLiteral("<font color='green'>Lumora Par 7 RGBW</font>"));
        }
    }

    void saveChanges_data()
    {
        QTest::addColumn<int>("personality");
        QTest::addColumn<int>("startAddress");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QStringList>("outcome"); // the message shown, if any, then the requests sent
        QTest::addColumn<int>("stored");
        const QString label = QStringLiteral("Truss 1 spot");
        const QString longest(32, QLatin1Char('x'));
        const auto set = [](const QString &text) { return "300082 " + QString::fromLatin1(text.toLatin1().toHex()); };
        const QString labelSet = set(label);
        QTest::newRow("start address 0 is refused, the label still sent") << 0 << 0 << label
            << QStringList({"Specify correct DMX Start Adress (1-512)", "200060", labelSet, "200082"}) << 9;
        QTest::newRow("footprint 20 ending on channel 512 is accepted") << 1 << 493 << label
            << QStringList({"3000e0 02", "3000f0 01ed", "200060", labelSet, "200082"}) << 493;
        QTest::newRow("footprint 20 running past channel 512 is refused") << 1 << 494 << label
            << QStringList({"Not enough channels for this personality", "200060", labelSet, "200082"}) << 9;
        QTest::newRow("start address 1 and a label of 32 characters are sent") << 0 << 1 << longest
            << QStringList({"3000e0 01", "3000f0 0001", "200060", set(longest), "200082"}) << 1;
        QTest::newRow("a label of 33 characters is refused") << 0 << 20 << longest + QLatin1Char('x')
            << QStringList({"Bad device label length. Appropriate length is max. 32 chars.", "3000e0 01", "3000f0 0014",
                   "200060"})
            << 20;
        QTest::newRow("a label beyond Latin-1 is refused") << 0 << 20 << QStringLiteral("B\u00fchne \u2192 links")
            << QStringList({"The device label can hold only Latin-1 characters (one byte each).", "3000e0 01",
                   "3000f0 0014", "200060"})
            << 20;
        QTest::newRow("a device without personalities gets only its address") << -1 << 30 << label
            << QStringList({"3000f0 001e", "200060", labelSet, "200082"}) << 30;
    }
    void saveChanges()
    {
        QFETCH(int, personality);
        ResponderState &spot = responder(spotUid).state();
        const QList<ResponderPersonality> personalities = spot.root.personalities;
        if (personality < 0)
            spot.root.personalities.clear();
        fullDiscovery();
        select(rootRow(1));
        spot.root.personalities = personalities;
        QCOMPARE(widget<QComboBox>("comboBoxDMXPersonality")->count(), personality < 0 ? 0 : 2);
        widget<QComboBox>("comboBoxDMXPersonality")->setCurrentIndex(personality);
        QFETCH(int, startAddress);
        widget<QSpinBox>("spinBoxDMXStartAdress")->setValue(startAddress);
        QFETCH(QString, label);
        widget<QLineEdit>("lineEditDeviceLabel")->setText(label);
        bus()->clearTransferLog();
        QStringList shown;
        const std::unique_ptr<QTimer> closer = closeMessageBoxes(&shown);
        widget<QPushButton>("pushButtonSaveChanges")->click();
        QTEST(shown + requests(), "outcome");
        const ResponderSettings &stored = responder(spotUid).state().root.settings;
        QTEST(int(stored.startAddress), "stored");
        QCOMPARE(widget<QSpinBox>("spinBoxDMXStartAdress")->value(), int(stored.startAddress));
        QCOMPARE(widget<QLineEdit>("lineEditDeviceLabel")->text(), QString::fromLatin1(stored.label));
        spot.root.settings = spot.root.factorySettings;
    }

    void identifyReachesTheResponder()
    {
        fullDiscovery();
        auto *identify = widget<QCheckBox>("checkBoxIdentify");
        for (const bool on : {true, false}) {
            bus()->clearTransferLog();
            identify->click();
            QCOMPARE(requests(), QStringList({on ? "301000 01" : "301000 00", "201000"}));
            QCOMPARE(responder(parUid).state().root.identify, on);
            QCOMPARE(identify->isChecked(), on);
        }
    }

    void noTextIsCutOff_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en";
        QTest::newRow("pl") << "pl";
        QTest::newRow("de") << "de";
    }
    void noTextIsCutOff()
    {
        QFETCH(QString, language);
        window.reset();
        QTranslator translator;
        QVERIFY(
            translator.load(QCoreApplication::applicationDirPath() + QStringLiteral("/orv_rdm_controler_") + language));
        QCoreApplication::installTranslator(&translator);
        openWindow();
        window->show();
        fullDiscovery();
        QStringList cut;
        auto *tabs = widget<QTabWidget>("tabWidget");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QApplication::processEvents();
            for (const QWidget *child : window->findChildren<QWidget *>()) {
                if (!child->isVisible())
                    continue;
                const QFontMetrics metrics = child->fontMetrics();
                if (auto *button = qobject_cast<const QAbstractButton *>(child)) {
                    if (!button->text().isEmpty() && button->width() < button->sizeHint().width())
                        cut.append(button->objectName() + QLatin1Char(' ') + button->text());
                } else if (auto *label = qobject_cast<const QLabel *>(child)) {
                    const bool fits = label->wordWrap()
                        ? label->heightForWidth(label->contentsRect().width()) <= label->contentsRect().height()
                        : label->contentsRect().width()
                            >= label->sizeHint().width() - label->margin() * 2 - 2 * label->frameWidth();
                    if (!fits)
                        cut.append(label->objectName() + QLatin1Char(' ') + label->text());
                } else if (auto *group = qobject_cast<const QGroupBox *>(child)) {
                    if (metrics.horizontalAdvance(group->title()) + 12 > group->width())
                        cut.append(group->objectName() + QLatin1Char(' ') + group->title());
                }
            }
            const QTabBar *bar = tabs->tabBar();
            if (bar->tabRect(tab).width() < bar->fontMetrics().horizontalAdvance(bar->tabText(tab)))
                cut.append(QStringLiteral("tab ") + bar->tabText(tab));
        }
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(" | "))));
    }
#endif
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
