// The PID table of the simulated responder and the validation its handlers share.
#include "simulator/responderparameters.h"

#include "usb/bytereader.h"
#include "usb/bytewriter.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

using namespace Rdm;

constexpr int LabelLength = 32;

// The parameter data lengths a request may carry.
struct DataLength
{
    int minimum;
    int maximum;
};

constexpr DataLength NoData{0, 0};
constexpr DataLength OneByte{1, 1};
constexpr DataLength TwoBytes{2, 2};
constexpr DataLength FourBytes{4, 4};
constexpr DataLength Label{0, LabelLength};

using Handler = ParameterReply (*)(ParameterRequest &);
using Availability = bool (*)(const ResponderState &, const ResponderDevice &, quint16 subDevice);

struct ParameterHandler
{
    quint16 pid;
    Availability isAvailable;
    DataLength getLength;
    Handler get;
    DataLength setLength;
    Handler set;
};

ParameterReply outOfRange()
{
    return ParameterReply::nack(Nack::DataOutOfRange);
}

ParameterReply text(const QByteArray &value)
{
    return ParameterReply::ack(value.left(LabelLength));
}

ParameterReply byteValue(quint8 value)
{
    return ParameterReply::ack(QByteArray(1, char(value)));
}

ParameterReply wordValue(quint16 value)
{
    QByteArray data;
    ByteWriter(&data).u16(value);
    return ParameterReply::ack(data);
}

ParameterReply doubleWordValue(quint32 value)
{
    QByteArray data;
    ByteWriter(&data).u32(value);
    return ParameterReply::ack(data);
}

quint8 firstByte(const ParameterRequest &request)
{
    return ByteReader(request.data).u8();
}

quint16 firstWord(const ParameterRequest &request)
{
    return ByteReader(request.data).u16();
}

bool isLampMode(quint8 value)
{
    return value <= 3 || (value >= 0x80 && value <= 0xDF);
}

// --- Availability: a feature is there when the scenario gave its data.

bool always(const ResponderState &, const ResponderDevice &, quint16)
{
    return true;
}

bool onRoot(const ResponderState &, const ResponderDevice &, quint16 subDevice)
{
    return subDevice == RootDevice;
}

bool hasStatusReporting(const ResponderState &state, const ResponderDevice &, quint16 subDevice)
{
    return subDevice == RootDevice && state.reportsStatus;
}

bool hasPersonalities(const ResponderState &, const ResponderDevice &device, quint16)
{
    return !device.personalities.isEmpty();
}

bool usesSlots(const ResponderState &, const ResponderDevice &device, quint16)
{
    return std::any_of(device.personalities.cbegin(), device.personalities.cend(),
                       [](const ResponderPersonality &personality) { return personality.footprint > 0; });
}

bool hasSlotInfo(const ResponderState &, const ResponderDevice &device, quint16)
{
    return std::any_of(device.personalities.cbegin(), device.personalities.cend(),
                       [](const ResponderPersonality &personality) { return !personality.slotList.isEmpty(); });
}

bool hasSlotDescriptions(const ResponderState &, const ResponderDevice &device, quint16)
{
    for (const ResponderPersonality &personality : device.personalities) {
        for (const ResponderSlot &slot : personality.slotList) {
            if (!slot.description.isEmpty())
                return true;
        }
    }
    return false;
}

bool hasSensors(const ResponderState &, const ResponderDevice &device, quint16)
{
    return !device.sensors.isEmpty();
}

bool recordsSensors(const ResponderState &, const ResponderDevice &device, quint16)
{
    return std::any_of(device.sensors.cbegin(), device.sensors.cend(),
                       [](const ResponderSensor &sensor) { return sensor.recordsValue(); });
}

template <std::optional<quint32> ResponderDevice::*Counter>
bool hasCounter(const ResponderState &, const ResponderDevice &device, quint16)
{
    return (device.*Counter).has_value();
}

template <std::optional<quint8> ResponderDevice::*Value>
bool hasDeviceByte(const ResponderState &, const ResponderDevice &device, quint16)
{
    return (device.*Value).has_value();
}

template <std::optional<quint8> ResponderSettings::*Setting>
bool hasSetting(const ResponderState &, const ResponderDevice &device, quint16)
{
    return (device.settings.*Setting).has_value();
}

bool hasProxiedDevices(const ResponderState &state, const ResponderDevice &, quint16 subDevice)
{
    return subDevice == RootDevice && state.proxiedDevices.has_value();
}

bool hasModelDescription(const ResponderState &, const ResponderDevice &device, quint16)
{
    return device.modelDescription.has_value();
}

bool hasManufacturerLabel(const ResponderState &state, const ResponderDevice &, quint16)
{
    return state.manufacturerLabel.has_value();
}

bool hasBootVersionId(const ResponderState &state, const ResponderDevice &, quint16)
{
    return state.bootSoftwareVersionId.has_value();
}

bool hasBootVersionLabel(const ResponderState &state, const ResponderDevice &, quint16)
{
    return state.bootSoftwareVersionLabel.has_value();
}

