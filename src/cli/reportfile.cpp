// Reading rig reports from files, with a reason for every file that is not one.
#include "cli/reportfile.h"

#include "rdm/uidtext.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

std::optional<QJsonArray> readReportFile(const QString &path, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        *reason = QStringLiteral("%1 is not JSON: %2 at byte %3").arg(path, error.errorString()).arg(error.offset);
        return std::nullopt;
    }
    const QJsonValue devices = document.object().value(QLatin1String("devices"));
    if (!document.isObject() || !devices.isArray()) {
        *reason = QStringLiteral("%1 is not a rig report: it has no \"devices\" array").arg(path);
        return std::nullopt;
    }
    const QJsonArray list = devices.toArray();
    for (int i = 0; i < list.size(); ++i) {
        const QJsonObject device = list.at(i).toObject();
        const QJsonValue subDevice = device.value(QLatin1String("subDevice"));
        if (!parseUidText(device.value(QLatin1String("uid")).toString()) || !subDevice.isDouble()
            || subDevice.toDouble() < 0 || subDevice.toDouble() > 0xFFFF) {
            *reason = QStringLiteral("%1 is not a rig report: devices[%2] has no \"uid\" and \"subDevice\"")
                          .arg(path)
                          .arg(i);
            return std::nullopt;
        }
    }
    return list;
}

QString reportDeviceName(const QJsonObject &device)
{
    const QString uid = device.value(QLatin1String("uid")).toString();
    const int subDevice = device.value(QLatin1String("subDevice")).toInt();
    return subDevice == 0 ? uid : QStringLiteral("%1 sub-device %2").arg(uid).arg(subDevice);
}
