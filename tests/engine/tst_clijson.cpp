// The values the companion's JSON export writes: plain numbers and hex text
// within the ranges the editor offers, {"raw": ...} outside them. Import takes
// both forms, so a round trip alone would not notice a plain value written raw.
#include "appdata.h"
#include "configjson.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>

class TestCliJson : public QObject
{
    Q_OBJECT

private slots:
    void exportedValuesPlainInRangeRawOutside_data();
    void exportedValuesPlainInRangeRawOutside();
    void refusedWithThePlace_data();
    void refusedWithThePlace();
};

namespace {

QJsonValue raw(const QJsonValue& value)
{
    return QJsonObject{{QStringLiteral("raw"), value}};
}

void setLayer(LinkData* record, UartData uart, int delay, const QString& command)
{
    record->setUartData(&uart);
    record->setDelayTime(delay);
    record->setCommand(command);
}

} // namespace

void TestCliJson::exportedValuesPlainInRangeRawOutside_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QJsonArray>("expected"); // per place: command, baud rate, parity, data bits, stop bits, delay
    const QJsonArray outside{raw("0d0a"), raw(8), raw(5), raw(4), raw(2), raw(256)};
    const QJsonArray below{raw("0D 0A"), raw(-1), raw(-1), raw(-1), raw(-1), raw(-5)};
    QTest::newRow("stored values") << 1
                                   << QJsonArray{QJsonArray{"0D0A", 7, 4, 3, 1, 255}, QJsonArray{"", 0, 0, 0, 0, 0},
                                                 outside, below, QJsonArray{"41", raw(9), 2, 2, 0, 3}};
    // Raw values stay the stored ones: only what the editor offers reads as itself.
    QTest::newRow("real values") << 2
                                 << QJsonArray{QJsonArray{"0D0A", 115200, "mark", 8, 2, 255},
                                               QJsonArray{"", 2400, "none", 5, 1, 0}, outside, below,
                                               QJsonArray{"41", raw(9), "even", 7, 1, 3}};
}

void TestCliJson::exportedValuesPlainInRangeRawOutside()
{
    QFETCH(int, version);
    QFETCH(QJsonArray, expected);
    ProgramRecords data;
    data.newData(6, 5);
    // Key 1: the largest value of every field; its link 2: the smallest.
    setLayer(data.getDataObject(1, 1), {BaudRate115200, ParityMark, DataBits8, StopBits2}, 255, "0D0A");
    setLayer(data.getDataObject(1, 2), {BaudRate2400, ParityNone, DataBits5, StopBits1}, 0, "");
    // Link 3 of key 1: one past each end.
    setLayer(data.getDataObject(1, 3), {BaudRate(8), Parity(5), DataBits(4), StopBits(2)}, 256, "0d0a");
    // Key 2's second layer: below the ranges.
    ButtonData* key2 = data.getButtonData(2);
    const UartData below{BaudRate(-1), Parity(-1), DataBits(-1), StopBits(-1)};
    key2->setSecondLayerUartData(&below);
    key2->setSecondLayerDelayTime(-5);
    key2->setSecondLayerCommand("0D 0A");
    // Key 3: baud rate 9, the others in range.
    setLayer(data.getDataObject(3, 1), {BaudRate(9), ParityEven, DataBits7, StopBits1}, 3, "41");

    const QJsonArray keys = ConfigJson::toJson(data, version).value("keys").toArray();
    QCOMPARE(keys.size(), 6);
    const QJsonObject key1 = keys.at(0).toObject();
    const QJsonObject link2 = key1.value("links").toArray().at(0).toObject();
    const QJsonObject link3 = key1.value("links").toArray().at(1).toObject();
    const QJsonObject second2 = keys.at(1).toObject().value("secondLayer").toObject();
    const QJsonObject key3 = keys.at(2).toObject();
    QCOMPARE(link2.value("link").toInt(), 2);
    QCOMPARE(link3.value("link").toInt(), 3);

    const QList<QPair<const char*, QJsonObject>> places = {
        {"key 1", key1}, {"link 1-2", link2}, {"link 1-3", link3}, {"second layer 2", second2}, {"key 3", key3}};
    const QStringList fields = {"command", version == 1 ? "baudRate" : "baud", "parity", "dataBits", "stopBits",
                                "delay"};
    for (int p = 0; p < places.size(); ++p) {
        for (int i = 0; i < fields.size(); ++i) {
            QVERIFY2(places[p].second.value(fields[i]) == expected[p].toArray()[i],
                     qPrintable(QString("%1 %2").arg(places[p].first, fields[i])));
        }
    }
}

