// The process set-up and property checks shared by the fuzz targets.
#include "fuzztarget.h"

#include "cli/rigreport.h"
#include "rdm/discoveryrounds.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

// Enough devices to reach every reading; more only repeat them.
constexpr int mostDevicesRead = 3;

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) { }

QTemporaryDir &scratch()
{
    // Lives as long as the process, and so does the settings store inside it.
    static QTemporaryDir directory;
    return directory;
}

bool hasNoZeroCharacter(const QJsonValue &value)
{
    if (value.isString())
        return !value.toString().contains(QChar(0));
    const QJsonObject object = value.toObject();
    const QJsonArray array = value.isArray() ? value.toArray() : QJsonArray::fromStringList(object.keys());
    return std::all_of(array.begin(), array.end(), [](const QJsonValue &item) { return hasNoZeroCharacter(item); })
        && std::all_of(object.begin(), object.end(), [](const QJsonValue &item) { return hasNoZeroCharacter(item); });
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    requireThat(scratch().isValid(), "a scratch directory can be made");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch().filePath(QStringLiteral("config"))));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(dropMessage);
    static QCoreApplication application(*argc, *argv);
    nameSettingsStore();
    writeDefaultSettings();
    return 0;
}

QString scratchDirectory()
{
    return scratch().path();
}

QString writeScratchFile(const QString &name, const uint8_t *data, size_t size)
{
    QFile file(scratch().filePath(name));
    requireThat(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size),
        "the input can be written to a file");
    return file.fileName();
}

void requireThat(bool holds, const char *property, const QString &value)
{
    if (holds)
        return;
    std::fprintf(stderr, "Property violated: %s\n", property);
    // Control characters as %NN, so the value reads on a terminal.
    if (!value.isNull())
        std::fprintf(stderr, "Value: \"%s\"\n",
            value.toUtf8().toPercentEncoding(" !\"#$&'()*+,/:;<=>?@[\\]^`{|}").constData());
    std::abort();
}

void checkDiscoveryAndReport(RDM &rdm)
{
    QList<quint64> uids;
    discoverLine(rdm, DiscoveryRun::Additional, nullptr, &uids);
    requireThat(QSet<quint64>(uids.cbegin(), uids.cend()).size() == uids.size(), "discovery lists each UID once");
    const QJsonObject report = readRigReport(rdm, uids.mid(0, mostDevicesRead));
    const QJsonArray wrapped{report};
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(QJsonDocument(wrapped).toJson(), &error);
    requireThat(error.error == QJsonParseError::NoError && parsed.array() == wrapped,
        "the report reads back as the same values");
    requireThat(hasNoZeroCharacter(report), "no text of the report carries a zero byte");
    for (const QJsonValue &device : report.value(QStringLiteral("devices")).toArray()) {
        requireThat(device[QStringLiteral("answered")].isBool(), "every device says whether it answered");
        requireThat(device[QStringLiteral("failedGets")].isArray(), "every device lists its failed GETs");
        requireThat(device[QStringLiteral("answered")].toBool() || !device[QStringLiteral("detailsFetched")].toBool(),
            "a device that did not answer has no details fetched");
    }
}
