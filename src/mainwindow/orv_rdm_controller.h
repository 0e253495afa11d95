// The main window: owner of the USB link, the engine and everything the user works with.
#pragma once

#include <QList>
#include <QMainWindow>
#include <memory>

namespace Ui {
class Orv_RDM_Controller;
}
class QAction;
class QActionGroup;
class RDM;
class UsbDevice;

class Orv_RDM_Controller : public QMainWindow
{
    Q_OBJECT

public:
    explicit Orv_RDM_Controller(QWidget *parent = nullptr);
    ~Orv_RDM_Controller() override;

    void showConnected(const QString &interfaceName);
    void showDisconnected();
    void refreshInterfaceList();

private slots:
    void slotactionRefresh();
    void slotpushButtonDisconnect(bool checked);
    void slotactionGroupDevices(QAction *action);
    void slot_suddenly_disconnected();
    void slotShowContextMenu(const QPoint &point);
    void slotClearTextEditLog(bool checked);
    void slotTextEditLogBigger(bool checked);
    void slotTextEditLogSmaller(bool checked);
    void slotactionGroupLanguages(QAction *action);
    void slottopLevelChanged(bool floating);

private:
    void buildLanguageMenu();
    void sendStoredTiming();

    std::unique_ptr<UsbDevice> usbLink;
    std::unique_ptr<RDM> rdm;
    std::unique_ptr<Ui::Orv_RDM_Controller> ui;
    QList<QAction *> deviceActions;
    QList<QAction *> languageActions;
    QActionGroup *deviceActionGroup;
    QActionGroup *languageActionGroup;
    int connectedInterfaceIndex = 0;
};
