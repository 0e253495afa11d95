// Stores the parameter data of each answer into the device record, never past the bytes received.
#include "rdm/devicerecord.h"

#include "rdm/parameterids.h"
#include "usb/bytereader.h"

namespace {

// Fixed parts of the answers (E1.20 10.4 to 10.7); texts follow them.
constexpr int deviceInfoLength = 19;
constexpr int parameterDescriptionFixedLength = 20;
constexpr int sensorDefinitionFixedLength = 13;
constexpr int sensorValueLength = 9;
constexpr int personalityLength = 2;
constexpr int personalityDescriptionFixedLength = 3;

constexpr quint16 lastDmxSlot = 512;

ByteReader answerReader(const quint8 *data, int length)
{
    return ByteReader(reinterpret_cast<const char *>(data), length);
}

// A start address beyond the last slot means the device has none.
quint16 startAddressOrNone(quint16 address)
{
    return address > lastDmxSlot ? 0 : address;
}

// Sets `field` from the start of the answer when the answer holds the whole value.
template <typename Value>
void storeWholeValue(const quint8 *data, int length, Value (ByteReader::*read)(), Value &field)
{
    ByteReader reader = answerReader(data, length);
    const Value value = (reader.*read)();
    if (reader.ok())
        field = value;
}

} // namespace

DeviceRecord::DeviceRecord(quint64 uid, quint16 subDevice) : uid(uid), subDevice(subDevice) {}

void DeviceRecord::storeDeviceInfo(const quint8 *data, int length)
{
    ByteReader reader = answerReader(data, length);
    if (reader.remaining() < deviceInfoLength)
        return;
    protocolVersion[0] = reader.u8();
    protocolVersion[1] = reader.u8();
    deviceModelId = reader.u16();
    productCategory = reader.u16();
    softwareVersionId = reader.u32();
    dmxFootprint = reader.u16();
    currentPersonality = reader.u8();
    personalityCount = reader.u8();
    dmxStartAddress = startAddressOrNone(reader.u16());
    subDeviceCount = reader.u16();
    sensorCount = reader.u8();
    for (int number = 0; number < sensorCount; ++number) {
        if (sensors.count(quint8(number)) == 0) {
            SensorRecord sensor;
            sensor.number = quint8(number);
            sensors.emplace(quint8(number), sensor);
        }
    }
}

void DeviceRecord::storeSupportedParameters(const quint8 *data, int length)
{
    ByteReader reader = answerReader(data, length);
    parameters.clear();
    supportedParameterCount = quint32(reader.remaining() / 2);
    while (reader.remaining() >= 2) {
        ParameterRecord parameter;
        parameter.pid = reader.u16();
        parameters[parameter.pid] = parameter;
    }
}

void DeviceRecord::storeParameterDescription(const quint8 *data, int length)
{
    ByteReader reader = answerReader(data, length);
    if (reader.remaining() < parameterDescriptionFixedLength)
        return;
    const quint16 pid = reader.u16();
    const auto found = parameters.find(pid);
    if (found == parameters.end() || !isManufacturerSpecificPid(pid))
        return;
    ParameterRecord &parameter = found->second;
    parameter.pdlSize = reader.u8();
    parameter.dataType = reader.u8();
    parameter.commandClass = reader.u8();
    parameter.type = reader.u8();
    parameter.unit = reader.u8();
    parameter.prefix = reader.u8();
    if (isSignedDataType(parameter.dataType)) {
        parameter.signedMinimum = qint32(reader.u32());
        parameter.signedMaximum = qint32(reader.u32());
        parameter.signedDefault = qint32(reader.u32());
    } else {
        parameter.minimum = reader.u32();
        parameter.maximum = reader.u32();
        parameter.defaultValue = reader.u32();
    }
    parameter.description = latin1Text(reader.rest());
}

