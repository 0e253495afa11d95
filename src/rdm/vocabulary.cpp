// Code-to-text tables of the RDM vocabulary and the lookups over them.
#include "rdm/vocabulary.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace {

template <typename Code> struct CodeText
{
    Code code;
    const char *text;
};

template <typename Entry, std::size_t N, typename Code>
const Entry *findEntry(const Entry (&table)[N], Code code)
{
    const Entry *entry = std::find_if(std::begin(table), std::end(table),
                                      [code](const Entry &candidate) { return candidate.code == code; });
    return entry == std::end(table) ? nullptr : entry;
}

QString rdmText(const char *text)
{
    return QCoreApplication::translate("RDM", text);
}

// Translated text of a listed code, `unknown` for the others.
template <typename Code, std::size_t N>
QString translatedText(const CodeText<Code> (&table)[N], Code code, const QString &unknown)
{
    const CodeText<Code> *entry = findEntry(table, code);
    return entry ? rdmText(entry->text) : unknown;
}

// Untranslated text of a listed code, empty for the others.
template <typename Code, std::size_t N>
QString plainText(const CodeText<Code> (&table)[N], Code code)
{
    const CodeText<Code> *entry = findEntry(table, code);
    return entry ? QString::fromLatin1(entry->text) : QString();
}

