#ifndef SENDCOMMAND_H
#define SENDCOMMAND_H

#include <QString>
#include <QStringList>

class QCommandLineParser;

// kvr210c-cli send: tries one command on the equipment behind a port, a
// record's (FILE --key N [--link M | --second]) or bytes given with --hex and
// --line, and prints what was sent and the reply as hex and text with its
// timing, each chunk as it comes. Exit codes: 0 a reply (the one --expect
// names), 1 a reply other than --expect's, 2 wrong usage, a file that cannot
// be read, a port that cannot be opened or fails, a trace that cannot be
// opened, 3 no reply; 130, 143 and 129 stopped by SIGINT, SIGTERM or SIGHUP.
namespace SendCommand {

// The options send takes, added to its parser.
void addOptions(QCommandLineParser* parser);
// What send's --help says beyond its summary.
QString details();
// Runs send on a parsed command line; `positional` are the arguments after "send".
// With a `traceFile`, what is sent and received also goes there (--trace).
int run(const QCommandLineParser& parser, const QStringList& positional, const QString& traceFile = QString());

} // namespace SendCommand

#endif // SENDCOMMAND_H
