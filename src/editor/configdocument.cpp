#include "configdocument.h"
#include "appdata.h"
#include "boundedread.h"
#include "configjson.h"
#include "devicerecordlayout.h"
#include "diagnostics.h"
#include "recentfiles.h"
#include "safesave.h"

#include <QDir>
#include <QFileInfo>
#include <QUndoCommand>
#include <QUndoStack>

#include <utility>

// One change, kept as the bytes it replaced and the bytes it put there, at the offset where
// the file's bytes before and after it first differ: a change to one record keeps that
// record's bytes, not two copies of the whole file. The change has already been made when
// the step is pushed, so its first redo does nothing.
class ConfigDocument::Step : public QUndoCommand
{
public:
    Step(ConfigDocument* document, const QString& text, Place place, const QByteArray& before, const QByteArray& after)
        : QUndoCommand(text)
        , m_document(document)
        , m_place(place)
    {
        const qsizetype shorter = qMin(before.size(), after.size());
        qsizetype head = 0;
        while (head < shorter && before.at(head) == after.at(head)) {
            ++head;
        }
        qsizetype tail = 0;
        while (tail < shorter - head && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail)) {
            ++tail;
        }
        m_offset = head;
        // Copies of the middle only: a slice sharing the file's buffer would keep it all.
        m_before = QByteArray(before.constData() + head, before.size() - head - tail);
        m_after = QByteArray(after.constData() + head, after.size() - head - tail);
    }

    void undo() override { m_document->restore(m_offset, m_after.size(), m_before, m_place); }
    void redo() override
    {
        if (m_done) {
            m_document->restore(m_offset, m_before.size(), m_after, m_place);
        }
        m_done = true;
    }

private:
    ConfigDocument* m_document;
    Place m_place;
    qsizetype m_offset = 0;
    QByteArray m_before;
    QByteArray m_after;
    bool m_done = false;
};

QString ConfigDocument::Place::recordName() const
{
    return DeviceRecordLayout::recordName(key, qMax(link, 1));
}

ConfigDocument::ConfigDocument(ProgramRecords* records, QObject* parent)
    : QObject(parent)
    , m_records(records)
    , m_undoStack(new QUndoStack(this))
    , m_current(snapshot())
{
    // A step keeps the bytes it changed, one record's for most: a bound for a long session
    // of whole-configuration pastes, each about one file's bytes.
    m_undoStack->setUndoLimit(1000);
    connect(m_undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) { emit modificationChanged(!clean); });
}

QByteArray ConfigDocument::snapshot() const
{
    // The file's own bytes: every field that is stored takes part, nothing else does.
    return m_records->configFileBytes();
}

void ConfigDocument::setFileName(const QString& fileName)
{
    if (fileName == m_fileName) {
        return;
    }
    m_fileName = fileName;
    emit fileNameChanged(m_fileName);
}

bool ConfigDocument::isModified() const
{
    return !m_undoStack->isClean();
}

void ConfigDocument::setModified(bool modified)
{
    if (modified) {
        m_undoStack->resetClean();
    } else {
        m_undoStack->setClean();
    }
}

bool ConfigDocument::recordChange(const QString& text, Place place)
{
    QByteArray after = snapshot();
    if (after == m_current) {
        return false;
    }
    const QByteArray before = std::exchange(m_current, std::move(after));
    m_undoStack->push(new Step(this, text, place, before, m_current));
    emit recordsChanged();
    return true;
}

bool ConfigDocument::changeRecords(const QString& text, Place place, const std::function<bool(ProgramRecords*)>& change)
{
    if (!change(m_records) || snapshot() == m_current) {
        return false;
    }
    // The window shows it as after an undo, before the step's own signal.
    emit recordsRestored(place);
    return recordChange(text, place);
}

