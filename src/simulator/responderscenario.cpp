// Responders described in scenario files: parsing, checking and putting them on the line.
#include "simulator/responderscenario.h"

#include "simulator/scenariofields.h"
#include "simulator/simulatedclock.h"
#include "simulator/simulatedline.h"
#include "simulator/simulatedresponder.h"
#include "usb/bytewriter.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSet>

namespace {

constexpr int LabelLength = 32;
constexpr qint64 HighestSubDevice = 512;
constexpr qint64 MostRequests = 1000000000;

const QStringList deviceKeys = {
    QStringLiteral("modelId"), QStringLiteral("productCategory"), QStringLiteral("softwareVersionId"),
    QStringLiteral("modelDescription"), QStringLiteral("label"), QStringLiteral("personalities"),
    QStringLiteral("personality"), QStringLiteral("startAddress"), QStringLiteral("sensors"),
    QStringLiteral("manufacturerParameters"), QStringLiteral("deviceHours"), QStringLiteral("powerCycles"),
    QStringLiteral("lampHours"), QStringLiteral("lampStrikes"), QStringLiteral("lampState"),
    QStringLiteral("lampOnMode"), QStringLiteral("displayInvert"), QStringLiteral("displayLevel"),
    QStringLiteral("panInvert"), QStringLiteral("tiltInvert"), QStringLiteral("panTiltSwap"),
    QStringLiteral("realTimeClock"), QStringLiteral("identify"), QStringLiteral("powerState"),
    QStringLiteral("selfTests"), QStringLiteral("presets"), QStringLiteral("languages"),
    QStringLiteral("language"), QStringLiteral("productDetails"),
};

const QStringList responderKeys = {
    QStringLiteral("uid"), QStringLiteral("manufacturerLabel"), QStringLiteral("softwareVersionLabel"),
    QStringLiteral("bootSoftwareVersionId"), QStringLiteral("bootSoftwareVersionLabel"),
    QStringLiteral("proxiedDevices"), QStringLiteral("statusMessages"), QStringLiteral("statusDescriptions"),
    QStringLiteral("subDevices"), QStringLiteral("behaviour"), QStringLiteral("joinsAfterRequests"),
    QStringLiteral("leavesAfterRequests"),
};

const QStringList subDeviceKeys = {QStringLiteral("number"), QStringLiteral("silent"),
                                   QStringLiteral("statusReportThreshold")};

struct LoadedResponder
{
    std::shared_ptr<SimulatedResponder> responder;
    std::optional<int> joinsAfterRequests;
    std::optional<int> leavesAfterRequests;
};

using Fields = ScenarioFields;

class ResponderParser
{
public:
    bool parse(const Fields &fields, LoadedResponder *loaded);

private:
    bool parseUid(const Fields &fields, const QJsonValue &value, const QString &path, quint64 *uid);
    bool parseDevice(const Fields &fields, ResponderDevice *device);
    bool parseDmx(const Fields &fields, ResponderDevice *device);
    bool parseSlot(const Fields &fields, ResponderSlot *slot);
    bool parseSensor(const Fields &fields, ResponderSensor *sensor);
    bool parseVariation(const Fields &fields, SensorVariation *variation);
    bool parseCounters(const Fields &fields, ResponderDevice *device);
    bool parseControls(const Fields &fields, ResponderDevice *device);
    bool parseLanguages(const Fields &fields, ResponderDevice *device);
    bool parseManufacturerParameter(const Fields &fields, ResponderDevice *device);
    bool parseParameterValue(const Fields &fields, const ManufacturerParameter &parameter, QByteArray *value);
    bool parseSubDevice(const Fields &fields, ResponderState *state);
    bool parseStatus(const Fields &fields, ResponderState *state);
    bool parseProxiedDevices(const Fields &fields, ResponderState *state);
    bool parseBehaviour(const Fields &fields, ResponderBehaviour *behaviour);
    bool parseSchedule(const Fields &fields, LoadedResponder *loaded);
};

bool ResponderParser::parse(const Fields &fields, LoadedResponder *loaded)
{
    if (!fields.checkKeys(responderKeys + deviceKeys))
        return false;
    ResponderState state;
    ResponderBehaviour behaviour;
    if (!fields.contains(QStringLiteral("uid")))
        return fields.fail(fields.pathOf(QStringLiteral("uid")), QStringLiteral("missing"));
    if (!parseUid(fields, fields.value(QStringLiteral("uid")), fields.pathOf(QStringLiteral("uid")), &state.uid)
        || !fields.text(QStringLiteral("manufacturerLabel"), LabelLength, &state.manufacturerLabel)
        || !fields.text(QStringLiteral("softwareVersionLabel"), LabelLength, &state.softwareVersionLabel)
        || !fields.integer(QStringLiteral("bootSoftwareVersionId"), &state.bootSoftwareVersionId)
        || !fields.text(QStringLiteral("bootSoftwareVersionLabel"), LabelLength, &state.bootSoftwareVersionLabel)
        || !parseDevice(fields, &state.root)
        || !fields.forEachObject(QStringLiteral("subDevices"),
                                 [&](const Fields &entry) { return parseSubDevice(entry, &state); })
        || !parseStatus(fields, &state) || !parseProxiedDevices(fields, &state) || !parseSchedule(fields, loaded)
        || !fields.forObject(QStringLiteral("behaviour"),
                             [&](const Fields &entry) { return parseBehaviour(entry, &behaviour); }))
        return false;
    loaded->responder = std::make_shared<SimulatedResponder>(state, behaviour);
    return true;
}

bool ResponderParser::parseUid(const Fields &fields, const QJsonValue &value, const QString &path, quint64 *uid)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9A-Fa-f]{4}):([0-9A-Fa-f]{8})")));
    const QRegularExpressionMatch match = pattern.match(value.toString());
    const quint64 manufacturer = match.captured(1).toULongLong(nullptr, 16);
    const quint64 device = match.captured(2).toULongLong(nullptr, 16);
    if (!value.isString() || !match.hasMatch() || manufacturer == 0xFFFF || device == 0xFFFFFFFF)
        return fields.fail(path, QStringLiteral("expected \"MMMM:DDDDDDDD\": manufacturer and device ID in "
                                                "hexadecimal, neither of them all F"));
    *uid = (manufacturer << 32) | device;
    return true;
}

