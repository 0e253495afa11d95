// Known answers of the block scrambling shared by the program and the interface.
#include "../simulator/common/scrambledbytes.h"

#include <QTest>

class BlockScramblerTest : public QObject
{
    Q_OBJECT

private slots:
    void knownAnswer_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("wire");

        // Words 00010203, 04050607, ... little-endian; the 1 to 3 bytes behind the last whole word travel as they are.
        QTest::newRow("four words and a tail") << QByteArray::fromHex("000102030405060708090a0b0c0d0e0faabbcc")
                                               << QByteArray("3a126354fa9a69f7d20e13ecec528fefaabbcc");
        // (all ones XOR k) + k is all ones again.
        QTest::newRow("all ones") << QByteArray(4, char(0xFF)) << QByteArray("ffffffff");
        QTest::newRow("no whole word") << QByteArray::fromHex("aabbcc") << QByteArray("aabbcc");
    }
    void knownAnswer()
    {
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, wire);
        QCOMPARE(scrambled(plain).toHex(), wire);
        QCOMPARE(unscrambled(QByteArray::fromHex(wire)).toHex(), plain.toHex());
    }

    void keyRestartsWithEachCallAndWrapsAfter32Words()
    {
        // A zero word w becomes 2k: the key words doubled.
        const QByteArray zeros(33 * 4, '\0');
        QCOMPARE((scrambled(zeros.left(4)) + scrambled(zeros.mid(4, 4))).toHex(), QByteArray("3a1161513a116151"));
        const QByteArray wire = scrambled(zeros);
        QCOMPARE(wire.left(8).toHex(), QByteArray("3a116151f69d63fe"));
        QCOMPARE(wire.mid(31 * 4).toHex(), QByteArray("1ea28b43" "3a116151"));
        QCOMPARE(unscrambled(wire).toHex(), zeros.toHex());
    }
};

QTEST_GUILESS_MAIN(BlockScramblerTest)
#include "tst_blockscrambler.moc"
