// The libraries in use together: a search over all of them, and one that
// cannot be read kept with its reason while the others are used.
#include "libraryshelf.h"
#include "settingsstore.h"
#include "shelflibrary.h"
#include "testfiles.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestLibraryShelf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void searchWantsEveryWord_data();
    void searchWantsEveryWord();
    void importIntoYourLibrary_data();
    void importIntoYourLibrary();
};

void TestLibraryShelf::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestLibraryShelf::init()
{
    SettingsStore::open().clear();
}

void TestLibraryShelf::searchWantsEveryWord_data()
{
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("found"); // "library/entry"

    QTest::newRow("no words: all that could be read")
        << "" << QStringList{"opened/Input", "opened/Power on", "opened/Banner"};
    QTest::newRow("a name, any case") << "INPUT" << QStringList{"opened/Input"};
    QTest::newRow("equipment and group together") << "camera pow" << QStringList{"opened/Power on"};
    QTest::newRow("one word found nowhere") << "camera input" << QStringList{};
    QTest::newRow("blanks around and between")
        << "  stage   camera " << QStringList{"opened/Power on", "opened/Banner"};
}

void TestLibraryShelf::searchWantsEveryWord()
{
    QFETCH(QString, words);
    QFETCH(QStringList, found);

    QTemporaryDir dir;
    const QString user = dir.filePath(QStringLiteral("user/library.json"));
    const QString opened = dir.filePath(QStringLiteral("opened.json"));
    const QString damaged = dir.filePath(QStringLiteral("damaged.json"));
    QVERIFY(writeFile(opened, shelfLibraryJson()) && writeFile(damaged, shelfLibraryJson()));
    {
        LibraryShelf shelf(user, QString());
        QVERIFY(shelf.open(opened).ok && shelf.open(damaged).ok);
    }
    // Damaged after it was opened: still listed, by the settings, with its reason.
    QVERIFY(writeFile(damaged, shelfLibraryJson().chopped(1)));
    LibraryShelf again(user, QString());
    QCOMPARE(again.libraries().size(), 3);
    QVERIFY(again.libraries()[0].readable() && again.libraries()[0].entries.isEmpty());
    QVERIFY(!again.libraries()[2].readable() && again.libraries()[2].entries.isEmpty());

    QStringList names;
    for (const LibraryShelf::Found& place : again.search(words)) {
        names << QStringLiteral("%1/%2").arg(QFileInfo(again.libraries()[place.library].path).baseName(),
                                             again.entry(place)->name);
    }
    QCOMPARE(names, found);
}

void TestLibraryShelf::importIntoYourLibrary_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("said");

    QTest::newRow("new names") << QByteArray(
        R"({"Model X": {"baudrate": 9600, "commands": {"power on": [170, 17, 1]}}})")
                               << "Commands imported into your library: 1";
    QTest::newRow("a name already there")
        << QByteArray(R"({"Model X": {"baudrate": 9600, "commands": {"power on": [1], "Input": [2]}}})")
        << "already has an entry named \"Input\"";
    QTest::newRow("a table that does not read")
        << QByteArray(R"({"Model X": {"baudrate": 9600)") << "The table could not be imported";
}

void TestLibraryShelf::importIntoYourLibrary()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, said);

    QTemporaryDir dir;
    const QString user = dir.filePath(QStringLiteral("library.json"));
    const QString tablePath = dir.filePath(QStringLiteral("table.json"));
    QVERIFY(writeFile(user, shelfLibraryJson()) && writeFile(tablePath, table));
    LibraryShelf shelf(user, QString());

    const OperationResult result = shelf.import(tablePath);
    QVERIFY2((result.ok ? result.done : result.error).contains(said), qPrintable(result.done + result.error));
    if (!result.ok) {
        // Refused whole: the file as it was.
        QCOMPARE(readFile(user), shelfLibraryJson());
        return;
    }
    LibraryShelf again(user, QString());
    QCOMPARE(again.search(QStringLiteral("model power")).size(), 1);
    QCOMPARE(again.libraries()[0].entries.size(), 4);
}

QTEST_GUILESS_MAIN(TestLibraryShelf)
#include "tst_libraryshelf.moc"
