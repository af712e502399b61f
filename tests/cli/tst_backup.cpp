// store --backup against the device simulator: the device's program is kept
// in a new file before a record is sent, and a backup that cannot be made
// stops the store.
#include "appdata.h"
#include "cliprocess.h"
#include "simulatorprocess.h"
#include "testfiles.h"
#include "testrecords.h"

#include <QtTest>

#include <unistd.h>

namespace {

QList<QByteArray> deviceRecords(const ProgramRecords& data)
{
    QList<QByteArray> records;
    for (const QPair<int, int>& place : deviceOrder()) {
        records << (place.second == 6 ? data.getButtonData(place.first)->encapsulationSecondLayer()
                                      : data.getDataObject(place.first, place.second)->encapsulation());
    }
    return records;
}

// The backup names of `port` from now on, a minute of them, each taken.
QStringList takeNamesFromNow(const QString& folder, const QString& port)
{
    QStringList taken;
    const QDateTime now = QDateTime::currentDateTime();
    for (int second = 0; second < 60; ++second) {
        const QString name = QStringLiteral("%1-%2.app")
                                 .arg(QFileInfo(port).fileName(),
                                      now.addSecs(second).toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss")));
        if (writeFile(QDir(folder).filePath(name), "mine")) {
            taken << name;
        }
    }
    return taken;
}

} // namespace

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
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("occupied"); // every name the backup could take first is taken
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("said");

    QTest::newRow("into a folder") << "backups" << false << false << "backed up to";
    QTest::newRow("a folder made") << "new/deeper" << false << false << "backed up to";
    QTest::newRow("names taken") << "taken" << true << false << "backed up to";
    QTest::newRow("a file in the way") << "in-the-way" << false << false << "backup failed";
    QTest::newRow("below a file") << "in-the-way/below" << false << false << "backup failed";
    QTest::newRow("a read-only folder") << "locked" << false << true << "backup failed";
}

void TestBackup::storeBacksUpTheDeviceFirst()
{
    QFETCH(QString, folder);
    QFETCH(bool, occupied);
    QFETCH(bool, readOnly);
    QFETCH(QString, said);
    if (readOnly && geteuid() == 0) {
        QSKIP("root writes in a read-only folder; the file in the way stands for it");
    }
    const QString root = m_dir.path() + QLatin1Char('/') + QTest::currentDataTag();
    QVERIFY(QDir().mkpath(root));
    const QString backups = root + QLatin1Char('/') + folder;
    QVERIFY(writeFile(root + "/in-the-way", "not a folder"));

    ProgramRecords held;
    held.newData(6, 5);
    for (int x = 1; x <= 6; ++x) {
        held.getDataObject(x, x % 5 + 1)->setCommand(QStringLiteral("0D0A%1").arg(x, 2, 10, QLatin1Char('0')));
        held.getDataObject(x, 1)->setDelayTime(x * 11);
    }
    QFile heldFile(root + "/held.app");
    QVERIFY(heldFile.open(QIODevice::WriteOnly) && held.saveConfigFile(&heldFile));
    heldFile.close();
    const QString program = writeProgramFile(root + "/new.app", "4142");
    QVERIFY(!program.isEmpty());

    SimulatorProcess sim;
    QVERIFY(sim.setStoredRecords(deviceRecords(held)));
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    QStringList taken;
    if (occupied) {
        QVERIFY(QDir().mkpath(backups));
        taken = takeNamesFromNow(backups, sim.portName());
    }
    if (readOnly) {
        QVERIFY(QDir().mkpath(backups));
        QVERIFY(QFile::setPermissions(backups, QFile::ReadOwner | QFile::ExeOwner));
    }
    const CliRun run = runCli(QStringLiteral(KVR_CLI_PATH),
                              {"store", program, "--port", sim.portName(), "--backup", backups});
    QVERIFY2(run.finished, qPrintable(run.err));
    QVERIFY2(run.out.contains(said.toUtf8()), run.out.constData());

    const QStringList files = QDir(backups).entryList({"*.app"}, QDir::Files, QDir::Name);
    if (said != QLatin1String("backed up to")) {
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.contains("nothing was stored"));
        QVERIFY2(sim.settle(), qPrintable(sim.errorString()));
        QCOMPARE(sim.countLogLines("record "), 0);
        QCOMPARE(files, QStringList());
        return;
    }
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(files.size(), taken.size() + 1);
    for (const QString& name : std::as_const(taken)) {
        QCOMPARE(readFile(QDir(backups).filePath(name)), QByteArray("mine"));
    }
    const QString backup = QDir(backups).filePath(QSet<QString>(files.cbegin(), files.cend())
                                                      .subtract(QSet<QString>(taken.cbegin(), taken.cend()))
                                                      .values()
                                                      .value(0));
    QVERIFY2(run.out.contains(backup.toUtf8()), run.out.constData());
    const CliRun shown = runCli(QStringLiteral(KVR_CLI_PATH), {"show", backup});
    QVERIFY2(shown.exitCode == 0 && shown.out.contains("Key 6"), qPrintable(shown.err));
    const CliRun diff = runCli(QStringLiteral(KVR_CLI_PATH), {"diff", backup, root + "/held.app"});
    QVERIFY2(diff.exitCode == 0, diff.out.constData());
    QCOMPARE(sim.storedRecords().value({2, 1}).isEmpty(), false);
    QVERIFY(sim.storedRecords().value({2, 1}).contains("AB"));
}

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
