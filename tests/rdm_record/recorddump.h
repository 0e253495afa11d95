// Renders a device record field by field, so that a comparison names the field that differs.
#pragma once

#include "rdm/devicerecord.h"

#include <QStringList>

inline QStringList dumpRecord(const DeviceRecord &record)
{
    QStringList lines;
    const auto add = [&lines](const char *field, const QVariant &value) {
        lines << QLatin1String(field) + QLatin1Char('=') + value.toString();
    };
    add("uid", record.uid);
    add("dmxStartAddress", record.dmxStartAddress);
    add("dmxFootprint", record.dmxFootprint);
    add("currentPersonality", record.currentPersonality);
    add("personalityCount", record.personalityCount);
    for (const auto &[number, personality] : record.personalities) {
        const QString key = QStringLiteral("personality %1 ").arg(number);
        lines << key + QStringLiteral("number=%1").arg(personality.number)
              << key + QStringLiteral("footprint=%1").arg(personality.footprint)
              << key + QStringLiteral("description=") + personality.description;
    }
    add("protocolVersion", QStringLiteral("%1.%2").arg(record.protocolVersion[0]).arg(record.protocolVersion[1]));
    add("deviceModelId", record.deviceModelId);
    add("modelDescription", record.modelDescription);
    add("productCategory", record.productCategory);
    add("softwareVersionId", record.softwareVersionId);
    add("softwareVersionLabel", record.softwareVersionLabel);
    add("subDeviceCount", record.subDeviceCount);
    add("sensorCount", record.sensorCount);
    for (const auto &[number, sensor] : record.sensors) {
        const QString key = QStringLiteral("sensor %1 ").arg(number);
        const QList<QPair<const char *, QVariant>> fields = {
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
        };
        for (const auto &field : fields)
            lines << key + QLatin1String(field.first) + QLatin1Char('=') + field.second.toString();
    }
    add("deviceLabel", record.deviceLabel);
    add("manufacturerLabel", record.manufacturerLabel);
    add("supportedParameterCount", record.supportedParameterCount);
    for (const auto &[pid, parameter] : record.parameters) {
        const QString key = QStringLiteral("parameter 0x%1 ").arg(pid, 4, 16, QLatin1Char('0'));
        const QList<QPair<const char *, QVariant>> fields = {
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
        };
        for (const auto &field : fields)
            lines << key + QLatin1String(field.first) + QLatin1Char('=') + field.second.toString();
    }
    add("subDevice", record.subDevice);
    add("identify", record.identify);
    add("deviceHours", record.deviceHours);
    add("devicePowerCycles", record.devicePowerCycles);
    add("lampHours", record.lampHours);
    add("lampStrikes", record.lampStrikes);
    add("lampState", record.lampState);
    add("detailsFetched", record.detailsFetched);
    return lines;
}
