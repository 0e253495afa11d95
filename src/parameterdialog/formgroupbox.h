// One free-form field row of the parameter dialog: a group box that knows its field's type.
#pragma once

#include <QGroupBox>

class FormGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit FormGroupBox(QWidget *parent = nullptr);

    // The field's parameter data type code (DataType).
    quint8 dataType() const { return m_dataType; }
    void setDataType(quint8 dataType) { m_dataType = dataType; }
    // Whether the value is entered in hexadecimal.
    bool isHex() const { return m_hex; }
    void setHex(bool hex) { m_hex = hex; }

private:
    quint8 m_dataType = 0;
    bool m_hex = false;
};