constexpr CodeText<quint16> productCategories[] = {
    {0x0000, QT_TRANSLATE_NOOP("RDM", "Not Declared")},
    {0x0100, QT_TRANSLATE_NOOP("RDM", "Fixture")},
    {0x0101, QT_TRANSLATE_NOOP("RDM", "Fixture Fixed")},
    {0x0102, QT_TRANSLATE_NOOP("RDM", "Fixture moving yoke")},
    {0x0103, QT_TRANSLATE_NOOP("RDM", "Fixture moving mirror")},
    {0x01FF, QT_TRANSLATE_NOOP("RDM", "Fixture other")},
    {0x0200, QT_TRANSLATE_NOOP("RDM", "Fixture accessory")},
    {0x0201, QT_TRANSLATE_NOOP("RDM", "Scrollers / Color Changers")},
    {0x0202, QT_TRANSLATE_NOOP("RDM", "Yoke add-on")},
    {0x0203, QT_TRANSLATE_NOOP("RDM", "Moving mirror add-on")},
    {0x0204, QT_TRANSLATE_NOOP("RDM", "Effects Discs")},
    {0x0205, QT_TRANSLATE_NOOP("RDM", "Gobo Rotators / Iris / Shutters / Dousers Beam modifiers")},
    {0x02FF, QT_TRANSLATE_NOOP("RDM", "Fixture accessory other")},
    {0x0300, QT_TRANSLATE_NOOP("RDM", "Projector")},
    {0x0301, QT_TRANSLATE_NOOP("RDM", "Projector Fixed")},
    {0x0302, QT_TRANSLATE_NOOP("RDM", "Projector moving yoke")},
    {0x0303, QT_TRANSLATE_NOOP("RDM", "Projector moving mirror")},
    {0x03FF, QT_TRANSLATE_NOOP("RDM", "Projector other")},
    {0x0400, QT_TRANSLATE_NOOP("RDM", "Atmospheric")},
    {0x0401, QT_TRANSLATE_NOOP("RDM", "Fogger / Hazer / Flame, etc.")},
    {0x0402, QT_TRANSLATE_NOOP("RDM", "Atmospheric pyro")},
    {0x04FF, QT_TRANSLATE_NOOP("RDM", "Atmospheric other")},
    {0x0500, QT_TRANSLATE_NOOP("RDM", "Dimmer")},
    {0x0501, QT_TRANSLATE_NOOP("RDM", "Dimmer AC Incandescent (AC > 50VAC)")},
    {0x0502, QT_TRANSLATE_NOOP("RDM", "Dimmer AC fluorescent")},
    {0x0503, QT_TRANSLATE_NOOP("RDM", "Dimmer AC Coldcathode")},
    {0x0504, QT_TRANSLATE_NOOP("RDM", "Non-Dim module in dimmer rack")},
    {0x0505, QT_TRANSLATE_NOOP("RDM", "Dimmer AC ELV (AC <= 50V)")},
    {0x0506, QT_TRANSLATE_NOOP("RDM", "Dimmer AC Other")},
    {0x0507, QT_TRANSLATE_NOOP("RDM", "Dimmer DC Level (variable output)")},
    {0x0508, QT_TRANSLATE_NOOP("RDM", "Dimmer DC PWM (chopped output)")},
    {0x0509, QT_TRANSLATE_NOOP("RDM", "Specialized LED dimmer")},
    {0x05FF, QT_TRANSLATE_NOOP("RDM", "Dimmer other")},
    {0x0600, QT_TRANSLATE_NOOP("RDM", "Power")},
    {0x0601, QT_TRANSLATE_NOOP("RDM", "Contactor racks, other forms of Power Controllers")},
    {0x0602, QT_TRANSLATE_NOOP("RDM", "Generators")},
    {0x06FF, QT_TRANSLATE_NOOP("RDM", "Power other")},
    {0x0700, QT_TRANSLATE_NOOP("RDM", "Scenic")},
    {0x0701, QT_TRANSLATE_NOOP("RDM", "Rotators / Kabuki drops, etc")},
    {0x07FF, QT_TRANSLATE_NOOP("RDM", "Scenic other")},
    {0x0800, QT_TRANSLATE_NOOP("RDM", "Data")},
    {0x0801, QT_TRANSLATE_NOOP("RDM", "Splitters / repeaters / data patch / Ethernet products used to distribute DMX universes")},
    {0x0802, QT_TRANSLATE_NOOP("RDM", "Protocol Conversion analog decoders")},
    {0x08FF, QT_TRANSLATE_NOOP("RDM", "Data other")},
    {0x0900, QT_TRANSLATE_NOOP("RDM", "AV")},
    {0x0901, QT_TRANSLATE_NOOP("RDM", "Audio controller or device")},
    {0x0902, QT_TRANSLATE_NOOP("RDM", "Video controller or display device")},
    {0x09FF, QT_TRANSLATE_NOOP("RDM", "AV other")},
    {0x0A00, QT_TRANSLATE_NOOP("RDM", "Monitor")},
    {0x0A01, QT_TRANSLATE_NOOP("RDM", "Product that monitors AC line voltage, current or power")},
    {0x0A02, QT_TRANSLATE_NOOP("RDM", "Product that monitors DC line voltage, current or power")},
    {0x0A03, QT_TRANSLATE_NOOP("RDM", "Temperature or other environmental parameter")},
    {0x0AFF, QT_TRANSLATE_NOOP("RDM", "Monitor other")},
    {0x7000, QT_TRANSLATE_NOOP("RDM", "Control")},
    {0x7001, QT_TRANSLATE_NOOP("RDM", "Controller")},
    {0x7002, QT_TRANSLATE_NOOP("RDM", "Backup device")},
    {0x70FF, QT_TRANSLATE_NOOP("RDM", "Control other")},
    {0x7100, QT_TRANSLATE_NOOP("RDM", "Test")},
    {0x7101, QT_TRANSLATE_NOOP("RDM", "Test equipment")},
    {0x71FF, QT_TRANSLATE_NOOP("RDM", "Test other")},
    {0x7FFF, QT_TRANSLATE_NOOP("RDM", "No description")},
};

struct Prefix
{
    quint8 code;
    int exponent;
    const char *text;
};

