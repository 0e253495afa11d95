// A table item that carries a 16-bit value, such as a PID, beside the text it shows.
#pragma once

#include <QTableWidgetItem>

class ValueTableWidgetItem : public QTableWidgetItem
{
public:
    ValueTableWidgetItem(const QString &text, quint16 value) : QTableWidgetItem(text), m_value(value) {}

    quint16 value() const { return m_value; }
    void setValue(quint16 value) { m_value = value; }

private:
    quint16 m_value;
};
