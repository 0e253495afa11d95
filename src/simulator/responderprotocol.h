// E1.20 numbers the simulated line and its responders speak, with the clause each comes from.
#pragma once

#include <QtGlobal>

namespace Rdm {

// The controller's UID, the source of every request and the destination of every answer.
constexpr quint64 ControllerUid = 0x010203010101ULL;
constexpr quint64 BroadcastUid = 0xFFFFFFFFFFFFULL;
constexpr quint32 AllDevicesOfManufacturer = 0xFFFFFFFFU;

constexpr quint16 RootDevice = 0x0000;
constexpr quint16 AllSubDevices = 0xFFFF;

// 6.2: start codes, header size, largest parameter data.
constexpr quint8 StartCode = 0xCC;
constexpr quint8 SubStartCode = 0x01;
constexpr int HeaderSize = 24;
constexpr int ChecksumSize = 2;
constexpr int MaximumParameterData = 231;

// Table A-1: command classes.
namespace CommandClass {
constexpr quint8 Discovery = 0x10;
constexpr quint8 DiscoveryResponse = 0x11;
constexpr quint8 Get = 0x20;
constexpr quint8 GetResponse = 0x21;
constexpr quint8 Set = 0x30;
constexpr quint8 SetResponse = 0x31;
} // namespace CommandClass

// Table A-2: response types.
namespace ResponseType {
constexpr quint8 Ack = 0x00;
constexpr quint8 AckTimer = 0x01;
constexpr quint8 NackReason = 0x02;
constexpr quint8 AckOverflow = 0x03;
} // namespace ResponseType

// Table A-17: NACK reason codes.
namespace Nack {
constexpr quint16 UnknownPid = 0x0000;
constexpr quint16 FormatError = 0x0001;
constexpr quint16 WriteProtect = 0x0004;
constexpr quint16 UnsupportedCommandClass = 0x0005;
constexpr quint16 DataOutOfRange = 0x0006;
constexpr quint16 BufferFull = 0x0007;
constexpr quint16 SubDeviceOutOfRange = 0x0009;
} // namespace Nack

// Table A-4: status types.
namespace StatusType {
constexpr quint8 None = 0x00;
constexpr quint8 GetLastMessage = 0x01;
constexpr quint8 Advisory = 0x02;
constexpr quint8 Warning = 0x03;
constexpr quint8 Error = 0x04;
} // namespace StatusType

// 7.6.3: DISC_MUTE / DISC_UN_MUTE control field bits.
namespace ControlField {
constexpr quint16 ManagedProxy = 0x0001;
constexpr quint16 SubDevices = 0x0002;
} // namespace ControlField

// Table A-3: parameter IDs.
namespace Pid {
constexpr quint16 DiscUniqueBranch = 0x0001;
constexpr quint16 DiscMute = 0x0002;
constexpr quint16 DiscUnMute = 0x0003;
constexpr quint16 ProxiedDevices = 0x0010;
constexpr quint16 ProxiedDeviceCount = 0x0011;
constexpr quint16 CommsStatus = 0x0015;
constexpr quint16 QueuedMessage = 0x0020;
constexpr quint16 StatusMessages = 0x0030;
constexpr quint16 StatusIdDescription = 0x0031;
constexpr quint16 ClearStatusId = 0x0032;
constexpr quint16 SubDeviceStatusReportThreshold = 0x0033;
constexpr quint16 SupportedParameters = 0x0050;
constexpr quint16 ParameterDescription = 0x0051;
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
constexpr quint16 DmxPersonality = 0x00E0;
constexpr quint16 DmxPersonalityDescription = 0x00E1;
constexpr quint16 DmxStartAddress = 0x00F0;
constexpr quint16 SlotInfo = 0x0120;
constexpr quint16 SlotDescription = 0x0121;
constexpr quint16 DefaultSlotValue = 0x0122;
constexpr quint16 SensorDefinition = 0x0200;
constexpr quint16 SensorValue = 0x0201;
constexpr quint16 RecordSensors = 0x0202;
constexpr quint16 DeviceHours = 0x0400;
constexpr quint16 LampHours = 0x0401;
constexpr quint16 LampStrikes = 0x0402;
constexpr quint16 LampState = 0x0403;
constexpr quint16 LampOnMode = 0x0404;
constexpr quint16 DevicePowerCycles = 0x0405;
constexpr quint16 DisplayInvert = 0x0500;
constexpr quint16 DisplayLevel = 0x0501;
constexpr quint16 PanInvert = 0x0600;
constexpr quint16 TiltInvert = 0x0601;
constexpr quint16 PanTiltSwap = 0x0602;
constexpr quint16 RealTimeClock = 0x0603;
constexpr quint16 IdentifyDevice = 0x1000;
constexpr quint16 ResetDevice = 0x1001;
constexpr quint16 PowerState = 0x1010;
constexpr quint16 PerformSelfTest = 0x1020;
constexpr quint16 SelfTestDescription = 0x1021;
constexpr quint16 CapturePreset = 0x1030;
constexpr quint16 PresetPlayback = 0x1031;
// 10.3.1: the range of manufacturer-specific PIDs.
constexpr quint16 FirstManufacturerPid = 0x8000;
constexpr quint16 LastManufacturerPid = 0xFFDF;
} // namespace Pid

inline bool isManufacturerPid(quint16 pid)
{
    return pid >= Pid::FirstManufacturerPid && pid <= Pid::LastManufacturerPid;
}

// 6.2.3: a device ID of all ones addresses every device of the manufacturer (or all devices).
inline bool isBroadcastUid(quint64 uid)
{
    return quint32(uid) == AllDevicesOfManufacturer;
}

// Whether a packet for `destination` reaches the responder `uid`.
inline bool isAddressedTo(quint64 destination, quint64 uid)
{
    if (destination == uid || destination == BroadcastUid)
        return true;
    return isBroadcastUid(destination) && (destination >> 32) == (uid >> 32);
}

} // namespace Rdm
