// The data manager with real button groups of keys, as the window builds them.
#include "appdatamanager.h"
#include "commandbutton.h"
#include "diagnostics.h"

#include <QButtonGroup>
#include <QtTest>

class TestDataManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void modelShapeAndLookup();
    void smallAndEmptyModels();
    void currentRecordFollowsCheckedKeys();
    void currentRecordAccessorsWithoutRecord();
    void secondLayerAccessors();
    void renaming();
    void reflashShowsRecordsOnKeys();
    void resetClearsEverything();
    void displayTexts();

private:
    void check(QButtonGroup* group, int id) { group->button(id)->setChecked(true); }
    void uncheckAll(QButtonGroup* group);

    QWidget* m_host = nullptr;
    QButtonGroup* m_keys = nullptr;
    QButtonGroup* m_links = nullptr;
    AppDataManager* m_manager = nullptr;
};

void TestDataManager::init()
{
    m_host = new QWidget;
    m_keys = new QButtonGroup(m_host);
    m_links = new QButtonGroup(m_host);
    for (int i = 1; i <= 12; ++i) {
        auto* key = new CommandButton(m_host);
        key->setCheckable(true);
        m_keys->addButton(key, i);
        auto* link = new CommandButton(m_host);
        link->setCheckable(true);
        m_links->addButton(link, i + 1);
    }
    m_manager = new AppDataManager(m_keys, m_links);
    m_manager->newData(6, 5);
}

void TestDataManager::cleanup()
{
    delete m_manager;
    delete m_host;
}

void TestDataManager::uncheckAll(QButtonGroup* group)
{
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons()) {
        b->setChecked(false);
    }
    group->setExclusive(true);
}

void TestDataManager::modelShapeAndLookup()
{
    QCOMPARE(m_manager->getMaxButtonId(), 6);
    QCOMPARE(m_manager->getMaxLinkId(), 5);
    int count = 0;
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            LinkData* record = m_manager->getDataObject(x, y);
            QVERIFY(record);
            QCOMPARE(record->xId(), x);
            QCOMPARE(record->yId(), y);
            QCOMPARE(dynamic_cast<ButtonData*>(record) != nullptr, y == 1);
            ++count;
        }
    }
    QCOMPARE(count, 30);
    QVERIFY(!m_manager->getDataObject(7, 1));
    QVERIFY(!m_manager->getDataObject(1, 6));
    QVERIFY(!m_manager->getDataObject(0, 1));
    QCOMPARE(m_manager->getButtonObject(3), m_keys->button(3));
    QCOMPARE(m_manager->getLinkObject(2), m_links->button(2));
    QVERIFY(!m_manager->getLinkObject(1));
    QVERIFY(!m_manager->getButtonObject(13));
    // The keys with records show the placeholder name.
    QCOMPARE(m_keys->button(6)->text(), QString("Empty"));
    QCOMPARE(m_links->button(5)->text(), QString("Empty"));
}

void TestDataManager::smallAndEmptyModels()
{
    AppDataManager none(nullptr, nullptr);
    none.newData(0, 5);
    QCOMPARE(none.getMaxButtonId(), 0);
    QCOMPARE(none.getMaxLinkId(), 5);
    QVERIFY(!none.getDataObject(1, 1));
    QVERIFY(!none.getCheckedObject());

    ProgramRecords keysOnly;
    keysOnly.newData(3, 1);
    QVERIFY(keysOnly.getDataObject(3, 1));
    QVERIFY(!keysOnly.getDataObject(1, 2));
}

