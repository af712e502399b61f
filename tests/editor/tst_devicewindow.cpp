// The window's device link against the simulator: connecting, storing,
// loading, and the farewell when the window closes.
#include "appdatamanager.h"
#include "configdocument.h"
#include "linktracefile.h"
#include "seriallink.h"
#include "settingsstore.h"
#include "simulatorprocess.h"
#include "testfiles.h"
#include "windowtest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest>

#include <functional>

namespace {

// While it lives, hands the window-modal dialog that is up (a question, a
// warning, a progress dialog) to `answer` every 20 ms. A dialog the test did
// not expect is seen there instead of leaving the test hanging.
class ModalWatch
{
public:
    explicit ModalWatch(std::function<void(QWidget*)> answer)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [answer] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible()) {
                answer(modal);
            }
        });
        m_timer.start(20);
    }

private:
    QTimer m_timer;
};

} // namespace

class TestDeviceWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void connectEnablesTransfers();
    void portThatCannotOpenIsReported();
    void silentDeviceIsReported();
    void storeThenLoadThroughTheMenus();
    void storeStopsAtTheFirstUnconfirmedRecord();
    void oversizedCommandIsRefusedBeforeSending();
    void cancelledConfirmationSendsNothing();
    void closeSaysGoodbyeOnce();
    void traceOfTheLinkGoesToTheChosenFile();
    void traceThatCannotBeWrittenKeepsThePortClosed();
    void closeWhileNotConnectedSendsNothing();
    void deviceVanishes_data();
    void deviceVanishes();
    void cancelDuringAStoreToASilentDevice();
    void cancelWhileConnecting();
    void verifyThroughTheMenu();
    void portDialogRemembersAndRefreshes();
    void portTypedAndEnteredIsOpened();
    void incompleteLoadAsksBeforeApplying_data();
    void incompleteLoadAsksBeforeApplying();
    void completeLoadReplacesAndMarksOnlyAChange();
    void loadOverUnsavedChangesOffersToSaveFirst_data();
    void loadOverUnsavedChangesOffersToSaveFirst();
    void progressNamesWhatRuns();

private:
    // Checks the window shows the link as gone, and that it sits still.
    void verifyDisconnectedAndIdle();
    QAction* action(const char* name) const { return child<QAction>(m_window, name); }
    // Runs a transfer action, confirming it; returns the text of what ended it
    // (the completion dialog's or a warning's).
    QString runTransfer(const char* actionName);
    // The text of the warning that the next call shows.
    void expectWarning();
    int countLog(const QString& prefix) const { return m_sim->countLogLines(prefix); }
    void fill();
    // Writes the records to a file and opens it: the window then holds them unmodified.
    QString openAsFile();
    // Changes key 1's command through its data panel; returns the new command.
    QString editKeyOne();

    AppMainWindow* m_window = nullptr;
    QTemporaryDir m_dir;
    SimulatorProcess* m_sim = nullptr;
    QString m_warning;
};

void TestDeviceWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    SettingsStore::open().clear();
}

void TestDeviceWindow::init()
{
    m_window = new AppMainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_sim = new SimulatorProcess;
    m_warning.clear();
}

void TestDeviceWindow::cleanup()
{
    delete m_window;
    delete m_sim;
}

void TestDeviceWindow::expectWarning()
{
    answerNextModal({"QMessageBox"}, [this](QWidget* modal) {
        m_warning = static_cast<QMessageBox*>(modal)->text();
        static_cast<QMessageBox*>(modal)->accept();
    });
}

QString TestDeviceWindow::runTransfer(const char* actionName)
{
    QString ending;
    answerNextModal({"Question"}, [&ending](QWidget* question) {
        static_cast<QDialog*>(question)->accept();
        // Then whatever ends the transfer: the completion dialog or a warning.
        answerNextModal({"completeDialog", "QMessageBox"}, [&ending](QWidget* end) {
            if (auto* box = qobject_cast<QMessageBox*>(end)) {
                ending = "warning: " + box->text();
            } else {
                ending = end->findChild<QLabel*>("label_2")->text();
            }
            QMetaObject::invokeMethod(end, "accept", Qt::QueuedConnection);
        });
    });
    action(actionName)->trigger();
    if (!QTest::qWaitFor([&ending] { return !ending.isEmpty(); }, 30000)) {
        return QStringLiteral("nothing ended the transfer");
    }
    return ending;
}

