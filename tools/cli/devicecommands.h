#ifndef DEVICECOMMANDS_H
#define DEVICECOMMANDS_H

#include <QString>

// The commands that talk to the device: the same handshake, transfer and
// farewell as the editor, with a progress line on standard error.
namespace DeviceCommands {

// The editor's six attempts of 1000 ms each are the least a transfer gets.
constexpr int MinAttempts = 6;
constexpr int MaxAttempts = 100;
constexpr int MinTimeoutMs = 1000;
constexpr int MaxTimeoutMs = 60000;

struct LinkOptions {
    QString port;
    int attempts = MinAttempts;
    int timeoutMs = MinTimeoutMs;
};

// Each returns an exit code of Cli::ExitCode.
int listPorts();
int store(const QString& configFile, const LinkOptions& options);
// Loads the device's program into a new configuration (or into `baseFile`,
// which gives what the device does not keep: names, data bits, stop bits and
// the second-layer switches) and writes it to `outputFile` once every record
// has arrived.
int load(const QString& outputFile, const QString& baseFile, const LinkOptions& options);

} // namespace DeviceCommands

#endif // DEVICECOMMANDS_H
