// A shift at a programming station: kvr210c-cli store --watch on four slots
// whose ports come and go (symbolic links to simulators' pseudo-terminals, one
// found by its adapter's serial number in a port list of the test's own).
#include "cliprocess.h"
#include "simulatorprocess.h"
#include "testfiles.h"

#include <QtTest>

#include <csignal>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

namespace {

// The steps of one slot as letters: c(onnect), r(ecord), v(erify), d(one), g(one),
// w(aiting), s(ilent).
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
    // A line still being written is left for the next look.
    for (const QByteArray& line : err.left(err.lastIndexOf('\n') + 1).split('\n')) {
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
    void aDeviceThatStopsAnsweringIsGoneThenDoneAfresh();
    void aListChangeTakesNoDeviceAway_data();
    void aListChangeTakesNoDeviceAway();
    void progressOfARunIsJsonToo();
    void init();
    void cleanup();

private:
    // store --watch --verify with JSON progress on `stationSlots` (a station's "slots" array).
    bool startShift(const QString& stationSlots, const QStringList& more = {});
    bool setPortList(const QByteArray& json);
    // Reads the progress meanwhile.
    bool waitFor(const std::function<bool()>& condition, int timeoutMs);
    bool waitForReportLines(int count, int timeoutMs);
    QStringList resultsOf(const QString& slot) const;
    QString path(const QString& name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QProcess m_station;
    QByteArray m_err;
};

void TestShift::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(writeFile(path("ports.json"), "[]"));
    m_err.clear();
}

void TestShift::cleanup()
{
    m_station.kill();
    m_station.waitForFinished(3000);
}

bool TestShift::startShift(const QString& stationSlots, const QStringList& more)
{
    if (!writeFile(path("program.app"), readFile(QFINDTESTDATA("../../fuzz/corpus/configfile/filled.app")))
        || !writeFile(path("station.json"), QStringLiteral(R"({"slots": %1})").arg(stationSlots).toUtf8())) {
        return false;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KVR210C_PORT_LIST", path("ports.json"));
    m_station.setProcessEnvironment(environment);
    m_station.start(KVR_CLI_PATH,
                    QStringList{"store", path("program.app"), "--station", path("station.json"), "--watch", "--verify",
                                "--progress", "json", "--report", path("log.jsonl")}
                        + more);
    return m_station.waitForStarted();
}

bool TestShift::setPortList(const QByteArray& json)
{
    return writeFile(path("ports.json.new"), json)
        && std::rename(qPrintable(path("ports.json.new")), qPrintable(path("ports.json"))) == 0;
}

bool TestShift::waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition() && !deadline.hasExpired()) {
        m_station.waitForReadyRead(100);
        m_err += m_station.readAllStandardError();
    }
    return condition();
}

bool TestShift::waitForReportLines(int count, int timeoutMs)
{
    return waitFor([&] { return readFile(path("log.jsonl")).count('\n') >= count; }, timeoutMs);
}

QStringList TestShift::resultsOf(const QString& slot) const
{
    QStringList results;
    for (const QByteArray& line : readFile(path("log.jsonl")).split('\n')) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (object["slot"].toString() == slot) {
            results << object["result"].toString();
        }
    }
    return results;
}

void TestShift::eachDeviceOnceUntilItIsTakenAway()
{
    QVERIFY(startShift(QStringLiteral(R"([{"name": "A1", "port": "%1"}, {"name": "A2", "port": "%2"},
                                          {"name": "B1", "port": "%3"}, {"name": "B2", "port": "serial=SIM-B2"}])")
                           .arg(path("a1"), path("a2"), path("b1")),
                       {"--on-result", QStringLiteral("echo \"$1 $3\" >> '%1'").arg(path("hook.txt"))}));

    // B1 fails once its records begin; the others are good devices.
    SimulatorProcess a1, a2, b1, b2;
    QVERIFY(a1.start() && a2.start() && b2.start());
    QVERIFY(b1.start({"--fault", "corrupt-echo", "--fault-after", "4"}));
    // The station looks at empty slots first.
    QVERIFY2(waitFor([&] { return stepsOf(progressEvents(m_err), "B2").contains('w'); }, 10000), m_err.constData());
    for (auto [name, simulator] : {std::pair{"a1", &a1}, {"a2", &a2}, {"b1", &b1}, {"b2", &b2}}) {
        QVERIFY(QFile::link(simulator->portName(), path(name)));
    }
    QVERIFY(setPortList(QStringLiteral(R"([{"port": "%1", "serial_number": "SIM-B2"}])").arg(path("b2")).toUtf8()));
    QVERIFY2(waitForReportLines(4, 60000), m_err.constData());

    // Left plugged in, each is asked twice more whether it is still there, never programmed again.
    std::map<const SimulatorProcess*, int> asked;
    for (const SimulatorProcess* good : {&a1, &a2, &b2}) {
        asked[good] = good->countLogLines("frame KVR210") + 2;
    }
    QVERIFY(waitFor(
        [&] {
            return std::all_of(asked.cbegin(), asked.cend(), [](const auto& good) {
                return good.first->countLogLines("frame KVR210") >= good.second;
            });
        },
        10000));
    for (const auto& good : asked) {
        QCOMPARE(good.first->countLogLines("record "), 36);
    }
    QVERIFY(b1.countLogLines("record ") < 36);

    // Taken away and plugged in again, by path and by adapter (still listed, its node gone): programmed again.
    QVERIFY(QFile::remove(path("a1")) && QFile::remove(path("b2")));
    QVERIFY2(waitFor(
                 [&] {
                     const QList<QJsonObject> events = progressEvents(m_err);
                     return stepsOf(events, "A1").contains('g') && stepsOf(events, "B2").contains('g');
                 },
                 10000),
             m_err.constData());
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

    QCOMPARE(resultsOf("A1"), QStringList({"stored, verified", "stored, verified"}));
    QCOMPARE(resultsOf("A2"), QStringList{"stored, verified"});
    QCOMPARE(resultsOf("B1"), QStringList{"failed"});
    QCOMPARE(resultsOf("B2"), QStringList({"stored, verified", "stored, verified"}));
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
    const QRegularExpression inOrder("^([ws]*c?r*v*dg?)*[ws]*$");
    for (const QString slot : {"A1", "A2", "B1", "B2"}) {
        QVERIFY2(inOrder.match(stepsOf(events, slot)).hasMatch(), qPrintable(slot + ": " + stepsOf(events, slot)));
    }
    for (const QString slot : {"A1", "B2"}) {
        QVERIFY(stepsOf(events, slot).count('d') == 2 && stepsOf(events, slot).count('g') == 1);
    }
}

