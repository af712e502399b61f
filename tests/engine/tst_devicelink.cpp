// The device link end to end: a real serial port on a pseudo-terminal with
// the device simulator on the other end.
#include "appdata.h"
#include "commandtrial.h"
#include "deviceprobe.h"
#include "devicerecordstream.h"
#include "diagnostics.h"
#include "programtransfer.h"
#include "ptypeer.h"
#include "serialframe.h"
#include "seriallink.h"
#include "simulatorprocess.h"
#include "testrecords.h"

#include <QtTest>

#include <atomic>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <memory>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Key = SimulatorProcess::Key;

// Every device field of every record different from its neighbours and from
// the defaults.
void fillProgram(ProgramRecords& data)
{
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            LinkData* record = data.getDataObject(x, y);
            UartData uart;
            uart.baudRate = BaudRate((x + y) % 8);
            uart.parity = Parity((x * y) % 5);
            record->setUartData(&uart);
            record->setDelayTime((x * 40 + y * 7) % 256);
            record->setCommand(QString("%1%2 0D0A 53455453").arg(x, 2, 10, QChar('0')).arg(y, 2, 10, QChar('0')));
        }
        ButtonData* key = data.getButtonData(x);
        UartData second;
        second.baudRate = BaudRate((x + 3) % 8);
        second.parity = Parity((x + 1) % 5);
        key->setSecondLayerUartData(&second);
        key->setSecondLayerDelayTime(250 - x);
        key->setSecondLayerCommand(QByteArray(x * 20, char('A' + x)).toHex());
    }
}

// What the device knows of the program, record by record.
QMap<Key, QByteArray> deviceView(const ProgramRecords& data)
{
    QMap<Key, QByteArray> view;
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            view.insert({x, y}, data.getDataObject(x, y)->encapsulation());
        }
        view.insert({x, 6}, data.getButtonData(x)->encapsulationSecondLayer());
    }
    return view;
}

QList<Key> loggedKeys(const QStringList& lines, const QString& event)
{
    QList<Key> keys;
    for (const QString& line : lines) {
        const QStringList words = line.split(' ');
        if (words.size() >= 3 && words.at(0) == event) {
            keys.append({words.at(1).toInt(), words.at(2).toInt()});
        }
    }
    return keys;
}

// One editor side: records, a port and the transfer, against one simulator.
struct Rig {
    SimulatorProcess sim;
    SerialLink link;
    ProgramRecords data;
    QList<QPair<int, int>> progress;
    ProgramTransfer transfer{&data, &link, [this](int done, int total) { progress.append({done, total}); }};

    Rig() { data.newData(6, 5); }

    bool start(const QStringList& arguments = {})
    {
        if (!sim.start(arguments)) {
            qWarning("%s", qPrintable(sim.errorString()));
            return false;
        }
        if (!link.open(sim.portName())) {
            qWarning("%s", qPrintable(link.errorString()));
            return false;
        }
        return true;
    }
};

} // namespace

class TestDeviceLink : public QObject
{
    Q_OBJECT

private slots:
    // The traces some cases expect are off unless asked for.
    void initTestCase() { Diagnostics::enable(); }
    void handshakeAndFarewell();
    void silentDeviceFailsTheHandshake();
    void storeSendsEveryRecordInOrder();
    void storeAndLoadRoundTrip();
    void secondLayerRecordUpdatesOnlyTheSecondLayer();
    void recordForUnknownKeyIsNotAcknowledged();
    void faultsAreSurvived_data();
    void faultsAreSurvived();
    void oversizedCommandIsRefusedBeforeSending();
    void loadWithoutAnswer_data();
    void loadWithoutAnswer();
    void portFailures();
    void notASerialPort_data();
    void notASerialPort();
    void damagedLoads_data();
    void damagedLoads();
    void deviceVanishes_data();
    void deviceVanishes();
    void timeOuts();
    void cancelStopsAtOnceAndSendsNothingMore_data();
    void cancelStopsAtOnceAndSendsNothingMore();
    void cancelAsARecordCompletesLeavesItUnacknowledged();
    void verifyComparesWithoutTouchingTheRecords();
    void transfersOnTheirOwnThreads();
    void cancelCheckThatRunsTheEventLoop();
    void permissionHintNamesAGroupOfUsersOnly_data();
    void permissionHintNamesAGroupOfUsersOnly();
    void onePortOneOpener_data();
    void onePortOneOpener();
};

void TestDeviceLink::handshakeAndFarewell()
{
    Rig rig;
    QVERIFY(rig.start());
    const ProgramTransfer::Result shake = rig.transfer.handshake();
    QVERIFY(shake.ok);
    QVERIFY(shake.error.isEmpty());
    QVERIFY(rig.transfer.sayGoodbye().ok);
    QCOMPARE(rig.sim.logLines(), QStringList({"frame KVR210", "ISPOK!"}));
}

