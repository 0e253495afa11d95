// The main window: construction, the connection life cycle, discovery and the device overview.
#include "mainwindow/orv_rdm_controller.h"

#include "devicelist/devicesorting.h"
#include "devicelist/dragtreeview.h"
#include "devicelist/mysortfilterproxymodel.h"
#include "devicelist/treemodel.h"
#include "fader/dmxfaderdialog.h"
#include "firmware/bootloaderimage.h"
#include "firmware/firmwareprompts.h"
#include "firmware/firmwareupdate.h"
#include "firmware/upgradefile.h"
#include "parameterdialog/colouredtext.h"
#include "mainwindow/dialog_info.h"
#include "parameterdialog/flowlayout.h"
#include "patchgrid/droptablewidget.h"
#include "patchgrid/patchhelpdialog.h"
#include "patchgrid/patching.h"
#include "rdm/devicereader.h"
#include "rdm/discoveryrounds.h"
#include "rdm/parameterids.h"
#include "rdm/rdm.h"
#include "rdm/vocabulary.h"
#include "settings/settings.h"
#include "timeouts/dmxtimeoutdialog.h"
#include "timeouts/rdmtimeoutdialog.h"
#include "timeouts/storedtiming.h"
#include "timeouts/usbtimeoutdialog.h"
#include "ui_orv_rdm_controller.h"
#include "usb/bytewriter.h"
#include "usb/usbdevice.h"

#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QSplashScreen>
#include <QTimer>
#include <algorithm>
#include <optional>

namespace {

constexpr int dmxChannels = 512;
constexpr int maximumLabelLength = 32;
// How often a reconnect held back by a modal dialog looks again.
constexpr int modalRecheckMs = 100;

// Tab indexes of the central tab widget.
enum Tab { OverviewTab = 0, PatchGridTab = 1, SensorsTab = 2, ParametersTab = 3 };

// The text as one byte per character, or nothing when a character has no 8-bit code.
std::optional<QByteArray> latin1Bytes(const QString &text)
{
    QByteArray bytes;
    for (const QChar character : text) {
        if (character.unicode() > 0xFF)
            return std::nullopt;
        bytes.append(char(character.unicode()));
    }
    return bytes;
}

} // namespace

Orv_RDM_Controller::EngineUse::EngineUse(Orv_RDM_Controller *window) : window(window)
{
    ++window->engineUses;
}

Orv_RDM_Controller::EngineUse::~EngineUse()
{
    if (--window->engineUses == 0 && window->reconnectPending) {
        window->reconnectPending = false;
        // From the event loop, so that no slot still on the stack sees the engine or the tree replaced.
        QMetaObject::invokeMethod(window, &Orv_RDM_Controller::slot_suddenly_disconnected, Qt::QueuedConnection);
    }
}

