// The configuration as a document: what marks it modified, the title, the question
// before anything is discarded (an open edit and a connected device included), Open
// Recent, dropping a file and naming one on the command line.
#include "appdatamanager.h"
#include "recentfiles.h"
#include "settingsstore.h"
#include "simulatorprocess.h"
#include "testrecords.h"
#include "windowtest.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

class TestDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void onlyChangesToRecordsMarkModified();
    void titleFollowsFileAndChanges();
    void closeAsks();
    void newAndOpenAsk();
    void closeWithDeviceSendsGoodbyeOnlyWhenGoingOn();
    void loadFromDeviceMarksModified();
    void openEditCountsAsUnsaved_data();
    void openEditCountsAsUnsaved();
    void openRecentOrdersAndPrunes();
    void openRecentCancelKeepsTheEdits();
    void openRecentDropsWhatIsNoFile();
    void droppedFileOpensAfterTheQuestion();
    void fileOnTheCommandLineOpens();

private:
    QAction* action(const char* name) const { return child<QAction>(m_window, name); }
    // Answers the next unsaved-changes question with `button` and notes that it came.
    void answerQuestion(QMessageBox::StandardButton button);
    void answerWarning();
    // "Change Data" on a key, a command typed in hex, then Ok of the panel.
    void editKey(int number, const char* hexDigits);
    QString saveAs(const QString& name);
    // A configuration file written beside the window, with key 2's command set.
    QString writeFile(const QString& name, const char* key2Command);
    static QString commandIn(const QString& path, int key);
    int countLog(const QString& prefix) const { return m_sim->countLogLines(prefix); }

    AppMainWindow* m_window = nullptr;
    SimulatorProcess* m_sim = nullptr;
    QTemporaryDir m_dir;
    int m_questions = 0;
    QString m_warning;
};

void TestDocument::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestDocument::init()
{
    SettingsStore::open().clear();
    m_window = new AppMainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_questions = 0;
    m_warning.clear();
}

void TestDocument::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_sim;
    m_sim = nullptr;
}

void TestDocument::answerQuestion(QMessageBox::StandardButton button)
{
    answerNextModal({"QMessageBox"}, [this, button](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        QCOMPARE(box->standardButtons(), QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::Save));
        ++m_questions;
        box->button(button)->click();
    });
}

void TestDocument::answerWarning()
{
    answerNextModal({"QMessageBox"}, [this](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        m_warning = box->text() + "\n" + box->informativeText();
        box->accept();
    });
}

void TestDocument::editKey(int number, const char* hexDigits)
{
    keyButton(m_window, number)->changeData();
    auto* edit = child<QLineEdit>(m_window, "commandEdit");
    QVERIFY(edit->isEnabled());
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, hexDigits);
    child<QDialogButtonBox>(m_window, "buttonBox")->button(QDialogButtonBox::Ok)->click();
}

QString TestDocument::saveAs(const QString& name)
{
    const QString path = m_dir.filePath(name);
    answerFileDialog(path);
    return m_window->saveAsFile() ? path : QString();
}

QString TestDocument::writeFile(const QString& name, const char* key2Command)
{
    return writeProgramFile(m_dir.filePath(name), QString::fromLatin1(key2Command));
}

QString TestDocument::commandIn(const QString& path, int key)
{
    ProgramRecords records;
    records.newData(6, 5);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !records.loadConfigFile(&file)) {
        return QStringLiteral("(unreadable)");
    }
    return records.getDataObject(key, 1)->getCommand();
}

