#include "commandtable.h"

#include "clicommon.h"
#include "commandhelp.h"
#include "commandtrial.h"
#include "configjson.h"
#include "devicerecordlayout.h"
#include "filecommands.h"
#include "interruption.h"
#include "librarycommands.h"
#include "reportcommands.h"
#include "sendcommand.h"
#include "setcommand.h"
#include "stationfile.h"

#include <QCommandLineParser>

namespace Cli {

namespace {

struct OptionRow {
    Option option;
    QCommandLineOption made;
};

// The options of the commands that talk to the device.
QList<OptionRow> deviceOptions()
{
    return {
        {Option::Port,
         QCommandLineOption({QStringLiteral("p"), QStringLiteral("port")},
                            QStringLiteral("The serial port (a name from \"ports\", or a path)."),
                            QStringLiteral("port"))},
        {Option::Ports,
         QCommandLineOption({QStringLiteral("p"), QStringLiteral("port")},
                            QStringLiteral("A serial port (a name from \"ports\", or a path); several by "
                                           "repeating the option or as a comma-separated list."),
                            QStringLiteral("port"))},
        {Option::Retries,
         QCommandLineOption(QStringLiteral("retries"),
                            QStringLiteral("Attempts per message before it counts as failed (%1 to %2, default %1).")
                                .arg(DeviceCommands::MinAttempts)
                                .arg(DeviceCommands::MaxAttempts),
                            QStringLiteral("n"), QString::number(DeviceCommands::MinAttempts))},
        {Option::Timeout,
         QCommandLineOption(QStringLiteral("timeout"),
                            QStringLiteral("Wait this long for each answer of the device (%1 to %2, default %1).")
                                .arg(DeviceCommands::MinTimeoutMs)
                                .arg(DeviceCommands::MaxTimeoutMs),
                            QStringLiteral("ms"), QString::number(DeviceCommands::MinTimeoutMs))},
        {Option::Verify,
         QCommandLineOption(QStringLiteral("verify"),
                            QStringLiteral("Read each device back after storing and compare."))},
        {Option::Report,
         QCommandLineOption(QStringLiteral("report"),
                            QStringLiteral("Append a JSON line per port to this file, or write each port's record "
                                           "to a database: sqlite:PATH or postgresql://USER@HOST[:PORT]/DATABASE "
                                           "(no password: ~/.pgpass or PGPASSFILE)."),
                            QStringLiteral("file.jsonl|database"))},
        {Option::Spool,
         QCommandLineOption(QStringLiteral("spool"),
                            QStringLiteral("With a database: keep the records it does not take in this file "
                                           "until it does (default: one per database in "
                                           "~/.local/state/kvr210c/)."),
                            QStringLiteral("file.jsonl"))},
        {Option::StationName,
         QCommandLineOption(QStringLiteral("station-name"),
                            QStringLiteral("The station named in each record (default: the host name)."),
                            QStringLiteral("name"))},
        {Option::Probe,
         QCommandLineOption(
             QStringLiteral("probe"),
             QStringLiteral("Only the ports whose device answers the handshake; the others are \"no device\"."))},
        {Option::ProbePorts,
         QCommandLineOption(QStringLiteral("probe"),
                            QStringLiteral("Try the handshake on the ports and say which have a device."))},
        {Option::All,
         QCommandLineOption(QStringLiteral("all"),
                            QStringLiteral("Every listed port, probed (as --probe) instead of --port."))},
        {Option::Output,
         QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                            QStringLiteral("The configuration file to write."), QStringLiteral("file"))},
        {Option::Base,
         QCommandLineOption(
             QStringLiteral("base"),
             QStringLiteral("Start from this configuration file instead of a new one: the device does not keep "
                            "names, data bits, stop bits or the second-layer switches."),
             QStringLiteral("file"))},
        {Option::Trace,
         QCommandLineOption(
             QStringLiteral("trace"),
             QStringLiteral("Write every chunk sent to and read from the device to this file, a line each."),
             QStringLiteral("file"))},
    };
}

// A station's slots, a shift, and summary's grouping of what they did.
QList<OptionRow> stationOptions()
{
    return {
        {Option::Watch,
         QCommandLineOption(QStringLiteral("watch"),
                            QStringLiteral("Run a shift: do each device as it is plugged into a slot, until "
                                           "Ctrl+C."))},
        {Option::OnResult,
         QCommandLineOption(QStringLiteral("on-result"),
                            QStringLiteral("With --watch: run this shell command after each device, with "
                                           "the slot, the port and the outcome as $1, $2 and $3."),
                            QStringLiteral("command"))},
        {Option::Backup,
         QCommandLineOption(QStringLiteral("backup"),
                            QStringLiteral("Before storing, load each device's program into a new file in "
                                           "this folder (named by slot or port and time); a device whose "
                                           "backup fails is not stored to."),
                            QStringLiteral("folder"))},
        {Option::Progress,
         QCommandLineOption(QStringLiteral("progress"),
                            QStringLiteral("Progress on standard error as text (default) or json, one "
                                           "object a line."),
                            QStringLiteral("text|json"), QStringLiteral("text"))},
        {Option::Station,
         QCommandLineOption(QStringLiteral("station"),
                            QStringLiteral("The slots of a programming station, from this JSON file, instead "
                                           "of --port."),
                            QStringLiteral("file.json"))},
        {Option::By,
         QCommandLineOption(QStringLiteral("by"),
                            QStringLiteral("Count per configuration (config, the default), per place on the "
                                           "fixture (slot) or per station."),
                            QStringLiteral("config|slot|station"), QStringLiteral("config"))},
        {Option::Since,
         QCommandLineOption(QStringLiteral("since"),
                            QStringLiteral("Only the devices started at or after this date or time (ISO 8601, "
                                           "local time unless it gives an offset)."),
                            QStringLiteral("time"))},
        {Option::Until,
         QCommandLineOption(QStringLiteral("until"),
                            QStringLiteral("Only the devices started before this date or time (a date alone is its "
                                           "midnight)."),
                            QStringLiteral("time"))},
    };
}

// report push's database.
QList<OptionRow> reportOptions()
{
    return {
        {Option::ReportDatabase,
         QCommandLineOption(QStringLiteral("report"),
                            QStringLiteral("The database: sqlite:PATH or postgresql://USER@HOST[:PORT]/DATABASE."),
                            QStringLiteral("database"))},
    };
}

// export's choice of the JSON form's version.
QList<OptionRow> fileOptions()
{
    return {
        {Option::Format,
         QCommandLineOption(QStringLiteral("format"),
                            QStringLiteral("The version of the JSON form: %1 (the default) or %2, for older "
                                           "readers.")
                                .arg(ConfigJson::CurrentVersion)
                                .arg(ConfigJson::OldestVersion),
                            QStringLiteral("version"), QString::number(ConfigJson::CurrentVersion))},
    };
}

// send's options: the equipment behind a port, not the device.
QList<OptionRow> equipmentOptions()
{
    return {
        {Option::EquipmentPort,
         QCommandLineOption({QStringLiteral("p"), QStringLiteral("port")},
                            QStringLiteral("The serial port the equipment is on (a name from \"ports\", or a "
                                           "path)."),
                            QStringLiteral("port"))},
        {Option::EquipmentTrace,
         QCommandLineOption(
             QStringLiteral("trace"),
             QStringLiteral("Write every chunk sent to and read from the equipment to this file, a line each."),
             QStringLiteral("file"))},
        {Option::Key,
         QCommandLineOption(QStringLiteral("key"),
                            QStringLiteral("The key whose command is sent (1 to %1).").arg(DeviceRecordLayout::Keys),
                            QStringLiteral("n"))},
        {Option::Link,
         QCommandLineOption(
             QStringLiteral("link"),
             QStringLiteral("The key's link instead of its first layer (%1 to %2, as \"show\" names them).")
                 .arg(DeviceRecordLayout::FirstLinkButton)
                 .arg(DeviceRecordLayout::linkButton(DeviceRecordLayout::Links)),
             QStringLiteral("m"))},
        {Option::Second,
         QCommandLineOption(QStringLiteral("second"),
                            QStringLiteral("The key's second layer instead of its first layer."))},
        {Option::Hex,
         QCommandLineOption(QStringLiteral("hex"),
                            QStringLiteral("Send these bytes instead of a record's (\"02 50 4F 4E 03\")."),
                            QStringLiteral("bytes"))},
        {Option::LineSettings,
         QCommandLineOption(
             QStringLiteral("line"),
             QStringLiteral("The line settings for --hex, as BAUD,DATA-PARITY-STOP (default 9600,8-N-1)."),
             QStringLiteral("settings"))},
        {Option::Wait,
         QCommandLineOption(QStringLiteral("wait"),
                            QStringLiteral("The reply has ended after this long without a byte (%1 to %2, "
                                           "default %3).")
                                .arg(CommandTrial::MinQuietMs)
                                .arg(CommandTrial::MaxQuietMs)
                                .arg(CommandTrial::DefaultQuietMs),
                            QStringLiteral("ms"))},
        {Option::Bytes,
         QCommandLineOption(QStringLiteral("bytes"), QStringLiteral("The reply has ended when this many bytes came."),
                            QStringLiteral("n"))},
        {Option::End,
         QCommandLineOption(QStringLiteral("end"), QStringLiteral("The reply has ended with this byte (\"03\")."),
                            QStringLiteral("hex"))},
        {Option::Expect,
         QCommandLineOption(QStringLiteral("expect"),
                            QStringLiteral("Exit with 1 unless the reply is exactly these bytes."),
                            QStringLiteral("bytes"))},
        {Option::Play,
         QCommandLineOption(QStringLiteral("play"),
                            QStringLiteral("Send every record of the key that has a command, as the device "
                                           "would: first layer, links 13 to 16, second layer where it is on."))},
        {Option::SkipDelays,
         QCommandLineOption(QStringLiteral("skip-delays"),
                            QStringLiteral("With --play: send each record at once instead of after its delay."))},
    };
}

// A command library's entries: library, and the entry that send and set take.
QList<OptionRow> libraryOptions()
{
    return {
        {Option::Library,
         QCommandLineOption(QStringLiteral("library"),
                            QStringLiteral("The command library (a JSON file) that holds --entry."),
                            QStringLiteral("file"))},
        {Option::Entry,
         QCommandLineOption(QStringLiteral("entry"), QStringLiteral("The library's entry, by its name."),
                            QStringLiteral("name"))},
        {Option::Param,
         QCommandLineOption(QStringLiteral("param"),
                            QStringLiteral("A value for a parameter of the entry (decimal, or 0x hex); once "
                                           "for each, the others take their defaults."),
                            QStringLiteral("name=value"))},
        {Option::LibraryOutput,
         QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                            QStringLiteral("import: the library file to write (replaced only when complete)."),
                            QStringLiteral("file"))},
        {Option::RecordKey,
         QCommandLineOption(QStringLiteral("key"),
                            QStringLiteral("The key whose record is written (1 to %1).").arg(DeviceRecordLayout::Keys),
                            QStringLiteral("n"))},
    };
}

} // namespace

