#ifndef PORTSESSION_H
#define PORTSESSION_H

#include "cancelcheck.h"
#include "configcompare.h"
#include "operationresult.h"
#include "portidentity.h"
#include "serialframe.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

class ProgramRecords;
class DeviceSession;
class LinkTrace;

// One device on one port from handshake to farewell: a store, a verify, or a
// store followed by a verify. Everything it needs is its own, so sessions on
// several ports can run side by side, one thread each.
class PortSession
{
public:
    enum class Task { Store, StoreAndVerify, Verify };

    // `ok` when the device did all it was asked (and a verify found it equal);
    // `done` then says what, as the report names it; `error` says why not.
    struct Outcome : OperationResult {
        QString port;
        QString slot; // the fixture's name for the place, or the port as given
        PortIdentity identity;
        QDateTime start;
        QDateTime end;
        bool stored = false;
        bool verified = false; // the device was read back and compared (equal or not)
        bool noDevice = false; // probing: no device answered the handshake, nothing was sent
        bool interrupted = false; // stopped by the cancel check
        bool storeBegun = false; // records went out: the device's program was being replaced
        int records = 0; // records stored (confirmed by the device), or read back when only verifying
        int unconfirmed = 0; // interrupted store: sent without the device's confirmation (the one in flight)
        QString backup; // the file the device's program was kept in before the store
        QList<ConfigComparison::Difference> differences; // value A on the device, B in the file

        // "stored", "stored, verified", "verified", "different", "failed",
        // "no device" or "interrupted".
        QString result() const;
        // The summary after the port: "stored, verified", "failed: Key 3, link 13 was not ...",
        // "different: stored, 1 difference: Key 1: ...".
        QString summary() const;
        // The store began and did not end: the device holds part of the old
        // program and part of the new.
        bool partial() const { return storeBegun && !stored; }
    };

    // A line of progress, without the port (the caller adds it).
    using Progress = std::function<void(const QString& line)>;

    // The same progress for a program that watches: the handshake answered,
    // and each record stored or read back. The end is the outcome run() returns.
    struct Event {
        enum class Step { Connect, Record, Verify };
        Step step = Step::Connect;
        int record = 0; // Record and Verify: how many are done
        int of = 0;
        qint64 elapsedMs = 0; // since the session began
    };
    using Events = std::function<void(const Event& event)>;

    struct Options {
        QString port;
        int attempts = SerialFrame::Attempts;
        int timeoutMs = SerialFrame::TimeoutMs;
        // A port that cannot be opened or does not answer the handshake has no
        // device: "no device" instead of a failure.
        bool probe = false;
        // Asked about every 50 ms; once it says yes the session stops, and a
        // device left half-written gets no farewell.
        CancelCheck cancel;
        // Shared by the sessions of a run; none: not traced.
        LinkTrace* trace = nullptr;
        Events events;
        // Store: the device's program is first kept in a new file here, named
        // by backupName; a backup that fails stops the store before a record goes.
        QString backupFolder;
        QString backupName;
    };

    // `program` is a configuration file's bytes; each session reads its own copy.
    PortSession(const QByteArray& program, Task task, Options options, Progress progress = {});

    // Runs the whole session in the calling thread; the serial port lives and
    // dies in it.
    Outcome run();

    // "Key 3, link 13: command 0D0A on the device, 0D0B in the file".
    static QString describe(const ConfigComparison::Difference& difference);

private:
    bool backUpProgram(DeviceSession* session, Outcome* outcome);
    bool storeProgram(ProgramRecords* program, DeviceSession* session, Outcome* outcome);
    bool verifyProgram(ProgramRecords* program, DeviceSession* session, Outcome* outcome);
    void say(const QString& line) const;

    QByteArray m_program;
    Task m_task;
    Options m_options;
    Progress m_progress;
};

#endif // PORTSESSION_H
