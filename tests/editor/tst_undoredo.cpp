// Undo and redo through the real window: a long seeded run of every kind of change, then
// all of it undone and redone, with the records, the keys and the modified mark checked at
// every step.
#include "appdatamanager.h"
#include "appmainwindow.h"
#include "commandbutton.h"
#include "simulatorprocess.h"
#include "testrecords.h"
#include "windowtest.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

class TestUndoRedo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void randomRunUndoneAndRedone();
    void undoEndsAnOpenEditAndShowsWhereTheChangeWas();

private:
    QByteArray records() const;
    CommandButton* key(int number) const { return keyButton(m_window, number); }
    QAction* action(const char* name) const { return m_window->findChild<QAction*>(name); }
    QLineEdit* commandEdit() const { return child<QLineEdit>(m_window, "commandEdit"); }
    void select(int keyNumber, int linkNumber);
    void changeData(QRandomGenerator& random);
    void rename(QRandomGenerator& random);
    void changeLineSettings(QRandomGenerator& random);
    void copyAndPaste(QRandomGenerator& random);
    void loadFromDevice();
    void checkKeysShowRecords();

    QTemporaryDir m_dir;
    AppMainWindow* m_window = nullptr;
    SimulatorProcess* m_sim = nullptr;
};

void TestUndoRedo::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void TestUndoRedo::init()
{
    m_window = new AppMainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestUndoRedo::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_sim;
    m_sim = nullptr;
}

QByteArray TestUndoRedo::records() const
{
    return m_window->dataManager()->configFileBytes();
}

void TestUndoRedo::select(int keyNumber, int linkNumber)
{
    QTest::mouseClick(key(keyNumber), Qt::LeftButton);
    if (linkNumber > 1) {
        QTest::mouseClick(key(linkNumber + 11), Qt::LeftButton); // link 2 is key 13
    }
}

void TestUndoRedo::changeData(QRandomGenerator& random)
{
    CommandButton* target = key(m_window->dataManager()->getCheckedObject()->yId() > 1
                                    ? m_window->dataManager()->getCheckedObject()->yId() + 11
                                    : m_window->dataManager()->getCheckedObject()->xId());
    target->changeData();
    QLineEdit* edit = commandEdit();
    edit->setFocus();
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, QString::number(random.bounded(0x100), 16).rightJustified(2, '0').toUpper());
    if (random.bounded(2)) {
        child<QSpinBox>(m_window, "delayTimeBox")->setValue(random.bounded(256));
    }
    QTest::keyClick(edit, Qt::Key_Return);
}

void TestUndoRedo::rename(QRandomGenerator& random)
{
    CommandButton* target = key(random.bounded(1, 7));
    target->changeButtonName();
    QWidget* dialog = QApplication::activeModalWidget();
    QVERIFY(dialog && dialog->objectName() == "NameDialog");
    dialog->findChild<QLineEdit*>("buttonNameEdit")->setText(QString("Name %1").arg(random.bounded(1000)));
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
}

void TestUndoRedo::changeLineSettings(QRandomGenerator& random)
{
    // Through the key's own dialog, or the panel's button for the record shown.
    QDialog* dialog = nullptr;
    const bool ownDialog = random.bounded(2);
    if (ownDialog) {
        CommandButton* target = key(random.bounded(1, 7));
        target->changeUartSetting();
        dialog = target->uartSettingDialog();
    } else {
        // The panel's button works while the data is being changed, and at once.
        const LinkData* shown = m_window->dataManager()->getCheckedObject();
        key(shown->yId() > 1 ? shown->yId() + 11 : shown->xId())->changeData();
        QTest::mouseClick(child<QPushButton>(m_window, "commandRateDisplay"), Qt::LeftButton);
        dialog = m_window->uartDialog();
    }
    QVERIFY(dialog && dialog->isVisible());
    dialog->findChild<QComboBox*>("baudRateBox")->setCurrentIndex(random.bounded(8));
    dialog->findChild<QComboBox*>("parityBox")->setCurrentIndex(random.bounded(5));
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    if (!ownDialog) {
        QTest::keyClick(commandEdit(), Qt::Key_Escape);
    }
}

void TestUndoRedo::copyAndPaste(QRandomGenerator& random)
{
    const bool link = random.bounded(3) == 0;
    select(random.bounded(1, 7), link ? random.bounded(2, 6) : 1);
    action("actionCopy")->trigger();
    select(random.bounded(1, 7), link ? random.bounded(2, 6) : 1);
    action("actionPaste")->trigger();
}

void TestUndoRedo::loadFromDevice()
{
    bool done = false;
    // Unsaved work is asked about first; Discard goes on (the load is an undo step too).
    if (m_window->isWindowModified()) {
        answerNextModal({"QMessageBox"},
                        [](QWidget* box) { static_cast<QMessageBox*>(box)->button(QMessageBox::Discard)->click(); });
    }
    answerNextModal({"Question"}, [&done](QWidget* question) {
        static_cast<QDialog*>(question)->accept();
        answerNextModal({"completeDialog", "QMessageBox"}, [&done](QWidget* end) {
            done = true;
            QMetaObject::invokeMethod(end, "accept", Qt::QueuedConnection);
        });
    });
    action("actionLoad_Program_From_Device")->trigger();
    QVERIFY(QTest::qWaitFor([&done] { return done; }, 30000));
}

void TestUndoRedo::checkKeysShowRecords()
{
    const AppDataManager* data = m_window->dataManager();
    for (int number = 1; number <= 6; ++number) {
        QCOMPARE(key(number)->text(), data->getButtonName(number));
        UartData shown;
        UartData held;
        key(number)->getUartData(&shown);
        data->getDataObject(number, 1)->getUartData(&held);
        QVERIFY(shown == held);
    }
    if (const LinkData* record = data->getCheckedObject()) {
        QCOMPARE(commandEdit()->text().remove(' '), record->getCommand());
    }
}

