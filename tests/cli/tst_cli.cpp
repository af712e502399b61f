// kvr210c-cli run as a process: configuration files to JSON and back, the
// readable listing, the command line, and the transfer against the device
// simulator.
#include "appdata.h"
#include "cliprocess.h"
#include "linktracefile.h"
#include "simulatorprocess.h"
#include "testfiles.h"
#include "testrecords.h"

#include <QtTest>

#include <unistd.h>

namespace {

using Run = CliRun;

Run cli(const QStringList& arguments, const QByteArray& input = {}, int timeoutMs = 30000)
{
    return runCli(QStringLiteral(KVR_CLI_PATH), arguments, timeoutMs, {}, input);
}

QByteArray saved(ProgramRecords& data)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!data.saveConfigFile(&buffer)) {
        qWarning("saveConfigFile failed");
    }
    return buffer.data();
}

// Every field of every record different from its neighbours and from the
// defaults, within what the device takes (line settings, delays 0 to 255,
// commands of up to 247 bytes).
void fillDeviceProgram(ProgramRecords& data)
{
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            LinkData* record = data.getDataObject(x, y);
            const UartData settings = uart((x + y) % 8, (x * y) % 5, (x + 2 * y) % 4, (x + y) % 2);
            record->setUartData(&settings);
            record->setDelayTime((x * 40 + y * 7) % 256);
            record->setCommand(QString("%1%2 0D0A").arg(x, 2, 10, QChar('0')).arg(y, 2, 10, QChar('0')).remove(' '));
            if (y > 1) {
                // A key's own record carries the key's name in the file instead.
                record->setLinkName(QString("Link %1.%2").arg(x).arg(y));
            }
        }
        ButtonData* key = data.getButtonData(x);
        key->setButtonName(QString("Key n\u00B0%1").arg(x));
        key->setSecondLayerEnable(x % 2 == 0);
        const UartData second = uart((x + 3) % 8, (x + 1) % 5, x % 4, (x + 1) % 2);
        key->setSecondLayerUartData(&second);
        key->setSecondLayerDelayTime(250 - x);
        key->setSecondLayerCommand(QByteArray(x * 20, char('A' + x)).toHex().toUpper());
    }
    // One command as long as a device record takes.
    data.getDataObject(3, 4)->setCommand(QByteArray(MaxDeviceCommandBytes, '\x7F').toHex().toUpper());
}

// Values the file holds but the editor never writes, which JSON must carry too.
void addFileOnlyValues(ProgramRecords& data)
{
    const UartData odd = uart(9, -1, 12, 7);
    data.getDataObject(2, 3)->setUartData(&odd);
    data.getButtonData(5)->setSecondLayerUartData(&odd);
    data.getDataObject(1, 5)->setDelayTime(300);
    data.getButtonData(4)->setSecondLayerDelayTime(-2);
    data.getDataObject(6, 2)->setCommand("0d 0a"); // lower case and a blank
    data.getDataObject(6, 3)->setCommand("ABC"); // odd digit count
    data.getDataObject(6, 4)->setLinkName(QString()); // empty name
    data.getButtonData(6)->setButtonName("quote \" back\\slash \u00FF");
}

// What the device keeps of each record: baud rate, parity, delay, command.
QStringList deviceFields(const ProgramRecords& data)
{
    QStringList fields;
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            fields << QString::fromLatin1(data.getDataObject(x, y)->encapsulation().toHex());
        }
        fields << QString::fromLatin1(data.getButtonData(x)->encapsulationSecondLayer().toHex());
    }
    return fields;
}

bool loadFile(const QString& path, ProgramRecords* data)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && data->loadConfigFile(&file);
}

const char* const Header = R"({"format": "kvr210c-config", "version": 1, "keys": )";

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void jsonRoundTripIsByteIdentical_data();
    void jsonRoundTripIsByteIdentical();
    void importWritesWhatTheEditorSaves();
    void importRefusesBadJson_data();
    void importRefusesBadJson();
    void importRefusesEndlessInput();
    void showPrintsOneLinePerRecord();
    void diffListsDifferingFields();
    void commandLine_data();
    void commandLine();
    void outputsNeverOverwriteInputs_data();
    void outputsNeverOverwriteInputs();
    void helpFollowsTheParserConventions();
    void storeThenLoadBringsEveryDeviceFieldBack();
    void storeRefusesOversizedCommandBeforeSending();
    void deviceFaultsFailWithAMessage_data();
    void deviceFaultsFailWithAMessage();
    void silentDeviceFailsWithinTheRetries();
    void storeToSeveralPortsAtOnce();
    void traceHoldsTheFramesEachDeviceGot();
    void verifyNamesWhatTheDeviceHoldsOtherwise();
    void verifyFailsWhenRecordsAreMissing();
    void bashCompletion();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCli::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Relative names on the command lines land here.
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void TestCli::jsonRoundTripIsByteIdentical_data()
{
    QTest::addColumn<QByteArray>("file");
    ProgramRecords fresh;
    fresh.newData(6, 5);
    QTest::newRow("fresh") << saved(fresh);

    ProgramRecords edited;
    edited.newData(6, 5);
    fillDeviceProgram(edited);
    QTest::newRow("every field edited") << saved(edited);

    addFileOnlyValues(edited);
    QTest::newRow("values only the file holds") << saved(edited);
}

