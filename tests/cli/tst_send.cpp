// kvr210c-cli send run as a process against equipment on a pseudo-terminal:
// what reaches it, what is printed, the exit codes and Ctrl+C in a long wait.
#include "appdata.h"
#include "cliprocess.h"
#include "linktracefile.h"
#include "ptypeer.h"
#include "seriallink.h"
#include "testrecords.h"

#include <QtTest>

#include <csignal>

namespace {

// The projector's reply on standard output: its parts as they came, each with its time, then the whole.
constexpr char ProjectorReply[] = "\\+\\d+ ms +02 4F 4B  \\\\x02OK\n\\+\\d+ ms +03  \\\\x03\n"
                                  "reply       02 4F 4B 03  \\\\x02OK\\\\x03\n";

CliRun send(const QStringList& arguments, int timeoutMs = 30000, const std::function<void(QProcess&)>& started = {})
{
    // SIGINT at its default even when the tests were started in the background.
    return runCli(
        QStringLiteral("env"),
        QStringList{QStringLiteral("--default-signal=INT"), QStringLiteral(KVR_CLI_PATH), QStringLiteral("send")}
            + arguments,
        timeoutMs, started);
}

} // namespace

class TestSend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sends_data();
    void sends();
    void tracesTheWire();
    void playsKey_data();
    void playsKey();
    void refusesUsage_data();
    void refusesUsage();
    void ctrlCEndsLongWait();

private:
    QTemporaryDir m_dir;
    QString m_file;
};

void TestSend::initTestCase()
{
    QVERIFY(m_dir.isValid());
    ProgramRecords records;
    records.newData(6, 5);
    const UartData line = uart(5, 1, 3, 1); // 28800,8-O-2
    records.getDataObject(2, 1)->setCommand(QStringLiteral("02504F4E03"));
    records.getButtonData(2)->setSecondLayerCommand(QStringLiteral("0250465403"));
    records.getButtonData(2)->setSecondLayerUartData(&line);
    records.getDataObject(2, 3)->setCommand(QStringLiteral("4C0D"));
    setPlayedKey(&records, 3, {0, 1, 2, 0}, true);
    m_file = m_dir.filePath(QStringLiteral("program.kvr"));
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::WriteOnly) && records.saveConfigFile(&file));
}

void TestSend::sends_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<quint32>("speed");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed"); // a pattern: on standard output, or standard error when it failed
    QTest::addColumn<QString>("note"); // on standard error: what the device cannot keep

    const QString ok = QLatin1String(ProjectorReply);
    QTest::newRow("first layer") << "FILE --key 2" << QByteArray::fromHex("02504F4E03") << 9600u << 0 << ok
                                 << QString();
    QTest::newRow("second layer, two stop bits")
        << "FILE --key 2 --second" << QByteArray::fromHex("0250465403") << 28800u << 0 << ok
        << QStringLiteral("note: The device keeps only the baud rate and parity of a command: it may not send this "
                          "one with 8 data bits and 2 stop bits.");
    QTest::newRow("link, expected reply")
        << "FILE --key 2 --link 3 --expect \"02 4F 4B 03\"" << QByteArray("L\r") << 9600u << 0 << ok << QString();
    QTest::newRow("link by its button's label")
        << "FILE --key 2 --link 14" << QByteArray("L\r") << 9600u << 0 << ok << QString();
    QTest::newRow("hex, other reply than expected")
        << "--hex \"4C 0D\" --line 14400,7-E-2 --expect \"02 4F 4B 0D\"" << QByteArray("L\r") << 14400u << 1
        << QStringLiteral("the reply differs from --expect at byte 3 \\(counted from 0\\): 03, expected 0D")
        << QString();
    // No reply is told apart from a port that cannot be used (2).
    QTest::newRow("silent") << "--hex 21 --wait 200" << QByteArray("!") << 9600u << 3
                            << QStringLiteral("no reply within 200 ms") << QString();
    // Bytes above 7F are end bytes like any other; a count is no wait: the long wait never comes into it.
    const QString hex = QStringLiteral("^port \\S+ at 9600,8-N-1, 1 byte\nsent +3F  \\?\n\\+\\d+ ms +02 80  "
                                       "\\\\x02\\\\x80\n(.*\n)*reply +02 80");
    QTest::newRow("--end 80") << "--hex 3F --end 80" << QByteArray("?") << 9600u << 0
                              << hex + "  \\\\x02\\\\x80\n2 bytes, .*\\(up to the end byte\\)\n$" << QString();
    QTest::newRow("--end FF") << "--hex 3F --end ff" << QByteArray("?") << 9600u << 0
                              << hex + " 41 FF  \\\\x02\\\\x80A\\\\xFF\n4 bytes, .*\\(up to the end byte\\)\n$"
                              << QString();
    QTest::newRow("--bytes") << "--hex 3F --bytes 2 --wait 60000" << QByteArray("?") << 9600u << 0
                             << hex + "  \\\\x02\\\\x80\n2 bytes, .*\\(as many as asked for\\)\n$" << QString();
}

