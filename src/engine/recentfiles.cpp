#include "recentfiles.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const char* const SettingsKey = "recentFiles";

// Named here rather than through the application object, so the editor, its tests and
// any tool that shares the list read the same settings.
QSettings settings()
{
    return QSettings(QStringLiteral("KVR210C"), QStringLiteral("kvr210c"));
}

QString absolute(const QString& fileName)
{
    return QFileInfo(fileName).absoluteFilePath();
}

void store(const QStringList& files)
{
    settings().setValue(QLatin1String(SettingsKey), files);
}

} // namespace

QStringList RecentFiles::files()
{
    // The settings file can be edited by hand: drop empties and keep the bound.
    QStringList list = settings().value(QLatin1String(SettingsKey)).toStringList();
    list.removeAll(QString());
    list.removeDuplicates();
    return list.mid(0, MaxFiles);
}

void RecentFiles::add(const QString& fileName)
{
    const QString path = absolute(fileName);
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, MaxFiles));
}

void RecentFiles::remove(const QString& fileName)
{
    QStringList list = files();
    list.removeAll(absolute(fileName));
    list.removeAll(fileName);
    store(list);
}
