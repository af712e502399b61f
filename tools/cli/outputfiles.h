#ifndef OUTPUTFILES_H
#define OUTPUTFILES_H

#include <QList>
#include <QString>

// The files a command names, checked before any device is touched: an output
// (a trace, a report, a loaded configuration) may be none of the files the
// command reads and none of its other outputs, whatever names reach them.
namespace OutputFiles {

struct File {
    QString what; // as the user knows it: "--trace", "the configuration file being stored"
    QString path; // empty: not given
    // An output written whole only when complete (--output), which may be a
    // file the command read first on purpose (load --base X --output X).
    bool replacesInput = false;
};

// False with `error` naming both files' options when two of them are one file.
bool apart(const QList<File>& inputs, const QList<File>& outputs, QString* error);

} // namespace OutputFiles

#endif // OUTPUTFILES_H
