#include "sendcommand.h"

#include "clicommon.h"
#include "commandtrial.h"
#include "devicerecordlayout.h"
#include "interruption.h"
#include "linesettings.h"
#include "traceoption.h"
#include "typedbytes.h"

#include <QCommandLineParser>

using namespace Cli;

namespace {

// Nothing came back within --wait: told apart from a port that cannot be used.
constexpr int ExitNoReply = 3;

int usageError(const QString& message)
{
    printError(message);
    printErr(QStringLiteral("Run \"%1 send --help\" for help.\n").arg(QLatin1String(ProgramName)));
    return ExitUsage;
}

bool wholeNumber(const QCommandLineParser& parser, const QString& name, int min, int max, int* out, QString* error)
{
    if (!parser.isSet(name)) {
        return true;
    }
    bool ok = false;
    const QString text = parser.value(name);
    // The number parser takes blanks around the digits; a value typed so is a mistake.
    const int value = text.trimmed() == text ? text.toInt(&ok) : 0;
    if (!ok || value < min || value > max) {
        *error = QStringLiteral("--%1 must be a whole number from %2 to %3, not \"%4\"")
                     .arg(name)
                     .arg(min)
                     .arg(max)
                     .arg(parser.value(name));
        return false;
    }
    *out = value;
    return true;
}

// --link by its button's label, 13 to 16, or by the layer's number, 2 to 5.
bool linkOption(const QCommandLineParser& parser, int* layer, QString* error)
{
    const QString name = QStringLiteral("link");
    int number = 0;
    if (!parser.isSet(name)) {
        return true;
    }
    if (!wholeNumber(parser, name, DeviceRecordLayout::FirstLink,
                     DeviceRecordLayout::linkButton(DeviceRecordLayout::Links), &number, error)
        || DeviceRecordLayout::linkLayer(number) == 0) {
        *error = QStringLiteral("--link must be %1 to %2 (or %3 to %4), not \"%5\"")
                     .arg(DeviceRecordLayout::FirstLinkButton)
                     .arg(DeviceRecordLayout::linkButton(DeviceRecordLayout::Links))
                     .arg(DeviceRecordLayout::FirstLink)
                     .arg(DeviceRecordLayout::Links)
                     .arg(parser.value(name));
        return false;
    }
    *layer = DeviceRecordLayout::linkLayer(number);
    return true;
}

bool hexOption(const QCommandLineParser& parser, const QString& name, QByteArray* bytes, QString* error)
{
    if (!TypedBytes::fromHex(parser.value(name), bytes, error)) {
        *error = QStringLiteral("--%1 \"%2\": %3").arg(name, parser.value(name), *error);
        return false;
    }
    return true;
}

// "+12 ms    02 4F 4B    \x02OK": a chunk's time, hex and text.
QString chunkLine(const QString& label, const QByteArray& bytes)
{
    return QStringLiteral("%1  %2  %3\n")
        .arg(label, -10)
        .arg(TypedBytes::spacedHex(bytes), TypedBytes::toEscapedText(bytes));
}

// Where the reply first differs from the expected bytes, in words.
QString difference(const QByteArray& reply, const QByteArray& expected)
{
    const qsizetype common = qMin(reply.size(), expected.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (reply.at(i) != expected.at(i)) {
            return QStringLiteral("the reply differs from --expect at byte %1 (counted from 0): %2, expected %3")
                .arg(i)
                .arg(TypedBytes::spacedHex(reply.mid(i, 1)), TypedBytes::spacedHex(expected.mid(i, 1)));
        }
    }
    const auto bytes = [](qsizetype n) {
        return n == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(n);
    };
    return QStringLiteral("the reply has %1, --expect %2").arg(bytes(reply.size()), bytes(expected.size()));
}

} // namespace

