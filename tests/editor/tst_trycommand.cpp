// Key > Try Command driven in the real window against equipment on a
// pseudo-terminal: what is sent for each place the main window shows, the
// reply as shown, what is refused, Cancel, and that trying never touches the
// document.
#include "appdatamanager.h"
#include "configdocument.h"
#include "ptypeer.h"
#include "replycolumns.h"
#include "settingsstore.h"
#include "simulatorprocess.h"
#include "testrecords.h"
#include "trycommandwindow.h"
#include "typedbytes.h"
#include "windowtest.h"

#include <QAccessible>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

class TestTryCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sendsWhatThePanelShows_data();
    void sendsWhatThePanelShows();
    void saysWhyNot_data();
    void saysWhyNot();
    void cancelEndsLongWait();
    void playsKey_data();
    void playsKey();
    void replyShownAsItComes_data();
    void replyShownAsItComes();
    void followsTheSelection();
    void followsAtOnce_data();
    void followsAtOnce();
    void keyboardAndScreenReader();
    void savedLogHasSuffixAndDate();

private:
    enum Action { ClickKey3, ClickLink14, Type, Undo, Paste, Load };
    // Sends by `action` (Send when none) on `port`, and waits for the trial's end; the reply status.
    QString tryOn(const QString& port, int quietMs = 500, const std::function<void()>& action = {});
    // Presses Send, or Send Line with `freeText` in the form `hex` or text.
    void send(const QString& freeText = QString(), bool hex = false);

    AppMainWindow* m_window = nullptr;
    TryCommandWindow* m_try = nullptr;
};

void TestTryCommand::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    SettingsStore::open().clear();
}

