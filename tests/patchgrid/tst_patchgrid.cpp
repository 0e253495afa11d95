// The patch grid: cell colours, the device behind a clicked cell, drops and auto patch on the wire.
#include "scenariorig.h"

#include "devicelist/dragtreeview.h"
#include "devicelist/mysortfilterproxymodel.h"
#include "devicelist/treemodel.h"
#include "patchgrid/devicetablewidgetitem.h"
#include "patchgrid/droptablewidget.h"
#include "patchgrid/patchgrid.h"
#include "patchgrid/patching.h"
#include "rdm/parameterids.h"
#include "rdm/rdm.h"
#include "usb/bytereader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr quint64 firstUid = 0x7FF100000001ULL;
constexpr quint8 sendPacketRequest = 9;
// Every record starts here, so a record the run must not touch shows it.
constexpr quint16 untouchedStart = 77;

// A rig written as "F" per root device, "F[f f]" for one with sub-devices of footprints f, and
// "N*F" for N equal roots: "8[4 4], 10" is a root of 8 with two sub-devices of 4, then a root of 10.
struct Rig
{
    DeviceRecords devices;
    SubDeviceRecords subDevices;

    explicit Rig(const QString &layout)
    {
        for (const QString &entry : layout.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            QString text = entry.trimmed();
            int copies = 1;
            if (text.contains(QLatin1Char('*'))) {
                copies = text.section(QLatin1Char('*'), 0, 0).toInt();
                text = text.section(QLatin1Char('*'), 1);
            }
            for (int copy = 0; copy < copies; ++copy)
                addRoot(text);
        }
    }

    void addRoot(const QString &text)
    {
        auto root = std::make_unique<DeviceRecord>(firstUid + devices.size());
        root->modelDescription = QStringLiteral("Root %1").arg(devices.size() + 1);
        root->dmxFootprint = quint16(text.section(QLatin1Char('['), 0, 0).toUInt());
        root->dmxStartAddress = untouchedStart;
        const QString subs = text.section(QLatin1Char('['), 1).chopped(text.contains(QLatin1Char('[')) ? 1 : 0);
        quint16 number = 0;
        for (const QString &footprint : subs.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            auto subDevice = std::make_unique<DeviceRecord>(root->uid, ++number);
            subDevice->modelDescription = QStringLiteral("Sub %1.%2").arg(devices.size() + 1).arg(number);
            subDevice->dmxFootprint = quint16(footprint.toUInt());
            subDevice->dmxStartAddress = untouchedStart;
            subDevices.emplace(root.get(), std::move(subDevice));
        }
        devices.push_back(std::move(root));
    }

    // The records in list order, each root followed by its sub-devices.
    QList<DeviceRecord *> all() const
    {
        QList<DeviceRecord *> records;
        for (const auto &device : devices) {
            records.append(device.get());
            const auto [first, last] = subDevices.equal_range(device.get());
            for (auto subDevice = first; subDevice != last; ++subDevice)
                records.append(subDevice->second.get());
        }
        return records;
    }

    // A simulated line holding a responder for every root, the one at `refusing` write-protected.
    QByteArray scenario(int refusing) const
    {
        QJsonArray responders;
        const QJsonArray personalities{QJsonObject{{"footprint", 4}}};
        for (size_t i = 0; i < devices.size(); ++i) {
            QJsonArray subs;
            for (int number = 1; number <= int(subDevices.count(devices[i].get())); ++number)
                subs.append(QJsonObject{{"number", number}, {"personalities", personalities}});
            QJsonObject responder{{"uid", QStringLiteral("7FF1:%1").arg(i + 1, 8, 16, QLatin1Char('0')).toUpper()},
                                  {"personalities", personalities},
                                  {"subDevices", subs}};
            if (int(i) == refusing)
                responder.insert("behaviour", QJsonObject{{"writeProtected", true}});
            responders.append(responder);
        }
        const QJsonObject unit{{"serial", "ABCDEF1"}, {"responders", responders}};
        return QJsonDocument(QJsonObject{{"interfaces", QJsonArray{unit}}}).toJson();
    }
    // scenario(refusing) written into `dir`; its path, or an empty one when the write failed.
    QString scenarioFile(const QTemporaryDir &dir, int refusing) const
    {
        QFile file(dir.filePath(QStringLiteral("rig.json")));
        if (!file.open(QIODevice::WriteOnly) || file.write(scenario(refusing)) < 0)
            return QString();
        return file.fileName();
    }
};

QString colourName(const QBrush &brush)
{
    const QColor colour = brush.color();
    if (colour == QColor(Qt::white))
        return QStringLiteral("w");
    const QMap<QRgb, QString> names{{qRgb(0, 155, 0), "g"}, {qRgb(0, 255, 0), "G"}, {qRgb(0, 0, 155), "b"},
                                    {qRgb(0, 0, 255), "B"}, {qRgb(155, 0, 0), "r"}, {qRgb(255, 0, 0), "R"}};
    return names.value(colour.rgb(), colour.name());
}

} // namespace

