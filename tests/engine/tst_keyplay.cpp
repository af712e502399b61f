// Playing a whole key on equipment behind a port: which records go and in
// which order, each at its own line settings and after its own delay, whose
// reply is whose, and Cancel in the middle of a delay.
#include "keyplay.h"
#include "linesettings.h"
#include "ptypeer.h"
#include "testrecords.h"

#include <QtTest>

using Outcome = CommandTrial::Outcome;

namespace {

// Each record gets its reply's first byte after 20 ms and the rest 300 ms later.
void answerEach(PtyPeer* equipment, const QList<QByteArray>& replies)
{
    for (int i = 0; i < replies.size(); ++i) {
        QList<PtyPeer::Part> parts{{20, replies.at(i).left(1)}};
        if (replies.at(i).size() > 1) {
            parts.append({300, replies.at(i).mid(1)});
        }
        equipment->answer(playedRecords().at(i).bytes, parts);
    }
}

} // namespace

class TestKeyPlay : public QObject
{
    Q_OBJECT

private slots:
    void plays_data();
    void plays();

private:
    void checkEachRecord(const PtyPeer& equipment, const KeyPlay::Result& result,
                         std::chrono::steady_clock::time_point start, const QList<int>& delays,
                         const QList<QByteArray>& replies);
};

void TestKeyPlay::plays_data()
{
    QTest::addColumn<bool>("secondLayer");
    QTest::addColumn<QList<int>>("leftOut"); // layers ticked off
    QTest::addColumn<QList<int>>("delays"); // seconds, first layer, links 13 and 15, second layer
    QTest::addColumn<bool>("skipDelays");
    QTest::addColumn<int>("cancelAfterMs"); // after the first send; -1 never
    QTest::addColumn<QByteArray>("received");
    // What the peer answers each record with, and so the reply each has;
    // none: the peer stays silent.
    QTest::addColumn<QList<QByteArray>>("replies");
    QTest::addColumn<Outcome>("outcome");

    const QList<QByteArray> silent;
    QTest::newRow("every record, delays skipped") << true << QList<int>() << QList<int>{3, 3, 3, 3} << true << -1
                                                  << QByteArray("\x11\x22\x33\x44") << silent << Outcome::Silent;
    QTest::newRow("second layer off") << false << QList<int>() << QList<int>{0, 0, 0, 0} << false << -1
                                      << QByteArray("\x11\x22\x33") << silent << Outcome::Silent;
    QTest::newRow("link 13 and first layer ticked off") << true << QList<int>{1, 2} << QList<int>{0, 0, 0, 0} << false
                                                        << -1 << QByteArray("\x33\x44") << silent << Outcome::Silent;
    // Link 13's second part comes during link 15's delay, link 15's during the last wait.
    QTest::newRow("delays 0, 1 and 2 s with replies")
        << false << QList<int>() << QList<int>{0, 1, 2, 0} << false << -1 << QByteArray("\x11\x22\x33")
        << QList<QByteArray>{"a", "b+", "c"} << Outcome::Replied;
    QTest::newRow("cancel in a delay") << false << QList<int>() << QList<int>{0, 30, 0, 0} << false << 300
                                       << QByteArray("\x11") << silent << Outcome::Cancelled;
}

void TestKeyPlay::plays()
{
    QFETCH(bool, secondLayer);
    QFETCH(QList<int>, leftOut);
    QFETCH(QList<int>, delays);
    QFETCH(bool, skipDelays);
    QFETCH(int, cancelAfterMs);
    QFETCH(QByteArray, received);
    QFETCH(QList<QByteArray>, replies);
    QFETCH(Outcome, outcome);

    ProgramRecords records;
    records.newData(6, 5);
    setPlayedKey(&records, 3, delays, secondLayer);
    QList<KeyPlay::Step> steps = KeyPlay::steps(records, 3);
    QCOMPARE(steps.size(), secondLayer ? 4 : 3);
    for (KeyPlay::Step& step : steps) {
        step.leftOut = leftOut.contains(step.layer);
    }

    PtyPeer equipment(PtyPeer::Mode::Silent);
    answerEach(&equipment, replies);
    QVERIFY(equipment.open());

    KeyPlay::Request request;
    request.port = equipment.portName();
    request.records = KeyPlay::toPlay(steps);
    request.quietMs = 400;
    request.skipDelays = skipDelays;
    QElapsedTimer sinceFirst;
    const auto start = std::chrono::steady_clock::now();
    const KeyPlay::Result result = KeyPlay::run(
        request, [&] { return cancelAfterMs >= 0 && sinceFirst.isValid() && sinceFirst.hasExpired(cancelAfterMs); },
        [&](int, const CommandTrial::Chunk& chunk) {
            if (chunk.direction == CommandTrial::Direction::Sent && !sinceFirst.isValid()) {
                sinceFirst.start();
            }
        });

    QVERIFY2(result.outcome == outcome, qPrintable(result.describe()));
    QCOMPARE(equipment.received(), received);
    if (cancelAfterMs >= 0) {
        // At once: not at the end of the delay.
        QVERIFY2(sinceFirst.elapsed() < cancelAfterMs + 200, qPrintable(QString::number(sinceFirst.elapsed())));
    }
    QVERIFY(!skipDelays || sinceFirst.elapsed() < 2000);
    if (!replies.isEmpty()) {
        checkEachRecord(equipment, result, start, delays, replies);
    }
}

// Each record its own read, at its own settings, its delay after the one before,
// with its own reply read as it came.
void TestKeyPlay::checkEachRecord(const PtyPeer& equipment, const KeyPlay::Result& result,
                                  std::chrono::steady_clock::time_point start, const QList<int>& delays,
                                  const QList<QByteArray>& replies)
{
    const QList<PtyPeer::Arrival> arrivals = equipment.arrivals();
    QCOMPARE(arrivals.size(), replies.size());
    QCOMPARE(result.played.size(), replies.size());
    auto before = start;
    for (int i = 0; i < arrivals.size(); ++i) {
        const auto gap = std::chrono::duration_cast<std::chrono::milliseconds>(arrivals.at(i).at - before).count();
        QVERIFY2(qAbs(gap - delays.at(i) * 1000) <= 150,
                 qPrintable(QStringLiteral("record %1: %2 ms").arg(i).arg(gap)));
        before = arrivals.at(i).at;
        SerialLink::Line line;
        QVERIFY(LineSettings::toLine(playedRecords().at(i).line, &line));
        QCOMPARE(arrivals.at(i).line.speed, quint32(line.baudRate));
        QCOMPARE(arrivals.at(i).line.twoStopBits, line.stopBits == QSerialPort::TwoStop);
        QCOMPARE(arrivals.at(i).line.oddParity, line.parity == QSerialPort::OddParity);
        QCOMPARE(result.played.at(i).reply, replies.at(i));
        // Read as it came, not when the delay was over.
        QVERIFY(result.played.at(i).firstByteMs - result.played.at(i).sentMs < 150);
    }
}

QTEST_GUILESS_MAIN(TestKeyPlay)
#include "tst_keyplay.moc"
