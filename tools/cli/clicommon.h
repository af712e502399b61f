#ifndef CLICOMMON_H
#define CLICOMMON_H

#include <QByteArray>
#include <QString>

class ProgramRecords;
class QCommandLineOption;
class QCommandLineParser;

// What every command of kvr210c-cli shares: exit codes, messages, and the
// configuration file on disk.
namespace Cli {

enum ExitCode {
    ExitOk = 0,
    ExitFailed = 1, // a file or the device failed
    ExitUsage = 2, // the command line was wrong
};

constexpr const char* ProgramName = "kvr210c-cli";

// "kvr210c-cli: <message>" on standard error.
void printError(const QString& message);
// Text on standard output / standard error, as is.
void printOut(const QString& text);
void printErr(const QString& text);
// Bytes on standard output. A write that fails (the reader of a pipe gone, a
// full disk) is said once on standard error, and the run goes on.
bool writeOut(const QByteArray& bytes);
// Whether anything meant for standard output was lost: the run is then no success.
bool outputFailed();

// The message, then "Run \"kvr210c-cli <command> --help\" for help.", on
// standard error; ExitUsage.
int usageError(const QString& message, const QString& command = QString());
// Reads a whole number option (--retries, --wait) within [min, max]; `out`
// stays as it is when the option is not given. Blanks around the digits are
// refused: a value typed so is a mistake.
bool boundedNumber(const QCommandLineParser& parser, const QCommandLineOption& option, int min, int max, int* out,
                   QString* error);

// A manager with the editor's model: 6 keys, each with its own record and 4 links.
void makeFreshModel(ProgramRecords* data);

// Reads a configuration file into `data`; nothing changes when it fails.
// `bytes`, when given, gets the file as it was read.
bool readConfigFile(const QString& path, ProgramRecords* data, QString* error, QByteArray* bytes = nullptr);
// Reads a configuration file into `data`, or says why not on standard error.
bool readConfigFileOrReport(const QString& path, ProgramRecords* data, QByteArray* bytes = nullptr);
// Writes `data` to `path` as the editor saves it (see SafeSave).
bool writeConfigFile(const QString& path, ProgramRecords* data, QString* error);

} // namespace Cli

#endif // CLICOMMON_H