namespace SendCommand {

void addOptions(QCommandLineParser* parser)
{
    parser->addOptions({
        {{QStringLiteral("p"), QStringLiteral("port")},
         QStringLiteral("The serial port the equipment is on (a name from \"ports\", or a path)."),
         QStringLiteral("port")},
        {QStringLiteral("key"),
         QStringLiteral("The key whose command is sent (1 to %1).").arg(DeviceRecordLayout::Keys), QStringLiteral("n")},
        {QStringLiteral("link"),
         QStringLiteral("The key's link instead of its first layer (%1 to %2, as \"show\" names them).")
             .arg(DeviceRecordLayout::FirstLinkButton)
             .arg(DeviceRecordLayout::linkButton(DeviceRecordLayout::Links)),
         QStringLiteral("m")},
        {QStringLiteral("second"), QStringLiteral("The key's second layer instead of its first layer.")},
        {QStringLiteral("hex"), QStringLiteral("Send these bytes instead of a record's (\"02 50 4F 4E 03\")."),
         QStringLiteral("bytes")},
        {QStringLiteral("line"),
         QStringLiteral("The line settings for --hex, as BAUD,DATA-PARITY-STOP (default 9600,8-N-1)."),
         QStringLiteral("settings")},
        {QStringLiteral("wait"),
         QStringLiteral("The reply has ended after this long without a byte (%1 to %2, default %3).")
             .arg(CommandTrial::MinQuietMs)
             .arg(CommandTrial::MaxQuietMs)
             .arg(CommandTrial::DefaultQuietMs),
         QStringLiteral("ms")},
        {QStringLiteral("bytes"), QStringLiteral("The reply has ended when this many bytes came."),
         QStringLiteral("n")},
        {QStringLiteral("end"), QStringLiteral("The reply has ended with this byte (\"03\")."), QStringLiteral("hex")},
        {QStringLiteral("expect"), QStringLiteral("Exit with 1 unless the reply is exactly these bytes."),
         QStringLiteral("bytes")},
    });
}

QString details()
{
    return QStringLiteral("\n\nSends one command to the equipment on --port (a projector, a camera, a PLC) with\n"
                          "its line settings, as the device would, and prints the reply. With FILE: the command\n"
                          "of --key N (its first layer), of its --link M or its --second layer, with the\n"
                          "record's baud rate, parity, data bits and stop bits. Without: the bytes of --hex at\n"
                          "--line. The port is opened only for the send and closed after.\n"
                          "Standard output: the bytes sent, each chunk of the reply as it comes (\"+12 ms\",\n"
                          "hex, text), then the whole reply in hex and as text, in which \\r, \\n, \\t, \\\\ and\n"
                          "\\xNN stand for bytes that do not print. The reply ends after --wait without a byte,\n"
                          "when --bytes came, with the --end byte, or at %1 bytes (said as cut).\n"
                          "%2\n"
                          "Exit code 0 for a reply (with --expect: exactly those bytes), 1 for a reply other than\n"
                          "--expect's, 2 for wrong usage, a file that cannot be read, or a port that cannot be\n"
                          "opened or that failed, 3 for no reply within --wait; SIGINT (Ctrl+C) ends a wait at\n"
                          "once (130).")
        .arg(CommandTrial::MaxReplyBytes)
        .arg(LineSettings::deviceKeeps());
}

int run(const QCommandLineParser& parser, const QStringList& positional, const QString& traceFile)
{
    const bool fromFile = !positional.isEmpty();
    if (positional.size() > 1) {
        return usageError(QStringLiteral("send takes one configuration file"));
    }
    if (fromFile == parser.isSet(QStringLiteral("hex"))) {
        return usageError(QStringLiteral("send takes a configuration file with --key, or --hex"));
    }
    if (!parser.isSet(QStringLiteral("port"))) {
        return usageError(QStringLiteral("send needs --port"));
    }
    if (parser.values(QStringLiteral("port")).size() > 1) {
        return usageError(QStringLiteral("send takes one --port"));
    }
    CommandTrial::Request request;
    request.port = parser.value(QStringLiteral("port"));
    QString error;
    QByteArray expected;
    QByteArray end;
    if (!wholeNumber(parser, QStringLiteral("wait"), CommandTrial::MinQuietMs, CommandTrial::MaxQuietMs,
                     &request.quietMs, &error)
        || !wholeNumber(parser, QStringLiteral("bytes"), 1, CommandTrial::MaxReplyBytes, &request.byteCount, &error)
        || (parser.isSet(QStringLiteral("expect")) && !hexOption(parser, QStringLiteral("expect"), &expected, &error))
        || (parser.isSet(QStringLiteral("end")) && !hexOption(parser, QStringLiteral("end"), &end, &error))) {
        return usageError(error);
    }
    if (parser.isSet(QStringLiteral("end"))) {
        if (end.size() != 1) {
            return usageError(QStringLiteral("--end takes one byte, such as 03"));
        }
        request.endByte = uchar(end.at(0));
    }

    QString source;
    if (fromFile) {
        if (parser.isSet(QStringLiteral("line"))) {
            return usageError(QStringLiteral("--line goes with --hex; a record is sent with its own line settings"));
        }
        if (parser.isSet(QStringLiteral("link")) && parser.isSet(QStringLiteral("second"))) {
            return usageError(QStringLiteral("give --link or --second, not both"));
        }
        if (!parser.isSet(QStringLiteral("key"))) {
            return usageError(QStringLiteral("send needs --key with a configuration file"));
        }
        int key = 0;
        int layer = DeviceRecordLayout::FirstLayer;
        if (!wholeNumber(parser, QStringLiteral("key"), 1, DeviceRecordLayout::Keys, &key, &error)
            || !linkOption(parser, &layer, &error)) {
            return usageError(error);
        }
        if (parser.isSet(QStringLiteral("second"))) {
            layer = DeviceRecordLayout::SecondLayer;
        }
        ProgramRecords records;
        makeFreshModel(&records);
        if (!readConfigFileOrReport(positional.constFirst(), &records)) {
            return ExitUsage;
        }
        CommandTrial::RecordCommand command;
        CommandTrial::recordCommand(records, key, layer, &command);
        if (command.bytes.isEmpty()) {
            printError(QStringLiteral("%1 has no command to send").arg(command.name));
            return ExitUsage;
        }
        request.bytes = command.bytes;
        request.line = command.line;
        source = QStringLiteral(" (%1)").arg(command.name);
    } else {
        for (const char* recordOnly : {"key", "link", "second"}) {
            if (parser.isSet(QLatin1String(recordOnly))) {
                return usageError(QStringLiteral("--%1 goes with a configuration file, not --hex").arg(recordOnly));
            }
        }
        if (!hexOption(parser, QStringLiteral("hex"), &request.bytes, &error)) {
            return usageError(error);
        }
        if (parser.isSet(QStringLiteral("line"))
            && !LineSettings::fromText(parser.value(QStringLiteral("line")), &request.line, &error)) {
            return usageError(QStringLiteral("--line ") + error);
        }
    }
    error = CommandTrial::refusal(request);
    if (!error.isEmpty()) {
        return usageError(error);
    }

    std::unique_ptr<LinkTrace> trace;
    if (!TraceOption::open(traceFile, &trace)) {
        return ExitUsage;
    }
    request.trace = trace.get();
    Interruption::install();
    const QString note = fromFile ? LineSettings::deviceMayNotSend(request.line) : QString();
    bool opened = false;
    const CommandTrial::Result result = CommandTrial::run(
        request, [] { return Interruption::requested(); },
        [&](const CommandTrial::Chunk& chunk) {
            const bool sent = chunk.direction == CommandTrial::Direction::Sent;
            // Said once the port has opened and the command is on its way.
            if (!opened) {
                opened = true;
                printOut(QStringLiteral("port %1 at %2%3, %4\n")
                             .arg(request.port, LineSettings::toText(request.line), source,
                                  request.bytes.size() == 1 ? QStringLiteral("1 byte")
                                                            : QStringLiteral("%1 bytes").arg(request.bytes.size())));
                if (!note.isEmpty()) {
                    printErr(QStringLiteral("note: %1\n").arg(note));
                }
            }
            // As it comes, so a long wait shows what has arrived so far.
            printOut(chunkLine(sent ? QStringLiteral("sent") : QStringLiteral("+%1 ms").arg(chunk.ms), chunk.bytes));
        });
    const bool traced = TraceOption::finish(trace.get());
    if (!result.reply.isEmpty()) {
        printOut(chunkLine(QStringLiteral("reply"), result.reply));
    }
    switch (result.outcome) {
    case CommandTrial::Outcome::Replied:
        printOut(QStringLiteral("%1\n").arg(result.describe()));
        break;
    case CommandTrial::Outcome::Cancelled:
        printError(QStringLiteral("stopped by %1").arg(Interruption::signalName()));
        return Interruption::exitCode();
    case CommandTrial::Outcome::Silent:
        printError(result.describe());
        return ExitNoReply;
    default:
        printError(result.describe());
        return ExitUsage;
    }
    if (parser.isSet(QStringLiteral("expect")) && result.reply != expected) {
        printError(difference(result.reply, expected));
        return ExitFailed;
    }
    return traced ? ExitOk : ExitFailed;
}

} // namespace SendCommand
