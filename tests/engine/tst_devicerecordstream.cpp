// Finding the device's records in a load's bytes, without a line.
#include "appdata.h"
#include "devicerecordstream.h"
#include "testrecords.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

using Key = DeviceRecordStream::Key;

// A record as the device sends it, with a command of `commandBytes` bytes that
// holds "SETS" now and then, as a stored command may.
QByteArray deviceRecord(int x, int y, int commandBytes)
{
    QByteArray command;
    for (int i = 0; command.size() < commandBytes; ++i) {
        command.append(i % 3 == 1 ? QByteArray("SETS") : QByteArray(1, char(x * 16 + y + i)));
    }
    command.truncate(commandBytes);
    UartData uart;
    uart.baudRate = BaudRate((x + y) % 8);
    uart.parity = Parity((x * y) % 5);
    if (y == DeviceRecordStream::SecondLayer) {
        ButtonData key(x);
        key.setSecondLayerUartData(&uart);
        key.setSecondLayerDelayTime(200 + x);
        key.setSecondLayerCommand(command.toHex());
        return key.encapsulationSecondLayer();
    }
    LinkData link(x, y);
    link.setUartData(&uart);
    link.setDelayTime(x * 40 + y);
    link.setCommand(command.toHex());
    return link.encapsulation();
}

// The 36 records of a load, with commands of 0 to 70 bytes.
QList<QByteArray> fullLoad()
{
    QList<QByteArray> records;
    int i = 0;
    for (const Key& key : deviceOrder()) {
        records.append(deviceRecord(key.first, key.second, (i++ * 13) % 71));
    }
    return records;
}

struct Outcome {
    QList<QByteArray> records;
    DeviceRecordStream::State state = DeviceRecordStream::State::Reading;
    QList<int> counts;
    QList<Key> missing;

    bool operator==(const Outcome& other) const
    {
        return records == other.records && state == other.state && counts == other.counts && missing == other.missing;
    }
};

// Feeds `bytes` in chunks of the given sizes (repeated; 0 stands for 1).
Outcome feedInChunks(const QByteArray& bytes, const QList<int>& sizes)
{
    DeviceRecordStream stream;
    Outcome outcome;
    qsizetype at = 0;
    for (int i = 0; at < bytes.size(); ++i) {
        const qsizetype n = qMax(1, sizes.at(i % sizes.size()));
        outcome.records += stream.feed(QByteArrayView(bytes).sliced(at, qMin(n, bytes.size() - at)));
        at += n;
    }
    outcome.state = stream.state();
    outcome.counts = {stream.distinctRecords(),  stream.noiseBytes(),   stream.cutRecords(),
                      stream.malformedRecords(), stream.strayRecords(), stream.repeatedRecords()};
    outcome.missing = stream.missingRecords();
    return outcome;
}

Outcome feedWhole(const QByteArray& bytes)
{
    return feedInChunks(bytes, {int(bytes.size())});
}

} // namespace

class TestDeviceRecordStream : public QObject
{
    Q_OBJECT

private slots:
    void fullLoadInAnyChunks();
    void neverAsksPastTheCurrentRecord();
    void cutRecordFollowedByTheNext_data();
    void cutRecordFollowedByTheNext();
    void inconsistentHeadersAreSkipped_data();
    void inconsistentHeadersAreSkipped();
    void repeatedRecordLeavesAnotherMissing();
    void strayRecordsAndTheirLimit();
    void noiseAndItsLimit();
    void randomStreamsDoNotDependOnChunking();
};

void TestDeviceRecordStream::fullLoadInAnyChunks()
{
    const QList<QByteArray> records = fullLoad();
    const QByteArray bytes = records.join();
    for (const QList<int>& sizes : QList<QList<int>>{{int(bytes.size())}, {1}, {5}, {3, 11, 2, 64}, {13}}) {
        const Outcome outcome = feedInChunks(bytes, sizes);
        QCOMPARE(outcome.records, records);
        QCOMPARE(outcome.state, DeviceRecordStream::State::Complete);
        QCOMPARE(outcome.counts, QList<int>({36, 0, 0, 0, 0, 0}));
        QVERIFY(outcome.missing.isEmpty());
    }

    // Once complete, it takes nothing more.
    DeviceRecordStream stream;
    QCOMPARE(stream.feed(bytes).size(), 36);
    QCOMPARE(stream.bytesWanted(), 0);
    QVERIFY(stream.feed(records.first()).isEmpty());
    QCOMPARE(stream.noiseBytes(), 0);
}