void TestTryCommand::init()
{
    m_window = new AppMainWindow;
    AppDataManager* data = m_window->dataManager();
    data->getDataObject(2, 1)->setCommand(QStringLiteral("02504F4E03"));
    const UartData slow = uart(BaudRate19200, ParityOdd, DataBits8, StopBits2);
    data->getDataObject(2, 1)->setUartData(&slow);
    data->getDataObject(2, 3)->setCommand(QStringLiteral("4C0D"));
    data->getButtonData(2)->setSecondLayerCommand(QStringLiteral("0250465403"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->findChild<QAction*>(QStringLiteral("actionTry_Command"))->trigger();
    m_try = m_window->findChild<TryCommandWindow*>();
    QVERIFY(m_try && m_try->isVisible());
}

void TestTryCommand::cleanup()
{
    delete m_window;
}

QString TestTryCommand::tryOn(const QString& port, int quietMs, const std::function<void()>& action)
{
    child<QComboBox>(m_try, "portBox")->setEditText(port);
    child<QSpinBox>(m_try, "quietBox")->setValue(quietMs);
    action ? action() : send();
    const bool ended = QTest::qWaitFor([this] { return !m_try->isRunning(); }, 10000);
    return ended ? child<QLabel>(m_try, "replyStatus")->text() : QStringLiteral("still running");
}

void TestTryCommand::send(const QString& freeText, bool hex)
{
    child<QComboBox>(m_try, "lineFormat")->setCurrentIndex(hex ? 1 : 0);
    child<QLineEdit>(m_try, "freeLine")->setText(freeText);
    child<QPushButton>(m_try, freeText.isEmpty() ? "sendButton" : "sendLineButton")->click();
}

void TestTryCommand::sendsWhatThePanelShows_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("linkButton"); // 0: none
    QTest::addColumn<bool>("secondLayer");
    QTest::addColumn<QString>("typed"); // into the layer's command, being edited
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<int>("speed"); // as the port was set for it
    QTest::addColumn<QString>("freeText");

    QTest::newRow("a key's first layer") << 2 << 0 << false << "" << QByteArray::fromHex("02504F4E03") << 19200 << "";
    QTest::newRow("a link") << 2 << 14 << false << "" << QByteArray("L\r") << 9600 << "";
    QTest::newRow("a key's second layer") << 2 << 0 << true << "" << QByteArray::fromHex("0250465403") << 9600 << "";
    QTest::newRow("a command being edited") << 5 << 0 << false << "4142" << QByteArray("AB") << 9600 << "";
    QTest::newRow("a second layer being edited") << 5 << 0 << true << "4344" << QByteArray("CD") << 9600 << "";
    QTest::newRow("the free line, at the key's settings")
        << 2 << 0 << false << "" << QByteArray::fromHex("024F4E0D") << 19200 << "\\x02ON\\r";
}

void TestTryCommand::sendsWhatThePanelShows()
{
    QFETCH(int, key);
    QFETCH(int, linkButton);
    QFETCH(bool, secondLayer);
    QFETCH(QString, typed);
    QFETCH(QByteArray, sent);
    QFETCH(int, speed);
    QFETCH(QString, freeText);

    ConfigDocument* document = m_window->document();
    const QByteArray before = m_window->dataManager()->configFileBytes();
    const int steps = document->undoStack()->count();
    QTest::mouseClick(keyButton(m_window, key), Qt::LeftButton);
    if (linkButton > 0) {
        QTest::mouseClick(keyButton(m_window, linkButton), Qt::LeftButton);
    }
    if (!typed.isEmpty()) {
        keyButton(m_window, key)->changeData();
        child<QGroupBox>(m_window, "secondLayerGroupBox")->setChecked(secondLayer);
        QTest::keyClicks(child<QLineEdit>(m_window, secondLayer ? "secondLayerEdit" : "commandEdit"), typed);
    }
    child<QCheckBox>(m_try, "secondLayerBox")->setChecked(secondLayer);

    PtyPeer projector(PtyPeer::Mode::Silent);
    projector.answer(sent, {{20, QByteArray("\x02OK\x00\x03", 5)}});
    QVERIFY(projector.open());
    const QString status = tryOn(projector.portName(), 500, [&] { send(freeText); });

    QCOMPARE(projector.received(), sent);
    const PtyPeer::Line line = projector.line();
    QCOMPARE(int(line.speed), speed);
    QCOMPARE(line.oddParity, speed == 19200);
    QCOMPARE(line.twoStopBits, speed == 19200);
    QVERIFY2(status.startsWith(QStringLiteral("5 bytes, the first after ")), qPrintable(status));
    QCOMPARE(child<QPlainTextEdit>(m_try, "replyHex")->toPlainText(), QStringLiteral("02 4F 4B 00 03"));
    QCOMPARE(child<QPlainTextEdit>(m_try, "replyText")->toPlainText(), QStringLiteral("\\x02OK\\x00\\x03"));
    QVERIFY(m_try->logText().contains(TypedBytes::spacedHex(sent)));
    // Only tried: no undo step, no modified mark, the records as they were.
    QCOMPARE(document->undoStack()->count(), steps);
    QVERIFY(!document->isModified() && !m_window->isWindowModified());
    QCOMPARE(m_window->dataManager()->configFileBytes(), before);
}

void TestTryCommand::saysWhyNot_data()
{
    QTest::addColumn<QString>("port"); // "device": the device's own, "peer": silent equipment
    QTest::addColumn<QString>("hexText"); // sent as the free text in hex, else the key's command
    QTest::addColumn<QString>("says");

    QTest::newRow("the device's port") << "device" << QString() << "is the port the device is connected on";
    QTest::newRow("a port that cannot be opened")
        << "/dev/kvr-no-such-port" << QString() << "The port /dev/kvr-no-such-port could not be opened";
    QTest::newRow("silent equipment") << "peer" << QString() << "no reply within 200 ms";
    QTest::newRow("not hex") << "peer" << QStringLiteral("02 5G")
                             << "Not sent: \"G\" is not a hex digit at position 5.";
}

void TestTryCommand::saysWhyNot()
{
    QFETCH(QString, port);
    QFETCH(QString, hexText);
    QFETCH(QString, says);

    SimulatorProcess device;
    PtyPeer silent(PtyPeer::Mode::Silent);
    QVERIFY(silent.open());
    if (port == QLatin1String("device")) {
        QVERIFY2(device.start(), qPrintable(device.errorString()));
        QDialog* dialog = m_window->comDialog();
        m_window->findChild<QAction*>(QStringLiteral("actionCOM_Port_Setting"))->trigger();
        dialog->findChild<QComboBox*>(QStringLiteral("portBox"))->setEditText(device.portName());
        dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
        QVERIFY(m_window->isConnected());
        port = device.portName();
    } else if (port == QLatin1String("peer")) {
        port = silent.portName();
    }
    QTest::mouseClick(keyButton(m_window, 2), Qt::LeftButton);
    const QString status = tryOn(port, 200, [&] { send(hexText, true); });
    const QString shown = hexText.isEmpty() ? status : child<QLabel>(m_try, "lineError")->text();
    QVERIFY2(shown.contains(says), qPrintable(shown));
    // Only the silent equipment's own trial reaches it.
    QVERIFY(silent.received().isEmpty() || (port == silent.portName() && hexText.isEmpty()));
}

void TestTryCommand::cancelEndsLongWait()
{
    PtyPeer silent(PtyPeer::Mode::Silent);
    QVERIFY(silent.open());
    QTest::mouseClick(keyButton(m_window, 2), Qt::LeftButton);
    child<QComboBox>(m_try, "portBox")->setEditText(silent.portName());
    child<QSpinBox>(m_try, "quietBox")->setValue(60000);
    send();
    QTRY_VERIFY_WITH_TIMEOUT(!silent.received().isEmpty(), 5000);
    QVERIFY(m_try->isRunning());
    QElapsedTimer clock;
    clock.start();
    child<QPushButton>(m_try, "cancelButton")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!m_try->isRunning(), 5000);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(child<QLabel>(m_try, "replyStatus")->text(), QStringLiteral("Cancelled."));

    // Quitting the editor in the middle of a wait does not wait it out.
    send();
    QVERIFY(m_try->isRunning());
    clock.restart();
    delete m_window;
    m_window = nullptr;
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
}

