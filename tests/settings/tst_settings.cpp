// Settings store: defaults, preserved values and the language setter.
#include "settings/languagefile.h"
#include "settings/settings.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

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
    }

    void defaultsOnAFreshStore_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<quint32>("expected");
        QTest::addColumn<quint32 (*)()>("getter");
        QTest::newRow("USB standard") << "USBTimeout/standard" << 5000u << &usbStandardTimeout;
        QTest::newRow("USB discovery") << "USBTimeout/discovery" << 150000u << &usbDiscoveryTimeout;
        QTest::newRow("discovery response") << "RDMTimeout/discovery_response" << 2800u << &rdmDiscoveryResponseTimeout;
        QTest::newRow("discovery any") << "RDMTimeout/discovery_any" << 5800u << &rdmDiscoveryAnyTimeout;
        QTest::newRow("GET response") << "RDMTimeout/get_response" << 1000000u << &rdmGetResponseTimeout;
        QTest::newRow("SET response") << "RDMTimeout/set_response" << 1000000u << &rdmSetResponseTimeout;
        QTest::newRow("missing any") << "RDMTimeout/missing_any" << 3000u << &rdmMissingAnyTimeout;
        QTest::newRow("response broadcast any") << "RDMTimeout/responsebroadcast_any" << 176u
                                                << &rdmResponseBroadcastAnyTimeout;
        QTest::newRow("max length") << "RDMTimeout/max_length" << 1000000u << &rdmMaxLengthTimeout;
        QTest::newRow("break") << "DMXTimeout/break" << 88u << &dmxBreakTime;
        QTest::newRow("mark after break") << "DMXTimeout/mab" << 8u << &dmxMabTime;
        QTest::newRow("interslot") << "DMXTimeout/interslot" << 0u << &dmxInterslotTime;
        QTest::newRow("wait") << "DMXTimeout/wait" << 100u << &dmxWaitTime;
        QTest::newRow("current language") << "Language/current_language" << 0u << &currentLanguage;
    }
    void defaultsOnAFreshStore()
    {
        QFETCH(QString, key);
        QFETCH(quint32, expected);
        using Getter = quint32 (*)();
        QFETCH(Getter, getter);
        QVERIFY(!QSettings().contains(key));
        writeDefaultSettings();
        QVERIFY(QSettings().contains(key));
        QCOMPARE(getter(), expected);
        QCOMPARE(QSettings().value(key).toUInt(), expected);
    }

    void fifteenKeysAndTheLanguageList()
    {
        writeDefaultSettings();
        QCOMPARE(QSettings().allKeys().size(), 15);
        QCOMPARE(supportedLanguages(), QStringList({"English", "Polski", "Deutsch"}));
    }

    void existingValuesSurvive()
    {
        setDmxBreakTime(200);
        QSettings().setValue(SettingsKey::supportedLanguages, QStringList{"Deutsch"});
        writeDefaultSettings();
        QCOMPARE(dmxBreakTime(), 200u);
        QCOMPARE(supportedLanguages(), QStringList{"Deutsch"});
        QCOMPARE(dmxMabTime(), 8u);
        QCOMPARE(QSettings().allKeys().size(), 15);
    }

    void settersStoreWithoutConversion()
    {
        setUsbStandardTimeout(1234);
        setRdmGetResponseTimeout(4000000000u);
        QCOMPARE(usbStandardTimeout(), 1234u);
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
        QTest::newRow("English") << 0u << QByteArray("<ini device=\"Rb604\">\n <lang>en</lang>\n</ini>\n");
        QTest::newRow("Deutsch") << 2u << QByteArray("<ini device=\"Rb604\">\n <lang>de</lang>\n</ini>\n");
        QTest::newRow("outside the list") << 5u << QByteArray("<ini device=\"Rb604\">\n <lang/>\n</ini>\n");
    }
    void setCurrentLanguageWritesTheFile()
    {
        QFETCH(quint32, index);
        QFETCH(QByteArray, file);
        writeDefaultSettings();
        setCurrentLanguage(index);
        QCOMPARE(currentLanguage(), index);
        QFile written(languageFileName);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), file);
    }

    void anUnwritableLanguageFileStillStoresTheIndex()
    {
        QVERIFY(QDir().mkdir(languageFileName));
        setCurrentLanguage(1);
        QCOMPARE(currentLanguage(), 1u);
        QVERIFY(QFileInfo(languageFileName).isDir());
        QVERIFY(QDir().rmdir(languageFileName));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
