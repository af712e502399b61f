// The configuration being edited as a document: its file, whether it has unsaved changes,
// the recent files, and opening and saving through the engine.
#ifndef CONFIGDOCUMENT_H
#define CONFIGDOCUMENT_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

class ProgramRecords;

// Works on records it does not own. Asks nothing: the window asks the user before any
// change is discarded, and shows errorString() when an operation fails.
class ConfigDocument : public QObject
{
    Q_OBJECT

public:
    explicit ConfigDocument(ProgramRecords* records, QObject* parent = nullptr);

    // Empty while the document has never been opened or saved.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName);

    bool isModified() const { return m_modified; }
    // Unmodified means "as last opened or saved": the records as they are now become the
    // state later changes are compared with.
    void setModified(bool modified);
    // After every record may have been replaced at once (a load from the device): modified
    // when the records differ from the last opened or saved state.
    void noteRecordsReplaced();

    // Empty records, no file, unmodified.
    void clear();
    // On failure the records, the file name and the modified state stay as they were.
    bool open(const QString& fileName);
    // Saves to the current file; a failed save leaves the file on disk as it was.
    bool save() { return saveAs(m_fileName); }
    bool saveAs(const QString& fileName);
    // Why the last open, save or recent-file check failed, in the user's words.
    QString errorString() const { return m_error; }

    // Most recent first.
    QStringList recentFiles() const;
    // False, with the reason, when a listed file can never be opened (it has gone, or is
    // now a folder or a pipe); the entry is then taken off the list.
    bool checkRecentFile(const QString& fileName);

signals:
    void modificationChanged(bool modified);
    void fileNameChanged(const QString& fileName);
    void recentFilesChanged();

private:
    QByteArray snapshot() const;
    void opened(const QString& fileName);
    bool fail(const QString& reason);

    ProgramRecords* m_records;
    QString m_fileName;
    QByteArray m_cleanRecords;
    bool m_modified = false;
    QString m_error;
};

#endif // CONFIGDOCUMENT_H
