// kvr210c-cli library, set and send --library run as processes: an entry's
// bytes at its parameters' bounds, damaged libraries, outputs that would
// overwrite an input, a record written into a configuration file, and an
// entry's reply checked against equipment on a pseudo-terminal.
#include "appdata.h"
#include "cliprocess.h"
#include "commandtrial.h"
#include "linesettings.h"
#include "ptypeer.h"
#include "testfiles.h"
#include "testlibrary.h"
#include "testrecords.h"

#include <QtTest>

namespace {

CliRun cli(const QStringList& arguments)
{
    return runCli(QStringLiteral(KVR_CLI_PATH), arguments);
}

} // namespace

class TestLibrary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printsOrRefuses_data();
    void printsOrRefuses();
    void refusesDamagedLibrary_data();
    void refusesDamagedLibrary();
    void setsRecord_data();
    void setsRecord();
    void sendsEntry_data();
    void sendsEntry();

private:
    // LIB, TABLE, FILE, OUT and IMPORTED in `command` become the test's files.
    QStringList arguments(const QString& command) const;

    QTemporaryDir m_dir;
};

QStringList TestLibrary::arguments(const QString& command) const
{
    QStringList list = QProcess::splitCommand(command);
    for (const char* name : {"LIB", "TABLE", "FILE", "OUT", "IMPORTED", "LINK"}) {
        list.replaceInStrings(QRegularExpression(QStringLiteral("^%1$").arg(QLatin1String(name))),
                              m_dir.filePath(QLatin1String(name)));
    }
    return list;
}

void TestLibrary::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("LIB")), testLibraryJson()));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("TABLE")),
                      R"({"Model X": {"baudrate": 9600, "commands": {"power on": [170, 17, 1, 1, 1, 20]}}})"));
    QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("TABLE")), m_dir.filePath(QStringLiteral("LINK"))));
    // Every record different, so that one left alone is seen to stay.
    ProgramRecords records;
    records.newData(6, 5);
    for (int key = 1; key <= 6; ++key) {
        const UartData line = uart(key, key % 5, 3, 1);
        records.getButtonData(key)->setSecondLayerCommand(QStringLiteral("5A0%1").arg(key));
        records.getButtonData(key)->setSecondLayerUartData(&line);
        records.getButtonData(key)->setSecondLayerDelayTime(key + 40);
        for (int link = 1; link <= 5; ++link) {
            LinkData* record = records.getDataObject(key, link);
            record->setCommand(QStringLiteral("%1%2").arg(key).arg(link, 3, 10, QLatin1Char('0')));
            record->setUartData(&line);
            record->setDelayTime(key + link);
        }
    }
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("FILE")), records.configFileBytes()));
    const CliRun imported = cli(arguments(QStringLiteral("library import TABLE --output IMPORTED")));
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
}

