#include "commandtrial.h"
#include "commandtext.h"
#include "devicerecordlayout.h"
#include "linesettings.h"
#include "seriallink.h"
#include "trialport.h"
#include "typedbytes.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CommandTrial)
};

using Outcome = CommandTrial::Outcome;

// One trial under way: the link, the clock since the send began and the result
// it fills, in the steps run() takes. A step that ends the trial says so in the
// result and returns false.
class TrialSteps
{
public:
    TrialSteps(const CommandTrial::Request& request, const CancelCheck& cancel, const CommandTrial::Observer& observer,
               CommandTrial::Result* result)
        : m_request(request)
        , m_observer(observer)
        , m_result(result)
        , m_port(request.port, request.trace, cancel)
    {
    }

    bool open();
    bool send();
    // Collects the reply until one of the ends CommandTrial lists, then closes the port.
    void receive();

private:
    void record(CommandTrial::Direction direction, qint64 ms, const QByteArray& bytes);
    // Adds a received chunk to the reply; true when it ends the reply.
    bool take(QByteArray bytes);

    const CommandTrial::Request& m_request;
    const CommandTrial::Observer& m_observer;
    CommandTrial::Result* m_result;
    TrialPort m_port;
    QElapsedTimer m_clock;
};

void TrialSteps::record(CommandTrial::Direction direction, qint64 ms, const QByteArray& bytes)
{
    const CommandTrial::Chunk chunk{direction, ms, bytes};
    m_result->chunks.append(chunk);
    if (m_observer) {
        m_observer(chunk);
    }
}

bool TrialSteps::open()
{
    if (!m_port.open(m_request.line)) {
        return stopWith(m_result, m_port.cancelled() ? Outcome::Cancelled : Outcome::NotOpened, m_port.error());
    }
    m_result->line = m_port.line();
    return true;
}

bool TrialSteps::send()
{
    m_port.dropStale();
    m_clock.start();
    const qint64 written = m_port.write(m_request.bytes);
    // What left, stamped with the start of the send; a failed write says so below.
    if (written > 0) {
        record(CommandTrial::Direction::Sent, 0, m_request.bytes.left(written));
    }
    if (written == m_request.bytes.size()) {
        return true;
    }
    if (m_port.cancelled()) {
        return stopWith(m_result, Outcome::Cancelled, Text::tr("Cancelled."));
    }
    m_result->endMs = m_clock.elapsed();
    return stopWith(m_result, Outcome::Failed, m_port.unsent(written, m_request.bytes.size()));
}

void TrialSteps::receive()
{
    QDeadlineTimer quiet(m_request.quietMs);
    for (;;) {
        qsizetype want = CommandTrial::MaxReplyBytes - m_result->reply.size();
        if (m_request.byteCount > 0) {
            want = qMin<qsizetype>(want, m_request.byteCount - m_result->reply.size());
        }
        const QByteArray bytes = m_port.readSome(want, qMax<qint64>(0, quiet.remainingTime()));
        if (bytes.isEmpty()) {
            if (m_port.cancelled()) {
                stopWith(m_result, Outcome::Cancelled, Text::tr("Cancelled."));
            } else if (m_port.failed()) {
                stopWith(m_result, Outcome::Failed, m_port.lostEquipment());
            } else {
                m_result->outcome = m_result->reply.isEmpty() ? Outcome::Silent : Outcome::Replied;
                m_result->end = CommandTrial::End::Quiet;
            }
            break;
        }
        if (take(bytes)) {
            m_result->outcome = Outcome::Replied;
            break;
        }
        quiet.setRemainingTime(m_request.quietMs);
    }
    m_result->endMs = m_clock.elapsed();
    m_port.close();
}

bool TrialSteps::take(QByteArray bytes)
{
    const qint64 ms = m_clock.elapsed();
    bool ended = false;
    if (m_request.endByte >= 0) {
        const qsizetype at = bytes.indexOf(char(m_request.endByte));
        if (at >= 0) {
            bytes.truncate(at + 1);
            m_result->end = CommandTrial::End::EndByte;
            ended = true;
        }
    }
    if (m_result->firstByteMs < 0) {
        m_result->firstByteMs = ms;
    }
    m_result->lastByteMs = ms;
    m_result->reply.append(bytes);
    record(CommandTrial::Direction::Received, ms, bytes);
    if (!ended && m_request.byteCount > 0 && m_result->reply.size() >= m_request.byteCount) {
        m_result->end = CommandTrial::End::Count;
        ended = true;
    }
    if (!ended && m_result->reply.size() >= CommandTrial::MaxReplyBytes) {
        m_result->end = CommandTrial::End::Cut;
        ended = true;
    }
    return ended;
}

} // namespace

