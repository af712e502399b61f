// store --backup against the device simulator: the device's program is kept
// in a new file before a record is sent, and a backup that cannot be made
// stops the store.
#include "appdata.h"
#include "cliprocess.h"
#include "simulatorprocess.h"
#include "testfiles.h"
#include "testrecords.h"

#include <QtTest>

class TestBackup : public QObject
{
    Q_OBJECT

private slots:
    void storeBacksUpTheDeviceFirst_data();
    void storeBacksUpTheDeviceFirst();

private:
    QTemporaryDir m_dir;
};

void TestBackup::storeBacksUpTheDeviceFirst_data()
{
    QTest::addColumn<QString>("folder"); // beside a regular file "in-the-way", which root cannot write into either
    QTest::addColumn<bool>("occupied"); // every name the backup could take first is taken
    QTest::addColumn<bool>("backedUp");

    QTest::newRow("into a folder") << "backups" << false << true;
    QTest::newRow("a folder made") << "new/deeper" << false << true;
    QTest::newRow("names taken") << "taken" << true << true;
    QTest::newRow("a file in the way") << "in-the-way" << false << false;
    QTest::newRow("below a file") << "in-the-way/below" << false << false;
}

void TestBackup::storeBacksUpTheDeviceFirst()
{
    QFETCH(QString, folder);
    QFETCH(bool, occupied);
    QFETCH(bool, backedUp);
    const QString root = m_dir.filePath(QTest::currentDataTag());
    const QDir backups(root + QLatin1Char('/') + folder);
    QVERIFY(QDir().mkpath(occupied ? backups.path() : root));
    QVERIFY(writeFile(root + "/in-the-way", "not a folder"));
    const QString held = writeProgramFile(root + "/held.app", "0D0A");
    const QString program = writeProgramFile(root + "/new.app", "4142");
    QVERIFY(!held.isEmpty() && !program.isEmpty());
    ProgramRecords device;
    device.newData(6, 5);
    device.getDataObject(2, 1)->setCommand("0D0A");

    SimulatorProcess sim;
    QVERIFY(sim.setStoredRecords({device.getDataObject(2, 1)->encapsulation()}));
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    // A minute of the names this port's backup would take, each holding a file of the user's.
    QStringList taken;
    for (int second = 0; occupied && second < 60; ++second) {
        taken << QStringLiteral("%1-%2.app")
                     .arg(QFileInfo(sim.portName()).fileName(),
                          QDateTime::currentDateTime().addSecs(second).toString("yyyy-MM-ddTHH-mm-ss"));
        QVERIFY(writeFile(backups.filePath(taken.last()), "mine"));
    }
    const QString cli = QStringLiteral(KVR_CLI_PATH);
    const CliRun run = runCli(cli, {"store", program, "--port", sim.portName(), "--backup", backups.path()});
    QVERIFY2(run.exitCode == (backedUp ? 0 : 1), qPrintable(run.err));
    QVERIFY(sim.waitForLogLine("ISPOK!"));

    QStringList made = backups.entryList({"*.app"}, QDir::Files);
    for (const QString& name : std::as_const(taken)) {
        QCOMPARE(readFile(backups.filePath(name)), QByteArray("mine"));
        made.removeOne(name);
    }
    if (!backedUp) {
        QVERIFY2(run.out.contains("failed: backup failed: ") && run.out.contains("; nothing was stored"),
                 run.out.constData());
        QCOMPARE(sim.countLogLines("record "), 0);
        QCOMPARE(made, QStringList());
        return;
    }
    QCOMPARE(made.size(), 1);
    const QString backup = backups.filePath(made.first());
    QVERIFY2(run.out.contains(("backed up to " + backup + ", stored").toUtf8()), run.out.constData());
    QCOMPARE(runCli(cli, {"show", backup}).exitCode, 0);
    const CliRun diff = runCli(cli, {"diff", backup, held});
    QVERIFY2(diff.exitCode == 0, diff.out.constData());
    QCOMPARE(sim.countLogLines("record "), 36);
}

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
