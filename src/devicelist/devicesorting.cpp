// The sort combo boxes of the device dock and their effect on the list's proxy.
#include "devicelist/devicesorting.h"
#include "devicelist/mysortfilterproxymodel.h"

#include <QComboBox>
#include <QCoreApplication>

namespace {

// The combo boxes are the main window's widgets, so their texts are its translations.
constexpr const char *windowContext = "Orv_RDM_Controller";

constexpr const char *directionNames[] = {
    QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Ascending"),
    QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Descending"),
};

// Indexed by MySortFilterProxyModel::SortKey.
constexpr const char *keyNames[MySortFilterProxyModel::SortKeyCount] = {
    QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Default"),      QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Device Name"),
    QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Manufacturer"), QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Device Type"),
    QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Start Address"), QT_TRANSLATE_NOOP("Orv_RDM_Controller", "Device UID"),
};

template <size_t Count>
void fill(QComboBox &box, const char *const (&names)[Count])
{
    box.clear();
    for (size_t item = 0; item < Count; ++item)
        box.addItem(QCoreApplication::translate(windowContext, names[item]), int(item));
}

void sortByKey(MySortFilterProxyModel &proxy, Qt::SortOrder order)
{
    // Column -1 puts the rows back in the model's own order.
    proxy.sort(proxy.sortKey() == MySortFilterProxyModel::DiscoveryOrder ? -1 : 0, order);
}

} // namespace

void fillSortComboBoxes(QComboBox &directionBox, QComboBox &keyBox)
{
    fill(directionBox, directionNames);
    fill(keyBox, keyNames);
}

Qt::SortOrder sortOrderOf(const QComboBox &directionBox, int index)
{
    return directionBox.itemData(index).toInt() == 0 ? Qt::AscendingOrder : Qt::DescendingOrder;
}

void chooseSortDirection(MySortFilterProxyModel *proxy, const QComboBox &directionBox, int index)
{
    if (proxy)
        sortByKey(*proxy, sortOrderOf(directionBox, index));
}

void chooseSortKey(MySortFilterProxyModel *proxy, const QComboBox &keyBox, int index, const QComboBox &directionBox)
{
    if (!proxy)
        return;
    const uint key = keyBox.itemData(index).toUInt();
    if (key <= 0xFF)
        proxy->setSortKey(quint8(key));
    sortByKey(*proxy, sortOrderOf(directionBox, directionBox.currentIndex()));
}
