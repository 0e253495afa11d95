// Dragging devices out of the device list.
#include "devicelist/dragtreeview.h"
#include "devicelist/treemodel.h"

#include <QAbstractProxyModel>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

DragTreeView::DragTreeView(QWidget *parent)
    : QTreeView(parent)
{
}

QSize DragTreeView::sizeHint() const
{
    return QSize(208, 360);
}

void DragTreeView::mousePressEvent(QMouseEvent *event)
{
    pressedIndex = indexAt(event->position().toPoint());
    QTreeView::mousePressEvent(event);
}

void DragTreeView::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QModelIndex current = currentIndex();
    const auto *proxy = qobject_cast<const QAbstractProxyModel *>(model());
    if (!current.isValid() || current != pressedIndex || !proxy)
        return;
    const auto *tree = qobject_cast<const TreeModel *>(proxy->sourceModel());
    if (!tree || tree->getItem(proxy->mapToSource(current))->type != TreeItem::Device)
        return;
    // The drop target takes the device from the selection the press has made.
    auto *drag = new QDrag(this);
    drag->setMimeData(new QMimeData);
    drag->exec(Qt::CopyAction);
}
