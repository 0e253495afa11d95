// A layout that wraps its items like words in a line of text.
#include "parameterdialog/flowlayout.h"

#include <QWidget>

FlowLayout::FlowLayout(QWidget *parent, int margin, int horizontalSpacing, int verticalSpacing)
    : QLayout(parent), hSpace(horizontalSpacing), vSpace(verticalSpacing)
{
    setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::FlowLayout(int margin, int horizontalSpacing, int verticalSpacing)
    : hSpace(horizontalSpacing), vSpace(verticalSpacing)
{
    setContentsMargins(margin, margin, margin, margin);
}

FlowLayout::~FlowLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem *item)
{
    items.append(item);
}

int FlowLayout::horizontalSpacing() const
{
    return hSpace >= 0 ? hSpace : smartSpacing(QStyle::PM_LayoutHorizontalSpacing);
}

int FlowLayout::verticalSpacing() const
{
    return vSpace >= 0 ? vSpace : smartSpacing(QStyle::PM_LayoutVerticalSpacing);
}

Qt::Orientations FlowLayout::expandingDirections() const
{
    return {};
}

bool FlowLayout::hasHeightForWidth() const
{
    return true;
}

int FlowLayout::heightForWidth(int width) const
{
    return doLayout(QRect(0, 0, width, 0), Pass::Measure);
}

int FlowLayout::count() const
{
    return items.size();
}

QLayoutItem *FlowLayout::itemAt(int index) const
{
    return items.value(index);
}

QLayoutItem *FlowLayout::takeAt(int index)
{
    if (index < 0 || index >= items.size())
        return nullptr;
    return items.takeAt(index);
}

void FlowLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    doLayout(rect, Pass::Place);
}

QSize FlowLayout::sizeHint() const
{
    return minimumSize();
}

QSize FlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem *item : items)
        size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size + QSize(2 * margins.left(), 2 * margins.left());
}

int FlowLayout::doLayout(const QRect &rect, Pass pass) const
{
    const QMargins margins = contentsMargins();
    const QRect area = rect.adjusted(margins.left(), margins.top(), -margins.right(), -margins.bottom());
    int x = area.x();
    int y = area.y();
    int lineHeight = 0;
    bool lineHoldsItem = false;

    for (QLayoutItem *item : items) {
        const QWidget *widget = item->widget();
        int spaceX = horizontalSpacing();
        if (spaceX < 0 && widget)
            spaceX = widget->style()->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton,
                                                    Qt::Horizontal);
        int spaceY = verticalSpacing();
        if (spaceY < 0 && widget)
            spaceY = widget->style()->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton,
                                                    Qt::Vertical);
        const QSize hint = item->sizeHint();
        if (x + hint.width() > area.right() + 1 && lineHoldsItem) {
            x = area.x();
            y += lineHeight + spaceY;
            lineHeight = 0;
        }
        lineHoldsItem = true;
        if (pass == Pass::Place)
            item->setGeometry(QRect(QPoint(x, y), hint));
        x += hint.width() + spaceX;
        lineHeight = qMax(lineHeight, hint.height());
    }
    return y + lineHeight - rect.y() + margins.bottom();
}

int FlowLayout::smartSpacing(QStyle::PixelMetric metric) const
{
    QObject *owner = parent();
    if (!owner)
        return -1;
    if (owner->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(owner);
        return widget->style()->pixelMetric(metric, nullptr, widget);
    }
    return static_cast<QLayout *>(owner)->spacing();
}
