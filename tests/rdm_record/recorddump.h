// Renders a device record field by field, so that a comparison names the field that differs.
#pragma once

#include "rdm/devicerecord.h"

#include <QStringList>
#include <QVariant>

using RecordFields = QList<QPair<const char *, QVariant>>;

inline void addFields(QStringList &lines, const QString &key, const RecordFields &fields)
{
    for (const auto &field : fields)
        lines << key + QLatin1String(field.first) + QLatin1Char('=') + field.second.toString();
}

inline QStringList dumpRecord(const DeviceRecord &record)
{
    QStringList lines;
    addFields(lines, QString(), {
        {"uid", record.uid},
        {"dmxStartAddress", record.dmxStartAddress},
        {"dmxFootprint", record.dmxFootprint},
        {"currentPersonality", record.currentPersonality},
        {"personalityCount", record.personalityCount},
    });
    for (const auto &[number, personality] : record.personalities) {
        addFields(lines, QStringLiteral("personality %1 ").arg(number), {
            {"number", personality.number},
            {"footprint", personality.footprint},
            {"description", personality.description},
        });
    }
    addFields(lines, QString(), {
        {"protocolVersion", QStringLiteral("%1.%2").arg(record.protocolVersion[0]).arg(record.protocolVersion[1])},
        {"deviceModelId", record.deviceModelId},
        {"modelDescription", record.modelDescription},
        {"productCategory", record.productCategory},
        {"softwareVersionId", record.softwareVersionId},
        {"softwareVersionLabel", record.softwareVersionLabel},
        {"subDeviceCount", record.subDeviceCount},
        {"sensorCount", record.sensorCount},
    });
    for (const auto &[number, sensor] : record.sensors) {
        addFields(lines, QStringLiteral("sensor %1 ").arg(number), {
            {"number", sensor.number},
            {"type", sensor.type},
            {"unit", sensor.unit},
            {"prefix", sensor.prefix},
            {"rangeMinimum", sensor.rangeMinimum},
            {"rangeMaximum", sensor.rangeMaximum},
            {"normalMinimum", sensor.normalMinimum},
            {"normalMaximum", sensor.normalMaximum},
            {"recordedValueSupport", sensor.recordedValueSupport},
            {"description", sensor.description},
            {"updateTime", sensor.updateTime},
            {"updateDate", sensor.updateDate},
            {"presentValue", sensor.presentValue},
            {"lowestValue", sensor.lowestValue},
            {"highestValue", sensor.highestValue},
            {"recordedValue", sensor.recordedValue},
        });
    }
    addFields(lines, QString(), {
        {"deviceLabel", record.deviceLabel},
        {"manufacturerLabel", record.manufacturerLabel},
        {"supportedParameterCount", record.supportedParameterCount},
    });
    for (const auto &[pid, parameter] : record.parameters) {
        addFields(lines, QStringLiteral("parameter 0x%1 ").arg(pid, 4, 16, QLatin1Char('0')), {
            {"pid", parameter.pid},
            {"pdlSize", parameter.pdlSize},
            {"dataType", parameter.dataType},
            {"commandClass", parameter.commandClass},
            {"type", parameter.type},
            {"unit", parameter.unit},
            {"prefix", parameter.prefix},
            {"signedMinimum", parameter.signedMinimum},
            {"signedMaximum", parameter.signedMaximum},
            {"signedDefault", parameter.signedDefault},
            {"minimum", parameter.minimum},
            {"maximum", parameter.maximum},
            {"defaultValue", parameter.defaultValue},
            {"description", parameter.description},
            {"highlighted", parameter.highlighted},
        });
    }
    addFields(lines, QString(), {
        {"subDevice", record.subDevice},
        {"identify", record.identify},
        {"deviceHours", record.deviceHours},
        {"devicePowerCycles", record.devicePowerCycles},
        {"lampHours", record.lampHours},
        {"lampStrikes", record.lampStrikes},
        {"lampState", record.lampState},
        {"detailsFetched", record.detailsFetched},
    });
    return lines;
}
