#include "devicecommands.h"

#include "appdata.h"
#include "clicommon.h"
#include "devicerecordlayout.h"
#include "devicesession.h"
#include "programtransfer.h"
#include "seriallink.h"
#include "safesave.h"

#include "deviceprobe.h"
#include "interruption.h"
#include "portidentity.h"
#include "portsession.h"
#include "reportwriter.h"
#include "runreport.h"
#include "stationwatch.h"
#include "traceoption.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <mutex>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Cli;

namespace {

bool stderrIsTerminal()
{
#ifdef Q_OS_UNIX
    return isatty(fileno(stderr)) != 0;
#else
    return false;
#endif
}

// One line on standard error, rewritten in place as records go by. Into a
// log (not a terminal) it writes a line per key instead.
class ProgressLine
{
public:
    explicit ProgressLine(QString label)
        : m_label(std::move(label))
        , m_terminal(stderrIsTerminal())
    {
    }
    ~ProgressLine() { finish(); }

    void update(int done, int total)
    {
        const QString text = QStringLiteral("%1: %2 of %3").arg(m_label).arg(done).arg(total);
        if (m_terminal) {
            printErr(QLatin1Char('\r') + text);
            m_shown = true;
        } else if (done == total || (done > 0 && total >= Keys && done % (total / Keys) == 0)) {
            printErr(text + QLatin1Char('\n'));
        }
    }
    void finish()
    {
        if (m_shown) {
            printErr(QStringLiteral("\n"));
            m_shown = false;
        }
    }

private:
    static constexpr int Keys = DeviceRecordLayout::Keys;
    QString m_label;
    bool m_terminal;
    bool m_shown = false;
};

// The outcome of a port that was never contacted.
PortSession::Outcome notContacted(const QString& port, const QString& error)
{
    PortSession::Outcome outcome;
    outcome.port = port;
    outcome.start = outcome.end = QDateTime::currentDateTimeUtc();
    outcome.error = error;
    return outcome;
}

void warnOfPartialPrograms(const std::vector<PortSession::Outcome>& outcomes);

// Runs one session per port, each in its own thread, and waits for all. Each
// port's outcome goes to `writer` as soon as that port is done.
std::vector<PortSession::Outcome> runSessions(const QByteArray& program, PortSession::Task task,
                                              const QStringList& ports, const DeviceCommands::LinkOptions& options,
                                              ReportWriter* writer, LinkTrace* trace, const ProgressOutput& progress)
{
    const QList<QSerialPortInfo> listed = QSerialPortInfo::availablePorts();
    std::vector<PortSession::Outcome> outcomes(size_t(ports.size()));
    std::vector<std::unique_ptr<QThread>> threads;
    const bool probe = options.probe || options.allPorts;
    for (qsizetype i = 0; i < ports.size(); ++i) {
        const QString port = ports.at(i);
        const PortIdentity identity = PortIdentity::of(port, listed);
        PortSession::Outcome* slot = &outcomes[size_t(i)];
        threads.emplace_back(QThread::create([=, &program, &progress]() {
            PortSession::Options sessionOptions;
            sessionOptions.port = port;
            sessionOptions.attempts = options.attempts;
            sessionOptions.timeoutMs = options.timeoutMs;
            sessionOptions.probe = probe;
            sessionOptions.cancel = &Interruption::requested;
            sessionOptions.trace = trace;
            sessionOptions.events = [&](const PortSession::Event& event) { progress.event(port, port, event); };
            PortSession session(program, task, std::move(sessionOptions),
                                [&](const QString& line) { progress.say(port, port, line); });
            PortSession::Outcome outcome = session.run();
            outcome.identity = identity;
            writer->write(outcome);
            progress.done(outcome);
            *slot = outcome;
        }));
    }
    for (const auto& thread : threads) {
        thread->start();
    }
    for (const auto& thread : threads) {
        thread->wait();
    }
    return outcomes;
}

// A shift: every port watched until a signal ends it (see StationWatch).
int runShift(const QByteArray& program, PortSession::Task task, const QStringList& ports,
             const DeviceCommands::LinkOptions& options, ReportWriter* writer, LinkTrace* trace,
             const ProgressOutput& progress)
{
    StationWatch::Options watchOptions;
    watchOptions.task = task;
    watchOptions.attempts = options.attempts;
    watchOptions.timeoutMs = options.timeoutMs;
    watchOptions.trace = trace;
    watchOptions.cancel = &Interruption::requested;
    watchOptions.identify = [](const QString& node) {
        return PortIdentity::of(node, QSerialPortInfo::availablePorts());
    };
    const auto locate = [](const StationSlot& slot) {
        StationWatch::Place place;
        if (QFileInfo::exists(SerialLink::nodePath(slot.port))) {
            place.node = slot.port;
        } else {
            place.why = QStringLiteral("waiting for the port (%1 does not exist)").arg(SerialLink::nodePath(slot.port));
        }
        return place;
    };
    QList<StationSlot> watched;
    for (const QString& port : ports) {
        watched.append({port, port});
    }
    StationWatch watch(program, watchOptions, locate, &progress, writer);
    const QList<PortSession::Outcome> done = watch.run(watched);
    warnOfPartialPrograms(std::vector<PortSession::Outcome>(done.cbegin(), done.cend()));
    printError(QStringLiteral("stopped by %1").arg(Interruption::signalName()));
    const bool traced = TraceOption::finish(trace);
    return !writer->failed() && traced ? Interruption::exitCode() : ExitFailed;
}

// "ttyUSB0  stored, verified", the ports aligned.
void printSummary(const std::vector<PortSession::Outcome>& outcomes, void (*print)(const QString&))
{
    int width = 0;
    for (const PortSession::Outcome& outcome : outcomes) {
        width = qMax(width, int(outcome.port.size()));
    }
    for (const PortSession::Outcome& outcome : outcomes) {
        print(QStringLiteral("%1  %2\n").arg(outcome.port, -width).arg(outcome.summary()));
    }
}

// Names the devices whose store began and did not end: their program is now
// part old, part new, and only a new store mends it.
void warnOfPartialPrograms(const std::vector<PortSession::Outcome>& outcomes)
{
    QStringList partial;
    for (const PortSession::Outcome& outcome : outcomes) {
        if (outcome.partial()) {
            partial << outcome.port;
        }
    }
    if (!partial.isEmpty()) {
        printError(QStringLiteral("%1 now %2 a partial program; store it again before %3 used: %4")
                       .arg(partial.size() == 1 ? QStringLiteral("this device") : QStringLiteral("these devices"),
                            partial.size() == 1 ? QStringLiteral("holds") : QStringLiteral("hold"),
                            partial.size() == 1 ? QStringLiteral("it is") : QStringLiteral("they are"),
                            partial.join(QLatin1String(", "))));
    }
}

// Every port that had a device succeeded; with none, false.
int exitCodeOf(const std::vector<PortSession::Outcome>& outcomes, const DeviceCommands::LinkOptions& options,
               bool reported)
{
    if (Interruption::requested()) {
        return Interruption::exitCode();
    }
    const bool probe = options.probe || options.allPorts;
    bool anyDevice = false;
    bool allSucceeded = true;
    for (const PortSession::Outcome& outcome : outcomes) {
        if (probe && outcome.noDevice) {
            continue;
        }
        anyDevice = true;
        allSucceeded = allSucceeded && outcome.ok;
    }
    if (probe && !anyDevice) {
        return DeviceCommands::ExitNoDevice;
    }
    return allSucceeded && reported ? ExitOk : ExitFailed;
}

// Every port the system lists, for --all and a bare "ports --probe"; each takes a thread.
bool everyListedPort(QStringList* ports)
{
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        ports->append(info.systemLocation());
    }
    if (ports->isEmpty()) {
        printError(QStringLiteral("no serial ports found"));
        return false;
    }
    if (ports->size() > DeviceCommands::MaxPorts) {
        printError(QStringLiteral("the system lists %1 serial ports, more than %2 at once: name them")
                       .arg(ports->size())
                       .arg(DeviceCommands::MaxPorts));
        return false;
    }
    return true;
}

