// The configuration files opened or saved last, kept in the user's settings.
#pragma once

#include <QStringList>

class RecentFiles
{
public:
    static constexpr int MaxFiles = 5;

    // Most recent first, at most MaxFiles, as stored (a file that has gone is still listed).
    static QStringList files();
    // Puts the file at the front, once, as an absolute path.
    static void add(const QString& fileName);
    static void remove(const QString& fileName);
};