Orv_RDM_Controller::Orv_RDM_Controller(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::Orv_RDM_Controller>())
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral("veloria.ico")));

    treeView = new DragTreeView(ui->groupBoxDevices);
    treeView->setObjectName(QStringLiteral("treeViewDevices"));
    // Black on the light selection colour; the palette's white would barely show.
    treeView->setStyleSheet(QStringLiteral("QTreeView::item:selected {background: #66FFFF; color: black;}"));
    treeView->setSelectionMode(QAbstractItemView::SingleSelection);
    treeView->setDragEnabled(true);
    treeView->setDragDropMode(QAbstractItemView::DragOnly);
    // Long model names scroll instead of being cut short.
    treeView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    treeView->header()->setStretchLastSection(false);
    ui->verticalLayoutDevices->addWidget(treeView);
    // Side by side where the texts fit, one above the other where a language needs more room.
    auto *discoveryButtons = new FlowLayout(ui->groupBoxDiscovery, 4, 4, 4);
    discoveryButtons->addWidget(ui->pushButtonFullDiscovery);
    discoveryButtons->addWidget(ui->pushButtonAddDiscovery);

    patchGrid = new DropTableWidget(ui->DMX_Patch_Grid);
    gridItems = setUpPatchGrid(*patchGrid);
    ui->verticalLayoutPatchGrid->addWidget(patchGrid);
    ui->verticalLayoutPatchGrid->addStretch();

    fillSortComboBoxes(*ui->Sort_comboBox, *ui->Order_comboBox);

    usbLink = std::make_unique<UsbDevice>();
    deviceActionGroup = new QActionGroup(ui->menuDevices);
    languageActionGroup = new QActionGroup(ui->menuLanguage);
    languageActionGroup->setExclusive(true);
    buildLanguageMenu();
    aboutDialog = new Dialog_Info(this);
    patchHelpDialog = new PatchHelpDialog(this);

    ui->textEditLog->setContextMenuPolicy(Qt::CustomContextMenu);
    ui->textEditParameters->setWordWrapMode(QTextOption::WordWrap);
    setWindowTitle(tr("Orv RDM Controller ver. ") + QStringLiteral(ORV_VERSION));
    buildSensorHistory();
    showDisconnected();

    connect(ui->actionRefresh, &QAction::triggered, this, &Orv_RDM_Controller::slotactionRefresh);
    connect(ui->pushButtonDisconnect, &QPushButton::clicked, this, &Orv_RDM_Controller::slotpushButtonDisconnect);
    connect(deviceActionGroup, &QActionGroup::triggered, this, &Orv_RDM_Controller::slotactionGroupDevices);
    connect(ui->actionAbout, &QAction::triggered, this, &Orv_RDM_Controller::slotactionAbout);
    connect(ui->pushButtonFullDiscovery, &QPushButton::clicked, this,
            &Orv_RDM_Controller::slotpushButtonFullDiscovery);
    connect(ui->pushButtonAddDiscovery, &QPushButton::clicked, this, &Orv_RDM_Controller::slotpushButtonAddDiscovery);
    // Queued: the failed transfer is still inside the engine, which the reconnect replaces.
    connect(usbLink.get(), &UsbDevice::signal_suddenly_disconnected, this,
            &Orv_RDM_Controller::slot_suddenly_disconnected, Qt::QueuedConnection);
    connect(ui->pushButtonRefresh, &QPushButton::clicked, this, &Orv_RDM_Controller::slotpushButtonRefresh);
    connect(ui->pushButtonSaveChanges, &QPushButton::clicked, this, &Orv_RDM_Controller::slotpushButtonSaveChanges);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &Orv_RDM_Controller::slottabWidgedChanged);
    connect(ui->pushButtonRefreshPID, &QPushButton::clicked, this, &Orv_RDM_Controller::slotpushButtonRefreshPID);
    connect(ui->tableWidgetParameters, &QTableWidget::itemSelectionChanged, this,
            &Orv_RDM_Controller::slottableWidgetParametersSelectionChanged);
    connect(patchGrid, &QTableWidget::itemSelectionChanged, this,
            &Orv_RDM_Controller::slottableWidgetGridSelectionChanged);
    connect(patchGrid, &DropTableWidget::signal_dropAtItem, this, &Orv_RDM_Controller::slottableWidgetDrop);
    connect(ui->pushButtonRefreshSensors, &QPushButton::clicked, this,
            &Orv_RDM_Controller::slotpushButtonRefreshSensors);
    connect(ui->pushButtonRefreshAllSensors, &QPushButton::clicked, this,
            &Orv_RDM_Controller::slotpushButtonRefreshAllSensors);
    connect(ui->comboBoxSensors, qOverload<int>(&QComboBox::activated), this,
            &Orv_RDM_Controller::slotcomboBoxSensors);
    connect(ui->checkBoxIdentify, &QCheckBox::clicked, this, &Orv_RDM_Controller::slotcheckBoxIdentify);
    connect(ui->pushButtonRDMGet, &QPushButton::clicked, this, &Orv_RDM_Controller::slotpushButtonRDMGet);
    connect(ui->pushButtonRDMSet, &QPushButton::clicked, this, &Orv_RDM_Controller::slotpushButtonRDMSet);
    connect(ui->pushButtonAutoPatch, &QPushButton::clicked, this, &Orv_RDM_Controller::slotpushButtonAutoPatch);
    connect(ui->textEditLog, &QWidget::customContextMenuRequested, this, &Orv_RDM_Controller::slotShowContextMenu);
    connect(ui->Sort_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &Orv_RDM_Controller::slotComboBoxSortChanged);
    connect(ui->Order_comboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &Orv_RDM_Controller::slotComboBoxOrderChanged);
    connect(ui->actionUSB_Timeout, &QAction::triggered, this, &Orv_RDM_Controller::slotactionUSBTimeout);
    connect(ui->actionRDM_Timeout, &QAction::triggered, this, &Orv_RDM_Controller::slotactionRDMTimeout);
    connect(ui->actionDMX_Timeout, &QAction::triggered, this, &Orv_RDM_Controller::slotactionDMXTimeout);
    connect(ui->pushButtonControl, &QPushButton::clicked, this, &Orv_RDM_Controller::slotpushButtonControl);
    connect(languageActionGroup, &QActionGroup::triggered, this, &Orv_RDM_Controller::slotactionGroupLanguages);
    connect(ui->dockWidget, &QDockWidget::topLevelChanged, this, &Orv_RDM_Controller::slottopLevelChanged);
    connect(ui->actionChange_Firmware, &QAction::triggered, this, &Orv_RDM_Controller::slotFirmwareUpdate);
    connect(ui->patchHelpButton, &QPushButton::clicked, this, &Orv_RDM_Controller::slotpatchHelpButton);

    ui->actionCreateUpg->setVisible(false);
    ui->actionCreateBootBin->setVisible(false);
    ui->actionRunApplication->setVisible(false);

    refreshInterfaceList();
    if (!deviceActions.isEmpty())
        slotactionGroupDevices(deviceActions.first());
}

