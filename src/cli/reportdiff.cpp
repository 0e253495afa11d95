// Compares two rig reports field by field, for the fields a technician tracks between shows.
#include "cli/reportdiff.h"

#include "cli/reportfile.h"

#include <map>

namespace {

enum class FieldKind { Value, Counter };

struct ComparedField
{
    const char *key;
    const char *name;
    FieldKind kind;
};

constexpr ComparedField comparedFields[] = {
    {"dmxStartAddress", "address", FieldKind::Value},
    {"dmxFootprint", "footprint", FieldKind::Value},
    {"currentPersonality", "personality", FieldKind::Value},
    {"deviceLabel", "label", FieldKind::Value},
    {"softwareVersionLabel", "software version", FieldKind::Value},
    {"softwareVersionId", "software version ID", FieldKind::Value},
    {"sensorCount", "sensor count", FieldKind::Value},
    {"deviceHours", "device hours", FieldKind::Counter},
    {"lampHours", "lamp hours", FieldKind::Counter},
    {"lampStrikes", "lamp strikes", FieldKind::Counter},
    {"devicePowerCycles", "power cycles", FieldKind::Counter},
};

using DeviceKey = std::pair<QString, int>;

DeviceKey keyOf(const QJsonObject &device)
{
    return {device.value(QLatin1String("uid")).toString(), device.value(QLatin1String("subDevice")).toInt()};
}

QJsonObject identity(const QJsonObject &device)
{
    return {{QStringLiteral("uid"), device.value(QLatin1String("uid"))},
            {QStringLiteral("subDevice"), device.value(QLatin1String("subDevice"))}};
}

std::map<DeviceKey, QJsonObject> byKey(const QJsonArray &devices)
{
    std::map<DeviceKey, QJsonObject> map;
    for (const QJsonValue &value : devices)
        map.emplace(keyOf(value.toObject()), value.toObject());
    return map;
}

QString shown(const QJsonValue &value)
{
    if (value.isString())
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    if (value.isDouble())
        return QString::number(qint64(value.toDouble()));
    return QStringLiteral("none");
}

const ComparedField *fieldNamed(const QString &key)
{
    for (const ComparedField &field : comparedFields) {
        if (key == QLatin1String(field.key))
            return &field;
    }
    return nullptr;
}

} // namespace

ReportDifferences compareReports(const QJsonArray &oldDevices, const QJsonArray &newDevices)
{
    ReportDifferences differences;
    const std::map<DeviceKey, QJsonObject> oldByKey = byKey(oldDevices);
    const std::map<DeviceKey, QJsonObject> newByKey = byKey(newDevices);
    for (const QJsonValue &value : oldDevices) {
        if (!newByKey.count(keyOf(value.toObject())))
            differences.missing.append(identity(value.toObject()));
    }
    for (const QJsonValue &value : newDevices) {
        const QJsonObject device = value.toObject();
        const auto old = oldByKey.find(keyOf(device));
        if (old == oldByKey.end()) {
            differences.added.append(identity(device));
            continue;
        }
        for (const ComparedField &field : comparedFields) {
            const QJsonValue before = old->second.value(QLatin1String(field.key));
            const QJsonValue after = device.value(QLatin1String(field.key));
            if (before == after)
                continue;
            QJsonObject change = identity(device);
            change.insert(QStringLiteral("field"), QLatin1String(field.key));
            change.insert(QStringLiteral("old"), before);
            change.insert(QStringLiteral("new"), after);
            if (field.kind == FieldKind::Counter && before.isDouble() && after.isDouble())
                change.insert(QStringLiteral("difference"), qint64(after.toDouble()) - qint64(before.toDouble()));
            differences.changed.append(change);
        }
    }
    return differences;
}

QStringList ReportDifferences::lines() const
{
    QStringList lines;
    for (const QJsonValue &device : added)
        lines << QStringLiteral("added: %1").arg(reportDeviceName(device.toObject()));
    for (const QJsonValue &device : missing)
        lines << QStringLiteral("missing: %1").arg(reportDeviceName(device.toObject()));
    for (const QJsonValue &value : changed) {
        const QJsonObject change = value.toObject();
        const ComparedField *field = fieldNamed(change.value(QLatin1String("field")).toString());
        QString line = QStringLiteral("%1: %2 %3 -> %4")
                           .arg(reportDeviceName(change), QLatin1String(field ? field->name : ""),
                                shown(change.value(QLatin1String("old"))), shown(change.value(QLatin1String("new"))));
        if (change.contains(QLatin1String("difference"))) {
            const qint64 difference = qint64(change.value(QLatin1String("difference")).toDouble());
            line += QStringLiteral(" (%1%2)").arg(difference >= 0 ? QStringLiteral("+") : QString()).arg(difference);
        }
        lines << line;
    }
    return lines;
}

QJsonObject ReportDifferences::toJson() const
{
    return {{QStringLiteral("added"), added}, {QStringLiteral("missing"), missing}, {QStringLiteral("changed"), changed}};
}
