// The window as it starts, its forms, the keys' menus and dialogs, help and version.
#include "appdatamanager.h"
#include "appmainwindow.h"
#include "commandbutton.h"
#include "kvr210c_version.h"
#include "testrecords.h"
#include "windowtest.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startUpState();
    void menusAndShortcuts();
    void lineSettingsFormsDiffer();
    void keyMenuOpensOnRightPressOnly();
    void keyMenuEscapeChangesNothing();
    void renameDialogReportsTypedName();
    void keyLineSettingsDialog();
    void pictureFollowsKey();
    void pictureLooksAsAPlainLabelWould();
    void helpShowsEightPagesInOrder();
    void helpOpensWithF1();
    void keyDialogsBuiltWhenFirstOpened();
    void versionBox();
    void keyboardMenuKeyOpensNothing();
    void keyMenuHoldsOnlyItsFlaggedEntries();
    void renamingAnotherKeyLeavesThePanel();
    void editEndedWithoutStoring_data();
    void editEndedWithoutStoring();
    void helpAgainStartsAtTheTop();
    void quitShortcutClosesTheWindow();

private:
    CommandButton* key(int number) const
    {
        return m_window->findChild<CommandButton*>(QString("button%1").arg(number, 2, 10, QChar('0')));
    }
    template <typename T> T* widget(const char* name) const { return m_window->findChild<T*>(name); }
    QAction* action(const char* name) const { return m_window->findChild<QAction*>(name); }
    // Runs `check` on the popup menu once it is open, then closes it with Escape.
    void onMenu(std::function<void(QMenu*)> check);
    // Chooses the entry with this text from the popup menu once it is open.
    void chooseFromMenu(const QString& entry);
    // Every stored field of every record, to see whether anything changed.
    QString records() const;

    AppMainWindow* m_window = nullptr;
};

void TestMainWindow::init()
{
    m_window = new AppMainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestMainWindow::cleanup()
{
    delete m_window;
}

void TestMainWindow::onMenu(std::function<void(QMenu*)> check)
{
    QTimer::singleShot(50, [check] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        check(menu);
        if (menu) {
            QTest::keyClick(menu, Qt::Key_Escape);
        }
    });
}

void TestMainWindow::startUpState()
{
    QCOMPARE(shownTitle(m_window), QString("KVR210C"));
    QCOMPARE(m_window->objectName(), QString("MainWindow"));
    for (int n = 1; n <= 24; ++n) {
        CommandButton* k = key(n);
        QVERIFY2(k, qPrintable(QString::number(n)));
        QCOMPARE(k->text(), QString("Empty"));
        QVERIFY(!k->isChecked());
        QVERIFY(k->isCheckable());
        const bool hasRecord = n <= 6 || (n >= 13 && n <= 16);
        // The Links tab is disabled as a whole; each key's own state is the form's.
        QCOMPARE(!k->testAttribute(Qt::WA_ForceDisabled), hasRecord);
    }
    QVERIFY(!widget<QTabWidget>("linksTab")->isEnabled());
    QVERIFY(widget<QTabWidget>("buttonsTab")->isEnabled());
    QVERIFY(widget<QGroupBox>("commandGroupBox")->isEnabled());
    QVERIFY(!widget<QLineEdit>("commandEdit")->isEnabled());
    QVERIFY(!widget<QLineEdit>("commandCounter")->isEnabled());
    QVERIFY(!widget<QPushButton>("commandRateDisplay")->isEnabled());
    QVERIFY(!widget<QSpinBox>("delayTimeBox")->isEnabled());
    QVERIFY(!widget<QGroupBox>("secondLayerGroupBox")->isEnabled());
    QVERIFY(!widget<QDialogButtonBox>("buttonBox")->isEnabled());
    QVERIFY(widget<QCheckBox>("hexCheckBox")->isChecked());
    QVERIFY(!widget<QCheckBox>("asciiCheckBox")->isChecked());
    QVERIFY(!action("actionLoad_Program_From_Device")->isEnabled());
    QVERIFY(!action("actionLoad_Program_To_Device")->isEnabled());
    QVERIFY(m_window->currentFile().isEmpty());
    QVERIFY(!m_window->isConnected());
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(!widget<QLabel>("productionImage")->pixmap().isNull());
    // The RX/UP and macro panels are inert.
    QVERIFY(!widget<QGroupBox>("rxGroup")->isEnabled());
    QCOMPARE(widget<QComboBox>("comboBox_3")->count(), 0);
}

