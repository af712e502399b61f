// File > Compare With File... through the real menu: the table of differences,
// an equal file, and a file that can't be compared.
#include "appdatamanager.h"
#include "testrecords.h"
#include "windowtest.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <sys/stat.h>

class TestCompareWithFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void tableShowsEachDifference();
    void oneDifferingFieldIsShown_data();
    void oneDifferingFieldIsShown();
    void equalFileSaysSo();
    void unreadableFileWarns_data();
    void unreadableFileWarns();

private:
    // Chooses `path` in the file dialog of Compare With File...
    void compareWith(const QString& path);
    QString save(const QString& name);

    AppMainWindow* m_window = nullptr;
    QTemporaryDir m_dir;
    bool m_tableShown = false;
    QStringList m_rows;
};

void TestCompareWithFile::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void TestCompareWithFile::init()
{
    m_window = new AppMainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    AppDataManager* data = m_window->dataManager();
    data->getButtonData(2)->setButtonName("Door");
    data->getDataObject(2, 1)->setCommand("0D0A");
    data->getDataObject(5, 3)->setDelayTime(40);
    m_tableShown = false;
    m_rows.clear();
    // Whatever table comes up is read, row by row, and closed.
    answerNextModal({"comparisonDialog"}, [this](QWidget* modal) {
        m_tableShown = true;
        auto* table = modal->findChild<QTableWidget*>("differencesTable");
        QVERIFY(table);
        QCOMPARE(table->columnCount(), 4);
        QStringList header;
        for (int column = 0; column < 4; ++column) {
            header << table->horizontalHeaderItem(column)->text();
        }
        QCOMPARE(header, QStringList({"Record", "Field", "Here", "There"}));
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 4; ++column) {
                cells << table->item(row, column)->text();
            }
            m_rows << cells.join(" | ");
        }
        static_cast<QDialog*>(modal)->reject();
    });
}

void TestCompareWithFile::cleanup()
{
    delete m_window;
}

QString TestCompareWithFile::save(const QString& name)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !m_window->dataManager()->saveConfigFile(&file)) {
        return QString();
    }
    return path;
}

void TestCompareWithFile::compareWith(const QString& path)
{
    answerFileDialog(path);
    QAction* compare = child<QAction>(m_window, "actionCompare_With_File");
    QVERIFY(compare);
    compare->trigger();
}

void TestCompareWithFile::tableShowsEachDifference()
{
    // The file differs from the window in two fields.
    AppDataManager* data = m_window->dataManager();
    data->getDataObject(2, 1)->setCommand("0D0B");
    data->getDataObject(5, 3)->setDelayTime(75);
    const QString path = save("other.app");
    QVERIFY(!path.isEmpty());
    data->getDataObject(2, 1)->setCommand("0D0A");
    data->getDataObject(5, 3)->setDelayTime(40);

    compareWith(path);
    QVERIFY(m_tableShown);
    // Commands as the command field shows them.
    QCOMPARE(m_rows, QStringList({"Key 2 | command | 0D 0A | 0D 0B", "Key 5, link 14 | delay | 40 | 75"}));

    // The command line finds the same differences between the window's file and the other.
    const QString here = save("here.app");
    QProcess diff;
    diff.start(KVR_CLI_PATH, {"diff", here, path});
    QVERIFY(diff.waitForFinished(20000));
    QCOMPARE(diff.exitCode(), 1);
    QStringList fromTable;
    for (const QString& row : std::as_const(m_rows)) {
        QStringList cells = row.split(" | ");
        if (cells[1] == "command") {
            cells[2].remove(' ');
            cells[3].remove(' ');
        }
        fromTable << QString("%1: %2 %3 -> %4").arg(cells[0], cells[1], cells[2], cells[3]);
    }
    QCOMPARE(QString::fromUtf8(diff.readAllStandardOutput()).trimmed().split('\n'), fromTable);
    // Comparing changes nothing in the window.
    QCOMPARE(data->getDataObject(2, 1)->getCommand(), QString("0D0A"));
    QVERIFY(!m_window->isWindowModified());
}

void TestCompareWithFile::oneDifferingFieldIsShown_data()
{
    using Change = std::function<void(AppDataManager*)>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("row");
    QTest::newRow("name") << Change([](AppDataManager* d) { d->getButtonData(4)->setButtonName("Gate"); })
                          << "Key 4 | name | \"Empty\" | \"Gate\"";
    QTest::newRow("command") << Change([](AppDataManager* d) { d->getDataObject(2, 1)->setCommand("EE42430D"); })
                             << "Key 2 | command | 0D 0A | EE 42 43 0D";
    QTest::newRow("second-layer switch") << Change([](AppDataManager* d) {
        d->getButtonData(6)->setSecondLayerEnable(true);
    }) << "Key 6, second layer | switch | off | on";
    QTest::newRow("stop bits of a link") << Change([](AppDataManager* d) {
        UartData uart;
        d->getDataObject(3, 5)->getUartData(&uart);
        uart.stopBits = StopBits2;
        d->getDataObject(3, 5)->setUartData(&uart);
    }) << "Key 3, link 16 | stop bits | 1 | 2";
    QTest::newRow("delay") << Change([](AppDataManager* d) { d->getDataObject(5, 3)->setDelayTime(41); })
                           << "Key 5, link 14 | delay | 40 | 41";
}

// A file that differs in a single field is not "the same configuration".
void TestCompareWithFile::oneDifferingFieldIsShown()
{
    using Change = std::function<void(AppDataManager*)>;
    QFETCH(Change, change);
    QFETCH(QString, row);
    const QString here = save("here.app");
    change(m_window->dataManager());
    const QString path = save("one-field.app");
    QVERIFY(!path.isEmpty());
    // The window goes back to what it held; the file keeps the change.
    QVERIFY(m_window->dataManager()->loadConfigFileFrom(here).isLoaded());
    compareWith(path);
    QVERIFY(m_tableShown);
    QCOMPARE(m_rows, QStringList({row}));
}

void TestCompareWithFile::equalFileSaysSo()
{
    const QString path = save("same.app");
    QVERIFY(!path.isEmpty());
    QString text;
    answerNextModal({"QMessageBox"}, [&text](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        text = box->text();
        box->accept();
    });
    compareWith(path);
    QCOMPARE(text, QString("The file holds the same configuration."));
    QVERIFY(!m_tableShown);
}

void TestCompareWithFile::unreadableFileWarns_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("cut short") << "cut";
    QTest::newRow("not a configuration") << "text";
    QTest::newRow("named pipe") << "fifo";
}

void TestCompareWithFile::unreadableFileWarns()
{
    QFETCH(QString, kind);
    QString path = m_dir.filePath(kind + ".app");
    if (kind == "fifo") {
        // Never opened for reading: that would wait for a writer that never comes.
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else {
        QVERIFY(!save("whole.app").isEmpty());
        QFile whole(m_dir.filePath("whole.app"));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray bytes = kind == "cut" ? whole.readAll().left(100) : QByteArray("Door=0D0A\n");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString text;
    QString detail;
    answerNextModal({"QMessageBox"}, [&text, &detail](QWidget* modal) {
        auto* box = static_cast<QMessageBox*>(modal);
        text = box->text();
        detail = box->informativeText();
        box->accept();
    });
    compareWith(path);
    QCOMPARE(text, QString("Can't open wire"));
    QVERIFY2(detail.contains(path), qPrintable(detail));
    QVERIFY(!m_tableShown);
    QFile::remove(path);
}

QTEST_MAIN(TestCompareWithFile)
#include "tst_comparewithfile.moc"
