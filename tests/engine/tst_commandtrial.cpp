// Trying a command on equipment behind a port: what reaches the equipment and
// with which line settings, when the reply is taken to have ended, and what is
// refused before anything is opened.
#include "commandtrial.h"
#include "devicerecordlayout.h"
#include "linesettings.h"
#include "ptypeer.h"
#include "testrecords.h"
#include "typedbytes.h"

#include <QtTest>

using End = CommandTrial::End;
using Outcome = CommandTrial::Outcome;
using Parts = QList<PtyPeer::Part>;

Q_DECLARE_METATYPE(UartData)

class TestCommandTrial : public QObject
{
    Q_OBJECT

private slots:
    void sendsRecordAtItsLineSettings_data();
    void sendsRecordAtItsLineSettings();
    void endsReply_data();
    void endsReply();
    void cancelEndsLongWait();
    void refuses_data();
    void refuses();
    void realNodeFollowsLinks_data();
    void realNodeFollowsLinks();
    void readsTypedBytes_data();
    void readsTypedBytes();
    void readsLineSettings_data();
    void readsLineSettings();
};

void TestCommandTrial::sendsRecordAtItsLineSettings_data()
{
    QTest::addColumn<int>("layer");
    QTest::addColumn<UartData>("line");
    QTest::addColumn<qint32>("baud");
    QTest::addColumn<QSerialPort::DataBits>("dataBits");
    QTest::addColumn<QSerialPort::Parity>("parity");
    QTest::addColumn<QSerialPort::StopBits>("stopBits");

    // The pseudo-terminal keeps speed, two stop bits and odd parity; the port
    // object reports the rest.
    QTest::newRow("first layer, 9600,8-N-1")
        << 1 << uart(2, 0, 3, 0) << 9600 << QSerialPort::Data8 << QSerialPort::NoParity << QSerialPort::OneStop;
    QTest::newRow("second layer, 19200,7-E-2")
        << 6 << uart(4, 2, 2, 1) << 19200 << QSerialPort::Data7 << QSerialPort::EvenParity << QSerialPort::TwoStop;
    QTest::newRow("link, 2400,8-O-1") << 3 << uart(0, 1, 3, 0) << 2400 << QSerialPort::Data8 << QSerialPort::OddParity
                                      << QSerialPort::OneStop;
    QTest::newRow("link, 14400,8-O-2") << 2 << uart(3, 1, 3, 1) << 14400 << QSerialPort::Data8 << QSerialPort::OddParity
                                       << QSerialPort::TwoStop;
    QTest::newRow("second layer, 28800,5-M-1")
        << 6 << uart(5, 4, 0, 0) << 28800 << QSerialPort::Data5 << QSerialPort::MarkParity << QSerialPort::OneStop;
    QTest::newRow("first layer, 115200,6-S-2")
        << 1 << uart(7, 3, 1, 1) << 115200 << QSerialPort::Data6 << QSerialPort::SpaceParity << QSerialPort::TwoStop;
}

void TestCommandTrial::sendsRecordAtItsLineSettings()
{
    QFETCH(int, layer);
    QFETCH(UartData, line);
    QFETCH(qint32, baud);
    QFETCH(QSerialPort::DataBits, dataBits);
    QFETCH(QSerialPort::Parity, parity);
    QFETCH(QSerialPort::StopBits, stopBits);

    ProgramRecords records;
    records.newData(6, 5);
    const QString command = QStringLiteral("02504F4E03");
    if (layer == DeviceRecordLayout::SecondLayer) {
        records.getButtonData(4)->setSecondLayerCommand(command);
        records.getButtonData(4)->setSecondLayerUartData(&line);
    } else {
        records.getDataObject(4, layer)->setCommand(command);
        records.getDataObject(4, layer)->setUartData(&line);
    }

    CommandTrial::RecordCommand sent;
    QVERIFY(CommandTrial::recordCommand(records, 4, layer, &sent));
    PtyPeer projector(PtyPeer::Mode::Silent);
    const QByteArray reply("\x02OK\x00\xFF\x03", 6);
    projector.answer(QByteArray::fromHex("02504F4E03"), {{30, reply}});
    QVERIFY(projector.open());

    CommandTrial::Request request;
    request.port = projector.portName();
    request.bytes = sent.bytes;
    request.line = sent.line;
    const CommandTrial::Result result = CommandTrial::run(request);

    QVERIFY2(result.replied(), qPrintable(result.describe()));
    QCOMPARE(projector.received(), QByteArray::fromHex("02504F4E03"));
    QCOMPARE(result.reply, reply);
    QVERIFY(result.firstByteMs >= 30);
    QCOMPARE(result.line.baudRate, baud);
    QCOMPARE(result.line.dataBits, dataBits);
    QCOMPARE(result.line.parity, parity);
    QCOMPARE(result.line.stopBits, stopBits);
    QCOMPARE(projector.line().speed, quint32(baud));
    QCOMPARE(projector.line().twoStopBits, stopBits == QSerialPort::TwoStop);
    // Mark parity is odd parity with the stick bit, which the terminal drops.
    QCOMPARE(projector.line().oddParity, parity == QSerialPort::OddParity || parity == QSerialPort::MarkParity);
}

