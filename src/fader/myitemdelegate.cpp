// The spin box editor of the fader grid.
#include "fader/myitemdelegate.h"

#include <QSpinBox>

MyItemDelegate::MyItemDelegate(QObject *parent) : QItemDelegate(parent) { }

QWidget *MyItemDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QSpinBox(parent);
    editor->setFrame(false);
    editor->setRange(0, 255);
    return editor;
}

void MyItemDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QSpinBox *>(editor)->setValue(index.model()->data(index, Qt::EditRole).toInt());
}

void MyItemDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *spinBox = static_cast<QSpinBox *>(editor);
    spinBox->interpretText();
    model->setData(index, uint(spinBox->value()), Qt::EditRole);
}

void MyItemDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                          const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
