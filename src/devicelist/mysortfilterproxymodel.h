// Sorts each level of the device list by one key while every device keeps its detail lines above
// its sub-devices.
#pragma once

#include <QSortFilterProxyModel>

class MySortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    // The keys in the order of the key combo box's items.
    enum SortKey : quint8 {
        DiscoveryOrder = 0,
        DeviceName = 1,
        Manufacturer = 2,
        DeviceType = 3,
        StartAddress = 4,
        DeviceUid = 5,
        SortKeyCount
    };

    explicit MySortFilterProxyModel(QObject *parent = nullptr);

    quint8 sortKey() const { return key; }
    // Keys beyond the last are ignored.
    void setSortKey(quint8 newKey);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    quint8 key = DiscoveryOrder;
};