void TestCommandTrial::endsReply_data()
{
    QTest::addColumn<Parts>("parts");
    QTest::addColumn<int>("quietMs");
    QTest::addColumn<int>("byteCount");
    QTest::addColumn<int>("endByte");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<End>("end");
    // The trial may not end before this (since the send) ...
    QTest::addColumn<int>("leastMs");
    QTest::addColumn<QByteArray>("stale"); // waiting in the port before the trial

    QTest::newRow("a reply in two parts, then quiet")
        << Parts{{10, "AB"}, {100, "CD"}} << 300 << 0 << -1 << QByteArray("ABCD") << End::Quiet << 410 << QByteArray();
    QTest::newRow("as many bytes as asked")
        << Parts{{10, "ABCDEF"}} << 5000 << 3 << -1 << QByteArray("ABC") << End::Count << 10 << QByteArray();
    QTest::newRow("up to the end byte") << Parts{{10, "OK\r\nMORE"}} << 5000 << 0 << 0x0A << QByteArray("OK\r\n")
                                        << End::EndByte << 10 << QByteArray();
    QTest::newRow("silent") << Parts() << 300 << 0 << -1 << QByteArray() << End::Quiet << 300 << QByteArray();
    QTest::newRow("stale input is no reply")
        << Parts{{10, "OK"}} << 300 << 0 << -1 << QByteArray("OK") << End::Quiet << 310 << QByteArray("STALE\r\n");
    const QByteArray flood(CommandTrial::MaxReplyBytes + 1000, 'x');
    QTest::newRow("cut at the limit") << Parts{{0, flood}} << 5000 << 0 << -1 << flood.left(CommandTrial::MaxReplyBytes)
                                      << End::Cut << 0 << QByteArray();
}

void TestCommandTrial::endsReply()
{
    QFETCH(Parts, parts);
    QFETCH(int, quietMs);
    QFETCH(int, byteCount);
    QFETCH(int, endByte);
    QFETCH(QByteArray, reply);
    QFETCH(End, end);
    QFETCH(int, leastMs);
    QFETCH(QByteArray, stale);

    PtyPeer camera(PtyPeer::Mode::Silent);
    if (!parts.isEmpty()) {
        camera.answer("?", parts);
    }
    QVERIFY(camera.open());
    camera.say(stale);
    CommandTrial::Request request;
    request.port = camera.portName();
    request.bytes = "?";
    request.quietMs = quietMs;
    request.byteCount = byteCount;
    request.endByte = endByte;
    const CommandTrial::Result result = CommandTrial::run(request);

    QCOMPARE(result.outcome, reply.isEmpty() ? Outcome::Silent : Outcome::Replied);
    QVERIFY(result.ok && result.done == result.describe());
    QCOMPARE(result.reply, reply);
    QCOMPARE(result.end, end);
    QVERIFY2(result.endMs >= leastMs, qPrintable(QString::number(result.endMs)));
    if (reply.isEmpty()) {
        QVERIFY2(result.endMs <= quietMs + 100, qPrintable(QString::number(result.endMs)));
        QCOMPARE(result.describe(), QStringLiteral("no reply within 300 ms"));
    }
    // The chunks are the wire: the send, then the reply as it came.
    QByteArray received;
    for (const CommandTrial::Chunk& chunk : result.chunks.mid(1)) {
        QCOMPARE(chunk.direction, CommandTrial::Direction::Received);
        received += chunk.bytes;
    }
    QCOMPARE(result.chunks.value(0).bytes, QByteArray("?"));
    QCOMPARE(received, reply);
}