Orv_RDM_Controller::~Orv_RDM_Controller()
{
    // The view and the patch grid point into the records; the engine talks through the link.
    forgetDevices();
    rdm.reset();
    usbLink.reset();
}

bool Orv_RDM_Controller::isConnected() const
{
    return rdm && usbLink->checkConnection() == 0;
}

void Orv_RDM_Controller::buildLanguageMenu()
{
    const QStringList languages = supportedLanguages();
    const quint32 current = currentLanguage();
    for (int i = 0; i < languages.size(); ++i) {
        auto *action = new QAction(languages.at(i), ui->menuLanguage);
        action->setCheckable(true);
        action->setData(i);
        action->setChecked(quint32(i) == current);
        languageActions.append(action);
        ui->menuLanguage->addAction(action);
        languageActionGroup->addAction(action);
    }
}

void Orv_RDM_Controller::refreshInterfaceList()
{
    for (QAction *action : std::as_const(deviceActions)) {
        deviceActionGroup->removeAction(action);
        ui->menuDevices->removeAction(action);
        delete action;
    }
    deviceActions.clear();

    const QStringList interfaces = usbLink->collectDevices();
    for (int i = 0; i < interfaces.size(); ++i) {
        auto *action = new QAction(interfaces.at(i), ui->menuDevices);
        action->setData(i);
        deviceActions.append(action);
        ui->menuDevices->addAction(action);
        deviceActionGroup->addAction(action);
    }
    ui->textEditLog->appendLine(tr("Looking for ORV controllers, ") + QString::number(interfaces.size())
                                + tr(" found."));
}

void Orv_RDM_Controller::sendStoredTiming()
{
    sendStoredDmxTiming(*rdm);
    sendStoredRdmTiming(*rdm);
}

void Orv_RDM_Controller::slotactionRefresh()
{
    refreshInterfaceList();
}

void Orv_RDM_Controller::slotactionGroupDevices(QAction *action)
{
    const int index = action->data().toInt();
    if (usbLink->connectDevice(index) != 0) {
        ui->textEditLog->appendLine(tr("Connection failed"));
        return;
    }
    connectedInterfaceIndex = index;
    createEngine();
    ui->textEditLog->appendLine(tr("Connection succeeded"));
    showConnected(action->text());
    EngineUse use(this);
    sendStoredTiming();
}

void Orv_RDM_Controller::createEngine()
{
    // The parameter dialog works through the engine it was given.
    delete parameterDialog;
    parameterDialog = nullptr;
    rdm.reset();
    rdm = std::make_unique<RDM>(usbLink.get(), ui->textEditLog);
    rdm->setClock(engineClock ? engineClock : Clock::system());
}

void Orv_RDM_Controller::setEngineClock(Clock *clock)
{
    engineClock = clock;
    if (rdm)
        rdm->setClock(clock ? clock : Clock::system());
}

void Orv_RDM_Controller::forgetDevices()
{
    delete parameterDialog;
    parameterDialog = nullptr;
    selectedParameter = nullptr;
    currentDevice = nullptr;
    currentIndex = QModelIndex();
    // The view lets go of the rows before the records they point at go.
    QItemSelectionModel *selection = treeView->selectionModel();
    treeView->setModel(nullptr);
    if (selection)
        selection->deleteLater();
    proxy.reset();
    model.reset();
    subDeviceRecords.clear();
    devices.clear();
    resetGridColors();
}

void Orv_RDM_Controller::slotpushButtonDisconnect(bool)
{
    forgetDevices();
    connectedInterfaceIndex = 0;
    ui->textEditLog->appendLine(tr("Disconnecting"));
    usbLink->disconnectDevice();
    rdm.reset();
    showDisconnected();
    refreshInterfaceList();
}

