#ifndef TESTFILES_H
#define TESTFILES_H

// A file's bytes in one call, for tests: empty when it cannot be read, false
// when not every byte was written.
#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

#endif // TESTFILES_H
