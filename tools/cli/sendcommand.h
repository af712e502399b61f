#ifndef SENDCOMMAND_H
#define SENDCOMMAND_H

#include "commandtrial.h"

#include <QByteArray>
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
// With --play the whole key is played instead (PlayKey).
namespace SendCommand {

// Runs send on a command line parsed with its options of the command table;
// `positional` are the arguments after "send". With --trace, what is sent and
// received also goes to that file.
int run(const QCommandLineParser& parser, const QStringList& positional);
// Says how a send or a play ended, a reply on standard output and anything
// else on standard error, and returns its exit code (ExitOk for a reply).
int sayOutcome(CommandTrial::Outcome outcome, const QString& description);
// "+12 ms      02 4F 4B  \x02OK": a chunk's label, hex and text, a line.
QString chunkText(const QString& label, const QByteArray& bytes);

} // namespace SendCommand

#endif // SENDCOMMAND_H