void Orv_RDM_Controller::slot_suddenly_disconnected()
{
    // A loss reported after the user disconnected needs nothing more. During an upgrade the worker
    // thread owns the link and restarts the interface on purpose; the window reconnects afterwards.
    if (!rdm || upgradeRunning)
        return;
    if (engineUses > 0) {
        reconnectPending = true;
        return;
    }
    // A modal dialog (fader, firmware upgrade) may be working through the engine or the link.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(modalRecheckMs, this, &Orv_RDM_Controller::slot_suddenly_disconnected);
        return;
    }
    ui->textEditLog->appendLine(tr("Disconnecting after USB error"));
    ui->textEditLog->appendLine(tr("Trying to reconnect"));
    reconnect();
}

void Orv_RDM_Controller::reconnect()
{
    if (usbLink->connectDevice(connectedInterfaceIndex) == 0) {
        createEngine();
        ui->textEditLog->appendLine(tr("Success"));
        return;
    }
    usbLink->disconnectDevice();
    ui->textEditLog->appendLine(tr("Fail"));
    forgetDevices();
    rdm.reset();
    connectedInterfaceIndex = 0;
    showDisconnected();
    refreshInterfaceList();
}

void Orv_RDM_Controller::showConnected(const QString &interfaceName)
{
    ui->pushButtonDisconnect->show();
    ui->label_ConnectionStatus->setText(QStringLiteral("<div style='color:green;font-size:20px'>") + tr("Connected")
                                        + QStringLiteral("</div><div style='color:green;font-size:10px'>")
                                        + interfaceName.toHtmlEscaped() + QStringLiteral("</div>"));
    ui->pushButtonFullDiscovery->setEnabled(true);
    ui->pushButtonAddDiscovery->setEnabled(true);
    ui->actionRDM_Timeout->setEnabled(true);
    ui->actionUSB_Timeout->setEnabled(true);
    ui->actionDMX_Timeout->setEnabled(true);
    ui->tabWidget->setTabEnabled(PatchGridTab, true);
    ui->pushButtonControl->setEnabled(true);
    ui->menuDevices->setEnabled(false);
    ui->pushButtonAutoPatch->setEnabled(false);
    patchGrid->setEnabled(false);
}

void Orv_RDM_Controller::showDisconnected()
{
    ui->pushButtonDisconnect->hide();
    ui->label_ConnectionStatus->setText(coloured("red", tr("Disconnected")));
    ui->pushButtonFullDiscovery->setEnabled(false);
    ui->pushButtonAddDiscovery->setEnabled(false);
    ui->actionRDM_Timeout->setEnabled(false);
    ui->actionUSB_Timeout->setEnabled(false);
    ui->actionDMX_Timeout->setEnabled(false);
    ui->pushButtonAutoPatch->setEnabled(false);
    patchGrid->setEnabled(false);
    ui->pushButtonControl->setEnabled(false);
    ui->menuDevices->setEnabled(true);
    ui->tabWidget->setTabEnabled(PatchGridTab, true);
    showNoDevice();
}

void Orv_RDM_Controller::showNoDevice()
{
    ui->labelDeviceStatus->setText(coloured("red", tr("NO DEVICE")));
    ui->labelPIDGETSET->setText(coloured("red", tr("No Device Selected")));
    for (QLineEdit *field : {ui->lineEditProtocolVersion, ui->lineEditModelID, ui->lineEditCategory,
                             ui->lineEditSoftwareID, ui->lineEditDMXFootprint, ui->lineEditSubCount,
                             ui->lineEditSensorCount, ui->lineEditDeviceLabel, ui->lineEditManufacturerLabel,
                             ui->lineEditParameterCount})
        field->clear();
    ui->spinBoxDMXStartAdress->setValue(0);
    ui->Order_comboBox->setEnabled(false);
    ui->Sort_comboBox->setEnabled(false);
    ui->comboBoxDMXPersonality->clear();
    ui->textEditParameters->clear();
    ui->tableWidgetParameters->clearContents();
    ui->tableWidgetParameters->setRowCount(0);
    ui->tableWidgetParameters->setColumnCount(0);
    resetGridColors();
    ui->comboBoxSensors->clear();
    ui->checkBoxIdentify->setChecked(false);
    for (QLineEdit *field : {ui->lineEditDeviceHours, ui->lineEditDevicePowerCycles, ui->lineEditLampHours,
                             ui->lineEditLampStrikes, ui->lineEditLampState}) {
        field->clear();
        field->setEnabled(false);
    }
    ui->groupBoxLamp->setEnabled(false);
    {
        // Qt leaves a tab that gets disabled; the user stays on the tab they look at.
        const int shownTab = ui->tabWidget->currentIndex();
        const QSignalBlocker blocker(ui->tabWidget);
        ui->tabWidget->setTabEnabled(OverviewTab, false);
        ui->tabWidget->setTabEnabled(SensorsTab, false);
        ui->tabWidget->setCurrentIndex(shownTab);
    }
    ui->pushButtonAutoPatch->setEnabled(false);
    patchGrid->setEnabled(false);
    ui->groupBoxPID->setEnabled(false);
    clearPidDescription();
    clearSensorDisplay();
}

