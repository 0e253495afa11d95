// The Sensors and RDM Settings tabs on the demo rig: what the user reads, what reaches the wire,
// and the sensor history with its chart, auto refresh and export.
#include "mainwindow/orv_rdm_controller.h"
#include "mainwindow/sensorchart.h"
#include "mainwindow/valuetablewidgetitem.h"
#include "manualclock.h"
#include "parameterdialog/getsetdialog.h"
#include "settings/settings.h"
#include "simulator/simulatedbackend.h"
#include "simulator/simulatedresponder.h"
#include "usb/usbdevice.h"

#include <QAreaSeries>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QSpinBox>
#include <QTimer>
#include <QValueAxis>
#include <QTreeView>
#include <QtTest>

namespace {

constexpr quint64 parUid = 0x7FF100010001ULL;
constexpr quint64 spotUid = 0x7FF100020001ULL;
constexpr quint64 strobeUid = 0x7FF100040001ULL;
constexpr quint64 monitorUid = 0x7FF200000B01ULL;

} // namespace

class TestSensorsTab : public QObject
{
    Q_OBJECT

    std::unique_ptr<Orv_RDM_Controller> window;
    ManualClock clock{QDateTime(QDate(2026, 3, 14), QTime(19, 30), Qt::UTC)};

    SimulatedBackend *bus() const { return dynamic_cast<SimulatedBackend *>(UsbDevice::processUsbBackend()); }
    SimulatedResponder &responder(quint64 uid) const
    {
        return *dynamic_cast<SimulatedResponder *>(bus()->interfaceAt(0).line().responder(uid).get());
    }
    template <typename T> T *widget(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    QString text(const char *lineEdit) const { return widget<QLineEdit>(lineEdit)->text(); }
    QString lastLogLine() const
    {
        return widget<QTextEdit>("textEditLog")->toPlainText().split(QLatin1Char('\n')).constLast().mid(11);
    }
    // Full discovery, then the device with this UID selected and the tab shown.
    void show(quint64 uid, QWidget *tab) const
    {
        widget<QPushButton>("pushButtonFullDiscovery")->click();
        QTreeView *tree = widget<QTreeView>("treeViewDevices");
        const QString uidLine = QStringLiteral("UID: 0x") + QString::number(uid, 16);
        for (int row = 0; row < tree->model()->rowCount(); ++row) {
            const QModelIndex device = tree->model()->index(row, 0);
            // The first device carries its detail lines already; the others get them when chosen.
            tree->selectionModel()->select(device, QItemSelectionModel::ClearAndSelect);
            if (tree->model()->index(0, 0, device).data().toString() == uidLine)
                break;
        }
        widget<QTabWidget>("tabWidget")->setCurrentWidget(tab);
    }
    QWidget *sensorsTab() const { return widget<QWidget>("Monitor_Devices"); }
    QWidget *parametersTab() const { return widget<QWidget>("Advanced_RDM_Settings"); }
    // SENSOR_VALUE requests (PID 0x0201) since the transfer log was cleared, by sensor number.
    QStringList sensorValueRequests() const
    {
        QStringList sensors;
        for (const TransferRecord &transfer : bus()->transferLog()) {
            const QByteArray &packet = transfer.data;
            if (transfer.request == 9 && packet.size() > 24 && packet.mid(20, 3).toHex() == "200201")
                sensors.append(QString::number(quint8(packet.at(24))));
        }
        return sensors;
    }
    QTableWidget *table() const { return widget<QTableWidget>("tableWidgetParameters"); }
    void selectParameter(quint16 pid) const
    {
        for (int row = 0; row < table()->rowCount(); ++row) {
            const auto *item = dynamic_cast<ValueTableWidgetItem *>(table()->item(row, 0));
            if (item && item->value() == pid) {
                table()->setCurrentItem(table()->item(row, 0));
                return;
            }
        }
        QFAIL("PID not listed");
    }
    SensorChart *chart() const { return widget<SensorChart>("sensorChart"); }

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
        bus()->clearTransferLog();
    }
    void cleanup() { window.reset(); }

