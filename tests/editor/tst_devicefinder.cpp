// "Find Device" in the COM port dialog against device simulators and
// pseudo-terminals with something else or nothing behind them: which port is
// chosen, what the dialog says, and that the others only ever hear the
// handshake.
#include "comportpicker.h"
#include "devicefinder.h"
#include "ptypeer.h"
#include "serialframe.h"
#include "settingsstore.h"
#include "simulatorprocess.h"
#include "windowtest.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

class TestDeviceFinder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void choosesTheFirstPortThatAnswered();
    void typedPortIsTriedAndSilenceIsSaid();
    void cancelEndsTheSearch();
    void somethingElseIsNamedWhereItAnswered();
    void connectedPortIsNotOpenedAgain();

private:
    // Opens the dialog with `ports` as the system's list.
    void openDialog(const QStringList& ports);
    // Presses Find Device and waits until the dialog shows what it found.
    bool findDevice();
    QString status() const { return m_window->comDialog()->findChild<QLabel*>("probeStatusLabel")->text(); }
    QComboBox* portBox() const { return m_window->comDialog()->findChild<QComboBox*>("portBox"); }
    DeviceFinder* finder() const { return m_window->comDialog()->findChild<DeviceFinder*>(); }
    QProgressDialog* progress() const;
    // True when `bytes` are handshakes and nothing else.
    static bool onlyHandshakes(const QByteArray& bytes);

    AppMainWindow* m_window = nullptr;
};

void TestDeviceFinder::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    SettingsStore::open().clear();
}

