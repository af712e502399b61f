// The memory of a long shift: 10,000 devices done one after another in the
// slots of a station watch, each slot's device a simulator answering at full
// speed that is taken away (its slot finds no port for one look) as soon as it
// is done, and plugged in again at once. The heap in use and the resident
// memory after the first 100 devices and after the last: what the shift keeps
// per device is the growth between them, against 1 MB.
#include "benchprogram.h"
#include "progressoutput.h"
#include "reportwriter.h"
#include "runreport.h"
#include "stationwatch.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <malloc.h>
#include <memory>
#include <mutex>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Slots = 4;
constexpr int Warmup = 100;
constexpr qint64 LimitBytes = 1024 * 1024;

struct Sample {
    qint64 heap = 0;
    qint64 rss = 0;
};

double mib(qint64 bytes)
{
    return double(bytes) / double(1024 * 1024);
}

Sample sample()
{
    Sample now;
    // In use from the arena, and the large blocks (a long list) that have a mapping of their own.
    const struct mallinfo2 heap = mallinfo2();
    now.heap = qint64(heap.uordblks + heap.hblkhd);
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:")) {
                now.rss = line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
            }
        }
    }
    return now;
}

// A simulator at full speed, without log or state file; its pseudo-terminal's path.
QString startSimulator(QProcess* process)
{
    process->start(QStringLiteral(KVR_DEVICESIM_PATH), {});
    if (!process->waitForStarted(5000)) {
        return {};
    }
    while (!process->canReadLine() && process->waitForReadyRead(5000)) {
    }
    return QString::fromLocal8Bit(process->readLine()).trimmed();
}

} // namespace

int main(int argc, char* argv[])
{
    // One arena for every thread, so that the heap in use counts the slots' threads too.
    mallopt(M_ARENA_MAX, 1);
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const qsizetype devicesAt = arguments.indexOf(QStringLiteral("--devices"));
    const int devices = devicesAt > 0 && devicesAt + 1 < arguments.size() ? arguments.at(devicesAt + 1).toInt() : 10000;
    if (devices <= Warmup) {
        std::fprintf(stderr, "usage: kvr210c-bench-shift-memory [--devices N], N over %d\n", Warmup);
        return 2;
    }
    QTemporaryDir dir;
    std::vector<std::unique_ptr<QProcess>> simulators;
    QList<StationSlot> stationSlots;
    for (int i = 0; i < Slots; ++i) {
        simulators.push_back(std::make_unique<QProcess>());
        const QString port = startSimulator(simulators.back().get());
        if (port.isEmpty()) {
            std::fprintf(stderr, "the simulator %s did not start\n", KVR_DEVICESIM_PATH);
            return 1;
        }
        stationSlots.append({QStringLiteral("S%1").arg(i + 1), port});
    }
    QFile programFile(dir.filePath(QStringLiteral("bench.app")));
    if (!writeBenchProgram(programFile.fileName()) || !programFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot write the program into %s\n", qPrintable(dir.path()));
        return 1;
    }
    const QByteArray program = programFile.readAll();
    RunReport report(dir.filePath(QStringLiteral("log.jsonl")));
    QString error;
    if (!report.open(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    ReportWriter writer(&report, QStringLiteral("store"), RunReport::Program(QStringLiteral("bench.app"), program));
    const ProgressOutput progress(ProgressOutput::Format::Json);

    // Each slot's device is taken away once done, and back at the next look.
    std::mutex mutex;
    QSet<QString> takenAway;
    std::atomic<int> done{0};
    std::atomic<bool> stop{false};
    Sample first;
    Sample last;
    StationWatch::Options options;
    options.cancel = [&stop] { return stop.load(); };
    options.lookForPortMs = 0;
    options.attemptEveryMs = 0;
    options.afterDevice = [&](const PortSession::Outcome& outcome) {
        const std::lock_guard<std::mutex> lock(mutex);
        takenAway.insert(outcome.slot);
        const int count = ++done;
        if (count == Warmup) {
            first = sample();
        } else if (count == devices) {
            last = sample();
            stop = true;
        }
    };
    const auto locate = [&](const StationSlot& slot) {
        const std::lock_guard<std::mutex> lock(mutex);
        return takenAway.remove(slot.name) ? StationWatch::Place{QString(), QStringLiteral("taken away")}
                                           : StationWatch::Place{slot.port, QString()};
    };

    // The shift's lines and progress go nowhere; the results to where standard error went.
    const int results = dup(fileno(stderr));
    const int nowhere = open("/dev/null", O_WRONLY);
    dup2(nowhere, fileno(stdout));
    dup2(nowhere, fileno(stderr));
    StationWatch watch(program, options, locate, &progress, &writer);
    watch.run(stationSlots);
    dup2(results, fileno(stderr));
    for (const auto& simulator : simulators) {
        simulator->kill();
        simulator->waitForFinished(5000);
    }

    const qint64 heapGrowth = last.heap - first.heap;
    const qint64 rssGrowth = last.rss - first.rss;
    std::fprintf(stderr,
                 "%d devices in %d slots: heap %.2f MiB after %d, %.2f MiB after %d (growth %.3f MiB); resident "
                 "%.2f MiB, %.2f MiB (growth %.3f MiB); limit 1 MiB\n",
                 devices, Slots, mib(first.heap), Warmup, mib(last.heap), devices, mib(heapGrowth), mib(first.rss),
                 mib(last.rss), mib(rssGrowth));
    return heapGrowth < LimitBytes && rssGrowth < LimitBytes ? 0 : 1;
}
