#include "devicebackup.h"

#include "appdata.h"
#include "configcompare.h"
#include "devicerecordlayout.h"
#include "devicesession.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(DeviceBackup)
};

// Reserves a file no one else has: opened only if it did not exist.
bool reserveFile(const QString& folder, const QString& name, const QDateTime& when, QFile* file, QString* error)
{
    for (int copy = 1; copy <= DeviceBackup::MaxCopies; ++copy) {
        file->setFileName(QDir(folder).filePath(DeviceBackup::fileName(name, when, copy)));
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return true;
        }
        if (!file->exists()) {
            *error = Text::tr("cannot write in the backup folder %1 (%2)")
                         .arg(QDir::toNativeSeparators(folder), file->errorString());
            return false;
        }
    }
    *error = Text::tr("the backup folder %1 already holds %2 backups of %3 from this second")
                 .arg(QDir::toNativeSeparators(folder))
                 .arg(DeviceBackup::MaxCopies)
                 .arg(name);
    return false;
}

// Writes `bytes` and reads them back through the engine: the backup is whole
// only when the file holds every byte and loads to the same records.
bool writeWhole(QFile* file, const QByteArray& bytes, const ProgramRecords& loaded, QString* error)
{
    const bool written = file->write(bytes) == bytes.size() && file->flush();
    const QString why = file->errorString();
    file->close();
    if (!written || file->error() != QFileDevice::NoError) {
        *error = Text::tr("cannot write the backup %1 (%2)")
                     .arg(QDir::toNativeSeparators(file->fileName()), written ? file->errorString() : why);
        return false;
    }
    QFile back(file->fileName());
    ProgramRecords readBack;
    readBack.newData(DeviceRecordLayout::Keys, DeviceRecordLayout::Links);
    if (!back.open(QIODevice::ReadOnly) || back.readAll() != bytes || !back.seek(0) || !readBack.loadConfigFile(&back)
        || !ConfigComparison(loaded, readBack, ConfigComparison::Scope::File).isEqual()) {
        *error = Text::tr("the backup %1 did not read back as it was written")
                     .arg(QDir::toNativeSeparators(file->fileName()));
        return false;
    }
    return true;
}

} // namespace

DeviceBackup::DeviceBackup(QString folder, QString name)
    : m_folder(std::move(folder))
    , m_name(std::move(name))
{
}

QString DeviceBackup::fileName(const QString& name, const QDateTime& when, int copy)
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    QString base = QFileInfo(name).fileName().left(MaxNameLength).replace(unsafe, QStringLiteral("_"));
    if (base.isEmpty() || base.startsWith(QLatin1Char('.'))) {
        base.prepend(QLatin1String("device"));
    }
    const QString stamp = when.toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss"));
    return copy <= 1 ? QStringLiteral("%1-%2.app").arg(base, stamp)
                     : QStringLiteral("%1-%2-%3.app").arg(base, stamp).arg(copy);
}

DeviceBackup::Result DeviceBackup::run(DeviceSession* session, const QDateTime& when) const
{
    Result result;
    if (!QDir().mkpath(m_folder) || !QFileInfo(m_folder).isDir()) {
        result.error =
            Text::tr("the backup folder %1 is not a folder that can be made").arg(QDir::toNativeSeparators(m_folder));
        return result;
    }
    QFile file;
    if (!reserveFile(m_folder, m_name, when, &file, &result.error)) {
        return result;
    }
    ProgramRecords loaded;
    loaded.newData(DeviceRecordLayout::Keys, DeviceRecordLayout::Links);
    const DeviceSession::Result load = session->run(DeviceSession::Operation::Load, &loaded);
    result.cancelled = load.cancelled;
    result.portFailed = load.portFailed;
    if (!load.ok || !load.missing.isEmpty()) {
        result.error = !load.ok ? Text::tr("the device's program could not be loaded: %1").arg(load.error)
                                : Text::tr("the device's program came incomplete: %1 did not arrive")
                                      .arg(load.missing.join(QLatin1String("; ")));
    } else if (writeWhole(&file, loaded.configFileBytes(), loaded, &result.error)) {
        result.ok = true;
        result.path = file.fileName();
        result.done = Text::tr("backed up to %1").arg(QDir::toNativeSeparators(result.path));
        return result;
    }
    file.close();
    file.remove();
    return result;
}
