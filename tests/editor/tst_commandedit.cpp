// Typing into the real command fields: masks, gap closing, counters, Hex/ASCII.
#include "appdatamanager.h"
#include "diagnostics.h"
#include "windowtest.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

class TestCommandEdit : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typedHexIsGroupedAndCounted();
    void emptiedMiddleGroupCloses();
    void emptiedFirstGroupCloses();
    void singleDigitPairsAcrossTheGap();
    void typingAfterAClickIntoTheEmptyField();
    void deleteKeyClosesGapsToo();
    void clearingLeavesCounter();
    void hexAsciiRoundTrips();
    void oddDigitsAndByte7F();
    void asciiEditsOverRawBytes();
    void asciiCounterAndForeignCharacters();
    void sameFormatClickChangesNothing();
    void unknownFormatChangesNothing();
    void secondLayerField();
    void longStoredCommandIsCut();
    void fieldsWriteTheirDiagnostics();

private:
    void editKey(int number);
    void store() { child<QDialogButtonBox>(m_window, "buttonBox")->button(QDialogButtonBox::Ok)->click(); }
    void clickFormat(const char* box) { QTest::mouseClick(child<QCheckBox>(m_window, box), Qt::LeftButton); }
    void backspace(int times)
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(m_edit, Qt::Key_Backspace);
    }
    QString visible() const { return m_edit->text().trimmed(); }
    QString stored(int x, int y = 1) const { return m_window->dataManager()->getDataObject(x, y)->getCommand(); }

    AppMainWindow* m_window = nullptr;
    QLineEdit* m_edit = nullptr;
    QLineEdit* m_counter = nullptr;
};

void TestCommandEdit::init()
{
    m_window = new AppMainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_edit = child<QLineEdit>(m_window, "commandEdit");
    m_counter = child<QLineEdit>(m_window, "commandCounter");
}

void TestCommandEdit::cleanup()
{
    delete m_window;
}

void TestCommandEdit::editKey(int number)
{
    QTest::mouseClick(keyButton(m_window, number), Qt::LeftButton);
    keyButton(m_window, number)->changeData();
    QVERIFY(m_edit->isEnabled());
    QVERIFY(m_edit->hasFocus());
    QCOMPARE(m_edit->cursorPosition(), 0);
}

void TestCommandEdit::typedHexIsGroupedAndCounted()
{
    editKey(1);
    QTest::keyClicks(m_edit, "0d0aff");
    QCOMPARE(visible(), QString("0D  0A  FF"));
    QCOMPARE(m_counter->text(), QString("3"));
    // Characters that are not hex digits are refused by the mask, and the status bar says so.
    QTest::keyClicks(m_edit, "xyz!");
    QCOMPARE(visible(), QString("0D  0A  FF"));
    QVERIFY2(m_window->statusBar()->currentMessage().contains("hex digits"),
             qPrintable(m_window->statusBar()->currentMessage()));
    store();
    QCOMPARE(stored(1), QString("0D0AFF"));
}

void TestCommandEdit::emptiedMiddleGroupCloses()
{
    editKey(1);
    QTest::keyClicks(m_edit, "414243");
    m_edit->setCursorPosition(8); // the start of the third group
    backspace(2);
    QCOMPARE(visible(), QString("41  43"));
    QCOMPARE(m_edit->cursorPosition(), 4);
    QCOMPARE(m_counter->text(), QString("2"));
    store();
    QCOMPARE(stored(1), QString("4143"));
}

void TestCommandEdit::emptiedFirstGroupCloses()
{
    editKey(1);
    QTest::keyClicks(m_edit, "4142");
    m_edit->setCursorPosition(4);
    backspace(2);
    QCOMPARE(visible(), QString("42"));
    QCOMPARE(m_edit->cursorPosition(), 0);
    QCOMPARE(m_counter->text(), QString("1"));
}

void TestCommandEdit::singleDigitPairsAcrossTheGap()
{
    editKey(1);
    QTest::keyClicks(m_edit, "41420043");
    m_edit->setCursorPosition(8);
    backspace(1); // 41 4_ 00 43
    QCOMPARE(m_counter->text(), QString("3"));
    m_edit->setCursorPosition(12);
    backspace(2); // 41 4_ __ 43
    QCOMPARE(visible(), QString("41  44  3"));
    QCOMPARE(m_edit->cursorPosition(), 5); // behind the three digits before it
    QCOMPARE(m_counter->text(), QString("2"));
    store();
    QCOMPARE(stored(1), QString("41443"));
}

