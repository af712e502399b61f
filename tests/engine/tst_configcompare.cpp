// Field-by-field comparison of two configurations.
#include "appdata.h"
#include "configcompare.h"
#include "testrecords.h"

#include <QtTest>

using Scope = ConfigComparison::Scope;
using Field = ConfigComparison::Field;

class TestConfigCompare : public QObject
{
    Q_OBJECT

private slots:
    void equalConfigurations();
    void fileOnlyFieldsDependOnScope();
    void deviceFieldsInStableOrder();
    void commandSpellings();
    void storedValuesOutsideTheChoices();
    void recordOnOneSideOnly();
    void longCommandsShownWhereTheyDiffer();
};

namespace {

// As a message shows it: "Key 1: command at offset 36: ... [43] ... -> ... [58] ...".
QStringList shown(const QList<ConfigComparison::Difference>& differences)
{
    QStringList result;
    for (const auto& d : differences) {
        result << QStringLiteral("%1: %2 %3 -> %4").arg(d.record, d.subject(), d.shownA(), d.shownB());
    }
    return result;
}

// "Key 2, link 14: delay 3 -> 5", one a line, so a failure shows the whole list.
QStringList lines(const QList<ConfigComparison::Difference>& differences)
{
    QStringList result;
    for (const auto& d : differences) {
        result << QStringLiteral("%1: %2 %3 -> %4").arg(d.record, d.fieldName, d.valueA, d.valueB);
    }
    return result;
}

QStringList compare(const ProgramRecords& a, const ProgramRecords& b, Scope scope)
{
    return lines(ConfigComparison(a, b, scope).differences());
}

// A configuration with something in every field, the same each time it is made.
void fill(ProgramRecords* data)
{
    data->newData(6, 5);
    for (int x = 1; x <= 6; ++x) {
        ButtonData* key = data->getButtonData(x);
        key->setButtonName(QStringLiteral("Key name %1").arg(x));
        key->setCommand(QStringLiteral("0D0A%1").arg(x, 2, 10, QLatin1Char('0')));
        key->setDelayTime(x);
        const UartData first = uart(x % 8, x % 5, 3, 0);
        key->setUartData(&first);
        key->setSecondLayerEnable(x % 2 == 0);
        key->setSecondLayerCommand(QStringLiteral("41%1").arg(x, 2, 10, QLatin1Char('0')));
        key->setSecondLayerDelayTime(10 + x);
        const UartData second = uart(7, 2, 2, 1);
        key->setSecondLayerUartData(&second);
        for (int y = 2; y <= 5; ++y) {
            LinkData* link = data->getDataObject(x, y);
            link->setLinkName(QStringLiteral("Link %1.%2").arg(x).arg(y));
            link->setCommand(QStringLiteral("%1%2").arg(x, 2, 10, QLatin1Char('0')).arg(y, 2, 10, QLatin1Char('0')));
            link->setDelayTime(y);
        }
    }
}

} // namespace

void TestConfigCompare::equalConfigurations()
{
    ProgramRecords freshA, freshB;
    freshA.newData(6, 5);
    freshB.newData(6, 5);
    QVERIFY(ConfigComparison(freshA, freshB, Scope::Device).isEqual());
    QVERIFY(ConfigComparison(freshA, freshB, Scope::File).isEqual());

    ProgramRecords a, b;
    fill(&a);
    fill(&b);
    QCOMPARE(compare(a, b, Scope::File), QStringList());
    QCOMPARE(compare(a, a, Scope::Device), QStringList());
    // Against a fresh configuration every one of the 36 device records differs.
    QSet<QString> records;
    for (const auto& d : ConfigComparison(a, freshA, Scope::Device).differences()) {
        records.insert(d.record);
    }
    QCOMPARE(records.size(), 36);
}