void TestLibrary::printsOrRefuses_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed"); // standard output when it succeeded, part of standard error otherwise

    QTest::newRow("low end") << "library bytes LIB --entry Input --param input=1" << 0 << "AA 02 01 00 81 AC\n";
    QTest::newRow("high end") << "library bytes LIB --entry Input --param input=0x4" << 0 << "AA 02 04 00 82 FC\n";
    QTest::newRow("one past") << "library bytes LIB --entry Input --param input=5" << 2 << "input: 5 is outside 1 to 4";
    QTest::newRow("padded default") << "library bytes LIB --entry Volume" << 0 << "56 4F 4C 30 32 30 0D\n";
    QTest::newRow("unknown parameter") << "library bytes LIB --entry Input --param level=3" << 2
                                       << "level: the entry has no";
    QTest::newRow("unknown entry") << "library bytes LIB --entry Power" << 2 << "has no entry named \"Power\"";
    QTest::newRow("imported") << "library bytes IMPORTED --entry \"power on\"" << 0 << "AA 11 01 01 01 14\n";
    QTest::newRow("list") << "library show LIB" << 0
                          << "Input\tTest projector\tInput\t19200,8-N-1\tinput 1 to 4\n"
                             "Volume\tTest amplifier\tAudio\t-\tlevel 0 to 100\n"
                             "Long\tTest projector\tMisc\t-\t-\n";
    // Outputs that would overwrite an input, and records that cannot take the entry: nothing written.
    const QString set = QStringLiteral("set FILE --key 1 --library LIB --entry Input --output ");
    QTest::newRow("import onto its table") << "library import TABLE --output TABLE" << 2 << "--output names the file";
    QTest::newRow("import onto a link to its table")
        << "library import LINK --output TABLE" << 2 << "--output names the file";
    QTest::newRow("set onto its file") << set + "FILE" << 2 << "--output names the configuration file";
    QTest::newRow("set onto the library") << set + "LIB" << 2 << "--output names the library of --library";
    QTest::newRow("set, too long") << "set FILE --key 1 --library LIB --entry Long --output OUT" << 2
                                   << "Long is 129 bytes long; Key 1 holds 128 at most";
    QTest::newRow("set, out of range") << set + "OUT --param input=0" << 2 << "input: 0 is outside 1 to 4";
}

void TestLibrary::printsOrRefuses()
{
    QFETCH(QString, command);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);
    QMap<QString, QByteArray> before;
    for (const char* name : {"LIB", "TABLE", "FILE"}) {
        before.insert(QLatin1String(name), readFile(m_dir.filePath(QLatin1String(name))));
    }
    const CliRun run = cli(arguments(command));
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode == 0) {
        QCOMPARE(QString::fromUtf8(run.out), printed);
    } else {
        QVERIFY2(run.err.contains(printed), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        QCOMPARE(readFile(m_dir.filePath(it.key())), it.value());
    }
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("OUT"))));
}

void TestLibrary::refusesDamagedLibrary_data()
{
    QTest::addColumn<QByteArray>("library");
    QTest::addColumn<QString>("place");

    const QByteArray good = testLibraryJson();
    QByteArray repeated = good;
    repeated.replace(R"("group": "Audio",)", R"("group": "Audio", "group": "Audio",)");
    QTest::newRow("repeated key") << repeated << "entries[1].group";
    QTest::newRow("unknown key") << QByteArray(good).replace(R"("note")", R"("notes")") << "entries[0].notes";
    QTest::newRow("wrong type") << QByteArray(good).replace(R"("max": 4)", R"("max": "4")")
                                << "entries[0].params[0].max";
    QTest::newRow("missing field") << QByteArray(good).replace(R"("version": 1,)", "") << "version";
    QTest::newRow("too large") << good + QByteArray(4 * 1024 * 1024, ' ') << "damaged.json";
}

// Refused whole, naming the place, whatever entry is asked for.
void TestLibrary::refusesDamagedLibrary()
{
    QFETCH(QByteArray, library);
    QFETCH(QString, place);
    const QString path = m_dir.filePath(QStringLiteral("damaged.json"));
    QVERIFY(writeFile(path, library));
    for (const QString& command : {QStringLiteral("library show"), QStringLiteral("library bytes --entry Input")}) {
        const CliRun run = cli(QProcess::splitCommand(command) << path);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(place), qPrintable(run.err));
        QVERIFY2(run.out.isEmpty(), run.out.constData());
    }
}

void TestLibrary::setsRecord_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("layer"); // as DeviceRecordLayout numbers them
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("line"); // empty: the record's own stays

    const QByteArray input3 = QByteArray::fromHex("AA02030080CC");
    QTest::newRow("first layer") << "--key 2 --entry Input --param input=3" << 2 << 1 << input3 << "19200,8-N-1";
    QTest::newRow("link") << "--key 2 --link 14 --entry Input --param input=3" << 2 << 3 << input3 << "19200,8-N-1";
    QTest::newRow("second layer, no line settings")
        << "--key 6 --second --entry Volume --param level=100" << 6 << 6 << QByteArray("VOL100\r") << QString();
}

