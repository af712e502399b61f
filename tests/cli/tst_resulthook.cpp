// The user's command after each device: told the slot, the port and the
// outcome without a shell reading them, kept off standard output and input,
// stopped at its time limit or soon after the shift is interrupted.
#include "resulthook.h"
#include "testfiles.h"

#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

struct HookRun {
    ResultHook::Result result;
    qint64 elapsedMs = 0;
    QByteArray out, err; // what reached this process's standard output and error
};

// As a station runs it, in a worker thread without an event loop, with a
// standard input that never ends; under a time limit of the test's own.
HookRun runHook(const ResultHook& hook, const QStringList& device, qint64 cancelAtMs = -1)
{
    HookRun run;
    QTemporaryFile out, err;
    int input[2];
    if (!out.open() || !err.open() || ::pipe(input) != 0) {
        qFatal("no files for the hook's output");
    }
    std::fflush(nullptr);
    const int saved[3] = {::dup(0), ::dup(1), ::dup(2)};
    ::dup2(input[0], 0);
    ::dup2(out.handle(), 1);
    ::dup2(err.handle(), 2);
    QElapsedTimer clock;
    clock.start();
    const auto cancel = [&clock, cancelAtMs] { return cancelAtMs >= 0 && clock.elapsed() >= cancelAtMs; };
    std::unique_ptr<QThread> thread(
        QThread::create([&] { run.result = hook.run(device.at(0), device.at(1), device.at(2), cancel); }));
    thread->start();
    const bool returned = thread->wait(QDeadlineTimer(15000));
    run.elapsedMs = clock.elapsed();
    for (int fd : {0, 1, 2}) {
        ::dup2(saved[fd], fd);
        ::close(saved[fd]);
    }
    ::close(input[0]);
    ::close(input[1]);
    if (!returned) {
        qFatal("the hook did not return within 15 s");
    }
    run.out = readFile(out.fileName());
    run.err = readFile(err.fileName());
    return run;
}

} // namespace

class TestResultHook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hookIsToldTheDevice_data();
    void hookIsToldTheDevice();
    void hookIsBounded_data();
    void hookIsBounded();

private:
    QTemporaryDir m_dir;
};

void TestResultHook::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir::setCurrent(m_dir.path()));
    // As in the companion; the hook must not inherit it.
    std::signal(SIGXFSZ, SIG_IGN);
}

void TestResultHook::hookIsToldTheDevice_data()
{
    QTest::addColumn<QStringList>("device"); // slot, port, result
    QTest::newRow("a device") << QStringList{"A1", "/dev/ttyUSB0", "stored, verified"};
    QTest::newRow("shell in the names") << QStringList{"A1; touch slot", "$(touch port)", "`touch result`"};
    QTest::newRow("quotes in the names") << QStringList{"A1\" $(touch slot) \"", "'; touch port; '", "\\"};
}

void TestResultHook::hookIsToldTheDevice()
{
    QFETCH(QStringList, device);
    const HookRun run = runHook(
        ResultHook(R"(printf '%s\n' "$1" "$2" "$3" "$KVR210C_SLOT" "$KVR210C_PORT" "$KVR210C_RESULT"; cat)", 2000),
        device);
    QVERIFY2(run.result.ok, qPrintable(run.result.problem));
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(QString::fromUtf8(run.err), (device + device).join('\n') + '\n');
    QCOMPARE(QDir().entryList(QDir::Files), QStringList());
}

void TestResultHook::hookIsBounded_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("limitMs");
    QTest::addColumn<int>("cancelAtMs");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("leastMs");
    const QString exited = "the --on-result command exited with 3";
    const QString signalled = "the --on-result command was ended by a signal";
    const QString limit = "the --on-result command did not end within 0.3 s and was stopped";
    const QString cancel = "the --on-result command did not end within 0.5 s of the interruption and was stopped";
    QTest::newRow("fails") << "exit 3" << 10000 << -1 << exited << 0;
    QTest::newRow("killed") << "kill -9 $$" << 10000 << -1 << signalled << 0;
    QTest::newRow("file too large") << "kill -XFSZ $$" << 10000 << -1 << signalled << 0;
    QTest::newRow("hangs") << "sleep 30" << 300 << -1 << limit << 300;
    QTest::newRow("its child hangs") << "sleep 30 & echo $! > child; wait" << 300 << -1 << limit << 300;
    QTest::newRow("leaves a child running") << "sleep 30 & echo $! > child" << 10000 << -1 << QString() << 0;
    QTest::newRow("leaves a child that ignores SIGTERM")
        << "(trap '' TERM; sleep 30) & echo $! > child" << 10000 << -1 << QString() << ResultHook::EndGraceMs;
    QTest::newRow("interrupted") << "sleep 30" << 10000 << 200 << cancel << 700;
    QTest::newRow("ends after the interruption") << "sleep 0.2; exit 3" << 10000 << 0 << exited << 200;
}

void TestResultHook::hookIsBounded()
{
    QFETCH(QString, command);
    QFETCH(int, limitMs);
    QFETCH(int, cancelAtMs);
    QFETCH(int, leastMs);
    QFile::remove("child");
    const HookRun run = runHook(ResultHook(command, limitMs), {"A1", "ttyUSB0", "failed"}, cancelAtMs);
    QTEST(run.result.problem, "problem");
    QVERIFY2(run.elapsedMs >= leastMs && run.elapsedMs < leastMs + 1000, qPrintable(QString::number(run.elapsedMs)));
    // Stopped with the hook, not left behind (a zombie no longer runs). Its
    // end is the system's to finish: on a busy machine it comes a little later.
    const QByteArray child = readFile("child").trimmed();
    QFile::remove("child");
    const auto ended = [&child] {
        const QByteArray stat = child.isEmpty() ? QByteArray() : readFile("/proc/" + child + "/stat");
        return stat.isEmpty() || stat.mid(stat.lastIndexOf(')') + 2, 1) == "Z";
    };
    QTRY_VERIFY2_WITH_TIMEOUT(ended(), "the hook's child still runs", 5000);
}

QTEST_GUILESS_MAIN(TestResultHook)
#include "tst_resulthook.moc"