bool hasManufacturerParameters(const ResponderState &, const ResponderDevice &device, quint16)
{
    return !device.manufacturerParameters.isEmpty();
}

bool hasProductDetails(const ResponderState &, const ResponderDevice &device, quint16)
{
    return !device.productDetails.isEmpty();
}

bool hasLanguages(const ResponderState &, const ResponderDevice &device, quint16)
{
    return !device.languages.isEmpty();
}

bool hasClock(const ResponderState &, const ResponderDevice &device, quint16)
{
    return device.clockOffset.has_value();
}

bool hasSelfTests(const ResponderState &, const ResponderDevice &device, quint16)
{
    return !device.selfTests.isEmpty();
}

bool hasPresets(const ResponderState &, const ResponderDevice &device, quint16)
{
    return !device.presets.isEmpty();
}

bool isReportingSubDevice(const ResponderState &state, const ResponderDevice &, quint16 subDevice)
{
    return subDevice != RootDevice && state.reportsStatus;
}

// --- Handlers shared by several parameters.

template <std::optional<quint32> ResponderDevice::*Counter>
ParameterReply getCounter(ParameterRequest &request)
{
    return doubleWordValue((request.device.*Counter).value_or(0));
}

template <std::optional<quint32> ResponderDevice::*Counter>
ParameterReply setCounter(ParameterRequest &request)
{
    request.device.*Counter = ByteReader(request.data).u32();
    return ParameterReply::ack();
}

template <std::optional<quint8> ResponderSettings::*Setting>
ParameterReply getSetting(ParameterRequest &request)
{
    return byteValue((request.device.settings.*Setting).value_or(0));
}

template <std::optional<quint8> ResponderSettings::*Setting, quint8 Maximum>
ParameterReply setSetting(ParameterRequest &request)
{
    const quint8 value = firstByte(request);
    if (value > Maximum)
        return outOfRange();
    request.device.settings.*Setting = value;
    return ParameterReply::ack();
}

// --- Device description.

ParameterReply getDeviceInfo(ParameterRequest &request)
{
    const ResponderDevice &device = request.device;
    const quint16 footprint = device.footprint();
    const quint16 subDeviceCount =
        request.subDevice == RootDevice ? quint16(request.state.subDevices.size()) : 0;
    QByteArray data;
    ByteWriter(&data)
        .u8(1)
        .u8(0)
        .u16(device.modelId)
        .u16(device.productCategory)
        .u32(device.softwareVersionId)
        .u16(footprint)
        .u8(device.personalities.isEmpty() ? 0 : device.settings.personality)
        .u8(quint8(device.personalities.size()))
        .u16(footprint > 0 ? device.settings.startAddress : 0xFFFF)
        .u16(subDeviceCount)
        .u8(quint8(device.sensors.size()));
    return ParameterReply::ack(data);
}

ParameterReply getSupportedParameters(ParameterRequest &request)
{
    QByteArray data;
    ByteWriter writer(&data);
    for (quint16 pid : supportedParameters(request.state, request.device, request.subDevice))
        writer.u16(pid);
    return ParameterReply::ack(data);
}

ParameterReply getParameterDescription(ParameterRequest &request)
{
    const ManufacturerParameter *parameter = request.device.manufacturerParameter(firstWord(request));
    if (!parameter)
        return outOfRange();
    QByteArray data;
    ByteWriter(&data)
        .u16(parameter->pid)
        .u8(parameter->pdlSize)
        .u8(parameter->dataType)
        .u8(parameter->commandClass)
        .u8(parameter->type)
        .u8(parameter->unit)
        .u8(parameter->prefix)
        .u32(parameter->minimum)
        .u32(parameter->maximum)
        .u32(parameter->defaultValue)
        .bytes(parameter->description.left(LabelLength));
    return ParameterReply::ack(data);
}

ParameterReply getProductDetails(ParameterRequest &request)
{
    QByteArray data;
    ByteWriter writer(&data);
    for (quint16 detail : request.device.productDetails)
        writer.u16(detail);
    return ParameterReply::ack(data);
}

ParameterReply getModelDescription(ParameterRequest &request)
{
    return text(request.device.modelDescription.value_or(QByteArray()));
}

ParameterReply getManufacturerLabel(ParameterRequest &request)
{
    return text(request.state.manufacturerLabel.value_or(QByteArray()));
}

ParameterReply getDeviceLabel(ParameterRequest &request)
{
    return text(request.device.settings.label);
}

ParameterReply setDeviceLabel(ParameterRequest &request)
{
    request.device.settings.label = request.data;
    return ParameterReply::ack();
}

ParameterReply getFactoryDefaults(ParameterRequest &request)
{
    return byteValue(request.device.settings == request.device.factorySettings ? 1 : 0);
}

ParameterReply setFactoryDefaults(ParameterRequest &request)
{
    request.device.settings = request.device.factorySettings;
    return ParameterReply::ack();
}

ParameterReply getLanguageCapabilities(ParameterRequest &request)
{
    QByteArray data;
    for (const QByteArray &language : request.device.languages)
        data.append(language);
    return ParameterReply::ack(data);
}

