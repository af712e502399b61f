// The editor's device controller on its own, over a plain widget, against the
// device simulator on a pseudo-terminal.
#include "appdata.h"
#include "devicecontroller.h"
#include "seriallink.h"
#include "settingsstore.h"
#include "simulatorprocess.h"
#include "storebackupchoice.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>

class TestDeviceController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void connectRemembersThePortAndDisconnectSaysGoodbye();
    void silentDeviceLeavesItDisconnected();
    void lostPortWhileIdle();
    void busyDuringAnOperation();
    void storeBacksUpTheDeviceFirst_data();
    void storeBacksUpTheDeviceFirst();

private:
    QWidget* m_window = nullptr;
    DeviceController* m_device = nullptr;
    SimulatorProcess* m_sim = nullptr;
};

void TestDeviceController::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestDeviceController::init()
{
    SettingsStore::open().clear();
    m_window = new QWidget;
    m_window->show();
    m_device = new DeviceController(m_window);
    m_sim = new SimulatorProcess;
}

void TestDeviceController::cleanup()
{
    delete m_window;
    delete m_sim;
}

void TestDeviceController::connectRemembersThePortAndDisconnectSaysGoodbye()
{
    QVERIFY2(m_sim->start(), qPrintable(m_sim->errorString()));
    QVERIFY(!m_device->serialLink());
    QSignalSpy changed(m_device, &DeviceController::connectedChanged);
    QVERIFY(m_device->connectTo(m_sim->portName()));
    QVERIFY(m_device->isConnected());
    QVERIFY(m_device->serialLink()->isOpen());
    QCOMPARE(changed.last(), QVariantList({true, m_sim->portName()}));
    QCOMPARE(SettingsStore::lastPort(), m_sim->portName());

    m_device->disconnectDevice();
    QVERIFY(!m_device->isConnected());
    QVERIFY(!m_device->serialLink()->isOpen());
    QCOMPARE(changed.last().first().toBool(), false);
    QVERIFY(m_sim->waitForLogLine("ISPOK!"));
    // Once only: a second disconnect has nothing to say goodbye to (the next
    // handshake's answer shows the device took in all that came before it).
    m_device->disconnectDevice();
    QVERIFY(m_device->connectTo(m_sim->portName()));
    QCOMPARE(m_sim->countLogLines("ISPOK!"), 1);
}

void TestDeviceController::silentDeviceLeavesItDisconnected()
{
    QVERIFY2(m_sim->start({"--fault", "silent"}), qPrintable(m_sim->errorString()));
    QString warning;
    answerNextModal({"QMessageBox"}, [&warning](QWidget* box) {
        warning = static_cast<QMessageBox*>(box)->text();
        static_cast<QMessageBox*>(box)->accept();
    });
    QVERIFY(!m_device->connectTo(m_sim->portName()));
    QVERIFY2(warning.contains("does not answer"), qPrintable(warning));
    QVERIFY(!m_device->isConnected());
    QVERIFY(!m_device->serialLink()->isOpen());
    QVERIFY(SettingsStore::lastPort() != m_sim->portName());
    QCOMPARE(m_sim->countLogLines("ISPOK!"), 0);
}

void TestDeviceController::lostPortWhileIdle()
{
    QVERIFY2(m_sim->start(), qPrintable(m_sim->errorString()));
    QVERIFY(m_device->connectTo(m_sim->portName()));
    QSignalSpy changed(m_device, &DeviceController::connectedChanged);
    QSignalSpy status(m_device, &DeviceController::statusMessage);
    m_sim->stop();
    QTRY_VERIFY_WITH_TIMEOUT(!m_device->isConnected(), 5000);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().first().toBool(), false);
    QCOMPARE(status.size(), 1);
    const QString text = status.first().first().toString();
    QVERIFY2(text.startsWith("The connection to the device was lost: The device on " + m_sim->portName()
                             + " was disconnected or stopped answering"),
             qPrintable(text));
    QVERIFY(!m_device->serialLink()->isOpen());
    // Reported once, not again for every later error: the port had its turns of the event loop.
    for (int turn = 0; turn < 3; ++turn) {
        QCoreApplication::processEvents();
    }
    QCOMPARE(status.size(), 1);
}

void TestDeviceController::busyDuringAnOperation()
{
    QVERIFY2(m_sim->start({"--pace"}), qPrintable(m_sim->errorString()));
    QVERIFY(m_device->connectTo(m_sim->portName()));
    ProgramRecords records;
    records.newData(6, 5);
    QVERIFY(!m_device->isBusy());

    // Asked from the event loop the progress dialog keeps running, once records go out.
    bool busy = false;
    bool reconnected = true;
    whenTrue(
        m_device, [this] { return m_sim->countLogLines("record ") > 0; },
        [&] {
            busy = m_device->isBusy();
            reconnected = m_device->connectTo(m_sim->portName());
            m_device->store(&records); // refused, not nested
        });
    bool completed = false;
    answerNextModal({"completeDialog", "QMessageBox"}, [&completed](QWidget* end) {
        completed = end->objectName() == "completeDialog";
        static_cast<QDialog*>(end)->accept();
    });
    m_device->store(&records);
    QVERIFY(busy);
    QVERIFY(!reconnected);
    QVERIFY(completed);
    QVERIFY(!m_device->isBusy());
    QVERIFY(m_device->isConnected());
    QCOMPARE(m_sim->countLogLines("record "), 36);
    QCOMPARE(m_sim->countLogLines("frame KVR210"), 1);
}

void TestDeviceController::storeBacksUpTheDeviceFirst_data()
{
    QTest::addColumn<QString>("folder"); // beside a regular file "in-the-way"
    QTest::addColumn<QString>("said"); // in the warning; none: stored

    QTest::newRow("into the chosen folder") << "backups"
                                            << "";
    QTest::newRow("a folder below a file") << "in-the-way/backups"
                                           << "could not be backed up first";
}

// With the setting on as remembered, which the Load menu hands to the controller.
void TestDeviceController::storeBacksUpTheDeviceFirst()
{
    QFETCH(QString, folder);
    QFETCH(QString, said);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("in-the-way"), "not a folder"));
    const QDir backups(dir.filePath(folder));
    SettingsStore::open().setValue(SettingsStore::BackupBeforeStoreKey, true);
    SettingsStore::open().setValue(SettingsStore::BackupFolderKey, backups.path());
    const StoreBackupChoice choice(new QMenu(m_window), m_device, m_window);
    // Gone at once: other tests running beside this one share the settings file.
    SettingsStore::open().clear();

    ProgramRecords records;
    records.newData(6, 5);
    QVERIFY2(m_sim->start(), qPrintable(m_sim->errorString()));
    QVERIFY(m_device->connectTo(m_sim->portName()));
    QString shown;
    answerNextModal({"completeDialog", "QMessageBox"}, [&shown](QWidget* end) {
        shown = end->objectName() == "completeDialog" ? QString() : static_cast<QMessageBox*>(end)->text();
        static_cast<QDialog*>(end)->accept();
    });
    m_device->store(&records);
    QVERIFY2(said.isEmpty() ? shown.isEmpty() : shown.contains(said), qPrintable(shown));
    m_device->disconnectDevice();
    QVERIFY(m_sim->waitForLogLine("ISPOK!"));
    QCOMPARE(m_sim->countLogLines("record "), said.isEmpty() ? 36 : 0);
    const QStringList made = backups.entryList({"*.app"}, QDir::Files);
    QCOMPARE(made.size(), said.isEmpty() ? 1 : 0);
}

QTEST_MAIN(TestDeviceController)
#include "tst_devicecontroller.moc"
