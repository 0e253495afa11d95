// The main window: owner of the USB link, the engine and everything the user works with.
#pragma once

#include "devicelist/devicerecords.h"
#include "patchgrid/patchgrid.h"
#include "rdm/sensorhistory.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QPersistentModelIndex>
#include <array>
#include <functional>
#include <map>
#include <memory>

namespace Ui {
class Orv_RDM_Controller;
}
class Clock;
class DragTreeView;
class DropTableWidget;
class MySortFilterProxyModel;
class PatchHelpDialog;
class QAction;
class QCheckBox;
class QPushButton;
class QSpinBox;
class QTimer;
class SensorChart;
class QActionGroup;
class QDialog;
class QItemSelection;
class RDM;
class TreeModel;
class UsbDevice;
struct ParameterRecord;

class Orv_RDM_Controller : public QMainWindow
{
    Q_OBJECT

public:
    explicit Orv_RDM_Controller(QWidget *parent = nullptr);
    ~Orv_RDM_Controller() override;

    void showConnected(const QString &interfaceName);
    void showDisconnected();
    void showNoDevice();
    void refreshInterfaceList();
    void discoverSubDevices(DeviceRecord *root);
    void clearPidDescription();
    void clearSensorDisplay();
    void showDevice(DeviceRecord *record);
    // The time source of every engine this window makes; the wall clock unless a test sets another.
    // Not owned.
    void setEngineClock(Clock *clock);
    // Where Export... writes the sensor history: a save dialog unless a test sets another chooser.
    // An empty path cancels.
    using ExportPathChooser = std::function<QString(QWidget *parent, const QString &suggestedPath)>;
    void setExportPathChooser(ExportPathChooser chooser);

private slots:
    void slotactionRefresh();
    void slotpushButtonDisconnect(bool checked);
    void slotactionGroupDevices(QAction *action);
    void slotactionAbout();
    void slotpushButtonFullDiscovery(bool checked);
    void slotpushButtonDane(bool checked);
    void slotpushButtonAddDiscovery(bool checked);
    void slot_suddenly_disconnected();
    void slottreeViewDevices(const QItemSelection &selected, const QItemSelection &deselected);
    void slotpushButtonRefresh(bool checked);
    void slotpushButtonSaveChanges(bool checked);
    void slottabWidgedChanged(int index);
    void slotpushButtonRefreshPID(bool checked);
    void slottableWidgetParametersSelectionChanged();
    void slottableWidgetGridSelectionChanged();
    void slottableWidgetDrop(int channel);
    void slotpushButtonRefreshSensors(bool checked);
    void slotpushButtonRefreshAllSensors(bool checked);
    void slotcomboBoxSensors(int index);
    void slotcheckBoxIdentify(bool checked);
    void slotpushButtonRDMGet(bool checked);
    void slotpushButtonRDMSet(bool checked);
    void slotpushButtonAutoPatch(bool checked);
    void slotShowContextMenu(const QPoint &point);
    void slotClearTextEditLog(bool checked);
    void slotTextEditLogBigger(bool checked);
    void slotTextEditLogSmaller(bool checked);
    void slotComboBoxSortChanged(int index);
    void slotComboBoxOrderChanged(int index);
    void slotactionUSBTimeout();
    void slotactionRDMTimeout();
    void slotactionDMXTimeout();
    void slotpushButtonControl(bool checked);
    void slotactionGroupLanguages(QAction *action);
    void slottopLevelChanged(bool floating);
    void slotFirmwareUpdate(bool checked);
    void slotpushButtonCreateUpg(bool checked);
    void slotpushButtonCreateBootBin(bool checked);
    void slotRunApllication(bool checked);
    void slotpushButtonConnect(bool checked);
    void slotpatchHelpButton(bool checked);
    void slotcheckBoxAutoRefresh(bool checked);
    void slotspinBoxAutoRefreshInterval(int seconds);
    void slotAutoRefreshSensors();
    void slotpushButtonExportSensors(bool checked);

private:
    // Marks a stretch of work that uses the engine; a connection loss reported meanwhile is handled
    // when the outermost stretch ends, so the engine is never replaced under a running request.
    class EngineUse
    {
    public:
        explicit EngineUse(Orv_RDM_Controller *window);
        ~EngineUse();
        EngineUse(const EngineUse &) = delete;
        EngineUse &operator=(const EngineUse &) = delete;

