// Key > Command Library driven in the real window: an entry used for the
// selected record as one undo step, tried on equipment behind a
// pseudo-terminal, and a record added to the user's library.
#include "appdatamanager.h"
#include "commandlibrarywindow.h"
#include "configdocument.h"
#include "ptypeer.h"
#include "settingsstore.h"
#include "shelflibrary.h"
#include "testfiles.h"
#include "testrecords.h"
#include "windowtest.h"

#include <QDir>
#include <QFileInfo>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

class TestCommandLibraryWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void useForTheSelectedRecord_data();
    void useForTheSelectedRecord();
    void trySaysWhetherTheReplyMatched_data();
    void trySaysWhetherTheReplyMatched();
    void addTheSelectedRecord_data();
    void addTheSelectedRecord();

private:
    // Opens the window from the Key menu over `library` as the user's library.
    void openWindow(const QByteArray& library);
    void select(int key, int linkButton);

    AppMainWindow* m_window = nullptr;
    CommandLibraryWindow* m_library = nullptr;
    QString m_userPath;
};

void TestCommandLibraryWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    SettingsStore::open().clear();
    m_userPath = LibraryShelf::defaultUserPath();
    QVERIFY(QDir().mkpath(QFileInfo(m_userPath).absolutePath()));
}

void TestCommandLibraryWindow::init()
{
    m_window = new AppMainWindow;
    AppDataManager* data = m_window->dataManager();
    data->getDataObject(2, 1)->setCommand(QStringLiteral("02504F4E03"));
    const UartData slow = uart(BaudRate19200, ParityOdd, DataBits8, StopBits2);
    data->getDataObject(2, 1)->setUartData(&slow);
    data->getDataObject(2, 1)->setDelayTime(7);
    data->getDataObject(2, 3)->setDelayTime(3);
    // As an edit leaves them: the step before the one a test makes.
    m_window->document()->recordChange(QStringLiteral("Set up"), {});
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestCommandLibraryWindow::cleanup()
{
    delete m_window;
    QFile::remove(m_userPath);
}

void TestCommandLibraryWindow::openWindow(const QByteArray& library)
{
    QVERIFY(writeFile(m_userPath, library));
    m_window->findChild<QAction*>(QStringLiteral("actionCommand_Library"))->trigger();
    m_library = m_window->findChild<CommandLibraryWindow*>();
    QVERIFY(m_library && m_library->isVisible());
}

void TestCommandLibraryWindow::select(int key, int linkButton)
{
    QTest::mouseClick(keyButton(m_window, key), Qt::LeftButton);
    if (linkButton > 0) {
        QTest::mouseClick(keyButton(m_window, linkButton), Qt::LeftButton);
    }
}

void TestCommandLibraryWindow::useForTheSelectedRecord_data()
{
    QTest::addColumn<int>("key"); // 0: none selected
    QTest::addColumn<int>("linkButton");
    QTest::addColumn<bool>("secondLayer");
    QTest::addColumn<bool>("editOpen");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("command"); // stored; empty: refused
    QTest::addColumn<QString>("line"); // the panel's line settings after
    QTest::addColumn<QString>("said");

    QTest::newRow("a link, the parameter at its high end")
        << 2 << 14 << false << false << "Input" << 4 << "AA02040082FC"
        << "19200,8-E-1"
        << "now holds Input";
    QTest::newRow("a key, at its low end") << 2 << 0 << false << false << "Input" << 1 << "AA02010081AC"
                                           << "19200,8-E-1"
                                           << "now holds Input";
    QTest::newRow("a second layer keeps its line settings")
        << 2 << 0 << true << false << "Power on" << 0 << "505752204F4E0D"
        << ""
        << "now holds Power on";
    QTest::newRow("too long for a record") << 2 << 0 << false << false << "Banner" << 0 << ""
                                           << ""
                                           << "129 bytes long, and a record holds at most 128";
    QTest::newRow("no record selected") << 0 << 0 << false << false << "Input" << 1 << ""
                                        << ""
                                        << "Choose a key or a link";
    QTest::newRow("an edit open in the main window") << 2 << 0 << false << true << "Input" << 1 << ""
                                                     << ""
                                                     << "Finish the data you are editing";
}

void TestCommandLibraryWindow::useForTheSelectedRecord()
{
    QFETCH(int, key);
    QFETCH(int, linkButton);
    QFETCH(bool, secondLayer);
    QFETCH(bool, editOpen);
    QFETCH(QString, entry);
    QFETCH(int, input);
    QFETCH(QString, command);
    QFETCH(QString, line);
    QFETCH(QString, said);

    openWindow(shelfLibraryJson());
    if (key > 0) {
        select(key, linkButton);
    }
    if (editOpen) {
        keyButton(m_window, key)->changeData();
    }
    QVERIFY(m_library->chooseEntry(0, entry));
    if (input > 0) {
        child<QSpinBox>(m_library, "param_input")->setValue(input);
    }
    child<QCheckBox>(m_library, "secondLayerBox")->setChecked(secondLayer);
    ConfigDocument* document = m_window->document();
    const QByteArray before = m_window->dataManager()->configFileBytes();
    const int steps = document->undoStack()->count();

    QCOMPARE(m_library->useForRecord(), !command.isEmpty());
    QVERIFY2(m_library->status().contains(said), qPrintable(m_library->status()));
    if (command.isEmpty()) {
        QCOMPARE(document->undoStack()->count(), steps);
        QCOMPARE(m_window->dataManager()->configFileBytes(), before);
        return;
    }
    const int layer = secondLayer ? 6 : (linkButton > 0 ? 3 : 1);
    const LinkData* record = m_window->dataManager()->getDataObject(2, secondLayer ? 1 : layer);
    QCOMPARE(secondLayer ? m_window->dataManager()->getSecondLayerCommand(2) : record->getCommand(), command);
    QCOMPARE(record->getDelayTime(), linkButton > 0 ? 3 : 7);
    // The main window shows it, as after an undo.
    QString shown = child<QLineEdit>(m_window, secondLayer ? "secondLayerEdit" : "commandEdit")->text();
    QVERIFY2(shown.remove(QLatin1Char(' ')).startsWith(command), qPrintable(shown));
    if (!line.isEmpty()) {
        QCOMPARE(child<QPushButton>(m_window, "commandRateDisplay")->text(), line);
    } else {
        UartData kept;
        m_window->dataManager()->getButtonData(2)->getSecondLayerUartData(&kept);
        QCOMPARE(kept, defaultUartData());
    }
    QCOMPARE(document->undoStack()->count(), steps + 1);
    m_window->findChild<QAction*>(QStringLiteral("actionUndo"))->trigger();
    QCOMPARE(m_window->dataManager()->configFileBytes(), before);
}

void TestCommandLibraryWindow::trySaysWhetherTheReplyMatched_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("said");

    QTest::newRow("the expected reply") << QByteArray::fromHex("AA0603") << "Reply matched: AA 06 03";
    QTest::newRow("one byte differs") << QByteArray::fromHex("AA1503") << "differs at byte 2: 06 expected, 15 came";
    QTest::newRow("a short reply") << QByteArray::fromHex("AA") << "the reply ended after 1 bytes";
}