bool ResponderParser::parseDevice(const Fields &fields, ResponderDevice *device)
{
    if (!fields.integer(QStringLiteral("modelId"), &device->modelId)
        || !fields.integer(QStringLiteral("productCategory"), &device->productCategory)
        || !fields.integer(QStringLiteral("softwareVersionId"), &device->softwareVersionId)
        || !fields.text(QStringLiteral("modelDescription"), LabelLength, &device->modelDescription)
        || !fields.text(QStringLiteral("label"), LabelLength, &device->settings.label) || !parseDmx(fields, device)
        || !fields.forEachObject(QStringLiteral("sensors"),
                                 [&](const Fields &entry) {
                                     device->sensors.append(ResponderSensor());
                                     return parseSensor(entry, &device->sensors.last());
                                 })
        || !fields.forEachObject(QStringLiteral("manufacturerParameters"),
                                 [&](const Fields &entry) { return parseManufacturerParameter(entry, device); })
        || !parseCounters(fields, device) || !parseControls(fields, device) || !parseLanguages(fields, device))
        return false;
    device->factorySettings = device->settings;
    return true;
}

bool ResponderParser::parseDmx(const Fields &fields, ResponderDevice *device)
{
    const bool parsed = fields.forEachObject(QStringLiteral("personalities"), [&](const Fields &entry) {
        ResponderPersonality personality;
        if (!entry.checkKeys({QStringLiteral("footprint"), QStringLiteral("description"), QStringLiteral("slots")})
            || !entry.integer(QStringLiteral("footprint"), 0, 512, &personality.footprint)
            || !entry.text(QStringLiteral("description"), LabelLength, &personality.description)
            || !entry.forEachObject(QStringLiteral("slots"), [&](const Fields &slotEntry) {
                   personality.slotList.append(ResponderSlot());
                   return parseSlot(slotEntry, &personality.slotList.last());
               }))
            return false;
        if (personality.slotList.size() > personality.footprint)
            return entry.fail(entry.pathOf(QStringLiteral("slots")),
                              QStringLiteral("expected at most %1 slots, the footprint").arg(personality.footprint));
        device->personalities.append(personality);
        return true;
    });
    if (!parsed)
        return false;
    if (!device->personalities.isEmpty()
        && !fields.integer(QStringLiteral("personality"), 1, device->personalities.size(), &device->settings.personality))
        return false;
    if (device->personalities.isEmpty() && fields.contains(QStringLiteral("personality")))
        return fields.fail(fields.pathOf(QStringLiteral("personality")), QStringLiteral("no personalities are given"));
    return fields.integer(QStringLiteral("startAddress"), 1, 512, &device->settings.startAddress);
}

