// Reads every discovered device and sub-device as the main window finds them, into one report.
#include "cli/rigreport.h"

#include "rdm/devicereader.h"
#include "rdm/recordjson.h"

#include <QJsonArray>

namespace {

QJsonObject fullRecordJson(RDM &rdm, DeviceRecord &record)
{
    readFullDetails(rdm, record);
    record.detailsFetched = true;
    return deviceRecordJson(record);
}

} // namespace

QJsonObject readRigReport(RDM &rdm, const QList<quint64> &uids)
{
    QJsonArray devices;
    for (const quint64 uid : uids) {
        const std::unique_ptr<DeviceRecord> root = readDiscoveredDevice(rdm, uid);
        const std::vector<std::unique_ptr<DeviceRecord>> subDevices = discoverSubDevices(rdm, *root);
        devices.append(fullRecordJson(rdm, *root));
        for (const std::unique_ptr<DeviceRecord> &subDevice : subDevices)
            devices.append(fullRecordJson(rdm, *subDevice));
    }
    return {{QStringLiteral("devices"), devices}};
}
