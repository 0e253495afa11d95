// Start-up: the language choice, the language file and the bundled look.
#include "settings/languagefile.h"
#include "settings/settings.h"

#include <QFile>
#include <QIcon>
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

void writeFile(const QString &name, const QByteArray &content)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

const QByteArray englishDocument("<ini device=\"Rb604\">\n <lang>en</lang>\n</ini>\n");

} // namespace

class TestStartup : public QObject
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
        writeDefaultSettings();
        QFile::remove(languageFileName);
    }

    void firstStartWritesEnglish()
    {
        QCOMPARE(chooseTranslationFile(), QStringLiteral("orv_rdm_controler_en"));
        QCOMPARE(readFile(languageFileName), englishDocument);
    }

    void chooseTranslation_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<quint32>("index");
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QByteArray>("fileAfterwards");

        const QStringList standard{"English", "Polski", "Deutsch"};
        const QByteArray german("<ini device=\"Rb604\">\n <lang>de</lang>\n</ini>\n");
        QTest::newRow("the file wins over the stored index")
            << german << standard << 1u << "orv_rdm_controler_de" << german;
        QTest::newRow("empty lang element")
            << QByteArray("<ini device=\"Rb604\"><lang></lang></ini>") << standard << 2u << "orv_rdm_controler_"
            << QByteArray("<ini device=\"Rb604\"><lang></lang></ini>");
        QTest::newRow("unknown language name on first start")
            << QByteArray() << QStringList{"English", "Klingon"} << 1u << "orv_rdm_controler_"
            << QByteArray("<ini device=\"Rb604\">\n <lang/>\n</ini>\n");
        QTest::newRow("index outside the list selects nothing")
            << QByteArray() << standard << 3u << "orv_rdm_controler_"
            << QByteArray("<ini device=\"Rb604\">\n <lang/>\n</ini>\n");
        QTest::newRow("malformed file is replaced, not appended to")
            << QByteArray("<ini><lang>pl") << standard << 0u << "orv_rdm_controler_en" << englishDocument;
        QTest::newRow("well-formed file without lang falls back to the store")
            << QByteArray("<ini device=\"Rb604\"/>") << standard << 1u << "orv_rdm_controler_pl"
            << QByteArray("<ini device=\"Rb604\"/>");
        QTest::newRow("fallback with an index outside the list loads nothing")
            << QByteArray("<ini/>") << standard << 7u << "" << QByteArray("<ini/>");
    }
    void chooseTranslation()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, languages);
        QFETCH(quint32, index);
        QFETCH(QString, translation);
        QFETCH(QByteArray, fileAfterwards);
        if (!file.isEmpty())
            writeFile(languageFileName, file);
        QSettings().setValue(SettingsKey::supportedLanguages, languages);
        QSettings().setValue(SettingsKey::currentLanguage, index);

        QCOMPARE(chooseTranslationFile(), translation);
        QCOMPARE(readFile(languageFileName), fileAfterwards);
    }

    void anUnopenableFileFallsBackToTheStore()
    {
        QVERIFY(QDir().mkdir(languageFileName));
        setDmxBreakTime(88);
        QSettings().setValue(SettingsKey::currentLanguage, 2u);
        QCOMPARE(chooseTranslationFile(), QStringLiteral("orv_rdm_controler_de"));
        QVERIFY(QDir().rmdir(languageFileName));
    }

    void styleSheetIsStoredCompressedWithEverySelector()
    {
        QResource resource(QStringLiteral(":/images/mainStyle.qss"));
        QVERIFY(resource.isValid());
        QCOMPARE(resource.compressionAlgorithm(), QResource::ZlibCompression);
        const QString sheet = QString::fromLatin1(resource.uncompressedData());
        const char *selectors[] = {
            "QPushButton {", "QPushButton:hover", "QPushButton:pressed", "QTabWidget::pane",
            "QTabWidget::tab-bar", "QTabBar::tab {", "QTabBar::tab:selected, QTabBar::tab:hover",
            "QTabBar::tab:selected {", "QTabBar::tab:!selected", "QGroupBox {", "QGroupBox::title",
            "QMenuBar {", "QMenuBar::item {", "QMenuBar::item:selected", "QMenuBar::item:pressed",
            "QLineEdit {", "QLineEdit:read-only", "QTextEdit {"};
        for (const char *selector : selectors)
            QVERIFY2(sheet.contains(QLatin1String(selector)), selector);
    }

    void picturesAreBundled_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("icon") << ":/images/veloria.ico";
        QTest::newRow("help") << ":/images/help.png";
        QTest::newRow("logo") << ":/images/ORV_logo.png";
    }
    void picturesAreBundled()
    {
        QFETCH(QString, path);
        QVERIFY(!QPixmap(path).isNull());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
