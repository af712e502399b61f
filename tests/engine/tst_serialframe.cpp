// Framing and the echo check, without a line.
#include "serialframe.h"

#include <QtTest>

class TestSerialFrame : public QObject
{
    Q_OBJECT

private slots:
    void crcKnownAnswer();
    void framing_data();
    void framing();
    void echoCheck();
};

void TestSerialFrame::crcKnownAnswer()
{
    QCOMPARE(SerialFrame::crc("123456789"), quint16(0x906E));
}

void TestSerialFrame::framing_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QByteArray>("wire");

    QTest::newRow("handshake") << QByteArray("KVR210") << QByteArray("SETS\x06KVR210");
    QTest::newRow("load request") << QByteArray("LOAD_DATA") << QByteArray("SETS\x09LOAD_DATA");
    const QByteArray big(300, 'a');
    QTest::newRow("300 bytes: length byte wraps") << big << QByteArray("SETS\x2C") + big;
    const QByteArray record = QByteArray::fromHex("534554530a022d0302000345314142");
    QTest::newRow("device record goes as it is") << record << record;
    QTest::newRow("tag anywhere") << QByteArray("xxSETSyy") << QByteArray("xxSETSyy");
}

void TestSerialFrame::framing()
{
    QFETCH(QByteArray, payload);
    QFETCH(QByteArray, wire);
    QCOMPARE(SerialFrame::frame(payload), wire);
    // The device's exact echo always matches.
    QVERIFY(SerialFrame::echoMatches(wire, SerialFrame::expectedCrc(payload)));
}

void TestSerialFrame::echoCheck()
{
    const QByteArray record = QByteArray::fromHex("534554530a022d0302000345314142");
    const quint16 expected = SerialFrame::expectedCrc(record);

    // Only the bytes from offset 5 on are compared.
    QByteArray otherHeader = record;
    otherHeader.replace(0, 5, "RETS\x7f");
    QVERIFY(SerialFrame::echoMatches(otherHeader, expected));

    QByteArray wrongByte = record;
    wrongByte[8] = 3;
    QVERIFY(!SerialFrame::echoMatches(wrongByte, expected));
    QVERIFY(!SerialFrame::echoMatches(record.left(record.size() - 1), expected));

    // Too short to carry any payload, including the empty payload's CRC.
    const quint16 emptyPayload = SerialFrame::expectedCrc(QByteArray("SETS\x00", 5));
    for (int n = 1; n <= 4; ++n) {
        QVERIFY2(!SerialFrame::echoMatches(record.left(n), expected), qPrintable(QString::number(n)));
        QVERIFY(!SerialFrame::echoMatches(record.left(n), emptyPayload));
    }
    QVERIFY(SerialFrame::echoMatches(record.left(5), emptyPayload));
    QVERIFY(!SerialFrame::echoMatches(QByteArray(), emptyPayload));
}

QTEST_APPLESS_MAIN(TestSerialFrame)
#include "tst_serialframe.moc"
