#include "portlock.h"
#include "seriallink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SerialLink)
};

// Bounds the look for the holder: /proc/locks is read up to this size, and at
// most this many open files of other processes are looked at.
constexpr qint64 MaxLocksBytes = 1024 * 1024;
constexpr int MaxFilesLookedAt = 100000;

QString describeProcess(qint64 pid)
{
    const QString dir = QStringLiteral("/proc/%1").arg(pid);
    QFile comm(dir + QStringLiteral("/comm"));
    if (!comm.open(QIODevice::ReadOnly)) {
        return QString();
    }
    const QString name = QString::fromLocal8Bit(comm.read(64)).trimmed();
    const QString user = QFileInfo(dir).owner();
    return user.isEmpty() ? Text::tr("%1 (process %2)").arg(name).arg(pid)
                          : Text::tr("%1 (process %2 of the user %3)").arg(name).arg(pid).arg(user);
}

// The process whose lock the kernel lists for this node.
qint64 lockingProcess(const struct stat& node)
{
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString id = QStringLiteral("%1:%2:%3")
                           .arg(major(node.st_dev), 2, 16, QLatin1Char('0'))
                           .arg(minor(node.st_dev), 2, 16, QLatin1Char('0'))
                           .arg(quint64(node.st_ino));
    // "1: FLOCK  ADVISORY  WRITE 4242 00:05:1021 0 EOF"; a waiter's line has "->".
    const QList<QByteArray> lines = locks.read(MaxLocksBytes).split('\n');
    for (const QByteArray& line : lines) {
        QList<QByteArray> fields = line.simplified().split(' ');
        fields.removeAll("->");
        if (fields.size() > 5 && fields.at(5) == id.toLatin1()) {
            bool ok = false;
            const qint64 pid = fields.at(4).toLongLong(&ok);
            if (ok && pid > 0) {
                return pid;
            }
        }
    }
    return -1;
}

// A process that has the node open (only those this user may look into).
qint64 openingProcess(const QString& node)
{
    int lookedAt = 0;
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& process : processes) {
        bool ok = false;
        const qint64 pid = process.toLongLong(&ok);
        if (!ok || pid == QCoreApplication::applicationPid()) {
            continue;
        }
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(process));
        for (const QString& fd : fds.entryList(QDir::System | QDir::NoDotAndDotDot)) {
            if (++lookedAt > MaxFilesLookedAt) {
                return -1;
            }
            if (QFile::symLinkTarget(fds.filePath(fd)) == node) {
                return pid;
            }
        }
    }
    return -1;
}

} // namespace

PortLock::~PortLock()
{
    release();
}

bool PortLock::acquire(const QString& portName)
{
    release();
    m_error.clear();
    const QString node = SerialLink::realNode(portName);
    const QByteArray path = QFile::encodeName(node);
    struct stat status = {};
    if (::stat(path.constData(), &status) != 0 || !S_ISCHR(status.st_mode)) {
        return true;
    }
    // Without O_NONBLOCK a modem line would wait for its carrier here.
    const int fd = ::open(path.constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != EBUSY) {
            return true;
        }
    } else if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        m_fd = fd;
        return true;
    } else {
        const int why = errno;
        ::close(fd);
        if (why != EWOULDBLOCK) {
            return true;
        }
    }
    const QString who = holder(node);
    const QString name = node == SerialLink::nodePath(portName) ? portName : Text::tr("%1 (%2)").arg(portName, node);
    m_error = who.isEmpty()
        ? Text::tr("The port %1 is in use by another program: wait until it has finished, or close "
                   "it first.")
              .arg(name)
        : Text::tr("The port %1 is in use by %2: wait until it has finished, or close it first.").arg(name, who);
    return false;
}

void PortLock::release()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

QString PortLock::holder(const QString& node)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(node).constData(), &status) != 0) {
        return QString();
    }
    qint64 pid = lockingProcess(status);
    if (pid <= 0) {
        pid = openingProcess(node);
    }
    return pid > 0 ? describeProcess(pid) : QString();
}
