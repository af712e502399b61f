// kvr210c-cli at a programming station: finding the devices among the ports,
// a run stopped by a signal, and the production record it leaves (the report
// and its summary). Devices are simulators; a pseudo-terminal with nothing
// behind it and one where something else answers stand for the other ports.
#include "appdata.h"
#include "cliprocess.h"
#include "ptypeer.h"
#include "serialframe.h"
#include "simulatorprocess.h"
#include "testfiles.h"

#include <QtTest>

#include <csignal>
#include <sys/stat.h>

namespace {

CliRun cli(const QStringList& arguments, int timeoutMs = 30000, const std::function<void(QProcess&)>& started = {})
{
    return runCli(QStringLiteral(KVR_CLI_PATH), arguments, timeoutMs, started);
}

// A program whose every command is `bytes` long: the longer, the longer a paced store takes.
QByteArray program(int bytes)
{
    ProgramRecords data;
    data.newData(6, 5);
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            data.getDataObject(x, y)->setCommand(QByteArray(bytes, char(x * 16 + y)).toHex());
        }
        data.getButtonData(x)->setSecondLayerCommand(QByteArray(bytes, char(0x60 + x)).toHex());
    }
    return data.configFileBytes();
}

QList<QJsonObject> reportLines(const QString& file)
{
    QList<QJsonObject> objects;
    for (const QByteArray& line : readFile(file).split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        const QJsonDocument document = QJsonDocument::fromJson(line);
        if (!document.isObject()) {
            qWarning("not a JSON object: %s", line.constData());
            return {};
        }
        objects << document.object();
    }
    return objects;
}

QJsonObject lineOf(const QList<QJsonObject>& lines, const QString& port)
{
    for (const QJsonObject& line : lines) {
        if (line["port"].toString() == port) {
            return line;
        }
    }
    return {};
}

// "/dev/pts/3  no device: ..." from the summary on standard output.
QString summaryOf(const CliRun& run, const QString& port)
{
    for (const QString& line : QString::fromLocal8Bit(run.out).split('\n')) {
        if (line.startsWith(port + "  ") || line.startsWith(port + " ")) {
            return line.mid(port.size()).trimmed();
        }
    }
    return QString();
}

// Whether `signal` still waits to be taken by the process `pid`: a copy sent
// meanwhile would merge with it.
bool pending(qint64 pid, int signal)
{
    const QByteArray status = readFile(QStringLiteral("/proc/%1/status").arg(pid));
    const qsizetype at = status.indexOf("ShdPnd:");
    const quint64 mask = status.mid(at + 7, status.indexOf('\n', at) - at - 7).trimmed().toULongLong(nullptr, 16);
    return at >= 0 && (mask >> (signal - 1) & 1) != 0;
}

QByteArray handshakes(int count)
{
    return SerialFrame::frame("KVR210").repeated(count);
}

} // namespace

class TestStations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void portsProbeTellsTheKindsApart();
    void storeWithProbeProgramsOnlyTheDevices_data();
    void storeWithProbeProgramsOnlyTheDevices();
    void verifyWithProbe();
    void timeoutIsTheWaitForEachAnswer_data();
    void timeoutIsTheWaitForEachAnswer();
    void aSignalStopsEveryPortAndKeepsTheRecord_data();
    void aSignalStopsEveryPortAndKeepsTheRecord();
    void aSecondSignalEndsTheRunAtOnce_data();
    void aSecondSignalEndsTheRunAtOnce();
    void aClosedOutputPipeLetsTheRunFinish();
    void aSignalStopsALoadWithoutALeftover();
    void reportThatCannotBeOpenedTouchesNoDevice();
    void reportThatCannotBeWrittenIsSaidAndTheRunGoesOn();
    void reportLinesAreSelfContained();
    void summaryCountsPerFileAndOutcome();
    void summaryRefusesWhatIsNotAReport();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestStations::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void TestStations::portsProbeTellsTheKindsApart()
{
    SimulatorProcess device;
    QVERIFY2(device.start(), qPrintable(device.errorString()));
    PtyPeer empty(PtyPeer::Mode::Silent), modem(PtyPeer::Mode::Chatter);
    QVERIFY(empty.open() && modem.open());

    const CliRun found = cli(
        {"ports", "--probe", device.portName(), empty.portName(), modem.portName(), "/nonexistent/tty"});
    QCOMPARE(found.exitCode, 0);
    QCOMPARE(QString(found.out),
             QString("%1\tdevice\n%2\tno answer\n%3\tsomething else answered\n"
                     "/nonexistent/tty\tcannot open the port\n")
                 .arg(device.portName(), empty.portName(), modem.portName()));
    QVERIFY2(found.err.contains(empty.portName() + ": Nothing answered the handshake"), qPrintable(found.err));
    QVERIFY2(found.err.contains("/nonexistent/tty: "), qPrintable(found.err));
    // Only the handshake, and the farewell where a device answered it.
    QVERIFY(device.waitForLogLine("ISPOK!"));
    QCOMPARE(device.logLines(), QStringList({"frame KVR210", "ISPOK!"}));
    QCOMPARE(empty.received(), handshakes(6));
    QCOMPARE(modem.received(), handshakes(6));

    const CliRun none = cli({"ports", "--probe", modem.portName(), "/nonexistent/tty"});
    QCOMPARE(none.exitCode, 2);
    QCOMPARE(none.out.count('\n'), 2);
}

