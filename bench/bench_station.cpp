// What a shift (kvr210c-cli store --watch) costs and how fast it is:
// - 16 slots with nothing plugged in, watched for a minute: the processor time
//   the station used, as a share of one core, once with no adapters (the
//   slots' paths do not exist) and once with adapters and no device (silent
//   pseudo-terminals, each asked once a second). The limit is 2%.
// - 8 simulators paced at 9600 baud plugged in at once (their slots' symbolic
//   links made together), from the plugging to the last "done" of the
//   progress, against one simulator plugged in alone. The limit is 1.15.
#include "benchprogram.h"
#include "simulatorprocess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <stdlib.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int IdleSlots = 16;
constexpr double IdleLimitPercent = 2.0;
constexpr int Devices = 8;
constexpr double PlugLimit = 1.15;
constexpr int Rounds = 2;

// Processor time (user and system) of a running process, in seconds.
double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray text = stat.readAll();
    // After the command's name in parentheses: state is the first field, utime the 12th, stime the 13th.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) {
        return -1;
    }
    return double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

QProcess* startShift(const QString& program, const QStringList& ports)
{
    auto* cli = new QProcess;
    cli->start(QStringLiteral(KVR_CLI_PATH),
               {QStringLiteral("store"), program, QStringLiteral("--watch"), QStringLiteral("--progress"),
                QStringLiteral("json"), QStringLiteral("--port"), ports.join(QLatin1Char(','))});
    if (!cli->waitForStarted(5000)) {
        delete cli;
        return nullptr;
    }
    return cli;
}

bool endShift(QProcess* cli)
{
    ::kill(pid_t(cli->processId()), SIGINT);
    const bool ended = cli->waitForFinished(10000) && cli->exitCode() == 130;
    if (!ended) {
        cli->kill();
        cli->waitForFinished(3000);
        std::fprintf(stderr, "the shift did not end as a shift does:\n%s", cli->readAllStandardError().constData());
    }
    delete cli;
    return ended;
}

// Percent of one core a shift on `ports` takes over `seconds`, or -1.
double idleCost(const QString& program, const QStringList& ports, int seconds)
{
    QProcess* cli = startShift(program, ports);
    if (!cli) {
        return -1;
    }
    QThread::sleep(2); // past start-up, which is not the watching
    const double before = cpuSeconds(cli->processId());
    QThread::sleep(seconds);
    const double after = cpuSeconds(cli->processId());
    cli->readAllStandardError();
    return endShift(cli) && before >= 0 && after >= 0 ? 100.0 * (after - before) / seconds : -1;
}

// A pseudo-terminal nobody answers on: an adapter with no device behind it.
QString silentPort(std::vector<int>* masters)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        return QString();
    }
    masters->push_back(master);
    return QString::fromLocal8Bit(ptsname(master));
}

// Milliseconds from plugging `simulators` in at once to the last device done, or -1.
qint64 plugIn(const QString& program, const QString& dir,
              const std::vector<std::unique_ptr<SimulatorProcess>>& simulators, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        paths << QStringLiteral("%1/slot%2").arg(dir).arg(i);
        QFile::remove(paths.last());
    }
    QProcess* cli = startShift(program, paths);
    if (!cli) {
        return -1;
    }
    QThread::msleep(1500);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i) {
        QFile::link(simulators.at(size_t(i))->portName(), paths.at(i));
    }
    int done = 0;
    qint64 last = -1;
    QByteArray pending;
    const QDeadlineTimer deadline(120000);
    while (done < count && !deadline.hasExpired()) {
        cli->waitForReadyRead(50);
        pending += cli->readAllStandardError();
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            if (line.contains("\"step\":\"done\"")) {
                if (!line.contains("\"outcome\":\"stored\"")) {
                    std::fprintf(stderr, "a device failed: %s\n", line.constData());
                    endShift(cli);
                    return -1;
                }
                ++done;
                last = clock.elapsed();
            }
        }
    }
    for (const QString& slot : paths) {
        QFile::remove(slot);
    }
    return endShift(cli) && done == count ? last : -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const qsizetype secondsAt = arguments.indexOf(QStringLiteral("--seconds"));
    const int seconds = secondsAt > 0 ? arguments.value(secondsAt + 1).toInt() : 60;
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("program.app"));
    if (!dir.isValid() || !writeBenchProgram(program) || seconds <= 0) {
        std::fprintf(stderr, "usage: kvr210c-bench-station [--seconds N]\n");
        return 1;
    }

    QStringList absent;
    QStringList silent;
    std::vector<int> masters;
    for (int i = 0; i < IdleSlots; ++i) {
        absent << dir.filePath(QStringLiteral("absent%1").arg(i));
        silent << silentPort(&masters);
        if (silent.last().isEmpty()) {
            std::fprintf(stderr, "cannot open a pseudo-terminal\n");
            return 1;
        }
    }
    std::printf("A shift on %d slots with nothing plugged in, processor time over %d s:\n", IdleSlots, seconds);
    bool met = true;
    for (const auto& [name, ports] : {std::pair{"no adapters", absent}, {"adapters, no device", silent}}) {
        const double percent = idleCost(program, ports, seconds);
        if (percent < 0) {
            return 1;
        }
        std::printf("  %-20s %5.2f%% of one core (limit %.0f%%)\n", name, percent, IdleLimitPercent);
        met = met && percent < IdleLimitPercent;
    }
    for (const int master : masters) {
        ::close(master);
    }

    std::vector<std::unique_ptr<SimulatorProcess>> simulators;
    for (int i = 0; i < Devices; ++i) {
        simulators.push_back(std::make_unique<SimulatorProcess>());
        if (!simulators.back()->start({QStringLiteral("--pace")})) {
            std::fprintf(stderr, "simulator: %s\n", qPrintable(simulators.back()->errorString()));
            return 1;
        }
    }
    std::printf("Simulators paced at 9600 baud plugged in at once, to the last device stored, best of %d:\n", Rounds);
    qint64 times[2] = {-1, -1};
    for (int round = 0; round < Rounds; ++round) {
        for (int which = 0; which < 2; ++which) {
            const qint64 ms = plugIn(program, dir.path(), simulators, which == 0 ? 1 : Devices);
            if (ms < 0) {
                return 1;
            }
            times[which] = times[which] < 0 ? ms : qMin(times[which], ms);
        }
    }
    const double ratio = double(times[1]) / double(times[0]);
    std::printf("  1 device   %6lld ms\n  %d devices  %6lld ms   ratio %.3f (limit %.2f)\n",
                static_cast<long long>(times[0]), Devices, static_cast<long long>(times[1]), ratio, PlugLimit);
    met = met && ratio <= PlugLimit;
    std::printf("Idle under %.0f%% of one core and %d devices within %.2f of one: %s\n", IdleLimitPercent, Devices,
                PlugLimit, met ? "met" : "MISSED");
    return met ? 0 : 2;
}