void TestDeviceWindow::fill()
{
    AppDataManager* data = m_window->dataManager();
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            LinkData* r = data->getDataObject(x, y);
            r->setCommand(QString("%1%2CAFE").arg(x, 2, 10, QChar('0')).arg(y, 2, 10, QChar('0')));
            r->setDelayTime(10 * x + y);
            const UartData u{BaudRate((x + y) % 8), Parity((x * y) % 5), DataBits8, StopBits1};
            r->setUartData(&u);
        }
        ButtonData* b = data->getButtonData(x);
        b->setSecondLayerCommand(QString("5E%1").arg(x, 2, 10, QChar('0')));
        b->setSecondLayerEnable(true);
        b->setSecondLayerDelayTime(200 + x);
        const UartData s{BaudRate(x % 8), Parity(x % 5), DataBits8, StopBits1};
        b->setSecondLayerUartData(&s);
    }
}

void TestDeviceWindow::connectEnablesTransfers()
{
    QVERIFY2(m_sim->start(), qPrintable(m_sim->errorString()));
    QVERIFY(connectWindowTo(m_window, m_sim->portName()));
    QVERIFY(action("actionLoad_Program_To_Device")->isEnabled());
    QVERIFY(action("actionLoad_Program_From_Device")->isEnabled());
    QCOMPARE(countLog("frame KVR210"), 1);
    QCOMPARE(m_window->connectionText(), "Connected to the device on " + m_sim->portName());

    // The port typed in stays in the box when the dialog opens again.
    action("actionCOM_Port_Setting")->trigger();
    QCOMPARE(m_window->comDialog()->findChild<QComboBox*>("portBox")->currentText(), m_sim->portName());
    m_window->comDialog()->reject();
}

void TestDeviceWindow::portThatCannotOpenIsReported()
{
    expectWarning();
    connectWindowTo(m_window, "/dev/no-such-port");
    QVERIFY(m_warning.contains("/dev/no-such-port"));
    QVERIFY(!m_window->isConnected());
    QVERIFY(!action("actionLoad_Program_To_Device")->isEnabled());
}

void TestDeviceWindow::silentDeviceIsReported()
{
    // Connected first, then a device that never answers: the failed second
    // handshake takes the connection down.
    QVERIFY(m_sim->start());
    QVERIFY(connectWindowTo(m_window, m_sim->portName()));
    SimulatorProcess silent;
    QVERIFY(silent.start({"--fault", "silent"}));
    expectWarning();
    connectWindowTo(m_window, silent.portName());
    QVERIFY2(m_warning.contains("does not answer"), qPrintable(m_warning));
    QVERIFY(!m_window->isConnected());
    QVERIFY(!action("actionLoad_Program_To_Device")->isEnabled());
    QVERIFY(!action("actionLoad_Program_From_Device")->isEnabled());
    QVERIFY(!m_window->serialLink()->isOpen());
    QCOMPARE(m_window->connectionText(), QString("Not connected"));
}

void TestDeviceWindow::storeThenLoadThroughTheMenus()
{
    QVERIFY(m_sim->start());
    fill();
    connectWindowTo(m_window, m_sim->portName());
    QCOMPARE(runTransfer("actionLoad_Program_To_Device"), QString("Operation Complete !"));
    QCOMPARE(countLog("record "), 36);
    QCOMPARE(m_sim->storedRecords().value({3, 4}), m_window->dataManager()->getDataObject(3, 4)->encapsulation());

    // A new configuration, then the program comes back from the device.
    action("action_New")->trigger();
    QVERIFY(m_window->dataManager()->getDataObject(3, 4)->getCommand().isNull());
    QCOMPARE(runTransfer("actionLoad_Program_From_Device"), QString("Operation Complete !"));
    AppDataManager* data = m_window->dataManager();
    QCOMPARE(data->getDataObject(3, 4)->getCommand(), QString("0304CAFE"));
    QCOMPARE(data->getDataObject(6, 5)->getDelayTime(), 65);
    QCOMPARE(data->getButtonData(2)->getSecondLayerCommand(), QString("5E02"));
    QCOMPARE(data->getButtonData(2)->getSecondLayerDelayTime(), 202);
    UartData u;
    data->getDataObject(2, 3)->getUartData(&u);
    QCOMPARE(u.baudRate, BaudRate((2 + 3) % 8));
    // The window shows what was loaded: the link keys carry the loaded settings.
    QTest::mouseClick(keyButton(m_window, 2), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(m_window, "commandEdit")->text().trimmed(), QString("02  01  CA  FE"));
    UartData carried;
    keyButton(m_window, 14)->getUartData(&carried);
    QCOMPARE(carried.baudRate, u.baudRate);
    QCOMPARE(countLog("ack "), 36);
}

