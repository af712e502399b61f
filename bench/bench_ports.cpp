// How well kvr210c-cli programs several devices at once: one program stored
// to 1, 2, 4 and 8 simulators paced at 9600 baud, each time as a ratio to
// the time of one device, as named ports and again with --probe (each port's
// handshake first decides whether it has a device). With a thread per port the
// line is what takes the time, so eight devices should take little longer
// than one either way.
#include "benchprogram.h"
#include "simulatorprocess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int MaxDevices = 8;
constexpr double Target = 1.15;
// Each count is run this often and the best time kept, to see past a busy machine.
constexpr int Rounds = 2;

// Milliseconds of one "store" to these ports, or -1 when it failed.
qint64 storeTo(const QString& program, const QStringList& ports, bool probe)
{
    QProcess cli;
    QElapsedTimer timer;
    timer.start();
    QStringList arguments{QStringLiteral("store"), program, QStringLiteral("--port"), ports.join(QLatin1Char(','))};
    if (probe) {
        arguments << QStringLiteral("--probe");
    }
    cli.start(QStringLiteral(KVR_CLI_PATH), arguments);
    if (!cli.waitForFinished(120000) || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) {
        cli.kill();
        std::fprintf(stderr, "store failed:\n%s%s", cli.readAllStandardOutput().constData(),
                     cli.readAllStandardError().constData());
        return -1;
    }
    return timer.elapsed();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("program.app"));
    if (!dir.isValid() || !writeBenchProgram(program)) {
        std::fprintf(stderr, "cannot write the program\n");
        return 1;
    }

    std::vector<std::unique_ptr<SimulatorProcess>> simulators;
    QStringList ports;
    for (int i = 0; i < MaxDevices; ++i) {
        simulators.push_back(std::make_unique<SimulatorProcess>());
        if (!simulators.back()->start({QStringLiteral("--pace")})) {
            std::fprintf(stderr, "simulator: %s\n", qPrintable(simulators.back()->errorString()));
            return 1;
        }
        ports << simulators.back()->portName();
    }

    std::printf("One program (36 records) stored with kvr210c-cli to simulators paced at 9600 baud,\n"
                "best of %d runs each:\n",
                Rounds);
    bool met = true;
    for (const bool probe : {false, true}) {
        std::printf("%s\n", probe ? "with --probe:" : "ports named:");
        qint64 single = 0;
        double worst = 0;
        for (int devices : {1, 2, 4, 8}) {
            qint64 best = -1;
            for (int round = 0; round < Rounds; ++round) {
                const qint64 ms = storeTo(program, ports.mid(0, devices), probe);
                if (ms < 0) {
                    return 1;
                }
                best = best < 0 ? ms : qMin(best, ms);
            }
            if (devices == 1) {
                single = best;
            }
            const double ratio = double(best) / double(single);
            worst = qMax(worst, ratio);
            std::printf("  %d device%s  %6lld ms   ratio %.3f\n", devices, devices == 1 ? " " : "s",
                        static_cast<long long>(best), ratio);
        }
        met = met && worst <= Target;
    }
    std::printf("Eight devices in at most %.2f times the time of one, named and probed: %s\n", Target,
                met ? "met" : "MISSED");
    return met ? 0 : 2;
}
