// A device session end to end against the device simulator on a
// pseudo-terminal: the whole session once, and a session kept open.
#include "appdata.h"
#include "devicesession.h"
#include "simulatorprocess.h"

#include <QtTest>

namespace {

// Every record different from the defaults, so a load or verify sees it.
void fillProgram(ProgramRecords& data)
{
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            LinkData* record = data.getDataObject(x, y);
            record->setDelayTime((x * 40 + y * 7) % 256);
            record->setCommand(QString::asprintf("%02d%02d0D0A", x, y));
        }
        data.getButtonData(x)->setSecondLayerCommand(QByteArray(x * 3, char('A' + x)).toHex());
    }
}

// The exchanges the simulator logged, without its own notes.
QStringList frames(const SimulatorProcess& sim)
{
    QStringList lines;
    for (const QString& line : sim.logLines()) {
        if (line.startsWith("frame") || line.startsWith("record") || line.startsWith("ack")
            || line.startsWith("ISPOK")) {
            lines << line;
        }
    }
    return lines;
}

} // namespace

class TestDeviceSession : public QObject
{
    Q_OBJECT

private slots:
    void storeAndVerifyOnce();
    void farewellRules();
    void silentDeviceIsNeverGreetedTwice();
    void cancelStopsTheOperationAndTheFarewell();
    void openSessionLoadsAndVerifiesSeveralTimes();
};

void TestDeviceSession::storeAndVerifyOnce()
{
    SimulatorProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    ProgramRecords program;
    program.newData(6, 5);
    fillProgram(program);

    DeviceSession session;
    QList<DeviceSession::Operation> steps;
    session.setProgress([&steps](DeviceSession::Operation step, int done, int) {
        if (done > 0 && (steps.isEmpty() || steps.last() != step)) {
            steps << step;
        }
    });
    DeviceSession::Differences differences;
    const DeviceSession::Once once = session.runOnce(sim.portName(), [&](DeviceSession& device) {
        return device.run(DeviceSession::Operation::StoreAndVerify, &program, &differences);
    });
    QVERIFY2(once.ok(), qPrintable(once.work.error + once.farewell.error));
    QVERIFY(differences.isEmpty());
    QCOMPARE(once.work.records, 36);
    QCOMPARE(steps,
             QList<DeviceSession::Operation>({DeviceSession::Operation::Store, DeviceSession::Operation::Verify}));
    QCOMPARE(sim.storedRecords().size(), 36);
    const QStringList log = frames(sim);
    QCOMPARE(log.first(), QString("frame KVR210"));
    QCOMPARE(log.last(), QString("ISPOK!"));
    QVERIFY(log.contains("frame LOAD_DATA"));
    QVERIFY(!session.link()->isOpen());
}

void TestDeviceSession::farewellRules()
{
    // A failed operation after the handshake still ends with the farewell:
    // here a program the device cannot hold, refused before a byte of it goes.
    SimulatorProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    ProgramRecords program;
    program.newData(6, 5);
    program.getDataObject(2, 3)->setCommand(QByteArray(300, 'A').toHex());
    DeviceSession session;
    const DeviceSession::Once once = session.runOnce(sim.portName(), [&program](DeviceSession& device) {
        return device.run(DeviceSession::Operation::Store, &program);
    });
    QVERIFY(once.connection.ok);
    QVERIFY(!once.work.ok);
    QVERIFY2(once.work.error.startsWith("Nothing was sent."), qPrintable(once.work.error));
    QVERIFY(once.farewell.ok);
    QVERIFY(!once.ok());
    QCOMPARE(frames(sim), QStringList({"frame KVR210", "ISPOK!"}));

    // A port that cannot be opened: nothing runs, the link's reason is the error.
    bool ran = false;
    const DeviceSession::Once refused = session.runOnce("/nonexistent/tty-kvr", [&ran](DeviceSession&) {
        ran = true;
        return DeviceSession::Result();
    });
    QVERIFY(!refused.opened);
    QVERIFY(!ran);
    QVERIFY(!refused.connection.error.isEmpty());
    QCOMPARE(refused.connection.error, session.link()->errorString());

    // A lost port: the farewell sends nothing and says the connection is gone.
    QVERIFY(session.open(sim.portName()).ok);
    QVERIFY(session.connect().ok);
    sim.stop();
    const DeviceSession::Result stored = session.run(DeviceSession::Operation::Store, &program);
    QVERIFY(!stored.ok);
    const DeviceSession::Result farewell = session.farewell();
    QVERIFY(!farewell.ok);
    QVERIFY(farewell.portFailed || !session.link()->isOpen());
}