void TestCli::jsonRoundTripIsByteIdentical()
{
    QFETCH(QByteArray, file);
    QVERIFY(writeFile(path("in.app"), file));

    const Run exported = cli({"export", path("in.app")});
    QVERIFY2(exported.exitCode == 0, qPrintable(exported.err));
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(exported.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(json["keys"].toArray().size(), 6);
    for (const QJsonValue& key : json["keys"].toArray()) {
        QCOMPARE(key["links"].toArray().size(), 4);
    }

    QVERIFY(writeFile(path("in.json"), exported.out));
    const Run imported = cli({"import", path("in.json"), path("out.app")});
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
    QCOMPARE(readFile(path("out.app")), file);
    // The text is stable too, for version control.
    QCOMPARE(cli({"export", path("out.app")}).out, exported.out);
}

void TestCli::importWritesWhatTheEditorSaves()
{
    // Written by hand: lower-case hex, fields and whole keys and links left
    // out, keys out of order. A field swapped on both ways of the round trip
    // shows here.
    const QByteArray json = QByteArray(Header) + R"([
      {"key": 4, "name": "Caf\u00e9", "command": "0d 0A  41 ", "baudRate": 7, "parity": 2, "dataBits": 1,
       "stopBits": 1, "delay": 255,
       "secondLayer": {"enabled": true, "command": "FF", "baudRate": 0, "parity": 4, "dataBits": 0,
                       "stopBits": 1, "delay": 9},
       "links": [{"link": 5, "name": "Bell", "command": "4142", "parity": 3, "delay": {"raw": 300}},
                 {"link": 3, "dataBits": {"raw": 12}}]},
      {"key": 2, "secondLayer": {"command": " 7e20 41"}},
      {"key": 1, "command": {"raw": "0D 0A"}}
    ]})";

    ProgramRecords expected;
    expected.newData(6, 5);
    ButtonData* key = expected.getButtonData(4);
    key->setButtonName(QString("Caf\u00e9"));
    key->setCommand("0D0A41");
    UartData settings = uart(7, 2, 1, 1);
    key->setUartData(&settings);
    key->setDelayTime(255);
    key->setSecondLayerEnable(true);
    key->setSecondLayerCommand("FF");
    settings = uart(0, 4, 0, 1);
    key->setSecondLayerUartData(&settings);
    key->setSecondLayerDelayTime(9);
    LinkData* link = expected.getDataObject(4, 5);
    link->setLinkName("Bell");
    link->setCommand("4142");
    settings = uart(2, 3, 3, 0);
    link->setUartData(&settings);
    link->setDelayTime(300);
    settings = uart(2, 0, 12, 0);
    expected.getDataObject(4, 3)->setUartData(&settings);
    expected.getButtonData(1)->setCommand("0D 0A");
    expected.getButtonData(2)->setSecondLayerCommand("7E2041");

    const Run run = cli({"import", "-", path("out.app")}, json);
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(readFile(path("out.app")), saved(expected));

    // Every key left out: a new configuration.
    const Run none = cli({"import", "-", path("new.app")}, QByteArray(Header) + "[]}");
    QVERIFY2(none.exitCode == 0, qPrintable(none.err));
    ProgramRecords fresh;
    fresh.newData(6, 5);
    QCOMPARE(readFile(path("new.app")), saved(fresh));
}

void TestCli::importRefusesBadJson_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");

    auto keys = [](const char* list) { return QByteArray(Header) + list + "}"; };
    QTest::newRow("not JSON") << QByteArray("{\"format\": \"kvr210c-config\",\n \"version\": 1,,}") << "line 2, column";
    QTest::newRow("other format") << QByteArray(R"({"format": "other", "version": 1, "keys": []})") << "format: ";
    QTest::newRow("newer version") << QByteArray(R"({"format": "kvr210c-config", "version": 3, "keys": []})")
                                   << "version: ";
    // Not a new configuration by accident: most likely the wrong file.
    QTest::newRow("no keys") << QByteArray(R"({"format": "kvr210c-config", "version": 1})")
                             << "keys: missing; for a new configuration write \"keys\": []";
    QTest::newRow("keys not a list") << QByteArray(R"({"format": "kvr210c-config", "version": 1, "keys": {}})")
                                     << "keys: expected an array";
    QTest::newRow("baud rate given in baud")
        << keys(R"([{"key": 1}, {"key": 2}, {"key": 3, "links": [{"link": 2}, {"link": 3, "baudRate": 9600}]}])")
        << "keys[2].links[1].baudRate: expected an integer 0 to 7";
    QTest::newRow("fractional parity") << keys(R"([{"key": 1, "parity": 1.5}])") << "keys[0].parity: ";
    QTest::newRow("delay over a byte") << keys(R"([{"key": 1, "secondLayer": {"delay": 256}}])")
                                       << "keys[0].secondLayer.delay: ";
    QTest::newRow("raw out of 32 bits") << keys(R"([{"key": 1, "stopBits": {"raw": 4294967296}}])")
                                        << "keys[0].stopBits.raw: ";
    QTest::newRow("not a hex digit") << keys(R"([{"key": 1, "command": "0D0G"}])")
                                     << "keys[0].command: \"G\" at position 4";
    QTest::newRow("blank inside a byte") << keys(
        R"([{"key": 1}, {"key": 2, "links": [{"link": 5, "command": "0D 0 A"}]}])")
                                         << "keys[1].links[0].command: the blank at position 5 splits a byte";
    QTest::newRow("other separator") << keys(R"([{"key": 1, "command": "0D:0A"}])")
                                     << "keys[0].command: \":\" at position 3";
    QTest::newRow("tab between pairs") << keys(R"([{"key": 1, "secondLayer": {"command": "0D\t0A"}}])")
                                       << "keys[0].secondLayer.command: ";
    QTest::newRow("odd digit count") << keys(R"([{"key": 1, "command": "0D0"}])") << "keys[0].command: odd";
    QTest::newRow("misspelt field") << keys(R"([{"key": 1, "baudrate": 2}])") << "keys[0].baudrate: unknown field";
    QTest::newRow("name beyond Latin-1") << keys(R"([{"key": 2, "name": "\u20ac"}])") << "keys[0].name: ";
    QTest::newRow("zero in a name") << keys(R"([{"key": 1, "links": [{"link": 4, "name": "a\u0000b"}]}])")
                                    << "keys[0].links[0].name: ";
    QTest::newRow("enabled as text") << keys(R"([{"key": 1, "secondLayer": {"enabled": "yes"}}])")
                                     << "keys[0].secondLayer.enabled: ";
    QTest::newRow("key without number") << keys(R"([{"name": "x"}])") << "keys[0].key: missing";
    QTest::newRow("key 7") << keys(R"([{"key": 7}])") << "keys[0].key: expected an integer 1 to 6";
    QTest::newRow("key twice") << keys(R"([{"key": 2}, {"key": 2}])") << "keys[1].key: ";
    QTest::newRow("link 1") << keys(R"([{"key": 1, "links": [{"link": 1}]}])") << "keys[0].links[0].link: ";
    QTest::newRow("seven keys") << keys(R"([{"key": 1}, {"key": 2}, {"key": 3}, {"key": 4}, {"key": 5},
                                            {"key": 6}, {"key": 6}])")
                                << "keys: ";
}

