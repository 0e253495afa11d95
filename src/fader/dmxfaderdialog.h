// Hand control of the 512 DMX levels: a grid of every slot and a bank of faders for one device.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <memory>

namespace Ui {
class DMXFaderDialog;
}
struct DeviceRecord;
class MyTableWidget;
class QFrame;
class QHBoxLayout;
class QLabel;
class QSlider;
class QSpinBox;
class QTableWidgetItem;
class RDM;

class DMXFaderDialog : public QDialog
{
    Q_OBJECT

public:
    // The device, if any, gives the faders and the highlighted cells; only its address and footprint are read.
    DMXFaderDialog(QWidget *parent, RDM *rdm, const DeviceRecord *device);
    ~DMXFaderDialog() override;

public slots:
    void slotSliderValueChanged(int value);
    void slotPopupSliderValueChanged(int value);
    void slotSpinBoxValueChanged(int value);
    void slotTableWidgetValueChanged(QTableWidgetItem *item);
    void slotShowPopupSlider(const QPoint &position);
    void done(int result) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildGrid();
    void buildSliders();
    void buildPopup();
    // A fader moved on the sliders tab: the grid, the stored level and the interface follow.
    void faderMoved(int position, int value);
    // Both do nothing once the connection that owned the levels is gone.
    void storeLevel(int index, int value);
    void sendLevels(int firstIndex, int count);
    void endControl();

    std::unique_ptr<Ui::DMXFaderDialog> ui;
    QPointer<RDM> m_rdm;
    // The device's slots within 1 to 512; empty when there is no device.
    int m_firstSlot = 1;
    int m_lastSlot = 0;
    QFrame *m_popup = nullptr;
    QSlider *m_popupSlider = nullptr;
    QHBoxLayout *m_gridLayout = nullptr;
    MyTableWidget *m_table = nullptr;
    QList<QLabel *> m_labels;
    QList<QSlider *> m_sliders;
    QList<QSpinBox *> m_spinBoxes;
    bool m_controlEnded = false;
};
