// The Sensors and RDM Settings tabs on the demo rig: what the user reads, what reaches the wire,
// and the sensor history with its chart, auto refresh and export.
#include "mainwindow/sensorchart.h"
#include "mainwindow/valuetablewidgetitem.h"
#include "parameterdialog/getsetdialog.h"
#include "windowrig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

constexpr quint64 spotUid = 0x7FF100020001ULL;

class TestSensorsTab : public QObject, public WindowRig
{
    Q_OBJECT

    QString text(const char *lineEdit) const { return widget<QLineEdit>(lineEdit)->text(); }
    QString lastLogLine() const { return logLines().constLast(); }
    void show(const char *model, QWidget *tab) const
    {
        fullDiscovery();
        QVERIFY(selectDevice(QLatin1String(model)));
        widget<QTabWidget>("tabWidget")->setCurrentWidget(tab);
    }
    QWidget *sensorsTab() const { return widget<QWidget>("Monitor_Devices"); }
    QWidget *parametersTab() const { return widget<QWidget>("Advanced_RDM_Settings"); }
    static QStringList sensorValueRequests() { return requests().filter(QStringLiteral("200201 ")); }
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
    void initTestCase() { QVERIFY(startSimulator("demo")); }
    void init()
    {
        openWindow();
        bus()->clearTransferLog();
    }
    void cleanup() { window.reset(); }

    void powerMonitorSensorsAndTheirAutoRefresh()
    {
        show("Voltaris PowerWatch 3", sensorsTab());
        QComboBox *sensors = widget<QComboBox>("comboBoxSensors");
        QCOMPARE(sensors->count(), 5);
        QVERIFY(!widget<QGroupBox>("groupBoxSensor")->isHidden());
        QCOMPARE(text("lineEditSensorType"), QStringLiteral("Voltage"));
        sensors->setCurrentIndex(2);
        emit sensors->activated(2);
        QCOMPARE(sensors->currentText(), QStringLiteral("2. Ambient"));
        // Deci: the range and readings are tenths.
        QCOMPARE(widget<QLabel>("minRangeLabel")->text() + QLatin1Char(' ') + widget<QLabel>("maxRangeLabel")->text(),
                 QStringLiteral("-40 85"));
        QCOMPARE(text("lineEditSensorLowest"), QStringLiteral("-12.3"));
        QVERIFY(widget<QLabel>("sensorValueLabel")->text().endsWith(QStringLiteral(" \u00B0C")));
        // Counters the device does not list read as such; the others are read.
        QCOMPARE(text("lineEditDeviceHours"), QStringLiteral("8712"));
        QCOMPARE(text("lineEditLampHours"), QStringLiteral("Not supported"));

        // Auto refresh runs only while the tab is shown.
        auto *timer = widget<QTimer>("sensorAutoRefreshTimer");
        QVERIFY(!timer->isActive());
        QCOMPARE(widget<QSpinBox>("spinBoxAutoRefreshInterval")->value(), 5);
        widget<QCheckBox>("checkBoxAutoRefresh")->setChecked(true);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 5000);
        // One step past either end of the interval holds that end.
        widget<QSpinBox>("spinBoxAutoRefreshInterval")->setValue(0);
        QCOMPARE(timer->interval(), 1000);
        widget<QSpinBox>("spinBoxAutoRefreshInterval")->setValue(3601);
        QCOMPARE(timer->interval(), 3600000);

        bus()->clearTransferLog();
        QVERIFY(QMetaObject::invokeMethod(window.get(), "slotAutoRefreshSensors"));
        QCOMPARE(sensorValueRequests(), QStringList({"200201 00", "200201 01", "200201 02", "200201 03", "200201 04"}));
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

    void deviceWithoutSensors()
    {
        show("Lumora Strobe 1500", sensorsTab());
        QCOMPARE(widget<QComboBox>("comboBoxSensors")->count(), 0);
        QVERIFY(widget<QGroupBox>("groupBoxSensor")->isHidden());
        bus()->clearTransferLog();
        widget<QPushButton>("pushButtonRefreshSensors")->click();
        widget<QPushButton>("pushButtonRefreshAllSensors")->click();
        QVERIFY(bus()->transferLog().isEmpty());
    }

