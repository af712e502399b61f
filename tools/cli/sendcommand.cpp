#include "sendcommand.h"

#include "clicommon.h"
#include "commandtable.h"
#include "commandtrial.h"
#include "devicerecordlayout.h"
#include "interruption.h"
#include "linesettings.h"
#include "playkey.h"
#include "traceoption.h"
#include "typedbytes.h"

#include <QCommandLineParser>

using namespace Cli;
using SendCommand::chunkText;

namespace {

// Nothing came back within --wait: told apart from a port that cannot be used.
constexpr int ExitNoReply = 3;

// Usage errors point to "send --help".
constexpr QLatin1String Send("send");

// What send sends, where, and what it takes for the reply's end.
struct Plan {
    CommandTrial::Request request;
    QByteArray expected; // --expect
    QString source; // " (Key 2, link 14)": where the bytes came from
};

// --link by its button's label, 13 to 16, or by the layer's number, 2 to 5.
bool linkOption(const QCommandLineParser& parser, int* layer, QString* error)
{
    const QCommandLineOption option = commandLineOption(Option::Link);
    int number = 0;
    if (!parser.isSet(option)) {
        return true;
    }
    if (!boundedNumber(parser, option, DeviceRecordLayout::FirstLink,
                       DeviceRecordLayout::linkButton(DeviceRecordLayout::Links), &number, error)
        || DeviceRecordLayout::linkLayer(number) == 0) {
        *error = QStringLiteral("--link must be %1 to %2 (or %3 to %4), not \"%5\"")
                     .arg(DeviceRecordLayout::FirstLinkButton)
                     .arg(DeviceRecordLayout::linkButton(DeviceRecordLayout::Links))
                     .arg(DeviceRecordLayout::FirstLink)
                     .arg(DeviceRecordLayout::Links)
                     .arg(parser.value(option));
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

// --wait, --bytes, --end and --expect: when the reply has ended, and what it should be.
bool readReplyOptions(const QCommandLineParser& parser, Plan* plan, QString* error)
{
    QByteArray end;
    if (!boundedNumber(parser, commandLineOption(Option::Wait), CommandTrial::MinQuietMs, CommandTrial::MaxQuietMs,
                       &plan->request.quietMs, error)
        || !boundedNumber(parser, commandLineOption(Option::Bytes), 1, CommandTrial::MaxReplyBytes,
                          &plan->request.byteCount, error)
        || (parser.isSet(QStringLiteral("expect"))
            && !hexOption(parser, QStringLiteral("expect"), &plan->expected, error))
        || (parser.isSet(QStringLiteral("end")) && !hexOption(parser, QStringLiteral("end"), &end, error))) {
        return false;
    }
    if (parser.isSet(QStringLiteral("end"))) {
        if (end.size() != 1) {
            *error = QStringLiteral("--end takes one byte, such as 03");
            return false;
        }
        plan->request.endByte = uchar(end.at(0));
    }
    return true;
}

// FILE --key N [--link M | --second]: the record's command at its own line
// settings. ExitOk, or the exit code once the reason is said.
int readRecord(const QCommandLineParser& parser, const QString& file, Plan* plan)
{
    if (parser.isSet(QStringLiteral("line"))) {
        return usageError(QStringLiteral("--line goes with --hex; a record is sent with its own line settings"), Send);
    }
    if (parser.isSet(QStringLiteral("link")) && parser.isSet(QStringLiteral("second"))) {
        return usageError(QStringLiteral("give --link or --second, not both"), Send);
    }
    if (!parser.isSet(QStringLiteral("key"))) {
        return usageError(QStringLiteral("send needs --key with a configuration file"), Send);
    }
    int key = 0;
    int layer = DeviceRecordLayout::FirstLayer;
    QString error;
    if (!boundedNumber(parser, commandLineOption(Option::Key), 1, DeviceRecordLayout::Keys, &key, &error)
        || !linkOption(parser, &layer, &error)) {
        return usageError(error, Send);
    }
    if (parser.isSet(QStringLiteral("second"))) {
        layer = DeviceRecordLayout::SecondLayer;
    }
    ProgramRecords records;
    makeFreshModel(&records);
    if (!readConfigFileOrReport(file, &records)) {
        return ExitUsage;
    }
    CommandTrial::RecordCommand command;
    CommandTrial::recordCommand(records, key, layer, &command);
    if (command.bytes.isEmpty()) {
        printError(QStringLiteral("%1 has no command to send").arg(command.name));
        return ExitUsage;
    }
    plan->request.bytes = command.bytes;
    plan->request.line = command.line;
    plan->source = QStringLiteral(" (%1)").arg(command.name);
    return ExitOk;
}

// --hex [--line]: the bytes given, at the line settings given.
int readBytes(const QCommandLineParser& parser, Plan* plan)
{
    for (const char* recordOnly : {"key", "link", "second"}) {
        if (parser.isSet(QLatin1String(recordOnly))) {
            return usageError(QStringLiteral("--%1 goes with a configuration file, not --hex").arg(recordOnly), Send);
        }
    }
    QString error;
    if (!hexOption(parser, QStringLiteral("hex"), &plan->request.bytes, &error)) {
        return usageError(error, Send);
    }
    if (parser.isSet(QStringLiteral("line"))
        && !LineSettings::fromText(parser.value(QStringLiteral("line")), &plan->request.line, &error)) {
        return usageError(QStringLiteral("--line ") + error, Send);
    }
    return ExitOk;
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

// Sends, printing each chunk as it comes, then the reply and how it ended.
int sendAndPrint(const QCommandLineParser& parser, Plan* plan, bool fromFile)
{
    CommandTrial::Request& request = plan->request;
    std::unique_ptr<LinkTrace> trace;
    if (!TraceOption::open(parser.value(QStringLiteral("trace")), &trace)) {
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
                             .arg(request.port, LineSettings::toText(request.line), plan->source,
                                  request.bytes.size() == 1 ? QStringLiteral("1 byte")
                                                            : QStringLiteral("%1 bytes").arg(request.bytes.size())));
                if (!note.isEmpty()) {
                    printErr(QStringLiteral("note: %1\n").arg(note));
                }
            }
            // As it comes, so a long wait shows what has arrived so far.
            printOut(chunkText(sent ? QStringLiteral("sent") : QStringLiteral("+%1 ms").arg(chunk.ms), chunk.bytes));
        });
    const bool traced = TraceOption::finish(trace.get());
    if (!result.reply.isEmpty()) {
        printOut(chunkText(QStringLiteral("reply"), result.reply));
    }
    const int said = SendCommand::sayOutcome(result.outcome, result.describe());
    if (said != ExitOk) {
        return said;
    }
    if (parser.isSet(QStringLiteral("expect")) && result.reply != plan->expected) {
        printError(difference(result.reply, plan->expected));
        return ExitFailed;
    }
    return traced ? ExitOk : ExitFailed;
}

} // namespace