bool ResponderParser::parseSlot(const Fields &fields, ResponderSlot *slot)
{
    return fields.checkKeys({QStringLiteral("type"), QStringLiteral("labelId"), QStringLiteral("description"),
                             QStringLiteral("default")})
           && fields.integer(QStringLiteral("type"), &slot->type)
           && fields.integer(QStringLiteral("labelId"), &slot->labelId)
           && fields.text(QStringLiteral("description"), LabelLength, &slot->description)
           && fields.integer(QStringLiteral("default"), &slot->defaultValue);
}

bool ResponderParser::parseSensor(const Fields &fields, ResponderSensor *sensor)
{
    return fields.checkKeys({QStringLiteral("type"), QStringLiteral("unit"), QStringLiteral("prefix"),
                             QStringLiteral("rangeMinimum"), QStringLiteral("rangeMaximum"),
                             QStringLiteral("normalMinimum"), QStringLiteral("normalMaximum"),
                             QStringLiteral("recordedValueSupport"), QStringLiteral("description"),
                             QStringLiteral("value"), QStringLiteral("lowest"), QStringLiteral("highest"),
                             QStringLiteral("recorded"), QStringLiteral("varies")})
           && fields.integer(QStringLiteral("type"), &sensor->type)
           && fields.integer(QStringLiteral("unit"), &sensor->unit)
           && fields.integer(QStringLiteral("prefix"), &sensor->prefix)
           && fields.integer(QStringLiteral("rangeMinimum"), &sensor->rangeMinimum)
           && fields.integer(QStringLiteral("rangeMaximum"), &sensor->rangeMaximum)
           && fields.integer(QStringLiteral("normalMinimum"), &sensor->normalMinimum)
           && fields.integer(QStringLiteral("normalMaximum"), &sensor->normalMaximum)
           && fields.integer(QStringLiteral("recordedValueSupport"), 0, 3, &sensor->recordedValueSupport)
           && fields.text(QStringLiteral("description"), LabelLength, &sensor->description)
           && fields.integer(QStringLiteral("value"), &sensor->present)
           && fields.integer(QStringLiteral("lowest"), &sensor->lowest)
           && fields.integer(QStringLiteral("highest"), &sensor->highest)
           && fields.integer(QStringLiteral("recorded"), &sensor->recorded)
           && (!fields.contains(QStringLiteral("varies")) || !fields.contains(QStringLiteral("value"))
               || fields.fail(fields.pathOf(QStringLiteral("varies")), QStringLiteral("replaces \"value\"; give one of them")))
           && fields.forObject(QStringLiteral("varies"),
                               [&](const Fields &entry) { return parseVariation(entry, &sensor->variation); });
}

bool ResponderParser::parseVariation(const Fields &fields, SensorVariation *variation)
{
    static const struct
    {
        const char *name;
        SensorVariation::Shape shape;
    } shapes[] = {{"sine", SensorVariation::Shape::Sine},
                  {"triangle", SensorVariation::Shape::Triangle},
                  {"ramp", SensorVariation::Shape::Ramp}};
    const QString shapeKey = QStringLiteral("shape");
    const QString periodKey = QStringLiteral("periodSeconds");
    if (!fields.checkKeys({shapeKey, QStringLiteral("minimum"), QStringLiteral("maximum"), periodKey}))
        return false;
    const QString shape = fields.value(shapeKey).toString();
    for (const auto &entry : shapes) {
        if (shape == QLatin1String(entry.name))
            variation->shape = entry.shape;
    }
    if (variation->shape == SensorVariation::Shape::Steady)
        return fields.fail(fields.pathOf(shapeKey), QStringLiteral("expected \"sine\", \"triangle\" or \"ramp\""));
    for (const QString &key : {QStringLiteral("minimum"), QStringLiteral("maximum"), periodKey}) {
        if (!fields.contains(key))
            return fields.fail(fields.pathOf(key), QStringLiteral("missing"));
    }
    qint64 periodSeconds = 0;
    if (!fields.integer(QStringLiteral("minimum"), &variation->minimum)
        || !fields.integer(QStringLiteral("maximum"), &variation->maximum)
        || !fields.integer(periodKey, 1, 86400, &periodSeconds))
        return false;
    if (variation->maximum < variation->minimum)
        return fields.fail(fields.pathOf(QStringLiteral("maximum")), QStringLiteral("expected at least \"minimum\""));
    variation->periodMs = periodSeconds * 1000;
    return true;
}

