#include "checksumrule.h"
#include "commandlibrary.h"
#include "librarycommand.h"
#include "libraryfiles.h"
#include "libraryimport.h"
#include "replypattern.h"
#include "testfiles.h"
#include "typedbytes.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

namespace {

LibraryEntry entryFrom(const QByteArray& entryJson)
{
    QList<LibraryEntry> entries;
    QString error;
    if (!CommandLibrary::parse(libraryJson(entryJson), &entries, &error) || entries.size() != 1) {
        qWarning("%s", qPrintable(error));
        return LibraryEntry();
    }
    return entries.first();
}

QByteArray hexBytes(const char* text)
{
    QByteArray bytes;
    QString error;
    TypedBytes::fromHex(QLatin1String(text), &bytes, &error);
    return bytes;
}

} // namespace

class TestCommandLibrary : public QObject
{
    Q_OBJECT

private slots:
    void checkValues_data();
    void checkValues();
    void render_data();
    void render();
    void reply_data();
    void reply();
    void damagedLibrary_data();
    void damagedLibrary();
    void oversizedFileRefusedUnread();
    void roundTrip();
    void saveOnFullDiskKeepsOldFile();
    void importTable_data();
    void importTable();
    void shippedLibrary_data();
    void shippedLibrary();
};

void TestCommandLibrary::checkValues_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<quint32>("check");
    QTest::newRow("sum8") << "sum8" << 0xDDu;
    QTest::newRow("sum8-negated") << "sum8-negated" << 0x23u;
    QTest::newRow("xor8") << "xor8" << 0x31u;
    QTest::newRow("crc8") << "crc8" << 0xF4u;
    QTest::newRow("crc16-modbus") << "crc16-modbus" << 0x4B37u;
    QTest::newRow("crc16-ccitt-false") << "crc16-ccitt-false" << 0x29B1u;
    QTest::newRow("crc16-xmodem") << "crc16-xmodem" << 0x31C3u;
    QTest::newRow("crc32") << "crc32" << 0xCBF43926u;
}

void TestCommandLibrary::checkValues()
{
    QFETCH(QString, rule);
    QFETCH(quint32, check);
    ChecksumRule::Rule found;
    QVERIFY(ChecksumRule::fromName(rule, &found));
    QCOMPARE(ChecksumRule::name(found), rule);
    QCOMPARE(ChecksumRule::compute(found, "123456789"), check);
}