// The ports of a run: those given, or with --all every listed one.
bool portsOf(const DeviceCommands::LinkOptions& options, QStringList* ports)
{
    if (!options.allPorts) {
        *ports = options.ports;
        return true;
    }
    return everyListedPort(ports);
}

// Store or verify on every port at once, with the report and the summary.
int runOnPorts(const QString& command, const QString& configFile, const DeviceCommands::LinkOptions& options,
               PortSession::Task task)
{
    ProgramRecords data;
    makeFreshModel(&data);
    QByteArray bytes;
    if (!readConfigFileOrReport(configFile, &data, &bytes)) {
        return ExitFailed;
    }
    const RunReport::Program program(configFile, bytes);
    // Before any device is touched: a run that cannot keep its record does not begin.
    std::unique_ptr<RunReport> report;
    if (!options.reportFile.isEmpty()) {
        report = std::make_unique<RunReport>(options.reportFile);
        QString error;
        if (!report->open(&error)) {
            printError(QStringLiteral("%1; no device was touched").arg(error));
            return ExitUsage;
        }
    }
    std::unique_ptr<LinkTrace> trace;
    if (!TraceOption::open(options.traceFile, &trace)) {
        return ExitUsage;
    }
    QStringList ports;
    if (!portsOf(options, &ports)) {
        return DeviceCommands::ExitNoDevice;
    }
    ReportWriter writer(report.get(), command, program);
    const ProgressOutput progress(options.progress);

    std::vector<PortSession::Outcome> outcomes;
    // Refused before any port is opened: a half-stored program is worse than none.
    const QStringList oversized = task == PortSession::Task::Verify
        ? QStringList()
        : ProgramTransfer(&data, nullptr).oversizedRecords();
    if (options.watch && oversized.isEmpty()) {
        return runShift(data.configFileBytes(), task, ports, options, &writer, trace.get(), progress);
    }
    if (!oversized.isEmpty()) {
        const QList<QSerialPortInfo> listed = QSerialPortInfo::availablePorts();
        const QString error = QStringLiteral("nothing was sent: these commands are longer than %1 bytes and do "
                                             "not fit the device: %2")
                                  .arg(MaxDeviceCommandBytes)
                                  .arg(oversized.join(QLatin1String("; ")));
        printError(error);
        for (const QString& port : ports) {
            outcomes.push_back(notContacted(port, error));
            outcomes.back().identity = PortIdentity::of(port, listed);
            writer.write(outcomes.back());
        }
    } else {
        // As a configuration file's bytes, which each port's thread reads into a model of its own.
        outcomes = runSessions(data.configFileBytes(), task, ports, options, &writer, trace.get(), progress);
    }
    if (task == PortSession::Task::Verify) {
        // A lone port's differences as they are; several ports' each after its port.
        for (const PortSession::Outcome& outcome : outcomes) {
            for (const ConfigComparison::Difference& difference : outcome.differences) {
                const QString line = PortSession::describe(difference);
                printOut((outcomes.size() == 1 ? line : QStringLiteral("%1: %2").arg(outcome.port, line))
                         + QLatin1Char('\n'));
            }
        }
    }
    printSummary(outcomes, printOut);
    warnOfPartialPrograms(outcomes);
    if (Interruption::requested()) {
        printError(QStringLiteral("stopped by %1").arg(Interruption::signalName()));
    }
    const bool traced = TraceOption::finish(trace.get());
    return exitCodeOf(outcomes, options, !writer.failed() && traced);
}

} // namespace

