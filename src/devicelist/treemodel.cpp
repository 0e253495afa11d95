// The device tree model and the texts of its detail lines.
#include "devicelist/treemodel.h"

namespace {

constexpr int detailLineCount = 4;

QString startAddressText(const DeviceRecord &record)
{
    if (record.dmxStartAddress == 0)
        return TreeModel::tr("DMX Start: ") + TreeModel::tr("N/A");
    return TreeModel::tr("DMX Start: ") + QString::number(record.dmxStartAddress);
}

QString footprintText(const DeviceRecord &record)
{
    return TreeModel::tr("DMX Footprint: ") + QString::number(record.dmxFootprint);
}

TreeItem *newDeviceNode(DeviceRecord *record)
{
    return new TreeItem(record->modelDescription, TreeItem::Device, record);
}

} // namespace

TreeModel::TreeModel(QObject *parent)
    : QAbstractItemModel(parent)
    , rootItem(std::make_unique<TreeItem>(tr("Devices:"), TreeItem::Root))
{
}

TreeModel::TreeModel(const DeviceRecords &devices, const SubDeviceRecords &subDevices, QObject *parent)
    : TreeModel(parent)
{
    for (const std::unique_ptr<DeviceRecord> &device : devices) {
        TreeItem *node = newDeviceNode(device.get());
        const auto [first, last] = subDevices.equal_range(device.get());
        for (auto subDevice = first; subDevice != last; ++subDevice)
            node->appendChild(newDeviceNode(subDevice->second.get()));
        rootItem->appendChild(node);
    }
}

TreeModel::~TreeModel() = default;

QModelIndex TreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    TreeItem *node = getItem(parent)->child(row);
    return node ? createIndex(row, column, node) : QModelIndex();
}

QModelIndex TreeModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return QModelIndex();
    TreeItem *parentNode = getItem(child)->parentItem();
    if (!parentNode || parentNode == rootItem.get())
        return QModelIndex();
    return createIndex(parentNode->row(), 0, parentNode);
}

int TreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return getItem(parent)->childCount();
}

int TreeModel::columnCount(const QModelIndex &parent) const
{
    return getItem(parent)->columnCount();
}

QVariant TreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return QVariant();
    return getItem(index)->data(index.column());
}

QVariant TreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    return rootItem->data(section);
}

bool TreeModel::removeRows(int position, int rows, const QModelIndex &parent)
{
    TreeItem *parentNode = getItem(parent);
    if (position < 0 || rows <= 0 || position + rows > parentNode->childCount())
        return false;
    beginRemoveRows(parent, position, position + rows - 1);
    parentNode->removeChildren(position, rows);
    endRemoveRows();
    return true;
}

Qt::ItemFlags TreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

TreeItem *TreeModel::getItem(const QModelIndex &index) const
{
    if (index.isValid()) {
        if (auto *node = static_cast<TreeItem *>(index.internalPointer()))
            return node;
    }
    return rootItem.get();
}

void TreeModel::addDevice(DeviceRecord *record, const QModelIndex &parent)
{
    TreeItem *parentNode = getItem(parent);
    const int row = parentNode->childCount();
    beginInsertRows(parent, row, row);
    parentNode->appendChild(newDeviceNode(record));
    endInsertRows();
}

void TreeModel::addDetailLines(const QModelIndex &deviceIndex)
{
    TreeItem *node = getItem(deviceIndex);
    if (node->type != TreeItem::Device || node->detailsAdded)
        return;
    const DeviceRecord &record = *node->device;
    beginInsertRows(deviceIndex, 0, detailLineCount - 1);
    node->detailsAdded = true;
    node->insertChild(0, new TreeItem(tr("UID: 0x") + QString::number(record.uid, 16), TreeItem::UidLine));
    node->insertChild(1, new TreeItem(tr("Desc: ") + record.modelDescription, TreeItem::DescriptionLine));
    node->insertChild(2, new TreeItem(startAddressText(record), TreeItem::StartAddressLine));
    node->insertChild(3, new TreeItem(footprintText(record), TreeItem::FootprintLine));
    endInsertRows();
}

void TreeModel::addDetailLinesToFirstDevice()
{
    addDetailLines(index(0, 0));
}

void TreeModel::updateDetailLine(const QModelIndex &parent, int row)
{
    const TreeItem *parentNode = getItem(parent);
    TreeItem *line = parentNode->child(row);
    if (!line)
        return;
    if (parentNode->device) {
        if (line->type == TreeItem::StartAddressLine)
            line->setData(startAddressText(*parentNode->device));
        else if (line->type == TreeItem::FootprintLine)
            line->setData(footprintText(*parentNode->device));
    }
    const QModelIndex changed = index(row, 0, parent);
    emit dataChanged(changed, changed);
}

void TreeModel::refreshDetailLines(const QModelIndex &deviceIndex)
{
    const int rows = getItem(deviceIndex)->childCount();
    if (rows < detailLineCount)
        return;
    for (int row = 0; row < rows; ++row)
        updateDetailLine(deviceIndex, row);
}

void TreeModel::refreshAllDetailLines(const QModelIndex &parent)
{
    for (int row = 0; row < rowCount(parent); ++row) {
        updateDetailLine(parent, row);
        const QModelIndex child = index(row, 0, parent);
        for (int childRow = 0; childRow < rowCount(child); ++childRow) {
            updateDetailLine(child, childRow);
            const QModelIndex grandchild = index(childRow, 0, child);
            for (int grandchildRow = 0; grandchildRow < rowCount(grandchild); ++grandchildRow)
                updateDetailLine(grandchild, grandchildRow);
        }
    }
}
