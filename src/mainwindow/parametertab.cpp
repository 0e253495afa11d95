// The main window's RDM Settings tab: the supported parameters, their descriptions and the
// parameter dialog they open.
#include "mainwindow/orv_rdm_controller.h"

#include "parameterdialog/colouredtext.h"
#include "mainwindow/valuetablewidgetitem.h"
#include "parameterdialog/getsetdialog.h"
#include "rdm/devicereader.h"
#include "rdm/rdm.h"
#include "rdm/uidtext.h"
#include "rdm/vocabulary.h"
#include "ui_orv_rdm_controller.h"
#include "usb/usbdevice.h"

#include <QHeaderView>

void Orv_RDM_Controller::fillParameterList(DeviceRecord *record)
{
    QString highlighted;
    QString others;
    std::vector<const ParameterRecord *> black;
    std::vector<const ParameterRecord *> blue;
    // The map walks in ascending PID order.
    for (const auto &[pid, parameter] : record->parameters) {
        const QString description = parameter.description.toHtmlEscaped();
        if (parameter.highlighted == 1) {
            highlighted += coloured("black", description + QStringLiteral(", "));
            black.push_back(&parameter);
        } else {
            others += coloured("blue", description) + QStringLiteral(", ");
            blue.push_back(&parameter);
        }
    }
    ui->textEditParameters->insertHtml(highlighted);
    ui->textEditParameters->insertHtml(others);

    QTableWidget *table = ui->tableWidgetParameters;
    // Never fewer rows than records, whatever count the device announced.
    table->setRowCount(int(qMax<size_t>(record->supportedParameterCount, record->parameters.size())));
    table->setColumnCount(1);
    table->setColumnWidth(0, table->viewport()->width());
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->show();
    table->setHorizontalHeaderLabels({tr("Parameters:")});
    int row = 0;
    for (const ParameterRecord *parameter : black)
        table->setItem(row++, 0, new ValueTableWidgetItem(parameter->description, parameter->pid));
    for (const ParameterRecord *parameter : blue) {
        auto *item = new ValueTableWidgetItem(parameter->description, parameter->pid);
        item->setForeground(Qt::blue);
        table->setItem(row++, 0, item);
    }
}

void Orv_RDM_Controller::slottableWidgetParametersSelectionChanged()
{
    if (parameterDialog)
        parameterDialog->hide();
    const QList<QTableWidgetItem *> selected = ui->tableWidgetParameters->selectedItems();
    if (selected.isEmpty()) {
        selectedParameter = nullptr;
        return;
    }
    const auto *item = dynamic_cast<const ValueTableWidgetItem *>(selected.first());
    if (!currentDevice || !item) {
        clearPidDescription();
        return;
    }
    const auto parameter = currentDevice->parameters.find(item->value());
    if (parameter == currentDevice->parameters.end()) {
        clearPidDescription();
        return;
    }
    showPidDescription(parameter->second);
    selectedParameter = &parameter->second;
}

void Orv_RDM_Controller::showPidDescription(const ParameterRecord &parameter)
{
    if (usbLink->checkConnection() != 0)
        return;
    clearPidDescription();
    ui->labelOptionsPid->setText(coloured("green", parameter.description.toHtmlEscaped()));
    ui->lineEditOptions->setText(hexText(parameter.pid, 4));
    ui->pushButtonRDMGet->setEnabled(parameter.commandClass != ParameterCommandClass::Set);
    ui->pushButtonRDMSet->setEnabled(parameter.commandClass != ParameterCommandClass::Get);
    ui->textEditPIDDescription->setEnabled(true);

    const auto yesNo = [](bool yes) { return yes ? tr("Yes") : tr("No"); };
    QList<std::pair<QString, QString>> lines = {
        {tr("Data size:"), parameter.pdlSize == 0xFF ? tr("various") : QString::number(parameter.pdlSize)},
        {tr("Data type:"), dataTypeText(parameter.dataType)},
        {tr("GET Command:"), yesNo(parameter.commandClass == ParameterCommandClass::Get
                                   || parameter.commandClass == ParameterCommandClass::GetSet)},
        {tr("SET Command:"), yesNo(parameter.commandClass == ParameterCommandClass::Set
                                   || parameter.commandClass == ParameterCommandClass::GetSet)},
        {tr("Type:"), sensorTypeText(parameter.type)},
        {tr("Unit:"), parameter.unit == 0 ? tr("None") : unitText(parameter.unit)},
        {tr("Prefix:"), prefixText(parameter.prefix)},
    };
    const auto addRange = [&](auto minimum, auto maximum, auto defaultValue) {
        if (minimum == maximum)
            return;
        lines.append({tr("Minimum value:"), QString::number(minimum)});
        lines.append({tr("Maximum value:"), QString::number(maximum)});
        if (minimum <= defaultValue && defaultValue <= maximum)
            lines.append({tr("Default value:"), QString::number(defaultValue)});
    };
    if (isSignedDataType(parameter.dataType))
        addRange(parameter.signedMinimum, parameter.signedMaximum, parameter.signedDefault);
    else
        addRange(parameter.minimum, parameter.maximum, parameter.defaultValue);
    for (const auto &[label, value] : std::as_const(lines))
        ui->textEditPIDDescription->append(QStringLiteral("<b>") + label.toHtmlEscaped() + QStringLiteral("</b> ")
                                           + value.toHtmlEscaped());
}

void Orv_RDM_Controller::clearPidDescription()
{
    ui->labelOptionsPid->setText(coloured("red", tr("No PID Selected")));
    ui->lineEditOptions->clear();
    ui->pushButtonRDMGet->setEnabled(false);
    ui->pushButtonRDMSet->setEnabled(false);
    ui->textEditPIDDescription->clear();
    ui->textEditPIDDescription->setEnabled(false);
    // Without a description the request buttons are off; nothing may open on a stale record.
    selectedParameter = nullptr;
}

void Orv_RDM_Controller::closeParameterDialog()
{
    if (!parameterDialog)
        return;
    parameterDialog->hide();
    delete parameterDialog;
    parameterDialog = nullptr;
}

void Orv_RDM_Controller::slotpushButtonRefreshPID(bool)
{
    closeParameterDialog();
    if (!currentDevice || !rdm)
        return;
    EngineUse use(this);
    // The parameter records are rebuilt under the selection.
    selectedParameter = nullptr;
    readParameters(*rdm, *currentDevice);
    showNoDevice();
    showDevice(currentDevice);
}

void Orv_RDM_Controller::openParameterDialog(bool isGet)
{
    closeParameterDialog();
    if (!selectedParameter || !currentDevice || !rdm)
        return;
    const ParameterRecord parameter = *selectedParameter;
    parameterDialog = new GetSetDialog(this, rdm.get(), isGet, currentDevice, parameter);
    parameterDialog->show();
}

void Orv_RDM_Controller::slotpushButtonRDMGet(bool)
{
    openParameterDialog(true);
}

void Orv_RDM_Controller::slotpushButtonRDMSet(bool)
{
    openParameterDialog(false);
}
