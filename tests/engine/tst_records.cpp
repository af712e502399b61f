// Records, their device byte records and the display text of line settings.
#include "appdata.h"
#include "testrecords.h"

#include <QSet>
#include <QtTest>

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void freshAndClearedRecords_data();
    void freshAndClearedRecords();
    void deviceRecordWorkedExamples();
    void deviceRecordSecondLayer();
    void deviceRecordDecodingEdges();
    void deviceRecordFit();
    void deviceRecordKeepsLowBits();
    void uartStringAllValidSettings();
    void uartStringOutOfRange();
};

void TestRecords::freshAndClearedRecords_data()
{
    QTest::addColumn<bool>("cleared");
    QTest::newRow("fresh") << false;
    // Clearing through the base pointer reaches both layers of a key.
    QTest::newRow("cleared") << true;
}

void TestRecords::freshAndClearedRecords()
{
    QFETCH(bool, cleared);
    ButtonData key(3);
    if (cleared) {
        const UartData odd = uart(7, 2, 2, 1);
        key.setButtonName("Pump");
        key.setLinkName("L");
        key.setCommand("0D0A");
        key.setDelayTime(1000);
        key.setUartData(&odd);
        key.setSecondLayerEnable(true);
        key.setSecondLayerCommand("41");
        key.setSecondLayerDelayTime(-5);
        key.setSecondLayerUartData(&odd);
        QCOMPARE(key.getDelayTime(), 1000);
        QCOMPARE(key.getSecondLayerDelayTime(), -5);
        static_cast<LinkData*>(&key)->clear();
    }
    QCOMPARE(key.xId(), 3);
    QCOMPARE(key.yId(), 1);
    QCOMPARE(key.getButtonName(), QString("Empty"));
    QCOMPARE(key.getLinkName(), QString("Empty"));
    QVERIFY(key.getCommand().isNull());
    QCOMPARE(key.getDelayTime(), 0);
    QVERIFY(!key.isSecondLayerEnabled());
    QVERIFY(key.getSecondLayerCommand().isNull());
    QCOMPARE(key.getSecondLayerDelayTime(), 0);
    UartData u = uart(7, 4, 0, 1);
    key.getUartData(&u);
    QVERIFY(u == defaultUartData());
    QCOMPARE(ProgramRecords::uartString(&u), QString("9600,8-N-1"));
    key.getSecondLayerUartData(&u);
    QVERIFY(u == defaultUartData());

    // Values outside the enumerations survive a copy unchanged.
    LinkData link(2, 4);
    const UartData wild = uart(100, -3, 9, 42);
    link.setUartData(&wild);
    link.getUartData(&u);
    QVERIFY(u == wild);
    link.clear();
    QCOMPARE(link.yId(), 4);
    QCOMPARE(link.getLinkName(), QString("Empty"));
}

void TestRecords::deviceRecordWorkedExamples()
{
    LinkData link(2, 3);
    link.setDelayTime(3);
    link.setCommand("4142");
    const QByteArray expected = QByteArray::fromHex("534554530A022D0302000345314142");
    QCOMPARE(link.encapsulation(), expected);

    link.setCommand(QString());
    QCOMPARE(link.encapsulation(),
             QByteArray::fromHex("53455453080"
                                 "22D03020003"
                                 "4431"));
    QCOMPARE(link.encapsulation().size(), 13);

    // Decoding into any record takes baud, parity, delay and command only.
    ButtonData other(5);
    const UartData before = uart(7, 4, 1, 1);
    other.setUartData(&before);
    other.decapsulation(expected);
    UartData u;
    other.getUartData(&u);
    QCOMPARE(u.baudRate, BaudRate9600);
    QCOMPARE(u.parity, ParityNone);
    QCOMPARE(u.dataBits, DataBits6);
    QCOMPARE(u.stopBits, StopBits2);
    QCOMPARE(other.getDelayTime(), 3);
    QCOMPARE(other.getCommand(), QString("4142"));
    QCOMPARE(other.xId(), 5);

    // Separators and lower case in the stored text make the same bytes.
    link.setCommand("0d 0a 41");
    const QByteArray spaced = link.encapsulation();
    link.setCommand("0D0A41");
    QCOMPARE(spaced, link.encapsulation());
    link.decapsulation(spaced);
    QCOMPARE(link.getCommand(), QString("0D0A41"));

    link.setDelayTime(200);
    QCOMPARE(uchar(link.encapsulation().at(10)), uchar(0xC8));
    link.decapsulation(link.encapsulation());
    QCOMPARE(link.getDelayTime(), 200);
}

void TestRecords::deviceRecordSecondLayer()
{
    ButtonData key(4);
    key.setCommand("FFFF");
    const UartData second = uart(BaudRate115200, ParityEven, DataBits7, StopBits2);
    key.setSecondLayerUartData(&second);
    key.setSecondLayerDelayTime(9);
    key.setSecondLayerCommand("0D");
    const QByteArray record = key.encapsulationSecondLayer();
    QCOMPARE(record,
             QByteArray::fromHex("53455453"
                                 "09"
                                 "04"
                                 "2D"
                                 "06"
                                 "07"
                                 "02"
                                 "09"
                                 "45"
                                 "31"
                                 "0D"));

    ButtonData target(4);
    target.setCommand("AA");
    target.decapsulationSecondLayer(record);
    QCOMPARE(target.getSecondLayerCommand(), QString("0D"));
    QCOMPARE(target.getSecondLayerDelayTime(), 9);
    UartData u;
    target.getSecondLayerUartData(&u);
    QCOMPARE(u.baudRate, BaudRate115200);
    QCOMPARE(u.parity, ParityEven);
    QCOMPARE(u.dataBits, DataBits8); // not carried by the device record
    QCOMPARE(target.getCommand(), QString("AA"));
    QVERIFY(!target.isSecondLayerEnabled());
}

