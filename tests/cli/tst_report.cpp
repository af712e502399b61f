// The production record: report lines that land whole or not at all, on a
// full disk too, and the summary's reading of lines that were cut off.
#include "cliprocess.h"
#include "reportappend.h"
#include "reportsummary.h"
#include "runreport.h"
#include "testfiles.h"

#include <QtTest>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {

const QByteArray reportLine =
    R"({"command":"store","end":"e","file":"a.app","port":"p","result":"stored","start":"s"})";

// A line of a run on `port`; without `slot` as written before slots.
QByteArray lineOn(const QByteArray& port, const QByteArray& slot, const QByteArray& result)
{
    QJsonObject line{{"command", "store"},        {"end", "e"},  {"file", "a.app"}, {"port", QString(port)},
                     {"result", QString(result)}, {"start", "s"}};
    if (!slot.isEmpty()) {
        line["slot"] = QString(slot);
    }
    return QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
}

// A line of a run with one field as given.
QByteArray lineWith(const QString& field, const QString& value)
{
    QJsonObject line = QJsonDocument::fromJson(reportLine).object();
    line[field] = value;
    return QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void aLineIsAppendedWholeOrNotAtAll_data();
    void aLineIsAppendedWholeOrNotAtAll();
    void aLineStartsALineOfItsOwn_data();
    void aLineStartsALineOfItsOwn();
    void usbIdsAreInHex_data();
    void usbIdsAreInHex();
    void summaryNamesCutOffLines_data();
    void summaryNamesCutOffLines();
    void summaryPrintsNoControlCharacters_data();
    void summaryPrintsNoControlCharacters();
    void summaryBySlot_data();
    void summaryBySlot();
    void linesInMemoryCountAsTheFile_data();
    void linesInMemoryCountAsTheFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestReport::initTestCase()
{
    // A write past the file size limit fails instead of ending the test, as in the companion.
    std::signal(SIGXFSZ, SIG_IGN);
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestReport::aLineIsAppendedWholeOrNotAtAll_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("said");
    QTest::newRow("file size limit") << false << "the file has reached the size this run may write";
    QTest::newRow("full disk") << true << "the disk is full (";
}

// The line is longer than the room left, so the system takes part of it.
void TestReport::aLineIsAppendedWholeOrNotAtAll()
{
    QFETCH(bool, fullDisk);
    QFETCH(QString, said);
    const QString folder = m_dir->filePath(QTest::currentDataTag());
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/log.jsonl";
    const QByteArray before = reportLine + '\n';
    const QByteArray line = QByteArray(6000, 'x') + '\n';

    rlimit limit = {};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &limit) == 0);
    const rlimit unlimited = limit;
    const auto restore = qScopeGuard([&] {
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    });
    if (fullDisk) {
        // Four pages: the report's first, the rest taken by another file.
        if (::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=16k") != 0) {
            QSKIP("no tmpfs can be mounted here");
        }
        QVERIFY(writeFile(path, before));
        QFile filler(folder + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'f')) == 4096) {
        }
    } else {
        QVERIFY(writeFile(path, before));
        limit.rlim_cur = rlim_t(before.size() + 1000);
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    }

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered));
    QString error;
    QVERIFY(!ReportAppend::append(&file, line, &error));
    QVERIFY2(error.startsWith(said), qPrintable(error));
    QCOMPARE(readFile(path), before);

    // With room again the next line is whole, on a line of its own.
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &unlimited) == 0);
    QVERIFY(!fullDisk || QFile::remove(folder + "/filler"));
    QVERIFY2(ReportAppend::append(&file, line, &error), qPrintable(error));
    QCOMPARE(readFile(path), before + line);
}

void TestReport::aLineStartsALineOfItsOwn_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("kept");
    QTest::newRow("new file") << QByteArray() << QByteArray();
    QTest::newRow("whole lines") << QByteArray("old\n") << QByteArray("old\n");
    QTest::newRow("last line cut off") << QByteArray("{\"comm") << QByteArray("{\"comm\n");
}

void TestReport::aLineStartsALineOfItsOwn()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, kept);
    const QString path = m_dir->filePath("own.jsonl");
    QVERIFY(writeFile(path, before));
    RunReport report(path);
    QString error;
    QVERIFY2(report.open(&error), qPrintable(error));
    PortSession::Outcome outcome;
    outcome.port = "ttyUSB0";
    QVERIFY2(report.append("store", RunReport::Program("a.app", "bytes"), outcome, &error), qPrintable(error));
    const QByteArray after = readFile(path);
    QVERIFY2(after.startsWith(kept) && after.endsWith('\n'), after.constData());
    const QByteArray line = after.mid(kept.size()).chopped(1);
    QVERIFY2(!line.contains('\n') && QJsonDocument::fromJson(line).isObject(), after.constData());
}

