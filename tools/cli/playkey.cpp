#include "playkey.h"

#include "clicommon.h"
#include "commandtable.h"
#include "devicerecordlayout.h"
#include "interruption.h"
#include "keyplay.h"
#include "linesettings.h"
#include "sendcommand.h"
#include "traceoption.h"
#include "typedbytes.h"

#include <QCommandLineParser>

using namespace Cli;

namespace {

constexpr QLatin1String Send("send");

// The records of FILE's --key, or the exit code once the reason is said.
int readSteps(const QCommandLineParser& parser, const QStringList& positional, QList<KeyPlay::Step>* steps)
{
    if (positional.size() != 1) {
        return usageError(QStringLiteral("--play goes with a configuration file and --key"), Send);
    }
    // One command's options: a play sends every record with its own settings.
    for (const char* oneCommand : {"link", "second", "hex", "line", "bytes", "end", "expect"}) {
        if (parser.isSet(QLatin1String(oneCommand))) {
            return usageError(QStringLiteral("--%1 does not go with --play").arg(QLatin1String(oneCommand)), Send);
        }
    }
    if (!parser.isSet(QStringLiteral("play"))) {
        return usageError(QStringLiteral("--skip-delays goes with --play"), Send);
    }
    int key = 0;
    QString error;
    if (!parser.isSet(QStringLiteral("key"))) {
        return usageError(QStringLiteral("send needs --key with a configuration file"), Send);
    }
    if (!boundedNumber(parser, commandLineOption(Option::Key), 1, DeviceRecordLayout::Keys, &key, &error)) {
        return usageError(error, Send);
    }
    ProgramRecords records;
    makeFreshModel(&records);
    if (!readConfigFileOrReport(positional.constFirst(), &records)) {
        return ExitUsage;
    }
    *steps = KeyPlay::steps(records, key);
    if (steps->isEmpty()) {
        printError(QStringLiteral("%1 has no record with a command to play")
                       .arg(DeviceRecordLayout::recordName(key, DeviceRecordLayout::FirstLayer)));
        return ExitUsage;
    }
    return ExitOk;
}

// Prints a block per record as the play goes: its head when it is sent, its
// chunks as they come, its whole reply once the next one is sent or the play ends.
class Blocks
{
public:
    explicit Blocks(const KeyPlay::Request& request)
        : m_request(request)
    {
    }

    void chunk(int record, const CommandTrial::Chunk& chunk)
    {
        if (chunk.direction == CommandTrial::Direction::Received) {
            printOut(SendCommand::chunkText(QStringLiteral("+%1 ms").arg(chunk.ms - m_sentMs), chunk.bytes));
            m_reply += chunk.bytes.left(CommandTrial::MaxReplyBytes - m_reply.size());
            return;
        }
        if (record == 0) {
            // Said once the port has opened and the first record is on its way.
            printOut(QStringLiteral("port %1, %2 records%3\n\n")
                         .arg(m_request.port)
                         .arg(m_request.records.size())
                         .arg(m_request.skipDelays ? QStringLiteral(", delays skipped") : QString()));
        }
        endBlock();
        const CommandTrial::RecordCommand& sent = m_request.records.at(record);
        m_sentMs = chunk.ms;
        m_open = true;
        printOut(
            QStringLiteral("%1 at %2, after %3 ms\n").arg(sent.name, LineSettings::toText(sent.line)).arg(chunk.ms));
        printOut(SendCommand::chunkText(QStringLiteral("sent"), chunk.bytes));
        const QString note = LineSettings::deviceMayNotSend(sent.line);
        if (!note.isEmpty()) {
            printErr(QStringLiteral("note: %1: %2\n").arg(sent.name, note));
        }
    }

    void endBlock()
    {
        if (!m_open) {
            return;
        }
        printOut(m_reply.isEmpty() ? QStringLiteral("no reply\n\n")
                                   : SendCommand::chunkText(QStringLiteral("reply"), m_reply) + QLatin1Char('\n'));
        m_reply.clear();
        m_open = false;
    }

private:
    const KeyPlay::Request& m_request;
    QByteArray m_reply; // at most the play's limit, as the play keeps it
    qint64 m_sentMs = 0;
    bool m_open = false;
};

} // namespace

namespace PlayKey {

int run(const QCommandLineParser& parser, const QStringList& positional)
{
    QList<KeyPlay::Step> steps;
    const int read = readSteps(parser, positional, &steps);
    if (read != ExitOk) {
        return read;
    }
    KeyPlay::Request request;
    request.port = parser.value(QStringLiteral("port"));
    request.records = KeyPlay::toPlay(steps);
    request.skipDelays = parser.isSet(QStringLiteral("skip-delays"));
    QString error;
    if (!boundedNumber(parser, commandLineOption(Option::Wait), CommandTrial::MinQuietMs, CommandTrial::MaxQuietMs,
                       &request.quietMs, &error)) {
        return usageError(error, Send);
    }
    error = KeyPlay::refusal(request);
    if (!error.isEmpty()) {
        return usageError(error, Send);
    }
    std::unique_ptr<LinkTrace> trace;
    if (!TraceOption::open(parser.value(QStringLiteral("trace")), &trace)) {
        return ExitUsage;
    }
    request.trace = trace.get();
    Interruption::install();
    Blocks blocks(request);
    const KeyPlay::Result result = KeyPlay::run(
        request, [] { return Interruption::requested(); },
        [&blocks](int record, const CommandTrial::Chunk& chunk) { blocks.chunk(record, chunk); });
    blocks.endBlock();
    const bool traced = TraceOption::finish(trace.get());
    const int said = SendCommand::sayOutcome(result.outcome, result.describe());
    return said == ExitOk && !traced ? ExitFailed : said;
}

} // namespace PlayKey
