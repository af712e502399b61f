// The user's command after each device: told the slot, the port and the
// outcome without a shell reading them, kept off standard output, and stopped
// at its time limit or soon after the shift is interrupted.
#include "resulthook.h"
#include "testfiles.h"

#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

struct HookRun {
    ResultHook::Result result;
    qint64 elapsedMs = 0;
};

// As a station runs it: in a worker thread without an event loop, here within
// a time limit of the test's own.
HookRun runHook(const ResultHook& hook, const QStringList& device, qint64 cancelAtMs = -1)
{
    HookRun run;
    QElapsedTimer clock;
    clock.start();
    const auto cancel = [&clock, cancelAtMs] { return cancelAtMs >= 0 && clock.elapsed() >= cancelAtMs; };
    std::unique_ptr<QThread> thread(
        QThread::create([&] { run.result = hook.run(device.at(0), device.at(1), device.at(2), cancel); }));
    thread->start();
    if (!thread->wait(QDeadlineTimer(15000))) {
        qFatal("the hook did not return within 15 s");
    }
    run.elapsedMs = clock.elapsed();
    return run;
}

// Whether a process is gone (a zombie counts: it no longer runs).
bool ended(const QByteArray& pid)
{
    const QByteArray stat = readFile("/proc/" + pid.trimmed() + "/stat");
    return stat.isEmpty() || stat.mid(stat.lastIndexOf(')') + 2, 1) == "Z";
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
    void hookOutputGoesToStandardError();

private:
    QTemporaryDir m_dir;
};

void TestResultHook::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir::setCurrent(m_dir.path()));
    // As in the companion: the hook must not inherit these.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

void TestResultHook::hookIsToldTheDevice_data()
{
    QTest::addColumn<QStringList>("device"); // slot, port, result
    QTest::newRow("a device") << QStringList{"A1", "/dev/ttyUSB0", "stored, verified"};
    QTest::newRow("shell in the names") << QStringList{"A1; touch slot", "$(touch port)", "`touch result`"};
}

void TestResultHook::hookIsToldTheDevice()
{
    QFETCH(QStringList, device);
    const ResultHook hook(R"(printf '%s\n' "$1" "$2" "$3" "$KVR210C_SLOT" "$KVR210C_PORT" "$KVR210C_RESULT" > told)");
    const HookRun run = runHook(hook, device);
    QVERIFY2(run.result.ok, qPrintable(run.result.problem));
    QCOMPARE(QString::fromUtf8(readFile("told")), (device + device).join('\n') + '\n');
    QCOMPARE(QDir().entryList(QDir::Files), QStringList{"told"});
    QVERIFY(QFile::remove("told"));
}

void TestResultHook::hookIsBounded_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("limitMs");
    QTest::addColumn<int>("cancelAtMs");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("leastMs");
    const QString exited = "the --on-result command exited with 3";
    const QString limit = "the --on-result command did not end within 0.3 s and was stopped";
    const QString cancel = "the --on-result command did not end within 0.5 s of the interruption and was stopped";
    QTest::newRow("fails") << "exit 3" << 10000 << -1 << exited << 0;
    const QString signalled = "the --on-result command was ended by a signal";
    QTest::newRow("killed") << "kill -9 $$" << 10000 << -1 << signalled << 0;
    // Ignored here, as in the companion, but not in the hook.
    QTest::newRow("file too large") << "kill -XFSZ $$" << 10000 << -1 << signalled << 0;
    QTest::newRow("hangs") << "sleep 30" << 300 << -1 << limit << 300;
    QTest::newRow("its child hangs") << "sleep 30 & echo $! > child; wait" << 300 << -1 << limit << 300;
    QTest::newRow("interrupted") << "sleep 30" << 10000 << 200 << cancel << 700;
    QTest::newRow("ends after the interruption") << "sleep 0.2; exit 3" << 10000 << 0 << exited << 200;
}

void TestResultHook::hookIsBounded()
{
    QFETCH(QString, command);
    QFETCH(int, limitMs);
    QFETCH(int, cancelAtMs);
    QFETCH(int, leastMs);
    const HookRun run = runHook(ResultHook(command, limitMs), {"A1", "ttyUSB0", "failed"}, cancelAtMs);
    QVERIFY(!run.result.ok);
    QTEST(run.result.problem, "problem");
    QVERIFY2(run.elapsedMs >= leastMs && run.elapsedMs < leastMs + 1000, qPrintable(QString::number(run.elapsedMs)));
    const QByteArray child = readFile("child");
    QFile::remove("child");
    QVERIFY2(child.isEmpty() || ended(child), "the hook's child still runs");
}

void TestResultHook::hookOutputGoesToStandardError()
{
    QTemporaryFile out, err;
    QVERIFY(out.open() && err.open());
    // A standard input that never ends: the hook must not read it.
    int input[2];
    QVERIFY(::pipe(input) == 0);
    std::fflush(stdout);
    std::fflush(stderr);
    const int saved[3] = {::dup(STDIN_FILENO), ::dup(STDOUT_FILENO), ::dup(STDERR_FILENO)};
    ::dup2(input[0], STDIN_FILENO);
    ::dup2(out.handle(), STDOUT_FILENO);
    ::dup2(err.handle(), STDERR_FILENO);
    const HookRun run = runHook(ResultHook("echo out; echo err >&2; cat", 2000), {"A1", "ttyUSB0", "stored"});
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        ::dup2(saved[fd], fd);
        ::close(saved[fd]);
    }
    ::close(input[0]);
    ::close(input[1]);
    QVERIFY2(run.result.ok, qPrintable(run.result.problem));
    QCOMPARE(readFile(out.fileName()), QByteArray());
    QCOMPARE(readFile(err.fileName()), QByteArray("out\nerr\n"));
}

QTEST_GUILESS_MAIN(TestResultHook)
#include "tst_resulthook.moc"