void TestMainWindow::menusAndShortcuts()
{
    const QList<QPair<const char*, QString>> texts = {{"action_New", "&New"},
                                                      {"action_Open", "&Open"},
                                                      {"action_Save", "&Save"},
                                                      {"actionSave_As", "S&ave As"},
                                                      {"actionCompare_With_File", "Co&mpare With File..."},
                                                      {"actionExport_Sheet", "Export S&heet..."},
                                                      {"actionImport_JSON", "&Import JSON..."},
                                                      {"actionExport_JSON", "&Export JSON..."},
                                                      {"actionUndo", "&Undo"},
                                                      {"actionRedo", "&Redo"},
                                                      {"action_Close", "&Close"},
                                                      {"action_Load_Device", "&Load Device"},
                                                      {"actionCOM_Port_Setting", "COM Port Setting"},
                                                      {"actionLoad_Program_From_Device", "Load Program From Device"},
                                                      {"actionLoad_Program_To_Device", "Load Program To Device"},
                                                      {"actionContents", "Contents"},
                                                      {"actionVersion", "Version"}};
    for (const auto& [name, text] : texts) {
        QVERIFY2(action(name), name);
        QCOMPARE(action(name)->text(), text);
    }
    QCOMPARE(action("action_New")->shortcut(), QKeySequence(QKeySequence::New));
    QCOMPARE(action("action_Save")->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(action("actionSave_As")->shortcut(), QKeySequence("Ctrl+Shift+S"));
    QCOMPARE(action("action_Close")->shortcut(), QKeySequence(QKeySequence::Quit));
    QVERIFY(action("action_Load_Device")->shortcut().isEmpty());
    QCOMPARE(widget<QMenu>("menu_File")->title(), QString("&File"));
    // The entries that read or write another form sit after a separator, before Close.
    const QList<QAction*> file = widget<QMenu>("menu_File")->actions();
    const qsizetype close = file.indexOf(action("action_Close"));
    QVERIFY(close >= 5);
    QVERIFY(file.at(close - 5)->isSeparator());
    QCOMPARE(file.at(close - 4), action("actionImport_JSON"));
    QCOMPARE(file.at(close - 3), action("actionExport_JSON"));
    QCOMPARE(file.at(close - 2), action("actionCompare_With_File"));
    QCOMPARE(file.at(close - 1), action("actionExport_Sheet"));
    // The Edit menu comes second, with the standard keys.
    QCOMPARE(m_window->menuBar()->actions().at(1), widget<QMenu>("menu_Edit")->menuAction());
    QCOMPARE(action("actionUndo")->shortcut(), QKeySequence(QKeySequence::Undo));
    QCOMPARE(action("actionRedo")->shortcut(), QKeySequence(QKeySequence::Redo));
    QCOMPARE(action("actionCopy")->shortcut(), QKeySequence(QKeySequence::Copy));
    QCOMPARE(action("actionPaste")->shortcut(), QKeySequence(QKeySequence::Paste));
    QCOMPARE(widget<QMenu>("menuSetting")->title(), QString("&Setting"));
    QCOMPARE(widget<QGroupBox>("rxGroup")->findChild<QLabel*>("label_26")->text(), QString("Bard Rate"));
    QCOMPARE(widget<QGroupBox>("horizontalGroupBox")->title(), QString("Marco Setting"));

    // Open and Save As start with the editor's own files.
    for (const char* name : {"action_Open", "actionSave_As"}) {
        QString filter;
        answerNextModal({"QFileDialog"}, [&filter](QWidget* modal) {
            filter = static_cast<QFileDialog*>(modal)->selectedNameFilter();
            static_cast<QDialog*>(modal)->reject();
        });
        action(name)->trigger();
        QCOMPARE(filter, QString("Configuration files (*.app)"));
    }
}

static QStringList items(const QComboBox* box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i) {
        list << box->itemText(i);
    }
    return list;
}

