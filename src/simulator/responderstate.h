// What a simulated responder holds: its description from the scenario and the state it keeps.
#pragma once

#include "simulator/responderprotocol.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <optional>

struct ResponderSlot
{
    quint8 type = 0;             // Table C-1 slot type
    quint16 labelId = 0xFFFF;    // Table C-2 slot label (or the slot it serves, for secondary types)
    QByteArray description;      // empty: SLOT_DESCRIPTION answers NR_DATA_OUT_OF_RANGE
    quint8 defaultValue = 0;
};

struct ResponderPersonality
{
    quint16 footprint = 0;
    QByteArray description;
    QList<ResponderSlot> slotList;   // at most `footprint` entries, slot offsets from 0
};

// A present value that moves between two values with the simulated clock, from `minimum` at time 0.
struct SensorVariation
{
    enum class Shape { Steady, Sine, Triangle, Ramp };

    Shape shape = Shape::Steady;
    qint16 minimum = 0;
    qint16 maximum = 0;
    qint64 periodMs = 1;

    qint16 valueAt(qint64 elapsedMs) const;
};

struct ResponderSensor
{
    quint8 type = 0;
    quint8 unit = 0;
    quint8 prefix = 0;
    qint16 rangeMinimum = 0;
    qint16 rangeMaximum = 0;
    qint16 normalMinimum = 0;
    qint16 normalMaximum = 0;
    quint8 recordedValueSupport = 0;  // bit 0 recorded value, bit 1 lowest/highest
    QByteArray description;
    qint16 present = 0;
    qint16 lowest = 0;
    qint16 highest = 0;
    qint16 recorded = 0;
    SensorVariation variation;

    bool recordsValue() const { return recordedValueSupport & 0x01; }
    bool tracksExtremes() const { return recordedValueSupport & 0x02; }
    // Moves the present value to where its variation is at `elapsedMs`; the extremes follow.
    void follow(qint64 elapsedMs);
};

// A manufacturer-specific parameter as PARAMETER_DESCRIPTION tells it; its value lives in the settings.
struct ManufacturerParameter
{
    quint16 pid = 0;
    quint8 pdlSize = 0;
    quint8 dataType = 0;       // Table A-15; 4, 6 and 8 are signed
    quint8 commandClass = 0;   // 1 GET, 2 SET, 3 GET and SET
    quint8 type = 0;
    quint8 unit = 0;
    quint8 prefix = 0;
    quint32 minimum = 0;
    quint32 maximum = 0;
    quint32 defaultValue = 0;
    QByteArray description;

    // Bytes per value of the numeric data types; 0 for bit fields, strings and undefined data.
    int elementSize() const
    {
        switch (dataType) {
        case 3: case 4: return 1;
        case 5: case 6: return 2;
        case 7: case 8: return 4;
        default: return 0;
        }
    }
    bool isSigned() const { return dataType == 4 || dataType == 6 || dataType == 8; }
};

struct ResponderSelfTest
{
    quint8 number = 0;
    QByteArray description;
};

struct ResponderPreset
{
    quint16 upFade = 0;
    quint16 downFade = 0;
    quint16 wait = 0;
};

struct ResponderStatusMessage
{
    quint16 subDevice = 0;
    quint8 statusType = Rdm::StatusType::Advisory;
    quint16 messageId = 0;
    qint16 value1 = 0;
    qint16 value2 = 0;
};

// An answer kept for QUEUED_MESSAGE (the real answer behind an ACK_TIMER).
struct QueuedResponse
{
    quint16 subDevice = 0;
    quint8 commandClass = 0;   // the response's command class
    quint16 pid = 0;
    quint8 responseType = Rdm::ResponseType::Ack;
    QByteArray data;
};

