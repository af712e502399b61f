// Finding devices: the handshake on several ports at once, against the device
// simulator, a pseudo-terminal with nothing behind it and one where something
// else answers.
#include "deviceprobe.h"
#include "ptypeer.h"
#include "serialframe.h"
#include "simulatorprocess.h"

#include <QtTest>

namespace {

// The exchanges the simulator logged, without its own notes.
QStringList frames(const SimulatorProcess& sim)
{
    QStringList lines;
    for (const QString& line : sim.logLines()) {
        if (line.startsWith("frame") || line.startsWith("record") || line.startsWith("ISPOK")) {
            lines << line;
        }
    }
    return lines;
}

// `count` handshakes and nothing else.
QByteArray handshakes(int count)
{
    return SerialFrame::frame("KVR210").repeated(count);
}

} // namespace

class TestDeviceProbe : public QObject
{
    Q_OBJECT

private slots:
    void tellsTheKindsApartAndSendsOnlyTheHandshake();
    void portsAreTriedAtOnce();
    void cancelStopsWaitingPortsButLetsAnsweredDevicesGo();
    void runFromAnEventLoop();
};

void TestDeviceProbe::tellsTheKindsApartAndSendsOnlyTheHandshake()
{
    SimulatorProcess device, other, shy;
    QVERIFY2(device.start(), qPrintable(device.errorString()));
    QVERIFY2(other.start(), qPrintable(other.errorString()));
    // Echoes wrongly twice, then answers: a device after all.
    QVERIFY2(shy.start({"--fault", "corrupt-echo", "--fault-count", "2"}), qPrintable(shy.errorString()));
    PtyPeer empty(PtyPeer::Mode::Silent);
    PtyPeer modem(PtyPeer::Mode::Chatter);
    // One wrong answer, then silence: still something else, not nothing.
    PtyPeer once(PtyPeer::Mode::ChatterOnce);
    QVERIFY(empty.open());
    QVERIFY(modem.open());
    QVERIFY(once.open());

    const QStringList ports{device.portName(), empty.portName(), modem.portName(), "/nonexistent/ttyUSB9",
                            other.portName(),  shy.portName(),   once.portName()};
    const QList<DeviceProbe::Result> results = DeviceProbe::probe(ports, {3, 300});
    using Answer = DeviceProbe::Answer;
    const QList<Answer> answers{Answer::Device, Answer::Silent, Answer::Other, Answer::NotOpened,
                                Answer::Device, Answer::Device, Answer::Other};
    QCOMPARE(results.size(), ports.size());
    for (int i = 0; i < ports.size(); ++i) {
        QCOMPARE(results[i].port, ports[i]);
        QCOMPARE(results[i].answer, answers[i]);
        QCOMPARE(results[i].ok, answers[i] == Answer::Device);
    }
    QVERIFY2(results[6].error.endsWith("(1 of 3 answers were not the device's)."), qPrintable(results[6].error));
    QVERIFY(results[0].error.isEmpty());
    QVERIFY2(results[1].error == QString("Nothing answered the handshake on %1 (3 attempts).").arg(empty.portName()),
             qPrintable(results[1].error));
    QVERIFY2(results[2].error.contains("Something other than the device answered"), qPrintable(results[2].error));
    QVERIFY2(results[3].error.contains("/nonexistent/ttyUSB9") || results[3].error.contains("No such file"),
             qPrintable(results[3].error));
    QCOMPARE(results[1].describe(), QString("no answer"));
    QCOMPARE(results[2].describe(), QString("something else answered"));

    // A device hears the handshake and the farewell, nothing else.
    QVERIFY(device.waitForLogLine("ISPOK!"));
    QCOMPARE(frames(device), QStringList({"frame KVR210", "ISPOK!"}));
    QVERIFY(shy.waitForLogLine("ISPOK!"));
    QCOMPARE(frames(shy).count("frame KVR210"), 3);
    QCOMPARE(frames(shy).last(), QString("ISPOK!"));
    // Whatever else is on a port hears the handshake's attempts, and no farewell.
    QCOMPARE(empty.received(), handshakes(3));
    QCOMPARE(modem.received(), handshakes(3));
    // Both devices were let go: the ports are free again.
    QCOMPARE(DeviceProbe::probe({device.portName()}, {3, 300}).first().answer, Answer::Device);
}

