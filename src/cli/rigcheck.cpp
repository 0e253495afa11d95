// Checks a rig report for the mistakes of patching and maintenance.
#include "cli/rigcheck.h"

#include "cli/reportfile.h"
#include "rdm/uidtext.h"

#include <QJsonObject>
#include <algorithm>
#include <map>

namespace {

constexpr int lastChannel = 512;

struct PatchedDevice
{
    QString name;
    QString uid;
    int subDevice;
    int start;
    int footprint;

    int last() const { return qMin(lastChannel, start + footprint - 1); }
};

PatchedDevice patched(const QJsonObject &device)
{
    return {reportDeviceName(device), device.value(QLatin1String("uid")).toString(),
            device.value(QLatin1String("subDevice")).toInt(), device.value(QLatin1String("dmxStartAddress")).toInt(),
            device.value(QLatin1String("dmxFootprint")).toInt()};
}

// A sub-device on its own root's channels is how a rack is patched, not a collision; any
// other two devices sharing a channel collide.
bool mayShareChannels(const PatchedDevice &first, const PatchedDevice &second)
{
    return first.uid == second.uid && (first.subDevice == 0) != (second.subDevice == 0);
}

QString channelRange(int first, int last)
{
    return first == last ? QStringLiteral("channel %1").arg(first) : QStringLiteral("channels %1 to %2").arg(first).arg(last);
}

void addPatchProblems(const QList<PatchedDevice> &devices, QStringList *problems)
{
    for (const PatchedDevice &device : devices) {
        if (device.footprint == 0)
            continue;
        if (device.start == 0)
            *problems << QStringLiteral("%1 has no DMX start address for its %2 channels").arg(device.name).arg(device.footprint);
        else if (device.start + device.footprint - 1 > lastChannel)
            *problems << QStringLiteral("%1 runs past channel 512: %2 channels from %3")
                             .arg(device.name)
                             .arg(device.footprint)
                             .arg(device.start);
    }
    for (int i = 0; i < devices.size(); ++i) {
        for (int j = i + 1; j < devices.size(); ++j) {
            const PatchedDevice &first = devices.at(i);
            const PatchedDevice &second = devices.at(j);
            if (first.footprint == 0 || second.footprint == 0 || first.start == 0 || second.start == 0
                || mayShareChannels(first, second))
                continue;
            const int from = qMax(first.start, second.start);
            const int to = qMin(first.last(), second.last());
            if (from <= to)
                *problems << QStringLiteral("%1 and %2 overlap on %3").arg(first.name, second.name, channelRange(from, to));
        }
    }
}

void addVersionProblems(const QJsonArray &devices, QStringList *problems)
{
    // Model key: manufacturer ID and model ID; versions in order of first appearance.
    std::map<std::pair<QString, int>, std::vector<std::pair<QString, QStringList>>> models;
    std::vector<std::pair<QString, int>> order;
    for (const QJsonValue &value : devices) {
        const QJsonObject device = value.toObject();
        const std::pair<QString, int> model{device.value(QLatin1String("uid")).toString().left(4),
                                            device.value(QLatin1String("deviceModelId")).toInt()};
        const QString label = device.value(QLatin1String("softwareVersionLabel")).toString();
        const qint64 versionId = qint64(device.value(QLatin1String("softwareVersionId")).toDouble());
        const QString version = hexText(versionId, 8) + (label.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(label));
        if (!models.count(model))
            order.push_back(model);
        auto &versions = models[model];
        auto found = std::find_if(versions.begin(), versions.end(), [&](const auto &entry) { return entry.first == version; });
        if (found == versions.end())
            versions.push_back({version, {reportDeviceName(device)}});
        else
            found->second << reportDeviceName(device);
    }
    for (const auto &model : order) {
        const auto &versions = models[model];
        if (versions.size() < 2)
            continue;
        QStringList parts;
        for (const auto &[version, names] : versions)
            parts << QStringLiteral("%1 on %2").arg(version, names.join(QStringLiteral(", ")));
        *problems << QStringLiteral("model 0x%1 of manufacturer %2 runs different software: %3")
                         .arg(QString::number(model.second, 16).toUpper().rightJustified(4, QLatin1Char('0')), model.first,
                              parts.join(QStringLiteral("; ")));
    }
}

void addLabelProblems(const QJsonArray &devices, QStringList *problems)
{
    std::map<QString, QStringList> holders;
    QStringList order;
    for (const QJsonValue &value : devices) {
        const QString label = value.toObject().value(QLatin1String("deviceLabel")).toString();
        if (label.trimmed().isEmpty())
            continue;
        if (!holders.count(label))
            order << label;
        holders[label] << reportDeviceName(value.toObject());
    }
    for (const QString &label : order) {
        if (holders[label].size() > 1)
            *problems << QStringLiteral("label \"%1\" is used by %2").arg(label, holders[label].join(QStringLiteral(", ")));
    }
}

} // namespace

QStringList rigProblems(const QJsonArray &devices)
{
    QList<PatchedDevice> patchedDevices;
    for (const QJsonValue &value : devices)
        patchedDevices << patched(value.toObject());
    QStringList problems;
    addPatchProblems(patchedDevices, &problems);
    addVersionProblems(devices, &problems);
    addLabelProblems(devices, &problems);
    return problems;
}
