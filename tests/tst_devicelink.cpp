// The device link end to end: a real serial port on a pseudo-terminal with
// the device simulator on the other end.
#include "appdata.h"
#include "programtransfer.h"
#include "seriallink.h"
#include "simulatorprocess.h"

#include <QtTest>

namespace {

using Key = SimulatorProcess::Key;

// The 36 device records in the order the device keeps and sends them.
QList<Key> deviceOrder()
{
    QList<Key> order;
    for (int x = 1; x <= 6; ++x) {
        for (int y : {1, 6, 2, 3, 4, 5}) {
            order.append({x, y});
        }
    }
    return order;
}

// Every device field of every record different from its neighbours and from
// the defaults.
void fillProgram(AppDataManager& data)
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
QMap<Key, QByteArray> deviceView(const AppDataManager& data)
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
    AppDataManager data{nullptr, nullptr};
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
};

void TestDeviceLink::handshakeAndFarewell()
{
    Rig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.transfer.handshake());
    QVERIFY(rig.transfer.errorString().isEmpty());
    QVERIFY(rig.transfer.sayGoodbye());
    QCOMPARE(rig.sim.logLines(), QStringList({"frame KVR210", "ISPOK!"}));
}

void TestDeviceLink::silentDeviceFailsTheHandshake()
{
    // The real attempt count and time-out.
    Rig rig;
    QVERIFY(rig.start({"--fault", "silent"}));
    QCOMPARE(rig.link.timeout(), 1000);
    QCOMPARE(rig.transfer.attempts(), 6);
    QVERIFY(!rig.transfer.handshake());
    QVERIFY2(rig.transfer.errorString().contains("did not answer"), qPrintable(rig.transfer.errorString()));
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

    QCOMPARE(rig.progress.size(), 30);
    for (int i = 0; i < 30; ++i) {
        QCOMPARE(rig.progress.at(i), qMakePair(i + 1, 30));
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
    QVERIFY(rig.transfer.sayGoodbye());
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
    QTest::addColumn<bool>("load");   // the faults hit the load rather than the store
    QTest::addColumn<int>("checksumErrors");
    QTest::addColumn<QString>("failure");   // empty: the transfer succeeds
    QTest::addColumn<int>("records");

    QTest::newRow("silent twice, real time-out")
        << QStringList{"--fault", "silent", "--fault-after", "4", "--fault-count", "2"} << 1000 << false << 0
        << QString() << 36;
    QTest::newRow("five corrupted echoes")
        << QStringList{"--fault", "corrupt-echo", "--fault-after", "3", "--fault-count", "5"} << 300 << false << 5
        << QString() << 36;
    QTest::newRow("echoes corrupted for good")
        << QStringList{"--fault", "corrupt-echo", "--fault-after", "8"} << 300 << false << 6
        << QString("Key 2, link 2") << 8;
    QTest::newRow("second layer never confirmed")
        << QStringList{"--fault", "silent", "--fault-after", "13"} << 100 << false << 0
        << QString("Key 3, second layer") << 13;
    QTest::newRow("short echo")
        << QStringList{"--fault", "short-echo", "--fault-after", "7", "--fault-count", "1"} << 300 << false << 1
        << QString() << 36;
    QTest::newRow("dropped frame")
        << QStringList{"--fault", "drop-frame", "--fault-after", "10", "--fault-count", "1"} << 300 << false << 0
        << QString() << 36;
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
    rig.data.getDataObject(6, 5)->setCommand(QByteArray(247, 'z').toHex());   // just fits
    QCOMPARE(rig.transfer.oversizedRecords(), QStringList({"Key 3, link 4", "Key 5, second layer"}));

    const ProgramTransfer::Result result = rig.transfer.store();
    QVERIFY(!result.ok);
    QCOMPARE(result.records, 0);
    QVERIFY2(result.error.contains("Key 3, link 4") && result.error.contains("Key 5, second layer"),
             qPrintable(result.error));
    QVERIFY(rig.progress.isEmpty());
    QVERIFY(rig.transfer.handshake());   // the line is alive, and this is the first thing on it
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

    AppDataManager data(nullptr, nullptr);
    data.newData(6, 5);
    ProgramTransfer closed(&data, &link);
    QVERIFY(!closed.handshake());
    QVERIFY(!closed.errorString().isEmpty());
    QVERIFY(!closed.load().ok);

    // The device goes away in the middle of a session: failures, not a crash.
    Rig rig;
    QVERIFY(rig.start());
    rig.link.setTimeout(200);
    QVERIFY(rig.transfer.handshake());
    rig.sim.stop();
    QVERIFY(!rig.transfer.handshake());
    QVERIFY(!rig.transfer.errorString().isEmpty());
    const ProgramTransfer::Result result = rig.transfer.store();
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains("Key 1"), qPrintable(result.error));
}

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "tst_devicelink.moc"
