// The standard RDM parameter IDs the program knows (E1.20 Table A-3) and the manufacturer range.
#pragma once

#include <QtGlobal>

namespace Pid {
// Network management (E1.20 10.3)
constexpr quint16 ProxiedDevices = 0x0010;
constexpr quint16 ProxiedDeviceCount = 0x0011;
constexpr quint16 CommsStatus = 0x0015;
// Status collection (E1.20 10.3)
constexpr quint16 QueuedMessage = 0x0020;
constexpr quint16 StatusMessages = 0x0030;
constexpr quint16 StatusIdDescription = 0x0031;
constexpr quint16 ClearStatusId = 0x0032;
constexpr quint16 SubDeviceStatusReportThreshold = 0x0033;
// RDM information (E1.20 10.4)
constexpr quint16 SupportedParameters = 0x0050;
constexpr quint16 ParameterDescription = 0x0051;
// Product information (E1.20 10.5)
constexpr quint16 DeviceInfo = 0x0060;
constexpr quint16 ProductDetailIdList = 0x0070;
constexpr quint16 DeviceModelDescription = 0x0080;
constexpr quint16 ManufacturerLabel = 0x0081;
constexpr quint16 DeviceLabel = 0x0082;
constexpr quint16 FactoryDefaults = 0x0090;
constexpr quint16 LanguageCapabilities = 0x00A0;
constexpr quint16 Language = 0x00B0;
constexpr quint16 SoftwareVersionLabel = 0x00C0;
constexpr quint16 BootSoftwareVersionId = 0x00C1;
constexpr quint16 BootSoftwareVersionLabel = 0x00C2;
// DMX512 setup (E1.20 10.6)
constexpr quint16 DmxPersonality = 0x00E0;
constexpr quint16 DmxPersonalityDescription = 0x00E1;
constexpr quint16 DmxStartAddress = 0x00F0;
constexpr quint16 SlotInfo = 0x0120;
constexpr quint16 SlotDescription = 0x0121;
constexpr quint16 DefaultSlotValue = 0x0122;
// Sensors (E1.20 10.7)
constexpr quint16 SensorDefinition = 0x0200;
constexpr quint16 SensorValue = 0x0201;
constexpr quint16 RecordSensors = 0x0202;
// Power and lamp settings (E1.20 10.8)
constexpr quint16 DeviceHours = 0x0400;
constexpr quint16 LampHours = 0x0401;
constexpr quint16 LampStrikes = 0x0402;
constexpr quint16 LampState = 0x0403;
constexpr quint16 LampOnMode = 0x0404;
constexpr quint16 DevicePowerCycles = 0x0405;
// Display settings (E1.20 10.9)
constexpr quint16 DisplayInvert = 0x0500;
constexpr quint16 DisplayLevel = 0x0501;
// Device configuration (E1.20 10.10)
constexpr quint16 PanInvert = 0x0600;
constexpr quint16 TiltInvert = 0x0601;
constexpr quint16 PanTiltSwap = 0x0602;
constexpr quint16 RealTimeClock = 0x0603;
// Device control (E1.20 10.11)
constexpr quint16 IdentifyDevice = 0x1000;
constexpr quint16 ResetDevice = 0x1001;
constexpr quint16 PowerState = 0x1010;
constexpr quint16 PerformSelfTest = 0x1020;
constexpr quint16 SelfTestDescription = 0x1021;
constexpr quint16 CapturePreset = 0x1030;
constexpr quint16 PresetPlayback = 0x1031;

// Manufacturer-specific PIDs, the ones PARAMETER_DESCRIPTION describes (E1.20 Table A-3).
constexpr quint16 ManufacturerSpecificFirst = 0x8000;
constexpr quint16 ManufacturerSpecificLast = 0xFFDF;
} // namespace Pid

constexpr bool isManufacturerSpecificPid(quint16 pid)
{
    return pid >= Pid::ManufacturerSpecificFirst && pid <= Pid::ManufacturerSpecificLast;
}