void TestCommandEdit::typingAfterAClickIntoTheEmptyField()
{
    // A click beyond the text puts the cursor in a later group; the bytes
    // typed there move to the front and typing goes on behind them.
    for (int start : {4, 20}) {
        m_window->dataManager()->getDataObject(1, 1)->setCommand(QString());
        editKey(1);
        m_edit->setCursorPosition(start);
        QTest::keyClicks(m_edit, "31323334");
        QCOMPARE(visible(), QString("31  32  33  34"));
        QCOMPARE(m_counter->text(), QString("4"));
        store();
        QCOMPARE(stored(1), QString("31323334"));
    }
}

void TestCommandEdit::deleteKeyClosesGapsToo()
{
    editKey(1);
    QTest::keyClicks(m_edit, "414243");
    m_edit->setCursorPosition(4);
    QTest::keyClick(m_edit, Qt::Key_Delete); // the cursor stays on the cleared digit
    QTest::keyClick(m_edit, Qt::Key_Right);
    QTest::keyClick(m_edit, Qt::Key_Delete);
    QCOMPARE(visible(), QString("41  43"));
    QCOMPARE(m_counter->text(), QString("2"));
}

void TestCommandEdit::clearingLeavesCounter()
{
    editKey(1);
    QTest::keyClicks(m_edit, "4142");
    QTest::keyClick(m_edit, Qt::Key_A, Qt::ControlModifier);
    backspace(1);
    QCOMPARE(visible(), QString());
    QCOMPARE(m_counter->text(), QString("2"));
    store();
    QCOMPARE(stored(1), QString());
    // Showing a stored empty command sets the counter to 0.
    QTest::mouseClick(keyButton(m_window, 1), Qt::LeftButton);
    QCOMPARE(m_counter->text(), QString("0"));
}

void TestCommandEdit::hexAsciiRoundTrips()
{
    editKey(2);
    QTest::keyClicks(m_edit, "480D0A2069FF");
    clickFormat("asciiCheckBox");
    QCOMPARE(visible(), QString("H . . . i ."));
    QCOMPARE(m_counter->text(), QString("6"));
    QVERIFY(m_edit->hasFocus());
    QCOMPARE(m_edit->cursorPosition(), 12);
    clickFormat("hexCheckBox");
    QCOMPARE(visible(), QString("48  0D  0A  20  69  FF"));
    QCOMPARE(m_counter->text(), QString("6"));
    QCOMPARE(m_edit->cursorPosition(), 24);
    // Stored from ASCII form, the hidden bytes survive as well.
    clickFormat("asciiCheckBox");
    store();
    QCOMPARE(stored(2), QString("480D0A2069FF"));

    // A field that only shows a command converts too, with the cursor at 0.
    QTest::mouseClick(keyButton(m_window, 2), Qt::LeftButton);
    QCOMPARE(visible(), QString("H . . . i ."));
    clickFormat("hexCheckBox");
    QCOMPARE(visible(), QString("48  0D  0A  20  69  FF"));
    QCOMPARE(m_edit->cursorPosition(), 0);
}

void TestCommandEdit::oddDigitsAndByte7F()
{
    editKey(3);
    QTest::keyClicks(m_edit, "414");
    QCOMPARE(m_counter->text(), QString("1"));
    clickFormat("asciiCheckBox");
    QCOMPARE(m_counter->text(), QString("2")); // the bytes 04 14
    clickFormat("hexCheckBox");
    QCOMPARE(visible(), QString("04  14"));
    store();
    QCOMPARE(stored(3), QString("0414"));

    // 0x7F is shown as "." so the characters after it stay on their bytes.
    m_window->dataManager()->getDataObject(3, 1)->setCommand("417F42");
    QTest::mouseClick(keyButton(m_window, 3), Qt::LeftButton);
    clickFormat("asciiCheckBox");
    QCOMPARE(visible(), QString("A . B"));
    keyButton(m_window, 3)->changeData();
    store();
    QCOMPARE(stored(3), QString("417F42"));
}

void TestCommandEdit::asciiEditsOverRawBytes()
{
    m_window->dataManager()->getDataObject(4, 1)->setCommand("410D4243");
    clickFormat("asciiCheckBox");
    editKey(4);
    QCOMPARE(visible(), QString("A . B C"));
    // "." typed over "A" keeps 0x41; "Z" typed over "." replaces 0x0D.
    QTest::keyClicks(m_edit, ".");
    m_edit->setCursorPosition(2);
    QTest::keyClicks(m_edit, "Z");
    // Deleting the last character does not shorten the command.
    m_edit->setCursorPosition(8);
    backspace(1);
    QCOMPARE(visible(), QString(". Z B"));
    store();
    QCOMPARE(stored(4), QString("415A4243"));
    // Typing past the end makes it longer.
    keyButton(m_window, 4)->changeData();
    m_edit->setCursorPosition(8);
    QTest::keyClicks(m_edit, "D!");
    store();
    QCOMPARE(stored(4), QString("415A42434421"));
}