void Orv_RDM_Controller::slotactionAbout()
{
    aboutDialog->show();
}

void Orv_RDM_Controller::showModel(std::unique_ptr<TreeModel> newModel)
{
    auto newProxy = std::make_unique<MySortFilterProxyModel>();
    newProxy->setSourceModel(newModel.get());
    QItemSelectionModel *oldSelection = treeView->selectionModel();
    treeView->setModel(newProxy.get());
    if (oldSelection)
        oldSelection->deleteLater();
    // The old proxy goes before the model it reads.
    proxy = std::move(newProxy);
    model = std::move(newModel);
    connect(treeView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Orv_RDM_Controller::slottreeViewDevices);
    treeView->setVisible(true);
}

void Orv_RDM_Controller::selectFirstDevice()
{
    const QModelIndex first = proxy->mapFromSource(model->index(0, 0));
    treeView->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
}

QList<DeviceRecord *> Orv_RDM_Controller::subDevicesOf(const DeviceRecord *root) const
{
    QList<DeviceRecord *> found;
    const auto range = subDeviceRecords.equal_range(root);
    for (auto entry = range.first; entry != range.second; ++entry)
        found.append(entry->second.get());
    return found;
}

void Orv_RDM_Controller::discoverSubDevices(DeviceRecord *root)
{
    for (std::unique_ptr<DeviceRecord> &subDevice : ::discoverSubDevices(*rdm, *root))
        subDeviceRecords.emplace(root, std::move(subDevice));
}

void Orv_RDM_Controller::slotpushButtonFullDiscovery(bool)
{
    if (!rdm)
        return;
    EngineUse use(this);
    forgetDevices();
    showNoDevice();
    QList<quint64> uids;
    if (discoverLine(*rdm, DiscoveryRun::Full, nullptr, &uids) < 0)
        return;
    for (const quint64 uid : std::as_const(uids)) {
        devices.push_back(readDiscoveredDevice(*rdm, uid));
        discoverSubDevices(devices.back().get());
    }
    auto newModel = std::make_unique<TreeModel>(devices, subDeviceRecords);
    if (!devices.empty())
        newModel->addDetailLinesToFirstDevice();
    showModel(std::move(newModel));
    if (!devices.empty())
        selectFirstDevice();
}

void Orv_RDM_Controller::slotpushButtonDane(bool)
{
    if (!rdm)
        return;
    EngineUse use(this);
    if (rdm->readResponse() == 0) {
        QList<quint64> uids;
        rdm->discoveredUids(&uids);
    }
}

void Orv_RDM_Controller::slotpushButtonAddDiscovery(bool)
{
    if (!rdm)
        return;
    EngineUse use(this);
    QSplashScreen splash(QPixmap(QStringLiteral(":/images/ORV_logo.png")));
    splash.move(geometry().center() - splash.rect().center());
    splash.show();
    splash.showMessage(QStringLiteral("<font size='4' color='red'><b>") + tr("Device discovery in progress...")
                               + QStringLiteral("</b></font>"),
                       Qt::AlignCenter, Qt::black);
    QList<quint64> uids;
    if (discoverLine(*rdm, DiscoveryRun::Additional, nullptr, &uids) < 0)
        return;
    if (!model)
        showModel(std::make_unique<TreeModel>());

    const bool listWasEmpty = devices.empty();
    for (const quint64 uid : std::as_const(uids)) {
        // A UID reported twice is still one responder.
        if (std::any_of(devices.cbegin(), devices.cend(), [uid](const auto &record) { return record->uid == uid; }))
            continue;
        devices.push_back(readDiscoveredDevice(*rdm, uid));
        DeviceRecord *root = devices.back().get();
        model->addDevice(root, QModelIndex());
        const QModelIndex rootIndex = model->index(model->rowCount() - 1, 0);
        if (root->subDeviceCount != 0) {
            discoverSubDevices(root);
            for (DeviceRecord *subDevice : subDevicesOf(root))
                model->addDevice(subDevice, rootIndex);
        }
        model->addDetailLines(rootIndex);
    }
    if (listWasEmpty && !devices.empty())
        selectFirstDevice();
}

