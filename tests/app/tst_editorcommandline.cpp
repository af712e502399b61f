// The editor's command line, run as a process: help and version without a
// display, the plain refusal of a run without one, the refusals of a wrong
// command line, and "--" before a file name.
#include "appdata.h"
#include "kvr210c_version.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestEditorCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void informationNeedsNoDisplay_data();
    void informationNeedsNoDisplay();
    void wrongCommandLinesAreRefused_data();
    void wrongCommandLinesAreRefused();
    void withoutDisplayTheEditorSaysSo_data();
    void withoutDisplayTheEditorSaysSo();
    void doubleDashEndsTheOptions_data();
    void doubleDashEndsTheOptions();

private:
    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };
    // withDisplay false: no X, no Wayland and no platform chosen, as on a console.
    static Run editor(const QStringList& args, bool withDisplay);
};

TestEditorCommandLine::Run TestEditorCommandLine::editor(const QStringList& args, bool withDisplay)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    if (withDisplay) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(KVR_EDITOR_PATH), args);
    Run run;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

void TestEditorCommandLine::informationNeedsNoDisplay_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    QTest::newRow("--help") << QStringList{"--help"} << "KVR210C control client";
    QTest::newRow("-h") << QStringList{"-h"} << "[file]";
    QTest::newRow("--help-all") << QStringList{"--help-all"} << "[file]";
    QTest::newRow("--version") << QStringList{"--version"} << "kvr210c " KVR_VERSION;
    QTest::newRow("-v") << QStringList{"-v"} << "kvr210c " KVR_VERSION;
    // Window-system options do not get in the way of the help.
    QTest::newRow("-platform xcb --help") << QStringList{"-platform", "xcb", "--help"} << "--version";
    QTest::newRow("file then --version") << QStringList{"site.app", "--version"} << KVR_VERSION;
}

void TestEditorCommandLine::informationNeedsNoDisplay()
{
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    const Run run = editor(args, false);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains(expected), qPrintable(run.out + run.err));
}

void TestEditorCommandLine::wrongCommandLinesAreRefused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("withDisplay");
    QTest::addColumn<QString>("expected");
    for (bool display : {true, false}) {
        const char* where = display ? "display" : "no display";
        QTest::addRow("unknown option, %s", where) << QStringList{"--bogus"} << display << "bogus";
        QTest::addRow("unknown option and a file, %s", where)
            << QStringList{"site.app", "--bogus"} << display << "bogus";
        QTest::addRow("two files, %s", where) << QStringList{"a.app", "b.app"} << display << "one file";
    }
}

void TestEditorCommandLine::wrongCommandLinesAreRefused()
{
    QFETCH(QStringList, args);
    QFETCH(bool, withDisplay);
    QFETCH(QString, expected);
    // Refused before any window is shown, so the run ends on its own.
    const Run run = editor(args, withDisplay);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(expected), qPrintable(run.err));
    QVERIFY2(run.err.contains("kvr210c --help"), qPrintable(run.err));
}

void TestEditorCommandLine::withoutDisplayTheEditorSaysSo_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no arguments") << QStringList();
    QTest::newRow("a file") << QStringList{"site.app"};
    QTest::newRow("a file after --") << QStringList{"--", "--bogus"};
}

void TestEditorCommandLine::withoutDisplayTheEditorSaysSo()
{
    QFETCH(QStringList, args);
    const Run run = editor(args, false);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
    // One line, naming what works without a display.
    const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    for (const char* part : {"desktop session", "--help", "--version", "kvr210c-cli"}) {
        QVERIFY2(lines.first().contains(part), qPrintable(run.err));
    }
}

void TestEditorCommandLine::doubleDashEndsTheOptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("--version") << "--version";
    QTest::newRow("-h") << "-h";
}

void TestEditorCommandLine::doubleDashEndsTheOptions()
{
    QFETCH(QString, name);
    // After "--" an option's name is a file's name: the window opens that file.
    QTemporaryDir dir;
    {
        ProgramRecords records;
        records.newData(6, 5);
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(records.saveConfigFile(&file));
    }
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", dir.filePath("config")); // its recent files stay here
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(KVR_EDITOR_PATH), {"--verbose", "--", name});
    QVERIFY(process.waitForStarted());
    QByteArray out;
    QByteArray err;
    const QByteArray loaded = "loaded config file " + name.toUtf8();
    const bool ended = QTest::qWaitFor(
        [&] {
            out += process.readAllStandardOutput();
            err += process.readAllStandardError();
            return err.contains(loaded) || process.state() == QProcess::NotRunning;
        },
        15000);
    process.kill();
    process.waitForFinished(5000);
    QVERIFY2(ended && err.contains(loaded), (out + err).constData());
    QVERIFY2(!out.contains(KVR_VERSION) && !out.contains("Usage"), out.constData());
}

QTEST_GUILESS_MAIN(TestEditorCommandLine)
#include "tst_editorcommandline.moc"
