// The configuration being edited as a document: its file, its changes as undo steps and
// whether they are saved, the recent files, and opening and saving through the engine.
#ifndef CONFIGDOCUMENT_H
#define CONFIGDOCUMENT_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class ProgramRecords;
class QUndoStack;

// Works on records it does not own. Asks nothing: the window asks the user before any
// change is discarded, and shows errorString() when an operation fails.
//
// Whoever changes the records says so with recordChange(), which makes the change one undo
// step. The document is modified while the undo stack is away from its clean state: undoing
// back to the last save clears the mark, and a step past it sets it again.
class ConfigDocument : public QObject
{
    Q_OBJECT

public:
    // Where a change was made (a key, and a link of it or 0), so that undo and redo show
    // the records there again; no key for a change to the whole configuration.
    struct Place {
        int key = 0;
        int link = 0;
        // "Key 3", "Key 3, link 13": the record the place shows.
        QString recordName() const;
    };

    explicit ConfigDocument(ProgramRecords* records, QObject* parent = nullptr);

    const ProgramRecords* records() const { return m_records; }

    // Empty while the document has never been opened or saved.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName);

    bool isModified() const;
    // Unmodified marks the undo stack's current step as the saved one; modified makes no
    // step the saved one.
    void setModified(bool modified);

    // After the records were changed: one undo step called `text` ("Rename Key 2") when they
    // differ from what the last step left; false, and no step, when nothing changed.
    bool recordChange(const QString& text, Place place);
    // A change made beside the main window: `change` changes the records (false: it
    // changed nothing), and what it did becomes one undo step `text`, shown as an undo
    // shows its records (recordsRestored). False when nothing changed.
    bool changeRecords(const QString& text, Place place, const std::function<bool(ProgramRecords*)>& change);
    QUndoStack* undoStack() const { return m_undoStack; }

    // Empty records, no file, no undo steps, unmodified.
    void clear();
    // On failure the records, the file name and the modified state stay as they were.
    // A file opened starts with no undo steps.
    bool open(const QString& fileName);
    // Replaces the whole configuration with a JSON document as kvr210c-cli import reads it,
    // as one undo step "Import"; a document refused anywhere changes nothing.
    bool importJson(const QString& fileName);
    // Writes the configuration as kvr210c-cli export does; a failed write leaves the file
    // as it was.
    bool exportJson(const QString& fileName);
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
    // An undo or redo has put records back, or changeRecords() changed them; they were
    // last changed at `place`.
    void recordsRestored(ConfigDocument::Place place);
    // The records hold something else than before: a step was made, undone or redone, or
    // the configuration was cleared or opened. After recordsRestored.
    void recordsChanged();
    void fileNameChanged(const QString& fileName);
    void recentFilesChanged();

private:
    class Step;

    QByteArray snapshot() const;
    // Puts `bytes` in place of `length` bytes at `offset` of the current records.
    void restore(qsizetype offset, qsizetype length, const QByteArray& bytes, Place place);
    void startHistory();
    void opened(const QString& fileName);
    bool fail(const QString& reason);

    ProgramRecords* m_records;
    QString m_fileName;
    QUndoStack* m_undoStack;
    // The records as the undo stack's current step left them: the "before" of the next step.
    QByteArray m_current;
    QString m_error;
};

#endif // CONFIGDOCUMENT_H