void TestCliJson::refusedWithThePlace_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<QString>("error");
    // The parser itself would keep one of the values without a word.
    QTest::newRow("repeated field") << 1 << QByteArray(R"([{"key": 1, "delay": 999, "delay": 2}])")
                                    << "keys[0].delay: appears more than once; give each field once";
    QTest::newRow("repeated in a link")
        << 1 << QByteArray(R"([{"key": 2, "links": [{"link": 2}, {"link": 3, "name": "a", "na\u006de": "b"}]}])")
        << "keys[0].links[1].name: appears more than once; give each field once";
    QTest::newRow("repeated key number only")
        << 1 << QByteArray(R"([{"key": 1, "name": "x"}, {"key": 2, "name": "x", "key": 3}])")
        << "keys[1].key: appears more than once; give each field once";
    // An emoji is one character beyond U+FFFF, not half of one.
    QTest::newRow("emoji in a name") << 1 << QByteArray("[{\"key\": 1, \"name\": \"Door \xF0\x9F\x9A\xAA\"}]")
                                     << QString::fromUtf8(
                                            "keys[0].name: character \xF0\x9F\x9A\xAA (U+1F6AA) cannot be "
                                            "stored; the file holds Latin-1 characters only");
    // Real values: only those a record can hold, and each version's own field names.
    const QString orRaw = " (or {\"raw\": n} for a value the editor does not offer)";
    const QString parities = "expected one of \"none\", \"odd\", \"even\", \"space\", \"mark\"" + orRaw;
    QTest::newRow("baud no record holds")
        << 2 << QByteArray(R"([{"key": 1, "links": [{"link": 3, "baud": 9601}]}])")
        << "keys[0].links[0].baud: expected one of 2400, 4800, 9600, 14400, 19200, 28800, 38400, 115200" + orRaw;
    QTest::newRow("weird parity") << 2 << QByteArray(R"([{"key": 2, "secondLayer": {"parity": "weird"}}])")
                                  << "keys[0].secondLayer.parity: " + parities;
    QTest::newRow("stored parity in version 2")
        << 2 << QByteArray(R"([{"key": 1, "parity": 2}])") << "keys[0].parity: " + parities;
    QTest::newRow("nine data bits") << 2 << QByteArray(R"([{"key": 1, "dataBits": 9}])")
                                    << "keys[0].dataBits: expected one of 5, 6, 7, 8" + orRaw;
    QTest::newRow("stop bits as text") << 2 << QByteArray(R"([{"key": 1, "stopBits": "1"}])")
                                       << "keys[0].stopBits: expected one of 1, 2" + orRaw;
    QTest::newRow("old field in version 2")
        << 2 << QByteArray(R"([{"key": 1, "baudRate": 2}])")
        << "keys[0].baudRate: unknown field (known here: key, name, secondLayer, links, command, baud, parity, "
           "dataBits, stopBits, delay)";
    QTest::newRow("new field in version 1") << 1 << QByteArray(R"([{"key": 1, "links": [{"link": 2, "baud": 9600}]}])")
                                            << "keys[0].links[0].baud: unknown field (known here: link, name, "
                                               "command, baudRate, parity, dataBits, stopBits, delay)";
    QTest::newRow("version 3") << 3 << QByteArray("[]")
                               << "version: expected 1 to 2; this program reads versions 1 to 2";
}

void TestCliJson::refusedWithThePlace()
{
    QFETCH(int, version);
    QFETCH(QByteArray, keys);
    QFETCH(QString, error);
    ProgramRecords data;
    data.newData(6, 5);
    QString reason;
    const QByteArray head = R"({"format": "kvr210c-config", "version": )" + QByteArray::number(version);
    QVERIFY(!ConfigJson::fromJson(head + R"(, "keys": )" + keys + "}", &data, &reason));
    QCOMPARE(reason, error);
}

QTEST_GUILESS_MAIN(TestCliJson)
#include "tst_clijson.moc"