void TestCommandLibraryWindow::trySaysWhetherTheReplyMatched()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, said);

    openWindow(shelfLibraryJson());
    QVERIFY(m_library->chooseEntry(0, QStringLiteral("Input")));
    child<QSpinBox>(m_library, "param_input")->setValue(4);
    PtyPeer projector(PtyPeer::Mode::Silent);
    projector.answer(QByteArray::fromHex("AA02040082FC"), {{20, reply}});
    QVERIFY(projector.open());
    child<QComboBox>(m_library, "portBox")->setEditText(projector.portName());
    const QByteArray before = m_window->dataManager()->configFileBytes();

    child<QPushButton>(m_library, "tryButton")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!m_library->isTrying(), 10000);

    QVERIFY2(m_library->status().contains(said), qPrintable(m_library->status()));
    QCOMPARE(projector.received(), QByteArray::fromHex("AA02040082FC"));
    QCOMPARE(int(projector.line().speed), 19200);
    QCOMPARE(m_window->dataManager()->configFileBytes(), before);
}

void TestCommandLibraryWindow::addTheSelectedRecord_data()
{
    QTest::addColumn<QByteArray>("library"); // the user's, before
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("said");

    QTest::newRow("a new name") << shelfLibraryJson() << "Projector on"
                                << "added to your library";
    QTest::newRow("a name already there") << shelfLibraryJson() << "Input"
                                          << "already has an entry named \"Input\"";
    QTest::newRow("a damaged library") << QByteArray(R"({"format": "kvr210c-library", "version": 1, "entries": [)")
                                       << "Projector on"
                                       << "could not be read";
}

void TestCommandLibraryWindow::addTheSelectedRecord()
{
    QFETCH(QByteArray, library);
    QFETCH(QString, name);
    QFETCH(QString, said);

    openWindow(library);
    const bool readable = m_library->shelf().libraries().constFirst().readable();
    // A library that cannot be read says why where it is listed.
    const QString listed = child<QTreeWidget>(m_library, "entryTree")->topLevelItem(0)->text(0);
    QCOMPARE(listed.contains(QStringLiteral("could not be read")), !readable);
    select(2, 0);
    answerNextModal({QStringLiteral("addEntryDialog")}, [name](QWidget* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("entryName"))->setText(name);
        dialog->findChild<QLineEdit*>(QStringLiteral("entryEquipment"))->setText(QStringLiteral("Hall projector"));
        QMetaObject::invokeMethod(dialog, "accept");
    });

    const bool added = m_library->addSelectedRecord();
    QVERIFY2(m_library->status().contains(said), qPrintable(m_library->status()));
    QCOMPARE(added, said.startsWith(QLatin1String("added")));
    if (!added) {
        QCOMPARE(readFile(m_userPath), library);
        return;
    }
    // Kept on disk, and found by words of its name and equipment in any case.
    QVERIFY(readFile(m_userPath).contains("\"02 50 4F 4E 03\""));
    child<QLineEdit>(m_library, "searchField")->setText(QStringLiteral("hall ON"));
    QTreeWidget* tree = child<QTreeWidget>(m_library, "entryTree");
    const QList<QTreeWidgetItem*> found = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    QVERIFY(tree->findItems(QStringLiteral("Input"), Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
    QCOMPARE(child<QLabel>(m_library, "entryLine")->text(), QStringLiteral("19200,8-O-2"));
}

QTEST_MAIN(TestCommandLibraryWindow)
#include "tst_commandlibrary_window.moc"
