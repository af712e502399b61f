// The program's message handler: every message on standard error, as it was
// emitted, one a line, with no prefix; the developer's traces only when asked for.
#include "diagnostics.h"
#include "messagehandler.h"

#include <QtTest>

#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {

// What `produce` writes to standard error through the program's handler.
QByteArray standardErrorOf(const std::function<void()>& produce)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        return "pipe failed";
    }
    std::fflush(stderr);
    const int savedStderr = ::dup(STDERR_FILENO);
    ::dup2(pipeFds[1], STDERR_FILENO);
    QtMessageHandler previous = qInstallMessageHandler(debugMsgHandler);
    produce();
    qInstallMessageHandler(previous);
    std::fflush(stderr);
    ::dup2(savedStderr, STDERR_FILENO);
    ::close(savedStderr);
    ::close(pipeFds[1]);
    QByteArray written;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        written.append(buffer, n);
    }
    ::close(pipeFds[0]);
    return written;
}

} // namespace

class TestMessageHandler : public QObject
{
    Q_OBJECT

private slots:
    void messagesGoToStandardErrorUnchanged();
    void tracesOnlyWhenAskedFor();
};

void TestMessageHandler::messagesGoToStandardErrorUnchanged()
{
    const QByteArray written = standardErrorOf([] {
        qDebug("fomrt is %d", 2);
        qWarning("checksum error");
        qDebug() << "spaced" << 3;
    });
    QCOMPARE(written, QByteArray("fomrt is 2\nchecksum error\nspaced 3\n"));
}

void TestMessageHandler::tracesOnlyWhenAskedFor()
{
    auto traces = [] {
        qCDebug(kvrDiagnostics, "checksum error");
        qCDebug(kvrDiagnostics, "strCount = %d", 4);
        qCWarning(kvrDiagnostics, "a warning");
    };
    // A warning always gets through; the traces stay off by default.
    QCOMPARE(standardErrorOf(traces), QByteArray("a warning\n"));
    Diagnostics::enable();
    QCOMPARE(standardErrorOf(traces), QByteArray("checksum error\nstrCount = 4\na warning\n"));
}

QTEST_GUILESS_MAIN(TestMessageHandler)
#include "tst_messagehandler.moc"
