#ifndef LIBRARYCOMMAND_H
#define LIBRARYCOMMAND_H

#include "commandlibrary.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A library entry made into the bytes that go on the line.
namespace LibraryCommand {

// Parameter values by name; a parameter not given takes its default.
using Values = QMap<QString, int>;

struct Bytes {
    QByteArray bytes;
    int checksumAt = -1; // where the checksum was put, -1: the entry has none
    int checksumLength = 0;
};

// The entry's bytes with `values` put in and the checksum worked out. False
// with *error for a value outside its parameter's range ("input: 5 is outside
// 1 to 4"), a value for a parameter the entry does not have, or a checksum
// whose skip and trail leave no room.
bool render(const LibraryEntry& entry, const Values& values, Bytes* result, QString* error);
// "input=3" arguments (decimal, or 0x hex) into values. False with *error for
// a malformed one or a name given twice; names are checked by render().
bool parseValues(const QStringList& assignments, Values* values, QString* error);

// A {name} place in a template: its name and where its brace stands (counted from 0).
struct Place {
    QString name;
    int at = 0;
};
// The places of the entry's template (hex or text), in order. False with
// *error saying what and where (counted from 1, as TypedBytes does) for a
// brace that opens no place or a template TypedBytes would refuse.
bool places(const LibraryEntry& entry, QList<Place>* found, QString* error);

} // namespace LibraryCommand

#endif // LIBRARYCOMMAND_H
