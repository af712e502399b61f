#include "recentfiles.h"
#include "settingsstore.h"

#include <QFileInfo>

namespace {

const char* const SettingsKey = SettingsStore::RecentFilesKey;

QSettings settings()
{
    return SettingsStore::open();
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