ParameterReply getLanguage(ParameterRequest &request)
{
    return ParameterReply::ack(request.device.settings.language);
}

ParameterReply setLanguage(ParameterRequest &request)
{
    if (!request.device.languages.contains(request.data))
        return outOfRange();
    request.device.settings.language = request.data;
    return ParameterReply::ack();
}

ParameterReply getSoftwareVersionLabel(ParameterRequest &request)
{
    return text(request.state.softwareVersionLabel);
}

ParameterReply getBootSoftwareVersionId(ParameterRequest &request)
{
    return doubleWordValue(request.state.bootSoftwareVersionId.value_or(0));
}

ParameterReply getBootSoftwareVersionLabel(ParameterRequest &request)
{
    return text(request.state.bootSoftwareVersionLabel.value_or(QByteArray()));
}

// --- DMX setup.

ParameterReply getPersonality(ParameterRequest &request)
{
    QByteArray data;
    ByteWriter(&data).u8(request.device.settings.personality).u8(quint8(request.device.personalities.size()));
    return ParameterReply::ack(data);
}

ParameterReply setPersonality(ParameterRequest &request)
{
    const quint8 personality = firstByte(request);
    if (personality < 1 || personality > request.device.personalities.size())
        return outOfRange();
    request.device.settings.personality = personality;
    return ParameterReply::ack();
}

ParameterReply getPersonalityDescription(ParameterRequest &request)
{
    const quint8 number = firstByte(request);
    if (number < 1 || number > request.device.personalities.size())
        return outOfRange();
    const ResponderPersonality &personality = request.device.personalities.at(number - 1);
    QByteArray data;
    ByteWriter(&data).u8(number).u16(personality.footprint).bytes(personality.description.left(LabelLength));
    return ParameterReply::ack(data);
}

ParameterReply getStartAddress(ParameterRequest &request)
{
    return wordValue(request.device.footprint() > 0 ? request.device.settings.startAddress : 0xFFFF);
}

ParameterReply setStartAddress(ParameterRequest &request)
{
    const quint16 address = firstWord(request);
    if (address < 1 || address > 512)
        return outOfRange();
    request.device.settings.startAddress = address;
    return ParameterReply::ack();
}

QList<ResponderSlot> currentSlots(const ResponderDevice &device)
{
    const ResponderPersonality *personality = device.currentPersonality();
    return personality ? personality->slotList : QList<ResponderSlot>();
}

ParameterReply getSlotInfo(ParameterRequest &request)
{
    QByteArray data;
    ByteWriter writer(&data);
    const QList<ResponderSlot> slotList = currentSlots(request.device);
    for (int offset = 0; offset < slotList.size(); ++offset)
        writer.u16(quint16(offset)).u8(slotList.at(offset).type).u16(slotList.at(offset).labelId);
    return ParameterReply::ack(data);
}

ParameterReply getSlotDescription(ParameterRequest &request)
{
    const quint16 offset = firstWord(request);
    const QList<ResponderSlot> slotList = currentSlots(request.device);
    if (offset >= slotList.size() || slotList.at(offset).description.isEmpty())
        return outOfRange();
    QByteArray data;
    ByteWriter(&data).u16(offset).bytes(slotList.at(offset).description.left(LabelLength));
    return ParameterReply::ack(data);
}

ParameterReply getDefaultSlotValues(ParameterRequest &request)
{
    QByteArray data;
    ByteWriter writer(&data);
    const QList<ResponderSlot> slotList = currentSlots(request.device);
    for (int offset = 0; offset < slotList.size(); ++offset)
        writer.u16(quint16(offset)).u8(slotList.at(offset).defaultValue);
    return ParameterReply::ack(data);
}

// --- Sensors.

constexpr quint8 AllSensors = 0xFF;

ResponderSensor *sensorOf(ParameterRequest &request)
{
    const quint8 number = firstByte(request);
    return number < request.device.sensors.size() ? &request.device.sensors[number] : nullptr;
}

ParameterReply getSensorDefinition(ParameterRequest &request)
{
    const ResponderSensor *sensor = sensorOf(request);
    if (!sensor)
        return outOfRange();
    QByteArray data;
    ByteWriter(&data)
        .u8(firstByte(request))
        .u8(sensor->type)
        .u8(sensor->unit)
        .u8(sensor->prefix)
        .u16(quint16(sensor->rangeMinimum))
        .u16(quint16(sensor->rangeMaximum))
        .u16(quint16(sensor->normalMinimum))
        .u16(quint16(sensor->normalMaximum))
        .u8(sensor->recordedValueSupport)
        .bytes(sensor->description.left(LabelLength));
    return ParameterReply::ack(data);
}

// Fields a sensor does not support read as zero.
QByteArray sensorValue(quint8 number, const ResponderSensor &sensor)
{
    QByteArray data;
    ByteWriter(&data)
        .u8(number)
        .u16(quint16(sensor.present))
        .u16(quint16(sensor.tracksExtremes() ? sensor.lowest : 0))
        .u16(quint16(sensor.tracksExtremes() ? sensor.highest : 0))
        .u16(quint16(sensor.recordsValue() ? sensor.recorded : 0));
    return data;
}