void TestDeviceFinder::init()
{
    // The port an earlier case connected to may be another program's
    // pseudo-terminal by now: no case starts with it typed in.
    SettingsStore::open().clear();
    m_window = new AppMainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestDeviceFinder::cleanup()
{
    delete m_window;
}

void TestDeviceFinder::openDialog(const QStringList& ports)
{
    QList<PortEntry> entries;
    for (const QString& port : ports) {
        entries.append({port, port + " (pseudo-terminal)", port});
    }
    m_window->comDialog()->findChild<ComPortPicker*>()->setLister([entries] { return entries; });
    finder()->setProbeOptions({2, 300});
    m_window->findChild<QAction*>("actionCOM_Port_Setting")->trigger();
    QVERIFY(m_window->comDialog()->isVisible());
}

bool TestDeviceFinder::findDevice()
{
    QSignalSpy done(finder(), &DeviceFinder::finished);
    m_window->comDialog()->findChild<QPushButton*>("findDeviceButton")->click();
    return !done.isEmpty() || done.wait(15000);
}

QProgressDialog* TestDeviceFinder::progress() const
{
    for (QProgressDialog* dialog : m_window->findChildren<QProgressDialog*>()) {
        if (dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

bool TestDeviceFinder::onlyHandshakes(const QByteArray& bytes)
{
    const QByteArray handshake = SerialFrame::frame("KVR210");
    return !bytes.isEmpty() && bytes == handshake.repeated(bytes.size() / handshake.size());
}

void TestDeviceFinder::choosesTheFirstPortThatAnswered()
{
    PtyPeer empty(PtyPeer::Mode::Silent);
    PtyPeer modem(PtyPeer::Mode::Chatter);
    SimulatorProcess first, second;
    QVERIFY(empty.open());
    QVERIFY(modem.open());
    QVERIFY2(first.start(), qPrintable(first.errorString()));
    QVERIFY2(second.start(), qPrintable(second.errorString()));
    openDialog({empty.portName(), modem.portName(), first.portName(), second.portName()});
    QCOMPARE(portBox()->currentIndex(), 0);

    // The event loop goes on while the ports are tried: the progress shows
    // and the dialog's own buttons wait.
    QSignalSpy done(finder(), &DeviceFinder::finished);
    m_window->comDialog()->findChild<QPushButton*>("findDeviceButton")->click();
    QVERIFY(progress());
    QVERIFY(!m_window->comDialog()->findChild<QDialogButtonBox*>("buttonBox")->isEnabled());
    QVERIFY(done.wait(15000));
    QVERIFY(!progress());
    QVERIFY(m_window->comDialog()->findChild<QDialogButtonBox*>("buttonBox")->isEnabled());

    QCOMPARE(status(),
             QString("Devices found on %1, %2. Something else answered on %3.")
                 .arg(first.portName(), second.portName(), modem.portName()));
    QCOMPARE(portBox()->currentIndex(), 2);
    QCOMPARE(portBox()->currentText(), first.portName() + " (pseudo-terminal) - device found");
    QCOMPARE(portBox()->itemText(3), second.portName() + " (pseudo-terminal) - device found");
    QCOMPARE(portBox()->itemText(0), empty.portName() + " (pseudo-terminal)");
    const QString details = m_window->comDialog()->findChild<QLabel*>("probeStatusLabel")->toolTip();
    QVERIFY2(details.contains(empty.portName() + ": no answer"), qPrintable(details));
    QVERIFY2(details.contains(modem.portName() + ": something else answered"), qPrintable(details));

    // Nothing but the handshake reached the ports without a device; the
    // devices were greeted and let go, and given no record.
    QVERIFY(onlyHandshakes(empty.received()));
    QVERIFY(onlyHandshakes(modem.received()));
    for (SimulatorProcess* sim : {&first, &second}) {
        QVERIFY(sim->waitForLogLine("ISPOK"));
        QCOMPARE(sim->countLogLines("record"), 0);
        QCOMPARE(sim->countLogLines("frame KVR210"), 1);
    }

    // Ok connects to the port found.
    m_window->comDialog()->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    QVERIFY(m_window->isConnected());
    QCOMPARE(m_window->connectionText(), "Connected to the device on " + first.portName());
}

void TestDeviceFinder::typedPortIsTriedAndSilenceIsSaid()
{
    SimulatorProcess device;
    PtyPeer empty(PtyPeer::Mode::Silent);
    QVERIFY2(device.start(), qPrintable(device.errorString()));
    QVERIFY(empty.open());

    // Nothing listed and nothing typed: nothing to try, and nothing opened.
    openDialog({});
    portBox()->setEditText(QString());
    QVERIFY(findDevice());
    QVERIFY2(status().contains("No port to try"), qPrintable(status()));

    // A typed port is tried with the listed ones.
    portBox()->setEditText(empty.portName());
    QVERIFY(findDevice());
    QCOMPARE(status(), "No device answered on " + empty.portName() + ".");
    QCOMPARE(portBox()->currentText(), empty.portName());
    QVERIFY(onlyHandshakes(empty.received()));

    portBox()->setEditText(device.portName());
    QVERIFY(findDevice());
    QCOMPARE(status(), "Device found on " + device.portName() + ".");
    QCOMPARE(portBox()->currentText(), device.portName());

    // A port that cannot be opened is counted as such.
    portBox()->setEditText("/dev/no-such-port");
    QVERIFY(findDevice());
    QCOMPARE(status(), QString("No device answered on /dev/no-such-port. 1 could not be opened."));
}

void TestDeviceFinder::somethingElseIsNamedWhereItAnswered()
{
    PtyPeer empty(PtyPeer::Mode::Silent);
    PtyPeer modem(PtyPeer::Mode::Chatter);
    QVERIFY(empty.open());
    QVERIFY(modem.open());
    openDialog({empty.portName(), modem.portName()});
    QVERIFY(findDevice());
    QCOMPARE(status(),
             QString("No device answered on any of the 2 ports tried. Something else answered on %1.")
                 .arg(modem.portName()));
}

void TestDeviceFinder::cancelEndsTheSearch()
{
    PtyPeer empty(PtyPeer::Mode::Silent);
    QVERIFY(empty.open());
    openDialog({empty.portName()});
    // As patient as the real handshake: about six seconds without Cancel.
    finder()->setProbeOptions({});
    QSignalSpy done(finder(), &DeviceFinder::finished);
    m_window->comDialog()->findChild<QPushButton*>("findDeviceButton")->click();
    QVERIFY(progress());
    // Cancelled while the handshake waits for its answer.
    QTRY_VERIFY(!empty.received().isEmpty());
    QVERIFY(onlyHandshakes(empty.received()));
    progress()->findChild<QPushButton*>()->click();
    QVERIFY(done.wait(3000));
    QCOMPARE(status(), QString("Cancelled: no device found before that."));
    QVERIFY(m_window->comDialog()->findChild<QDialogButtonBox*>("buttonBox")->isEnabled());
    QCOMPARE(portBox()->currentIndex(), 0);
}

void TestDeviceFinder::connectedPortIsNotOpenedAgain()
{
    SimulatorProcess device;
    PtyPeer empty(PtyPeer::Mode::Silent);
    QVERIFY2(device.start(), qPrintable(device.errorString()));
    QVERIFY(empty.open());
    openDialog({empty.portName(), device.portName()});
    portBox()->setCurrentIndex(1);
    m_window->comDialog()->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    QVERIFY(m_window->isConnected());

    // The device the window holds is found without a second handshake.
    m_window->findChild<QAction*>("actionCOM_Port_Setting")->trigger();
    portBox()->setCurrentIndex(0);
    QVERIFY(findDevice());
    QCOMPARE(status(), "Device found on " + device.portName() + ".");
    QCOMPARE(portBox()->currentIndex(), 1);
    QCOMPARE(device.countLogLines("frame KVR210"), 1);
    QVERIFY(m_window->isConnected());
    m_window->comDialog()->reject();
}

QTEST_MAIN(TestDeviceFinder)
#include "tst_devicefinder.moc"
