// The production record in PostgreSQL, on a server of the benchmark's own:
// - 1000 records from 8 processes at once, each writing its share through the
//   class a station writes with, a transaction a record: records per second
//   over the whole, and the time of one record at the median and at p99.
// - A store with kvr210c-cli to a simulator paced at 9600 baud, its report to
//   the database against its report to a file, best of a few runs each: the
//   database may cost at most 2% of the store's time.
#include "benchprogram.h"
#include "pgserver.h"
#include "reportdatabase.h"
#include "simulatorprocess.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int Records = 1000;
constexpr int Processes = 8;
constexpr double StoreLimit = 1.02;
constexpr int Rounds = 5;

QJsonObject record(const QString& station, int number)
{
    const QDateTime start = QDateTime::currentDateTimeUtc();
    return {{QStringLiteral("id"), QUuid::createUuid().toString(QUuid::WithoutBraces)},
            {QStringLiteral("command"), QStringLiteral("store")},
            {QStringLiteral("file"), QStringLiteral("program.app")},
            {QStringLiteral("sha256"), QString(64, QLatin1Char('a'))},
            {QStringLiteral("size"), 3456},
            {QStringLiteral("port"), QStringLiteral("/dev/ttyUSB%1").arg(number % 8)},
            {QStringLiteral("slot"), QStringLiteral("A%1").arg(number % 8)},
            {QStringLiteral("station"), station},
            {QStringLiteral("start"), start.toString(Qt::ISODateWithMs)},
            {QStringLiteral("end"), start.addSecs(4).toString(Qt::ISODateWithMs)},
            {QStringLiteral("duration_ms"), 4000},
            {QStringLiteral("result"), QStringLiteral("stored")},
            {QStringLiteral("records"), 36}};
}

// One of the processes: its records one after the other; prints the
// nanoseconds of each, then the span of all as milliseconds since the epoch.
int worker(const QString& url, int count, const QString& station)
{
    ReportTarget target;
    QString error;
    if (!ReportTarget::parse(url, &target, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    ReportDatabase database(target);
    if (database.open(&error) != ReportDatabase::Status::Ok) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const qint64 first = QDateTime::currentMSecsSinceEpoch();
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        timer.start();
        if (database.insert(record(station, i), &error) != ReportDatabase::Status::Ok) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        std::printf("%lld\n", static_cast<long long>(timer.nsecsElapsed()));
    }
    std::printf("span %lld %lld\n", static_cast<long long>(first),
                static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    return 0;
}

bool manyProcesses(const PgServer& server)
{
    std::vector<std::unique_ptr<QProcess>> processes;
    for (int i = 0; i < Processes; ++i) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->start(QCoreApplication::applicationFilePath(),
                                {QStringLiteral("--worker"), server.url(), QString::number(Records / Processes),
                                 QStringLiteral("bench %1").arg(i)});
    }
    std::vector<qint64> times;
    qint64 first = -1;
    qint64 last = -1;
    for (const auto& process : processes) {
        if (!process->waitForFinished(300000) || process->exitCode() != 0) {
            std::fprintf(stderr, "a writer failed: %s\n", process->readAllStandardError().constData());
            return false;
        }
        for (const QByteArray& line : process->readAllStandardOutput().split('\n')) {
            if (line.startsWith("span ")) {
                const QList<QByteArray> span = line.split(' ');
                first = first < 0 ? span.at(1).toLongLong() : qMin(first, span.at(1).toLongLong());
                last = qMax(last, span.at(2).toLongLong());
            } else if (!line.isEmpty()) {
                times.push_back(line.toLongLong());
            }
        }
    }
    std::sort(times.begin(), times.end());
    const auto at = [&times](double share) { return double(times.at(size_t(share * double(times.size() - 1)))) / 1e6; };
    std::printf("%zu records from %d processes at once into PostgreSQL on this machine:\n"
                "  %.0f records per second, a record %.2f ms at the median, %.2f ms at p99\n",
                times.size(), Processes, double(times.size()) * 1000.0 / double(qMax<qint64>(last - first, 1)), at(0.5),
                at(0.99));
    return times.size() == size_t(Records);
}

// Milliseconds of one run of kvr210c-cli, or -1 when it failed.
qint64 timeCli(const QStringList& arguments)
{
    QProcess cli;
    QElapsedTimer timer;
    timer.start();
    cli.start(QStringLiteral(KVR_CLI_PATH), arguments);
    if (!cli.waitForFinished(120000) || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) {
        cli.kill();
        std::fprintf(stderr, "%s failed:\n%s", qPrintable(arguments.constFirst()),
                     cli.readAllStandardError().constData());
        return -1;
    }
    return timer.elapsed();
}

bool pacedStore(const PgServer& server, const QTemporaryDir& dir)
{
    const QString program = dir.filePath(QStringLiteral("program.app"));
    SimulatorProcess simulator;
    if (!writeBenchProgram(program) || !simulator.start({QStringLiteral("--pace")})) {
        std::fprintf(stderr, "cannot write the program or start the simulator\n");
        return false;
    }
    const QString spool = dir.filePath(QStringLiteral("spool.jsonl"));
    const QStringList store{QStringLiteral("store"), program, QStringLiteral("--port"), simulator.portName(),
                            QStringLiteral("--report")};
    const QList<QStringList> runs{
        store + QStringList{dir.filePath(QStringLiteral("runs.jsonl"))},
        store + QStringList{server.url(), QStringLiteral("--spool"), spool},
        // What a run with a database costs before any device: the client
        // library loaded, signed in, the table checked; against a bare start.
        {QStringLiteral("report"), QStringLiteral("push"), spool, QStringLiteral("--report"), server.url()},
        {QStringLiteral("--version")}};
    std::vector<qint64> best(size_t(runs.size()), -1);
    // Alternately, so that a busy moment of the machine falls on each.
    for (int round = 0; round < Rounds; ++round) {
        for (size_t i = 0; i < best.size(); ++i) {
            if (i == 2 && !QFile::exists(spool) && !QFile(spool).open(QIODevice::WriteOnly)) {
                return false;
            }
            const qint64 ms = timeCli(runs.at(qsizetype(i)));
            if (ms < 0) {
                return false;
            }
            best[i] = best[i] < 0 ? ms : qMin(best[i], ms);
        }
    }
    const double ratio = double(best[1]) / double(best[0]);
    std::printf("A store to a simulator paced at 9600 baud, best of %d:\n"
                "  report to a file      %6lld ms\n  report to PostgreSQL  %6lld ms   ratio %.3f (limit %.2f)\n"
                "  the database's start-up (report push of an empty spool against --version): %lld ms\n",
                Rounds, static_cast<long long>(best[0]), static_cast<long long>(best[1]), ratio, StoreLimit,
                static_cast<long long>(best[2] - best[3]));
    return ratio <= StoreLimit;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 5 && arguments.at(1) == QLatin1String("--worker")) {
        return worker(arguments.at(2), arguments.at(3).toInt(), arguments.at(4));
    }
    QTemporaryDir dir;
    PgServer server;
    if (!dir.isValid() || !server.start()) {
        std::fprintf(stderr, "cannot start PostgreSQL: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    qputenv("PGPASSFILE", QFile::encodeName(server.passFile()));
    if (!manyProcesses(server)) {
        return 1;
    }
    const bool met = pacedStore(server, dir);
    std::printf("The store with its report in the database within %.2f of the file's: %s\n", StoreLimit,
                met ? "met" : "MISSED");
    return met ? 0 : 2;
}
