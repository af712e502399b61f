#ifndef REPORTWRITER_H
#define REPORTWRITER_H

#include "runreport.h"

#include <mutex>

class ReportDatabase;
class ReportSpool;

// The report's line of each port as soon as the port is done, from whichever
// thread ran it; a line that cannot be written is said at once and the run goes on.
//
// With a database the line becomes its record; one the database does not take
// goes to the spool, is said, and is counted in spooled(). Before each record
// and at finish() the spool is sent first, so records arrive in their order.
class ReportWriter
{
public:
    // Without a report (none was asked for) it writes nothing and never fails.
    ReportWriter(RunReport* report, QString command, RunReport::Program program);
    // The records go to `database`, and to `spool` when it does not take them.
    ReportWriter(ReportDatabase* database, ReportSpool* spool, QString command, RunReport::Program program);

    // The station named in the records (RunReport::defaultStation() unless set).
    void setStation(const QString& station) { m_station = station; }

    void write(const PortSession::Outcome& outcome);
    bool failed() const;
    // The records of this run that went to the spool, and those of them
    // still there (not yet sent since).
    int spooled() const;
    int waiting() const;
    // At the end of a run or shift: the spool is sent once more, and what
    // stays in it said on standard error.
    void finish();
    // "store" or "verify".
    const QString& command() const { return m_command; }
    const RunReport::Program& program() const { return m_program; }

private:
    // Whether the database took it; says why not.
    bool sendSpool(QString* why);

    RunReport* m_report = nullptr;
    ReportDatabase* m_database = nullptr;
    ReportSpool* m_spool = nullptr;
    QString m_command;
    RunReport::Program m_program;
    QString m_station = RunReport::defaultStation();
    mutable std::mutex m_mutex;
    bool m_failed = false;
    int m_spooled = 0;
    int m_waiting = 0;
};

#endif // REPORTWRITER_H