ParameterReply getSensorValue(ParameterRequest &request)
{
    const ResponderSensor *sensor = sensorOf(request);
    return sensor ? ParameterReply::ack(sensorValue(firstByte(request), *sensor)) : outOfRange();
}

void resetSensor(ResponderSensor &sensor)
{
    sensor.lowest = sensor.present;
    sensor.highest = sensor.present;
    sensor.recorded = sensor.present;
}

ParameterReply setSensorValue(ParameterRequest &request)
{
    if (firstByte(request) == AllSensors) {
        for (ResponderSensor &sensor : request.device.sensors)
            resetSensor(sensor);
        // E1.20 10.7.2: the answer to "all sensors" carries 0xFF and zero values.
        return ParameterReply::ack(sensorValue(AllSensors, ResponderSensor()));
    }
    ResponderSensor *sensor = sensorOf(request);
    if (!sensor)
        return outOfRange();
    resetSensor(*sensor);
    return ParameterReply::ack(sensorValue(firstByte(request), *sensor));
}

ParameterReply setRecordSensors(ParameterRequest &request)
{
    if (firstByte(request) == AllSensors) {
        for (ResponderSensor &sensor : request.device.sensors) {
            if (sensor.recordsValue())
                sensor.recorded = sensor.present;
        }
        return ParameterReply::ack();
    }
    ResponderSensor *sensor = sensorOf(request);
    if (!sensor || !sensor->recordsValue())
        return outOfRange();
    sensor->recorded = sensor->present;
    return ParameterReply::ack();
}

// --- Lamp, display, position, clock.

ParameterReply getLampState(ParameterRequest &request)
{
    return byteValue(request.device.lampState.value_or(0));
}

ParameterReply setLampState(ParameterRequest &request)
{
    if (!isLampMode(firstByte(request)))
        return outOfRange();
    request.device.lampState = firstByte(request);
    return ParameterReply::ack();
}

ParameterReply setLampOnMode(ParameterRequest &request)
{
    if (!isLampMode(firstByte(request)))
        return outOfRange();
    request.device.settings.lampOnMode = firstByte(request);
    return ParameterReply::ack();
}

ParameterReply getRealTimeClock(ParameterRequest &request)
{
    const QDateTime clock = request.now().addSecs(request.device.clockOffset.value_or(0));
    QByteArray data;
    ByteWriter(&data)
        .u16(quint16(clock.date().year()))
        .u8(quint8(clock.date().month()))
        .u8(quint8(clock.date().day()))
        .u8(quint8(clock.time().hour()))
        .u8(quint8(clock.time().minute()))
        .u8(quint8(clock.time().second()));
    return ParameterReply::ack(data);
}

ParameterReply setRealTimeClock(ParameterRequest &request)
{
    ByteReader reader(request.data);
    const int year = reader.u16();
    const int month = reader.u8();
    const int day = reader.u8();
    const int hour = reader.u8();
    const int minute = reader.u8();
    const int second = reader.u8();
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (year < 2003 || !date.isValid() || !time.isValid())
        return outOfRange();
    const QDateTime now = request.now();
    request.device.clockOffset = now.secsTo(QDateTime(date, time, now.timeSpec()));
    return ParameterReply::ack();
}

// --- Control.

ParameterReply getIdentify(ParameterRequest &request)
{
    return byteValue(request.device.identify ? 1 : 0);
}

ParameterReply setIdentify(ParameterRequest &request)
{
    if (firstByte(request) > 1)
        return outOfRange();
    request.device.identify = firstByte(request) == 1;
    return ParameterReply::ack();
}

ParameterReply setResetDevice(ParameterRequest &request)
{
    constexpr quint8 WarmReset = 0x01;
    constexpr quint8 ColdReset = 0xFF;
    const quint8 kind = firstByte(request);
    if (kind != WarmReset && kind != ColdReset)
        return outOfRange();
    request.state.root.identify = false;
    for (ResponderDevice &subDevice : request.state.subDevices)
        subDevice.identify = false;
    if (kind == ColdReset && request.state.root.powerCycles)
        request.state.root.powerCycles = *request.state.root.powerCycles + 1;
    return ParameterReply::ack();
}

ParameterReply getPowerState(ParameterRequest &request)
{
    return byteValue(request.device.powerState.value_or(0xFF));
}

ParameterReply setPowerState(ParameterRequest &request)
{
    const quint8 state = firstByte(request);
    if (state > 2 && state != 0xFF)
        return outOfRange();
    request.device.powerState = state;
    return ParameterReply::ack();
}

ParameterReply getSelfTest(ParameterRequest &request)
{
    return byteValue(request.device.runningSelfTest != 0 ? 1 : 0);
}

