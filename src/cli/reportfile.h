// Rig reports read back from files, for comparing and checking them.
#pragma once

#include <QJsonArray>
#include <QString>
#include <optional>

// The "devices" array of a report file, each entry an object with a "uid" text and a
// "subDevice" number; nothing, with the reason, for any other file.
std::optional<QJsonArray> readReportFile(const QString &path, QString *reason);

// "MMMM:DDDDDDDD" for a root device, "MMMM:DDDDDDDD sub-device N" for a sub-device.
QString reportDeviceName(const QJsonObject &device);
