// Writing a file the user chose without destroying what was there.
#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <functional>

class QByteArray;
class QIODevice;

// Refuses a path that holds anything but a regular file: a save renames its new file over the
// path, which would replace a device node, a named pipe or a folder with a file. A path that
// holds nothing yet is fine. `error` (when given) names the path.
bool isSaveTarget(const QString& path, QString* error);

// A file written beside the old one and swapped in only once it is complete, so a failed
// save leaves the old file as it was. Errors name the path: "<path>: <reason>". Run by
// root over another user's file, the new file keeps the old one's owner, as it keeps its mode.
class SafeSave
{
public:
    // Fills the open file; false when something could not be written.
    using Writer = std::function<bool(QIODevice* file)>;

    explicit SafeSave(const QString& path);

    // Where the folder takes no new file but the old file may be written, the old file is
    // written in place instead (on by default): with its space reserved first and its old
    // content put back when writing fails. Off where the old file must not be touched
    // before commit() is called.
    void setDirectWriteFallback(bool enabled) { m_directWriteFallback = enabled; }

    // Checks the target and opens the new file; nothing on disk changes yet.
    bool open();
    // Writes through `writer` and swaps the new file in; on failure the old file stays.
    bool commit(const Writer& writer);
    QString errorString() const { return m_error; }

private:
    bool fail(const QString& reason);
    bool commitInPlace(const Writer& writer);
    void keepOwner();

    QSaveFile m_file;
    QFile m_inPlace; // the old file itself, when the folder takes no new file
    bool m_directWriteFallback = true;
    QString m_error;
};

// Open and commit in one.
bool saveSafely(const QString& path, const SafeSave::Writer& writer, QString* error);
bool saveBytesSafely(const QString& path, const QByteArray& bytes, QString* error);
