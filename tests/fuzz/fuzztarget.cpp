// The process set-up and property checks shared by the fuzz targets.
#include "fuzztarget.h"

#include "settings/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) { }

bool hasNoZero(const QString &text)
{
    return !text.contains(QChar(0));
}

// Control characters as \xNN, so the value reads on a terminal.
QByteArray visible(const QString &text)
{
    QByteArray shown;
    for (const char byte : text.toUtf8()) {
        if (quint8(byte) < 0x20)
            shown += "\\x" + QByteArray::number(quint8(byte), 16).rightJustified(2, '0');
        else
            shown += byte;
    }
    return shown;
}

QTemporaryDir &scratch()
{
    // Lives as long as the process, and so does the settings store inside it.
    static QTemporaryDir directory;
    return directory;
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

void requireThat(bool holds, const char *property, const QString &value)
{
    if (holds)
        return;
    std::fprintf(stderr, "Property violated: %s\n", property);
    if (!value.isNull())
        std::fprintf(stderr, "Value: \"%s\"\n", visible(value).constData());
    std::abort();
}

bool hasNoZeroCharacter(const QJsonValue &value)
{
    if (value.isString())
        return hasNoZero(value.toString());
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        return std::all_of(array.begin(), array.end(), [](const QJsonValue &item) { return hasNoZeroCharacter(item); });
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!hasNoZero(it.key()) || !hasNoZeroCharacter(it.value()))
                return false;
        }
    }
    return true;
}

bool survivesJsonRoundTrip(const QJsonValue &value)
{
    const QJsonArray wrapped {value};
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(QJsonDocument(wrapped).toJson(), &error);
    return error.error == QJsonParseError::NoError && parsed.array() == wrapped;
}
