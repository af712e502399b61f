#include "boundedread.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QString>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 ChunkBytes = 64 * 1024;
// A pipe or socket that has not delivered yet gets this long before its input counts as ended.
constexpr int ReadyReadWaitMs = 3000;

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BoundedRead)
};

void setError(QString* error, const QString& text)
{
    if (error) {
        *error = text;
    }
}

} // namespace

bool readBounded(QIODevice* device, qint64 limit, QByteArray* data, QString* error)
{
    if (!device || !device->isOpen() || !device->isReadable()) {
        setError(error, Text::tr("the input is not open for reading"));
        return false;
    }
    QByteArray content;
    QByteArray chunk(ChunkBytes, Qt::Uninitialized);
    for (;;) {
        // One byte past the limit is enough to know the input is too large.
        const qint64 wanted = qMin<qint64>(ChunkBytes, limit + 1 - content.size());
        const qint64 got = device->read(chunk.data(), wanted);
        if (got < 0) {
            setError(error, device->errorString());
            return false;
        }
        if (got == 0) {
            if (device->isSequential() && device->waitForReadyRead(ReadyReadWaitMs)) {
                continue;
            }
            break;
        }
        content.append(chunk.constData(), got);
        if (content.size() > limit) {
            setError(error, Text::tr("the input is larger than %1 bytes").arg(limit));
            return false;
        }
    }
    *data = content;
    return true;
}

bool openRegularFile(const QString& path, QFile* file, QString* error)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString notRegular = Text::tr("%1 is not a regular file").arg(shown);
    const QFileInfo info(path);
    if (!info.exists()) {
        setError(error, Text::tr("%1 does not exist").arg(shown));
        return false;
    }
    if (!info.isFile()) {
        setError(error, notRegular);
        return false;
    }
#ifdef Q_OS_UNIX
    // The path may have been swapped for a pipe since the look above: open without waiting
    // for a writer and ask the opened descriptor what it is.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        setError(error, Text::tr("%1: %2").arg(shown, qt_error_string(errno)));
        return false;
    }
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        setError(error, notRegular);
        return false;
    }
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        setError(error, Text::tr("%1: %2").arg(shown, file->errorString()));
        return false;
    }
#else
    file->setFileName(path);
    if (!file->open(QIODevice::ReadOnly)) {
        setError(error, Text::tr("%1: %2").arg(shown, file->errorString()));
        return false;
    }
#endif
    return true;
}

bool readBounded(const QString& path, qint64 limit, QByteArray* data, QString* error)
{
    QFile file;
    if (!openRegularFile(path, &file, error)) {
        return false;
    }
    QString reason;
    if (!readBounded(&file, limit, data, &reason)) {
        setError(error, Text::tr("%1: %2").arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    return true;
}
