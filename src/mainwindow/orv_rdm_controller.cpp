// The main window: construction, interface list and the connection life cycle.
#include "mainwindow/orv_rdm_controller.h"

#include "rdm/rdm.h"
#include "settings/settings.h"
#include "timeouts/storedtiming.h"
#include "ui_orv_rdm_controller.h"
#include "usb/usbdevice.h"

#include <QActionGroup>
#include <QMenu>
#include <QMessageBox>

Orv_RDM_Controller::Orv_RDM_Controller(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::Orv_RDM_Controller>())
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral("veloria.ico")));

    usbLink = std::make_unique<UsbDevice>();
    deviceActionGroup = new QActionGroup(ui->menuDevices);
    languageActionGroup = new QActionGroup(ui->menuLanguage);
    languageActionGroup->setExclusive(true);
    buildLanguageMenu();

    ui->textEditLog->setContextMenuPolicy(Qt::CustomContextMenu);
    setWindowTitle(tr("Orv RDM Controller ver. ") + QStringLiteral("1.7"));
    showDisconnected();

    connect(ui->actionRefresh, &QAction::triggered, this, &Orv_RDM_Controller::slotactionRefresh);
    connect(ui->pushButtonDisconnect, &QPushButton::clicked, this, &Orv_RDM_Controller::slotpushButtonDisconnect);
    connect(deviceActionGroup, &QActionGroup::triggered, this, &Orv_RDM_Controller::slotactionGroupDevices);
    // Queued: the failed transfer is still inside the engine, which the reconnect replaces.
    connect(usbLink.get(), &UsbDevice::signal_suddenly_disconnected, this,
            &Orv_RDM_Controller::slot_suddenly_disconnected, Qt::QueuedConnection);
    connect(ui->textEditLog, &QWidget::customContextMenuRequested, this, &Orv_RDM_Controller::slotShowContextMenu);
    connect(languageActionGroup, &QActionGroup::triggered, this, &Orv_RDM_Controller::slotactionGroupLanguages);
    connect(ui->dockWidget, &QDockWidget::topLevelChanged, this, &Orv_RDM_Controller::slottopLevelChanged);

    ui->actionCreateUpg->setVisible(false);
    ui->actionCreateBootBin->setVisible(false);
    ui->actionRunApplication->setVisible(false);

    refreshInterfaceList();
    if (!deviceActions.isEmpty())
        slotactionGroupDevices(deviceActions.first());
}

Orv_RDM_Controller::~Orv_RDM_Controller()
{
    // The engine talks through the link, so it goes first.
    rdm.reset();
    usbLink.reset();
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
    appendLogLine(ui->textEditLog, tr("Looking for ORV controllers, ") + QString::number(interfaces.size()) +
                                       tr(" found."));
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
        appendLogLine(ui->textEditLog, tr("Connection failed"));
        return;
    }
    connectedInterfaceIndex = index;
    rdm = std::make_unique<RDM>(usbLink.get(), ui->textEditLog);
    appendLogLine(ui->textEditLog, tr("Connection succeeded"));
    showConnected(action->text());
    sendStoredTiming();
}

void Orv_RDM_Controller::slotpushButtonDisconnect(bool)
{
    connectedInterfaceIndex = 0;
    appendLogLine(ui->textEditLog, tr("Disconnecting"));
    usbLink->disconnectDevice();
    rdm.reset();
    showDisconnected();
    refreshInterfaceList();
}

void Orv_RDM_Controller::slot_suddenly_disconnected()
{
    appendLogLine(ui->textEditLog, tr("Disconnecting after USB error"));
    appendLogLine(ui->textEditLog, tr("Trying to reconnect"));
    if (usbLink->connectDevice(connectedInterfaceIndex) == 0) {
        rdm = std::make_unique<RDM>(usbLink.get(), ui->textEditLog);
        appendLogLine(ui->textEditLog, tr("Success"));
        return;
    }
    usbLink->disconnectDevice();
    appendLogLine(ui->textEditLog, tr("Fail"));
    rdm.reset();
    connectedInterfaceIndex = 0;
    showDisconnected();
    refreshInterfaceList();
}

void Orv_RDM_Controller::showConnected(const QString &interfaceName)
{
    ui->pushButtonDisconnect->show();
    ui->label_ConnectionStatus->setText(tr("<div style='color:green;font-size:20px'>") + tr("Connected") +
                                        tr("</div>") + tr("<div style='color:green;font-size:10px'>") +
                                        interfaceName.toHtmlEscaped() + tr("</div>"));
    ui->pushButtonFullDiscovery->setEnabled(true);
    ui->pushButtonAddDiscovery->setEnabled(true);
    ui->actionRDM_Timeout->setEnabled(true);
    ui->actionUSB_Timeout->setEnabled(true);
    ui->actionDMX_Timeout->setEnabled(true);
    ui->tabWidget->setTabEnabled(1, true);
    ui->menuDevices->setEnabled(false);
}

void Orv_RDM_Controller::showDisconnected()
{
    ui->pushButtonDisconnect->hide();
    ui->label_ConnectionStatus->setText(tr("<font color='red'>Disconnected</font>"));
    ui->pushButtonFullDiscovery->setEnabled(false);
    ui->pushButtonAddDiscovery->setEnabled(false);
    ui->actionRDM_Timeout->setEnabled(false);
    ui->actionUSB_Timeout->setEnabled(false);
    ui->actionDMX_Timeout->setEnabled(false);
    ui->menuDevices->setEnabled(true);
    ui->tabWidget->setTabEnabled(1, true);
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
    ui->textEditLog->clear();
}

void Orv_RDM_Controller::slotTextEditLogBigger(bool)
{
    ui->textEditLog->zoomIn(1);
}

void Orv_RDM_Controller::slotTextEditLogSmaller(bool)
{
    ui->textEditLog->zoomOut(1);
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
