// Nodes of the device tree, each owning its subtree.
#include "devicelist/treeitem.h"

#include <algorithm>

TreeItem::TreeItem(const QVariant &value, Type type, DeviceRecord *device, TreeItem *parent)
    : device(device)
    , type(type)
    , itemData{value}
    , parent(parent)
{
}

TreeItem *TreeItem::child(int row) const
{
    if (row < 0 || row >= childCount())
        return nullptr;
    return children[size_t(row)].get();
}

int TreeItem::childCount() const
{
    return int(children.size());
}

int TreeItem::columnCount() const
{
    return int(itemData.size());
}

QVariant TreeItem::data(int column) const
{
    if (column < 0 || column >= itemData.size())
        return QVariant();
    return itemData.at(column);
}

void TreeItem::setData(const QVariant &value)
{
    itemData = QVariantList{value};
}

void TreeItem::appendChild(TreeItem *node)
{
    insertChild(childCount(), node);
}

void TreeItem::insertChild(int position, TreeItem *node)
{
    node->parent = this;
    children.insert(children.begin() + std::clamp(position, 0, childCount()), std::unique_ptr<TreeItem>(node));
}

bool TreeItem::removeChildren(int position, int count)
{
    if (position < 0 || count < 0 || position + count > childCount())
        return false;
    children.erase(children.begin() + position, children.begin() + position + count);
    return true;
}

int TreeItem::row() const
{
    if (!parent)
        return 0;
    const auto found = std::find_if(parent->children.begin(), parent->children.end(),
                                    [this](const std::unique_ptr<TreeItem> &node) { return node.get() == this; });
    return int(found - parent->children.begin());
}

TreeItem *TreeItem::parentItem() const
{
    return parent;
}
