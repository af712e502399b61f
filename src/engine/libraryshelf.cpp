#include "libraryshelf.h"

#include "libraryimport.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LibraryShelf)
};

} // namespace

QString LibraryShelf::Library::title() const
{
    switch (kind) {
    case Kind::User:
        return Text::tr("Your library");
    case Kind::Shipped:
        return Text::tr("Shipped library (read only)");
    case Kind::Opened:
        break;
    }
    return QFileInfo(path).fileName();
}

LibraryShelf::LibraryShelf(const QString& userPath, const QString& shippedPath)
    : m_userPath(userPath)
    , m_shippedPath(shippedPath)
{
    reload();
}

QString LibraryShelf::defaultUserPath()
{
    // Named here as the settings name their file: whatever the process calls itself.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/kvr210c/library.json");
}

QString LibraryShelf::defaultShippedPath()
{
    return CommandLibrary::shippedLibraryPath();
}

LibraryShelf::Library LibraryShelf::read(Kind kind, const QString& path)
{
    Library library;
    library.kind = kind;
    library.path = path;
    // The user's own library is made by the first save.
    if (kind == Kind::User && !QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) {
        return library;
    }
    if (!CommandLibrary::read(path, &library.entries, &library.error)) {
        library.entries.clear();
        if (library.error.isEmpty()) {
            library.error = Text::tr("it could not be read");
        }
    }
    return library;
}

QStringList LibraryShelf::openedFiles()
{
    QStringList files = SettingsStore::open().value(QLatin1String(SettingsStore::LibraryFilesKey)).toStringList();
    // The settings file is the user's to edit: a hand-made list stays bounded.
    files.removeAll(QString());
    files.removeDuplicates();
    return files.mid(0, MaxOpenedFiles);
}

void LibraryShelf::setOpenedFiles(const QStringList& files)
{
    SettingsStore::open().setValue(QLatin1String(SettingsStore::LibraryFilesKey), files);
}

void LibraryShelf::reload()
{
    m_libraries.clear();
    m_libraries << read(Kind::User, m_userPath);
    if (!m_shippedPath.isEmpty()) {
        m_libraries << read(Kind::Shipped, m_shippedPath);
    }
    for (const QString& path : openedFiles()) {
        m_libraries << read(Kind::Opened, path);
    }
}

const LibraryEntry* LibraryShelf::entry(const Found& found) const
{
    if (found.library < 0 || found.library >= m_libraries.size()) {
        return nullptr;
    }
    const QList<LibraryEntry>& entries = m_libraries[found.library].entries;
    return found.entry >= 0 && found.entry < entries.size() ? &entries[found.entry] : nullptr;
}

QList<LibraryShelf::Found> LibraryShelf::search(const QString& words) const
{
    const QStringList wanted = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<Found> found;
    for (int l = 0; l < m_libraries.size(); ++l) {
        const QList<LibraryEntry>& entries = m_libraries[l].entries;
        for (int e = 0; e < entries.size(); ++e) {
            const LibraryEntry& entry = entries[e];
            const bool all = std::all_of(wanted.begin(), wanted.end(), [&entry](const QString& word) {
                return entry.name.contains(word, Qt::CaseInsensitive)
                    || entry.equipment.contains(word, Qt::CaseInsensitive)
                    || entry.group.contains(word, Qt::CaseInsensitive);
            });
            if (all) {
                found.append({l, e});
            }
        }
    }
    return found;
}

OperationResult LibraryShelf::add(const LibraryEntry& entry)
{
    return addToUser({entry}, Text::tr("\"%1\" added to your library").arg(entry.name));
}

OperationResult LibraryShelf::import(const QString& tablePath)
{
    QList<LibraryEntry> entries;
    QString error;
    if (!LibraryImport::readTable(tablePath, &entries, &error)) {
        OperationResult result;
        result.error = Text::tr("The table could not be imported (%1).").arg(error);
        return result;
    }
    return addToUser(entries, Text::tr("Commands imported into your library: %1").arg(entries.size()));
}

OperationResult LibraryShelf::addToUser(const QList<LibraryEntry>& added, const QString& done)
{
    OperationResult result;
    auto refuse = [&result](const QString& error) {
        result.error = error;
        return result;
    };
    // What is on disk now, not what was read earlier: the companion may have added to it.
    Library user = read(Kind::User, m_userPath);
    m_libraries[0] = user;
    if (!user.readable()) {
        return refuse(Text::tr("Nothing was added: your library could not be read, and it is "
                               "kept as it is until it is mended (%1).")
                          .arg(user.error));
    }
    QSet<QString> names;
    for (const LibraryEntry& entry : std::as_const(user.entries)) {
        names.insert(entry.name);
    }
    for (const LibraryEntry& entry : added) {
        if (names.contains(entry.name)) {
            return refuse(Text::tr("Nothing was added: your library already has an entry "
                                   "named \"%1\".")
                              .arg(entry.name));
        }
        names.insert(entry.name);
    }
    const QList<LibraryEntry> entries = user.entries + added;
    // save() writes only what reads back, and leaves the old file whole when it fails.
    QString error;
    if (!QDir().mkpath(QFileInfo(m_userPath).absolutePath()) || !CommandLibrary::save(m_userPath, entries, &error)) {
        return refuse(
            Text::tr("Nothing was added: your library could not be saved (%1).")
                .arg(error.isEmpty() ? QDir::toNativeSeparators(QFileInfo(m_userPath).absolutePath()) : error));
    }
    m_libraries[0].entries = entries;
    result.ok = true;
    result.done = done;
    return result;
}

OperationResult LibraryShelf::open(const QString& path)
{
    OperationResult result;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (const Library& library : std::as_const(m_libraries)) {
        if (QFileInfo(library.path).absoluteFilePath() == absolute) {
            result.error = Text::tr("%1 is already in the list.").arg(QDir::toNativeSeparators(absolute));
            return result;
        }
    }
    QStringList files = openedFiles();
    if (files.size() >= MaxOpenedFiles) {
        result.error = Text::tr("At most %1 libraries can be opened: remove one "
                                "from the list first.")
                           .arg(MaxOpenedFiles);
        return result;
    }
    const Library library = read(Kind::Opened, absolute);
    if (!library.readable()) {
        result.error = Text::tr("The library could not be opened (%1).").arg(library.error);
        return result;
    }
    m_libraries << library;
    files << absolute;
    setOpenedFiles(files);
    result.ok = true;
    result.done = Text::tr("%1 opened").arg(library.title());
    return result;
}

bool LibraryShelf::remove(int library)
{
    if (library < 0 || library >= m_libraries.size() || m_libraries[library].kind != Kind::Opened) {
        return false;
    }
    QStringList files = openedFiles();
    files.removeAll(m_libraries.takeAt(library).path);
    setOpenedFiles(files);
    return true;
}