void TestConfigCompare::fileOnlyFieldsDependOnScope()
{
    ProgramRecords a, b;
    fill(&a);
    fill(&b);
    b.getButtonData(2)->setButtonName(QStringLiteral("Door"));
    b.getDataObject(4, 3)->setLinkName(QStringLiteral("Gate"));
    b.getButtonData(3)->setSecondLayerEnable(true);
    UartData changed;
    b.getDataObject(5, 5)->getUartData(&changed);
    changed.dataBits = DataBits7;
    changed.stopBits = StopBits2;
    b.getDataObject(5, 5)->setUartData(&changed);
    b.getButtonData(6)->getSecondLayerUartData(&changed);
    changed.dataBits = DataBits5;
    b.getButtonData(6)->setSecondLayerUartData(&changed);

    // The device keeps none of these.
    QCOMPARE(compare(a, b, Scope::Device), QStringList());
    QCOMPARE(compare(a, b, Scope::File),
             QStringList({
                 "Key 2: name \"Key name 2\" -> \"Door\"",
                 "Key 3, second layer: switch off -> on",
                 "Key 4, link 14: name \"Link 4.3\" -> \"Gate\"",
                 "Key 5, link 16: data bits 8 -> 7",
                 "Key 5, link 16: stop bits 1 -> 2",
                 "Key 6, second layer: data bits 7 -> 5",
             }));
}

void TestConfigCompare::deviceFieldsInStableOrder()
{
    ProgramRecords a, b;
    fill(&a);
    fill(&b);
    // Changed in an order unlike the device's, to show the result does not follow it.
    b.getDataObject(2, 3)->setDelayTime(5);
    b.getDataObject(1, 2)->setCommand(QString());
    b.getButtonData(1)->setSecondLayerDelayTime(200);
    UartData changed = uart(4, 2, 3, 0);
    b.getButtonData(1)->setUartData(&changed);
    b.getButtonData(1)->setCommand(QStringLiteral("0D0B01"));
    b.getButtonData(2)->setSecondLayerCommand(QStringLiteral("FF"));

    const QStringList expected{
        "Key 1: command 0D0A01 -> 0D0B01",
        "Key 1: baud rate 4800 -> 19200",
        "Key 1: parity odd -> even",
        "Key 1, second layer: delay 11 -> 200",
        "Key 1, link 13: command 0102 -> (none)",
        "Key 2, second layer: command 4102 -> FF",
        "Key 2, link 14: delay 3 -> 5",
    };
    QCOMPARE(compare(a, b, Scope::Device), expected);
    QCOMPARE(compare(a, b, Scope::File), expected);

    // Swapping the sides swaps the values and nothing else.
    const QList<ConfigComparison::Difference> forward = ConfigComparison(a, b, Scope::Device).differences();
    const QList<ConfigComparison::Difference> back = ConfigComparison(b, a, Scope::Device).differences();
    QCOMPARE(back.size(), forward.size());
    for (int i = 0; i < forward.size(); ++i) {
        QCOMPARE(back[i].record, forward[i].record);
        QCOMPARE(back[i].valueA, forward[i].valueB);
        QCOMPARE(back[i].valueB, forward[i].valueA);
    }
    // The structured parts agree with the record name.
    QCOMPARE(forward.first().key, 1);
    QCOMPARE(forward.first().layer, ConfigComparison::FirstLayer);
    QCOMPARE(forward.first().field, Field::Command);
    QCOMPARE(forward.at(3).layer, ConfigComparison::SecondLayer);
    QCOMPARE(forward.at(3).field, Field::Delay);
    QCOMPARE(forward.last().key, 2);
    QCOMPARE(forward.last().layer, 3);
}

void TestConfigCompare::commandSpellings()
{
    ProgramRecords a, b;
    a.newData(6, 5);
    b.newData(6, 5);
    a.getDataObject(3, 4)->setCommand(QStringLiteral("0D0A41"));
    b.getDataObject(3, 4)->setCommand(QStringLiteral("0d 0a 41"));
    a.getButtonData(4)->setSecondLayerCommand(QStringLiteral("0A"));
    b.getButtonData(4)->setSecondLayerCommand(QStringLiteral("0A0A"));

    // The same bytes are the same to the device, whatever text they were written as.
    QCOMPARE(compare(a, b, Scope::Device), QStringList({"Key 4, second layer: command 0A -> 0A0A"}));
    // A file keeps the text, so the spelling shows.
    QCOMPARE(compare(a, b, Scope::File),
             QStringList({
                 "Key 3, link 15: command 0D0A41 -> \"0d 0a 41\"",
                 "Key 4, second layer: command 0A -> 0A0A",
             }));
}

