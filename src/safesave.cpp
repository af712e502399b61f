#include "safesave.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("SafeSave", text);
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

bool isSaveTarget(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error) {
            *error = tr("%1 is not a regular file; it was left as it is.").arg(shown(path));
        }
        return false;
    }
    return true;
}

SafeSave::SafeSave(const QString& path)
    : m_file(path)
{
    m_file.setDirectWriteFallback(true);
}

bool SafeSave::fail(const QString& reason)
{
    m_error = tr("%1: %2").arg(shown(m_file.fileName()), reason);
    return false;
}

bool SafeSave::open()
{
    m_error.clear();
    if (!isSaveTarget(m_file.fileName(), &m_error)) {
        return false;
    }
    if (!m_file.open(QIODevice::WriteOnly)) {
        return fail(m_file.errorString());
    }
    return true;
}

bool SafeSave::commit(const Writer& writer)
{
    if (!m_file.isOpen()) {
        return m_error.isEmpty() ? fail(tr("the file is not open")) : false;
    }
    if (!writer(&m_file)) {
        const QString reason = m_file.error() != QFileDevice::NoError ? m_file.errorString()
                                                                       : tr("the content could not be written");
        m_file.cancelWriting();   // the new file goes; the old one stays
        return fail(reason);
    }
    if (!m_file.commit()) {
        return fail(m_file.errorString());
    }
    return true;
}

bool saveSafely(const QString& path, const SafeSave::Writer& writer, QString* error)
{
    SafeSave save(path);
    if (save.open() && save.commit(writer)) {
        return true;
    }
    if (error) {
        *error = save.errorString();
    }
    return false;
}

bool saveBytesSafely(const QString& path, const QByteArray& bytes, QString* error)
{
    return saveSafely(
        path, [&bytes](QIODevice* file) { return file->write(bytes) == bytes.size(); }, error);
}
