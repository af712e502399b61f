// One settings file for everything the editor remembers, whatever the process calls itself.
#include "recentfiles.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void recentFilesAndPortShareOneFile();
    void portFromAnEarlierVersionIsFound();

private:
    QTemporaryDir m_dir;
};

void TestSettingsStore::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // A process that names itself otherwise must still reach the editor's file.
    QCoreApplication::setOrganizationName(QStringLiteral("Someone Else"));
    QCoreApplication::setApplicationName(QStringLiteral("another-tool"));
}

void TestSettingsStore::init()
{
    SettingsStore::open().clear();
    QSettings(QStringLiteral("Unknown Organization"), QStringLiteral("kvr210c")).clear();
    QSettings().clear();
}

void TestSettingsStore::recentFilesAndPortShareOneFile()
{
    const QString file = m_dir.filePath(QStringLiteral("site.app"));
    RecentFiles::add(file);
    SettingsStore::setLastPort(QStringLiteral("/dev/pts/7"));

    QSettings store = SettingsStore::open();
    QCOMPARE(QFileInfo(store.fileName()).fileName(), QStringLiteral("kvr210c.conf"));
    QCOMPARE(QFileInfo(store.fileName()).dir().dirName(), QStringLiteral("KVR210C"));
    QCOMPARE(store.value(QLatin1String(SettingsStore::RecentFilesKey)).toStringList(), QStringList{file});
    QCOMPARE(store.value(QLatin1String(SettingsStore::LastPortKey)).toString(), QStringLiteral("/dev/pts/7"));
    // Nothing went where the process's own names point.
    QVERIFY(QSettings().allKeys().isEmpty());
    QCOMPARE(SettingsStore::lastPort(), QStringLiteral("/dev/pts/7"));
}

void TestSettingsStore::portFromAnEarlierVersionIsFound()
{
    QSettings(QStringLiteral("Unknown Organization"), QStringLiteral("kvr210c"))
        .setValue(QLatin1String(SettingsStore::LastPortKey), QStringLiteral("ttyUSB3"));
    QCOMPARE(SettingsStore::lastPort(), QStringLiteral("ttyUSB3"));

    // Once a port answers, the one file holds it and wins.
    SettingsStore::setLastPort(QStringLiteral("ttyUSB0"));
    QCOMPARE(SettingsStore::lastPort(), QStringLiteral("ttyUSB0"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
