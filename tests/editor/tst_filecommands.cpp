// New, Open, Save, Save As through the real menus, with the dialogs answered.
#include "appdatamanager.h"
#include "windowtest.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <QElapsedTimer>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class TestFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); } // saves list recent files
    void init();
    void cleanup();
    void saveAsThenSaveWritesTheSameFile();
    void saveAsAddsTheSuffixWhereNoneWasTyped_data();
    void saveAsAddsTheSuffixWhereNoneWasTyped();
    void openRestoresEveryField();
    void newClearsRecordsAndPanel();
    void refusedFileWarnsAndKeepsRecords();
    void failedSaveKeepsTheOldFile();
    void cancelledDialogsChangeNothing();
    void readOnlyFileOpens();
    void whatIsNotARegularFileIsLeftAlone();
    void saveWritesInPlaceWhereTheFolderTakesNoNewFile();

private:
    void trigger(const char* name) { child<QAction>(m_window, name)->trigger(); }
    // Answers the next file dialog with `path` (empty: Cancel).
    // Says Yes to the file dialog's question whether to replace a file that is there.
    void answerReplaceQuestion(std::function<void()> then = {});
    // Accepts the next message box and remembers its text.
    void expectWarning();
    // The detail under the warning's first line.
    QString m_detail;
    void fill();
    QByteArray read(const QString& path);

    AppMainWindow* m_window = nullptr;
    QTemporaryDir m_dir;
    QString m_warning;
};

void TestFileCommands::init()
{
    m_window = new AppMainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_warning.clear();
}

void TestFileCommands::cleanup()
{
    delete m_window;
}

void TestFileCommands::answerReplaceQuestion(std::function<void()> then)
{
    answerNextModal({"QMessageBox"}, [then](QWidget* modal) {
        if (then) {
            then();
        }
        auto* box = static_cast<QMessageBox*>(modal);
        QVERIFY2(box->button(QMessageBox::Yes), qPrintable(box->text()));
        box->button(QMessageBox::Yes)->click();
    });
}

void TestFileCommands::expectWarning()
{
    answerNextModal({"QMessageBox"}, [this](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        m_warning = box->windowTitle() + ": " + box->text();
        m_detail = box->informativeText();
        box->accept();
    });
}

void TestFileCommands::fill()
{
    AppDataManager* data = m_window->dataManager();
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            LinkData* r = data->getDataObject(x, y);
            r->setCommand(QString("%1%2").arg(x, 2, 10, QChar('0')).arg(y, 2, 10, QChar('0')));
            r->setDelayTime(x + y);
            const UartData u{BaudRate((x + y) % 8), Parity(y % 5), DataBits(x % 4), StopBits(y % 2)};
            r->setUartData(&u);
            if (y > 1) {
                r->setLinkName(QString("L%1%2").arg(x).arg(y));
            }
        }
        ButtonData* b = data->getButtonData(x);
        b->setButtonName(QString("Key %1").arg(x));
        b->setSecondLayerEnable(x % 2);
        b->setSecondLayerCommand(QString("FF%1").arg(x, 2, 10, QChar('0')));
        b->setSecondLayerDelayTime(100 + x);
    }
}

QByteArray TestFileCommands::read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestFileCommands::saveAsThenSaveWritesTheSameFile()
{
    fill();
    const QString path = m_dir.filePath("one.app");
    answerFileDialog(path);
    trigger("actionSave_As");
    QCOMPARE(m_window->currentFile(), path);
    const QByteArray first = read(path);
    QVERIFY(first.size() > 3338);

    // Save with a current name asks nothing; no dialog is answered here.
    m_window->dataManager()->getDataObject(3, 3)->setCommand("ABCD");
    QVERIFY(m_window->saveFile());
    const QByteArray second = read(path);
    QCOMPARE(second.size(), first.size());
    QVERIFY(second != first);
    QVERIFY(second.contains("ABCD"));
}