constexpr Prefix prefixes[] = {
    {0, 0, QT_TRANSLATE_NOOP("RDM", "None")},
    {1, -1, QT_TRANSLATE_NOOP("RDM", "10^(-1)")},
    {2, -2, QT_TRANSLATE_NOOP("RDM", "10^(-2)")},
    {3, -3, QT_TRANSLATE_NOOP("RDM", "10^(-3)")},
    {4, -6, QT_TRANSLATE_NOOP("RDM", "10^(-6)")},
    {5, -9, QT_TRANSLATE_NOOP("RDM", "10^(-9)")},
    {6, -12, QT_TRANSLATE_NOOP("RDM", "10^(-12)")},
    {7, -15, QT_TRANSLATE_NOOP("RDM", "10^(-15)")},
    {8, -18, QT_TRANSLATE_NOOP("RDM", "10^(-18)")},
    {9, -21, QT_TRANSLATE_NOOP("RDM", "10^(-21)")},
    {10, -24, QT_TRANSLATE_NOOP("RDM", "10^(-24)")},
    {17, 1, QT_TRANSLATE_NOOP("RDM", "10^(1)")},
    {18, 2, QT_TRANSLATE_NOOP("RDM", "10^(2)")},
    {19, 3, QT_TRANSLATE_NOOP("RDM", "10^(3)")},
    {20, 6, QT_TRANSLATE_NOOP("RDM", "10^(6)")},
    {21, 9, QT_TRANSLATE_NOOP("RDM", "10^(9)")},
    {22, 12, QT_TRANSLATE_NOOP("RDM", "10^(12)")},
    {23, 15, QT_TRANSLATE_NOOP("RDM", "10^(15)")},
    {24, 18, QT_TRANSLATE_NOOP("RDM", "10^(18)")},
    {25, 21, QT_TRANSLATE_NOOP("RDM", "10^(21)")},
    {26, 24, QT_TRANSLATE_NOOP("RDM", "10^(24)")},
};

constexpr CodeText<quint8> sensorTypes[] = {
    {0x00, QT_TRANSLATE_NOOP("RDM", "Temperature")},
    {0x01, QT_TRANSLATE_NOOP("RDM", "Voltage")},
    {0x02, QT_TRANSLATE_NOOP("RDM", "Current")},
    {0x03, QT_TRANSLATE_NOOP("RDM", "Frequency")},
    {0x04, QT_TRANSLATE_NOOP("RDM", "Resistance")},
    {0x05, QT_TRANSLATE_NOOP("RDM", "Power")},
    {0x06, QT_TRANSLATE_NOOP("RDM", "Mass")},
    {0x07, QT_TRANSLATE_NOOP("RDM", "Length")},
    {0x08, QT_TRANSLATE_NOOP("RDM", "Area")},
    {0x09, QT_TRANSLATE_NOOP("RDM", "Volume")},
    {0x0A, QT_TRANSLATE_NOOP("RDM", "Density")},
    {0x0B, QT_TRANSLATE_NOOP("RDM", "Velocity")},
    {0x0C, QT_TRANSLATE_NOOP("RDM", "Acceleration")},
    {0x0D, QT_TRANSLATE_NOOP("RDM", "Force")},
    {0x0E, QT_TRANSLATE_NOOP("RDM", "Energy")},
    {0x0F, QT_TRANSLATE_NOOP("RDM", "Pressure")},
    {0x10, QT_TRANSLATE_NOOP("RDM", "Time")},
    {0x11, QT_TRANSLATE_NOOP("RDM", "Angle")},
    {0x12, QT_TRANSLATE_NOOP("RDM", "Position x")},
    {0x13, QT_TRANSLATE_NOOP("RDM", "Position y")},
    {0x14, QT_TRANSLATE_NOOP("RDM", "Position z")},
    {0x15, QT_TRANSLATE_NOOP("RDM", "Velocity")},
    {0x16, QT_TRANSLATE_NOOP("RDM", "Luminous intensity")},
    {0x17, QT_TRANSLATE_NOOP("RDM", "Luminous flux")},
    {0x18, QT_TRANSLATE_NOOP("RDM", "Illuminance")},
    {0x19, QT_TRANSLATE_NOOP("RDM", "Chrominance red")},
    {0x1A, QT_TRANSLATE_NOOP("RDM", "Chrominance green")},
    {0x1B, QT_TRANSLATE_NOOP("RDM", "Chrominance blue")},
    {0x1C, QT_TRANSLATE_NOOP("RDM", "Contacts")},
    {0x1D, QT_TRANSLATE_NOOP("RDM", "Memory")},
    {0x1E, QT_TRANSLATE_NOOP("RDM", "Items")},
    {0x1F, QT_TRANSLATE_NOOP("RDM", "Humidity")},
    {0x20, QT_TRANSLATE_NOOP("RDM", "Counter 16 bit")},
};