    void powerMonitorSensorsWithPrefixesAndUnits()
    {
        show(monitorUid, sensorsTab());
        QComboBox *sensors = widget<QComboBox>("comboBoxSensors");
        QCOMPARE(sensors->count(), 5);
        QCOMPARE(sensors->itemText(0), QStringLiteral("0. Mains L1"));
        QCOMPARE(sensors->itemText(2), QStringLiteral("2. Ambient"));
        QVERIFY(!widget<QGroupBox>("groupBoxSensor")->isHidden());
        QCOMPARE(text("lineEditSensorType"), QStringLiteral("Voltage"));
        QCOMPARE(widget<QLabel>("maxRangeLabel")->text(), QStringLiteral("300"));

        sensors->setCurrentIndex(2);
        emit sensors->activated(2);
        QCOMPARE(widget<QLabel>("sensorDescriptionLabel")->text(), QStringLiteral("Ambient"));
        QCOMPARE(widget<QLabel>("minRangeLabel")->text(), QStringLiteral("-40"));
        QCOMPARE(widget<QLabel>("maxRangeLabel")->text(), QStringLiteral("85"));
        QCOMPARE(text("lineEditSensorNormalMin"), QStringLiteral("-10"));
        QCOMPARE(text("lineEditSensorLowest"), QStringLiteral("-12.3"));
        QVERIFY(widget<QLabel>("sensorValueLabel")->text().endsWith(QStringLiteral(" \u00B0C")));
        QCOMPARE(text("lineEditDeviceHours"), QStringLiteral("8712"));
        QCOMPARE(text("lineEditLampHours"), QStringLiteral("Not supported"));

        bus()->clearTransferLog();
        clock.sleep(5000);
        const QDateTime readAt = clock.now();
        widget<QPushButton>("pushButtonRefreshAllSensors")->click();
        QCOMPARE(sensorValueRequests(), QStringList({"0", "1", "2", "3", "4"}));
        QCOMPARE(text("lineEditSensorLastUpdate"), readAt.toString(QStringLiteral("yyyy-MM-dd - HH:mm:ss")));
        QCOMPARE(chart()->values()->count(), 1);
        QCOMPARE(chart()->valueAxis()->titleText(), QStringLiteral("\u00B0C"));
    }

    void deviceWithoutSensors()
    {
        show(strobeUid, sensorsTab());
        QCOMPARE(widget<QComboBox>("comboBoxSensors")->count(), 0);
        QVERIFY(widget<QGroupBox>("groupBoxSensor")->isHidden());
        bus()->clearTransferLog();
        widget<QPushButton>("pushButtonRefreshSensors")->click();
        widget<QPushButton>("pushButtonRefreshAllSensors")->click();
        QVERIFY(bus()->transferLog().isEmpty());
    }

    void progressBar_data()
    {
        QTest::addColumn<int>("rangeMinimum");
        QTest::addColumn<int>("rangeMaximum");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("progress");
        QTest::newRow("at the minimum") << 0 << 1000 << 250 << 0 << 0;
        QTest::newRow("at the maximum") << 0 << 1000 << 250 << 1000 << 100;
        QTest::newRow("33.9 percent truncated") << 0 << 1000 << 250 << 339 << 33;
        QTest::newRow("above the range keeps the bar") << 0 << 1000 << 250 << 1001 << 25;
        QTest::newRow("below the range keeps the bar") << -100 << 100 << 50 << -102 << 75;
        QTest::newRow("empty range, at it") << 500 << 500 << 501 << 500 << 0;
        QTest::newRow("empty range, above it") << 500 << 500 << 500 << 501 << 100;
    }

    void progressBar()
    {
        QFETCH(int, rangeMinimum);
        QFETCH(int, rangeMaximum);
        QFETCH(int, first);
        QFETCH(int, second);
        ResponderSensor &sensor = responder(spotUid).state().root.sensors[0];
        const ResponderSensor demo = sensor;
        sensor.rangeMinimum = qint16(rangeMinimum);
        sensor.rangeMaximum = qint16(rangeMaximum);
        sensor.present = qint16(first);
        show(spotUid, sensorsTab());
        sensor.present = qint16(second);
        widget<QPushButton>("pushButtonRefreshSensors")->click();
        sensor = demo;
        QTEST(widget<QProgressBar>("progressBarSensor")->value(), "progress");
    }

    void countersNotListedReadNotSupported()
    {
        std::optional<quint8> &lampState = responder(spotUid).state().root.lampState;
        const std::optional<quint8> demo = lampState;
        lampState.reset();
        show(spotUid, sensorsTab());
        lampState = demo;
        QCOMPARE(text("lineEditLampStrikes"), QStringLiteral("310"));
        QCOMPARE(text("lineEditLampHours"), QStringLiteral("812"));
        QCOMPARE(text("lineEditLampState"), QStringLiteral("Not supported"));
        QCOMPARE(text("lineEditDeviceHours"), QStringLiteral("4120"));
        QVERIFY(widget<QGroupBox>("groupBoxLamp")->isEnabled());
    }

