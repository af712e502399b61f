// What a screen reader finds in the window and in each dialog: a name for every
// control a user works, and keys named by their place as well as their text.
#include "accessibilitytree.h"
#include "appdatamanager.h"
#include "commandlibrarywindow.h"
#include "comparisondialog.h"
#include "trycommandwindow.h"
#include "ui_complete.h"
#include "ui_question.h"
#include "windowtest.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include <functional>

using OpenDialog = std::function<QWidget*(AppMainWindow*)>;

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowControlsAreNamed();
    void keysSayWhereTheyAreAndTheirName();
    void dialogControlsAreNamed_data();
    void dialogControlsAreNamed();

private:
    AppMainWindow* m_window = nullptr;
};

void TestAccessibility::init()
{
    QStandardPaths::setTestModeEnabled(true);
    m_window = new AppMainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestAccessibility::cleanup()
{
    delete m_window;
}

void TestAccessibility::windowControlsAreNamed()
{
    const UnnamedControls found = findUnnamedControls(m_window);
    QVERIFY(found.checked > 40);
    QVERIFY2(found.unnamed.isEmpty(), qPrintable(found.unnamed.join('\n')));
    QVERIFY2(found.repeated.isEmpty(), qPrintable(found.repeated.join('\n')));
}

void TestAccessibility::keysSayWhereTheyAreAndTheirName()
{
    AppDataManager* data = m_window->dataManager();
    data->getButtonData(3)->setButtonName("Pump");
    data->getDataObject(3, 2)->setLinkName("Light");
    data->reflashButtonName();
    QCOMPARE(accessibleName(keyButton(m_window, 3)), QString("Key 3, Pump"));
    QCOMPARE(accessibleName(keyButton(m_window, 13)), QString("Link 13, Empty"));
    // Keys without a record say so, not the placeholder they show.
    QCOMPARE(accessibleName(keyButton(m_window, 7)), QString("Key 7, unused"));
    QCOMPARE(accessibleName(keyButton(m_window, 12)), QString("Key 12, unused"));
    QCOMPARE(accessibleName(keyButton(m_window, 17)), QString("Link 17, unused"));

    QTest::mouseClick(keyButton(m_window, 3), Qt::LeftButton);
    QCOMPARE(accessibleName(keyButton(m_window, 13)), QString("Link 13 of key 3, Light"));
    QCOMPARE(accessibleName(keyButton(m_window, 14)), QString("Link 14 of key 3, Empty"));
    QCOMPARE(accessibleName(keyButton(m_window, 24)), QString("Link 24, unused"));

    // The command fields say which layer and which form.
    auto* first = child<QLineEdit>(m_window, "commandEdit");
    auto* second = child<QLineEdit>(m_window, "secondLayerEdit");
    QCOMPARE(accessibleName(first), QString("Command, first layer, in hex"));
    QCOMPARE(accessibleName(second), QString("Command, second layer, in hex"));
    child<QCheckBox>(m_window, "asciiCheckBox")->click();
    QCOMPARE(accessibleName(first), QString("Command, first layer, in ASCII"));
    QCOMPARE(accessibleName(second), QString("Command, second layer, in ASCII"));
}

void TestAccessibility::dialogControlsAreNamed_data()
{
    QTest::addColumn<OpenDialog>("open");
    QTest::newRow("key's name") << OpenDialog([](AppMainWindow* window) -> QWidget* {
        keyButton(window, 3)->changeButtonName();
        return keyButton(window, 3)->findChild<QDialog*>();
    });
    QTest::newRow("key's line settings") << OpenDialog([](AppMainWindow* window) -> QWidget* {
        keyButton(window, 3)->changeUartSetting();
        return keyButton(window, 3)->uartSettingDialog();
    });
    QTest::newRow("panel's line settings") << OpenDialog([](AppMainWindow* window) -> QWidget* {
        window->uartDialog()->show();
        return window->uartDialog();
    });
    QTest::newRow("COM port") << OpenDialog([](AppMainWindow* window) -> QWidget* {
        child<QAction>(window, "actionCOM_Port_Setting")->trigger();
        return window->comDialog();
    });
    QTest::newRow("comparison") << OpenDialog([](AppMainWindow* window) -> QWidget* {
        ConfigComparison::Difference difference;
        difference.record = "Key 2";
        difference.fieldName = "delay";
        difference.valueA = "1";
        difference.valueB = "2";
        auto* dialog = new ComparisonDialog("Compare", "1 difference:", {difference}, ComparisonDialog::Here::A,
                                            window);
        dialog->show();
        return dialog;
    });
    QTest::newRow("try command") << OpenDialog([](AppMainWindow* window) -> QWidget* {
        child<QAction>(window, "actionTry_Command")->trigger();
        return window->findChild<TryCommandWindow*>();
    });
    QTest::newRow("command library") << OpenDialog([](AppMainWindow* window) -> QWidget* {
        child<QAction>(window, "actionCommand_Library")->trigger();
        return window->findChild<CommandLibraryWindow*>();
    });
    QTest::newRow("transfer question") << OpenDialog([](AppMainWindow* window) -> QWidget* {
        auto* dialog = new QDialog(window);
        Ui_Question().setupUi(dialog);
        dialog->show();
        return dialog;
    });
    QTest::newRow("transfer complete") << OpenDialog([](AppMainWindow* window) -> QWidget* {
        auto* dialog = new QDialog(window);
        Ui_completeDialog().setupUi(dialog);
        dialog->show();
        return dialog;
    });
}

void TestAccessibility::dialogControlsAreNamed()
{
    QFETCH(OpenDialog, open);
    QWidget* dialog = open(m_window);
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const UnnamedControls found = findUnnamedControls(dialog);
    QVERIFY(found.checked > 0);
    QVERIFY2(found.unnamed.isEmpty(), qPrintable(found.unnamed.join('\n')));
    QVERIFY2(found.repeated.isEmpty(), qPrintable(found.repeated.join('\n')));
    dialog->close();
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