void TestMainWindow::lineSettingsFormsDiffer()
{
    // The panel's line-settings dialog follows the record's enumerations...
    QDialog* panel = m_window->uartDialog();
    QCOMPARE(items(panel->findChild<QComboBox*>("baudRateBox")),
             QStringList({"2400", "4800", "9600", "14400", "19200", "28800", "38400", "115200"}));
    QCOMPARE(items(panel->findChild<QComboBox*>("parityBox")), QStringList({"None", "Odd", "Even", "SPACE", "MARK"}));
    QVERIFY(!panel->findChild<QComboBox*>("dataBitsBox")->isEnabled());
    // ...the PC port's has 57600 and MARK before SPACE, fixed at 9600 8N1.
    QDialog* com = m_window->comDialog();
    QCOMPARE(com->windowTitle(), QString("COM Port Setting"));
    auto* comBaud = com->findChild<QComboBox*>("baudRateBox");
    QCOMPARE(items(comBaud), QStringList({"2400", "4800", "9600", "14400", "19200", "38400", "57600", "115200"}));
    QCOMPARE(items(com->findChild<QComboBox*>("parityBox")), QStringList({"None", "Odd", "Even", "MARK", "SPACE"}));
    QCOMPARE(comBaud->currentText(), QString("9600"));
    QCOMPARE(com->findChild<QComboBox*>("dataBitsBox")->currentText(), QString("8"));
    QCOMPARE(com->findChild<QComboBox*>("parityBox")->currentText(), QString("None"));
    QCOMPARE(com->findChild<QComboBox*>("stopBitsBox")->currentText(), QString("1"));
    QVERIFY(!comBaud->isEnabled());
    QVERIFY(com->findChild<QComboBox*>("portBox")->isEnabled());
    QVERIFY(com->findChild<QComboBox*>("portBox")->isEditable());

    // Building the form again keeps one copy of each list.
    Ui_UartSettingBox form;
    QDialog dialog;
    form.setupUi(&dialog);
    form.retranslateUi(&dialog);
    QCOMPARE(form.baudRateBox->count(), 8);
    QCOMPARE(form.stopBitsBox->count(), 2);
    QCOMPARE(dialog.windowTitle(), QString("UART Setting"));
}

void TestMainWindow::keyMenuOpensOnRightPressOnly()
{
    QStringList entries;
    onMenu([&entries](QMenu* menu) {
        if (menu) {
            for (QAction* a : menu->actions()) {
                entries << a->text();
            }
        }
    });
    QTest::mousePress(key(2), Qt::RightButton);
    QCOMPARE(entries, QStringList({"Change Button &Name", "Change &Data", "Change &Baud Rate"}));
    QTest::mouseRelease(key(2), Qt::RightButton);
    QVERIFY(!key(2)->menu()); // detached again

    // A left click selects the key and opens nothing.
    QTest::mouseClick(key(2), Qt::LeftButton);
    QVERIFY(!QApplication::activePopupWidget());
    QVERIFY(key(2)->isChecked());

    // A disabled key opens nothing, also when the press reaches its filter.
    bool opened = false;
    onMenu([&opened](QMenu* menu) { opened = menu != nullptr; });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), key(9)->mapToGlobal(QPointF(5, 5)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(key(9), &press);
    QVERIFY(waitForDeferredWork()); // the menu's check has run
    QVERIFY(!opened);
}

void TestMainWindow::keyMenuEscapeChangesNothing()
{
    QTest::mouseClick(key(1), Qt::LeftButton);
    const QString command = widget<QLineEdit>("commandEdit")->text();
    onMenu([](QMenu*) {});
    QTest::mousePress(key(3), Qt::RightButton);
    QTest::mouseRelease(key(3), Qt::RightButton);
    QVERIFY(key(1)->isChecked());
    QVERIFY(!key(3)->isChecked());
    QCOMPARE(m_window->dataManager()->getCheckedObject(), m_window->dataManager()->getDataObject(1, 1));
    QCOMPARE(widget<QLineEdit>("commandEdit")->text(), command);
    QVERIFY(!widget<QTabWidget>("buttonsTab")->isHidden());
}

