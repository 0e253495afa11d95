// Ordering of the device list's rows.
#include "devicelist/mysortfilterproxymodel.h"
#include "devicelist/treemodel.h"

namespace {

bool recordLessThan(const DeviceRecord &left, const DeviceRecord &right, quint8 key)
{
    switch (key) {
    case MySortFilterProxyModel::DeviceName:
        return QString::localeAwareCompare(left.modelDescription, right.modelDescription) < 0;
    case MySortFilterProxyModel::Manufacturer:
        return QString::localeAwareCompare(left.manufacturerLabel, right.manufacturerLabel) < 0;
    case MySortFilterProxyModel::DeviceType:
        return left.productCategory < right.productCategory;
    case MySortFilterProxyModel::StartAddress:
        return left.dmxStartAddress < right.dmxStartAddress;
    case MySortFilterProxyModel::DeviceUid:
        return left.uid < right.uid;
    default:
        return false;
    }
}

} // namespace

MySortFilterProxyModel::MySortFilterProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

void MySortFilterProxyModel::setSortKey(quint8 newKey)
{
    if (newKey < SortKeyCount)
        key = newKey;
}

bool MySortFilterProxyModel::filterAcceptsRow(int, const QModelIndex &) const
{
    return true;
}

bool MySortFilterProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const auto *model = qobject_cast<const TreeModel *>(sourceModel());
    if (!model)
        return false;
    const TreeItem *leftNode = model->getItem(left);
    const TreeItem *rightNode = model->getItem(right);
    const bool leftIsDevice = leftNode->type == TreeItem::Device;
    const bool rightIsDevice = rightNode->type == TreeItem::Device;
    // Detail lines stay above the sub-devices whichever way the devices run.
    if (leftIsDevice && rightIsDevice)
        return recordLessThan(*leftNode->device, *rightNode->device, key);
    if (leftIsDevice)
        return sortOrder() == Qt::DescendingOrder;
    if (rightIsDevice)
        return sortOrder() == Qt::AscendingOrder;
    return false;
}
