#include "devicecommands.h"

#include "appdata.h"
#include "clicommon.h"
#include "devicerecordlayout.h"
#include "devicesession.h"
#include "programtransfer.h"
#include "safesave.h"

#include "portsession.h"
#include "runreport.h"

#include <QBuffer>
#include <QSerialPortInfo>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
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

// The program as the bytes of a configuration file, which each port's thread reads into a model of its own.
QByteArray programBytes(ProgramRecords* data)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    data->saveConfigFile(&buffer);
    return buffer.data();
}

// Runs one session per port, each in its own thread, and waits for all.
std::vector<PortSession::Outcome> runSessions(const QByteArray& program, PortSession::Task task,
                                              const QStringList& ports, const DeviceCommands::LinkOptions& options)
{
    std::vector<PortSession::Outcome> outcomes(size_t(ports.size()));
    std::vector<std::unique_ptr<QThread>> threads;
    for (qsizetype i = 0; i < ports.size(); ++i) {
        const QString port = ports.at(i);
        PortSession::Outcome* slot = &outcomes[size_t(i)];
        threads.emplace_back(QThread::create([=, &program]() {
            // One line per call: stdio keeps whole lines from threads apart.
            PortSession session(program, task, {port, options.attempts, options.timeoutMs},
                                [port](const QString& line) { printErr(QStringLiteral("%1: %2\n").arg(port, line)); });
            *slot = session.run();
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

// The outcome of a port that was never contacted.
PortSession::Outcome notContacted(const QString& port, const QString& error)
{
    PortSession::Outcome outcome;
    outcome.port = port;
    outcome.start = outcome.end = QDateTime::currentDateTimeUtc();
    outcome.error = error;
    return outcome;
}

// Appends a line per port to the report; says on standard error what failed.
bool writeReport(RunReport* report, const QString& command, const QString& configFile,
                 const std::vector<PortSession::Outcome>& outcomes)
{
    bool ok = true;
    for (const PortSession::Outcome& outcome : outcomes) {
        QString error;
        if (report && !report->append(command, configFile, outcome, &error)) {
            printError(error);
            ok = false;
        }
    }
    return ok;
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

bool allSucceeded(const std::vector<PortSession::Outcome>& outcomes)
{
    return std::all_of(outcomes.begin(), outcomes.end(), [](const PortSession::Outcome& o) { return o.ok; });
}

// Reads the configuration and opens the report: everything that can fail
// before a device is touched.
bool prepare(const QString& configFile, const DeviceCommands::LinkOptions& options, ProgramRecords* data,
             std::unique_ptr<RunReport>* report)
{
    if (!readConfigFileOrReport(configFile, data)) {
        return false;
    }
    if (!options.reportFile.isEmpty()) {
        *report = std::make_unique<RunReport>(options.reportFile);
        QString error;
        if (!(*report)->open(&error)) {
            printError(error);
            return false;
        }
    }
    return true;
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

int store(const QString& configFile, const LinkOptions& options, bool verify)
{
    ProgramRecords data;
    makeFreshModel(&data);
    std::unique_ptr<RunReport> report;
    if (!prepare(configFile, options, &data, &report)) {
        return ExitFailed;
    }

    std::vector<PortSession::Outcome> outcomes;
    // Refused before any port is opened: a half-stored program is worse than none.
    const QStringList oversized = ProgramTransfer(&data, nullptr).oversizedRecords();
    if (!oversized.isEmpty()) {
        const QString error = QStringLiteral("nothing was sent: these commands are longer than %1 bytes and do "
                                             "not fit the device: %2")
                                  .arg(MaxDeviceCommandBytes)
                                  .arg(oversized.join(QLatin1String("; ")));
        printError(error);
        for (const QString& port : options.ports) {
            outcomes.push_back(notContacted(port, error));
        }
    } else {
        outcomes = runSessions(programBytes(&data),
                               verify ? PortSession::Task::StoreAndVerify : PortSession::Task::Store, options.ports,
                               options);
    }
    const bool reported = writeReport(report.get(), QStringLiteral("store"), configFile, outcomes);
    printSummary(outcomes, printOut);
    return allSucceeded(outcomes) && reported ? ExitOk : ExitFailed;
}

int verify(const QString& configFile, const LinkOptions& options)
{
    ProgramRecords data;
    makeFreshModel(&data);
    std::unique_ptr<RunReport> report;
    if (!prepare(configFile, options, &data, &report)) {
        return ExitFailed;
    }
    const std::vector<PortSession::Outcome> outcomes = runSessions(programBytes(&data), PortSession::Task::Verify,
                                                                   {options.port}, options);
    for (const ConfigComparison::Difference& difference : outcomes.front().differences) {
        printOut(PortSession::describe(difference) + QLatin1Char('\n'));
    }
    const bool reported = writeReport(report.get(), QStringLiteral("verify"), configFile, outcomes);
    printSummary(outcomes, printOut);
    return allSucceeded(outcomes) && reported ? ExitOk : ExitFailed;
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

    ProgressLine progress(QStringLiteral("Loading from %1").arg(options.port));
    DeviceSession session({options.attempts, options.timeoutMs});
    session.setProgress([&progress](DeviceSession::Operation, int done, int total) { progress.update(done, total); });
    DeviceSession::Result result;
    const DeviceSession::Once once = session.runOnce(options.port, [&](DeviceSession& device) {
        result = device.run(DeviceSession::Operation::Load, &data);
        progress.finish();
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
    return ExitOk;
}

} // namespace DeviceCommands