void TestCommandEdit::asciiCounterAndForeignCharacters()
{
    clickFormat("asciiCheckBox");
    editKey(5);
    QTest::keyClicks(m_edit, "a b");
    QCOMPARE(m_counter->text(), QString("2")); // the typed blank is not kept
    // Characters beyond ASCII, typed as a keyboard would send them.
    for (const QString& text : {QString::fromUtf8("\u20ac"), QString::fromUtf8("\u00e9")}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        QApplication::sendEvent(m_edit, &press);
    }
    store();
    QCOMPARE(stored(5), QString("61623FE9"));
}

void TestCommandEdit::sameFormatClickChangesNothing()
{
    editKey(1);
    QTest::keyClicks(m_edit, "4142");
    clickFormat("hexCheckBox");
    QCOMPARE(visible(), QString("41  42"));
    clickFormat("asciiCheckBox");
    clickFormat("asciiCheckBox");
    QCOMPARE(visible(), QString("A B"));
    store();
    QCOMPARE(stored(1), QString("4142"));
}

void TestCommandEdit::unknownFormatChangesNothing()
{
    // Only Hex (1) and ASCII (2) are forms; another id must not leave the fields
    // in a form that neither box stands for.
    editKey(1);
    QTest::keyClicks(m_edit, "4142");
    m_window->processFormatChanged(3);
    QCOMPARE(visible(), QString("41  42"));
    clickFormat("asciiCheckBox");
    QCOMPARE(visible(), QString("A B"));
    QTest::keyClicks(m_edit, "C");
    QCOMPARE(m_counter->text(), QString("3"));
    store();
    QCOMPARE(stored(1), QString("414243"));
}

void TestCommandEdit::secondLayerField()
{
    editKey(6);
    auto* group = child<QGroupBox>(m_window, "secondLayerGroupBox");
    auto* second = child<QLineEdit>(m_window, "secondLayerEdit");
    QVERIFY(group->isEnabled());
    QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(12, 8)); // the group's check box
    QVERIFY(group->isChecked());
    QVERIFY(second->hasFocus());
    QTest::keyClicks(second, "31323334");
    second->setCursorPosition(12);
    QTest::keyClick(second, Qt::Key_Backspace);
    QTest::keyClick(second, Qt::Key_Backspace);
    QCOMPARE(second->text().trimmed(), QString("31  32  34"));
    QCOMPARE(child<QLineEdit>(m_window, "secondLayerCounter")->text(), QString("3"));
    // Switching the form moves the focus to the second field, converted too.
    clickFormat("asciiCheckBox");
    QCOMPARE(second->text().trimmed(), QString("1 2 4"));
    QVERIFY(second->hasFocus());
    store();
    auto* key = m_window->dataManager()->getButtonData(6);
    QCOMPARE(key->getSecondLayerCommand(), QString("313234"));
    QVERIFY(key->isSecondLayerEnabled());
}

void TestCommandEdit::longStoredCommandIsCut()
{
    m_window->dataManager()->getDataObject(1, 1)->setCommand(QString("AB").repeated(200));
    QTest::mouseClick(keyButton(m_window, 1), Qt::LeftButton);
    QCOMPARE(m_edit->text().remove(' ').size(), 256);
    QCOMPARE(m_counter->text(), QString("200"));
}

void TestCommandEdit::fieldsWriteTheirDiagnostics()
{
    // They are off unless asked for, as --verbose asks.
    Diagnostics::enable();
    editKey(1);
    QTest::ignoreMessage(QtDebugMsg, "strCount = 1");
    QTest::keyClicks(m_edit, "41");
    QTest::ignoreMessage(QtDebugMsg, "fomrt is 2");
    clickFormat("asciiCheckBox");
    QTest::keyClicks(m_edit, "B");
    QCOMPARE(visible(), QString("A B"));
    // Back to hex: each character merged, then the first four characters of the field.
    QTest::ignoreMessage(QtDebugMsg, "fomrt is 1");
    QTest::ignoreMessage(QtDebugMsg, "hexCharacter = 41");
    QTest::ignoreMessage(QtDebugMsg, "hexCharacter = 42");
    QTest::ignoreMessage(QtDebugMsg, "command edit 34,31,20,20");
    clickFormat("hexCheckBox");
    QCOMPARE(visible(), QString("41  42"));
}

QTEST_MAIN(TestCommandEdit)
#include "tst_commandedit.moc"
