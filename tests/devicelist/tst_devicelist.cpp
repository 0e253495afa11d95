// The device list: tree model, sorting proxy and drag view over the demo rig's records.
#include "scenariorig.h"

#include "devicelist/devicesorting.h"
#include "devicelist/dragtreeview.h"
#include "devicelist/mysortfilterproxymodel.h"
#include "devicelist/treemodel.h"
#include "rdm/devicereader.h"
#include "rdm/rdm.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDrag>
#include <QtTest>

namespace {

constexpr int rackRow = 2;

// Devices by their label (the two bars share a model description), detail lines by their text.
QStringList rowTexts(const MySortFilterProxyModel &proxy, const QModelIndex &parent = QModelIndex())
{
    const auto &tree = static_cast<const TreeModel &>(*proxy.sourceModel());
    QStringList texts;
    for (int row = 0; row < proxy.rowCount(parent); ++row) {
        const QModelIndex index = proxy.index(row, 0, parent);
        const TreeItem *node = tree.getItem(proxy.mapToSource(index));
        texts << (node->type == TreeItem::Device ? node->device->deviceLabel : proxy.data(index).toString());
    }
    return texts;
}

} // namespace

class TestDeviceList : public QObject
{
    Q_OBJECT

    DeviceRecords devices;
    SubDeviceRecords subDevices;

private slots:
    // The rig is read once, the way the window reads it; every test builds its own model.
    void initTestCase()
    {
        const ScenarioRig demo(QStringLiteral("demo"));
        QVERIFY2(demo.connected, qPrintable(demo.error));
        RDM &rdm = *demo.rdm;
        for (const auto &responder : demo.bus->interfaceAt(0).line().responders()) {
            std::unique_ptr<DeviceRecord> root = readDiscoveredDevice(rdm, responder->uid());
            readFullDetails(rdm, *root);
            for (std::unique_ptr<DeviceRecord> &subDevice : discoverSubDevices(rdm, *root)) {
                readFullDetails(rdm, *subDevice);
                subDevices.emplace(root.get(), std::move(subDevice));
            }
            devices.push_back(std::move(root));
        }
        QCOMPARE(devices.size(), size_t(8));
        QCOMPARE(subDevices.count(devices[rackRow].get()), size_t(11));
    }

    void passesTheModelTesterThroughEveryChange()
    {
        TreeModel model(devices, subDevices);
        QAbstractItemModelTester modelTester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        MySortFilterProxyModel proxy;
        proxy.setSourceModel(&model);
        QAbstractItemModelTester proxyTester(&proxy, QAbstractItemModelTester::FailureReportingMode::Fatal);

        model.addDetailLinesToFirstDevice();
        // A refresh follows only the start and the footprint, and reports every row of the three levels.
        DeviceRecord &par = *devices.front();
        const DeviceRecord before = par;
        par.uid = 0x123;
        par.modelDescription = QStringLiteral("Renamed");
        par.dmxStartAddress = 0;
        par.dmxFootprint = 8;
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        model.refreshAllDetailLines(QModelIndex());
        const QStringList texts = rowTexts(proxy, proxy.index(0, 0));
        par = before;
        QCOMPARE(texts,
            (QStringList {"UID: 0x7ff100010001", "Desc: Lumora Par 7 RGBW", "DMX Start: N/A", "DMX Footprint: 8"}));
        QCOMPARE(changes.count(), 8 + 4 + 11);

        const QModelIndex rack = model.index(rackRow, 0);
        model.addDetailLines(rack);
        model.addDetailLines(model.index(4, 0, rack));
        DeviceRecord added(0x7FF100090001ULL);
        model.addDevice(&added, QModelIndex());
        model.addDetailLines(model.index(model.rowCount() - 1, 0));
        model.refreshAllDetailLines(QModelIndex());
        model.refreshDetailLines(rack);
        for (quint8 key = 0; key < MySortFilterProxyModel::SortKeyCount; ++key) {
            proxy.setSortKey(key);
            proxy.sort(key == 0 ? -1 : 0, Qt::AscendingOrder);
            proxy.sort(key == 0 ? -1 : 0, Qt::DescendingOrder);
        }
        // A key past the last is refused and leaves the last one chosen.
        proxy.setSortKey(MySortFilterProxyModel::SortKeyCount);
        QCOMPARE(proxy.sortKey(), quint8(MySortFilterProxyModel::SortKeyCount - 1));
        // Rows from the first to the last can go; one before the first or past the last refuses the call.
        QVERIFY(!model.removeRows(-1, 1, rack));
        QVERIFY(model.removeRows(0, 2, rack));
        QVERIFY(!model.removeRows(11, 3, rack));
        QVERIFY(model.removeRows(11, 2, rack));
        QCOMPARE(model.rowCount(rack), 11);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Devices:"));
    }

