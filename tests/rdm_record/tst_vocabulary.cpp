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
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("category 0x0509 last dimmer") << productCategoryText(0x0509) << "Specialized LED dimmer";
        QTest::newRow("category 0x050A unlisted") << productCategoryText(0x050A) << "Manufacturer specific category";
        QTest::newRow("category 0x0000") << productCategoryText(0x0000) << "Not Declared";
        QTest::newRow("category 0x7FFF") << productCategoryText(0x7FFF) << "No description";
        QTest::newRow("category 0x8000 manufacturer")
            << productCategoryText(0x8000) << "Manufacturer specific category";
        QTest::newRow("category 0xFFFF manufacturer")
            << productCategoryText(0xFFFF) << "Manufacturer specific category";

        QTest::newRow("prefix 0") << prefixText(0) << "None";
        QTest::newRow("prefix 10 smallest") << prefixText(10) << "10^(-24)";
        QTest::newRow("prefix 11 unlisted") << prefixText(11) << "None";
        QTest::newRow("prefix 17") << prefixText(17) << "10^(1)";
        QTest::newRow("prefix 26 largest") << prefixText(26) << "10^(24)";

        QTest::newRow("sensor 0x0B velocity") << sensorTypeText(0x0B) << "Velocity";
        QTest::newRow("sensor 0x15 velocity again") << sensorTypeText(0x15) << "Velocity";
        QTest::newRow("sensor 0x20 last") << sensorTypeText(0x20) << "Counter 16 bit";
        QTest::newRow("sensor 0x21 past the table") << sensorTypeText(0x21) << "Other";
        QTest::newRow("sensor 0x7F") << sensorTypeText(0x7F) << "Other";

        QTest::newRow("unit 0 empty") << unitText(0) << "";
        QTest::newRow("unit 1 degrees Celsius") << unitText(1) << QString(QChar(0x00B0)) + QLatin1Char('C');
        QTest::newRow("unit 9 ohm") << unitText(9) << QString(QChar(0x03A9));
        QTest::newRow("unit 22 degree") << unitText(22) << QString(QChar(0x00B0));
        QTest::newRow("unit 28 last") << unitText(28) << "B";
        QTest::newRow("unit 29 past the table") << unitText(29) << "";

        QTest::newRow("lamp state 4") << lampStateText(4) << "Lamp not installed";
        QTest::newRow("lamp state 0x7F") << lampStateText(0x7F) << "Error";
        QTest::newRow("lamp state 5 unlisted") << lampStateText(5) << "";

        QTest::newRow("data type 8") << dataTypeText(8) << "Double word (32 bit)";
        QTest::newRow("data type 9 unlisted") << dataTypeText(9) << "Not Defined";

        QTest::newRow("status type 4") << statusTypeText(4) << "STATUS_ERROR";
        QTest::newRow("status type 5 unlisted") << statusTypeText(5) << "";
        QTest::newRow("command class 3") << commandClassText(3) << "CC_GET_SET";
        QTest::newRow("command class 0 unlisted") << commandClassText(0) << "";

        QTest::newRow("slot type 0") << slotTypeText(0) << "primary";
        QTest::newRow("slot type 7") << slotTypeText(7) << "rotation index control for slot";
        QTest::newRow("slot type 8 unknown") << slotTypeText(8) << "unknown for slot";
        QTest::newRow("slot type 0xFE unknown") << slotTypeText(0xFE) << "unknown for slot";
        QTest::newRow("slot type 0xFF undefined") << slotTypeText(0xFF) << "undefined for slot";
        QTest::newRow("slot label 0x0210") << slotLabelText(0x0210) << "color semaphone";
        QTest::newRow("slot label 0xFFFF") << slotLabelText(0xFFFF) << "undefined";
        QTest::newRow("slot label 0x0003 unlisted") << slotLabelText(0x0003) << "Unknown";

        QTest::newRow("lamp-on mode 3") << lampOnModeText(3) << "On after calibration";
        QTest::newRow("lamp-on mode 4 unlisted") << lampOnModeText(4) << "Unknown";
        QTest::newRow("display invert 2") << displayInvertText(2) << "Auto";
        QTest::newRow("display invert 3 unlisted") << displayInvertText(3) << "Unknown";
        QTest::newRow("power state 0xFF") << powerStateText(0xFF) << "Normal";
        QTest::newRow("power state 3 unlisted") << powerStateText(3) << "Unknown";
    }
    void texts()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(text, expected);
    }

    void valueWithPrefix_data()
    {
        QTest::addColumn<qint16>("value");
        QTest::addColumn<quint8>("prefix");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no prefix") << qint16(-200) << quint8(0) << "-200";
        QTest::newRow("deci") << qint16(1234) << quint8(1) << "123.4";
        QTest::newRow("negative deci") << qint16(-1234) << quint8(1) << "-123.4";
        QTest::newRow("milli") << qint16(5) << quint8(3) << "0.005";
        QTest::newRow("zero with prefix") << qint16(0) << quint8(2) << "0";
        QTest::newRow("kilo") << qint16(-32768) << quint8(19) << "-32768000";
        QTest::newRow("yocto too small") << qint16(5) << quint8(10) << "5 x 10^-24";
        QTest::newRow("negative yocto too small") << qint16(-5) << quint8(10) << "-5 x 10^-24";
        QTest::newRow("yotta too large") << qint16(7) << quint8(26) << "7 x 10^24";
        QTest::newRow("unlisted prefix counts as ten") << qint16(7) << quint8(12) << "70";
        QTest::newRow("giga at the upper edge") << qint16(1) << quint8(21) << "1000000000";
        QTest::newRow("giga past the upper edge") << qint16(10) << quint8(21) << "10 x 10^9";
        QTest::newRow("micro at the lower edge") << qint16(10) << quint8(4) << "1e-05";
        QTest::newRow("micro past the lower edge") << qint16(1) << quint8(4) << "1 x 10^-6";
    }
    void valueWithPrefix()
    {
        QFETCH(qint16, value);
        QFETCH(quint8, prefix);
        QFETCH(QString, expected);
        QCOMPARE(valueWithPrefixText(value, prefix), expected);
    }

    void prefixExponents()
    {
        QCOMPARE(prefixExponent(0), 0);
        QCOMPARE(prefixExponent(4), -6);
        QCOMPARE(prefixExponent(20), 6);
        QCOMPARE(prefixExponent(12), 1);
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

    void translation_data()
    {
        QTest::addColumn<Lookup>("lookup");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, Lookup lookup, const char *expected) {
            QTest::newRow(name) << lookup << QString::fromUtf8(expected);
        };
        row("category", [] { return productCategoryText(0x0100); }, "[Fixture]");
        row("unknown category", [] { return productCategoryText(0x9000); }, "[Manufacturer specific category]");
        row("prefix", [] { return prefixText(1); }, "[10^(-1)]");
        row("unknown prefix", [] { return prefixText(11); }, "[None]");
        row("sensor type", [] { return sensorTypeText(0); }, "[Temperature]");
        row("unknown sensor type", [] { return sensorTypeText(0x7F); }, "[Other]");
        row("lamp state", [] { return lampStateText(1); }, "[Lamp on]");
        row("data type", [] { return dataTypeText(2); }, "[String]");
        row("unknown data type", [] { return dataTypeText(9); }, "[Not Defined]");
        row("slot type", [] { return slotTypeText(1); }, "[fine control for slot]");
        row("unknown slot type", [] { return slotTypeText(9); }, "[unknown for slot]");
        row("slot label", [] { return slotLabelText(0x0101); }, "[pan]");
        row("unknown slot label", [] { return slotLabelText(0x0003); }, "[Unknown]");
        row("lamp-on mode", [] { return lampOnModeText(1); }, "[DMX]");
        row("display invert", [] { return displayInvertText(0); }, "[Off]");
        row("power state", [] { return powerStateText(0); }, "[Full off]");
        row("unit stays", [] { return unitText(2); }, "V");
        row("status type stays", [] { return statusTypeText(2); }, "STATUS_ADVISORY");
        row("command class stays", [] { return commandClassText(1); }, "CC_GET");
        row("unknown lamp-on mode stays", [] { return lampOnModeText(9); }, "Unknown");
        row("unknown display invert stays", [] { return displayInvertText(9); }, "Unknown");
        row("unknown power state stays", [] { return powerStateText(9); }, "Unknown");
    }
    void translation()
    {
        QFETCH(Lookup, lookup);
        QFETCH(QString, expected);
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        const QString text = lookup();
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(text, expected);
    }
};

QTEST_GUILESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
