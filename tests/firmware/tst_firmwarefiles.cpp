// HEX reading, upgrade files and bootloader images as they land on disk.
#include "../simulator/common/scrambledbytes.h"
#include "firmware/bootloaderimage.h"
#include "firmware/hextobin.h"
#include "firmware/upgradefile.h"
#include "hexrecords.h"
#include "recordingprompts.h"

#include <QTest>

class FirmwareFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void hexToBin_data()
    {
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("stored"); // the 16 bytes at 0x08004000, 0xEE where nothing was stored

        const QByteArray upper = hexUpper(0x0800);
        const QByteArray sixteen = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
        const QByteArray untouched(32, 'e');
        QTest::newRow("blank line before the end record")
            << upper + hexData(0x4000, "\x01\x02") + "\n" + hexEnd() << -1 << QByteArray("0102eeeeeeeeeeeeeeeeeeeeeeeeeeee");
        QTest::newRow("end record stops the reading") << upper + hexEnd() + hexData(0x4000, "\x01") << 0 << untouched;
        QTest::newRow("no start code") << upper + "X" + hexData(0x4000, "\x01").mid(1) << -2 << untouched;
        QTest::newRow("byte count not hexadecimal") << upper + ":G140000001FF\n" << -3 << untouched;
        QTest::newRow("address not hexadecimal") << upper + ":014G000001FF\n" << -4 << untouched;
        QTest::newRow("record around both ends of the range")
            << upper + hexData(0x3FFF, "\xAA\x01") + hexData(0x400F, "\x0F\xBB") << 0
            << QByteArray("01eeeeeeeeeeeeeeeeeeeeeeeeeeee0f");
        QTest::newRow("extended segment address") << upper + hexRecord(2, 0, "\x10\x00") + hexData(0x4000, "\x01") << -7
                                                  << untouched;
        QTest::newRow("start linear address is ignored")
            << upper + hexRecord(5, 0, QByteArray::fromHex("08004101")) + hexData(0x4000, "\x01") + hexEnd() << 0
            << QByteArray("01eeeeeeeeeeeeeeeeeeeeeeeeeeeeee");
        QTest::newRow("16 data bytes are read whole") << upper + hexData(0x4000, sixteen) + hexEnd() << 0 << sixteen.toHex();
        QTest::newRow("32 data bytes run past the line") << upper + hexData(0x4000, sixteen + sixteen) + hexEnd() << -6
                                                         << sixteen.toHex();
        QTest::newRow("data byte not hexadecimal") << upper + ":0240000001G0FF\n" << -6
                                                   << QByteArray("01eeeeeeeeeeeeeeeeeeeeeeeeeeeeee");
    }
    void hexToBin()
    {
        QFETCH(QByteArray, hex);
        QByteArray destination(16, char(0xEE));
        QTEST(HexToBin(writeTextFile("in.hex", hex), destination.data(), 0x08004000, 0x0800400F), "result");
        QTEST(destination.toHex(), "stored");
    }

    void upgradeFileFromHex()
    {
        // Words on both sides of each region's ends, and values where the checksums go.
        const QString hex = writeTextFile("edges.hex", hexUpper(0x0800) + hexData(0x3FFC, QByteArray::fromHex("1111111122222222"))
                                          + hexUpper(0x0801) + hexData(0xFFF8, QByteArray::fromHex("333333334444444455555555"))
                                          + hexUpper(0x0803) + hexData(0xBFF8, QByteArray::fromHex("666666667777777788888888"))
                                          + hexEnd());
        RecordingPrompts prompts;
        prompts.answers = QStringList{hex, "first.upg", hex, "second.upg"};
        createUpgradeFile(prompts, "/hex");
        createUpgradeFile(prompts, "/hex");
        QCOMPARE(prompts.asked.mid(0, 2), QStringList({"open|Open File|/hex|Hex (*.hex)", "save|Save File|.|Upg (*.upg)"}));
        QCOMPARE(prompts.messages, QStringList());

        const QByteArray image = bytesOf("upg.bin");
        const QByteArray file = bytesOf("first.upg");
        // The header text, the version "01" and the image size, as a QDataStream writes them.
        QCOMPARE(file.left(66).toHex(), QByteArray("000000320052006200360030003400200055007000670072006100640065002000460069"
                                                   "006c006500200048006500610064006500720000000400300031" "00040000"));
        QCOMPARE(file.mid(66).toHex(), scrambled(image).toHex());
        QCOMPARE(bytesOf("second.upg").toHex(), file.toHex());
        QCOMPARE(image.size(), 262144);
        QCOMPARE(image.mid(0x3FF8, 12).toHex(), QByteArray("000000000000000022222222"));
        // Each checksum is the sum of its region's words; the file's own value in the checksum word does not count.
        QCOMPARE(image.mid(0x1FFF8, 16).toHex(), QByteArray("33333333555555555555555500000000"));
        QCOMPARE(image.mid(0x3BFF8, 12).toHex(), QByteArray("66666666bbbbbbbb00000000"));
        QCOMPARE(image.size() - image.count('\0'), 24);
    }

    void hexErrorsAndFailedWritesAreShown()
    {
        // A blank line before the end record: the error is shown and the file still made.
        const QString hex = writeTextFile("blank.hex", hexUpper(0x0800) + hexData(0x4000, "\x01") + "\n" + hexEnd());
        RecordingPrompts prompts;
        prompts.answers = QStringList{hex, "partial.upg", hex, "missing/out.upg", hex, "15", "06", "001", "missing/boot.bin"};
        createUpgradeFile(prompts, ".");
        createUpgradeFile(prompts, ".");
        createBootloaderImage(prompts, QDate(2015, 6, 20));
        QCOMPARE(unscrambled(bytesOf("partial.upg").mid(66)).mid(0x4000, 2).toHex(), QByteArray("0100"));
        const QString hexError = "Error|HexToBin error: -1)";
        QCOMPARE(prompts.messages, QStringList({hexError, hexError, hexError, hexError,
                                                "Error|Cannot write missing/out.upg: No such file or directory",
                                                "Error|Cannot write missing/boot.bin: No such file or directory"}));
    }

    void bootloaderImageFromJune2015()
    {
        const QByteArray hex = hexUpper(0x0800) + hexData(0x0000, "\xAA\xBB") + hexData(0x3FF0, QByteArray(16, char(0xFF)))
                             + hexData(0x4000, "\xCC") + hexEnd();
        const QStringList answers{writeTextFile("boot.hex", hex), "15", "06", "001", "boot.bin"};
        // Cancelled at any question, nothing is written.
        for (int cancelled = 0; cancelled < answers.size(); ++cancelled) {
            RecordingPrompts prompts;
            prompts.answers = answers.mid(0, cancelled);
            createBootloaderImage(prompts, QDate(2015, 6, 20));
            QCOMPARE(prompts.asked.size(), cancelled + 1);
            QVERIFY(!QFile::exists("boot.bin"));
        }
        RecordingPrompts prompts;
        prompts.answers = answers;
        createBootloaderImage(prompts, QDate(2015, 6, 20));
        QCOMPARE(prompts.asked, QStringList({"open|Open File|.|Hex (*.hex)", "choose|Production year|Year(YY)|15 of 100",
                                             "choose|Production mont|Month(MM)|06 of 12",
                                             "choose|Production number|Number(NNN)|001 of 999",
                                             "save|Save bootloader bin|Rb604Bootloader_1506001|Bin (*.bin)"}));
        const QByteArray image = bytesOf("boot.bin");
        QCOMPARE(image.size(), 16384);
        QCOMPARE(image.left(2).toHex(), QByteArray("aabb"));
        QCOMPARE(image.mid(0x3FF0).toHex(), QByteArray("31353036303031000000000000000000"));
        QCOMPARE(image.size() - image.count('\0'), 9);
    }
};

QTEST_GUILESS_MAIN(FirmwareFilesTest)
#include "tst_firmwarefiles.moc"