void TestDeviceWindow::storeStopsAtTheFirstUnconfirmedRecord()
{
    // The handshake and two records go through; every echo after that is wrong.
    QVERIFY(m_sim->start({"--fault", "corrupt-echo", "--fault-after", "3"}));
    fill();
    connectWindowTo(m_window, m_sim->portName());
    const QString ending = runTransfer("actionLoad_Program_To_Device");
    QVERIFY2(ending.startsWith("warning: Key 1, link 13"), qPrintable(ending));
    QVERIFY(!ending.contains("Operation Complete"));
    // Six attempts at the failing record, and nothing after it.
    QCOMPARE(countLog("record 1 2"), 6);
    QCOMPARE(countLog("record "), 2 + 6);
}

void TestDeviceWindow::oversizedCommandIsRefusedBeforeSending()
{
    QVERIFY(m_sim->start());
    connectWindowTo(m_window, m_sim->portName());
    m_window->dataManager()->getDataObject(4, 3)->setCommand(QString("AB").repeated(248));
    const QString ending = runTransfer("actionLoad_Program_To_Device");
    QVERIFY2(ending.contains("Key 4, link 14"), qPrintable(ending));
    QCOMPARE(countLog("record "), 0);
}

void TestDeviceWindow::cancelledConfirmationSendsNothing()
{
    QVERIFY(m_sim->start());
    connectWindowTo(m_window, m_sim->portName());
    answerNextModal({"Question"}, [](QWidget* question) { static_cast<QDialog*>(question)->reject(); });
    action("actionLoad_Program_To_Device")->trigger();
    QVERIFY(waitForDeferredWork());
    QVERIFY(m_window->uartSendData(SimulatorProcess::markPayload()));
    QCOMPARE(m_sim->logLines().size(), 1); // the handshake only
}

void TestDeviceWindow::closeSaysGoodbyeOnce()
{
    QVERIFY(m_sim->start());
    connectWindowTo(m_window, m_sim->portName());
    action("action_Close")->trigger();
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_sim->waitForLogLine("ISPOK!"));
    QVERIFY(!m_window->isConnected());
    QVERIFY(!m_window->serialLink()->isOpen());

    // The window's own close button while connected says goodbye as well.
    delete m_window;
    m_window = new AppMainWindow;
    m_window->show();
    connectWindowTo(m_window, m_sim->portName());
    QCOMPARE(countLog("ISPOK!"), 1); // the handshake was answered after all that came before it
    m_window->close();
    QTRY_COMPARE(countLog("ISPOK!"), 2);
}

void TestDeviceWindow::traceOfTheLinkGoesToTheChosenFile()
{
    QVERIFY(m_sim->start());
    fill();
    QDialog* dialog = m_window->comDialog();
    action("actionCOM_Port_Setting")->trigger();
    auto* box = dialog->findChild<QCheckBox*>("traceBox");
    // Without a file there is no trace.
    answerFileDialog(QString());
    box->click();
    QVERIFY(!box->isChecked());
    const QString file = m_dir.filePath("link trace.txt");
    answerFileDialog(file);
    box->click();
    QVERIFY(box->isChecked());
    QVERIFY2(box->accessibleDescription().contains(file), qPrintable(box->accessibleDescription()));
    dialog->findChild<QComboBox*>("portBox")->setEditText(m_sim->portName());
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    QVERIFY(m_window->isConnected());
    QCOMPARE(runTransfer("actionLoad_Program_To_Device"), QString("Operation Complete !"));
    action("action_Close")->trigger();
    QVERIFY(m_sim->waitForLogLine("ISPOK!"));

    // Whole once the connection ended: the handshake, the store and the farewell.
    const LinkTraceFile trace = LinkTraceFile::read(file);
    QCOMPARE(trace.malformed, QStringList());
    const QByteArray out = trace.bytes(m_sim->portName(), "out");
    QCOMPARE(LinkTraceFile::frames(out), m_sim->receivedFrames());
    QCOMPARE(m_sim->receivedFrames().size(), 1 + 36 + 1);
    QCOMPARE(trace.bytes(m_sim->portName(), "in"), out);
}

