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
    void roundTrip_data();
    void roundTrip();
    void trailingBytesUntouched_data();
    void trailingBytesUntouched();
    void keyRestartsWithEachCall();
    void keyWrapsAfter32Words();
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

void BlockScramblerTest::roundTrip_data()
{
    QTest::addColumn<int>("length");
    for (int length : {0, 4, 128, 1024, 2048, 4096})
        QTest::newRow(qPrintable(QStringLiteral("%1 bytes").arg(length))) << length;
}

void BlockScramblerTest::roundTrip()
{
    QFETCH(int, length);
    const QByteArray plain = pattern(length);
    const QByteArray wire = scrambled(plain);
    if (length > 0)
        QVERIFY(wire != plain);
    QCOMPARE(unscrambled(wire).toHex(), plain.toHex());
}

void BlockScramblerTest::trailingBytesUntouched_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("1 byte") << 1;
    QTest::newRow("3 bytes") << 3;
    QTest::newRow("one word and 1 byte") << 5;
    QTest::newRow("one word and 2 bytes") << 6;
    QTest::newRow("many words and 3 bytes") << 1027;
}

void BlockScramblerTest::trailingBytesUntouched()
{
    QFETCH(int, length);
    const QByteArray plain = pattern(length);
    const int tail = length % 4;
    QCOMPARE(scrambled(plain).right(tail).toHex(), plain.right(tail).toHex());
    QCOMPARE(unscrambled(plain).right(tail).toHex(), plain.right(tail).toHex());
    QCOMPARE(unscrambled(scrambled(plain)).toHex(), plain.toHex());
}

void BlockScramblerTest::keyRestartsWithEachCall()
{
    const QByteArray plain = pattern(256);
    // Pieces of 128 bytes use the whole key table each, so they match one call.
    QCOMPARE((scrambled(plain.left(128)) + scrambled(plain.mid(128))).toHex(), scrambled(plain).toHex());
    // A piece of one word starts again at the first key word.
    const QByteArray words = QByteArray(8, '\0');
    QCOMPARE((scrambled(words.left(4)) + scrambled(words.mid(4))).toHex(), QByteArray("3a1161513a116151"));
    QCOMPARE(scrambled(words).toHex(), QByteArray("3a116151f69d63fe"));
}

void BlockScramblerTest::keyWrapsAfter32Words()
{
    const QByteArray wire = scrambled(QByteArray(33 * 4, '\0'));
    QCOMPARE(wire.mid(32 * 4).toHex(), wire.left(4).toHex());
    QCOMPARE(wire.mid(31 * 4, 4).toHex(), QByteArray("1ea28b43"));
}

QTEST_GUILESS_MAIN(BlockScramblerTest)
#include "tst_blockscrambler.moc"