ParameterReply setSelfTest(ParameterRequest &request)
{
    constexpr quint8 AllTests = 0xFF;
    const quint8 number = firstByte(request);
    const auto &tests = request.device.selfTests;
    const bool known = std::any_of(tests.cbegin(), tests.cend(),
                                   [number](const ResponderSelfTest &test) { return test.number == number; });
    if (number != 0 && number != AllTests && !known)
        return outOfRange();
    request.device.runningSelfTest = number;
    return ParameterReply::ack();
}

ParameterReply getSelfTestDescription(ParameterRequest &request)
{
    const quint8 number = firstByte(request);
    for (const ResponderSelfTest &test : request.device.selfTests) {
        if (test.number == number) {
            QByteArray data(1, char(number));
            data.append(test.description.left(LabelLength));
            return ParameterReply::ack(data);
        }
    }
    return outOfRange();
}

ParameterReply setCapturePreset(ParameterRequest &request)
{
    ByteReader reader(request.data);
    const quint16 scene = reader.u16();
    if (scene < 1 || scene > request.device.presets.size())
        return outOfRange();
    ResponderPreset &preset = request.device.presets[scene - 1];
    preset.upFade = reader.u16();
    preset.downFade = reader.u16();
    preset.wait = reader.u16();
    return ParameterReply::ack();
}

ParameterReply getPresetPlayback(ParameterRequest &request)
{
    QByteArray data;
    ByteWriter(&data).u16(request.device.playbackMode).u8(request.device.playbackLevel);
    return ParameterReply::ack(data);
}

ParameterReply setPresetPlayback(ParameterRequest &request)
{
    constexpr quint16 AllScenes = 0xFFFF;
    ByteReader reader(request.data);
    const quint16 mode = reader.u16();
    if (mode != AllScenes && mode > request.device.presets.size())
        return outOfRange();
    request.device.playbackMode = mode;
    request.device.playbackLevel = reader.u8();
    return ParameterReply::ack();
}

// --- Communication, status and proxies.

ParameterReply getCommsStatus(ParameterRequest &request)
{
    const CommsCounters &comms = request.state.comms;
    QByteArray data;
    ByteWriter(&data).u16(comms.shortMessages).u16(comms.lengthMismatches).u16(comms.checksumFailures);
    return ParameterReply::ack(data);
}

ParameterReply setCommsStatus(ParameterRequest &request)
{
    request.state.comms = CommsCounters();
    return ParameterReply::ack();
}

quint8 reportThreshold(const ResponderState &state, quint16 subDevice)
{
    if (subDevice == RootDevice)
        return StatusType::Advisory;
    const auto found = state.subDevices.constFind(subDevice);
    return found == state.subDevices.cend() ? StatusType::Advisory : found->statusReportThreshold;
}

QByteArray encodeStatusMessages(const QList<ResponderStatusMessage> &messages)
{
    QByteArray data;
    ByteWriter writer(&data);
    for (const ResponderStatusMessage &message : messages) {
        writer.u16(message.subDevice)
            .u8(message.statusType)
            .u16(message.messageId)
            .u16(quint16(message.value1))
            .u16(quint16(message.value2));
    }
    return data;
}

// E1.20 10.3.2: each message is reported once; messages below the requested type stay queued.
ParameterReply collectStatusMessages(ResponderState &state, quint8 statusType)
{
    if (statusType > StatusType::Error)
        return outOfRange();
    if (statusType == StatusType::None)
        return ParameterReply::ack();
    if (statusType == StatusType::GetLastMessage)
        return ParameterReply::ack(encodeStatusMessages(state.lastStatusMessages));
    QList<ResponderStatusMessage> collected;
    QList<ResponderStatusMessage> kept;
    for (const ResponderStatusMessage &message : std::as_const(state.statusMessages)) {
        const quint8 threshold = reportThreshold(state, message.subDevice);
        const bool reported = message.statusType >= statusType && threshold != StatusType::None
                              && message.statusType >= threshold;
        (reported ? collected : kept).append(message);
    }
    state.statusMessages = kept;
    if (!collected.isEmpty())
        state.lastStatusMessages = collected;
    return ParameterReply::ack(encodeStatusMessages(collected));
}

ParameterReply getStatusMessages(ParameterRequest &request)
{
    return collectStatusMessages(request.state, firstByte(request));
}

ParameterReply getQueuedMessage(ParameterRequest &request)
{
    const quint8 statusType = firstByte(request);
    if (statusType < StatusType::GetLastMessage || statusType > StatusType::Error)
        return outOfRange();
    ResponderState &state = request.state;
    std::optional<QueuedResponse> answer;
    if (statusType == StatusType::GetLastMessage) {
        answer = state.lastQueuedResponse;
    } else if (!state.queuedResponses.isEmpty()) {
        answer = state.queuedResponses.takeFirst();
        state.lastQueuedResponse = answer;
    }
    if (!answer) {
        // E1.20 10.3.1: with nothing queued the answer is a STATUS_MESSAGES answer.
        ParameterReply reply = collectStatusMessages(state, statusType);
        reply.queued = QueuedResponse{RootDevice, CommandClass::GetResponse, Pid::StatusMessages,
                                      reply.responseType, reply.data};
        return reply;
    }
    ParameterReply reply;
    reply.responseType = answer->responseType;
    reply.data = answer->data;
    reply.queued = answer;
    return reply;
}

