// Settings store, the language file and the start-up choice of the translation.
#include "settings/languagefile.h"
#include "settings/settings.h"

#include <QFile>
#include <QPixmap>
#include <QResource>
#include <QSettings>
#include <QtTest>

namespace {

QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray languageDocument(const char *code)
{
    return *code ? QByteArray("<ini device=\"Rb604\">\n <lang>") + code + "</lang>\n</ini>\n"
                 : QByteArray("<ini device=\"Rb604\">\n <lang/>\n</ini>\n");
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        nameSettingsStore();
    }
    void init()
    {
        QSettings().clear();
        QFile::remove(languageFileName);
        QDir().rmdir(languageFileName);
    }

    // Missing keys get their defaults; stored values, all different from them, stay.
    void defaultsFillOnlyWhatIsMissing()
    {
        setDmxBreakTime(200);
        setRdmGetResponseTimeout(4000000000u);
        QSettings().setValue(SettingsKey::supportedLanguages, QStringList{"Deutsch"});
        writeDefaultSettings();
        QStringList stored;
        for (const QString &key : QSettings().allKeys()) {
            const QVariant value = QSettings().value(key);
            stored << key + QLatin1Char('=')
                          + (value.userType() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                                         : value.toString());
        }
        QCOMPARE(stored, QStringList({"DMXTimeout/break=200", "DMXTimeout/interslot=0", "DMXTimeout/mab=8",
                                      "DMXTimeout/wait=100", "Language/current_language=0",
                                      "Language/supported_languages=Deutsch",
                                      "RDMTimeout/discovery_any=5800", "RDMTimeout/discovery_response=2800",
                                      "RDMTimeout/get_response=4000000000", "RDMTimeout/max_length=1000000",
                                      "RDMTimeout/missing_any=3000", "RDMTimeout/responsebroadcast_any=176",
                                      "RDMTimeout/set_response=1000000", "USBTimeout/discovery=150000",
                                      "USBTimeout/standard=5000"}));
        QCOMPARE(rdmGetResponseTimeout(), 4000000000u);
    }

    void missingOrGarbledKeysReadAsZero()
    {
        QCOMPARE(dmxWaitTime(), 0u);
        QSettings().setValue(SettingsKey::dmxWait, QStringLiteral("soon"));
        QCOMPARE(dmxWaitTime(), 0u);
    }

    void setCurrentLanguageWritesTheFile_data()
    {
        QTest::addColumn<quint32>("index");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("Deutsch") << 2u << languageDocument("de");
        QTest::newRow("outside the list") << 3u << languageDocument("");
    }
    void setCurrentLanguageWritesTheFile()
    {
        QFETCH(quint32, index);
        writeDefaultSettings();
        setCurrentLanguage(index);
        QCOMPARE(currentLanguage(), index);
        QTEST(readFile(languageFileName), "file");
    }

    void anUnwritableLanguageFileStillStoresTheIndex()
    {
        writeDefaultSettings();
        QVERIFY(QDir().mkdir(languageFileName));
        setCurrentLanguage(1);
        QCOMPARE(currentLanguage(), 1u);
        QVERIFY(QFileInfo(languageFileName).isDir());
        // Nor can it be read at start: the stored index decides.
        QCOMPARE(chooseTranslationFile(), QStringLiteral("orv_rdm_controler_pl"));
        QVERIFY(QDir().rmdir(languageFileName));
    }

    void chooseTranslation_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<quint32>("index");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QByteArray>("fileAfterwards");

        const QStringList standard{"English", "Polski", "Deutsch"};
        const QByteArray empty("<ini device=\"Rb604\"><lang></lang></ini>");
        QTest::newRow("first start writes the stored language") << QByteArray() << standard << 0u
                                                                 << "orv_rdm_controler_en" << languageDocument("en");
        QTest::newRow("the file wins over the stored index") << languageDocument("de") << standard << 1u
                                                             << "orv_rdm_controler_de" << languageDocument("de");
        QTest::newRow("empty lang element") << empty << standard << 2u << "orv_rdm_controler_" << empty;
        QTest::newRow("unknown language name on first start") << QByteArray() << QStringList{"English", "Klingon"} << 1u
                                                               << "orv_rdm_controler_" << languageDocument("");
        QTest::newRow("index outside the list selects nothing") << QByteArray() << standard << 3u
                                                                << "orv_rdm_controler_" << languageDocument("");
        QTest::newRow("malformed file is replaced, not appended to") << QByteArray("<ini><lang>pl") << standard << 0u
                                                                      << "orv_rdm_controler_en" << languageDocument("en");
        QTest::newRow("well-formed file without lang falls back to the store")
            << QByteArray("<ini device=\"Rb604\"/>") << standard << 1u << "orv_rdm_controler_pl"
            << QByteArray("<ini device=\"Rb604\"/>");
    }
    void chooseTranslation()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, languages);
        QFETCH(quint32, index);
        writeDefaultSettings();
        if (!file.isEmpty()) {
            QFile written(languageFileName);
            QVERIFY(written.open(QIODevice::WriteOnly));
            written.write(file);
        }
        QSettings().setValue(SettingsKey::supportedLanguages, languages);
        QSettings().setValue(SettingsKey::currentLanguage, index);

        QTEST(chooseTranslationFile(), "translation");
        QTEST(readFile(languageFileName), "fileAfterwards");
    }

    void bundledLook()
    {
        QResource sheet(QStringLiteral(":/images/mainStyle.qss"));
        QCOMPARE(sheet.compressionAlgorithm(), QResource::ZlibCompression);
        QVERIFY(QString::fromLatin1(sheet.uncompressedData()).contains(QLatin1String("QTabBar::tab:selected {")));
        for (const char *picture : {":/images/veloria.ico", ":/images/help.png", ":/images/ORV_logo.png"})
            QVERIFY2(!QPixmap(QString::fromLatin1(picture)).isNull(), picture);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
