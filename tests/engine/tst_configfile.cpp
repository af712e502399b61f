// The configuration file: exact bytes, round trips, and damaged files.
#include "appdata.h"
#include "diagnostics.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

class TestConfigFile : public QObject
{
    Q_OBJECT

private slots:
    // The traces some cases expect are off unless asked for.
    void initTestCase() { Diagnostics::enable(); }
    void freshFileBytes();
    void linkRecordBytes();
    void roundTripEveryField();
    void refusedHeaders();
    void readerRules();
    void headerCountsKeepModelShape();
    void headersBeyondTheModelAreRefused_data();
    void headersBeyondTheModelAreRefused();
    void strayRecordsSkipTheirPayload();
    void damagedFilesChangeNothing();
    void everyCutIsRefused();
    void repeatedAndMissingFieldsAreRefused();
    void namesAreLatin1();
    void writeErrorsAreReported();
    void randomMutationsNeverHalfLoad();
};

namespace {

QByteArray save(ProgramRecords& manager)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!manager.saveConfigFile(&buffer)) {
        return QByteArray();
    }
    return buffer.data();
}

bool load(ProgramRecords& manager, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return manager.loadConfigFile(&buffer);
}

QByteArray int32(qint32 v)
{
    const qint32 le = qToLittleEndian(v);
    return QByteArray(reinterpret_cast<const char*>(&le), 4);
}

constexpr int PayloadSize = INT_MIN;

QByteArray dataRecord(int x, int y, int type, const QByteArray& payload, int size = PayloadSize)
{
    return int32(x) + int32(y) + int32(size == PayloadSize ? int(payload.size()) : size) + int32(type) + payload;
}

QByteArray header(int keys = 6, int links = 5)
{
    return int32(0x00010001) + int32(qint32(0xC0000001)) + int32(keys) + int32(links) + QByteArray(16, '\0');
}

// The data records of a file, each whole, in file order.
QList<QByteArray> recordsOf(const QByteArray& file)
{
    QList<QByteArray> records;
    for (qsizetype at = FileHeaderSize; at < file.size();) {
        const qint32 size = qFromLittleEndian<qint32>(file.constData() + at + 8);
        records << file.mid(at, DataHeaderSize + size);
        at += DataHeaderSize + size;
    }
    return records;
}

QByteArray fileOf(const QList<QByteArray>& records, int keys = 6, int links = 5)
{
    return header(keys, links) + records.join();
}

// The records of a fresh configuration, as the writer writes them.
QList<QByteArray> freshRecords()
{
    ProgramRecords m;
    m.newData(6, 5);
    return recordsOf(save(m));
}

// Where in `records` the field of record (x, y) is; the nth when a key carries it twice.
qsizetype indexOf(const QList<QByteArray>& records, int x, int y, int type, int nth = 1)
{
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (records[i].left(8) == int32(x) + int32(y) && records[i].mid(12, 4) == int32(type) && --nth == 0) {
            return i;
        }
    }
    return -1;
}

// Loads with the loader's own debug messages (passed-over records) silenced.
bool loadQuietly(ProgramRecords& manager, const QByteArray& bytes)
{
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) {});
    const bool loaded = load(manager, bytes);
    qInstallMessageHandler(previous);
    return loaded;
}

// Fills every field of every record with values that differ per record.
void fillAll(ProgramRecords& m)
{
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            LinkData* r = m.getDataObject(x, y);
            const UartData u{BaudRate((x + y) % 8), Parity((x * y) % 5), DataBits(y % 4), StopBits(x % 2)};
            r->setUartData(&u);
            r->setCommand(QString("%1%2FF0D").arg(x, 2, 10, QChar('0')).arg(y, 2, 10, QChar('0')));
            r->setDelayTime(x * 40 + y);
            if (y > 1) { // a key's own link name is not kept by the file
                r->setLinkName(QString("link %1-%2").arg(x).arg(y));
            }
        }
        auto* b = static_cast<ButtonData*>(m.getDataObject(x, 1));
        const UartData s{BaudRate((x + 3) % 8), Parity((x + 1) % 5), DataBits((x + 2) % 4), StopBits((x + 1) % 2)};
        b->setButtonName(QString("Key Nr. %1 \u00e9").arg(x));
        b->setSecondLayerEnable(x % 2 == 0);
        b->setSecondLayerUartData(&s);
        b->setSecondLayerCommand(x == 3 ? QString() : QString("AB%1").arg(x, 2, 10, QChar('0')));
        b->setSecondLayerDelayTime(255 - x);
    }
}

