// The device's record layout and record names, held to hand-written bytes and
// order, and shared by the load stream and the comparison.
#include "appdata.h"
#include "configcompare.h"
#include "devicerecordlayout.h"
#include "devicerecordstream.h"
#include "testrecords.h"

#include <QtTest>

class TestDeviceRecordLayout : public QObject
{
    Q_OBJECT

private slots:
    void orderAndNames();
    void everyUserNamesRecordsAlike();
    void offsetsReadAHandWrittenRecord();
};

using Key = QPair<int, int>;

void TestDeviceRecordLayout::orderAndNames()
{
    QCOMPARE(DeviceRecordLayout::recordOrder(), deviceOrder());
    QCOMPARE(DeviceRecordLayout::recordOrder().size(), DeviceRecordLayout::Records);
    // A smaller grid keeps the same order within each key.
    QCOMPARE(DeviceRecordLayout::recordOrder(2, 3),
             QList<Key>({{1, 1}, {1, 6}, {1, 2}, {1, 3}, {2, 1}, {2, 6}, {2, 2}, {2, 3}}));
    QCOMPARE(DeviceRecordLayout::layerOrder(1), QList<int>({1, 6}));

    QStringList names;
    for (int layer : DeviceRecordLayout::layerOrder()) {
        names << DeviceRecordLayout::recordName(3, layer);
    }
    QCOMPARE(names,
             QStringList({"Key 3", "Key 3, second layer", "Key 3, link 13", "Key 3, link 14", "Key 3, link 15",
                          "Key 3, link 16"}));
}

// What a load misses and what a comparison finds are said in the device's
// order and with the same names.
void TestDeviceRecordLayout::everyUserNamesRecordsAlike()
{
    QStringList expectedNames;
    for (const Key& key : deviceOrder()) {
        expectedNames << DeviceRecordLayout::recordName(key.first, key.second);
    }

    const DeviceRecordStream fresh;
    QCOMPARE(fresh.missingRecords(), deviceOrder());
    QCOMPARE(fresh.missingNames(), expectedNames);

    ProgramRecords full;
    full.newData(DeviceRecordLayout::Keys, DeviceRecordLayout::Links);
    ProgramRecords none;
    none.newData(0, 0);
    const QList<ConfigComparison::Difference> differences =
        ConfigComparison(full, none, ConfigComparison::Scope::Device).differences();
    QList<Key> compared;
    QStringList comparedNames;
    for (const ConfigComparison::Difference& difference : differences) {
        QCOMPARE(difference.field, ConfigComparison::Field::Presence);
        compared.append({difference.key, difference.layer});
        comparedNames << difference.record;
    }
    QCOMPARE(compared, deviceOrder());
    QCOMPARE(comparedNames, expectedNames);
}

// The worked example of a device record, byte by byte: key 2, link 3, 9600
// baud, no parity, delay 3, command 41 42.
void TestDeviceRecordLayout::offsetsReadAHandWrittenRecord()
{
    using namespace DeviceRecordLayout;
    const QByteArray record = QByteArray::fromHex("534554530A022D030200034531"
                                                  "4142");
    QCOMPARE(record.left(TagSize), Tag.toByteArray());
    QCOMPARE(int(record.at(LengthOffset)), int(record.size()) - FrameHeaderSize);
    QCOMPARE(int(record.at(LengthOffset)), MinLength + 2);
    QCOMPARE(int(record.at(KeyOffset)), 2);
    QCOMPARE(record.at(DashOffset), Dash);
    QCOMPARE(int(record.at(LinkOffset)), 3);
    QCOMPARE(int(record.at(BaudOffset)), int(BaudRate9600));
    QCOMPARE(int(record.at(ParityOffset)), int(ParityNone));
    QCOMPARE(int(record.at(DelayOffset)), 3);
    QCOMPARE(record.at(CommandFlagOffset), CommandFollows);
    QCOMPARE(record.at(EndMarkOffset), EndMark);
    QCOMPARE(record.mid(HeaderSize), QByteArray("AB"));
}

QTEST_GUILESS_MAIN(TestDeviceRecordLayout)
#include "tst_devicerecordlayout.moc"
