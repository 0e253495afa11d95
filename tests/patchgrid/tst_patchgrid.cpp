// The patch grid: cell colours, the device behind a clicked cell, drops and auto patch on the wire,
// alone and inside the main window on the demo rig.
#include "scenariorig.h"
#include "windowrig.h"

#include "devicelist/dragtreeview.h"
#include "devicelist/mysortfilterproxymodel.h"
#include "devicelist/treemodel.h"
#include "patchgrid/devicetablewidgetitem.h"
#include "patchgrid/droptablewidget.h"
#include "patchgrid/patchgrid.h"
#include "patchgrid/patching.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr quint64 uidBase = 0x7FF100000000ULL;
// Every record starts here, so a record the run must not touch shows it.
constexpr quint16 untouchedStart = 77;

// A rig written as "F" per root device and "F[f f]" for one with sub-devices of footprints f:
// "8[4 4], 10" is a root of 8 with two sub-devices of 4, then a root of 10. UIDs count from uidBase + 1.
struct Rig
{
    DeviceRecords devices;
    SubDeviceRecords subDevices;
    QTemporaryDir dir;
    std::unique_ptr<ScenarioRig> line;

    // The one at `refusing` is write-protected.
    Rig(const QString &layout, int refusing)
    {
        QJsonArray responders;
        const QJsonArray personalities {QJsonObject {{"footprint", 4}}};
        for (const QString &entry : layout.split(QStringLiteral(", "))) {
            auto root = std::make_unique<DeviceRecord>(uidBase + devices.size() + 1);
            root->dmxFootprint = quint16(entry.section(QLatin1Char('['), 0, 0).toUInt());
            root->dmxStartAddress = untouchedStart;
            QJsonArray subs;
            for (const QString &footprint : entry.section(QLatin1Char('['), 1)
                                                .remove(QLatin1Char(']'))
                                                .split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                auto subDevice = std::make_unique<DeviceRecord>(root->uid, quint16(subs.size() + 1));
                subDevice->dmxFootprint = quint16(footprint.toUInt());
                subDevice->dmxStartAddress = untouchedStart;
                subDevices.emplace(root.get(), std::move(subDevice));
                subs.append(QJsonObject {{"number", subs.size() + 1}, {"personalities", personalities}});
            }
            QJsonObject responder {
                {"uid", QStringLiteral("7FF1:%1").arg(root->uid & 0xFFFFFFFF, 8, 16, QLatin1Char('0')).toUpper()},
                {"personalities", personalities}, {"subDevices", subs}};
            if (responders.size() == refusing)
                responder.insert("behaviour", QJsonObject {{"writeProtected", true}});
            responders.append(responder);
            devices.push_back(std::move(root));
        }
        QFile file(dir.filePath(QStringLiteral("rig.json")));
        const QJsonObject unit {{"serial", "ABCDEF1"}, {"responders", responders}};
        if (file.open(QIODevice::WriteOnly)
            && file.write(QJsonDocument(QJsonObject {{"interfaces", QJsonArray {unit}}}).toJson()) > 0) {
            file.close();
            line = std::make_unique<ScenarioRig>(file.fileName());
            line->bus->clearTransferLog();
        }
    }
    bool connected() const { return line && line->connected; }
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

    std::unique_ptr<DropTableWidget> grid;
    GridItems cells {};

    // The main window after a full discovery of the demo rig, its patch grid enabled.
    QTableWidget *openOnDemo()
    {
        openWindow();
        fullDiscovery();
        bus()->clearTransferLog();
        return widget<QTableWidget>("tableWidgetGrid");
    }
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
    void init()
    {
        grid = std::make_unique<DropTableWidget>();
        cells = setUpPatchGrid(*grid);
    }
    void cleanup() { window.reset(); }