void TestFileCommands::saveAsAddsTheSuffixWhereNoneWasTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("there"); // a file has the saved name already

    QTest::newRow("no suffix") << "a"
                               << "a.app" << false;
    QTest::newRow("the suffix typed") << "b.app"
                                      << "b.app" << false;
    QTest::newRow("another suffix") << "c.cfg"
                                    << "c.cfg" << false;
    QTest::newRow("a dot in the folder only") << "v1.2/d"
                                              << "v1.2/d.app" << false;
    // Replacing the file the suffix leads to is asked first, like any other.
    QTest::newRow("a file there by its suffix") << "e"
                                                << "e.app" << true;
}

void TestFileCommands::saveAsAddsTheSuffixWhereNoneWasTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QFETCH(bool, there);
    QVERIFY(QDir(m_dir.path()).mkpath(QFileInfo(m_dir.filePath(typed)).path()));
    if (there) {
        QFile old(m_dir.filePath(saved));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    }
    fill();
    answerFileDialog(m_dir.filePath(typed));
    bool asked = false;
    if (there) {
        answerReplaceQuestion([&asked] { asked = true; });
    }
    trigger("actionSave_As");
    QCOMPARE(asked, there);
    QCOMPARE(m_window->currentFile(), m_dir.filePath(saved));
    QVERIFY(read(m_dir.filePath(saved)).size() > 3338);
    QCOMPARE(QFile::exists(m_dir.filePath(typed)), typed == saved);
}

void TestFileCommands::openRestoresEveryField()
{
    fill();
    const QString path = m_dir.filePath("all.app");
    answerFileDialog(path);
    QVERIFY(m_window->saveAsFile());
    const QByteArray saved = read(path);

    trigger("action_New");
    QCOMPARE(keyButton(m_window, 1)->text(), QString("Empty"));
    answerFileDialog(path);
    trigger("action_Open");
    QCOMPARE(m_window->currentFile(), path);
    QCOMPARE(keyButton(m_window, 3)->text(), QString("Key 3"));
    QCOMPARE(keyButton(m_window, 13)->text(), QString("L12"));
    QTest::mouseClick(keyButton(m_window, 3), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(m_window, "commandEdit")->text().trimmed(), QString("03  01"));
    QCOMPARE(child<QSpinBox>(m_window, "secondLayerDelayTimeBox")->value(), 103);

    // Saving again gives the bytes that were loaded.
    const QString again = m_dir.filePath("again.app");
    answerFileDialog(again);
    QVERIFY(m_window->saveAsFile());
    QCOMPARE(read(again), saved);
}

void TestFileCommands::newClearsRecordsAndPanel()
{
    fill();
    QTest::mouseClick(keyButton(m_window, 2), Qt::LeftButton);
    trigger("action_New");
    for (int n = 1; n <= 16; ++n) {
        QCOMPARE(keyButton(m_window, n)->text(), QString("Empty"));
        QVERIFY(!keyButton(m_window, n)->isChecked());
    }
    QVERIFY(!m_window->dataManager()->getCheckedObject());
    QVERIFY(!child<QTabWidget>(m_window, "linksTab")->isEnabled());
    QVERIFY(child<QLineEdit>(m_window, "commandEdit")->text().trimmed().isEmpty());
    QVERIFY(child<QLineEdit>(m_window, "commandCounter")->text().isEmpty());
    QCOMPARE(child<QSpinBox>(m_window, "delayTimeBox")->value(), 0);
    QCOMPARE(child<QSpinBox>(m_window, "secondLayerDelayTimeBox")->value(), 0);
    // No switch is lit for a selection that is gone.
    QCOMPARE(child<QLabel>(m_window, "productionImage")->pixmap().toImage(),
             QPixmap(":/images/KVR210C-Main.png").toImage());
    QVERIFY(m_window->dataManager()->getDataObject(6, 5)->getCommand().isNull());
    QVERIFY(m_window->currentFile().isEmpty());
    QCOMPARE(shownTitle(m_window), QString("KVR210C"));
}

