// Configurations under version control: the older JSON form kept for older
// readers, and "show" as git's textconv naming the record that changed.
#include "cliprocess.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

class TestVersionControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void olderFormWrittenAndRead_data();
    void olderFormWrittenAndRead();
    void gitDiffShowsTheChangedRecord_data();
    void gitDiffShowsTheChangedRecord();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    CliRun git(const QStringList& arguments) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

CliRun cli(const QStringList& arguments)
{
    return runCli(QStringLiteral(KVR_CLI_PATH), arguments);
}

QString sample(const QString& name)
{
    return QStringLiteral(KVR_CLI_TEST_DATA "/") + name;
}

const QByteArray Header = R"({"format": "kvr210c-config", "version": 2, "keys": )";

} // namespace

void TestVersionControl::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

CliRun TestVersionControl::git(const QStringList& arguments) const
{
    // No system or user settings: only what the test sets.
    return runCli(QStringLiteral("git"), QStringList{"-C", m_dir->path()} + arguments, 30000, {}, {},
                  {"GIT_CONFIG_NOSYSTEM=1", "GIT_CONFIG_GLOBAL=/dev/null", "GIT_PAGER=cat"});
}

void TestVersionControl::olderFormWrittenAndRead_data()
{
    // The JSON files are what export wrote before version 2 existed.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("json");
    QTest::newRow("values only the file holds") << sample("oddvalues.app") << sample("oddvalues-v1.json");
    QTest::newRow("every key filled") << sample("filled.app") << sample("filled-v1.json");
}

void TestVersionControl::olderFormWrittenAndRead()
{
    QFETCH(QString, file);
    QFETCH(QString, json);
    const CliRun exported = cli({"export", "--format", "1", file});
    QVERIFY2(exported.exitCode == 0, qPrintable(exported.err));
    QCOMPARE(exported.out, readFile(json));

    const CliRun imported = cli({"import", json, path("back.app")});
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
    QCOMPARE(readFile(path("back.app")), readFile(file));
}

void TestVersionControl::gitDiffShowsTheChangedRecord_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("added");
    QTest::newRow("command of a link") << QByteArray(R"([{"key": 3, "links": [{"link": 3, "command": "41"}]}])")
                                       << QByteArray(R"([{"key": 3, "links": [{"link": 3, "command": "42"}]}])")
                                       << "Key 3, link 14: "
                                       << "hex 42 (1 byte)";
    QTest::newRow("second layer switched on")
        << QByteArray("[]") << QByteArray(R"([{"key": 5, "secondLayer": {"enabled": true}}])")
        << "Key 5, second layer ("
        << "(enabled)";
    QTest::newRow("parity of a key") << QByteArray("[]") << QByteArray(R"([{"key": 6, "parity": "even"}])") << "Key 6: "
                                     << "9600,8-E-1";
}

void TestVersionControl::gitDiffShowsTheChangedRecord()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QString, record);
    QFETCH(QString, added);
    QVERIFY(writeFile(path("before.json"), Header + before + "}"));
    QVERIFY(writeFile(path("after.json"), Header + after + "}"));
    QVERIFY(writeFile(path(".gitattributes"), "*.app diff=kvr210c\n"));
    for (const QStringList& step : {QStringList{"init", "-q"},
                                    {"config", "diff.kvr210c.textconv", QStringLiteral("'%1' show").arg(KVR_CLI_PATH)},
                                    {"config", "user.name", "Test"},
                                    {"config", "user.email", "test@example.invalid"}}) {
        const CliRun run = git(step);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    }
    QCOMPARE(cli({"import", path("before.json"), path("site.app")}).exitCode, 0);
    QCOMPARE(git({"add", "."}).exitCode, 0);
    QCOMPARE(git({"commit", "-q", "-m", "before"}).exitCode, 0);
    QCOMPARE(cli({"import", path("after.json"), path("site.app")}).exitCode, 0);

    const CliRun diff = git({"diff", "--no-color", "--", "site.app"});
    QVERIFY2(diff.exitCode == 0, qPrintable(diff.err));
    QStringList changed;
    for (const QString& line : QString::fromUtf8(diff.out).split('\n')) {
        if ((line.startsWith('-') || line.startsWith('+')) && !line.startsWith("---") && !line.startsWith("+++")) {
            changed << line;
        }
    }
    QCOMPARE(changed.size(), 2);
    QVERIFY2(changed[0].startsWith('-' + record) && changed[1].startsWith('+' + record),
             qPrintable(changed.join('\n')));
    QVERIFY2(changed[1].contains(added), qPrintable(changed[1]));
}

QTEST_GUILESS_MAIN(TestVersionControl)
#include "tst_versioncontrol.moc"
