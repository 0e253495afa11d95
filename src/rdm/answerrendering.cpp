// Decodes RDM answers into one line each: a layout per standard PID, the data type for the others.
#include "rdm/answerrendering.h"

#include "rdm/parameterids.h"
#include "rdm/parameterrecord.h"
#include "rdm/standardparameters.h"
#include "rdm/uidtext.h"
#include "rdm/vocabulary.h"
#include "usb/bytereader.h"
#include "usb/bytewriter.h"

#include <QCoreApplication>
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <optional>

namespace {

enum class Number { U8, U16, U32, S16, S32 };

int byteCount(Number number)
{
    switch (number) {
    case Number::U8:
        return 1;
    case Number::U16:
    case Number::S16:
        return 2;
    case Number::U32:
    case Number::S32:
        return 4;
    }
    return 0;
}

QString decimal(qint64 value)
{
    return QString::number(value);
}

// A code's text followed by the code, as " (0x01)".
QString codedText(const QString &text, qint64 code, int digits)
{
    return text + QLatin1String(" (") + hexText(code, digits) + QLatin1Char(')');
}

// One field of a fixed layout: its label, its width and how its number reads.
struct Field
{
    QString label;
    Number number;
    std::function<QString(qint64)> format = decimal;
};

// The line being built over the answer's bytes. Once a field finds too few bytes the line is
// truncated: every later call adds nothing and the line ends with "(truncated)".
class AnswerLine
{
    Q_DECLARE_TR_FUNCTIONS(GetSetDialog)

public:
    AnswerLine(const quint8 *data, int length, AnswerFormat format)
        : m_reader(reinterpret_cast<const char *>(data), data ? length : 0)
        , m_format(format)
    { }

    bool isRichText() const { return m_format == AnswerFormat::RichText; }
    bool hasMore() const { return !m_truncated && !m_reader.atEnd(); }

    // A heading that introduces several fields.
    void heading(const QString &text)
    {
        append(text + QLatin1Char(':') + (isRichText() ? QLatin1String("<br>") : QLatin1String(" ")));
    }
    void lineBreak() { append(isRichText() ? QLatin1String("<br>") : QLatin1String("; ")); }
    void gap() { append(QStringLiteral("  ")); }
    void space() { append(QStringLiteral(" ")); }
    void append(const QString &text)
    {
        if (!m_truncated)
            m_text += text;
    }
    // The next number, or nothing and the line truncated.
    std::optional<qint64> next(Number number)
    {
        qint64 value = 0;
        return read(number, &value) ? std::optional<qint64>(value) : std::nullopt;
    }
    void truncate() { m_truncated = true; }

    // label, separator and the number formatted by `format`; nothing but truncation when short.
    template <typename Format>
    void field(const QString &label, Number number, Format format, const QString &separator = QStringLiteral(": "))
    {
        qint64 value = 0;
        if (!read(number, &value))
            return;
        m_text += plain(label + separator + format(value));
    }
    void field(const QString &label, Number number, const QString &separator = QStringLiteral(": "))
    {
        field(label, number, decimal, separator);
    }
    // The fields in order with `between` before each but the first.
    void fields(std::initializer_list<Field> fields, void (AnswerLine::*between)())
    {
        bool first = true;
        for (const Field &each : fields) {
            if (!first)
                (this->*between)();
            first = false;
            field(each.label, each.number, each.format);
        }
    }
    // label, separator and the rest of the answer as text.
    void textField(const QString &label, const QString &separator = QStringLiteral(": "))
    {
        if (!m_truncated)
            m_text += label + separator + deviceText(m_reader.rest());
    }
    // Each remaining element with `format` and a trailing `separator`; a partial element truncates.
    template <typename Format> void elements(Number number, Format format, const QString &separator)
    {
        while (hasMore()) {
            qint64 value = 0;
            if (read(number, &value))
                m_text += plain(format(value)) + separator;
        }
    }

    // Names such as "Dimmer AC ELV (AC <= 50V)" are plain text, not markup.
    QString plain(const QString &text) const { return isRichText() ? text.toHtmlEscaped() : text; }

    // Bytes as Latin-1 characters up to the first zero byte, made safe for the format.
    QString deviceText(const QByteArray &bytes) const
    {
        const QString text = latin1Text(bytes);
        if (isRichText())
            return text.toHtmlEscaped();
        QString shown;
        for (const QChar character : text) {
            const ushort code = character.unicode();
            if (code < 0x20 || (code >= 0x7F && code < 0xA0))
                shown += QLatin1String("\\x") + QString::number(code, 16).rightJustified(2, QLatin1Char('0'));
            else
                shown += character;
        }
        return shown;
    }

