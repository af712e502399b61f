#ifndef REPORTOPTION_H
#define REPORTOPTION_H

#include "devicecommands.h"
#include "reportdatabase.h"
#include "reportspool.h"
#include "reportwriter.h"

#include <memory>

// --report, --spool and --station-name of store and verify: where each
// device's record goes (see ReportTarget), opened before any device is touched.
namespace ReportOption {

// What a run writes its records through; `writer` is always there.
struct Report {
    std::unique_ptr<RunReport> file;
    std::unique_ptr<ReportDatabase> database;
    std::unique_ptr<ReportSpool> spool;
    std::unique_ptr<ReportWriter> writer;
};

// The file is opened, or the database begins to connect and make its table
// ready (ready() tells how that went). A run may not begin (false, said on
// standard error) when the report cannot be written: a file that cannot be
// opened, a database address that is not one.
bool open(const DeviceCommands::RunOptions& options, const QString& command, const RunReport::Program& program,
          Report* report);
// Waits for the database of open(), if any, before any device is touched: false
// (said) when it refused (a password, a role, a newer table). A server that
// does not answer is said, and the run begins with its records going to the
// spool until it does.
bool ready(const Report& report);
// After a run or a shift: the spool sent once more, and said where records
// still wait in it; for a shift (`totals`) they are counted on standard output too.
void finish(const Report& report, bool totals);
// The file --report writes, a database's file too; empty for a server.
QString writtenFile(const QString& reportText);
// --station-name: a name a person can read back from the records.
bool checkStationName(const QString& name, QString* error);

} // namespace ReportOption

#endif // REPORTOPTION_H
