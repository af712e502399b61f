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
#include "trycommandwindow.h"
#include "typedbytes.h"
#include "windowtest.h"

#include <QPlainTextEdit>
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
    void replyShownAsItComes_data();
    void replyShownAsItComes();

private:
    // Opens the window by its action and sends with `send` on `port`; the reply status.
    QString tryOn(const QString& port, const std::function<void()>& send, int quietMs = 500);

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

QString TestTryCommand::tryOn(const QString& port, const std::function<void()>& send, int quietMs)
{
    child<QComboBox>(m_try, "portBox")->setEditText(port);
    child<QSpinBox>(m_try, "quietBox")->setValue(quietMs);
    send();
    if (!QTest::qWaitFor([this] { return !m_try->isRunning(); }, 10000)) {
        return QStringLiteral("still running");
    }
    return child<QLabel>(m_try, "replyStatus")->text();
}

void TestTryCommand::sendsWhatThePanelShows_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("linkButton"); // 0: none
    QTest::addColumn<bool>("secondLayer");
    QTest::addColumn<QString>("typed"); // into the command being edited
    QTest::addColumn<QString>("freeLine");
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("a key's first layer") << 2 << 0 << false << QString() << QString()
                                         << QByteArray::fromHex("02504F4E03");
    QTest::newRow("a link") << 2 << 14 << false << QString() << QString() << QByteArray("L\r");
    QTest::newRow("a key's second layer")
        << 2 << 0 << true << QString() << QString() << QByteArray::fromHex("0250465403");
    QTest::newRow("a command being edited")
        << 5 << 0 << false << QStringLiteral("4142") << QString() << QByteArray("AB");
    QTest::newRow("the free line") << 2 << 0 << false << QString() << QStringLiteral("\\x02ON\\r")
                                   << QByteArray::fromHex("024F4E0D");
}

void TestTryCommand::sendsWhatThePanelShows()
{
    QFETCH(int, key);
    QFETCH(int, linkButton);
    QFETCH(bool, secondLayer);
    QFETCH(QString, typed);
    QFETCH(QString, freeLine);
    QFETCH(QByteArray, sent);

    ConfigDocument* document = m_window->document();
    const QByteArray before = m_window->dataManager()->configFileBytes();
    const int steps = document->undoStack()->count();
    QTest::mouseClick(keyButton(m_window, key), Qt::LeftButton);
    if (linkButton > 0) {
        QTest::mouseClick(keyButton(m_window, linkButton), Qt::LeftButton);
    }
    if (!typed.isEmpty()) {
        keyButton(m_window, key)->changeData();
        QTest::keyClicks(child<QLineEdit>(m_window, "commandEdit"), typed);
    }
    child<QCheckBox>(m_try, "secondLayerBox")->setChecked(secondLayer);

    PtyPeer projector(PtyPeer::Mode::Silent);
    const QByteArray reply("\x02OK\x00\x03", 5);
    projector.answer(sent, {{20, reply}});
    QVERIFY(projector.open());
    const QString status = tryOn(projector.portName(), [&] {
        if (freeLine.isEmpty()) {
            m_try->refresh();
            child<QPushButton>(m_try, "sendButton")->click();
        } else {
            child<QLineEdit>(m_try, "freeLine")->setText(freeLine);
            child<QPushButton>(m_try, "sendLineButton")->click();
        }
    });

    QCOMPARE(projector.received(), sent);
    QVERIFY2(status.startsWith(QStringLiteral("5 bytes, the first after ")), qPrintable(status));
    QCOMPARE(child<QPlainTextEdit>(m_try, "replyHex")->toPlainText(), QStringLiteral("02 4F 4B 00 03"));
    QCOMPARE(child<QPlainTextEdit>(m_try, "replyText")->toPlainText(), QStringLiteral("\\x02OK\\x00\\x03"));
    QVERIFY(m_try->logText().contains(TypedBytes::spacedHex(sent)));
    // Only tried: no undo step, no modified mark, the records as they were.
    QCOMPARE(document->undoStack()->count(), steps);
    QVERIFY(!document->isModified());
    QVERIFY(!m_window->isWindowModified());
    QCOMPARE(m_window->dataManager()->configFileBytes(), before);
}

