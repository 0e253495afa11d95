// Renders a device record field by field, so that a comparison names the field that differs.
#pragma once

#include "rdm/recordjson.h"

#include <QJsonArray>
#include <QStringList>

// One "name=value" line per field, from the record's JSON form; the records of the three maps
// carry their map and key in front, such as "sensor 1 presentValue=-200" or "parameter 0x8001 unit=2".
inline void addFields(QStringList &lines, const QString &prefix, const QJsonObject &fields)
{
    static const QHash<QString, QString> maps = {{QStringLiteral("personalities"), QStringLiteral("personality %1 ")},
                                                 {QStringLiteral("sensors"), QStringLiteral("sensor %1 ")},
                                                 {QStringLiteral("parameters"), QStringLiteral("parameter 0x%1 ")}};
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const QJsonArray elements = it.value().toArray();
        if (maps.contains(it.key())) {
            for (const QJsonValue &element : elements) {
                const QJsonObject record = element.toObject();
                const bool byPid = record.contains(QLatin1String("pid"));
                const int key = record.value(QLatin1String(byPid ? "pid" : "number")).toInt();
                addFields(lines, maps.value(it.key()).arg(key, byPid ? 4 : 0, byPid ? 16 : 10, QLatin1Char('0')),
                          record);
            }
            continue;
        }
        QStringList parts{it.value().toVariant().toString()};
        if (it.value().isArray()) {
            parts.clear();
            for (const QJsonValue &part : elements)
                parts << part.toVariant().toString();
        }
        lines << prefix + it.key() + QLatin1Char('=') + parts.join(QLatin1Char('.'));
    }
}

inline QStringList dumpRecord(const DeviceRecord &record)
{
    QStringList lines;
    addFields(lines, QString(), deviceRecordJson(record));
    return lines;
}
