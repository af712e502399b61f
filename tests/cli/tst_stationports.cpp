// Slots pinned to adapters: a --port that names an adapter by its serial
// number, USB place or ids, the station file that names the slots, and runs
// of the companion on a faked port list whose nodes are links to simulators.
#include "appdata.h"
#include "cliprocess.h"
#include "portlisting.h"
#include "portselector.h"
#include "simulatorprocess.h"
#include "stationfile.h"
#include "testfiles.h"

#include <QtTest>

namespace {

const QString ListVariable = QString::fromLatin1(PortListing::ListVariable);

ListedPort listed(const QString& node, const QString& serial, const QString& place, int vendor, int product)
{
    ListedPort port;
    port.node = node;
    port.serialNumber = serial;
    port.usbLocation = place;
    port.vendorId = vendor;
    port.productId = product;
    return port;
}

QString slotsJson(const QList<QPair<QString, QString>>& stationSlots)
{
    QStringList entries;
    for (const auto& slot : stationSlots) {
        entries << QStringLiteral("{\"name\": \"%1\", \"port\": \"%2\"}").arg(slot.first, slot.second);
    }
    return QStringLiteral("{\"slots\": [%1]}").arg(entries.join(", "));
}

} // namespace

class TestStationPorts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void selectorsResolve_data();
    void selectorsResolve();
    void usbPlaceFromSysfs_data();
    void usbPlaceFromSysfs();
    void stationFileRefusals_data();
    void stationFileRefusals();
    void eachSlotByItsAdapter_data();
    void eachSlotByItsAdapter();
    void aSlotWithoutItsOwnPortSendsNothing_data();
    void aSlotWithoutItsOwnPortSendsNothing();
    void portsShowsSelectorsAndSlots();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    bool startDevices();
    CliRun cli(const QStringList& arguments) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SimulatorProcess> m_a, m_b;
};

void TestStationPorts::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// Two simulators behind links slotA and slotB, listed as two adapters of one kind.
bool TestStationPorts::startDevices()
{
    m_a = std::make_unique<SimulatorProcess>();
    m_b = std::make_unique<SimulatorProcess>();
    if (!m_a->start() || !m_b->start() || !QFile::link(m_a->portName(), path("slotA"))
        || !QFile::link(m_b->portName(), path("slotB"))) {
        return false;
    }
    ProgramRecords data;
    data.newData(6, 5);
    return writeFile(path("program.app"), data.configFileBytes())
        && writeFile(path("list.json"),
                     QStringLiteral("[{\"port\": \"%1\", \"description\": \"FT232R USB UART\", \"serial_number\": "
                                    "\"FT1\", \"location\": \"1-1.4\", \"vendor_id\": \"0403\", \"product_id\": "
                                    "\"6001\"},\n {\"port\": \"%2\", \"serial_number\": \"FT2\", \"location\": "
                                    "\"1-1.5\", \"vendor_id\": \"0403\", \"product_id\": \"6001\"}]")
                         .arg(path("slotA"), path("slotB"))
                         .toUtf8());
}

CliRun TestStationPorts::cli(const QStringList& arguments) const
{
    return runCli(QStringLiteral(KVR_CLI_PATH), arguments, 60000, {}, {}, {ListVariable + '=' + path("list.json")});
}