void TestCommandLibrary::render_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("checksumAt");
    QTest::addColumn<QString>("error");

    const QString modbus = R"({"name": "Read", "hex": "01 03 00 00 00 {n}",
        "params": [{"name": "n", "kind": "byte", "min": 1, "max": 10}], "checksum": {"rule": "crc16-modbus"}})";
    QTest::newRow("at the least") << modbus << QStringList{"n=1"} << hexBytes("01 03 00 00 00 01 84 0A") << 6
                                  << QString();
    QTest::newRow("default is the least")
        << modbus << QStringList() << hexBytes("01 03 00 00 00 01 84 0A") << 6 << QString();
    QTest::newRow("at the most") << modbus << QStringList{"n=0x0A"} << hexBytes("01 03 00 00 00 0A C5 CD") << 6
                                 << QString();
    QTest::newRow("one past the most") << modbus << QStringList{"n=11"} << QByteArray() << -1
                                       << "n: 11 is outside 1 to 10";
    QTest::newRow("no such parameter") << modbus << QStringList{"m=1"} << QByteArray() << -1
                                       << "m: the entry has no such parameter";
    QTest::newRow("order big") << R"({"name": "R", "hex": "01 03 00 00 00 01",
        "checksum": {"rule": "crc16-modbus", "order": "big"}})"
                               << QStringList() << hexBytes("01 03 00 00 00 01 0A 84") << 6 << QString();
    QTest::newRow("xmodem usual is high first") << R"({"name": "R", "text": "123456789",
        "checksum": {"rule": "crc16-xmodem"}})" << QStringList()
                                                << QByteArray("123456789\x31\xC3") << 9 << QString();
    QTest::newRow("order little") << R"({"name": "R", "text": "123456789",
        "checksum": {"rule": "crc32", "order": "little"}})"
                                  << QStringList() << QByteArray("123456789\x26\x39\xF4\xCB") << 9 << QString();
    QTest::newRow("ascii form keeps the order")
        << R"({"name": "R", "hex": "01 03 00 00 00 01",
        "checksum": {"rule": "crc16-modbus", "form": "ascii"}})"
        << QStringList() << hexBytes("01 03 00 00 00 01") + "840A" << 6 << QString();
    QTest::newRow("skip and trail") << R"({"name": "R", "hex": "02 31 32 33 03",
        "checksum": {"rule": "xor8", "skip": 1, "trail": 1}})"
                                    << QStringList() << hexBytes("02 31 32 33 30 03") << 4 << QString();
    QTest::newRow("decimal padded to its width") << R"({"name": "R", "text": "INPUT {n}\\r",
        "params": [{"name": "n", "kind": "decimal", "min": 0, "max": 16, "width": 2}]})"
                                                 << QStringList{"n=3"} << QByteArray("INPUT 03\r") << -1 << QString();
    QTest::newRow("decimal without width") << R"({"name": "R", "text": "V{n}",
        "params": [{"name": "n", "kind": "decimal", "min": 0, "max": 1000}]})"
                                           << QStringList{"n=1000"} << QByteArray("V1000") << -1 << QString();
    QTest::newRow("hexdigits upper-case") << R"({"name": "R", "text": "L{v}{v}",
        "params": [{"name": "v", "kind": "hexdigits", "width": 3}]})"
                                          << QStringList{"v=171"} << QByteArray("L0AB0AB") << -1 << QString();
    QTest::newRow("escapes around a place") << R"({"name": "R", "text": "\\x02{b}\\\\",
        "params": [{"name": "b", "kind": "byte"}]})"
                                            << QStringList{"b=255"} << QByteArray("\x02\xFF\\") << -1 << QString();
}

void TestCommandLibrary::render()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, values);
    QFETCH(QByteArray, bytes);
    QFETCH(int, checksumAt);
    QFETCH(QString, error);

    const LibraryEntry parsed = entryFrom(entry.toUtf8());
    QVERIFY(!parsed.name.isEmpty());
    LibraryCommand::Values given;
    QString why;
    QVERIFY2(LibraryCommand::parseValues(values, &given, &why), qPrintable(why));
    LibraryCommand::Bytes result;
    QCOMPARE(LibraryCommand::render(parsed, given, &result, &why), error.isEmpty());
    if (!error.isEmpty()) {
        QCOMPARE(why, error);
        return;
    }
    QCOMPARE(TypedBytes::spacedHex(result.bytes), TypedBytes::spacedHex(bytes));
    QCOMPARE(result.checksumAt, checksumAt);
}

void TestCommandLibrary::reply_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("isText");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("result");

    QTest::newRow("?? takes any byte") << "AA 06 ??" << false << hexBytes("AA 06 15") << "matched";
    QTest::newRow("longer reply") << "AA06" << false << hexBytes("AA 06 15 00") << "matched";
    QTest::newRow("a byte differs") << "AA 06 ??" << false << hexBytes("AA 15 00")
                                    << "differs at byte 2: 06 expected, 15 came";
    QTest::newRow("short reply") << "AA 06 ??" << false << hexBytes("AA 06")
                                 << "differs at byte 3: any byte expected, the reply ended after 2 bytes";
    QTest::newRow("text") << "OK\\r" << true << QByteArray("OK\r\n") << "matched";
    QTest::newRow("text differs") << "OK\\r" << true << QByteArray("OK\n") << "differs at byte 3: 0D expected, 0A came";
    QTest::newRow("?? splitting a pair") << "A??B" << false << QByteArray()
                                         << "error: \"?\" is not a hex digit at position 2";
    QTest::newRow("odd digit") << "AA 0" << false << QByteArray() << "error: a byte needs two hex digits at position 4";
}

