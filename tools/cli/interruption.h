#ifndef INTERRUPTION_H
#define INTERRUPTION_H

#include <QString>

// SIGINT, SIGTERM and SIGHUP (the terminal or the SSH session closed) during a
// device run: the handler only notes the signal, and the transfers stop
// through their cancel checks, so every port still ends its frame, gets its
// report line and its summary, and the program exits with 128 + the signal's
// number. A second signal before that ends the program at once, with 128 +
// the second signal's number; a copy of the first signal within half a second
// of it is not a second one.
namespace Interruption {

// Installs the handlers (once); a signal before this ends the program as usual.
void install();
// The first signal caught, or 0.
int signal();
bool requested();
// 130 for SIGINT, 143 for SIGTERM, 129 for SIGHUP.
int exitCode();
// "SIGINT", "SIGTERM", "SIGHUP".
QString signalName();

} // namespace Interruption

#endif // INTERRUPTION_H