// With --probe only the ports whose device answers are programmed, and the exit
// code tells how the devices did: 0 all stored, 1 one failed, 2 none there. Without
// it a port without a device fails the run, and a port that is not there stops it.
void TestStations::storeWithProbeProgramsOnlyTheDevices_data()
{
    QTest::addColumn<QStringList>("ports"); // device, failing, empty, modem and missing stand for their ports
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("summaries"); // "port: how its summary begins"; none when nothing was sent
    QTest::newRow("devices and others") << QStringList{"--probe", "--port", "device,modem,missing"} << 0
                                        << QStringList{"device: stored",
                                                       "modem: no device: Something other than the device answered",
                                                       "missing: no device: cannot open the port"};
    QTest::newRow("one device failed") << QStringList{"--probe", "--port", "device", "--port", "failing,empty"} << 1
                                       << QStringList{"device: stored", "failing: failed: ",
                                                      "empty: no device: Nothing answered the handshake"};
    QTest::newRow("no device anywhere") << QStringList{"--probe", "--port", "modem,missing"} << 2
                                        << QStringList{"modem: no device", "missing: no device"};
    QTest::newRow("without --probe") << QStringList{"--port", "device,modem"} << 1
                                     << QStringList{"device: stored", "modem: failed: handshake failed"};
    QTest::newRow("a port not there") << QStringList{"--port", "device,missing"} << 2 << QStringList();
}

void TestStations::storeWithProbeProgramsOnlyTheDevices()
{
    QFETCH(QStringList, ports);
    QFETCH(QStringList, summaries);
    QVERIFY(writeFile(path("program.app"), program(4)));
    SimulatorProcess device, failing;
    // Answers the handshake and four records, then echoes wrongly.
    QVERIFY(device.start() && failing.start({"--fault", "corrupt-echo", "--fault-after", "5"}));
    PtyPeer empty(PtyPeer::Mode::Silent), modem(PtyPeer::Mode::Chatter);
    QVERIFY(empty.open() && modem.open());
    const QMap<QString, QString> portOf{{"device", device.portName()},
                                        {"failing", failing.portName()},
                                        {"empty", empty.portName()},
                                        {"modem", modem.portName()},
                                        {"missing", "/nonexistent/tty"}};
    for (QString& port : ports) {
        for (auto name = portOf.cbegin(); name != portOf.cend(); ++name) {
            port.replace(name.key(), name.value());
        }
    }

    const CliRun run = cli(QStringList{"store", "program.app", "--report", "log.jsonl"} + ports, 60000);
    QTEST(run.exitCode, "exitCode");
    const QList<QJsonObject> report = reportLines(path("log.jsonl"));
    QCOMPARE(report.size(), summaries.size());
    for (const QString& said : summaries) {
        const QString port = portOf[said.section(": ", 0, 0)];
        QVERIFY2(summaryOf(run, port).startsWith(said.section(": ", 1)), run.out.constData());
        QCOMPARE(lineOf(report, port)["result"].toString(), said.section(": ", 1, 1));
    }
    QCOMPARE(device.storedRecords().size(), summaries.contains("device: stored") ? 36 : 0);
    // A port without a device hears the handshakes and nothing more; one not there stops the run before any byte.
    for (const PtyPeer* other : {&empty, &modem}) {
        QVERIFY(other->received().isEmpty() || other->received() == handshakes(6));
    }
    QVERIFY2(!summaries.isEmpty()
                 || (run.err.contains("/nonexistent/tty: /nonexistent/tty does not exist")
                     && device.receivedFrames().isEmpty()),
             qPrintable(run.err));
}

