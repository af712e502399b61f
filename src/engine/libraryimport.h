#ifndef LIBRARYIMPORT_H
#define LIBRARYIMPORT_H

#include "commandlibrary.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Tables of RS-232 commands keyed by model, as community databases publish
// them, made into library entries (docs/library.md shows the shape):
//     {"Model X": {"baudrate": 9600, "commands": {"power on": [170, 17, 1, 1, 1, 20], ...}}}
// Each command becomes an entry named as it is, with the model as its
// equipment, the bytes as its hex template and the model's baud rate with
// 8-N-1 as its line. Checked whole like a library file.
namespace LibraryImport {

bool fromTable(const QByteArray& json, QList<LibraryEntry>* entries, QString* error);
// As fromTable, with the file's name in the error; read with the bounds of a library file.
bool readTable(const QString& path, QList<LibraryEntry>* entries, QString* error);

} // namespace LibraryImport

#endif // LIBRARYIMPORT_H
