// Reading user-chosen files and streams within a size bound, never waiting on a pipe.
#include "appdata.h"
#include "boundedread.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestBoundedRead : public QObject
{
    Q_OBJECT

private:
    static QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            return {};
        }
        return path;
    }

private slots:
    void regularFileUpToTheLimit()
    {
        QTemporaryDir dir;
        const QByteArray bytes(1000, 'x');
        const QString path = writeFile(dir, "a.app", bytes);
        QByteArray data;
        QString error;
        QVERIFY2(readBounded(path, 1000, &data, &error), qPrintable(error));
        QCOMPARE(data, bytes);

        // One byte over: refused, and what the caller had is kept.
        data = "kept";
        QVERIFY(!readBounded(path, 999, &data, &error));
        QCOMPARE(data, QByteArray("kept"));
        QVERIFY2(error.contains(path) && error.contains("999"), qPrintable(error));

        QVERIFY(readBounded(writeFile(dir, "empty.app", {}), 10, &data, &error));
        QVERIFY(data.isEmpty());
    }

    void whatIsNotARegularFileIsRefusedAtOnce()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("pipe.app");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QStringList paths = {fifo, dir.path(), QStringLiteral("/dev/zero"), dir.filePath("missing.app")};
        for (const QString& path : paths) {
            QElapsedTimer timer;
            timer.start();
            QByteArray data;
            QString error;
            QVERIFY2(!readBounded(path, MaxUserFileBytes, &data, &error), qPrintable(path));
            QVERIFY2(timer.elapsed() < 1000, qPrintable(path));
            QVERIFY2(error.contains(path), qPrintable(error));
        }
    }

    void endlessDeviceStopsAtTheLimit()
    {
        QFile zero(QStringLiteral("/dev/zero"));
        QVERIFY(zero.open(QIODevice::ReadOnly));
        QByteArray data;
        QString error;
        QVERIFY(!readBounded(&zero, MaxUserFileBytes, &data, &error));
        QVERIFY(data.isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void loaderRefusesWhatIsTooLargeAsAWhole()
    {
        ProgramRecords data;
        data.newData(6, 5);
        data.getDataObject(2, 3)->setCommand(QStringLiteral("ABCD"));
        QBuffer saved;
        QVERIFY(saved.open(QIODevice::WriteOnly));
        QVERIFY(data.saveConfigFile(&saved));

        // An endless device stops at the bound and changes nothing.
        data.getDataObject(2, 3)->setCommand(QStringLiteral("0102"));
        QFile zero(QStringLiteral("/dev/zero"));
        QVERIFY(zero.open(QIODevice::ReadOnly));
        QVERIFY(!data.loadConfigFile(&zero));
        QCOMPARE(data.getDataObject(2, 3)->getCommand(), QStringLiteral("0102"));

        // A good configuration followed by padding past the bound is refused as a whole;
        // on its own it loads.
        QByteArray bytes = saved.data();
        const qsizetype good = bytes.size();
        // Whole empty data headers, so only the size can be the reason.
        bytes.append(QByteArray(((MaxUserFileBytes - good) / DataHeaderSize + 1) * DataHeaderSize, '\0'));
        QBuffer tooLarge(&bytes);
        QVERIFY(tooLarge.open(QIODevice::ReadOnly));
        QVERIFY(!data.loadConfigFile(&tooLarge));
        QCOMPARE(data.getDataObject(2, 3)->getCommand(), QStringLiteral("0102"));
        QByteArray exact = saved.data();
        QBuffer fits(&exact);
        QVERIFY(fits.open(QIODevice::ReadOnly));
        QVERIFY(data.loadConfigFile(&fits));
        QCOMPARE(data.getDataObject(2, 3)->getCommand(), QStringLiteral("ABCD"));
    }

    void deviceReadToItsEnd()
    {
        QByteArray source(200 * 1024 + 7, 'q'); // several chunks and a part
        QBuffer buffer(&source);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QByteArray data;
        QString error;
        QVERIFY(readBounded(&buffer, source.size(), &data, &error));
        QCOMPARE(data, source);

        QBuffer closed;
        QVERIFY(!readBounded(&closed, 10, &data, &error));
    }
};

QTEST_GUILESS_MAIN(TestBoundedRead)
#include "tst_boundedread.moc"
