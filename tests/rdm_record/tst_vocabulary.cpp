// RDM vocabulary: the table edges, the fallbacks for unknown codes, translation and value formatting.
#include "rdm/sensorhistory.h"
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

} // namespace

class TestVocabulary : public QObject
{
    Q_OBJECT

private slots:
    // Each text as looked up, then under a translator that marks the engine's texts.
    void texts_data()
    {
        QTest::addColumn<QString>("looked");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const std::function<QString()> &lookup, const QString &text,
                            bool translated) {
            MarkingTranslator translator;
            const QString plain = lookup();
            QCoreApplication::installTranslator(&translator);
            const QString marked = translated ? QLatin1Char('[') + text + QLatin1Char(']') : text;
            QTest::newRow(name) << plain + QLatin1String(" / ") + lookup() << text + QLatin1String(" / ") + marked;
            QCoreApplication::removeTranslator(&translator);
        };
        row("category 0x0509 last dimmer", [] { return productCategoryText(0x0509); }, "Specialized LED dimmer", true);
        row("category 0x050A unlisted", [] { return productCategoryText(0x050A); }, "Manufacturer specific category",
            true);
        row("unit 1 degrees Celsius, untranslated", [] { return unitText(1); }, QStringLiteral("\u00B0C"), false);
        row("unit 29 past the table", [] { return unitText(29); }, "", false);
        row("slot type 8 unknown", [] { return slotTypeText(8); }, "unknown for slot", true);
        row("slot type 0xFF undefined", [] { return slotTypeText(0xFF); }, "undefined for slot", true);
        row("negative deci", [] { return valueWithPrefixText(-1234, 1); }, "-123.4", false);
        row("negative yocto too small", [] { return valueWithPrefixText(-5, 10); }, "-5 x 10^-24", false);
        row("yotta too large", [] { return valueWithPrefixText(7, 26); }, "7 x 10^24", false);
        row("unlisted prefix counts as ten", [] { return valueWithPrefixText(7, 12); }, "70", false);
        row("in its unit: most negative", [] { return sensorValueInUnitText(-32768, 0); }, "-32768", false);
        row("in its unit: centi keeps its digits", [] { return sensorValueInUnitText(1250, 2); }, "12.50", false);
        row("in its unit: micro, negative below one", [] { return sensorValueInUnitText(-12, 4); }, "-0.000012",
            false);
        row("in its unit: hecto", [] { return sensorValueInUnitText(12, 18); }, "1200", false);
    }
    void texts()
    {
        QFETCH(QString, looked);
        QTEST(looked, "expected");
    }
};

QTEST_GUILESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
