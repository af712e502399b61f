#include "keyplay.h"

#include "devicerecordlayout.h"
#include "trialport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(KeyPlay)
};

using Outcome = CommandTrial::Outcome;

bool sameLine(const UartData& a, const UartData& b)
{
    return a.baudRate == b.baudRate && a.dataBits == b.dataBits && a.parity == b.parity && a.stopBits == b.stopBits;
}

// One play under way: the port, the clock since the start and the result it
// fills. A step that ends the play says so in the result and returns false.
class PlaySteps
{
public:
    PlaySteps(const KeyPlay::Request& request, const CancelCheck& cancel, const KeyPlay::Observer& observer,
              KeyPlay::Result* result)
        : m_request(request)
        , m_observer(observer)
        , m_result(result)
        , m_port(request.port, request.trace, cancel)
    {
        m_clock.start();
    }

    // Sends every record, listening between them; then the quiet wait.
    void play();

private:
    // When the record `index` is due, since the start.
    qint64 due(int index) const;
    bool send(int index);
    // Reads until `untilMs` since the start; with `quiet`, the end moves on
    // by quietMs with each chunk.
    bool listen(qint64 untilMs, bool quiet);
    void take(const QByteArray& bytes);
    // Why a read came back empty, when it was not the time running out.
    bool readEnded();

    const KeyPlay::Request& m_request;
    const KeyPlay::Observer& m_observer;
    KeyPlay::Result* m_result;
    TrialPort m_port;
    QElapsedTimer m_clock;
};

qint64 PlaySteps::due(int index) const
{
    const CommandTrial::RecordCommand& record = m_request.records.at(index);
    const qint64 before = index == 0 ? 0 : m_result->played.constLast().sentMs;
    qint64 at = before + (m_request.skipDelays ? 0 : qint64(record.delay) * 1000);
    if (index > 0) {
        // New settings only once the bytes before have left the wire at the old ones.
        const CommandTrial::RecordCommand& previous = m_request.records.at(index - 1);
        if (!sameLine(previous.line, record.line)) {
            at = qMax(at,
                      before + TrialPort::wireMs(previous.bytes.size(), m_result->played.constLast().line.baudRate));
        }
    }
    return at;
}

void PlaySteps::play()
{
    if (!m_port.open(m_request.records.constFirst().line)) {
        stopWith(m_result, m_port.cancelled() ? Outcome::Cancelled : Outcome::NotOpened, m_port.error());
        return;
    }
    for (int i = 0; i < m_request.records.size(); ++i) {
        if (!listen(due(i), false) || !send(i)) {
            m_port.close();
            return;
        }
    }
    if (listen(m_clock.elapsed() + m_request.quietMs, true)) {
        bool replied = false;
        for (const KeyPlay::Played& played : qAsConst(m_result->played)) {
            replied = replied || !played.reply.isEmpty();
        }
        m_result->outcome = replied ? Outcome::Replied : Outcome::Silent;
    }
    m_port.close();
}

bool PlaySteps::send(int index)
{
    const CommandTrial::RecordCommand& record = m_request.records.at(index);
    if (index == 0) {
        // What came before the first send answers nothing of this key.
        m_port.dropStale();
    } else if (!sameLine(m_request.records.at(index - 1).line, record.line)) {
        // What came so far answers the record before.
        for (QByteArray bytes = m_port.readSome(CommandTrial::MaxReplyBytes, 0); !bytes.isEmpty();
             bytes = m_port.readSome(CommandTrial::MaxReplyBytes, 0)) {
            take(bytes);
        }
        if (!m_port.setLine(record.line)) {
            return stopWith(m_result, m_port.cancelled() ? Outcome::Cancelled : Outcome::NotOpened, m_port.error());
        }
    }
    KeyPlay::Played played;
    played.name = record.name;
    played.sentMs = m_clock.elapsed();
    played.line = m_port.line();
    m_result->played.append(played);
    const qint64 written = m_port.write(record.bytes);
    if (written > 0 && m_observer) {
        m_observer(index, {CommandTrial::Direction::Sent, played.sentMs, record.bytes.left(written)});
    }
    if (written == record.bytes.size()) {
        return true;
    }
    if (m_port.cancelled()) {
        return stopWith(m_result, Outcome::Cancelled, Text::tr("Cancelled."));
    }
    return stopWith(m_result, Outcome::Failed, m_port.unsent(written, record.bytes.size()));
}

