// The device list's view: a device or sub-device row can be dragged onto the patch grid.
#pragma once

#include <QTreeView>

class DragTreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit DragTreeView(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // Starts the drag of the current device at the first move with the left button held; never
    // extends the selection.
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // The row under the last press: a press on empty space leaves the old row current, and that
    // row must not be dragged.
    QPersistentModelIndex pressedIndex;
};