void TestDeviceSession::silentDeviceIsNeverGreetedTwice()
{
    // No answer to the handshake: no work, no farewell, the port closed.
    SimulatorProcess sim;
    QVERIFY2(sim.start({"--fault", "silent"}), qPrintable(sim.errorString()));
    DeviceSession session({2, 300});
    bool ran = false;
    const DeviceSession::Once once = session.runOnce(sim.portName(), [&ran](DeviceSession&) {
        ran = true;
        return DeviceSession::Result();
    });
    QVERIFY(once.opened);
    QVERIFY(!once.connection.ok);
    QVERIFY2(once.connection.error.contains("did not answer (2 attempts)"), qPrintable(once.connection.error));
    QVERIFY(!ran);
    QVERIFY(!once.farewell.ok);
    QCOMPARE(frames(sim), QStringList({"frame KVR210", "frame KVR210"}));
    QVERIFY(!session.link()->isOpen());
}

void TestDeviceSession::cancelStopsTheOperationAndTheFarewell()
{
    SimulatorProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    ProgramRecords program;
    program.newData(6, 5);
    fillProgram(program);
    DeviceSession session;
    int done = 0;
    session.setProgress([&done](DeviceSession::Operation, int records, int) { done = records; });
    session.setCancelCheck([&done] { return done >= 5; });
    const DeviceSession::Once once = session.runOnce(sim.portName(), [&program](DeviceSession& device) {
        return device.run(DeviceSession::Operation::StoreAndVerify, &program);
    });
    QVERIFY(once.connection.ok);
    QVERIFY(!once.work.ok);
    QVERIFY(once.work.cancelled);
    QVERIFY2(once.work.error.contains("cancelled at"), qPrintable(once.work.error));
    QCOMPARE(once.work.records, 5);
    // Once the user said stop, nothing more goes out: no verify, no farewell.
    QVERIFY(!once.farewell.ok);
    QVERIFY(session.link()->open(sim.portName())); // a frame now comes straight after the last record
    QVERIFY(session.link()->write(SerialFrame::frame("LOAD")) > 0 && sim.waitForLogLine("frame 5345"));
    const QStringList log = frames(sim);
    QVERIFY(!log.contains("ISPOK!"));
    QVERIFY(!log.contains("frame LOAD_DATA"));
    QCOMPARE(log.filter(QRegularExpression("^record ")).size(), 5);
}

void TestDeviceSession::openSessionLoadsAndVerifiesSeveralTimes()
{
    SimulatorProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    ProgramRecords program;
    program.newData(6, 5);
    fillProgram(program);

    DeviceSession session;
    QVERIFY(session.open(sim.portName()).ok);
    QVERIFY(session.connect().ok);
    QVERIFY(session.run(DeviceSession::Operation::Store, &program).ok);

    ProgramRecords loaded;
    loaded.newData(6, 5);
    const DeviceSession::Result load = session.run(DeviceSession::Operation::Load, &loaded);
    QVERIFY2(load.ok, qPrintable(load.error));
    QVERIFY(load.missing.isEmpty());
    QCOMPARE(loaded.getDataObject(4, 2)->getCommand(), program.getDataObject(4, 2)->getCommand());
    QCOMPARE(loaded.getButtonData(5)->getSecondLayerCommand(), program.getButtonData(5)->getSecondLayerCommand());

    // Changed here: the verify finds it and leaves both sides alone.
    program.getDataObject(3, 1)->setDelayTime(7);
    DeviceSession::Differences differences;
    const DeviceSession::Result verify = session.run(DeviceSession::Operation::Verify, &program, &differences);
    QVERIFY(verify.ok);
    QCOMPARE(differences.size(), 1);
    QCOMPARE(program.getDataObject(3, 1)->getDelayTime(), 7);

    QVERIFY(session.link()->isOpen());
    QVERIFY(session.farewell().ok);
    QCOMPARE(frames(sim).last(), QString("ISPOK!"));
    QCOMPARE(frames(sim).count("frame KVR210"), 1);
}

QTEST_GUILESS_MAIN(TestDeviceSession)
#include "tst_devicesession.moc"