QString CommandTrial::Result::describe() const
{
    switch (outcome) {
    case Outcome::Silent:
        return Text::tr("no reply within %1 ms").arg(quietMs);
    case Outcome::Replied: {
        QString text = reply.size() == 1 ? Text::tr("1 byte after %1 ms").arg(firstByteMs)
                                         : Text::tr("%1 bytes, the first after %2 ms, the last after %3 ms")
                                               .arg(reply.size())
                                               .arg(firstByteMs)
                                               .arg(lastByteMs);
        switch (end) {
        case End::Quiet:
            return text + Text::tr(" (then nothing for %1 ms)").arg(quietMs);
        case End::Count:
            return text + Text::tr(" (as many as asked for)");
        case End::EndByte:
            return text + Text::tr(" (up to the end byte)");
        case End::Cut:
            return text + Text::tr(" (cut: at most %1 bytes are kept)").arg(MaxReplyBytes);
        }
        return text;
    }
    default:
        return error;
    }
}

bool CommandTrial::recordCommand(const ProgramRecords& records, int key, int layer, RecordCommand* command)
{
    RecordCommand out;
    out.name = DeviceRecordLayout::recordName(key, layer);
    if (layer == DeviceRecordLayout::SecondLayer) {
        const ButtonData* record = records.getButtonData(key);
        if (!record) {
            return false;
        }
        out.bytes = CommandText::hexToBytes(record->getSecondLayerCommand());
        record->getSecondLayerUartData(&out.line);
        out.delay = record->getSecondLayerDelayTime();
    } else {
        const LinkData* record = records.getDataObject(key, layer);
        if (!record) {
            return false;
        }
        out.bytes = CommandText::hexToBytes(record->getCommand());
        record->getUartData(&out.line);
        out.delay = record->getDelayTime();
    }
    *command = out;
    return true;
}

bool CommandTrial::samePort(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty()) {
        return false;
    }
    // Also through links (/dev/serial/by-id/...) to the same node.
    return SerialLink::nodePath(a) == SerialLink::nodePath(b) || SerialLink::realNode(a) == SerialLink::realNode(b);
}

QString CommandTrial::refusal(const Request& request)
{
    if (request.port.trimmed().isEmpty()) {
        return Text::tr("Choose the port the equipment is connected to.");
    }
    if (samePort(request.port, request.busyPort)) {
        return Text::tr("%1 is the port the device is connected on: a trial there would talk to the device, not to "
                        "the equipment. Choose the port the equipment is connected to, or disconnect the device first.")
            .arg(request.port);
    }
    if (request.bytes.isEmpty()) {
        return Text::tr("There is nothing to send: the command is empty.");
    }
    if (request.bytes.size() > MaxSendBytes) {
        return Text::tr("At most %1 bytes are sent in one trial.").arg(MaxSendBytes);
    }
    if (request.quietMs < MinQuietMs || request.quietMs > MaxQuietMs) {
        return Text::tr("The wait for the reply is %1 to %2 ms.").arg(MinQuietMs).arg(MaxQuietMs);
    }
    if (request.byteCount < 0 || request.byteCount > MaxReplyBytes) {
        return Text::tr("The count of reply bytes is 0 (any) to %1.").arg(MaxReplyBytes);
    }
    if (request.endByte < -1 || request.endByte > 0xFF) {
        return Text::tr("The end byte is one byte, 00 to FF.");
    }
    SerialLink::Line line;
    if (!LineSettings::toLine(request.line, &line)) {
        return Text::tr("The line settings of this command are out of range.");
    }
    return QString();
}

CommandTrial::Result CommandTrial::run(const Request& request, const CancelCheck& cancel, const Observer& observer)
{
    Result result;
    result.quietMs = request.quietMs;
    result.error = refusal(request);
    if (result.error.isEmpty()) {
        TrialSteps trial(request, cancel, observer, &result);
        if (trial.open() && trial.send()) {
            trial.receive();
        }
    }
    result.ok = result.outcome == Outcome::Replied || result.outcome == Outcome::Silent;
    if (result.ok) {
        result.done = result.describe();
    }
    return result;
}
