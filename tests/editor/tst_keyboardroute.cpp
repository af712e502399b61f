// Working the keys without a mouse: the Key menu's entries and shortcuts, Tab and
// the arrows among the keys, Enter on a key, and the dialogs behind the entries.
#include "appdatamanager.h"
#include "windowtest.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTabBar>
#include <QtTest>

class TestKeyboardRoute : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keyMenuFollowsEditWithItsShortcuts();
    void entriesNeedAKeyAndRestWhileEditing();
    void tabEntersEachGroupAtItsSelectedKey();
    void arrowsSelectAsAClickDoes();
    void keyEditedRenamedAndRetunedByKeysOnly();
    void linkEditedRenamedAndRetunedByKeysOnly();
    void enterOnAFocusedKeyChangesItsDataAndGetsTheFocusBack();
    void focusedKeyIsDrawnDifferently();
    void panelsBaudRateButtonByKeys();

private:
    // Keys go where a keyboard sends them: to the widget with the focus.
    QWidget* focused() const { return QApplication::focusWidget() ? QApplication::focusWidget() : m_window; }
    void press(Qt::Key key) { QTest::keyClick(focused(), key); }
    void type(const QString& text) { QTest::keyClicks(focused(), text); }
    // Tabs on until `target` has the focus; false when a round of the window never reached it.
    bool tabTo(QWidget* target);
    // The modal dialog named `name` once it is up and has the focus.
    QWidget* dialogUp(const char* name);
    // What a window manager does when a dialog has closed; the test platform leaves no window active.
    bool backToTheWindow(const QPointer<QWidget>& dialog);
    QAction* entry(const char* name) const { return child<QAction>(m_window, name); }
    QString enabledEntries() const;
    UartData lineSettings(int x, int y) const;

    AppMainWindow* m_window = nullptr;
};