void TestCli::importRefusesBadJson()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    QVERIFY(writeFile(path("bad.json"), json));

    // A new file is not made, an old one is left as it was.
    const Run fresh = cli({"import", path("bad.json"), path("new.app")});
    QCOMPARE(fresh.exitCode, 1);
    QVERIFY2(fresh.err.contains(message), qPrintable(fresh.err));
    QVERIFY(!QFile::exists(path("new.app")));

    QVERIFY(writeFile(path("old.app"), "old contents"));
    QCOMPARE(cli({"import", path("bad.json"), path("old.app")}).exitCode, 1);
    QCOMPARE(readFile(path("old.app")), QByteArray("old contents"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
}

void TestCli::importRefusesEndlessInput()
{
    // Standard input that never ends.
    QProcess process;
    process.setStandardInputFile(QStringLiteral("/dev/zero"));
    process.start(QStringLiteral(KVR_CLI_PATH), {"import", "-", path("out.app")});
    QVERIFY(process.waitForStarted(5000));
    const bool finished = process.waitForFinished(20000);
    if (!finished) {
        process.kill();
        process.waitForFinished(3000);
    }
    QVERIFY2(finished, "import kept reading an endless stream");
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(err.contains("<stdin>: ") && err.contains("larger than 4194304 bytes"), qPrintable(err));

    // A device node or a pipe given by name is not even opened: a pipe without a writer would block.
    QVERIFY(QProcess::execute("mkfifo", {path("pipe.json")}) == 0);
    for (const QString& input : {QStringLiteral("/dev/zero"), path("pipe.json")}) {
        const Run run = cli({"import", input, path("out.app")}, {}, 20000);
        QVERIFY2(run.finished, qPrintable(input));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(input + " is not a regular file"), qPrintable(run.err));
    }
    QVERIFY(!QFile::exists(path("out.app")));
}

void TestCli::showPrintsOneLinePerRecord()
{
    ProgramRecords data;
    data.newData(6, 5);
    ButtonData* key = data.getButtonData(2);
    key->setButtonName("Door");
    key->setCommand("0D0A41");
    UartData settings = uart(7, 2, 2, 1);
    key->setUartData(&settings);
    key->setDelayTime(12);
    key->setSecondLayerEnable(true);
    key->setSecondLayerCommand("7E20");
    data.getDataObject(2, 5)->setLinkName("Bell");
    data.getDataObject(2, 5)->setCommand("41");
    data.getDataObject(2, 4)->setLinkName("Two\nlines");
    QVERIFY(writeFile(path("in.app"), saved(data)));

    const Run run = cli({"show", path("in.app")});
    QCOMPARE(run.exitCode, 0);
    const QString text = QString::fromLatin1(run.out);
    // One line per record, each named, so that a diff of two texts names the record.
    const QStringList lines = text.split('\n');
    QCOMPARE(lines.size(), 36 + 1);
    QCOMPARE(lines.mid(6, 6),
             QStringList({
                 "Key 2: Door: 115200,7-E-2, delay 12 s, hex 0D 0A 41 (3 bytes), ascii \"..A\"",
                 "Key 2, second layer (enabled): 9600,8-N-1, delay 0 s, hex 7E 20 (2 bytes), ascii \"~.\"",
                 "Key 2, link 13: Empty: 9600,8-N-1, delay 0 s, no command",
                 "Key 2, link 14: Empty: 9600,8-N-1, delay 0 s, no command",
                 "Key 2, link 15: Two\\u000alines: 9600,8-N-1, delay 0 s, no command",
                 "Key 2, link 16: Bell: 9600,8-N-1, delay 0 s, hex 41 (1 byte), ascii \"A\"",
             }));
}

void TestCli::diffListsDifferingFields()
{
    ProgramRecords program;
    program.newData(6, 5);
    fillDeviceProgram(program);
    addFileOnlyValues(program);
    QVERIFY(writeFile(path("a.app"), saved(program)));
    QVERIFY(writeFile(path("same.app"), saved(program)));
    program.getDataObject(4, 2)->setLinkName("Bell");
    program.getButtonData(5)->setSecondLayerDelayTime(9);
    QVERIFY(writeFile(path("b.app"), saved(program)));

    const Run same = cli({"diff", "a.app", "same.app"});
    QCOMPARE(same.exitCode, 0);
    QCOMPARE(same.out, QByteArray());

    const Run different = cli({"diff", "a.app", "b.app"});
    QCOMPARE(different.exitCode, 1);
    QCOMPARE(different.out,
             QByteArray("Key 4, link 13: name \"Link 4.2\" -> \"Bell\"\n"
                        "Key 5, second layer: delay 245 -> 9\n"));
    QCOMPARE(cli({"diff", "b.app", "a.app"}).out,
             QByteArray("Key 4, link 13: name \"Bell\" -> \"Link 4.2\"\n"
                        "Key 5, second layer: delay 9 -> 245\n"));

    // As diff(1), a file that cannot be read is trouble, not a difference.
    QVERIFY(writeFile(path("damaged.app"), readFile(path("a.app")).left(100)));
    for (const QStringList& files : {QStringList{"a.app", "missing.app"}, QStringList{"damaged.app", "a.app"}}) {
        const Run trouble = cli(QStringList{"diff"} + files);
        QCOMPARE(trouble.exitCode, 2);
        QVERIFY(trouble.out.isEmpty());
        QVERIFY2(trouble.err.contains(files.contains("missing.app") ? "missing.app" : "damaged.app"),
                 qPrintable(trouble.err));
    }
}

