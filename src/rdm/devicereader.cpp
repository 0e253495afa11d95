// The GET sequences that fill device records: discovery's first look, sub-devices and the full read.
#include "rdm/devicereader.h"

#include "rdm/parameterids.h"
#include "rdm/rdm.h"
#include "rdm/standardparameters.h"

#include <QCoreApplication>

namespace {

constexpr quint16 lastSubDevice = 512;

using Request = int (RDM::*)(quint64 uid, quint16 subDevice);
using Store = void (DeviceRecord::*)(const quint8 *data, int length);

struct Reading
{
    Request request;
    Store store;
};

// A request succeeded when it returned 0 or a data length.
bool readInto(RDM &rdm, DeviceRecord &record, const Reading &reading)
{
    if ((rdm.*reading.request)(record.uid, record.subDevice) < 0)
        return false;
    (record.*reading.store)(rdm.responseData(), rdm.responseLength());
    return true;
}

void readAll(RDM &rdm, DeviceRecord &record, std::initializer_list<Reading> readings)
{
    for (const Reading &reading : readings)
        readInto(rdm, record, reading);
}

void readPersonalities(RDM &rdm, DeviceRecord &record)
{
    readInto(rdm, record, {&RDM::getDmxPersonality, &DeviceRecord::storePersonalities});
    for (int personality = 1; personality <= record.personalityCount; ++personality) {
        if (rdm.getPersonalityDescription(record.uid, record.subDevice, quint8(personality)) >= 0)
            record.storePersonalityDescription(rdm.responseData(), rdm.responseLength());
    }
}


void readSensors(RDM &rdm, DeviceRecord &record)
{
    for (int sensor = 0; sensor < record.sensorCount; ++sensor) {
        if (rdm.getSensorDefinition(record.uid, record.subDevice, quint8(sensor)) >= 0)
            record.storeSensorDefinition(rdm.responseData(), rdm.responseLength());
        if (rdm.getSensorValue(record.uid, record.subDevice, quint8(sensor)) >= 0)
            record.storeSensorValue(rdm.responseData(), rdm.responseLength());
    }
}

} // namespace

void readParameters(RDM &rdm, DeviceRecord &record)
{
    if (!readInto(rdm, record, {&RDM::getSupportedParameters, &DeviceRecord::storeSupportedParameters}))
        return;
    std::vector<quint16> pids;
    for (const auto &entry : record.parameters)
        pids.push_back(entry.first);
    for (const quint16 pid : pids) {
        if (!isManufacturerSpecificPid(pid))
            applyStandardDescription(record, pid);
        else if (rdm.getParameterDescription(record.uid, record.subDevice, pid) >= 0)
            record.storeParameterDescription(rdm.responseData(), rdm.responseLength());
    }
}

QString modelDescriptionFallback(const DeviceRecord &record)
{
    if (record.subDevice != 0)
        return QCoreApplication::translate("RDM", "Sub-device") + QLatin1Char(' ') + QString::number(record.subDevice);
    return QStringLiteral("UID: 0x") + QString::number(record.uid, 16);
}

int readModelDescription(RDM &rdm, DeviceRecord &record)
{
    const int result = rdm.getDeviceModelDescription(record.uid, record.subDevice);
    if (result >= 0)
        record.setModelDescription(rdm.responseData(), rdm.responseLength());
    else
        record.modelDescription = modelDescriptionFallback(record);
    return result;
}

std::unique_ptr<DeviceRecord> readDiscoveredDevice(RDM &rdm, quint64 uid)
{
    auto record = std::make_unique<DeviceRecord>(uid);
    readModelDescription(rdm, *record);
    readInto(rdm, *record, {&RDM::getDeviceInfo, &DeviceRecord::storeDeviceInfo});
    return record;
}

int readFullDetails(RDM &rdm, DeviceRecord &record)
{
    const int deviceInfo = rdm.getDeviceInfo(record.uid, record.subDevice);
    if (deviceInfo == 0)
        record.storeDeviceInfo(rdm.responseData(), rdm.responseLength());
    readAll(rdm, record, {
        {&RDM::getDeviceLabel, &DeviceRecord::setDeviceLabel},
        {&RDM::getSoftwareVersionLabel, &DeviceRecord::setSoftwareVersionLabel},
        {&RDM::getManufacturerLabel, &DeviceRecord::setManufacturerLabel},
    });
    readPersonalities(rdm, record);
    readParameters(rdm, record);
    readSensors(rdm, record);
    readInto(rdm, record, {&RDM::getIdentify, &DeviceRecord::setIdentify});
    readCounters(rdm, record);
    return deviceInfo;
}

void readOverview(RDM &rdm, DeviceRecord &record)
{
    readAll(rdm, record, {
        {&RDM::getDeviceLabel, &DeviceRecord::setDeviceLabel},
        {&RDM::getDeviceInfo, &DeviceRecord::storeDeviceInfo},
        {&RDM::getIdentify, &DeviceRecord::setIdentify},
    });
}

void readCounters(RDM &rdm, DeviceRecord &record)
{
    readAll(rdm, record, {
        {&RDM::getDeviceHours, &DeviceRecord::setDeviceHours},
        {&RDM::getDevicePowerCycles, &DeviceRecord::setDevicePowerCycles},
        {&RDM::getLampHours, &DeviceRecord::setLampHours},
        {&RDM::getLampStrikes, &DeviceRecord::setLampStrikes},
        {&RDM::getLampState, &DeviceRecord::setLampState},
    });
}

std::vector<std::unique_ptr<DeviceRecord>> discoverSubDevices(RDM &rdm, const DeviceRecord &root)
{
    std::vector<std::unique_ptr<DeviceRecord>> found;
    int remaining = root.subDeviceCount;
    for (quint16 subDevice = 1; subDevice <= lastSubDevice && remaining > 0; ++subDevice) {
        if (rdm.getDeviceInfo(root.uid, subDevice) != 0)
            continue;
        auto record = std::make_unique<DeviceRecord>(root.uid, subDevice);
        record->storeDeviceInfo(rdm.responseData(), rdm.responseLength());
        readModelDescription(rdm, *record);
        found.push_back(std::move(record));
        --remaining;
    }
    return found;
}