void TestCommandTrial::cancelEndsLongWait()
{
    PtyPeer silent(PtyPeer::Mode::Silent);
    QVERIFY(silent.open());
    CommandTrial::Request request;
    request.port = silent.portName();
    request.bytes = "?";
    request.quietMs = CommandTrial::MaxQuietMs;
    QElapsedTimer clock;
    clock.start();
    int chunks = 0;
    const CommandTrial::Result result = CommandTrial::run(
        request, [&clock] { return clock.elapsed() > 200; }, [&chunks](const CommandTrial::Chunk&) { ++chunks; });
    QCOMPARE(result.outcome, Outcome::Cancelled);
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(chunks, 1);
}

void TestCommandTrial::refuses_data()
{
    QTest::addColumn<QString>("busyPort");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("quietMs");
    QTest::addColumn<QString>("port"); // empty: the peer's
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("says");

    QTest::newRow("the device's port") << QStringLiteral("peer") << QByteArray("?") << 500 << QString()
                                       << Outcome::Refused << QStringLiteral("the device is connected on");
    QTest::newRow("the device's port through a link")
        << QStringLiteral("peer") << QByteArray("?") << 500 << QStringLiteral("LINK") << Outcome::Refused
        << QStringLiteral("the device is connected on");
    QTest::newRow("nothing to send") << QString() << QByteArray() << 500 << QString() << Outcome::Refused
                                     << QStringLiteral("nothing to send");
    QTest::newRow("a wait over a minute")
        << QString() << QByteArray("?") << 60001 << QString() << Outcome::Refused << QStringLiteral("10 to 60000 ms");
    QTest::newRow("no such port") << QString() << QByteArray("?") << 500 << QStringLiteral("/dev/kvr-no-such-port")
                                  << Outcome::NotOpened
                                  << QStringLiteral("The port /dev/kvr-no-such-port could not be opened");
}

void TestCommandTrial::refuses()
{
    QFETCH(QString, busyPort);
    QFETCH(QByteArray, bytes);
    QFETCH(int, quietMs);
    QFETCH(QString, port);
    QFETCH(Outcome, outcome);
    QFETCH(QString, says);

    PtyPeer device(PtyPeer::Mode::Silent);
    QVERIFY(device.open());
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("by-id-equipment"));
    QVERIFY(QFile::link(device.portName(), link));
    CommandTrial::Request request;
    request.port = port.isEmpty() ? device.portName() : port == QLatin1String("LINK") ? link : port;
    // The device's port by another name than the trial's.
    request.busyPort = busyPort.isEmpty() ? QString() : device.portName().mid(int(qstrlen("/dev/")));
    request.bytes = bytes;
    request.quietMs = quietMs;
    const CommandTrial::Result result = CommandTrial::run(request);
    QCOMPARE(result.outcome, outcome);
    QVERIFY(!result.ok && result.done.isEmpty());
    QVERIFY2(result.describe().contains(says), qPrintable(result.describe()));
    QVERIFY(device.received().isEmpty());
}

void TestCommandTrial::realNodeFollowsLinks_data()
{
    QTest::addColumn<QString>("name"); // SHORT: a pseudo-terminal's without /dev, LINK2, RELATIVE: links to it
    QTest::addColumn<QString>("node"); // empty: the pseudo-terminal's

    QTest::newRow("a name under /dev") << QStringLiteral("SHORT") << QString();
    QTest::newRow("a link to a link") << QStringLiteral("LINK2") << QString();
    QTest::newRow("a relative link") << QStringLiteral("RELATIVE") << QString();
    QTest::newRow("no such node") << QStringLiteral("/dev/kvr-no-such-port") << QStringLiteral("/dev/kvr-no-such-port");
}