    QString finish()
    {
        QString text = m_text;
        if (!isRichText()) {
            while (text.endsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(';')))
                text.chop(1);
        }
        if (m_truncated) {
            if (!text.isEmpty() && !text.endsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1String("<br>")))
                text += QLatin1Char(' ');
            text += tr("(truncated)");
        }
        return text;
    }

private:
    bool read(Number number, qint64 *value)
    {
        if (m_truncated)
            return false;
        if (m_reader.remaining() < byteCount(number)) {
            m_truncated = true;
            return false;
        }
        switch (number) {
        case Number::U8:
            *value = m_reader.u8();
            break;
        case Number::U16:
            *value = m_reader.u16();
            break;
        case Number::U32:
            *value = m_reader.u32();
            break;
        case Number::S16:
            *value = m_reader.s16();
            break;
        case Number::S32:
            *value = qint32(m_reader.u32());
            break;
        }
        return true;
    }

    ByteReader m_reader;
    AnswerFormat m_format;
    QString m_text;
    bool m_truncated = false;
};

// The renderers of the standard PIDs; their texts belong to the parameter dialog.
class Renderers
{
    Q_DECLARE_TR_FUNCTIONS(GetSetDialog)

public:
    static auto hex(int digits)
    {
        return [digits](qint64 value) { return hexText(value, digits); };
    }
    template <typename Text> static auto coded(Text text, int digits)
    {
        return [text, digits](qint64 code) { return codedText(text(code), code, digits); };
    }
    static QString yesNo(bool value) { return value ? tr("Yes") : tr("No"); }

