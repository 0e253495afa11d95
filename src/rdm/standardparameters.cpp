// The standard parameter table and the lookups over it.
#include "rdm/standardparameters.h"

#include "rdm/devicerecord.h"
#include "rdm/parameterids.h"
#include "rdm/vocabulary.h"

#include <algorithm>
#include <iterator>

namespace {

struct ValueRange
{
    quint32 minimum;
    quint32 maximum;
};

enum class Listing { Plain, Highlighted };

struct StandardParameter
{
    quint16 pid;
    const char *name;
    quint8 pdlSize;
    quint8 dataType;
    quint8 commandClass;
    // The default of a ranged parameter is one past its maximum.
    std::optional<ValueRange> range = std::nullopt;
    Listing listing = Listing::Plain;
    quint8 type = SensorType::Other;
    quint8 prefix = 0;
};

using namespace DataType;
constexpr quint8 Get = ParameterCommandClass::Get;
constexpr quint8 Set = ParameterCommandClass::Set;
constexpr quint8 GetSet = ParameterCommandClass::GetSet;
constexpr std::nullopt_t noRange = std::nullopt;
constexpr Listing Highlighted = Listing::Highlighted;
constexpr Listing Plain = Listing::Plain;

constexpr StandardParameter standardParameters[] = {
    {Pid::ProxiedDevices, "PROXIED_DEVICES", 255, UnsignedByte, Get},
    {Pid::ProxiedDeviceCount, "PROXIED_DEVICE_COUNT", 3, UnsignedByte, Get},
    {Pid::CommsStatus, "COMMS_STATUS", 6, UnsignedWord, GetSet},
    {Pid::QueuedMessage, "QUEUED_MESSAGE", 255, UnsignedByte, Get, ValueRange{1, 4}},
    {Pid::StatusMessages, "STATUS_MESSAGES", 255, UnsignedByte, Get, ValueRange{0, 4}},
    {Pid::StatusIdDescription, "STATUS_ID_DESCRIPTION", 32, String, Get},
    {Pid::ClearStatusId, "CLEAR_STATUS_ID", 0, NotDefined, Set},
    {Pid::SubDeviceStatusReportThreshold, "SUB_DEVICE_STATUS_REPORT_THRESHOLD", 1, UnsignedByte, GetSet,
     ValueRange{0, 4}},
    {Pid::SupportedParameters, "SUPPORTED_PARAMETERS", 255, UnsignedWord, Get, noRange, Highlighted},
    {Pid::ParameterDescription, "PARAMETER_DESCRIPTION", 255, UnsignedByte, Get, noRange, Highlighted},
    {Pid::DeviceInfo, "DEVICE_INFO", 19, UnsignedByte, Get, noRange, Highlighted},
    {Pid::ProductDetailIdList, "PRODUCT_DETAIL_ID_LIST", 255, UnsignedWord, Get},
    {Pid::DeviceModelDescription, "DEVICE_MODEL_DESCRIPTION", 32, String, Get},
    {Pid::ManufacturerLabel, "MANUFACTURER_LABEL", 32, String, Get},
    {Pid::DeviceLabel, "DEVICE_LABEL", 32, String, GetSet},
    {Pid::FactoryDefaults, "FACTORY_DEFAULTS", 1, UnsignedByte, GetSet},
    {Pid::LanguageCapabilities, "LANGUAGE_CAPABILITIES", 255, String, Get},
    {Pid::Language, "LANGUAGE", 2, String, GetSet},
    {Pid::SoftwareVersionLabel, "SOFTWARE_VERSION_LABEL", 32, String, Get, noRange, Highlighted},
    {Pid::BootSoftwareVersionId, "BOOT_SOFTWARE_VERSION_ID", 4, UnsignedDoubleWord, Get},
    {Pid::BootSoftwareVersionLabel, "BOOT_SOFTWARE_VERSION_LABEL", 32, String, Get},
    {Pid::DmxPersonality, "DMX_PERSONALITY", 2, UnsignedByte, GetSet},
    {Pid::DmxPersonalityDescription, "DMX_PERSONALITY_DESCRIPTION", 255, UnsignedByte, Get},
    {Pid::DmxStartAddress, "DMX_START_ADDRESS", 2, UnsignedWord, GetSet, ValueRange{1, 512}, Highlighted},
    {Pid::SlotInfo, "SLOT_INFO", 255, UnsignedByte, Get},
    {Pid::SlotDescription, "SLOT_DESCRIPTION", 32, String, Get},
    {Pid::DefaultSlotValue, "DEFAULT_SLOT_VALUE", 255, UnsignedByte, Get},
    {Pid::SensorDefinition, "SENSOR_DEFINITION", 255, UnsignedByte, Get},
    {Pid::SensorValue, "SENSOR_VALUE", 9, UnsignedByte, GetSet},
    {Pid::RecordSensors, "RECORD_SENSORS", 1, UnsignedByte, Set, ValueRange{0, 255}},
    {Pid::DeviceHours, "DEVICE_HOURS", 4, UnsignedDoubleWord, GetSet, noRange, Plain, SensorType::Time},
    {Pid::LampHours, "LAMP_HOURS", 4, UnsignedDoubleWord, GetSet, noRange, Plain, SensorType::Time},
    {Pid::LampStrikes, "LAMP_STRIKES", 4, UnsignedDoubleWord, GetSet},
    {Pid::LampState, "LAMP_STATE", 1, UnsignedByte, GetSet},
    {Pid::LampOnMode, "LAMP_ON_MODE", 1, UnsignedByte, GetSet},
    {Pid::DevicePowerCycles, "DEVICE_POWER_CYCLES", 4, UnsignedDoubleWord, GetSet},
    {Pid::DisplayInvert, "DISPLAY_INVERT", 1, UnsignedByte, GetSet, ValueRange{0, 2}},
    {Pid::DisplayLevel, "DISPLAY_LEVEL", 1, UnsignedByte, GetSet, ValueRange{0, 255}},
    {Pid::PanInvert, "PAN_INVERT", 1, UnsignedByte, GetSet, ValueRange{0, 1}},
    {Pid::TiltInvert, "TILT_INVERT", 1, UnsignedByte, GetSet, ValueRange{0, 1}},
    {Pid::PanTiltSwap, "PAN_TILT_SWAP", 1, UnsignedByte, GetSet, ValueRange{0, 1}},
    {Pid::RealTimeClock, "REAL_TIME_CLOCK", 7, UnsignedByte, GetSet},
    {Pid::IdentifyDevice, "IDENTIFY_DEVICE", 1, UnsignedByte, GetSet, ValueRange{0, 1}, Highlighted},
    {Pid::ResetDevice, "RESET_DEVICE", 1, UnsignedByte, Set},
    {Pid::PowerState, "POWER_STATE", 1, UnsignedByte, GetSet},
    {Pid::PerformSelfTest, "PERFORM_SELFTEST", 1, UnsignedByte, GetSet},
    {Pid::SelfTestDescription, "SELF_TEST_DESCRIPTION", 32, String, Get},
    {Pid::CapturePreset, "CAPTURE_PRESET", 8, UnsignedWord, Set, noRange, Plain, SensorType::Other, 1},
    {Pid::PresetPlayback, "PRESET_PLAYBACK", 3, UnsignedByte, GetSet},
};

const StandardParameter *findStandardParameter(quint16 pid)
{
    const StandardParameter *row =
        std::find_if(std::begin(standardParameters), std::end(standardParameters),
                     [pid](const StandardParameter &candidate) { return candidate.pid == pid; });
    return row == std::end(standardParameters) ? nullptr : row;
}

} // namespace

