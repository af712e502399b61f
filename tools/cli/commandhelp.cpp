#include "commandhelp.h"

#include "clicommon.h"
#include "commandtable.h"
#include "commandtext.h"
#include "commandtrial.h"
#include "configjson.h"
#include "devicecommands.h"
#include "devicerecordlayout.h"
#include "linesettings.h"
#include "linktrace.h"
#include "reportdatabase.h"
#include "stationfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace Cli;

namespace {

// The least attempts and wait of a device message.
QString minimums()
{
    return QStringLiteral("Every message gets --retries attempts, each waiting --timeout for the answer; the\n"
                          "least is what the editor uses (%1 attempts of %2 ms).")
        .arg(DeviceCommands::MinAttempts)
        .arg(DeviceCommands::MinTimeoutMs);
}

// --report: the fields of a report line.
QString report()
{
    return QStringLiteral("--report appends one JSON object a line per port, as soon as the port is done: port,\n"
                          "slot (the fixture's name for the place, or the port), command, file, sha256 and size\n"
                          "(of the file), version (of this program), location, serial_number, usb_location\n"
                          "(its place on the hub), vendor_id and product_id (of the adapter, null where the\n"
                          "system does not tell), start and end (ISO\n"
                          "8601, UTC), duration_ms, result, records (confirmed by the device), unconfirmed (a\n"
                          "store stopped by a signal: sent, not confirmed), differences, error, station (the\n"
                          "host name, or --station-name) and id (unique to the line). A report\n"
                          "that cannot be opened stops the run before any device is touched (exit code 2); a\n"
                          "line that cannot be written is said at once and the run goes on (exit code 1).\n"
                          "\"%1 summary\" counts report files.\n"
                          "--report sqlite:PATH or postgresql://USER@HOST[:PORT]/DATABASE (or\n"
                          "postgresql:///DATABASE?host=/run/postgresql) writes each line as a record of the table\n"
                          "kvr210c_records instead, in a transaction of its own. No password on the command line:\n"
                          "PostgreSQL's client reads ~/.pgpass, PGPASSFILE and PG*. A refused password, an unknown\n"
                          "role or database and a table of a newer version stop the run (exit code 2); a record the\n"
                          "database does not take (it does not answer within %2 s) is said and waits in the spool\n"
                          "(--spool), sent before the next record and at the end: the run never waits long.\n")
        .arg(QLatin1String(ProgramName))
        .arg(ReportDatabase::ConnectTimeoutS);
}

// --trace: the lines of a trace file.
QString trace()
{
    return QStringLiteral("--trace writes every chunk sent to and read from each port to a file, a line each:\n"
                          "microseconds since the start, the port, out or in, the bytes in hex and as text\n"
                          "(\"1520 /dev/ttyUSB0 out 53455453064b5652323130 |SETS.KVR210|\"); lines starting with #\n"
                          "are notes: a port opened with its line settings or not opened, a wait that ran out, a\n"
                          "frame sent again. It ends with a note where it reached its limit of %1 MiB. A trace\n"
                          "that cannot be opened, or that names a file the command reads or writes otherwise,\n"
                          "stops the run before anything is sent (exit code 2); one that cannot be written\n"
                          "to the end keeps the lines that fit, is said, and the run goes on (exit code 1).\n")
        .arg(LinkTrace::DefaultLimit / (1024 * 1024));
}

// --probe, --all and the signals that stop a run.
QString probe()
{
    return QStringLiteral("--probe first shakes hands on every --port at once and goes on only where a device\n"
                          "answered; a port that cannot be opened, stays silent or answers something else is\n"
                          "\"no device\" in the summary and the report and is never sent a record. --all does the\n"
                          "same on every port \"ports\" lists. With either, the exit code is 0 when every device\n"
                          "that answered succeeded, 1 when one failed, 2 when none answered.\n"
                          "SIGINT (Ctrl+C), SIGTERM or SIGHUP stops every port within a second: a device left\n"
                          "half-written gets no \"ISPOK!\", each port still gets its line in the report\n"
                          "(\"interrupted\"), standard error names the devices that now hold a partial program,\n"
                          "and the exit code is 130, 143 or 129. A second signal ends the program at once (a copy\n"
                          "of the first within half a second, as timeout sends it to the group too, is not one).\n");
}

// --port by adapter and --station.
// send --library: an entry's bytes and the reply it expects.
QString sendEntry()
{
    return QStringLiteral("With --library LIB --entry NAME [--param name=value]...: the entry's bytes, at its own\n"
                          "line settings (--line's where it names none); when it expects a reply, exit code 0\n"
                          "needs a reply that begins as expected, and a reply that differs is 1, naming the\n"
                          "first byte that differs (see \"library --help\").\n");
}

QString station()
{
    return QStringLiteral("--port may name the adapter instead of the port, since port names move between\n"
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
}

// --watch, --on-result and --progress.
QString shift()
{
    return QStringLiteral("--watch runs a shift on the slots of --station or --port, each in a thread of its own:\n"
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
}

} // namespace

namespace CommandHelp {

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

QString commandNames()
{
    QStringList names;
    for (const Command& command : commands()) {
        names.append(command.name);
    }
    const QString last = names.takeLast();
    return QStringLiteral("%1 or %2.").arg(names.join(QStringLiteral(", ")), last);
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

QString jsonFormat()
{
    return QStringLiteral("\n\n") + ConfigJson::formatDescription();
}

QString store()
{
    return QStringLiteral("\n\nShakes hands with the device, sends every record (%1) and checks its echo, and ends\n"
                          "with \"ISPOK!\". A configuration with a command longer than %2 bytes is refused\n"
                          "before anything is sent. --port may be given several times or as a list\n"
                          "(--port ttyUSB0,ttyUSB1): all devices are programmed at once, up to %3. Progress goes\n"
                          "to standard error, a line per port and step; at the end standard output has a line\n"
                          "per port (\"ttyUSB0  stored, verified\"). With --verify each device is then read\n"
                          "back and compared with the file. The exit code is 0 only when every port succeeded.\n")
               .arg(DeviceRecordLayout::Records)
               .arg(MaxDeviceCommandBytes)
               .arg(DeviceCommands::MaxPorts)
        + station() + shift() + probe() + report() + trace() + minimums();
}

QString verify()
{
    return QStringLiteral("\n\nReads the device's program (as load does) and compares it with the file in what the\n"
                          "device keeps: each command, baud rate, parity and delay, also of the second layers.\n"
                          "Each difference is a line on standard output (\"Key 3, link 13: command 0D0A on the\n"
                          "device, 0D0B in the file\"); a command longer than 16 bytes is shown where it first\n"
                          "differs, counted from 0, with the bytes around it (\"command at offset 36: ... 41\n"
                          "[42] 43 ... on the device, ... 41 [58] 43 ... in the file\"). Then standard output\n"
                          "has the summary line of the port, as store prints it. Exit code 0 when they are\n"
                          "equal, 1 when they differ or the device failed. Several ports are read at once, as\n"
                          "store does; each difference line then starts with its port.\n")
        + station() + shift() + probe() + report() + trace() + minimums();
}

QString ports()
{
    return QStringLiteral("\n\nWithout --probe: the ports the system lists, one a line: the port, its description and\n"
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

QString summary()
{
    return QStringLiteral("\n\nReads one or more report files of store and verify and prints, for each configuration\n"
                          "(by its SHA-256, or by its name in lines without one), the number of lines per outcome\n"
                          "(stored, verified, different, failed, interrupted, no device), then the same for all\n"
                          "files. With --by slot it counts per place on the fixture instead (by the slot's name,\n"
                          "or the port in lines written without one), so a failing position shows up; with --by\n"
                          "station per station. A database (sqlite:PATH, postgresql://USER@HOST/DATABASE, as\n"
                          "--report takes it) is counted as a file with the same records, in the order the devices\n"
                          "started. --since and --until count only the devices started in that time, from --since\n"
                          "up to but not including --until: 2026-03-02, 2026-03-02T07:00 or\n"
                          "2026-03-02T07:00+01:00 (local time unless an offset is given). Exit code 2, naming it,\n"
                          "for a file or database that cannot be read or a line that is not a report line;\n"
                          "nothing is counted then.");
}

QString reportPush()
{
    return QStringLiteral("\n\nreport push SPOOL --report DATABASE sends the records a store or verify kept in its\n"
                          "spool (the database did not answer) to the database, in order; a record already there\n"
                          "is kept once. Exit code 0 when every record was sent and the spool is empty, 1 when\n"
                          "the database did not take them all (the spool is kept whole, to push again), 2 for a\n"
                          "spool that is not there or a database that refused.");
}

QString diff()
{
    return QStringLiteral("\n\nCompares every field a configuration file holds, also those the device does not\n"
                          "keep (names, data bits, stop bits, second-layer switches), and prints a line per\n"
                          "differing field in a fixed order: \"Key 2, link 14: delay 3 -> 5\". As diff(1): exit\n"
                          "code 0 when they are equal, 1 when they differ, 2 when a file cannot be read.");
}

QString load()
{
    return QStringLiteral("\n\nShakes hands with the device, asks for its program, acknowledges each record and\n"
                          "ends with \"ISPOK!\". The output is written only when all %1 records arrived;\n"
                          "otherwise an existing file is left as it was. The device does not keep names, data\n"
                          "bits, stop bits or the second-layer switches: they come from --base, or are those\n"
                          "of a new configuration.\n")
               .arg(DeviceRecordLayout::Records)
        + trace() + minimums();
}

QString send()
{
    return QStringLiteral("\n\nSends one command to the equipment on --port (a projector, a camera, a PLC) with\n"
                          "its line settings, as the device would, and prints the reply. With FILE: the command\n"
                          "of --key N (its first layer), of its --link M or its --second layer, with the\n"
                          "record's baud rate, parity, data bits and stop bits. Without: the bytes of --hex at\n"
                          "--line. The port is opened only for the send and closed after.\n"
                          "Standard output: the bytes sent, each chunk of the reply as it comes (\"+12 ms\",\n"
                          "hex, text), then the whole reply in hex and as text, in which \\r, \\n, \\t, \\\\ and\n"
                          "\\xNN stand for bytes that do not print. The reply ends after --wait without a byte,\n"
                          "when --bytes came, with the --end byte, or at %1 bytes (said as cut).\n"
                          "%2\n"
                          "Exit code 0 for a reply (with --expect: exactly those bytes), 1 for a reply other than\n"
                          "--expect's, 2 for wrong usage, a file that cannot be read, or a port that cannot be\n"
                          "opened or that failed, 3 for no reply within --wait; SIGINT (Ctrl+C) ends a wait at\n"
                          "once (130).\n")
               .arg(CommandTrial::MaxReplyBytes)
               .arg(LineSettings::deviceKeeps())
        + sendEntry() + trace();
}

QString library()
{
    return QStringLiteral("\n\nA command library is a JSON file of named commands for equipment, each with its\n"
                          "parameters, checksum, line settings and expected reply (the manual page shows its\n"
                          "outline). It is read whole: a fault anywhere refuses the file, naming its place\n"
                          "(\"entries[3].params[0].max: ...\"), with exit code 2.\n"
                          "show LIB: a line per entry, its name, equipment, group, line settings and parameters\n"
                          "with their ranges, apart by tabs. show LIB --entry NAME: every field of the entry, and\n"
                          "its bytes with the default values (or --param's), the checksum in brackets.\n"
                          "bytes LIB --entry NAME [--param name=value]...: the bytes as hex pairs (\"AA 02 03 00\n"
                          "80 CC\") and nothing else; a value outside its range, a parameter or an entry the\n"
                          "library lacks is said on standard error, with exit code 2.\n"
                          "import TABLE --output LIB: a table of commands keyed by model ({\"Model\": {\"baudrate\":\n"
                          "9600, \"commands\": {\"power on\": [170, 17, 1]}}}) into a library file, written as the\n"
                          "editor saves (an existing one is replaced only when complete); nothing is written\n"
                          "when the table has a fault, exit code 1 when the file cannot be written.");
}

QString set()
{
    return QStringLiteral("\n\nWrites --entry of --library, with the values of --param, into the record of --key N\n"
                          "(its first layer, its --link M or its --second layer) and saves the configuration\n"
                          "as --output, which may not be FILE: the record's command, and its line settings where\n"
                          "the entry names them; its delay and every other record stay as they are. Refused,\n"
                          "nothing written, with exit code 2, when the bytes are more than a record holds (%1)\n"
                          "or the "
                          "entry's line settings cannot be held by a record; exit code 1 when the output\n"
                          "cannot be written (an existing one is then left as it was).\n")
        .arg(CommandText::MaxFieldBytes);
}

} // namespace CommandHelp