// Paused (or swapped on the same adapter), a device leaves two questions
// unanswered and is gone; when it answers again, the backlog of questions it
// heard meanwhile does not spoil its new session.
void TestShift::aDeviceThatStopsAnsweringIsGoneThenDoneAfresh()
{
    SimulatorProcess device;
    QVERIFY(device.start({"--pace"})); // the backlog's answers take their time, as on a real line
    QVERIFY(QFile::link(device.portName(), path("a1")));
    QVERIFY(startShift(QStringLiteral(R"([{"name": "A1", "port": "%1"}])").arg(path("a1"))));
    QVERIFY2(waitForReportLines(1, 30000), m_err.constData());

    QCOMPARE(::kill(pid_t(device.processId()), SIGSTOP), 0);
    const bool gone = waitFor([&] { return stepsOf(progressEvents(m_err), "A1").endsWith("gs"); }, 10000);
    QCOMPARE(::kill(pid_t(device.processId()), SIGCONT), 0);
    QVERIFY2(gone, m_err.constData());
    QVERIFY2(waitForReportLines(2, 30000), m_err.constData());
    QCOMPARE(resultsOf("A1"), QStringList({"stored, verified", "stored, verified"}));
    QCOMPARE(device.countLogLines("record "), 72);
}

// Port list changes while a device is done in its slot: neither takes it away
// nor lets another slot reach its port (told once, not at every look).
void TestShift::aListChangeTakesNoDeviceAway_data()
{
    QTest::addColumn<QString>("stationSlots"); // %1 the link to the device
    QTest::addColumn<QString>("listed"); // the port list before and after, by "|"; %1 the link, %2 the node
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QString>("steps");
    QTest::newRow("the adapter off the list for a moment") << R"([{"name": "B2", "port": "serial=SIM-B2"}])"
                                                           << R"([{"port": "%1", "serial_number": "SIM-B2"}]|[])"
                                                           << "B2"
                                                           << "c" + QString(36, 'r') + QString(36, 'v') + "d";
    QTest::newRow("another slot's adapter on its port")
        << R"([{"name": "A1", "port": "%1"}, {"name": "A2", "port": "serial=SIM-A2"}])"
        << R"([]|[{"port": "%2", "serial_number": "SIM-A2"}])"
        << "A2"
        << "ww";
}

void TestShift::aListChangeTakesNoDeviceAway()
{
    QFETCH(QString, stationSlots);
    QFETCH(QString, listed);
    QFETCH(QString, slot);
    SimulatorProcess device;
    QVERIFY(device.start());
    QVERIFY(QFile::link(device.portName(), path("dev")));
    const QStringList lists = listed.arg(path("dev"), device.portName()).split('|');
    QVERIFY(setPortList(lists.at(0).toUtf8()));
    QVERIFY(startShift(stationSlots.arg(path("dev"))));
    QVERIFY2(waitForReportLines(1, 30000), m_err.constData());

    QVERIFY(setPortList(lists.at(1).toUtf8()));
    // The device is asked once a second whether it is still there; the list is read as often.
    const int asked = device.countLogLines("frame KVR210");
    QVERIFY2(waitFor([&] { return device.countLogLines("frame KVR210") >= asked + 3; }, 10000), m_err.constData());
    QTEST(stepsOf(progressEvents(m_err), slot), "steps");
    QCOMPARE(device.countLogLines("record "), 36);
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