bool ResponderParser::parseCounters(const Fields &fields, ResponderDevice *device)
{
    return fields.integer(QStringLiteral("deviceHours"), &device->deviceHours)
           && fields.integer(QStringLiteral("powerCycles"), &device->powerCycles)
           && fields.integer(QStringLiteral("lampHours"), &device->lampHours)
           && fields.integer(QStringLiteral("lampStrikes"), &device->lampStrikes)
           && fields.integer(QStringLiteral("lampState"), &device->lampState)
           && fields.integer(QStringLiteral("lampOnMode"), &device->settings.lampOnMode);
}

bool ResponderParser::parseControls(const Fields &fields, ResponderDevice *device)
{
    ResponderSettings &settings = device->settings;
    if (!fields.integer(QStringLiteral("displayInvert"), 0, 2, &settings.displayInvert)
        || !fields.integer(QStringLiteral("displayLevel"), 0, 255, &settings.displayLevel)
        || !fields.integer(QStringLiteral("panInvert"), 0, 1, &settings.panInvert)
        || !fields.integer(QStringLiteral("tiltInvert"), 0, 1, &settings.tiltInvert)
        || !fields.integer(QStringLiteral("panTiltSwap"), 0, 1, &settings.panTiltSwap)
        || !fields.integer(QStringLiteral("powerState"), 0, 255, &device->powerState)
        || !fields.flag(QStringLiteral("identify"), &device->identify))
        return false;
    const QString clockKey = QStringLiteral("realTimeClock");
    if (fields.contains(clockKey)) {
        QByteArray text;
        const QDateTime clock = fields.text(clockKey, LabelLength, &text)
                                    ? QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate)
                                    : QDateTime();
        if (!clock.isValid() || clock.date().year() < 2003)
            return fields.fail(fields.pathOf(clockKey),
                               QStringLiteral("expected a date and time such as \"2026-03-14T19:30:00\""));
        // The clock runs on from the moment the scenario is read.
        device->clockOffset = QDateTime::currentDateTime().secsTo(clock);
    }
    qint64 presets = 0;
    if (!fields.integer(QStringLiteral("presets"), 0, 0xFFFE, &presets))
        return false;
    device->presets = QList<ResponderPreset>(int(presets));
    const bool testsParsed = fields.forEachObject(QStringLiteral("selfTests"), [&](const Fields &entry) {
        ResponderSelfTest test;
        if (!entry.checkKeys({QStringLiteral("number"), QStringLiteral("description")})
            || !entry.integer(QStringLiteral("number"), 1, 0xFE, &test.number)
            || !entry.text(QStringLiteral("description"), LabelLength, &test.description))
            return false;
        device->selfTests.append(test);
        return true;
    });
    return testsParsed
           && fields.forEachValue(QStringLiteral("productDetails"), [&](const QJsonValue &value, const QString &path) {
                  qint64 detail = 0;
                  if (!fields.integerValue(value, path, 0, 0xFFFF, &detail))
                      return false;
                  device->productDetails.append(quint16(detail));
                  return true;
              });
}

bool ResponderParser::parseLanguages(const Fields &fields, ResponderDevice *device)
{
    const bool languagesParsed =
        fields.forEachValue(QStringLiteral("languages"), [&](const QJsonValue &value, const QString &path) {
            QByteArray code;
            if (!fields.textValue(value, path, 2, &code))
                return false;
            if (code.size() != 2)
                return fields.fail(path, QStringLiteral("expected a two-letter language code"));
            device->languages.append(code);
            return true;
        });
    if (!languagesParsed)
        return false;
    if (!device->languages.isEmpty())
        device->settings.language = device->languages.first();
    const QString key = QStringLiteral("language");
    if (!fields.contains(key))
        return true;
    QByteArray language;
    if (!fields.text(key, 2, &language))
        return false;
    if (!device->languages.contains(language))
        return fields.fail(fields.pathOf(key), QStringLiteral("expected one of the codes in \"languages\""));
    device->settings.language = language;
    return true;
}