void TestDocument::onlyChangesToRecordsMarkModified()
{
    QVERIFY(!m_window->isWindowModified());

    // A selection, a switch between Hex and ASCII and a cancelled edit change no record.
    QTest::mouseClick(keyButton(m_window, 2), Qt::LeftButton);
    QTest::mouseClick(child<QAbstractButton>(m_window, "asciiCheckBox"), Qt::LeftButton);
    QTest::mouseClick(child<QAbstractButton>(m_window, "hexCheckBox"), Qt::LeftButton);
    keyButton(m_window, 2)->changeData();
    QTest::keyClicks(child<QLineEdit>(m_window, "commandEdit"), "AB");
    child<QDialogButtonBox>(m_window, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
    QVERIFY(!m_window->isWindowModified());

    // Each way of changing a record, after a Save that made the document clean again.
    const QString path = saveAs("marks.app");
    QVERIFY(!path.isEmpty());
    const QList<std::function<void()>> changes = {
        [this] { editKey(1, "0D0A"); },
        [this] {
            keyButton(m_window, 3)->changeButtonName();
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QTest::keyClicks(dialog->findChild<QLineEdit*>("buttonNameEdit"), "Pump");
            dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        },
        [this] {
            keyButton(m_window, 4)->changeUartSetting();
            QDialog* dialog = keyButton(m_window, 4)->uartSettingDialog();
            dialog->findChild<QComboBox*>("baudRateBox")->setCurrentIndex(BaudRate19200);
            dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        },
        [this] {
            keyButton(m_window, 5)->changeData();
            QTest::mouseClick(child<QPushButton>(m_window, "commandRateDisplay"), Qt::LeftButton);
            QDialog* dialog = m_window->uartDialog();
            QVERIFY(dialog->isVisible());
            dialog->findChild<QComboBox*>("parityBox")->setCurrentIndex(ParityEven);
            dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
            // Stored at once: the panel's Cancel does not take it back.
            child<QDialogButtonBox>(m_window, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
        },
    };
    for (int i = 0; i < changes.size(); ++i) {
        QVERIFY(m_window->saveFile());
        QVERIFY(!m_window->isWindowModified());
        changes.at(i)();
        QVERIFY2(m_window->isWindowModified(), qPrintable(QString::number(i)));
    }
    QVERIFY(m_window->saveFile());
    answerFileDialog(path);
    QVERIFY(m_window->openFile());
    QVERIFY(!m_window->isWindowModified());
    QCOMPARE(m_questions, 0);
}

void TestDocument::titleFollowsFileAndChanges()
{
    QCOMPARE(shownTitle(m_window), QString("KVR210C"));
    QVERIFY(!saveAs("site.app").isEmpty());
    QCOMPARE(shownTitle(m_window), QString("KVR210C - site.app"));
    editKey(1, "01");
    QCOMPARE(shownTitle(m_window), QString("KVR210C - site.app*"));
    QVERIFY(m_window->saveFile());
    QCOMPARE(shownTitle(m_window), QString("KVR210C - site.app"));
    action("action_New")->trigger();
    QCOMPARE(shownTitle(m_window), QString("KVR210C"));
    QCOMPARE(m_questions, 0);
}

void TestDocument::closeAsks()
{
    editKey(1, "0102");
    answerQuestion(QMessageBox::Cancel);
    action("action_Close")->trigger();
    QCOMPARE(m_questions, 1);
    QVERIFY(m_window->isVisible());
    QVERIFY(m_window->isWindowModified());

    // Save without a current file goes through Save As; a cancelled Save As keeps the window.
    answerQuestion(QMessageBox::Save);
    answerFileDialog(QString());
    QVERIFY(!m_window->close());
    QCOMPARE(m_questions, 2);
    QVERIFY(m_window->isVisible());

    answerQuestion(QMessageBox::Discard);
    QVERIFY(m_window->close());
    QCOMPARE(m_questions, 3);
    QVERIFY(!m_window->isVisible());

    // Save with a current file writes it, then the window goes.
    delete m_window;
    m_window = new AppMainWindow;
    m_window->show();
    const QString path = saveAs("close.app");
    editKey(2, "CAFE");
    answerQuestion(QMessageBox::Save);
    action("action_Close")->trigger();
    QCOMPARE(m_questions, 4);
    QVERIFY(!m_window->isVisible());
    ProgramRecords reread;
    reread.newData(6, 5);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(reread.loadConfigFile(&file));
    QCOMPARE(reread.getDataObject(2, 1)->getCommand(), QString("CAFE"));
}

void TestDocument::newAndOpenAsk()
{
    const QString first = saveAs("first.app");
    editKey(1, "AA");
    const QString second = saveAs("second.app");
    editKey(1, "BB");
    AppDataManager* data = m_window->dataManager();

    // Cancel: records, current file and the modified mark stay; no file dialog is shown.
    answerQuestion(QMessageBox::Cancel);
    action("action_New")->trigger();
    answerQuestion(QMessageBox::Cancel);
    QVERIFY(!m_window->openFile());
    QCOMPARE(m_questions, 2);
    QCOMPARE(data->getDataObject(1, 1)->getCommand(), QString("BB"));
    QCOMPARE(m_window->currentFile(), second);
    QVERIFY(m_window->isWindowModified());

    // Discard: Open loads the chosen file.
    answerQuestion(QMessageBox::Discard);
    answerFileDialog(first);
    QVERIFY(m_window->openFile());
    QCOMPARE(data->getDataObject(1, 1)->getCommand(), QString());
    QCOMPARE(m_window->currentFile(), first);

    // Save: New writes the current file first.
    editKey(1, "CC");
    answerQuestion(QMessageBox::Save);
    action("action_New")->trigger();
    QCOMPARE(m_questions, 4);
    QVERIFY(m_window->currentFile().isEmpty());
    QCOMPARE(data->getDataObject(1, 1)->getCommand(), QString());
    answerFileDialog(first);
    QVERIFY(m_window->openFile()); // unmodified: no question
    QCOMPARE(m_questions, 4);
    QCOMPARE(data->getDataObject(1, 1)->getCommand(), QString("CC"));
}

void TestDocument::closeWithDeviceSendsGoodbyeOnlyWhenGoingOn()
{
    m_sim = new SimulatorProcess;
    QVERIFY2(m_sim->start(), qPrintable(m_sim->errorString()));
    QVERIFY(connectWindowTo(m_window, m_sim->portName()));
    editKey(1, "0102");

    for (const char* how : {"action_Close", "close button"}) {
        answerQuestion(QMessageBox::Cancel);
        if (qstrcmp(how, "action_Close") == 0) {
            action(how)->trigger();
        } else {
            m_window->close();
        }
        QVERIFY2(m_window->isVisible(), how);
        QVERIFY(m_window->isConnected());
    }
    // The mark's echo comes after anything the window sent before it.
    QVERIFY(m_window->uartSendData(SimulatorProcess::markPayload()));
    QCOMPARE(countLog("ISPOK!"), 0);

    answerQuestion(QMessageBox::Discard);
    action("action_Close")->trigger();
    QCOMPARE(m_questions, 3);
    QVERIFY(!m_window->isVisible());
    QVERIFY(m_sim->waitForLogLine("ISPOK!"));
    QVERIFY2(m_sim->settle(), qPrintable(m_sim->errorString()));
    QCOMPARE(countLog("ISPOK!"), 1);
}

void TestDocument::loadFromDeviceMarksModified()
{
    m_sim = new SimulatorProcess;
    QVERIFY2(m_sim->start(), qPrintable(m_sim->errorString()));
    connectWindowTo(m_window, m_sim->portName());
    editKey(3, "3333");
    QVERIFY(!saveAs("device.app").isEmpty());
    QVERIFY(!m_window->isWindowModified());

    bool completed = false;
    answerNextModal({"Question"}, [&completed](QWidget* question) {
        static_cast<QDialog*>(question)->accept();
        answerNextModal({"completeDialog", "QMessageBox"}, [&completed](QWidget* end) {
            completed = qobject_cast<QMessageBox*>(end) == nullptr;
            QMetaObject::invokeMethod(end, "accept", Qt::QueuedConnection);
        });
    });
    action("actionLoad_Program_From_Device")->trigger();
    QVERIFY(QTest::qWaitFor([&completed] { return completed; }, 30000));
    // The device held nothing of key 3's command: the records differ from the file.
    QCOMPARE(m_window->dataManager()->getDataObject(3, 1)->getCommand(), QString());
    QVERIFY(m_window->isWindowModified());
}

void TestDocument::openEditCountsAsUnsaved_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("answer");
    const QList<QPair<const char*, QMessageBox::StandardButton>> answers = {
        {"Save", QMessageBox::Save}, {"Discard", QMessageBox::Discard}, {"Cancel", QMessageBox::Cancel}};
    for (const char* how : {"New", "Open", "Open Recent", "drop", "Close", "close button"}) {
        for (const auto& answer : answers) {
            QTest::addRow("%s, %s", how, answer.first) << QString(how) << int(answer.second);
        }
    }
}

void TestDocument::openEditCountsAsUnsaved()
{
    QFETCH(QString, how);
    QFETCH(int, answer);
    // The window shows a saved, unmodified file; another file waits in Open Recent.
    static int run = 0;
    ++run; // new names each time: the save dialog would ask before replacing a file
    const QString other = writeFile(QString("other%1.app").arg(run), "0A0B");
    QVERIFY(m_window->loadFile(other));
    const QString path = saveAs(QString("edit%1.app").arg(run));
    QVERIFY(!path.isEmpty());
    QVERIFY(!m_window->isWindowModified());

    // A command typed, Ok not pressed.
    keyButton(m_window, 3)->changeData();
    auto* edit = child<QLineEdit>(m_window, "commandEdit");
    auto* buttonBox = child<QDialogButtonBox>(m_window, "buttonBox");
    QVERIFY(buttonBox->isEnabled());
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, "4142");

    answerQuestion(QMessageBox::StandardButton(answer));
    if ((how == "Open") && answer != QMessageBox::Cancel) {
        answerFileDialog(other);
    }
    if (how == "New") {
        action("action_New")->trigger();
    } else if (how == "Open") {
        action("action_Open")->trigger();
    } else if (how == "Open Recent") {
        auto* recent = m_window->findChild<QMenu*>("recentMenu");
        QCOMPARE(QDir::fromNativeSeparators(recent->actions().at(1)->text()), other);
        recent->actions().at(1)->trigger();
    } else if (how == "drop") {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(other)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window, &drop);
        // True only once the drop's handler, question and all, has returned.
        QVERIFY(QTest::qWaitFor([this] { return m_questions > 0; }, 10000));
    } else if (how == "Close") {
        action("action_Close")->trigger(); // the Quit keys' action
    } else {
        m_window->close();
    }
    QCOMPARE(m_questions, 1);

    if (answer == QMessageBox::Cancel) {
        // Nothing happened: the edit is still open, with its text.
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->currentFile(), path);
        QVERIFY(buttonBox->isEnabled());
        QVERIFY(edit->isEnabled());
        QCOMPARE(edit->text().trimmed(), QString("41  42"));
        QVERIFY(!child<QWidget>(m_window, "buttonsTab")->isEnabled());
        QCOMPARE(m_window->dataManager()->getDataObject(3, 1)->getCommand(), QString());
        // and Ok still stores it.
        buttonBox->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(m_window->dataManager()->getDataObject(3, 1)->getCommand(), QString("4142"));
        return;
    }
    // Save stored the edit, as Ok would, before writing the file; Discard dropped it.
    QCOMPARE(commandIn(path, 3), answer == QMessageBox::Save ? QString("4142") : QString());
    const bool closes = how.startsWith("Close") || how == "close button";
    QCOMPARE(m_window->isVisible(), !closes);
    if (closes) {
        return;
    }
    if (how != "New") {
        QCOMPARE(m_window->currentFile(), other);
        QCOMPARE(m_window->dataManager()->getDataObject(2, 1)->getCommand(), QString("0A0B"));
    }
    QCOMPARE(m_window->dataManager()->getDataObject(3, 1)->getCommand(), QString());
    QVERIFY(!m_window->isWindowModified());
    // The panel: nothing selected, not editing, the keys usable again.
    QVERIFY(!m_window->dataManager()->getCheckedObject());
    QVERIFY(!buttonBox->isEnabled());
    for (const char* name : {"commandEdit", "delayTimeBox", "secondLayerGroupBox", "commandRateDisplay", "linksTab"}) {
        QVERIFY2(!child<QWidget>(m_window, name)->isEnabled(), name);
    }
    QVERIFY(child<QWidget>(m_window, "buttonsTab")->isEnabled());
    QTest::mouseClick(keyButton(m_window, 2), Qt::LeftButton);
    QVERIFY(child<QWidget>(m_window, "linksTab")->isEnabled());
}