void TestDeviceLink::silentDeviceFailsTheHandshake()
{
    // The real attempt count and time-out.
    Rig rig;
    QVERIFY(rig.start({"--fault", "silent"}));
    QCOMPARE(rig.link.timeout(), 1000);
    QCOMPARE(rig.transfer.attempts(), 6);
    const ProgramTransfer::Result shake = rig.transfer.handshake();
    QVERIFY(!shake.ok);
    QVERIFY2(shake.error.contains("did not answer"), qPrintable(shake.error));
    QCOMPARE(rig.sim.logLines().count("frame KVR210"), 6);
}

void TestDeviceLink::storeSendsEveryRecordInOrder()
{
    Rig rig;
    QVERIFY(rig.start());
    fillProgram(rig.data);

    const ProgramTransfer::Result result = rig.transfer.store();
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.records, 36);
    QCOMPARE(loggedKeys(rig.sim.logLines(), "record"), deviceOrder());
    QCOMPARE(rig.sim.storedRecords(), deviceView(rig.data));

    // In device records, one step per record the device confirmed.
    QCOMPARE(rig.progress.size(), 37);
    for (int i = 0; i <= 36; ++i) {
        QCOMPARE(rig.progress.at(i), qMakePair(i, 36));
    }
}

void TestDeviceLink::storeAndLoadRoundTrip()
{
    Rig rig;
    QVERIFY(rig.start());
    fillProgram(rig.data);
    const QMap<Key, QByteArray> program = deviceView(rig.data);
    QVERIFY(rig.transfer.store().ok);

    rig.data.resetDataObject();
    QVERIFY(deviceView(rig.data) != program);
    rig.progress.clear();

    const ProgramTransfer::Result result = rig.transfer.load();
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.records, 36);
    QCOMPARE(deviceView(rig.data), program);
    QCOMPARE(rig.data.getDataObject(4, 3)->getCommand(), QString("04030D0A53455453"));
    QCOMPARE(rig.progress.first(), qMakePair(0, 36));
    QCOMPARE(rig.progress.last(), qMakePair(36, 36));

    QVERIFY(rig.sim.waitForLogLine("ack 6 5"));
    QCOMPARE(loggedKeys(rig.sim.logLines(), "ack"), deviceOrder());
    // The link is in step afterwards.
    QVERIFY(rig.transfer.sayGoodbye().ok);
}

void TestDeviceLink::secondLayerRecordUpdatesOnlyTheSecondLayer()
{
    Rig rig;
    ButtonData other(2);
    UartData uart;
    uart.baudRate = BaudRate115200;
    uart.parity = ParityEven;
    other.setSecondLayerUartData(&uart);
    other.setSecondLayerDelayTime(200);
    other.setSecondLayerCommand("C0FFEE");
    QVERIFY(rig.sim.setStoredRecords({other.encapsulationSecondLayer()}));
    // The device sends this one record only.
    QVERIFY(rig.start({"--records", "0", "--extra-record", "2,6"}));
    rig.link.setTimeout(300);

    fillProgram(rig.data);
    ButtonData* key = rig.data.getButtonData(2);
    const QByteArray firstLayer = key->encapsulation();

    const ProgramTransfer::Result result = rig.transfer.load();
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.records, 1);
    QCOMPARE(key->encapsulation(), firstLayer);
    QCOMPARE(key->encapsulationSecondLayer(), other.encapsulationSecondLayer());
    QCOMPARE(key->getSecondLayerCommand(), QString("C0FFEE"));
    QCOMPARE(key->getSecondLayerDelayTime(), 200);
    QVERIFY(rig.sim.waitForLogLine("ack 2 6"));
}

void TestDeviceLink::recordForUnknownKeyIsNotAcknowledged()
{
    Rig rig;
    fillProgram(rig.data);
    const QMap<Key, QByteArray> program = deviceView(rig.data);
    QVERIFY(rig.sim.setStoredRecords(program.values()));
    // Key 7 comes first; the device waits 300 ms for its acknowledgement, then
    // carries on with the 36 records it has.
    QVERIFY(rig.start({"--extra-record", "7,1", "--extra-at", "0", "--ack-timeout", "300"}));
    rig.data.resetDataObject();

    QTest::ignoreMessage(QtDebugMsg, "can't get obejct data");
    const ProgramTransfer::Result result = rig.transfer.load();
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.records, 36);
    QCOMPARE(deviceView(rig.data), program);
    QVERIFY(rig.sim.waitForLogLine("ack 6 5"));
    const QStringList log = rig.sim.logLines();
    QVERIFY(log.contains("no-ack 7 1"));
    QCOMPARE(loggedKeys(log, "ack"), deviceOrder());
}

