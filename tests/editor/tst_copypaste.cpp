// Copy and paste between keys and links, and File > Import JSON / Export JSON, through the
// real window and against the command line's own JSON.
#include "appdatamanager.h"
#include "cliprocess.h"
#include "programclipboard.h"
#include "testrecords.h"
#include "windowtest.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

class TestCopyPaste : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void keyProgramAndLinkCopiedAndPasted();
    void clipboardTextIsTheCommandLinesJson();
    void commandLineExportPastesOntoItsKeys();
    void refusedPasteChangesNothing_data();
    void refusedPasteChangesNothing();
    void importAndExportMatchTheCommandLine();
    void refusedImportChangesNothing();

private:
    AppDataManager* data() const { return m_window->dataManager(); }
    void click(int number) { QTest::mouseClick(keyButton(m_window, number), Qt::LeftButton); }
    void trigger(const char* name) { child<QAction>(m_window, name)->trigger(); }
    QByteArray records() const;
    // Runs the command line; its standard output, or a failed check.
    QByteArray cli(const QStringList& arguments, const QByteArray& input = QByteArray(), int* exitCode = nullptr);
    // Reads and closes the next warning.
    void expectWarning();

    AppMainWindow* m_window = nullptr;
    QTemporaryDir m_dir;
    QString m_warning;
};

void TestCopyPaste::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void TestCopyPaste::init()
{
    m_window = new AppMainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_warning.clear();
    data()->getButtonData(2)->setButtonName("Door");
    data()->getDataObject(2, 1)->setCommand("0D0A");
    data()->getDataObject(2, 1)->setDelayTime(255); // the longest delay there is
    data()->getDataObject(2, 3)->setCommand("2323");
    data()->getDataObject(2, 3)->setLinkName("Bell");
    data()->getDataObject(2, 3)->setDelayTime(7);
    const UartData fast = uart(7, 2, 3, 1);
    data()->getDataObject(2, 3)->setUartData(&fast);
    data()->getButtonData(2)->setSecondLayerEnable(true);
    data()->getButtonData(2)->setSecondLayerCommand("5E5E");
    data()->getButtonData(2)->setSecondLayerDelayTime(9);
    m_window->reflashDataPanel();
}

void TestCopyPaste::cleanup()
{
    delete m_window;
}

QByteArray TestCopyPaste::records() const
{
    return data()->configFileBytes();
}

QByteArray TestCopyPaste::cli(const QStringList& arguments, const QByteArray& input, int* exitCode)
{
    const CliRun run = runCli(KVR_CLI_PATH, arguments, 20000, {}, input);
    if (exitCode) {
        *exitCode = run.exitCode;
    }
    return run.out;
}

void TestCopyPaste::expectWarning()
{
    answerNextModal({"QMessageBox"}, [this](QWidget* modal) {
        m_warning = static_cast<QMessageBox*>(modal)->text();
        static_cast<QMessageBox*>(modal)->accept();
    });
}

void TestCopyPaste::keyProgramAndLinkCopiedAndPasted()
{
    // Key 2's whole program onto key 5: one step, names and second layer included.
    click(2);
    trigger("actionCopy");
    click(5);
    trigger("actionPaste");
    QCOMPARE(data()->getButtonName(5), QString("Door"));
    QCOMPARE(keyButton(m_window, 5)->text(), QString("Door"));
    QCOMPARE(data()->getDataObject(5, 1)->getCommand(), QString("0D0A"));
    QCOMPARE(data()->getDataObject(5, 1)->getDelayTime(), 255);
    QCOMPARE(data()->getDataObject(5, 3)->getCommand(), QString("2323"));
    QCOMPARE(data()->getDataObject(5, 3)->getLinkName(), QString("Bell"));
    QVERIFY(data()->isSecondLayerEnabled(5));
    QCOMPARE(data()->getButtonData(5)->getSecondLayerDelayTime(), 9);
    QCOMPARE(child<QLineEdit>(m_window, "commandEdit")->text().trimmed(), QString("0D  0A"));
    QUndoStack* stack = m_window->document()->undoStack();
    QCOMPARE(stack->count(), 1);
    QCOMPARE(stack->undoText(), QString("Paste onto Key 5"));
    QVERIFY(m_window->isWindowModified());

    // Key 2, link 14 onto key 4, link 5: that record only.
    click(2);
    click(14); // link 3
    trigger("actionCopy");
    click(4);
    click(16); // link 5
    trigger("actionPaste");
    QCOMPARE(data()->getDataObject(4, 5)->getCommand(), QString("2323"));
    QCOMPARE(data()->getDataObject(4, 5)->getLinkName(), QString("Bell"));
    QCOMPARE(data()->getDataObject(4, 5)->getDelayTime(), 7);
    UartData pasted;
    data()->getDataObject(4, 5)->getUartData(&pasted);
    QVERIFY(pasted == uart(7, 2, 3, 1));
    QCOMPARE(data()->getDataObject(4, 1)->getCommand(), QString());
    QCOMPARE(stack->undoText(), QString("Paste onto Key 4, link 16"));

    trigger("actionUndo");
    trigger("actionUndo");
    QCOMPARE(data()->getDataObject(5, 1)->getCommand(), QString());
    QCOMPARE(data()->getDataObject(4, 5)->getCommand(), QString());
    QCOMPARE(keyButton(m_window, 5)->text(), QString("Empty"));
    QVERIFY(!m_window->isWindowModified());
}

