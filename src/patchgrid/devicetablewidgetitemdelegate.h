// Paints a patch grid cell: its footprint colour, a frame when selected, then the number.
#pragma once

#include <QStyledItemDelegate>

class DeviceTableWidgetItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