void TestDeviceLink::faultsAreSurvived_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("timeout");
    QTest::addColumn<bool>("load"); // the faults hit the load rather than the store
    QTest::addColumn<int>("checksumErrors");
    QTest::addColumn<QString>("failure"); // empty: the transfer succeeds
    QTest::addColumn<int>("records");

    QTest::newRow("silent twice, real time-out")
        << QStringList{"--fault", "silent", "--fault-after", "4", "--fault-count", "2"} << 1000 << false << 0
        << QString() << 36;
    QTest::newRow("five corrupted echoes")
        << QStringList{"--fault", "corrupt-echo", "--fault-after", "3", "--fault-count", "5"} << 300 << false << 5
        << QString() << 36;
    QTest::newRow("echoes corrupted for good") << QStringList{"--fault", "corrupt-echo", "--fault-after", "8"} << 300
                                               << false << 6 << QString("Key 2, link 13") << 8;
    QTest::newRow("second layer never confirmed") << QStringList{"--fault", "silent", "--fault-after", "13"} << 100
                                                  << false << 0 << QString("Key 3, second layer") << 13;
    QTest::newRow("short echo") << QStringList{"--fault", "short-echo", "--fault-after", "7", "--fault-count", "1"}
                                << 300 << false << 1 << QString() << 36;
    QTest::newRow("dropped frame") << QStringList{"--fault", "drop-frame", "--fault-after", "10", "--fault-count", "1"}
                                   << 300 << false << 0 << QString() << 36;
    QTest::newRow("garbage between records")
        << QStringList{"--fault", "garbage"} << 300 << true << 0 << QString() << 36;
}

void TestDeviceLink::faultsAreSurvived()
{
    QFETCH(QStringList, faults);
    QFETCH(int, timeout);
    QFETCH(bool, load);
    QFETCH(int, checksumErrors);
    QFETCH(QString, failure);
    QFETCH(int, records);

    Rig rig;
    QVERIFY(rig.start(faults));
    rig.link.setTimeout(timeout);
    fillProgram(rig.data);
    const QMap<Key, QByteArray> program = deviceView(rig.data);
    for (int i = 0; i < checksumErrors; ++i) {
        QTest::ignoreMessage(QtDebugMsg, "checksum error");
    }

    ProgramTransfer::Result result = rig.transfer.store();
    if (load) {
        QVERIFY2(result.ok, qPrintable(result.error));
        rig.data.resetDataObject();
        result = rig.transfer.load();
        QVERIFY(rig.sim.waitForLogLine("ack 6 5"));
        QVERIFY(rig.sim.logLines().contains("garbage 3"));
    }
    QCOMPARE(result.records, records);
    if (failure.isEmpty()) {
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(rig.sim.storedRecords(), program);
        QCOMPARE(deviceView(rig.data), program);
        return;
    }
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(failure), qPrintable(result.error));
    // Stopped at the failing record: the device holds what came before, whole.
    const QMap<Key, QByteArray> stored = rig.sim.storedRecords();
    const QList<Key> order = deviceOrder();
    for (int i = 0; i < order.size(); ++i) {
        if (i < records) {
            QCOMPARE(stored.value(order.at(i)), program.value(order.at(i)));
        } else if (i > records) {
            QVERIFY(!stored.contains(order.at(i)));
        }
    }
    QCOMPARE(loggedKeys(rig.sim.logLines(), "record").count(order.at(records)), 6);
}

void TestDeviceLink::oversizedCommandIsRefusedBeforeSending()
{
    Rig rig;
    QVERIFY(rig.start());
    fillProgram(rig.data);
    rig.data.getDataObject(3, 4)->setCommand(QByteArray(248, 'x').toHex());
    rig.data.getButtonData(5)->setSecondLayerCommand(QByteArray(300, 'y').toHex());
    rig.data.getDataObject(6, 5)->setCommand(QByteArray(247, 'z').toHex()); // just fits
    QCOMPARE(rig.transfer.oversizedRecords(), QStringList({"Key 3, link 15", "Key 5, second layer"}));

    const ProgramTransfer::Result result = rig.transfer.store();
    QVERIFY(!result.ok);
    QCOMPARE(result.records, 0);
    QVERIFY2(result.error.contains("Key 3, link 15") && result.error.contains("Key 5, second layer"),
             qPrintable(result.error));
    QVERIFY(rig.progress.isEmpty());
    QVERIFY(rig.transfer.handshake().ok); // the line is alive, and this is the first thing on it
    QCOMPARE(rig.sim.logLines(), QStringList({"frame KVR210"}));
    QVERIFY(rig.sim.storedRecords().isEmpty());
}

void TestDeviceLink::loadWithoutAnswer_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("failure");

    QTest::newRow("no echo of the request") << QStringList{"--fault", "silent"} << QString("load request");
    QTest::newRow("echo, then no records") << QStringList{"--records", "0"} << QString("no records");
}

