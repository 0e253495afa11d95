// The parameter-specific GETs through which the program learns each responder's state.
#include "rdm/rdm.h"

#include "rdm/parameterids.h"
#include "usb/bytewriter.h"

namespace {

// A quiet GET whose ACK reports the length of the answer's parameter data.
int getWithLength(RDM &rdm, quint64 uid, quint16 subDevice, quint16 pid, const QByteArray &data = QByteArray())
{
    const int result = rdm.quietGet(uid, pid, quint8(data.size()),
                                    reinterpret_cast<const quint8 *>(data.constData()), subDevice);
    return result == 0 ? rdm.responseLength() : result;
}

QByteArray oneByte(quint8 value)
{
    QByteArray data;
    ByteWriter(&data).u8(value);
    return data;
}

} // namespace

int RDM::getDeviceInfo(quint64 uid, quint16 subDevice)
{
    return quietGet(uid, Pid::DeviceInfo, 0, nullptr, subDevice);
}

int RDM::getDeviceModelDescription(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::DeviceModelDescription);
}

int RDM::getSoftwareVersionLabel(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::SoftwareVersionLabel);
}

int RDM::getDeviceLabel(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::DeviceLabel);
}

int RDM::getManufacturerLabel(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::ManufacturerLabel);
}

int RDM::getDmxPersonality(quint64 uid, quint16 subDevice)
{
    return quietGet(uid, Pid::DmxPersonality, 0, nullptr, subDevice);
}

int RDM::getSupportedParameters(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::SupportedParameters);
}

int RDM::getParameterDescription(quint64 uid, quint16 subDevice, quint16 pid)
{
    QByteArray data;
    ByteWriter(&data).u16(pid);
    return getWithLength(*this, uid, subDevice, Pid::ParameterDescription, data);
}

int RDM::getPersonalityDescription(quint64 uid, quint16 subDevice, quint8 personality)
{
    return getWithLength(*this, uid, subDevice, Pid::DmxPersonalityDescription, oneByte(personality));
}

int RDM::getSensorDefinition(quint64 uid, quint16 subDevice, quint8 sensor)
{
    return getWithLength(*this, uid, subDevice, Pid::SensorDefinition, oneByte(sensor));
}

int RDM::getSensorValue(quint64 uid, quint16 subDevice, quint8 sensor)
{
    return getWithLength(*this, uid, subDevice, Pid::SensorValue, oneByte(sensor));
}

int RDM::getIdentify(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::IdentifyDevice);
}

int RDM::getDeviceHours(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::DeviceHours);
}

int RDM::getDevicePowerCycles(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::DevicePowerCycles);
}

int RDM::getLampHours(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::LampHours);
}

int RDM::getLampStrikes(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::LampStrikes);
}

int RDM::getLampState(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::LampState);
}

int RDM::getLampOnMode(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::LampOnMode);
}

int RDM::getLanguageCapabilities(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::LanguageCapabilities);
}

int RDM::getLanguage(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::Language);
}

int RDM::getDisplayInvert(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::DisplayInvert);
}

int RDM::getDisplayLevel(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::DisplayLevel);
}

int RDM::getPanInvert(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::PanInvert);
}

int RDM::getTiltInvert(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::TiltInvert);
}

int RDM::getPanTiltSwap(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::PanTiltSwap);
}

int RDM::getRealTimeClock(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::RealTimeClock);
}

int RDM::getPowerState(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::PowerState);
}

int RDM::getPresetPlayback(quint64 uid, quint16 subDevice)
{
    return getWithLength(*this, uid, subDevice, Pid::PresetPlayback);
}
