// The language file "Rb604.rbi" and the choice of the translation loaded at start.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QTranslator;

inline const QString languageFileName = QStringLiteral("Rb604.rbi");
inline const QString translationFilePrefix = QStringLiteral("orv_rdm_controler_");

// "en", "pl", "de" for indexes 0 to 2; empty for any other index.
QString languageCodeForIndex(quint32 index);
// "en", "pl", "de" for "English", "Polski", "Deutsch"; empty for any other name.
QString languageCodeForName(const QString &name);
// The code of the language the settings store names, empty when its index is outside the list.
QString storedLanguageCode();

// Replaces the language file atomically; false when it cannot be written.
bool writeLanguageFile(const QString &code);

// Reads (and on first start writes) the language file and returns the translation file
// name to load, or an empty string when no translation applies.
QString chooseTranslationFile();

// Where a translation is looked for, in order: the working directory, the executable's folder
// (a build tree), then the installed translations folder beside the executable's.
QStringList translationFolders(const QString &executableFolder);
// Loads `fileName` (as chooseTranslationFile names it) from the first folder that holds it;
// false when none does.
bool loadTranslation(QTranslator &translator, const QString &fileName, const QStringList &folders);