void TestStationPorts::selectorsResolve_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("node"); // empty: refused
    QTest::addColumn<QString>("error");
    QTest::newRow("a name is itself") << "ttyUSB7"
                                      << "ttyUSB7"
                                      << "";
    QTest::newRow("a path with =") << "/tmp/a=b"
                                   << "/tmp/a=b"
                                   << "";
    QTest::newRow("other prefix is a name") << "serialx=1"
                                            << "serialx=1"
                                            << "";
    QTest::newRow("serial") << "serial=FT1"
                            << "/dev/ttyUSB0"
                            << "";
    QTest::newRow("location") << "location=1-1.5"
                              << "/dev/ttyUSB1"
                              << "";
    QTest::newRow("usb ids any case") << "usb=0403:6015"
                                      << "/dev/ttyACM0"
                                      << "";
    QTest::newRow("short hex ids") << "usb=403:6015"
                                   << "/dev/ttyACM0"
                                   << "";
    QTest::newRow("no such serial") << "serial=FT9"
                                    << ""
                                    << "no port has the serial number FT9";
    QTest::newRow("ids of two") << "usb=0403:6001"
                                << ""
                                << "2 ports have the USB ids 0403:6001: /dev/ttyUSB0, /dev/ttyUSB1";
    QTest::newRow("empty") << ""
                           << ""
                           << "an empty port name";
    QTest::newRow("empty serial") << "serial="
                                  << ""
                                  << "names no adapter";
    QTest::newRow("one id") << "usb=0403"
                            << ""
                            << "vendor:product in hex";
    QTest::newRow("ids not hex") << "usb=04g3:6001"
                                 << ""
                                 << "vendor:product in hex";
    QTest::newRow("control character") << "location=1-1\n"
                                       << ""
                                       << "control characters";
}

void TestStationPorts::selectorsResolve()
{
    QFETCH(QString, text);
    QFETCH(QString, node);
    QFETCH(QString, error);
    const QList<ListedPort> ports{listed("/dev/ttyUSB0", "FT1", "1-1.4", 0x403, 0x6001),
                                  listed("/dev/ttyUSB1", "FT2", "1-1.5", 0x403, 0x6001),
                                  listed("/dev/ttyACM0", "", "", 0x403, 0x6015), listed("/dev/ttyS0", "", "", -1, -1)};
    PortSelector selector;
    QString found;
    QString why;
    const bool ok = PortSelector::parse(text, &selector, &why) && selector.resolve(ports, &found, &why);
    QVERIFY2(ok == !node.isEmpty(), qPrintable(why));
    QCOMPARE(found, node);
    QVERIFY2(why.contains(error), qPrintable(why));
}

void TestStationPorts::usbPlaceFromSysfs_data()
{
    QTest::addColumn<QString>("tty");
    QTest::addColumn<QString>("device"); // under devices/
    QTest::addColumn<QString>("place");
    QTest::newRow("usb serial") << "ttyUSB0"
                                << "pci0000:00/0000:00:14.0/usb1/1-1/1-1.4/1-1.4:1.0/ttyUSB0"
                                << "1-1.4";
    QTest::newRow("usb modem") << "ttyACM0"
                               << "pci0000:00/0000:00:14.0/usb3/3-2/3-2:1.2"
                               << "3-2";
    QTest::newRow("not usb") << "ttyS0"
                             << "pnp0/00:04"
                             << "";
}

void TestStationPorts::usbPlaceFromSysfs()
{
    QFETCH(QString, tty);
    QFETCH(QString, device);
    QFETCH(QString, place);
    const QString root = path("sys");
    QVERIFY(QDir().mkpath(root + "/devices/" + device) && QDir().mkpath(root + "/class/tty/" + tty));
    QVERIFY(QFile::link(root + "/devices/" + device, root + "/class/tty/" + tty + "/device"));
    QCOMPARE(PortListing::usbLocation(tty, root), place);
}