    void onlyAnsweredReadingsCount()
    {
        show(spotUid, sensorsTab());
        clock.sleep(60000);
        const QString answeredAt = clock.now().toString(QStringLiteral("yyyy-MM-dd - HH:mm:ss"));
        widget<QPushButton>("pushButtonRefreshSensors")->click();
        QCOMPARE(text("lineEditSensorLastUpdate"), answeredAt);
        QCOMPARE(chart()->values()->count(), 1);

        ResponderBehaviour silent = responder(spotUid).behaviour();
        silent.silent = true;
        responder(spotUid).setBehaviour(silent);
        clock.sleep(60000);
        bus()->clearTransferLog();
        widget<QPushButton>("pushButtonRefreshSensors")->click();
        silent.silent = false;
        responder(spotUid).setBehaviour(silent);
        QCOMPARE(sensorValueRequests(), QStringList{"0"});
        QCOMPARE(text("lineEditSensorLastUpdate"), answeredAt);
        QCOMPARE(chart()->values()->count(), 1);
        // The lamp housing's normal range is its band.
        QVERIFY(chart()->normalBand());
        QCOMPARE(chart()->normalBand()->upperSeries()->at(0).y(), 110.0);
    }

    void autoRefreshRunsOnlyWhileTheTabIsShown()
    {
        show(monitorUid, sensorsTab());
        QTimer *timer = window->findChild<QTimer *>(QStringLiteral("sensorAutoRefreshTimer"));
        QVERIFY(timer);
        QVERIFY(!timer->isActive());
        QCOMPARE(widget<QSpinBox>("spinBoxAutoRefreshInterval")->value(), 5);
        widget<QCheckBox>("checkBoxAutoRefresh")->setChecked(true);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 5000);
        widget<QSpinBox>("spinBoxAutoRefreshInterval")->setValue(3600);
        QCOMPARE(timer->interval(), 3600000);

        bus()->clearTransferLog();
        QVERIFY(QMetaObject::invokeMethod(window.get(), "slotAutoRefreshSensors"));
        QCOMPARE(sensorValueRequests(), QStringList({"0", "1", "2", "3", "4"}));
        QCOMPARE(chart()->values()->count(), 1);

        widget<QTabWidget>("tabWidget")->setCurrentWidget(parametersTab());
        QVERIFY(!timer->isActive());
        bus()->clearTransferLog();
        QVERIFY(QMetaObject::invokeMethod(window.get(), "slotAutoRefreshSensors"));
        QCOMPARE(sensorValueRequests(), QStringList());
        widget<QTabWidget>("tabWidget")->setCurrentWidget(sensorsTab());
        QVERIFY(timer->isActive());