void TestDeviceLink::loadWithoutAnswer()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, failure);
    Rig rig;
    QVERIFY(rig.start(arguments));
    rig.link.setTimeout(200);
    fillProgram(rig.data);
    const QMap<Key, QByteArray> program = deviceView(rig.data);

    const ProgramTransfer::Result result = rig.transfer.load();
    QVERIFY(!result.ok);
    QCOMPARE(result.records, 0);
    QVERIFY2(result.error.contains(failure), qPrintable(result.error));
    QCOMPARE(deviceView(rig.data), program);
}

void TestDeviceLink::portFailures()
{
    SerialLink link;
    QVERIFY(!link.sendData("KVR210"));
    QVERIFY(link.readUpTo(5).isEmpty());
    QVERIFY(!link.open("/nonexistent/tty-kvr"));
    QVERIFY(!link.errorString().isEmpty());

    ProgramRecords data;
    data.newData(6, 5);
    ProgramTransfer closed(&data, &link);
    const ProgramTransfer::Result refused = closed.handshake();
    QVERIFY(!refused.ok);
    QVERIFY(!refused.error.isEmpty());
    QVERIFY(!closed.load().ok);

    // The device goes away in the middle of a session: failures, not a crash.
    Rig rig;
    QVERIFY(rig.start());
    rig.link.setTimeout(200);
    QVERIFY(rig.transfer.handshake().ok);
    rig.sim.stop();
    const ProgramTransfer::Result lost = rig.transfer.handshake();
    QVERIFY(!lost.ok);
    // The hung-up port is closed at once, not left open to be polled.
    QVERIFY(lost.portFailed);
    QVERIFY(rig.link.hasFailed());
    QVERIFY(!rig.link.isOpen());
    QVERIFY2(lost.error.contains("was disconnected or stopped answering"), qPrintable(lost.error));
    const ProgramTransfer::Result result = rig.transfer.store();
    QVERIFY(!result.ok);
    QVERIFY(result.portFailed);
    QVERIFY2(result.error.contains("connection to the device was lost"), qPrintable(result.error));
    QVERIFY(rig.progress.isEmpty());
}

void TestDeviceLink::notASerialPort_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("regular file") << "regular file";
    QTest::newRow("named pipe") << "named pipe";
}

// The system says "Inappropriate ioctl for device"; a session and the probe both say what the path is.
void TestDeviceLink::notASerialPort()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("ttyFake");
    if (kind == "named pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString expected = QString("%1 is not a serial port (it is a %2).").arg(path, kind);
    SerialLink link;
    QVERIFY(!link.open(path));
    QCOMPARE(link.errorString(), expected);
    const QList<DeviceProbe::Result> probed = DeviceProbe::probe({path}, {1, 100});
    QCOMPARE(probed.value(0).answer, DeviceProbe::Answer::NotOpened);
    QCOMPARE(probed.value(0).error, expected);
}

void TestDeviceLink::damagedLoads_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<Key>("lost");
    QTest::addColumn<bool>("repeated"); // the record before it came again in its place

    // Read as one, the cut record would take the next one's first bytes and
    // be acknowledged with a "RETS" the device does not recognise.
    QTest::newRow("record cut, the next at once")
        << QStringList{"--fault", "cut-record", "--fault-after", "5", "--fault-count", "1"} << Key(1, 5) << false;
    QTest::newRow("record cut in its command")
        << QStringList{"--fault", "cut-record", "--fault-after", "7", "--fault-count", "1"} << Key(2, 6) << false;
    QTest::newRow("record sent twice, another never")
        << QStringList{"--fault", "duplicate", "--fault-after", "35", "--fault-count", "1"} << Key(6, 5) << true;
}

void TestDeviceLink::damagedLoads()
{
    QFETCH(QStringList, faults);
    QFETCH(Key, lost);
    QFETCH(bool, repeated);
    Rig rig;
    fillProgram(rig.data);
    const QMap<Key, QByteArray> program = deviceView(rig.data);
    QVERIFY(rig.sim.setStoredRecords(program.values()));
    QVERIFY(rig.start(faults));
    rig.link.setTimeout(300);
    rig.data.resetDataObject();
    const QMap<Key, QByteArray> empty = deviceView(rig.data);

    const ProgramTransfer::Result result = rig.transfer.load();
    QCOMPARE(result.records, 35);
    QCOMPARE(result.missing, QStringList{DeviceRecordStream::recordName(lost.first, lost.second)});
    // Everything else arrived unharmed; the lost record kept what it had.
    QMap<Key, QByteArray> expected = program;
    expected[lost] = empty.value(lost);
    QCOMPARE(deviceView(rig.data), expected);

    // Every record that came whole was acknowledged as the device expects it.
    QList<Key> acknowledged = deviceOrder();
    const qsizetype at = acknowledged.indexOf(lost);
    if (repeated) {
        acknowledged[at] = acknowledged.at(at - 1);
    } else {
        acknowledged.remove(at);
    }
    QVERIFY(rig.sim.waitForLogLine("ack 6 4"));
    QCOMPARE(loggedKeys(rig.sim.logLines(), "ack"), acknowledged);
    QVERIFY(!rig.sim.logLines().join('\n').contains("no-ack"));
}

