// The main window's Sensors tab: sensor values, counters, lamp data and the sensor history.
#include "mainwindow/orv_rdm_controller.h"

#include "mainwindow/sensorchart.h"
#include "rdm/clock.h"
#include "rdm/parameterids.h"
#include "rdm/rdm.h"
#include "rdm/uidtext.h"
#include "rdm/vocabulary.h"
#include "ui_orv_rdm_controller.h"
#include "usb/usbdevice.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {

constexpr int defaultAutoRefreshSeconds = 5;
constexpr int longestAutoRefreshSeconds = 3600;

// The bar's percentage of the range truncated toward zero, or nothing for a value outside the range
// (a value just past an end must not pass for the end). An empty range has no inside: at or below
// it reads 0, above it 100.
std::optional<int> rangePercent(const SensorRecord &sensor)
{
    if (sensor.rangeMaximum == sensor.rangeMinimum)
        return sensor.presentValue <= sensor.rangeMinimum ? 0 : 100;
    const double percent = (double(sensor.presentValue) - sensor.rangeMinimum)
                           / (double(sensor.rangeMaximum) - sensor.rangeMinimum) * 100.0;
    if (percent < 0.0 || percent > 100.0)
        return std::nullopt;
    return int(percent);
}

QString defaultExportName(const DeviceRecord &record)
{
    QString name = QStringLiteral("sensors-") + uidText(record.uid).replace(QLatin1Char(':'), QLatin1Char('-'));
    if (record.subDevice != 0)
        name += QStringLiteral("-%1").arg(record.subDevice);
    return QDir::home().filePath(name + QStringLiteral(".csv"));
}

} // namespace

void Orv_RDM_Controller::buildSensorHistory()
{
    // Device texts stay text.
    for (QLabel *label : {ui->sensorDescriptionLabel, ui->minRangeLabel, ui->maxRangeLabel, ui->sensorValueLabel})
        label->setTextFormat(Qt::PlainText);

    auto *group = new QGroupBox(tr("History"), ui->Monitor_Devices);
    group->setObjectName(QStringLiteral("groupBoxSensorHistory"));
    auto *layout = new QVBoxLayout(group);
    sensorChart = new SensorChart(group);
    sensorChart->setMinimumHeight(110);
    // The sensor fields keep their height; the chart gets what is left.
    ui->groupBoxDeviceSensors->setSizePolicy(ui->groupBoxDeviceSensors->sizePolicy().horizontalPolicy(),
                                             QSizePolicy::Minimum);
    layout->addWidget(sensorChart, 1);
    auto *controls = new QHBoxLayout;
    checkBoxAutoRefresh = new QCheckBox(tr("Auto refresh"), group);
    checkBoxAutoRefresh->setObjectName(QStringLiteral("checkBoxAutoRefresh"));
    spinBoxAutoRefreshInterval = new QSpinBox(group);
    spinBoxAutoRefreshInterval->setObjectName(QStringLiteral("spinBoxAutoRefreshInterval"));
    spinBoxAutoRefreshInterval->setRange(1, longestAutoRefreshSeconds);
    spinBoxAutoRefreshInterval->setValue(defaultAutoRefreshSeconds);
    spinBoxAutoRefreshInterval->setSuffix(QStringLiteral(" s"));
    spinBoxAutoRefreshInterval->setToolTip(tr("Time between two readings of every sensor"));
    pushButtonExportSensors = new QPushButton(tr("Export..."), group);
    pushButtonExportSensors->setObjectName(QStringLiteral("pushButtonExportSensors"));
    pushButtonExportSensors->setToolTip(tr("Write every sensor reading of this device as CSV"));
    controls->addWidget(checkBoxAutoRefresh);
    controls->addWidget(spinBoxAutoRefreshInterval);
    controls->addStretch();
    controls->addWidget(pushButtonExportSensors);
    layout->addLayout(controls);
    // The chart takes the room the spacer below the counters held.
    for (int i = 0; i < ui->verticalLayoutSensors->count(); ++i) {
        if (ui->verticalLayoutSensors->itemAt(i)->spacerItem()) {
            delete ui->verticalLayoutSensors->takeAt(i);
            break;
        }
    }
    ui->verticalLayoutSensors->addWidget(group, 1);

    autoRefreshTimer = new QTimer(this);
    autoRefreshTimer->setObjectName(QStringLiteral("sensorAutoRefreshTimer"));
    autoRefreshTimer->setInterval(defaultAutoRefreshSeconds * 1000);
    exportPathChooser = [](QWidget *parent, const QString &suggestedPath) {
        return QFileDialog::getSaveFileName(parent, tr("Export sensor history"), suggestedPath,
                                            tr("CSV files (*.csv)"));
    };

    connect(checkBoxAutoRefresh, &QCheckBox::toggled, this, &Orv_RDM_Controller::slotcheckBoxAutoRefresh);
    connect(spinBoxAutoRefreshInterval, qOverload<int>(&QSpinBox::valueChanged), this,
            &Orv_RDM_Controller::slotspinBoxAutoRefreshInterval);
    connect(autoRefreshTimer, &QTimer::timeout, this, &Orv_RDM_Controller::slotAutoRefreshSensors);
    connect(pushButtonExportSensors, &QPushButton::clicked, this, &Orv_RDM_Controller::slotpushButtonExportSensors);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &Orv_RDM_Controller::updateAutoRefresh);
}