void TestStationPorts::stationFileRefusals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");
    const QByteArray slot = R"({"name": "A1", "port": "ttyUSB0"})";
    QTest::newRow("not JSON") << QByteArray("{\"slots\": [") << "not valid JSON";
    QTest::newRow("repeated key") << QByteArray(R"({"slots": [{"name": "A1", "name": "A2", "port": "x"}]})")
                                  << "slots[0].name: appears more than once";
    QTest::newRow("unknown key") << QByteArray(R"({"slots": [)" + slot + R"(, {"name": "A2", "prot": "x"}]})")
                                 << "slots[1].prot: unknown field";
    QTest::newRow("no slots") << QByteArray(R"({"slots": []})") << "slots: expected a list of 1 to 64";
    QTest::newRow("too many") << QByteArray(R"({"slots": [)" + QByteArray(R"({"name": "A", "port": "p"},)").repeated(64)
                                            + slot + "]}")
                              << "slots: expected a list of 1 to 64";
    QTest::newRow("port missing") << QByteArray(R"({"slots": [{"name": "A1"}]})") << "slots[0].port: expected text";
    QTest::newRow("empty name") << QByteArray(R"({"slots": [{"name": " ", "port": "x"}]})")
                                << "slots[0].name: a slot needs a name";
    QTest::newRow("long name") << QByteArray(R"({"slots": [{"name": ")" + QByteArray(33, 'n') + R"(", "port": "x"}]})")
                               << "slots[0].name: longer than 32";
    QTest::newRow("control in name") << QByteArray(R"({"slots": [{"name": "A\u0007", "port": "x"}]})")
                                     << "slots[0].name: has control characters";
    QTest::newRow("name twice") << QByteArray(R"({"slots": [)" + slot + R"(, {"name": "A1", "port": "y"}]})")
                                << "slots[1].name: the slot A1 is named twice";
    QTest::newRow("port twice") << QByteArray(R"({"slots": [)" + slot + R"(, {"name": "A2", "port": "ttyUSB0"}]})")
                                << "slots[1].port: ttyUSB0 is already the port of A1";
    QTest::newRow("bad selector") << QByteArray(R"({"slots": [{"name": "A1", "port": "usb=zz"}]})")
                                  << "slots[0].port: \"usb=zz\": give the USB ids";
}

void TestStationPorts::stationFileRefusals()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    QVERIFY(writeFile(path("station.json"), text));
    QList<StationSlot> stationSlots;
    QString why;
    QVERIFY(!StationFile::read(path("station.json"), &stationSlots, &why));
    QVERIFY2(why.startsWith("the station file " + path("station.json") + ": " + error), qPrintable(why));
    QVERIFY(stationSlots.isEmpty());
}

void TestStationPorts::eachSlotByItsAdapter_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("result");
    QTest::newRow("store") << "store"
                           << "stored";
    QTest::newRow("verify") << "verify"
                            << "verified";
}