    private:
        Orv_RDM_Controller *window;
    };

    void buildLanguageMenu();
    void sendStoredTiming();
    void reconnect();
    void createEngine();
    // Drops every record, the tree's model and proxy, and the current device.
    void forgetDevices();
    // A new proxy over the model, shown by the tree with its selection connected.
    void showModel(std::unique_ptr<TreeModel> model);
    void selectFirstDevice();
    // The sub-device records of a root in ascending sub-device number.
    QList<DeviceRecord *> subDevicesOf(const DeviceRecord *root) const;
    void readFullDetails();
    void fillSensorsAndCounters(DeviceRecord *record);
    void fillParameterList(DeviceRecord *record);
    void updateGridColors();
    void resetGridColors();
    bool isConnected() const;
    // A SET of the parameter to the current device; the engine's result.
    int setCurrentDevice(quint16 pid, const QByteArray &data);

    // Sensors tab and its history.
    void buildSensorHistory();
    void showSensor(const SensorRecord &sensor);
    // Refresh All on the timer only while the tab is shown and a connected device is selected.
    void updateAutoRefresh();
    SensorHistory &historyOf(const DeviceRecord &record);
    QDateTime now() const;
    // Parameter tab.
    void showPidDescription(const ParameterRecord &parameter);
    void closeParameterDialog();
    void openParameterDialog(bool isGet);

    std::unique_ptr<UsbDevice> usbLink;
    std::unique_ptr<RDM> rdm;
    std::unique_ptr<Ui::Orv_RDM_Controller> ui;
    QList<QAction *> deviceActions;
    QList<QAction *> languageActions;
    QActionGroup *deviceActionGroup = nullptr;
    QActionGroup *languageActionGroup = nullptr;
    GridItems gridItems{};
    QDialog *aboutDialog = nullptr;
    DeviceRecords devices;
    SubDeviceRecords subDeviceRecords;
    int connectedInterfaceIndex = 0;
    DeviceRecord *currentDevice = nullptr;
    QPersistentModelIndex currentIndex;
    DragTreeView *treeView = nullptr;
    DropTableWidget *patchGrid = nullptr;
    QDialog *parameterDialog = nullptr;
    ParameterRecord *selectedParameter = nullptr;
    PatchHelpDialog *patchHelpDialog = nullptr;
    // Made on first use and kept; the fader is made anew at each opening.
    QDialog *dmxTimeoutDialog = nullptr;
    QDialog *rdmTimeoutDialog = nullptr;
    QDialog *usbTimeoutDialog = nullptr;
    QPointer<QDialog> faderDialog;
    // The tree's model and proxy; replaced by a full discovery, dropped on disconnection.
    std::unique_ptr<TreeModel> model;
    std::unique_ptr<MySortFilterProxyModel> proxy;
    Clock *engineClock = nullptr;
    int engineUses = 0;
    SensorChart *sensorChart = nullptr;
    QCheckBox *checkBoxAutoRefresh = nullptr;
    QSpinBox *spinBoxAutoRefreshInterval = nullptr;
    QPushButton *pushButtonExportSensors = nullptr;
    QTimer *autoRefreshTimer = nullptr;
    // Per device (UID, sub-device), kept for the whole session across rediscoveries.
    std::map<std::pair<quint64, quint16>, SensorHistory> sensorHistories;
    ExportPathChooser exportPathChooser;
    bool reconnectPending = false;
    bool upgradeRunning = false;
};
