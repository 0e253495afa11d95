// Settings store, the language file and the start-up choice of the translation.
#include "settings/languagefile.h"
#include "settings/settings.h"

#include <QFile>
#include <QPixmap>
#include <QResource>
#include <QSettings>
#include <QtTest>

namespace {

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

    // Missing keys get their defaults; stored values, all different from them, stay; a garbled one reads as zero.
    void defaultsFillOnlyWhatIsMissing()
    {
        setDmxBreakTime(200);
        setRdmGetResponseTimeout(4000000000u);
        QSettings().setValue(SettingsKey::supportedLanguages, QStringList{"Deutsch"});
        QSettings().setValue(SettingsKey::dmxWait, QStringLiteral("soon"));
        writeDefaultSettings();
        QStringList stored;
        for (const QString &key : QSettings().allKeys())
            stored << key + QLatin1Char('=') + QSettings().value(key).toString();
        QCOMPARE(stored, QStringList({"DMXTimeout/break=200", "DMXTimeout/interslot=0", "DMXTimeout/mab=8",
                                      "DMXTimeout/wait=soon", "Language/current_language=0",
                                      "Language/supported_languages=Deutsch",
                                      "RDMTimeout/discovery_any=5800", "RDMTimeout/discovery_response=2800",
                                      "RDMTimeout/get_response=4000000000", "RDMTimeout/max_length=1000000",
                                      "RDMTimeout/missing_any=3000", "RDMTimeout/responsebroadcast_any=176",
                                      "RDMTimeout/set_response=1000000", "USBTimeout/discovery=150000",
                                      "USBTimeout/standard=5000"}));
        QCOMPARE(rdmGetResponseTimeout(), 4000000000u);
        QCOMPARE(dmxWaitTime(), 0u);
    }

    void chooseTranslation_data()
    {
        QTest::addColumn<QByteArray>("file"); // "/": a folder stands where the file belongs
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<quint32>("index");
        QTest::addColumn<bool>("chosenNow"); // through setCurrentLanguage, or stored at an earlier run
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QByteArray>("fileAfterwards");

        const QStringList standard{"English", "Polski", "Deutsch"};
        const QByteArray empty("<ini device=\"Rb604\"><lang></lang></ini>");
        QTest::newRow("first start writes the stored language") << QByteArray() << standard << 0u << false
                                                                 << "orv_rdm_controler_en" << languageDocument("en");
        QTest::newRow("empty lang element") << empty << standard << 2u << false << "orv_rdm_controler_" << empty;
        QTest::newRow("unknown language name on first start") << QByteArray() << QStringList{"English", "Klingon"} << 1u
                                                               << false << "orv_rdm_controler_" << languageDocument("");
        QTest::newRow("index outside the list selects nothing") << QByteArray() << standard << 3u << false
                                                                << "orv_rdm_controler_" << languageDocument("");
        QTest::newRow("malformed file is replaced, not appended to") << QByteArray("<ini><lang>pl") << standard << 0u
            << false << "orv_rdm_controler_en" << languageDocument("en");
        QTest::newRow("well-formed file without lang falls back to the store")
            << QByteArray("<ini device=\"Rb604\"/>") << standard << 1u << false << "orv_rdm_controler_pl"
            << QByteArray("<ini device=\"Rb604\"/>");
        QTest::newRow("choosing Deutsch writes the file") << QByteArray() << standard << 2u << true
                                                          << "orv_rdm_controler_de" << languageDocument("de");
        QTest::newRow("choosing outside the list writes no language") << QByteArray() << standard << 3u << true
                                                                      << "orv_rdm_controler_" << languageDocument("");
        QTest::newRow("choice stored though the file cannot be written")
            << QByteArray("/") << standard << 1u << true << "orv_rdm_controler_pl" << QByteArray();
    }
    void chooseTranslation()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, languages);
        QFETCH(quint32, index);
        QFETCH(bool, chosenNow);
        writeDefaultSettings();
        QSettings().setValue(SettingsKey::supportedLanguages, languages);
        QFile written(languageFileName);
        if (file == "/")
            QVERIFY(QDir().mkdir(languageFileName));
        else if (!file.isEmpty())
            QCOMPARE(written.open(QIODevice::WriteOnly) ? written.write(file) : -1, file.size());
        written.close();
        if (chosenNow)
            setCurrentLanguage(index);
        else
            QSettings().setValue(SettingsKey::currentLanguage, index);

        QTEST(chooseTranslationFile(), "translation");
        QTEST(written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray(), "fileAfterwards");
    }

    void bundledLook()
    {
        QResource sheet(QStringLiteral(":/images/mainStyle.qss"));
        QVERIFY(QString::fromLatin1(sheet.uncompressedData()).contains(QLatin1String("QTabBar::tab:selected {")));
        for (const char *picture : {":/images/veloria.ico", ":/images/help.png", ":/images/ORV_logo.png"})
            QVERIFY2(!QPixmap(QString::fromLatin1(picture)).isNull(), picture);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