void TestUndoRedo::randomRunUndoneAndRedone()
{
    const quint32 seed = qEnvironmentVariableIsSet("KVR_SEED") ? quint32(qEnvironmentVariableIntValue("KVR_SEED"))
                                                               : quint32(20261207);
    qInfo("seed %u (set KVR_SEED to repeat another)", seed);
    QRandomGenerator random(seed);

    // A device with a program of its own, and a file to start from.
    m_sim = new SimulatorProcess;
    {
        ProgramRecords device;
        device.newData(6, 5);
        QList<QByteArray> deviceRecords;
        for (const auto& [x, y] : deviceOrder()) {
            device.getDataObject(x, 1)->setCommand(QString("D%1").arg(x));
            deviceRecords << (y == 6 ? device.getButtonData(x)->encapsulationSecondLayer()
                                     : device.getDataObject(x, y)->encapsulation());
        }
        QVERIFY(m_sim->setStoredRecords(deviceRecords));
    }
    QVERIFY2(m_sim->start(), qPrintable(m_sim->errorString()));
    QVERIFY(connectWindowTo(m_window, m_sim->portName()));

    const QString start = writeProgramFile(m_dir.filePath("start.app"), "0A0B0C");
    QVERIFY(m_window->loadFile(start));

    // The records after each step that changed them; the saved one is marked.
    QList<QByteArray> states{records()};
    qsizetype saved = 0;
    const int steps = 200;
    for (int step = 0; step < steps; ++step) {
        const int kind = random.bounded(100);
        if (kind < 35) {
            select(random.bounded(1, 7), random.bounded(3) == 0 ? random.bounded(2, 6) : 1);
            changeData(random);
        } else if (kind < 55) {
            rename(random);
        } else if (kind < 75) {
            select(random.bounded(1, 7), random.bounded(2) ? random.bounded(2, 6) : 1);
            changeLineSettings(random);
        } else if (kind < 95) {
            copyAndPaste(random);
        } else {
            loadFromDevice();
        }
        if (QTest::currentTestFailed()) {
            QFAIL(qPrintable(QString("step %1 (kind %2) failed").arg(step).arg(kind)));
        }
        if (records() != states.last()) {
            states << records();
        }
        if (step == steps / 2) {
            QVERIFY(m_window->saveFile());
            saved = states.size() - 1;
        }
        QCOMPARE(m_window->isWindowModified(), states.size() - 1 != saved);
        QCOMPARE(m_window->document()->undoStack()->count(), states.size() - 1);
    }
    QVERIFY2(states.size() > 150, "most steps changed something");
    const QByteArray finalRecords = records();

    QUndoStack* stack = m_window->document()->undoStack();
    for (qsizetype index = states.size() - 2; index >= 0; --index) {
        action("actionUndo")->trigger();
        QCOMPARE(records(), states.at(index));
        QCOMPARE(m_window->isWindowModified(), index != saved);
        checkKeysShowRecords();
    }
    QVERIFY(!action("actionUndo")->isEnabled());
    QVERIFY(m_window->saveFile());
    QFile first(start);
    QVERIFY(first.open(QIODevice::ReadOnly));
    QCOMPARE(first.readAll(), states.first());

    for (qsizetype index = 1; index < states.size(); ++index) {
        QVERIFY(action("actionRedo")->text().startsWith("&Redo " + stack->text(int(index - 1))));
        action("actionRedo")->trigger();
        QCOMPARE(records(), states.at(index));
        QCOMPARE(m_window->isWindowModified(), index != 0);
        checkKeysShowRecords();
    }
    QCOMPARE(records(), finalRecords);
}

void TestUndoRedo::undoEndsAnOpenEditAndShowsWhereTheChangeWas()
{
    select(3, 4);
    key(15)->changeData();
    QTest::keyClicks(commandEdit(), "AB");
    QTest::keyClick(commandEdit(), Qt::Key_Return);
    QCOMPARE(action("actionUndo")->text(), QString("&Undo Change data of Key 3, link 15"));
    QVERIFY(m_window->isWindowModified());

    // Elsewhere, with an edit open: undo drops the edit and shows key 3, link 4 as it was.
    select(5, 1);
    key(5)->changeData();
    QTest::keyClicks(commandEdit(), "CD");
    action("actionUndo")->trigger();
    QVERIFY(child<QDialogButtonBox>(m_window, "buttonBox")->isEnabled() == false);
    QCOMPARE(m_window->dataManager()->getDataObject(5, 1)->getCommand(), QString());
    QCOMPARE(m_window->dataManager()->getDataObject(3, 4)->getCommand(), QString());
    QVERIFY(key(3)->isChecked());
    QVERIFY(key(15)->isChecked());
    QCOMPARE(commandEdit()->text().trimmed(), QString());
    QVERIFY(!m_window->isWindowModified());

    action("actionRedo")->trigger();
    QCOMPARE(m_window->dataManager()->getDataObject(3, 4)->getCommand(), QString("AB"));
    QCOMPARE(commandEdit()->text().trimmed(), QString("AB"));

    // New and Open start without steps.
    answerNextModal({"QMessageBox"},
                    [](QWidget* box) { static_cast<QMessageBox*>(box)->button(QMessageBox::Discard)->click(); });
    action("action_New")->trigger();
    QVERIFY(!action("actionUndo")->isEnabled());
    QVERIFY(!m_window->isWindowModified());
}

QTEST_MAIN(TestUndoRedo)
#include "tst_undoredo.moc"