void TestDeviceLink::deviceVanishes_data()
{
    QTest::addColumn<int>("after"); // frames and load records before it goes
    QTest::addColumn<bool>("load");

    QTest::newRow("mid-store") << 12 << false;
    QTest::newRow("mid-load") << 12 << true;
}

void TestDeviceLink::deviceVanishes()
{
    QFETCH(int, after);
    QFETCH(bool, load);
    Rig rig;
    QVERIFY(rig.start({"--fault", "vanish", "--fault-after", QString::number(after)}));
    QVERIFY(rig.transfer.handshake().ok);
    QElapsedTimer timer;
    timer.start();
    const ProgramTransfer::Result result = load ? rig.transfer.load() : rig.transfer.store();
    QVERIFY(!result.ok);
    QVERIFY(result.portFailed);
    QVERIFY(!result.cancelled);
    QVERIFY2(result.error.contains("connection to the device was lost"), qPrintable(result.error));
    // What happened in the user's words; the system's text, which differs with
    // the way the line went, only in parentheses after it.
    const QRegularExpression said(
        QRegularExpression::escape("The device on " + rig.sim.portName() + " was disconnected or stopped answering")
        + " \\([^()]+\\)\\.");
    QVERIFY2(said.match(result.error).hasMatch(), qPrintable(result.error));
    QCOMPARE(rig.link.errorString(), said.match(result.error).captured(0));
    // A hang-up is not waited out like silence.
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!rig.link.isOpen());
    QVERIFY(rig.sim.waitForLogLine("fault vanish"));
    if (load) {
        QCOMPARE(result.records, 10);
        QCOMPARE(result.missing.size(), 26);
    } else {
        QVERIFY2(result.error.contains("partial program"), qPrintable(result.error));
    }
}

void TestDeviceLink::timeOuts()
{
    // A silent device: six attempts of about a second each.
    Rig silent;
    QVERIFY(silent.start({"--fault", "silent"}));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!silent.transfer.handshake().ok);
    QVERIFY2(timer.elapsed() >= 5900 && timer.elapsed() < 9000, qPrintable(QString::number(timer.elapsed())));

    // Silence after the echo of "LOAD_DATA": one time-out, then the load ends.
    Rig quiet;
    QVERIFY(quiet.start({"--records", "0"}));
    timer.start();
    const ProgramTransfer::Result result = quiet.transfer.load();
    QVERIFY(!result.ok);
    QVERIFY2(timer.elapsed() >= 950 && timer.elapsed() < 2500, qPrintable(QString::number(timer.elapsed())));
}

void TestDeviceLink::cancelStopsAtOnceAndSendsNothingMore_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("lastFrame"); // the last thing the device got

    QTest::newRow("handshake, silent device") << "handshake" << QStringList{"--fault", "silent"} << "frame KVR210";
    QTest::newRow("store, device falls silent")
        << "store" << QStringList{"--fault", "silent", "--fault-after", "3"} << "record 1 3";
    QTest::newRow("load, device falls silent") << "load" << QStringList{"--records", "4"} << "ack 1 3";
}

void TestDeviceLink::cancelStopsAtOnceAndSendsNothingMore()
{
    QFETCH(QString, operation);
    QFETCH(QStringList, faults);
    QFETCH(QString, lastFrame);
    Rig rig;
    QVERIFY(rig.start(faults));
    rig.link.setTimeout(5000); // longer than the test waits: only the cancel ends it
    fillProgram(rig.data);
    QElapsedTimer timer;
    int asked = 0;
    rig.transfer.setCancelCheck([&] {
        ++asked;
        return timer.elapsed() >= 1500;
    });
    timer.start();
    const ProgramTransfer::Result result = operation == "handshake" ? rig.transfer.handshake()
        : operation == "store"                                      ? rig.transfer.store()
                                                                    : rig.transfer.load();
    const qint64 elapsed = timer.elapsed();
    QVERIFY(!result.ok);
    QVERIFY(result.cancelled);
    QVERIFY2(elapsed >= 1500 && elapsed < 1800, qPrintable(QString::number(elapsed)));
    QVERIFY(asked >= 20); // asked while waiting, not only between records
    QVERIFY(rig.link.isOpen());
    if (operation == "store") {
        QVERIFY2(result.error.contains("partial program"), qPrintable(result.error));
    }
    if (operation == "load") {
        // The four records came in the first moments; the device then waited in vain.
        QCOMPARE(loggedKeys(rig.sim.logLines(), "ack").size(), 4);
    }

    // Nothing goes out after the cancel: the next operation, which starts afresh, comes
    // straight after the last frame.
    rig.transfer.setCancelCheck({});
    rig.transfer.setAttempts(1);
    rig.link.setTimeout(300);
    QCOMPARE(rig.transfer.sayGoodbye().ok, operation == "load");
    QVERIFY(rig.sim.waitForLogLine("ISPOK!"));
    QStringList log = rig.sim.logLines();
    log = log.mid(0, log.indexOf("ISPOK!")).filter(QRegularExpression("^(?!fault)"));
    QVERIFY2(log.last().startsWith(lastFrame), qPrintable(log.join('\n')));
}