void TestSend::sends()
{
    QFETCH(QString, arguments);
    QFETCH(QByteArray, received);
    QFETCH(quint32, speed);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);
    QFETCH(QString, note);

    PtyPeer equipment(PtyPeer::Mode::Silent);
    for (const char* request : {"\x02PON\x03", "\x02PFT\x03", "L\r"}) {
        equipment.answer(request, {{20, QByteArray("\x02OK")}, {30, QByteArray("\x03")}});
    }
    equipment.answer("?", {{10, QByteArray::fromHex("0280")}, {20, QByteArray::fromHex("41FF42")}});
    QVERIFY(equipment.open());
    const CliRun run = send(QProcess::splitCommand(arguments).replaceInStrings(QStringLiteral("FILE"), m_file)
                                + QStringList{QStringLiteral("--port"), equipment.portName()},
                            20000);

    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(equipment.received(), received);
    QCOMPARE(equipment.line().speed, speed);
    const QString out = QString::fromLocal8Bit(run.out);
    QVERIFY2(QRegularExpression(printed).match(exitCode == 0 ? out : run.err).hasMatch(), qPrintable(out + run.err));
    QVERIFY2(note.isEmpty() ? !run.err.contains(QStringLiteral("note:")) : run.err.contains(note), qPrintable(run.err));
    QVERIFY2(exitCode != 1 || QRegularExpression(QLatin1String(ProjectorReply)).match(out).hasMatch(), qPrintable(out));
    QVERIFY2(run.elapsedMs < 10000, qPrintable(QString::number(run.elapsedMs)));
}

void TestSend::tracesTheWire()
{
    PtyPeer camera(PtyPeer::Mode::Silent);
    camera.answer("?", {{10, QByteArray("OK")}});
    QVERIFY(camera.open());
    // Left from before: dropped, not taken for the reply, but in the trace.
    camera.say("OLD");
    const QString traceFile = m_dir.filePath(QStringLiteral("send.trace"));
    const CliRun run = send(QProcess::splitCommand("--hex 3F --port " + camera.portName() + " --trace " + traceFile));
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("reply       4F 4B  OK\n"), run.out.constData());

    const LinkTraceFile trace = LinkTraceFile::read(traceFile);
    QVERIFY2(trace.malformed.isEmpty(), qPrintable(trace.malformed.join('\n')));
    QStringList wire;
    for (const LinkTraceFile::Line& entry : trace.lines) {
        QCOMPARE(entry.port, camera.portName());
        if (!entry.bytes.isEmpty()) {
            wire << entry.direction + QLatin1Char(' ') + QString::fromLatin1(entry.bytes);
        }
    }
    QCOMPARE(wire.join(QLatin1Char('|')), QStringLiteral("in OLD|out ?|in OK"));
}

void TestSend::playsKey_data()
{
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QString>("printed"); // on standard output, or standard error when it failed

    // A block per record, in the key's order, at the record's own settings.
    const QString blocks = QStringLiteral("^port \\S+, 4 records, delays skipped\n\n"
                                          "Key 3 at 9600,8-N-1, after \\d+ ms\nsent +11 .*\n(.*\n)+"
                                          "Key 3, link 13 at 19200,8-O-2, after \\d+ ms\nsent +22 .*\n(.*\n)+"
                                          "Key 3, link 15 at 4800,8-N-1, after \\d+ ms\nsent +33 .*\n(.*\n)+"
                                          "Key 3, second layer at 38400,8-O-1, after \\d+ ms\nsent +44 .*\n(.*\n)+");
    QTest::newRow("replies") << true << "--play --skip-delays" << 0 << QByteArray("\x11\x22\x33\x44")
                             << blocks + "4 records sent, replies to .*\n$";
    QTest::newRow("no reply") << false << "--play --skip-delays" << 3 << QByteArray("\x11\x22\x33\x44")
                              << QStringLiteral("4 records sent, no reply within 300 ms of the last");
    // Within link 13's delay of 1 s.
    QTest::newRow("SIGTERM in a delay") << false << "--play" << 143 << QByteArray("\x11")
                                        << QStringLiteral("stopped by SIGTERM");
}

