// What the dock's two sort combo boxes do to the device list.
#pragma once

#include <Qt>

class MySortFilterProxyModel;
class QComboBox;

// Fills the direction box ("Ascending", "Descending") and the key box ("Default" to "Device UID")
// with their texts and item data.
void fillSortComboBoxes(QComboBox &directionBox, QComboBox &keyBox);
// Item data 0 is ascending; anything else descending.
Qt::SortOrder sortOrderOf(const QComboBox &directionBox, int index);
// A direction chosen: key 0 keeps the model's own order.
void chooseSortDirection(MySortFilterProxyModel *proxy, const QComboBox &directionBox, int index);
// A key chosen, sorted in the direction the direction box shows.
void chooseSortKey(MySortFilterProxyModel *proxy, const QComboBox &keyBox, int index, const QComboBox &directionBox);
