#ifndef CONFIGJSON_H
#define CONFIGJSON_H

#include <QByteArray>
#include <QJsonObject>
#include <QString>

class ProgramRecords;

// The configuration as JSON, for people who keep it under version control:
//
//   {"format": "kvr210c-config", "version": 2, "keys": [
//     {"key": 1, "name": "Door", "command": "0D0A", "baud": 9600, "parity": "none",
//      "dataBits": 8, "stopBits": 1, "delay": 0,
//      "secondLayer": {"enabled": false, "command": "", "baud": 9600, ...},
//      "links": [{"link": 2, "name": "Empty", "command": "", ...}, ...]}, ...]}
//
// Version 1, still written for older readers, has the line settings as the
// enumeration values of the file instead ("baudRate": 2, "parity": 0,
// "dataBits": 3, "stopBits": 0). Whatever the file can hold but the editor
// never writes (a baud rate of 9, a delay of 300, a command that is not plain
// hex) is written as {"raw": value}, the value as the file stores it, so it
// survives the trip back into a file unchanged.
namespace ConfigJson {

constexpr int OldestVersion = 1;
constexpr int CurrentVersion = 2;

// `version` is OldestVersion to CurrentVersion.
QJsonObject toJson(const ProgramRecords& data, int version = CurrentVersion);
QByteArray toJsonText(const ProgramRecords& data, int version = CurrentVersion);

// Reads a document of any version into `data`, which must be a fresh model: keys, links and
// fields the document leaves out keep their fresh values. Checks everything;
// on failure `*error` names the field ("keys[2].links[1].baudRate: ...") and
// `data` is half filled, so throw it away.
bool fromJson(const QByteArray& text, ProgramRecords* data, QString* error);

// The rules above, for --help.
QString formatDescription();

} // namespace ConfigJson

#endif // CONFIGJSON_H
