// Reads every discovered device and sub-device as the main window finds them, into one report.
#include "cli/rigreport.h"

#include "rdm/devicereader.h"
#include "rdm/recordjson.h"

#include <QJsonArray>
#include <algorithm>

namespace {

QJsonObject fullRecordJson(RDM &rdm, DeviceRecord &record)
{
    QStringList failedGets;
    const bool answered = readFullDetails(rdm, record, &failedGets) == 0;
    record.detailsFetched = answered;
    QJsonObject json = deviceRecordJson(record);
    json.insert(QStringLiteral("answered"), answered);
    json.insert(QStringLiteral("failedGets"), QJsonArray::fromStringList(failedGets));
    return json;
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

bool everyDeviceAnswered(const QJsonObject &report)
{
    const QJsonArray devices = report.value(QStringLiteral("devices")).toArray();
    return std::all_of(devices.cbegin(), devices.cend(),
                       [](const QJsonValue &device) { return device[QStringLiteral("answered")].toBool(); });
}
