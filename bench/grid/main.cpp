// Patch grid cost: recolouring a full universe of 512 single-channel devices, each with a
// sub-device on its channel.
#include "patchgrid/droptablewidget.h"
#include "patchgrid/patchgrid.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

constexpr int recolours = 2000;
constexpr double goalMilliseconds = 1.0;

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    DeviceRecords devices;
    SubDeviceRecords subDevices;
    for (int channel = 1; channel <= PatchGrid::channels; ++channel) {
        auto root = std::make_unique<DeviceRecord>(0x7FF100000000ULL + quint64(channel));
        root->dmxStartAddress = quint16(channel);
        root->dmxFootprint = 1;
        auto subDevice = std::make_unique<DeviceRecord>(root->uid, 1);
        subDevice->dmxStartAddress = quint16(channel);
        subDevice->dmxFootprint = 1;
        subDevices.emplace(root.get(), std::move(subDevice));
        devices.push_back(std::move(root));
    }
    DropTableWidget grid;
    const GridItems cells = setUpPatchGrid(grid);
    grid.show();

    // Another device chosen in the list: two cells change brightness.
    Clock::duration selecting{};
    for (int i = 0; i < recolours; ++i) {
        const auto start = Clock::now();
        updateGridColors(cells, devices, subDevices, devices[size_t(i % PatchGrid::channels)].get());
        selecting += Clock::now() - start;
    }
    // After a white grid (no device shown): every cell changes colour.
    Clock::duration repainting{};
    for (int i = 0; i < recolours; ++i) {
        resetGridColors(cells);
        const auto start = Clock::now();
        updateGridColors(cells, devices, subDevices, devices[size_t(i % PatchGrid::channels)].get());
        repainting += Clock::now() - start;
    }
    application.processEvents();

    const double perSelection = milliseconds(selecting) / recolours;
    const double perRepaint = milliseconds(repainting) / recolours;
    std::printf("records: %zu roots, %zu sub-devices\n", devices.size(), subDevices.size());
    std::printf("recolour after another device is chosen: %.3f ms\n", perSelection);
    std::printf("recolour of a white grid: %.3f ms\n", perRepaint);
    std::printf("goal: %.0f ms\n", goalMilliseconds);
    std::printf("worst recolour: %.3f ms\n", std::max(perSelection, perRepaint));
    return std::max(perSelection, perRepaint) <= goalMilliseconds ? 0 : 1;
}
