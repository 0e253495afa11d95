// The patch grid: cell colours, the device behind a clicked cell, drops and auto patch on the wire,
// alone and inside the main window on the demo rig.
#include "enginerig.h"
#include "windowrig.h"

#include "devicelist/dragtreeview.h"
#include "devicelist/mysortfilterproxymodel.h"
#include "devicelist/treemodel.h"
#include "patchgrid/devicetablewidgetitem.h"
#include "patchgrid/droptablewidget.h"
#include "patchgrid/patchgrid.h"
#include "patchgrid/patching.h"
#include "simulator/simulatedresponder.h"

#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {

constexpr quint64 uidBase = 0x7FF100000000ULL;
// Every record starts here, so a record the run must not touch shows it.
constexpr quint16 untouchedStart = 77;

// Records written as "start/footprint" per device, or "footprint" alone for one at untouchedStart; a "+" marks a
// sub-device of the root before it: "1/10, +5/2, 100/1". Roots read "Root n" from 0 with UIDs from uidBase + 1,
// sub-devices "Sub n" from 1. Each is also a responder of four channels on the rig's line.
struct Rig : EngineRig
{
    DeviceRecords devices;
    SubDeviceRecords subDevices;
    QList<DeviceRecord *> subList;

    explicit Rig(const QString &text)
    {
        ResponderDevice fourChannels;
        fourChannels.personalities = {{4, {}, {}}};
        std::shared_ptr<SimulatedResponder> responder;
        for (const QString &entry : text.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
            const bool isSub = entry.startsWith(QLatin1Char('+'));
            const QStringList numbers = entry.mid(isSub ? 1 : 0).split(QLatin1Char('/'));
            const DeviceRecord *root = isSub ? devices.back().get() : nullptr;
            auto record = std::make_unique<DeviceRecord>(
                root ? root->uid : uidBase + devices.size() + 1, root ? quint16(subDevices.count(root) + 1) : 0);
            record->dmxStartAddress = numbers.size() > 1 ? quint16(numbers.first().toUInt()) : untouchedStart;
            record->dmxFootprint = quint16(numbers.last().toUInt());
            if (root) {
                record->modelDescription = QStringLiteral("Sub %1").arg(subList.size() + 1);
                responder->state().subDevices.insert(record->subDevice, fourChannels);
                subList.append(record.get());
                subDevices.emplace(root, std::move(record));
            } else {
                record->modelDescription = QStringLiteral("Root %1").arg(devices.size());
                ResponderState state;
                state.uid = record->uid;
                state.root = fourChannels;
                responder = std::make_shared<SimulatedResponder>(state);
                interface->line().addResponder(responder);
                devices.push_back(std::move(record));
            }
        }
    }
};

// "uid:sub=data" of every DMX_START_ADDRESS SET on the bus, the UID in hex less uidBase.
QString startAddressSets(const SimulatedBackend &bus)
{
    QStringList sets;
    for (const TransferRecord &transfer : bus.transferLog()) {
        const QByteArray &bytes = transfer.data;
        if (transfer.request != 9 || bytes.size() < 26 || bytes.mid(20, 3).toHex() != "3000f0")
            continue;
        const quint64 uid = bytes.mid(3, 6).toHex().toULongLong(nullptr, 16);
        sets << QStringLiteral("%1:%2=%3")
                    .arg(uid - uidBase, 0, 16)
                    .arg(bytes.mid(18, 2).toHex().toInt(nullptr, 16))
                    .arg(QString::fromLatin1(bytes.mid(24, quint8(bytes.at(23))).toHex()));
    }
    return sets.join(QLatin1Char(' '));
}

// The colours of the cells `expected` names ("12g 13w"), in its form: w white, g/G green, b/B blue, r/R
// red, the capital for the current device.
QString colours(const QTableWidget *grid, const QString &expected)
{
    static const QMap<QRgb, QString> names {{qRgb(255, 255, 255), "w"}, {qRgb(0, 155, 0), "g"}, {qRgb(0, 255, 0), "G"},
        {qRgb(0, 0, 155), "b"}, {qRgb(0, 0, 255), "B"}, {qRgb(155, 0, 0), "r"}, {qRgb(255, 0, 0), "R"}};
    QStringList seen;
    for (const QString &probe : expected.split(QLatin1Char(' '))) {
        const int channel = probe.chopped(1).toInt();
        const QColor colour = grid->item((channel - 1) / 27, (channel - 1) % 27)->background().color();
        seen << QString::number(channel) + names.value(colour.rgb(), colour.name());
    }
    return seen.join(QLatin1Char(' '));
}

} // namespace

class TestPatchGrid : public QObject, public WindowRig
{
    Q_OBJECT