void TestDeviceProbe::portsAreTriedAtOnce()
{
    // Three silent ports of 3 x 1000 ms each: one after the other would take 9 s.
    PtyPeer a(PtyPeer::Mode::Silent), b(PtyPeer::Mode::Silent), c(PtyPeer::Mode::Silent);
    QVERIFY(a.open() && b.open() && c.open());
    QElapsedTimer clock;
    clock.start();
    const QList<DeviceProbe::Result> results = DeviceProbe::probe({a.portName(), b.portName(), c.portName()},
                                                                  {3, 1000});
    const qint64 elapsed = clock.elapsed();
    for (const DeviceProbe::Result& result : results) {
        QCOMPARE(result.answer, DeviceProbe::Answer::Silent);
    }
    QVERIFY2(elapsed >= 3000 && elapsed < 6000, qPrintable(QString::number(elapsed)));
}

void TestDeviceProbe::cancelStopsWaitingPortsButLetsAnsweredDevicesGo()
{
    SimulatorProcess device;
    QVERIFY2(device.start(), qPrintable(device.errorString()));
    PtyPeer empty(PtyPeer::Mode::Silent);
    QVERIFY(empty.open());

    QElapsedTimer clock;
    clock.start();
    int asked = 0;
    const QList<DeviceProbe::Result> results = DeviceProbe::probe({device.portName(), empty.portName()}, {},
                                                                  [&clock, &asked]() {
                                                                      ++asked;
                                                                      return clock.elapsed() > 500;
                                                                  });
    // Six attempts of 1000 ms each, cut short.
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(asked >= 5);
    QCOMPARE(results[0].answer, DeviceProbe::Answer::Device);
    QCOMPARE(results[1].answer, DeviceProbe::Answer::Cancelled);
    QVERIFY(device.waitForLogLine("ISPOK!"));
    QCOMPARE(frames(device), QStringList({"frame KVR210", "ISPOK!"}));
    QCOMPARE(empty.received(), handshakes(1));

    // Cancelled before anything began: no port is even opened.
    PtyPeer untouched(PtyPeer::Mode::Silent);
    QVERIFY(untouched.open());
    const QList<DeviceProbe::Result> none = DeviceProbe::probe({untouched.portName()}, {}, []() { return true; });
    QCOMPARE(none[0].answer, DeviceProbe::Answer::Cancelled);
    DeviceProbe::probe({untouched.portName()}, {1, 10}); // its one handshake is the first the port hears
    QTRY_COMPARE_WITH_TIMEOUT(untouched.received(), handshakes(1), 5000);
}

void TestDeviceProbe::runFromAnEventLoop()
{
    SimulatorProcess device;
    QVERIFY2(device.start(), qPrintable(device.errorString()));
    PtyPeer empty(PtyPeer::Mode::Silent);
    QVERIFY(empty.open());

    DeviceProbeRun run;
    QSignalSpy finished(&run, &DeviceProbeRun::finished);
    QVERIFY(!run.start({}));
    QVERIFY(run.start({device.portName(), empty.portName()}, {2, 300}));
    QVERIFY(run.isRunning());
    QVERIFY(!run.start({device.portName()}));
    // The event loop runs meanwhile: a timer fires long before the probe ends.
    bool timerFired = false;
    QTimer::singleShot(50, [&timerFired]() { timerFired = true; });
    QVERIFY(finished.wait(5000));
    QVERIFY(timerFired);
    QVERIFY(!run.isRunning());
    const auto results = finished.takeFirst().at(0).value<QList<DeviceProbe::Result>>();
    QCOMPARE(results.size(), 2);
    QCOMPARE(results[0].answer, DeviceProbe::Answer::Device);
    QCOMPARE(results[1].answer, DeviceProbe::Answer::Silent);

    // Cancel: finished follows at once, the waiting port cancelled.
    QVERIFY(run.start({empty.portName()}));
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(100, &run, &DeviceProbeRun::cancel);
    QVERIFY(finished.wait(5000));
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(finished.takeFirst().at(0).value<QList<DeviceProbe::Result>>().first().answer,
             DeviceProbe::Answer::Cancelled);

    // Gone while running: it stops and waits for its thread, and says nothing.
    bool said = false;
    const qsizetype heard = empty.received().size();
    clock.restart();
    {
        DeviceProbeRun shortLived;
        connect(&shortLived, &DeviceProbeRun::finished, [&said]() { said = true; });
        QVERIFY(shortLived.start({empty.portName()}));
        QTRY_VERIFY_WITH_TIMEOUT(empty.received().size() > heard, 5000); // the handshake is under way
    }
    QCoreApplication::processEvents(); // all its thread posted
    QVERIFY(!said);
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
}

QTEST_GUILESS_MAIN(TestDeviceProbe)
#include "tst_deviceprobe.moc"
