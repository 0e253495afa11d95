// Reads a rig into a scenario file's responders, field by field as the scenario format names them.
#include "cli/rigsnapshot.h"

#include "rdm/devicereader.h"
#include "rdm/parameterids.h"
#include "rdm/rdm.h"
#include "rdm/realtimeclock.h"
#include "rdm/recordjson.h"
#include "rdm/uidtext.h"
#include "usb/bytereader.h"
#include "usb/bytewriter.h"

#include <QDateTime>
#include <QJsonArray>
#include <QRegularExpression>

namespace {

// How one answer becomes one scenario value.
enum class ValueKind { Byte, Counter, Text, Clock, LanguageCodes, Words };

// Values the device record does not keep, read when the device lists the PID.
struct CapturedValue
{
    quint16 pid;
    const char *key;
    ValueKind kind;
};

constexpr CapturedValue deviceValues[] = {
    {Pid::ProductDetailIdList, "productDetails", ValueKind::Words},
    {Pid::LanguageCapabilities, "languages", ValueKind::LanguageCodes},
    {Pid::Language, "language", ValueKind::Text},
    {Pid::LampOnMode, "lampOnMode", ValueKind::Byte},
    {Pid::DisplayInvert, "displayInvert", ValueKind::Byte},
    {Pid::DisplayLevel, "displayLevel", ValueKind::Byte},
    {Pid::PanInvert, "panInvert", ValueKind::Byte},
    {Pid::TiltInvert, "tiltInvert", ValueKind::Byte},
    {Pid::PanTiltSwap, "panTiltSwap", ValueKind::Byte},
    {Pid::RealTimeClock, "realTimeClock", ValueKind::Clock},
    {Pid::PowerState, "powerState", ValueKind::Byte},
};

constexpr CapturedValue subDeviceValues[] = {
    {Pid::SubDeviceStatusReportThreshold, "statusReportThreshold", ValueKind::Byte},
};

constexpr CapturedValue responderValues[] = {
    {Pid::BootSoftwareVersionId, "bootSoftwareVersionId", ValueKind::Counter},
    {Pid::BootSoftwareVersionLabel, "bootSoftwareVersionLabel", ValueKind::Text},
};

// The counters the record keeps, written when the device lists them.
struct RecordCounter
{
    quint16 pid;
    const char *key;
    quint32 DeviceRecord::*value;
};

constexpr RecordCounter recordCounters[] = {
    {Pid::DeviceHours, "deviceHours", &DeviceRecord::deviceHours},
    {Pid::DevicePowerCycles, "powerCycles", &DeviceRecord::devicePowerCycles},
    {Pid::LampHours, "lampHours", &DeviceRecord::lampHours},
    {Pid::LampStrikes, "lampStrikes", &DeviceRecord::lampStrikes},
};

constexpr quint8 firstSelfTest = 1;
constexpr quint8 lastSelfTest = 0xFE;
constexpr quint8 statusAdvisory = 2;

bool lists(const DeviceRecord &record, quint16 pid)
{
    return record.parameters.count(pid) != 0;
}

// The answer's parameter data, or nothing when the GET was not acknowledged.
std::optional<QByteArray> answer(RDM &rdm, const DeviceRecord &record, quint16 pid, const QByteArray &data = {})
{
    if (rdm.quietGet(record.uid, pid, quint8(data.size()), reinterpret_cast<const quint8 *>(data.constData()),
                     record.subDevice)
        != 0)
        return std::nullopt;
    return QByteArray(reinterpret_cast<const char *>(rdm.responseData()), rdm.responseLength());
}

QByteArray oneByte(quint8 value)
{
    QByteArray data;
    ByteWriter(&data).u8(value);
    return data;
}

QByteArray oneWord(quint16 value)
{
    QByteArray data;
    ByteWriter(&data).u16(value);
    return data;
}

// Null when the answer does not hold the value.
QJsonValue decoded(const QByteArray &data, ValueKind kind)
{
    ByteReader reader(data);
    switch (kind) {
    case ValueKind::Byte: {
        const quint8 value = reader.u8();
        return reader.ok() ? QJsonValue(value) : QJsonValue();
    }
    case ValueKind::Counter: {
        const quint32 value = reader.u32();
        return reader.ok() ? QJsonValue(qint64(value)) : QJsonValue();
    }
    case ValueKind::Text:
        return QString::fromLatin1(data);
    case ValueKind::Clock: {
        const RealTimeClock fields = RealTimeClock::read(reader);
        const QDateTime clock(fields.date(), fields.time());
        return reader.ok() && clock.isValid() ? QJsonValue(clock.toString(Qt::ISODate)) : QJsonValue();
    }
    case ValueKind::LanguageCodes: {
        QJsonArray codes;
        while (reader.remaining() >= 2)
            codes.append(QString::fromLatin1(reader.bytes(2)));
        return codes;
    }
    case ValueKind::Words: {
        QJsonArray words;
        while (reader.remaining() >= 2)
            words.append(reader.u16());
        return words;
    }
    }
    return QJsonValue();
}

void captureValues(RDM &rdm, const DeviceRecord &record, const CapturedValue *first, const CapturedValue *last,
                   QJsonObject *target)
{
    for (const CapturedValue *value = first; value != last; ++value) {
        if (!lists(record, value->pid))
            continue;
        if (const std::optional<QByteArray> data = answer(rdm, record, value->pid)) {
            if (const QJsonValue json = decoded(*data, value->kind); !json.isNull())
                target->insert(QLatin1String(value->key), json);
        }
    }
}

// The slots of the current personality: the only ones a responder describes without a SET.
QJsonArray currentSlots(RDM &rdm, const DeviceRecord &record)
{
    QJsonArray slotList;
    const std::optional<QByteArray> info = lists(record, Pid::SlotInfo) ? answer(rdm, record, Pid::SlotInfo)
                                                                        : std::nullopt;
    if (!info)
        return slotList;
    std::map<quint16, QJsonObject> slotsByOffset;
    for (ByteReader reader(*info); reader.remaining() >= 5;) {
        const quint16 offset = reader.u16();
        const quint8 type = reader.u8();
        const quint16 labelId = reader.u16();
        slotsByOffset[offset] = {{QStringLiteral("type"), type}, {QStringLiteral("labelId"), hexText(labelId, 4)}};
    }
    if (const std::optional<QByteArray> defaults = answer(rdm, record, Pid::DefaultSlotValue)) {
        for (ByteReader reader(*defaults); reader.remaining() >= 3;) {
            const quint16 offset = reader.u16();
            const quint8 value = reader.u8();
            if (slotsByOffset.count(offset))
                slotsByOffset[offset].insert(QStringLiteral("default"), value);
        }
    }
    for (auto &[offset, slot] : slotsByOffset) {
        if (!lists(record, Pid::SlotDescription))
            break;
        if (const std::optional<QByteArray> description = answer(rdm, record, Pid::SlotDescription, oneWord(offset));
            description && description->size() >= 2)
            slot.insert(QStringLiteral("description"), QString::fromLatin1(description->mid(2)));
    }
    // The format numbers slots by their place in the list.
    quint16 expected = 0;
    for (const auto &[offset, slot] : slotsByOffset) {
        if (offset != expected++ || offset >= record.dmxFootprint)
            break;
        slotList.append(slot);
    }
    return slotList;
}

QJsonArray personalities(RDM &rdm, const DeviceRecord &record)
{
    QJsonArray list;
    for (const auto &[number, personality] : record.personalities) {
        QJsonObject entry{{QStringLiteral("footprint"), personality.footprint},
                          {QStringLiteral("description"), personality.description}};
        if (number == record.currentPersonality) {
            if (const QJsonArray slotList = currentSlots(rdm, record); !slotList.isEmpty())
                entry.insert(QStringLiteral("slots"), slotList);
        }
        list.append(entry);
    }
    return list;
}

QJsonArray sensors(const DeviceRecord &record)
{
    QJsonArray list;
    for (const auto &[number, sensor] : record.sensors) {
        list.append(sensorDefinitionJson(sensor, {
            {QStringLiteral("recordedValueSupport"), sensor.recordedValueSupport & 3},
            {QStringLiteral("description"), sensor.description},
            {QStringLiteral("value"), sensor.presentValue},
            {QStringLiteral("lowest"), sensor.lowestValue},
            {QStringLiteral("highest"), sensor.highestValue},
            {QStringLiteral("recorded"), sensor.recordedValue},
        }));
    }
    return list;
}

// The stored value as the format writes it: text, numbers by the data type's element, or bytes.
QJsonValue parameterValue(const ParameterRecord &parameter, const QByteArray &data)
{
    struct Element
    {
        int size;
        bool isSigned;
    };
    static const std::map<quint8, Element> elements = {
        {DataType::UnsignedByte, {1, false}}, {DataType::SignedByte, {1, true}},
        {DataType::UnsignedWord, {2, false}}, {DataType::SignedWord, {2, true}},
        {DataType::UnsignedDoubleWord, {4, false}}, {DataType::SignedDoubleWord, {4, true}},
    };
    if (parameter.dataType == DataType::String)
        return QString::fromLatin1(data);
    const auto element = elements.find(parameter.dataType);
    if (element == elements.end())
        return QString::fromLatin1(data.toHex());
    if (data.isEmpty() || data.size() % element->second.size != 0)
        return QJsonValue();
    QJsonArray numbers;
    for (ByteReader reader(data); !reader.atEnd();) {
        const int size = element->second.size;
        const bool isSigned = element->second.isSigned;
        if (size == 1)
            numbers.append(isSigned ? qint64(reader.s8()) : qint64(reader.u8()));
        else if (size == 2)
            numbers.append(isSigned ? qint64(reader.s16()) : qint64(reader.u16()));
        else
            numbers.append(isSigned ? qint64(qint32(reader.u32())) : qint64(reader.u32()));
    }
    return numbers.size() == 1 ? numbers.first() : QJsonValue(numbers);
}

QJsonArray manufacturerParameters(RDM &rdm, const DeviceRecord &record)
{
    QJsonArray list;
    for (const auto &[pid, parameter] : record.parameters) {
        if (!isManufacturerSpecificPid(pid))
            continue;
        const bool isSigned = parameter.dataType == DataType::SignedByte || parameter.dataType == DataType::SignedWord
                              || parameter.dataType == DataType::SignedDoubleWord;
        QJsonObject entry{
            {QStringLiteral("pid"), hexText(pid, 4)},
            {QStringLiteral("description"), parameter.description},
            {QStringLiteral("pdlSize"), parameter.pdlSize},
            {QStringLiteral("dataType"), parameter.dataType},
            {QStringLiteral("commandClass"), qBound(1, int(parameter.commandClass), 3)},
            {QStringLiteral("type"), parameter.type},
            {QStringLiteral("unit"), parameter.unit},
            {QStringLiteral("prefix"), parameter.prefix},
            {QStringLiteral("minimum"), isSigned ? qint64(parameter.signedMinimum) : qint64(parameter.minimum)},
            {QStringLiteral("maximum"), isSigned ? qint64(parameter.signedMaximum) : qint64(parameter.maximum)},
            {QStringLiteral("default"), isSigned ? qint64(parameter.signedDefault) : qint64(parameter.defaultValue)},
        };
        if (parameter.commandClass & ParameterCommandClass::Get) {
            if (const std::optional<QByteArray> data = answer(rdm, record, pid)) {
                if (const QJsonValue value = parameterValue(parameter, *data); !value.isNull())
                    entry.insert(QStringLiteral("value"), value);
            }
        }
        list.append(entry);
    }
    return list;
}

// Self-test numbers are sparse and not listed anywhere: each is asked for.
QJsonArray selfTests(RDM &rdm, const DeviceRecord &record)
{
    QJsonArray list;
    for (int number = firstSelfTest; number <= lastSelfTest; ++number) {
        const std::optional<QByteArray> data = answer(rdm, record, Pid::SelfTestDescription, oneByte(quint8(number)));
        if (data && !data->isEmpty())
            list.append(QJsonObject{{QStringLiteral("number"), number},
                                    {QStringLiteral("description"), QString::fromLatin1(data->mid(1))}});
    }
    return list;
}

// The keys a root device and a sub-device share.
QJsonObject deviceJson(RDM &rdm, const DeviceRecord &record)
{
    QJsonObject device{
        {QStringLiteral("modelId"), hexText(record.deviceModelId, 4)},
        {QStringLiteral("productCategory"), hexText(record.productCategory, 4)},
        {QStringLiteral("softwareVersionId"), hexText(record.softwareVersionId, 8)},
        {QStringLiteral("label"), record.deviceLabel},
    };
    if (lists(record, Pid::DeviceModelDescription))
        device.insert(QStringLiteral("modelDescription"), record.modelDescription);
    if (lists(record, Pid::DmxPersonality) && !record.personalities.empty()) {
        device.insert(QStringLiteral("personalities"), personalities(rdm, record));
        device.insert(QStringLiteral("personality"), record.currentPersonality);
    }
    if (lists(record, Pid::DmxStartAddress) && record.dmxStartAddress >= 1 && record.dmxStartAddress <= 512)
        device.insert(QStringLiteral("startAddress"), record.dmxStartAddress);
    if (lists(record, Pid::SensorDefinition) && !record.sensors.empty())
        device.insert(QStringLiteral("sensors"), sensors(record));
    if (const QJsonArray parameters = manufacturerParameters(rdm, record); !parameters.isEmpty())
        device.insert(QStringLiteral("manufacturerParameters"), parameters);
    for (const RecordCounter &counter : recordCounters) {
        if (lists(record, counter.pid))
            device.insert(QLatin1String(counter.key), qint64(record.*counter.value));
    }
    if (lists(record, Pid::LampState))
        device.insert(QStringLiteral("lampState"), record.lampState);
    device.insert(QStringLiteral("identify"), record.identify);
    captureValues(rdm, record, std::begin(deviceValues), std::end(deviceValues), &device);
    if (lists(record, Pid::SelfTestDescription)) {
        if (const QJsonArray tests = selfTests(rdm, record); !tests.isEmpty())
            device.insert(QStringLiteral("selfTests"), tests);
    }
    // E1.20 gives no way to read how many scenes a device stores; one keeps the feature.
    if (lists(record, Pid::PresetPlayback) || lists(record, Pid::CapturePreset))
        device.insert(QStringLiteral("presets"), 1);
    return device;
}

struct StatusReport
{
    QJsonArray messages;
    QJsonArray descriptions;
};

StatusReport statusReport(RDM &rdm, const DeviceRecord &root)
{
    static const std::map<quint8, const char *> typeNames = {{2, "advisory"}, {3, "warning"}, {4, "error"}};
    StatusReport report;
    const std::optional<QByteArray> data = answer(rdm, root, Pid::StatusMessages, oneByte(statusAdvisory));
    if (!data)
        return report;
    QList<quint16> described;
    for (ByteReader reader(*data); reader.remaining() >= 9;) {
        const quint16 subDevice = reader.u16();
        const quint8 type = reader.u8();
        const quint16 id = reader.u16();
        const qint16 value1 = reader.s16();
        const qint16 value2 = reader.s16();
        const auto name = typeNames.find(type);
        if (name == typeNames.end())
            continue;
        report.messages.append(QJsonObject{{QStringLiteral("subDevice"), subDevice},
                                           {QStringLiteral("type"), QLatin1String(name->second)},
                                           {QStringLiteral("id"), hexText(id, 4)},
                                           {QStringLiteral("value1"), value1},
                                           {QStringLiteral("value2"), value2}});
        if (!isManufacturerSpecificPid(id) || described.contains(id))
            continue;
        described.append(id);
        if (const std::optional<QByteArray> text = answer(rdm, root, Pid::StatusIdDescription, oneWord(id)))
            report.descriptions.append(QJsonObject{{QStringLiteral("id"), hexText(id, 4)},
                                                   {QStringLiteral("description"), QString::fromLatin1(*text)}});
    }
    return report;
}

QJsonObject responderJson(RDM &rdm, quint64 uid)
{
    const std::unique_ptr<DeviceRecord> root = readDiscoveredDevice(rdm, uid);
    const std::vector<std::unique_ptr<DeviceRecord>> subDevices = discoverSubDevices(rdm, *root);
    readFullDetails(rdm, *root);

    QJsonObject responder{{QStringLiteral("uid"), uidText(uid)}};
    if (lists(*root, Pid::ManufacturerLabel))
        responder.insert(QStringLiteral("manufacturerLabel"), root->manufacturerLabel);
    responder.insert(QStringLiteral("softwareVersionLabel"), root->softwareVersionLabel);
    captureValues(rdm, *root, std::begin(responderValues), std::end(responderValues), &responder);
    const QJsonObject device = deviceJson(rdm, *root);
    for (auto it = device.begin(); it != device.end(); ++it)
        responder.insert(it.key(), it.value());

    QJsonArray subDeviceList;
    QList<int> answered;
    for (const std::unique_ptr<DeviceRecord> &subDevice : subDevices) {
        readFullDetails(rdm, *subDevice);
        QJsonObject entry = deviceJson(rdm, *subDevice);
        entry.insert(QStringLiteral("number"), subDevice->subDevice);
        captureValues(rdm, *subDevice, std::begin(subDeviceValues), std::end(subDeviceValues), &entry);
        subDeviceList.append(entry);
        answered.append(subDevice->subDevice);
    }
    // Announced sub-devices that never answered stay on the line as silent ones, lowest numbers first.
    for (int number = 1; number <= 512 && answered.size() < root->subDeviceCount; ++number) {
        if (answered.contains(number))
            continue;
        subDeviceList.append(QJsonObject{{QStringLiteral("number"), number}, {QStringLiteral("silent"), true}});
        answered.append(number);
    }
    if (!subDeviceList.isEmpty())
        responder.insert(QStringLiteral("subDevices"), subDeviceList);

    if (lists(*root, Pid::StatusMessages)) {
        const StatusReport status = statusReport(rdm, *root);
        responder.insert(QStringLiteral("statusMessages"), status.messages);
        if (!status.descriptions.isEmpty())
            responder.insert(QStringLiteral("statusDescriptions"), status.descriptions);
    }
    if (lists(*root, Pid::ProxiedDevices)) {
        if (const std::optional<QByteArray> data = answer(rdm, *root, Pid::ProxiedDevices)) {
            QJsonArray proxied;
            for (ByteReader reader(*data); reader.remaining() >= 6;)
                proxied.append(uidText(reader.uid()));
            responder.insert(QStringLiteral("proxiedDevices"), proxied);
        }
    }
    return responder;
}

// The interface's identity from its listing text; a unit that lists oddly keeps a neutral serial.
QJsonObject interfaceJson(const QString &interfaceText)
{
    static const QRegularExpression listing(QStringLiteral("^D:(.{0,15}) FW:(.{0,39}) SN:([!-~]{7})$"));
    const QRegularExpressionMatch match = listing.match(interfaceText);
    if (!match.hasMatch())
        return {{QStringLiteral("serial"), QStringLiteral("0000001")}};
    return {{QStringLiteral("serial"), match.captured(3)},
            {QStringLiteral("model"), match.captured(1)},
            {QStringLiteral("firmware"), match.captured(2)}};
}

} // namespace

QJsonObject readRigSnapshot(RDM &rdm, const QList<quint64> &uids, const QString &interfaceText)
{
    QJsonArray responders;
    for (const quint64 uid : uids)
        responders.append(responderJson(rdm, uid));
    QJsonObject interface = interfaceJson(interfaceText);
    interface.insert(QStringLiteral("responders"), responders);
    return {{QStringLiteral("interfaces"), QJsonArray{interface}}};
}