    static void proxiedDevices(AnswerLine &line)
    {
        line.heading(tr("Proxied devices"));
        while (line.hasMore()) {
            line.fields({{tr("manufacturer id"), Number::U16, hex(4)}, {tr("device id"), Number::U32, hex(4)}},
                &AnswerLine::gap);
            line.lineBreak();
        }
    }
    static void proxiedDeviceCount(AnswerLine &line)
    {
        line.heading(tr("Proxied device count"));
        line.fields({{tr("device count"), Number::U16}, {tr("list changed"), Number::U8}}, &AnswerLine::gap);
    }
    static void commsStatus(AnswerLine &line)
    {
        line.heading(tr("Comms status"));
        line.fields({{tr("short message"), Number::U16}, {tr("length mismatch"), Number::U16},
                        {tr("checksum fail"), Number::U16}},
            &AnswerLine::gap);
    }
    static void statusMessages(AnswerLine &line)
    {
        line.heading(tr("Status messages"));
        while (line.hasMore()) {
            line.field(tr("sub device"), Number::U16);
            line.lineBreak();
            line.fields(
                {{tr("status type"), Number::U8, coded(statusTypeText, 2)}, {tr("message id"), Number::U16, hex(4)},
                    {tr("value 1"), Number::S16}, {tr("value 2"), Number::S16}},
                &AnswerLine::gap);
            line.lineBreak();
        }
    }
    static void statusIdDescription(AnswerLine &line)
    {
        line.heading(tr("Status id description label"));
        line.textField(QString(), QString());
    }
    static void subDeviceStatusReportThreshold(AnswerLine &line)
    {
        line.field(tr("Status type"), Number::U8, coded(statusTypeText, 2));
    }
    static void supportedParameters(AnswerLine &line)
    {
        line.heading(tr("Parameter id's"));
        line.elements(
            Number::U16, [](qint64 pid) { return QLatin1Char(' ') + hexText(pid, 4); }, QStringLiteral(","));
    }
    static void parameterDescription(AnswerLine &line, const quint8 *data, int length)
    {
        // The range follows the signedness of the described parameter's own data type.
        const bool isSigned = length > 3 && isSignedDataType(data[3]);
        const Number rangeNumber = isSigned ? Number::S32 : Number::U32;
        line.heading(tr("Parameter description"));
        line.fields({{tr("pid"), Number::U16, hex(4)}, {tr("pdl size"), Number::U8},
                        {tr("data type"), Number::U8, coded(dataTypeText, 2)},
                        {tr("command class"), Number::U8, coded(commandClassText, 2)},
                        {tr("type"), Number::U8, coded(sensorTypeText, 2)},
                        {tr("unit"), Number::U8, coded(unitText, 2)}, {tr("prefix"), Number::U8, coded(prefixText, 2)}},
            &AnswerLine::lineBreak);
        line.lineBreak();
        line.field(tr("min value:"), rangeNumber, QString());
        line.lineBreak();
        line.field(tr("max value:"), rangeNumber, QString());
        line.lineBreak();
        line.field(tr("default value:"), rangeNumber, QString());
        line.lineBreak();
        line.textField(tr("description:"), QString());
    }
    static void deviceInfo(AnswerLine &line)
    {
        line.heading(tr("Device info"));
        line.fields(
            {{tr("protocol major"), Number::U8}, {tr("protocol minor"), Number::U8},
                {tr("device model id"), Number::U16, hex(4)},
                {tr("product category"), Number::U16, coded(productCategoryText, 4)},
                {tr("software version id"), Number::U32,
                    [](qint64 version) { return QLatin1String(" (") + hexText(version, 8) + QLatin1Char(')'); }},
                {tr("DMX footprint"), Number::U16}, {tr("current personality"), Number::U8},
                {tr("personality count"), Number::U8}, {tr("DMX start address"), Number::U16},
                {tr("subdevice count"), Number::U16}, {tr("sensor count"), Number::U8}},
            &AnswerLine::lineBreak);
        line.gap();
    }
    static void productDetailIdList(AnswerLine &line)
    {
        line.heading(tr("Product detail id list"));
        line.append(tr("detail id's") + QLatin1String(": "));
        line.elements(
            Number::U16, [](qint64 id) { return QLatin1Char(' ') + hexText(id, 4); }, QStringLiteral(", "));
    }
    static void text(AnswerLine &line, const QString &label) { line.textField(label); }
    static QString languageCode(const AnswerLine &line, qint64 code)
    {
        QByteArray letters;
        ByteWriter(&letters).u16(quint16(code));
        return line.deviceText(letters);
    }
    static void languageCapabilities(AnswerLine &line)
    {
        line.append(tr("Language capabilities") + QLatin1String(": "));
        QString separator;
        while (line.hasMore()) {
            if (const auto code = line.next(Number::U16)) {
                line.append(separator + languageCode(line, *code));
                separator = QStringLiteral(", ");
            }
        }
    }
    static void language(AnswerLine &line)
    {
        line.append(tr("Language") + QLatin1String(": "));
        if (const auto code = line.next(Number::U16))
            line.append(languageCode(line, *code));
    }
    static void dmxPersonality(AnswerLine &line)
    {
        line.fields({{tr("Current personality"), Number::U8}, {tr("personality count"), Number::U8}}, &AnswerLine::gap);
    }
    static void dmxPersonalityDescription(AnswerLine &line)
    {
        line.fields({{tr("Personality"), Number::U8}, {tr("slots required"), Number::U16}}, &AnswerLine::gap);
        line.gap();
        line.textField(tr("name"));
    }
    static void slotInfo(AnswerLine &line)
    {
        line.heading(tr("Slot infos"));
        while (line.hasMore()) {
            line.field(tr("slot offset"), Number::U16);
            line.gap();
            // A secondary slot's label field holds the number of the slot it serves.
            const auto type = line.next(Number::U8);
            const auto label = line.next(Number::U16);
            if (!type)
                break;
            const QString served = *type != 0 && label ? QLatin1Char(' ') + QString::number(*label) : QString();
            QString entry =
                tr("slot type") + QLatin1String(": ") + codedText(slotTypeText(quint8(*type)) + served, *type, 2);
            if (label)
                entry += QLatin1String("  ") + tr("slot label id") + QLatin1String(": ")
                    + codedText(slotLabelText(quint16(*label)), *label, 4);
            line.append(entry);
            line.lineBreak();
        }
    }
    static void slotDescription(AnswerLine &line)
    {
        line.heading(tr("Slot description"));
        line.field(tr("slot number"), Number::U16);
        line.gap();
        line.textField(tr("name"));
    }
    static void defaultSlotValue(AnswerLine &line)
    {
        line.heading(tr("Default slot values"));
        while (line.hasMore()) {
            line.fields({{tr("slot offset"), Number::U16}, {tr("default slot value"), Number::U8}}, &AnswerLine::gap);
            line.lineBreak();
        }
    }
    static void sensorDefinition(AnswerLine &line)
    {
        line.heading(tr("Sensor definition"));
        line.fields({{tr("sensor number"), Number::U8}, {tr("type"), Number::U8, coded(sensorTypeText, 2)},
                        {tr("unit"), Number::U8, coded(unitText, 2)}, {tr("prefix"), Number::U8, coded(prefixText, 2)},
                        {tr("range min"), Number::S16}, {tr("range max"), Number::S16}, {tr("normal min"), Number::S16},
                        {tr("normal max"), Number::S16}},
            &AnswerLine::lineBreak);
        line.lineBreak();
        if (const auto support = line.next(Number::U8)) {
            line.append(tr("lowest/highest detected values supported") + QLatin1String(": ") + yesNo(*support & 0x02));
            line.lineBreak();
            line.append(tr("recorded value supported") + QLatin1String(": ") + yesNo(*support & 0x01));
            line.lineBreak();
        }
        line.textField(tr("name"));
    }
    static void sensorValue(AnswerLine &line)
    {
        line.heading(tr("Sensor value"));
        line.fields({{tr("sensor number"), Number::U8}, {tr("present value"), Number::S16}, {tr("lowest"), Number::S16},
                        {tr("highest"), Number::S16}, {tr("recorded"), Number::S16}},
            &AnswerLine::lineBreak);
    }
    static void counter(AnswerLine &line, const QString &label) { line.field(label, Number::U32); }
    template <typename Text> static void state(AnswerLine &line, const QString &label, Text text)
    {
        line.field(label, Number::U8, coded(text, 2));
    }
    static void byteValue(AnswerLine &line, const QString &label) { line.field(label, Number::U8); }
    static void displayLevel(AnswerLine &line)
    {
        line.field(tr("Display level"), Number::U8,
            [](qint64 level) { return QLatin1Char('(') + hexText(level, 2) + QLatin1Char(')'); });
    }
    static void realTimeClock(AnswerLine &line)
    {
        line.heading(tr("Real time clock"));
        line.fields({{tr("year"), Number::U16}, {tr("month"), Number::U8}, {tr("day"), Number::U8},
                        {tr("hour"), Number::U8}, {tr("minute"), Number::U8}, {tr("second"), Number::U8}},
            &AnswerLine::space);
    }
    static void selfTestDescription(AnswerLine &line)
    {
        line.heading(tr("Self test description"));
        line.field(tr("test number"), Number::U8);
        line.space();
        line.textField(tr("description"));
    }
    static void presetPlayback(AnswerLine &line)
    {
        line.heading(tr("Preset playback"));
        line.fields({{tr("mode"), Number::U16}, {tr("level"), Number::U8}}, &AnswerLine::space);
    }