bool ResponderParser::parseManufacturerParameter(const Fields &fields, ResponderDevice *device)
{
    ManufacturerParameter parameter;
    qint64 minimum = 0;
    qint64 maximum = 0;
    qint64 defaultValue = 0;
    constexpr qint64 lowest = std::numeric_limits<qint32>::min();
    constexpr qint64 highest = std::numeric_limits<quint32>::max();
    if (!fields.checkKeys({QStringLiteral("pid"), QStringLiteral("description"), QStringLiteral("pdlSize"),
                           QStringLiteral("dataType"), QStringLiteral("commandClass"), QStringLiteral("type"),
                           QStringLiteral("unit"), QStringLiteral("prefix"), QStringLiteral("minimum"),
                           QStringLiteral("maximum"), QStringLiteral("default"), QStringLiteral("value")})
        || !fields.integer(QStringLiteral("pid"), Rdm::Pid::FirstManufacturerPid, Rdm::Pid::LastManufacturerPid,
                           &parameter.pid)
        || !fields.text(QStringLiteral("description"), LabelLength, &parameter.description)
        || !fields.integer(QStringLiteral("pdlSize"), &parameter.pdlSize)
        || !fields.integer(QStringLiteral("dataType"), 0, 8, &parameter.dataType)
        || !fields.integer(QStringLiteral("commandClass"), 1, 3, &parameter.commandClass)
        || !fields.integer(QStringLiteral("type"), &parameter.type)
        || !fields.integer(QStringLiteral("unit"), &parameter.unit)
        || !fields.integer(QStringLiteral("prefix"), &parameter.prefix)
        || !fields.integer(QStringLiteral("minimum"), lowest, highest, &minimum)
        || !fields.integer(QStringLiteral("maximum"), lowest, highest, &maximum)
        || !fields.integer(QStringLiteral("default"), lowest, highest, &defaultValue))
        return false;
    if (!fields.contains(QStringLiteral("pid")))
        return fields.fail(fields.pathOf(QStringLiteral("pid")), QStringLiteral("missing"));
    if (device->manufacturerParameter(parameter.pid))
        return fields.fail(fields.pathOf(QStringLiteral("pid")), QStringLiteral("described twice"));
    parameter.minimum = quint32(minimum);
    parameter.maximum = quint32(maximum);
    parameter.defaultValue = quint32(defaultValue);
    QByteArray value;
    if (!parseParameterValue(fields, parameter, &value))
        return false;
    device->manufacturerParameters.append(parameter);
    device->settings.manufacturerValues.insert(parameter.pid, value);
    return true;
}

// Strings are text, numeric types a number or a list of numbers, anything else hexadecimal bytes.
bool ResponderParser::parseParameterValue(const Fields &fields, const ManufacturerParameter &parameter,
                                          QByteArray *value)
{
    constexpr quint8 VariableSize = 0xFF;
    const QString key = QStringLiteral("value");
    const QString path = fields.pathOf(key);
    const int longest = parameter.pdlSize == VariableSize ? Rdm::MaximumParameterData : parameter.pdlSize;
    if (parameter.dataType == 2)
        return fields.text(key, longest, value);
    const int size = parameter.elementSize();
    if (size == 0) {
        static const QRegularExpression hexadecimal(
            QRegularExpression::anchoredPattern(QStringLiteral("([0-9A-Fa-f]{2})*")));
        QByteArray text;
        if (!fields.text(key, 2 * longest, &text))
            return false;
        if (!hexadecimal.match(QString::fromLatin1(text)).hasMatch())
            return fields.fail(path, QStringLiteral("expected pairs of hexadecimal digits"));
        *value = QByteArray::fromHex(text);
        return true;
    }
    const qint64 bits = 8 * size;
    const qint64 minimum = parameter.isSigned() ? -(qint64(1) << (bits - 1)) : 0;
    const qint64 maximum = parameter.isSigned() ? (qint64(1) << (bits - 1)) - 1 : (qint64(1) << bits) - 1;
    const int count = parameter.pdlSize == VariableSize ? 1 : parameter.pdlSize / size;
    QList<qint64> numbers;
    if (!fields.contains(key)) {
        const qint64 fill =
            parameter.isSigned() ? qint64(qint32(parameter.defaultValue)) : qint64(parameter.defaultValue);
        if (fill < minimum || fill > maximum)
            return fields.fail(fields.pathOf(QStringLiteral("default")),
                               QStringLiteral("expected an integer from %1 to %2").arg(minimum).arg(maximum));
        numbers = QList<qint64>(count, fill);
    } else {
        const QJsonValue json = fields.value(key);
        const QJsonArray entries = json.isArray() ? json.toArray() : QJsonArray{json};
        for (int i = 0; i < entries.size(); ++i) {
            qint64 number = 0;
            if (!fields.integerValue(entries.at(i), json.isArray() ? Fields::element(path, i) : path, minimum,
                                     maximum, &number))
                return false;
            numbers.append(number);
        }
    }
    const qint64 length = qint64(numbers.size()) * size;
    if ((parameter.pdlSize != VariableSize && length != parameter.pdlSize) || length > Rdm::MaximumParameterData)
        return fields.fail(path, QStringLiteral("expected %1 values, as pdlSize gives").arg(count));
    ByteWriter writer(value);
    for (qint64 number : std::as_const(numbers)) {
        if (size == 1)
            writer.u8(quint8(number));
        else if (size == 2)
            writer.u16(quint16(number));
        else
            writer.u32(quint32(number));
    }
    return true;
}

