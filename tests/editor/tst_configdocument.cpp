// The document on its own, without a window: opening and saving with the reason of a
// failure, the modified state and its signal, and the recent files.
#include "appdata.h"
#include "configdocument.h"
#include "recentfiles.h"
#include "settingsstore.h"
#include "testrecords.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

class TestConfigDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void openGoodFile();
    void openRefused_data();
    void openRefused();
    void saveMakesCleanAFailedSaveChangesNothing();
    void modificationChangedOncePerChange();
    void changesAreUndoStepsAgainstTheSavedState();

private:
    // A configuration file with key 2's command set, made with the engine's own writer.
    QString writeFile(const QString& name, const QString& key2Command);
    QString command(int key) const { return m_records.getDataObject(key, 1)->getCommand(); }

    QTemporaryDir m_dir;
    ProgramRecords m_records;
};

void TestConfigDocument::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void TestConfigDocument::init()
{
    SettingsStore::open().clear();
    m_records.newData(6, 5);
}

QString TestConfigDocument::writeFile(const QString& name, const QString& key2Command)
{
    return writeProgramFile(m_dir.filePath(name), key2Command);
}

void TestConfigDocument::openGoodFile()
{
    const QString first = writeFile("first.app", "0A0B");
    const QString second = writeFile("second.app", "0C0D");
    ConfigDocument document(&m_records);
    m_records.getDataObject(1, 1)->setCommand("FF");
    document.setModified(true);
    QSignalSpy names(&document, &ConfigDocument::fileNameChanged);
    QSignalSpy modified(&document, &ConfigDocument::modificationChanged);
    QSignalSpy recent(&document, &ConfigDocument::recentFilesChanged);

    QVERIFY(document.open(first));
    QCOMPARE(document.fileName(), first);
    QVERIFY(!document.isModified());
    QVERIFY(document.errorString().isEmpty());
    QCOMPARE(command(1), QString());
    QCOMPARE(command(2), QString("0A0B"));
    QCOMPARE(names.size(), 1);
    QCOMPARE(names.at(0).at(0).toString(), first);
    QCOMPARE(modified.size(), 1);
    QCOMPARE(modified.at(0).at(0).toBool(), false);
    QCOMPARE(recent.size(), 1);

    // The file opened last leads the list, as an absolute path.
    QVERIFY(document.open(second));
    QVERIFY(document.open(first));
    QCOMPARE(document.recentFiles(),
             QStringList({QFileInfo(first).absoluteFilePath(), QFileInfo(second).absoluteFilePath()}));
    QCOMPARE(RecentFiles::files(), document.recentFiles());
}

void TestConfigDocument::openRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("damaged") << "damaged.app"
                             << "is not a configuration file of this editor, or it is damaged";
    QTest::newRow("missing") << "missing.app"
                             << "does not exist";
    QTest::newRow("folder") << "folder.app"
                            << "is not a regular file";
#ifdef Q_OS_UNIX
    // Refused without waiting for a writer.
    QTest::newRow("named pipe") << "pipe.app"
                                << "is not a regular file";
#endif
}

void TestConfigDocument::openRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(name);
    if (name == "damaged.app") {
        QFile file(writeFile(name, "0A0B"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(file.size() - 3)); // ends inside the last record
    } else if (name == "folder.app") {
        QVERIFY(QDir().mkpath(path));
#ifdef Q_OS_UNIX
    } else if (name == "pipe.app") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    }
    const QString good = writeFile("good.app", "0102");
    ConfigDocument document(&m_records);
    QVERIFY(document.open(good));
    m_records.getDataObject(3, 1)->setCommand("33");
    document.setModified(true);
    QSignalSpy names(&document, &ConfigDocument::fileNameChanged);
    QSignalSpy modified(&document, &ConfigDocument::modificationChanged);
    const QStringList recent = document.recentFiles();

    QVERIFY(!document.open(path));
    QVERIFY2(document.errorString().contains(reason), qPrintable(document.errorString()));
    QVERIFY2(document.errorString().contains(QDir::toNativeSeparators(path)), qPrintable(document.errorString()));
    // Nothing changed: the records, the name a later Save writes to, the unsaved mark, the list.
    QCOMPARE(command(2), QString("0102"));
    QCOMPARE(command(3), QString("33"));
    QCOMPARE(document.fileName(), good);
    QVERIFY(document.isModified());
    QCOMPARE(document.recentFiles(), recent);
    QCOMPARE(names.size(), 0);
    QCOMPARE(modified.size(), 0);

    // The reason is of the last operation only.
    QVERIFY(document.open(good));
    QVERIFY(document.errorString().isEmpty());
}