void TestMainWindow::renameDialogReportsTypedName()
{
    QSignalSpy spy(key(3), &CommandButton::requestChangeName);
    key(3)->changeButtonName();
    QVERIFY(key(3)->isChecked());
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString("Dialog"));
    auto* edit = dialog->findChild<QLineEdit*>("buttonNameEdit");
    QVERIFY(edit->text().isEmpty());
    QTest::keyClicks(edit, "Pump 1");
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<CommandButton*>(), key(3));
    QCOMPARE(spy.at(0).at(1).toString(), QString("Pump 1"));
    QCOMPARE(key(3)->text(), QString("Pump 1"));
    QCOMPARE(m_window->dataManager()->getButtonName(3), QString("Pump 1"));

    // Cancel emits nothing; an empty name is a name too.
    key(3)->changeButtonName();
    dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(spy.count(), 1);
    key(3)->changeButtonName();
    dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(key(3)->text(), QString());
    QCOMPARE(m_window->dataManager()->getButtonName(3), QString());

    // A link key renames the link record of the selected key.
    QTest::mouseClick(key(2), Qt::LeftButton);
    key(14)->changeButtonName();
    dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QTest::keyClicks(dialog->findChild<QLineEdit*>("buttonNameEdit"), "Valve");
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(m_window->dataManager()->getDataObject(2, 3)->getLinkName(), QString("Valve"));
    QCOMPARE(m_window->dataManager()->getButtonName(2), QString("Empty"));
}

void TestMainWindow::keyLineSettingsDialog()
{
    QSignalSpy spy(key(4), &CommandButton::requestChangeUart);
    key(4)->changeUartSetting();
    QDialog* dialog = key(4)->uartSettingDialog();
    QVERIFY(dialog->isVisible());
    QVERIFY(key(4)->isChecked());
    auto* baud = dialog->findChild<QComboBox*>("baudRateBox");
    auto* parity = dialog->findChild<QComboBox*>("parityBox");
    QCOMPARE(baud->currentText(), QString("9600"));
    QVERIFY(!dialog->findChild<QComboBox*>("dataBitsBox")->isEnabled());
    baud->setCurrentIndex(baud->findText("19200"));
    parity->setCurrentIndex(parity->findText("Even"));
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(spy.count(), 1);
    UartData u;
    key(4)->getUartData(&u);
    QCOMPARE(u.baudRate, BaudRate19200);
    QCOMPARE(u.parity, ParityEven);
    m_window->dataManager()->getDataObject(4, 1)->getUartData(&u);
    QCOMPARE(u.baudRate, BaudRate19200);
    QCOMPARE(u.parity, ParityEven);
    // The panel shows the key that was changed.
    QCOMPARE(widget<QPushButton>("commandRateDisplay")->text(), QString("19200,8-E-1"));

    // A cancelled change is not shown the next time.
    key(4)->changeUartSetting();
    baud->setCurrentIndex(0);
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
    key(4)->changeUartSetting();
    QCOMPARE(baud->currentText(), QString("19200"));
    dialog->reject();
    QCOMPARE(spy.count(), 1);
}

void TestMainWindow::pictureFollowsKey()
{
    auto* picture = widget<QLabel>("productionImage");
    const QImage main = QImage(":/images/KVR210C-Main.png");
    for (int id = 0; id <= 9; ++id) {
        m_window->changeProductionImage(id);
        const QString expected = id >= 1 && id <= 6 ? QString(":/images/KVR210C-sw%1.png").arg(id)
                                                    : QString(":/images/KVR210C-Main.png");
        QCOMPARE(picture->pixmap().toImage(), QPixmap(expected).toImage());
    }
    m_window->changeProductionImage(-3);
    QCOMPARE(picture->pixmap().toImage(), QPixmap(":/images/KVR210C-Main.png").toImage());
    QTest::mouseClick(key(5), Qt::LeftButton);
    QCOMPARE(picture->pixmap().toImage(), QPixmap(":/images/KVR210C-sw5.png").toImage());
    QVERIFY(picture->pixmap().toImage() != main);
}

