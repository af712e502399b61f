// A shift at a programming station: kvr210c-cli store --watch on four slots
// whose ports come and go (symbolic links to simulators' pseudo-terminals, one
// found by its adapter's serial number in a port list of the test's own).
#include "cliprocess.h"
#include "simulatorprocess.h"
#include "testfiles.h"

#include <QtTest>

#include <csignal>
#include <cstdio>

namespace {

// The steps of one slot as letters: c(onnect), r(ecord), v(erify), d(one), g(one).
// A device whose handshake failed has no connect.
QString stepsOf(const QList<QJsonObject>& events, const QString& slot)
{
    QString letters;
    for (const QJsonObject& event : events) {
        if (event["slot"].toString() == slot) {
            letters += event["step"].toString().at(0);
        }
    }
    return letters;
}

// The lines of --progress json, each an object naming its slot, port and step;
// the program's own messages are left out. Empty, said, when a line is not such an object.
QList<QJsonObject> progressEvents(const QByteArray& err)
{
    QList<QJsonObject> events;
    for (const QByteArray& line : err.split('\n')) {
        if (line.isEmpty() || line.startsWith("kvr210c-cli: ")) {
            continue;
        }
        const QJsonObject event = QJsonDocument::fromJson(line).object();
        if (!event["slot"].isString() || !event["port"].isString() || !event["step"].isString()) {
            qWarning("not a step of progress: %s", line.constData());
            return {};
        }
        events << event;
    }
    return events;
}

} // namespace

class TestShift : public QObject
{
    Q_OBJECT

private slots:
    void eachDeviceOnceUntilItIsTakenAway();
    void progressOfARunIsJsonToo();
    void cleanup();

private:
    bool waitForReportLines(int count, int timeoutMs);
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QProcess m_station;
    QByteArray m_err;
};

void TestShift::cleanup()
{
    m_station.kill();
    m_station.waitForFinished(3000);
}

bool TestShift::waitForReportLines(int count, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (readFile(path("log.jsonl")).count('\n') < count && !deadline.hasExpired()) {
        m_station.waitForReadyRead(100);
        m_err += m_station.readAllStandardError();
    }
    return readFile(path("log.jsonl")).count('\n') >= count;
}