void TestCli::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    const QString missing = "/nonexistent/config.app";
    QTest::newRow("no command") << QStringList() << 2 << "no command";
    QTest::newRow("unknown command") << QStringList{"erase"} << 2 << "unknown command";
    QTest::newRow("unknown option") << QStringList{"show", "--fast", "x"} << 2 << "fast";
    QTest::newRow("missing argument") << QStringList{"show"} << 2 << "show takes file";
    QTest::newRow("extra argument") << QStringList{"export", "a", "b"} << 2 << "export takes file";
    QTest::newRow("diff of one file") << QStringList{"diff", "a"} << 2 << "diff takes a b";
    QTest::newRow("store without port") << QStringList{"store", "x.app"} << 2 << "--port";
    QTest::newRow("load without output") << QStringList{"load", "--port", "p"} << 2 << "--output";
    QTest::newRow("fewer attempts than the editor")
        << QStringList{"store", "x.app", "--port", "p", "--retries", "5"} << 2 << "--retries";
    QTest::newRow("shorter time-out than the editor")
        << QStringList{"load", "-o", "x.app", "--port", "p", "--timeout", "999"} << 2 << "--timeout";
    QTest::newRow("time-out not a number")
        << QStringList{"store", "x.app", "--port", "p", "--timeout", "1s"} << 2 << "--timeout";
    QTest::newRow("no such file") << QStringList{"show", missing} << 1 << missing;
    QTest::newRow("store of no such file") << QStringList{"store", missing, "--port", "p"} << 1 << missing;
    QTest::newRow("every port and a port")
        << QStringList{"verify", "x.app", "--all", "--port", "a"} << 2 << "--all takes every listed port";
    QTest::newRow("probe without ports") << QStringList{"store", "x.app", "--probe"} << 2 << "--port (or --all)";
    QTest::newRow("ports named without probing") << QStringList{"ports", "ttyUSB0"} << 2 << "only with --probe";
    QTest::newRow("summary of nothing") << QStringList{"summary"} << 2 << "summary takes report";
    QTest::newRow("load of two ports") << QStringList{"load", "-o", "x.app", "--port", "a", "--port", "b"} << 2
                                       << "load takes one --port";
    QTest::newRow("a port twice") << QStringList{"store", "x.app", "--port", "a,b", "--port", "a"} << 2
                                  << "the port a is given twice";
    QTest::newRow("an empty port") << QStringList{"store", "x.app", "--port", "a,,b"} << 2 << "empty port";
    QTest::newRow("a station and a port")
        << QStringList{"store", "x.app", "--station", "s.json", "--port", "a"} << 2 << "without --port or --all";
    QTest::newRow("a malformed adapter") << QStringList{"verify", "x.app", "--port", "usb=0403"} << 2
                                         << "--port: \"usb=0403\": give the USB ids";
    QTest::newRow("a shift of every port")
        << QStringList{"store", "x.app", "--watch", "--all"} << 2 << "--watch watches the slots of --port";
    QTest::newRow("a hook without a shift")
        << QStringList{"store", "x.app", "--port", "a", "--on-result", "true"} << 2 << "give it with --watch";
    QTest::newRow("progress in no known form")
        << QStringList{"verify", "x.app", "--port", "a", "--progress", "xml"} << 2 << "--progress takes text or json";
    QTest::newRow("verify after a load") << QStringList{"load", "-o", "x.app", "--port", "a", "--verify"} << 2
                                         << "verify";
    QTest::newRow("no such port") << QStringList{"load", "-o", "x.app", "--port", "/nonexistent/tty"} << 1
                                  << "/nonexistent/tty";
    QTest::newRow("ports") << QStringList{"ports"} << 0 << "";
}

void TestCli::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const Run run = cli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    if (exitCode == 2) {
        QVERIFY2(run.err.contains("--help"), qPrintable(run.err));
    }
}

void TestCli::outputsNeverOverwriteInputs_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message"); // empty: not refused

    const QString port = "/nonexistent/tty";
    const QString stored = "--trace names the configuration file being stored (%1)";
    QTest::newRow("trace over the stored file")
        << QStringList{"store", "program.app", "--port", port, "--trace", "program.app"} << stored.arg("program.app");
    QTest::newRow("trace over the stored file by a link")
        << QStringList{"store", "program.app", "--port", port, "--trace", "link.app"} << stored.arg("link.app");
    QTest::newRow("report over the verified file by a hard link")
        << QStringList{"verify", "program.app", "--port", port, "--report", "hard.app"}
        << "--report names the configuration file being verified (hard.app)";
    QTest::newRow("trace over the sent file")
        << QStringList{"send", "program.app", "--port", port, "--key", "1", "--trace", "./program.app"}
        << "--trace names the configuration file whose command is sent (./program.app)";
    QTest::newRow("trace and report, one by another name")
        << QStringList{"store",   "program.app",         "--port",   port,
                       "--trace", "sub/../report.jsonl", "--report", "report.jsonl"}
        << "--trace and --report name the same file (sub/../report.jsonl)";
    QTest::newRow("trace and output not there yet")
        << QStringList{"load", "--port", port, "--output", "new.app", "--trace", "sub/../new.app"}
        << "--trace and --output name the same file (sub/../new.app)";
    QTest::newRow("trace over the base") << QStringList{"load",   "--port",      port,      "-o",      "out.app",
                                                        "--base", "program.app", "--trace", "link.app"}
                                         << "--trace names the configuration file of --base (link.app)";
    // Written anew only once the load is whole, from what was read first.
    QTest::newRow("output over the base")
        << QStringList{"load", "--port", port, "-o", "program.app", "--base", "link.app"} << QString();
    QTest::newRow("a new file beside an existing one")
        << QStringList{"store", "program.app", "--port", port, "--trace", "program.app.txt"} << QString();
}

void TestCli::outputsNeverOverwriteInputs()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    ProgramRecords program;
    program.newData(6, 5);
    fillDeviceProgram(program);
    const QByteArray bytes = saved(program);
    QVERIFY(writeFile(path("program.app"), bytes));
    QVERIFY(QFile::link(path("program.app"), path("link.app")));
    QVERIFY(::link(QFile::encodeName(path("program.app")).constData(), QFile::encodeName(path("hard.app")).constData())
            == 0);
    QVERIFY(QDir(m_dir->path()).mkdir("sub"));
    QVERIFY(writeFile(path("report.jsonl"), "{\"earlier\":1}\n"));

    const Run run = cli(arguments);
    if (message.isEmpty()) {
        // Stopped by the missing port alone.
        QVERIFY2(run.exitCode != 0 && run.err.contains("/nonexistent/tty"), qPrintable(run.err));
        QVERIFY2(!run.err.contains("a file of its own"), qPrintable(run.err));
    } else {
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFile::exists(path("new.app")));
    }
    QCOMPARE(readFile(path("program.app")), bytes);
    QCOMPARE(readFile(path("report.jsonl")), QByteArray("{\"earlier\":1}\n"));
}

void TestCli::helpFollowsTheParserConventions()
{
    // A damaged file is refused, not half read.
    QVERIFY(writeFile(path("damaged.app"), QByteArray::fromHex("0100010001000000")));
    const Run damaged = cli({"export", path("damaged.app")});
    QCOMPARE(damaged.exitCode, 1);
    QVERIFY(damaged.out.isEmpty());

    const Run overview = cli({"--help"});
    QCOMPARE(overview.exitCode, 0);
    QVERIFY2(overview.out.startsWith("Usage: kvr210c-cli [options] <command>"), overview.out.constData());
    for (const char* command : {"ports", "show", "export", "import", "diff", "store", "verify", "load", "summary"}) {
        QVERIFY2(overview.out.contains(QByteArray("  ") + command + "  "), command);
        const Run help = cli({command, "--help"});
        QCOMPARE(help.exitCode, 0);
        const QString text = QString::fromLocal8Bit(help.out);
        // The program's name, not the path it was started by.
        QVERIFY2(text.startsWith(QString("Usage: kvr210c-cli [options] %1").arg(command)), qPrintable(text));
        QVERIFY(text.contains("-h, --help"));
        const bool device = QByteArrayList{"store", "verify", "load"}.contains(command);
        QCOMPARE(text.contains("--port <port>"), device);
        // Probing waits for answers too.
        QCOMPARE(text.contains("--retries <n>"), device || command == QByteArray("ports"));
        QCOMPARE(text.contains("--timeout <ms>"), device || command == QByteArray("ports"));
    }
    const QString importHelp = QString::fromLocal8Bit(cli({"import", "--help"}).out);
    QVERIFY(importHelp.contains("{\"raw\": value}"));
    QVERIFY2(importHelp.contains("\"keys\" are required; \"keys\": [] is a new configuration"), qPrintable(importHelp));
}