    // Parameters whose layout only their description tells.
    static void byDataType(AnswerLine &line, const ParameterRecord &parameter)
    {
        QString description = line.deviceText(parameter.description.toLatin1());
        if (description.isEmpty())
            description = standardParameterName(parameter.pid);
        if (description.isEmpty())
            description = hexText(parameter.pid, 4);
        line.heading(description);
        const QString space = QStringLiteral(" ");
        switch (parameter.dataType) {
        case DataType::BitField:
            line.heading(tr("bit fields"));
            line.elements(
                Number::U8, [](qint64 bits) { return QString::number(bits, 2).rightJustified(8, QLatin1Char('0')); },
                line.isRichText() ? QStringLiteral("<br>") : QStringLiteral("; "));
            break;
        case DataType::String:
            line.heading(tr("Ascii"));
            line.textField(QString(), QString());
            break;
        case DataType::UnsignedByte:
            line.heading(tr("unsigned bytes"));
            line.elements(Number::U8, decimal, space);
            break;
        case DataType::SignedByte:
            line.heading(tr("signed bytes"));
            line.elements(
                Number::U8, [](qint64 value) { return decimal(qint8(value)); }, space);
            break;
        case DataType::UnsignedWord:
            line.heading(tr("unsigned words"));
            line.elements(Number::U16, decimal, space);
            break;
        case DataType::SignedWord:
            line.heading(tr("signed words"));
            line.elements(Number::S16, decimal, space);
            break;
        case DataType::UnsignedDoubleWord:
            line.heading(tr("unsigned dwords"));
            line.elements(Number::U32, decimal, space);
            break;
        case DataType::SignedDoubleWord:
            line.heading(tr("signed dwords"));
            line.elements(Number::S32, decimal, space);
            break;
        default:
            break;
        }
    }