void TestDocument::openRecentOrdersAndPrunes()
{
    auto* recent = m_window->findChild<QMenu*>("recentMenu");
    QVERIFY(recent);
    QVERIFY(!recent->menuAction()->isEnabled());

    QStringList paths;
    for (int i = 1; i <= 6; ++i) {
        paths.prepend(saveAs(QString("r%1.app").arg(i)));
    }
    // Opening the third newest brings it to the front.
    answerFileDialog(paths.at(2));
    QVERIFY(m_window->openFile());
    const QStringList expected = {paths.at(2), paths.at(0), paths.at(1), paths.at(3), paths.at(4)};
    QCOMPARE(RecentFiles::files(), expected);

    // A new window lists the same files, most recent first.
    delete m_window;
    m_window = new AppMainWindow;
    m_window->show();
    recent = m_window->findChild<QMenu*>("recentMenu");
    QVERIFY(recent->menuAction()->isEnabled());
    QStringList shown;
    for (QAction* entry : recent->actions()) {
        shown << QDir::fromNativeSeparators(entry->text());
    }
    QCOMPARE(shown, expected);

    // Choosing one opens it; one that has gone is taken off the list with a warning.
    recent->actions().at(1)->trigger();
    QCOMPARE(m_window->currentFile(), paths.at(0));
    QVERIFY(QFile::remove(paths.at(3)));
    answerWarning();
    recent->actions().at(3)->trigger();
    QVERIFY2(m_warning.startsWith("Can't open wire\n"), qPrintable(m_warning));
    QVERIFY(m_warning.contains(QDir::toNativeSeparators(paths.at(3))));
    QCOMPARE(m_window->currentFile(), paths.at(0));
    QCOMPARE(RecentFiles::files(), QStringList({paths.at(0), paths.at(2), paths.at(1), paths.at(4)}));
    QCOMPARE(recent->actions().size(), 4);
}