// A device slower to answer than the default time-out: --timeout gives it the time.
void TestStations::timeoutIsTheWaitForEachAnswer_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("handshakes");
    // The late echo of the first attempt is taken as that of the second.
    QTest::newRow("default") << QStringList() << 2;
    QTest::newRow("--timeout 3000") << QStringList{"--timeout", "3000"} << 1;
}

void TestStations::timeoutIsTheWaitForEachAnswer()
{
    QFETCH(QStringList, options);
    QFETCH(int, handshakes);
    PtyPeer slow(PtyPeer::Mode::SlowEcho);
    QVERIFY(slow.open());
    const CliRun run = cli(QStringList{"ports", "--probe", slow.portName()} + options);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QString(run.out), slow.portName() + "\tdevice\n");
    const QByteArray received = slow.received();
    QVERIFY2(received.startsWith(::handshakes(handshakes) + SerialFrame::frame("ISPOK!")), received.constData());
}

void TestStations::verifyWithProbe()
{
    QVERIFY(writeFile(path("program.app"), program(4)));
    SimulatorProcess device, other;
    QVERIFY2(device.start() && other.start(), qPrintable(device.errorString() + other.errorString()));
    PtyPeer modem(PtyPeer::Mode::Chatter);
    QVERIFY(modem.open());
    QVERIFY(writeFile(path("other.app"), program(5)));
    QCOMPARE(cli({"store", "program.app", "--port", device.portName()}).exitCode, 0);
    QCOMPARE(cli({"store", "other.app", "--port", other.portName()}).exitCode, 0);

    const CliRun run = cli({"verify", "program.app", "--probe", "--port",
                            device.portName() + "," + other.portName() + "," + modem.portName()});
    // The other device holds another program: it differs, and says where, after its port.
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(summaryOf(run, device.portName()), QString("verified"));
    QVERIFY2(summaryOf(run, other.portName()).startsWith("different: 36 differences: Key 1: command "),
             run.out.constData());
    QVERIFY2(summaryOf(run, modem.portName()).startsWith("no device"), run.out.constData());
    QVERIFY2(run.out.startsWith((other.portName() + ": Key 1: command ").toLocal8Bit()), run.out.constData());
    QCOMPARE(modem.received(), handshakes(6));

    QCOMPARE(cli({"verify", "program.app", "--probe", "--port", device.portName() + "," + modem.portName()}).exitCode,
             0);
}

void TestStations::aSignalStopsEveryPortAndKeepsTheRecord_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("SIGINT") << SIGINT << 130;
    QTest::newRow("SIGTERM") << SIGTERM << 143;
    // The terminal or the SSH session that ran the station closed.
    QTest::newRow("SIGHUP") << SIGHUP << 129;
}