namespace SendCommand {

int sayOutcome(CommandTrial::Outcome outcome, const QString& description)
{
    switch (outcome) {
    case CommandTrial::Outcome::Replied:
        printOut(QStringLiteral("%1\n").arg(description));
        return ExitOk;
    case CommandTrial::Outcome::Cancelled:
        printError(QStringLiteral("stopped by %1").arg(Interruption::signalName()));
        return Interruption::exitCode();
    case CommandTrial::Outcome::Silent:
        printError(description);
        return ExitNoReply;
    default:
        printError(description);
        return ExitUsage;
    }
}

QString chunkText(const QString& label, const QByteArray& bytes)
{
    return QStringLiteral("%1  %2  %3\n")
        .arg(label, -10)
        .arg(TypedBytes::spacedHex(bytes), TypedBytes::toEscapedText(bytes));
}

int run(const QCommandLineParser& parser, const QStringList& positional)
{
    const bool fromFile = !positional.isEmpty();
    if (positional.size() > 1) {
        return usageError(QStringLiteral("send takes one configuration file"), Send);
    }
    if (fromFile == parser.isSet(QStringLiteral("hex"))) {
        return usageError(QStringLiteral("send takes a configuration file with --key, or --hex"), Send);
    }
    if (!parser.isSet(QStringLiteral("port"))) {
        return usageError(QStringLiteral("send needs --port"), Send);
    }
    if (parser.values(QStringLiteral("port")).size() > 1) {
        return usageError(QStringLiteral("send takes one --port"), Send);
    }
    if (parser.isSet(QStringLiteral("play")) || parser.isSet(QStringLiteral("skip-delays"))) {
        return PlayKey::run(parser, positional);
    }
    Plan plan;
    plan.request.port = parser.value(QStringLiteral("port"));
    QString error;
    if (!readReplyOptions(parser, &plan, &error)) {
        return usageError(error, Send);
    }
    const int read = fromFile ? readRecord(parser, positional.constFirst(), &plan) : readBytes(parser, &plan);
    if (read != ExitOk) {
        return read;
    }
    error = CommandTrial::refusal(plan.request);
    if (!error.isEmpty()) {
        return usageError(error, Send);
    }
    return sendAndPrint(parser, &plan, fromFile);
}

} // namespace SendCommand