void TestReport::usbIdsAreInHex_data()
{
    QTest::addColumn<int>("vendorId");
    QTest::addColumn<int>("productId");
    QTest::addColumn<QJsonValue>("vendor");
    QTest::addColumn<QJsonValue>("product");
    // As lsusb and the system show them, so a line is matched to an adapter.
    QTest::newRow("FTDI") << 0x0403 << 0x6001 << QJsonValue("0403") << QJsonValue("6001");
    QTest::newRow("letters") << 0x1a86 << 0x7523 << QJsonValue("1a86") << QJsonValue("7523");
    QTest::newRow("unknown") << -1 << -1 << QJsonValue() << QJsonValue();
}

void TestReport::usbIdsAreInHex()
{
    QFETCH(int, vendorId);
    QFETCH(int, productId);
    PortSession::Outcome outcome;
    outcome.port = "ttyUSB0";
    outcome.identity.vendorId = vendorId;
    outcome.identity.productId = productId;
    const QJsonObject line = RunReport::toJson("store", RunReport::Program("a.app", "bytes"), outcome);
    QTEST(line["vendor_id"], "vendor");
    QTEST(line["product_id"], "product");
}

void TestReport::summaryNamesCutOffLines_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<int>("counted");
    QTest::addColumn<QStringList>("cutOff");
    const QByteArray half = reportLine.left(40);
    QTest::newRow("last line cut off") << reportLine + '\n' + half << 1 << QStringList{"r.jsonl, line 2"};
    // As the next run leaves a line torn inside {"command": (it ends it first).
    QTest::newRow("cut in its start, ended by the next run") << reportLine + "\n{\"comm\n" + reportLine + '\n'
                                                             << 2 << QStringList{"r.jsonl, line 2"};
    QTest::newRow("whole last line without its end") << reportLine + '\n' + reportLine << 2 << QStringList();
    QTest::newRow("cut line ended by the next run") << half + '\n' + reportLine + '\n'
                                                    << 1 << QStringList{"r.jsonl, line 1"};
    // An older version appended the next run's line onto the cut one.
    QTest::newRow("next line glued on") << half + reportLine + '\n' + reportLine + '\n'
                                        << 2 << QStringList{"r.jsonl, line 1"};
}

void TestReport::summaryNamesCutOffLines()
{
    QFETCH(QByteArray, report);
    QFETCH(int, counted);
    QFETCH(QStringList, cutOff);
    QVERIFY(writeFile(m_dir->filePath("r.jsonl"), report));
    QVERIFY(QDir::setCurrent(m_dir->path()));
    ReportSummary summary;
    QString error;
    QVERIFY2(summary.add("r.jsonl", &error), qPrintable(error));
    QCOMPARE(summary.lines(), counted);
    QCOMPARE(summary.cutOffLines(), cutOff);
    QCOMPARE(summary.text().contains("cut off"), !cutOff.isEmpty());
}

void TestReport::summaryPrintsNoControlCharacters_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<ReportSummary::Grouping>("grouping");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("notShown");
    const auto bySlot = ReportSummary::Grouping::Slot;
    const auto byConfig = ReportSummary::Grouping::Configuration;
    QTest::newRow("terminal escape in a file name")
        << lineWith("file", "a\u001b]2;owned\u0007.app") << byConfig << "a\\u001b]2;owned\\u0007.app"
        << "";
    QTest::newRow("forged line in a slot")
        << lineOn("p", "A1\n  B9\n    stored  99", "stored") << bySlot << "A1\\u000a  B9\\u000a    stored  99\n"
        << "\n  B9\n";
    QTest::newRow("carriage return in a port") << lineOn("A1\rZ9", "", "failed") << bySlot << "A1\\u000dZ9"
                                               << "";
    QTest::newRow("C1 control in a result") << lineOn("p", "A1", "stored\u009b2J") << bySlot << "stored\\u009b2J"
                                            << "";
    QTest::newRow("direction turned in a name") << lineWith("file", "x\u202eppa.exe") << byConfig << "x\\u202eppa.exe"
                                                << "";
    QTest::newRow("a long result pads no other line")
        << lineOn("p", "A1", QByteArray(4000, 'x')) + lineOn("p", "A1", "stored") << bySlot << "    stored  1\n"
        << "stored" + QString(40, ' ');
}