// STS_* of E1.20 Table B-2.
struct StatusDescription
{
    quint16 id;
    const char *text;
};

constexpr StatusDescription standardStatusDescriptions[] = {
    {0x0001, "%L failed calibration"},
    {0x0002, "%L sensor not found"},
    {0x0003, "%L sensor always on"},
    {0x0011, "Lamp doused"},
    {0x0012, "Lamp failed to strike"},
    {0x0021, "Sensor %d over temp at %d degrees C"},
    {0x0022, "Sensor %d under temp at %d degrees C"},
    {0x0023, "Sensor %d out of range"},
    {0x0031, "Phase %d over voltage at %d V."},
    {0x0032, "Phase %d under voltage at %d V."},
    {0x0033, "Phase %d over current at %d A."},
    {0x0034, "Phase %d under current at %d A."},
    {0x0035, "Phase %d is at %d degrees"},
    {0x0036, "Phase %d Error."},
    {0x0037, "%d Amps"},
    {0x0038, "%d Volts"},
    {0x0041, "No Dimmer"},
    {0x0042, "Tripped Breaker"},
    {0x0043, "%d Watts"},
    {0x0044, "Dimmer Failure"},
    {0x0045, "Panic Mode"},
    {0x0050, "%L ready"},
    {0x0051, "%L not ready"},
    {0x0052, "%L low fluid"},
};

ParameterReply getStatusIdDescription(ParameterRequest &request)
{
    const quint16 id = firstWord(request);
    for (const StatusDescription &description : standardStatusDescriptions) {
        if (description.id == id)
            return text(QByteArray(description.text));
    }
    const auto found = request.state.statusDescriptions.constFind(id);
    return found == request.state.statusDescriptions.cend() ? outOfRange() : text(*found);
}

ParameterReply setClearStatusId(ParameterRequest &request)
{
    request.state.statusMessages.clear();
    request.state.lastStatusMessages.clear();
    return ParameterReply::ack();
}

ParameterReply getReportThreshold(ParameterRequest &request)
{
    return byteValue(request.device.statusReportThreshold);
}

ParameterReply setReportThreshold(ParameterRequest &request)
{
    const quint8 threshold = firstByte(request);
    if (threshold == StatusType::GetLastMessage || threshold > StatusType::Error)
        return outOfRange();
    request.device.statusReportThreshold = threshold;
    return ParameterReply::ack();
}

ParameterReply getProxiedDevices(ParameterRequest &request)
{
    QByteArray data;
    ByteWriter writer(&data);
    for (quint64 uid : request.state.proxiedDevices.value_or(QList<quint64>()))
        writer.uid(uid);
    return ParameterReply::ack(data);
}

ParameterReply getProxiedDeviceCount(ParameterRequest &request)
{
    QByteArray data;
    ByteWriter(&data).u16(quint16(request.state.proxiedDevices.value_or(QList<quint64>()).size())).u8(0);
    return ParameterReply::ack(data);
}

// Length of a command class the parameter does not have; never checked.
constexpr DataLength Unused = NoData;

