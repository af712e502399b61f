#ifndef LIBRARYCOMMANDS_H
#define LIBRARYCOMMANDS_H

#include "appdata.h"
#include "commandlibrary.h"
#include "librarycommand.h"

#include <QString>
#include <QStringList>

class QCommandLineParser;

// kvr210c-cli library: the entries of a command library file (show), one
// entry's bytes for scripts (bytes), and a community table of commands made
// into a library file (import); and the entry that send and set take from
// --library, --entry and --param. Library files are read whole and refused
// whole, with the place of the fault (see CommandLibrary).
namespace LibraryCommands {

// An entry of a library with its parameter values put in.
struct Chosen {
    LibraryEntry entry;
    LibraryCommand::Bytes bytes;
    bool hasLine = false; // whether the entry names line settings
    UartData line;
};

// --library LIB --entry NAME [--param name=value]...: reads the library,
// finds the entry and renders it. ExitOk, or the exit code once the reason is
// said on standard error (2: wrong usage or a library that cannot be used).
int choose(const QCommandLineParser& parser, const QString& command, Chosen* chosen);

// Runs "library ACTION FILE" on a command line parsed with its options.
int run(const QCommandLineParser& parser, const QStringList& positional);

} // namespace LibraryCommands

#endif // LIBRARYCOMMANDS_H
