// Reading responders into device records: the same sequence of GETs for every front end.
#pragma once

#include "rdm/devicerecord.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class RDM;

// The text a device is listed under when it does not describe its model: "UID: 0x…" for a root
// device, "Sub-device N" for a sub-device.
QString modelDescriptionFallback(const DeviceRecord &record);

// DEVICE_MODEL_DESCRIPTION into the record, or the fallback text when the GET fails.
// Returns the GET's result: 0 or more on an ACK, -1, -2 or -3 on failure.
int readModelDescription(RDM &rdm, DeviceRecord &record);

// A root device just found by discovery: its model description, then its DEVICE_INFO.
std::unique_ptr<DeviceRecord> readDiscoveredDevice(RDM &rdm, quint64 uid);

// Every GET that fills a record for display, in order; each failed GET leaves the old values.
// Returns the result of the DEVICE_INFO GET: 0 when the device answered it, else -1, -2 or -3.
// detailsFetched is left to the caller. `failedGets`, when given, gets each failed GET's PID name and
// parameter data in hexadecimal, such as "LAMP_HOURS" or "SENSOR_VALUE 01".
int readFullDetails(RDM &rdm, DeviceRecord &record, QStringList *failedGets = nullptr);

// SUPPORTED_PARAMETERS, then the description of every parameter listed: PARAMETER_DESCRIPTION for
// manufacturer PIDs, the standard table for the others. A failed SUPPORTED_PARAMETERS leaves the
// parameters as they were.
void readParameters(RDM &rdm, DeviceRecord &record, QStringList *failedGets = nullptr);

// What may change on a device behind the program's back and its overview shows: DEVICE_LABEL,
// DEVICE_INFO and IDENTIFY_DEVICE.
void readOverview(RDM &rdm, DeviceRecord &record);

// DEVICE_HOURS, DEVICE_POWER_CYCLES, LAMP_HOURS, LAMP_STRIKES and LAMP_STATE.
void readCounters(RDM &rdm, DeviceRecord &record, QStringList *failedGets = nullptr);

// Probes sub-devices 1 to 512 of a root whose DEVICE_INFO is stored until as many as it announces
// have answered; the records come back in ascending sub-device number.
std::vector<std::unique_ptr<DeviceRecord>> discoverSubDevices(RDM &rdm, const DeviceRecord &root);
