// Reading a file the user chose, or a stream, without blocking on it or running out of memory.
#pragma once

#include <QtGlobal>

class QByteArray;
class QFile;
class QIODevice;
class QString;

// The most any user-chosen input (a configuration file, an import document) may hold.
constexpr qint64 MaxUserFileBytes = 4 * 1024 * 1024;

// Reads the whole of `path` into `data` when it is a regular file of at most `limit` bytes.
// A named pipe, a device node or a folder is refused without being read and without waiting
// for a writer. On failure `data` is left as it was and `error` (when given) says why.
bool readBounded(const QString& path, qint64 limit, QByteArray* data, QString* error);

// Opens `path` for reading when it is a regular file, as readBounded does, for a reader
// that takes it a piece at a time (and bounds each piece itself).
bool openRegularFile(const QString& path, QFile* file, QString* error);

// Reads an open device to its end in chunks, failing as soon as it gives more than `limit`
// bytes, so an endless stream (stdin, a character device) cannot fill the memory.
bool readBounded(QIODevice* device, qint64 limit, QByteArray* data, QString* error);
