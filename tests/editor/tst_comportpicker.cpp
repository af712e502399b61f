// The COM port dialog's port list while the dialog is open: it follows ports
// that come and go, leaves an unchanged list alone, keeps what the user chose
// or typed, and the port box has the focus when the dialog opens.
#include "comportpicker.h"
#include "settingsstore.h"
#include "windowtest.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

class TestComPortPicker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listFollowsPortsComingAndGoing();
    void unchangedListIsNotRedrawn();
    void choiceSurvivesARedraw();
    void typedNameSurvivesARedraw();
    void pulledOutChoiceComesBackChosen();
    void openListIsNotChangedUnderTheMouse();
    void pollsOnlyWhileShown();
    void marksStayWithTheirPorts();
    void windowDialogFocusesThePortBox();

private:
    static PortEntry port(const QString& name) { return {name, name + " (adapter)", "/dev/" + name}; }
    QStringList items() const;
    // Waits for `count` more reads of the list: the dialog's polls.
    bool waitForPolls(int count);
    void show();

    std::unique_ptr<QDialog> m_dialog;
    QComboBox* m_box = nullptr;
    ComPortPicker* m_picker = nullptr;
    QList<PortEntry> m_ports;
    int m_reads = 0;
};

void TestComPortPicker::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    SettingsStore::open().clear();
}

void TestComPortPicker::init()
{
    m_ports = {port("ttyUSB0"), port("ttyUSB1")};
    m_reads = 0;
    m_dialog = std::make_unique<QDialog>();
    m_box = new QComboBox(m_dialog.get());
    auto* layout = new QVBoxLayout(m_dialog.get());
    layout->addWidget(m_box);
    m_picker = new ComPortPicker(m_box, [this] {
        ++m_reads;
        return m_ports;
    });
}

void TestComPortPicker::cleanup()
{
    m_dialog.reset();
}

QStringList TestComPortPicker::items() const
{
    QStringList list;
    for (int i = 0; i < m_box->count(); ++i) {
        list << m_box->itemData(i).toString();
    }
    return list;
}

bool TestComPortPicker::waitForPolls(int count)
{
    const int target = m_reads + count;
    return QTest::qWaitFor([this, target] { return m_reads >= target; }, 10 * count * ComPortPicker::PollIntervalMs);
}

void TestComPortPicker::show()
{
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void TestComPortPicker::listFollowsPortsComingAndGoing()
{
    show();
    QCOMPARE(items(), QStringList({"ttyUSB0", "ttyUSB1"}));
    QCOMPARE(m_box->itemText(1), QString("ttyUSB1 (adapter)"));
    QCOMPARE(m_box->itemData(1, Qt::ToolTipRole).toString(), QString("/dev/ttyUSB1"));

    // Plugged in: listed by the second poll at the latest.
    m_ports.insert(1, port("ttyACM0"));
    QVERIFY(waitForPolls(2));
    QCOMPARE(items(), QStringList({"ttyUSB0", "ttyACM0", "ttyUSB1"}));

    // Pulled out, down to none.
    m_ports.removeFirst();
    QVERIFY(waitForPolls(2));
    QCOMPARE(items(), QStringList({"ttyACM0", "ttyUSB1"}));
    m_ports.clear();
    QVERIFY(waitForPolls(2));
    QCOMPARE(m_box->count(), 0);
    QCOMPARE(m_picker->listedPorts(), QStringList());
}

void TestComPortPicker::unchangedListIsNotRedrawn()
{
    show();
    int redraws = 0;
    QAbstractItemModel* model = m_box->model();
    connect(model, &QAbstractItemModel::modelReset, this, [&redraws] { ++redraws; });
    connect(model, &QAbstractItemModel::rowsInserted, this, [&redraws] { ++redraws; });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [&redraws] { ++redraws; });
    connect(model, &QAbstractItemModel::dataChanged, this, [&redraws] { ++redraws; });
    QVERIFY(waitForPolls(3));
    QCOMPARE(redraws, 0);

    // A port whose description changed is a changed list.
    m_ports[1].label = "ttyUSB1 (another adapter)";
    QVERIFY(waitForPolls(2));
    QVERIFY(redraws > 0);
    QCOMPARE(m_box->itemText(1), QString("ttyUSB1 (another adapter)"));
}

void TestComPortPicker::choiceSurvivesARedraw()
{
    show();
    m_box->setCurrentIndex(1);
    QCOMPARE(m_picker->selectedPortName(), QString("ttyUSB1"));

    // A port plugged in ahead of the chosen one moves it down the list.
    m_ports.prepend(port("ttyACM0"));
    QVERIFY(waitForPolls(2));
    QCOMPARE(items().size(), 3);
    QCOMPARE(m_box->currentIndex(), 2);
    QCOMPARE(m_picker->selectedPortName(), QString("ttyUSB1"));

    // The Refresh button's read keeps it too.
    m_ports.removeLast();
    m_ports.append(port("ttyUSB2"));
    m_ports.append(port("ttyUSB1"));
    m_picker->refresh();
    QCOMPARE(m_picker->selectedPortName(), QString("ttyUSB1"));
    QCOMPARE(m_box->currentText(), QString("ttyUSB1 (adapter)"));
}

