// The grid of the 512 DMX levels: 20 slots a row, wheel and keyboard editing of the selection.
#pragma once

#include <QColor>
#include <QTableWidget>

class MyTableWidget : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int slotsPerRow = 20;
    static constexpr int slotCount = 512;

    explicit MyTableWidget(QWidget *parent = nullptr);
    MyTableWidget(int rows, int columns, QWidget *parent = nullptr);
    ~MyTableWidget() override;

    // These write without raising item-changed notifications.
    void setLevels(int firstSlot, int count, const quint8 *levels);
    void setLevel(int slot, int value);
    // Slot 0 and slots past the grid are skipped.
    void highlightRange(int firstSlot, int count, const QColor &colour);
    // Writes every selected cell, then notifies once, for the current cell.
    void setSelectedLevels(int value);

    // The cell of slot 1 to 512, or null.
    QTableWidgetItem *itemForSlot(int slot) const;
    // The cell's position counted from slot 1's cell, row by row.
    static int linearIndex(const QTableWidgetItem *item);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void paste();
};