void TestStations::aSignalStopsEveryPortAndKeepsTheRecord()
{
    QFETCH(int, signal);
    QFETCH(int, exitCode);
    QVERIFY(writeFile(path("program.app"), program(30)));
    std::vector<std::unique_ptr<SimulatorProcess>> devices;
    QStringList ports;
    for (int i = 0; i < 4; ++i) {
        devices.push_back(std::make_unique<SimulatorProcess>());
        QVERIFY2(devices.back()->start({"--pace"}), qPrintable(devices.back()->errorString()));
        ports << devices.back()->portName();
    }

    // Anywhere from the first handshake to the middle of the stores (36 records each).
    const int heard = int(QRandomGenerator::global()->bounded(30));
    qInfo("signal after %d frames", heard + 1);
    QElapsedTimer clock;
    const CliRun run = cli({"store", "program.app", "--verify", "--port", ports.join(','), "--report", "log.jsonl"},
                           10000, [&](QProcess& process) {
                               QTRY_VERIFY_WITH_TIMEOUT(devices.front()->logLines().size() > heard, 10000);
                               clock.start();
                               ::kill(pid_t(process.processId()), signal);
                           });
    QVERIFY(run.finished && clock.isValid());
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(run.exitCode, exitCode);

    // A line for every port, stored or interrupted; the summary too.
    const QList<QJsonObject> report = reportLines(path("log.jsonl"));
    QCOMPARE(report.size(), 4);
    QStringList partial;
    for (int i = 0; i < 4; ++i) {
        const QJsonObject line = lineOf(report, ports[i]);
        const QString result = line["result"].toString();
        QVERIFY2(result == "interrupted" || result == "stored, verified", qPrintable(result));
        QVERIFY2(summaryOf(run, ports[i]).startsWith(result), run.out.constData());
        const bool halfWritten = result == "interrupted" && line["error"].toString().startsWith("after ");
        if (halfWritten) {
            partial << ports[i];
            QVERIFY(line["records"].toInt() < 36);
            // The frame in flight was finished: the device holds it, unconfirmed.
            const int unconfirmed = line["unconfirmed"].toInt();
            QTRY_COMPARE(int(devices[i]->storedRecords().size()), line["records"].toInt() + unconfirmed);
            QVERIFY2(!unconfirmed || line["error"].toString().contains("one more was sent without its confirmation"),
                     qPrintable(line["error"].toString()));
        }
        // A device left half-written is not told that all went well.
        QVERIFY(devices[i]->settle());
        QCOMPARE(devices[i]->logLines().contains("ISPOK!"), result == "stored, verified");
    }
    if (partial.isEmpty()) {
        QVERIFY2(!run.err.contains("partial program"), qPrintable(run.err));
    } else {
        QVERIFY2(run.err.contains("partial program; store it again before "
                                  + QString(partial.size() == 1 ? "it is" : "they are")
                                  + " used: " + partial.join(", ")),
                 qPrintable(run.err));
    }
    QVERIFY2(run.err.contains(QString("stopped by %1").arg(QTest::currentDataTag())), qPrintable(run.err));
}

// Two signals back to back: another signal ends the run before the first has
// finished it; a copy of the first (`timeout` signals the process and its
// group) is the same request, and the run stops cleanly.
void TestStations::aSecondSignalEndsTheRunAtOnce_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("atOnce");
    QTest::newRow("another signal") << SIGINT << SIGTERM << true;
    QTest::newRow("a copy of the first") << SIGTERM << SIGTERM << false;
}

void TestStations::aSecondSignalEndsTheRunAtOnce()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(bool, atOnce);
    QVERIFY(writeFile(path("program.app"), program(200))); // a frame takes some 0.2 s to finish
    SimulatorProcess device;
    QVERIFY2(device.start({"--pace"}), qPrintable(device.errorString()));
    bool signalled = false;
    const CliRun run = cli({"store", "program.app", "--port", device.portName(), "--report", "log.jsonl"}, 10000,
                           [&](QProcess& process) {
                               const pid_t pid = pid_t(process.processId());
                               // Never 0: that would signal this test's own group.
                               QVERIFY(pid > 0 && device.waitForLogLine("record ", 10000));
                               QCOMPARE(::kill(pid, first), 0);
                               QDeadlineTimer taken(1000);
                               while (pending(pid, first) && !taken.hasExpired()) {
                                   QThread::usleep(100);
                               }
                               signalled = ::kill(pid, second) == 0;
                           });
    QVERIFY(run.finished && signalled);
    QCOMPARE(run.exitCode, 128 + (atOnce ? second : first));
    QCOMPARE(run.err.contains("stopped at once by a second signal"), atOnce);
    QCOMPARE(run.err.contains("stopped by SIG"), !atOnce);
    if (!atOnce) {
        QCOMPARE(reportLines(path("log.jsonl")).size(), 1);
        QVERIFY2(summaryOf(run, device.portName()).startsWith("interrupted"), run.out.constData());
    }
}