class TestPatchGrid : public QObject
{
    Q_OBJECT

    std::unique_ptr<DropTableWidget> grid;
    GridItems cells{};

    // "root:sub" (the 1-based root, 0 for the root itself) and the start address sent, in order.
    static QStringList startAddressesSent(const SimulatedBackend &bus)
    {
        QStringList sets;
        for (const TransferRecord &transfer : bus.transferLog()) {
            if (transfer.direction != TransferDirection::Out || transfer.request != sendPacketRequest)
                continue;
            ByteReader reader(transfer.data);
            reader.skip(3);
            const quint64 uid = reader.uid();
            reader.skip(11);
            const quint8 commandClass = reader.u8();
            const quint16 pid = reader.u16();
            const QByteArray data = reader.bytes(reader.u8());
            if (commandClass != RdmCommandClass::Set || pid != Pid::DmxStartAddress)
                continue;
            ByteReader sub(transfer.data);
            sub.skip(18);
            sets << QStringLiteral("%1:%2=%3").arg(uid - firstUid + 1).arg(sub.u16()).arg(QString::fromLatin1(data.toHex()));
        }
        return sets;
    }

private slots:
    void init()
    {
        grid = std::make_unique<DropTableWidget>();
        cells = setUpPatchGrid(*grid);
    }

    void gridHasNumberedCellsAndABlankLast()
    {
        QCOMPARE(grid->objectName(), QStringLiteral("tableWidgetGrid"));
        QCOMPARE(grid->rowCount(), 19);
        QCOMPARE(grid->columnCount(), 27);
        QCOMPARE(grid->columnWidth(0), 25);
        QCOMPARE(grid->rowHeight(0), 26);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("1"));
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
        QTest::newRow("two roots on 20") << "18/3, 20/2" << "" << "" << "18g 19g 20r 21g 22w";
        QTest::newRow("two roots on 20, other order") << "20/2, 18/3" << "" << "" << "18g 19g 20r 21g";
        QTest::newRow("own sub-device inside its root") << "1/10" << "0:5/2" << "" << "1g 4g 5b 6b 7g 10g 11w";
        QTest::newRow("another root's sub-device") << "1/10, 100/1" << "1:5/2" << "" << "4g 5r 6r 7g 100g";
        QTest::newRow("two sub-devices on one channel") << "1/10" << "0:5/1, 0:5/1" << "" << "4g 5r 6g";
        QTest::newRow("sub-device on a free channel") << "1/2" << "0:10/2" << "" << "2g 3w 10g 11g";
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
        const auto startAndFootprint = [](DeviceRecord &record, const QString &text) {
            record.dmxStartAddress = quint16(text.section(QLatin1Char('/'), 0, 0).toUInt());
            record.dmxFootprint = quint16(text.section(QLatin1Char('/'), 1).toUInt());
        };
        for (const QString &root : roots.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
            devices.push_back(std::make_unique<DeviceRecord>(firstUid + devices.size()));
            startAndFootprint(*devices.back(), root);
        }
        for (const QString &sub : subDevices.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
            const DeviceRecord *root = devices[sub.section(QLatin1Char(':'), 0, 0).toUInt()].get();
            auto record = std::make_unique<DeviceRecord>(root->uid, quint16(subList.size() + 1));
            startAndFootprint(*record, sub.section(QLatin1Char(':'), 1));
            subList.append(record.get());
            subs.emplace(root, std::move(record));
        }
        const DeviceRecord *currentDevice = nullptr;
        if (current.startsWith(QLatin1Char('r')))
            currentDevice = devices[current.mid(1).toUInt()].get();
        else if (current.startsWith(QLatin1Char('s')))
            currentDevice = subList[current.mid(1).toInt()];

        // Painted over an earlier state, as after choosing another device.
        updateGridColors(cells, devices, subs, devices.front().get());
        updateGridColors(cells, devices, subs, currentDevice);
        QStringList seen;
        for (const QString &probe : expected.split(QLatin1Char(' '))) {
            const int channel = probe.chopped(1).toInt();
            seen << QString::number(channel) + colourName(cells[size_t(channel - 1)]->background());
        }
        QCOMPARE(seen.join(QLatin1Char(' ')), expected);

        resetGridColors(cells);
        QCOMPARE(colourName(cells[0]->background()), QStringLiteral("w"));
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
        QTest::newRow("equal starts, smaller footprint") << "12/8, 12/4" << 13 << "Root 2" << false;
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
        devices.push_back(std::make_unique<DeviceRecord>(firstUid));
        devices.back()->modelDescription = QStringLiteral("Root 0");
        for (const QString &entry : layout.split(QStringLiteral(", "))) {
            const bool isSub = entry.startsWith(QLatin1Char('+'));
            const QString place = isSub ? entry.mid(1) : entry;
            auto record = std::make_unique<DeviceRecord>(firstUid + devices.size(), isSub ? 1 : 0);
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

        QTest::newRow("last four channels") << 509 << 4 << int(DropResult::Stored) << "1:0=01fd";
        QTest::newRow("one channel past 512") << 510 << 4 << int(DropResult::DoesNotFit) << "";
        QTest::newRow("blank last cell") << 513 << 0 << int(DropResult::NoChannel) << "";
        QTest::newRow("write-protected device is read back") << 20 << 4 << int(DropResult::Stored) << "2:0=0014";
    }

