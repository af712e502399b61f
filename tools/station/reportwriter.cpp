#include "reportwriter.h"

#include "clicommon.h"
#include "progressoutput.h"
#include "reportdatabase.h"
#include "reportspool.h"

#include <QDir>
#include <QJsonDocument>

ReportWriter::ReportWriter(RunReport* report, QString command, RunReport::Program program)
    : m_report(report)
    , m_command(std::move(command))
    , m_program(std::move(program))
{
}

ReportWriter::ReportWriter(ReportDatabase* database, ReportSpool* spool, QString command, RunReport::Program program)
    : m_database(database)
    , m_spool(spool)
    , m_command(std::move(command))
    , m_program(std::move(program))
{
}

void ReportWriter::write(const PortSession::Outcome& outcome)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    QString error;
    const QString label = ProgressOutput::label(outcome.slot, outcome.port);
    if (!m_report && !m_database) {
        return;
    }
    const QJsonObject line = RunReport::toJson(m_command, m_program, outcome, m_station);
    if (m_report && !m_report->appendLine(line, &error)) {
        Cli::printError(QStringLiteral("%1 (the line of %2 is missing)").arg(error, label));
        m_failed = true;
    }
    if (!m_database) {
        return;
    }
    // Those that waited go first; while they cannot, neither can this one.
    if (sendSpool(&error) && m_database->insert(line, &error) == ReportDatabase::Status::Ok) {
        return;
    }
    QString spoolError;
    if (!m_spool->add(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n', &spoolError)) {
        Cli::printError(QStringLiteral("%1; %2 (the record of %3 is lost)").arg(error, spoolError, label));
        m_failed = true;
        return;
    }
    ++m_spooled;
    ++m_waiting;
    Cli::printError(QStringLiteral("%1; the record of %2 waits in the spool %3")
                        .arg(error, label, QDir::toNativeSeparators(m_spool->path())));
}

bool ReportWriter::sendSpool(QString* why)
{
    if (!m_spool->holdsLines()) {
        return true;
    }
    const ReportSpool::Sent sent = m_spool->send([this](const QByteArray& line, QString* error) {
        return m_database->insertLine(line, error) == ReportDatabase::Status::Ok;
    });
    if (sent.left != 0) {
        *why = QStringLiteral("the spool %1 is not sent yet (%2)")
                   .arg(QDir::toNativeSeparators(m_spool->path()), sent.error);
        return false;
    }
    m_waiting = 0;
    return true;
}

bool ReportWriter::failed() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_failed;
}

int ReportWriter::spooled() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_spooled;
}

int ReportWriter::waiting() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_waiting;
}

void ReportWriter::finish()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    QString why;
    if (m_database && !sendSpool(&why)) {
        Cli::printError(QStringLiteral("%1; send it later with: kvr210c-cli report push %2 --report %3")
                            .arg(why, QDir::toNativeSeparators(m_spool->path()), m_database->target().displayName()));
    }
}