void TestMainWindow::pictureLooksAsAPlainLabelWould()
{
    // The drawing is painted without QLabel's kept scaled copy, and must look the same:
    // scaled into the frame, at start-up, after a change of picture and greyed out.
    auto* picture = widget<QLabel>("productionImage");
    QVERIFY(picture->hasScaledContents());
    QVERIFY(picture->size() != picture->pixmap().size());
    auto plainLabelImage = [picture] {
        QLabel plain;
        plain.setScaledContents(true);
        plain.setAlignment(picture->alignment());
        plain.setPixmap(picture->pixmap());
        plain.setEnabled(picture->isEnabled());
        plain.resize(picture->size());
        return plain.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    // The picture fills the label, so the background each is grabbed on does not show.
    auto shown = [picture] { return picture->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    QCOMPARE(shown(), plainLabelImage());
    QTest::mouseClick(key(5), Qt::LeftButton);
    const QImage keyFive = shown();
    QCOMPARE(keyFive, plainLabelImage());
    picture->setEnabled(false);
    QCOMPARE(shown(), plainLabelImage());
    QVERIFY(shown() != keyFive);
}

void TestMainWindow::helpShowsEightPagesInOrder()
{
    action("actionContents")->trigger();
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString("Help"));
    QCOMPARE(dialog->parentWidget(), m_window);
    auto* layout = dialog->findChild<QWidget*>("scrollAreaWidgetContents")->layout();
    QCOMPARE(layout->count(), 8);
    for (int page = 1; page <= 8; ++page) {
        auto* label = qobject_cast<QLabel*>(layout->itemAt(page - 1)->widget());
        QVERIFY(label);
        QCOMPARE(label->pixmap().toImage(), QPixmap(QString(":/images/help_%1.png").arg(page)).toImage());
    }
    QCOMPARE(dialog->findChild<QScrollArea*>("scrollArea")->verticalScrollBar()->value(), 0);
    dialog->close();
}

void TestMainWindow::helpOpensWithF1()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keyClick(m_window, Qt::Key_F1);
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString("Help"));
    dialog->close();
}

void TestMainWindow::keyDialogsBuiltWhenFirstOpened()
{
    // Start-up builds no dialog and no key menu; each is made when first asked for, once.
    QVERIFY(m_window->findChildren<QDialog*>().isEmpty());
    for (int n = 1; n <= 24; ++n) {
        QVERIFY(key(n)->findChildren<QMenu*>().isEmpty());
    }
    QDialog* com = m_window->comDialog();
    QDialog* panel = m_window->uartDialog();
    QVERIFY(com && panel && com != panel);
    QCOMPARE(m_window->comDialog(), com);
    QCOMPARE(m_window->uartDialog(), panel);
    QCOMPARE(m_window->findChildren<QDialog*>().size(), 2);
    for (int n = 1; n <= 24; ++n) {
        QMenu* menu = key(n)->actionMenu();
        QCOMPARE(menu->actions().size(), 3);
        QCOMPARE(key(n)->actionMenu(), menu);
        QVERIFY(!key(n)->uartSettingDialog());
    }
    key(3)->changeUartSetting();
    QDialog* dialog = key(3)->uartSettingDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->parentWidget(), key(3));
    QVERIFY(!dialog->windowIcon().isNull());
    dialog->reject();
    // Built once, then reused.
    key(3)->changeUartSetting();
    QCOMPARE(key(3)->uartSettingDialog(), dialog);
    dialog->reject();
    QVERIFY(!key(4)->uartSettingDialog());
}

void TestMainWindow::versionBox()
{
    QString title;
    QString text;
    answerNextModal({"QMessageBox"}, [&](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    action("actionVersion")->trigger();
    QCOMPARE(title, QString("KVR210C control client"));
    QCOMPARE(text, QString("Version " KVR_VERSION));
}

void TestMainWindow::chooseFromMenu(const QString& entry)
{
    QTimer::singleShot(50, [entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            return;
        }
        for (QAction* a : menu->actions()) {
            if (QString(a->text()).remove('&') == entry) {
                menu->setActiveAction(a);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        QTest::keyClick(menu, Qt::Key_Escape);
    });
}

QString TestMainWindow::records() const
{
    QString out;
    const AppDataManager* data = m_window->dataManager();
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            const LinkData* r = data->getDataObject(x, y);
            UartData u;
            r->getUartData(&u);
            out += QString("%1,%2 %3 %4 %5")
                       .arg(x)
                       .arg(y)
                       .arg(r->getCommand())
                       .arg(r->getDelayTime())
                       .arg(AppDataManager::uartString(&u));
            if (y == 1) {
                const ButtonData* b = data->getButtonData(x);
                out += QString(" %1 %2 %3")
                           .arg(b->getSecondLayerCommand())
                           .arg(b->getSecondLayerDelayTime())
                           .arg(b->isSecondLayerEnabled());
            }
            out += '\n';
        }
    }
    return out;
}

void TestMainWindow::keyboardMenuKeyOpensNothing()
{
    // Only the right mouse button opens a key's menu, not the keyboard's menu key.
    bool opened = false;
    onMenu([&opened](QMenu* menu) { opened = opened || menu != nullptr; });
    key(2)->setFocus();
    QTest::keyClick(key(2), Qt::Key_Menu);
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), key(2)->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(key(2), &event);
    QVERIFY(waitForDeferredWork()); // the menu's check has run
    QVERIFY(!opened);
    QVERIFY(!key(2)->isChecked());
}

