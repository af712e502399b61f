#include "fileidentity.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// As many links as the system follows before it gives up on a name.
constexpr int MaxLinks = 40;

// Where a name that does not exist would be created: its dangling links and
// its folder resolved.
QString resolvedPath(QString path)
{
    for (int i = 0; i < MaxLinks; ++i) {
        const QFileInfo info(path);
        if (!info.isSymLink()) {
            break;
        }
        const QString target = info.symLinkTarget();
        if (target.isEmpty() || target == path) {
            break;
        }
        path = target;
    }
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return QDir::cleanPath((folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName());
}

} // namespace

namespace FileIdentity {

bool same(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty()) {
        return false;
    }
#ifdef Q_OS_UNIX
    struct stat first = {};
    struct stat second = {};
    const bool firstExists = ::stat(QFile::encodeName(a).constData(), &first) == 0;
    const bool secondExists = ::stat(QFile::encodeName(b).constData(), &second) == 0;
    if (firstExists && secondExists) {
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    }
#else
    const QString firstCanonical = QFileInfo(a).canonicalFilePath();
    const QString secondCanonical = QFileInfo(b).canonicalFilePath();
    const bool firstExists = !firstCanonical.isEmpty();
    const bool secondExists = !secondCanonical.isEmpty();
    if (firstExists && secondExists) {
        return firstCanonical.compare(secondCanonical, Qt::CaseInsensitive) == 0;
    }
#endif
    if (firstExists || secondExists) {
        return false;
    }
    return resolvedPath(a) == resolvedPath(b);
}

} // namespace FileIdentity
