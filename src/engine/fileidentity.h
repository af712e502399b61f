#ifndef FILEIDENTITY_H
#define FILEIDENTITY_H

#include <QString>

// Whether two names reach one file, so that a program never writes one of its
// outputs over one of its inputs (or over another output).
namespace FileIdentity {

// Two existing files are one when they are the same file on disk (device and
// inode, links followed), whatever their names. A name that does not exist yet
// is never the same as an existing file; two such names are one when they
// resolve to the same path (their folders and any dangling links followed).
// An empty name is no file.
bool same(const QString& a, const QString& b);

} // namespace FileIdentity

#endif // FILEIDENTITY_H
