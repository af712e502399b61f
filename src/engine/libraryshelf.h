#ifndef LIBRARYSHELF_H
#define LIBRARYSHELF_H

#include "commandlibrary.h"
#include "operationresult.h"

#include <QList>
#include <QString>

// The command libraries in use: the user's own (in the application's data
// folder; missing is empty, made on the first save), the one shipped with the
// package (read only) and the files the user opened, remembered in the one
// settings file. Each is read whole; one that cannot be read keeps its reason
// and nothing of it is used, while the others are.
//
// Only the user's library is written, and only through add() and import(),
// which read it again first and refuse to save over a file that cannot be
// read: what the user made is never replaced by a shorter list.
class LibraryShelf
{
public:
    static constexpr int MaxOpenedFiles = 50;

    enum class Kind { User, Shipped, Opened };
    struct Library {
        Kind kind = Kind::Opened;
        QString path;
        // Why it could not be read; empty when it was.
        QString error;
        QList<LibraryEntry> entries;

        bool readable() const { return error.isEmpty(); }
        // "Your library", "Shipped library (read only)", the file's name.
        QString title() const;
    };
    // An entry by the library it is in.
    struct Found {
        int library = -1;
        int entry = -1;
        bool operator==(const Found& other) const { return library == other.library && entry == other.entry; }
    };

    // The user's library at `userPath`, the shipped one at `shippedPath` (none when empty).
    LibraryShelf(const QString& userPath = defaultUserPath(), const QString& shippedPath = defaultShippedPath());

    // ~/.local/share/kvr210c/library.json on Linux, for the editor, its tests and the companion alike.
    static QString defaultUserPath();
    // Where the package installed its library; empty when it is not installed.
    static QString defaultShippedPath();

    // Reads every library again, the opened ones as the settings list them.
    void reload();
    const QList<Library>& libraries() const { return m_libraries; }
    // Null for a place that is not on the shelf.
    const LibraryEntry* entry(const Found& found) const;
    // The entries whose name, equipment or group hold every word of `words`
    // (case-insensitive), in the order of the shelf; all of them for no words.
    QList<Found> search(const QString& words) const;

    // A new entry in the user's library, refused with the reason when its name is
    // already there, when it cannot go into a library, or when the library cannot be read.
    OperationResult add(const LibraryEntry& entry);
    // Every command of a community table (LibraryImport) into the user's library,
    // refused whole as add() refuses one.
    OperationResult import(const QString& tablePath);
    // Another library file, remembered; refused with the reason when it cannot be read.
    OperationResult open(const QString& path);
    // An opened file off the list and out of the settings; the user's and the shipped
    // library stay.
    bool remove(int library);

private:
    OperationResult addToUser(const QList<LibraryEntry>& added, const QString& done);
    static Library read(Kind kind, const QString& path);
    static QStringList openedFiles();
    static void setOpenedFiles(const QStringList& files);

    QString m_userPath;
    QString m_shippedPath;
    QList<Library> m_libraries;
};

#endif // LIBRARYSHELF_H