    // Devices by their place in discovery: 0 Stage left par, 1 Truss 1 spot, 2 Dimmer rack A, 3 Upstage hazer,
    // 4 Distro monitor, 5 Locked at the front panel, 6 Downstage bar, 7 Upstage bar (the bars share a model).
    void sortsEachLevelKeepingDetailLinesAbove_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("devicesInOrder");
        QTest::addColumn<bool>("subDevicesReversed");
        QTest::newRow("default descending keeps discovery order") << 0 << 1 << "0 1 2 3 4 5 6 7" << false;
        QTest::newRow("name ascending") << 1 << 0 << "0 6 7 1 5 3 4 2" << false;
        QTest::newRow("name descending keeps equal names in order") << 1 << 1 << "2 4 3 5 1 6 7 0" << false;
        QTest::newRow("manufacturer ascending") << 2 << 0 << "0 1 5 6 7 3 2 4" << false;
        QTest::newRow("type ascending") << 3 << 0 << "0 5 1 3 2 6 7 4" << false;
        QTest::newRow("start address ascending puts no address first") << 4 << 0 << "4 0 1 6 7 2 3 5" << false;
        QTest::newRow("start address descending") << 4 << 1 << "5 3 2 7 6 1 0 4" << true;
        QTest::newRow("UID descending") << 5 << 1 << "3 4 2 7 6 5 1 0" << false;
    }

    void sortsEachLevelKeepingDetailLinesAbove()
    {
        QFETCH(int, key);
        QFETCH(int, direction);
        QFETCH(bool, subDevicesReversed);

        TreeModel model(devices, subDevices);
        MySortFilterProxyModel proxy;
        proxy.setSourceModel(&model);
        QComboBox directionBox;
        QComboBox keyBox;
        fillSortComboBoxes(directionBox, keyBox);
        // Expanded before and after the sort: both must end above the sub-devices, and only once.
        model.addDetailLines(model.index(rackRow, 0));
        model.addDetailLines(model.index(rackRow, 0));
        directionBox.setCurrentIndex(direction);
        chooseSortKey(&proxy, keyBox, key, directionBox);
        chooseSortDirection(&proxy, directionBox, direction);
        model.addDetailLines(model.index(0, 0, model.index(rackRow, 0)).siblingAtRow(4));

        QStringList labels;
        for (const std::unique_ptr<DeviceRecord> &device : devices)
            labels << device->deviceLabel;
        QStringList order;
        for (const QString &label : rowTexts(proxy))
            order << QString::number(labels.indexOf(label));
        QTEST(order.join(QLatin1Char(' ')), "devicesInOrder");
        QStringList dimmers;
        for (int number : {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12})
            dimmers << QStringLiteral("Dimmer %1").arg(number);
        if (subDevicesReversed)
            std::reverse(dimmers.begin(), dimmers.end());
        const QStringList details {
            "UID: 0x7ff200000a01", "Desc: Voltaris Rack 12", "DMX Start: 200", "DMX Footprint: 12"};
        const QModelIndex rack = proxy.index(int(order.indexOf(QString::number(rackRow))), 0);
        QCOMPARE(rowTexts(proxy, rack), details + dimmers);
        const QModelIndex firstDimmer = proxy.index(subDevicesReversed ? 14 : 4, 0, rack);
        QCOMPARE(rowTexts(proxy, firstDimmer).join(QStringLiteral(", ")),
            QStringLiteral("UID: 0x7ff200000a01, Desc: Voltaris DM 2.5 kW module, DMX Start: 200, "
                           "DMX Footprint: 1"));
    }

    void dragStartsOnlyFromADevice_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("onDetailLine");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("drag");
        const QString copy = QStringLiteral("copy without data");
        QTest::newRow("device with the left button") << 1 << false << Qt::LeftButton << copy;
        QTest::newRow("device with the right button") << 1 << false << Qt::RightButton << QString();
        QTest::newRow("detail line") << 1 << true << Qt::LeftButton << QString();
        QTest::newRow("empty space below the rows") << -1 << false << Qt::LeftButton << QString();
    }

    void dragStartsOnlyFromADevice()
    {
        QFETCH(int, row);
        QFETCH(bool, onDetailLine);
        QFETCH(Qt::MouseButton, button);

        TreeModel model(devices, subDevices);
        MySortFilterProxyModel proxy;
        proxy.setSourceModel(&model);
        DragTreeView view;
        view.setModel(&proxy);
        view.setSelectionMode(QAbstractItemView::SingleSelection);
        view.setDragDropMode(QAbstractItemView::DragOnly);
        view.resize(208, 360);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // A device selected before the press must not be what a press elsewhere drags.
        view.setCurrentIndex(proxy.index(0, 0));
        model.addDetailLines(model.index(1, 0));
        view.expandAll();

        QModelIndex target = proxy.index(row, 0);
        if (onDetailLine)
            target = proxy.index(0, 0, target);
        const QPoint press =
            target.isValid() ? view.visualRect(target).center() : QPoint(10, view.viewport()->height() - 5);
        QString drag;
        // A running drag holds its own event loop until the pointer is released.
        QTimer::singleShot(0, &view, [&] {
            if (auto *running = view.findChild<QDrag *>()) {
                const bool plainCopy = running->supportedActions() == Qt::CopyAction && running->mimeData()
                    && running->mimeData()->formats().isEmpty();
                drag = plainCopy ? QStringLiteral("copy without data") : QStringLiteral("another drag");
                QTest::keyClick(&view, Qt::Key_Escape);
            }
        });
        QTest::mousePress(view.viewport(), button, {}, press);
        QMouseEvent move(QEvent::MouseMove, press + QPoint(1, 1), view.viewport()->mapToGlobal(press + QPoint(1, 1)),
            Qt::NoButton, button, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &move);
        QCoreApplication::processEvents();
        QTEST(drag, "drag");
        QTest::mouseRelease(view.viewport(), button, {}, press);
    }
};

QTEST_MAIN(TestDeviceList)
#include "tst_devicelist.moc"