    // Range minimum and maximum, the first reading, the second one; the bar after the second.
    void progressBar_data()
    {
        QTest::addColumn<QList<int>>("sensor");
        QTest::addColumn<int>("progress");
        QTest::newRow("33.9 percent truncated") << QList<int> {0, 1000, 250, 339} << 33;
        QTest::newRow("the top of the range is full") << QList<int> {0, 1000, 250, 1000} << 100;
        QTest::newRow("just above the range keeps the bar") << QList<int> {0, 1000, 250, 1001} << 25;
        QTest::newRow("the bottom of the range is empty") << QList<int> {-100, 100, 50, -100} << 0;
        QTest::newRow("just below the range keeps the bar") << QList<int> {-100, 100, 50, -101} << 75;
        QTest::newRow("empty range, at it") << QList<int> {500, 500, 501, 500} << 0;
        QTest::newRow("empty range, above it") << QList<int> {500, 500, 500, 501} << 100;
    }
    void progressBar()
    {
        QFETCH(QList<int>, sensor);
        ResponderSensor &defined = responder(spotUid).state().root.sensors[0];
        const ResponderSensor demo = defined;
        defined.rangeMinimum = qint16(sensor.at(0));
        defined.rangeMaximum = qint16(sensor.at(1));
        defined.present = qint16(sensor.at(2));
        show("Lumora Spot 300", sensorsTab());
        defined.present = qint16(sensor.at(3));
        widget<QPushButton>("pushButtonRefreshSensors")->click();
        defined = demo;
        QTEST(widget<QProgressBar>("progressBarSensor")->value(), "progress");
    }

    void onlyAnsweredReadingsCount()
    {
        show("Lumora Spot 300", sensorsTab());
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
        QCOMPARE(sensorValueRequests(), QStringList {"200201 00"});
        QCOMPARE(text("lineEditSensorLastUpdate"), answeredAt);
        QCOMPARE(chart()->values()->count(), 1);
    }

    void exportWritesTheHistory()
    {
        show("Lumora Spot 300", sensorsTab());
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
        QString path = directory.filePath(QStringLiteral("spot & <par>.csv"));
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
        QTest::newRow("GET only, no range")
            << quint16(0x0080) << "0x0080" << true << false << head.arg("32", "String", "Yes", "No", "Other");
        QTest::newRow("range without its default, PID in upper case") << quint16(0x00F0) << "0x00F0" << true << true
            << head.arg("2", "Unsigned word (16 bit)", "Yes", "Yes", "Other")
                + "\nMinimum value: 1\nMaximum value: 512";
        QTest::newRow("manufacturer PID with its default") << quint16(0x8002) << "0x8002" << true << true
            << head.arg("2", "Unsigned word (16 bit)", "Yes", "Yes", "Temperature")
                + "\nMinimum value: 2700\nMaximum value: 8000\nDefault value: 5600";
    }

    void parameterDescription()
    {
        QFETCH(quint16, pid);
        show("Lumora Par 7 RGBW", parametersTab());
        selectParameter(pid);
        QTEST(text("lineEditOptions"), "shownPid");
        QTEST(widget<QPushButton>("pushButtonRDMGet")->isEnabled(), "get");
        QTEST(widget<QPushButton>("pushButtonRDMSet")->isEnabled(), "set");
        QTEST(widget<QTextEdit>("textEditPIDDescription")->toPlainText(), "description");
    }

    void parametersListedBlackFirstThenBlueWithTheirDialogs()
    {
        show("Lumora Par 7 RGBW", parametersTab());
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
        const QString html = widget<QTextEdit>("textEditParameters")->toHtml();
        QVERIFY(html.indexOf(QStringLiteral("DMX_START_ADDRESS")) < html.indexOf(QStringLiteral("Fan mode")));
        // The request buttons open the parameter dialog.
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
};

QTEST_MAIN(TestSensorsTab)
#include "tst_sensorstab.moc"