void TestMainWindow::keyMenuHoldsOnlyItsFlaggedEntries()
{
    QWidget holder;
    auto* button = new CommandButton(&holder);
    button->setCheckable(true);
    button->initCommandButton(false, true, false);
    holder.show();
    QVERIFY(QTest::qWaitForWindowExposed(&holder));
    QStringList entries;
    onMenu([&entries](QMenu* menu) {
        for (QAction* a : menu ? menu->actions() : QList<QAction*>()) {
            entries << a->text();
        }
    });
    QTest::mousePress(button, Qt::RightButton);
    QTest::mouseRelease(button, Qt::RightButton);
    QCOMPARE(entries, QStringList({"Change &Data"}));
    // Without "Change Baud Rate" there is no line-settings dialog to reach.
    QVERIFY(button->findChildren<QDialog*>().isEmpty());

    // The one entry there is does its work.
    QSignalSpy spy(button, &CommandButton::requestChangeData);
    chooseFromMenu("Change Data");
    QTest::mousePress(button, Qt::RightButton);
    QTest::mouseRelease(button, Qt::RightButton);
    QCOMPARE(spy.count(), 1);
    QVERIFY(button->isChecked());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(button->findChildren<QDialog*>().isEmpty());
}

void TestMainWindow::renamingAnotherKeyLeavesThePanel()
{
    AppDataManager* data = m_window->dataManager();
    const UartData slow{BaudRate2400, ParityOdd, DataBits7, StopBits2};
    data->getDataObject(1, 1)->setCommand("0A0B");
    data->getDataObject(1, 1)->setUartData(&slow);
    data->getDataObject(3, 1)->setCommand("FFEE");
    QTest::mouseClick(key(1), Qt::LeftButton);
    auto* edit = widget<QLineEdit>("commandEdit");
    auto* rate = widget<QPushButton>("commandRateDisplay");
    QCOMPARE(edit->text().trimmed(), QString("0A  0B"));
    QCOMPARE(rate->text(), QString("2400,7-O-2"));

    chooseFromMenu("Change Button Name");
    QTest::mousePress(key(3), Qt::RightButton);
    QTest::mouseRelease(key(3), Qt::RightButton);
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    QVERIFY(key(3)->isChecked());
    QTest::keyClicks(dialog->findChild<QLineEdit*>("buttonNameEdit"), "Pump");
    dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();

    QCOMPARE(key(3)->text(), QString("Pump"));
    QCOMPARE(data->getButtonName(3), QString("Pump"));
    QCOMPARE(data->getButtonName(1), QString("Empty"));
    QVERIFY(key(3)->isChecked());
    QVERIFY(!key(1)->isChecked());
    // The panel still shows key 1 until the next click.
    QCOMPARE(edit->text().trimmed(), QString("0A  0B"));
    QCOMPARE(rate->text(), QString("2400,7-O-2"));
}

void TestMainWindow::editEndedWithoutStoring_data()
{
    QTest::addColumn<QByteArray>("command"); // an action, or the panel's Cancel
    QTest::addColumn<bool>("chooseFile"); // Open: a file is chosen, or the dialog cancelled
    QTest::newRow("Cancel") << QByteArray("Cancel") << false;
    QTest::newRow("New") << QByteArray("action_New") << false;
    QTest::newRow("Open") << QByteArray("action_Open") << true;
    QTest::newRow("Open, no file chosen") << QByteArray("action_Open") << false;
}