void TestSend::playsKey()
{
    QFETCH(bool, answers);
    QFETCH(QString, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, received);
    QFETCH(QString, printed);

    PtyPeer equipment(PtyPeer::Mode::Silent);
    for (const PlayedRecord& record : playedRecords()) {
        if (answers) {
            equipment.answer(record.bytes, {{5, "OK"}});
        }
    }
    QVERIFY(equipment.open());
    const CliRun run = send(QStringList{m_file, QStringLiteral("--key"), QStringLiteral("3"), QStringLiteral("--wait"),
                                        QStringLiteral("300"), QStringLiteral("--port"), equipment.portName()}
                                + QProcess::splitCommand(arguments),
                            20000, [&](QProcess& process) {
                                if (exitCode == 143) {
                                    QTRY_COMPARE_WITH_TIMEOUT(equipment.received(), QByteArray("\x11"), 5000);
                                    ::kill(pid_t(process.processId()), SIGTERM);
                                }
                            });

    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(equipment.received(), received);
    const QString out = QString::fromLocal8Bit(run.out);
    QVERIFY2(QRegularExpression(printed).match(exitCode == 0 ? out : run.err).hasMatch(), qPrintable(out + run.err));
    // A signal ends a delay at once; skipped delays take no time.
    QVERIFY2(run.elapsedMs < 3000, qPrintable(QString::number(run.elapsedMs)));
}

void TestSend::refusesUsage_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("error");

    QTest::newRow("hex with a fault") << "--hex \"02 5G\"" << QStringLiteral("\"G\" is not a hex digit at position 5");
    QTest::newRow("file and hex") << "FILE --hex 02" << QStringLiteral("a configuration file with --key, or --hex");
    QTest::newRow("link and second") << "FILE --key 2 --link 3 --second"
                                     << QStringLiteral("give --link or --second, not both");
    QTest::newRow("a link between the two numberings")
        << "FILE --key 2 --link 9" << QStringLiteral("--link must be 13 to 16 (or 2 to 5), not \"9\"");
    QTest::newRow("an empty record") << "FILE --key 5" << QStringLiteral("Key 5 has no command to send");
    QTest::newRow("a wait over a minute")
        << "--hex 02 --wait 60001" << QStringLiteral("--wait must be a whole number from 10 to 60000");
    QTest::newRow("a wait with a blank") << "--hex 02 --wait \" 500\""
                                         << QStringLiteral("--wait must be a whole number from 10 to 60000");
    QTest::newRow("line settings out of range")
        << "--hex 02 --line 9600,9-N-1" << QStringLiteral("--line \"9600,9-N-1\": line settings are written as");
    QTest::newRow("no such port") << "--hex 02 --port /dev/kvr-no-such-port"
                                  << QStringLiteral("The port /dev/kvr-no-such-port could not be opened");
    QTest::newRow("play with a link") << "FILE --key 3 --play --link 13"
                                      << QStringLiteral("--link does not go with --play");
    QTest::newRow("play with hex") << "--hex 11 --play" << QStringLiteral("--play goes with a configuration file");
    QTest::newRow("delays skipped without play")
        << "FILE --key 3 --skip-delays" << QStringLiteral("--skip-delays goes with --play");
    QTest::newRow("play on a port in use")
        << "FILE --key 3 --play --port HELD"
        << QStringLiteral("is in use by tst_send (process %1").arg(QCoreApplication::applicationPid());
    // Held by a store, say, and reached here through a link.
    QTest::newRow("a port in use")
        << "--hex 02 --port HELD"
        << QStringLiteral("is in use by tst_send (process %1").arg(QCoreApplication::applicationPid());
}

void TestSend::refusesUsage()
{
    QFETCH(QString, command);
    QStringList arguments = QProcess::splitCommand(command);
    QFETCH(QString, error);
    PtyPeer equipment(PtyPeer::Mode::Silent);
    QVERIFY(equipment.open());
    SerialLink holder;
    if (arguments.contains(QStringLiteral("HELD"))) {
        const QString link = m_dir.filePath(QStringLiteral("held-port"));
        QFile::remove(link);
        QVERIFY(QFile::link(equipment.portName(), link));
        QVERIFY(holder.open(equipment.portName()));
        arguments.replaceInStrings(QStringLiteral("HELD"), link);
    }
    arguments.replaceInStrings(QStringLiteral("FILE"), m_file);
    if (!arguments.contains(QStringLiteral("--port"))) {
        arguments << QStringLiteral("--port") << equipment.portName();
    }
    const CliRun run = send(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(error), qPrintable(run.err));
    QVERIFY(equipment.received().isEmpty());
    // Nothing is said about a port that never opened.
    QVERIFY2(run.out.isEmpty(), run.out.constData());
}

void TestSend::ctrlCEndsLongWait()
{
    PtyPeer silent(PtyPeer::Mode::Silent);
    QVERIFY(silent.open());
    const CliRun run = send(QProcess::splitCommand("--hex 3F --wait 60000 --port " + silent.portName()), 10000,
                            [&silent](QProcess& process) {
                                // Once the wait has begun.
                                QTRY_COMPARE_WITH_TIMEOUT(silent.received(), QByteArray("?"), 5000);
                                ::kill(pid_t(process.processId()), SIGINT);
                            });
    QCOMPARE(run.exitCode, 130);
    QVERIFY2(run.elapsedMs < 7000, qPrintable(QString::number(run.elapsedMs)));
    QVERIFY2(run.err.contains(QStringLiteral("stopped by SIGINT")), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestSend)
#include "tst_send.moc"
