// Selecting keys and links, the panel's states, and what Ok and Cancel store.
#include "appdatamanager.h"
#include "windowtest.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

class TestDataPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void selectionFollowsKeysAndLinks();
    void linkKeysShowTheSelectedKeysLinks();
    void panelStates();
    void okStoresKeyFields();
    void okOnLinkStoresOnlyTheLink();
    void cancelStoresNothing();
    void enterAndEscapeActAsOkAndCancel();
    void uncheckedSecondLayerKeepsItsFields();
    void lineSettingsAreStoredAtOnce();
    void baudButtonWithoutRecordOpensNothing();
    void lineSettingsSlotBeforeTheDialogChangesNothing();
    void refreshAfterNewRecords();

private:
    CommandButton* key(int n) const { return keyButton(m_window, n); }
    void click(int n) { QTest::mouseClick(key(n), Qt::LeftButton); }
    void ok() { child<QDialogButtonBox>(m_window, "buttonBox")->button(QDialogButtonBox::Ok)->click(); }
    void cancel() { child<QDialogButtonBox>(m_window, "buttonBox")->button(QDialogButtonBox::Cancel)->click(); }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(m_window, name); }
    QSpinBox* spin(const char* name) const { return child<QSpinBox>(m_window, name); }
    QGroupBox* secondLayer() const { return child<QGroupBox>(m_window, "secondLayerGroupBox"); }
    AppDataManager* data() const { return m_window->dataManager(); }
    // Enabled states of: field, delay, 2nd layer, Buttons tab, Links tab, Ok/Cancel.
    QString states() const;

    AppMainWindow* m_window = nullptr;
};

