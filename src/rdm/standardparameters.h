// The standard parameters the program knows: their names, data sizes, types and value ranges.
#pragma once

#include <QString>
#include <optional>

struct DeviceRecord;

// Writes the standard table's row for `pid` into the record's parameter record for it; does
// nothing when the record does not list the PID or the PID is not a standard one.
void applyStandardDescription(DeviceRecord &record, quint16 pid);
// The E1.20 name of a standard PID, such as "DMX_START_ADDRESS"; empty for any other PID.
QString standardParameterName(quint16 pid);
// The PID of a standard parameter name, letter case ignored.
std::optional<quint16> standardParameterPid(const QString &name);
