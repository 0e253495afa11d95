// Known answers of the block scrambling shared by the program and the interface.
#include "../simulator/common/scrambledbytes.h"

#include <QTest>

namespace {

QByteArray pattern(int length)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char(i * 37 + 11);
    return bytes;
}

} // namespace

class BlockScramblerTest : public QObject
{
    Q_OBJECT

private slots:
    void knownAnswer_data();
    void knownAnswer();
    void roundTripKeepsTrailingBytes_data();
    void roundTripKeepsTrailingBytes();
    void keyRestartsWithEachCall();
};

void BlockScramblerTest::knownAnswer_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("wire");

    // Words 00010203, 04050607, ... little-endian, then three bytes that are no whole word.
    QTest::newRow("four words and a tail") << QByteArray::fromHex("000102030405060708090a0b0c0d0e0faabbcc")
                                           << QByteArray("3a126354fa9a69f7d20e13ecec528fefaabbcc");
    // A zero word w becomes 2k: the first two key words doubled.
    QTest::newRow("zero words") << QByteArray(8, '\0') << QByteArray("3a116151f69d63fe");
    // (all ones XOR k) + k is all ones again.
    QTest::newRow("all ones") << QByteArray(4, char(0xFF)) << QByteArray("ffffffff");
}

void BlockScramblerTest::knownAnswer()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, wire);
    QCOMPARE(scrambled(plain).toHex(), wire);
    QCOMPARE(unscrambled(QByteArray::fromHex(wire)).toHex(), plain.toHex());
}

void BlockScramblerTest::roundTripKeepsTrailingBytes_data()
{
    QTest::addColumn<int>("length");
    for (int length : {0, 3, 5, 1027})
        QTest::newRow(qPrintable(QStringLiteral("%1 bytes").arg(length))) << length;
}

void BlockScramblerTest::roundTripKeepsTrailingBytes()
{
    QFETCH(int, length);
    const QByteArray plain = pattern(length);
    const QByteArray wire = scrambled(plain);
    const int words = length / 4 * 4;
    if (words > 0)
        QCOMPARE_NE(wire.left(words).toHex(), plain.left(words).toHex());
    // The 1 to 3 bytes behind the last whole word travel as they are, both ways.
    QCOMPARE(wire.mid(words).toHex(), plain.mid(words).toHex());
    QCOMPARE(unscrambled(plain).mid(words).toHex(), plain.mid(words).toHex());
    QCOMPARE(unscrambled(wire).toHex(), plain.toHex());
}

void BlockScramblerTest::keyRestartsWithEachCall()
{
    const QByteArray plain = pattern(256);
    // Pieces of 128 bytes use the whole key table each, so they match one call.
    QCOMPARE((scrambled(plain.left(128)) + scrambled(plain.mid(128))).toHex(), scrambled(plain).toHex());
    // A piece of one word starts again at the first key word; within a call the key wraps after 32 words.
    const QByteArray zeros(33 * 4, '\0');
    QCOMPARE((scrambled(zeros.left(4)) + scrambled(zeros.mid(4, 4))).toHex(), QByteArray("3a1161513a116151"));
    const QByteArray wire = scrambled(zeros);
    QCOMPARE(wire.left(8).toHex(), QByteArray("3a116151f69d63fe"));
    QCOMPARE(wire.mid(31 * 4).toHex(), QByteArray("1ea28b43" "3a116151"));
}

QTEST_GUILESS_MAIN(BlockScramblerTest)
#include "tst_blockscrambler.moc"
