// The 512-channel patch grid: its cells, their footprint colours and the device a cell stands for.
#pragma once

#include "devicelist/devicerecords.h"

#include <array>

class DeviceTableWidgetItem;
class DropTableWidget;
class QTreeView;

namespace PatchGrid {
constexpr int rows = 19;
constexpr int columns = 27;
constexpr int channels = 512;
} // namespace PatchGrid

// The cells of channels 1 to 512, owned by the grid.
using GridItems = std::array<DeviceTableWidgetItem *, PatchGrid::channels>;

// Channels run row by row from 1; the cell after channel 512 is blank.
constexpr int channelAt(int row, int column)
{
    return row * PatchGrid::columns + column + 1;
}

// Look, geometry, drop behaviour and the 513 numbered cells of a new grid.
GridItems setUpPatchGrid(DropTableWidget &grid);

// Every cell white and without devices.
void resetGridColors(const GridItems &cells);
// Green where one device takes a channel, blue where a sub-device shares its own root's channel,
// red where devices collide or a root does not fit; the current device's cells brighter.
void updateGridColors(const GridItems &cells, const DeviceRecords &devices, const SubDeviceRecords &subDevices,
                      const DeviceRecord *currentDevice);

// Selects in the device list the device whose footprint starts nearest below the channel (the
// smaller footprint on a tie) and expands its root when it is a sub-device. False, and the list
// left alone, when no device covers the channel.
bool selectDeviceAtChannel(QTreeView &deviceList, int channel);