struct Unit
{
    quint8 code;
    const char16_t *text;
};

// The degree sign is U+00B0, the ohm sign the Greek capital omega U+03A9.
constexpr Unit units[] = {
    {1, u"\u00B0C"}, {2, u"V"}, {3, u"V"}, {4, u"V"}, {5, u"A"}, {6, u"A"}, {7, u"A"},
    {8, u"Hz"}, {9, u"\u03A9"}, {10, u"W"}, {11, u"kg"}, {12, u"m"}, {13, u"m^2"}, {14, u"m^3"},
    {15, u"kg/m^3"}, {16, u"m/s"}, {17, u"m/s^2"}, {18, u"N"}, {19, u"J"}, {20, u"Pa"}, {21, u"s"},
    {22, u"\u00B0"}, {23, u"sr"}, {24, u"cd"}, {25, u"lm"}, {26, u"lx"}, {27, u"IRE"}, {28, u"B"},
};

constexpr CodeText<quint8> lampStates[] = {
    {0, QT_TRANSLATE_NOOP("RDM", "Lamp off")},
    {1, QT_TRANSLATE_NOOP("RDM", "Lamp on")},
    {2, QT_TRANSLATE_NOOP("RDM", "Arc-lamp ignite")},
    {3, QT_TRANSLATE_NOOP("RDM", "Standby (reduced power mode)")},
    {4, QT_TRANSLATE_NOOP("RDM", "Lamp not installed")},
    {0x7F, QT_TRANSLATE_NOOP("RDM", "Error")},
};

constexpr CodeText<quint8> dataTypes[] = {
    {DataType::NotDefined, QT_TRANSLATE_NOOP("RDM", "Not Defined")},
    {DataType::BitField, QT_TRANSLATE_NOOP("RDM", "Bit field")},
    {DataType::String, QT_TRANSLATE_NOOP("RDM", "String")},
    {DataType::UnsignedByte, QT_TRANSLATE_NOOP("RDM", "Unsigned byte (8 bit)")},
    {DataType::SignedByte, QT_TRANSLATE_NOOP("RDM", "Byte (8 bit)")},
    {DataType::UnsignedWord, QT_TRANSLATE_NOOP("RDM", "Unsigned word (16 bit)")},
    {DataType::SignedWord, QT_TRANSLATE_NOOP("RDM", "Word (16 bit)")},
    {DataType::UnsignedDoubleWord, QT_TRANSLATE_NOOP("RDM", "Unsigned double word (32 bit)")},
    {DataType::SignedDoubleWord, QT_TRANSLATE_NOOP("RDM", "Double word (32 bit)")},
};

constexpr CodeText<quint8> statusTypes[] = {
    {0, "STATUS_NONE"},    {1, "STATUS_GET_LAST_MSG"}, {2, "STATUS_ADVISORY"},
    {3, "STATUS_WARNING"}, {4, "STATUS_ERROR"},
};

constexpr CodeText<quint8> commandClasses[] = {
    {ParameterCommandClass::Get, "CC_GET"},
    {ParameterCommandClass::Set, "CC_SET"},
    {ParameterCommandClass::GetSet, "CC_GET_SET"},
};

