// The problems of a rig that a technician fixes before doors open, found in a rig report.
#pragma once

#include <QJsonArray>
#include <QStringList>

// One line per problem, none for a rig in order: channel overlaps between devices, devices with
// a footprint but no address, footprints running past channel 512, one model (manufacturer and
// model ID) on different software versions, and labels used twice.
QStringList rigProblems(const QJsonArray &devices);