void TestDeviceWindow::traceThatCannotBeWrittenKeepsThePortClosed()
{
    // Said why, and the device hears nothing.
    QVERIFY(m_sim->start());
    QVERIFY(QDir(m_dir.path()).mkdir("gone"));
    const QString lost = m_dir.filePath("gone/trace.txt");
    action("actionCOM_Port_Setting")->trigger();
    answerFileDialog(lost);
    m_window->comDialog()->findChild<QCheckBox*>("traceBox")->click();
    QVERIFY(QDir(m_dir.filePath("gone")).removeRecursively());
    m_window->comDialog()->findChild<QComboBox*>("portBox")->setEditText(m_sim->portName());
    expectWarning();
    m_window->comDialog()->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    QVERIFY2(m_warning.contains("cannot write the trace " + lost), qPrintable(m_warning));
    QVERIFY(!m_window->isConnected());

    // Never onto the open configuration file, whatever name reaches it: not when it
    // is chosen, and not when the configuration was saved onto it since.
    const QString config = m_dir.filePath("open.app");
    QVERIFY(m_window->document()->saveAs(config));
    QVERIFY(QFile::link(config, m_dir.filePath("open-link.txt")));
    action("actionCOM_Port_Setting")->trigger();
    auto* box = m_window->comDialog()->findChild<QCheckBox*>("traceBox");
    box->click(); // unchecked: the file of the trace above is let go
    // The dialog's own question whether to replace it, then ours.
    answerFileDialog(m_dir.filePath("open-link.txt"), [this] {
        answerNextModal({"QMessageBox"}, [this](QWidget* question) {
            expectWarning();
            static_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click();
        });
    });
    box->click();
    QVERIFY2(m_warning.contains("is the configuration file that is open"), qPrintable(m_warning));
    QVERIFY(!box->isChecked());
    const QString later = m_dir.filePath("later.app");
    answerFileDialog(later);
    box->click();
    QVERIFY(box->isChecked());
    QVERIFY(m_window->document()->saveAs(later));
    expectWarning();
    m_window->comDialog()->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    QVERIFY2(m_warning.contains("The trace cannot go to " + later), qPrintable(m_warning));
    QVERIFY(!m_window->isConnected() && !box->isChecked());
    QCOMPARE(readFile(later), m_window->dataManager()->configFileBytes());
    QVERIFY(m_sim->logLines().isEmpty());
}

void TestDeviceWindow::closeWhileNotConnectedSendsNothing()
{
    // Never connected: no port object at all, and the window still closes at once.
    QVERIFY(m_sim->start());
    QVERIFY(!m_window->serialLink());
    QVERIFY(m_window->close());
    QVERIFY(!m_window->isVisible());
    QVERIFY2(m_sim->settle(), qPrintable(m_sim->errorString()));
    QVERIFY(m_sim->logLines().isEmpty());
}

void TestDeviceWindow::verifyDisconnectedAndIdle()
{
    QVERIFY(!m_window->isConnected());
    QVERIFY(!action("actionLoad_Program_To_Device")->isEnabled());
    QVERIFY(!action("actionLoad_Program_From_Device")->isEnabled());
    QVERIFY(!action("actionVerify_Program_On_Device")->isEnabled());
    QCOMPARE(m_window->connectionText(), QString("Not connected"));
    QVERIFY(!m_window->serialLink()->isOpen());
    // Nothing keeps polling the dead port: none of its notifiers is left on.
    for (const QSocketNotifier* notifier : m_window->serialLink()->port()->findChildren<QSocketNotifier*>()) {
        QVERIFY(!notifier->isEnabled());
    }
}

void TestDeviceWindow::deviceVanishes_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QString>("actionName");

    // Frames and load records the simulator takes before it goes.
    QTest::newRow("mid-store") << "12"
                               << "actionLoad_Program_To_Device";
    QTest::newRow("mid-load") << "12"
                              << "actionLoad_Program_From_Device";
    QTest::newRow("while idle") << ""
                                << "";
}

void TestDeviceWindow::deviceVanishes()
{
    QFETCH(QString, when);
    QFETCH(QString, actionName);
    QVERIFY(m_sim->start(when.isEmpty() ? QStringList() : QStringList{"--fault", "vanish", "--fault-after", when}));
    QVERIFY(connectWindowTo(m_window, m_sim->portName()));
    if (actionName.isEmpty()) {
        m_sim->stop();
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isConnected(), 3000);
        QVERIFY2(m_window->statusBar()->currentMessage().contains("lost"),
                 qPrintable(m_window->statusBar()->currentMessage()));
    } else {
        const QString ending = runTransfer(actionName.toLatin1().constData());
        QVERIFY2(ending.startsWith("warning: ") && ending.contains("lost"), qPrintable(ending));
    }
    verifyDisconnectedAndIdle();
}