void TestDeviceRecordStream::neverAsksPastTheCurrentRecord()
{
    // The device sends the next record only after an acknowledgement: a
    // reader that asked for more than the current record would wait in vain.
    DeviceRecordStream stream;
    for (const QByteArray& record : fullLoad()) {
        qsizetype given = 0;
        QList<QByteArray> found;
        while (found.isEmpty()) {
            const int wanted = stream.bytesWanted();
            QVERIFY(wanted >= 1);
            QVERIFY2(given + wanted <= record.size(), qPrintable(QString::number(given + wanted)));
            found = stream.feed(QByteArrayView(record).sliced(given, wanted));
            given += wanted;
        }
        QCOMPARE(found, QList<QByteArray>{record});
    }
    QVERIFY(stream.isFinished());
}

void TestDeviceRecordStream::cutRecordFollowedByTheNext_data()
{
    QTest::addColumn<int>("commandBytes");
    QTest::addColumn<int>("kept"); // bytes of the cut record that were sent

    QTest::newRow("cut inside the header") << 20 << 9;
    QTest::newRow("cut after the header") << 20 << 13;
    QTest::newRow("cut in the command") << 40 << 30;
    QTest::newRow("the next record's header just inside") << 40 << 45;
    QTest::newRow("empty command, cut") << 0 << 12;
    QTest::newRow("the length byte only") << 30 << 5;
}

void TestDeviceRecordStream::cutRecordFollowedByTheNext()
{
    QFETCH(int, commandBytes);
    QFETCH(int, kept);
    const QByteArray cut = deviceRecord(2, 3, commandBytes).left(kept);
    const QByteArray next = deviceRecord(2, 4, 0);
    const QByteArray after = deviceRecord(2, 5, 17);
    const QByteArray bytes = cut + next + after;

    const Outcome whole = feedWhole(bytes);
    QCOMPARE(whole.records, QList<QByteArray>({next, after}));
    QVERIFY(whole.counts.at(2) + whole.counts.at(3) >= 1); // cut or malformed
    QCOMPARE(whole.counts.at(1), kept); // skipped, and no more
    QVERIFY(whole.missing.contains(Key(2, 3)));
    QCOMPARE(feedInChunks(bytes, {1}), whole);
    QCOMPARE(feedInChunks(bytes, {4, 7}), whole);

    // The next record is found as soon as it is in, not only once the cut
    // record's declared length has been filled (the device would wait for its
    // acknowledgement first).
    DeviceRecordStream stream;
    QCOMPARE(stream.feed(cut + next), QList<QByteArray>{next});
}

void TestDeviceRecordStream::inconsistentHeadersAreSkipped_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");

    QTest::newRow("length below a header") << 4 << 7;
    QTest::newRow("no '-'") << 6 << int('+');
    QTest::newRow("baud rate 8") << 8 << 8;
    QTest::newRow("parity 5") << 9 << 5;
    QTest::newRow("'D' with a command") << 11 << int('D');
    QTest::newRow("not '1'") << 12 << int('2');
    QTest::newRow("key 0") << 5 << 0;
}

void TestDeviceRecordStream::inconsistentHeadersAreSkipped()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    QByteArray bad = deviceRecord(3, 1, 6);
    bad[offset] = char(value);
    const QByteArray good = deviceRecord(3, 2, 6);

    const Outcome outcome = feedWhole(bad + good);
    QCOMPARE(outcome.records, QList<QByteArray>{good});
    QCOMPARE(feedInChunks(bad + good, {1}), outcome);
    DeviceRecordStream stream;
    QVERIFY(!stream.isWholeRecord(bad));
    QVERIFY(stream.isWholeRecord(good));

    // An empty command is marked 'D', never 'E'.
    QByteArray emptyAsE = deviceRecord(3, 1, 0);
    QCOMPARE(emptyAsE.at(11), 'D');
    emptyAsE[11] = 'E';
    QVERIFY(!stream.isWholeRecord(emptyAsE));
}

void TestDeviceRecordStream::repeatedRecordLeavesAnotherMissing()
{
    QList<QByteArray> records = fullLoad();
    records[35] = records.at(34); // key 6, link 4 twice; link 5 never
    const Outcome outcome = feedWhole(records.join());
    QCOMPARE(outcome.state, DeviceRecordStream::State::Reading);
    QCOMPARE(outcome.records, records); // the repeat is whole, so handed back
    QCOMPARE(outcome.counts.at(0), 35);
    QCOMPARE(outcome.counts.at(5), 1);
    QCOMPARE(outcome.missing, QList<Key>{Key(6, 5)});

    DeviceRecordStream stream;
    stream.feed(records.join());
    QCOMPARE(stream.missingNames(), QStringList{"Key 6, link 16"});
    QVERIFY(!stream.hasRecord(6, 5));
    QVERIFY(stream.hasRecord(6, 4));

    DeviceRecordStream fresh;
    QCOMPARE(fresh.missingNames().mid(0, 3), QStringList({"Key 1", "Key 1, second layer", "Key 1, link 13"}));
    QCOMPARE(fresh.missingRecords().size(), 36);
}