// Every field the file carries, as one comparable text.
QString describe(const ProgramRecords& m)
{
    QString out;
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            const LinkData* r = m.getDataObject(x, y);
            UartData u;
            r->getUartData(&u);
            out += QString("%1,%2:%3|%4|%5|")
                       .arg(x)
                       .arg(y)
                       .arg(r->getCommand())
                       .arg(r->getDelayTime())
                       .arg(ProgramRecords::uartString(&u));
            if (y == 1) {
                auto* b = static_cast<const ButtonData*>(r);
                b->getSecondLayerUartData(&u);
                out += QString("%1|%2|%3|%4|%5")
                           .arg(b->getButtonName())
                           .arg(b->isSecondLayerEnabled())
                           .arg(b->getSecondLayerCommand())
                           .arg(b->getSecondLayerDelayTime())
                           .arg(ProgramRecords::uartString(&u));
            } else {
                out += r->getLinkName();
            }
            out += '\n';
        }
    }
    return out;
}

} // namespace

void TestConfigFile::freshFileBytes()
{
    ProgramRecords m;
    m.newData(6, 5);
    const QByteArray bytes = save(m);
    QCOMPARE(bytes.size(), 3338);
    QCOMPARE(bytes.left(32).toHex(' '),
             QByteArray("01 00 01 00 01 00 00 c0 06 00 00 00 05 00 00 00 "
                        "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    QCOMPARE(bytes.mid(32, 21), dataRecord(1, 1, DT_ButtonName, "Empty"));
    QCOMPARE(bytes.right(20), dataRecord(6, 5, DT_DelayTime, int32(0)));
    // A key takes nine data records in the order 0, 1, 2, 3, 0, 4, 6, 5, 7.
    QBuffer in;
    in.setData(bytes.mid(32, 195));
    in.open(QIODevice::ReadOnly);
    QList<int> types;
    while (!in.atEnd()) {
        char header[DataHeaderSize];
        QCOMPARE(in.read(header, DataHeaderSize), qint64(DataHeaderSize));
        const qint32 size = qFromLittleEndian<qint32>(header + 8);
        types << qFromLittleEndian<qint32>(header + 12);
        in.read(size);
    }
    QCOMPARE(types, QList<int>({0, 1, 2, 3, 0, 4, 6, 5, 7}));
}

void TestConfigFile::linkRecordBytes()
{
    ProgramRecords m;
    m.newData(6, 5);
    LinkData* link = m.getDataObject(1, 2);
    link->setCommand("0D0A");
    link->setDelayTime(3);
    const QByteArray bytes = save(m);
    const QByteArray expected = QByteArray::fromHex("01000000020000000500000000000000"
                                                    "456D707479"
                                                    "01000000020000001000000001000000"
                                                    "02000000000000000300000000000000"
                                                    "01000000020000000400000002000000"
                                                    "30443041"
                                                    "01000000020000000400000003000000"
                                                    "03000000");
    QCOMPARE(expected.size(), 93);
    QCOMPARE(bytes.mid(32 + 195, 93), expected);
}

void TestConfigFile::roundTripEveryField()
{
    ProgramRecords source;
    source.newData(6, 5);
    fillAll(source);
    const QByteArray bytes = save(source);
    QVERIFY(!bytes.isEmpty());

    ProgramRecords target;
    target.newData(6, 5);
    QVERIFY(load(target, bytes));
    QCOMPARE(describe(target), describe(source));
    // Saving what was loaded gives the same bytes.
    QCOMPARE(save(target), bytes);

    // Through a real file as well.
    QTemporaryDir dir;
    QFile file(dir.filePath("all.app"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(source.saveConfigFile(&file));
    file.close();
    ProgramRecords fromDisk;
    fromDisk.newData(6, 5);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(fromDisk.loadConfigFile(&file));
    QCOMPARE(describe(fromDisk), describe(source));
}

void TestConfigFile::refusedHeaders()
{
    ProgramRecords m;
    m.newData(6, 5);
    fillAll(m);
    const QString before = describe(m);
    QByteArray body = dataRecord(1, 2, DT_Command, "FFFF");

    QByteArray badVersion = header() + body;
    badVersion[0] = 2;
    QByteArray badDevice = header() + body;
    badDevice[7] = char(0xC1);
    for (const QByteArray& bytes : {badVersion, badDevice, header().left(20), QByteArray()}) {
        QTest::ignoreMessage(QtDebugMsg, "error file Header");
        QVERIFY(!load(m, bytes));
    }
    QCOMPARE(describe(m), before);
    QCOMPARE(m.getMaxButtonId(), 6);

    // A header that announces six keys and holds none is a file cut short.
    QTest::ignoreMessage(QtDebugMsg, "error file data: a field is missing");
    QVERIFY(!load(m, header()));
    QCOMPARE(m.loadError(), QString("the file ends after 32 bytes, before the name of Key 1"));
    QCOMPARE(describe(m), before);
}

void TestConfigFile::readerRules()
{
    ProgramRecords m;
    m.newData(6, 5);
    QList<QByteArray> records = freshRecords();
    records[indexOf(records, 2, 1, DT_ButtonName, 2)] = dataRecord(2, 1, DT_ButtonName, QByteArray("AB\0CD", 5));
    records[indexOf(records, 2, 3, DT_Command)] = dataRecord(2, 3, DT_Command, "22");
    records[indexOf(records, 2, 3, DT_ButtonName)] = dataRecord(2, 3, DT_ButtonName, "linkname");
    records[indexOf(records, 2, 1, DT_SecondLayerEnabled)] = dataRecord(2, 1, DT_SecondLayerEnabled,
                                                                        QByteArray(1, char(7)));
    // Any order: the key's name last, its first layer after its links.
    records.move(indexOf(records, 2, 1, DT_ButtonName, 2), records.size() - 1);
    records.move(indexOf(records, 2, 1, DT_Command), indexOf(records, 2, 5, DT_DelayTime));
    m.getDataObject(2, 1)->setCommand("AA");
    QVERIFY(load(m, fileOf(records)));
    auto* key = static_cast<ButtonData*>(m.getDataObject(2, 1));
    QCOMPARE(key->getButtonName(), QString("AB"));
    QCOMPARE(key->getLinkName(), QString("Empty")); // a key's name record goes to its name
    QVERIFY(key->isSecondLayerEnabled());
    QVERIFY(key->getCommand().isEmpty()); // an empty command
    QCOMPARE(m.getDataObject(2, 3)->getCommand(), QString("22"));
    QCOMPARE(m.getDataObject(2, 3)->getLinkName(), QString("linkname"));
    QCOMPARE(m.getDataObject(2, 2)->getLinkName(), QString("Empty"));
}

void TestConfigFile::headerCountsKeepModelShape()
{
    // A file written by a model of 3 keys holds every field of its own keys.
    QList<QByteArray> records = freshRecords();
    records[indexOf(records, 1, 2, DT_Command)] = dataRecord(1, 2, DT_Command, "0102");
    const QByteArray threeKeys = fileOf(records.mid(0, 75), 3, 5);
    ProgramRecords m;
    m.newData(6, 5);
    m.getDataObject(5, 2)->setCommand("AA");
    QVERIFY2(loadQuietly(m, threeKeys), qPrintable(m.loadError()));
    QCOMPARE(m.getMaxButtonId(), 6);
    QCOMPARE(m.getMaxLinkId(), 5);
    QCOMPARE(m.getDataObject(1, 2)->getCommand(), QString("0102"));
    QCOMPARE(m.getDataObject(5, 2)->getCommand(), QString("AA")); // not in the file
    // It may still carry fields of the model's other keys, once each.
    QVERIFY(loadQuietly(m, threeKeys + dataRecord(5, 2, DT_Command, "BB")));
    QCOMPARE(m.getDataObject(5, 2)->getCommand(), QString("BB"));
    QVERIFY(!loadQuietly(m, threeKeys + dataRecord(5, 2, DT_Command, "CC") + dataRecord(5, 2, DT_Command, "CC")));
    QCOMPARE(m.getDataObject(5, 2)->getCommand(), QString("BB"));
}

void TestConfigFile::headersBeyondTheModelAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QList<QByteArray> seventh;
    for (const QByteArray& record : freshRecords().mid(0, 25)) {
        seventh << int32(7) + record.mid(4);
    }
    const QString keys("its header announces %1 keys, more than the 6 a configuration holds");
    const QString links("its header announces %1 records a key, more than the 5 a configuration holds");
    QTest::newRow("a whole file of 7 keys") << fileOf(freshRecords() + seventh, 7, 5) << keys.arg(7);
    // The header alone: counting the fields it announces would not end.
    QTest::newRow("2147483647 keys, no links") << header(INT_MAX, 0) << keys.arg(INT_MAX);
    QTest::newRow("1000000000 keys") << header(1000000000, 5) << keys.arg(1000000000);
    QTest::newRow("2147483647 records a key") << header(6, INT_MAX) << links.arg(INT_MAX);
    // Announcing none would let defaults stand in for whatever was cut off.
    const QString noKeys("its header announces %1 keys, fewer than the 1 to 6 a configuration holds");
    const QString noLinks("its header announces %1 records a key, fewer than the 1 to 5 a configuration holds");
    QTest::newRow("0 keys, no records") << header(0, 0) << noKeys.arg(0);
    QTest::newRow("-1 keys, then a cut file") << fileOf(freshRecords().mid(0, 30), -1, 5) << noKeys.arg(-1);
    QTest::newRow("-2147483648 keys") << header(INT_MIN, 5) << noKeys.arg(INT_MIN);
    QTest::newRow("0 records a key, then a cut file") << fileOf(freshRecords().mid(0, 30), 6, 0) << noLinks.arg(0);
    QTest::newRow("-1 records a key") << header(6, -1) << noLinks.arg(-1);
}

void TestConfigFile::headersBeyondTheModelAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    ProgramRecords m;
    m.newData(6, 5);
    fillAll(m);
    const QByteArray before = save(m);
    QVERIFY(!loadQuietly(m, bytes));
    QCOMPARE(m.loadError(), reason);
    QCOMPARE(save(m), before);
}

void TestConfigFile::strayRecordsSkipTheirPayload()
{
    ProgramRecords m;
    m.newData(6, 5);
    // Payloads that would read as a header if they were not skipped.
    const QByteArray fake = dataRecord(1, 1, DT_Command, "EE");
    QList<QByteArray> records = freshRecords();
    records[indexOf(records, 1, 1, DT_DelayTime)] = dataRecord(1, 1, DT_DelayTime, int32(17));
    const QByteArray bytes = header() + records.mid(0, 9).join() + dataRecord(9, 1, DT_Command, fake) // no such record
        + dataRecord(1, 1, 42, fake) // no such field
        + dataRecord(1, 2, DT_SecondLayerCommand, fake) // a link has no second layer
        + dataRecord(1, 3, DT_SecondLayerDelayTime, int32(5))
        // Passed over, so their size is not checked against their type.
        + dataRecord(9, 1, DT_DelayTime, fake) + dataRecord(1, 2, DT_SecondLayerUartData, fake + "x")
        + dataRecord(1, 4, DT_SecondLayerEnabled, int32(1))
        + dataRecord(1, 2, DT_SecondLayerDelayTime, int32(1)) // passed over, so never a repeat
        + records.mid(9).join();
    QTest::ignoreMessage(QtDebugMsg, "null data oabject");
    QTest::ignoreMessage(QtDebugMsg, "null data oabject");
    QVERIFY2(load(m, bytes), qPrintable(m.loadError()));
    QVERIFY(m.getDataObject(1, 1)->getCommand().isEmpty());
    QCOMPARE(m.getDataObject(1, 1)->getDelayTime(), 17);
    QCOMPARE(m.getDataObject(1, 3)->getDelayTime(), 0);
}

void TestConfigFile::damagedFilesChangeNothing()
{
    ProgramRecords source;
    source.newData(6, 5);
    fillAll(source);
    const QByteArray good = save(source);

    ProgramRecords m;
    m.newData(6, 5);
    const QString fresh = describe(m);
    // The good file with one record in place of its own field.
    const auto replaced = [&good](int x, int y, int type, const QByteArray& record) {
        QList<QByteArray> records = recordsOf(good);
        records[indexOf(records, x, y, type)] = record;
        return fileOf(records);
    };
    const QList<QByteArray> damaged = {
        good.left(good.size() - 1), // ends inside a payload
        good.left(32 + 10), // ends inside a data header
        good + QByteArray(7, '\1'), // a stray tail
        replaced(1, 2, DT_Command, dataRecord(1, 2, DT_Command, "", -4)),
        replaced(1, 2, DT_Command, dataRecord(1, 2, DT_Command, "", 65537)),
        replaced(1, 2, DT_DelayTime, dataRecord(1, 2, DT_DelayTime, "12")),
        // Fields of a fixed size, given another size, on records that would be applied.
        replaced(1, 1, DT_UartData, dataRecord(1, 1, DT_UartData, QByteArray(12, '\0'))),
        replaced(2, 3, DT_DelayTime, dataRecord(2, 3, DT_DelayTime, int32(5) + QByteArray(1, '\0'))),
        replaced(4, 1, DT_SecondLayerEnabled, dataRecord(4, 1, DT_SecondLayerEnabled, int32(1))),
        replaced(4, 1, DT_SecondLayerDelayTime, dataRecord(4, 1, DT_SecondLayerDelayTime, QByteArray("\1\0", 2))),
    };
    for (const QByteArray& bytes : damaged) {
        QVERIFY(!loadQuietly(m, bytes));
        QVERIFY(!m.loadError().isEmpty());
        QCOMPARE(describe(m), fresh);
    }
    QVERIFY(loadQuietly(m, good));
    QVERIFY(m.loadError().isEmpty());
}

void TestConfigFile::everyCutIsRefused()
{
    ProgramRecords source;
    source.newData(6, 5);
    fillAll(source);
    const QByteArray good = save(source);
    const QList<QByteArray> records = recordsOf(good);
    QCOMPARE(records.size(), 150);

    ProgramRecords m;
    m.newData(6, 5);
    const QString fresh = describe(m);
    // Cut where a record ends (the header alone included) the file looks whole but lacks
    // the rest; the error says where it ends and what comes next.
    qsizetype end = FileHeaderSize;
    int boundaries = 0;
    for (qsizetype i = 0; i < records.size(); ++i) {
        QVERIFY(!loadQuietly(m, good.left(end)));
        QVERIFY2(m.loadError().startsWith(QString("the file ends after %1 bytes, before the ").arg(end)),
                 qPrintable(m.loadError()));
        QCOMPARE(describe(m), fresh);
        ++boundaries;
        end += records[i].size();
    }
    QCOMPARE(end, good.size());
    QCOMPARE(boundaries, 150);
    QVERIFY(loadQuietly(m, good.left(end)));
    QCOMPARE(describe(m), describe(source));

    // Where the last record of key 3 is cut off: its second-layer delay.
    m.resetDataObject();
    const qsizetype keyThreeEnds = FileHeaderSize + records.mid(0, 2 * 25 + 9).join().size();
    QVERIFY(!loadQuietly(m, good.left(keyThreeEnds - 20)));
    QCOMPARE(m.loadError(),
             QString("the file ends after %1 bytes, before the second-layer delay of Key 3").arg(keyThreeEnds - 20));

    // Every other length ends inside a record.
    for (qsizetype size = FileHeaderSize + 1; size < good.size(); ++size) {
        if (!loadQuietly(m, good.left(size))) {
            continue;
        }
        QFAIL(qPrintable(QString("a file cut to %1 bytes was taken").arg(size)));
    }
    QCOMPARE(describe(m), fresh);
}

void TestConfigFile::repeatedAndMissingFieldsAreRefused()
{
    ProgramRecords source;
    source.newData(6, 5);
    fillAll(source);
    const QByteArray good = save(source);
    const QList<QByteArray> records = recordsOf(good);

    ProgramRecords m;
    m.newData(6, 5);
    const QString fresh = describe(m);
    const auto refused = [&](const QByteArray& bytes, const QString& reason) {
        QVERIFY(!loadQuietly(m, bytes));
        QCOMPARE(m.loadError(), reason);
        QCOMPARE(describe(m), fresh);
    };

    // A link's command twice, the second one at its end.
    const qsizetype command = indexOf(records, 3, 4, DT_Command);
    QList<QByteArray> twice = records;
    twice.append(dataRecord(3, 4, DT_Command, "00"));
    refused(fileOf(twice), QString("Key 3, link 15 repeats its command at byte %1").arg(good.size()));
    // A key carries two names; a third is one too many.
    twice = records;
    twice.insert(command, dataRecord(3, 1, DT_ButtonName, "Third"));
    const qsizetype at = FileHeaderSize + records.mid(0, command).join().size();
    refused(fileOf(twice), QString("Key 3 repeats its name at byte %1").arg(at));

    // A file followed by another file's records opens as neither; so does one followed by
    // a whole other file.
    ProgramRecords other;
    other.newData(6, 5);
    const QByteArray otherFile = save(other);
    refused(good + otherFile.mid(FileHeaderSize), QString("Key 1 repeats its name at byte %1").arg(good.size()));
    QVERIFY(!loadQuietly(m, good + otherFile));
    QCOMPARE(describe(m), fresh);

    // A field left out in the middle is named.
    QList<QByteArray> gap = records;
    gap.removeAt(indexOf(gap, 5, 1, DT_SecondLayerUartData));
    refused(fileOf(gap), QString("Key 5 lacks its second-layer line settings"));
    gap = records;
    gap.removeAt(indexOf(gap, 2, 1, DT_ButtonName, 2));
    refused(fileOf(gap), QString("Key 2 lacks its name"));
}

void TestConfigFile::namesAreLatin1()
{
    ProgramRecords m;
    m.newData(6, 5);
    static_cast<ButtonData*>(m.getDataObject(1, 1))->setButtonName(QString::fromUtf8("Caf\u00e9 \u00ff"));
    m.getDataObject(1, 2)->setLinkName(QString::fromUtf8("Pf\u20ac"));
    const QByteArray bytes = save(m);
    QVERIFY(bytes.contains(QByteArray("Caf\xe9 \xff")));
    QCOMPARE(bytes.size(), 3338 - 5 + 6 - 5 + 3);

    ProgramRecords back;
    back.newData(6, 5);
    QVERIFY(load(back, bytes));
    QCOMPARE(back.getButtonName(1), QString::fromUtf8("Caf\u00e9 \u00ff"));
    QCOMPARE(back.getDataObject(1, 2)->getLinkName(), QString("Pf?"));
}

void TestConfigFile::writeErrorsAreReported()
{
    ProgramRecords m;
    m.newData(6, 5);
    // A plain QFile on /dev/full fails its writes; the device node stays.
    QFile full("/dev/full");
    if (!full.open(QIODevice::WriteOnly)) {
        QSKIP("/dev/full is not available");
    }
    QVERIFY(!m.saveConfigFile(&full));

    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    QVERIFY(!m.saveConfigFile(&readOnly));
}

void TestConfigFile::randomMutationsNeverHalfLoad()
{
    ProgramRecords source;
    source.newData(6, 5);
    fillAll(source);
    const QByteArray good = save(source);
    QRandomGenerator rng(20261207);

    ProgramRecords m;
    m.newData(6, 5);
    QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int loaded = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = good;
        switch (round % 3) {
        case 0: { // flip a few bytes after the file header
            const int flips = 1 + rng.bounded(4);
            for (int i = 0; i < flips; ++i) {
                bytes[32 + rng.bounded(int(bytes.size()) - 32)] = char(rng.bounded(256));
            }
            break;
        }
        case 1: // cut the file short
            bytes.truncate(32 + rng.bounded(int(bytes.size()) - 32));
            break;
        default: // splice in random bytes
            bytes.insert(32 + rng.bounded(int(bytes.size()) - 32),
                         QByteArray(1 + rng.bounded(24), char(rng.bounded(256))));
            break;
        }
        m.resetDataObject();
        const QString before = describe(m);
        if (load(m, bytes)) {
            ++loaded;
        } else {
            QCOMPARE(describe(m), before);
        }
        QCOMPARE(m.getMaxButtonId(), 6);
        QCOMPARE(m.getMaxLinkId(), 5);
    }
    qInstallMessageHandler(previous);
    QVERIFY(loaded > 0); // some mutations only change values
    QVERIFY(loaded < 3000);
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
