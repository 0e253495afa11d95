// The DMX fader: every change of a level goes to the interface at once.
#include "fader/dmxfaderdialog.h"

#include "fader/myitemdelegate.h"
#include "fader/mytablewidget.h"
#include "parameterdialog/flowlayout.h"
#include "rdm/devicerecord.h"
#include "rdm/rdm.h"
#include "ui_dmxfaderdialog.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {

constexpr int gridRows = 26;
constexpr int highestLevel = 255;

int cellLevel(const QTableWidgetItem *cell)
{
    return int(qMin(cell->data(Qt::EditRole).toUInt(), uint(highestLevel)));
}

} // namespace

DMXFaderDialog::DMXFaderDialog(QWidget *parent, RDM *rdm, const DeviceRecord *device)
    : QDialog(parent), ui(std::make_unique<Ui::DMXFaderDialog>()), m_rdm(rdm)
{
    setModal(true);
    ui->setupUi(this);
    if (device && device->dmxFootprint > 0) {
        // Slot 0 and slots past 512 do not exist on the line.
        m_firstSlot = qMax(1, int(device->dmxStartAddress));
        m_lastSlot = qMin(MyTableWidget::slotCount, int(device->dmxStartAddress) + int(device->dmxFootprint) - 1);
    }

    buildGrid();
    buildSliders();
    buildPopup();
    ui->tabWidget->setCurrentWidget(ui->tabGrid);

    if (m_rdm) {
        // The levels and the link belong to the connection; without it the fader has nothing to drive.
        connect(m_rdm, &QObject::destroyed, this, &QDialog::reject);
        m_rdm->beginDmxControl();
        sendLevels(0, MyTableWidget::slotCount);
    }
}

DMXFaderDialog::~DMXFaderDialog()
{
    endControl();
}

void DMXFaderDialog::buildGrid()
{
    m_gridLayout = new QHBoxLayout(ui->tabGrid);
    m_table = new MyTableWidget(gridRows, MyTableWidget::slotsPerRow, ui->tabGrid);
    m_table->setObjectName(QStringLiteral("tableWidgetLevels"));
    m_gridLayout->addWidget(m_table);

    QStringList columnHeaders;
    for (int column = 1; column <= MyTableWidget::slotsPerRow; ++column)
        columnHeaders.append(QStringLiteral("+%1").arg(column, 2, 10, QLatin1Char('0')));
    QStringList rowHeaders;
    for (int row = 0; row < gridRows; ++row)
        rowHeaders.append(QStringLiteral("%1").arg(row * MyTableWidget::slotsPerRow, 2, 10, QLatin1Char('0')));
    m_table->setHorizontalHeaderLabels(columnHeaders);
    m_table->setVerticalHeaderLabels(rowHeaders);
    m_table->setItemDelegate(new MyItemDelegate(m_table));
    for (int row = 0; row < gridRows; ++row) {
        for (int column = 0; column < MyTableWidget::slotsPerRow; ++column) {
            auto *cell = new QTableWidgetItem;
            cell->setData(Qt::EditRole, 0u);
            cell->setTextAlignment(Qt::AlignCenter);
            m_table->setItem(row, column, cell);
        }
    }
    m_table->resizeColumnsToContents();
    m_table->resizeRowsToContents();

    if (m_lastSlot >= m_firstSlot)
        m_table->highlightRange(m_firstSlot, m_lastSlot - m_firstSlot + 1, QColor(QStringLiteral("yellow")));
    if (m_rdm)
        m_table->setLevels(1, MyTableWidget::slotCount, m_rdm->dmxLevels());
    connect(m_table, &QTableWidget::itemChanged, this, &DMXFaderDialog::slotTableWidgetValueChanged);
}

void DMXFaderDialog::buildSliders()
{
    auto *tabLayout = new QVBoxLayout(ui->tabSliders);
    auto *scrollArea = new QScrollArea(ui->tabSliders);
    scrollArea->setWidgetResizable(true);
    tabLayout->addWidget(scrollArea);
    auto *bank = new QGroupBox(scrollArea);
    auto *flow = new FlowLayout(bank, -1, -1, -1);
    scrollArea->setWidget(bank);

    for (int slot = m_firstSlot; slot <= m_lastSlot; ++slot) {
        const int level = m_rdm ? m_rdm->dmxLevels()[slot - 1] : 0;
        auto *group = new QGroupBox(bank);
        auto *layout = new QVBoxLayout(group);
        layout->setContentsMargins(10, 10, 10, 10);
        layout->setSpacing(5);

        auto *label = new QLabel(QStringLiteral("[%1]").arg(slot), group);
        label->setObjectName(QStringLiteral("labelSlot%1").arg(slot));
        label->setAlignment(Qt::AlignHCenter);
        auto *slider = new QSlider(Qt::Vertical, group);
        slider->setObjectName(QStringLiteral("verticalSliderSlot%1").arg(slot));
        slider->setFixedSize(50, 250);
        slider->setRange(0, highestLevel);
        slider->setTickPosition(QSlider::TicksLeft);
        slider->setTickInterval(highestLevel);
        slider->setValue(level);
        auto *spinBox = new QSpinBox(group);
        spinBox->setObjectName(QStringLiteral("spinBoxSlot%1").arg(slot));
        spinBox->setFixedSize(50, 25);
        spinBox->setRange(0, highestLevel);
        spinBox->setValue(level);
        layout->addWidget(label);
        layout->addWidget(slider);
        layout->addWidget(spinBox);
        flow->addWidget(group);

        connect(slider, &QSlider::valueChanged, this, &DMXFaderDialog::slotSliderValueChanged);
        connect(spinBox, qOverload<int>(&QSpinBox::valueChanged), this, &DMXFaderDialog::slotSpinBoxValueChanged);
        m_labels.append(label);
        m_sliders.append(slider);
        m_spinBoxes.append(spinBox);
    }
}

