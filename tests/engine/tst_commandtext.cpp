// Conversions between bytes, stored hex and the ASCII form, without widgets.
#include "commandtext.h"

#include <QtTest>

using namespace CommandText;

class TestCommandText : public QObject
{
    Q_OBJECT

private slots:
    void hexDigitsToBytes();
    void asciiForm();
    void roundTripWithoutEdits_data();
    void roundTripWithoutEdits();
    void mergeKeepsAndReplaces();
    void masks();
};

void TestCommandText::hexDigitsToBytes()
{
    QCOMPARE(hexToBytes("0D0A41"), QByteArray("\r\nA"));
    QCOMPARE(hexToBytes("0d 0a  41"), QByteArray("\r\nA"));
    QCOMPARE(hexToBytes("414"), QByteArray::fromHex("0414"));
    QVERIFY(hexToBytes("").isEmpty());
    QVERIFY(hexToBytes("zz").isEmpty());
    // Digits of other scripts are not hex digits.
    QCOMPARE(hexToBytes(QString::fromUtf8("4\u0661\u06622")), QByteArray("B"));
    QCOMPARE(bytesToHex(QByteArray::fromHex("00ff7f")), QString("00FF7F"));
    QCOMPARE(normalizedHex("0d 0a"), QString("0D0A"));
}

void TestCommandText::asciiForm()
{
    QCOMPARE(bytesToAscii(QByteArray::fromHex("00207F80FF")), QString("....."));
    QCOMPARE(bytesToAscii(QByteArray::fromHex("217E2E")), QString("!~."));
    QString all;
    for (int b = 0x21; b <= 0x7E; ++b) {
        all += QChar(b);
    }
    QByteArray bytes;
    for (int b = 0x21; b <= 0x7E; ++b) {
        bytes += char(b);
    }
    QCOMPARE(bytesToAscii(bytes), all);
}

void TestCommandText::roundTripWithoutEdits_data()
{
    QTest::addColumn<QString>("hex");
    QTest::addColumn<QString>("stored");
    QTest::newRow("printable") << "414243"
                               << "414243";
    QTest::newRow("shown as dots") << "000D0A207F80FF2E"
                                   << "000D0A207F80FF2E";
    QTest::newRow("odd digit count") << "414"
                                     << "0414";
    QTest::newRow("empty") << ""
                           << "";
}

void TestCommandText::roundTripWithoutEdits()
{
    QFETCH(QString, hex);
    QFETCH(QString, stored);
    const QByteArray raw = hexToBytes(hex);
    // The field shows the ASCII form with the mask's blanks between characters.
    QString shown;
    for (QChar c : bytesToAscii(raw)) {
        shown += c + QStringLiteral(" ");
    }
    QCOMPARE(bytesToHex(mergeAscii(shown, raw)), stored);
}

void TestCommandText::mergeKeepsAndReplaces()
{
    const QByteArray raw = QByteArray::fromHex("410D42");
    // "." over a character keeps the byte; a letter over "." replaces it.
    QCOMPARE(mergeAscii(". . B", raw), raw);
    QCOMPARE(mergeAscii("A Z B", raw), QByteArray("AZB"));
    // A shorter text never shortens the command; a longer one appends.
    QCOMPARE(mergeAscii("X", raw), QByteArray::fromHex("580D42"));
    QCOMPARE(mergeAscii("A.BCD", raw), QByteArray::fromHex("410D424344"));
    // Dots past the end leave blanks where a later character lands.
    QCOMPARE(mergeAscii("AB..C", QByteArray()), QByteArray("AB  C"));
    QCOMPARE(mergeAscii("..", QByteArray("A")), QByteArray("A"));
    // A character outside Latin-1 becomes "?".
    QCOMPARE(mergeAscii(QString::fromUtf8("\u20ac"), QByteArray()), QByteArray("?"));
    QCOMPARE(mergeAscii(QString::fromUtf8("\u00e9"), QByteArray()), QByteArray("\xe9"));
}

void TestCommandText::masks()
{
    QCOMPARE(hexMask().size(), 1 + 4 * 128);
    QVERIFY(hexMask().startsWith(">HH  HH  "));
    QCOMPARE(asciiMask().size(), 2 * 128);
    QVERIFY(asciiMask().startsWith("x x "));
    QCOMPARE(withoutBlanks(" 4 1  "), QString("41"));
}

QTEST_GUILESS_MAIN(TestCommandText)
#include "tst_commandtext.moc"