// A reader that goes away (| head) neither kills the run nor passes for success.
void TestStations::aClosedOutputPipeLetsTheRunFinish()
{
    QVERIFY(writeFile(path("program.app"), program(4)));
    SimulatorProcess device;
    QVERIFY2(device.start(), qPrintable(device.errorString()));
    const CliRun run = runCli("bash",
                              {"-c", "\"$0\" \"$@\" 2>&1 | head -n 2 >/dev/null; exit \"${PIPESTATUS[0]}\"",
                               KVR_CLI_PATH, "store", "program.app", "--verify", "--port", device.portName(),
                               "--report", "log.jsonl"});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(device.storedRecords().size(), 36);
    QVERIFY(device.waitForLogLine("ISPOK!"));
    const QList<QJsonObject> report = reportLines(path("log.jsonl"));
    QCOMPARE(report.size(), 1);
    QCOMPARE(report.first()["result"].toString(), QString("stored, verified"));
}

void TestStations::aSignalStopsALoadWithoutALeftover()
{
    SimulatorProcess device;
    QList<QByteArray> records;
    for (int x = 1; x <= 6; ++x) {
        for (int y : {1, 6, 2, 3, 4, 5}) {
            // Key, '-', link, baud, parity, delay, 'E', '1', then a command of 60 bytes.
            const QByteArray payload = QByteArray(1, char(x)) + '-' + char(y) + QByteArray(3, '\0') + "E1"
                + QByteArray(60, char(0x41 + x));
            records << "SETS" + QByteArray(1, char(payload.size())) + payload;
        }
    }
    QVERIFY(device.setStoredRecords(records));
    QVERIFY2(device.start({"--pace"}), qPrintable(device.errorString()));
    QVERIFY(writeFile(path("old.app"), "old contents"));

    const CliRun run = cli({"load", "--port", device.portName(), "--output", "old.app"}, 10000, [&](QProcess& process) {
        QVERIFY(device.waitForLogLine("ack ", 10000));
        QCOMPARE(::kill(pid_t(process.processId()), SIGINT), 0);
    });
    QCOMPARE(run.exitCode, 130);
    QVERIFY2(run.err.contains("stopped by SIGINT; old.app was not written"), qPrintable(run.err));
    QVERIFY2(!run.err.contains("load failed"), qPrintable(run.err));
    // The old file as it was, and no half-written one beside it.
    QCOMPARE(readFile(path("old.app")), QByteArray("old contents"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"old.app"});
}

void TestStations::reportThatCannotBeOpenedTouchesNoDevice()
{
    QVERIFY(writeFile(path("program.app"), program(4)));
    SimulatorProcess first, second;
    QVERIFY2(first.start() && second.start(), qPrintable(first.errorString() + second.errorString()));
    const QString ports = first.portName() + "," + second.portName();
    for (const QStringList& extra : {QStringList(), QStringList{"--probe"}}) {
        const CliRun run = cli(QStringList{"store", "program.app", "--port", ports, "--report", "missing/run.jsonl"}
                               + extra);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("missing/run.jsonl") && run.err.contains("no device was touched"),
                 qPrintable(run.err));
        QCOMPARE(run.out, QByteArray());
    }
    const CliRun verify = cli({"verify", "program.app", "--port", ports, "--report", "missing/run.jsonl"});
    QCOMPARE(verify.exitCode, 2);
    QVERIFY(first.settle() && second.settle());
    QCOMPARE(first.logLines(), QStringList());
    QCOMPARE(second.logLines(), QStringList());
    QVERIFY(!QFileInfo::exists(path("missing")));
}