void applyStandardDescription(DeviceRecord &record, quint16 pid)
{
    const auto found = record.parameters.find(pid);
    const StandardParameter *row = findStandardParameter(pid);
    if (found == record.parameters.end() || !row)
        return;
    ParameterRecord &parameter = found->second;
    parameter.pdlSize = row->pdlSize;
    parameter.dataType = row->dataType;
    parameter.commandClass = row->commandClass;
    parameter.type = row->type;
    parameter.prefix = row->prefix;
    if (row->range) {
        parameter.minimum = row->range->minimum;
        parameter.maximum = row->range->maximum;
        parameter.defaultValue = row->range->maximum + 1;
    }
    parameter.description = QString::fromLatin1(row->name);
    if (row->listing == Listing::Highlighted)
        parameter.highlighted = 1;
}

QString standardParameterName(quint16 pid)
{
    const StandardParameter *row = findStandardParameter(pid);
    return row ? QString::fromLatin1(row->name) : QString();
}

std::optional<quint16> standardParameterPid(const QString &name)
{
    const StandardParameter *row = std::find_if(
        std::begin(standardParameters), std::end(standardParameters), [&name](const StandardParameter &candidate) {
            return name.compare(QLatin1String(candidate.name), Qt::CaseInsensitive) == 0;
        });
    if (row == std::end(standardParameters))
        return std::nullopt;
    return row->pid;
}
