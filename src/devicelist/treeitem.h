// One node of the device tree: the header root, a device or sub-device, or one of its detail lines.
#pragma once

#include <QVariant>
#include <memory>
#include <vector>

struct DeviceRecord;

class TreeItem
{
public:
    enum Type : qint32 {
        Root = 0,
        Device = 1,
        UidLine = 2,
        DescriptionLine = 3,
        StartAddressLine = 4,
        FootprintLine = 5,
    };

    // The record is not owned; detail lines and the root have none.
    TreeItem(const QVariant &value, Type type, DeviceRecord *device = nullptr, TreeItem *parent = nullptr);
    TreeItem(const TreeItem &) = delete;
    TreeItem &operator=(const TreeItem &) = delete;

    TreeItem *child(int row) const;
    int childCount() const;
    int columnCount() const;
    QVariant data(int column) const;
    void setData(const QVariant &value);
    // The node becomes this node's child and is owned by it.
    void appendChild(TreeItem *node);
    void insertChild(int position, TreeItem *node);
    // False, and nothing removed, when the range does not lie within the children.
    bool removeChildren(int position, int count);
    int row() const;
    TreeItem *parentItem() const;

    DeviceRecord *device;
    Type type;
    bool detailsAdded = false;

private:
    std::vector<std::unique_ptr<TreeItem>> children;
    QVariantList itemData;
    TreeItem *parent;
};
