#ifndef DEVICESESSION_H
#define DEVICESESSION_H

#include "configcompare.h"
#include "programtransfer.h"
#include "serialframe.h"
#include "seriallink.h"

#include <QList>
#include <QString>

#include <functional>

class ProgramRecords;

// One device on one port: open, handshake, any number of operations, the
// farewell. The editor keeps a session open between operations and says
// farewell when it lets go; the companion runs one session once (runOnce).
//
// Each step answers with one ProgramTransfer::Result: success, cancellation,
// a lost port and the user's message.
class DeviceSession
{
public:
    enum class Operation { Store, Load, Verify, StoreAndVerify };
    using Result = ProgramTransfer::Result;
    using Differences = QList<ConfigComparison::Difference>;
    // After each record of an operation's step (Store, Load or Verify).
    using Progress = std::function<void(Operation step, int done, int total)>;
    using CancelCheck = ProgramTransfer::CancelCheck;

    struct Options {
        int attempts = SerialFrame::Attempts;
        int timeoutMs = SerialFrame::TimeoutMs;
    };

    DeviceSession();
    explicit DeviceSession(Options options);
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    SerialLink* link() { return &m_link; }
    const SerialLink* link() const { return &m_link; }
    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // Asked about every 50 ms while a step waits; stays with the session.
    void setCancelCheck(CancelCheck check) { m_cancelCheck = std::move(check); }

    // Opens the port with the link's settings; the error is the link's.
    Result open(const QString& portName);
    // The handshake, once the line has been quiet for QuietMs: what a device
    // still sends from before (its answers to questions it heard while it
    // was paused) would be taken for the echo of this exchange and the next.
    // A line that never falls quiet is waited for DrainLimitMs at most.
    Result connect();
    static constexpr int QuietMs = 50;
    static constexpr int DrainLimitMs = 500;
    // One operation. Load fills `records` (see ProgramTransfer::load); Verify
    // and the verify of StoreAndVerify compare the device with `records` into
    // `differences` (device first). A verify that finds differences is ok: the
    // caller looks at `differences`. StoreAndVerify verifies only after a
    // complete store.
    Result run(Operation operation, ProgramRecords* records, Differences* differences = nullptr);
    // "ISPOK!". Sends nothing on a closed or failed port.
    Result farewell();
    void close() { m_link.close(); }

    // The whole session as the companion runs it: open, handshake, `work`, and
    // the farewell once the handshake was answered, also after `work` failed.
    // The port is closed on return.
    struct Once {
        bool opened = false;
        Result connection; // the open and the handshake
        Result work; // when the handshake was answered
        Result farewell; // when the handshake was answered
        bool ok() const { return connection.ok && work.ok && farewell.ok; }
    };
    Once runOnce(const QString& portName, const std::function<Result(DeviceSession&)>& work);

private:
    ProgramTransfer transfer(ProgramRecords* records, Operation step);
    void dropStaleInput();

    SerialLink m_link;
    Options m_options;
    Progress m_progress;
    CancelCheck m_cancelCheck;
};

#endif // DEVICESESSION_H