void TestKeyboardRoute::init()
{
    m_window = new AppMainWindow;
    m_window->show();
    // Without a window manager nothing activates a window that is shown.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestKeyboardRoute::cleanup()
{
    delete m_window;
}

bool TestKeyboardRoute::tabTo(QWidget* target)
{
    for (int i = 0; i < 100 && QApplication::focusWidget() != target; ++i) {
        press(Qt::Key_Tab);
    }
    return QApplication::focusWidget() == target;
}

QWidget* TestKeyboardRoute::dialogUp(const char* name)
{
    QWidget* modal = nullptr;
    const bool up = QTest::qWaitFor([&] {
        modal = QApplication::activeModalWidget();
        return modal && modal->objectName() == QLatin1String(name) && modal->isVisible() && QApplication::focusWidget()
            && QApplication::focusWidget()->window() == modal;
    });
    return up ? modal : nullptr;
}

bool TestKeyboardRoute::backToTheWindow(const QPointer<QWidget>& dialog)
{
    // A rename dialog goes when it closes.
    if (!QTest::qWaitFor([&dialog] { return !dialog || !dialog->isVisible(); })) {
        return false;
    }
    m_window->activateWindow();
    return QTest::qWaitForWindowActive(m_window);
}

QString TestKeyboardRoute::enabledEntries() const
{
    QString s;
    for (const char* name : {"actionChange_Button_Name", "actionChange_Data", "actionChange_Baud_Rate"}) {
        s += entry(name)->isEnabled() ? QChar('+') : QChar('-');
    }
    return s;
}

UartData TestKeyboardRoute::lineSettings(int x, int y) const
{
    UartData uart;
    m_window->dataManager()->getDataObject(x, y)->getUartData(&uart);
    return uart;
}

void TestKeyboardRoute::keyMenuFollowsEditWithItsShortcuts()
{
    auto* menu = child<QMenu>(m_window, "menuKey");
    QVERIFY(menu);
    const QList<QAction*> bar = m_window->menuBar()->actions();
    const int key = bar.indexOf(menu->menuAction());
    QVERIFY(key >= 0);
    QCOMPARE(bar.value(key - 1), child<QMenu>(m_window, "menu_Edit")->menuAction());
    QCOMPARE(bar.value(key + 1), child<QMenu>(m_window, "menuSetting")->menuAction());

    // The texts and order of a key's own menu, then Try Command and the Command Library,
    // each with its own key.
    QStringList texts;
    QList<QKeySequence> shortcuts;
    for (QAction* action : menu->actions()) {
        texts << action->text();
        shortcuts << action->shortcut();
    }
    QCOMPARE(texts,
             QStringList({"Change Button &Name", "Change &Data", "Change &Baud Rate", "&Try Command...",
                          "Command &Library..."}));
    QCOMPARE(shortcuts,
             QList<QKeySequence>({QKeySequence(Qt::Key_F2), QKeySequence(Qt::Key_F4), QKeySequence(Qt::Key_F6),
                                  QKeySequence(Qt::CTRL | Qt::Key_T), QKeySequence(Qt::CTRL | Qt::Key_L)}));
    // None of them is taken by another entry of the window.
    for (QAction* other : m_window->findChildren<QAction*>()) {
        if (!menu->actions().contains(other) && !other->shortcut().isEmpty()) {
            QVERIFY2(!shortcuts.contains(other->shortcut()), qPrintable(other->text()));
        }
    }
}

void TestKeyboardRoute::entriesNeedAKeyAndRestWhileEditing()
{
    QCOMPARE(enabledEntries(), QString("---"));
    // A shortcut with nothing selected does nothing.
    press(Qt::Key_F4);
    QVERIFY(!child<QLineEdit>(m_window, "commandEdit")->isEnabled());

    QVERIFY(tabTo(keyButton(m_window, 1)));
    press(Qt::Key_Space);
    QCOMPARE(m_window->dataManager()->getCheckedObject(), m_window->dataManager()->getDataObject(1, 1));
    QCOMPARE(enabledEntries(), QString("+++"));

    press(Qt::Key_F4);
    QVERIFY(child<QLineEdit>(m_window, "commandEdit")->hasFocus());
    QCOMPARE(enabledEntries(), QString("---"));
    press(Qt::Key_Escape);
    QCOMPARE(enabledEntries(), QString("+++"));

    // New clears the selection, and with it the entries.
    m_window->newFile();
    QCOMPARE(enabledEntries(), QString("---"));
}

void TestKeyboardRoute::tabEntersEachGroupAtItsSelectedKey()
{
    auto* keysBar = child<QWidget>(m_window, "buttonsTab")->findChild<QTabBar*>();
    QVERIFY(tabTo(keysBar));
    // Nothing selected: the keys are entered at the first one, whatever order the form made them in.
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), keyButton(m_window, 1));
    // The keys are one stop: the next Tab leaves them for the Links tab.
    press(Qt::Key_Tab);
    QVERIFY(!qobject_cast<CommandButton*>(QApplication::focusWidget()));

    // Key 5 becomes selected while the focus is elsewhere: Tab comes back to key 5.
    keyButton(m_window, 5)->click();
    QVERIFY(tabTo(keysBar));
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), keyButton(m_window, 5));

    // On to the link keys, entered at the first, then at the selected link; Shift+Tab the same.
    QVERIFY(tabTo(keyButton(m_window, 13)));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QCOMPARE(m_window->dataManager()->getCheckedObject(), m_window->dataManager()->getDataObject(5, 4));
    press(Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), keyButton(m_window, 15));
}

