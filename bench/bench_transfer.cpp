// How close a store and a load come to the time the bytes need on a 9600-baud
// line, and what each frame costs beyond the line when the line is free.
#include "appdata.h"
#include "linktrace.h"
#include "programtransfer.h"
#include "seriallink.h"
#include "simulatorprocess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Ten bits a byte (start, eight data, stop) at 9600 baud.
constexpr double MsPerByte = 10.0 * 1000.0 / 9600.0;

// Every record with a command of 8 to 16 bytes.
void fillProgram(ProgramRecords& data)
{
    for (int x = 1; x <= data.getMaxButtonId(); ++x) {
        for (int y = 1; y <= data.getMaxLinkId(); ++y) {
            LinkData* record = data.getDataObject(x, y);
            record->setCommand(QByteArray(8 + (x * 5 + y) % 9, char('0' + y)).toHex());
            record->setDelayTime(x + y);
        }
        data.getButtonData(x)->setSecondLayerCommand(QByteArray(16, char('a' + x)).toHex());
    }
}

// Bytes of all device records of the program.
qint64 recordBytes(const ProgramRecords& data)
{
    qint64 bytes = 0;
    for (int x = 1; x <= data.getMaxButtonId(); ++x) {
        for (int y = 1; y <= data.getMaxLinkId(); ++y) {
            bytes += data.getDataObject(x, y)->encapsulation().size();
        }
        bytes += data.getButtonData(x)->encapsulationSecondLayer().size();
    }
    return bytes;
}

struct Session {
    SimulatorProcess sim;
    SerialLink link;
    ProgramRecords data;
    ProgramTransfer transfer{&data, &link};

    bool start(const QStringList& arguments)
    {
        data.newData(6, 5);
        fillProgram(data);
        if (!sim.start(arguments)) {
            std::fprintf(stderr, "simulator: %s\n", qPrintable(sim.errorString()));
            return false;
        }
        if (!link.open(sim.portName())) {
            std::fprintf(stderr, "port: %s\n", qPrintable(link.errorString()));
            return false;
        }
        const ProgramTransfer::Result shake = transfer.handshake();
        if (!shake.ok) {
            std::fprintf(stderr, "handshake: %s\n", qPrintable(shake.error));
            return false;
        }
        return true;
    }
};

void report(const char* what, qint64 elapsedMs, qint64 wireBytes)
{
    const double wireMs = wireBytes * MsPerByte;
    std::printf("  %-6s elapsed %7lld ms   wire time %7.1f ms (%lld bytes)   ratio %.3f %s\n", what,
                static_cast<long long>(elapsedMs), wireMs, static_cast<long long>(wireBytes), elapsedMs / wireMs,
                elapsedMs / wireMs < 1.05 ? "(target < 1.05 met)" : "(target < 1.05 MISSED)");
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    int status = 0;

    std::printf("Store and load of a full program (36 records, commands of 8 to 16 bytes)\n");
    std::printf("at 9600 baud against the paced simulator:\n");
    {
        Session session;
        if (!session.start({"--pace"})) {
            return 1;
        }
        const qint64 records = recordBytes(session.data);
        QElapsedTimer timer;
        timer.start();
        const ProgramTransfer::Result stored = session.transfer.store();
        const qint64 storeMs = timer.elapsed();
        if (!stored.ok) {
            std::fprintf(stderr, "store failed: %s\n", qPrintable(stored.error));
            return 1;
        }
        // Each record goes out and comes back as its echo.
        report("store", storeMs, 2 * records);

        session.data.resetDataObject();
        timer.restart();
        const ProgramTransfer::Result loaded = session.transfer.load();
        const qint64 loadMs = timer.elapsed();
        if (!loaded.ok || loaded.records != ProgramTransfer::LoadRecords) {
            std::fprintf(stderr, "load failed: %s\n", qPrintable(loaded.error));
            return 1;
        }
        // The request and its echo, then each record and its acknowledgement.
        const qint64 request = 5 + 9;
        report("load", loadMs, 2 * request + 2 * records);
        if (storeMs >= 1.05 * 2 * records * MsPerByte || loadMs >= 1.05 * (2 * request + 2 * records) * MsPerByte) {
            status = 2;
        }

        // The store again on the same line, every chunk traced to a file (--trace).
        QTemporaryDir dir;
        LinkTrace trace(dir.filePath(QStringLiteral("trace.txt")));
        if (!trace.open()) {
            std::fprintf(stderr, "%s\n", qPrintable(trace.errorString()));
            return 1;
        }
        session.link.setTrace(&trace);
        timer.restart();
        const ProgramTransfer::Result traced = session.transfer.store();
        const qint64 tracedMs = timer.elapsed();
        session.link.setTrace(nullptr);
        trace.close();
        if (!traced.ok || trace.hasFailed()) {
            std::fprintf(stderr, "traced store failed: %s%s\n", qPrintable(traced.error),
                         qPrintable(trace.errorString()));
            return 1;
        }
        report("traced", tracedMs, 2 * records);
        std::printf("         (the store with --trace; %lld bytes of trace)\n",
                    static_cast<long long>(QFileInfo(trace.fileName()).size()));
        if (tracedMs >= 1.05 * 2 * records * MsPerByte) {
            status = 2;
        }
    }

    std::printf("\nThe same without pacing (the pseudo-terminal's own speed):\n");
    {
        Session session;
        if (!session.start({})) {
            return 1;
        }
        constexpr int Rounds = 10;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < Rounds; ++i) {
            if (!session.transfer.store().ok) {
                std::fprintf(stderr, "store failed\n");
                return 1;
            }
        }
        const double storeMs = timer.nsecsElapsed() / 1e6;
        timer.restart();
        for (int i = 0; i < Rounds; ++i) {
            if (session.transfer.load().records != ProgramTransfer::LoadRecords) {
                std::fprintf(stderr, "load failed\n");
                return 1;
            }
        }
        const double loadMs = timer.nsecsElapsed() / 1e6;
        std::printf("  store  %.3f ms per frame (send, echo, compare)\n", storeMs / (Rounds * 36));
        std::printf("  load   %.3f ms per record (read, apply, acknowledge)\n", loadMs / (Rounds * 36));
    }
    return status;
}
