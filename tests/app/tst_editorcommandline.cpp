// The editor's command line, run as a process: help and version without a
// display, and the refusals of a wrong command line.
#include <QProcess>
#include <QtTest>

class TestEditorCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void informationNeedsNoDisplay_data();
    void informationNeedsNoDisplay();
    void wrongCommandLinesAreRefused_data();
    void wrongCommandLinesAreRefused();

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
    QTest::newRow("--version") << QStringList{"--version"} << "kvr210c 1.0.1";
    QTest::newRow("-v") << QStringList{"-v"} << "kvr210c 1.0.1";
    // Window-system options do not get in the way of the help.
    QTest::newRow("-platform xcb --help") << QStringList{"-platform", "xcb", "--help"} << "--version";
    QTest::newRow("file then --version") << QStringList{"site.app", "--version"} << "1.0.1";
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
    QTest::addColumn<QString>("expected");
    QTest::newRow("unknown option") << QStringList{"--bogus"} << "bogus";
    QTest::newRow("two files") << QStringList{"a.app", "b.app"} << "one file";
}

void TestEditorCommandLine::wrongCommandLinesAreRefused()
{
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    // Refused before any window is shown, so the run ends on its own.
    const Run run = editor(args, true);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(expected), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestEditorCommandLine)
#include "tst_editorcommandline.moc"