void TestStations::reportThatCannotBeWrittenIsSaidAndTheRunGoesOn()
{
    QVERIFY(writeFile(path("program.app"), program(4)));
    // A report already past the size this run may write (ulimit -f: 1 block of 512 or 1024 bytes).
    QVERIFY(writeFile(path("full.jsonl"), QByteArray(4096, 'x') + '\n'));
    SimulatorProcess device;
    QVERIFY2(device.start(), qPrintable(device.errorString()));
    PtyPeer empty(PtyPeer::Mode::Silent);
    QVERIFY(empty.open());

    QVERIFY(writeFile(path("station.json"),
                      QStringLiteral(R"({"slots": [{"name": "A1", "port": "%1"},
                                                                     {"name": "A2", "port": "%2"}]})")
                          .arg(device.portName(), empty.portName())
                          .toUtf8()));

    const CliRun run = runCli("sh",
                              {"-c", "ulimit -f 1 && exec \"$0\" \"$@\"", KVR_CLI_PATH, "store", "program.app",
                               "--probe", "--station", "station.json", "--report", "full.jsonl"});
    QCOMPARE(run.exitCode, 1);
    // The device was stored all the same; the report kept what it had.
    QCOMPARE(device.storedRecords().size(), 36);
    QCOMPARE(summaryOf(run, "A1 " + device.portName()), QString("stored"));
    QCOMPARE(readFile(path("full.jsonl")).size(), 4097);
    // At once: before the silent port had given up; naming the slot.
    const qsizetype said = run.err.indexOf("cannot write the report full.jsonl");
    QVERIFY2(said >= 0 && run.err.contains("(the line of A1 (" + device.portName() + ") is missing)"),
             qPrintable(run.err));
    QVERIFY2(said < run.err.indexOf("A2 (" + empty.portName() + "): no device"), qPrintable(run.err));
}