void TestDeviceLink::verifyComparesWithoutTouchingTheRecords()
{
    Rig rig;
    QVERIFY(rig.start());
    fillProgram(rig.data);
    QCOMPARE(rig.transfer.store().done, QString("36 records stored"));

    ProgramRecords here;
    here.newData(6, 5);
    fillProgram(here);
    const QMap<Key, QByteArray> untouched = deviceView(here);
    rig.data.resetDataObject(); // the transfer's own records play no part
    QList<ConfigComparison::Difference> differences;
    ProgramTransfer::Result result = rig.transfer.verify(here, &differences);
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(differences.isEmpty());
    QCOMPARE(deviceView(here), untouched);
    QCOMPARE(rig.data.getDataObject(4, 3)->getCommand(), QString());

    // The device changes a command and a delay behind our back.
    rig.sim.stop();
    QVERIFY(rig.start({"--alter", "3,2"}));
    rig.data.getDataObject(4, 3)->setCommand("AA");
    here.getDataObject(2, 2)->setDelayTime(3);
    result = rig.transfer.verify(here, &differences);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(differences.size(), 2);
    const QString text = ProgramTransfer::describeDifferences(differences);
    QCOMPARE(text,
             QString("Key 2, link 13: delay 94 on the device, 3 here\n"
                     "Key 3, link 13: command 03020D0A53455452 on the device, 03020D0A53455453 here"));
    QCOMPARE(rig.data.getDataObject(4, 3)->getCommand(), QString("AA"));

    // A long list is cut at ten, with a count of the rest.
    here.resetDataObject();
    result = rig.transfer.verify(here, &differences);
    QVERIFY(result.ok);
    QVERIFY(differences.size() > 30);
    const QStringList lines = ProgramTransfer::describeDifferences(differences).split('\n');
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.last(), QString("... and %1 more.").arg(differences.size() - 10));

    // A load that misses records says so rather than comparing.
    rig.sim.stop();
    QVERIFY(rig.start({"--records", "30"}));
    rig.link.setTimeout(300);
    result = rig.transfer.verify(here, &differences);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains("Key 6, link 16"), qPrintable(result.error));
}

void TestDeviceLink::transfersOnTheirOwnThreads()
{
    // One transfer per port, each on a thread of its own with its own link, as
    // the command-line companion runs them; one of them is cancelled from here.
    SimulatorProcess good;
    SimulatorProcess silent;
    QVERIFY(good.start());
    QVERIFY(silent.start({"--fault", "silent"}));
    const QString goodPort = good.portName();
    const QString silentPort = silent.portName();

    bool shook = false;
    bool stored = false;
    int loaded = 0;
    QMap<Key, QByteArray> sent;
    QMap<Key, QByteArray> back;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        SerialLink link;
        ProgramRecords data;
        data.newData(6, 5);
        fillProgram(data);
        sent = deviceView(data);
        ProgramTransfer transfer(&data, &link);
        if (link.open(goodPort) && (shook = transfer.handshake().ok)) {
            stored = transfer.store().ok;
            data.resetDataObject();
            loaded = transfer.load().records;
            back = deviceView(data);
        }
    }));

    std::atomic<bool> stop{false};
    bool cancelled = false;
    bool answered = true;
    QElapsedTimer sinceStop;
    std::unique_ptr<QThread> waiting(QThread::create([&] {
        SerialLink link;
        ProgramRecords data;
        data.newData(6, 5);
        ProgramTransfer transfer(&data, &link);
        transfer.setCancelCheck([&stop] { return stop.load(); });
        if (link.open(silentPort)) {
            const ProgramTransfer::Result result = transfer.handshake();
            answered = result.ok;
            cancelled = result.cancelled;
        }
    }));
    worker->start();
    waiting->start();
    QVERIFY(silent.waitForLogLine("frame KVR210", 5000));
    sinceStop.start();
    stop = true;
    QVERIFY(waiting->wait(5000));
    const qint64 afterStop = sinceStop.elapsed();
    QVERIFY(worker->wait(20000));

    QVERIFY(shook);
    QVERIFY(stored);
    QCOMPARE(loaded, 36);
    QCOMPARE(back, sent);
    QVERIFY(!answered);
    QVERIFY(cancelled);
    QVERIFY2(afterStop < 500, qPrintable(QString::number(afterStop)));
}

