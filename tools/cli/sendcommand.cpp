#include "sendcommand.h"

#include "clicommon.h"
#include "commandtable.h"
#include "commandtrial.h"
#include "devicerecordlayout.h"
#include "interruption.h"
#include "librarycommands.h"
#include "linesettings.h"
#include "playkey.h"
#include "recordoption.h"
#include "replypattern.h"
#include "terminaltext.h"
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
    ReplyPattern pattern; // the expected reply of a library entry
    QString source; // " (Key 2, link 14)": where the bytes came from
};

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
    int key = 0;
    int layer = 0;
    QString error;
    if (!RecordOption::read(parser, Send, &key, &layer, &error)) {
        return usageError(error, Send);
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

// --key, --link and --second name a record: refused with bytes from elsewhere (`source`).
int refuseRecordOptions(const QCommandLineParser& parser, const QString& source)
{
    for (const char* recordOnly : {"key", "link", "second"}) {
        if (parser.isSet(QLatin1String(recordOnly))) {
            return usageError(QStringLiteral("--%1 goes with a configuration file, not %2").arg(recordOnly, source),
                              Send);
        }
    }
    return ExitOk;
}

// --line, when given: the line settings of bytes that bring none.
int readLine(const QCommandLineParser& parser, UartData* line)
{
    QString error;
    if (parser.isSet(QStringLiteral("line"))
        && !LineSettings::fromText(parser.value(QStringLiteral("line")), line, &error)) {
        return usageError(QStringLiteral("--line ") + error, Send);
    }
    return ExitOk;
}

// --hex [--line]: the bytes given, at the line settings given.
int readBytes(const QCommandLineParser& parser, Plan* plan)
{
    if (const int refused = refuseRecordOptions(parser, QStringLiteral("--hex"))) {
        return refused;
    }
    QString error;
    if (!hexOption(parser, QStringLiteral("hex"), &plan->request.bytes, &error)) {
        return usageError(error, Send);
    }
    return readLine(parser, &plan->request.line);
}

// --library --entry [--param]... [--line]: the entry's bytes, at its own line
// settings (--line's where it names none), and the reply it expects.
int readEntry(const QCommandLineParser& parser, Plan* plan)
{
    if (const int refused = refuseRecordOptions(parser, QStringLiteral("--library"))) {
        return refused;
    }
    LibraryCommands::Chosen chosen;
    if (const int chose = LibraryCommands::choose(parser, Send, &chosen)) {
        return chose;
    }
    if (chosen.hasLine && parser.isSet(QStringLiteral("line"))) {
        return usageError(QStringLiteral("--line goes with an entry that names no line settings; this one is "
                                         "sent with its own"),
                          Send);
    }
    plan->request.bytes = chosen.bytes.bytes;
    plan->request.line = chosen.line;
    plan->source = QStringLiteral(" (%1)").arg(TerminalText::escaped(chosen.entry.name));
    QString error;
    if (!ReplyPattern::fromEntry(chosen.entry, &plan->pattern, &error)) {
        printError(QStringLiteral("%1: %2").arg(TerminalText::escaped(chosen.entry.name), error));
        return ExitUsage;
    }
    return chosen.hasLine ? ExitOk : readLine(parser, &plan->request.line);
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

// A library entry's expected reply, said as matched or where it differs; none expected: any reply.
bool entryReplyMatches(const ReplyPattern& pattern, const QByteArray& reply)
{
    if (pattern.isEmpty()) {
        return true;
    }
    const ReplyPattern::Match match = pattern.match(reply);
    if (!match.matched) {
        printError(QStringLiteral("the reply %1 (the entry expects %2)").arg(match.describe(), pattern.toText()));
        return false;
    }
    printOut(QStringLiteral("the reply matches the entry's %1\n").arg(pattern.toText()));
    return true;
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
    if (!entryReplyMatches(plan->pattern, result.reply)) {
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
    const bool fromLibrary = parser.isSet(QStringLiteral("library"));
    if (positional.size() > 1) {
        return usageError(QStringLiteral("send takes one configuration file"), Send);
    }
    if (int(fromFile) + int(parser.isSet(QStringLiteral("hex"))) + int(fromLibrary) != 1) {
        return usageError(
            QStringLiteral("send takes a configuration file with --key, or --hex, or --library with --entry"), Send);
    }
    if (!fromLibrary && (parser.isSet(QStringLiteral("entry")) || parser.isSet(QStringLiteral("param")))) {
        return usageError(QStringLiteral("--entry and --param go with --library"), Send);
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
    const int read = fromFile ? readRecord(parser, positional.constFirst(), &plan)
        : fromLibrary         ? readEntry(parser, &plan)
                              : readBytes(parser, &plan);
    if (read != ExitOk) {
        return read;
    }
    error = CommandTrial::refusal(plan.request);
    if (!error.isEmpty()) {
        return usageError(error, Send);
    }
    return sendAndPrint(parser, &plan, fromFile || fromLibrary);
}

} // namespace SendCommand
