#ifndef SLOTRUN_H
#define SLOTRUN_H

#include "cancelcheck.h"
#include "portidentity.h"
#include "portsession.h"
#include "serialframe.h"

#include <QByteArray>
#include <QString>

#include <functional>

class LinkTrace;
class ProgressOutput;
class ReportWriter;

// One device in one slot, the same for a run on the ports given and for each
// device of a shift: its session, the outcome named by the slot and the
// adapter, the report's line and the end of its progress. One SlotRun serves
// every slot of a run, each from its own thread.
class SlotRun
{
public:
    struct Options {
        PortSession::Task task = PortSession::Task::Store;
        int attempts = SerialFrame::Attempts;
        int timeoutMs = SerialFrame::TimeoutMs;
        // A port without a device is "no device", not a failure (see PortSession).
        bool probe = false;
        CancelCheck cancel;
        LinkTrace* trace = nullptr;
        // Store: each device's program kept here first, named by its slot (see PortSession).
        QString backupFolder;
        // What the system tells of the adapter of the port, asked once the session ended.
        std::function<PortIdentity(const QString& node)> identify;
    };

    // `program` is a configuration file's bytes; `progress` and `report`
    // are shared by the slots and outlive the run.
    SlotRun(QByteArray program, Options options, const ProgressOutput* progress, ReportWriter* report);

    // Runs the device on `port` in the calling thread; its report line and
    // progress are out when it returns.
    PortSession::Outcome run(const QString& slot, const QString& port) const;

private:
    QByteArray m_program;
    Options m_options;
    const ProgressOutput* m_progress;
    ReportWriter* m_report;
};

#endif // SLOTRUN_H
