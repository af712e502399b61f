#ifndef REPORTWRITER_H
#define REPORTWRITER_H

#include "runreport.h"

#include <mutex>

// The report's line of each port as soon as the port is done, from whichever
// thread ran it; a line that cannot be written is said at once and the run goes on.
class ReportWriter
{
public:
    // Without a report (none was asked for) it writes nothing and never fails.
    ReportWriter(RunReport* report, QString command, RunReport::Program program);

    void write(const PortSession::Outcome& outcome);
    bool failed() const;
    // "store" or "verify".
    const QString& command() const { return m_command; }
    const RunReport::Program& program() const { return m_program; }

private:
    RunReport* m_report;
    QString m_command;
    RunReport::Program m_program;
    mutable std::mutex m_mutex;
    bool m_failed = false;
};

#endif // REPORTWRITER_H
