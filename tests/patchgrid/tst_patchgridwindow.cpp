// The patch grid in the main window on the demo rig: colours, clicks, drops and auto patch, checked
// through the widgets the user sees and the requests on the wire.
#include "mainwindow/orv_rdm_controller.h"
#include "manualclock.h"
#include "settings/settings.h"
#include "simulator/simulatedbackend.h"
#include "usb/usbdevice.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeView>
#include <QtTest>

class TestPatchGridWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Orv_RDM_Controller> window;
    ManualClock clock;

    SimulatedBackend *bus() const { return dynamic_cast<SimulatedBackend *>(UsbDevice::processUsbBackend()); }
    template <typename T> T *widget(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    QTableWidget *grid() const { return widget<QTableWidget>("tableWidgetGrid"); }
    QTreeView *deviceList() const { return widget<QTreeView>("treeViewDevices"); }
    int shownStart() const { return widget<QSpinBox>("spinBoxDMXStartAdress")->value(); }
    QPoint cellCentre(int channel) const
    {
        return grid()->visualItemRect(grid()->item((channel - 1) / 27, (channel - 1) % 27)).center();
    }
    // The cells' colours as "channel" plus w (white), g/G (green), b/B (blue), r/R (red), the
    // capital for the current device's cells.
    QString colours(const QList<int> &channels) const
    {
        static const QMap<QRgb, QString> names{{qRgb(255, 255, 255), "w"}, {qRgb(0, 155, 0), "g"},
                                               {qRgb(0, 255, 0), "G"},     {qRgb(0, 0, 155), "b"},
                                               {qRgb(0, 0, 255), "B"},     {qRgb(155, 0, 0), "r"},
                                               {qRgb(255, 0, 0), "R"}};
        QStringList seen;
        for (int channel : channels) {
            const QColor colour = grid()->item((channel - 1) / 27, (channel - 1) % 27)->background().color();
            seen << QString::number(channel) + names.value(colour.rgb(), colour.name());
        }
        return seen.join(QLatin1Char(' '));
    }
    void selectDevice(const QString &text, const QModelIndex &parent = QModelIndex()) const
    {
        const QAbstractItemModel *model = deviceList()->model();
        for (int row = 0; row < model->rowCount(parent); ++row) {
            if (model->index(row, 0, parent).data().toString() == text) {
                deviceList()->selectionModel()->select(model->index(row, 0, parent),
                                                       QItemSelectionModel::ClearAndSelect);
                return;
            }
        }
        qFatal("no device %s", qPrintable(text));
    }
    // The UID, sub-device and data of every DMX_START_ADDRESS SET since the log was cleared.
    QStringList startAddressSets() const
    {
        QStringList sets;
        for (const TransferRecord &transfer : bus()->transferLog()) {
            const QByteArray &bytes = transfer.data;
            if (transfer.request != 9 || bytes.size() < 26 || quint8(bytes.at(20)) != 0x30
                || bytes.mid(21, 2).toHex() != "00f0")
                continue;
            sets << QString::fromLatin1(bytes.mid(3, 6).toHex() + '/' + bytes.mid(18, 2).toHex() + '='
                                        + bytes.mid(24, quint8(bytes.at(23))).toHex());
        }
        return sets;
    }
    // Sends what the device list's drag delivers: a drop without data on the cell of the channel.
    void dropOn(int channel) const
    {
        QMimeData nothing;
        QDragEnterEvent enter(cellCentre(channel), Qt::CopyAction, &nothing, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid()->viewport(), &enter);
        QDropEvent drop(QPointF(cellCentre(channel)), Qt::CopyAction, &nothing, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid()->viewport(), &drop);
    }

private slots:
    void initTestCase()
    {
        qputenv("RB604_SIMULATOR", "demo");
        nameSettingsStore();
        writeDefaultSettings();
        QVERIFY(bus());
    }
    void init()
    {
        window = std::make_unique<Orv_RDM_Controller>();
        window->setEngineClock(&clock);
        widget<QPushButton>("pushButtonFullDiscovery")->click();
        QVERIFY(grid()->isEnabled());
        bus()->clearTransferLog();
    }
    void cleanup() { window.reset(); }

    void theDemoRigShowsItsFootprints()
    {
        // The par is selected after discovery: 8 channels from 1. The bars overlap from 112 to 123;
        // the dimmer modules share their rack's channels, where the silent seventh leaves 206 green.
        QCOMPARE(colours({1, 8, 9, 24, 25, 99, 100, 111, 112, 123, 124, 135, 136, 200, 205, 206, 207, 211, 212}),
                 QStringLiteral("1G 8G 9g 24g 25w 99w 100g 111g 112r 123r 124g 135g 136w 200b 205b 206g 207b "
                                "211b 212w"));
        QCOMPARE(colours({300, 301, 302, 310, 313, 314, 512}), QStringLiteral("300g 301g 302w 310g 313g 314w 512w"));
        QCOMPARE(grid()->item(18, 26)->text(), QString());
    }

    void clickingACellSelectsItsDevice_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("rootExpanded");
        QTest::addColumn<QString>("brightCell");

        QTest::newRow("the bar starting nearer wins the overlap")
            << 113 << "Lumora PixelBar 8" << 112 << false << "112R 124G 100g";
        QTest::newRow("a dimmer module beats its rack")
            << 205 << "Voltaris DM 2.5 kW module" << 205 << true << "204b 205B 206g";
        QTest::newRow("a free cell keeps the par") << 150 << "Lumora Par 7 RGBW" << 1 << false << "1G 150w";
        QTest::newRow("the blank cell keeps the par") << 513 << "Lumora Par 7 RGBW" << 1 << false << "1G 512w";
    }

    void clickingACellSelectsItsDevice()
    {
        QFETCH(int, channel);
        QFETCH(QString, selected);
        QFETCH(int, start);
        QFETCH(bool, rootExpanded);
        QFETCH(QString, brightCell);

        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cellCentre(channel));
        const QModelIndexList rows = deviceList()->selectionModel()->selectedIndexes();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().data().toString(), selected);
        QCOMPARE(shownStart(), start);
        QCOMPARE(deviceList()->isExpanded(rows.first().parent()), rootExpanded);
        QList<int> probes;
        for (const QString &probe : brightCell.split(QLatin1Char(' ')))
            probes << probe.chopped(1).toInt();
        QCOMPARE(colours(probes), brightCell);
    }

    void droppingMovesTheSelectedDevice_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("message");

        QTest::newRow("last channels the par fits on") << 505 << "7ff100010001/0000=01f9" << 505 << "";
        QTest::newRow("one channel too far") << 506 << "" << 1 << "Not enough channels for this personality";
        QTest::newRow("blank cell") << 513 << "" << 1 << "";
    }

    void droppingMovesTheSelectedDevice()
    {
        QFETCH(int, channel);
        QFETCH(QString, sent);
        QFETCH(int, start);
        QFETCH(QString, message);

        QStringList shown;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown << box->text();
                box->accept();
            }
        });
        closer.start(5);
        dropOn(channel);
        QCOMPARE(shown.join(QLatin1Char('|')), message);
        QCOMPARE(startAddressSets().join(QLatin1Char(' ')), sent);
        QCOMPARE(shownStart(), start);
        // The responder holds what it was sent: the read-back put it into the view.
        QCOMPARE(colours({start, 1}), start == 1 ? QStringLiteral("1G 1G") : QStringLiteral("%1G 1w").arg(start));
        // The demo rig lives as long as the process: the par goes back for the next test.
        if (start != 1) {
            dropOn(1);
            QCOMPARE(shownStart(), 1);
        }
    }

    void theHelpButtonShowsTheLegend()
    {
        widget<QPushButton>("patchHelpButton")->click();
        auto *legend = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(legend);
        QCOMPARE(legend->windowTitle(), QStringLiteral("Patch grid colors"));
        QCOMPARE(legend->findChild<QLabel *>(QStringLiteral("label_4"))->text(),
                 QStringLiteral("A device shares one channel with its own subdevice"));
        legend->findChild<QPushButton *>(QStringLiteral("pushButtonOk"))->click();
        QVERIFY(!legend->isVisible());
    }

    void autoPatchAddressesTheListUpToTheFirstRefusal()
    {
        widget<QPushButton>("pushButtonAutoPatch")->click();
        // Discovery lists by UID: the par, the spot, then the write-protected strobe that ends the run.
        const QStringList expected{"7ff100010001/0000=0001", "7ff100020001/0000=0009", "7ff100040001/0000=0019"};
        QCOMPARE(startAddressSets(), expected);
        QCOMPARE(colours({1, 8, 9, 24, 25, 310, 313, 314}), QStringLiteral("1G 8G 9g 24g 25w 310g 313g 314w"));
    }
};

QTEST_MAIN(TestPatchGridWindow)
#include "tst_patchgridwindow.moc"