void TestCopyPaste::clipboardTextIsTheCommandLinesJson()
{
    click(2);
    trigger("actionCopy");
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    QVERIFY(mime);
    QVERIFY(mime->hasFormat(ProgramClipboard::MimeType));
    QCOMPARE(mime->text().toUtf8(), mime->data(ProgramClipboard::MimeType));

    // The command line imports it: key 2 as in the window, the other keys fresh.
    const QString file = m_dir.filePath("fromclip.app");
    int status = -1;
    cli({"import", "-", file}, mime->text().toUtf8(), &status);
    QCOMPARE(status, 0);
    ProgramRecords imported;
    imported.newData(6, 5);
    QVERIFY(imported.loadConfigFileFrom(file).isLoaded());
    QCOMPARE(imported.getButtonName(2), QString("Door"));
    QCOMPARE(imported.getDataObject(2, 3)->getCommand(), QString("2323"));
    QCOMPARE(imported.getSecondLayerCommand(2), QString("5E5E"));
}

void TestCopyPaste::commandLineExportPastesOntoItsKeys()
{
    // An export of another file, copied as text from a ticket.
    ProgramRecords other;
    other.newData(6, 5);
    for (int key = 1; key <= 6; ++key) {
        other.getDataObject(key, 1)->setCommand(QString("A%1").arg(key));
        other.getButtonData(key)->setButtonName(QString("Site %1").arg(key));
    }
    QFile file(m_dir.filePath("other.app"));
    QVERIFY(file.open(QIODevice::WriteOnly) && other.saveConfigFile(&file));
    file.close();
    const QByteArray exported = cli({"export", file.fileName()});
    QVERIFY(!exported.isEmpty());
    QGuiApplication::clipboard()->setText(QString::fromUtf8(exported));

    // Whatever is selected, a link included, the user is asked first, the keys named.
    click(3);
    click(13); // link 2
    const QByteArray before = records();
    QString question;
    auto answer = [&question](QMessageBox::StandardButton button) {
        answerNextModal({"QMessageBox"}, [&question, button](QWidget* modal) {
            auto* box = static_cast<QMessageBox*>(modal);
            question = box->text();
            box->button(button)->click();
        });
    };
    // Return takes the answer that changes nothing.
    answerNextModal({"QMessageBox"}, [&question](QWidget* modal) {
        question = static_cast<QMessageBox*>(modal)->text();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    trigger("actionPaste");
    QCOMPARE(question, QString("Replace the programs of keys 1, 2, 3, 4, 5, 6?"));
    QCOMPARE(records(), before);
    QCOMPARE(m_window->document()->undoStack()->count(), 0);

    answer(QMessageBox::Yes);
    trigger("actionPaste");
    for (int key = 1; key <= 6; ++key) {
        QCOMPARE(data()->getDataObject(key, 1)->getCommand(), QString("A%1").arg(key));
        QCOMPARE(keyButton(m_window, key)->text(), QString("Site %1").arg(key));
    }
    QCOMPARE(data()->getDataObject(2, 3)->getCommand(), QString());
    QCOMPARE(m_window->document()->undoStack()->count(), 1);
    QCOMPARE(m_window->document()->undoStack()->undoText(), QString("Paste onto Keys 1, 2, 3, 4, 5, 6"));
}

void TestCopyPaste::refusedPasteChangesNothing_data()
{
    QTest::addColumn<QByteArray>("clip");
    QTest::addColumn<int>("link"); // the link key clicked before pasting, or 0
    QTest::addColumn<QString>("reason");
    const QByteArray head = R"({"format": "kvr210c-config", "version": 1, "keys": [)";
    QTest::newRow("not json") << QByteArray("hello") << 0 << "";
    QTest::newRow("wrong shape") << head + R"({"key": 1, "colour": 3}]})" << 0 << "colour";
    QTest::newRow("over 128 bytes") << head + R"({"key": 1, "command": ")" + QByteArray(129 * 2, 'A') + R"("}]})" << 0
                                    << "129 bytes";
    QTest::newRow("raw baud rate") << head + R"({"key": 1, "baudRate": {"raw": 9}}]})" << 0 << "out of range";
    QTest::newRow("raw command") << head + R"({"key": 1, "command": {"raw": "xyz"}}]})" << 0 << "hex";
    QTest::newRow("no keys") << head + "]}" << 0 << "no key";
    QTest::newRow("program onto a link") << head + R"({"key": 1, "command": "01"}]})" << 14 << "not a link";
    QTest::newRow("program onto the first link") << head + R"({"key": 1, "command": "01"}]})" << 13 << "not a link";
    QTest::newRow("link onto a key") << head + R"({"key": 1, "links": [{"link": 2, "command": "01"}]}]})" << 0
                                     << "Links tab";
}

void TestCopyPaste::refusedPasteChangesNothing()
{
    QFETCH(QByteArray, clip);
    QFETCH(int, link);
    QFETCH(QString, reason);
    click(2);
    if (link) {
        click(link);
    }
    const QByteArray before = records();
    QGuiApplication::clipboard()->setText(QString::fromUtf8(clip));
    expectWarning();
    trigger("actionPaste");
    QVERIFY2(m_warning.contains("Nothing was changed") && m_warning.contains(reason), qPrintable(m_warning));
    QCOMPARE(records(), before);
    QCOMPARE(m_window->document()->undoStack()->count(), 0);
    QVERIFY(!m_window->isWindowModified());
}

void TestCopyPaste::importAndExportMatchTheCommandLine()
{
    const QString original = m_dir.filePath("original.app");
    QVERIFY(m_window->document()->saveAs(original));
    const QByteArray cliExport = cli({"export", original});
    QVERIFY(!cliExport.isEmpty());

    // Export JSON writes what the command line exports from the same file.
    const QString exported = m_dir.filePath("window.json");
    answerFileDialog(exported);
    trigger("actionExport_JSON");
    QFile windowJson(exported);
    QVERIFY(windowJson.open(QIODevice::ReadOnly));
    QCOMPARE(windowJson.readAll(), cliExport);

    // Import JSON of that export into a new configuration gives the same file back, as one step.
    QVERIFY(!m_window->isWindowModified());
    trigger("action_New");
    answerFileDialog(exported);
    trigger("actionImport_JSON");
    QCOMPARE(m_window->document()->undoStack()->undoText(), QString("Import"));
    QFile originalFile(original);
    QVERIFY(originalFile.open(QIODevice::ReadOnly));
    QCOMPARE(records(), originalFile.readAll());
    QCOMPARE(keyButton(m_window, 2)->text(), QString("Door"));
    trigger("actionUndo");
    QCOMPARE(data()->getDataObject(2, 1)->getCommand(), QString());
}

void TestCopyPaste::refusedImportChangesNothing()
{
    const QString bad = m_dir.filePath("bad.json");
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "kvr210c-config", "version": 1, "keys": [{"key": 1, "command": "01"}, {"key": 9}]})");
    file.close();
    const QByteArray before = records();
    answerFileDialog(bad);
    expectWarning();
    trigger("actionImport_JSON");
    QVERIFY2(m_warning.contains("Nothing was imported"), qPrintable(m_warning));
    QCOMPARE(records(), before);
    QCOMPARE(m_window->document()->undoStack()->count(), 0);
}

QTEST_MAIN(TestCopyPaste)
#include "tst_copypaste.moc"