    void gridHasNumberedCellsAndABlankLast()
    {
        QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("28"));
        QCOMPARE(grid->item(18, 25)->text(), QStringLiteral("512"));
        QCOMPARE(cells[511], grid->item(18, 25));
        QCOMPARE(grid->item(18, 26)->text(), QString());
    }

    void coloursFollowTheFootprints_data()
    {
        QTest::addColumn<QString>("roots");
        QTest::addColumn<QString>("subDevices");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("expected");

        // Roots "start/footprint"; sub-devices "root index:start/footprint"; current "r0" or "s0".
        QTest::newRow("509/4 fits up to 512") << "509/4" << "" << "" << "508w 509g 512g";
        QTest::newRow("510/4 runs past 512") << "510/4" << "" << "" << "509w 510r 512r";
        QTest::newRow("two roots on 20") << "20/2, 18/3" << "" << "" << "18g 19g 20r 21g 22w";
        QTest::newRow("own sub-device inside its root") << "1/10" << "0:5/2" << "" << "4g 5b 6b 7g 11w";
        QTest::newRow("another root's sub-device") << "1/10, 100/1" << "1:5/2" << "" << "4g 5r 6r 7g 100g";
        QTest::newRow("two sub-devices on one channel") << "1/10" << "0:5/1, 0:5/1" << "" << "4g 5r 6g";
        QTest::newRow("sub-device reaching past 512 is cut") << "1/2" << "0:511/4" << "" << "510w 511g 512g";
        QTest::newRow("footprint 0 paints nothing") << "7/0" << "" << "" << "6w 7w 8w";
        QTest::newRow("start 0 with footprint 3") << "0/3" << "" << "" << "1r 2r 3w";
        QTest::newRow("current root brighter") << "1/2, 3/2" << "" << "r0" << "1G 2G 3g 4g";
        QTest::newRow("current sub-device brighter") << "1/4" << "0:1/2" << "s0" << "1B 2B 3g 4g";
    }
    void coloursFollowTheFootprints()
    {
        QFETCH(QString, roots);
        QFETCH(QString, subDevices);
        QFETCH(QString, current);
        QFETCH(QString, expected);
        DeviceRecords devices;
        SubDeviceRecords subs;
        QList<DeviceRecord *> subList;
        const auto place = [](DeviceRecord &record, const QString &text) {
            record.dmxStartAddress = quint16(text.section(QLatin1Char('/'), 0, 0).toUInt());
            record.dmxFootprint = quint16(text.section(QLatin1Char('/'), 1).toUInt());
        };
        for (const QString &root : roots.split(QStringLiteral(", "))) {
            devices.push_back(std::make_unique<DeviceRecord>(uidBase + devices.size()));
            place(*devices.back(), root);
        }
        for (const QString &sub : subDevices.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
            const DeviceRecord *root = devices[sub.section(QLatin1Char(':'), 0, 0).toUInt()].get();
            auto record = std::make_unique<DeviceRecord>(root->uid, quint16(subList.size() + 1));
            place(*record, sub.section(QLatin1Char(':'), 1));
            subList.append(record.get());
            subs.emplace(root, std::move(record));
        }
        const DeviceRecord *currentDevice = current.isEmpty() ? nullptr
            : current.startsWith(QLatin1Char('r'))            ? devices.front().get()
                                                              : subList.front();
        // Painted over an earlier state, as after choosing another device.
        updateGridColors(cells, devices, subs, devices.front().get());
        updateGridColors(cells, devices, subs, currentDevice);
        QCOMPARE(colours(grid.get(), expected), expected);
        resetGridColors(cells);
        QCOMPARE(colours(grid.get(), QStringLiteral("5w")), QStringLiteral("5w"));
        QVERIFY(cells[0]->rootDevices().isEmpty());
    }

    void clickedChannelSelectsTheBestDevice_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("rootExpanded");

        // Roots "start/footprint", a sub-device of the root before it as "+start/footprint".
        QTest::newRow("nearest start wins") << "10/8, 12/4" << 12 << "Root 2" << false;
        QTest::newRow("nearest start wins, listed first") << "12/4, 10/8" << 12 << "Root 1" << false;
        QTest::newRow("smaller footprint after a nearer wide one") << "10/4, 12/20, 12/10" << 12 << "Root 3" << false;
        QTest::newRow("nearer sub-device expands its root") << "1/20, +10/4" << 11 << "Sub 1" << true;
        QTest::newRow("first device on a tie") << "5/2, 5/2" << 6 << "Root 1" << false;
        QTest::newRow("free channel changes nothing") << "10/8, 12/4" << 30 << "Root 0" << false;
        QTest::newRow("blank last cell changes nothing") << "10/8, 12/4" << 513 << "Root 0" << false;
    }
    void clickedChannelSelectsTheBestDevice()
    {
        QFETCH(QString, layout);
        QFETCH(int, channel);
        QFETCH(QString, selected);
        QFETCH(bool, rootExpanded);
        DeviceRecords devices;
        SubDeviceRecords subs;
        // A device the list shows selected before the click.
        devices.push_back(std::make_unique<DeviceRecord>(uidBase));
        devices.back()->modelDescription = QStringLiteral("Root 0");
        for (const QString &entry : layout.split(QStringLiteral(", "))) {
            const bool isSub = entry.startsWith(QLatin1Char('+'));
            const QString place = isSub ? entry.mid(1) : entry;
            auto record = std::make_unique<DeviceRecord>(uidBase + devices.size(), isSub ? 1 : 0);
            record->dmxStartAddress = quint16(place.section(QLatin1Char('/'), 0, 0).toUInt());
            record->dmxFootprint = quint16(place.section(QLatin1Char('/'), 1).toUInt());
            record->modelDescription = isSub ? QStringLiteral("Sub 1") : QStringLiteral("Root %1").arg(devices.size());
            if (isSub)
                subs.emplace(devices.back().get(), std::move(record));
            else
                devices.push_back(std::move(record));
        }
        TreeModel model(devices, subs);
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
        QCOMPARE(view.isExpanded(chosen.first().parent()), rootExpanded);
    }

    void dropChecksTheFootprintFits_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("footprint");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<int>("start");
        QTest::newRow("last four channels") << 509 << 4 << int(DropResult::Stored) << "1:0=01fd" << 509;
        QTest::newRow("one channel past 512") << 510 << 4 << int(DropResult::DoesNotFit) << "" << 77;
        QTest::newRow("blank last cell") << 513 << 0 << int(DropResult::NoChannel) << "" << 77;
        // The device's own answer decides.
        QTest::newRow("write-protected device is read back") << 20 << 4 << int(DropResult::Stored) << "2:0=0014" << 1;
    }
    void dropChecksTheFootprintFits()
    {
        QFETCH(int, channel);
        QFETCH(int, footprint);
        QFETCH(QString, sent);
        Rig rig(QStringLiteral("4, 4"), 1);
        QVERIFY(rig.connected());
        DeviceRecord &device = *rig.devices[sent.startsWith(QLatin1Char('2')) ? 1 : 0];
        device.dmxFootprint = quint16(footprint);
        QTEST(int(patchDeviceAt(*rig.line->rdm, device, channel)), "result");
        QCOMPARE(startAddressSets(*rig.line->bus), sent);
        QTEST(int(device.dmxStartAddress), "start");
    }

    void autoPatchAddressesInListOrder_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("refusing");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("stored");
        QTest::newRow("roots end to end") << "10, 6, 16" << -1 << false << "1:0=0001 2:0=000b 3:0=0011" << "1 11 17";
        QTest::newRow("sub-devices past their root move the next root")
            << "4[4 4 4], 2" << -1 << false << "1:0=0001 1:1=0001 1:2=0005 1:3=0009 2:0=000d" << "1 1 5 9 13";
        QTest::newRow("root without footprint keeps its address")
            << "0[2 2], 2" << -1 << false << "1:0=0001 1:1=0001 1:2=0003 2:0=0005" << "77 1 3 5";
        QTest::newRow("root without footprint after another")
            << "3, 0[2], 2" << -1 << false << "1:0=0001 2:0=0004 2:1=0004 3:0=0006" << "1 77 4 6";
        QTest::newRow("NACK ends the run") << "10, 6, 16" << 1 << false << "1:0=0001 2:0=000b" << "1 77 77";
        QTest::newRow("NACK ends the run without footprint") << "10, 0, 16" << 1 << false << "1:0=0001 2:0=000b"
                                                             << "1 77 77";
        QTest::newRow("descending order reverses") << "10, 6, 16" << -1 << true << "3:0=0001 2:0=0011 1:0=0017"
                                                   << "1 17 23";
        QTest::newRow("the universe filled exactly, the next one left")
            << QStringList(129, QStringLiteral("4")).join(QStringLiteral(", ")) << -1 << false << "" << "";
    }
    void autoPatchAddressesInListOrder()
    {
        QFETCH(QString, layout);
        QFETCH(int, refusing);
        QFETCH(bool, descending);
        QFETCH(QString, sent);
        QFETCH(QString, stored);
        Rig rig(layout, refusing);
        QVERIFY(rig.connected());
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
        const int acknowledged = runAutoPatch(*rig.line->rdm, workList);
        QStringList starts;
        for (const DeviceRecord *record : workList)
            starts << QString::number(record->dmxStartAddress);
        if (sent.isEmpty()) {
            QCOMPARE(acknowledged, 128);
            QCOMPARE(startAddressSets(*rig.line->bus).split(QLatin1Char(' ')).last(), QStringLiteral("80:0=01fd"));
            QCOMPARE(starts.mid(127).join(QLatin1Char(' ')), QStringLiteral("509 77"));
            return;
        }
        QCOMPARE(startAddressSets(*rig.line->bus), sent);
        QCOMPARE(acknowledged, int(sent.count(QLatin1Char('=')) - (refusing >= 0 ? 1 : 0)));
        QCOMPARE(starts.join(QLatin1Char(' ')), stored);
    }

    void theDemoRigShowsItsFootprints()
    {
        // The par is selected after discovery: 8 channels from 1. The bars overlap from 112 to 123;
        // the dimmer modules share their rack's channels, where the silent seventh leaves 206 green.
        const QString expected = QStringLiteral("1G 8G 9g 24g 25w 111g 112r 123r 124g 135g 136w 200b 205b 206g 207b "
                                                "211b 212w 300g 313g 314w 512w");
        QCOMPARE(colours(openOnDemo(), expected), expected);
    }

    void clickingACellInTheWindowSelectsItsDevice_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("rootExpanded");
        QTest::addColumn<QString>("brightCells");
        QTest::newRow("the bar starting nearer wins the overlap")
            << 113 << "Lumora PixelBar 8" << 112 << false << "112R 124G 100g";
        QTest::newRow("a dimmer module beats its rack")
            << 205 << "Voltaris DM 2.5 kW module" << 205 << true << "204b 205B 206g";
        QTest::newRow("the blank cell keeps the par") << 513 << "Lumora Par 7 RGBW" << 1 << false << "1G 512w";
    }
    void clickingACellInTheWindowSelectsItsDevice()
    {
        QFETCH(int, channel);
        QFETCH(QString, brightCells);
        QTableWidget *shown = openOnDemo();
        QTest::mouseClick(shown->viewport(), Qt::LeftButton, {}, cellCentre(channel));
        const QModelIndexList rows = deviceList()->selectionModel()->selectedIndexes();
        QCOMPARE(rows.size(), 1);
        QTEST(rows.first().data().toString(), "selected");
        QTEST(shownStart(), "start");
        QTEST(deviceList()->isExpanded(rows.first().parent()), "rootExpanded");
        QCOMPARE(colours(shown, brightCells), brightCells);
    }

    void droppingInTheWindowMovesTheSelectedDevice_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("message");
        QTest::newRow("last channels the par fits on") << 505 << "10001:0=01f9" << 505 << "";
        QTest::newRow("one channel too far") << 506 << "" << 1 << "Not enough channels for this personality";
    }
    void droppingInTheWindowMovesTheSelectedDevice()
    {
        QFETCH(int, channel);
        QFETCH(QString, sent);
        QFETCH(int, start);
        QFETCH(QString, message);
        QTableWidget *shown = openOnDemo();
        QStringList boxes;
        const std::unique_ptr<QTimer> closer = closeMessageBoxes(&boxes);
        dropOn(channel);
        QCOMPARE(boxes.join(QLatin1Char('|')), message);
        QCOMPARE(startAddressSets(*bus()), sent);
        QCOMPARE(shownStart(), start);
        // The responder holds what it was sent: the read-back put it into the view.
        const QString cells = start == 1 ? QStringLiteral("1G") : QStringLiteral("%1G 1w").arg(start);
        QCOMPARE(colours(shown, cells), cells);
        // The demo rig lives as long as the process: the par goes back for the next test.
        if (start != 1) {
            dropOn(1);
            QCOMPARE(shownStart(), 1);
        }
    }

    void autoPatchInTheWindowStopsAtTheFirstRefusal()
    {
        QTableWidget *shown = openOnDemo();
        widget<QPushButton>("pushButtonAutoPatch")->click();
        // Discovery lists by UID: the par, the spot, then the write-protected strobe that ends the run.
        QCOMPARE(startAddressSets(*bus()), QStringLiteral("10001:0=0001 20001:0=0009 40001:0=0019"));
        const QString expected = QStringLiteral("1G 8G 9g 24g 25w 310g 313g 314w");
        QCOMPARE(colours(shown, expected), expected);
    }
};

QTEST_MAIN(TestPatchGrid)
#include "tst_patchgrid.moc"
