// kvr210c-cli summary on a large report: lines as --report writes them, each
// with a checksum of its own (the most the summary has to keep apart). Prints
// the time and the peak resident memory of the summary against their limits
// and exits with 1 when either is over. --by slot counts the same lines per
// slot (few groups) instead of per configuration (one a line). --results
// distinct gives each line a result of its own (the most outcomes to keep apart).
//   kvr210c-bench-summary [--mb N] [--cli PATH] [--by config|slot] [--results mixed|distinct]
#include "runreport.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

constexpr double LimitSeconds = 10.0;
constexpr double LimitMb = 150.0;

// Lines of the outcomes a station writes, in a plausible mix, or each with a result of its own.
qint64 writeReport(const QString& path, qint64 bytes, bool distinctResults)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return -1;
    }
    const QDateTime start = QDateTime::fromString(QStringLiteral("2026-03-02T06:00:00.000Z"), Qt::ISODateWithMs);
    qint64 written = 0;
    qint64 lines = 0;
    while (written < bytes) {
        PortSession::Outcome outcome;
        const int port = int(lines % 8);
        outcome.port = QStringLiteral("/dev/ttyUSB%1").arg(port);
        outcome.slot = QStringLiteral("A%1").arg(port + 1);
        outcome.identity.location = outcome.port;
        outcome.identity.serialNumber = QStringLiteral("A%1").arg(port + 1000);
        outcome.identity.vendorId = 0x0403;
        outcome.identity.productId = 0x6001;
        outcome.start = start.addSecs(lines * 7);
        outcome.end = outcome.start.addMSecs(4210);
        outcome.ok = lines % 50 != 0;
        outcome.stored = outcome.ok;
        outcome.verified = outcome.ok && lines % 2 == 0;
        outcome.records = outcome.ok ? 36 : 12;
        if (!outcome.ok) {
            outcome.error = QStringLiteral("Key 3, link 2 was not confirmed");
        }
        // A configuration of its own per line.
        const RunReport::Program program(QStringLiteral("station-%1.app").arg(lines % 100), QByteArray::number(lines));
        QJsonObject json = RunReport::toJson(QStringLiteral("store"), program, outcome);
        if (distinctResults) {
            json[QLatin1String("result")] = QStringLiteral("result %1").arg(lines);
        }
        const QByteArray line = QJsonDocument(json).toJson(QJsonDocument::Compact) + '\n';
        if (file.write(line) != line.size()) {
            return -1;
        }
        written += line.size();
        ++lines;
    }
    return file.flush() ? lines : -1;
}

double nowSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

struct Run {
    bool ok = false;
    double seconds = 0;
    double cpuSeconds = 0;
    double peakMb = 0;
};

// fork, not posix_spawn: the child's peak memory then starts at the few
// pages it copied from us, not at ours.
Run summary(const std::string& cli, const std::string& by, const std::string& report, const std::string& out)
{
    Run run;
    const int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return run;
    }
    const double started = nowSeconds();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fd, STDOUT_FILENO);
        // The default without --by, so that older versions can be measured too.
        if (by == "config") {
            execl(cli.c_str(), cli.c_str(), "summary", report.c_str(), static_cast<char*>(nullptr));
        } else {
            execl(cli.c_str(), cli.c_str(), "summary", "--by", by.c_str(), report.c_str(), static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    close(fd);
    if (pid < 0) {
        return run;
    }
    int status = 0;
    rusage usage{};
    pid_t waited;
    do {
        waited = wait4(pid, &status, 0, &usage);
    } while (waited < 0 && errno == EINTR);
    run.seconds = nowSeconds() - started;
    run.cpuSeconds = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakMb = double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    run.ok = waited == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: kvr210c-bench-summary [--mb N] [--cli PATH] [--by config|slot] [--results mixed|distinct]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    int megabytes = 100;
    std::string cli = KVR_CLI_PATH;
    std::string by = "config";
    bool distinctResults = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) {
            return usage();
        }
        const std::string value = argv[++i];
        if (arg == "--mb") {
            megabytes = std::atoi(value.c_str());
            if (megabytes < 1 || megabytes > 10000) {
                return usage();
            }
        } else if (arg == "--cli") {
            cli = value;
        } else if (arg == "--by" && (value == "config" || value == "slot")) {
            by = value;
        } else if (arg == "--results" && (value == "mixed" || value == "distinct")) {
            distinctResults = value == "distinct";
        } else {
            return usage();
        }
    }

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "bench-summary: no temporary folder\n");
        return 1;
    }
    const QString report = dir.filePath(QStringLiteral("report.jsonl"));
    const qint64 lines = writeReport(report, qint64(megabytes) * 1000 * 1000, distinctResults);
    if (lines < 0) {
        std::fprintf(stderr, "bench-summary: cannot write %s\n", qPrintable(report));
        return 1;
    }
    const std::string out = dir.filePath(QStringLiteral("summary.txt")).toStdString();
    const Run run = summary(cli, by, report.toStdString(), out);
    if (!run.ok) {
        std::fprintf(stderr, "bench-summary: %s summary did not exit with 0\n", cli.c_str());
        return 1;
    }
    // Every line counted, or the time says nothing.
    QFile printed(QString::fromStdString(out));
    const QByteArray text = printed.open(QIODevice::ReadOnly) ? printed.readAll() : QByteArray();
    // The column is as wide as the longest outcome: "stored, verified", or "result 1234567".
    const QByteArray total = " " + QByteArray::number(lines) + "\n";
    const qsizetype lastLine = text.lastIndexOf('\n', text.size() - 2) + 1;
    if (!text.endsWith(total) || !text.mid(lastLine).startsWith("  total ")) {
        std::fprintf(stderr, "bench-summary: the summary does not count %lld lines\n", lines);
        return 1;
    }

    double load[3] = {-1, -1, -1};
    getloadavg(load, 3);
    std::printf("kvr210c-cli summary --by %s: %d MB of report, %lld lines, each with its own checksum%s\n", by.c_str(),
                megabytes, lines, distinctResults ? " and result" : "");
    std::printf("load average: %.2f %.2f %.2f\n", load[0], load[1], load[2]);
    const bool timeOk = run.seconds <= LimitSeconds;
    const bool memoryOk = run.peakMb <= LimitMb;
    std::printf("time         %7.2f s   (limit %.0f s)%s\n", run.seconds, LimitSeconds, timeOk ? "" : "  OVER");
    // On a busy machine the time is mostly waiting: the processor time tells.
    std::printf("processor    %7.2f s   (user and system)\n", run.cpuSeconds);
    std::printf("peak memory  %7.1f MB  (limit %.0f MB)%s\n", run.peakMb, LimitMb, memoryOk ? "" : "  OVER");
    return timeOk && memoryOk ? 0 : 1;
}