void TestDeviceRecordStream::strayRecordsAndTheirLimit()
{
    const QByteArray key7 = deviceRecord(7, 1, 4);
    const QByteArray link7 = deviceRecord(1, 7, 4);
    const QByteArray good = deviceRecord(1, 2, 4);
    Outcome outcome = feedWhole(key7 + link7 + good);
    QCOMPARE(outcome.records, QList<QByteArray>{good});
    QCOMPARE(outcome.counts.at(4), 2);
    QCOMPARE(outcome.counts.at(1), 0); // skipped whole, not as noise

    // Strays and repeats together: 36 are passed over, the 37th ends it.
    QByteArray many = good;
    for (int i = 0; i < 20; ++i) {
        many += key7;
    }
    for (int i = 0; i < 17; ++i) {
        many += good;
    }
    outcome = feedWhole(many + deviceRecord(1, 3, 4));
    QCOMPARE(outcome.state, DeviceRecordStream::State::TooManyStrays);
    QCOMPARE(outcome.records.size(), 1 + 16);
    QVERIFY(outcome.missing.contains(Key(1, 3)));
    QCOMPARE(feedInChunks(many, {9}).state, DeviceRecordStream::State::TooManyStrays);

    // A smaller grid makes key 6 stray.
    DeviceRecordStream small(5, 5);
    QVERIFY(small.feed(deviceRecord(6, 1, 0)).isEmpty());
    QCOMPARE(small.strayRecords(), 1);
    QCOMPARE(small.expectedRecords(), 30);
}

void TestDeviceRecordStream::noiseAndItsLimit()
{
    const QByteArray record = deviceRecord(4, 6, 10);
    // Partial tags, a tag with a short length, bytes of "RETS".
    const QByteArray noise = QByteArray("SE\x00SET\xffSETS\x03RETS") + QByteArray("\r\nS");
    Outcome outcome = feedWhole(noise + record + noise);
    QCOMPARE(outcome.records, QList<QByteArray>{record});
    QCOMPARE(outcome.counts.at(1), int(noise.size() * 2 - 1)); // the last "S" may still start a tag
    QCOMPARE(feedInChunks(noise + record + noise, {1}), outcome);

    const QByteArray limit(DeviceRecordStream::MaxNoiseBytes, '.');
    outcome = feedWhole(limit + record);
    QCOMPARE(outcome.records, QList<QByteArray>{record});
    outcome = feedInChunks(limit + "." + record, {100});
    QVERIFY(outcome.records.isEmpty());
    QCOMPARE(outcome.state, DeviceRecordStream::State::TooMuchNoise);
    QCOMPARE(feedWhole(limit + "." + record), outcome);
}

void TestDeviceRecordStream::randomStreamsDoNotDependOnChunking()
{
    // Records, noise, cut records and repeats in random order, fed whole, byte
    // by byte and in random chunks: the same outcome, and only whole records.
    QRandomGenerator random(20261207);
    const QList<Key> order = deviceOrder();
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes;
        const int parts = random.bounded(1, 60);
        for (int part = 0; part < parts; ++part) {
            const Key key = order.at(random.bounded(int(order.size())));
            const QByteArray record = deviceRecord(key.first, key.second, random.bounded(0, 60));
            switch (random.bounded(5)) {
            case 0:
                bytes += record.left(random.bounded(1, int(record.size())));
                break;
            case 1: {
                QByteArray noise(random.bounded(1, 30), '\0');
                for (char& c : noise) {
                    c = "SETRS-1ED\x00\x01\x06\x08"[random.bounded(13)];
                }
                bytes += noise;
                break;
            }
            case 2: {
                QByteArray damaged = record;
                damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
                bytes += damaged;
                break;
            }
            default:
                bytes += record;
                break;
            }
        }
        const Outcome whole = feedWhole(bytes);
        DeviceRecordStream checker;
        for (const QByteArray& record : whole.records) {
            QVERIFY(checker.isWholeRecord(record));
        }
        QList<int> sizes;
        for (int i = 0; i < 20; ++i) {
            sizes.append(random.bounded(1, 40));
        }
        QCOMPARE(feedInChunks(bytes, {1}), whole);
        QCOMPARE(feedInChunks(bytes, sizes), whole);
    }
}

QTEST_GUILESS_MAIN(TestDeviceRecordStream)
#include "tst_devicerecordstream.moc"