void TestCommandLibrary::reply()
{
    QFETCH(QString, pattern);
    QFETCH(bool, isText);
    QFETCH(QByteArray, reply);
    QFETCH(QString, result);

    LibraryEntry entry;
    entry.reply = pattern;
    entry.replyIsText = isText;
    ReplyPattern read;
    QString error;
    if (!ReplyPattern::fromEntry(entry, &read, &error)) {
        QCOMPARE("error: " + error, result);
        return;
    }
    QCOMPARE(read.match(reply).describe(), result);
}

void TestCommandLibrary::damagedLibrary_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");

    const QByteArray good = R"({"name": "A", "hex": "AA {n}", "params": [{"name": "n", "kind": "byte"}]})";
    QTest::newRow("not JSON") << QByteArray("{") << "not valid JSON at byte";
    QTest::newRow("no format") << QByteArray(R"({"version": 1, "entries": []})") << "format: expected";
    QTest::newRow("no version") << QByteArray(R"({"format": "kvr210c-library", "entries": []})")
                                << "version: expected 1";
    QTest::newRow("newer version") << QByteArray(R"({"format": "kvr210c-library", "version": 2, "entries": []})")
                                   << "version: the file is from a newer version";
    QTest::newRow("no entries") << QByteArray(R"({"format": "kvr210c-library", "version": 1})")
                                << "entries: expected a list";
    QTest::newRow("unknown key") << QByteArray(R"({"format": "kvr210c-library", "version": 1, "entries": [], "x": 1})")
                                 << "x: unknown field";
    QTest::newRow("repeated key") << libraryJson(R"({"name": "A", "name": "B", "hex": "AA"})")
                                  << "entries[0].name: appears more than once";
    QTest::newRow("entry not an object") << libraryJson("3") << "entries[0]: expected an object";
    QTest::newRow("no name") << libraryJson(R"({"hex": "AA"})") << "entries[0].name: missing";
    QTest::newRow("name not text") << libraryJson(R"({"name": 1, "hex": "AA"})") << "entries[0].name: expected text";
    QTest::newRow("empty name") << libraryJson(R"({"name": " ", "hex": "AA"})") << "entries[0].name: must not be empty";
    QTest::newRow("control in name") << libraryJson(R"({"name": "A\u0007", "hex": "AA"})")
                                     << "entries[0].name: has control characters";
    QTest::newRow("no template") << libraryJson(R"({"name": "A"})") << "entries[0].hex: missing";
    QTest::newRow("template of blanks") << libraryJson(R"({"name": "A", "hex": "  "})")
                                        << "entries[0].hex: gives no bytes";
    QTest::newRow("hex and text") << libraryJson(R"({"name": "A", "hex": "AA", "text": "x"})")
                                  << "entries[0].text: give hex or text, not both";
    QTest::newRow("unknown entry key") << libraryJson(R"({"name": "A", "hex": "AA", "colour": "red"})")
                                       << "entries[0].colour: unknown field";
    QTest::newRow("same name twice") << libraryJson(good + "," + good)
                                     << "entries[1].name: \"A\" is also the name of entries[0]";
    QTest::newRow("place names no parameter")
        << libraryJson(R"({"name": "A", "hex": "AA {x}"})") << "entries[0].hex: {x} at position 4 names no parameter";
    QTest::newRow("parameter unused") << libraryJson(R"({"name": "A", "hex": "AA",
        "params": [{"name": "n", "kind": "byte"}]})")
                                      << "entries[0].params[0].name: {n} is not used in hex";
    QTest::newRow("brace opens no place")
        << libraryJson(R"({"name": "A", "hex": "AA {n"})") << "entries[0].hex: \"{\" opens no place";
    QTest::newRow("place splits a pair") << libraryJson(R"({"name": "A", "hex": "A{n}A",
        "params": [{"name": "n", "kind": "byte"}]})")
                                         << "entries[0].hex: a byte needs two hex digits at position 1";
    QTest::newRow("param without kind") << libraryJson(R"({"name": "A", "hex": "{n}", "params": [{"name": "n"}]})")
                                        << "entries[0].params[0].kind: missing";
    QTest::newRow("param max not a number") << libraryJson(R"({"name": "A", "hex": "{n}",
        "params": [{"name": "n", "kind": "byte", "max": "4"}]})")
                                            << "entries[0].params[0].max: expected a whole number";
    QTest::newRow("byte beyond 255") << libraryJson(R"({"name": "A", "hex": "{n}",
        "params": [{"name": "n", "kind": "byte", "max": 256}]})")
                                     << "entries[0].params[0].max: expected 0 to 255";
    QTest::newRow("default out of range") << libraryJson(R"({"name": "A", "hex": "{n}",
        "params": [{"name": "n", "kind": "byte", "min": 1, "max": 4, "default": 5}]})")
                                          << "entries[0].params[0].default: expected 1 to 4";
    QTest::newRow("decimal max wider than width") << libraryJson(R"({"name": "A", "text": "{n}",
        "params": [{"name": "n", "kind": "decimal", "max": 100, "width": 2}]})")
                                                  << "entries[0].params[0].max: 100 takes more than 2 digits";
    QTest::newRow("hexdigits without width") << libraryJson(R"({"name": "A", "text": "{n}",
        "params": [{"name": "n", "kind": "hexdigits", "max": 15}]})")
                                             << "entries[0].params[0].width: expected 1 to 8";
    QTest::newRow("unknown rule") << libraryJson(R"({"name": "A", "hex": "AA", "checksum": {"rule": "md5"}})")
                                  << "entries[0].checksum.rule: \"md5\" is not a rule";
    QTest::newRow("unknown order") << libraryJson(R"({"name": "A", "hex": "AA",
        "checksum": {"rule": "sum8", "order": "middle"}})")
                                   << "entries[0].checksum.order: expected big or little";
    QTest::newRow("unknown form") << libraryJson(R"({"name": "A", "hex": "AA",
        "checksum": {"rule": "sum8", "form": "octal"}})")
                                  << "entries[0].checksum.form: expected binary or ascii";
    QTest::newRow("checksum covers nothing") << libraryJson(R"({"name": "A", "hex": "02 03",
        "checksum": {"rule": "sum8", "skip": 1, "trail": 1}})")
                                             << "entries[0]: checksum: skip 1 and trail 1 leave";
    QTest::newRow("line a record cannot hold")
        << libraryJson(R"({"name": "A", "hex": "AA", "line": "9600,9-N-1"})") << "entries[0].line: ";
    QTest::newRow("reply unreadable") << libraryJson(R"({"name": "A", "hex": "AA", "reply": "AA ?"})")
                                      << "entries[0].reply: ";
    QTest::newRow("reply and reply_text") << libraryJson(R"({"name": "A", "hex": "AA", "reply": "AA",
        "reply_text": "OK"})") << "entries[0].reply_text: give reply or reply_text, not both";
    QTest::newRow("bytes beyond the bound")
        << libraryJson(R"({"name": "A", "text": ")" + QByteArray("{n}").repeated(500)
                       + R"(", "params": [{"name": "n", "kind": "decimal", "max": 1000000000}]})")
        << "entries[0]: more than 4096 bytes";
}