    static void render(AnswerLine &line, const ParameterRecord &parameter, const quint8 *data, int length)
    {
        switch (parameter.pid) {
        case Pid::ProxiedDevices:
            return proxiedDevices(line);
        case Pid::ProxiedDeviceCount:
            return proxiedDeviceCount(line);
        case Pid::CommsStatus:
            return commsStatus(line);
        case Pid::StatusMessages:
            return statusMessages(line);
        case Pid::StatusIdDescription:
            return statusIdDescription(line);
        case Pid::SubDeviceStatusReportThreshold:
            return subDeviceStatusReportThreshold(line);
        case Pid::SupportedParameters:
            return supportedParameters(line);
        case Pid::ParameterDescription:
            return parameterDescription(line, data, length);
        case Pid::DeviceInfo:
            return deviceInfo(line);
        case Pid::ProductDetailIdList:
            return productDetailIdList(line);
        case Pid::DeviceModelDescription:
            return text(line, tr("Device model description"));
        case Pid::ManufacturerLabel:
            return text(line, tr("Manufacturer label"));
        case Pid::DeviceLabel:
            return text(line, tr("Device Label"));
        case Pid::SoftwareVersionLabel:
            return text(line, tr("Software version label"));
        case Pid::BootSoftwareVersionLabel:
            return text(line, tr("Boot software version label"));
        case Pid::LanguageCapabilities:
            return languageCapabilities(line);
        case Pid::Language:
            return language(line);
        case Pid::BootSoftwareVersionId:
            return counter(line, tr("Boot software version id"));
        case Pid::DmxPersonality:
            return dmxPersonality(line);
        case Pid::DmxPersonalityDescription:
            return dmxPersonalityDescription(line);
        case Pid::DmxStartAddress:
            return line.field(tr("DMX start address"), Number::U16);
        case Pid::SlotInfo:
            return slotInfo(line);
        case Pid::SlotDescription:
            return slotDescription(line);
        case Pid::DefaultSlotValue:
            return defaultSlotValue(line);
        case Pid::SensorDefinition:
            return sensorDefinition(line);
        case Pid::SensorValue:
            return sensorValue(line);
        case Pid::DeviceHours:
            return counter(line, tr("Device hours"));
        case Pid::LampHours:
            return counter(line, tr("Lamp hours"));
        case Pid::LampStrikes:
            return counter(line, tr("Lamp strikes"));
        case Pid::DevicePowerCycles:
            return counter(line, tr("Device power cycles"));
        case Pid::LampState:
            return state(line, tr("Lamp state"), lampStateText);
        case Pid::LampOnMode:
            return state(line, tr("Lamp on mode"), lampOnModeText);
        case Pid::DisplayInvert:
            return state(line, tr("Display invert"), displayInvertText);
        case Pid::PowerState:
            return state(line, tr("Power state"), powerStateText);
        case Pid::DisplayLevel:
            return displayLevel(line);
        case Pid::PanInvert:
            return byteValue(line, tr("Pan invert"));
        case Pid::TiltInvert:
            return byteValue(line, tr("Tilt invert"));
        case Pid::PanTiltSwap:
            return byteValue(line, tr("Pan tilt swap"));
        case Pid::IdentifyDevice:
            return byteValue(line, tr("Identify device"));
        case Pid::PerformSelfTest:
            return byteValue(line, tr("Perform self test"));
        case Pid::RealTimeClock:
            return realTimeClock(line);
        case Pid::SelfTestDescription:
            return selfTestDescription(line);
        case Pid::PresetPlayback:
            return presetPlayback(line);
        default:
            return byDataType(line, parameter);
        }
    }

    static void sensorValueSet(AnswerLine &line)
    {
        line.fields({{tr("Sensor number"), Number::U8}, {tr("Present value"), Number::S16}, {tr("Lowest"), Number::S16},
                        {tr("Highest"), Number::S16}, {tr("Recorded"), Number::S16}},
            &AnswerLine::space);
    }
};

} // namespace

QString renderGetAnswer(const ParameterRecord &parameter, const quint8 *data, int length, AnswerFormat format)
{
    if (!data)
        length = 0;
    AnswerLine line(data, length, format);
    Renderers::render(line, parameter, data, length);
    return line.finish();
}

QString renderSensorValueSetAnswer(const quint8 *data, int length, AnswerFormat format)
{
    AnswerLine line(data, length, format);
    Renderers::sensorValueSet(line);
    return line.finish();
}