void TestDataManager::currentRecordFollowsCheckedKeys()
{
    QVERIFY(!m_manager->getCheckedObject());
    check(m_links, 3);
    QVERIFY(!m_manager->getCheckedObject()); // a link key alone selects nothing
    uncheckAll(m_links);

    check(m_keys, 2);
    QCOMPARE(m_manager->getCheckedObject(), m_manager->getDataObject(2, 1));
    check(m_links, 3);
    QCOMPARE(m_manager->getCheckedObject(), m_manager->getDataObject(2, 3));

    m_manager->setCommand("0D0A");
    m_manager->setDelayTime(12);
    m_manager->setLinkName("Lamp");
    const UartData u{BaudRate4800, ParityOdd, DataBits7, StopBits2};
    m_manager->setUartData(&u);
    LinkData* record = m_manager->getDataObject(2, 3);
    QCOMPARE(record->getCommand(), QString("0D0A"));
    QCOMPARE(record->getDelayTime(), 12);
    QCOMPARE(record->getLinkName(), QString("Lamp"));
    QCOMPARE(m_manager->getCommand(), QString("0D0A"));
    QCOMPARE(m_manager->getLinkName(), QString("Lamp"));
    UartData back;
    m_manager->getUartData(&back);
    QVERIFY(back == u);
    QCOMPARE(m_manager->displayFirstLayerBaudRate(), QString("4800,7-O-2"));
    // Nothing else changed.
    QVERIFY(m_manager->getDataObject(2, 1)->getCommand().isNull());
    QVERIFY(m_manager->getDataObject(3, 3)->getCommand().isNull());
}

void TestDataManager::currentRecordAccessorsWithoutRecord()
{
    check(m_keys, 2);
    check(m_links, 9); // a link key without records
    QVERIFY(!m_manager->getCheckedObject());
    QVERIFY(m_manager->getCommand().isEmpty());
    QCOMPARE(m_manager->getDelayTime(), -1);
    QVERIFY(m_manager->getLinkName().isEmpty());
    QVERIFY(m_manager->displayFirstLayerBaudRate().isEmpty());
    UartData untouched{BaudRate115200, ParityMark, DataBits5, StopBits2};
    m_manager->getUartData(&untouched);
    QCOMPARE(untouched.baudRate, BaudRate115200);
    m_manager->setCommand("FF");
    m_manager->setDelayTime(3);
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            QVERIFY(m_manager->getDataObject(x, y)->getCommand().isNull());
        }
    }

    // Key 7 has no record in the six-key model.
    uncheckAll(m_links);
    m_keys->button(7)->setChecked(true);
    QVERIFY(!m_manager->getCheckedObject());
    QCOMPARE(m_manager->getSecondLayerDelayTime(), -1);
    QVERIFY(m_manager->getSecondLayerCommand().isNull());
}

void TestDataManager::secondLayerAccessors()
{
    check(m_keys, 4);
    check(m_links, 3);
    // The second layer belongs to the key, whatever link is checked.
    m_manager->setSecondLayerCommand("4142");
    m_manager->setSecondLayerDelayTime(44);
    const UartData u{BaudRate38400, ParityEven, DataBits8, StopBits1};
    m_manager->setSecondLayerUartData(&u);
    m_manager->setSecondLayerEnable(4, true);
    auto* key = static_cast<ButtonData*>(m_manager->getDataObject(4, 1));
    QCOMPARE(key->getSecondLayerCommand(), QString("4142"));
    QCOMPARE(key->getSecondLayerDelayTime(), 44);
    QCOMPARE(m_manager->getSecondLayerDelayTime(), 44);
    QCOMPARE(m_manager->getSecondLayerCommand(4), QString("4142"));
    QVERIFY(m_manager->isSecondLayerEnabled(4));
    QVERIFY(!m_manager->isSecondLayerEnabled(3));
    QVERIFY(!m_manager->isSecondLayerEnabled(7));
    UartData back;
    m_manager->getSecondLayerUartData(4, &back);
    QVERIFY(back == u);
    QCOMPARE(m_manager->displaySecondLayerBaudRate(), QString("38400,8-E-1"));
    // The first layer of the link is untouched.
    QVERIFY(m_manager->getCommand().isNull());
}