constexpr CodeText<quint8> slotTypes[] = {
    {0, QT_TRANSLATE_NOOP("RDM", "primary")},
    {1, QT_TRANSLATE_NOOP("RDM", "fine control for slot")},
    {2, QT_TRANSLATE_NOOP("RDM", "timing control for slot")},
    {3, QT_TRANSLATE_NOOP("RDM", "speed control for slot")},
    {4, QT_TRANSLATE_NOOP("RDM", "mode control for slot")},
    {5, QT_TRANSLATE_NOOP("RDM", "index control for slot")},
    {6, QT_TRANSLATE_NOOP("RDM", "rotation speed control for slot")},
    {7, QT_TRANSLATE_NOOP("RDM", "rotation index control for slot")},
    {0xFF, QT_TRANSLATE_NOOP("RDM", "undefined for slot")},
};

constexpr CodeText<quint16> slotLabels[] = {
    {0x0001, QT_TRANSLATE_NOOP("RDM", "intensity")},
    {0x0002, QT_TRANSLATE_NOOP("RDM", "intensity master")},
    {0x0101, QT_TRANSLATE_NOOP("RDM", "pan")},
    {0x0102, QT_TRANSLATE_NOOP("RDM", "tilt")},
    {0x0201, QT_TRANSLATE_NOOP("RDM", "color wheel")},
    {0x0202, QT_TRANSLATE_NOOP("RDM", "subtractive cyan")},
    {0x0203, QT_TRANSLATE_NOOP("RDM", "subtractive yellow")},
    {0x0204, QT_TRANSLATE_NOOP("RDM", "subtractive magenta")},
    {0x0205, QT_TRANSLATE_NOOP("RDM", "additive red")},
    {0x0206, QT_TRANSLATE_NOOP("RDM", "additive green")},
    {0x0207, QT_TRANSLATE_NOOP("RDM", "additive blue")},
    {0x0208, QT_TRANSLATE_NOOP("RDM", "color correction")},
    {0x0209, QT_TRANSLATE_NOOP("RDM", "scroll")},
    {0x0210, QT_TRANSLATE_NOOP("RDM", "color semaphone")},
    {0x0301, QT_TRANSLATE_NOOP("RDM", "static gobo wheel")},
    {0x0302, QT_TRANSLATE_NOOP("RDM", "gobo wheel")},
    {0x0303, QT_TRANSLATE_NOOP("RDM", "prism wheel")},
    {0x0304, QT_TRANSLATE_NOOP("RDM", "effects wheel")},
    {0x0401, QT_TRANSLATE_NOOP("RDM", "iris size")},
    {0x0402, QT_TRANSLATE_NOOP("RDM", "edge")},
    {0x0403, QT_TRANSLATE_NOOP("RDM", "frost")},
    {0x0404, QT_TRANSLATE_NOOP("RDM", "strobe")},
    {0x0405, QT_TRANSLATE_NOOP("RDM", "zoom")},
    {0x0406, QT_TRANSLATE_NOOP("RDM", "framing shutter")},
    {0x0407, QT_TRANSLATE_NOOP("RDM", "shuttle rotate")},
    {0x0408, QT_TRANSLATE_NOOP("RDM", "douser")},
    {0x0409, QT_TRANSLATE_NOOP("RDM", "barn door")},
    {0x0501, QT_TRANSLATE_NOOP("RDM", "lamp control")},
    {0x0502, QT_TRANSLATE_NOOP("RDM", "fixture control")},
    {0x0503, QT_TRANSLATE_NOOP("RDM", "fixture speed")},
    {0x0504, QT_TRANSLATE_NOOP("RDM", "macro")},
    {0xFFFF, QT_TRANSLATE_NOOP("RDM", "undefined")},
};

constexpr CodeText<quint8> lampOnModes[] = {
    {0, QT_TRANSLATE_NOOP("RDM", "Off")},
    {1, QT_TRANSLATE_NOOP("RDM", "DMX")},
    {2, QT_TRANSLATE_NOOP("RDM", "On")},
    {3, QT_TRANSLATE_NOOP("RDM", "On after calibration")},
};