void TestRecords::deviceRecordDecodingEdges()
{
    LinkData link(1, 2);
    const UartData start = uart(BaudRate19200, ParityOdd, DataBits8, StopBits1);
    link.setUartData(&start);
    link.setCommand("41");
    link.setDelayTime(7);

    // Out-of-range baud and parity bytes leave the fields alone.
    QByteArray record = QByteArray::fromHex("53455453080"
                                            "12D02"
                                            "0907"
                                            "054431");
    link.decapsulation(record);
    UartData u;
    link.getUartData(&u);
    QCOMPARE(u.baudRate, BaudRate19200);
    QCOMPARE(u.parity, ParityOdd);
    QCOMPARE(link.getDelayTime(), 5);
    QVERIFY(link.getCommand().isEmpty());

    // A short record reads its missing bytes as zero.
    link.decapsulation(QByteArray("SETS"));
    link.getUartData(&u);
    QCOMPARE(u.baudRate, BaudRate2400);
    QCOMPARE(u.parity, ParityNone);
    QCOMPARE(link.getDelayTime(), 0);
    QVERIFY(link.getCommand().isEmpty());
}

void TestRecords::deviceRecordFit()
{
    ButtonData key(1);
    key.setCommand(QString("AB").repeated(MaxDeviceCommandBytes));
    QVERIFY(key.fitsDeviceRecord());
    QCOMPARE(uchar(key.encapsulation().at(4)), uchar(255));
    key.setCommand(QString("AB").repeated(MaxDeviceCommandBytes + 1));
    QVERIFY(!key.fitsDeviceRecord());
    key.setSecondLayerCommand(QString("CD").repeated(300));
    QVERIFY(!key.secondLayerFitsDeviceRecord());
    key.setSecondLayerCommand(QString());
    QVERIFY(key.secondLayerFitsDeviceRecord());
}

void TestRecords::deviceRecordKeepsLowBits()
{
    // One-byte fields take the low 8 bits of values that do not fit; nothing is clamped.
    LinkData link(300, 2);
    const QList<QPair<int, uchar>> delays = {{256, 0x00}, {300, 0x2C}, {-5, 0xFB}, {255, 0xFF}};
    for (const auto& [delay, byte] : delays) {
        link.setDelayTime(delay);
        const QByteArray record = link.encapsulation();
        QCOMPARE(uchar(record.at(10)), byte);
        QCOMPARE(uchar(record.at(5)), uchar(0x2C)); // key id 300
    }

    ButtonData key(300);
    key.setSecondLayerDelayTime(-5);
    key.setSecondLayerCommand(QString("AB").repeated(248));
    const QByteArray second = key.encapsulationSecondLayer();
    QCOMPARE(second.size(), 13 + 248);
    QCOMPARE(uchar(second.at(4)), uchar(0x00)); // 8 + 248 = 256
    QCOMPARE(uchar(second.at(5)), uchar(0x2C));
    QCOMPARE(uchar(second.at(10)), uchar(0xFB));
    key.setCommand(QString("CD").repeated(248));
    QCOMPARE(uchar(key.encapsulation().at(4)), uchar(0x00));
}

void TestRecords::uartStringAllValidSettings()
{
    const QStringList bauds = {"2400", "4800", "9600", "14400", "19200", "28800", "38400", "115200"};
    const QStringList bits = {"5", "6", "7", "8"};
    const QStringList parities = {"N", "O", "E", "S", "M"};
    QSet<QString> seen;
    for (int b = 0; b < 8; ++b) {
        for (int d = 0; d < 4; ++d) {
            for (int p = 0; p < 5; ++p) {
                for (int s = 0; s < 2; ++s) {
                    const UartData u = uart(b, p, d, s);
                    const QString text = ProgramRecords::uartString(&u);
                    QCOMPARE(text, QString("%1,%2-%3-%4").arg(bauds[b], bits[d], parities[p]).arg(s + 1));
                    seen.insert(text);
                }
            }
        }
    }
    QCOMPARE(seen.size(), 8 * 4 * 5 * 2);
}

void TestRecords::uartStringOutOfRange()
{
    UartData u = uart(8, 5, 4, 0);
    QCOMPARE(ProgramRecords::uartString(&u), QString("1"));
    u.stopBits = StopBits(7);
    QCOMPARE(ProgramRecords::uartString(&u), QString("2"));
    u = uart(-1, -1, -1, -1);
    QCOMPARE(ProgramRecords::uartString(&u), QString("2"));
    u = uart(BaudRate115200, ParityEven, DataBits7, StopBits2);
    QCOMPARE(ProgramRecords::uartString(&u), QString("115200,7-E-2"));
    u = uart(BaudRate2400, ParityMark, DataBits5, StopBits1);
    QCOMPARE(ProgramRecords::uartString(&u), QString("2400,5-M-1"));
}

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