        widget<QPushButton>("pushButtonDisconnect")->click();
        QVERIFY(!timer->isActive());
    }

    void exportWritesTheHistory()
    {
        show(spotUid, sensorsTab());
        const QDateTime first = clock.now();
        widget<QPushButton>("pushButtonRefreshAllSensors")->click();
        clock.sleep(1500);
        widget<QPushButton>("pushButtonRefreshAllSensors")->click();
        const auto line = [](const QDateTime &time) {
            return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs).toLatin1()
                   + ",0,Lamp housing,87,\xc2\xb0" "C\r\n";
        };
        QTemporaryDir directory;
        QString suggested;
        QString path = directory.filePath(QStringLiteral("spot.csv"));
        window->setExportPathChooser([&](QWidget *, const QString &suggestedPath) {
            suggested = suggestedPath;
            return path;
        });
        widget<QPushButton>("pushButtonExportSensors")->click();
        QVERIFY2(suggested.endsWith(QStringLiteral("sensors-7FF1-00020001.csv")), qPrintable(suggested));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "time,sensor,description,value,unit\r\n" + line(first) + line(first.addMSecs(1500)));
        QCOMPARE(lastLogLine(), QStringLiteral("Sensor history written to ") + path);

        path = directory.filePath(QStringLiteral("missing/spot.csv"));
        widget<QPushButton>("pushButtonExportSensors")->click();
        QVERIFY2(lastLogLine().startsWith(QStringLiteral("Cannot write ") + path + QStringLiteral(": ")),
                 qPrintable(lastLogLine()));
    }

    void parameterDescription_data()
    {
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<QString>("shownPid");
        QTest::addColumn<bool>("get");
        QTest::addColumn<bool>("set");
        QTest::addColumn<QString>("description");
        const QString head = QStringLiteral("Data size: %1\nData type: %2\nGET Command: %3\nSET Command: %4\n"
                                            "Type: %5\nUnit: None\nPrefix: None");
        QTest::newRow("GET only, no range") << quint16(0x0080) << "0x0080" << true << false
                                            << head.arg("32", "String", "Yes", "No", "Other");
        QTest::newRow("PID in upper case") << quint16(0x00E0) << "0x00E0" << true << true
                                           << head.arg("2", "Unsigned byte (8 bit)", "Yes", "Yes", "Other");
        QTest::newRow("range without its default")
            << quint16(0x00F0) << "0x00F0" << true << true
            << head.arg("2", "Unsigned word (16 bit)", "Yes", "Yes", "Other") + "\nMinimum value: 1\nMaximum value: 512";
        QTest::newRow("manufacturer PID with its default") << quint16(0x8002) << "0x8002" << true << true
            << head.arg("2", "Unsigned word (16 bit)", "Yes", "Yes", "Temperature")
                   + "\nMinimum value: 2700\nMaximum value: 8000\nDefault value: 5600";
    }

    void parameterDescription()
    {
        QFETCH(quint16, pid);
        show(parUid, parametersTab());
        selectParameter(pid);
        QTEST(text("lineEditOptions"), "shownPid");
        QTEST(widget<QPushButton>("pushButtonRDMGet")->isEnabled(), "get");
        QTEST(widget<QPushButton>("pushButtonRDMSet")->isEnabled(), "set");
        QTEST(widget<QTextEdit>("textEditPIDDescription")->toPlainText(), "description");
    }

    void parametersListedBlackFirstThenBlue()
    {
        show(parUid, parametersTab());
        QList<quint16> black;
        QList<quint16> blue;
        for (int row = 0; row < table()->rowCount(); ++row) {
            const auto *item = dynamic_cast<ValueTableWidgetItem *>(table()->item(row, 0));
            QVERIFY(item);
            const bool isBlue = item->foreground().color() == QColor(Qt::blue);
            QVERIFY2(isBlue || blue.isEmpty(), "a black row below a blue one");
            (isBlue ? blue : black).append(item->value());
        }
        QVERIFY(!black.isEmpty() && blue.size() > 2);
        QVERIFY(std::is_sorted(black.begin(), black.end()));
        QVERIFY(std::is_sorted(blue.begin(), blue.end()));
        QCOMPARE(text("lineEditParameterCount"), QString::number(black.size() + blue.size()));
        const QString html = widget<QTextEdit>("textEditParameters")->toHtml();
        QVERIFY(html.indexOf(QStringLiteral("DMX_START_ADDRESS")) < html.indexOf(QStringLiteral("Fan mode")));
    }

    void requestButtonsOpenTheDialog()
    {
        show(parUid, parametersTab());
        selectParameter(0x8001);
        widget<QPushButton>("pushButtonRDMGet")->click();
        QPointer<GetSetDialog> dialog = window->findChild<GetSetDialog *>();
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
        selectParameter(0x00F0);
        QVERIFY(dialog && !dialog->isVisible());
        widget<QPushButton>("pushButtonRDMSet")->click();
        QVERIFY(!dialog);
        dialog = window->findChild<GetSetDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        widget<QPushButton>("pushButtonRefreshPID")->click();
        QVERIFY(!dialog);
        QCOMPARE(widget<QLabel>("labelOptionsPid")->text(), QStringLiteral("<font color='red'>No PID Selected</font>"));
        QVERIFY(!widget<QPushButton>("pushButtonRDMGet")->isEnabled());
    }

    void everyDemoDeviceDescribesEveryParameter()
    {
        for (const quint64 uid : {parUid, spotUid, strobeUid, monitorUid}) {
            show(uid, parametersTab());
            QVERIFY(table()->rowCount() > 0);
            for (int row = 0; row < table()->rowCount(); ++row) {
                table()->setCurrentCell(row, 0);
                QVERIFY2(!text("lineEditOptions").isEmpty(), qPrintable(table()->item(row, 0)->text()));
            }
        }
    }
};

QTEST_MAIN(TestSensorsTab)
#include "tst_sensorstab.moc"