// The entry goes into the one record; the configuration file's every other field stays.
void TestLibrary::setsRecord()
{
    QFETCH(QString, options);
    QFETCH(int, key);
    QFETCH(int, layer);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, line);
    const QString out = m_dir.filePath(QStringLiteral("OUT"));
    const CliRun run = cli(arguments(QStringLiteral("set FILE --library LIB --output OUT ") + options));
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    ProgramRecords before;
    ProgramRecords after;
    before.newData(6, 5);
    after.newData(6, 5);
    QVERIFY(before.loadConfigFileFrom(m_dir.filePath(QStringLiteral("FILE"))).isLoaded());
    QVERIFY(after.loadConfigFileFrom(out).isLoaded());
    CommandTrial::RecordCommand was;
    CommandTrial::RecordCommand is;
    QVERIFY(CommandTrial::recordCommand(before, key, layer, &was));
    QVERIFY(CommandTrial::recordCommand(after, key, layer, &is));
    QCOMPARE(is.bytes, bytes);
    QCOMPARE(LineSettings::toText(is.line), line.isEmpty() ? LineSettings::toText(was.line) : line);
    QCOMPARE(is.delay, was.delay);
    // As the companion's diff sees the two files: that record alone.
    const CliRun diff = cli({QStringLiteral("diff"), m_dir.filePath(QStringLiteral("FILE")), out});
    QCOMPARE(diff.exitCode, 1);
    for (const QString& difference : QString::fromUtf8(diff.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QVERIFY2(difference.startsWith(is.name + QLatin1Char(':')), qPrintable(difference));
    }
    QVERIFY(QFile::remove(out));
}

void TestLibrary::sendsEntry_data()
{
    QTest::addColumn<QString>("options");
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<quint32>("speed");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed"); // on standard output when it succeeded, standard error otherwise

    QTest::newRow("matched") << "--entry Input --param input=2" << QByteArray::fromHex("AA020200815C") << 19200u << 0
                             << "the reply matches the entry's AA 06 ??";
    QTest::newRow("differs") << "--entry Input --param input=3" << QByteArray::fromHex("AA02030080CC") << 19200u << 1
                             << "differs at byte 2: 06 expected, 15 came";
    QTest::newRow("silent") << "--entry Input --param input=4" << QByteArray::fromHex("AA02040082FC") << 19200u << 3
                            << "no reply within 200 ms";
    QTest::newRow("none expected, at --line")
        << "--entry Volume --line 2400,8-N-1" << QByteArray("VOL020\r") << 2400u << 0 << "reply       4F 4B  OK\n";
    QTest::newRow("--line beside the entry's own")
        << "--entry Input --line 2400,8-N-1" << QByteArray() << 0u << 2 << "this one is sent with its own";
}

void TestLibrary::sendsEntry()
{
    QFETCH(QString, options);
    QFETCH(QByteArray, received);
    QFETCH(quint32, speed);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);

    PtyPeer projector(PtyPeer::Mode::Silent);
    projector.answer(QByteArray::fromHex("AA020200815C"), {{10, QByteArray::fromHex("AA0601")}});
    projector.answer(QByteArray::fromHex("AA02030080CC"), {{10, QByteArray::fromHex("AA1500")}});
    projector.answer("VOL020\r", {{10, QByteArray("OK")}});
    QVERIFY(projector.open());
    const CliRun run = cli(arguments(QStringLiteral("send --library LIB --wait 200 ") + options)
                           << QStringLiteral("--port") << projector.portName());
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(projector.received(), received);
    QCOMPARE(projector.line().speed, speed);
    QVERIFY2((exitCode == 0 ? QString::fromUtf8(run.out) : run.err).contains(printed), qPrintable(run.out + run.err));
}

QTEST_GUILESS_MAIN(TestLibrary)
#include "tst_library.moc"