void Orv_RDM_Controller::setExportPathChooser(ExportPathChooser chooser)
{
    exportPathChooser = std::move(chooser);
}

QDateTime Orv_RDM_Controller::now() const
{
    return (engineClock ? engineClock : Clock::system())->now();
}

SensorHistory &Orv_RDM_Controller::historyOf(const DeviceRecord &record)
{
    return sensorHistories[{record.uid, record.subDevice}];
}

void Orv_RDM_Controller::fillSensorsAndCounters(DeviceRecord *record)
{
    for (int number = 0; number < record->sensorCount; ++number) {
        const auto sensor = record->sensors.find(quint8(number));
        ui->comboBoxSensors->addItem(QString::number(number) + QStringLiteral(". ")
                                     + (sensor != record->sensors.end() ? sensor->second.description : QString()));
    }
    if (record->sensorCount != 0) {
        ui->comboBoxSensors->setCurrentIndex(0);
        const auto first = record->sensors.find(0);
        if (first != record->sensors.end())
            showSensor(first->second);
    }

    const struct
    {
        QLineEdit *field;
        quint16 pid;
        QString value;
    } counters[] = {
        {ui->lineEditDeviceHours, Pid::DeviceHours, QString::number(record->deviceHours)},
        {ui->lineEditDevicePowerCycles, Pid::DevicePowerCycles, QString::number(record->devicePowerCycles)},
        {ui->lineEditLampHours, Pid::LampHours, QString::number(record->lampHours)},
        {ui->lineEditLampStrikes, Pid::LampStrikes, QString::number(record->lampStrikes)},
        {ui->lineEditLampState, Pid::LampState, lampStateText(record->lampState)},
    };
    for (const auto &counter : counters) {
        counter.field->setEnabled(true);
        counter.field->setText(record->parameters.count(counter.pid) ? counter.value : tr("Not supported"));
    }
    ui->groupBoxLamp->setEnabled(true);
    pushButtonExportSensors->setEnabled(record->sensorCount != 0);
    updateAutoRefresh();
}

void Orv_RDM_Controller::showSensor(const SensorRecord &sensor)
{
    if (usbLink->checkConnection() != 0)
        return;
    const auto value = [&sensor](qint16 raw) { return valueWithPrefixText(raw, sensor.prefix); };
    ui->sensorDescriptionLabel->setText(sensor.description);
    ui->minRangeLabel->setText(value(sensor.rangeMinimum));
    ui->maxRangeLabel->setText(value(sensor.rangeMaximum));
    if (const std::optional<int> percent = rangePercent(sensor))
        ui->progressBarSensor->setValue(*percent);
    ui->sensorValueLabel->setText(value(sensor.presentValue) + QLatin1Char(' ') + unitText(sensor.unit));
    ui->lineEditSensorNormalMin->setText(value(sensor.normalMinimum));
    ui->lineEditSensorNormalMax->setText(value(sensor.normalMaximum));
    ui->lineEditSensorType->setText(sensorTypeText(sensor.type));
    ui->lineEditSensorLastUpdate->setText(sensor.updateDate + QStringLiteral(" - ") + sensor.updateTime);
    ui->lineEditSensorLowest->setText(value(sensor.lowestValue));
    ui->lineEditSensorHighest->setText(value(sensor.highestValue));
    if (currentDevice)
        sensorChart->showSensor(sensor, historyOf(*currentDevice).samples(sensor.number));
    ui->groupBoxSensor->show();
}

