// kvr210c-cli: the editor's configuration files and device transfer from the
// command line, for programming many devices alike and for keeping
// configurations as text.
#include "clicommon.h"
#include "commandhelp.h"
#include "commandtable.h"
#include "devicecommands.h"
#include "kvr210c_version.h"
#include "outputfiles.h"
#include "portselector.h"
#include "reportoption.h"
#include "reporttarget.h"
#include "stationfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>

using namespace Cli;

namespace {

// --station instead of --port or --all: the station file read and checked whole.
bool readStation(const QCommandLineParser& parser, DeviceCommands::LinkOptions* link, QString* error)
{
    if (parser.isSet(QStringLiteral("port")) || link->allPorts) {
        *error = QStringLiteral("--station names the ports: give it without --port or --all");
        return false;
    }
    if (!StationFile::read(parser.value(QStringLiteral("station")), &link->stationSlots, error)) {
        return false;
    }
    for (const StationSlot& station : std::as_const(link->stationSlots)) {
        link->ports.append(station.port);
    }
    return true;
}

// --report, its --spool and --station-name; a database's address is checked here.
bool readReportOptions(const QCommandLineParser& parser, DeviceCommands::LinkOptions* link, QString* error)
{
    link->reportFile = parser.value(QStringLiteral("report"));
    link->spoolFile = parser.value(QStringLiteral("spool"));
    ReportTarget target;
    if (!ReportTarget::parse(link->reportFile, &target, error)) {
        return false;
    }
    if (parser.isSet(QStringLiteral("spool")) && (link->spoolFile.isEmpty() || !target.isDatabase())) {
        *error = QStringLiteral("--spool keeps what a database does not take: give a file with --report sqlite:PATH "
                                "or postgresql://...");
        return false;
    }
    if (parser.isSet(QStringLiteral("station-name"))) {
        link->stationName = parser.value(QStringLiteral("station-name"));
        return ReportOption::checkStationName(link->stationName, error);
    }
    return true;
}

// The device options of the command line: --retries, --timeout and the ports.
bool readLinkOptions(const Command& command, const QCommandLineParser& parser, DeviceCommands::LinkOptions* link,
                     QString* error)
{
    if (command.takes(Option::Retries)
        && !boundedNumber(parser, commandLineOption(Option::Retries), DeviceCommands::MinAttempts,
                          DeviceCommands::MaxAttempts, &link->attempts, error)) {
        return false;
    }
    if (command.takes(Option::Timeout)
        && !boundedNumber(parser, commandLineOption(Option::Timeout), DeviceCommands::MinTimeoutMs,
                          DeviceCommands::MaxTimeoutMs, &link->timeoutMs, error)) {
        return false;
    }
    if (command.takes(Option::Trace)) {
        link->traceFile = parser.value(QStringLiteral("trace"));
    }
    if (command.takes(Option::Progress)
        && !ProgressOutput::formatFrom(parser.value(QStringLiteral("progress")), &link->progress)) {
        *error =
            QStringLiteral("--progress takes text or json, not \"%1\"").arg(parser.value(QStringLiteral("progress")));
        return false;
    }
    link->watch = command.takes(Option::Watch) && parser.isSet(QStringLiteral("watch"));
    if (command.takes(Option::OnResult)) {
        link->onResult = parser.value(QStringLiteral("on-result"));
        if (parser.isSet(QStringLiteral("on-result")) && !link->watch) {
            *error = QStringLiteral("--on-result runs after each device of a shift: give it with --watch");
            return false;
        }
    }
    if (command.takes(Option::Backup) && parser.isSet(QStringLiteral("backup"))) {
        link->backupFolder = parser.value(QStringLiteral("backup"));
        if (link->backupFolder.isEmpty()) {
            *error = QStringLiteral("--backup needs a folder");
            return false;
        }
    }
    const bool manyPorts = command.takes(Option::Ports);
    if (!manyPorts && !command.takes(Option::Port)) {
        return true;
    }
    const QString port = QStringLiteral("port");
    link->allPorts = command.takes(Option::All) && parser.isSet(QStringLiteral("all"));
    link->probe = command.takes(Option::Probe) && parser.isSet(QStringLiteral("probe"));
    if (link->watch && link->allPorts) {
        *error = QStringLiteral("--watch watches the slots of --port: give them instead of --all");
        return false;
    }
    if (link->allPorts && parser.isSet(port)) {
        *error = QStringLiteral("--all takes every listed port: give it without --port");
        return false;
    }
    if (command.takes(Option::Report) && !readReportOptions(parser, link, error)) {
        return false;
    }
    if (command.takes(Option::Station) && parser.isSet(QStringLiteral("station"))) {
        return readStation(parser, link, error);
    }
    if (!parser.isSet(port) && !link->allPorts) {
        *error = command.takes(Option::All) ? QStringLiteral("%1 needs --port (or --all)").arg(command.name)
                                            : QStringLiteral("%1 needs --port").arg(command.name);
        return false;
    }
    if (!link->allPorts && !portList(parser.values(port), &link->ports, error)) {
        return false;
    }
    if (!manyPorts && link->ports.size() != 1) {
        *error = QStringLiteral("%1 takes one --port").arg(command.name);
        return false;
    }
    link->port = link->ports.value(0);
    // Each --port is a slot named by its text; an adapter it names must be well-formed.
    for (const QString& text : std::as_const(link->ports)) {
        PortSelector selector;
        if (!PortSelector::parse(text, &selector, error)) {
            *error = QStringLiteral("--port: %1").arg(*error);
            return false;
        }
        if (manyPorts) {
            link->stationSlots.append({text, text});
        }
    }
    return true;
}

// The files the command reads and those it writes: no output may overwrite
// one of them, whatever names reach it.
bool outputsApart(const Command& command, const QStringList& positional, const QCommandLineParser& parser,
                  QString* error)
{
    QList<OutputFiles::File> inputs;
    QList<OutputFiles::File> outputs;
    // By name: send's --trace is a row of its own.
    const auto given = [&](const QString& name) {
        return command.takesOptionNamed(name) ? parser.value(name) : QString();
    };
    if (command.name == QLatin1String("store") || command.name == QLatin1String("verify")
        || command.name == QLatin1String("send")) {
        const QString role = command.name == QLatin1String("store") ? QStringLiteral("being stored")
            : command.name == QLatin1String("verify")               ? QStringLiteral("being verified")
                                                                    : QStringLiteral("whose command is sent");
        inputs.append({QStringLiteral("the configuration file %1").arg(role), positional.value(0)});
    }
    if (command.name == QLatin1String("set")) {
        inputs.append({QStringLiteral("the configuration file it starts from"), positional.value(0)});
    }
    if (command.name == QLatin1String("report")) {
        inputs.append({QStringLiteral("the spool being sent"), positional.value(1)});
    }
    if (command.name == QLatin1String("library")) {
        inputs.append({QStringLiteral("the file being read"), positional.value(1)});
    }
    inputs.append({QStringLiteral("the library of --library"), given(QStringLiteral("library"))});
    inputs.append({QStringLiteral("the station file of --station"), given(QStringLiteral("station"))});
    inputs.append({QStringLiteral("the configuration file of --base"), given(QStringLiteral("base"))});
    outputs.append({QStringLiteral("--trace"), given(QStringLiteral("trace"))});
    outputs.append({QStringLiteral("--report"), ReportOption::writtenFile(given(QStringLiteral("report")))});
    outputs.append({QStringLiteral("--spool"), given(QStringLiteral("spool"))});
    // Only load's may be its --base on purpose.
    outputs.append(
        {QStringLiteral("--output"), given(QStringLiteral("output")), command.name == QLatin1String("load")});
    return OutputFiles::apart(inputs, outputs, error);
}

// Reads the command's options and arguments, then runs it.
int runCommand(const Command& command, const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(command.summary + (command.details ? command.details() : QString()));
    parser.addHelpOption();
    parser.addPositionalArgument(command.name, QStringLiteral("The command."), command.name);
    const bool repeatable = command.leastArguments >= 0;
    for (int i = 0; i < command.arguments.size(); ++i) {
        const QString& name = command.arguments.at(i);
        const bool last = i == command.arguments.size() - 1;
        const QString syntax = !repeatable || !last ? name
            : command.leastArguments == 0           ? QStringLiteral("[%1...]").arg(name)
                                                    : QStringLiteral("%1...").arg(name);
        parser.addPositionalArgument(name, command.argumentHelp.at(i), syntax);
    }
    for (Option option : command.options) {
        parser.addOption(commandLineOption(option));
    }

    if (!parser.parse(arguments)) {
        return usageError(parser.errorText(), command.name);
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        printOut(CommandHelp::helpText(parser));
        return ExitOk;
    }
    const QStringList positional = parser.positionalArguments().mid(1);
    const bool argumentsFit = repeatable ? positional.size() >= command.arguments.size() - 1 + command.leastArguments
                                         : positional.size() == command.arguments.size();
    if (!argumentsFit) {
        return usageError(
            command.arguments.isEmpty()
                ? QStringLiteral("%1 takes no arguments").arg(command.name)
                : QStringLiteral("%1 takes %2").arg(command.name, command.arguments.join(QLatin1Char(' '))),
            command.name);
    }
    DeviceCommands::LinkOptions link;
    QString error;
    if (!readLinkOptions(command, parser, &link, &error) || !outputsApart(command, positional, parser, &error)) {
        return usageError(error, command.name);
    }
    return command.run({positional, link, parser});
}

// The library's diagnostics ("checksum error" for each failed attempt) are
// for developers; what went wrong reaches the user as one message per step.
void quietDiagnostics(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        printError(message);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quietDiagnostics);
#ifdef Q_OS_UNIX
    // A file grown past the user's limit (ulimit -f) is a failed write to
    // report, not a reason to end the run at once and lose the rest.
    std::signal(SIGXFSZ, SIG_IGN);
    // A reader of standard output that has gone (| head) is a failed write to
    // report; the devices and the report are still finished.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(ProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(KVR_VERSION));

    // First only find the command; its own parser reads the rest.
    QCommandLineParser parser;
    parser.setApplicationDescription(CommandHelp::overview());
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), CommandHelp::commandNames(),
                                 QStringLiteral("<command> [options] [arguments]"));
    parser.parse(app.arguments());
    const QStringList positional = parser.positionalArguments();

    if (positional.isEmpty()) {
        if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
            printOut(CommandHelp::helpText(parser));
            return ExitOk;
        }
        if (parser.isSet(versionOption)) {
            printOut(QStringLiteral("%1 %2\n").arg(QLatin1String(ProgramName), QCoreApplication::applicationVersion()));
            return ExitOk;
        }
        if (!parser.unknownOptionNames().isEmpty()) {
            return usageError(parser.errorText());
        }
        return usageError(QStringLiteral("no command given"));
    }
    const Command* command = findCommand(positional.constFirst());
    if (!command) {
        return usageError(QStringLiteral("unknown command \"%1\"").arg(positional.constFirst()));
    }
    const int code = runCommand(*command, app.arguments());
    // Output that never reached its reader is no success, whatever else went well.
    return code == ExitOk && outputFailed() ? int(ExitFailed) : code;
}