void ConfigDocument::restore(qsizetype offset, qsizetype length, const QByteArray& bytes, Place place)
{
    // Steps are undone and redone in order, so the current bytes are the ones the step left
    // (or found); the result was written by the same model and loads.
    m_current.replace(offset, length, bytes);
    m_records->loadConfigFileBytes(m_current);
    emit recordsRestored(place);
    emit recordsChanged();
}

void ConfigDocument::startHistory()
{
    m_current = snapshot();
    m_undoStack->clear();
    m_undoStack->setClean();
    emit recordsChanged();
}

void ConfigDocument::clear()
{
    setFileName(QString());
    m_records->resetDataObject();
    startHistory();
}

bool ConfigDocument::fail(const QString& reason)
{
    m_error = reason;
    return false;
}

bool ConfigDocument::open(const QString& fileName)
{
    m_error.clear();
    const ConfigFileLoad load = m_records->loadConfigFileFrom(fileName);
    if (!load.isLoaded()) {
        return fail(load.message(tr("%1 is not a configuration file of this editor, or it is damaged: %2. "
                                    "Nothing was loaded.")));
    }
    qCDebug(kvrDiagnostics, "loaded config file %s", qUtf8Printable(QDir::toNativeSeparators(fileName)));
    startHistory();
    opened(fileName);
    return true;
}

bool ConfigDocument::saveAs(const QString& fileName)
{
    m_error.clear();
    if (fileName.isEmpty()) {
        return fail(tr("No file name was given."));
    }
    // A device node or a pipe is refused; a failed save leaves the old file as it was.
    QString reason;
    if (!saveSafely(
            fileName, [this](QIODevice* file) { return m_records->saveConfigFile(file); }, &reason)) {
        return fail(reason);
    }
    opened(fileName);
    return true;
}

bool ConfigDocument::importJson(const QString& fileName)
{
    m_error.clear();
    QByteArray text;
    QString reason;
    if (!readBounded(fileName, MaxUserFileBytes, &text, &reason)) {
        return fail(tr("%1. Nothing was imported.").arg(reason));
    }
    // Read into a fresh model first: a document refused halfway leaves nothing behind.
    ProgramRecords imported;
    imported.newData(DeviceRecordLayout::Keys, DeviceRecordLayout::Links);
    if (!ConfigJson::fromJson(text, &imported, &reason)) {
        return fail(tr("%1 is not a configuration in JSON form: %2. Nothing was imported.")
                        .arg(QDir::toNativeSeparators(fileName), reason));
    }
    const QByteArray file = imported.configFileBytes();
    ProgramRecords check;
    check.newData(m_records->getMaxButtonId(), m_records->getMaxLinkId());
    if (!check.loadConfigFileBytes(file)) {
        return fail(tr("%1 holds more than a configuration file can: %2. Nothing was imported.")
                        .arg(QDir::toNativeSeparators(fileName), check.loadError()));
    }
    m_records->loadConfigFileBytes(file);
    recordChange(tr("Import"), Place{});
    return true;
}

bool ConfigDocument::exportJson(const QString& fileName)
{
    m_error.clear();
    QString reason;
    if (!saveBytesSafely(fileName, ConfigJson::toJsonText(*m_records), &reason)) {
        return fail(reason);
    }
    return true;
}

void ConfigDocument::opened(const QString& fileName)
{
    setFileName(fileName);
    setModified(false);
    RecentFiles::add(fileName);
    emit recentFilesChanged();
}

QStringList ConfigDocument::recentFiles() const
{
    return RecentFiles::files();
}

bool ConfigDocument::checkRecentFile(const QString& fileName)
{
    m_error.clear();
    const QFileInfo info(fileName);
    if (info.exists() && info.isFile()) {
        return true;
    }
    RecentFiles::remove(fileName);
    emit recentFilesChanged();
    const QString shown = QDir::toNativeSeparators(fileName);
    return fail(info.exists() ? tr("%1 is not a regular file; it was taken off the list.").arg(shown)
                              : tr("%1 no longer exists; it was taken off the list.").arg(shown));
}