void DMXFaderDialog::buildPopup()
{
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_popup = new QFrame(this, Qt::Popup);
    m_popup->setObjectName(QStringLiteral("framePopup"));
    m_popup->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    m_popup->resize(150, 50);
    auto *layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(0, 0, 0, 0);
    m_popupSlider = new QSlider(Qt::Horizontal, m_popup);
    m_popupSlider->setObjectName(QStringLiteral("horizontalSliderPopup"));
    m_popupSlider->setFixedSize(150, 25);
    m_popupSlider->setRange(0, highestLevel);
    m_popupSlider->setTickPosition(QSlider::TicksAbove);
    m_popupSlider->setTickInterval(highestLevel);
    layout->addWidget(m_popupSlider);
    connect(m_table, &QWidget::customContextMenuRequested, this, &DMXFaderDialog::slotShowPopupSlider);
    connect(m_popupSlider, &QSlider::valueChanged, this, &DMXFaderDialog::slotPopupSliderValueChanged);
}

void DMXFaderDialog::slotSliderValueChanged(int value)
{
    const int position = m_sliders.indexOf(qobject_cast<QSlider *>(sender()));
    if (ui->tabWidget->currentWidget() != ui->tabSliders || position < 0)
        return;
    const QSignalBlocker blocker(m_spinBoxes.at(position));
    m_spinBoxes.at(position)->setValue(value);
    faderMoved(position, value);
}

void DMXFaderDialog::slotSpinBoxValueChanged(int value)
{
    const int position = m_spinBoxes.indexOf(qobject_cast<QSpinBox *>(sender()));
    if (ui->tabWidget->currentWidget() != ui->tabSliders || position < 0)
        return;
    const QSignalBlocker blocker(m_sliders.at(position));
    m_sliders.at(position)->setValue(value);
    faderMoved(position, value);
}

void DMXFaderDialog::faderMoved(int position, int value)
{
    const int slot = m_firstSlot + position;
    m_table->setLevel(slot, value);
    storeLevel(slot - 1, value);
    sendLevels(slot - 1, 1);
}

void DMXFaderDialog::slotTableWidgetValueChanged(QTableWidgetItem *item)
{
    QList<QTableWidgetItem *> cells = m_table->selectedItems();
    if (cells.size() < 2)
        cells = {item};
    cells.removeAll(nullptr);
    if (cells.isEmpty())
        return;

    const auto [lowestCell, highestCell] = std::minmax_element(
        cells.cbegin(), cells.cend(), [](const QTableWidgetItem *left, const QTableWidgetItem *right) {
            return MyTableWidget::linearIndex(left) < MyTableWidget::linearIndex(right);
        });
    const int lowest = MyTableWidget::linearIndex(*lowestCell);
    const int highest = qMin(MyTableWidget::linearIndex(*highestCell), MyTableWidget::slotCount - 1);
    if (lowest > highest)
        return;

    for (const QTableWidgetItem *cell : std::as_const(cells)) {
        const int index = MyTableWidget::linearIndex(cell);
        if (index >= MyTableWidget::slotCount)
            continue;
        const int value = cellLevel(cell);
        storeLevel(index, value);
        const int slot = index + 1;
        if (slot >= m_firstSlot && slot <= m_lastSlot) {
            const int position = slot - m_firstSlot;
            const QSignalBlocker sliderBlocker(m_sliders.at(position));
            const QSignalBlocker spinBoxBlocker(m_spinBoxes.at(position));
            m_sliders.at(position)->setValue(value);
            m_spinBoxes.at(position)->setValue(value);
        }
    }
    sendLevels(lowest, highest - lowest + 1);
}

void DMXFaderDialog::slotShowPopupSlider(const QPoint &position)
{
    QTableWidgetItem *cell = m_table->itemAt(position);
    if (!cell)
        return;
    m_popup->move(m_table->viewport()->mapToGlobal(m_table->visualItemRect(cell).topLeft()));
    {
        const QSignalBlocker blocker(m_popupSlider);
        m_popupSlider->setValue(cellLevel(cell));
    }
    m_popup->show();
}

void DMXFaderDialog::slotPopupSliderValueChanged(int value)
{
    m_table->setUpdatesEnabled(false);
    m_table->setSelectedLevels(value);
    m_table->setUpdatesEnabled(true);
}

void DMXFaderDialog::storeLevel(int index, int value)
{
    if (m_rdm)
        m_rdm->dmxLevels()[index] = quint8(value);
}

void DMXFaderDialog::sendLevels(int firstIndex, int count)
{
    if (m_rdm)
        m_rdm->sendDmxLevels(m_rdm->dmxLevels() + firstIndex, quint16(firstIndex), quint16(count));
}

void DMXFaderDialog::endControl()
{
    if (m_controlEnded)
        return;
    m_controlEnded = true;
    if (m_rdm)
        m_rdm->endDmxControl();
}

void DMXFaderDialog::closeEvent(QCloseEvent *event)
{
    endControl();
    QDialog::closeEvent(event);
}

void DMXFaderDialog::done(int result)
{
    endControl();
    QDialog::done(result);
}