void TestDeviceWindow::cancelDuringAStoreToASilentDevice()
{
    // The handshake and two records, then silence.
    QVERIFY(m_sim->start({"--fault", "silent", "--fault-after", "3"}));
    connectWindowTo(m_window, m_sim->portName());
    QElapsedTimer sinceCancel;
    int framesAtCancel = 0;
    int shownDone = -1;
    int shownTotal = -1;
    answerNextModal({"QProgressDialog"}, [&](QWidget* modal) {
        // Once the third record went out, to go unanswered.
        whenTrue(
            modal, [this] { return countLog("record ") >= 3; },
            [&, modal] {
                QVERIFY(modal->isVisible());
                // Counted in device records: the first key's record and its second layer.
                shownDone = static_cast<QProgressDialog*>(modal)->value();
                shownTotal = static_cast<QProgressDialog*>(modal)->maximum();
                framesAtCancel = countLog("record ");
                sinceCancel.start();
                modal->findChild<QPushButton*>()->click();
            });
    });
    const QString ending = runTransfer("actionLoad_Program_To_Device");
    QVERIFY(sinceCancel.isValid());
    QVERIFY2(sinceCancel.elapsed() < 1000, qPrintable(QString::number(sinceCancel.elapsed())));
    QVERIFY2(ending.startsWith("warning: ") && ending.contains("partial program"), qPrintable(ending));
    QCOMPARE(shownDone, 2);
    QCOMPARE(shownTotal, 36);
    // Cancel sends nothing more: the third record was tried, and not again.
    QVERIFY(waitForDeferredWork());
    m_window->serialLink()->port()->write(SerialFrame::frame(SimulatorProcess::markPayload()));
    QVERIFY(m_window->serialLink()->port()->waitForBytesWritten(1000) && m_sim->waitForMark());
    QVERIFY(framesAtCancel >= 3);
    QCOMPARE(countLog("record "), framesAtCancel);
    QVERIFY(m_window->isConnected());
}

void TestDeviceWindow::cancelWhileConnecting()
{
    QVERIFY(m_sim->start({"--fault", "silent"}));
    QElapsedTimer sinceCancel;
    answerNextModal({"QProgressDialog"}, [this, &sinceCancel](QWidget* modal) {
        // Once the handshake went out, to go unanswered.
        whenTrue(
            modal, [this] { return countLog("frame KVR210") >= 1; },
            [modal, &sinceCancel] {
                sinceCancel.start();
                modal->findChild<QPushButton*>()->click();
            });
    });
    QElapsedTimer total;
    total.start();
    connectWindowTo(m_window, m_sim->portName());
    QVERIFY(total.elapsed() < 2500);
    QVERIFY(sinceCancel.isValid() && sinceCancel.elapsed() < 1000);
    QVERIFY(!m_window->isConnected());
    QVERIFY(!m_window->serialLink()->isOpen());
    QCOMPARE(countLog("frame KVR210"), 1);
}

void TestDeviceWindow::verifyThroughTheMenu()
{
    QVERIFY(m_sim->start());
    fill();
    connectWindowTo(m_window, m_sim->portName());
    QVERIFY(action("actionVerify_Program_On_Device")->isEnabled());
    QCOMPARE(runTransfer("actionLoad_Program_To_Device"), QString("Operation Complete !"));

    QString text;
    answerNextModal({"QMessageBox"}, [&text](QWidget* box) {
        text = static_cast<QMessageBox*>(box)->text();
        QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);
    });
    action("actionVerify_Program_On_Device")->trigger();
    QTRY_VERIFY(!text.isEmpty());
    QCOMPARE(text, QString("The device holds this program."));

    // The device now sends key 3, link 2 with its last byte changed.
    m_sim->stop();
    QVERIFY(m_sim->start({"--alter", "3,2"}));
    connectWindowTo(m_window, m_sim->portName());
    const QString before = m_window->dataManager()->getDataObject(3, 2)->getCommand();
    text.clear();
    // The differences come in the table of Compare With File, the window's value as "Here".
    QStringList row;
    answerNextModal({"comparisonDialog"}, [&text, &row](QWidget* dialog) {
        text = dialog->findChild<QLabel*>("differencesLabel")->text();
        auto* table = dialog->findChild<QTableWidget*>("differencesTable");
        for (int column = 0; table && table->rowCount() == 1 && column < table->columnCount(); ++column) {
            row << table->item(0, column)->text();
        }
        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    });
    action("actionVerify_Program_On_Device")->trigger();
    QTRY_VERIFY(!text.isEmpty());
    QCOMPARE(text, QString("The device holds a different program (1 difference):"));
    QCOMPARE(row, QStringList({"Key 3, link 13", "command", "03 02 CA FE", "03 02 CA FF"}));
    QCOMPARE(m_window->dataManager()->getDataObject(3, 2)->getCommand(), before);
}