void TestKeyboardRoute::arrowsSelectAsAClickDoes()
{
    AppDataManager* data = m_window->dataManager();
    data->getDataObject(2, 1)->setCommand("2222");
    data->getDataObject(6, 1)->setCommand("6666");
    data->getDataObject(6, 3)->setCommand("6363");
    auto* field = child<QLineEdit>(m_window, "commandEdit");

    // Key 1 has the focus but is not selected: the first arrow selects too.
    QVERIFY(tabTo(keyButton(m_window, 1)));
    press(Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), keyButton(m_window, 2));
    QCOMPARE(data->getCheckedObject(), data->getDataObject(2, 1));
    QCOMPARE(field->text().remove(' '), QString("2222"));

    // Key 6 sits right of key 2; left of key 2 there is nothing, so nothing changes.
    press(Qt::Key_Right);
    QCOMPARE(data->getCheckedObject(), data->getDataObject(6, 1));
    QCOMPARE(field->text().remove(' '), QString("6666"));
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    QCOMPARE(data->getCheckedObject(), data->getDataObject(2, 1));
    QCOMPARE(QApplication::focusWidget(), keyButton(m_window, 2));

    // Among the link keys the arrows select links of the selected key.
    press(Qt::Key_Right);
    QVERIFY(tabTo(keyButton(m_window, 13)));
    press(Qt::Key_Down);
    QCOMPARE(data->getCheckedObject(), data->getDataObject(6, 3));
    QCOMPARE(field->text().remove(' '), QString("6363"));
    // The disabled keys 07 to 12 are never reached.
    for (int i = 0; i < 4; ++i) {
        press(Qt::Key_Right);
    }
    QCOMPARE(data->getCheckedObject(), data->getDataObject(6, 3));
}

void TestKeyboardRoute::keyEditedRenamedAndRetunedByKeysOnly()
{
    AppDataManager* data = m_window->dataManager();
    const UartData before = lineSettings(3, 1);
    QCOMPARE(before.baudRate, BaudRate9600);

    QVERIFY(tabTo(keyButton(m_window, 1)));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QCOMPARE(data->getCheckedObject(), data->getDataObject(3, 1));

    press(Qt::Key_F4);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(m_window, "commandEdit"));
    type("0a0b0c");
    press(Qt::Key_Return);
    QCOMPARE(data->getDataObject(3, 1)->getCommand(), QString("0A0B0C"));
    QVERIFY(m_window->isWindowModified());

    press(Qt::Key_F2);
    QPointer<QWidget> name = dialogUp("NameDialog");
    QVERIFY(name);
    type("Pump on");
    press(Qt::Key_Return);
    QVERIFY(backToTheWindow(name));
    QCOMPARE(keyButton(m_window, 3)->text(), QString("Pump on"));
    QCOMPARE(data->getButtonName(3), QString("Pump on"));

    press(Qt::Key_F6);
    QWidget* settings = dialogUp("UartSettingBox");
    QVERIFY(settings);
    // The baud rate box has the focus; two steps down from 9600.
    QCOMPARE(QApplication::focusWidget(), settings->findChild<QComboBox*>("baudRateBox"));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QVERIFY(backToTheWindow(settings));
    const UartData after = lineSettings(3, 1);
    QCOMPARE(int(after.baudRate), int(BaudRate9600) + 2);
    QCOMPARE(after.parity, before.parity);
    QCOMPARE(after.stopBits, before.stopBits);
    QCOMPARE(child<QPushButton>(m_window, "commandRateDisplay")->text(), data->displayFirstLayerBaudRate());
    // Only key 3 was touched.
    QCOMPARE(lineSettings(2, 1).baudRate, BaudRate9600);
    QCOMPARE(data->getDataObject(2, 1)->getCommand(), QString());
}