void TestFileCommands::refusedFileWarnsAndKeepsRecords()
{
    fill();
    const QString good = m_dir.filePath("good.app");
    answerFileDialog(good);
    QVERIFY(m_window->saveAsFile());
    const QByteArray bytes = read(good);

    const QString truncated = m_dir.filePath("truncated.app");
    const QString foreign = m_dir.filePath("foreign.txt");
    {
        QFile f(truncated);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes.left(bytes.size() - 3));
        QFile g(foreign);
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.write("just some text, long enough to look like a header");
    }
    m_window->dataManager()->getDataObject(1, 1)->setCommand("EDITED");
    for (const QString& path : {truncated, foreign}) {
        answerFileDialog(path);
        expectWarning();
        trigger("action_Open");
        QVERIFY2(m_warning.startsWith("Application: "), qPrintable(m_warning));
        QCOMPARE(m_window->dataManager()->getDataObject(1, 1)->getCommand(), QString("EDITED"));
        QCOMPARE(m_window->currentFile(), good); // a later Save still goes to the good file
        m_warning.clear();
    }

    // A file that exists but cannot be read, even by root.
    const QString unreadable = "/proc/sys/vm/compact_memory";
    if (!QFile::exists(unreadable) || QFile(unreadable).open(QIODevice::ReadOnly)) {
        QSKIP("no unreadable file on this machine");
    }
    answerFileDialog(unreadable);
    expectWarning();
    QVERIFY(!m_window->openFile());
    QCOMPARE(m_warning, QString("Application: Can't open wire"));
    QCOMPARE(m_window->currentFile(), good);
}

void TestFileCommands::failedSaveKeepsTheOldFile()
{
    fill();
    const QString path = m_dir.filePath("keep.app");
    answerFileDialog(path);
    QVERIFY(m_window->saveAsFile());
    const QByteArray before = read(path);

    // A save that fails half way (here: the process may not write files that
    // large) warns and leaves the old file as it was.
    m_window->dataManager()->getDataObject(2, 2)->setCommand("0000");
    struct rlimit old;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    expectWarning();
    const bool saved = m_window->saveFile();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!saved);
    QCOMPARE(m_warning, QString("Application: Can't file wire"));
    QVERIFY2(m_detail.startsWith(path + ": "), qPrintable(m_detail));
    QCOMPARE(read(path), before);
    QCOMPARE(m_window->currentFile(), path);

    // A directory that does not exist cannot take the file.
    const QString nowhere = m_dir.filePath("no/such/dir/x.app");
    answerFileDialog(nowhere);
    expectWarning();
    QVERIFY(!m_window->saveAsFile());
    QCOMPARE(m_warning, QString("Application: Can't file wire"));
    QVERIFY(!QFile::exists(nowhere));
    QCOMPARE(m_window->currentFile(), path); // the next Save still goes to the old file
    QCOMPARE(read(path), before);

    // Without a current file, the next Save asks for a name again.
    trigger("action_New");
    answerFileDialog(nowhere);
    expectWarning();
    QVERIFY(!m_window->saveAsFile());
    QVERIFY(m_window->currentFile().isEmpty());
    bool asked = false;
    answerNextModal({"QFileDialog"}, [&asked](QWidget* dialog) {
        asked = true;
        static_cast<QDialog*>(dialog)->reject();
    });
    QVERIFY(!m_window->saveFile());
    QVERIFY(asked);
}

void TestFileCommands::cancelledDialogsChangeNothing()
{
    const QString path = m_dir.filePath("named.app");
    answerFileDialog(path);
    QVERIFY(m_window->saveAsFile());

    answerFileDialog(QString());
    QVERIFY(!m_window->openFile());
    QCOMPARE(m_window->currentFile(), path);
    answerFileDialog(QString());
    QVERIFY(!m_window->saveAsFile());
    QCOMPARE(m_window->currentFile(), path);
    QVERIFY(m_warning.isEmpty());
}

void TestFileCommands::readOnlyFileOpens()
{
    fill();
    const QString path = m_dir.filePath("readonly.app");
    answerFileDialog(path);
    QVERIFY(m_window->saveAsFile());
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    trigger("action_New");
    answerFileDialog(path);
    QVERIFY(m_window->openFile());
    QCOMPARE(m_window->dataManager()->getButtonName(6), QString("Key 6"));
}