void TestCli::storeThenLoadBringsEveryDeviceFieldBack()
{
    ProgramRecords program;
    program.newData(6, 5);
    fillDeviceProgram(program);
    QVERIFY(writeFile(path("program.app"), saved(program)));

    SimulatorProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    const Run stored = cli({"store", path("program.app"), "--port", sim.portName(), "--retries", "7"});
    QVERIFY2(stored.exitCode == 0, qPrintable(stored.err));
    // Progress counts the records the device gets, second layers included.
    QVERIFY2(stored.err.contains(sim.portName() + ": stored 36 of 36 records"), qPrintable(stored.err));
    QCOMPARE(stored.out, (sim.portName() + "  stored\n").toLocal8Bit());
    QVERIFY(sim.waitForLogLine("ISPOK!"));
    QCOMPARE(sim.logLines().first(), QString("frame KVR210"));
    QCOMPARE(sim.storedRecords().size(), 36);

    const Run loaded = cli({"load", "--port", sim.portName(), "--output", path("loaded.app"), "--timeout", "1500"});
    QVERIFY2(loaded.exitCode == 0, qPrintable(loaded.err));
    QVERIFY2(loaded.err.contains("36 of 36"), qPrintable(loaded.err));
    ProgramRecords back;
    back.newData(6, 5);
    QVERIFY(loadFile(path("loaded.app"), &back));
    QCOMPARE(deviceFields(back), deviceFields(program));
    QCOMPARE(back.getButtonData(1)->getButtonName(), QString("Empty"));

    // On top of the file it came from, only what the device cannot keep
    // differs: a second layer switched off that has a command is on.
    const Run onBase = cli({"load", "--port", sim.portName(), "-o", path("based.app"), "--base", path("program.app")});
    QVERIFY2(onBase.exitCode == 0, qPrintable(onBase.err));
    const Run diff = cli({"diff", path("program.app"), path("based.app")});
    QCOMPARE(diff.exitCode, 1);
    QCOMPARE(diff.out,
             QByteArray("Key 1, second layer: switch off -> on\n"
                        "Key 3, second layer: switch off -> on\n"
                        "Key 5, second layer: switch off -> on\n"));
}

void TestCli::storeRefusesOversizedCommandBeforeSending()
{
    ProgramRecords program;
    program.newData(6, 5);
    program.getDataObject(5, 2)->setCommand(QByteArray(MaxDeviceCommandBytes + 1, 'x').toHex());
    QVERIFY(writeFile(path("big.app"), saved(program)));

    SimulatorProcess sim;
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));
    const Run run = cli({"store", path("big.app"), "--port", sim.portName()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("Key 5, link 13") && run.err.contains("247"), qPrintable(run.err));
    QVERIFY2(sim.settle(), qPrintable(sim.errorString()));
    QCOMPARE(sim.logLines(), QStringList());
}

void TestCli::deviceFaultsFailWithAMessage_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("simulator");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    // The handshake and four records go through, then every echo is wrong.
    QTest::newRow("wrong echo during store")
        << "store" << QStringList{"--fault", "corrupt-echo", "--fault-after", "5"} << 1 << "Key 1, link 15";
    QTest::newRow("short echo at the handshake") << "store" << QStringList{"--fault", "short-echo"} << 1 << "handshake";
    // The handshake and all 36 records go through; "ISPOK!" is never echoed rightly.
    QTest::newRow("farewell answered wrongly")
        << "store" << QStringList{"--fault", "corrupt-echo", "--fault-after", "37"} << 1 << "farewell failed";
    QTest::newRow("a few wrong echoes are retried")
        << "store" << QStringList{"--fault", "corrupt-echo", "--fault-count", "5"} << 0 << "stored 36 of 36";
    QTest::newRow("device sends 20 of 36 records")
        << "load" << QStringList{"--records", "20"} << 1 << "did not arrive: Key 4, link 13;";
    QTest::newRow("noise before the records is skipped")
        << "load" << QStringList{"--fault", "garbage"} << 0 << "Loaded 36";
    // The system's text differs with the way the line goes: it follows in parentheses.
    QTest::newRow("device gone mid-store") << "store" << QStringList{"--fault", "vanish", "--fault-after", "12"} << 1
                                           << "stored). The device on %port was disconnected or stopped answering (";
}

void TestCli::deviceFaultsFailWithAMessage()
{
    QFETCH(QString, command);
    QFETCH(QStringList, simulator);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    ProgramRecords program;
    program.newData(6, 5);
    fillDeviceProgram(program);
    QVERIFY(writeFile(path("program.app"), saved(program)));
    QVERIFY(writeFile(path("old.app"), "old contents"));

    SimulatorProcess sim;
    if (command == "load") {
        QList<QByteArray> records;
        for (const QString& record : deviceFields(program)) {
            records << QByteArray::fromHex(record.toLatin1());
        }
        QVERIFY(sim.setStoredRecords(records));
    }
    QVERIFY2(sim.start(simulator), qPrintable(sim.errorString()));
    const QStringList arguments = command == "store"
        ? QStringList{"store", path("program.app"), "--port", sim.portName()}
        : QStringList{"load", "--port", sim.portName(), "--output", path("old.app")};
    const Run run = cli(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message.replace("%port", sim.portName())), qPrintable(run.err));
    if (command == "load") {
        // Failed or not, the session ends as the editor ends it.
        QVERIFY(sim.waitForLogLine("ISPOK!"));
        QCOMPARE(sim.logLines().last(), QString("ISPOK!"));
        // Only a complete load replaces the file, and a failed one leaves no temporary behind.
        QCOMPARE(readFile(path("old.app")) == "old contents", exitCode != 0);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
    }
}

