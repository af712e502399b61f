#ifndef STATIONWATCH_H
#define STATIONWATCH_H

#include "cancelcheck.h"
#include "deviceprobe.h"
#include "devicesession.h"
#include "portsession.h"
#include "reportsummary.h"
#include "serialframe.h"
#include "slotrun.h"
#include "stationslot.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <functional>
#include <memory>
#include <mutex>

class LinkTrace;
class ProgressOutput;
class ReportWriter;

// A shift at a programming station (store --watch, verify --watch): every slot
// is watched in a thread of its own, and each device plugged into a slot is
// programmed (or read back) once, then left alone until it is taken away.
//
// A slot goes round three states:
// - no port: its adapter is not there (the path does not exist, or no listed
//   port matches it). Looked for every 200 ms; nothing is opened.
// - waiting: the port is there, and is kept open; one handshake attempt at
//   most every second. A port that cannot be opened, stays silent or answers
//   something else has no device yet, and nothing more is sent to it (the
//   progress says "waiting" or "silent", once each time that changes). A
//   device that answers is let go ("ISPOK!") and its session begins at once,
//   as after a probe.
// - done: the device answered and its session ran to its outcome, which went
//   to the report, to standard output ("A1 (/dev/ttyUSB3)  stored, verified"),
//   to the progress and to `afterDevice`. The slot then asks the same way every
//   second whether the device is still there; it is gone when its node goes
//   or it leaves two questions in a row unanswered (a port that cannot be
//   opened for a moment, or an adapter missing from the port list while its
//   node stays, is not gone). Only then is the slot waiting again, so the
//   same device is never programmed twice without being taken away.
//
// Slots never wait for each other: a slow or failing device holds only its
// own slot. Once `cancel` says yes (asked about every 50 ms) every slot stops
// within about a second: a session under way ends as an interrupted run does,
// with its report line.
class StationWatch
{
public:
    // Where a slot's port is now: its device node, or no node and why not
    // ("no port has the serial number FT1234AB"). Called from the slots'
    // threads, every 200 ms while a slot has no port: it should be cheap.
    struct Place {
        QString node;
        QString why;
    };
    using Locate = std::function<Place(const StationSlot& slot)>;

    static constexpr int LookForPortMs = 200;
    static constexpr int AttemptEveryMs = 1000;
    static constexpr int MissedHandshakesWhenGone = 2;

    // Each device is run as SlotRun runs it (its `probe` stays off: only a
    // device that answered is run); `identify` tells of the adapter of a port
    // a device answered on.
    struct Options : SlotRun::Options {
        // After each device's outcome went out, in its slot's thread (the --on-result hook).
        std::function<void(const PortSession::Outcome& outcome)> afterDevice;
        // How often a slot looks for its port, and asks for a device; shorter only to measure.
        int lookForPortMs = LookForPortMs;
        int attemptEveryMs = AttemptEveryMs;
    };

    // `program` is a configuration file's bytes; `progress` and `report` are
    // shared by the slots and outlive the watch.
    StationWatch(QByteArray program, Options options, Locate locate, const ProgressOutput* progress,
                 ReportWriter* report);

    // Watches `stationSlots` until cancelled.
    void run(const QList<StationSlot>& stationSlots);
    // After run(): the devices counted by slot, in the order of the slots, and
    // by outcome, as "summary --by slot" counts the report's lines.
    const ReportSummary& counts() const { return m_counts; }
    // After run(): "A1 (/dev/ttyUSB3)" of each device whose store began and
    // did not end, in the order they ended.
    const QStringList& partialPrograms() const { return m_partial; }

private:
    // A slot's port held open between its questions: opening a port costs the
    // system a lock file each time, which idle slots would pay every second.
    class HeldPort
    {
    public:
        explicit HeldPort(const Options& options);
        // One handshake, and the farewell where it was answered: is a device there?
        // NotOpened also when the port went while it was asked; `why` says why not.
        DeviceProbe::Answer ask(const QString& node, QString* why);
        void close();

    private:
        const Options& m_options;
        std::unique_ptr<DeviceSession> m_session;
        QString m_node;
    };

    void watch(const StationSlot& slot);
    void finishDevice(const PortSession::Outcome& outcome);
    // Sleeps `ms`, or less when cancelled; false then.
    bool pause(int ms) const;
    bool cancelled() const { return m_options.cancel && m_options.cancel(); }

    Options m_options;
    Locate m_locate;
    const ProgressOutput* m_progress;
    SlotRun m_slotRun;
    // A shift may last for days: each device leaves its count, never its outcome.
    std::mutex m_mutex;
    ReportSummary m_counts{ReportSummary::Grouping::Slot};
    QStringList m_partial;
};

#endif // STATIONWATCH_H
