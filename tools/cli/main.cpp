// kvr210c-cli: the editor's configuration files and device transfer from the
// command line, for programming many devices alike and for keeping
// configurations as text.
#include "appdata.h"
#include "boundedread.h"
#include "clicommon.h"
#include "configcompare.h"
#include "configjson.h"
#include "configtext.h"
#include "devicecommands.h"
#include "devicerecordlayout.h"
#include "interruption.h"
#include "kvr210c_version.h"
#include "linktrace.h"
#include "outputfiles.h"
#include "portselector.h"
#include "reportsummary.h"
#include "sendcommand.h"
#include "stationfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <cstdio>
#include <functional>

using namespace Cli;

namespace {

// The options a command may take; each command's row lists its own, in the
// order its --help shows them.
enum class Option {
    Port, // one --port
    Ports, // --port, several
    Retries,
    Timeout,
    Verify,
    Report,
    Probe, // store and verify: only the ports with a device
    ProbePorts, // ports: try the handshake
    All,
    Output,
    Base,
    Trace,
    Watch, // store and verify: a shift
    OnResult,
    Progress,
    Station, // store, verify and ports: the slots of a station file
};

// What a command's function gets: its arguments, the device options read
// from the command line, and the parser for its other options.
struct Call {
    const QStringList& arguments;
    const DeviceCommands::LinkOptions& link;
    const QCommandLineParser& parser;
};

struct Command {
    QString name;
    QString summary;
    QStringList arguments; // positional arguments, in order
    QStringList argumentHelp;
    QList<Option> options;
    int (*run)(const Call& call);
    int leastArguments = -1; // with the last argument repeatable: at least this many (-1: exactly as listed)
    void (*addOwnOptions)(QCommandLineParser* parser) = nullptr; // options only this command has