void TestTryCommand::playsKey_data()
{
    QTest::addColumn<int>("untick"); // a row of the list, -1 none
    QTest::addColumn<bool>("cancel"); // once the first record was sent
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QString>("status");

    QTest::newRow("link 13 unticked") << 1 << false << QByteArray("\x11\x33\x44")
                                      << QStringLiteral("3 records sent, replies to ");
    QTest::newRow("Cancel in link 13's delay") << -1 << true << QByteArray("\x11") << QStringLiteral("Cancelled.");
}

void TestTryCommand::playsKey()
{
    QFETCH(int, untick);
    QFETCH(bool, cancel);
    QFETCH(QByteArray, received);
    QFETCH(QString, status);

    setPlayedKey(m_window->dataManager(), 3, {0, 30, 0, 0}, true);
    PtyPeer equipment(PtyPeer::Mode::Silent);
    for (const PlayedRecord& record : playedRecords()) {
        equipment.answer(record.bytes, {{5, "OK"}});
    }
    QVERIFY(equipment.open());
    QTest::mouseClick(keyButton(m_window, 3), Qt::LeftButton);
    auto* list = child<QTreeWidget>(m_try, "playList");
    QCOMPARE(list->topLevelItemCount(), 4);
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("Key 3, link 13"));
    if (untick >= 0) {
        list->topLevelItem(untick)->setCheckState(0, Qt::Unchecked);
    }
    child<QCheckBox>(m_try, "skipDelaysBox")->setChecked(!cancel);
    child<QComboBox>(m_try, "portBox")->setEditText(equipment.portName());
    child<QPushButton>(m_try, "playButton")->click();
    QVERIFY(m_try->isRunning());
    QVERIFY(!child<QPushButton>(m_try, "sendButton")->isEnabled());
    QElapsedTimer clock;
    clock.start();
    if (cancel) {
        // The first record's reply, shown under it during the next one's delay.
        QTRY_COMPARE_WITH_TIMEOUT(list->topLevelItem(0)->childCount(), 1, 5000);
        QVERIFY(list->topLevelItem(0)->child(0)->text(3).startsWith(QStringLiteral("4F 4B")));
        clock.restart();
        QTest::keyClick(m_try, Qt::Key_Escape);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!m_try->isRunning(), 10000);
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(equipment.received(), received);
    QVERIFY2(child<QLabel>(m_try, "playStatus")->text().startsWith(status),
             qPrintable(child<QLabel>(m_try, "playStatus")->text()));
    // Escape stopped the play, not the window.
    QVERIFY(m_try->isVisible());
    QVERIFY(child<QPushButton>(m_try, "playButton")->isEnabled());
}