void TestCommandTrial::realNodeFollowsLinks()
{
    QFETCH(QString, name);
    QFETCH(QString, node);

    PtyPeer peer(PtyPeer::Mode::Silent);
    QVERIFY(peer.open());
    QTemporaryDir dir;
    QVERIFY(QFile::link(peer.portName(), dir.filePath(QStringLiteral("LINK"))));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("LINK")), dir.filePath(QStringLiteral("LINK2"))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("by-id")));
    QVERIFY(QFile::link(QStringLiteral("../LINK2"), dir.filePath(QStringLiteral("by-id/RELATIVE"))));
    const QString given = name == QLatin1String("SHORT") ? peer.portName().mid(int(qstrlen("/dev/")))
        : name == QLatin1String("RELATIVE")              ? dir.filePath(QStringLiteral("by-id/RELATIVE"))
        : name == QLatin1String("LINK2")                 ? dir.filePath(name)
                                                         : name;
    QCOMPARE(SerialLink::realNode(given), node.isEmpty() ? peer.portName() : node);
}

void TestCommandTrial::readsTypedBytes_data()
{
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    QTest::newRow("escapes") << false << QStringLiteral("\\x02ON\\r") << QByteArray::fromHex("024F4E0D") << QString();
    QTest::newRow("every escape") << false << QStringLiteral("a\\n\\t\\\\\\xfF") << QByteArray("a\n\t\\\xFF")
                                  << QString();
    QTest::newRow("unknown escape") << false << QStringLiteral("AB\\q") << QByteArray()
                                    << QStringLiteral(
                                           "unknown escape (use \\r, \\n, \\t, \\\\ or \\xNN) at position 3");
    QTest::newRow("cut \\x") << false << QStringLiteral("\\x2") << QByteArray()
                             << QStringLiteral("\\x needs two hex digits at position 1");
    QTest::newRow("beyond Latin-1") << false << QStringLiteral("A\u20AC") << QByteArray()
                                    << QStringLiteral("\"\u20AC\" is not a single byte at position 2");
    QTest::newRow("hex pairs") << true << QStringLiteral(" 02 50 4f4E 03 ") << QByteArray::fromHex("02504F4E03")
                               << QString();
    QTest::newRow("not a hex digit") << true << QStringLiteral("02 5G") << QByteArray()
                                     << QStringLiteral("\"G\" is not a hex digit at position 5");
    QTest::newRow("odd digit") << true << QStringLiteral("02 5") << QByteArray()
                               << QStringLiteral("a byte needs two hex digits at position 4");
    QTest::newRow("text as hex") << true << QStringLiteral("ON") << QByteArray()
                                 << QStringLiteral("\"O\" is not a hex digit at position 1");
}

void TestCommandTrial::readsTypedBytes()
{
    QFETCH(bool, hex);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);

    QByteArray read("unchanged");
    QString why;
    const bool ok = hex ? TypedBytes::fromHex(text, &read, &why) : TypedBytes::fromEscapedText(text, &read, &why);
    QCOMPARE(why, error);
    QCOMPARE(ok, error.isEmpty());
    QCOMPARE(read, ok ? bytes : QByteArray("unchanged"));
    if (ok) {
        // What the log shows reads back as the same bytes.
        QByteArray again;
        QVERIFY(TypedBytes::fromEscapedText(TypedBytes::toEscapedText(bytes), &again, &why));
        QCOMPARE(again, bytes);
    }
}

void TestCommandTrial::readsLineSettings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("shown"); // as the key panel shows it

    QTest::newRow("8-N-1") << QStringLiteral("9600,8-N-1") << true << QStringLiteral("9600,8-N-1");
    QTest::newRow("lower case") << QStringLiteral("14400,7-e-2") << true << QStringLiteral("14400,7-E-2");
    QTest::newRow("mark") << QStringLiteral(" 115200,5-M-1") << true << QStringLiteral("115200,5-M-1");
    QTest::newRow("a rate no record holds") << QStringLiteral("9601,8-N-1") << false << QString();
    QTest::newRow("nine data bits") << QStringLiteral("9600,9-N-1") << false << QString();
    QTest::newRow("no parity letter") << QStringLiteral("9600,8-1") << false << QString();
}

void TestCommandTrial::readsLineSettings()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, shown);
    UartData line;
    QString error;
    QCOMPARE(LineSettings::fromText(text, &line, &error), ok);
    QCOMPARE(error.isEmpty(), ok);
    if (ok) {
        QCOMPARE(LineSettings::toText(line), shown);
    }
}

QTEST_GUILESS_MAIN(TestCommandTrial)
#include "tst_commandtrial.moc"
