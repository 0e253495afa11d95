// Giving devices DMX start addresses: one dropped on a grid channel, or all of them in list order.
#pragma once

#include <QList>

struct DeviceRecord;
class QAbstractProxyModel;
class RDM;

enum class DropResult {
    // The blank cell after the last channel.
    NoChannel,
    // The footprint would run past channel 512; nothing was sent.
    DoesNotFit,
    // The device's answer to DEVICE_INFO is in the record.
    Stored,
    // DEVICE_INFO went unanswered; the record keeps its old values.
    NotRead,
};

// SETs the start address to the channel whatever the answer, then reads the device back.
DropResult patchDeviceAt(RDM &rdm, DeviceRecord &device, int channel);

// Every device and then its sub-devices, in the order the list shows them.
QList<DeviceRecord *> autoPatchWorkList(const QAbstractProxyModel &deviceList);
// Roots end to end from channel 1, each root's sub-devices end to end from the root's start;
// stops at the first device that does not fit or does not acknowledge. Returns how many were
// acknowledged.
int runAutoPatch(RDM &rdm, const QList<DeviceRecord *> &workList);