void TestTryCommand::replyShownAsItComes_data()
{
    QTest::addColumn<QList<int>>("chunks"); // sizes, as they come
    QTest::addColumn<int>("maxBytes");
    QTest::newRow("byte by byte") << QList<int>(40, 1) << 1000;
    QTest::newRow("across lines") << QList<int>{5, 30, 100, 1, 11} << 1000;
    QTest::newRow("beyond the most kept") << QList<int>{30, 30, 30} << 50;
}

void TestTryCommand::replyShownAsItComes()
{
    QFETCH(QList<int>, chunks);
    QFETCH(int, maxBytes);
    QPlainTextEdit hex;
    QPlainTextEdit text;
    ReplyColumns columns(&hex, &text, maxBytes);
    QByteArray whole;
    for (int size : chunks) {
        QByteArray chunk;
        while (chunk.size() < size) {
            chunk += char((whole.size() + chunk.size()) * 7); // control bytes, '\\' and Latin-1 too
        }
        whole += chunk;
        columns.append(chunk);
    }
    whole.truncate(maxBytes);
    QStringList hexRows, textRows;
    for (int at = 0; at < whole.size(); at += ReplyColumns::BytesPerRow) {
        hexRows << TypedBytes::spacedHex(whole.mid(at, ReplyColumns::BytesPerRow));
        textRows << TypedBytes::toEscapedText(whole.mid(at, ReplyColumns::BytesPerRow));
    }
    QCOMPARE(hex.toPlainText(), hexRows.join('\n'));
    QCOMPARE(text.toPlainText(), textRows.join('\n'));
}

void TestTryCommand::followsTheSelection()
{
    m_window->dataManager()->getButtonData(4)->setSecondLayerEnable(true);
    auto* tick = child<QCheckBox>(m_try, "secondLayerBox");
    auto* status = child<QLabel>(m_try, "replyStatus");
    PtyPeer projector(PtyPeer::Mode::Silent);
    projector.answer(QByteArray::fromHex("02504F4E03"), {{300, QByteArray("\x02OK\x03")}});
    QVERIFY(projector.open());

    // The selection moves on during the wait: the reply stays with key 2.
    QTest::mouseClick(keyButton(m_window, 2), Qt::LeftButton);
    const QString replied = tryOn(projector.portName(), 500, [this] {
        send();
        QTest::mouseClick(keyButton(m_window, 4), Qt::LeftButton);
    });
    QVERIFY(tick->isChecked()); // key 4's second layer is switched on
    QVERIFY(child<QGroupBox>(m_try, "replyBox")->title().startsWith(QStringLiteral("Reply to Key 2 on ")));
    QVERIFY2(status->text().startsWith(QStringLiteral("4 bytes")) && replied == status->text(), qPrintable(replied));

    // Another key: what was said goes, and a Send that cannot send says why.
    QTest::mouseClick(keyButton(m_window, 3), Qt::LeftButton);
    QVERIFY(!tick->isChecked());
    QCOMPARE(status->text(), QString());
    QVERIFY(child<QLabel>(m_try, "sendHint")->text().contains(QStringLiteral("Key 3 is empty")));

    // Another port: the refusal about the first one goes.
    QTest::mouseClick(keyButton(m_window, 2), Qt::LeftButton);
    QVERIFY(tryOn(QStringLiteral("/dev/kvr-no-such-port")).contains(QStringLiteral("could not be opened")));
    child<QComboBox>(m_try, "portBox")->setEditText(projector.portName());
    QCOMPARE(status->text(), QString());
}

void TestTryCommand::followsAtOnce_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QStringList>("shown"); // the record and its command in hex
    QTest::newRow("a key") << int(ClickKey3) << QStringList{"Key 3", ""};
    QTest::newRow("a link key") << int(ClickLink14) << QStringList{"Key 2, link 14", "4C 0D"};
    QTest::newRow("typing into an open edit, then Cancel") << int(Type) << QStringList{"Key 5", ""};
    QTest::newRow("an undo") << int(Undo) << QStringList{"Key 2", "0D"};
    QTest::newRow("a paste") << int(Paste) << QStringList{"Key 3", "02 50 4F 4E 03"};
    QTest::newRow("a load") << int(Load) << QStringList{"Choose a key or a link in the main window.", ""};
}