void Orv_RDM_Controller::slottreeViewDevices(const QItemSelection &selected, const QItemSelection &)
{
    if (selected.indexes().isEmpty() || !proxy)
        return;
    const QModelIndex sourceIndex = proxy->mapToSource(selected.indexes().first());
    const TreeItem *node = model->getItem(sourceIndex);
    if (!isConnected() || node->type != TreeItem::Device) {
        if (usbLink->checkConnection() == 0 && node->type >= TreeItem::UidLine)
            model->updateDetailLine(sourceIndex.parent(), sourceIndex.row());
        return;
    }
    EngineUse use(this);
    currentIndex = sourceIndex;
    currentDevice = node->device;
    if (!currentDevice->detailsFetched) {
        readFullDetails();
        currentDevice->detailsFetched = true;
    } else if (ui->tabWidget->currentIndex() == OverviewTab) {
        readOverview(*rdm, *currentDevice);
    } else if (ui->tabWidget->currentIndex() == SensorsTab) {
        readCounters(*rdm, *currentDevice);
    }
    if (node->detailsAdded)
        model->refreshDetailLines(currentIndex);
    else
        model->addDetailLines(currentIndex);
    showDevice(currentDevice);
}

void Orv_RDM_Controller::readFullDetails()
{
    ::readFullDetails(*rdm, *currentDevice);
}

void Orv_RDM_Controller::slotpushButtonRefresh(bool)
{
    if (!currentDevice || !rdm)
        return;
    EngineUse use(this);
    ui->textEditLog->appendLine(tr("Refreshing UID: 0x") + QString::number(currentDevice->uid, 16));
    showNoDevice();
    readFullDetails();
    if (usbLink->checkConnection() == 0)
        model->refreshDetailLines(currentIndex);
    showDevice(currentDevice);
}

void Orv_RDM_Controller::slottabWidgedChanged(int index)
{
    if (!currentDevice || !isConnected())
        return;
    EngineUse use(this);
    if (currentDevice->detailsFetched) {
        if (index == OverviewTab) {
            readOverview(*rdm, *currentDevice);
        } else if (index == PatchGridTab) {
            // The grid needs every device's current start address and footprint.
            for (const auto &record : devices) {
                if (rdm->getDeviceInfo(record->uid, record->subDevice) == 0)
                    record->storeDeviceInfo(rdm->responseData(), rdm->responseLength());
            }
            for (const auto &entry : subDeviceRecords) {
                DeviceRecord &record = *entry.second;
                if (rdm->getDeviceInfo(record.uid, record.subDevice) == 0)
                    record.storeDeviceInfo(rdm->responseData(), rdm->responseLength());
            }
        } else if (index == SensorsTab) {
            readCounters(*rdm, *currentDevice);
        }
    }
    showNoDevice();
    showDevice(currentDevice);
}

void Orv_RDM_Controller::showDevice(DeviceRecord *record)
{
    showNoDevice();
    if (usbLink->checkConnection() != 0 || !record)
        return;
    const QString model = coloured("green", record->modelDescription.toHtmlEscaped());
    ui->labelDeviceStatus->setText(model);
    ui->labelPIDGETSET->setText(model);

    ui->lineEditProtocolVersion->setText(QString::number(record->protocolVersion[0]) + QLatin1Char('.')
                                         + QString::number(record->protocolVersion[1]));
    ui->lineEditModelID->setText(record->modelDescription);
    ui->lineEditCategory->setText(productCategoryText(record->productCategory));
    ui->lineEditSoftwareID->setText(record->softwareVersionLabel);
    ui->lineEditDMXFootprint->setText(QString::number(record->dmxFootprint));
    ui->spinBoxDMXStartAdress->setValue(record->dmxStartAddress);
    ui->lineEditSubCount->setText(QString::number(record->subDeviceCount));
    ui->lineEditSensorCount->setText(QString::number(record->sensorCount));
    ui->lineEditDeviceLabel->setText(record->deviceLabel);
    ui->lineEditManufacturerLabel->setText(record->manufacturerLabel);
    ui->lineEditParameterCount->setText(QString::number(record->supportedParameterCount));
    ui->Order_comboBox->setEnabled(true);
    ui->Sort_comboBox->setEnabled(true);

    for (int personality = 1; personality <= record->personalityCount; ++personality) {
        const auto entry = record->personalities.find(quint8(personality));
        if (entry != record->personalities.end())
            ui->comboBoxDMXPersonality->addItem(QString::number(personality) + QStringLiteral(" - ")
                                                        + entry->second.description,
                                                personality);
    }
    if (record->personalityCount != 0)
        ui->comboBoxDMXPersonality->setCurrentIndex(record->currentPersonality - 1);

    fillParameterList(record);
    updateGridColors();
    ui->checkBoxIdentify->setChecked(record->identify);
    fillSensorsAndCounters(record);

    ui->tabWidget->setTabEnabled(OverviewTab, true);
    ui->tabWidget->setTabEnabled(SensorsTab, true);
    ui->pushButtonAutoPatch->setEnabled(true);
    patchGrid->setEnabled(true);
    ui->groupBoxPID->setEnabled(true);
}