    QPoint cellCentre(int channel) const
    {
        const QTableWidget *shown = widget<QTableWidget>("tableWidgetGrid");
        return shown->visualItemRect(shown->item((channel - 1) / 27, (channel - 1) % 27)).center();
    }
    int shownStart() const { return widget<QSpinBox>("spinBoxDMXStartAdress")->value(); }
    // What the device list's drag delivers: a drop without data on the cell of the channel.
    void dropOn(int channel) const
    {
        QWidget *viewport = widget<QTableWidget>("tableWidgetGrid")->viewport();
        QMimeData nothing;
        QDragEnterEvent enter(cellCentre(channel), Qt::CopyAction, &nothing, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDropEvent drop(QPointF(cellCentre(channel)), Qt::CopyAction, &nothing, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
    }

private slots:
    void initTestCase() { QVERIFY(startSimulator("demo")); }
    void cleanup() { window.reset(); }

    // The layout follows "Root 0", which has no channels and is what the list shows selected before the click. The
    // current device is "Root 1" ("r") or the first sub-device ("s").
    void cellColoursAndTheDeviceAClickSelects_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("selected");
        QTest::newRow("509/4 fits up to 512") << "509/4" << "" << "508w 509g 512g" << 512 << "Root 1";
        QTest::newRow("510/4 runs past 512, blank last cell") << "510/4" << "" << "509w 510r 512r" << 513 << "Root 0";
        QTest::newRow("overlapping roots, nearest start wins")
            << "10/8, 12/4" << "" << "10g 12r 15r 16g 17g 18w" << 12 << "Root 2";
        QTest::newRow("smaller footprint after a nearer wide one") << "10/4, 12/20, 12/10" << "" << "31g 32w" << 12
                                                                   << "Root 3";
        QTest::newRow("own sub-device inside its root, nearer") << "1/20, +10/4" << "" << "9g 10b 13b 14g" << 11
                                                                << "Sub 1";
        QTest::newRow("another root's sub-device, free channel")
            << "1/10, 100/1, +5/2" << "" << "4g 5r 6r 7g 100g" << 30 << "Root 0";
        QTest::newRow("two sub-devices on one channel, first on a tie")
            << "1/10, +5/1, +5/1" << "" << "4g 5r 6g" << 5 << "Sub 1";
        QTest::newRow("sub-device reaching past 512 is cut") << "1/2, +511/4" << "" << "510w 511g 512g" << 512
                                                             << "Sub 1";
        QTest::newRow("start 0 with footprint 3") << "0/3" << "" << "1r 2r 3w" << 2 << "Root 1";
        QTest::newRow("current root brighter") << "1/2, 3/2" << "r" << "1G 2G 3g 4g" << 3 << "Root 2";
        QTest::newRow("current sub-device brighter") << "1/4, +1/2" << "s" << "1B 2B 3g 4g" << 1 << "Sub 1";
    }
    void cellColoursAndTheDeviceAClickSelects()
    {
        QFETCH(QString, layout);
        QFETCH(QString, current);
        QFETCH(QString, expected);
        QFETCH(int, channel);
        QFETCH(QString, selected);
        const Rig rig(QStringLiteral("0/0, ") + layout);
        DropTableWidget grid;
        const GridItems cells = setUpPatchGrid(grid);
        const DeviceRecord *currentDevice = current.isEmpty() ? nullptr
            : current == QLatin1String("r")                   ? rig.devices.at(1).get()
                                                              : rig.subList.front();
        // Painted over an earlier state, as after choosing another device.
        updateGridColors(cells, rig.devices, rig.subDevices, rig.devices.at(1).get());
        updateGridColors(cells, rig.devices, rig.subDevices, currentDevice);
        QCOMPARE(colours(&grid, expected), expected);
        resetGridColors(cells);
        QCOMPARE(colours(&grid, QStringLiteral("5w")), QStringLiteral("5w"));
        QVERIFY(cells[0]->rootDevices().isEmpty());
        // 27 numbered cells a row, the last one blank.
        QCOMPARE(grid.item(1, 0)->text() + QLatin1Char(' ') + grid.item(18, 25)->text() + grid.item(18, 26)->text(),
            QStringLiteral("28 512"));

        TreeModel model(rig.devices, rig.subDevices);
        MySortFilterProxyModel proxy;
        proxy.setSourceModel(&model);
        proxy.setSortKey(MySortFilterProxyModel::DeviceUid);
        proxy.sort(0, Qt::DescendingOrder);
        DragTreeView view;
        view.setModel(&proxy);
        view.selectionModel()->select(proxy.mapFromSource(model.index(0, 0)), QItemSelectionModel::ClearAndSelect);
        QCOMPARE(selectDeviceAtChannel(view, channel), selected != QStringLiteral("Root 0"));
        const QModelIndexList chosen = view.selectionModel()->selectedIndexes();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first().data().toString(), selected);
        QCOMPARE(view.isExpanded(chosen.first().parent()), selected.startsWith(QLatin1String("Sub")));
    }