void TestDeviceLink::cancelCheckThatRunsTheEventLoop()
{
    // The window's cancel check lets the event loop run, and the port then
    // takes in what has come before the link looks: bytes already in must
    // count as arrived, or each record waits out the time-out.
    Rig rig;
    QVERIFY(rig.start());
    fillProgram(rig.data);
    const QMap<Key, QByteArray> program = deviceView(rig.data);
    rig.transfer.setCancelCheck([&rig] {
        rig.link.port()->waitForReadyRead(3);
        QCoreApplication::processEvents();
        return false;
    });
    QElapsedTimer timer;
    timer.start();
    QVERIFY(rig.transfer.handshake().ok);
    QVERIFY(rig.transfer.store().ok);
    rig.data.resetDataObject();
    const ProgramTransfer::Result result = rig.transfer.load();
    QVERIFY2(result.ok && result.missing.isEmpty(), qPrintable(result.missing.join("; ")));
    QCOMPARE(deviceView(rig.data), program);
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
}

void TestDeviceLink::cancelAsARecordCompletesLeavesItUnacknowledged()
{
    Rig rig;
    fillProgram(rig.data);
    QVERIFY(rig.sim.setStoredRecords(deviceView(rig.data).values()));
    QVERIFY(rig.start());
    rig.data.resetDataObject();
    // Says yes once the fourth record (key 1, link 3) is whole and in place,
    // which is before its acknowledgement is due to go out.
    const QString before = rig.data.getDataObject(1, 3)->getCommand();
    rig.transfer.setCancelCheck([&] { return rig.data.getDataObject(1, 3)->getCommand() != before; });
    const ProgramTransfer::Result result = rig.transfer.load();
    QVERIFY(!result.ok);
    QVERIFY(result.cancelled);
    QCOMPARE(result.records, 4);

    // The device waits in vain for that acknowledgement, and nothing at all
    // follows from here while it goes on.
    // A farewell sent now comes straight after the load request.
    QVERIFY(rig.sim.waitForLogLine("no-ack 1 3", 5000));
    rig.link.write(SerialFrame::frame("ISPOK!"));
    QVERIFY(rig.sim.waitForLogLine("ISPOK!", 5000));
    const QStringList log = rig.sim.logLines();
    QCOMPARE(loggedKeys(log, "ack"), QList<Key>({{1, 1}, {1, 6}, {1, 2}}));
    QCOMPARE(log.filter(QRegularExpression("^(frame|record|ISPOK)")), QStringList({"frame LOAD_DATA", "ISPOK!"}));
}

namespace {

// A pseudo-terminal's node (/dev/pts/N): a real device node outside the
// system's list of serial ports, whose owner and mode a test may set.
struct PseudoTerminal {
    int master = -1;
    QString node;
    bool open()
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
            return false;
        }
        node = QString::fromLocal8Bit(::ptsname(master));
        return !node.isEmpty();
    }
    bool set(uid_t owner, gid_t group, mode_t mode) const
    {
        const QByteArray path = QFile::encodeName(node);
        return ::chown(path.constData(), owner, group) == 0 && ::chmod(path.constData(), mode) == 0;
    }
    ~PseudoTerminal()
    {
        if (master >= 0) {
            ::close(master);
        }
    }
};

// Runs `probe` as the user and group nobody, without root's groups, in a
// child process, and returns its text; `*ran` is false where the child could
// not become nobody.
QString asNobody(const std::function<QString()>& probe, bool* ran)
{
    *ran = false;
    int channel[2];
    if (::pipe(channel) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child < 0) {
        return {};
    }
    if (child == 0) {
        ::close(channel[0]);
        if (::setgroups(0, nullptr) != 0 || ::setegid(65534) != 0 || ::seteuid(65534) != 0) {
            ::_exit(3);
        }
        const QByteArray text = probe().toUtf8();
        const bool written = ::write(channel[1], text.constData(), size_t(text.size())) == text.size();
        ::_exit(written ? 0 : 4);
    }
    ::close(channel[1]);
    QByteArray text;
    char buffer[512];
    ssize_t got = 0;
    while ((got = ::read(channel[0], buffer, sizeof buffer)) > 0) {
        text.append(buffer, int(got));
    }
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    *ran = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return QString::fromUtf8(text);
}

} // namespace