int Orv_RDM_Controller::setCurrentDevice(quint16 pid, const QByteArray &data)
{
    return rdm->rdmSet(currentDevice->uid, pid, quint8(data.size()), reinterpret_cast<const quint8 *>(data.constData()),
                       currentDevice->subDevice);
}

void Orv_RDM_Controller::slotpushButtonSaveChanges(bool)
{
    if (!currentDevice || !rdm)
        return;
    EngineUse use(this);
    QByteArray startAddress;
    ByteWriter(&startAddress).u16(quint16(ui->spinBoxDMXStartAdress->value()));
    const int firstChannel = ui->spinBoxDMXStartAdress->value();

    if (ui->comboBoxDMXPersonality->count() == 0) {
        setCurrentDevice(Pid::DmxStartAddress, startAddress);
    } else if (firstChannel == 0) {
        QMessageBox::information(this, QString(), tr("Specify correct DMX Start Adress (1-512)"));
    } else {
        // The list may skip a personality the device did not describe, so the item carries its number.
        const auto personality = quint8(ui->comboBoxDMXPersonality->currentData().toInt());
        const auto entry = currentDevice->personalities.find(personality);
        const int footprint = entry != currentDevice->personalities.end() ? entry->second.footprint : 0;
        if (firstChannel + footprint - 1 <= dmxChannels) {
            QByteArray number;
            ByteWriter(&number).u8(personality);
            setCurrentDevice(Pid::DmxPersonality, number);
            setCurrentDevice(Pid::DmxStartAddress, startAddress);
        } else {
            QMessageBox::information(this, QString(), tr("Not enough channels for this personality"));
        }
    }

    if (rdm->getDeviceInfo(currentDevice->uid, currentDevice->subDevice) == 0) {
        currentDevice->storeDeviceInfo(rdm->responseData(), rdm->responseLength());
        model->refreshDetailLines(currentIndex);
    }

    const QString label = ui->lineEditDeviceLabel->text();
    const std::optional<QByteArray> labelBytes = latin1Bytes(label);
    if (label.size() > maximumLabelLength) {
        QMessageBox::information(this, QString(), tr("Bad device label length. Appropriate length is max. 32 chars."));
    } else if (!labelBytes) {
        QMessageBox::information(this, QString(),
                                 tr("The device label can hold only Latin-1 characters (one byte each)."));
    } else if (setCurrentDevice(Pid::DeviceLabel, *labelBytes) == 0
               && rdm->getDeviceLabel(currentDevice->uid, currentDevice->subDevice) >= 0) {
        currentDevice->setDeviceLabel(rdm->responseData(), rdm->responseLength());
    }
    showDevice(currentDevice);
}

void Orv_RDM_Controller::slotcheckBoxIdentify(bool)
{
    if (!currentDevice || !rdm)
        return;
    EngineUse use(this);
    QByteArray state;
    ByteWriter(&state).u8(ui->checkBoxIdentify->isChecked() ? 1 : 0);
    setCurrentDevice(Pid::IdentifyDevice, state);
    if (rdm->getIdentify(currentDevice->uid, currentDevice->subDevice) >= 0)
        currentDevice->setIdentify(rdm->responseData(), rdm->responseLength());
    showDevice(currentDevice);
}

void Orv_RDM_Controller::updateGridColors()
{
    ::updateGridColors(gridItems, devices, subDeviceRecords, currentDevice);
}

void Orv_RDM_Controller::resetGridColors()
{
    ::resetGridColors(gridItems);
}

void Orv_RDM_Controller::slottableWidgetGridSelectionChanged()
{
    const QList<QTableWidgetItem *> selected = patchGrid->selectedItems();
    if (!selected.isEmpty())
        selectDeviceAtChannel(*treeView, channelAt(selected.first()->row(), selected.first()->column()));
}

void Orv_RDM_Controller::slottableWidgetDrop(int channel)
{
    if (!currentDevice || !isConnected())
        return;
    EngineUse use(this);
    switch (patchDeviceAt(*rdm, *currentDevice, channel)) {
    case DropResult::NoChannel:
        return;
    case DropResult::DoesNotFit: {
        QMessageBox box(QMessageBox::NoIcon, QString(), tr("Not enough channels for this personality"),
                        QMessageBox::Ok, this);
        box.exec();
        return;
    }
    case DropResult::Stored:
        model->refreshDetailLines(currentIndex);
        break;
    case DropResult::NotRead:
        break;
    }
    showDevice(currentDevice);
}

