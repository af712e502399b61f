// kvr210c-cli send run as a process against equipment on a pseudo-terminal:
// what reaches it, what is printed, the exit codes and Ctrl+C in a long wait.
#include "appdata.h"
#include "cliprocess.h"
#include "ptypeer.h"
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

    const QStringList file{QStringLiteral("FILE"), QStringLiteral("--key"), QStringLiteral("2")};
    QTest::newRow("first layer") << file << QByteArray::fromHex("02504F4E03") << 9600u << 0
                                 << QStringLiteral("reply       02 4F 4B 03  \\x02OK\\x03\n");
    QTest::newRow("second layer") << file + QStringList{QStringLiteral("--second")} << QByteArray::fromHex("0250465403")
                                  << 28800u << 0 << QStringLiteral("reply       02 4F 4B 03  \\x02OK\\x03\n");
    QTest::newRow("link, expected reply")
        << file
            + QStringList{QStringLiteral("--link"), QStringLiteral("3"), QStringLiteral("--expect"),
                          QStringLiteral("02 4F 4B 03")}
        << QByteArray("L\r") << 9600u << 0 << QStringLiteral("reply       02 4F 4B 03  \\x02OK\\x03\n");
    QTest::newRow("link by its button's label")
        << file + QStringList{QStringLiteral("--link"), QStringLiteral("14")} << QByteArray("L\r") << 9600u << 0
        << QStringLiteral("reply       02 4F 4B 03  \\x02OK\\x03\n");
    QTest::newRow("hex, other reply than expected")
        << QStringList{QStringLiteral("--hex"),       QStringLiteral("4C 0D"),    QStringLiteral("--line"),
                       QStringLiteral("14400,7-E-2"), QStringLiteral("--expect"), QStringLiteral("02 4F 4B 0D")}
        << QByteArray("L\r") << 14400u << 1
        << QStringLiteral("the reply differs from --expect at byte 3 (counted from 0): 03, expected 0D");
    QTest::newRow("silent") << QStringList{QStringLiteral("--hex"), QStringLiteral("3F"), QStringLiteral("--wait"),
                                           QStringLiteral("200")}
                            << QByteArray("?") << 9600u << 2 << QStringLiteral("no reply within 200 ms");
}

void TestSend::sends()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, received);
    QFETCH(quint32, speed);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);

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
    if (exitCode != 2) {
        // The reply's parts as they came, each with its time.
        QVERIFY2(QRegularExpression(QStringLiteral("\\+\\d+ ms +02 4F 4B  \\\\x02OK\n\\+\\d+ ms +03  \\\\x03\n"))
                     .match(QString::fromLocal8Bit(run.out))
                     .hasMatch(),
                 run.out.constData());
    }
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
    QTest::newRow("no such port") << QStringList{QStringLiteral("--hex"), QStringLiteral("02"),
                                                 QStringLiteral("--port"), QStringLiteral("/dev/kvr-no-such-port")}
                                  << QStringLiteral("The port /dev/kvr-no-such-port could not be opened");
}

void TestSend::refusesUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    PtyPeer equipment(PtyPeer::Mode::Silent);
    QVERIFY(equipment.open());
    arguments.replaceInStrings(QStringLiteral("FILE"), m_file);
    if (!arguments.contains(QStringLiteral("--port"))) {
        arguments << QStringLiteral("--port") << equipment.portName();
    }
    const CliRun run = send(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(error), qPrintable(run.err));
    QVERIFY(equipment.received().isEmpty());
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