bool PlaySteps::listen(qint64 untilMs, bool quiet)
{
    for (qint64 left = untilMs - m_clock.elapsed(); left > 0; left = untilMs - m_clock.elapsed()) {
        const QByteArray bytes = m_port.readSome(CommandTrial::MaxReplyBytes, left);
        if (bytes.isEmpty()) {
            if (!readEnded()) {
                return false;
            }
            continue;
        }
        take(bytes);
        if (quiet && m_result->played.constLast().cut) {
            return true; // equipment that never falls quiet: as a trial, cut at the limit
        }
        if (quiet) {
            untilMs = m_clock.elapsed() + m_request.quietMs;
        }
    }
    return true;
}

bool PlaySteps::readEnded()
{
    if (m_port.cancelled()) {
        return stopWith(m_result, Outcome::Cancelled, Text::tr("Cancelled."));
    }
    if (m_port.failed()) {
        return stopWith(m_result, Outcome::Failed, m_port.lostEquipment());
    }
    return true;
}

void PlaySteps::take(const QByteArray& bytes)
{
    if (m_result->played.isEmpty()) {
        return;
    }
    const qint64 ms = m_clock.elapsed();
    KeyPlay::Played& played = m_result->played.last();
    if (played.firstByteMs < 0) {
        played.firstByteMs = ms;
    }
    played.lastByteMs = ms;
    // Read on to the end all the same, so the next record's reply is its own.
    const qsizetype room = CommandTrial::MaxReplyBytes - played.reply.size();
    played.cut = played.cut || bytes.size() > room;
    played.reply.append(bytes.left(room));
    if (m_observer) {
        m_observer(int(m_result->played.size()) - 1, {CommandTrial::Direction::Received, ms, bytes});
    }
}

} // namespace

QList<KeyPlay::Step> KeyPlay::steps(const ProgramRecords& records, int key)
{
    QList<int> layers;
    for (int layer = DeviceRecordLayout::FirstLayer; layer <= DeviceRecordLayout::Links; ++layer) {
        layers << layer; // the links in the order of their buttons, 13 to 16
    }
    if (records.isSecondLayerEnabled(key)) {
        layers << DeviceRecordLayout::SecondLayer;
    }
    QList<Step> steps;
    for (int layer : qAsConst(layers)) {
        Step step;
        step.layer = layer;
        if (CommandTrial::recordCommand(records, key, layer, &step.command) && !step.command.bytes.isEmpty()) {
            steps << step;
        }
    }
    return steps;
}

QList<CommandTrial::RecordCommand> KeyPlay::toPlay(const QList<Step>& steps)
{
    QList<CommandTrial::RecordCommand> commands;
    for (const Step& step : steps) {
        if (!step.leftOut) {
            commands << step.command;
        }
    }
    return commands;
}

QString KeyPlay::refusal(const Request& request)
{
    if (request.records.isEmpty()) {
        return Text::tr("There is nothing to play: no record of the key is ticked and has a command.");
    }
    if (request.records.size() > MaxRecords) {
        return Text::tr("At most %1 records are played at once.").arg(MaxRecords);
    }
    for (const CommandTrial::RecordCommand& record : request.records) {
        CommandTrial::Request one;
        one.port = request.port;
        one.bytes = record.bytes;
        one.line = record.line;
        one.quietMs = request.quietMs;
        one.busyPort = request.busyPort;
        QString why = CommandTrial::refusal(one);
        if (why.isEmpty() && (record.delay < 0 || record.delay > MaxDelaySeconds)) {
            why = Text::tr("The delay is 0 to %1 s.").arg(MaxDelaySeconds);
        }
        if (!why.isEmpty()) {
            return record.name.isEmpty() ? why : Text::tr("%1: %2").arg(record.name, why);
        }
    }
    return QString();
}

QString KeyPlay::Result::describe() const
{
    const QString sent = played.size() == 1 ? Text::tr("1 record sent")
                                            : Text::tr("%1 records sent").arg(played.size());
    if (outcome == Outcome::Silent) {
        return Text::tr("%1, no reply within %2 ms of the last").arg(sent).arg(quietMs);
    }
    if (outcome != Outcome::Replied) {
        return error;
    }
    QStringList answered;
    for (const Played& one : played) {
        if (!one.reply.isEmpty()) {
            answered << one.name;
        }
    }
    return Text::tr("%1, replies to %2").arg(sent, answered.join(Text::tr("; ")));
}

KeyPlay::Result KeyPlay::run(const Request& request, const CancelCheck& cancel, const Observer& observer)
{
    Result result;
    result.quietMs = request.quietMs;
    result.error = refusal(request);
    if (result.error.isEmpty()) {
        PlaySteps(request, cancel, observer, &result).play();
    }
    result.ok = result.outcome == Outcome::Replied || result.outcome == Outcome::Silent;
    if (result.ok) {
        result.done = result.describe();
    }
    return result;
}