void Orv_RDM_Controller::slotpushButtonAutoPatch(bool)
{
    if (!proxy || !isConnected())
        return;
    EngineUse use(this);
    runAutoPatch(*rdm, autoPatchWorkList(*proxy));
    model->refreshAllDetailLines(QModelIndex());
    showDevice(currentDevice);
}

void Orv_RDM_Controller::slotShowContextMenu(const QPoint &point)
{
    QMenu *menu = ui->textEditLog->createStandardContextMenu();
    menu->addAction(tr("Clear"), this, [this] { slotClearTextEditLog(false); });
    menu->addAction(tr("Zoom in"), this, [this] { slotTextEditLogBigger(false); });
    menu->addAction(tr("Zoom out"), this, [this] { slotTextEditLogSmaller(false); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(ui->textEditLog->mapToGlobal(point));
}

void Orv_RDM_Controller::slotClearTextEditLog(bool)
{
    ui->textEditLog->clearLines();
}

void Orv_RDM_Controller::slotTextEditLogBigger(bool)
{
    ui->textEditLog->zoomIn(1);
}

void Orv_RDM_Controller::slotTextEditLogSmaller(bool)
{
    ui->textEditLog->zoomOut(1);
}

void Orv_RDM_Controller::slotComboBoxSortChanged(int index)
{
    chooseSortDirection(proxy.get(), *ui->Sort_comboBox, index);
}

void Orv_RDM_Controller::slotComboBoxOrderChanged(int index)
{
    chooseSortKey(proxy.get(), *ui->Order_comboBox, index, *ui->Sort_comboBox);
}

void Orv_RDM_Controller::slotactionUSBTimeout()
{
    if (!usbTimeoutDialog)
        usbTimeoutDialog = new USBTimeoutDialog(this, usbLink.get());
    usbTimeoutDialog->show();
}

void Orv_RDM_Controller::slotactionRDMTimeout()
{
    // The dialog outlives reconnections, so it asks for the engine each time.
    if (!rdmTimeoutDialog)
        rdmTimeoutDialog = new RDMTimeoutDialog(this, [this] { return rdm.get(); }, ui->textEditLog);
    rdmTimeoutDialog->show();
}

void Orv_RDM_Controller::slotactionDMXTimeout()
{
    if (!dmxTimeoutDialog)
        dmxTimeoutDialog = new DMXTimeoutDialog(this, [this] { return rdm.get(); }, ui->textEditLog);
    dmxTimeoutDialog->show();
}

void Orv_RDM_Controller::slotpushButtonControl(bool)
{
    delete faderDialog;
    const DeviceRecord *device = currentDevice && currentDevice->dmxFootprint > 0 ? currentDevice : nullptr;
    faderDialog = new DMXFaderDialog(this, rdm.get(), device);
    faderDialog->show();
}

void Orv_RDM_Controller::slotactionGroupLanguages(QAction *action)
{
    setCurrentLanguage(quint32(action->data().toInt()));
    QMessageBox::information(this, tr("Language"), tr("Restart program to apply changes."));
}

void Orv_RDM_Controller::slottopLevelChanged(bool floating)
{
    resize(floating ? minimumSize() : maximumSize());
}

void Orv_RDM_Controller::slotFirmwareUpdate(bool)
{
    WidgetPrompts prompts(this);
    upgradeRunning = true;
    const bool asked = runFirmwareUpdate(prompts, this, usbLink.get(), connectedInterfaceIndex,
                                         engineClock ? engineClock : Clock::system());
    upgradeRunning = false;
    if (!asked)
        return;
    // A restarted interface comes back as a new USB device.
    refreshInterfaceList();
    if (!deviceActions.isEmpty()) {
        slotactionGroupDevices(deviceActions.first());
        return;
    }
    forgetDevices();
    rdm.reset();
    connectedInterfaceIndex = 0;
    showDisconnected();
}

void Orv_RDM_Controller::slotpushButtonCreateUpg(bool)
{
    WidgetPrompts prompts(this);
    createUpgradeFile(prompts, QDir::homePath());
}

void Orv_RDM_Controller::slotpushButtonCreateBootBin(bool)
{
    WidgetPrompts prompts(this);
    createBootloaderImage(prompts, QDate::currentDate());
}

void Orv_RDM_Controller::slotRunApllication(bool)
{
    QMessageBox::information(nullptr, tr("Info"), tr("Run Application"), QMessageBox::Ok);
    usbLink->RunApplication();
}

void Orv_RDM_Controller::slotpushButtonConnect(bool)
{
}

void Orv_RDM_Controller::slotpatchHelpButton(bool)
{
    patchHelpDialog->show();
}
