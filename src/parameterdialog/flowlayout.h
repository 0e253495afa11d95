#pragma once

#include <QLayout>
#include <QList>
#include <QStyle>

// Places its items left to right and wraps to a new line at the right edge.
class FlowLayout : public QLayout
{
public:
    explicit FlowLayout(QWidget *parent, int margin = -1, int horizontalSpacing = -1,
                        int verticalSpacing = -1);
    explicit FlowLayout(int margin = -1, int horizontalSpacing = -1, int verticalSpacing = -1);
    ~FlowLayout() override;

    void addItem(QLayoutItem *item) override;
    int horizontalSpacing() const;
    int verticalSpacing() const;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;
    QSize sizeHint() const override;
    QLayoutItem *takeAt(int index) override;

private:
    enum class Pass { Measure, Place };
    int doLayout(const QRect &rect, Pass pass) const;
    int smartSpacing(QStyle::PixelMetric metric) const;

    QList<QLayoutItem *> items;
    int hSpace;
    int vSpace;
};
