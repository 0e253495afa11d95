// The device list's model: responders, their sub-devices and, once a device was selected, its
// detail lines, over records the main window owns.
#pragma once

#include "devicelist/devicerecords.h"
#include "devicelist/treeitem.h"

#include <QAbstractItemModel>
#include <memory>

class TreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit TreeModel(QObject *parent = nullptr);
    // One device row per root record in list order, its sub-devices below it; no detail lines.
    TreeModel(const DeviceRecords &devices, const SubDeviceRecords &subDevices, QObject *parent = nullptr);
    ~TreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool removeRows(int position, int rows, const QModelIndex &parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The root for an invalid index.
    TreeItem *getItem(const QModelIndex &index) const;
    void addDevice(DeviceRecord *record, const QModelIndex &parent);
    // UID, description, start address and footprint, above any sub-devices; once per device.
    void addDetailLines(const QModelIndex &deviceIndex);
    void addDetailLinesToFirstDevice();
    // Only the start address and footprint lines follow the record; the others keep their text.
    void updateDetailLine(const QModelIndex &parent, int row);
    void refreshDetailLines(const QModelIndex &deviceIndex);
    // Three levels below the index: devices, their detail lines and sub-devices, and theirs.
    void refreshAllDetailLines(const QModelIndex &parent);

private:
    std::unique_ptr<TreeItem> rootItem;
};