// A shared report must not write on the terminal of the person who reads its summary.
void TestReport::summaryPrintsNoControlCharacters()
{
    QFETCH(QByteArray, report);
    QFETCH(ReportSummary::Grouping, grouping);
    QFETCH(QString, shown);
    QFETCH(QString, notShown);
    QVERIFY(writeFile(m_dir->filePath("shared.jsonl"), report));
    ReportSummary summary(grouping);
    QString error;
    QVERIFY2(summary.add(m_dir->filePath("shared.jsonl"), &error), qPrintable(error));
    const QString text = summary.text();
    QVERIFY2(text.contains(shown), qPrintable(text));
    QVERIFY2(notShown.isEmpty() || !text.contains(notShown), qPrintable(text));
    for (const QChar c : text) {
        QVERIFY2(c == '\n' || !(c.category() == QChar::Other_Control || c == QChar(0x202e)),
                 qPrintable(QString::number(c.unicode(), 16)));
    }
}

void TestReport::summaryBySlot_data()
{
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out"); // how it starts
    // Lines with slots and an older one without, by its port.
    const QByteArray mixed = lineOn("p1", "A1", "stored") + lineOn("p2", "A2", "failed") + lineOn("p1", "", "stored")
        + lineOn("p1", "A1", "failed");
    const QByteArray total = "All files:\n"
                             "  stored  2\n"
                             "  failed  2\n"
                             "  total   4\n";
    QTest::newRow("mixed") << mixed << QStringList{"--by", "slot"} << 0
                           << "Per slot:\n"
                              "  A1\n"
                              "    stored  1\n"
                              "    failed  1\n"
                              "    total   2\n"
                              "  A2\n"
                              "    failed  1\n"
                              "    total   1\n"
                              "  p1\n"
                              "    stored  1\n"
                              "    total   1\n"
            + total;
    const QByteArray byConfig = "Per file:\n  a.app (no checksum recorded)\n    stored  2\n";
    QTest::newRow("by config") << mixed << QStringList{"--by", "config"} << 0 << byConfig;
    QTest::newRow("config by default") << mixed << QStringList() << 0 << byConfig;
    QTest::newRow("unknown grouping") << mixed << QStringList{"--by", "port"} << 2 << QByteArray();
}

void TestReport::summaryBySlot()
{
    QFETCH(QByteArray, report);
    QFETCH(QStringList, options);
    QVERIFY(writeFile(m_dir->filePath("slots.jsonl"), report));
    const CliRun run = runCli(KVR_CLI_PATH,
                              QStringList{"summary"} + options + QStringList{m_dir->filePath("slots.jsonl")}, 10000);
    QVERIFY2(run.finished, qPrintable(run.err));
    QTEST(run.exitCode, "exitCode");
    QFETCH(QByteArray, out);
    QVERIFY2(run.out.startsWith(out) && run.out.endsWith(out.isEmpty() ? "" : "  total   4\n"), run.out.constData());
    QCOMPARE(run.err.contains("--by takes config, slot or station"), run.exitCode == 2);
}

void TestReport::linesInMemoryCountAsTheFile_data()
{
    QTest::addColumn<ReportSummary::Grouping>("grouping");
    QTest::newRow("by config") << ReportSummary::Grouping::Configuration;
    QTest::newRow("by slot") << ReportSummary::Grouping::Slot;
}

// What a station prints at the end of a shift from the lines it wrote.
void TestReport::linesInMemoryCountAsTheFile()
{
    QFETCH(ReportSummary::Grouping, grouping);
    PortSession::Outcome outcome;
    outcome.port = "ttyUSB1";
    outcome.ok = outcome.stored = outcome.verified = true;
    const RunReport::Program program("b.app", "b");
    // A run without slots names the port as the slot.
    QCOMPARE(RunReport::toJson("store", program, outcome)["slot"], QJsonValue("ttyUSB1"));
    outcome.slot = "B2";
    const QList<QByteArray> lines{
        reportLine, lineOn("p2", "", "failed"), lineOn("p1", "B2", "interrupted"),
        QJsonDocument(RunReport::toJson("store", program, outcome)).toJson(QJsonDocument::Compact)};
    QVERIFY(writeFile(m_dir->filePath("shift.jsonl"), lines.join('\n')));
    ReportSummary fromFile(grouping);
    ReportSummary inMemory(grouping);
    QString error;
    QVERIFY2(fromFile.add(m_dir->filePath("shift.jsonl"), &error), qPrintable(error));
    for (const QByteArray& line : lines) {
        QVERIFY2(inMemory.addLine(line, &error), qPrintable(error));
    }
    QVERIFY(!inMemory.addLine("{\"port\":\"p\"}", &error));
    QCOMPARE(error, QString("not a report line (no \"command\")"));
    QCOMPARE(inMemory.lines(), 4);
    QCOMPARE(inMemory.text(), fromFile.text());
    QCOMPARE(inMemory.text().count("  B2\n"), grouping == ReportSummary::Grouping::Slot ? 1 : 0);
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