void TestDeviceWindow::portDialogRemembersAndRefreshes()
{
    QVERIFY(m_sim->start());
    QVERIFY(connectWindowTo(m_window, m_sim->portName()));

    // A new window preselects the port that last answered.
    delete m_window;
    m_window = new AppMainWindow;
    m_window->show();
    auto* portBox = m_window->comDialog()->findChild<QComboBox*>("portBox");
    action("actionCOM_Port_Setting")->trigger();
    QCOMPARE(portBox->currentText(), m_sim->portName());

    // Refresh reads the list again and keeps the choice.
    auto* refresh = m_window->comDialog()->findChild<QPushButton*>("refreshButton");
    QVERIFY(refresh);
    refresh->click();
    QCOMPARE(portBox->currentText(), m_sim->portName());
    m_window->comDialog()->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    QVERIFY(m_window->isConnected());
}

QString TestDeviceWindow::openAsFile()
{
    const QString path = m_dir.filePath("site.app");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !m_window->dataManager()->saveConfigFile(&file)) {
        return QString();
    }
    file.close();
    return m_window->loadFile(path) ? path : QString();
}

QString TestDeviceWindow::editKeyOne()
{
    keyButton(m_window, 1)->changeData();
    auto* edit = child<QLineEdit>(m_window, "commandEdit");
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, "AB");
    child<QDialogButtonBox>(m_window, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    return m_window->dataManager()->getDataObject(1, 1)->getCommand();
}

void TestDeviceWindow::portTypedAndEnteredIsOpened()
{
    QVERIFY(m_sim->start());
    QStringList messages;
    ModalWatch watch([&messages](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            box->reject();
        }
    });
    action("actionCOM_Port_Setting")->trigger();
    QDialog* dialog = m_window->comDialog();
    auto* portBox = dialog->findChild<QComboBox*>("portBox");
    portBox->setFocus();
    portBox->lineEdit()->clear();
    QTest::keyClicks(portBox, m_sim->portName());
    // Refresh keeps what was typed.
    dialog->findChild<QPushButton*>("refreshButton")->click();
    QCOMPARE(portBox->currentText(), m_sim->portName());
    QTest::keyClick(portBox, Qt::Key_Return);
    QVERIFY(!dialog->isVisible());
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
    QVERIFY(m_window->isConnected());
    QCOMPARE(m_window->connectionText(), "Connected to the device on " + m_sim->portName());

    // An empty box names no port: said so, and the connection stays.
    action("actionCOM_Port_Setting")->trigger();
    portBox->lineEdit()->clear();
    QTest::keyClick(portBox, Qt::Key_Return);
    QTRY_COMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains("No port"), qPrintable(messages.first()));
    QVERIFY(m_window->isConnected());
    QCOMPARE(countLog("frame KVR210"), 1);
}

void TestDeviceWindow::incompleteLoadAsksBeforeApplying_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QStringList>("missing"); // as the question names them
    QTest::addColumn<QPoint>("link"); // one of them, (key, layer)
    QTest::addColumn<int>("arrived");
    QTest::addColumn<bool>("apply");

    const QStringList keySix{"Key 6;", "Key 6, second layer", "Key 6, link 13", "Key 6, link 16"};
    // Keys 1 to 5 come back from the device, key 6's six records do not.
    QTest::newRow("key 6 never, the default Discard")
        << QStringList{"--records", "30"} << keySix << QPoint(6, 5) << 30 << false;
    QTest::newRow("key 6 never, Apply") << QStringList{"--records", "30"} << keySix << QPoint(6, 5) << 30 << true;
    QTest::newRow("a record twice, another never")
        << QStringList{"--fault", "duplicate", "--fault-after", "35", "--fault-count", "1"}
        << QStringList{"Key 6, link 16"} << QPoint(6, 5) << 35 << true;
    QTest::newRow("a cut record, the next at once")
        << QStringList{"--fault", "cut-record", "--fault-after", "5", "--fault-count", "1"}
        << QStringList{"Key 1, link 16"} << QPoint(1, 5) << 35 << true;
}

