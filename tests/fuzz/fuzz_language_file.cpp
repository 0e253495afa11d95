// Fuzzes the language file read at start: a readable file is left as it is and names the translation;
// any other is replaced by a readable one.
#include "fuzztarget.h"

#include "settings/languagefile.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>

namespace {

struct Outcome
{
    QString translation;
    QByteArray fileAfter;
};

// The choice made at start over a language file holding `content`, in the scratch directory: the
// file name is relative to the working directory.
Outcome chooseOver(const QByteArray &content)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(scratchDirectory());
    QFile file(languageFileName);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
    file.close();
    Outcome outcome;
    if (written) {
        outcome.translation = chooseTranslationFile();
        if (file.open(QIODevice::ReadOnly))
            outcome.fileAfter = file.readAll();
    }
    // Back before any check fails, so the fuzzer keeps its findings where it was asked to.
    QDir::setCurrent(previous);
    requireThat(written, "the language file can be written");
    return outcome;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = inputBytes(data, size);
    const Outcome outcome = chooseOver(input);

    QDomDocument after;
    requireThat(bool(after.setContent(outcome.fileAfter)), "the language file is readable afterwards");
    QDomDocument given;
    if (given.setContent(input)) {
        requireThat(outcome.fileAfter == input, "a readable language file is left as it is");
        const QDomNodeList languages = given.elementsByTagName(QStringLiteral("lang"));
        if (!languages.isEmpty())
            requireThat(outcome.translation == translationFilePrefix + languages.at(0).toElement().text(),
                "the first lang element names the translation");
    } else {
        requireThat(outcome.translation == translationFilePrefix + storedLanguageCode(),
            "a replaced language file names the stored language");
    }
    return 0;
}