void TestComPortPicker::typedNameSurvivesARedraw()
{
    show();
    QTRY_VERIFY(m_box->hasFocus());
    m_box->lineEdit()->clear();
    QTest::keyClicks(m_box, "/dev/pts/17");
    // The cursor sits inside the name while the user corrects it.
    m_box->lineEdit()->setCursorPosition(5);

    m_ports.append(port("ttyUSB5"));
    QVERIFY(waitForPolls(2));
    QCOMPARE(items().size(), 3);
    QCOMPARE(m_box->currentText(), QString("/dev/pts/17"));
    QCOMPARE(m_box->lineEdit()->cursorPosition(), 5);
    QCOMPARE(m_picker->selectedPortName(), QString("/dev/pts/17"));

    // Typing goes on where it was.
    QTest::keyClicks(m_box, "x");
    QCOMPARE(m_box->currentText(), QString("/dev/xpts/17"));

    // Typing a listed port's name chooses that port.
    m_box->lineEdit()->clear();
    QTest::keyClicks(m_box, "ttyUSB5");
    QCOMPARE(m_picker->selectedPortName(), QString("ttyUSB5"));
}

void TestComPortPicker::pulledOutChoiceComesBackChosen()
{
    show();
    m_box->setCurrentIndex(1);
    const PortEntry chosen = m_ports.takeLast();
    QVERIFY(waitForPolls(2));
    QCOMPARE(items(), QStringList({"ttyUSB0"}));
    // Gone from the list, the name stays in the box rather than another port
    // taking its place unasked.
    QCOMPARE(m_box->currentText(), QString("ttyUSB1"));
    QCOMPARE(m_picker->selectedPortName(), QString("ttyUSB1"));

    m_ports.append(chosen);
    QVERIFY(waitForPolls(2));
    QCOMPARE(m_box->currentIndex(), 1);
    QCOMPARE(m_box->currentText(), QString("ttyUSB1 (adapter)"));
}

void TestComPortPicker::openListIsNotChangedUnderTheMouse()
{
    show();
    m_box->showPopup();
    QTRY_VERIFY(m_box->view()->isVisible());
    m_ports.prepend(port("ttyACM0"));
    QVERIFY(waitForPolls(2));
    QCOMPARE(items(), QStringList({"ttyUSB0", "ttyUSB1"}));
    m_box->hidePopup();
    QVERIFY(waitForPolls(2));
    QCOMPARE(items(), QStringList({"ttyACM0", "ttyUSB0", "ttyUSB1"}));
}

void TestComPortPicker::pollsOnlyWhileShown()
{
    // Nothing is read before the dialog opens.
    QCOMPARE(m_reads, 0);
    QVERIFY(!m_picker->isPolling());
    show();
    QCOMPARE(m_reads, 1);
    QVERIFY(m_picker->isPolling());
    m_dialog->hide();
    QVERIFY(!m_picker->isPolling());
    const int reads = m_reads;
    // Two polls would have come by the time a timer of the same pace, started now, fired twice.
    QTimer pace;
    QSignalSpy paced(&pace, &QTimer::timeout);
    pace.start(ComPortPicker::PollIntervalMs);
    QTRY_COMPARE(paced.size(), 2);
    QCOMPARE(m_reads, reads);

    // Opened again, it reads the list at once.
    m_ports.append(port("ttyS4"));
    show();
    QCOMPARE(items().size(), 3);
}

void TestComPortPicker::marksStayWithTheirPorts()
{
    show();
    m_box->setCurrentIndex(1);
    m_picker->markPorts({"ttyUSB1", "/dev/pts/3"}, "device found");
    QCOMPARE(m_box->itemText(0), QString("ttyUSB0 (adapter)"));
    QCOMPARE(m_box->itemText(1), QString("ttyUSB1 (adapter) - device found"));
    QCOMPARE(m_picker->selectedPortName(), QString("ttyUSB1"));

    m_ports.prepend(port("ttyACM0"));
    QVERIFY(waitForPolls(2));
    QCOMPARE(m_box->itemText(2), QString("ttyUSB1 (adapter) - device found"));
    QCOMPARE(m_picker->selectedPortName(), QString("ttyUSB1"));

    m_picker->markPorts({}, QString());
    QCOMPARE(m_box->itemText(2), QString("ttyUSB1 (adapter)"));
    QCOMPARE(m_picker->selectedPortName(), QString("ttyUSB1"));
}

void TestComPortPicker::windowDialogFocusesThePortBox()
{
    AppMainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction*>("actionCOM_Port_Setting")->trigger();
    QDialog* dialog = window.comDialog();
    auto* portBox = dialog->findChild<QComboBox*>("portBox");
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->focusWidget(), portBox);
    QTRY_VERIFY(portBox->hasFocus());

    // Also when opened again after the focus went elsewhere.
    dialog->findChild<QWidget*>("refreshButton")->setFocus();
    dialog->reject();
    window.findChild<QAction*>("actionCOM_Port_Setting")->trigger();
    QCOMPARE(dialog->focusWidget(), portBox);
    QTRY_VERIFY(portBox->hasFocus());
    dialog->reject();
}

QTEST_MAIN(TestComPortPicker)
#include "tst_comportpicker.moc"