    bool takes(Option option) const { return options.contains(option); }
};

const QList<Command>& commands();

QString overview()
{
    QString text = QStringLiteral("Reads and writes KVR210C configuration files and transfers them to and "
                                  "from the device.\n\nCommands:\n");
    for (const Command& command : commands()) {
        text += QStringLiteral("  %1  %2\n").arg(command.name, -7).arg(command.summary);
    }
    text += QStringLiteral("\nRun \"%1 <command> --help\" for the options of a command.\n"
                           "Exit codes: 0 done, 1 a file or the device failed, 2 wrong usage (or, with\n"
                           "--probe or --all, no device answered; see the commands' help), 130, 143 and\n"
                           "129 stopped by SIGINT, SIGTERM or SIGHUP (a second signal stops it at once).")
                .arg(QLatin1String(ProgramName));
    return text;
}

// What a command's --help says beyond its summary.
QString details(const QString& name)
{
    const QString minimums = QStringLiteral(
                                 "Every message gets --retries attempts, each waiting --timeout for the answer; the\n"
                                 "least is what the editor uses (%1 attempts of %2 ms).")
                                 .arg(DeviceCommands::MinAttempts)
                                 .arg(DeviceCommands::MinTimeoutMs);
    if (name == QLatin1String("export") || name == QLatin1String("import")) {
        return QStringLiteral("\n\n") + ConfigJson::formatDescription();
    }
    const QString report = QStringLiteral(
                               "--report appends one JSON object a line per port, as soon as the port is done: port,\n"
                               "slot (the fixture's name for the place, or the port), command, file, sha256 and size\n"
                               "(of the file), version (of this program), location, serial_number, usb_location\n"
                               "(its place on the hub), vendor_id and product_id (of the adapter, null where the\n"
                               "system does not tell), start and end (ISO\n"
                               "8601, UTC), duration_ms, result, records (confirmed by the device), unconfirmed (a\n"
                               "store stopped by a signal: sent, not confirmed), differences and error. A report\n"
                               "that cannot be opened stops the run before any device is touched (exit code 2); a\n"
                               "line that cannot be written is said at once and the run goes on (exit code 1).\n"
                               "\"%1 summary\" counts report files.\n")
                               .arg(QLatin1String(ProgramName));
    const QString trace =
        QStringLiteral("--trace writes every chunk sent to and read from each port to a file, a line each:\n"
                       "microseconds since the start, the port, out or in, the bytes in hex and as text\n"
                       "(\"1520 /dev/ttyUSB0 out 53455453064b5652323130 |SETS.KVR210|\"); lines starting with #\n"
                       "are notes: a port opened with its line settings or not opened, a wait that ran out, a\n"
                       "frame sent again. It ends with a note where it reached its limit of %1 MiB. A trace\n"
                       "that cannot be opened, or that names a file the command reads or writes otherwise,\n"
                       "stops the run before anything is sent (exit code 2); one that cannot be written\n"
                       "to the end keeps the lines that fit, is said, and the run goes on (exit code 1).\n")
            .arg(LinkTrace::DefaultLimit / (1024 * 1024));
    const QString probe = QStringLiteral(
        "--probe first shakes hands on every --port at once and goes on only where a device\n"
        "answered; a port that cannot be opened, stays silent or answers something else is\n"
        "\"no device\" in the summary and the report and is never sent a record. --all does the\n"
        "same on every port \"ports\" lists. With either, the exit code is 0 when every device\n"
        "that answered succeeded, 1 when one failed, 2 when none answered.\n"
        "SIGINT (Ctrl+C), SIGTERM or SIGHUP stops every port within a second: a device left\n"
        "half-written gets no \"ISPOK!\", each port still gets its line in the report\n"
        "(\"interrupted\"), standard error names the devices that now hold a partial program,\n"
        "and the exit code is 130, 143 or 129. A second signal ends the program at once (a copy\n"
        "of the first within half a second, as timeout sends it to the group too, is not one).\n");
    const QString station =
        QStringLiteral("--port may name the adapter instead of the port, since port names move between\n"
                       "reboots: serial=FT1234AB (its serial number), location=1-1.4 (its place on the USB\n"
                       "hub) or usb=0403:6001 (its USB ids in hex, where only one adapter has them); \"%1\n"
                       "ports\" shows each port's. --station station.json names a programming station's slots\n"
                       "instead of --port: {\"slots\": [{\"name\": \"A1\", \"port\": \"serial=FT1234AB\"}, ...]}\n"
                       "(names of up to %2 characters, each name and port once). Before any device is touched\n"
                       "every slot's port is found; a slot whose adapter is missing or not alone, or whose path\n"
                       "does not exist (with --probe: no device), stops the run with exit code 2 and nothing is\n"
                       "sent; so do two slots on one port (a link and its target too), also a shift. Progress\n"
                       "and summary then name slot and port (\"A1 (/dev/ttyUSB3): ...\", \"A1 /dev/ttyUSB3\n"
                       "stored\").\n")
            .arg(QLatin1String(ProgramName))
            .arg(StationFile::MaxNameLength);
    const QString shift = QStringLiteral(
        "--watch runs a shift on the slots of --station or --port, each in a thread of its own:\n"
        "a device that answers the handshake in a slot is done at once, its report line written\n"
        "and its result a line on standard output (\"A1 (/dev/ttyUSB3)  stored, verified\"); the\n"
        "slot then leaves it alone until it is taken away (its port's node goes, or two handshakes\n"
        "in a row go unanswered), so a device is never done twice without being unplugged. A slot\n"
        "without a device is asked once a second at most; a missing adapter or path is waited\n"
        "for. A signal ends the shift as it ends a run, and standard output then has the shift's\n"
        "counts per slot, in the station's order, as \"summary --by slot\" gives them.\n"
        "--on-result COMMAND runs \"/bin/sh -c COMMAND\" after each device with the slot, the\n"
        "port and the outcome as $1, $2 and $3 (and in KVR210C_SLOT, KVR210C_PORT and\n"
        "KVR210C_RESULT); its output goes to standard error, it is stopped after 10 s, what it\n"
        "leaves running ends with it, and its failure never changes the device's outcome.\n"
        "--progress json writes one JSON object a line on standard error instead of the text:\n"
        "slot, port, step (connect, record, verify, done; gone when a watched device is taken\n"
        "away; waiting or silent, with why, when a watched slot has no port or no answer),\n"
        "record and of, elapsed_ms (since the device's session began), and for done the\n"
        "outcome as the report names it and the error where there is one.\n");
    if (name == QLatin1String("store")) {
        return QStringLiteral(
                   "\n\nShakes hands with the device, sends every record (%1) and checks its echo, and ends\n"
                   "with \"ISPOK!\". A configuration with a command longer than %2 bytes is refused\n"
                   "before anything is sent. --port may be given several times or as a list\n"
                   "(--port ttyUSB0,ttyUSB1): all devices are programmed at once, up to %3. Progress goes\n"
                   "to standard error, a line per port and step; at the end standard output has a line\n"
                   "per port (\"ttyUSB0  stored, verified\"). With --verify each device is then read\n"
                   "back and compared with the file. The exit code is 0 only when every port succeeded.\n")
                   .arg(DeviceRecordLayout::Records)
                   .arg(MaxDeviceCommandBytes)
                   .arg(DeviceCommands::MaxPorts)
            + station + shift + probe + report + trace + minimums;
    }
    if (name == QLatin1String("verify")) {
        return QStringLiteral(
                   "\n\nReads the device's program (as load does) and compares it with the file in what the\n"
                   "device keeps: each command, baud rate, parity and delay, also of the second layers.\n"
                   "Each difference is a line on standard output (\"Key 3, link 13: command 0D0A on the\n"
                   "device, 0D0B in the file\"); a command longer than 16 bytes is shown where it first\n"
                   "differs, counted from 0, with the bytes around it (\"command at offset 36: ... 41\n"
                   "[42] 43 ... on the device, ... 41 [58] 43 ... in the file\"). Then standard output\n"
                   "has the summary line of the port, as store prints it. Exit code 0 when they are\n"
                   "equal, 1 when they differ or the device failed. Several ports are read at once, as\n"
                   "store does; each difference line then starts with its port.\n")
            + station + shift + probe + report + trace + minimums;
    }
    if (name == QLatin1String("ports")) {
        return QStringLiteral(
            "\n\nWithout --probe: the ports the system lists, one a line: the port, its description and\n"
            "the selectors that name its adapter for --port and --station (\"/dev/ttyUSB0<tab>FT232R\n"
            "USB UART (FTDI)<tab>serial=FT1234AB location=1-1.4 usb=0403:6001\"). With --station: a\n"
            "line per slot, its name, its port as given and the port found, or \"missing: \" and why\n"
            "(\"A1<tab>serial=FT1234AB<tab>/dev/ttyUSB3\"); exit code 0 when every slot has a port of\n"
            "its own, 2 otherwise (two slots on one port are named on standard error). With --probe:\n"
            "the handshake on the given ports, or on every listed port, all at once, then one line\n"
            "per port: \"device\", \"no answer\", \"something else answered\" or \"cannot open the\n"
            "port\" (why on standard error). Only the handshake is sent, and \"ISPOK!\" where a\n"
            "device answered; each port takes at most --retries attempts of --timeout. Exit code 0\n"
            "when a device answered, 2 when none did.");
    }
    if (name == QLatin1String("send")) {
        return SendCommand::details() + QLatin1Char('\n') + trace;
    }
    if (name == QLatin1String("summary")) {
        return QStringLiteral(
            "\n\nReads one or more report files of store and verify and prints, for each configuration\n"
            "(by its SHA-256, or by its name in lines without one), the number of lines per outcome\n"
            "(stored, verified, different, failed, interrupted, no device), then the same for all\n"
            "files. With --by slot it counts per place on the fixture instead (by the slot's name,\n"
            "or the port in lines written without one), so a failing position shows up. Exit code\n"
            "2, naming it, for a file that cannot be read or a line that is not a report line;\n"
            "nothing is counted then.");
    }
    if (name == QLatin1String("diff")) {
        return QStringLiteral("\n\nCompares every field a configuration file holds, also those the device does not\n"
                              "keep (names, data bits, stop bits, second-layer switches), and prints a line per\n"
                              "differing field in a fixed order: \"Key 2, link 14: delay 3 -> 5\". As diff(1): exit\n"
                              "code 0 when they are equal, 1 when they differ, 2 when a file cannot be read.");
    }
    if (name == QLatin1String("load")) {
        return QStringLiteral("\n\nShakes hands with the device, asks for its program, acknowledges each record and\n"
                              "ends with \"ISPOK!\". The output is written only when all %1 records arrived;\n"
                              "otherwise an existing file is left as it was. The device does not keep names, data\n"
                              "bits, stop bits or the second-layer switches: they come from --base, or are those\n"
                              "of a new configuration.\n")
                   .arg(DeviceRecordLayout::Records)
            + trace + minimums;
    }
    return QString();
}

// The parser's help names the program as it was started (argv[0], often a
// whole build or install path); the usage line names it as it is typed.
QString helpText(const QCommandLineParser& parser)
{
    QString text = parser.helpText();
    const QString usage = QStringLiteral("Usage: ");
    const QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty() && text.startsWith(usage + arguments.constFirst())) {
        text.replace(usage.size(), arguments.constFirst().size(), QLatin1String(ProgramName));
    }
    return text;
}

