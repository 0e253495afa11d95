// Painting of patch grid cells.
#include "patchgrid/devicetablewidgetitemdelegate.h"

#include <QPainter>

void DeviceTableWidgetItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    const QVariant background = index.data(Qt::BackgroundRole);
    if (background.canConvert<QBrush>())
        painter->fillRect(option.rect, background.value<QBrush>());
    // The style sheet leaves the selection transparent so the colour stays visible; the frame
    // marks it instead.
    if (option.state & QStyle::State_Selected) {
        const QPen pen(QBrush(Qt::black), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        const int inset = int(pen.widthF()) / 2;
        painter->save();
        painter->setPen(pen);
        painter->drawRect(option.rect.adjusted(inset, inset, -inset, -inset));
        painter->restore();
    }
    QStyledItemDelegate::paint(painter, option, index);
}
