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
    void endsReply_data();
    void endsReply();
    void tracesTheWire();
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
    m_file = m_dir.filePath(QStringLiteral("program.kvr"));
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::WriteOnly) && records.saveConfigFile(&file));
}

void TestSend::sends_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<quint32>("speed");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed"); // on standard output, or standard error when it failed
    QTest::addColumn<QString>("note"); // on standard error: what the device cannot keep

    const QStringList file{QStringLiteral("FILE"), QStringLiteral("--key"), QStringLiteral("2")};
    QTest::newRow("first layer") << file << QByteArray::fromHex("02504F4E03") << 9600u << 0
                                 << QStringLiteral("reply       02 4F 4B 03  \\x02OK\\x03\n") << QString();
    QTest::newRow("second layer, two stop bits")
        << file + QStringList{QStringLiteral("--second")} << QByteArray::fromHex("0250465403") << 28800u << 0
        << QStringLiteral("reply       02 4F 4B 03  \\x02OK\\x03\n")
        << QStringLiteral("note: The device keeps only the baud rate and parity of a command: it may not send this "
                          "one with 8 data bits and 2 stop bits.");
    QTest::newRow("link, expected reply")
        << file
            + QStringList{QStringLiteral("--link"), QStringLiteral("3"), QStringLiteral("--expect"),
                          QStringLiteral("02 4F 4B 03")}
        << QByteArray("L\r") << 9600u << 0 << QStringLiteral("reply       02 4F 4B 03  \\x02OK\\x03\n") << QString();
    QTest::newRow("link by its button's label")
        << file + QStringList{QStringLiteral("--link"), QStringLiteral("14")} << QByteArray("L\r") << 9600u << 0
        << QStringLiteral("reply       02 4F 4B 03  \\x02OK\\x03\n") << QString();
    QTest::newRow("hex, other reply than expected")
        << QStringList{QStringLiteral("--hex"),       QStringLiteral("4C 0D"),    QStringLiteral("--line"),
                       QStringLiteral("14400,7-E-2"), QStringLiteral("--expect"), QStringLiteral("02 4F 4B 0D")}
        << QByteArray("L\r") << 14400u << 1
        << QStringLiteral("the reply differs from --expect at byte 3 (counted from 0): 03, expected 0D") << QString();
    // No reply is told apart from a port that cannot be used (2).
    QTest::newRow("silent") << QStringList{QStringLiteral("--hex"), QStringLiteral("3F"), QStringLiteral("--wait"),
                                           QStringLiteral("200")}
                            << QByteArray("?") << 9600u << 3 << QStringLiteral("no reply within 200 ms") << QString();
}

void TestSend::sends()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, received);
    QFETCH(quint32, speed);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);
    QFETCH(QString, note);

    PtyPeer projector(PtyPeer::Mode::Silent);
    for (const char* request : {"\x02PON\x03", "\x02PFT\x03", "L\r"}) {
        projector.answer(request, {{20, QByteArray("\x02OK")}, {30, QByteArray("\x03")}});
    }
    QVERIFY(projector.open());
    arguments.replaceInStrings(QStringLiteral("FILE"), m_file);
    const CliRun run = send(arguments + QStringList{QStringLiteral("--port"), projector.portName()});

    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(projector.received(), received);
    QCOMPARE(projector.line().speed, speed);
    QVERIFY2((exitCode == 0 ? QString::fromLocal8Bit(run.out) : run.err).contains(printed),
             qPrintable(run.out + run.err));
    QVERIFY2(note.isEmpty() ? !run.err.contains(QStringLiteral("note:")) : run.err.contains(note), qPrintable(run.err));
    if (exitCode < 2) {
        // The reply's parts as they came, each with its time.
        QVERIFY2(QRegularExpression(QStringLiteral("\\+\\d+ ms +02 4F 4B  \\\\x02OK\n\\+\\d+ ms +03  \\\\x03\n"))
                     .match(QString::fromLocal8Bit(run.out))
                     .hasMatch(),
                 run.out.constData());
    }
}

void TestSend::endsReply_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("printed"); // on standard output, after the port's line

    // Bytes above 7F are end bytes like any other.
    QTest::newRow("--end 80") << QStringList{QStringLiteral("--end"), QStringLiteral("80")}
                              << QStringLiteral("reply +02 80  \\\\x02\\\\x80\n2 bytes, .*\\(up to the end byte\\)\n$");
    QTest::newRow("--end FF")
        << QStringList{QStringLiteral("--end"), QStringLiteral("ff")}
        << QStringLiteral("reply +02 80 41 FF  \\\\x02\\\\x80A\\\\xFF\n4 bytes, .*\\(up to the end byte\\)\n$");
    // A count is no wait: the long wait never comes into it.
    QTest::newRow("--bytes") << QStringList{QStringLiteral("--bytes"), QStringLiteral("2"), QStringLiteral("--wait"),
                                            QStringLiteral("60000")}
                             << QStringLiteral(
                                    "reply +02 80  \\\\x02\\\\x80\n2 bytes, .*\\(as many as asked for\\)\n$");
}

