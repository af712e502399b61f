#ifndef DEVICECOMMANDS_H
#define DEVICECOMMANDS_H

#include "progressoutput.h"
#include "serialframe.h"
#include "stationslot.h"

#include <QList>
#include <QString>
#include <QStringList>

// The commands that talk to the device: the same handshake, transfer and
// farewell as the editor, with a progress line on standard error.
namespace DeviceCommands {

// The editor's six attempts of 1000 ms each are the least a transfer gets.
constexpr int MinAttempts = SerialFrame::Attempts;
constexpr int MaxAttempts = 100;
constexpr int MinTimeoutMs = SerialFrame::TimeoutMs;
constexpr int MaxTimeoutMs = 60000;

constexpr int MaxPorts = StationSlot::MaxSlots;

// Which ports a command reaches.
struct PortSelection {
    QString port; // load
    QStringList ports; // store and verify: one or more
    // Store and verify: the places devices are plugged into, from --station or
    // one per --port; their ports are resolved to device nodes before any is opened.
    QList<StationSlot> stationSlots;
    // Store and verify: only the ports whose device answers the handshake;
    // the others are "no device" and are never sent a record.
    bool probe = false;
    // Store and verify: every listed port, probed.
    bool allPorts = false;

    // A port without a device is "no device", not a failure.
    bool probing() const { return probe || allPorts; }
};

// How each device is run, and what is kept of it.
struct RunOptions {
    int attempts = MinAttempts;
    int timeoutMs = MinTimeoutMs;
    QString reportFile; // store and verify: a JSON line per port appended here, or a database (ReportTarget)
    // With a database: where its records wait when it does not take them (ReportSpool::defaultPath() when empty).
    QString spoolFile;
    // The station named in each record; the host name when empty.
    QString stationName;
    // Every chunk to and from each port, one line each, written here.
    QString traceFile;
    // Store and verify: a shift; each slot's device is done as it is plugged in (see StationWatch).
    bool watch = false;
    // A shell command run after each device of a shift, with its slot, port and outcome.
    QString onResult;
    // Store: each device's program is loaded into a new file here before anything is sent to it.
    QString backupFolder;
    ProgressOutput::Format progress = ProgressOutput::Format::Text;
};

// The device options of the command line: the ports and how they are run.
struct LinkOptions : PortSelection, RunOptions {
};

// With --probe or --all: no port had a device.
constexpr int ExitNoDevice = 2;

// Each returns an exit code of Cli::ExitCode, or 128 + the signal's number
// when SIGINT or SIGTERM stopped it (see Interruption).
// A line per listed port: its node, description and the selectors that name it.
int listPorts();
// A line per slot: its name, its port as given, and the node found for it or
// "missing: " and why. 0 when every slot has its port, 2 otherwise.
int listSlots(const QList<StationSlot>& stationSlots);
// Tries the handshake on `ports` (every listed port when empty), all at once,
// and prints a line per port: which has a device. 0 when one has, 2 when none.
int probePorts(const QStringList& ports, const RunOptions& options);
// Stores to every port at once, one thread each; with `verify` each device is
// then read back and compared. Progress on standard error, a line per port and
// step; a summary line per port on standard output; the report's line of a
// port as soon as it is done. Succeeds only when every port did (with --probe,
// every port that had a device).
int store(const QString& configFile, const LinkOptions& options, bool verify);
// Reads each device's program and lists on standard output how it differs
// from `configFile` in what the device keeps.
int verify(const QString& configFile, const LinkOptions& options);
// Loads the device's program into a new configuration (or into `baseFile`,
// which gives what the device does not keep: names, data bits, stop bits and
// the second-layer switches) and writes it to `outputFile` once every record
// has arrived.
int load(const QString& outputFile, const QString& baseFile, const LinkOptions& options);

} // namespace DeviceCommands

#endif // DEVICECOMMANDS_H