void TestCommandLibrary::damagedLibrary()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QList<LibraryEntry> entries{LibraryEntry()};
    QString why;
    QVERIFY(!CommandLibrary::parse(json, &entries, &why));
    QVERIFY2(why.startsWith(error), qPrintable(why));
    QCOMPARE(entries.size(), 1); // nothing of it is used
}

void TestCommandLibrary::oversizedFileRefusedUnread()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.json");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(libraryJson("")) > 0);
    // Sparse: the size is beyond the bound without the bytes being written.
    QVERIFY(file.resize(CommandLibrary::MaxFileBytes + 1));
    file.close();
    QList<LibraryEntry> entries;
    QString error;
    QVERIFY(!CommandLibrary::read(path, &entries, &error));
    QCOMPARE(error,
             QString("cannot read the command library: %1: the input is larger than %2 bytes")
                 .arg(path)
                 .arg(CommandLibrary::MaxFileBytes));
}

void TestCommandLibrary::roundTrip()
{
    const QByteArray json = libraryJson(R"({"name": "Input", "equipment": "Projector", "group": "Input",
        "hex": "AA 02 {input} 00", "params": [{"name": "input", "kind": "byte", "min": 1, "max": 4, "default": 2}],
        "checksum": {"rule": "crc16-modbus", "skip": 1, "trail": 1, "order": "big", "form": "ascii"},
        "line": "9600,8-N-1", "reply": "AA 06 ??", "note": "quotes \" and \\ stay"},
        {"name": "Volume", "text": "VOL {level}{h}\\r",
         "params": [{"name": "level", "kind": "decimal", "max": 100, "width": 3},
                    {"name": "h", "kind": "hexdigits", "width": 2}], "reply_text": "OK\\r"})");
    QList<LibraryEntry> entries;
    QString error;
    QVERIFY2(CommandLibrary::parse(json, &entries, &error), qPrintable(error));
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(1).params.at(1).max, 255);
    QList<LibraryEntry> again;
    QVERIFY2(CommandLibrary::parse(CommandLibrary::toJson(entries), &again, &error), qPrintable(error));
    QVERIFY(again == entries);
    QCOMPARE(CommandLibrary::toJson(again), CommandLibrary::toJson(entries));
}