void TestSend::endsReply()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, printed);

    PtyPeer camera(PtyPeer::Mode::Silent);
    camera.answer("?",
                  {{10, QByteArray("\x02\x80")},
                   {20,
                    QByteArray("A\xFF"
                               "B")}});
    QVERIFY(camera.open());
    const CliRun run = send(
        arguments
            + QStringList{QStringLiteral("--hex"), QStringLiteral("3F"), QStringLiteral("--port"), camera.portName()},
        20000);
    QCOMPARE(run.exitCode, 0);
    const QString out = QString::fromLocal8Bit(run.out);
    QVERIFY2(out.startsWith(QStringLiteral("port %1 at 9600,8-N-1, 1 byte\n").arg(camera.portName())), qPrintable(out));
    QVERIFY2(QRegularExpression(printed).match(out).hasMatch(), qPrintable(out));
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
    const CliRun run = send({QStringLiteral("--hex"), QStringLiteral("3F"), QStringLiteral("--port"), camera.portName(),
                             QStringLiteral("--trace"), traceFile});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("reply       4F 4B  OK\n"), run.out.constData());

    const LinkTraceFile trace = LinkTraceFile::read(traceFile);
    QVERIFY2(trace.malformed.isEmpty(), qPrintable(trace.malformed.join('\n')));
    QStringList wire;
    for (const LinkTraceFile::Line& line : trace.lines) {
        QCOMPARE(line.port, camera.portName());
        if (!line.bytes.isEmpty()) {
            wire << line.direction + QLatin1Char(' ') + QString::fromLatin1(line.bytes);
        }
    }
    QCOMPARE(wire.join(QLatin1Char('|')), QStringLiteral("in OLD|out ?|in OK"));
}

void TestSend::refusesUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");

    QTest::newRow("hex with a fault") << QStringList{QStringLiteral("--hex"), QStringLiteral("02 5G")}
                                      << QStringLiteral("\"G\" is not a hex digit at position 5");
    QTest::newRow("file and hex") << QStringList{QStringLiteral("FILE"), QStringLiteral("--hex"), QStringLiteral("02")}
                                  << QStringLiteral("a configuration file with --key, or --hex");
    QTest::newRow("link and second") << QStringList{QStringLiteral("FILE"), QStringLiteral("--key"),
                                                    QStringLiteral("2"),    QStringLiteral("--link"),
                                                    QStringLiteral("3"),    QStringLiteral("--second")}
                                     << QStringLiteral("give --link or --second, not both");
    QTest::newRow("a link between the two numberings")
        << QStringList{QStringLiteral("FILE"), QStringLiteral("--key"), QStringLiteral("2"), QStringLiteral("--link"),
                       QStringLiteral("9")}
        << QStringLiteral("--link must be 13 to 16 (or 2 to 5), not \"9\"");
    QTest::newRow("an empty record") << QStringList{QStringLiteral("FILE"), QStringLiteral("--key"),
                                                    QStringLiteral("5")}
                                     << QStringLiteral("Key 5 has no command to send");
    QTest::newRow("a wait over a minute")
        << QStringList{QStringLiteral("--hex"), QStringLiteral("02"), QStringLiteral("--wait"), QStringLiteral("60001")}
        << QStringLiteral("--wait must be a whole number from 10 to 60000");
    QTest::newRow("a wait with a blank") << QStringList{QStringLiteral("--hex"), QStringLiteral("02"),
                                                        QStringLiteral("--wait"), QStringLiteral(" 500")}
                                         << QStringLiteral("--wait must be a whole number from 10 to 60000");
    QTest::newRow("line settings out of range")
        << QStringList{QStringLiteral("--hex"), QStringLiteral("02"), QStringLiteral("--line"),
                       QStringLiteral("9600,9-N-1")}
        << QStringLiteral("--line \"9600,9-N-1\": line settings are written as");
    QTest::newRow("no such port") << QStringList{QStringLiteral("--hex"), QStringLiteral("02"),
                                                 QStringLiteral("--port"), QStringLiteral("/dev/kvr-no-such-port")}
                                  << QStringLiteral("The port /dev/kvr-no-such-port could not be opened");
    // Held by a store, say, and reached here through a link.
    QTest::newRow("a port in use")
        << QStringList{QStringLiteral("--hex"), QStringLiteral("02"), QStringLiteral("--port"), QStringLiteral("HELD")}
        << QStringLiteral("is in use by tst_send (process %1").arg(QCoreApplication::applicationPid());
}

void TestSend::refusesUsage()
{
    QFETCH(QStringList, arguments);
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
    const CliRun run = send({QStringLiteral("--hex"), QStringLiteral("3F"), QStringLiteral("--wait"),
                             QStringLiteral("60000"), QStringLiteral("--port"), silent.portName()},
                            10000, [&silent](QProcess& process) {
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
