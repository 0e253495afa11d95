// Renders a device record field by field, so that a comparison names the field that differs.
#pragma once

#include "rdm/recordjson.h"

#include <QJsonArray>
#include <QStringList>

// One "name=value" line per field, from the record's JSON form; the records of the three maps
// carry their map and key in front, such as "sensor 1 presentValue=-200".
inline void addFields(QStringList &lines, const QString &prefix, const QJsonObject &fields)
{
    static const struct
    {
        const char *array;
        const char *element;
        const char *key;
        int base;
    } maps[] = {{"personalities", "personality %1 ", "number", 10},
                {"sensors", "sensor %1 ", "number", 10},
                {"parameters", "parameter 0x%1 ", "pid", 16}};
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const auto map = std::find_if(std::begin(maps), std::end(maps),
                                      [&it](const auto &candidate) { return it.key() == QLatin1String(candidate.array); });
        if (map != std::end(maps)) {
            for (const QJsonValue &element : it.value().toArray()) {
                const QJsonObject record = element.toObject();
                const int width = map->base == 16 ? 4 : 0;
                addFields(lines,
                          QString::fromLatin1(map->element)
                              .arg(record.value(QLatin1String(map->key)).toInt(), width, map->base, QLatin1Char('0')),
                          record);
            }
        } else if (it.value().isArray()) {
            QStringList parts;
            for (const QJsonValue &part : it.value().toArray())
                parts << part.toVariant().toString();
            lines << prefix + it.key() + QLatin1Char('=') + parts.join(QLatin1Char('.'));
        } else {
            lines << prefix + it.key() + QLatin1Char('=') + it.value().toVariant().toString();
        }
    }
}

inline QStringList dumpRecord(const DeviceRecord &record)
{
    QStringList lines;
    addFields(lines, QString(), deviceRecordJson(record));
    return lines;
}