bool ResponderParser::parseSubDevice(const Fields &fields, ResponderState *state)
{
    qint64 number = 0;
    ResponderDevice device;
    if (!fields.checkKeys(deviceKeys + subDeviceKeys)
        || !fields.integer(QStringLiteral("number"), 1, HighestSubDevice, &number)
        || !fields.flag(QStringLiteral("silent"), &device.silent)
        || !fields.integer(QStringLiteral("statusReportThreshold"), 0, 4, &device.statusReportThreshold)
        || !parseDevice(fields, &device))
        return false;
    if (!fields.contains(QStringLiteral("number")))
        return fields.fail(fields.pathOf(QStringLiteral("number")), QStringLiteral("missing"));
    if (device.statusReportThreshold == Rdm::StatusType::GetLastMessage)
        return fields.fail(fields.pathOf(QStringLiteral("statusReportThreshold")),
                           QStringLiteral("expected 0, 2, 3 or 4"));
    if (state->subDevices.contains(quint16(number)))
        return fields.fail(fields.pathOf(QStringLiteral("number")), QStringLiteral("sub-device given twice"));
    state->subDevices.insert(quint16(number), device);
    return true;
}

bool ResponderParser::parseStatus(const Fields &fields, ResponderState *state)
{
    static const QMap<QString, quint8> statusTypes = {{QStringLiteral("advisory"), Rdm::StatusType::Advisory},
                                                      {QStringLiteral("warning"), Rdm::StatusType::Warning},
                                                      {QStringLiteral("error"), Rdm::StatusType::Error}};
    state->reportsStatus = fields.contains(QStringLiteral("statusMessages"));
    const bool messagesParsed = fields.forEachObject(QStringLiteral("statusMessages"), [&](const Fields &entry) {
        ResponderStatusMessage message;
        QByteArray type;
        if (!entry.checkKeys({QStringLiteral("subDevice"), QStringLiteral("type"), QStringLiteral("id"),
                              QStringLiteral("value1"), QStringLiteral("value2")})
            || !entry.integer(QStringLiteral("subDevice"), &message.subDevice)
            || !entry.text(QStringLiteral("type"), 8, &type) || !entry.integer(QStringLiteral("id"), &message.messageId)
            || !entry.integer(QStringLiteral("value1"), &message.value1)
            || !entry.integer(QStringLiteral("value2"), &message.value2))
            return false;
        if (!statusTypes.contains(QString::fromLatin1(type)))
            return entry.fail(entry.pathOf(QStringLiteral("type")),
                              QStringLiteral("expected \"advisory\", \"warning\" or \"error\""));
        if (message.subDevice != Rdm::RootDevice && !state->subDevices.contains(message.subDevice))
            return entry.fail(entry.pathOf(QStringLiteral("subDevice")), QStringLiteral("no such sub-device"));
        message.statusType = statusTypes.value(QString::fromLatin1(type));
        state->statusMessages.append(message);
        return true;
    });
    return messagesParsed
           && fields.forEachObject(QStringLiteral("statusDescriptions"), [&](const Fields &entry) {
                  quint16 id = 0;
                  QByteArray description;
                  if (!entry.checkKeys({QStringLiteral("id"), QStringLiteral("description")})
                      || !entry.integer(QStringLiteral("id"), Rdm::Pid::FirstManufacturerPid,
                                        Rdm::Pid::LastManufacturerPid, &id)
                      || !entry.text(QStringLiteral("description"), LabelLength, &description))
                      return false;
                  state->statusDescriptions.insert(id, description);
                  return true;
              });
}