void TestCommandLibrary::saveOnFullDiskKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("mine.kvrlib.json");
    QList<LibraryEntry> entries{entryFrom(R"({"name": "A", "hex": "AA"})")};
    QString error;
    QVERIFY2(CommandLibrary::save(path, entries, &error), qPrintable(error));
    const QByteArray old = readFile(path);
    for (int i = 0; i < 100; ++i) {
        entries << entries.first();
        entries.last().name = QString("Entry %1").arg(i);
    }

    // A file size limit stands in for a full disk: the old file fits, the new one does not.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous = {};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &previous) == 0);
    rlimit small = previous;
    small.rlim_cur = rlim_t(old.size() + 100);
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    {
        const auto restore = qScopeGuard([&previous] { ::setrlimit(RLIMIT_FSIZE, &previous); });
        QVERIFY(!CommandLibrary::save(path, entries, &error));
    }
    // With the system's reason: the short write is not taken for success.
    QCOMPARE(error, path + ": " + qt_error_string(EFBIG));
    QCOMPARE(readFile(path), old);
}

void TestCommandLibrary::importTable_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QStringList>("result");

    QTest::newRow("a name shared by two models")
        << QByteArray(R"({"Model B": {"baudrate": 19200, "commands": {"power on": [1, 2]}},
                          "Model A": {"baudrate": 9600, "commands": {"power on": [170, 17, 1], "mute": ["0x1A", 2]}}})")
        << QStringList{"mute|Model A|1A 02|9600,8-N-1", "power on (Model A)|Model A|AA 11 01|9600,8-N-1",
                       "power on (Model B)|Model B|01 02|19200,8-N-1"};
    QTest::newRow("a byte beyond 255") << QByteArray(R"({"Model A": {"baudrate": 9600, "commands": {"on": [1, 256]}}})")
                                       << QStringList{"error: \"Model A\".commands.\"on\"[1]: expected a byte"};
    QTest::newRow("a byte that is no hex")
        << QByteArray(R"({"Model A": {"baudrate": 9600, "commands": {"on": ["0xZZ"]}}})")
        << QStringList{"error: \"Model A\".commands.\"on\"[0]: expected a byte"};
    QTest::newRow("no bytes") << QByteArray(R"({"Model A": {"baudrate": 9600, "commands": {"on": []}}})")
                              << QStringList{"error: \"Model A\".commands.\"on\": expected a list of"};
    QTest::newRow("no baud rate") << QByteArray(R"({"Model A": {"commands": {"on": [1]}}})")
                                  << QStringList{"error: \"Model A\".baudrate: missing"};
    QTest::newRow("a baud rate a record cannot hold")
        << QByteArray(R"({"Model A": {"baudrate": 12345, "commands": {"on": [1]}}})")
        << QStringList{"error: \"Model A\".baudrate: "};
    QTest::newRow("unknown key") << QByteArray(R"({"Model A": {"baudrate": 9600, "speed": 1, "commands": {}}})")
                                 << QStringList{"error: \"Model A\".speed: unknown field"};
    QTest::newRow("repeated key") << QByteArray(R"({"M": {"baudrate": 9600, "baudrate": 4800, "commands": {}}})")
                                  << QStringList{"error: M.baudrate: appears more than once"};
}