void TestDocument::openRecentCancelKeepsTheEdits()
{
    const QString other = writeFile("recent.app", "0A0B");
    QVERIFY(m_window->loadFile(other));
    action("action_New")->trigger();
    editKey(1, "0102");

    answerQuestion(QMessageBox::Cancel);
    m_window->findChild<QMenu*>("recentMenu")->actions().at(0)->trigger();
    QCOMPARE(m_questions, 1);
    QVERIFY(m_window->currentFile().isEmpty());
    QVERIFY(m_window->isWindowModified());
    QCOMPARE(m_window->dataManager()->getDataObject(1, 1)->getCommand(), QString("0102"));
    QCOMPARE(m_window->dataManager()->getDataObject(2, 1)->getCommand(), QString());
}

void TestDocument::openRecentDropsWhatIsNoFile()
{
    // Listed once as files, now a folder and a named pipe: neither can ever open.
    const QString kept = writeFile("kept.app", "0A0B");
    const QString folder = m_dir.filePath("folder.app");
    QVERIFY(QDir().mkpath(folder));
    QStringList gone = {folder};
#ifdef Q_OS_UNIX
    const QString pipe = m_dir.filePath("pipe.app");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    gone << pipe;
#endif
    RecentFiles::add(kept);
    for (auto path = gone.crbegin(); path != gone.crend(); ++path) {
        RecentFiles::add(*path); // the first of `gone` ends up at the top
    }
    delete m_window;
    m_window = new AppMainWindow;
    m_window->show();
    editKey(1, "0102");

    for (const QString& path : gone) {
        auto* recent = m_window->findChild<QMenu*>("recentMenu");
        answerWarning();
        recent->actions().at(0)->trigger();
        QVERIFY2(m_warning.contains(QDir::toNativeSeparators(path)), qPrintable(m_warning));
        QVERIFY2(m_warning.contains("not a regular file"), qPrintable(m_warning));
        QVERIFY(!RecentFiles::files().contains(path));
        m_warning.clear();
    }
    // No question was asked for them, and the work is as it was.
    QCOMPARE(m_questions, 0);
    QCOMPARE(RecentFiles::files(), QStringList{kept});
    QCOMPARE(m_window->findChild<QMenu*>("recentMenu")->actions().size(), 1);
    QVERIFY(m_window->isWindowModified());
    QCOMPARE(m_window->dataManager()->getDataObject(1, 1)->getCommand(), QString("0102"));
}