bool ResponderParser::parseProxiedDevices(const Fields &fields, ResponderState *state)
{
    const QString key = QStringLiteral("proxiedDevices");
    if (!fields.contains(key))
        return true;
    state->proxiedDevices.emplace();
    return fields.forEachValue(key, [&](const QJsonValue &value, const QString &path) {
        quint64 uid = 0;
        if (!parseUid(fields, value, path, &uid))
            return false;
        state->proxiedDevices->append(uid);
        return true;
    });
}

bool ResponderParser::parseBehaviour(const Fields &fields, ResponderBehaviour *behaviour)
{
    if (!fields.checkKeys({QStringLiteral("silent"), QStringLiteral("wrongChecksum"),
                           QStringLiteral("wrongTransactionNumber"), QStringLiteral("wrongDestination"),
                           QStringLiteral("wrongCommandClass"), QStringLiteral("refusesMute"),
                           QStringLiteral("writeProtected"), QStringLiteral("ackTimer")})
        || !fields.flag(QStringLiteral("silent"), &behaviour->silent)
        || !fields.flag(QStringLiteral("wrongChecksum"), &behaviour->wrongChecksum)
        || !fields.flag(QStringLiteral("wrongTransactionNumber"), &behaviour->wrongTransactionNumber)
        || !fields.flag(QStringLiteral("wrongDestination"), &behaviour->wrongDestination)
        || !fields.flag(QStringLiteral("wrongCommandClass"), &behaviour->wrongCommandClass)
        || !fields.flag(QStringLiteral("refusesMute"), &behaviour->refusesMute)
        || !fields.flag(QStringLiteral("writeProtected"), &behaviour->writeProtected))
        return false;
    return fields.forEachObject(QStringLiteral("ackTimer"), [&](const Fields &entry) {
        quint16 pid = 0;
        quint16 estimate = 0;
        if (!entry.checkKeys({QStringLiteral("pid"), QStringLiteral("estimate")})
            || !entry.integer(QStringLiteral("pid"), &pid) || !entry.integer(QStringLiteral("estimate"), &estimate))
            return false;
        behaviour->ackTimerPids.insert(pid, estimate);
        return true;
    });
}

bool ResponderParser::parseSchedule(const Fields &fields, LoadedResponder *loaded)
{
    std::optional<int> &joins = loaded->joinsAfterRequests;
    std::optional<int> &leaves = loaded->leavesAfterRequests;
    if (!fields.integer(QStringLiteral("joinsAfterRequests"), 0, MostRequests, &joins)
        || !fields.integer(QStringLiteral("leavesAfterRequests"), 0, MostRequests, &leaves))
        return false;
    if (joins && leaves && *leaves <= *joins)
        return fields.fail(fields.pathOf(QStringLiteral("leavesAfterRequests")),
                           QStringLiteral("expected a count above \"joinsAfterRequests\""));
    return true;
}

} // namespace

bool loadResponders(SimulatedLine &line, const QJsonArray &responders, const SimulatedClock &clock, QString *error)
{
    QList<LoadedResponder> loaded;
    QSet<quint64> uids;
    const auto parseResponder = [&](const Fields &fields) {
        LoadedResponder entry;
        if (!ResponderParser().parse(fields, &entry))
            return false;
        if (uids.contains(entry.responder->uid()))
            return fields.fail(fields.pathOf(QStringLiteral("uid")), QStringLiteral("another responder has this UID"));
        uids.insert(entry.responder->uid());
        loaded.append(entry);
        return true;
    };
    if (!Fields::forEachObject(responders, QStringLiteral("responders"), error, parseResponder))
        return false;
    for (const LoadedResponder &entry : std::as_const(loaded)) {
        entry.responder->setElapsedClock([&clock] { return clock.elapsedMs(); });
        if (entry.joinsAfterRequests)
            line.addResponderAfter(*entry.joinsAfterRequests, entry.responder);
        else
            line.addResponder(entry.responder);
        if (entry.leavesAfterRequests)
            line.removeResponderAfter(*entry.leavesAfterRequests, entry.responder->uid());
    }
    return true;
}
