#include "slotrun.h"

#include "progressoutput.h"
#include "reportwriter.h"

SlotRun::SlotRun(QByteArray program, Options options, const ProgressOutput* progress, ReportWriter* report)
    : m_program(std::move(program))
    , m_options(std::move(options))
    , m_progress(progress)
    , m_report(report)
{
}

PortSession::Outcome SlotRun::run(const QString& slot, const QString& port) const
{
    PortSession::Options options;
    options.port = port;
    options.attempts = m_options.attempts;
    options.timeoutMs = m_options.timeoutMs;
    options.probe = m_options.probe;
    options.cancel = m_options.cancel;
    options.trace = m_options.trace;
    options.backupFolder = m_options.backupFolder;
    options.backupName = slot;
    options.events = [&](const PortSession::Event& event) { m_progress->event(slot, port, event); };
    PortSession session(m_program, m_options.task, std::move(options),
                        [&](const QString& text) { m_progress->say(slot, port, text); });
    PortSession::Outcome outcome = session.run();
    outcome.slot = slot;
    if (m_options.identify) {
        outcome.identity = m_options.identify(port);
    }
    m_report->write(outcome);
    m_progress->done(outcome);
    return outcome;
}