int usageError(const QString& message, const QString& command = QString())
{
    printError(message);
    printErr(QStringLiteral("Run \"%1%2 --help\" for help.\n")
                 .arg(QLatin1String(ProgramName), command.isEmpty() ? QString() : QLatin1Char(' ') + command));
    return ExitUsage;
}

// Reads --retries or --timeout: a whole number within [min, max].
bool boundedNumber(const QCommandLineParser& parser, const QCommandLineOption& option, int min, int max, int* out,
                   QString* error)
{
    if (!parser.isSet(option)) {
        return true;
    }
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < min || value > max) {
        *error = QStringLiteral("--%1 must be a whole number from %2 to %3, not \"%4\"")
                     .arg(option.names().constFirst())
                     .arg(min)
                     .arg(max)
                     .arg(parser.value(option));
        return false;
    }
    *out = value;
    return true;
}

int exportJson(const QString& file)
{
    ProgramRecords data;
    makeFreshModel(&data);
    if (!readConfigFileOrReport(file, &data)) {
        return ExitFailed;
    }
    return writeOut(ConfigJson::toJsonText(data)) ? ExitOk : ExitFailed;
}

int show(const QString& file)
{
    ProgramRecords data;
    makeFreshModel(&data);
    if (!readConfigFileOrReport(file, &data)) {
        return ExitFailed;
    }
    printOut(ConfigText::describe(data));
    return ExitOk;
}

