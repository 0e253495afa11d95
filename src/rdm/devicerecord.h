// Everything the program has learnt about one responder or sub-device.
#pragma once

#include "rdm/parameterrecord.h"
#include "rdm/personalityrecord.h"
#include "rdm/sensorrecord.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <map>

// Every store operation takes the answer's parameter data and its length; an answer shorter
// than the fields it must carry leaves the record as it was.
struct DeviceRecord
{
    explicit DeviceRecord(quint64 uid, quint16 subDevice = 0);

    void storeDeviceInfo(const quint8 *data, int length);
    void storeSupportedParameters(const quint8 *data, int length);
    // Only for a manufacturer-specific PID the record already lists.
    void storeParameterDescription(const quint8 *data, int length);
    // Adds the sensor when the record does not hold it yet.
    void storeSensorDefinition(const quint8 *data, int length);
    // Stamps the values with the local date and time of `receivedAt`; false when nothing was stored.
    bool storeSensorValue(const quint8 *data, int length,
                          const QDateTime &receivedAt = QDateTime::currentDateTime());
    void storePersonalities(const quint8 *data, int length);
    void storePersonalityDescription(const quint8 *data, int length);

    // The texts take the bytes given as Latin-1 characters, up to the first zero byte.
    void setModelDescription(const quint8 *data, int length);
    void setSoftwareVersionLabel(const quint8 *data, int length);
    void setDeviceLabel(const quint8 *data, int length);
    void setManufacturerLabel(const quint8 *data, int length);

    void setPersonality(const quint8 *data, int length);
    void setIdentify(const quint8 *data, int length);
    void setDeviceHours(const quint8 *data, int length);
    void setDevicePowerCycles(const quint8 *data, int length);
    void setLampHours(const quint8 *data, int length);
    void setLampStrikes(const quint8 *data, int length);
    void setLampState(const quint8 *data, int length);
    void setDmxStartAddress(const quint8 *data, int length);

    // A sub-device's record carries its root's UID.
    quint64 uid;
    // 1 to 512; 0 when the device has none.
    quint16 dmxStartAddress = 0;
    quint16 dmxFootprint = 0;
    quint8 currentPersonality = 0;
    quint8 personalityCount = 0;
    std::map<quint8, PersonalityRecord> personalities;
    // Major, then minor.
    std::array<quint8, 2> protocolVersion{};
    quint16 deviceModelId = 0;
    QString modelDescription;
    quint16 productCategory = 0;
    quint32 softwareVersionId = 0;
    QString softwareVersionLabel;
    quint16 subDeviceCount = 0;
    quint8 sensorCount = 0;
    std::map<quint8, SensorRecord> sensors;
    QString deviceLabel;
    QString manufacturerLabel;
    quint32 supportedParameterCount = 0;
    std::map<quint16, ParameterRecord> parameters;
    // 0 for the root device.
    quint16 subDevice;
    bool identify = false;
    quint32 deviceHours = 0;
    quint32 devicePowerCycles = 0;
    quint32 lampHours = 0;
    quint32 lampStrikes = 0;
    quint8 lampState = 0;
    // Set by the main window once the full set of GETs has run for this record.
    bool detailsFetched = false;
};
