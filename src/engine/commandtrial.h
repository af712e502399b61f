#ifndef COMMANDTRIAL_H
#define COMMANDTRIAL_H

#include "appdata.h"
#include "cancelcheck.h"
#include "operationresult.h"
#include "seriallink.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// One trial of a command on the equipment behind a serial port (a projector,
// a camera, a PLC), before the command is stored into the device.
//
// run() opens the port with the record's line settings, drops whatever was
// waiting in it, sends the bytes once and collects the reply until one of:
//   - nothing came for `quietMs` (counted from the end of the send, then from
//     each chunk): a silent line ends after quietMs, "no reply";
//   - `byteCount` bytes came (0: no count);
//   - the byte `endByte` came (-1: none); bytes read with it past it are dropped;
//   - MaxReplyBytes came: the reply is cut there and says so;
//   - the cancel check said yes (asked about every 50 ms): at once;
//   - the port failed (unplugged, the far end gone).
// Then the port is closed. It is opened only for the trial and never on
// `busyPort` (the port the device link holds), which is refused by name
// before anything is opened.
//
// Every chunk, the one sent (once it has left, as much as left) and each one
// received, goes to the observer as it happens, with its time since the send
// began, so a trace can follow the wire.
// Blocking; run it on a worker thread from a window (CommandTrialRun).
//
//     CommandTrial::Request request;
//     request.port = "ttyUSB1";
//     request.bytes = QByteArray::fromHex("02504F4E03");
//     request.line = record's UartData;
//     const CommandTrial::Result result = CommandTrial::run(request, [] { return interrupted; });
//     result.describe();   // "4 bytes, the first after 12 ms, the last after 40 ms ..."
class CommandTrial
{
public:
    static constexpr int DefaultQuietMs = 500;
    static constexpr int MinQuietMs = 10;
    static constexpr int MaxQuietMs = 60000;
    static constexpr int MaxReplyBytes = 64 * 1024;
    static constexpr int MaxSendBytes = 4096;

    struct Request {
        QString port;
        QByteArray bytes;
        UartData line;
        int quietMs = DefaultQuietMs;
        int byteCount = 0;
        int endByte = -1;
        QString busyPort;
        // Every chunk on the wire also goes here, the stale input dropped
        // before the send included; none: not traced.
        LinkTrace* trace = nullptr;
    };

    enum class Direction { Sent, Received };
    struct Chunk {
        Direction direction = Direction::Sent;
        qint64 ms = 0; // since the send began
        QByteArray bytes;
    };

    enum class Outcome {
        Replied, // something came back
        Silent, // nothing within quietMs
        Refused, // not tried: the device's port, or a request out of bounds
        NotOpened, // the port could not be opened with these settings
        Failed, // the send did not leave, or the port failed on the way
        Cancelled,
    };
    // Why a reply ended.
    enum class End { Quiet, Count, EndByte, Cut };

    // ok when the command left and the reply was listened for (Replied or
    // Silent); done is then describe(). error: why no reply could be had, in
    // the user's words; empty otherwise.
    struct Result : OperationResult {
        Outcome outcome = Outcome::Refused;
        End end = End::Quiet;
        QByteArray reply; // also what came before a failure or a cancel
        QList<Chunk> chunks;
        qint64 firstByteMs = -1;
        qint64 lastByteMs = -1;
        qint64 endMs = -1; // since the send began, when the trial ended
        int quietMs = DefaultQuietMs;
        // The settings the port reported once open.
        SerialLink::Line line;

        bool replied() const { return outcome == Outcome::Replied; }
        // One line for the user: "4 bytes, the first after 12 ms, the last after
        // 40 ms (then nothing for 500 ms)", "no reply within 500 ms", or error.
        QString describe() const;
    };

    // A record's command as a trial sends it and as the key panel shows it.
    struct RecordCommand {
        QString name; // "Key 2, link 14"
        QByteArray bytes;
        UartData line;
        int delay = 0;
    };
    // The command of `key`'s `layer` (DeviceRecordLayout's: 1 the first layer,
    // 2 to 5 the links, 6 the second layer); false when there is no such record.
    static bool recordCommand(const ProgramRecords& records, int key, int layer, RecordCommand* command);

    using CancelCheck = ::CancelCheck;
    using Observer = std::function<void(const Chunk&)>;

    // Why a request cannot be tried (empty: it can): a port left empty, nothing
    // or too much to send, limits out of range, line settings out of range,
    // the device's port.
    static QString refusal(const Request& request);
    static Result run(const Request& request, const CancelCheck& cancel = {}, const Observer& observer = {});
    // Whether two port names reach the same device node ("ttyUSB0",
    // "/dev/ttyUSB0", a link to it).
    static bool samePort(const QString& a, const QString& b);
};

#endif // COMMANDTRIAL_H
