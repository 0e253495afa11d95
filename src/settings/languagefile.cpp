// Reading and writing the language file.
#include "settings/languagefile.h"

#include "settings/savefile.h"
#include "settings/settings.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTranslator>

namespace {

QDomDocument languageDocument(const QString &code)
{
    QDomDocument document;
    QDomElement root = document.createElement(QStringLiteral("ini"));
    root.setAttribute(QStringLiteral("device"), QStringLiteral("Rb604"));
    document.appendChild(root);
    QDomElement lang = document.createElement(QStringLiteral("lang"));
    root.appendChild(lang);
    if (!code.isEmpty())
        lang.appendChild(document.createTextNode(code));
    return document;
}

} // namespace

QString languageCodeForIndex(quint32 index)
{
    static const char *const codes[] = {"en", "pl", "de"};
    return index < std::size(codes) ? QString::fromLatin1(codes[index]) : QString();
}

QString languageCodeForName(const QString &name)
{
    if (name == QLatin1String("English"))
        return QStringLiteral("en");
    if (name == QLatin1String("Polski"))
        return QStringLiteral("pl");
    if (name == QLatin1String("Deutsch"))
        return QStringLiteral("de");
    return QString();
}

QString storedLanguageCode()
{
    const QStringList languages = supportedLanguages();
    const quint32 index = currentLanguage();
    // An index outside the list selects no language rather than a neighbour's.
    if (index >= quint32(languages.size()))
        return QString();
    return languageCodeForName(languages.at(int(index)));
}

bool writeLanguageFile(const QString &code)
{
    QString error;
    return saveBytes(languageFileName, languageDocument(code).toString(1).toLocal8Bit(), &error);
}

QString chooseTranslationFile()
{
    QDomDocument document;
    QFile file(languageFileName);
    // Opening read-write creates the file, as the first start expects.
    if (file.open(QIODevice::ReadWrite)) {
        const bool parsed = bool(document.setContent(&file));
        file.close();
        if (!parsed) {
            // A new or damaged file is replaced whole, never appended to.
            document = languageDocument(storedLanguageCode());
            writeLanguageFile(storedLanguageCode());
        }
    }

    const QDomNodeList languages = document.elementsByTagName(QStringLiteral("lang"));
    if (!languages.isEmpty())
        return translationFilePrefix + languages.at(0).toElement().text();

    const QString code = storedLanguageCode();
    return code.isEmpty() ? QString() : translationFilePrefix + code;
}

QStringList translationFolders(const QString &executableFolder)
{
    return {QDir::currentPath(), executableFolder,
            QDir::cleanPath(executableFolder + QLatin1Char('/') + QLatin1String(ORV_TRANSLATIONS_RELATIVE))};
}

bool loadTranslation(QTranslator &translator, const QString &fileName, const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (translator.load(fileName, folder))
            return true;
    }
    return false;
}