void TestShift::eachDeviceOnceUntilItIsTakenAway()
{
    QVERIFY(writeFile(path("program.app"), readFile(QFINDTESTDATA("../../fuzz/corpus/configfile/filled.app"))));
    QVERIFY(writeFile(path("ports.json"), "[]"));
    QVERIFY(writeFile(path("station.json"),
                      QStringLiteral(R"({"slots": [
        {"name": "A1", "port": "%1"}, {"name": "A2", "port": "%2"},
        {"name": "B1", "port": "%3"}, {"name": "B2", "port": "serial=SIM-B2"}]})")
                          .arg(path("a1"), path("a2"), path("b1"))
                          .toUtf8()));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KVR210C_PORT_LIST", path("ports.json"));
    m_station.setProcessEnvironment(environment);
    m_station.start(KVR_CLI_PATH,
                    {"store", path("program.app"), "--station", path("station.json"), "--watch", "--verify",
                     "--progress", "json", "--report", path("log.jsonl"), "--on-result",
                     QStringLiteral("echo \"$1 $3\" >> '%1'").arg(path("hook.txt"))});
    QVERIFY(m_station.waitForStarted());

    // B1 fails once its records begin; the others are good devices.
    SimulatorProcess a1, a2, b1, b2;
    QVERIFY(a1.start() && a2.start() && b2.start());
    QVERIFY(b1.start({"--fault", "corrupt-echo", "--fault-after", "4"}));
    QTest::qWait(1500); // the station looks at empty slots first
    for (auto [name, simulator] : {std::pair{"a1", &a1}, {"a2", &a2}, {"b1", &b1}, {"b2", &b2}}) {
        QVERIFY(QFile::link(simulator->portName(), path(name)));
    }
    QVERIFY(writeFile(path("ports.json.new"),
                      QStringLiteral(R"([{"port": "%1", "serial_number": "SIM-B2"}])").arg(path("b2")).toUtf8()));
    QCOMPARE(std::rename(qPrintable(path("ports.json.new")), qPrintable(path("ports.json"))), 0);
    QVERIFY2(waitForReportLines(4, 60000), m_err.constData());

    // Left plugged in, each is asked whether it is still there, never programmed again.
    QTest::qWait(2500);
    for (SimulatorProcess* good : {&a1, &a2, &b2}) {
        QCOMPARE(good->countLogLines("record "), 36);
    }
    QVERIFY(b1.countLogLines("record ") < 36);

    // Taken away and plugged in again, by path and by adapter (still listed, its node gone): programmed again.
    QVERIFY(QFile::remove(path("a1")) && QFile::remove(path("b2")));
    QTest::qWait(1500);
    QVERIFY(QFile::link(a1.portName(), path("a1")) && QFile::link(b2.portName(), path("b2")));
    QVERIFY2(waitForReportLines(6, 30000), m_err.constData());
    QCOMPARE(a1.countLogLines("record "), 72);
    QCOMPARE(b2.countLogLines("record "), 72);

    QElapsedTimer stopping;
    stopping.start();
    ::kill(pid_t(m_station.processId()), SIGINT);
    QVERIFY(m_station.waitForFinished(10000));
    QVERIFY2(stopping.elapsed() < 3000, qPrintable(QString::number(stopping.elapsed())));
    QCOMPARE(m_station.exitCode(), 130);
    m_err += m_station.readAllStandardError();
    const QString out = QString::fromUtf8(m_station.readAllStandardOutput());

    QList<QJsonObject> report;
    for (const QByteArray& line : readFile(path("log.jsonl")).trimmed().split('\n')) {
        report << QJsonDocument::fromJson(line).object();
    }
    QMap<QString, QStringList> results;
    for (const QJsonObject& line : report) {
        results[line["slot"].toString()] << line["result"].toString();
    }
    QCOMPARE(results["A1"], QStringList({"stored, verified", "stored, verified"}));
    QCOMPARE(results["A2"], QStringList{"stored, verified"});
    QCOMPARE(results["B1"], QStringList{"failed"});
    QCOMPARE(results["B2"], QStringList({"stored, verified", "stored, verified"}));
    QVERIFY2(out.contains(QRegularExpression("B2 \\(.*b2\\)  stored, verified\n")), qPrintable(out));
    QVERIFY2(out.contains(QRegularExpression("The shift:\n(  .*\n)*  total +6\n")), qPrintable(out));
    // In the station's order, whichever device ended first (B1 fails early).
    QVERIFY2(out.contains(QRegularExpression("Per slot:\n  A1\n(    .*\n)+  A2\n(    .*\n)+  B1\n(    .*\n)+  B2\n")),
             qPrintable(out));
    QStringList hooked = QString::fromUtf8(readFile(path("hook.txt"))).split('\n', Qt::SkipEmptyParts);
    hooked.sort();
    QCOMPARE(hooked,
             QStringList({"A1 stored, verified", "A1 stored, verified", "A2 stored, verified", "B1 failed",
                          "B2 stored, verified", "B2 stored, verified"}));

    // Each slot's steps in order.
    const QList<QJsonObject> events = progressEvents(m_err);
    QVERIFY(!events.isEmpty());
    const QRegularExpression inOrder("^(c?r*v*dg?)*$");
    for (const QString slot : {"A1", "A2", "B1", "B2"}) {
        QVERIFY2(inOrder.match(stepsOf(events, slot)).hasMatch(), qPrintable(slot + ": " + stepsOf(events, slot)));
    }
    for (const QString slot : {"A1", "B2"}) {
        QVERIFY(stepsOf(events, slot).count('d') == 2 && stepsOf(events, slot).count('g') == 1);
    }
}

void TestShift::progressOfARunIsJsonToo()
{
    QVERIFY(writeFile(path("program.app"), readFile(QFINDTESTDATA("../../fuzz/corpus/configfile/filled.app"))));
    SimulatorProcess a, b;
    QVERIFY(a.start() && b.start());
    const CliRun run = runCli(
        KVR_CLI_PATH,
        {"store", path("program.app"), "--verify", "--progress", "json", "--port", a.portName() + "," + b.portName()});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QList<QJsonObject> events = progressEvents(run.err.toUtf8());
    for (const SimulatorProcess* device : {&a, &b}) {
        QCOMPARE(stepsOf(events, device->portName()), "c" + QString(36, 'r') + QString(36, 'v') + "d");
    }
    QCOMPARE(events.constLast()["outcome"].toString(), QStringLiteral("stored, verified"));
}

QTEST_GUILESS_MAIN(TestShift)
#include "tst_shift.moc"
