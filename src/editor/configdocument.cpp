#include "configdocument.h"
#include "appdata.h"
#include "recentfiles.h"
#include "safesave.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>

ConfigDocument::ConfigDocument(ProgramRecords* records, QObject* parent)
    : QObject(parent)
    , m_records(records)
    , m_cleanRecords(snapshot())
{
}

QByteArray ConfigDocument::snapshot() const
{
    // The file's own bytes: every field that is stored takes part, nothing else does.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    m_records->saveConfigFile(&buffer);
    return buffer.data();
}

void ConfigDocument::setFileName(const QString& fileName)
{
    if (fileName == m_fileName) {
        return;
    }
    m_fileName = fileName;
    emit fileNameChanged(m_fileName);
}

void ConfigDocument::setModified(bool modified)
{
    if (!modified) {
        m_cleanRecords = snapshot();
    }
    if (modified == m_modified) {
        return;
    }
    m_modified = modified;
    emit modificationChanged(m_modified);
}

void ConfigDocument::noteRecordsReplaced()
{
    if (!m_modified && snapshot() != m_cleanRecords) {
        setModified(true);
    }
}

void ConfigDocument::clear()
{
    setFileName(QString());
    m_records->resetDataObject();
    setModified(false);
}

bool ConfigDocument::fail(const QString& reason)
{
    m_error = reason;
    return false;
}

bool ConfigDocument::open(const QString& fileName)
{
    m_error.clear();
    QString unreadable;
    const QString shown = QDir::toNativeSeparators(fileName);
    if (!m_records->loadConfigFileFrom(fileName, &unreadable)) {
        if (!unreadable.isEmpty()) {
            return fail(unreadable);
        }
        return fail(tr("%1 is not a configuration file of this editor, or it is damaged: %2. "
                       "Nothing was loaded.")
                        .arg(shown, m_records->loadError()));
    }
    qDebug("loaded config file %s", qUtf8Printable(shown));
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
