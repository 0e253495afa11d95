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

// Names a failed GET by its PID and parameter data, such as "SENSOR_VALUE 01", when the caller asks.
int noted(RDM &rdm, int result, QStringList *failedGets)
{
    if (result < 0 && failedGets) {
        const QByteArray data = rdm.requestData().toHex().toUpper();
        failedGets->append(standardParameterName(rdm.requestPid())
                           + (data.isEmpty() ? QString() : QLatin1Char(' ') + QString::fromLatin1(data)));
    }
    return result;
}

// A request succeeded when it returned 0 or a data length.
bool readInto(RDM &rdm, DeviceRecord &record, const Reading &reading, QStringList *failedGets = nullptr)
{
    if (noted(rdm, (rdm.*reading.request)(record.uid, record.subDevice), failedGets) < 0)
        return false;
    (record.*reading.store)(rdm.responseData(), rdm.responseLength());
    return true;
}

void readAll(RDM &rdm, DeviceRecord &record, std::initializer_list<Reading> readings,
             QStringList *failedGets = nullptr)
{
    for (const Reading &reading : readings)
        readInto(rdm, record, reading, failedGets);
}

void readPersonalities(RDM &rdm, DeviceRecord &record, QStringList *failedGets)
{
    readInto(rdm, record, {&RDM::getDmxPersonality, &DeviceRecord::storePersonalities}, failedGets);
    for (int personality = 1; personality <= record.personalityCount; ++personality) {
        const int result = rdm.getPersonalityDescription(record.uid, record.subDevice, quint8(personality));
        if (noted(rdm, result, failedGets) >= 0)
            record.storePersonalityDescription(rdm.responseData(), rdm.responseLength());
    }
}


void readSensors(RDM &rdm, DeviceRecord &record, QStringList *failedGets)
{
    for (int sensor = 0; sensor < record.sensorCount; ++sensor) {
        if (noted(rdm, rdm.getSensorDefinition(record.uid, record.subDevice, quint8(sensor)), failedGets) >= 0)
            record.storeSensorDefinition(rdm.responseData(), rdm.responseLength());
        if (noted(rdm, rdm.getSensorValue(record.uid, record.subDevice, quint8(sensor)), failedGets) >= 0)
            record.storeSensorValue(rdm.responseData(), rdm.responseLength());
    }
}

} // namespace

void readParameters(RDM &rdm, DeviceRecord &record, QStringList *failedGets)
{
    if (!readInto(rdm, record, {&RDM::getSupportedParameters, &DeviceRecord::storeSupportedParameters}, failedGets))
        return;
    std::vector<quint16> pids;
    for (const auto &entry : record.parameters)
        pids.push_back(entry.first);
    for (const quint16 pid : pids) {
        if (!isManufacturerSpecificPid(pid))
            applyStandardDescription(record, pid);
        else if (noted(rdm, rdm.getParameterDescription(record.uid, record.subDevice, pid), failedGets) >= 0)
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

int readFullDetails(RDM &rdm, DeviceRecord &record, QStringList *failedGets)
{
    const int deviceInfo = noted(rdm, rdm.getDeviceInfo(record.uid, record.subDevice), failedGets);
    if (deviceInfo == 0)
        record.storeDeviceInfo(rdm.responseData(), rdm.responseLength());
    readAll(rdm, record,
            {
                {&RDM::getDeviceLabel, &DeviceRecord::setDeviceLabel},
                {&RDM::getSoftwareVersionLabel, &DeviceRecord::setSoftwareVersionLabel},
                {&RDM::getManufacturerLabel, &DeviceRecord::setManufacturerLabel},
            },
            failedGets);
    readPersonalities(rdm, record, failedGets);
    readParameters(rdm, record, failedGets);
    readSensors(rdm, record, failedGets);
    readInto(rdm, record, {&RDM::getIdentify, &DeviceRecord::setIdentify}, failedGets);
    readCounters(rdm, record, failedGets);
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

void readCounters(RDM &rdm, DeviceRecord &record, QStringList *failedGets)
{
    readAll(rdm, record,
            {
                {&RDM::getDeviceHours, &DeviceRecord::setDeviceHours},
                {&RDM::getDevicePowerCycles, &DeviceRecord::setDevicePowerCycles},
                {&RDM::getLampHours, &DeviceRecord::setLampHours},
                {&RDM::getLampStrikes, &DeviceRecord::setLampStrikes},
                {&RDM::getLampState, &DeviceRecord::setLampState},
            },
            failedGets);
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