void TestConfigDocument::saveMakesCleanAFailedSaveChangesNothing()
{
    ConfigDocument document(&m_records);
    QVERIFY(!document.save()); // never saved: nowhere to save to
    QVERIFY(!document.errorString().isEmpty());
    QSignalSpy recent(&document, &ConfigDocument::recentFilesChanged);
    m_records.getDataObject(4, 1)->setCommand("4444");
    document.setModified(true);

    const QString path = m_dir.filePath("saved.app");
    QVERIFY(document.saveAs(path));
    QCOMPARE(document.fileName(), path);
    QVERIFY(!document.isModified());
    QCOMPARE(document.recentFiles(), QStringList{QFileInfo(path).absoluteFilePath()});
    QCOMPARE(recent.size(), 1);

    // A folder that does not exist (a device file would be replaced when run as root).
    m_records.getDataObject(4, 1)->setCommand("5555");
    document.setModified(true);
    const QString nowhere = m_dir.filePath("gone/saved.app");
    QSignalSpy names(&document, &ConfigDocument::fileNameChanged);
    QVERIFY(!document.saveAs(nowhere));
    QVERIFY2(document.errorString().contains(QDir::toNativeSeparators(nowhere)), qPrintable(document.errorString()));
    QCOMPARE(document.fileName(), path);
    QVERIFY(document.isModified());
    QCOMPARE(names.size(), 0);
    QCOMPARE(recent.size(), 1);

    QVERIFY(document.save());
    QVERIFY(!document.isModified());
    ProgramRecords other;
    other.newData(6, 5);
    QVERIFY(ConfigDocument(&other).open(path));
    QCOMPARE(other.getDataObject(4, 1)->getCommand(), QString("5555"));
}

void TestConfigDocument::modificationChangedOncePerChange()
{
    ConfigDocument document(&m_records);
    QSignalSpy modified(&document, &ConfigDocument::modificationChanged);
    document.setModified(false);
    QCOMPARE(modified.size(), 0);
    document.setModified(true);
    document.setModified(true);
    QCOMPARE(modified.size(), 1);
    m_records.getDataObject(1, 1)->setCommand("01");
    QVERIFY(document.recordChange("Change data of Key 1", {1, 0}));
    QCOMPARE(modified.size(), 1);
    QVERIFY(document.saveAs(m_dir.filePath("once.app")));
    QVERIFY(document.save());
    QCOMPARE(modified.size(), 2);
    QCOMPARE(modified.at(0).at(0).toBool(), true);
    QCOMPARE(modified.at(1).at(0).toBool(), false);
}

void TestConfigDocument::changesAreUndoStepsAgainstTheSavedState()
{
    const QString path = writeFile("device.app", "0A0B");
    ConfigDocument document(&m_records);
    QVERIFY(document.open(path));
    QSignalSpy restored(&document, &ConfigDocument::recordsRestored);

    // Every record written again with what it held: no step, nothing to save.
    m_records.resetDataObject();
    m_records.getDataObject(2, 1)->setCommand("0A0B");
    QVERIFY(!document.recordChange("Load from the device", {}));
    QVERIFY(!document.isModified());
    QCOMPARE(document.undoStack()->count(), 0);

    // One field differs, however small.
    m_records.getButtonData(2)->setSecondLayerDelayTime(1);
    QVERIFY(document.recordChange("Change data of Key 2", {2, 0}));
    m_records.getDataObject(2, 3)->setCommand("FF");
    QVERIFY(document.recordChange("Change data of Key 2, link 14", {2, 3}));
    QVERIFY(document.isModified());
    QCOMPARE(document.undoStack()->undoText(), QString("Change data of Key 2, link 14"));

    // Undo puts back the records and says where they changed.
    document.undoStack()->undo();
    QCOMPARE(m_records.getDataObject(2, 3)->getCommand(), QString());
    QCOMPARE(restored.size(), 1);
    QCOMPARE(restored.at(0).at(0).value<ConfigDocument::Place>().link, 3);
    document.undoStack()->undo();
    QCOMPARE(m_records.getButtonData(2)->getSecondLayerDelayTime(), 0);
    QVERIFY(!document.isModified());

    // Saved in the middle: redoing past it and undoing back to it set and clear the mark.
    document.undoStack()->redo();
    QVERIFY(document.isModified());
    QVERIFY(document.save());
    QVERIFY(!document.isModified());
    document.undoStack()->redo();
    QCOMPARE(m_records.getDataObject(2, 3)->getCommand(), QString("FF"));
    QVERIFY(document.isModified());
    document.undoStack()->undo();
    QVERIFY(!document.isModified());
    document.undoStack()->undo();
    QVERIFY(document.isModified());

    // An edit after an undo starts from what the undo put back: undoing it does not bring
    // back the change undone before.
    document.undoStack()->redo();
    document.undoStack()->redo();
    document.undoStack()->undo();
    m_records.getDataObject(2, 1)->setCommand("0C");
    QVERIFY(document.recordChange("Change data of Key 2", {2, 0}));
    document.undoStack()->undo();
    QCOMPARE(m_records.getDataObject(2, 1)->getCommand(), QString("0A0B"));
    QCOMPARE(m_records.getDataObject(2, 3)->getCommand(), QString());
    QCOMPARE(m_records.getButtonData(2)->getSecondLayerDelayTime(), 1);

    // Opening a file starts afresh.
    QVERIFY(document.open(path));
    QCOMPARE(document.undoStack()->count(), 0);
    QVERIFY(!document.isModified());
}

QTEST_MAIN(TestConfigDocument)
#include "tst_configdocument.moc"
