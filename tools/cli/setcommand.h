#ifndef SETCOMMAND_H
#define SETCOMMAND_H

#include <QString>
#include <QStringList>

class QCommandLineParser;

// kvr210c-cli set: writes a library entry into one record of a configuration
// file (FILE --key N [--link M | --second] --library LIB --entry NAME
// [--param name=value]... --output OUT): the record's command and, where the
// entry names them, its line settings; its delay and every other record stay.
// Refused, nothing written, when the bytes do not fit a record or the line
// settings cannot be held. Exit codes: 0 written, 1 the output could not be
// written, 2 wrong usage or a file that cannot be read or used.
namespace SetCommand {

int run(const QCommandLineParser& parser, const QStringList& positional);

} // namespace SetCommand

#endif // SETCOMMAND_H
