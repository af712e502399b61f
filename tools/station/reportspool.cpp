#include "reportspool.h"

#include "reportappend.h"
#include "reportsummary.h"
#include "safesave.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString ReportSpool::defaultPath(const ReportTarget& target)
{
    QString name = target.displayName();
    if (target.kind() == ReportTarget::Kind::Sqlite) {
        name = QFileInfo(target.path()).absoluteFilePath();
    }
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256).toHex().left(12);
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state)) {
        state = QDir::homePath() + QStringLiteral("/.local/state");
    }
    return state + QStringLiteral("/kvr210c/spool-%1.jsonl").arg(QLatin1String(hash));
}

ReportSpool::ReportSpool(QString path)
    : m_path(std::move(path))
{
}

bool ReportSpool::holdsLines() const
{
    return QFileInfo(m_path).size() > 0;
}

bool ReportSpool::add(const QByteArray& line, QString* error)
{
    const QString shown = QDir::toNativeSeparators(m_path);
    QString why;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()) || !isSaveTarget(m_path, &why)) {
        *error = QStringLiteral("cannot write the spool %1%2").arg(shown, why.isEmpty() ? QString() : ": " + why);
        return false;
    }
    QFile file(m_path);
    const QIODevice::OpenMode append = QIODevice::Append | QIODevice::Unbuffered;
    if (!file.open(QIODevice::ReadWrite | append)) {
        *error = QStringLiteral("cannot write the spool %1: %2").arg(shown, file.errorString());
        return false;
    }
    if (!ReportAppend::append(&file, line, &why)) {
        *error = QStringLiteral("cannot write the spool %1: %2").arg(shown, why);
        return false;
    }
    return true;
}

ReportSpool::Sent ReportSpool::send(const Send& sendLine)
{
    Sent result;
    QFile file(m_path);
    if (!file.exists()) {
        return result;
    }
    if (!file.open(QIODevice::ReadWrite)) {
        result.error =
            QStringLiteral("cannot read the spool %1: %2").arg(QDir::toNativeSeparators(m_path), file.errorString());
        result.left = -1;
        return result;
    }
    // No line may arrive between the last one read and the emptying.
    const ReportAppend::Lock lock(file.handle());
    if (!lock.held()) {
        result.error =
            QStringLiteral("the spool %1 is being sent by another run").arg(QDir::toNativeSeparators(m_path));
        result.left = -1;
        return result;
    }
    const qint64 size = file.size();
    int lines = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(ReportSummary::MaxLineBytes + 1).trimmed();
        if (line.isEmpty()) {
            continue;
        }
        ++lines;
        if (result.error.isEmpty() && !sendLine(line, &result.error)) {
            result.error = QStringLiteral("line %1: %2").arg(lines).arg(result.error);
        } else if (result.error.isEmpty()) {
            ++result.sent;
        }
    }
    result.left = lines - result.sent;
    if (!result.error.isEmpty()) {
        return result;
    }
    // A line appended without the lock (it was held too long) is not emptied away.
    if (file.size() != size) {
        result.error = QStringLiteral("lines came while it was sent");
        result.left = -1;
    } else if (!file.resize(0)) {
        result.error =
            QStringLiteral("cannot empty the spool %1: %2").arg(QDir::toNativeSeparators(m_path), file.errorString());
        result.left = lines;
    }
    return result;
}
