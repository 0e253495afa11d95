// The patch grid's table: takes drops of devices dragged from the device list.
#pragma once

#include <QTableWidget>

class DropTableWidget : public QTableWidget
{
    Q_OBJECT

public:
    explicit DropTableWidget(QWidget *parent = nullptr);

signals:
    // The channel of the cell something was dropped on; 513 for the blank last cell.
    void signal_dropAtItem(int channel);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};