int importJson(const QString& jsonFile, const QString& file)
{
    const bool fromStdin = jsonFile == QLatin1String("-");
    QByteArray text;
    QString error;
    bool read = false;
    if (fromStdin) {
        QFile input;
        read = input.open(stdin, QIODevice::ReadOnly) && readBounded(&input, MaxUserFileBytes, &text, &error);
        if (!input.isOpen()) {
            error = input.errorString();
        }
        error = QStringLiteral("<stdin>: %1").arg(error);
    } else {
        read = readBounded(jsonFile, MaxUserFileBytes, &text, &error);
    }
    if (!read) {
        printError(QStringLiteral("%1; nothing was written").arg(error));
        return ExitFailed;
    }
    ProgramRecords data;
    makeFreshModel(&data);
    if (!ConfigJson::fromJson(text, &data, &error)) {
        printError(
            QStringLiteral("%1: %2; nothing was written").arg(fromStdin ? QStringLiteral("<stdin>") : jsonFile, error));
        return ExitFailed;
    }
    if (!writeConfigFile(file, &data, &error)) {
        printError(error);
        return ExitFailed;
    }
    return ExitOk;
}

// As diff(1): 0 equal, 1 different, 2 trouble.
int diffFiles(const QString& fileA, const QString& fileB)
{
    ProgramRecords a;
    ProgramRecords b;
    makeFreshModel(&a);
    makeFreshModel(&b);
    if (!readConfigFileOrReport(fileA, &a) || !readConfigFileOrReport(fileB, &b)) {
        return 2;
    }
    const QList<ConfigComparison::Difference> differences =
        ConfigComparison(a, b, ConfigComparison::Scope::File).differences();
    QString text;
    for (const ConfigComparison::Difference& difference : differences) {
        text += QStringLiteral("%1: %2 %3 -> %4\n")
                    .arg(difference.record, difference.subject(), difference.shownA(), difference.shownB());
    }
    printOut(text);
    if (outputFailed()) {
        return 2;
    }
    return differences.isEmpty() ? 0 : 1;
}