void TestDeviceWindow::incompleteLoadAsksBeforeApplying()
{
    QFETCH(QStringList, faults);
    QFETCH(QStringList, missing);
    QFETCH(QPoint, link);
    QFETCH(int, arrived);
    QFETCH(bool, apply);
    QVERIFY(m_sim->start(faults));
    fill();
    connectWindowTo(m_window, m_sim->portName());
    QCOMPARE(runTransfer("actionLoad_Program_To_Device"), QString("Operation Complete !"));
    action("action_New")->trigger();
    QVERIFY(!m_window->isWindowModified());

    QStringList seen;
    QString question;
    bool discardIsDefault = false;
    ModalWatch watch([&](QWidget* modal) {
        if (qobject_cast<QProgressDialog*>(modal)) {
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen << (box ? QString("message") : modal->objectName());
        if (!box) {
            static_cast<QDialog*>(modal)->accept();
            return;
        }
        question = box->text() + '\n' + box->informativeText();
        discardIsDefault = box->defaultButton() && box->defaultButton() == box->button(QMessageBox::Discard);
        QAbstractButton* answer = apply ? box->button(QMessageBox::Apply) : box->defaultButton();
        answer ? answer->click() : box->reject();
    });
    action("actionLoad_Program_From_Device")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!question.isEmpty(), 30000);
    QVERIFY(waitForDeferredWork()); // the load has returned
    QCOMPARE(seen, QStringList({"Question", "message"})); // nothing after the question
    QVERIFY2(question.contains(QString("%1 of 36").arg(arrived)), qPrintable(question));
    for (const QString& name : missing) {
        QVERIFY2(question.contains(name), qPrintable(question));
    }
    QVERIFY(discardIsDefault);

    // What arrived is applied when asked to; what did not is neither applied nor acknowledged.
    AppDataManager* data = m_window->dataManager();
    QCOMPARE(data->getDataObject(2, 1)->getCommand(), apply ? QString("0201CAFE") : QString());
    QCOMPARE(data->getButtonData(5)->getSecondLayerCommand(), apply ? QString("5E05") : QString());
    QVERIFY(data->getDataObject(link.x(), link.y())->getCommand().isEmpty());
    QCOMPARE(m_window->isWindowModified(), apply);
    QVERIFY(m_window->uartSendData(SimulatorProcess::markPayload())); // every acknowledgement is logged
    QCOMPARE(countLog(QString("ack %1 %2").arg(link.x()).arg(link.y())), 0);
    QCOMPARE(countLog("no-ack"), 0);
    QVERIFY(m_window->isConnected());
}

void TestDeviceWindow::completeLoadReplacesAndMarksOnlyAChange()
{
    QVERIFY(m_sim->start());
    fill();
    m_window->dataManager()->getButtonData(2)->setButtonName("Pump");
    const QString path = openAsFile();
    QVERIFY(!path.isEmpty());
    connectWindowTo(m_window, m_sim->portName());
    QCOMPARE(runTransfer("actionLoad_Program_To_Device"), QString("Operation Complete !"));

    // The device brings back exactly what the window holds: nothing to save.
    QCOMPARE(runTransfer("actionLoad_Program_From_Device"), QString("Operation Complete !"));
    QVERIFY(!m_window->isWindowModified());
    QCOMPARE(keyButton(m_window, 2)->text(), QString("Pump"));

    // Over an empty configuration every record the device keeps is replaced.
    action("action_New")->trigger();
    QCOMPARE(runTransfer("actionLoad_Program_From_Device"), QString("Operation Complete !"));
    AppDataManager* data = m_window->dataManager();
    for (int x = 1; x <= 6; ++x) {
        QCOMPARE(data->getButtonData(x)->getSecondLayerDelayTime(), 200 + x);
        // The device keeps no switch: a second layer it holds is shown on.
        QVERIFY(data->getButtonData(x)->isSecondLayerEnabled());
        for (int y = 1; y <= 5; ++y) {
            QCOMPARE(data->getDataObject(x, y)->getDelayTime(), 10 * x + y);
        }
    }
    QCOMPARE(data->getDataObject(6, 5)->getCommand(), QString("0605CAFE"));
    QVERIFY(m_window->isWindowModified());

    // A device that sends no records changes nothing.
    QVERIFY(m_window->loadFile(path));
    m_sim->stop();
    QVERIFY(m_sim->start({"--records", "0"}));
    connectWindowTo(m_window, m_sim->portName());
    const QString ending = runTransfer("actionLoad_Program_From_Device");
    QVERIFY2(ending.startsWith("warning: ") && ending.contains("no records"), qPrintable(ending));
    QVERIFY(!m_window->isWindowModified());
    QCOMPARE(data->getDataObject(3, 4)->getCommand(), QString("0304CAFE"));
}