void TestDataManager::renaming()
{
    Diagnostics::enable();
    QTest::ignoreMessage(QtDebugMsg, "can't get data object");
    m_manager->setButtonName("Nobody");
    for (int x = 1; x <= 6; ++x) {
        QCOMPARE(m_manager->getButtonName(x), QString("Empty"));
    }

    auto* key3 = m_manager->getButtonObject(3);
    auto* link4 = m_manager->getLinkObject(4);
    check(m_keys, 3);
    m_manager->setButtonName(key3, "Pump");
    QCOMPARE(m_manager->getButtonName(3), QString("Pump"));
    QCOMPARE(m_manager->getDataObject(3, 1)->getLinkName(), QString("Empty"));

    check(m_links, 4);
    m_manager->setButtonName(link4, "Valve");
    QCOMPARE(m_manager->getDataObject(3, 4)->getLinkName(), QString("Valve"));
    QCOMPARE(m_manager->getButtonName(3), QString("Pump"));
    QVERIFY(m_manager->getButtonName(9).isEmpty());
    // The manager leaves the widgets' texts to the window.
    QCOMPARE(key3->text(), QString("Empty"));
}

void TestDataManager::reflashShowsRecordsOnKeys()
{
    auto* key2 = static_cast<ButtonData*>(m_manager->getDataObject(2, 1));
    key2->setButtonName("Door");
    const UartData fast{BaudRate115200, ParityNone, DataBits8, StopBits1};
    key2->setUartData(&fast);
    m_manager->getDataObject(1, 3)->setLinkName("First-3");
    m_manager->getDataObject(1, 3)->setUartData(&fast);
    m_manager->getDataObject(5, 3)->setLinkName("Fifth-3");
    check(m_keys, 5);
    check(m_links, 3);

    m_manager->reflashButtonName();
    QCOMPARE(m_keys->checkedId(), -1);
    QCOMPARE(m_links->checkedId(), -1);
    QVERIFY(m_keys->exclusive());
    QVERIFY(m_links->exclusive());
    QCOMPARE(m_keys->button(2)->text(), QString("Door"));
    QCOMPARE(m_keys->button(1)->text(), QString("Empty"));
    // Link keys show the first key's links, whichever key was selected.
    QCOMPARE(m_links->button(3)->text(), QString("First-3"));
    // Each key carries the line settings of the record it shows.
    UartData shown;
    m_manager->getButtonObject(2)->getUartData(&shown);
    QVERIFY(shown == fast);
    m_manager->getLinkObject(3)->getUartData(&shown);
    QVERIFY(shown == fast);
    m_manager->getLinkObject(2)->getUartData(&shown);
    QVERIFY(shown == defaultUartData());
}

void TestDataManager::resetClearsEverything()
{
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            LinkData* record = m_manager->getDataObject(x, y);
            record->setCommand("AA");
            record->setDelayTime(9);
            record->setLinkName("n");
        }
        auto* key = static_cast<ButtonData*>(m_manager->getDataObject(x, 1));
        key->setSecondLayerEnable(true);
        key->setSecondLayerCommand("BB");
        key->setButtonName("k");
    }
    m_manager->resetDataObject();
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            LinkData* record = m_manager->getDataObject(x, y);
            QCOMPARE(record->xId(), x);
            QCOMPARE(record->yId(), y);
            QVERIFY(record->getCommand().isNull());
            QCOMPARE(record->getDelayTime(), 0);
            QCOMPARE(record->getLinkName(), QString("Empty"));
        }
        auto* key = static_cast<ButtonData*>(m_manager->getDataObject(x, 1));
        QVERIFY(!key->isSecondLayerEnabled());
        QVERIFY(key->getSecondLayerCommand().isNull());
        QCOMPARE(key->getButtonName(), QString("Empty"));
    }
}

void TestDataManager::displayTexts()
{
    QVERIFY(m_manager->displayFirstLayerBaudRate().isNull());
    QVERIFY(m_manager->displaySecondLayerBaudRate(7).isNull());
    QVERIFY(m_manager->displaySecondLayerBaudRate().isNull());
    // Shown also while the second layer is off.
    QCOMPARE(m_manager->displaySecondLayerBaudRate(2), QString("9600,8-N-1"));
    check(m_keys, 1);
    QCOMPARE(m_manager->displayFirstLayerBaudRate(), QString("9600,8-N-1"));
}

QTEST_MAIN(TestDataManager)
#include "tst_datamanager.moc"
