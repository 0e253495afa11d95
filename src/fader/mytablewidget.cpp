// The fader grid: slot cells, wheel stepping, copy and paste of levels, even cell sizes.
#include "fader/mytablewidget.h"

#include <QDebug>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStringList>
#include <QWheelEvent>

namespace {

// Copied levels, shared by every grid for the whole run.
QStringList &levelClipboard()
{
    static QStringList clipboard;
    return clipboard;
}

// The cell's level, when it holds a number of the DMX range.
bool readLevel(const QString &text, int *level)
{
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok);
    if (!ok || value > 255)
        return false;
    *level = int(value);
    return true;
}

} // namespace

MyTableWidget::MyTableWidget(QWidget *parent) : QTableWidget(parent)
{
    qDebug() << "MyTableWidget constructor";
}

MyTableWidget::MyTableWidget(int rows, int columns, QWidget *parent) : QTableWidget(rows, columns, parent)
{
    qDebug() << "MyTableWidget constructor";
}

MyTableWidget::~MyTableWidget()
{
    qDebug() << "MyTableWidget destructor";
}

QTableWidgetItem *MyTableWidget::itemForSlot(int slot) const
{
    if (slot < 1 || slot > slotCount)
        return nullptr;
    return item((slot - 1) / slotsPerRow, (slot - 1) % slotsPerRow);
}

int MyTableWidget::linearIndex(const QTableWidgetItem *item)
{
    return item->row() * slotsPerRow + item->column();
}

void MyTableWidget::setLevels(int firstSlot, int count, const quint8 *levels)
{
    const QSignalBlocker blocker(this);
    for (int i = 0; i < count; ++i) {
        if (QTableWidgetItem *cell = itemForSlot(firstSlot + i))
            cell->setData(Qt::EditRole, uint(levels[i]));
    }
}

void MyTableWidget::setLevel(int slot, int value)
{
    const QSignalBlocker blocker(this);
    if (QTableWidgetItem *cell = itemForSlot(slot))
        cell->setData(Qt::EditRole, uint(value));
}

void MyTableWidget::highlightRange(int firstSlot, int count, const QColor &colour)
{
    const QSignalBlocker blocker(this);
    for (int slot = firstSlot; slot < firstSlot + count; ++slot) {
        if (QTableWidgetItem *cell = itemForSlot(slot))
            cell->setBackground(QBrush(colour, Qt::SolidPattern));
    }
}

void MyTableWidget::setSelectedLevels(int value)
{
    const QList<QTableWidgetItem *> selected = selectedItems();
    {
        const QSignalBlocker blocker(this);
        for (QTableWidgetItem *cell : selected)
            cell->setData(Qt::EditRole, uint(value));
    }
    QTableWidgetItem *notified = currentItem() ? currentItem() : selected.value(0);
    if (notified)
        emit itemChanged(notified);
}

void MyTableWidget::wheelEvent(QWheelEvent *event)
{
    QTableWidget::wheelEvent(event);
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    int step = delta > 0 ? 1 : -1;
    if (event->modifiers() & Qt::ControlModifier)
        step *= 10;

    const QList<QTableWidgetItem *> selected = selectedItems();
    {
        const QSignalBlocker blocker(this);
        for (QTableWidgetItem *cell : selected) {
            int level = 0;
            if (readLevel(cell->data(Qt::EditRole).toString(), &level))
                cell->setData(Qt::EditRole, uint(qBound(0, level + step, 255)));
        }
    }
    if (!selected.isEmpty())
        emit itemChanged(selected.first());
}

void MyTableWidget::keyPressEvent(QKeyEvent *event)
{
    QTableWidget::keyPressEvent(event);
    if (event->matches(QKeySequence::Copy)) {
        QStringList &clipboard = levelClipboard();
        clipboard.clear();
        const QList<QTableWidgetItem *> selected = selectedItems();
        for (const QTableWidgetItem *cell : selected)
            clipboard.append(cell->data(Qt::EditRole).toString());
    } else if (event->matches(QKeySequence::Paste)) {
        paste();
    }
}

void MyTableWidget::paste()
{
    const QStringList &clipboard = levelClipboard();
    if (clipboard.isEmpty())
        return;
    const QList<QTableWidgetItem *> selected = selectedItems();
    {
        const QSignalBlocker blocker(this);
        for (int i = 0; i < selected.size(); ++i) {
            // Anything but a level leaves the cell as it was.
            int level = 0;
            if (readLevel(clipboard.at(i % clipboard.size()), &level))
                selected.at(i)->setData(Qt::EditRole, uint(level));
        }
    }
    // One notification sends the whole pasted range at once.
    if (!selected.isEmpty())
        emit itemChanged(selected.first());
}

void MyTableWidget::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    const int columnWidth = width() / (columnCount() + 1);
    const int rowHeight = height() / (rowCount() + 1);
    for (int column = 0; column < columnCount(); ++column)
        setColumnWidth(column, columnWidth);
    for (int row = 0; row < rowCount(); ++row)
        setRowHeight(row, rowHeight);
}
