#include "reportappend.h"

#include <QDeadlineTimer>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX

QString reasonOf(int error)
{
    const QString system = QString::fromLocal8Bit(std::strerror(error));
    switch (error) {
    case ENOSPC:
        return QStringLiteral("the disk is full (%1)").arg(system);
#ifdef EDQUOT
    case EDQUOT:
        return QStringLiteral("the disk quota is used up (%1)").arg(system);
#endif
    case EFBIG:
        return QStringLiteral("the file has reached the size this run may write (%1)").arg(system);
    default:
        return system;
    }
}

bool endsInLineEnd(int fd)
{
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || info.st_size == 0) {
        return true;
    }
    char last = 0;
    return ::pread(fd, &last, 1, info.st_size - 1) != 1 || last == '\n';
}

#endif // Q_OS_UNIX

} // namespace

// Held while the line goes out; given up on rather than waited for forever.
ReportAppend::Lock::Lock(int fd)
    : m_fd(fd)
{
#ifdef Q_OS_UNIX
    const QDeadlineTimer deadline(ReportAppend::LockWaitMs);
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
            return;
        }
        QThread::msleep(10);
    }
    m_locked = true;
#endif
}

ReportAppend::Lock::~Lock()
{
#ifdef Q_OS_UNIX
    if (m_locked) {
        ::flock(m_fd, LOCK_UN);
    }
#endif
}

bool ReportAppend::append(QFile* file, const QByteArray& line, QString* error)
{
#ifdef Q_OS_UNIX
    const int fd = file->handle();
    const Lock lock(fd);
    const QByteArray bytes = endsInLineEnd(fd) ? line : '\n' + line;
    // QFile would go on after a short write and lose why it stopped.
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (count > 0) {
            written += count;
            continue;
        }
        if (count < 0 && errno == EINTR) {
            continue;
        }
        const int failure = count < 0 ? errno : EIO;
        *error = reasonOf(failure);
        if (written > 0) {
            // Appending leaves the offset at the end of what went out.
            const off_t end = ::lseek(fd, 0, SEEK_CUR);
            if (end < written || ::ftruncate(fd, end - written) != 0) {
                *error += QStringLiteral("; %1 bytes of the line stay in the file as a cut-off line").arg(written);
            }
        }
        return false;
    }
    return true;
#else
    if (file->write(line) != line.size()) {
        *error = file->errorString();
        return false;
    }
    return true;
#endif
}
