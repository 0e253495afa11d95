// RDM vocabulary: the table edges, the texts for unknown codes, translation and value formatting.
#include "rdm/vocabulary.h"

#include <QTranslator>
#include <QtTest>
#include <functional>

namespace {

// Marks every text looked up in the engine's translation context.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "RDM") != 0)
            return QString();
        return QStringLiteral("[") + QString::fromUtf8(sourceText) + QStringLiteral("]");
    }
};

using Lookup = std::function<QString()>;

} // namespace

Q_DECLARE_METATYPE(Lookup)

class TestVocabulary : public QObject
{
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<Lookup>("lookup");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("translated");
        const auto row = [](const char *name, Lookup lookup, const QString &expected, bool translated) {
            QTest::newRow(name) << lookup << expected << translated;
        };
        const QString manufacturer = QStringLiteral("Manufacturer specific category");
        row("category 0x0509 last dimmer", [] { return productCategoryText(0x0509); }, "Specialized LED dimmer", true);
        row("category 0x050A unlisted", [] { return productCategoryText(0x050A); }, manufacturer, true);
        row("category 0x0000", [] { return productCategoryText(0x0000); }, "Not Declared", true);
        row("category 0x8000 manufacturer", [] { return productCategoryText(0x8000); }, manufacturer, true);
        row("prefix 11 unlisted", [] { return prefixText(11); }, "None", true);

        row("sensor 0x7F", [] { return sensorTypeText(0x7F); }, "Other", true);

        row("unit 1 degrees Celsius", [] { return unitText(1); }, QStringLiteral("\u00B0C"), false);
        row("unit 29 past the table", [] { return unitText(29); }, "", false);

        row("lamp state 5 unlisted", [] { return lampStateText(5); }, "", false);
        row("data type 9 unlisted", [] { return dataTypeText(9); }, "Not Defined", true);

        row("slot type 8 unknown", [] { return slotTypeText(8); }, "unknown for slot", true);
        row("slot type 0xFF undefined", [] { return slotTypeText(0xFF); }, "undefined for slot", true);
        row("slot label 0x0003 unlisted", [] { return slotLabelText(0x0003); }, "Unknown", true);

        row("power state 3 unlisted", [] { return powerStateText(3); }, "Unknown", false);
    }
    void texts()
    {
        QFETCH(Lookup, lookup);
        QFETCH(QString, expected);
        QFETCH(bool, translated);
        QCOMPARE(lookup(), expected);
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        const QString text = lookup();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(text, translated ? QLatin1Char('[') + expected + QLatin1Char(']') : expected);
    }

    void valueWithPrefix_data()
    {
        QTest::addColumn<qint16>("value");
        QTest::addColumn<quint8>("prefix");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no prefix") << qint16(-200) << quint8(0) << "-200";
        QTest::newRow("deci") << qint16(1234) << quint8(1) << "123.4";
        QTest::newRow("negative deci") << qint16(-1234) << quint8(1) << "-123.4";
        QTest::newRow("yocto too small") << qint16(5) << quint8(10) << "5 x 10^-24";
        QTest::newRow("negative yocto too small") << qint16(-5) << quint8(10) << "-5 x 10^-24";
        QTest::newRow("yotta too large") << qint16(7) << quint8(26) << "7 x 10^24";
        QTest::newRow("unlisted prefix counts as ten") << qint16(7) << quint8(12) << "70";
    }
    void valueWithPrefix()
    {
        QFETCH(qint16, value);
        QFETCH(quint8, prefix);
        QFETCH(QString, expected);
        QCOMPARE(valueWithPrefixText(value, prefix), expected);
    }

    void signedDataTypes()
    {
        QList<quint8> signedTypes;
        for (int code = 0; code < 256; ++code) {
            if (isSignedDataType(quint8(code)))
                signedTypes << quint8(code);
        }
        QCOMPARE(signedTypes, (QList<quint8>{4, 6, 8}));
    }
};

QTEST_GUILESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
