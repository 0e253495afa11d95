// A spin box whose text is hexadecimal.
#pragma once

#include <QRegularExpressionValidator>
#include <QSpinBox>

class HexSpinBox : public QSpinBox
{
    Q_OBJECT

public:
    HexSpinBox(QWidget *parent, int minimum, int maximum);

    QValidator::State validate(QString &text, int &position) const override;
    // Upper-case digits without prefix or padding; a negative value shows its 32-bit two's complement,
    // which the validator accepts and valueFromText reads back.
    QString textFromValue(int value) const override;
    int valueFromText(const QString &text) const override;

private:
    QRegularExpressionValidator m_validator;
};