// The ports of --port, given several times or as comma-separated lists.
bool portList(const QStringList& values, QStringList* ports, QString* error)
{
    for (const QString& value : values) {
        for (const QString& item : value.split(QLatin1Char(','))) {
            const QString port = item.trimmed();
            if (port.isEmpty()) {
                *error = QStringLiteral("--port \"%1\" names an empty port").arg(value);
                return false;
            }
            if (ports->contains(port)) {
                *error = QStringLiteral("the port %1 is given twice").arg(port);
                return false;
            }
            ports->append(port);
        }
    }
    if (ports->size() > DeviceCommands::MaxPorts) {
        *error = QStringLiteral("at most %1 ports at once").arg(DeviceCommands::MaxPorts);
        return false;
    }
    return true;
}

void addSummaryOptions(QCommandLineParser* parser)
{
    parser->addOption({QStringLiteral("by"),
                       QStringLiteral("Count per configuration (config, the default) or per place on the fixture "
                                      "(slot)."),
                       QStringLiteral("config|slot"), QStringLiteral("config")});
}

int summary(const QCommandLineParser& parser, const QStringList& files)
{
    const QString by = parser.value(QStringLiteral("by"));
    if (by != QLatin1String("config") && by != QLatin1String("slot")) {
        return usageError(QStringLiteral("--by takes config or slot, not \"%1\"").arg(by), QStringLiteral("summary"));
    }
    ReportSummary totals(by == QLatin1String("slot") ? ReportSummary::Grouping::Slot
                                                     : ReportSummary::Grouping::Configuration);
    for (const QString& file : files) {
        QString error;
        if (!totals.add(file, &error)) {
            printError(QStringLiteral("%1; nothing was counted").arg(error));
            return ExitUsage;
        }
    }
    totals.print(printOut);
    return ExitOk;
}

QCommandLineOption commandLineOption(Option option)
{
    switch (option) {
    case Option::Port:
        return QCommandLineOption({QStringLiteral("p"), QStringLiteral("port")},
                                  QStringLiteral("The serial port (a name from \"ports\", or a path)."),
                                  QStringLiteral("port"));
    case Option::Ports:
        return QCommandLineOption({QStringLiteral("p"), QStringLiteral("port")},
                                  QStringLiteral("A serial port (a name from \"ports\", or a path); several by "
                                                 "repeating the option or as a comma-separated list."),
                                  QStringLiteral("port"));
    case Option::Retries:
        return QCommandLineOption(
            QStringLiteral("retries"),
            QStringLiteral("Attempts per message before it counts as failed (%1 to %2, default %1).")
                .arg(DeviceCommands::MinAttempts)
                .arg(DeviceCommands::MaxAttempts),
            QStringLiteral("n"), QString::number(DeviceCommands::MinAttempts));
    case Option::Timeout:
        return QCommandLineOption(QStringLiteral("timeout"),
                                  QStringLiteral("Wait this long for each answer of the device (%1 to %2, default %1).")
                                      .arg(DeviceCommands::MinTimeoutMs)
                                      .arg(DeviceCommands::MaxTimeoutMs),
                                  QStringLiteral("ms"), QString::number(DeviceCommands::MinTimeoutMs));
    case Option::Verify:
        return QCommandLineOption(QStringLiteral("verify"),
                                  QStringLiteral("Read each device back after storing and compare."));
    case Option::Report:
        return QCommandLineOption(QStringLiteral("report"), QStringLiteral("Append a JSON line per port to this file."),
                                  QStringLiteral("file.jsonl"));
    case Option::Probe:
        return QCommandLineOption(
            QStringLiteral("probe"),
            QStringLiteral("Only the ports whose device answers the handshake; the others are \"no device\"."));
    case Option::ProbePorts:
        return QCommandLineOption(QStringLiteral("probe"),
                                  QStringLiteral("Try the handshake on the ports and say which have a device."));
    case Option::All:
        return QCommandLineOption(QStringLiteral("all"),
                                  QStringLiteral("Every listed port, probed (as --probe) instead of --port."));
    case Option::Output:
        return QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                                  QStringLiteral("The configuration file to write."), QStringLiteral("file"));
    case Option::Trace:
        return QCommandLineOption(
            QStringLiteral("trace"),
            QStringLiteral("Write every chunk sent to and read from the device to this file, a line each."),
            QStringLiteral("file"));
    case Option::Watch:
        return QCommandLineOption(QStringLiteral("watch"),
                                  QStringLiteral("Run a shift: do each device as it is plugged into a slot, until "
                                                 "Ctrl+C."));
    case Option::OnResult:
        return QCommandLineOption(QStringLiteral("on-result"),
                                  QStringLiteral("With --watch: run this shell command after each device, with "
                                                 "the slot, the port and the outcome as $1, $2 and $3."),
                                  QStringLiteral("command"));
    case Option::Progress:
        return QCommandLineOption(QStringLiteral("progress"),
                                  QStringLiteral("Progress on standard error as text (default) or json, one "
                                                 "object a line."),
                                  QStringLiteral("text|json"), QStringLiteral("text"));
    case Option::Station:
        return QCommandLineOption(QStringLiteral("station"),
                                  QStringLiteral("The slots of a programming station, from this JSON file, instead "
                                                 "of --port."),
                                  QStringLiteral("file.json"));
    case Option::Base:
        return QCommandLineOption(
            QStringLiteral("base"),
            QStringLiteral("Start from this configuration file instead of a new one: the device does not keep "
                           "names, data bits, stop bits or the second-layer switches."),
            QStringLiteral("file"));
    }
    return QCommandLineOption(QString());
}

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
    if (command.takes(Option::Report)) {
        link->reportFile = parser.value(QStringLiteral("report"));
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
    const auto given = [&](Option option, const QString& name) {
        return command.takes(option) ? parser.value(name) : QString();
    };
    if (command.name == QLatin1String("store") || command.name == QLatin1String("verify")
        || command.name == QLatin1String("send")) {
        const QString role = command.name == QLatin1String("store") ? QStringLiteral("being stored")
            : command.name == QLatin1String("verify")               ? QStringLiteral("being verified")
                                                                    : QStringLiteral("whose command is sent");
        inputs.append({QStringLiteral("the configuration file %1").arg(role), positional.value(0)});
    }
    inputs.append({QStringLiteral("the station file of --station"), given(Option::Station, QStringLiteral("station"))});
    inputs.append({QStringLiteral("the configuration file of --base"), given(Option::Base, QStringLiteral("base"))});
    outputs.append({QStringLiteral("--trace"), given(Option::Trace, QStringLiteral("trace"))});
    outputs.append({QStringLiteral("--report"), given(Option::Report, QStringLiteral("report"))});
    outputs.append({QStringLiteral("--output"), given(Option::Output, QStringLiteral("output")), true});
    return OutputFiles::apart(inputs, outputs, error);
}

