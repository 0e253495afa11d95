// Fuzzes the language file read at start: a readable file is left as it is and names the translation;
// any other is replaced by a readable one.
#include "fuzztarget.h"

#include "settings/languagefile.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile file(writeScratchFile(languageFileName, data, size));
    // The file name is relative to the working directory; back before any check fails, so that the
    // fuzzer keeps its findings where it was asked to.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(scratchDirectory());
    const QString translation = chooseTranslationFile();
    QDir::setCurrent(previous);
    const QByteArray fileAfter = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();

    QDomDocument after;
    requireThat(bool(after.setContent(fileAfter)), "the language file is readable afterwards");
    QDomDocument given;
    const QByteArray input = inputBytes(data, size);
    if (given.setContent(input)) {
        requireThat(fileAfter == input, "a readable language file is left as it is");
        const QDomNodeList languages = given.elementsByTagName(QStringLiteral("lang"));
        if (!languages.isEmpty())
            requireThat(translation == translationFilePrefix + languages.at(0).toElement().text(),
                "the first lang element names the translation");
    } else {
        requireThat(translation == translationFilePrefix + storedLanguageCode(),
            "a replaced language file names the stored language");
    }
    return 0;
}