QCommandLineOption commandLineOption(Option option)
{
    static const QList<OptionRow> rows = deviceOptions() + stationOptions() + fileOptions() + equipmentOptions()
        + libraryOptions() + reportOptions();
    for (const OptionRow& row : rows) {
        if (row.option == option) {
            return row.made;
        }
    }
    // A new option without its row is the developer's mistake: said at once.
    qFatal("kvr210c-cli: the option %d has no row in the command table", int(option));
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

namespace {

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

// A command library's entries: listed, made into bytes, imported, written into a record.
QList<Command> libraryCommands();
Command reportRow();

// report push: a station's spool sent to its database.
int reportCommand(const Call& call)
{
    if (call.arguments.at(0) != QLatin1String("push")) {
        return usageError(QStringLiteral("report takes push, not \"%1\"").arg(call.arguments.at(0)),
                          QStringLiteral("report"));
    }
    return ReportCommands::push(call.arguments.at(1), call.parser.value(QStringLiteral("report")));
}

} // namespace

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
         0,
         CommandHelp::ports},
        {QStringLiteral("show"),
         QStringLiteral("Print a configuration file as readable text."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file.")},
         {},
         [](const Call& call) { return FileCommands::show(call.arguments.at(0)); }},
        {QStringLiteral("export"),
         QStringLiteral("Print a configuration file as JSON."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file.")},
         {O::Format},
         [](const Call& call) {
             return FileCommands::exportJson(call.arguments.at(0), call.parser.value(QStringLiteral("format")));
         },
         -1,
         CommandHelp::jsonFormat},
        {QStringLiteral("import"),
         QStringLiteral("Write a configuration file from JSON; nothing is written on any error."),
         {QStringLiteral("json"), QStringLiteral("file")},
         {QStringLiteral("The JSON file (- for standard input)."),
          QStringLiteral("The configuration file to write (replaced only when complete).")},
         {},
         [](const Call& call) { return FileCommands::importJson(call.arguments.at(0), call.arguments.at(1)); },
         -1,
         CommandHelp::jsonFormat},
        {QStringLiteral("diff"),
         QStringLiteral("List every field in which two configuration files differ."),
         {QStringLiteral("a"), QStringLiteral("b")},
         {QStringLiteral("The first configuration file."), QStringLiteral("The second configuration file.")},
         {},
         [](const Call& call) { return FileCommands::diff(call.arguments.at(0), call.arguments.at(1)); },
         -1,
         CommandHelp::diff},
        {QStringLiteral("store"),
         QStringLiteral("Store a configuration file to one device or to several at once."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file.")},
         {O::Ports, O::Station, O::Retries, O::Timeout, O::Trace, O::Verify, O::Report, O::Spool, O::StationName,
          O::Probe, O::All, O::Watch, O::OnResult, O::Backup, O::Progress},
         storeCommand,
         -1,
         CommandHelp::store},
        {QStringLiteral("verify"),
         QStringLiteral("Compare the device's program with a configuration file."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file.")},
         {O::Ports, O::Station, O::Retries, O::Timeout, O::Trace, O::Report, O::Spool, O::StationName, O::Probe, O::All,
          O::Watch, O::OnResult, O::Progress},
         verifyCommand,
         -1,
         CommandHelp::verify},
        {QStringLiteral("load"),
         QStringLiteral("Load the device's program into a configuration file."),
         {},
         {},
         {O::Port, O::Retries, O::Timeout, O::Trace, O::Output, O::Base},
         loadCommand,
         -1,
         CommandHelp::load},
        {QStringLiteral("summary"),
         QStringLiteral("Count the records of --report files or databases per configuration and per outcome."),
         {QStringLiteral("report")},
         {QStringLiteral("A report file (JSON lines, as --report writes them), or a database: sqlite:PATH or "
                         "postgresql://USER@HOST[:PORT]/DATABASE.")},
         {O::By, O::Since, O::Until},
         [](const Call& call) {
             return ReportCommands::summary(call.parser.value(QStringLiteral("by")),
                                            call.parser.value(QStringLiteral("since")),
                                            call.parser.value(QStringLiteral("until")), call.arguments);
         },
         1,
         CommandHelp::summary},
        // send checks its own arguments: a file with --key, or --hex.
        {QStringLiteral("send"),
         QStringLiteral("Send one command to the equipment on a port and print the reply."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file whose --key command is sent (none with --hex).")},
         {O::EquipmentTrace, O::EquipmentPort, O::Key, O::Link, O::Second, O::Hex, O::LineSettings, O::Wait, O::Bytes,
          O::End, O::Expect, O::Library, O::Entry, O::Param, O::Play, O::SkipDelays},
         [](const Call& call) { return SendCommand::run(call.parser, call.arguments); },
         0,
         CommandHelp::send},
    };
    // The library's commands come after the others in every listing.
    static const QList<Command> all = list + QList<Command>{reportRow()} + libraryCommands();
    return all;
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

bool Command::takesOptionNamed(const QString& name) const
{
    for (Option option : options) {
        if (commandLineOption(option).names().contains(name)) {
            return true;
        }
    }
    return false;
}

namespace {

Command reportRow()
{
    return {QStringLiteral("report"),
            QStringLiteral("Send the records a station kept in its spool to the database."),
            {QStringLiteral("action"), QStringLiteral("spool")},
            {QStringLiteral("push."), QStringLiteral("The spool file (JSON lines).")},
            {Option::ReportDatabase},
            reportCommand,
            -1,
            CommandHelp::reportPush};
}

QList<Command> libraryCommands()
{
    using O = Option;
    return {
        {QStringLiteral("library"),
         QStringLiteral("List a command library, print an entry's bytes, or import a table of commands."),
         {QStringLiteral("action"), QStringLiteral("file")},
         {QStringLiteral("show (the entries, or --entry in full), bytes (of --entry) or import (into --output)."),
          QStringLiteral("The library file; for import, the table of commands.")},
         {O::Entry, O::Param, O::LibraryOutput},
         [](const Call& call) { return LibraryCommands::run(call.parser, call.arguments); },
         -1,
         CommandHelp::library},
        {QStringLiteral("set"),
         QStringLiteral("Write a library entry into a record of a configuration file."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file to start from (never overwritten).")},
         {O::RecordKey, O::Link, O::Second, O::Library, O::Entry, O::Param, O::Output},
         [](const Call& call) { return SetCommand::run(call.parser, call.arguments); },
         -1,
         CommandHelp::set},
    };
}

} // namespace

} // namespace Cli
