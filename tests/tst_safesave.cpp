// Saving a user-chosen file: only over a regular file, and never leaving a half-written one.
#include "safesave.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestSafeSave : public QObject
{
    Q_OBJECT

private:
    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

private slots:
    void replacesARegularFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.app");
        QString error;
        QVERIFY2(saveBytesSafely(path, "first", &error), qPrintable(error));
        QVERIFY2(saveBytesSafely(path, "second", &error), qPrintable(error));
        QCOMPARE(read(path), QByteArray("second"));
        QVERIFY(error.isEmpty());
    }

    void failedWritesLeaveTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.app");
        QVERIFY(saveBytesSafely(path, "old", nullptr));

        // A writer that gives up half way, without an I/O error of its own.
        QString error;
        const auto halfWay = [](QIODevice* file) {
            file->write("new, half");
            return false;
        };
        QVERIFY(!saveSafely(path, halfWay, &error));
        QCOMPARE(read(path), QByteArray("old"));
        QVERIFY2(error.startsWith(path + ": ") && error.size() > path.size() + 2, qPrintable(error));

        // Opened, then dropped without a commit (a load that failed after the file was opened).
        {
            SafeSave save(path);
            save.setDirectWriteFallback(false);
            QVERIFY2(save.open(), qPrintable(save.errorString()));
            QCOMPARE(read(path), QByteArray("old"));
        }
        QCOMPARE(read(path), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.app"});

        // A folder that does not exist: the error names the path.
        const QString nowhere = dir.filePath("no/such/a.app");
        QVERIFY(!saveBytesSafely(nowhere, "x", &error));
        QVERIFY2(error.startsWith(nowhere + ": "), qPrintable(error));
        QVERIFY(!QFile::exists(nowhere));
    }

    void refusesAnythingButARegularFile()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("pipe.app");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString folder = dir.filePath("folder.app");
        QVERIFY(QDir().mkdir(folder));

        for (const QString& path : {fifo, folder}) {
            QString error;
            QVERIFY(!isSaveTarget(path, &error));
            QVERIFY2(error.contains(path + " is not a regular file"), qPrintable(error));
            // Refused before anything is opened: a pipe without a reader would block the open.
            QVERIFY(!saveBytesSafely(path, "x", &error));
            QVERIFY2(error.contains(path + " is not a regular file"), qPrintable(error));
        }
        QFileInfo pipe(fifo);
        QVERIFY(pipe.exists() && !pipe.isFile() && !pipe.isDir());
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(isSaveTarget(dir.filePath("new.app"), nullptr));
    }
};

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
