#ifndef RECORDOPTION_H
#define RECORDOPTION_H

#include <QString>

class QCommandLineParser;

// --key N [--link M | --second]: the record of a configuration file that a
// command works on (send tries it, set writes it).
namespace RecordOption {

// The key (1 to 6) and its layer as DeviceRecordLayout numbers them (1 the
// first layer, 2 to 5 the links, 6 the second layer). False with *error, in
// the words of a usage error, when the options are missing or wrong;
// `command` names the command that needs --key.
bool read(const QCommandLineParser& parser, const QString& command, int* key, int* layer, QString* error);

} // namespace RecordOption

#endif // RECORDOPTION_H
