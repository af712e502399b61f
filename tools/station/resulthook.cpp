#include "resulthook.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

#include <csignal>
#include <signal.h>
#include <unistd.h>

namespace {

const QString what = QStringLiteral("the --on-result command");

// "10 s", "0.5 s".
QString seconds(qint64 ms)
{
    return QStringLiteral("%1 s").arg(QString::number(double(ms) / 1000.0));
}

// In the child, between fork and exec: only async-signal-safe calls.
void prepareChild()
{
    // A group of its own, so that stopping it stops its children too.
    ::setpgid(0, 0);
    ::dup2(STDERR_FILENO, STDOUT_FILENO);
    // This program ignores SIGPIPE and SIGXFSZ; the user's command must not
    // inherit that, nor a signal mask of the worker thread.
    ::signal(SIGPIPE, SIG_DFL);
    ::signal(SIGXFSZ, SIG_DFL);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
}

// Ends what is left of the hook's process group (the hook itself where it
// still runs, and what it started in the background): SIGTERM, then SIGKILL
// to what is still there after a short grace.
void endGroup(QProcess* process, pid_t group)
{
    if (group <= 0 || ::kill(-group, SIGTERM) != 0) {
        return; // nothing left in it
    }
    QElapsedTimer grace;
    grace.start();
    while (grace.elapsed() < ResultHook::EndGraceMs) {
        if (process->state() != QProcess::NotRunning) {
            process->waitForFinished(ResultHook::EndCheckMs);
        } else if (::kill(-group, 0) != 0) {
            return;
        } else {
            ::usleep(ResultHook::EndCheckMs * 1000);
        }
    }
    ::kill(-group, SIGKILL);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(1000);
    }
}

} // namespace

ResultHook::ResultHook(QString command, int limitMs)
    : m_command(std::move(command))
    , m_limitMs(limitMs)
{
}

ResultHook::Result ResultHook::run(const QString& slot, const QString& port, const QString& result,
                                   const CancelCheck& cancel) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KVR210C_SLOT"), slot);
    environment.insert(QStringLiteral("KVR210C_PORT"), port);
    environment.insert(QStringLiteral("KVR210C_RESULT"), result);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setChildProcessModifier(prepareChild);

    QElapsedTimer clock;
    clock.start();
    // $0 names the hook in the shell's own messages; $1 $2 $3 are the device's.
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), m_command, QStringLiteral("kvr210c-on-result"), slot, port, result});
    if (!process.waitForStarted(m_limitMs)) {
        const QString why = process.errorString();
        endGroup(&process, pid_t(process.processId()));
        return {false, QStringLiteral("%1 could not be started (%2)").arg(what, why)};
    }

    // The shell leads the group; the group outlives it while anything it started runs.
    const pid_t group = pid_t(process.processId());
    qint64 deadline = m_limitMs;
    bool cancelled = false;
    while (process.state() != QProcess::NotRunning) {
        if (!cancelled && cancel && cancel()) {
            cancelled = true;
            deadline = qMin(deadline, clock.elapsed() + CancelGraceMs);
        }
        const qint64 left = deadline - clock.elapsed();
        if (left <= 0) {
            endGroup(&process, group);
            return {false,
                    cancelled
                        ? QStringLiteral("%1 did not end within %2 of the interruption and was stopped")
                              .arg(what, seconds(CancelGraceMs))
                        : QStringLiteral("%1 did not end within %2 and was stopped").arg(what, seconds(m_limitMs))};
        }
        process.waitForFinished(int(qMin<qint64>(left, CancelCheckMs)));
    }
    // What it left running in the background ends with it: it would hold this
    // program's standard error (a pipeline) open long after the shift.
    endGroup(&process, group);
    if (process.exitStatus() == QProcess::CrashExit) {
        return {false, QStringLiteral("%1 was ended by a signal").arg(what)};
    }
    if (process.exitCode() != 0) {
        return {false, QStringLiteral("%1 exited with %2").arg(what).arg(process.exitCode())};
    }
    return {true, QString()};
}