void TestStations::reportLinesAreSelfContained()
{
    const QByteArray bytes = program(4);
    QVERIFY(writeFile(path("program.app"), bytes));
    SimulatorProcess device;
    QVERIFY2(device.start(), qPrintable(device.errorString()));
    PtyPeer modem(PtyPeer::Mode::Chatter);
    QVERIFY(modem.open());

    const CliRun run = cli({"store", "program.app", "--verify", "--probe", "--port",
                            device.portName() + "," + modem.portName(), "--report", "log.jsonl"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QString version = QString(cli({"--version"}).out).section(' ', 1).trimmed();
    QVERIFY(!version.isEmpty());
    const QList<QJsonObject> report = reportLines(path("log.jsonl"));
    QCOMPARE(report.size(), 2);
    const QStringList fields{"port",     "command",       "file",         "sha256",    "size",        "version",
                             "location", "serial_number", "usb_location", "vendor_id", "product_id",  "start",
                             "end",      "duration_ms",   "result",       "records",   "differences", "error"};
    for (const QJsonObject& line : report) {
        for (const QString& field : fields) {
            QVERIFY2(line.contains(field), qPrintable(field));
        }
        QCOMPARE(line["sha256"].toString(),
                 QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()));
        QCOMPARE(line["size"].toInteger(), bytes.size());
        QCOMPARE(line["version"].toString(), version);
        QCOMPARE(line["location"].toString(), line["port"].toString());
        // A pseudo-terminal is no USB adapter.
        QVERIFY(line["serial_number"].isNull() && line["usb_location"].isNull() && line["vendor_id"].isNull()
                && line["product_id"].isNull());
        const QDateTime start = QDateTime::fromString(line["start"].toString(), Qt::ISODateWithMs);
        const QDateTime end = QDateTime::fromString(line["end"].toString(), Qt::ISODateWithMs);
        QVERIFY(start.isValid() && end.isValid());
        // With its zone: the same instant wherever the report is read.
        QCOMPARE(start.timeSpec(), Qt::UTC);
        QVERIFY(line["start"].toString().endsWith('Z'));
        QCOMPARE(line["duration_ms"].toInteger(), start.msecsTo(end));
    }
    QVERIFY(lineOf(report, device.portName())["duration_ms"].toInteger() > 0);
    QCOMPARE(lineOf(report, device.portName())["result"].toString(), QString("stored, verified"));
}

void TestStations::summaryCountsPerFileAndOutcome()
{
    const QByteArray first = program(4);
    const QByteArray second = program(5);
    QVERIFY(writeFile(path("a.app"), first));
    QVERIFY(writeFile(path("b.app"), second));
    QVERIFY(QDir(m_dir->path()).mkdir("copy"));
    QVERIFY(writeFile(path("copy/a.app"), first));
    SimulatorProcess device;
    QVERIFY2(device.start(), qPrintable(device.errorString()));
    PtyPeer modem(PtyPeer::Mode::Chatter);
    QVERIFY(modem.open());
    const QString ports = device.portName() + "," + modem.portName();

    // Two stations' reports: a.app twice (once as a copy by another name), b.app once.
    QCOMPARE(cli({"store", "a.app", "--probe", "--port", ports, "--report", "one.jsonl"}).exitCode, 0);
    QCOMPARE(cli({"store", "b.app", "--verify", "--probe", "--port", ports, "--report", "two.jsonl"}).exitCode, 0);
    QCOMPARE(cli({"verify", "copy/a.app", "--port", device.portName(), "--report", "two.jsonl"}).exitCode, 1);
    // A line from before checksums were recorded.
    QFile old(path("two.jsonl"));
    QVERIFY(old.open(QIODevice::Append));
    old.write(R"({"port":"ttyUSB0","command":"store","file":"old.app","start":"2026-01-05T08:00:00.000Z",)"
              R"("end":"2026-01-05T08:00:04.000Z","result":"stored","records":36,"differences":[],"error":null})"
              "\n");
    old.close();

    const CliRun run = cli({"summary", "one.jsonl", "two.jsonl"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const auto sha = [](const QByteArray& bytes) {
        return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    };
    QCOMPARE(QString(run.out),
             QString("Per file:\n"
                     "  sha256 %1 (a.app, copy/a.app, %2 bytes)\n"
                     "    stored     1\n"
                     "    different  1\n"
                     "    no device  1\n"
                     "    total      3\n"
                     "  sha256 %3 (b.app, %4 bytes)\n"
                     "    stored, verified  1\n"
                     "    no device         1\n"
                     "    total             2\n"
                     "  old.app (no checksum recorded)\n"
                     "    stored  1\n"
                     "    total   1\n"
                     "All files:\n"
                     "  stored, verified  1\n"
                     "  stored            2\n"
                     "  different         1\n"
                     "  no device         2\n"
                     "  total             6\n")
                 .arg(sha(first))
                 .arg(first.size())
                 .arg(sha(second))
                 .arg(second.size()));
}

void TestStations::summaryRefusesWhatIsNotAReport()
{
    const QByteArray good = R"({"port":"p","command":"store","file":"a.app","start":"s","end":"e","result":"stored"})";
    QVERIFY(writeFile(path("good.jsonl"), good + "\n"));
    QVERIFY(writeFile(path("text.jsonl"), good + "\n" + good + "\nhello\n"));
    QVERIFY(writeFile(path("array.jsonl"), "[1, 2]\n"));
    QVERIFY(writeFile(path("nocommand.jsonl"),
                      R"({"port":"p","file":"a","start":"s","end":"e","result":"x"})"
                      "\n"));
    QVERIFY(writeFile(path("badsum.jsonl"),
                      R"({"port":"p","command":"store","file":"a","start":"s","end":"e",)"
                      R"("result":"x","sha256":"12ab"})"
                      "\n"));
    // One line with no end, longer than any report line.
    QVERIFY(writeFile(path("long.jsonl"), QByteArray(2 * 1024 * 1024, '{')));
    QVERIFY(::mkfifo(QFile::encodeName(path("fifo.jsonl")).constData(), 0600) == 0);

    struct Case {
        QString file;
        QString message;
    };
    const QList<Case> cases{
        {"missing.jsonl", "missing.jsonl does not exist"},
        {"text.jsonl", "text.jsonl, line 3: not a report line (not a JSON object)"},
        {"array.jsonl", "array.jsonl, line 1: not a report line"},
        {"nocommand.jsonl", "nocommand.jsonl, line 1: not a report line (no \"command\")"},
        {"badsum.jsonl", "badsum.jsonl, line 1: not a report line (\"sha256\" is not a SHA-256 in hex)"},
        {"long.jsonl", "long.jsonl, line 1: not a report line (longer than"},
        {"fifo.jsonl", "fifo.jsonl is not a regular file"},
        {".", ". is not a regular file"},
    };
    for (const Case& test : cases) {
        const CliRun run = cli({"summary", "good.jsonl", test.file}, 10000);
        QVERIFY2(run.finished, qPrintable(test.file));
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(test.message), qPrintable(run.err));
        QVERIFY2(run.out.isEmpty(), run.out.constData());
    }
    QCOMPARE(cli({"summary", "good.jsonl"}).exitCode, 0);
}

QTEST_GUILESS_MAIN(TestStations)
#include "tst_stations.moc"
