#ifndef DEVICEPROBE_H
#define DEVICEPROBE_H

#include "blockingjob.h"
#include "cancelcheck.h"
#include "operationresult.h"
#include "programtransfer.h"
#include "serialframe.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class SerialLink;

// How patient the handshake is on each port (as DeviceSession::Options).
struct DeviceProbeOptions {
    int attempts = SerialFrame::Attempts;
    int timeoutMs = SerialFrame::TimeoutMs;
};

// Finds out which serial ports have a device behind them.
//
// Every port is tried at once, one thread each: open, the handshake
// ("KVR210", echo-checked as in any session) and, where the device answered,
// the farewell ("ISPOK!"). Nothing else is sent, so a modem, a GPS receiver or
// an unknown adapter on another port hears one short frame (repeated up to
// `attempts` times) and nothing more.
//
// Each port takes at most the handshake's own time-out: `attempts` tries of
// `timeoutMs` each (6 of 1000 ms: about 6 s for a silent port), plus the
// farewell of a device that answered. The whole probe takes as long as its
// slowest port, not the sum.
//
// The cancel check is asked on the calling thread only: once before any port
// is opened (yes: nothing is opened, every port comes back Cancelled), then
// about every 50 ms until every port is decided. Once it has said yes, ports still waiting stop
// within about 50 ms (a frame being written is finished first) and come back
// as Cancelled; a device that had already answered still gets its farewell,
// with a single attempt.
//
// Blocking use (the command line):
//
//     const QList<DeviceProbe::Result> results =
//         DeviceProbe::probe({"ttyUSB0", "ttyUSB1"}, {}, [] { return interrupted.load(); });
//     for (const DeviceProbe::Result& result : results)
//         if (result.answered()) ...
//
// From a window, without blocking its event loop, use DeviceProbeRun below.
class DeviceProbe
{
public:
    enum class Answer {
        Device, // the handshake was echoed: a device is there
        Silent, // nothing came back (or the line went) within the time-out
        Other, // something answered, but not with the handshake's echo
        NotOpened, // the port could not be opened
        Cancelled, // stopped before the handshake was decided
    };

    // ok when a device answered. error: why no device, in the user's words;
    // for NotOpened the port's own message (in use, no permission and how to
    // get it). Empty for Device.
    struct Result : OperationResult {
        QString port; // as given
        Answer answer = Answer::Silent;

        bool answered() const { return answer == Answer::Device; }
        // "device", "no answer", "something else answered", "cannot open the
        // port" or "cancelled": short words for a list of ports.
        QString describe() const;
    };

    using Options = DeviceProbeOptions;
    using CancelCheck = ::CancelCheck;

    // Tries every port at once and returns one result per port, in the order
    // given. Blocks the calling thread until every port is decided.
    static QList<Result> probe(const QStringList& ports, Options options = {}, const CancelCheck& cancel = {});

    // Tells how a handshake that was not answered went, from its result and
    // the link it was tried on: Cancelled, Other when any attempt brought
    // something that was not the echo, Silent otherwise (a port that failed on
    // the way included).
    static Answer unanswered(const ProgramTransfer::Result& handshake, const SerialLink& link);
    // The user's words for a handshake on `link` that was not answered, as
    // unanswered() tells it, with the link's own text where it says more.
    static QString unansweredText(Answer answer, const SerialLink& link);
};

// The probe for a window: runs DeviceProbe::probe on a thread of its own and
// emits finished() on this object's thread, so the event loop keeps running.
//
//     auto* run = new DeviceProbeRun(dialog);
//     connect(run, &DeviceProbeRun::finished, dialog, [](const QList<DeviceProbe::Result>& results) { ... });
//     run->start(ports);
//     ... Cancel: run->cancel(); finished() still follows, within about 50 ms.
//
// Destroying it while a probe runs cancels the probe and waits for it (about
// 50 ms, plus the farewell of a device that had answered); finished() is then
// not emitted.
class DeviceProbeRun : public QObject
{
    Q_OBJECT
public:
    explicit DeviceProbeRun(QObject* parent = nullptr);
    ~DeviceProbeRun() override;

    // Starts probing `ports`. False, and nothing starts, while a probe runs or
    // when `ports` is empty.
    bool start(const QStringList& ports, DeviceProbe::Options options = {});
    // Asks a running probe to stop; does nothing otherwise.
    void cancel();
    // From start() until finished() is emitted.
    bool isRunning() const { return m_job.isRunning(); }

signals:
    // One result per port, in the order given to start().
    void finished(const QList<DeviceProbe::Result>& results);

private:
    BlockingJob m_job;
};

#endif // DEVICEPROBE_H