// Ordered by PID; SUPPORTED_PARAMETERS lists the available rows in this order.
const ParameterHandler parameterTable[] = {
    {Pid::ProxiedDevices, hasProxiedDevices, NoData, getProxiedDevices, Unused, nullptr},
    {Pid::ProxiedDeviceCount, hasProxiedDevices, NoData, getProxiedDeviceCount, Unused, nullptr},
    {Pid::CommsStatus, onRoot, NoData, getCommsStatus, NoData, setCommsStatus},
    {Pid::QueuedMessage, hasStatusReporting, OneByte, getQueuedMessage, Unused, nullptr},
    {Pid::StatusMessages, hasStatusReporting, OneByte, getStatusMessages, Unused, nullptr},
    {Pid::StatusIdDescription, hasStatusReporting, TwoBytes, getStatusIdDescription, Unused, nullptr},
    {Pid::ClearStatusId, hasStatusReporting, Unused, nullptr, NoData, setClearStatusId},
    {Pid::SubDeviceStatusReportThreshold, isReportingSubDevice, NoData, getReportThreshold, OneByte,
     setReportThreshold},
    {Pid::SupportedParameters, always, NoData, getSupportedParameters, Unused, nullptr},
    {Pid::ParameterDescription, hasManufacturerParameters, TwoBytes, getParameterDescription, Unused,
     nullptr},
    {Pid::DeviceInfo, always, NoData, getDeviceInfo, Unused, nullptr},
    {Pid::ProductDetailIdList, hasProductDetails, NoData, getProductDetails, Unused, nullptr},
    {Pid::DeviceModelDescription, hasModelDescription, NoData, getModelDescription, Unused, nullptr},
    {Pid::ManufacturerLabel, hasManufacturerLabel, NoData, getManufacturerLabel, Unused, nullptr},
    {Pid::DeviceLabel, always, NoData, getDeviceLabel, Label, setDeviceLabel},
    {Pid::FactoryDefaults, always, NoData, getFactoryDefaults, NoData, setFactoryDefaults},
    {Pid::LanguageCapabilities, hasLanguages, NoData, getLanguageCapabilities, Unused, nullptr},
    {Pid::Language, hasLanguages, NoData, getLanguage, TwoBytes, setLanguage},
    {Pid::SoftwareVersionLabel, always, NoData, getSoftwareVersionLabel, Unused, nullptr},
    {Pid::BootSoftwareVersionId, hasBootVersionId, NoData, getBootSoftwareVersionId, Unused, nullptr},
    {Pid::BootSoftwareVersionLabel, hasBootVersionLabel, NoData, getBootSoftwareVersionLabel, Unused,
     nullptr},
    {Pid::DmxPersonality, hasPersonalities, NoData, getPersonality, OneByte, setPersonality},
    {Pid::DmxPersonalityDescription, hasPersonalities, OneByte, getPersonalityDescription, Unused,
     nullptr},
    {Pid::DmxStartAddress, usesSlots, NoData, getStartAddress, TwoBytes, setStartAddress},
    {Pid::SlotInfo, hasSlotInfo, NoData, getSlotInfo, Unused, nullptr},
    {Pid::SlotDescription, hasSlotDescriptions, TwoBytes, getSlotDescription, Unused, nullptr},
    {Pid::DefaultSlotValue, hasSlotInfo, NoData, getDefaultSlotValues, Unused, nullptr},
    {Pid::SensorDefinition, hasSensors, OneByte, getSensorDefinition, Unused, nullptr},
    {Pid::SensorValue, hasSensors, OneByte, getSensorValue, OneByte, setSensorValue},
    {Pid::RecordSensors, recordsSensors, Unused, nullptr, OneByte, setRecordSensors},
    {Pid::DeviceHours, hasCounter<&ResponderDevice::deviceHours>, NoData,
     getCounter<&ResponderDevice::deviceHours>, FourBytes, setCounter<&ResponderDevice::deviceHours>},
    {Pid::LampHours, hasCounter<&ResponderDevice::lampHours>, NoData, getCounter<&ResponderDevice::lampHours>,
     FourBytes, setCounter<&ResponderDevice::lampHours>},
    {Pid::LampStrikes, hasCounter<&ResponderDevice::lampStrikes>, NoData,
     getCounter<&ResponderDevice::lampStrikes>, FourBytes, setCounter<&ResponderDevice::lampStrikes>},
    {Pid::LampState, hasDeviceByte<&ResponderDevice::lampState>, NoData, getLampState, OneByte, setLampState},
    {Pid::LampOnMode, hasSetting<&ResponderSettings::lampOnMode>, NoData,
     getSetting<&ResponderSettings::lampOnMode>, OneByte, setLampOnMode},
    {Pid::DevicePowerCycles, hasCounter<&ResponderDevice::powerCycles>, NoData,
     getCounter<&ResponderDevice::powerCycles>, FourBytes, setCounter<&ResponderDevice::powerCycles>},
    {Pid::DisplayInvert, hasSetting<&ResponderSettings::displayInvert>, NoData,
     getSetting<&ResponderSettings::displayInvert>, OneByte, setSetting<&ResponderSettings::displayInvert, 2>},
    {Pid::DisplayLevel, hasSetting<&ResponderSettings::displayLevel>, NoData,
     getSetting<&ResponderSettings::displayLevel>, OneByte, setSetting<&ResponderSettings::displayLevel, 255>},
    {Pid::PanInvert, hasSetting<&ResponderSettings::panInvert>, NoData, getSetting<&ResponderSettings::panInvert>,
     OneByte, setSetting<&ResponderSettings::panInvert, 1>},
    {Pid::TiltInvert, hasSetting<&ResponderSettings::tiltInvert>, NoData,
     getSetting<&ResponderSettings::tiltInvert>, OneByte, setSetting<&ResponderSettings::tiltInvert, 1>},
    {Pid::PanTiltSwap, hasSetting<&ResponderSettings::panTiltSwap>, NoData,
     getSetting<&ResponderSettings::panTiltSwap>, OneByte, setSetting<&ResponderSettings::panTiltSwap, 1>},
    {Pid::RealTimeClock, hasClock, NoData, getRealTimeClock, DataLength{7, 7}, setRealTimeClock},
    {Pid::IdentifyDevice, always, NoData, getIdentify, OneByte, setIdentify},
    {Pid::ResetDevice, onRoot, Unused, nullptr, OneByte, setResetDevice},
    {Pid::PowerState, hasDeviceByte<&ResponderDevice::powerState>, NoData, getPowerState, OneByte,
     setPowerState},
    {Pid::PerformSelfTest, hasSelfTests, NoData, getSelfTest, OneByte, setSelfTest},
    {Pid::SelfTestDescription, hasSelfTests, OneByte, getSelfTestDescription, Unused, nullptr},
    {Pid::CapturePreset, hasPresets, Unused, nullptr, DataLength{8, 8}, setCapturePreset},
    {Pid::PresetPlayback, hasPresets, NoData, getPresetPlayback, DataLength{3, 3}, setPresetPlayback},
};