constexpr CodeText<quint8> displayInvertStates[] = {
    {0, QT_TRANSLATE_NOOP("RDM", "Off")},
    {1, QT_TRANSLATE_NOOP("RDM", "On")},
    {2, QT_TRANSLATE_NOOP("RDM", "Auto")},
};

constexpr CodeText<quint8> powerStates[] = {
    {0, QT_TRANSLATE_NOOP("RDM", "Full off")},
    {1, QT_TRANSLATE_NOOP("RDM", "Shutdown")},
    {2, QT_TRANSLATE_NOOP("RDM", "Standby")},
    {0xFF, QT_TRANSLATE_NOOP("RDM", "Normal")},
};

// The three state lists fall back to an untranslated "Unknown".
QString unknownState()
{
    return QStringLiteral("Unknown");
}

int decimalDigitCount(int value)
{
    int digits = 1;
    for (int rest = std::abs(value); rest >= 10; rest /= 10)
        ++digits;
    return digits;
}

} // namespace

QString productCategoryText(quint16 code)
{
    return translatedText(productCategories, code,
                          rdmText(QT_TRANSLATE_NOOP("RDM", "Manufacturer specific category")));
}

QString prefixText(quint8 code)
{
    const Prefix *prefix = findEntry(prefixes, code);
    return rdmText(prefix ? prefix->text : QT_TRANSLATE_NOOP("RDM", "None"));
}

int prefixExponent(quint8 code)
{
    const Prefix *prefix = findEntry(prefixes, code);
    return prefix ? prefix->exponent : 1;
}

QString valueWithPrefixText(qint16 value, quint8 prefix)
{
    if (prefix == 0)
        return QString::number(value);
    const int exponent = prefixExponent(prefix);
    const int scale = decimalDigitCount(value) + exponent + 4;
    if (scale < 0 || scale > 14)
        return QString::number(value) + QLatin1String(" x 10^") + QString::number(exponent);
    // Dividing by a power of ten keeps 1234 x 10^-1 at exactly the digits shown.
    const double scaled = exponent < 0 ? value / std::pow(10.0, -exponent) : value * std::pow(10.0, exponent);
    return QString::number(scaled, 'g', 10);
}

QString sensorTypeText(quint8 code)
{
    return translatedText(sensorTypes, code, rdmText(QT_TRANSLATE_NOOP("RDM", "Other")));
}

QString unitText(quint8 code)
{
    const Unit *unit = findEntry(units, code);
    return unit ? QString::fromUtf16(unit->text) : QString();
}

QString lampStateText(quint8 code)
{
    return translatedText(lampStates, code, QString());
}

QString dataTypeText(quint8 code)
{
    return translatedText(dataTypes, code, rdmText(QT_TRANSLATE_NOOP("RDM", "Not Defined")));
}

bool isSignedDataType(quint8 code)
{
    return code == DataType::SignedByte || code == DataType::SignedWord || code == DataType::SignedDoubleWord;
}

QString statusTypeText(quint8 code)
{
    return plainText(statusTypes, code);
}

QString commandClassText(quint8 code)
{
    return plainText(commandClasses, code);
}

QString slotTypeText(quint8 code)
{
    return translatedText(slotTypes, code, rdmText(QT_TRANSLATE_NOOP("RDM", "unknown for slot")));
}

QString slotLabelText(quint16 code)
{
    return translatedText(slotLabels, code, rdmText(QT_TRANSLATE_NOOP("RDM", "Unknown")));
}

QString lampOnModeText(quint8 code)
{
    return translatedText(lampOnModes, code, unknownState());
}

QString displayInvertText(quint8 code)
{
    return translatedText(displayInvertStates, code, unknownState());
}

QString powerStateText(quint8 code)
{
    return translatedText(powerStates, code, unknownState());
}