void TestKeyboardRoute::linkEditedRenamedAndRetunedByKeysOnly()
{
    AppDataManager* data = m_window->dataManager();
    QVERIFY(tabTo(keyButton(m_window, 1)));
    for (int i = 0; i < 3; ++i) {
        press(Qt::Key_Down);
    }
    QVERIFY(tabTo(keyButton(m_window, 13)));
    press(Qt::Key_Down);
    QCOMPARE(data->getCheckedObject(), data->getDataObject(4, 3));

    press(Qt::Key_F4);
    type("4433");
    press(Qt::Key_Enter);
    QCOMPARE(data->getDataObject(4, 3)->getCommand(), QString("4433"));
    // A link has no second layer: the key's own record is as it was.
    QCOMPARE(data->getDataObject(4, 1)->getCommand(), QString());

    press(Qt::Key_F2);
    QPointer<QWidget> name = dialogUp("NameDialog");
    QVERIFY(name);
    type("Valve");
    press(Qt::Key_Return);
    QVERIFY(backToTheWindow(name));
    QCOMPARE(keyButton(m_window, 14)->text(), QString("Valve"));
    QCOMPARE(data->getDataObject(4, 3)->getLinkName(), QString("Valve"));
    QVERIFY(data->getButtonName(4) != QString("Valve"));

    press(Qt::Key_F6);
    QWidget* settings = dialogUp("UartSettingBox");
    QVERIFY(settings);
    press(Qt::Key_Up);
    press(Qt::Key_Return);
    QVERIFY(backToTheWindow(settings));
    QCOMPARE(int(lineSettings(4, 3).baudRate), int(BaudRate9600) - 1);
    QCOMPARE(lineSettings(4, 1).baudRate, BaudRate9600);

    // Escape in the dialog changes nothing.
    press(Qt::Key_F6);
    settings = dialogUp("UartSettingBox");
    QVERIFY(settings);
    press(Qt::Key_Down);
    press(Qt::Key_Escape);
    QVERIFY(backToTheWindow(settings));
    QCOMPARE(int(lineSettings(4, 3).baudRate), int(BaudRate9600) - 1);
}

void TestKeyboardRoute::enterOnAFocusedKeyChangesItsDataAndGetsTheFocusBack()
{
    AppDataManager* data = m_window->dataManager();
    // Enter on a key that has the focus, selected or not, edits that key.
    QVERIFY(tabTo(keyButton(m_window, 1)));
    QVERIFY(!keyButton(m_window, 1)->isChecked());
    press(Qt::Key_Return);
    QCOMPARE(data->getCheckedObject(), data->getDataObject(1, 1));
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(m_window, "commandEdit"));
    type("55");
    // Enter in the field is Ok, as before.
    press(Qt::Key_Enter);
    QCOMPARE(data->getDataObject(1, 1)->getCommand(), QString("55"));
    QVERIFY(!child<QLineEdit>(m_window, "commandEdit")->isEnabled());

    // The focus is back on the key, so the arrows go on from there; Escape ends an edit the same way.
    QCOMPARE(QApplication::focusWidget(), keyButton(m_window, 1));
    press(Qt::Key_Down);
    press(Qt::Key_F4);
    press(Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), keyButton(m_window, 2));
    QCOMPARE(data->getCheckedObject(), data->getDataObject(2, 1));
    QCOMPARE(data->getDataObject(2, 1)->getCommand(), QString());
}

void TestKeyboardRoute::focusedKeyIsDrawnDifferently()
{
    CommandButton* key = keyButton(m_window, 2);
    key->setText("Same");
    child<QWidget>(m_window, "commandEdit")->setFocus();
    const QImage plain = key->grab().toImage();
    // However the focus came, it shows: here it comes from the program, not from Tab.
    key->setFocus(Qt::OtherFocusReason);
    QVERIFY(key->hasFocus());
    QVERIFY(key->grab().toImage() != plain);
}

void TestKeyboardRoute::panelsBaudRateButtonByKeys()
{
    QVERIFY(tabTo(keyButton(m_window, 1)));
    press(Qt::Key_Space);
    press(Qt::Key_F4);
    // The panel's button beside Baud Rate, reached with Tab while the data is edited.
    QVERIFY(tabTo(child<QWidget>(m_window, "commandRateDisplay")));
    press(Qt::Key_Space);
    QWidget* settings = dialogUp("UartSettingBox");
    QVERIFY(settings);
    QCOMPARE(QApplication::focusWidget(), settings->findChild<QComboBox*>("baudRateBox"));
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QVERIFY(backToTheWindow(settings));
    QCOMPARE(int(lineSettings(1, 1).baudRate), int(BaudRate9600) + 1);
}

QTEST_MAIN(TestKeyboardRoute)
#include "tst_keyboardroute.moc"