void TestDataPanel::init()
{
    m_window = new AppMainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestDataPanel::cleanup()
{
    delete m_window;
}

QString TestDataPanel::states() const
{
    auto mark = [](QWidget* w) { return w->isEnabled() ? QChar('+') : QChar('-'); };
    QString s;
    s += mark(edit("commandEdit"));
    s += mark(child<QPushButton>(m_window, "commandRateDisplay"));
    s += mark(spin("delayTimeBox"));
    s += mark(secondLayer());
    s += mark(child<QTabWidget>(m_window, "buttonsTab"));
    s += mark(child<QTabWidget>(m_window, "linksTab"));
    s += mark(child<QDialogButtonBox>(m_window, "buttonBox"));
    return s;
}

void TestDataPanel::selectionFollowsKeysAndLinks()
{
    data()->getDataObject(2, 3)->setCommand("2323");
    data()->getDataObject(2, 3)->setDelayTime(23);
    data()->getDataObject(2, 1)->setCommand("2121");
    data()->getButtonData(2)->setSecondLayerCommand("AA");
    data()->getButtonData(2)->setSecondLayerDelayTime(9);

    click(2);
    QCOMPARE(data()->getCheckedObject(), data()->getDataObject(2, 1));
    QCOMPARE(edit("commandEdit")->text().trimmed(), QString("21  21"));
    click(14); // link key id 3
    QCOMPARE(data()->getCheckedObject(), data()->getDataObject(2, 3));
    QCOMPARE(edit("commandEdit")->text().trimmed(), QString("23  23"));
    QCOMPARE(spin("delayTimeBox")->value(), 23);
    // The second layer still shows key 2, and the picture stays.
    QCOMPARE(edit("secondLayerEdit")->text().trimmed(), QString("AA"));
    QCOMPARE(spin("secondLayerDelayTimeBox")->value(), 9);
    QVERIFY(!secondLayer()->isEnabled());
    QCOMPARE(child<QLabel>(m_window, "productionImage")->pixmap().toImage(),
             QPixmap(":/images/KVR210C-sw2.png").toImage());

    // The key again: the link key is unchecked first, also for the checked key.
    click(2);
    QVERIFY(!key(14)->isChecked());
    QVERIFY(key(2)->isChecked());
    QCOMPARE(data()->getCheckedObject(), data()->getDataObject(2, 1));
    QCOMPARE(edit("commandEdit")->text().trimmed(), QString("21  21"));

    click(3);
    click(15);
    QCOMPARE(data()->getCheckedObject(), data()->getDataObject(3, 4));
    QVERIFY(!data()->getLinkObject(1));
}

void TestDataPanel::linkKeysShowTheSelectedKeysLinks()
{
    const UartData fast{BaudRate115200, ParityEven, DataBits8, StopBits1};
    for (int y = 2; y <= 5; ++y) {
        data()->getDataObject(1, y)->setLinkName(QString("one-%1").arg(y));
        data()->getDataObject(4, y)->setLinkName(QString("four-%1").arg(y));
    }
    data()->getDataObject(4, 2)->setUartData(&fast);
    click(4);
    for (int y = 2; y <= 5; ++y) {
        QCOMPARE(key(11 + y)->text(), QString("four-%1").arg(y));
    }
    UartData carried;
    key(13)->getUartData(&carried);
    QVERIFY(carried == fast);
    click(1);
    for (int y = 2; y <= 5; ++y) {
        QCOMPARE(key(11 + y)->text(), QString("one-%1").arg(y));
    }
    for (int n = 17; n <= 24; ++n) {
        QCOMPARE(key(n)->text(), QString("Empty"));
    }
}

void TestDataPanel::panelStates()
{
    QCOMPARE(states(), QString("----+--")); // nothing selected
    click(1);
    QCOMPARE(states(), QString("----++-")); // key selected
    click(13);
    QCOMPARE(states(), QString("----++-")); // link selected
    key(1)->changeData();
    QCOMPARE(states(), QString("++++--+")); // editing a key
    ok();
    QCOMPARE(states(), QString("----++-"));
    key(13)->changeData();
    QCOMPARE(states(), QString("+++---+")); // editing a link
    cancel();
    QCOMPARE(states(), QString("----++-"));
    QVERIFY(key(13)->isChecked());
}

void TestDataPanel::okStoresKeyFields()
{
    click(4);
    key(4)->changeData();
    QTest::keyClicks(edit("commandEdit"), "010aff");
    spin("delayTimeBox")->setValue(200);
    secondLayer()->setChecked(true);
    QTest::keyClicks(edit("secondLayerEdit"), "0d");
    spin("secondLayerDelayTimeBox")->setValue(17);
    ok();
    LinkData* record = data()->getDataObject(4, 1);
    QCOMPARE(record->getCommand(), QString("010AFF"));
    QCOMPARE(record->getDelayTime(), 200);
    ButtonData* button = data()->getButtonData(4);
    QCOMPARE(button->getSecondLayerCommand(), QString("0D"));
    QVERIFY(button->isSecondLayerEnabled());
    QCOMPARE(button->getSecondLayerDelayTime(), 17);
    // Nothing else moved.
    QVERIFY(data()->getDataObject(4, 2)->getCommand().isNull());
    QVERIFY(data()->getDataObject(3, 1)->getCommand().isNull());
}

void TestDataPanel::okOnLinkStoresOnlyTheLink()
{
    data()->getButtonData(5)->setSecondLayerCommand("55");
    click(5);
    key(16)->changeData(); // link 5 of key 5
    QTest::keyClicks(edit("commandEdit"), "c0ffee");
    spin("delayTimeBox")->setValue(7);
    ok();
    QCOMPARE(data()->getDataObject(5, 5)->getCommand(), QString("C0FFEE"));
    QCOMPARE(data()->getDataObject(5, 5)->getDelayTime(), 7);
    QVERIFY(data()->getDataObject(5, 1)->getCommand().isNull());
    QCOMPARE(data()->getButtonData(5)->getSecondLayerCommand(), QString("55"));
    QCOMPARE(data()->getButtonData(5)->getSecondLayerDelayTime(), 0);
}

void TestDataPanel::cancelStoresNothing()
{
    click(6);
    key(6)->changeData();
    QTest::keyClicks(edit("commandEdit"), "4142");
    spin("delayTimeBox")->setValue(99);
    cancel();
    QVERIFY(data()->getDataObject(6, 1)->getCommand().isNull());
    QCOMPARE(data()->getDataObject(6, 1)->getDelayTime(), 0);
    // The panel shows the record again, not what was typed over it.
    QCOMPARE(edit("commandEdit")->text().trimmed(), QString());
    QCOMPARE(spin("delayTimeBox")->value(), 0);
}

void TestDataPanel::enterAndEscapeActAsOkAndCancel()
{
    // Enter stores, from either command field, also with a field not filled to its mask.
    key(4)->changeData();
    QTest::keyClicks(edit("commandEdit"), "4142");
    QTest::keyClick(edit("commandEdit"), Qt::Key_Return);
    QCOMPARE(data()->getDataObject(4, 1)->getCommand(), QString("4142"));
    QCOMPARE(states(), QString("----++-"));
    QVERIFY(m_window->isWindowModified());

    key(4)->changeData();
    secondLayer()->setChecked(true);
    QTest::keyClicks(edit("secondLayerEdit"), "5152");
    QTest::keyClick(edit("secondLayerEdit"), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(data()->getButtonData(4)->getSecondLayerCommand(), QString("5152"));
    QVERIFY(data()->getButtonData(4)->isSecondLayerEnabled());
    QCOMPARE(states(), QString("----++-"));

    // Escape leaves the edit and stores nothing.
    key(4)->changeData();
    edit("commandEdit")->setCursorPosition(0);
    QTest::keyClicks(edit("commandEdit"), "FF");
    QTest::keyClick(edit("commandEdit"), Qt::Key_Escape);
    QCOMPARE(data()->getDataObject(4, 1)->getCommand(), QString("4142"));
    QCOMPARE(states(), QString("----++-"));

    // Outside an edit, and with a modifier, the keys do nothing.
    QTest::keyClick(m_window, Qt::Key_Return);
    key(4)->changeData();
    QTest::keyClick(edit("commandEdit"), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(states(), QString("++++--+"));
}

void TestDataPanel::uncheckedSecondLayerKeepsItsFields()
{
    data()->getButtonData(3)->setSecondLayerEnable(true);
    click(3);
    QVERIFY(secondLayer()->isChecked());
    key(3)->changeData();
    QTest::keyClicks(edit("secondLayerEdit"), "3333");
    spin("secondLayerDelayTimeBox")->setValue(33);
    secondLayer()->setChecked(false);
    ok();
    ButtonData* button = data()->getButtonData(3);
    QVERIFY(!button->isSecondLayerEnabled());
    QCOMPARE(button->getSecondLayerCommand(), QString("3333"));
    QCOMPARE(button->getSecondLayerDelayTime(), 33);
}

void TestDataPanel::lineSettingsAreStoredAtOnce()
{
    click(2);
    click(15); // link 4 of key 2
    key(15)->changeData();
    QDialog* dialog = m_window->uartDialog();
    QTest::mouseClick(child<QPushButton>(m_window, "commandRateDisplay"), Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->findChild<QComboBox*>("baudRateBox")->currentText(), QString("9600"));
    dialog->findChild<QComboBox*>("baudRateBox")->setCurrentIndex(BaudRate28800);
    dialog->findChild<QComboBox*>("parityBox")->setCurrentIndex(ParityMark);
    dialog->findChild<QComboBox*>("stopBitsBox")->setCurrentIndex(StopBits2);
    dialog->accept();
    cancel();
    UartData stored;
    data()->getDataObject(2, 4)->getUartData(&stored);
    QCOMPARE(stored.baudRate, BaudRate28800);
    QCOMPARE(stored.parity, ParityMark);
    QCOMPARE(stored.stopBits, StopBits2);
    QCOMPARE(child<QPushButton>(m_window, "commandRateDisplay")->text(), QString("28800,8-M-2"));
    // The link key carries them for its own dialog.
    UartData carried;
    key(15)->getUartData(&carried);
    QVERIFY(carried == stored);

    // The second layer's button edits the key's second layer.
    key(2)->changeData();
    secondLayer()->setChecked(true);
    QTest::mouseClick(child<QPushButton>(m_window, "secondLayerRateDisplay"), Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    dialog->findChild<QComboBox*>("baudRateBox")->setCurrentIndex(BaudRate4800);
    dialog->accept();
    data()->getButtonData(2)->getSecondLayerUartData(&stored);
    QCOMPARE(stored.baudRate, BaudRate4800);
    QCOMPARE(child<QPushButton>(m_window, "secondLayerRateDisplay")->text(), QString("4800,8-N-1"));
    data()->getDataObject(2, 1)->getUartData(&stored);
    QCOMPARE(stored.baudRate, BaudRate9600);
}

void TestDataPanel::baudButtonWithoutRecordOpensNothing()
{
    click(1);
    key(1)->changeData();
    m_window->reflashDataPanel(); // as "New" does while editing
    QVERIFY(!data()->getCheckedObject());
    m_window->modifyUartData();
    QVERIFY(!m_window->uartDialog()->isVisible());
    m_window->modifySecondLayerUartData();
    QVERIFY(!m_window->uartDialog()->isVisible());
}

void TestDataPanel::lineSettingsSlotBeforeTheDialogChangesNothing()
{
    // The panel's line-settings dialog is made when first opened; its slot, called
    // before that, has no form to read and leaves the record and the document alone.
    click(2);
    key(2)->changeData();
    UartData before;
    data()->getDataObject(2, 1)->getUartData(&before);
    const QString shown = child<QPushButton>(m_window, "commandRateDisplay")->text();
    m_window->processUartSetting();
    UartData after;
    data()->getDataObject(2, 1)->getUartData(&after);
    QVERIFY(after == before);
    QCOMPARE(child<QPushButton>(m_window, "commandRateDisplay")->text(), shown);
    QVERIFY(!m_window->isWindowModified());
}

void TestDataPanel::refreshAfterNewRecords()
{
    const UartData slow{BaudRate2400, ParityOdd, DataBits7, StopBits1};
    click(2);
    data()->getButtonData(2)->setButtonName("Door");
    data()->getDataObject(2, 1)->setUartData(&slow);
    m_window->reflashDataPanel();
    QVERIFY(!key(2)->isChecked());
    QCOMPARE(key(2)->text(), QString("Door"));
    QVERIFY(!child<QTabWidget>(m_window, "linksTab")->isEnabled());
    QCOMPARE(spin("delayTimeBox")->value(), 0);
    // The key's own dialog now starts from the record's settings.
    key(2)->changeUartSetting();
    QCOMPARE(key(2)->uartSettingDialog()->findChild<QComboBox*>("baudRateBox")->currentText(), QString("2400"));
    key(2)->uartSettingDialog()->reject();
}

QTEST_MAIN(TestDataPanel)
#include "tst_datapanel.moc"