void Orv_RDM_Controller::clearSensorDisplay()
{
    for (QLabel *label : {ui->sensorDescriptionLabel, ui->minRangeLabel, ui->maxRangeLabel, ui->sensorValueLabel})
        label->clear();
    for (QLineEdit *field : {ui->lineEditSensorNormalMin, ui->lineEditSensorNormalMax, ui->lineEditSensorType,
                             ui->lineEditSensorLastUpdate, ui->lineEditSensorLowest, ui->lineEditSensorHighest})
        field->clear();
    ui->progressBarSensor->setValue(0);
    ui->groupBoxSensor->hide();
    sensorChart->clear();
    pushButtonExportSensors->setEnabled(false);
    updateAutoRefresh();
}

void Orv_RDM_Controller::slotcomboBoxSensors(int index)
{
    if (!currentDevice || currentDevice->sensorCount == 0)
        return;
    const auto sensor = currentDevice->sensors.find(quint8(index));
    if (sensor != currentDevice->sensors.end())
        showSensor(sensor->second);
}

void Orv_RDM_Controller::slotpushButtonRefreshSensors(bool)
{
    if (!currentDevice || currentDevice->sensorCount == 0 || !rdm)
        return;
    EngineUse use(this);
    const auto number = quint8(ui->comboBoxSensors->currentIndex());
    readSensorValue(*rdm, *currentDevice, number, historyOf(*currentDevice), now());
    const auto sensor = currentDevice->sensors.find(number);
    if (sensor != currentDevice->sensors.end())
        showSensor(sensor->second);
}

void Orv_RDM_Controller::slotpushButtonRefreshAllSensors(bool)
{
    if (!currentDevice || !rdm)
        return;
    EngineUse use(this);
    for (int number = 0; number < currentDevice->sensorCount; ++number)
        readSensorValue(*rdm, *currentDevice, quint8(number), historyOf(*currentDevice), now());
    if (currentDevice->sensorCount == 0)
        return;
    const auto sensor = currentDevice->sensors.find(quint8(ui->comboBoxSensors->currentIndex()));
    if (sensor != currentDevice->sensors.end())
        showSensor(sensor->second);
}

void Orv_RDM_Controller::updateAutoRefresh()
{
    const bool shown = ui->tabWidget->currentWidget() == ui->Monitor_Devices;
    const bool running = checkBoxAutoRefresh->isChecked() && shown && currentDevice && isConnected();
    if (!running)
        autoRefreshTimer->stop();
    else if (!autoRefreshTimer->isActive())
        autoRefreshTimer->start();
}

void Orv_RDM_Controller::slotcheckBoxAutoRefresh(bool)
{
    updateAutoRefresh();
}

void Orv_RDM_Controller::slotspinBoxAutoRefreshInterval(int seconds)
{
    autoRefreshTimer->setInterval(seconds * 1000);
}

void Orv_RDM_Controller::slotAutoRefreshSensors()
{
    // A wait inside another request (the discovery's progress window) lets the timer fire.
    if (engineUses > 0)
        return;
    updateAutoRefresh();
    if (autoRefreshTimer->isActive())
        slotpushButtonRefreshAllSensors(false);
}

void Orv_RDM_Controller::slotpushButtonExportSensors(bool)
{
    if (!currentDevice)
        return;
    const QString path = exportPathChooser(this, defaultExportName(*currentDevice));
    if (path.isEmpty())
        return;
    QString error;
    if (writeSensorHistoryCsv(path, *currentDevice, historyOf(*currentDevice), &error))
        ui->textEditLog->appendLine(tr("Sensor history written to %1").arg(path));
    else
        ui->textEditLog->appendLine(tr("Cannot write %1: %2").arg(path, error));
}