    void autoPatchAddressesInListOrder_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("stored");
        QTest::newRow("roots end to end") << "10, 6, 16" << false << "1:0=0001 2:0=000b 3:0=0011" << "1 11 17";
        QTest::newRow("sub-devices past their root move the next root")
            << "4, +4, +4, +4, 2" << false << "1:0=0001 1:1=0001 1:2=0005 1:3=0009 2:0=000d" << "1 1 5 9 13";
        QTest::newRow("root without footprint keeps its address")
            << "0, +2, +2, 2" << false << "1:0=0001 1:1=0001 1:2=0003 2:0=0005" << "77 1 3 5";
        QTest::newRow("root without footprint after another")
            << "3, 0, +2, 2" << false << "1:0=0001 2:0=0004 2:1=0004 3:0=0006" << "1 77 4 6";
        QTest::newRow("descending order reverses") << "10, 6, 16" << true << "3:0=0001 2:0=0011 1:0=0017" << "1 17 23";
        QTest::newRow("the universe filled exactly, the next one left")
            << "256, 256, 1" << false << "1:0=0001 2:0=0101" << "1 257 77";
    }
    void autoPatchAddressesInListOrder()
    {
        QFETCH(QString, layout);
        QFETCH(bool, descending);
        QFETCH(QString, sent);
        Rig rig(layout);
        QVERIFY(rig.connected);
        TreeModel model(rig.devices, rig.subDevices);
        // Detail lines of every device: the work list must skip them.
        for (int row = 0; row < model.rowCount(); ++row) {
            const QModelIndex root = model.index(row, 0);
            model.addDetailLines(root);
            for (int child = 4; child < model.rowCount(root); ++child)
                model.addDetailLines(model.index(child, 0, root));
        }
        MySortFilterProxyModel proxy;
        proxy.setSourceModel(&model);
        proxy.setSortKey(MySortFilterProxyModel::DeviceUid);
        proxy.sort(0, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        const QList<DeviceRecord *> workList = autoPatchWorkList(proxy);
        QCOMPARE(runAutoPatch(*rig.rdm, workList), int(sent.count(QLatin1Char('='))));
        QStringList starts;
        for (const DeviceRecord *record : workList)
            starts << QString::number(record->dmxStartAddress);
        QCOMPARE(startAddressSets(rig.backend), sent);
        QTEST(starts.join(QLatin1Char(' ')), "stored");
    }

    // On the demo rig, in turn: drops, a click and the auto patch. The spot starts at 9 with 16 channels and the
    // strobe at 310, so a refusal that reset an address would show.
    void dropsClickAndAutoPatchInTheWindow()
    {
        openWindow();
        fullDiscovery();
        QTableWidget *shown = widget<QTableWidget>("tableWidgetGrid");
        QStringList boxes;
        const std::unique_ptr<QTimer> closer = closeMessageBoxes(&boxes);
        // The SETs sent, the start shown with the colour of its cell, and the messages.
        const auto drop = [&](const char *device, int channel) {
            bus()->clearTransferLog();
            boxes.clear();
            if (selectDevice(QString::fromLatin1(device)))
                dropOn(channel);
            const QString start = colours(shown, QString::number(shownStart()) + QLatin1Char('?'));
            return QStringLiteral("%1 | %2 | %3").arg(startAddressSets(*bus()), start, boxes.join(QLatin1Char('|')));
        };
        QCOMPARE(drop("Lumora Spot 300", 498), QStringLiteral(" | 9G | Not enough channels for this personality"));
        QCOMPARE(drop("Lumora Spot 300", 513), QStringLiteral(" | 9G | "));
        // The device's own answer decides what is shown: the write-protected strobe is read back.
        QCOMPARE(drop("Lumora Strobe 1500", 20), QStringLiteral("40001:0=0014 | 310G | "));
        QCOMPARE(drop("Lumora Spot 300", 497), QStringLiteral("20001:0=01f1 | 497G | "));
        QCOMPARE(colours(shown, QStringLiteral("9w 496w 512G")), QStringLiteral("9w 496w 512G"));

        // The nearest-device rules are checked above; here the click reaches the list, the overview and the grid.
        QTest::mouseClick(shown->viewport(), Qt::LeftButton, {}, cellCentre(205));
        const QModelIndexList rows = deviceList()->selectionModel()->selectedIndexes();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().data().toString(), QStringLiteral("Voltaris DM 2.5 kW module"));
        QCOMPARE(shownStart(), 205);
        QVERIFY(deviceList()->isExpanded(rows.first().parent()));
        // The silent seventh module leaves its rack's channel 206 green.
        QCOMPARE(colours(shown, QStringLiteral("1g 204b 205B 206g")), QStringLiteral("1g 204b 205B 206g"));

        bus()->clearTransferLog();
        widget<QPushButton>("pushButtonAutoPatch")->click();
        // Discovery lists by UID: the par, the spot, then the write-protected strobe that ends the run.
        QCOMPARE(startAddressSets(*bus()), QStringLiteral("10001:0=0001 20001:0=0009 40001:0=0019"));
        const QString expected = QStringLiteral("1g 8g 9g 24g 25w 310g 313g 314w 497w");
        QCOMPARE(colours(shown, expected), expected);
    }
};

QTEST_MAIN(TestPatchGrid)
#include "tst_patchgrid.moc"