void TestMainWindow::editEndedWithoutStoring()
{
    QFETCH(QByteArray, command);
    QFETCH(bool, chooseFile);
    // A file whose key 2 differs from a new configuration.
    QTemporaryDir dir;
    const QString path = writeProgramFile(dir.filePath("saved.app"), "0102");
    QVERIFY(!path.isEmpty());
    AppDataManager* data = m_window->dataManager();
    data->getDataObject(2, 1)->setCommand("AA");
    data->getDataObject(2, 1)->setDelayTime(5);
    data->getButtonData(2)->setSecondLayerEnable(true);
    data->getButtonData(2)->setSecondLayerCommand("5E");

    // Everything of the panel typed over, Ok not pressed.
    auto* edit = widget<QLineEdit>("commandEdit");
    auto* secondEdit = widget<QLineEdit>("secondLayerEdit");
    auto* secondLayer = widget<QGroupBox>("secondLayerGroupBox");
    QTest::mouseClick(key(2), Qt::LeftButton);
    key(2)->changeData();
    QTest::keyClicks(edit, "33");
    widget<QSpinBox>("delayTimeBox")->setValue(77);
    QTest::keyClicks(secondEdit, "44");
    const bool cancel = command == "Cancel";
    const bool open = command == "action_Open";
    const bool loads = command == "action_New" || chooseFile;
    // Left ticked where a load must clear it, unticked where the record must tick it again.
    secondLayer->setChecked(loads);
    // The open edit is unsaved work: the question comes first; Discard ends the edit as Cancel.
    bool asked = false;
    answerNextModal({"QMessageBox"}, [&asked](QWidget* modal) {
        asked = true;
        static_cast<QMessageBox*>(modal)->button(QMessageBox::Discard)->click();
    });
    if (open) {
        answerFileDialog(chooseFile ? path : QString());
    }
    if (cancel) {
        widget<QDialogButtonBox>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
    } else {
        action(command.constData())->trigger();
    }
    QCOMPARE(asked, !cancel);
    const QString stored = chooseFile ? QString("0102") : loads ? QString() : QString("AA");
    QCOMPARE(data->getDataObject(2, 1)->getCommand(), stored);
    QCOMPARE(data->getDataObject(2, 1)->getDelayTime(), loads ? 0 : 5);
    QVERIFY(!m_window->isWindowModified());
    for (const char* name :
         {"commandEdit", "commandCounter", "commandRateDisplay", "delayTimeBox", "secondLayerGroupBox", "buttonBox"}) {
        QVERIFY2(!widget<QWidget>(name)->isEnabled(), name);
    }
    QVERIFY(widget<QTabWidget>("buttonsTab")->isEnabled());
    QCOMPARE(widget<QWidget>("linksTab")->isEnabled(), !loads);

    if (loads) {
        // Nothing is selected: no switch lit, no second layer or line settings of a key.
        QVERIFY(!data->getCheckedObject());
        QCOMPARE(edit->text().trimmed(), QString());
        QVERIFY(!secondLayer->isChecked());
        QCOMPARE(widget<QPushButton>("commandRateDisplay")->text(), QString());
        QCOMPARE(widget<QPushButton>("secondLayerRateDisplay")->text(), QString());
        QCOMPARE(widget<QLabel>("productionImage")->pixmap().toImage(), QPixmap(":/images/KVR210C-Main.png").toImage());
        return;
    }
    // Key 2 stays selected and the panel shows its record, not what was typed.
    QVERIFY(key(2)->isChecked());
    QCOMPARE(edit->text().trimmed(), QString("AA"));
    QCOMPARE(widget<QSpinBox>("delayTimeBox")->value(), 5);
    QCOMPARE(secondEdit->text().trimmed(), QString("5E"));
    QVERIFY(secondLayer->isChecked());
}

void TestMainWindow::helpAgainStartsAtTheTop()
{
    action("actionContents")->trigger();
    auto* first = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(first);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QScrollBar* bar = first->findChild<QScrollArea*>("scrollArea")->verticalScrollBar();
    bar->setValue(bar->maximum());
    QVERIFY(bar->value() > 0);
    first->setProperty("usedBefore", true);
    first->close();

    action("actionContents")->trigger();
    auto* second = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(second);
    QVERIFY(!second->property("usedBefore").isValid());
    QVERIFY(QTest::qWaitForWindowExposed(second));
    QCOMPARE(second->findChild<QScrollArea*>("scrollArea")->verticalScrollBar()->value(), 0);
    second->close();
}

void TestMainWindow::quitShortcutClosesTheWindow()
{
    // Platforms with a Windows keyboard scheme, the offscreen one among them,
    // have no Quit keys; CTest runs this again on X11 under Xvfb where it can.
    const QKeySequence quit(QKeySequence::Quit);
    if (quit.isEmpty()) {
        QSKIP("this platform has no Quit key sequence");
    }
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keySequence(m_window, quit);
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isVisible(), 2000);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