void TestCommandLibrary::importTable()
{
    QFETCH(QByteArray, table);
    QFETCH(QStringList, result);
    QList<LibraryEntry> entries;
    QString error;
    if (!LibraryImport::fromTable(table, &entries, &error)) {
        QVERIFY2(("error: " + error).startsWith(result.value(0)), qPrintable(error));
        return;
    }
    QStringList summary;
    for (const LibraryEntry& entry : entries) {
        summary << QStringList{entry.name, entry.equipment, entry.hex, entry.line}.join('|');
        QCOMPARE(CommandLibrary::check(entry), QString());
    }
    QCOMPARE(summary, result);
}

void TestCommandLibrary::shippedLibrary_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("modbus example") << "Read holding registers" << QStringList() << hexBytes("01 03 00 00 00 01 84 0A");
    QTest::newRow("modbus ten registers")
        << "Read holding registers" << QStringList{"count=10"} << hexBytes("01 03 00 00 00 0A C5 CD");
    QTest::newRow("coil on") << "Coil on" << QStringList() << hexBytes("01 05 00 00 FF 00 8C 3A");
    QTest::newRow("coil off") << "Coil off" << QStringList() << hexBytes("01 05 00 00 00 00 CD CA");
    QTest::newRow("power on") << "Power on" << QStringList() << hexBytes("50 01 FC 70");
    QTest::newRow("power off") << "Power off" << QStringList() << hexBytes("50 00 3D B0");
    QTest::newRow("input") << "Input" << QStringList{"input=12"} << QByteArray("INPUT 12\r");
    QTest::newRow("volume") << "Volume" << QStringList{"level=5"} << QByteArray("VOL 005\r");
    QTest::newRow("xor frame") << "Set value" << QStringList() << hexBytes("02 53 01 52 03");
    QTest::newRow("ascii checksum") << "Level" << QStringList() << QByteArray("LV001A\r");
}

void TestCommandLibrary::shippedLibrary()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, values);
    QFETCH(QByteArray, bytes);

    const QString path = QStringLiteral(KVR_DATA_DIR "/library/generic.kvrlib.json");
    QList<LibraryEntry> entries;
    QString error;
    QVERIFY2(CommandLibrary::read(path, &entries, &error), qPrintable(error));
    // Written as the program writes a library, so a user's copy saved back reads the same.
    QCOMPARE(CommandLibrary::toJson(entries), readFile(path));
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const LibraryEntry& e) { return e.name == entry; });
    QVERIFY(found != entries.end());
    LibraryCommand::Values given;
    LibraryCommand::Bytes result;
    QVERIFY2(LibraryCommand::parseValues(values, &given, &error)
                 && LibraryCommand::render(*found, given, &result, &error),
             qPrintable(error));
    QCOMPARE(TypedBytes::spacedHex(result.bytes), TypedBytes::spacedHex(bytes));
}

QTEST_GUILESS_MAIN(TestCommandLibrary)
#include "tst_commandlibrary.moc"