void TestStationPorts::eachSlotByItsAdapter()
{
    QFETCH(QString, command);
    QFETCH(QString, result);
    QVERIFY(startDevices());
    if (command == "verify") {
        const CliRun stored = cli({"store", path("program.app"), "--port", path("slotA") + "," + path("slotB")});
        QVERIFY2(stored.exitCode == 0, qPrintable(stored.err));
    }
    QVERIFY(writeFile(path("station.json"), slotsJson({{"A1", "serial=FT1"}, {"B22", "location=1-1.5"}}).toUtf8()));
    const CliRun run = cli({command, path("program.app"), "--station", path("station.json")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(m_a->storedRecords().size(), 36);
    QCOMPARE(m_b->storedRecords().size(), 36);
    QVERIFY2(run.err.contains(QStringLiteral("A1 (%1): ").arg(path("slotA"))), qPrintable(run.err));
    // Slots and ports aligned.
    QCOMPARE(QString::fromUtf8(run.out),
             QStringLiteral("A1  %1  %3\nB22 %2  %3\n").arg(path("slotA"), path("slotB"), result));
}

void TestStationPorts::aSlotWithoutItsOwnPortSendsNothing_data()
{
    QTest::addColumn<QString>("station");
    QTest::addColumn<QString>("command"); // store, shift or ports
    QTest::addColumn<QString>("error"); // %1: slotA, %2: the folder
    // A1 always has its port: without the check first, its device would be programmed.
    const QString missing = slotsJson({{"A1", "serial=FT1"}, {"A2", "serial=FT9"}});
    const QString ambiguous = slotsJson({{"A1", "serial=FT1"}, {"A2", "usb=0403:6001"}});
    const QString shared = slotsJson({{"A1", "serial=FT1"}, {"A2", "location=1-1.4"}});
    const QString linkAndTarget = slotsJson({{"A1", "serial=FT1"}, {"A2", "%3"}});
    const QString noPath = slotsJson({{"A1", "serial=FT1"}, {"A2", "%2/nowhere"}});
    QTest::newRow("missing adapter") << missing << "store"
                                     << "A2 (serial=FT9): no port has the serial number FT9";
    QTest::newRow("ambiguous ids") << ambiguous << "store"
                                   << "A2 (usb=0403:6001): 2 ports have the USB ids 0403:6001";
    QTest::newRow("one port for two") << shared << "store"
                                      << "A2 (location=1-1.4): %1 is also the port of A1";
    QTest::newRow("one port for two, shift") << shared << "shift"
                                             << "A2 (location=1-1.4): %1 is also the port of A1";
    QTest::newRow("one port for two, listed") << shared << "ports"
                                              << "A2 (location=1-1.4): %1 is also the port of A1";
    QTest::newRow("a link and its target") << linkAndTarget << "store"
                                           << "A2 (%3): %3 is also the port of A1";
    QTest::newRow("a link and its target, shift") << linkAndTarget << "shift"
                                                  << "is also the port of A1";
    QTest::newRow("no such path") << noPath << "store"
                                  << "A2 (%2/nowhere): %2/nowhere does not exist";
    QTest::newRow("no such path, listed") << noPath << "ports"
                                          << "A2\t%2/nowhere\tmissing: %2/nowhere does not exist";
}

void TestStationPorts::aSlotWithoutItsOwnPortSendsNothing()
{
    QFETCH(QString, station);
    QFETCH(QString, command);
    QFETCH(QString, error);
    QVERIFY(startDevices());
    const auto place = [this](QString text) {
        return text.replace("%1", path("slotA")).replace("%2", m_dir->path()).replace("%3", m_a->portName());
    };
    QVERIFY(writeFile(path("station.json"), place(station).toUtf8()));
    const QStringList arguments = command == "ports"
        ? QStringList{"ports", "--station", path("station.json")}
        : QStringList{"store", path("program.app"), "--station", path("station.json")}
            + (command == "shift" ? QStringList{"--watch"} : QStringList());
    // A shift that began would run until stopped.
    const CliRun run = runCli(QStringLiteral(KVR_CLI_PATH), arguments, 15000, {}, {},
                              {ListVariable + '=' + path("list.json")});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2((run.err + run.out).contains(place(error)), qPrintable(run.err + run.out));
    QCOMPARE(run.err.contains("nothing was sent"), command != "ports");
    QCOMPARE(run.out.isEmpty(), command != "ports");
    QCOMPARE(m_a->receivedFrames(), QList<QByteArray>());
    QCOMPARE(m_b->receivedFrames(), QList<QByteArray>());
}

void TestStationPorts::portsShowsSelectorsAndSlots()
{
    QVERIFY(startDevices());
    const CliRun listing = cli({"ports"});
    QCOMPARE(listing.exitCode, 0);
    QCOMPARE(QString::fromUtf8(listing.out),
             QStringLiteral("%1\tFT232R USB UART\tserial=FT1 location=1-1.4 usb=0403:6001\n"
                            "%2\t(no description)\tserial=FT2 location=1-1.5 usb=0403:6001\n")
                 .arg(path("slotA"), path("slotB")));

    QVERIFY(writeFile(path("station.json"), slotsJson({{"A1", "serial=FT1"}, {"A2", "serial=FT9"}}).toUtf8()));
    const CliRun stations = cli({"ports", "--station", path("station.json")});
    QCOMPARE(stations.exitCode, 2);
    QCOMPARE(QString::fromUtf8(stations.out),
             QStringLiteral("A1\tserial=FT1\t%1\nA2\tserial=FT9\tmissing: no port has the serial number FT9\n")
                 .arg(path("slotA")));
    QVERIFY(writeFile(path("station.json"), slotsJson({{"B", "location=1-1.5"}}).toUtf8()));
    QCOMPARE(cli({"ports", "--station", path("station.json")}).exitCode, 0);

    // A broken list is said, naming the file, never taken as no ports.
    QVERIFY(writeFile(path("list.json"), "[{\"port\": 3}]"));
    const CliRun broken = cli({"ports"});
    QCOMPARE(broken.exitCode, 1);
    QVERIFY2(broken.err.contains(path("list.json") + ": entry 0: \"port\" is not text"), qPrintable(broken.err));
}

QTEST_GUILESS_MAIN(TestStationPorts)
#include "tst_stationports.moc"
