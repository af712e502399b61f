#include "reportwriter.h"

#include "clicommon.h"
#include "progressoutput.h"

ReportWriter::ReportWriter(RunReport* report, QString command, RunReport::Program program)
    : m_report(report)
    , m_command(std::move(command))
    , m_program(std::move(program))
{
}

void ReportWriter::write(const PortSession::Outcome& outcome)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    QString error;
    if (m_report && !m_report->append(m_command, m_program, outcome, &error)) {
        Cli::printError(QStringLiteral("%1 (the line of %2 is missing)")
                            .arg(error, ProgressOutput::label(outcome.slot, outcome.port)));
        m_failed = true;
    }
}

bool ReportWriter::failed() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_failed;
}