void TestTryCommand::saysWhyNot_data()
{
    QTest::addColumn<QString>("port"); // "device": the device's own, "peer": silent equipment
    QTest::addColumn<QString>("hexLine"); // sent as the free line in hex, else the key's command
    QTest::addColumn<QString>("says");

    QTest::newRow("the device's port") << QStringLiteral("device") << QString()
                                       << QStringLiteral("is the port the device is connected on");
    QTest::newRow("a port that cannot be opened")
        << QStringLiteral("/dev/kvr-no-such-port") << QString()
        << QStringLiteral("The port /dev/kvr-no-such-port could not be opened");
    QTest::newRow("silent equipment") << QStringLiteral("peer") << QString()
                                      << QStringLiteral("no reply within 200 ms");
    QTest::newRow("not hex") << QStringLiteral("peer") << QStringLiteral("02 5G")
                             << QStringLiteral("Not sent: \"G\" is not a hex digit at position 5.");
}

void TestTryCommand::saysWhyNot()
{
    QFETCH(QString, port);
    QFETCH(QString, hexLine);
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
    const QString status = tryOn(
        port,
        [&] {
            if (hexLine.isEmpty()) {
                m_try->refresh();
                child<QPushButton>(m_try, "sendButton")->click();
            } else {
                child<QComboBox>(m_try, "lineFormat")->setCurrentIndex(1);
                child<QLineEdit>(m_try, "freeLine")->setText(hexLine);
                child<QPushButton>(m_try, "sendLineButton")->click();
            }
        },
        200);
    const QString shown = hexLine.isEmpty() ? status : child<QLabel>(m_try, "lineError")->text();
    QVERIFY2(shown.contains(says), qPrintable(shown));
    if (port != silent.portName()) {
        QVERIFY(silent.received().isEmpty());
    }
    if (!hexLine.isEmpty()) {
        QVERIFY(silent.received().isEmpty());
    }
}

void TestTryCommand::cancelEndsLongWait()
{
    PtyPeer silent(PtyPeer::Mode::Silent);
    QVERIFY(silent.open());
    QTest::mouseClick(keyButton(m_window, 2), Qt::LeftButton);
    child<QComboBox>(m_try, "portBox")->setEditText(silent.portName());
    child<QSpinBox>(m_try, "quietBox")->setValue(60000);
    m_try->refresh();
    child<QPushButton>(m_try, "sendButton")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!silent.received().isEmpty(), 5000);
    QVERIFY(m_try->isRunning());
    QElapsedTimer clock;
    clock.start();
    child<QPushButton>(m_try, "cancelButton")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!m_try->isRunning(), 5000);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(child<QLabel>(m_try, "replyStatus")->text(), QStringLiteral("Cancelled."));

    // Quitting the editor in the middle of a wait does not wait it out.
    child<QPushButton>(m_try, "sendButton")->click();
    QVERIFY(m_try->isRunning());
    clock.restart();
    delete m_window;
    m_window = nullptr;
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
}

void TestTryCommand::replyShownAsItComes_data()
{
    QTest::addColumn<QList<int>>("chunks"); // sizes, as they come
    QTest::addColumn<int>("maxBytes");
    QTest::newRow("byte by byte") << QList<int>(40, 1) << 1000;
    QTest::newRow("whole lines") << QList<int>{16, 16} << 1000;
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
    columns.append(QByteArray("earlier reply"));
    columns.clear();
    QByteArray whole;
    for (int size : chunks) {
        QByteArray chunk;
        for (int i = 0; i < size; ++i) {
            chunk += char((whole.size() + chunk.size()) * 7); // control bytes, '\\' and Latin-1 too
        }
        whole += chunk;
        columns.append(chunk);
    }
    whole.truncate(maxBytes);
    QStringList hexLines;
    QStringList textLines;
    for (int at = 0; at < whole.size(); at += ReplyColumns::BytesPerLine) {
        hexLines << TypedBytes::spacedHex(whole.mid(at, ReplyColumns::BytesPerLine));
        textLines << TypedBytes::toEscapedText(whole.mid(at, ReplyColumns::BytesPerLine));
    }
    QCOMPARE(columns.bytes(), whole);
    QCOMPARE(hex.toPlainText(), hexLines.join('\n'));
    QCOMPARE(text.toPlainText(), textLines.join('\n'));
}

QTEST_MAIN(TestTryCommand)
#include "tst_trycommand.moc"