void TestConfigCompare::storedValuesOutsideTheChoices()
{
    ProgramRecords a, b;
    a.newData(6, 5);
    b.newData(6, 5);
    const UartData odd = uart(9, -1, 4, 2);
    b.getDataObject(6, 2)->setUartData(&odd);
    QCOMPARE(compare(a, b, Scope::File),
             QStringList({
                 "Key 6, link 13: baud rate 9600 -> stored value 9",
                 "Key 6, link 13: parity none -> stored value -1",
                 "Key 6, link 13: data bits 8 -> stored value 4",
                 "Key 6, link 13: stop bits 1 -> stored value 2",
             }));
}

void TestConfigCompare::recordOnOneSideOnly()
{
    ProgramRecords a, b;
    a.newData(6, 5);
    b.newData(5, 4);
    const QStringList found = compare(a, b, Scope::Device);
    // Key 1 to 5 lack link 5; key 6 lacks every layer. Nothing else differs.
    QStringList expected;
    for (int x = 1; x <= 5; ++x) {
        expected << QStringLiteral("Key %1, link 16: record present -> missing").arg(x);
    }
    expected << "Key 6: record present -> missing"
             << "Key 6, second layer: record present -> missing";
    for (int y = 13; y <= 16; ++y) {
        expected << QStringLiteral("Key 6, link %1: record present -> missing").arg(y);
    }
    QCOMPARE(found, expected);
    QCOMPARE(compare(b, a, Scope::File).first(), QString("Key 1, link 16: record missing -> present"));
}

void TestConfigCompare::longCommandsShownWhereTheyDiffer()
{
    QByteArray counting(128, 0);
    for (int i = 0; i < counting.size(); ++i) {
        counting[i] = char(i);
    }
    const QString hex = QString::fromLatin1(counting.toHex().toUpper());
    QByteArray changed = counting;
    changed[60] = char(0xFF);
    QByteArray first = counting;
    first[0] = char(0xFF);

    ProgramRecords a, b;
    a.newData(6, 5);
    b.newData(6, 5);
    a.getButtonData(1)->setCommand(hex);
    b.getButtonData(1)->setCommand(QString::fromLatin1(changed.toHex()).toUpper());
    a.getButtonData(1)->setSecondLayerCommand(hex);
    b.getButtonData(1)->setSecondLayerCommand(QString::fromLatin1(first.toHex()).toUpper());
    a.getDataObject(1, 3)->setCommand(hex);
    b.getDataObject(1, 3)->setCommand(hex.left(200)); // its first 100 bytes
    b.getDataObject(2, 2)->setCommand(hex.left(40));
    a.getDataObject(3, 2)->setCommand(hex);
    b.getDataObject(3, 2)->setCommand(hex.toLower()); // the same bytes, spelt otherwise

    const QStringList expected{
        "Key 1: command at offset 60: ... 38 39 3A 3B [3C] 3D 3E 3F 40 41 42 43 ... -> "
        "... 38 39 3A 3B [FF] 3D 3E 3F 40 41 42 43 ...",
        "Key 1, second layer: command at offset 0: [00] 01 02 03 04 05 06 07 ... -> [FF] 01 02 03 04 05 06 07 ...",
        "Key 1, link 14: command at offset 100: ... 60 61 62 63 [64] 65 66 67 68 69 6A 6B ... -> ... 60 61 62 63 (end)",
        "Key 2, link 13: command at offset 0: (none) -> [00] 01 02 03 04 05 06 07 ...",
    };
    QCOMPARE(shown(ConfigComparison(a, b, Scope::Device).differences()), expected);
    // A file keeps the text: a command that is not plain hex is shown whole, as it is stored.
    const QList<ConfigComparison::Difference> inFile = ConfigComparison(a, b, Scope::File).differences();
    QCOMPARE(shown(inFile).mid(0, 4), expected);
    QCOMPARE(inFile.size(), 5);
    QCOMPARE(inFile.last().offset, -1);
    QCOMPARE(shown({inFile.last()}).first(), QString("Key 3, link 13: command %1 -> \"%2\"").arg(hex, hex.toLower()));
    // The whole values stay for whoever keeps them (a report).
    QCOMPARE(inFile.first().valueA, hex);
    QCOMPARE(inFile.first().offset, 60);
}

QTEST_GUILESS_MAIN(TestConfigCompare)
#include "tst_configcompare.moc"
