// The discovered devices as the main window owns them and the device list and patch grid read them.
#pragma once

#include "rdm/devicerecord.h"

#include <map>
#include <memory>
#include <vector>

// Root devices in discovery order.
using DeviceRecords = std::vector<std::unique_ptr<DeviceRecord>>;
// Sub-devices under their root's record; a multimap keeps equal keys in insertion order, which is
// ascending sub-device number.
using SubDeviceRecords = std::multimap<const DeviceRecord *, std::unique_ptr<DeviceRecord>>;