void TestTryCommand::followsAtOnce()
{
    QFETCH(int, action);
    QFETCH(QStringList, shown);
    // Each check comes right after its action, with no turn of the event loop between.
    auto* hex = child<QLineEdit>(m_try, "commandHex");
    QTest::mouseClick(keyButton(m_window, 2), Qt::LeftButton);
    QCOMPARE(hex->text(), QStringLiteral("02 50 4F 4E 03"));
    if (action == ClickKey3 || action == ClickLink14) {
        QTest::mouseClick(keyButton(m_window, action == ClickKey3 ? 3 : 14), Qt::LeftButton);
    } else if (action == Type) {
        keyButton(m_window, 5)->changeData();
        QTest::keyClicks(child<QLineEdit>(m_window, "commandEdit"), QStringLiteral("4142"));
        QCOMPARE(hex->text(), QStringLiteral("41 42"));
        QTest::keyClick(child<QLineEdit>(m_window, "commandEdit"), Qt::Key_Escape);
    } else if (action == Undo) {
        for (const QString& command : {QStringLiteral("0D"), QStringLiteral("0E")}) {
            m_window->dataManager()->getDataObject(2, 1)->setCommand(command);
            QVERIFY(m_window->document()->recordChange(QStringLiteral("Change"), {2, 0}));
            QCOMPARE(hex->text(), command);
        }
        child<QAction>(m_window, "actionUndo")->trigger();
    } else if (action == Paste) {
        child<QAction>(m_window, "actionCopy")->trigger();
        QTest::mouseClick(keyButton(m_window, 3), Qt::LeftButton);
        QCOMPARE(hex->text(), QString());
        child<QAction>(m_window, "actionPaste")->trigger();
    } else {
        QTemporaryDir dir;
        QVERIFY(m_window->document()->saveAs(dir.filePath("a.app")) && m_window->loadFile(dir.filePath("a.app")));
    }
    QCOMPARE((QStringList{child<QLabel>(m_try, "recordLabel")->text(), hex->text()}), shown);
}

void TestTryCommand::keyboardAndScreenReader()
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_try);
    QCOMPARE(window->role(), QAccessible::Window);

    // Reopened, the focus is on Send, wherever it was left.
    QTest::mouseClick(keyButton(m_window, 2), Qt::LeftButton);
    child<QLineEdit>(m_try, "freeLine")->setFocus();
    m_try->close();
    m_window->findChild<QAction*>(QStringLiteral("actionTry_Command"))->trigger();
    QTRY_COMPARE(m_try->focusWidget(), child<QPushButton>(m_try, "sendButton"));

    // Return sends from another field, as in a dialog.
    PtyPeer projector(PtyPeer::Mode::Silent);
    QVERIFY(projector.open());
    auto* quiet = child<QSpinBox>(m_try, "quietBox");
    quiet->setFocus();
    tryOn(projector.portName(), 50, [quiet] { QTest::keyClick(quiet, Qt::Key_Return); });
    QCOMPARE(projector.received(), QByteArray::fromHex("02504F4E03"));
}

void TestTryCommand::savedLogHasSuffixAndDate()
{
    QTemporaryDir dir;
    QTest::mouseClick(keyButton(m_window, 2), Qt::LeftButton);
    tryOn(QStringLiteral("/dev/kvr-no-such-port"));
    answerNextModal({QStringLiteral("QFileDialog")}, [path = dir.filePath("trial")](QWidget* modal) {
        modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(modal, "accept");
    });
    QVERIFY(m_try->saveLog());
    QFile file(dir.filePath("trial.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString log = QString::fromUtf8(file.readAll());
    QVERIFY2(log.startsWith(QDate::currentDate().toString(Qt::ISODate)) && log.contains("could not be opened"),
             qPrintable(log));
}

QTEST_MAIN(TestTryCommand)
#include "tst_trycommand.moc"