void TestDeviceWindow::loadOverUnsavedChangesOffersToSaveFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Cancel") << int(QMessageBox::Cancel);
    QTest::newRow("Discard") << int(QMessageBox::Discard);
    QTest::newRow("Save") << int(QMessageBox::Save);
}

void TestDeviceWindow::loadOverUnsavedChangesOffersToSaveFirst()
{
    QFETCH(int, answer);
    QVERIFY(m_sim->start());
    fill();
    const QString path = openAsFile();
    QVERIFY(!path.isEmpty());
    connectWindowTo(m_window, m_sim->portName());
    QCOMPARE(runTransfer("actionLoad_Program_To_Device"), QString("Operation Complete !"));
    const QString edited = editKeyOne();
    QVERIFY(edited != "0101CAFE");
    QVERIFY(m_window->isWindowModified());
    const int framesBefore = countLog("frame ");

    QStringList seen;
    ModalWatch watch([&](QWidget* modal) {
        if (qobject_cast<QProgressDialog*>(modal)) {
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box && box->button(QMessageBox::Save)) {
            seen << "save?";
            box->button(QMessageBox::StandardButton(answer))->click();
        } else if (box) {
            seen << box->text();
            box->accept();
        } else {
            seen << modal->objectName();
            static_cast<QDialog*>(modal)->accept();
        }
    });
    action("actionLoad_Program_From_Device")->trigger();
    const auto onDisk = [&path] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    if (answer == QMessageBox::Cancel) {
        QVERIFY(waitForDeferredWork());
        QVERIFY(m_window->uartSendData(SimulatorProcess::markPayload()));
        QCOMPARE(seen, QStringList{"save?"});
        QCOMPARE(countLog("frame "), framesBefore);
        QCOMPARE(m_window->dataManager()->getDataObject(1, 1)->getCommand(), edited);
        QVERIFY(m_window->isWindowModified());
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 3, 30000);
    QCOMPARE(seen, QStringList({"save?", "Question", "completeDialog"}));
    QCOMPARE(m_window->dataManager()->getDataObject(1, 1)->getCommand(), QString("0101CAFE"));
    // Saved, the edit is in the file; discarded, the file is as it was.
    QCOMPARE(onDisk().contains(edited.toLatin1()), answer == QMessageBox::Save);
}

void TestDeviceWindow::progressNamesWhatRuns()
{
    // At the line's real pace, each progress dialog is up long enough to be seen.
    QVERIFY(m_sim->start({"--pace"}));
    fill();
    QVERIFY(connectWindowTo(m_window, m_sim->portName()));
    QStringList titles;
    QStringList labels;
    bool ended = false;
    ModalWatch watch([&](QWidget* modal) {
        if (auto* progress = qobject_cast<QProgressDialog*>(modal)) {
            if (!titles.contains(progress->windowTitle())) {
                titles << progress->windowTitle();
                labels << progress->labelText();
            }
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            ended = true;
            box->accept();
        } else {
            ended = modal->objectName() == "completeDialog";
            static_cast<QDialog*>(modal)->accept();
        }
    });
    for (const char* name :
         {"actionLoad_Program_To_Device", "actionVerify_Program_On_Device", "actionLoad_Program_From_Device"}) {
        ended = false;
        action(name)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(ended, 30000);
    }
    QCOMPARE(titles, QStringList({"Storing the program", "Verifying", "Loading"}));
    QCOMPARE(labels,
             QStringList({"Storing the program to the device...", "Reading the program on the device...",
                          "Loading the program from the device..."}));
}

QTEST_MAIN(TestDeviceWindow)
#include "tst_devicewindow.moc"
