// Patch grid cells.
#include "patchgrid/devicetablewidgetitem.h"

DeviceTableWidgetItem::DeviceTableWidgetItem(const QString &text)
    : QTableWidgetItem(text, QTableWidgetItem::Type)
{
}
