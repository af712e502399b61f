#ifndef LIBRARYFILES_H
#define LIBRARYFILES_H

// Command library files for tests: entries given as JSON put into a whole library.
#include <QByteArray>

inline QByteArray libraryJson(const QByteArray& entries)
{
    return R"({"format": "kvr210c-library", "version": 1, "entries": [)" + entries + "]}";
}

#endif // LIBRARYFILES_H
