#ifndef PLAYKEY_H
#define PLAYKEY_H

#include <QStringList>

class QCommandLineParser;

// kvr210c-cli send FILE --key N --play [--skip-delays]: plays the key's
// records on the equipment behind --port as the device would send them (see
// KeyPlay), printing a block per record: what was sent, at which settings,
// when, and each chunk of its reply as it comes. Exit codes as send's: 0 a
// reply came, 2 wrong usage or a port that cannot be used, 3 no reply;
// 130, 143 and 129 stopped by a signal.
namespace PlayKey {

int run(const QCommandLineParser& parser, const QStringList& positional);

} // namespace PlayKey

#endif // PLAYKEY_H