void TestCli::silentDeviceFailsWithinTheRetries()
{
    // The one case that waits out every attempt: 6 of 1000 ms.
    SimulatorProcess sim;
    QVERIFY2(sim.start({"--fault", "silent"}), qPrintable(sim.errorString()));
    QVERIFY(writeFile(path("old.app"), "old contents"));
    const Run run = cli({"load", "--port", sim.portName(), "-o", path("old.app"), "--trace", path("silent.txt")}, {},
                        20000);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("handshake failed") && run.err.contains("did not answer"), qPrintable(run.err));
    QVERIFY2(run.elapsedMs < 6 * 1000 + 3000, qPrintable(QString::number(run.elapsedMs)));
    QCOMPARE(readFile(path("old.app")), QByteArray("old contents"));
    QCOMPARE(sim.logLines().count("frame KVR210"), 6);
    // The trace tells each wait that ran out and each frame sent again.
    QStringList expected{"opened at 9600,8-N-1", "no answer within 1000 ms"};
    for (int attempt = 2; attempt <= 6; ++attempt) {
        expected << QString("sent again: attempt %1 of 6").arg(attempt) << "no answer within 1000 ms";
    }
    QCOMPARE(LinkTraceFile::read(path("silent.txt")).portNotes(sim.portName()), expected);
}

namespace {

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// The device records a simulator holds, as hex in the order of deviceFields() once sorted.
QStringList heldRecords(const SimulatorProcess& sim)
{
    QStringList records;
    for (const QByteArray& record : sim.storedRecords()) {
        records << QString::fromLatin1(record.toHex());
    }
    return sorted(records);
}

QList<QJsonObject> reportLines(const QString& file)
{
    QList<QJsonObject> objects;
    for (const QByteArray& line : readFile(file).split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject()) {
            qWarning("not a JSON object: %s", line.constData());
            return {};
        }
        objects << document.object();
    }
    return objects;
}

QDateTime reportTime(const QJsonObject& line, const char* field)
{
    return QDateTime::fromString(line.value(field).toString(), Qt::ISODateWithMs);
}

} // namespace

void TestCli::storeToSeveralPortsAtOnce()
{
    ProgramRecords program;
    program.newData(6, 5);
    fillDeviceProgram(program);
    QVERIFY(writeFile(path("program.app"), saved(program)));

    // Paced, so that each store takes long enough to see them overlap.
    SimulatorProcess first, faulty, last;
    QVERIFY2(first.start({"--pace"}), qPrintable(first.errorString()));
    QVERIFY2(faulty.start({"--fault", "corrupt-echo", "--fault-after", "9"}), qPrintable(faulty.errorString()));
    QVERIFY2(last.start({"--pace"}), qPrintable(last.errorString()));
    const QStringList ports{first.portName(), faulty.portName(), last.portName()};

    // A report that cannot be written stops the run before any device hears of it.
    QVERIFY(QDir(m_dir->path()).mkdir("folder"));
    const Run refused = cli({"store", "program.app", "--port", ports.join(','), "--report", "folder"});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains("folder is not a regular file"), qPrintable(refused.err));
    QVERIFY2(first.settle(), qPrintable(first.errorString()));
    QCOMPARE(first.logLines(), QStringList());

    const Run run = cli({"store", "program.app", "--port", ports.at(0) + "," + ports.at(1), "--port", ports.at(2),
                         "--verify", "--report", "log.jsonl", "--station-name", "bench 3"},
                        {}, 60000);
    QVERIFY(run.finished);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(heldRecords(first), sorted(deviceFields(program)));
    QCOMPARE(heldRecords(last), sorted(deviceFields(program)));

    // The ports are aligned: /dev/pts/9 gets one blank more than /dev/pts/10.
    const QStringList summary =
        QString::fromLocal8Bit(run.out).replace(QRegularExpression(" +(?=  )"), "").split('\n', Qt::SkipEmptyParts);
    QCOMPARE(summary.size(), 3);
    QCOMPARE(summary.at(0), ports.at(0) + "  stored, verified");
    QVERIFY2(summary.at(1).startsWith(ports.at(1) + "  failed: Key 2, link 13 was not confirmed"),
             qPrintable(summary.at(1)));
    QCOMPARE(summary.at(2), ports.at(2) + "  stored, verified");
    // Every line names its port, but the last: the device whose store broke off.
    const QStringList errLines = run.err.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(errLines.last(),
             "kvr210c-cli: this device now holds a partial program; store it again before it is used: " + ports.at(1));
    for (const QString& line : errLines.mid(0, errLines.size() - 1)) {
        QVERIFY2(line.startsWith(ports.at(0) + ": ") || line.startsWith(ports.at(1) + ": ")
                     || line.startsWith(ports.at(2) + ": "),
                 qPrintable(line));
    }
    for (const QString& port : {ports.at(0), ports.at(2)}) {
        QVERIFY2(run.err.contains(port + ": stored 36 of 36 records\n"), qPrintable(run.err));
        QVERIFY2(run.err.contains(port + ": verified"), qPrintable(run.err));
    }
    QVERIFY2(run.err.contains(ports.at(1) + ": failed: Key 2, link 13"), qPrintable(run.err));

    // A port's line as soon as it is done: the failed one first.
    const QList<QJsonObject> written = reportLines(path("log.jsonl"));
    QCOMPARE(written.size(), 3);
    QCOMPARE(written.first()["port"].toString(), ports.at(1));
    QList<QJsonObject> report;
    for (const QString& port : ports) {
        for (const QJsonObject& line : written) {
            if (line["port"].toString() == port) {
                report << line;
            }
        }
    }
    QCOMPARE(report.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(report[i]["file"].toString(), QString("program.app"));
        QCOMPARE(report[i]["station"].toString(), QString("bench 3"));
        QVERIFY(reportTime(report[i], "start").isValid());
        QVERIFY(reportTime(report[i], "start") <= reportTime(report[i], "end"));
        QCOMPARE(report[i]["differences"].toArray().size(), 0);
    }
    for (int i : {0, 2}) {
        QCOMPARE(report[i]["result"].toString(), QString("stored, verified"));
        QCOMPARE(report[i]["records"].toInt(), 36);
        QVERIFY(report[i]["error"].isNull());
    }
    QCOMPARE(report[1]["result"].toString(), QString("failed"));
    QCOMPARE(report[1]["records"].toInt(), 9 - 1);
    QVERIFY(report[1]["error"].toString().startsWith("Key 2, link 13 was not confirmed"));
    // At once, not one after the other: the two good stores overlap.
    QVERIFY(reportTime(report[0], "start") < reportTime(report[2], "end"));
    QVERIFY(reportTime(report[2], "start") < reportTime(report[0], "end"));
}

