#ifndef COMMANDTABLE_H
#define COMMANDTABLE_H

#include "devicecommands.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

class QCommandLineParser;

// kvr210c-cli's commands: one row each with its arguments, its options and
// their texts, its help and its function. The top-level --help, each
// command's --help, its usage errors, the manual page and the bash completion
// all follow this table (a test holds the last two to it).
namespace Cli {

// The options a command may take; each command's row lists its own, in the
// order its --help shows them. Two options of one name are two rows where
// their help differs.
enum class Option {
    Port, // one --port
    Ports, // --port, several
    Retries,
    Timeout,
    Verify,
    Report,
    Spool, // store and verify: where a database's records wait
    StationName, // store and verify: the station named in each record
    ReportDatabase, // report push: the database the spool goes to
    Probe, // store and verify: only the ports with a device
    ProbePorts, // ports: try the handshake
    All,
    Output,
    Base,
    Trace,
    Watch, // store and verify: a shift
    OnResult,
    Backup, // store: each device's program kept first
    Progress,
    Station, // store, verify and ports: the slots of a station file
    By, // summary: count per configuration, slot or station
    Since, // summary: the records from this time
    Until, // summary: the records before this time
    Format, // export: the version of the JSON form
    // send: the equipment behind a port, not the device
    EquipmentPort,
    EquipmentTrace,
    Key,
    Link,
    Second,
    Hex,
    LineSettings,
    Wait,
    Bytes,
    End,
    Expect,
    // library, and the entry that send and set take from one
    Library,
    Entry,
    Param,
    LibraryOutput, // library import
    RecordKey, // set: the key whose record is written
    Play, // send: the whole key
    SkipDelays,
};

// The option as the parser takes it: its names, value name, help and default.
QCommandLineOption commandLineOption(Option option);

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
    QString (*details)() = nullptr; // what --help says beyond the summary

    bool takes(Option option) const { return options.contains(option); }
    // Whether one of its options is called `name` ("trace"), whichever row it is.
    bool takesOptionNamed(const QString& name) const;
};

const QList<Command>& commands();
// Null for a name that is no command.
const Command* findCommand(const QString& name);

// The ports of --port, given several times or as comma-separated lists.
bool portList(const QStringList& values, QStringList* ports, QString* error);

} // namespace Cli

#endif // COMMANDTABLE_H