void DeviceRecord::storeSensorDefinition(const quint8 *data, int length)
{
    ByteReader reader = answerReader(data, length);
    if (reader.remaining() < sensorDefinitionFixedLength)
        return;
    const quint8 number = reader.u8();
    SensorRecord &sensor = sensors[number];
    sensor.number = number;
    sensor.type = reader.u8();
    sensor.unit = reader.u8();
    sensor.prefix = reader.u8();
    sensor.rangeMinimum = reader.s16();
    sensor.rangeMaximum = reader.s16();
    sensor.normalMinimum = reader.s16();
    sensor.normalMaximum = reader.s16();
    sensor.recordedValueSupport = reader.u8();
    sensor.description = latin1Text(reader.rest());
}

bool DeviceRecord::storeSensorValue(const quint8 *data, int length, const QDateTime &receivedAt)
{
    ByteReader reader = answerReader(data, length);
    if (reader.remaining() < sensorValueLength)
        return false;
    const auto found = sensors.find(reader.u8());
    if (found == sensors.end())
        return false;
    SensorRecord &sensor = found->second;
    sensor.presentValue = reader.s16();
    sensor.lowestValue = reader.s16();
    sensor.highestValue = reader.s16();
    sensor.recordedValue = reader.s16();
    sensor.updateDate = receivedAt.date().toString(Qt::ISODate);
    sensor.updateTime = receivedAt.time().toString(Qt::TextDate);
    return true;
}

void DeviceRecord::storePersonalities(const quint8 *data, int length)
{
    if (answerReader(data, length).remaining() < personalityLength)
        return;
    setPersonality(data, length);
    personalities.clear();
    for (int number = 1; number <= personalityCount; ++number) {
        PersonalityRecord personality;
        personality.number = quint8(number);
        personalities.emplace(quint8(number), personality);
    }
}

void DeviceRecord::storePersonalityDescription(const quint8 *data, int length)
{
    ByteReader reader = answerReader(data, length);
    if (reader.remaining() < personalityDescriptionFixedLength)
        return;
    const auto found = personalities.find(reader.u8());
    if (found == personalities.end())
        return;
    found->second.footprint = reader.u16();
    found->second.description = latin1Text(reader.rest());
}

void DeviceRecord::setModelDescription(const quint8 *data, int length)
{
    modelDescription = latin1Text(answerReader(data, length).rest());
}

void DeviceRecord::setSoftwareVersionLabel(const quint8 *data, int length)
{
    softwareVersionLabel = latin1Text(answerReader(data, length).rest());
}

void DeviceRecord::setDeviceLabel(const quint8 *data, int length)
{
    deviceLabel = latin1Text(answerReader(data, length).rest());
}

void DeviceRecord::setManufacturerLabel(const quint8 *data, int length)
{
    manufacturerLabel = latin1Text(answerReader(data, length).rest());
}

void DeviceRecord::setPersonality(const quint8 *data, int length)
{
    ByteReader reader = answerReader(data, length);
    if (reader.remaining() < personalityLength)
        return;
    currentPersonality = reader.u8();
    personalityCount = reader.u8();
}

void DeviceRecord::setIdentify(const quint8 *data, int length)
{
    quint8 state = identify ? 1 : 0;
    storeWholeValue(data, length, &ByteReader::u8, state);
    identify = state != 0;
}

void DeviceRecord::setDeviceHours(const quint8 *data, int length)
{
    storeWholeValue(data, length, &ByteReader::u32, deviceHours);
}

void DeviceRecord::setDevicePowerCycles(const quint8 *data, int length)
{
    storeWholeValue(data, length, &ByteReader::u32, devicePowerCycles);
}

void DeviceRecord::setLampHours(const quint8 *data, int length)
{
    storeWholeValue(data, length, &ByteReader::u32, lampHours);
}

void DeviceRecord::setLampStrikes(const quint8 *data, int length)
{
    storeWholeValue(data, length, &ByteReader::u32, lampStrikes);
}

void DeviceRecord::setLampState(const quint8 *data, int length)
{
    storeWholeValue(data, length, &ByteReader::u8, lampState);
}

void DeviceRecord::setDmxStartAddress(const quint8 *data, int length)
{
    quint16 address = dmxStartAddress;
    storeWholeValue(data, length, &ByteReader::u16, address);
    dmxStartAddress = startAddressOrNone(address);
}
