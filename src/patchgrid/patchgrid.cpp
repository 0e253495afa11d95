// Patch grid cells, their colouring and the lookup of the device behind a cell.
#include "patchgrid/patchgrid.h"
#include "devicelist/treemodel.h"
#include "patchgrid/devicetablewidgetitem.h"
#include "patchgrid/devicetablewidgetitemdelegate.h"
#include "patchgrid/droptablewidget.h"

#include <QAbstractProxyModel>
#include <QHeaderView>
#include <QTreeView>

namespace {

constexpr int brightComponent = 255;
constexpr int dimComponent = 155;

enum class CellColour { Free, Taken, SharedWithRoot, Conflict };

bool covers(const DeviceRecord &record, int channel)
{
    return record.dmxStartAddress <= channel && channel < record.dmxStartAddress + record.dmxFootprint;
}

QBrush brushFor(CellColour colour, bool bright)
{
    const int b = bright ? brightComponent : dimComponent;
    switch (colour) {
    case CellColour::Taken:
        return QBrush(QColor(0, b, 0));
    case CellColour::SharedWithRoot:
        return QBrush(QColor(0, 0, b));
    case CellColour::Conflict:
        return QBrush(QColor(b, 0, 0));
    case CellColour::Free:
        break;
    }
    return QBrush(QColor(Qt::white));
}

// Only cells whose colour really changes are touched: every change repaints the view.
void paintCell(DeviceTableWidgetItem *cell, const QBrush &brush)
{
    if (cell->background() != brush)
        cell->setBackground(brush);
}

struct Candidate
{
    int offset = PatchGrid::channels + 1;
    int footprint = PatchGrid::channels + 1;
    int row = -1;
    int child = -1;

    void consider(const DeviceRecord *record, int channel, int recordRow, int recordChild)
    {
        if (!record || !covers(*record, channel))
            return;
        const int candidateOffset = channel - record->dmxStartAddress;
        if (candidateOffset > offset || (candidateOffset == offset && record->dmxFootprint >= footprint))
            return;
        footprint = record->dmxFootprint;
        offset = candidateOffset;
        row = recordRow;
        child = recordChild;
    }
};

} // namespace

GridItems setUpPatchGrid(DropTableWidget &grid)
{
    grid.setObjectName(QStringLiteral("tableWidgetGrid"));
    grid.setGeometry(0, 40, 679, 510);
    grid.setFixedSize(grid.size());
    grid.setRowCount(PatchGrid::rows);
    grid.setColumnCount(PatchGrid::columns);
    grid.horizontalHeader()->hide();
    grid.verticalHeader()->hide();
    grid.horizontalHeader()->setHighlightSections(false);
    grid.verticalHeader()->setHighlightSections(false);
    grid.horizontalHeader()->setMinimumSectionSize(1);
    grid.verticalHeader()->setMinimumSectionSize(1);
    for (int column = 0; column < PatchGrid::columns; ++column)
        grid.setColumnWidth(column, grid.width() / PatchGrid::columns);
    for (int row = 0; row < PatchGrid::rows; ++row)
        grid.setRowHeight(row, grid.height() / PatchGrid::rows);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setAutoScroll(false);
    grid.setAutoScrollMargin(0);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setSortingEnabled(false);
    grid.setWordWrap(false);
    // "512" needs the whole width of a cell.
    grid.setTextElideMode(Qt::ElideNone);
    grid.setCornerButtonEnabled(false);
    grid.setAcceptDrops(true);
    grid.setDragEnabled(true);
    grid.setDragDropOverwriteMode(true);
    grid.setDragDropMode(QAbstractItemView::DropOnly);
    grid.setItemDelegate(new DeviceTableWidgetItemDelegate(&grid));
    grid.setStyleSheet(QStringLiteral("selection-color: rgba(0, 0, 0, 100);selection-background-color: transparent;"));

    GridItems cells{};
    for (int row = 0; row < PatchGrid::rows; ++row) {
        for (int column = 0; column < PatchGrid::columns; ++column) {
            const int channel = channelAt(row, column);
            auto *cell = new DeviceTableWidgetItem(channel <= PatchGrid::channels ? QString::number(channel)
                                                                                   : QString());
            grid.setItem(row, column, cell);
            if (channel <= PatchGrid::channels)
                cells[size_t(channel - 1)] = cell;
        }
    }
    resetGridColors(cells);
    return cells;
}

