// What changed between two rig reports: devices added and missing, and fields of the others.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

struct ReportDifferences
{
    // Each {"uid", "subDevice"}, in the order of the report that holds them.
    QJsonArray added;
    QJsonArray missing;
    // Each {"uid", "subDevice", "field", "old", "new"} and, for counters, "difference".
    QJsonArray changed;

    bool isEmpty() const { return added.isEmpty() && missing.isEmpty() && changed.isEmpty(); }
    QStringList lines() const;
    QJsonObject toJson() const;
};

// Devices are matched by UID and sub-device number.
ReportDifferences compareReports(const QJsonArray &oldDevices, const QJsonArray &newDevices);