void TestFileCommands::whatIsNotARegularFileIsLeftAlone()
{
    fill();
    const QString fifo = m_dir.filePath("pipe.app");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto isFifo = [&fifo] {
        struct stat st = {};
        return ::lstat(QFile::encodeName(fifo).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
    };

    // Should a regression open the pipe and wait for a writer, one comes after two seconds
    // and goes at once: the test then fails on its time instead of hanging.
    std::atomic<bool> done{false};
    std::thread unblocker([&done, fifo] {
        for (int i = 0; i < 200 && !done; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        while (!done) {
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    auto stopUnblocker = qScopeGuard([&] {
        done = true;
        unblocker.join();
    });

    // Saving onto a pipe: the dialog's question whether to replace it, then a warning, and
    // the pipe is still a pipe.
    answerFileDialog(fifo);
    answerReplaceQuestion([this] { expectWarning(); });
    QVERIFY(!m_window->saveAsFile());
    QCOMPARE(m_warning, QString("Application: Can't file wire"));
    QVERIFY2(m_detail.contains(fifo), qPrintable(m_detail));
    QVERIFY(m_window->currentFile().isEmpty());
    QVERIFY(isFifo());

    // Opening a pipe (no writer ever comes), a folder or an endless device: a warning at
    // once, records and current file as they were.
    const QString good = m_dir.filePath("notpipe.app");
    answerFileDialog(good);
    QVERIFY(m_window->saveAsFile());
    for (const QString& source : {fifo, m_dir.path(), QStringLiteral("/dev/zero")}) {
        QElapsedTimer timer;
        timer.start();
        expectWarning();
        QVERIFY(!m_window->loadFile(source));
        QVERIFY2(timer.elapsed() < 1000 + 100, qPrintable(source)); // the dialog's answer takes ~20 ms
        QCOMPARE(m_warning, QString("Application: Can't open wire"));
        QVERIFY2(m_detail.contains(source), qPrintable(m_detail));
        QCOMPARE(m_window->dataManager()->getButtonName(2), QString("Key 2"));
        QCOMPARE(m_window->currentFile(), good);
    }
    QVERIFY(isFifo());
}

void TestFileCommands::saveWritesInPlaceWhereTheFolderTakesNoNewFile()
{
    // A folder that another user may not write to, holding a file that user may write.
    if (::geteuid() != 0) {
        QSKIP("needs root to act as another user");
    }
    const uid_t nobody = 65534;
    const auto rwxrx = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
        | QFile::ExeOther | QFile::ReadOther;
    const QString folder = m_dir.filePath("locked");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(m_dir.path(), rwxrx));
    QVERIFY(QFile::setPermissions(folder, rwxrx));
    const QString path = folder + "/inplace.app";
    QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    QCOMPARE(::chown(QFile::encodeName(path).constData(), nobody, nobody), 0);

    QCOMPARE(::seteuid(nobody), 0);
    const bool usable = QFile(path).open(QIODevice::WriteOnly | QIODevice::Append)
        && !QFile(folder + "/new").open(QIODevice::WriteOnly);
    QCOMPARE(::seteuid(0), 0);
    if (!usable) {
        QSKIP("this machine does not let another user write the file");
    }

    fill();
    answerFileDialog(path);
    answerReplaceQuestion();
    // Should the save fail, its warning is answered (and noted) instead of waiting forever.
    QTimer failed;
    connect(&failed, &QTimer::timeout, this, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->text() == "Can't file wire") {
            m_detail = box->informativeText();
            box->accept();
        }
    });
    failed.start(20);
    QCOMPARE(::seteuid(nobody), 0);
    const bool saved = m_window->saveAsFile();
    QCOMPARE(::seteuid(0), 0);
    QVERIFY2(saved, qPrintable(m_detail));
    QVERIFY(read(path).contains("Key 4"));
    QCOMPARE(m_window->currentFile(), path);
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