void TestCli::traceHoldsTheFramesEachDeviceGot()
{
    ProgramRecords program;
    program.newData(6, 5);
    fillDeviceProgram(program);
    QVERIFY(writeFile(path("program.app"), saved(program)));
    SimulatorProcess first, second;
    QVERIFY2(first.start(), qPrintable(first.errorString()));
    QVERIFY2(second.start(), qPrintable(second.errorString()));
    const QString ports = first.portName() + "," + second.portName();

    // A trace that cannot be written stops the run before any device hears of it.
    QVERIFY(QDir(m_dir->path()).mkdir("folder"));
    const Run refused = cli({"store", "program.app", "--port", ports, "--trace", "folder"});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains("folder is not a regular file"), qPrintable(refused.err));
    QVERIFY2(first.settle(), qPrintable(first.errorString()));
    QCOMPARE(first.logLines(), QStringList());

    const Run run = cli({"store", "program.app", "--port", ports, "--trace", "trace.txt"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const LinkTraceFile trace = LinkTraceFile::read(path("trace.txt"));
    QCOMPARE(trace.malformed, QStringList());
    for (const SimulatorProcess* sim : {&first, &second}) {
        // Each port's lines begin with its line settings; a device that answers every frame leaves no other note.
        QCOMPARE(trace.portNotes(sim->portName()), QStringList{"opened at 9600,8-N-1"});
        QVERIFY(sim->waitForLogLine("ISPOK!"));
        const QByteArray out = trace.bytes(sim->portName(), "out");
        // The handshake, 36 records, the farewell.
        QCOMPARE(LinkTraceFile::frames(out), sim->receivedFrames());
        QCOMPARE(sim->receivedFrames().size(), 1 + 36 + 1);
        // What came back: each frame's echo.
        QCOMPARE(trace.bytes(sim->portName(), "in"), out);
    }

    const Run loaded = cli({"load", "--port", first.portName(), "-o", path("loaded.app"), "--trace", "load.txt"});
    QVERIFY2(loaded.exitCode == 0, qPrintable(loaded.err));
    const QByteArray in = LinkTraceFile::read(path("load.txt")).bytes(first.portName(), "in");
    for (const QByteArray& record : first.storedRecords()) {
        QVERIFY(in.contains(record));
    }

    // A port that cannot be opened says so in the trace, and why.
    const Run missing = cli({"load", "--port", "/nonexistent/tty", "-o", path("none.app"), "--trace", "none.txt"});
    QCOMPARE(missing.exitCode, 1);
    const QStringList notes = LinkTraceFile::read(path("none.txt")).portNotes("/nonexistent/tty");
    QCOMPARE(notes.size(), 1);
    QVERIFY2(notes.first().startsWith("could not be opened: ") && missing.err.contains(notes.first().mid(21)),
             qPrintable(notes.first() + " / " + missing.err));
}

void TestCli::verifyNamesWhatTheDeviceHoldsOtherwise()
{
    ProgramRecords program;
    program.newData(6, 5);
    fillDeviceProgram(program);
    QVERIFY(writeFile(path("program.app"), saved(program)));

    // Records in the order of deviceFields(): per key its five records, then its second layer.
    QList<QByteArray> records;
    for (const QString& record : deviceFields(program)) {
        records << QByteArray::fromHex(record.toLatin1());
    }
    records[0][records[0].size() - 1] = 0x0B; // key 1's command ends in 0B, not 0A
    QByteArray& longest = records[2 * 6 + 3]; // key 3, link 4: 247 bytes of 7F
    longest[longest.size() - MaxDeviceCommandBytes + 100] = 0x00;
    records[2 * 6 + 1][10] = 99; // key 3, link 2: delay
    records[4 * 6 + 5][9] = ParityMark; // key 5, second layer: parity
    SimulatorProcess sim;
    QVERIFY(sim.setStoredRecords(records));
    QVERIFY2(sim.start(), qPrintable(sim.errorString()));

    const Run different = cli({"verify", "program.app", "--port", sim.portName(), "--report", "log.jsonl"});
    QCOMPARE(different.exitCode, 1);
    // A long command is shown where it differs, not as two strings of 494 digits.
    QCOMPARE(QString::fromLocal8Bit(different.out).split('\n', Qt::SkipEmptyParts),
             QStringList({"Key 1: command 01010D0B on the device, 01010D0A in the file",
                          "Key 3, link 13: delay 99 on the device, 134 in the file",
                          "Key 3, link 15: command at offset 100: ... 7F 7F 7F 7F [00] 7F 7F 7F 7F 7F 7F 7F ... on the "
                          "device, ... 7F 7F 7F 7F [7F] 7F 7F 7F 7F 7F 7F 7F ... in the file",
                          "Key 5, second layer: parity mark on the device, odd in the file",
                          sim.portName()
                              + "  different: 4 differences: Key 1: command 01010D0B on the device, 01010D0A in the "
                                "file and 3 more"}));
    // Verify only reads: the device keeps what it had.
    QCOMPARE(sim.storedRecords().value({3, 2}).at(10), char(99));

    QCOMPARE(cli({"store", "program.app", "--port", sim.portName()}).exitCode, 0);
    const Run equal = cli({"verify", "program.app", "--port", sim.portName(), "--report", "log.jsonl"});
    QVERIFY2(equal.exitCode == 0, qPrintable(equal.err));
    // The summary where store puts it.
    QCOMPARE(QString::fromLocal8Bit(equal.out), sim.portName() + "  verified\n");

    // A file can hold a delay that a device's byte cannot: stored, but not what the file says.
    program.getDataObject(1, 5)->setDelayTime(300);
    QVERIFY(writeFile(path("long-delay.app"), saved(program)));
    const Run stored = cli({"store", "long-delay.app", "--port", sim.portName(), "--verify", "--report", "log.jsonl"});
    QCOMPARE(stored.exitCode, 1);
    QCOMPARE(QString::fromLocal8Bit(stored.out),
             sim.portName()
                 + "  different: stored, 1 difference: Key 1, link 16: delay 44 on the device, 300 in the file\n");
    QVERIFY2(stored.err.contains(sim.portName() + ": Key 1, link 16: delay 44 on the device, 300 in the file\n"),
             qPrintable(stored.err));

    // Appended, one line per run.
    const QList<QJsonObject> report = reportLines(path("log.jsonl"));
    QCOMPARE(report.size(), 3);
    QCOMPARE(report[2]["command"].toString(), QString("store"));
    QCOMPARE(report[2]["result"].toString(), QString("different"));
    QCOMPARE(report[2]["differences"].toArray().size(), 1);
    QCOMPARE(report[0]["command"].toString(), QString("verify"));
    QCOMPARE(report[0]["result"].toString(), QString("different"));
    QCOMPARE(report[0]["records"].toInt(), 36);
    const QJsonArray differences = report[0]["differences"].toArray();
    QCOMPARE(differences.size(), 4);
    QCOMPARE(differences[1].toObject(),
             QJsonObject({{"record", "Key 3, link 13"}, {"field", "delay"}, {"device", "99"}, {"file", "134"}}));
    QCOMPARE(report[1]["result"].toString(), QString("verified"));
    QCOMPARE(report[1]["differences"].toArray().size(), 0);
}

void TestCli::verifyFailsWhenRecordsAreMissing()
{
    // The device holds a new configuration, as does the file, but sends only 20 records:
    // the rest are unknown, not equal.
    ProgramRecords program;
    program.newData(6, 5);
    QVERIFY(writeFile(path("program.app"), saved(program)));
    QList<QByteArray> records;
    for (const QString& record : deviceFields(program)) {
        records << QByteArray::fromHex(record.toLatin1());
    }
    SimulatorProcess sim;
    QVERIFY(sim.setStoredRecords(records));
    QVERIFY2(sim.start({"--records", "20"}), qPrintable(sim.errorString()));
    const Run run = cli({"verify", "program.app", "--port", sim.portName()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("did not arrive: Key 4, link 13;"), qPrintable(run.err));
    QVERIFY2(QString::fromLocal8Bit(run.out).startsWith(sim.portName() + "  failed: verify failed: "),
             run.out.constData());
}

namespace {

// What the completion offers for a command line whose last word is being typed.
QStringList completions(const QStringList& words)
{
    const QString script = QStringLiteral(
        "source \"$1\" || exit 3; shift; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); _kvr210c_cli; "
        "printf '%s\\n' \"${COMPREPLY[@]}\"");
    QProcess bash;
    bash.start(QStringLiteral("bash"), QStringList{"-c", script, "bash", KVR_CLI_COMPLETION} + words);
    if (!bash.waitForFinished(10000) || bash.exitCode() != 0) {
        bash.kill();
        qWarning("bash failed: %s", bash.readAllStandardError().constData());
        return {"(failed)"};
    }
    return sorted(QString::fromLocal8Bit(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts));
}

// The long options that "--help" of a command lists, but for Qt's own.
QStringList helpOptions(const QString& command)
{
    const QString help = QString::fromLocal8Bit(cli({command, "--help"}).out);
    QStringList options;
    const QRegularExpression line(QStringLiteral("^  (?:-\\w, )?(--[\\w-]+)"), QRegularExpression::MultilineOption);
    for (auto match = line.globalMatch(help); match.hasNext();) {
        const QString option = match.next().captured(1);
        if (option != "--help-all") {
            options << option;
        }
    }
    return sorted(options);
}

} // namespace

void TestCli::bashCompletion()
{
    // The commands and options are those the program has.
    QStringList commands;
    const QRegularExpression commandLine(QStringLiteral("^  (\\w+)  "), QRegularExpression::MultilineOption);
    const QString overview =
        QString::fromLocal8Bit(cli({"--help"}).out).section("Commands:\n", 1).section("\n\n", 0, 0);
    for (auto match = commandLine.globalMatch(overview); match.hasNext();) {
        commands << match.next().captured(1);
    }
    QCOMPARE(commands.size(), 13);
    QCOMPARE(completions({"kvr210c-cli", ""}), sorted(commands));
    QCOMPARE(completions({"kvr210c-cli", "st"}), QStringList{"store"});
    for (const QString& command : commands) {
        QCOMPARE(completions({"kvr210c-cli", command, "--"}), helpOptions(command));
    }

    // Ports as "ports" lists them, from the program as it was typed.
    QVERIFY(writeFile(path("fake-cli"),
                      "#!/bin/sh\n"
                      "test \"$1\" = ports && printf '/dev/ttyFAKE0\\tAdapter\\n"
                      "/dev/ttyFAKE1\\tAdapter\\n/dev/other\\t(no description)\\n'\n"));
    QVERIFY(QFile::setPermissions(path("fake-cli"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString fake = path("fake-cli");
    QCOMPARE(completions({fake, "verify", "x.app", "--port", "/dev/tty"}),
             QStringList({"/dev/ttyFAKE0", "/dev/ttyFAKE1"}));
    QCOMPARE(completions({fake, "store", "x.app", "-p", "/dev/ttyFAKE0,/dev/o"}),
             QStringList{"/dev/ttyFAKE0,/dev/other"});
    QCOMPARE(completions({fake, "load", "--port", ""}).size(), 3);
    QCOMPARE(completions({fake, "verify", "x.app", "-p", "/dev/ttyFAKE0,/dev/o"}),
             QStringList{"/dev/ttyFAKE0,/dev/other"});
    QCOMPARE(completions({fake, "ports", "--probe", "/dev/ttyF"}), QStringList({"/dev/ttyFAKE0", "/dev/ttyFAKE1"}));
    QCOMPARE(completions({fake, "ports", "/dev/ttyF"}), QStringList());

    // Files everywhere else, but nothing for numbers.
    QVERIFY(writeFile(path("program.app"), "x"));
    QCOMPARE(completions({"kvr210c-cli", "diff", "program.app", "prog"}), QStringList{"program.app"});
    QCOMPARE(completions({"kvr210c-cli", "store", "--report", "prog"}), QStringList{"program.app"});
    QCOMPARE(completions({"kvr210c-cli", "load", "--trace", "prog"}), QStringList{"program.app"});
    QCOMPARE(completions({"kvr210c-cli", "store", "--retries", ""}), QStringList());
    QCOMPARE(completions({"kvr210c-cli", "summary", "--by", ""}), QStringList({"config", "slot", "station"}));
    QCOMPARE(completions({"kvr210c-cli", "send", "--link", ""}), QStringList({"13", "14", "15", "16"}));

    // A station is a JSON file, perhaps in a folder.
    QVERIFY(writeFile(path("stand.json"), "{}"));
    QVERIFY(writeFile(path("stand.app"), "x"));
    QVERIFY(QDir(m_dir->path()).mkdir("stands"));
    QCOMPARE(completions({"kvr210c-cli", "store", "--station", "stan"}), QStringList({"stand.json", "stands"}));
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