// Everything FACTORY_DEFAULTS restores; an empty optional means the device lacks the feature.
struct ResponderSettings
{
    QByteArray label;
    quint8 personality = 1;     // 1-based
    quint16 startAddress = 1;
    QByteArray language;
    std::optional<quint8> lampOnMode;
    std::optional<quint8> displayInvert;
    std::optional<quint8> displayLevel;
    std::optional<quint8> panInvert;
    std::optional<quint8> tiltInvert;
    std::optional<quint8> panTiltSwap;
    QMap<quint16, QByteArray> manufacturerValues;

    bool operator==(const ResponderSettings &other) const
    {
        return label == other.label && personality == other.personality
            && startAddress == other.startAddress && language == other.language
            && lampOnMode == other.lampOnMode && displayInvert == other.displayInvert
            && displayLevel == other.displayLevel && panInvert == other.panInvert
            && tiltInvert == other.tiltInvert && panTiltSwap == other.panTiltSwap
            && manufacturerValues == other.manufacturerValues;
    }
    bool operator!=(const ResponderSettings &other) const { return !(*this == other); }
};

// The root device or one sub-device. A feature is supported when its data are present.
struct ResponderDevice
{
    quint16 modelId = 0;
    quint16 productCategory = 0;
    quint32 softwareVersionId = 0;
    std::optional<QByteArray> modelDescription;
    QList<ResponderPersonality> personalities;
    QList<ResponderSensor> sensors;
    QList<ManufacturerParameter> manufacturerParameters;
    QList<ResponderSelfTest> selfTests;
    QList<ResponderPreset> presets;          // scenes 1 to n
    QList<QByteArray> languages;             // two-letter codes
    QList<quint16> productDetails;
    std::optional<quint32> deviceHours;
    std::optional<quint32> powerCycles;
    std::optional<quint32> lampHours;
    std::optional<quint32> lampStrikes;
    std::optional<quint8> lampState;
    std::optional<quint8> powerState;
    std::optional<qint64> clockOffset;       // seconds between the device's clock and the host's
    bool identify = false;
    quint8 runningSelfTest = 0;
    quint16 playbackMode = 0;
    quint8 playbackLevel = 0;
    quint8 statusReportThreshold = Rdm::StatusType::Advisory;
    bool silent = false;                     // a sub-device that never answers
    ResponderSettings settings;
    ResponderSettings factorySettings;

    const ResponderPersonality *currentPersonality() const
    {
        const int index = settings.personality - 1;
        return index >= 0 && index < personalities.size() ? &personalities.at(index) : nullptr;
    }
    quint16 footprint() const
    {
        const ResponderPersonality *personality = currentPersonality();
        return personality ? personality->footprint : 0;
    }
    const ManufacturerParameter *manufacturerParameter(quint16 pid) const
    {
        for (const ManufacturerParameter &parameter : manufacturerParameters) {
            if (parameter.pid == pid)
                return &parameter;
        }
        return nullptr;
    }
};

struct CommsCounters
{
    quint16 shortMessages = 0;
    quint16 lengthMismatches = 0;
    quint16 checksumFailures = 0;
};

// The whole responder: identity shared by its sub-devices, its devices and its message queues.
struct ResponderState
{
    quint64 uid = 0;
    std::optional<QByteArray> manufacturerLabel;
    QByteArray softwareVersionLabel;
    std::optional<quint32> bootSoftwareVersionId;
    std::optional<QByteArray> bootSoftwareVersionLabel;
    std::optional<QList<quint64>> proxiedDevices;
    bool reportsStatus = false;
    QList<ResponderStatusMessage> statusMessages;        // not yet collected
    QList<ResponderStatusMessage> lastStatusMessages;    // for STATUS_GET_LAST_MESSAGE
    QMap<quint16, QByteArray> statusDescriptions;        // manufacturer status IDs
    QList<QueuedResponse> queuedResponses;
    std::optional<QueuedResponse> lastQueuedResponse;
    CommsCounters comms;
    ResponderDevice root;
    QMap<quint16, ResponderDevice> subDevices;
};