void TestDeviceLink::permissionHintNamesAGroupOfUsersOnly_data()
{
    QTest::addColumn<bool>("usersGroup"); // the node's group: dialout, else root's
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("asked"); // the hint for the node or for its bare name, or the port's open
    QTest::addColumn<QStringList>("says"); // %1: the node
    const QString members("%1 may be used by the members of the group \"dialout\"");
    // The owner's alone (as /dev/ttyS0 on many systems): joining its group
    // would not help, and the group is root's.
    QTest::newRow("owner only") << false << 0600 << "node"
                                << QStringList{"Only the owner of %1 may open it.", "udev rule", "\"dialout\""};
    // The root group may use it: still never a group to join.
    QTest::newRow("root group") << false << 0660 << "node"
                                << QStringList{"Only the administrators may open %1", "udev rule"};
    // A group of users: named, also for a node typed as a path that is in
    // no list of ports, as the port's own failure to open says it.
    QTest::newRow("users, open") << true << 0660 << "open"
                                 << QStringList{"in use or you have no permission", members,
                                                "sudo usermod -aG dialout $USER", "log in again"};
    // A name without its folder means the node under /dev, as for the port.
    QTest::newRow("users, bare name") << true << 0660 << "bare" << QStringList{members};
}

void TestDeviceLink::permissionHintNamesAGroupOfUsersOnly()
{
    QFETCH(bool, usersGroup);
    QFETCH(int, mode);
    QFETCH(QString, asked);
    QFETCH(QStringList, says);
    if (::geteuid() != 0) {
        QSKIP("giving a node another owner and group needs root");
    }
    const group* dialout = ::getgrnam("dialout");
    if (!dialout) {
        QSKIP("this system has no group dialout");
    }
    PseudoTerminal pty;
    QVERIFY(pty.open());
    const QString node = pty.node;
    QVERIFY(node.startsWith("/dev/"));
    QVERIFY(SerialLink::permissionHint(node + "-missing").isEmpty());
    // Whoever may open it is told it is in use instead.
    QVERIFY2(SerialLink::permissionHint(node).contains("another program"),
             qPrintable(SerialLink::permissionHint(node)));

    QVERIFY(pty.set(0, usersGroup ? dialout->gr_gid : 0, mode_t(mode)));
    bool ran = false;
    const QString said = asNobody(
        [node, asked] {
            SerialLink link;
            if (asked == "open") {
                return link.open(node) ? QStringLiteral("opened") : link.errorString();
            }
            return SerialLink::permissionHint(asked == "bare" ? node.mid(5) : node);
        },
        &ran);
    if (!ran) {
        QSKIP("the test cannot act as the user nobody here");
    }
    for (const QString& part : says) {
        QVERIFY2(said.contains(part.arg(node)), qPrintable(said));
    }
    // Never a group to join that would not help.
    QVERIFY2(said.contains("usermod") == usersGroup && !said.contains("\"root\""), qPrintable(said));
}

void TestDeviceLink::onePortOneOpener_data()
{
    QTest::addColumn<QString>("holderName");
    QTest::addColumn<QString>("otherName");
    QTest::addColumn<bool>("trial"); // the other opener: a trial, or a link

    // Root passes the terminal's own exclusive mode, and the port's lock file
    // goes by the name: the links are the ones that got through.
    QTest::newRow("the same name") << "NODE"
                                   << "NODE" << false;
    QTest::newRow("a symbolic link") << "NODE"
                                     << "LINK" << false;
    QTest::newRow("held through a link to a link") << "LINK2"
                                                   << "NODE" << false;
    QTest::newRow("a trial through a link") << "NODE"
                                            << "LINK" << true;
}

void TestDeviceLink::onePortOneOpener()
{
    QFETCH(QString, holderName);
    QFETCH(QString, otherName);
    QFETCH(bool, trial);

    PtyPeer line(PtyPeer::Mode::Silent);
    QVERIFY(line.open());
    QTemporaryDir dir;
    const QString link = dir.filePath("by-id-adapter");
    const QString link2 = dir.filePath("station-slot");
    QVERIFY(QFile::link(line.portName(), link) && QFile::link(link, link2));
    const auto name = [&](const QString& which) {
        return which == "NODE" ? line.portName() : which == "LINK" ? link : link2;
    };

    SerialLink holder;
    QVERIFY2(holder.open(name(holderName)), qPrintable(holder.errorString()));
    QString refusal;
    if (trial) {
        CommandTrial::Request request;
        request.port = name(otherName);
        request.bytes = "?";
        const CommandTrial::Result result = CommandTrial::run(request);
        QCOMPARE(result.outcome, CommandTrial::Outcome::NotOpened);
        refusal = result.describe();
    } else {
        SerialLink other;
        QVERIFY(!other.open(name(otherName)));
        refusal = other.errorString();
    }
    // Named as the system knows the holder.
    const QString pid = QString::number(QCoreApplication::applicationPid());
    QVERIFY2(refusal.contains("is in use by") && refusal.contains("(process " + pid), qPrintable(refusal));
    QVERIFY(holder.isOpen());
    QCOMPARE(holder.write("A"), qint64(1));
    QTRY_COMPARE(line.received(), QByteArray("A"));

    // Free once the holder has let go.
    holder.close();
    SerialLink other;
    QVERIFY2(other.open(name(otherName)), qPrintable(other.errorString()));
}

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "tst_devicelink.moc"
