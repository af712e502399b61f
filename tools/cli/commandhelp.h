#ifndef COMMANDHELP_H
#define COMMANDHELP_H

#include <QString>

class QCommandLineParser;

// The help of kvr210c-cli beyond the option and argument lines: the
// overview of the commands, and what each command's --help says after its
// summary (a command's row in the command table names its own).
namespace CommandHelp {

// The top-level --help's text above its options.
QString overview();
// "ports, show, ... or send.": every command, in the table's order.
QString commandNames();
// The parser's help with the program named as it is typed.
QString helpText(const QCommandLineParser& parser);

QString ports();
QString jsonFormat(); // export and import
QString diff();
QString store();
QString verify();
QString load();
QString summary();
QString reportPush();
QString send();
QString library();
QString set();

} // namespace CommandHelp

#endif // COMMANDHELP_H
