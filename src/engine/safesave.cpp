#include "safesave.h"
#include "diagnostics.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SafeSave)
};

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

#ifdef Q_OS_UNIX
// The old content is kept in memory while the file is written in place; a larger file
// is not written in place at all.
constexpr qint64 MaxInPlaceBytes = 64 * 1024 * 1024;

bool writeAllAt(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += n;
    }
    return true;
}

bool readAllAt(int fd, qint64 size, QByteArray* bytes)
{
    bytes->resize(qsizetype(size));
    for (qsizetype done = 0; done < bytes->size();) {
        const ssize_t n = ::pread(fd, bytes->data() + done, size_t(bytes->size() - done), off_t(done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += n;
    }
    return true;
}
#endif

} // namespace

bool isSaveTarget(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error) {
            *error = Text::tr("%1 is not a regular file; it was left as it is.").arg(shown(path));
        }
        return false;
    }
    return true;
}

SafeSave::SafeSave(const QString& path)
    : m_file(path)
{
    // Qt's own fallback empties the old file when it opens it; ours is in commitInPlace().
    m_file.setDirectWriteFallback(false);
}

bool SafeSave::fail(const QString& reason)
{
    m_error = Text::tr("%1: %2").arg(shown(m_file.fileName()), reason);
    return false;
}

bool SafeSave::open()
{
    m_error.clear();
    if (!isSaveTarget(m_file.fileName(), &m_error)) {
        return false;
    }
    if (m_file.open(QIODevice::WriteOnly)) {
        keepOwner();
        return true;
    }
    const QString reason = m_file.errorString();
#ifdef Q_OS_UNIX
    // The folder takes no new file: the old file itself, if it may be written. Opened
    // without truncating, so nothing changes before commit().
    if (m_directWriteFallback && QFileInfo(m_file.fileName()).isFile()) {
        m_inPlace.setFileName(m_file.fileName());
        if (m_inPlace.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
            return true;
        }
    }
#endif
    return fail(reason);
}

void SafeSave::keepOwner()
{
#ifdef Q_OS_UNIX
    // Only root can give a file away; anyone else's new file is theirs, as any file they make.
    struct stat old;
    if (::geteuid() != 0 || ::stat(QFile::encodeName(m_file.fileName()).constData(), &old) != 0
        || !S_ISREG(old.st_mode)) {
        return;
    }
    const int fd = int(m_file.handle());
    // Giving the file away may clear its set-id bits, so the mode is set again after it.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 || ::fchmod(fd, old.st_mode & 07777) != 0) {
        qCDebug(kvrDiagnostics, "save: the owner of %s could not be kept", qUtf8Printable(m_file.fileName()));
    }
#endif
}

bool SafeSave::commit(const Writer& writer)
{
    if (m_inPlace.isOpen()) {
        return commitInPlace(writer);
    }
    if (!m_file.isOpen()) {
        return m_error.isEmpty() ? fail(Text::tr("the file is not open")) : false;
    }
    if (!writer(&m_file)) {
        const QString reason = m_file.error() != QFileDevice::NoError ? m_file.errorString()
                                                                      : Text::tr("the content could not be written");
        m_file.cancelWriting(); // the new file goes; the old one stays
        return fail(reason);
    }
    // What the writer wrote may still be in the file's buffer: a failure to write it out
    // (a full disk) shows only here, as a short write for which Qt keeps no reason of its
    // own, and QSaveFile's commit() would not report it at all.
    errno = 0;
    if (!m_file.flush()) {
        const int why = errno;
        const QString reason = why != 0 ? qt_error_string(why) : m_file.errorString();
        m_file.cancelWriting();
        return fail(reason);
    }
    if (!m_file.commit()) {
        return fail(m_file.errorString());
    }
    return true;
}

bool SafeSave::commitInPlace(const Writer& writer)
{
#ifdef Q_OS_UNIX
    // The whole content first, so a writer that fails touches nothing.
    QBuffer content;
    content.open(QIODevice::WriteOnly);
    if (!writer(&content)) {
        m_inPlace.close();
        return fail(Text::tr("the content could not be written"));
    }
    const QByteArray bytes = content.data();
    const int fd = m_inPlace.handle();
    const auto notAtomic = [this](const QString& what, const QString& outcome) {
        m_inPlace.close();
        return fail(Text::tr("%1. The folder takes no new file, so the file itself was to be written, "
                             "which is not atomic; %2")
                        .arg(what, outcome));
    };

    struct stat st;
    QByteArray old;
    if (::fstat(fd, &st) != 0 || st.st_size > MaxInPlaceBytes || !readAllAt(fd, st.st_size, &old)) {
        const QString reason = st.st_size > MaxInPlaceBytes ? Text::tr("the file is too large to be written in place")
                                                            : qt_error_string(errno);
        return notAtomic(Text::tr("the old content could not be kept (%1)").arg(reason),
                         Text::tr("the file was left as it was."));
    }

    // The space first: on a full disk the old file is never cut.
    if (!bytes.isEmpty()) {
        const int reserved = ::posix_fallocate(fd, 0, off_t(bytes.size()));
        if (reserved != 0) {
            // A partial reservation may have lengthened the file; the old bytes are untouched.
            struct stat now;
            if (::fstat(fd, &now) == 0 && now.st_size != st.st_size) {
                (void)!::ftruncate(fd, st.st_size);
            }
            return notAtomic(Text::tr("there is no room for the new content (%1)").arg(qt_error_string(reserved)),
                             Text::tr("the previous content is unchanged."));
        }
    }
    if (!writeAllAt(fd, bytes) || ::ftruncate(fd, off_t(bytes.size())) != 0 || ::fsync(fd) != 0) {
        const QString reason = qt_error_string(errno);
        const bool restored = writeAllAt(fd, old) && ::ftruncate(fd, st.st_size) == 0 && ::fsync(fd) == 0;
        return notAtomic(
            Text::tr("the new content could not be written (%1)").arg(reason),
            restored ? Text::tr("the previous content was put back.")
                     : Text::tr("the previous content could not be put back (%1).").arg(qt_error_string(errno)));
    }
    m_inPlace.close();
    return true;
#else
    Q_UNUSED(writer);
    return fail(Text::tr("the file is not open"));
#endif
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
