// The program's message handler: every message on standard error, as it was
// emitted, one a line, with no prefix.
#include "messagehandler.h"

#include <QtTest>

#include <cstdio>
#include <unistd.h>

class TestMessageHandler : public QObject
{
    Q_OBJECT

private slots:
    void messagesGoToStandardErrorUnchanged();
};

void TestMessageHandler::messagesGoToStandardErrorUnchanged()
{
    int pipeFds[2];
    QCOMPARE(::pipe(pipeFds), 0);
    std::fflush(stderr);
    const int savedStderr = ::dup(STDERR_FILENO);
    ::dup2(pipeFds[1], STDERR_FILENO);

    QtMessageHandler previous = qInstallMessageHandler(debugMsgHandler);
    qDebug("fomrt is %d", 2);
    qWarning("checksum error");
    qDebug() << "spaced" << 3;
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
    QCOMPARE(written, QByteArray("fomrt is 2\nchecksum error\nspaced 3\n"));
}

QTEST_GUILESS_MAIN(TestMessageHandler)
#include "tst_messagehandler.moc"