int portsCommand(const Call& call)
{
    const bool probe = call.parser.isSet(QStringLiteral("probe"));
    if (call.parser.isSet(QStringLiteral("station"))) {
        if (probe || !call.arguments.isEmpty()) {
            return usageError(QStringLiteral("ports --station takes neither --probe nor ports"),
                              QStringLiteral("ports"));
        }
        QList<StationSlot> stationSlots;
        QString error;
        if (!StationFile::read(call.parser.value(QStringLiteral("station")), &stationSlots, &error)) {
            return usageError(error, QStringLiteral("ports"));
        }
        return DeviceCommands::listSlots(stationSlots);
    }
    if (!call.arguments.isEmpty() && !probe) {
        return usageError(QStringLiteral("ports takes ports only with --probe"), QStringLiteral("ports"));
    }
    if (!probe) {
        return DeviceCommands::listPorts();
    }
    QStringList ports;
    QString error;
    if (!portList(call.arguments, &ports, &error)) {
        return usageError(error, QStringLiteral("ports"));
    }
    Interruption::install();
    return DeviceCommands::probePorts(ports, call.link);
}

int storeCommand(const Call& call)
{
    Interruption::install();
    return DeviceCommands::store(call.arguments.at(0), call.link, call.parser.isSet(QStringLiteral("verify")));
}

int verifyCommand(const Call& call)
{
    Interruption::install();
    return DeviceCommands::verify(call.arguments.at(0), call.link);
}

int loadCommand(const Call& call)
{
    const QString output = call.parser.value(QStringLiteral("output"));
    if (output.isEmpty()) {
        return usageError(QStringLiteral("load needs --output"), QStringLiteral("load"));
    }
    Interruption::install();
    return DeviceCommands::load(output, call.parser.value(QStringLiteral("base")), call.link);
}

