// Device list cost: building the model and proxy for a large rig and sorting it by every key.
#include "devicelist/mysortfilterproxymodel.h"
#include "devicelist/treemodel.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

constexpr int rootCount = 1000;
constexpr int expandedCount = 100;
constexpr int rounds = 5;
constexpr double goalMilliseconds = 10.0;

// Names, makers, types and addresses that repeat and collide as on a real rig.
void makeRig(DeviceRecords &devices, SubDeviceRecords &subDevices)
{
    static const char *const makers[] = {"Lumora Lighting", "Voltaris Power", "Nebelwerk FX", "Äsko Stage"};
    for (int i = 0; i < rootCount; ++i) {
        auto root = std::make_unique<DeviceRecord>(0x7FF100000000ULL + quint64((i * 7919) % 100003));
        root->modelDescription = QStringLiteral("Fixture %1 model %2").arg(i % 37).arg(i % 11);
        root->manufacturerLabel = QString::fromUtf8(makers[i % 4]);
        root->productCategory = quint16(0x0100 + (i % 13));
        root->dmxStartAddress = quint16((i * 37) % 513);
        root->dmxFootprint = quint16(1 + i % 24);
        auto subDevice = std::make_unique<DeviceRecord>(root->uid, 1);
        subDevice->modelDescription = QStringLiteral("Module %1").arg(i % 17);
        subDevice->manufacturerLabel = root->manufacturerLabel;
        subDevice->dmxStartAddress = quint16((i * 11) % 513);
        subDevices.emplace(root.get(), std::move(subDevice));
        devices.push_back(std::move(root));
    }
}

// What a view showing every row asks of the proxy, so every level is really sorted.
int visitAll(const QAbstractItemModel &model, const QModelIndex &parent = QModelIndex())
{
    int rows = model.rowCount(parent);
    for (int row = 0, count = rows; row < count; ++row)
        rows += visitAll(model, model.index(row, 0, parent));
    return rows;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    DeviceRecords devices;
    SubDeviceRecords subDevices;
    makeRig(devices, subDevices);

    double worst = 0;
    int expectedRows = 0;
    for (quint8 key = 0; key < MySortFilterProxyModel::SortKeyCount; ++key) {
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            double total = 0;
            for (int round = 0; round < rounds; ++round) {
                const auto start = std::chrono::steady_clock::now();
                TreeModel model(devices, subDevices);
                for (int row = 0; row < expandedCount; ++row)
                    model.addDetailLines(model.index(row * (rootCount / expandedCount), 0));
                MySortFilterProxyModel proxy;
                proxy.setSourceModel(&model);
                proxy.setSortKey(key);
                proxy.sort(key == MySortFilterProxyModel::DiscoveryOrder ? -1 : 0, order);
                const int rows = visitAll(proxy);
                total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                if (expectedRows == 0)
                    expectedRows = rows;
                if (rows != expectedRows) {
                    std::fprintf(stderr, "key %d shows %d rows instead of %d\n", key, rows, expectedRows);
                    return 1;
                }
            }
            const double mean = total / rounds;
            worst = std::max(worst, mean);
            std::printf("key %d %s: %.2f ms per build+sort of %d rows\n", key,
                        order == Qt::AscendingOrder ? "ascending " : "descending", mean, expectedRows);
        }
    }
    std::printf("goal: %.0f ms\n", goalMilliseconds);
    std::printf("worst build+sort: %.2f ms\n", worst);
    return worst <= goalMilliseconds ? 0 : 1;
}
