// The window when the device goes away: what the user is told, mid-store and
// while idle, in words that do not change with the system's error text.
#include "seriallink.h"
#include "settingsstore.h"
#include "simulatorprocess.h"
#include "windowtest.h"

#include <QAction>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStatusBar>
#include <QtTest>

class TestLostDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void lostMidStore();
    void lostWhileIdle();

private:
    // "The device on <port> was disconnected or stopped answering", the
    // system's text in parentheses after it.
    QRegularExpression lostInUserWords() const;

    AppMainWindow* m_window = nullptr;
    SimulatorProcess* m_sim = nullptr;
};

void TestLostDevice::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    SettingsStore::open().clear();
}

void TestLostDevice::init()
{
    m_window = new AppMainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_sim = new SimulatorProcess;
}

void TestLostDevice::cleanup()
{
    delete m_window;
    delete m_sim;
}

QRegularExpression TestLostDevice::lostInUserWords() const
{
    return QRegularExpression(
        QRegularExpression::escape("The device on " + m_sim->portName() + " was disconnected or stopped answering")
        + " \\([^()]+\\)\\.");
}

void TestLostDevice::lostMidStore()
{
    QVERIFY2(m_sim->start({"--fault", "vanish", "--fault-after", "12"}), qPrintable(m_sim->errorString()));
    QVERIFY(connectWindowTo(m_window, m_sim->portName()));
    QString warning;
    answerNextModal({"Question"}, [&warning](QWidget* question) {
        answerNextModal({"QMessageBox"}, [&warning](QWidget* box) {
            warning = static_cast<QMessageBox*>(box)->text();
            QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);
        });
        static_cast<QDialog*>(question)->accept();
    });
    m_window->findChild<QAction*>("actionLoad_Program_To_Device")->trigger();
    QVERIFY(QTest::qWaitFor([&warning] { return !warning.isEmpty(); }, 30000));

    QVERIFY2(lostInUserWords().match(warning).hasMatch(), qPrintable(warning));
    QVERIFY2(warning.contains("partial program"), qPrintable(warning));
    const QString status = m_window->statusBar()->currentMessage();
    QVERIFY2(lostInUserWords().match(status).hasMatch(), qPrintable(status));
    QVERIFY(!m_window->isConnected());
}

void TestLostDevice::lostWhileIdle()
{
    QVERIFY2(m_sim->start(), qPrintable(m_sim->errorString()));
    QVERIFY(connectWindowTo(m_window, m_sim->portName()));
    m_sim->stop();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isConnected(), 5000);
    const QString status = m_window->statusBar()->currentMessage();
    QVERIFY2(lostInUserWords().match(status).hasMatch(), qPrintable(status));
}

QTEST_MAIN(TestLostDevice)
#include "tst_lostdevice.moc"
