#ifndef KEYPLAY_H
#define KEYPLAY_H

#include "cancelcheck.h"
#include "commandtrial.h"
#include "operationresult.h"

#include <QList>
#include <QString>

#include <functional>

// Plays a whole key on the equipment behind a port, as a device that sends
// its records in this order would: the key's first layer, its links in the
// order of their buttons, then its second layer where it is switched on.
//
// run() opens the port once, then sends each record with its own line
// settings (the open port is set to them), each its delay after the one
// before it was sent (the first, its delay after the start). Replies are read
// all the while, also during the delays, and belong to the record sent last;
// what comes before the first send is stale and dropped. After the last
// record the reply ends as a trial's does, after `quietMs` without a byte or
// at CommandTrial::MaxReplyBytes.
// Cancel ends it at once, also in the middle of a delay. The device's port is
// refused by name. Blocking; a window runs it on a thread (KeyPlayRun).
class KeyPlay
{
public:
    // Most seconds a record waits before it is sent (a byte in the device).
    static constexpr int MaxDelaySeconds = 255;
    static constexpr int MaxRecords = 6;

    // One of the key's records, as the play lists it.
    struct Step {
        CommandTrial::RecordCommand command;
        int layer = 0; // DeviceRecordLayout's
        bool leftOut = false; // the user's tick: not sent
    };
    // The records of `key` that carry a command, in the order they play.
    static QList<Step> steps(const ProgramRecords& records, int key);
    // The commands of the steps not left out, in their order.
    static QList<CommandTrial::RecordCommand> toPlay(const QList<Step>& steps);

    struct Request {
        QString port;
        QList<CommandTrial::RecordCommand> records; // to send, in this order
        int quietMs = CommandTrial::DefaultQuietMs;
        bool skipDelays = false;
        QString busyPort;
        LinkTrace* trace = nullptr;
    };

    // A record that was sent and what came back while it was the last one.
    struct Played {
        QString name;
        qint64 sentMs = -1; // since the start
        SerialLink::Line line; // as the port reported it for this record
        QByteArray reply; // at most CommandTrial::MaxReplyBytes
        bool cut = false; // more came than is kept
        qint64 firstByteMs = -1;
        qint64 lastByteMs = -1;
    };

    // ok when every record left and the replies were listened for (outcome
    // Replied or Silent); done is then describe(). played: the records sent,
    // also before a failure or a cancel.
    struct Result : OperationResult {
        CommandTrial::Outcome outcome = CommandTrial::Outcome::Refused;
        QList<Played> played;
        int quietMs = CommandTrial::DefaultQuietMs;

        bool replied() const { return outcome == CommandTrial::Outcome::Replied; }
        bool cancelled() const { return outcome == CommandTrial::Outcome::Cancelled; }
        // "3 records sent, replies to Key 2; Key 2, link 14", "3 records
        // sent, no reply within 500 ms of the last", or error.
        QString describe() const;
    };

    // Every chunk as it happens, with the index (in the request) of the
    // record sent last, its time since the start.
    using Observer = std::function<void(int record, const CommandTrial::Chunk& chunk)>;

    // Why a request cannot be played (empty: it can), naming the record.
    static QString refusal(const Request& request);
    static Result run(const Request& request, const CancelCheck& cancel = {}, const Observer& observer = {});
};

#endif // KEYPLAY_H