void TestDocument::droppedFileOpensAfterTheQuestion()
{
    editKey(6, "66");
    const QString path = saveAs("dropped.app");
    action("action_New")->trigger();
    editKey(6, "77");

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    answerQuestion(QMessageBox::Discard);
    QApplication::sendEvent(m_window, &drop);
    QVERIFY(QTest::qWaitFor([this, path] { return m_window->currentFile() == path; }, 5000));
    QCOMPARE(m_questions, 1);
    QCOMPARE(m_window->dataManager()->getDataObject(6, 1)->getCommand(), QString("66"));
    QVERIFY(!m_window->isWindowModified());

    // What is not one local file is not taken.
    QMimeData text;
    text.setText("66");
    QDragEnterEvent other(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &other);
    QVERIFY(!other.isAccepted());
}

void TestDocument::fileOnTheCommandLineOpens()
{
    editKey(1, "0102");
    const QString path = saveAs("argument.app");

    QProcess editor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", m_dir.filePath("config")); // its recent files stay here
    editor.setProcessEnvironment(env);
    editor.start(QStringLiteral(KVR_EDITOR_PATH), {"--verbose", path});
    QVERIFY(editor.waitForStarted());
    QByteArray output;
    const QByteArray loaded = "loaded config file " + QDir::toNativeSeparators(path).toUtf8();
    const bool ended = QTest::qWaitFor(
        [&] {
            output += editor.readAllStandardError();
            return output.contains(loaded) || editor.state() == QProcess::NotRunning;
        },
        10000);
    editor.kill();
    editor.waitForFinished(5000);
    QVERIFY2(ended && output.contains(loaded), output.constData());
}

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
