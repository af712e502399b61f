// Damaged configuration files (cut where a record ends, a field twice, a file run on
// with another's records, a header announcing more keys than there are) refused by
// every reader: the companion and the editor's Open.
#include "appdatamanager.h"
#include "cliprocess.h"
#include "simulatorprocess.h"
#include "windowtest.h"

#include <QAction>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

using Run = CliRun;

Run cli(const QStringList& arguments)
{
    return runCli(QStringLiteral(KVR_CLI_PATH), arguments);
}

QByteArray int32(qint32 v)
{
    const qint32 le = qToLittleEndian(v);
    return QByteArray(reinterpret_cast<const char*>(&le), 4);
}

// A program unlike a fresh one in every record, so a half-taken file would show.
QByteArray goodFile()
{
    ProgramRecords data;
    data.newData(6, 5);
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            data.getDataObject(x, y)->setCommand(QString("%1%2").arg(x, 2, 10, QChar('0')).arg(y, 2, 10, QChar('0')));
            data.getDataObject(x, y)->setDelayTime(x + y);
        }
        data.getButtonData(x)->setButtonName(QString("Door %1").arg(x));
    }
    return data.configFileBytes();
}

// Where each data record of a file ends.
QList<qsizetype> recordEnds(const QByteArray& file)
{
    QList<qsizetype> ends;
    for (qsizetype at = FileHeaderSize; at < file.size();) {
        at += DataHeaderSize + qFromLittleEndian<qint32>(file.constData() + at + 8);
        ends << at;
    }
    return ends;
}

struct Damaged {
    QString name;
    QByteArray bytes;
    QString reason;
};

QList<Damaged> damagedFiles()
{
    const QByteArray good = goodFile();
    const qsizetype keyTwo = recordEnds(good).at(24); // after key 1 and its four links
    ProgramRecords fresh;
    fresh.newData(6, 5);
    QBuffer other;
    other.open(QIODevice::WriteOnly);
    fresh.saveConfigFile(&other);
    return {
        {"header.app", good.left(FileHeaderSize), "the file ends after 32 bytes, before the name of Key 1"},
        {"cut.app", good.left(keyTwo), QString("the file ends after %1 bytes, before the name of Key 2").arg(keyTwo)},
        {"twice.app", good + int32(4) + int32(2) + int32(2) + int32(DT_Command) + "00",
         QString("Key 4, link 13 repeats its command at byte %1").arg(good.size())},
        {"runon.app", good + other.data().mid(FileHeaderSize),
         QString("Key 1 repeats its name at byte %1").arg(good.size())},
        // A header alone that announces keys without end.
        {"manykeys.app", good.left(8) + int32(INT_MAX) + int32(0) + QByteArray(16, '\0'),
         "its header announces 2147483647 keys, more than the 6 a configuration holds"},
        // A cut file whose header announces no keys, or no records a key.
        {"nokeys.app", good.left(8) + int32(0) + good.mid(12, keyTwo - 12),
         "its header announces 0 keys, fewer than the 1 to 6 a configuration holds"},
        {"nolinks.app", good.left(12) + int32(-1) + good.mid(16, keyTwo - 16),
         "its header announces -1 records a key, fewer than the 1 to 5 a configuration holds"},
    };
}

} // namespace

class TestDamagedFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void companionRefusesThem();
    void storeSendsNothing();
    void openRefusesThem();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    bool write(const QString& name, const QByteArray& bytes);

    QTemporaryDir m_dir;
};

void TestDamagedFiles::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true); // Open lists recent files
    QVERIFY(m_dir.isValid());
    QVERIFY(write("good.app", goodFile()));
    for (const Damaged& file : damagedFiles()) {
        QVERIFY(write(file.name, file.bytes));
    }
}

bool TestDamagedFiles::write(const QString& name, const QByteArray& bytes)
{
    QFile file(path(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void TestDamagedFiles::companionRefusesThem()
{
    QCOMPARE(cli({"show", path("good.app")}).exitCode, 0);
    for (const Damaged& file : damagedFiles()) {
        const QString refusal = path(file.name)
            + " is not a KVR210C configuration file, or it is damaged: " + file.reason;
        for (const QStringList& command :
             {QStringList{"show", path(file.name)}, QStringList{"export", path(file.name)}}) {
            const Run run = cli(command);
            QVERIFY2(run.exitCode == 1, qPrintable(command.join(' ') + ": " + run.err));
            QVERIFY2(run.err.contains(refusal), qPrintable(run.err));
            QVERIFY(run.out.isEmpty());
        }
        // diff cannot read it: as diff(1), 2.
        const Run diff = cli({"diff", path("good.app"), path(file.name)});
        QCOMPARE(diff.exitCode, 2);
        QVERIFY2(diff.err.contains(refusal), qPrintable(diff.err));
        // A base that is damaged stops the load before any port is opened.
        const Run load = cli(
            {"load", "--port", "/nonexistent/port", "-o", path("loaded.app"), "--base", path(file.name)});
        QCOMPARE(load.exitCode, 1);
        QVERIFY2(load.err.contains(refusal), qPrintable(load.err));
        QVERIFY(!QFile::exists(path("loaded.app")));
    }
}

void TestDamagedFiles::storeSendsNothing()
{
    SimulatorProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    for (const Damaged& file : damagedFiles()) {
        for (const QString& command : {QString("store"), QString("verify")}) {
            QStringList arguments{command, path(file.name), "--port", sim.portName()};
            if (command == "store") {
                arguments << "--verify";
            }
            const Run run = cli(arguments);
            QVERIFY2(run.exitCode == 1, qPrintable(run.err));
            QVERIFY2(run.err.contains(file.reason), qPrintable(run.err));
            QVERIFY2(!run.out.contains("stored"), run.out.constData());
        }
    }
    // The simulator's log would show the handshake of anything that reached the device.
    QVERIFY2(sim.settle(), qPrintable(sim.errorString()));
    QCOMPARE(sim.logLines(), QStringList());
    QVERIFY(sim.storedRecords().isEmpty());
}

void TestDamagedFiles::openRefusesThem()
{
    AppMainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.loadFile(path("good.app")));
    AppDataManager* data = window.dataManager();
    const QByteArray before = data->configFileBytes();

    for (const Damaged& file : damagedFiles()) {
        answerFileDialog(path(file.name));
        QString warning;
        QString detail;
        answerNextModal({"QMessageBox"}, [&warning, &detail](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            warning = box->text();
            detail = box->informativeText();
            box->accept();
        });
        window.findChild<QAction*>("action_Open")->trigger();
        QCOMPARE(warning, QString("Can't open wire"));
        QVERIFY2(detail.contains(path(file.name)) && detail.contains(file.reason), qPrintable(detail));
        QCOMPARE(data->configFileBytes(), before);
        QCOMPARE(window.currentFile(), path("good.app"));
        QVERIFY(!window.isWindowModified());
    }
}

QTEST_MAIN(TestDamagedFiles)
#include "tst_damagedfiles.moc"
