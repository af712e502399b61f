#include "devicecommands.h"

#include "appdata.h"
#include "clicommon.h"
#include "devicerecordlayout.h"
#include "devicesession.h"
#include "programtransfer.h"
#include "safesave.h"
#include "seriallink.h"

#include "deviceprobe.h"
#include "interruption.h"
#include "portidentity.h"
#include "portlisting.h"
#include "portselector.h"
#include "portsession.h"
#include "reportoption.h"
#include "reportwriter.h"
#include "resulthook.h"
#include "runreport.h"
#include "slotfinder.h"
#include "slotports.h"
#include "slotrun.h"
#include "stationwatch.h"
#include "traceoption.h"

#include <QFileInfo>
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
class ProgressCounter
{
public:
    explicit ProgressCounter(QString label)
        : m_label(std::move(label))
        , m_terminal(stderrIsTerminal())
    {
    }
    ~ProgressCounter() { finish(); }

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

void warnOfPartialPrograms(const QStringList& partial);

// A slot whose port is found: the node its session opens.
struct ResolvedSlot {
    QString name;
    QString port; // as the session opens it: the --port text itself where that is a name
};

// "A1 (/dev/ttyUSB3)", or only the port where the slot is named by it.
QString labelOf(const PortSession::Outcome& outcome)
{
    return ProgressOutput::label(outcome.slot, outcome.port);
}

// Runs one session per slot, each in its own thread, and waits for all. Each
// slot's outcome goes to the report as soon as that slot is done.
std::vector<PortSession::Outcome> runSessions(const SlotRun& slotRun, const std::vector<ResolvedSlot>& resolved)
{
    std::vector<PortSession::Outcome> outcomes(resolved.size());
    std::vector<std::unique_ptr<QThread>> threads;
    for (size_t i = 0; i < resolved.size(); ++i) {
        const ResolvedSlot station = resolved.at(i);
        PortSession::Outcome* slot = &outcomes[i];
        threads.emplace_back(QThread::create([=, &slotRun]() { *slot = slotRun.run(station.name, station.port); }));
    }
    for (const auto& thread : threads) {
        thread->start();
    }
    for (const auto& thread : threads) {
        thread->wait();
    }
    return outcomes;
}

// What every device of a run or a shift is done with.
SlotRun::Options slotRunOptions(PortSession::Task task, const DeviceCommands::RunOptions& options, LinkTrace* trace)
{
    SlotRun::Options run;
    run.task = task;
    run.attempts = options.attempts;
    run.timeoutMs = options.timeoutMs;
    run.cancel = &Interruption::requested;
    run.trace = trace;
    run.backupFolder = options.backupFolder;
    return run;
}

// A shift: every slot watched until a signal ends it (see StationWatch).
int runShift(const QByteArray& program, PortSession::Task task, const QList<StationSlot>& watched,
             const DeviceCommands::RunOptions& options, const ReportOption::Report& report, LinkTrace* trace,
             const ProgressOutput& progress)
{
    ReportWriter* writer = report.writer.get();
    StationWatch::Options watchOptions;
    static_cast<SlotRun::Options&>(watchOptions) = slotRunOptions(task, options, trace);
    SlotPorts ports;
    watchOptions.identify = [&ports](const QString& node) { return ports.identify(node); };
    const auto locate = [&ports](const StationSlot& slot) { return ports.locate(slot); };
    const ResultHook hook(options.onResult);
    if (!options.onResult.isEmpty()) {
        watchOptions.afterDevice = [&hook](const PortSession::Outcome& outcome) {
            const ResultHook::Result ran = hook.run(outcome.slot, outcome.port, outcome.result(),
                                                    &Interruption::requested);
            if (!ran.ok) {
                printError(QStringLiteral("%1: %2").arg(labelOf(outcome), ran.problem));
            }
        };
    }
    StationWatch watch(program, watchOptions, locate, &progress, writer);
    watch.run(watched);
    warnOfPartialPrograms(watch.partialPrograms());
    printError(QStringLiteral("stopped by %1").arg(Interruption::signalName()));
    // The shift's counts, as summary --by slot gives them from its report.
    watch.counts().print(printOut);
    ReportOption::finish(report, true);
    const bool traced = TraceOption::finish(trace);
    return !writer->failed() && traced ? Interruption::exitCode() : ExitFailed;
}

void printSummary(const std::vector<PortSession::Outcome>& outcomes, void (*print)(const QString&))
{
    int slotWidth = 0;
    int width = 0;
    bool named = false;
    for (const PortSession::Outcome& outcome : outcomes) {
        slotWidth = qMax(slotWidth, int(outcome.slot.size()));
        width = qMax(width, int(outcome.port.size()));
        named = named || (!outcome.slot.isEmpty() && outcome.slot != outcome.port);
    }
    for (const PortSession::Outcome& outcome : outcomes) {
        const QString port = QStringLiteral("%1").arg(outcome.port, -width);
        print(QStringLiteral("%1  %2\n")
                  .arg(named ? QStringLiteral("%1 %2").arg(outcome.slot, -slotWidth).arg(port) : port)
                  .arg(outcome.summary()));
    }
}

// The labels of the devices whose store began and did not end.
QStringList partialPrograms(const std::vector<PortSession::Outcome>& outcomes)
{
    QStringList partial;
    for (const PortSession::Outcome& outcome : outcomes) {
        if (outcome.partial()) {
            partial << labelOf(outcome);
        }
    }
    return partial;
}

// Names the devices whose store began and did not end: their program is now
// part old, part new, and only a new store mends it.
void warnOfPartialPrograms(const QStringList& partial)
{
    if (!partial.isEmpty()) {
        printError(QStringLiteral("%1 now %2 a partial program; store it again before %3 used: %4")
                       .arg(partial.size() == 1 ? QStringLiteral("this device") : QStringLiteral("these devices"),
                            partial.size() == 1 ? QStringLiteral("holds") : QStringLiteral("hold"),
                            partial.size() == 1 ? QStringLiteral("it is") : QStringLiteral("they are"),
                            partial.join(QLatin1String(", "))));
    }
}

// Every port that had a device succeeded; with none, false.
int exitCodeOf(const std::vector<PortSession::Outcome>& outcomes, const DeviceCommands::PortSelection& selection,
               bool reported)
{
    if (Interruption::requested()) {
        return Interruption::exitCode();
    }
    const bool probe = selection.probing();
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

// Every port in `listed`, for --all and a bare "ports --probe"; each takes a thread.
bool everyListedPort(const QList<ListedPort>& listed, QStringList* ports)
{
    for (const ListedPort& port : listed) {
        ports->append(port.node);
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

// The slots of a run: those given (one per --port when the caller named none),
// or with --all every listed port, named by itself.
bool slotsOf(const DeviceCommands::PortSelection& selection, const QList<ListedPort>& listed,
             QList<StationSlot>* stationSlots)
{
    QStringList ports = selection.ports;
    if (selection.allPorts) {
        ports.clear();
        if (!everyListedPort(listed, &ports)) {
            return false;
        }
    } else if (!selection.stationSlots.isEmpty()) {
        *stationSlots = selection.stationSlots;
        return true;
    }
    for (const QString& port : ports) {
        stationSlots->append({port, port});
    }
    return true;
}

// Refuses a run whose slots are not each on a port of their own, naming each
// such slot on standard error: a device in the wrong slot would get another's
// program or record. Plain --port runs are told of their ports, not of slots.
bool refuseWithoutOwnPorts(const QStringList& problems, const QList<StationSlot>& stationSlots)
{
    if (problems.isEmpty()) {
        return false;
    }
    for (const QString& problem : problems) {
        printError(problem);
    }
    const bool named = std::any_of(stationSlots.cbegin(), stationSlots.cend(),
                                   [](const StationSlot& station) { return station.name != station.port; });
    const bool one = problems.size() == 1;
    printError(named ? QStringLiteral("nothing was sent: %1 without a port of %2 own")
                           .arg(one ? QStringLiteral("a slot is") : QStringLiteral("slots are"),
                                one ? QStringLiteral("its") : QStringLiteral("their"))
                     : QStringLiteral("nothing was sent: every port must be there, and each a port of its own"));
    return true;
}

// Finds each slot's port in `listed`; none is resolved unless every slot has a
// port of its own. With --probe a path that is not there is a port without a
// device, as one that cannot be opened is.
bool resolveSlots(const QList<StationSlot>& stationSlots, const QList<ListedPort>& listed, bool probe,
                  std::vector<ResolvedSlot>* resolved)
{
    QStringList problems;
    QList<SlotFinder::Found> found;
    for (const StationSlot& station : stationSlots) {
        found << SlotFinder::find(station, listed);
        if (probe && found.last().byPath && found.last().node.isEmpty()) {
            found.last().node = station.port;
        }
        if (found.last().node.isEmpty()) {
            problems << QStringLiteral("%1: %2").arg(ProgressOutput::label(station.name, station.port),
                                                     found.last().missing);
        }
    }
    problems << SlotFinder::clashes(stationSlots, found);
    if (refuseWithoutOwnPorts(problems, stationSlots)) {
        return false;
    }
    for (qsizetype i = 0; i < stationSlots.size(); ++i) {
        resolved->push_back({stationSlots.at(i).name, found.at(i).node});
    }
    return true;
}

// A shift waits for a slot's port, but not for two slots to stop sharing one.
bool shiftSlotsApart(const QList<StationSlot>& stationSlots, const QList<ListedPort>& listed)
{
    QList<SlotFinder::Found> found;
    for (const StationSlot& station : stationSlots) {
        found << SlotFinder::find(station, listed);
    }
    return !refuseWithoutOwnPorts(SlotFinder::clashes(stationSlots, found), stationSlots);
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
    ReportOption::Report report;
    if (!ReportOption::open(options, command, program, &report)) {
        return ExitUsage;
    }
    std::unique_ptr<LinkTrace> trace;
    if (!TraceOption::open(options.traceFile, &trace)) {
        return ExitUsage;
    }
    // One look at the system's ports for the whole run: where each slot is, and what each adapter is.
    QString listError;
    const QList<ListedPort> listed = PortListing::current(&listError);
    // The database signed in meanwhile.
    if (!ReportOption::ready(report)) {
        return ExitUsage;
    }
    if (!listError.isEmpty()) {
        printError(QStringLiteral("%1; no device was touched").arg(listError));
        return ExitUsage;
    }
    QList<StationSlot> stationSlots;
    if (!slotsOf(options, listed, &stationSlots)) {
        return DeviceCommands::ExitNoDevice;
    }
    // A shift waits for adapters as it waits for devices; a run needs each one now.
    std::vector<ResolvedSlot> resolved;
    if (options.watch ? !shiftSlotsApart(stationSlots, listed)
                      : !resolveSlots(stationSlots, listed, options.probing(), &resolved)) {
        return ExitUsage;
    }
    ReportWriter& writer = *report.writer;
    const ProgressOutput progress(options.progress);

    std::vector<PortSession::Outcome> outcomes;
    // Refused before any port is opened: a half-stored program is worse than none.
    const QStringList oversized = task == PortSession::Task::Verify
        ? QStringList()
        : ProgramTransfer(&data, nullptr).oversizedRecords();
    if (!oversized.isEmpty()) {
        const QString error = QStringLiteral("nothing was sent: these commands are longer than %1 bytes and do "
                                             "not fit the device: %2")
                                  .arg(MaxDeviceCommandBytes)
                                  .arg(oversized.join(QLatin1String("; ")));
        printError(error);
        if (options.watch) {
            return ExitFailed;
        }
        for (const ResolvedSlot& station : resolved) {
            outcomes.push_back(notContacted(station.port, error));
            outcomes.back().identity = PortIdentity::of(station.port, listed);
            outcomes.back().slot = station.name;
            writer.write(outcomes.back());
        }
    } else if (options.watch) {
        return runShift(data.configFileBytes(), task, stationSlots, options, report, trace.get(), progress);
    } else {
        SlotRun::Options runOptions = slotRunOptions(task, options, trace.get());
        runOptions.probe = options.probing();
        runOptions.identify = [&listed](const QString& node) { return PortIdentity::of(node, listed); };
        // As a configuration file's bytes, which each port's thread reads into a model of its own.
        outcomes = runSessions(SlotRun(data.configFileBytes(), std::move(runOptions), &progress, &writer), resolved);
    }
    if (task == PortSession::Task::Verify) {
        // A lone port's differences as they are; several ports' each after its port.
        for (const PortSession::Outcome& outcome : outcomes) {
            for (const ConfigComparison::Difference& difference : outcome.differences) {
                const QString line = PortSession::describe(difference);
                printOut((outcomes.size() == 1 ? line : QStringLiteral("%1: %2").arg(labelOf(outcome), line))
                         + QLatin1Char('\n'));
            }
        }
    }
    printSummary(outcomes, printOut);
    warnOfPartialPrograms(partialPrograms(outcomes));
    if (Interruption::requested()) {
        printError(QStringLiteral("stopped by %1").arg(Interruption::signalName()));
    }
    ReportOption::finish(report, false);
    const bool traced = TraceOption::finish(trace.get());
    return exitCodeOf(outcomes, options, !writer.failed() && traced);
}

} // namespace

namespace DeviceCommands {

int listPorts()
{
    QString error;
    const QList<ListedPort> ports = PortListing::current(&error);
    if (!error.isEmpty()) {
        printError(error);
        return ExitFailed;
    }
    if (ports.isEmpty()) {
        printErr(QStringLiteral("No serial ports found.\n"));
    }
    for (const ListedPort& port : ports) {
        const QString description = port.description.isEmpty() ? QStringLiteral("(no description)") : port.description;
        printOut(QStringLiteral("%1\t%2\t%3\n").arg(port.node, description, PortSelector::selectorsOf(port)));
    }
    return ExitOk;
}

int listSlots(const QList<StationSlot>& stationSlots)
{
    QString error;
    const QList<ListedPort> listed = PortListing::current(&error);
    if (!error.isEmpty()) {
        printError(error);
        return ExitFailed;
    }
    bool everyFound = true;
    QList<SlotFinder::Found> found;
    for (const StationSlot& station : stationSlots) {
        found << SlotFinder::find(station, listed);
        everyFound = everyFound && !found.last().node.isEmpty();
        printOut(QStringLiteral("%1\t%2\t%3\n")
                     .arg(station.name, station.port,
                          found.last().node.isEmpty() ? QStringLiteral("missing: ") + found.last().missing
                                                      : found.last().node));
    }
    const QStringList clashes = SlotFinder::clashes(stationSlots, found);
    for (const QString& clash : clashes) {
        printError(clash);
    }
    return everyFound && clashes.isEmpty() ? ExitOk : ExitNoDevice;
}

int probePorts(const QStringList& ports, const RunOptions& options)
{
    QStringList tried = ports;
    if (tried.isEmpty()) {
        QString error;
        const QList<ListedPort> listed = PortListing::current(&error);
        if (!error.isEmpty()) {
            printError(error);
            return ExitUsage;
        }
        if (!everyListedPort(listed, &tried)) {
            return ExitNoDevice;
        }
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

    // An adapter named by its serial number or place: its port, found before anything is sent.
    QString port;
    {
        QString error;
        const QList<ListedPort> listed = PortListing::current(&error);
        PortSelector selector;
        if (!error.isEmpty() || !PortSelector::parse(options.port, &selector, &error)
            || !selector.resolve(listed, &port, &error)) {
            printError(QStringLiteral("%1; nothing was sent").arg(error));
            return ExitUsage;
        }
    }

    ProgressCounter progress(QStringLiteral("Loading from %1").arg(port));
    DeviceSession session({options.attempts, options.timeoutMs});
    session.setProgress([&progress](DeviceSession::Operation, int done, int total) { progress.update(done, total); });
    // Stopped by a signal, the session ends here and the output's temporary file goes with it.
    session.setCancelCheck(&Interruption::requested);
    session.link()->setTrace(trace.get());
    DeviceSession::Result result;
    const DeviceSession::Once once = session.runOnce(port, [&](DeviceSession& device) {
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
        printError(QStringLiteral("cannot open the port %1: %2").arg(port, once.connection.error));
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
    printErr(QStringLiteral("Loaded %1 records from %2 into %3.\n").arg(result.records).arg(port, outputFile));
    return traced ? ExitOk : ExitFailed;
}

} // namespace DeviceCommands
