// The main window's connection life cycle on the simulated interface.
#include "mainwindow/orv_rdm_controller.h"
#include "settings/settings.h"
#include "simulator/simulatedbackend.h"
#include "usb/usbdevice.h"

#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Orv_RDM_Controller> window;

    SimulatedBackend *bus() const { return dynamic_cast<SimulatedBackend *>(UsbDevice::processUsbBackend()); }
    QStringList logLines() const
    {
        QStringList lines;
        const QString text = window->findChild<QTextEdit *>(QStringLiteral("textEditLog"))->toPlainText();
        for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            lines.append(line.mid(11));
        return lines;
    }
    QString statusText() const
    {
        return window->findChild<QLabel *>(QStringLiteral("label_ConnectionStatus"))->text();
    }
    QStringList interfaceEntries() const
    {
        QStringList entries;
        const auto *menu = window->findChild<QMenu *>(QStringLiteral("menuDevices"));
        for (QAction *action : menu->actions()) {
            if (!action->isSeparator())
                entries.append(action->text());
        }
        return entries;
    }

private slots:
    void initTestCase()
    {
#ifdef ORV_NO_INTERFACE
        qputenv("RB604_SIMULATOR", "no-such-scenario.json");
#else
        qputenv("RB604_SIMULATOR", "demo");
#endif
        nameSettingsStore();
        writeDefaultSettings();
        QVERIFY(bus());
    }
    void init()
    {
        bus()->clearTransferLog();
        window = std::make_unique<Orv_RDM_Controller>();
    }
    void cleanup() { window.reset(); }

#ifdef ORV_NO_INTERFACE
    void withoutAnInterfaceNothingConnects()
    {
        QCOMPARE(interfaceEntries(), QStringList{"Refresh"});
        QCOMPARE(logLines(), QStringList{"Looking for ORV controllers, 0 found."});
        QCOMPARE(statusText(), QStringLiteral("<font color='red'>Disconnected</font>"));
        QVERIFY(window->findChild<QMenu *>(QStringLiteral("menuDevices"))->isEnabled());
        QVERIFY(!window->findChild<QPushButton *>(QStringLiteral("pushButtonFullDiscovery"))->isEnabled());
        QVERIFY(bus()->transferLog().isEmpty());
    }
#else
    void connectsAtStartAndSendsTheStoredTiming()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Orv RDM Controller ver. 1.7"));
        const QStringList entries = interfaceEntries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.first(), QStringLiteral("Refresh"));
        QVERIFY(entries.last().startsWith(QStringLiteral("D:")));
        QVERIFY(entries.last().endsWith(QStringLiteral(" SN:ABCDEF1")));
        QCOMPARE(logLines(), QStringList({"Looking for ORV controllers, 1 found.", "Connection succeeded"}));
        QVERIFY(statusText().contains(QStringLiteral("Connected")));
        QVERIFY(statusText().contains(entries.last()));
        QVERIFY(!window->findChild<QMenu *>(QStringLiteral("menuDevices"))->isEnabled());
        QVERIFY(window->findChild<QPushButton *>(QStringLiteral("pushButtonFullDiscovery"))->isEnabled());

        QList<TransferRecord> timing;
        for (const TransferRecord &transfer : bus()->transferLog()) {
            if (transfer.request == 13 || transfer.request == 11)
                timing.append(transfer);
        }
        QCOMPARE(timing.size(), 2);
        QCOMPARE(timing.at(0).request, quint8(13));
        QCOMPARE(timing.at(0).data.toHex(), QByteArray("58000000080000000000000064000000"));
        QCOMPARE(timing.at(1).request, quint8(11));
        QCOMPARE(timing.at(1).data.size(), 28);
    }

    void timingIsReadWhenConnecting()
    {
        window.reset();
        setDmxBreakTime(200);
        window = std::make_unique<Orv_RDM_Controller>();
        setDmxBreakTime(88);
        QCOMPARE(bus()->interfaceAt(0).firmware().dmxTiming().breakTime, 200u);
    }

    void disconnectingListsTheInterfacesAgain()
    {
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("pushButtonDisconnect")), Qt::LeftButton);
        QCOMPARE(statusText(), QStringLiteral("<font color='red'>Disconnected</font>"));
        QCOMPARE(logLines().mid(2), QStringList({"Disconnecting", "Looking for ORV controllers, 1 found."}));
        QVERIFY(window->findChild<QMenu *>(QStringLiteral("menuDevices"))->isEnabled());
        QCOMPARE(interfaceEntries().size(), 2);
    }

    void reconnectsAfterAUsbError()
    {
        QVERIFY(QMetaObject::invokeMethod(window.get(), "slot_suddenly_disconnected"));
        QCOMPARE(logLines().mid(2), QStringList({"Disconnecting after USB error", "Trying to reconnect", "Success"}));
        QVERIFY(statusText().contains(QStringLiteral("Connected")));
    }

    void fallsBackWhenTheInterfaceIsGone()
    {
        bus()->interfaceAt(0).unplug();
        QVERIFY(QMetaObject::invokeMethod(window.get(), "slot_suddenly_disconnected"));
        QCOMPARE(logLines().mid(2), QStringList({"Disconnecting after USB error", "Trying to reconnect", "Fail",
                                                 "Looking for ORV controllers, 0 found."}));
        QCOMPARE(statusText(), QStringLiteral("<font color='red'>Disconnected</font>"));
        QCOMPARE(interfaceEntries(), QStringList{"Refresh"});
        bus()->interfaceAt(0).replug();
    }

    void floatingTheDockResizesTheWindow()
    {
        auto *dock = window->findChild<QDockWidget *>(QStringLiteral("dockWidget"));
        dock->setFloating(true);
        QCOMPARE(window->size(), QSize(700, 665));
        dock->setFloating(false);
        QCOMPARE(window->size(), QSize(950, 665));
    }
#endif
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
