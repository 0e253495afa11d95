// Drops onto the patch grid, reported as channel numbers.
#include "patchgrid/droptablewidget.h"

#include <QDropEvent>

DropTableWidget::DropTableWidget(QWidget *parent)
    : QTableWidget(parent)
{
}

// The device list's drag carries no data: the dropped device is the selected one.
void DropTableWidget::dragEnterEvent(QDragEnterEvent *event)
{
    event->acceptProposedAction();
}

void DropTableWidget::dragMoveEvent(QDragMoveEvent *event)
{
    event->accept();
}

void DropTableWidget::dropEvent(QDropEvent *event)
{
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (!cell.isValid())
        return;
    event->acceptProposedAction();
    emit signal_dropAtItem(cell.row() * columnCount() + cell.column() + 1);
}
