#ifndef CLIPROCESS_H
#define CLIPROCESS_H

// Runs a command-line program for a test, bounded in time, and keeps its exit
// code and output.
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>

#include <functional>

struct CliRun {
    int exitCode = -1; // -1: did not finish, or crashed
    bool finished = false; // within the time limit
    QByteArray out;
    QString err;
    qint64 elapsedMs = 0;
};

// `started`, when given, is called once the process runs (to signal it);
// `input` is its whole standard input; `environment` ("NAME=value", ...) is
// set on top of this process's own.
inline CliRun runCli(const QString& program, const QStringList& arguments, int timeoutMs = 30000,
                     const std::function<void(QProcess&)>& started = {}, const QByteArray& input = {},
                     const QStringList& environment = {})
{
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& variable : environment) {
        variables.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    }
    process.setProcessEnvironment(variables);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    CliRun run;
    if (!process.waitForStarted(5000)) {
        run.err = process.errorString();
        return run;
    }
    process.write(input);
    process.closeWriteChannel();
    if (started) {
        started(process);
    }
    run.finished = process.waitForFinished(timeoutMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished(3000);
    }
    run.elapsedMs = clock.elapsed();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

#endif // CLIPROCESS_H