void resetGridColors(const GridItems &cells)
{
    const QBrush white = brushFor(CellColour::Free, false);
    for (DeviceTableWidgetItem *cell : cells) {
        cell->clearRootDevices();
        cell->clearSubDevices();
        paintCell(cell, white);
    }
}

void updateGridColors(const GridItems &cells, const DeviceRecords &devices, const SubDeviceRecords &subDevices,
                      const DeviceRecord *currentDevice)
{
    // Worked out in full first, so each cell is painted once with its final colour.
    std::array<CellColour, PatchGrid::channels> colours{};
    for (DeviceTableWidgetItem *cell : cells) {
        cell->clearRootDevices();
        cell->clearSubDevices();
    }
    for (const std::unique_ptr<DeviceRecord> &device : devices) {
        const int start = device->dmxStartAddress;
        const int footprint = device->dmxFootprint;
        const bool fits = start != 0 && start - 1 + footprint <= PatchGrid::channels;
        for (int i = std::max(start - 1, 0); i < std::min(start + footprint - 1, PatchGrid::channels); ++i) {
            DeviceTableWidgetItem *cell = cells[size_t(i)];
            colours[size_t(i)] = cell->rootDevices().isEmpty() && fits ? CellColour::Taken : CellColour::Conflict;
            cell->appendRootDevice(device.get());
        }
    }
    for (const auto &[root, subDevice] : subDevices) {
        const int start = subDevice->dmxStartAddress;
        const int footprint = subDevice->dmxFootprint;
        for (int i = std::max(start - 1, 0); i < std::min(start + footprint - 1, PatchGrid::channels); ++i) {
            DeviceTableWidgetItem *cell = cells[size_t(i)];
            const QList<const DeviceRecord *> &roots = cell->rootDevices();
            if (roots.isEmpty() && cell->subDevices().isEmpty())
                colours[size_t(i)] = CellColour::Taken;
            else if (roots.size() == 1 && cell->subDevices().isEmpty() && roots.first() == root)
                colours[size_t(i)] = CellColour::SharedWithRoot;
            else
                colours[size_t(i)] = CellColour::Conflict;
            cell->appendSubDevice(subDevice.get());
        }
    }
    for (int i = 0; i < PatchGrid::channels; ++i)
        paintCell(cells[size_t(i)], brushFor(colours[size_t(i)], currentDevice && covers(*currentDevice, i + 1)));
}

bool selectDeviceAtChannel(QTreeView &deviceList, int channel)
{
    const auto *proxy = qobject_cast<const QAbstractProxyModel *>(deviceList.model());
    const auto *model = proxy ? qobject_cast<const TreeModel *>(proxy->sourceModel()) : nullptr;
    if (!model || channel < 1 || channel > PatchGrid::channels)
        return false;
    Candidate best;
    for (int row = 0; row < model->rowCount(); ++row) {
        const TreeItem *node = model->getItem(model->index(row, 0));
        best.consider(node->device, channel, row, -1);
        for (int child = 0; child < node->childCount(); ++child) {
            if (node->child(child)->type == TreeItem::Device)
                best.consider(node->child(child)->device, channel, row, child);
        }
    }
    if (best.row < 0)
        return false;
    const QModelIndex root = model->index(best.row, 0);
    const QModelIndex chosen = best.child < 0 ? root : model->index(best.child, 0, root);
    deviceList.selectionModel()->select(proxy->mapFromSource(chosen), QItemSelectionModel::ClearAndSelect);
    if (best.child >= 0 && !deviceList.isExpanded(proxy->mapFromSource(root)))
        deviceList.expand(proxy->mapFromSource(root));
    return true;
}