const QList<Command>& commands()
{
    using O = Option;
    static const QList<Command> list{
        {QStringLiteral("ports"),
         QStringLiteral("List the serial ports, one a line, with their descriptions, or find the devices."),
         {QStringLiteral("port")},
         {QStringLiteral("With --probe: a port to try (default: every listed port).")},
         {O::ProbePorts, O::Station, O::Retries, O::Timeout},
         portsCommand,
         0},
        {QStringLiteral("show"),
         QStringLiteral("Print a configuration file as readable text."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file.")},
         {},
         [](const Call& call) { return show(call.arguments.at(0)); }},
        {QStringLiteral("export"),
         QStringLiteral("Print a configuration file as JSON."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file.")},
         {},
         [](const Call& call) { return exportJson(call.arguments.at(0)); }},
        {QStringLiteral("import"),
         QStringLiteral("Write a configuration file from JSON; nothing is written on any error."),
         {QStringLiteral("json"), QStringLiteral("file")},
         {QStringLiteral("The JSON file (- for standard input)."),
          QStringLiteral("The configuration file to write (replaced only when complete).")},
         {},
         [](const Call& call) { return importJson(call.arguments.at(0), call.arguments.at(1)); }},
        {QStringLiteral("diff"),
         QStringLiteral("List every field in which two configuration files differ."),
         {QStringLiteral("a"), QStringLiteral("b")},
         {QStringLiteral("The first configuration file."), QStringLiteral("The second configuration file.")},
         {},
         [](const Call& call) { return diffFiles(call.arguments.at(0), call.arguments.at(1)); }},
        {QStringLiteral("store"),
         QStringLiteral("Store a configuration file to one device or to several at once."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file.")},
         {O::Ports, O::Station, O::Retries, O::Timeout, O::Trace, O::Verify, O::Report, O::Probe, O::All, O::Watch,
          O::OnResult, O::Progress},
         storeCommand},
        {QStringLiteral("verify"),
         QStringLiteral("Compare the device's program with a configuration file."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file.")},
         {O::Ports, O::Station, O::Retries, O::Timeout, O::Trace, O::Report, O::Probe, O::All, O::Watch, O::OnResult,
          O::Progress},
         verifyCommand},
        {QStringLiteral("load"),
         QStringLiteral("Load the device's program into a configuration file."),
         {},
         {},
         {O::Port, O::Retries, O::Timeout, O::Trace, O::Output, O::Base},
         loadCommand},
        {QStringLiteral("summary"),
         QStringLiteral("Count the lines of --report files per configuration and per outcome."),
         {QStringLiteral("report")},
         {QStringLiteral("A report file (JSON lines, as --report writes them).")},
         {},
         [](const Call& call) { return summary(call.parser, call.arguments); },
         1,
         addSummaryOptions},
        {QStringLiteral("send"),
         QStringLiteral("Send one command to the equipment on a port and print the reply."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file whose --key command is sent (none with --hex).")},
         {O::Trace},
         [](const Call& call) { return SendCommand::run(call.parser, call.arguments, call.link.traceFile); },
         0,
         SendCommand::addOptions},
    };
    return list;
}

const Command* findCommand(const QString& name)
{
    for (const Command& command : commands()) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

// Reads the command's options and arguments, then runs it.
int runCommand(const Command& command, const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(command.summary + details(command.name));
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
        QCommandLineOption made = commandLineOption(option);
        if (option == Option::Trace && command.name == QLatin1String("send")) {
            // send talks to the equipment, never to the device.
            made.setDescription(
                QStringLiteral("Write every chunk sent to and read from the equipment to this file, a line each."));
        }
        parser.addOption(made);
    }
    if (command.addOwnOptions) {
        command.addOwnOptions(&parser);
    }

    if (!parser.parse(arguments)) {
        return usageError(parser.errorText(), command.name);
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        printOut(helpText(parser));
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
    parser.setApplicationDescription(overview());
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("ports, show, export, import, diff, store, verify, load, summary or send."),
        QStringLiteral("<command> [options] [arguments]"));
    parser.parse(app.arguments());
    const QStringList positional = parser.positionalArguments();

    if (positional.isEmpty()) {
        if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
            printOut(helpText(parser));
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
