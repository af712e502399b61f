// The trace of the device link: whole lines from several threads at once, a
// file that stays within its limit, and a trace that cannot be written is said
// (one that cannot be opened: tst_cli).
#include "linktrace.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// Chunk i of a port: its own length and bytes, so a line mixed up with
// another's shows.
QByteArray chunk(int port, int i)
{
    return QByteArray(1 + i % 37, char(port * 16 + i % 16));
}

} // namespace

class TestLinkTrace : public QObject
{
    Q_OBJECT

private slots:
    void severalPortsAtOnceKeepWholeLines();
    void staysWithinItsLimit_data();
    void staysWithinItsLimit();
    void aLineThatCannotBeWrittenEndsTheTrace();
};

void TestLinkTrace::severalPortsAtOnceKeepWholeLines()
{
    QTemporaryDir dir;
    LinkTrace trace(dir.filePath("trace.txt"));
    QVERIFY2(trace.open(), qPrintable(trace.errorString()));
    const QStringList ports{"/dev/ttyUSB0", "/dev/my port%1", "ttyS1", "pts/7"};
    constexpr int Chunks = 400;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int p = 0; p < ports.size(); ++p) {
        threads.emplace_back(QThread::create([&trace, &ports, p] {
            for (int i = 0; i < Chunks; ++i) {
                trace.record(ports.at(p), i % 2 ? LinkTrace::Direction::In : LinkTrace::Direction::Out, chunk(p, i));
            }
        }));
        threads.back()->start();
    }
    for (const auto& thread : threads) {
        thread->wait();
    }
    trace.close();
    QVERIFY(!trace.hasFailed());
    QVERIFY(!trace.wasCut());

    const QStringList lines = readLines(trace.fileName());
    QVERIFY(lines.first().startsWith("# kvr210c link trace, started "));
    QCOMPARE(lines.size(), 1 + ports.size() * Chunks);
    const QStringList words{"/dev/ttyUSB0", "/dev/my%20port%251", "ttyS1", "pts/7"};
    const QRegularExpression shape("^(\\d+) (\\S+) (out|in) ([0-9a-f]+) \\|(.*)\\|$");
    QList<int> next(ports.size(), 0);
    qint64 time = 0;
    for (const QString& line : lines.mid(1)) {
        const QRegularExpressionMatch match = shape.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QVERIFY2(match.captured(1).toLongLong() >= time, qPrintable(line));
        time = match.captured(1).toLongLong();
        const int p = int(words.indexOf(match.captured(2)));
        QVERIFY2(p >= 0, qPrintable(line));
        // Each port's chunks in the order it recorded them.
        const int i = next[p]++;
        QCOMPARE(match.captured(3), QString(i % 2 ? "in" : "out"));
        QCOMPARE(QByteArray::fromHex(match.captured(4).toLatin1()), chunk(p, i));
        // Beside the hex, the bytes as text: a dot for each that does not print.
        QByteArray text = chunk(p, i);
        for (char& c : text) {
            c = c >= ' ' && c < 0x7F ? c : '.';
        }
        QCOMPARE(match.captured(5).toLatin1(), text);
    }
}

void TestLinkTrace::staysWithinItsLimit_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<int>("chunks");
    QTest::addColumn<bool>("cut");

    QTest::newRow("fits") << qint64(100000) << 200 << false;
    QTest::newRow("cut") << qint64(4096) << 200 << true;
    QTest::newRow("least limit") << qint64(1) << 40 << true;
}

void TestLinkTrace::staysWithinItsLimit()
{
    QFETCH(qint64, limit);
    QFETCH(int, chunks);
    QFETCH(bool, cut);
    QTemporaryDir dir;
    LinkTrace trace(dir.filePath("trace.txt"), limit);
    QVERIFY(trace.open());
    for (int i = 0; i < chunks; ++i) {
        trace.record("ttyUSB0", LinkTrace::Direction::Out, chunk(1, i));
    }
    trace.close();
    QCOMPARE(trace.wasCut(), cut);
    QVERIFY(!trace.hasFailed());
    QVERIFY(QFileInfo(trace.fileName()).size() <= trace.limit());
    const QStringList lines = readLines(trace.fileName());
    QCOMPARE(lines.last().startsWith("# cut after "), cut);
    if (cut) {
        QVERIFY2(lines.last().endsWith(QString("limit of %1 bytes; nothing later is in it").arg(trace.limit())),
                 qPrintable(lines.last()));
    } else {
        QCOMPARE(lines.size(), 1 + chunks);
    }
}

void TestLinkTrace::aLineThatCannotBeWrittenEndsTheTrace()
{
    QTemporaryDir dir;
    LinkTrace trace(dir.filePath("trace.txt"));
    QVERIFY(trace.open());
    const qint64 header = QFileInfo(trace.fileName()).size();

    // A file size limit stands in for a full disk: the queued lines fit only in part.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old = {};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &old) == 0);
    rlimit small = old;
    const qint64 room = header + 300; // two of the lines below, not three
    small.rlim_cur = rlim_t(room);
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    {
        const auto restore = qScopeGuard([&old] { ::setrlimit(RLIMIT_FSIZE, &old); });
        for (int i = 0; i < 10; ++i) {
            trace.record("ttyUSB0", LinkTrace::Direction::In, chunk(1, 30));
        }
        trace.close();
    }
    QVERIFY(trace.hasFailed());
    // With the system's reason, not a short count's "Unknown error".
    const QString expected = QString("cannot write the trace %1: %2").arg(trace.fileName(), qt_error_string(EFBIG));
    QVERIFY2(trace.errorString().startsWith(expected), qPrintable(trace.errorString()));
    // The lines that fit stay; only the part of the one that did not is taken back.
    const qint64 size = QFileInfo(trace.fileName()).size();
    const QStringList lines = readLines(trace.fileName());
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines.last().endsWith(" ttyUSB0 in " + chunk(1, 30).toHex() + " |" + QByteArray(31, '.') + "|"),
             qPrintable(lines.last()));
    QVERIFY(size <= room && size + lines.last().size() + 1 > room);
}

QTEST_GUILESS_MAIN(TestLinkTrace)
#include "tst_linktrace.moc"