namespace DeviceCommands {

int listPorts()
{
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    if (ports.isEmpty()) {
        printErr(QStringLiteral("No serial ports found.\n"));
    }
    for (const QSerialPortInfo& port : ports) {
        QString description = port.description();
        if (!port.manufacturer().isEmpty() && !description.contains(port.manufacturer())) {
            description = description.isEmpty() ? port.manufacturer()
                                                : QStringLiteral("%1 (%2)").arg(description, port.manufacturer());
        }
        if (description.isEmpty()) {
            description = QStringLiteral("(no description)");
        }
        printOut(QStringLiteral("%1\t%2\n").arg(port.systemLocation(), description));
    }
    return ExitOk;
}

int probePorts(const QStringList& ports, const LinkOptions& options)
{
    QStringList tried = ports;
    if (tried.isEmpty() && !everyListedPort(&tried)) {
        return ExitNoDevice;
    }
    const QList<DeviceProbe::Result> results = DeviceProbe::probe(tried, {options.attempts, options.timeoutMs},
                                                                  &Interruption::requested);
    bool anyDevice = false;
    for (const DeviceProbe::Result& result : results) {
        anyDevice = anyDevice || result.answered();
        printOut(QStringLiteral("%1\t%2\n").arg(result.port, result.describe()));
        if (!result.answered()) {
            printErr(QStringLiteral("%1: %2\n").arg(result.port, result.error));
        }
    }
    if (Interruption::requested()) {
        printError(QStringLiteral("stopped by %1").arg(Interruption::signalName()));
        return Interruption::exitCode();
    }
    return anyDevice ? ExitOk : ExitNoDevice;
}

int store(const QString& configFile, const LinkOptions& options, bool verify)
{
    return runOnPorts(QStringLiteral("store"), configFile, options,
                      verify ? PortSession::Task::StoreAndVerify : PortSession::Task::Store);
}

int verify(const QString& configFile, const LinkOptions& options)
{
    return runOnPorts(QStringLiteral("verify"), configFile, options, PortSession::Task::Verify);
}

int load(const QString& outputFile, const QString& baseFile, const LinkOptions& options)
{
    ProgramRecords data;
    makeFreshModel(&data);
    if (!baseFile.isEmpty() && !readConfigFileOrReport(baseFile, &data)) {
        return ExitFailed;
    }
    // Opened first so an output that cannot be written costs no transfer. Not
    // in place, even where the folder takes no new file: that would empty the
    // old file before the load has even begun.
    SafeSave output(outputFile);
    output.setDirectWriteFallback(false);
    if (!output.open()) {
        printError(output.errorString());
        return ExitFailed;
    }
    std::unique_ptr<LinkTrace> trace;
    if (!TraceOption::open(options.traceFile, &trace)) {
        return ExitUsage;
    }

    ProgressLine progress(QStringLiteral("Loading from %1").arg(options.port));
    DeviceSession session({options.attempts, options.timeoutMs});
    session.setProgress([&progress](DeviceSession::Operation, int done, int total) { progress.update(done, total); });
    // Stopped by a signal, the session ends here and the output's temporary file goes with it.
    session.setCancelCheck(&Interruption::requested);
    session.link()->setTrace(trace.get());
    DeviceSession::Result result;
    const DeviceSession::Once once = session.runOnce(options.port, [&](DeviceSession& device) {
        result = device.run(DeviceSession::Operation::Load, &data);
        progress.finish();
        if (result.cancelled) {
            return result;
        }
        if (!result.ok) {
            printError(QStringLiteral("load failed: %1").arg(result.error));
        } else if (!result.missing.isEmpty()) {
            // Saved, the records that never came would pass for the device's.
            printError(QStringLiteral("load failed: the device sent %1 records; these did not arrive: %2")
                           .arg(result.records)
                           .arg(result.missing.join(QLatin1String("; "))));
            DeviceSession::Result incomplete = result;
            incomplete.ok = false;
            return incomplete;
        }
        return result;
    });
    // Said before the outcome, which it does not change; it only fails the run.
    const bool traced = TraceOption::finish(trace.get());
    if (Interruption::requested()) {
        progress.finish();
        printError(QStringLiteral("stopped by %1; %2 was not written").arg(Interruption::signalName(), outputFile));
        return Interruption::exitCode();
    }
    if (!once.opened) {
        printError(QStringLiteral("cannot open the port %1: %2").arg(options.port, once.connection.error));
        return ExitFailed;
    }
    if (!once.connection.ok) {
        printError(QStringLiteral("handshake failed: %1").arg(once.connection.error));
        return ExitFailed;
    }
    // "ISPOK!": the end of the session, as the editor sends it when it lets go.
    if (!once.farewell.ok) {
        printError(QStringLiteral("farewell failed: %1").arg(once.farewell.error));
    }
    const bool ok = once.ok();
    if (!ok) {
        printError(QStringLiteral("%1 was not written").arg(outputFile));
        return ExitFailed;
    }
    if (!output.commit([&data](QIODevice* file) { return data.saveConfigFile(file); })) {
        printError(output.errorString());
        return ExitFailed;
    }
    printErr(QStringLiteral("Loaded %1 records from %2 into %3.\n").arg(result.records).arg(options.port, outputFile));
    return traced ? ExitOk : ExitFailed;
}

} // namespace DeviceCommands
