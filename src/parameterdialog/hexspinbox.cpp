// The hexadecimal spin box of the parameter dialog's value fields.
#include "parameterdialog/hexspinbox.h"

HexSpinBox::HexSpinBox(QWidget *parent, int minimum, int maximum)
    : QSpinBox(parent)
    , m_validator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{1,8}"), QRegularExpression::CaseInsensitiveOption))
{
    setRange(minimum, maximum);
}

QValidator::State HexSpinBox::validate(QString &text, int &position) const
{
    return m_validator.validate(text, position);
}

QString HexSpinBox::textFromValue(int value) const
{
    return QString::number(quint32(value), 16).toUpper();
}

int HexSpinBox::valueFromText(const QString &text) const
{
    return int(text.toUInt(nullptr, 16));
}