    void dropChecksTheFootprintFits()
    {
        QFETCH(int, channel);
        QFETCH(int, footprint);
        QFETCH(int, result);
        QFETCH(QString, sent);

        Rig rig(QStringLiteral("4, 4"));
        QTemporaryDir dir;
        ScenarioRig line(rig.scenarioFile(dir, 1));
        QVERIFY2(line.connected, qPrintable(line.error));
        RDM &rdm = *line.rdm;
        SimulatedBackend &bus = *line.bus;

        DeviceRecord &device = *rig.devices[sent.startsWith(QLatin1Char('2')) ? 1 : 0];
        device.dmxFootprint = quint16(footprint);
        bus.clearTransferLog();
        QCOMPARE(int(patchDeviceAt(rdm, device, channel)), result);
        QCOMPARE(startAddressesSent(bus).join(QLatin1Char(' ')), sent);
        // The device's own answer decides: 509 taken, the write-protected one still at 1.
        const int expectedStart = result != int(DropResult::Stored) ? untouchedStart : channel == 20 ? 1 : channel;
        QCOMPARE(int(device.dmxStartAddress), expectedStart);
    }

    void autoPatchAddressesInListOrder_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("refusing");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("stored");

        QTest::newRow("roots end to end") << "10, 6, 16" << -1 << false << "1:0=0001 2:0=000b 3:0=0011" << "1 11 17";
        QTest::newRow("sub-devices inside their root")
            << "8[4 4], 2" << -1 << false << "1:0=0001 1:1=0001 1:2=0005 2:0=0009" << "1 1 5 9";
        QTest::newRow("sub-devices past their root move the next root")
            << "4[4 4 4], 2" << -1 << false << "1:0=0001 1:1=0001 1:2=0005 1:3=0009 2:0=000d" << "1 1 5 9 13";
        QTest::newRow("root without footprint keeps its address")
            << "0[2 2], 2" << -1 << false << "1:0=0001 1:1=0001 1:2=0003 2:0=0005" << "77 1 3 5";
        QTest::newRow("root without footprint after another")
            << "3, 0[2], 2" << -1 << false << "1:0=0001 2:0=0004 2:1=0004 3:0=0006" << "1 77 4 6";
        QTest::newRow("NACK ends the run") << "10, 6, 16" << 1 << false << "1:0=0001 2:0=000b" << "1 77 77";
        QTest::newRow("NACK ends the run without footprint") << "10, 0, 16" << 1 << false << "1:0=0001 2:0=000b"
                                                             << "1 77 77";
        QTest::newRow("descending order reverses")
            << "10, 6, 16" << -1 << true << "3:0=0001 2:0=0011 1:0=0017" << "1 17 23";
    }

    void autoPatchAddressesInListOrder()
    {
        QFETCH(QString, layout);
        QFETCH(int, refusing);
        QFETCH(bool, descending);
        QFETCH(QString, sent);
        QFETCH(QString, stored);

        Rig rig(layout);
        QTemporaryDir dir;
        ScenarioRig line(rig.scenarioFile(dir, refusing));
        QVERIFY2(line.connected, qPrintable(line.error));
        RDM &rdm = *line.rdm;
        SimulatedBackend &bus = *line.bus;
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

        bus.clearTransferLog();
        const QList<DeviceRecord *> workList = autoPatchWorkList(proxy);
        const int acknowledged = runAutoPatch(rdm, workList);
        QCOMPARE(startAddressesSent(bus).join(QLatin1Char(' ')), sent);
        QCOMPARE(acknowledged, int(sent.count(QLatin1Char('=')) - (refusing >= 0 ? 1 : 0)));
        QStringList starts;
        for (const DeviceRecord *record : workList)
            starts << QString::number(record->dmxStartAddress);
        QCOMPARE(starts.join(QLatin1Char(' ')), stored);
    }

    void autoPatchFillsTheUniverseExactly()
    {
        Rig rig(QStringLiteral("129*4"));
        QTemporaryDir dir;
        ScenarioRig line(rig.scenarioFile(dir, -1));
        QVERIFY2(line.connected, qPrintable(line.error));
        RDM &rdm = *line.rdm;
        SimulatedBackend &bus = *line.bus;

        bus.clearTransferLog();
        QCOMPARE(runAutoPatch(rdm, rig.all()), 128);
        const QStringList sent = startAddressesSent(bus);
        QCOMPARE(sent.size(), 128);
        QCOMPARE(sent.last(), QStringLiteral("128:0=01fd"));
        QCOMPARE(int(rig.devices[127]->dmxStartAddress), 509);
        QCOMPARE(int(rig.devices[128]->dmxStartAddress), int(untouchedStart));
    }
};

QTEST_MAIN(TestPatchGrid)
#include "tst_patchgrid.moc"