const ParameterHandler *findHandler(quint16 pid)
{
    const auto found = std::find_if(std::begin(parameterTable), std::end(parameterTable),
                                    [pid](const ParameterHandler &handler) { return handler.pid == pid; });
    return found == std::end(parameterTable) ? nullptr : found;
}

// --- Manufacturer-specific parameters: stored bytes, checked against their description.

qint64 readElement(ByteReader &reader, quint8 dataType)
{
    switch (dataType) {
    case 3: return reader.u8();
    case 4: return reader.s8();
    case 5: return reader.u16();
    case 6: return reader.s16();
    case 7: return reader.u32();
    default: return qint32(reader.u32());
    }
}

bool hasValidLength(const ManufacturerParameter &parameter, int length)
{
    constexpr quint8 VariableSize = 0xFF;
    if (length > MaximumParameterData)
        return false;
    if (parameter.dataType == 2)
        return parameter.pdlSize == VariableSize || length <= parameter.pdlSize;
    const int size = parameter.elementSize();
    if (size > 0 && length % size != 0)
        return false;
    return parameter.pdlSize == VariableSize || length == parameter.pdlSize;
}

bool isInRange(const ManufacturerParameter &parameter, const QByteArray &data)
{
    if (parameter.elementSize() == 0 || parameter.minimum == parameter.maximum)
        return true;
    const bool isSigned = parameter.isSigned();
    const qint64 minimum = isSigned ? qint64(qint32(parameter.minimum)) : qint64(parameter.minimum);
    const qint64 maximum = isSigned ? qint64(qint32(parameter.maximum)) : qint64(parameter.maximum);
    ByteReader reader(data);
    while (!reader.atEnd()) {
        const qint64 value = readElement(reader, parameter.dataType);
        if (value < minimum || value > maximum)
            return false;
    }
    return true;
}

ParameterReply answerManufacturerParameter(ParameterRequest &request, const ManufacturerParameter &parameter,
                                           quint8 commandClass, WriteAccess access)
{
    constexpr quint8 CanGet = 0x01;
    constexpr quint8 CanSet = 0x02;
    if (commandClass == CommandClass::Get) {
        if (!(parameter.commandClass & CanGet))
            return ParameterReply::nack(Nack::UnsupportedCommandClass);
        return ParameterReply::ack(request.device.settings.manufacturerValues.value(parameter.pid));
    }
    if (commandClass != CommandClass::Set || !(parameter.commandClass & CanSet))
        return ParameterReply::nack(Nack::UnsupportedCommandClass);
    if (access == WriteAccess::Protected)
        return ParameterReply::nack(Nack::WriteProtect);
    if (!hasValidLength(parameter, int(request.data.size())))
        return ParameterReply::nack(Nack::FormatError);
    if (!isInRange(parameter, request.data))
        return outOfRange();
    request.device.settings.manufacturerValues.insert(parameter.pid, request.data);
    return ParameterReply::ack();
}

} // namespace

ParameterReply ParameterReply::ack(const QByteArray &data)
{
    ParameterReply reply;
    reply.data = data;
    return reply;
}

ParameterReply ParameterReply::nack(quint16 reason)
{
    ParameterReply reply;
    reply.responseType = ResponseType::NackReason;
    ByteWriter(&reply.data).u16(reason);
    return reply;
}

ParameterReply answerParameter(ParameterRequest &request, quint8 commandClass, quint16 pid, WriteAccess access)
{
    if (isManufacturerPid(pid)) {
        const ManufacturerParameter *parameter = request.device.manufacturerParameter(pid);
        if (!parameter)
            return ParameterReply::nack(Nack::UnknownPid);
        return answerManufacturerParameter(request, *parameter, commandClass, access);
    }
    const ParameterHandler *handler = findHandler(pid);
    if (!handler || !handler->isAvailable(request.state, request.device, request.subDevice))
        return ParameterReply::nack(Nack::UnknownPid);
    const bool isGet = commandClass == CommandClass::Get;
    const bool isSet = commandClass == CommandClass::Set;
    const Handler run = isGet ? handler->get : isSet ? handler->set : nullptr;
    if (!run)
        return ParameterReply::nack(Nack::UnsupportedCommandClass);
    if (isSet && access == WriteAccess::Protected)
        return ParameterReply::nack(Nack::WriteProtect);
    const DataLength length = isGet ? handler->getLength : handler->setLength;
    if (request.data.size() < length.minimum || request.data.size() > length.maximum)
        return ParameterReply::nack(Nack::FormatError);
    return run(request);
}

QList<quint16> supportedParameters(const ResponderState &state, const ResponderDevice &device, quint16 subDevice)
{
    QList<quint16> pids;
    for (const ParameterHandler &handler : parameterTable) {
        if (handler.isAvailable(state, device, subDevice))
            pids.append(handler.pid);
    }
    for (const ManufacturerParameter &parameter : device.manufacturerParameters)
        pids.append(parameter.pid);
    std::sort(pids.begin(), pids.end());
    return pids;
}
