#include "commandtrial.h"
#include "commandtext.h"
#include "devicerecordlayout.h"
#include "linesettings.h"
#include "seriallink.h"
#include "typedbytes.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CommandTrial", text);
}

// Time the bytes take to leave at this rate (12 bits a byte covers start,
// parity and two stop bits), on top of the link's own second.
int sendTimeoutMs(int bytes, qint32 baud)
{
    return 1000 + int(qint64(bytes) * 12 * 1000 / qMax<qint32>(1, baud));
}

QString openError(SerialLink& link, const QString& name, const UartData& line)
{
    // The link words a refused permission (with the advice the port dialog
    // gives) and a path that is no serial port itself.
    const QString systemText = link.port()->errorString();
    if (link.errorString() != systemText) {
        return link.errorString();
    }
    if (link.port()->error() == QSerialPort::UnsupportedOperationError) {
        return tr("The port %1 does not take the line settings %2 (%3).")
            .arg(name, LineSettings::toText(line), systemText);
    }
    return tr("The port %1 could not be opened (%2).").arg(name, systemText);
}

// What is behind the port is the equipment, not the device.
QString lostEquipment(const SerialLink& link, const QString& port)
{
    const QString node = SerialLink::nodePath(port);
    const QString detail = link.failureDetail();
    return detail.isEmpty() ? tr("The equipment on %1 was disconnected or stopped answering.").arg(node)
                            : tr("The equipment on %1 was disconnected or stopped answering (%2).").arg(node, detail);
}

} // namespace

QString CommandTrial::Result::describe() const
{
    switch (outcome) {
    case Outcome::Silent:
        return tr("no reply within %1 ms").arg(quietMs);
    case Outcome::Replied: {
        QString text = reply.size() == 1 ? tr("1 byte after %1 ms").arg(firstByteMs)
                                         : tr("%1 bytes, the first after %2 ms, the last after %3 ms")
                                               .arg(reply.size())
                                               .arg(firstByteMs)
                                               .arg(lastByteMs);
        switch (end) {
        case End::Quiet:
            return text + tr(" (then nothing for %1 ms)").arg(quietMs);
        case End::Count:
            return text + tr(" (as many as asked for)");
        case End::EndByte:
            return text + tr(" (up to the end byte)");
        case End::Cut:
            return text + tr(" (cut: at most %1 bytes are kept)").arg(MaxReplyBytes);
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
        return tr("Choose the port the equipment is connected to.");
    }
    if (samePort(request.port, request.busyPort)) {
        return tr("%1 is the port the device is connected on: a trial there would talk to the device, not to "
                  "the equipment. Choose the port the equipment is connected to, or disconnect the device first.")
            .arg(request.port);
    }
    if (request.bytes.isEmpty()) {
        return tr("There is nothing to send: the command is empty.");
    }
    if (request.bytes.size() > MaxSendBytes) {
        return tr("At most %1 bytes are sent in one trial.").arg(MaxSendBytes);
    }
    if (request.quietMs < MinQuietMs || request.quietMs > MaxQuietMs) {
        return tr("The wait for the reply is %1 to %2 ms.").arg(MinQuietMs).arg(MaxQuietMs);
    }
    if (request.byteCount < 0 || request.byteCount > MaxReplyBytes) {
        return tr("The count of reply bytes is 0 (any) to %1.").arg(MaxReplyBytes);
    }
    if (request.endByte < -1 || request.endByte > 0xFF) {
        return tr("The end byte is one byte, 00 to FF.");
    }
    SerialLink::Line line;
    if (!LineSettings::toLine(request.line, &line)) {
        return tr("The line settings of this command are out of range.");
    }
    return QString();
}

CommandTrial::Result CommandTrial::run(const Request& request, const CancelCheck& cancel, const Observer& observer)
{
    Result result;
    result.quietMs = request.quietMs;
    result.error = refusal(request);
    if (!result.error.isEmpty()) {
        return result;
    }
    const auto record = [&](Direction direction, qint64 ms, const QByteArray& bytes) {
        const Chunk chunk{direction, ms, bytes};
        result.chunks.append(chunk);
        if (observer) {
            observer(chunk);
        }
    };

    SerialLink::Line line;
    LineSettings::toLine(request.line, &line);
    SerialLink link;
    link.setCancelCheck(cancel);
    if (link.cancelRequested()) {
        result.outcome = Outcome::Cancelled;
        result.error = tr("Cancelled.");
        return result;
    }
    link.setTrace(request.trace);
    if (!link.open(request.port, line)) {
        result.outcome = Outcome::NotOpened;
        result.error = openError(link, request.port, request.line);
        return result;
    }
    const QSerialPort* port = link.port();
    result.line = {port->baudRate(), port->dataBits(), port->parity(), port->stopBits()};
    // Whatever the equipment said before is no reply to this command.
    link.clear();
    link.setTimeout(sendTimeoutMs(int(request.bytes.size()), line.baudRate));
    QElapsedTimer clock;
    clock.start();
    const qint64 written = link.write(request.bytes);
    // What left, stamped with the start of the send; a failed write says so below.
    if (written > 0) {
        record(Direction::Sent, 0, request.bytes.left(written));
    }
    if (written != request.bytes.size()) {
        if (link.isCancelled()) {
            result.outcome = Outcome::Cancelled;
            result.error = tr("Cancelled.");
        } else {
            result.outcome = Outcome::Failed;
            result.endMs = clock.elapsed();
            result.error = link.hasFailed() ? lostEquipment(link, request.port)
                                            : tr("The command did not leave the port %1 (%2 of %3 bytes sent).")
                                                  .arg(request.port)
                                                  .arg(qMax<qint64>(0, written))
                                                  .arg(request.bytes.size());
        }
        return result;
    }

    QDeadlineTimer quiet(request.quietMs);
    for (;;) {
        qsizetype want = MaxReplyBytes - result.reply.size();
        if (request.byteCount > 0) {
            want = qMin<qsizetype>(want, request.byteCount - result.reply.size());
        }
        link.setTimeout(int(qMax<qint64>(0, quiet.remainingTime())));
        QByteArray bytes = link.readSome(want);
        if (bytes.isEmpty()) {
            if (link.isCancelled()) {
                result.outcome = Outcome::Cancelled;
                result.error = tr("Cancelled.");
            } else if (link.hasFailed()) {
                result.outcome = Outcome::Failed;
                result.error = lostEquipment(link, request.port);
            } else {
                result.outcome = result.reply.isEmpty() ? Outcome::Silent : Outcome::Replied;
                result.end = End::Quiet;
            }
            break;
        }
        const qint64 ms = clock.elapsed();
        bool ended = false;
        if (request.endByte >= 0) {
            const qsizetype at = bytes.indexOf(char(request.endByte));
            if (at >= 0) {
                bytes.truncate(at + 1);
                result.end = End::EndByte;
                ended = true;
            }
        }
        if (result.firstByteMs < 0) {
            result.firstByteMs = ms;
        }
        result.lastByteMs = ms;
        result.reply.append(bytes);
        record(Direction::Received, ms, bytes);
        if (!ended && request.byteCount > 0 && result.reply.size() >= request.byteCount) {
            result.end = End::Count;
            ended = true;
        }
        if (!ended && result.reply.size() >= MaxReplyBytes) {
            result.end = End::Cut;
            ended = true;
        }
        if (ended) {
            result.outcome = Outcome::Replied;
            break;
        }
        quiet.setRemainingTime(request.quietMs);
    }
    result.endMs = clock.elapsed();
    link.close();
    return result;
}
