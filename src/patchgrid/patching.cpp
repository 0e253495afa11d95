// DMX start addresses sent to devices from the patch grid.
#include "patchgrid/patching.h"
#include "devicelist/treemodel.h"
#include "patchgrid/patchgrid.h"
#include "rdm/parameterids.h"
#include "rdm/rdm.h"
#include "usb/bytewriter.h"

#include <QAbstractProxyModel>

namespace {

bool fits(int start, int footprint)
{
    return start <= PatchGrid::channels && start + footprint - 1 <= PatchGrid::channels;
}

int setStartAddress(RDM &rdm, const DeviceRecord &device, int start)
{
    QByteArray data;
    ByteWriter(&data).u16(quint16(start));
    return rdm.rdmSet(device.uid, Pid::DmxStartAddress, quint8(data.size()),
                      reinterpret_cast<const quint8 *>(data.constData()), device.subDevice);
}

} // namespace

DropResult patchDeviceAt(RDM &rdm, DeviceRecord &device, int channel)
{
    if (channel < 1 || channel > PatchGrid::channels)
        return DropResult::NoChannel;
    if (!fits(channel, device.dmxFootprint))
        return DropResult::DoesNotFit;
    // A refused SET is logged by the engine; the read-back shows what the device holds.
    setStartAddress(rdm, device, channel);
    if (rdm.getDeviceInfo(device.uid, device.subDevice) < 0)
        return DropResult::NotRead;
    device.storeDeviceInfo(rdm.responseData(), rdm.responseLength());
    return DropResult::Stored;
}

QList<DeviceRecord *> autoPatchWorkList(const QAbstractProxyModel &deviceList)
{
    QList<DeviceRecord *> workList;
    const auto *model = qobject_cast<const TreeModel *>(deviceList.sourceModel());
    if (!model)
        return workList;
    for (int row = 0; row < deviceList.rowCount(); ++row) {
        const QModelIndex root = deviceList.index(row, 0);
        workList.append(model->getItem(deviceList.mapToSource(root))->device);
        for (int child = 0; child < deviceList.rowCount(root); ++child) {
            const TreeItem *node = model->getItem(deviceList.mapToSource(deviceList.index(child, 0, root)));
            if (node->type == TreeItem::Device)
                workList.append(node->device);
        }
    }
    return workList;
}

int runAutoPatch(RDM &rdm, const QList<DeviceRecord *> &workList)
{
    int nextChannel = 1;
    int subDeviceOrigin = 1;
    int acknowledged = 0;
    for (DeviceRecord *device : workList) {
        const int footprint = device->dmxFootprint;
        const bool isRoot = device->subDevice == 0;
        const int start = isRoot ? nextChannel : subDeviceOrigin;
        if (!fits(start, footprint) || setStartAddress(rdm, *device, start) < 0)
            break;
        ++acknowledged;
        if (isRoot) {
            // A root without channels lays its sub-devices from the next free channel, not over
            // the devices before it.
            subDeviceOrigin = nextChannel;
            if (footprint != 0) {
                device->dmxStartAddress = quint16(start);
                nextChannel += footprint;
            }
        } else if (footprint != 0) {
            device->dmxStartAddress = quint16(start);
            subDeviceOrigin += footprint;
            nextChannel = std::max(nextChannel, subDeviceOrigin);
        }
    }
    return acknowledged;
}
