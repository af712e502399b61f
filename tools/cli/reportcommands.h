#ifndef REPORTCOMMANDS_H
#define REPORTCOMMANDS_H

#include <QString>

// report push SPOOL --report DATABASE: the records a station kept in its
// spool, sent to the database by hand (a shift sends them by itself when the
// database answers again).
namespace ReportCommands {

// 0 every record is in the database and the spool is empty; 1 the database
// did not take them all (the spool is kept whole, and may be pushed again);
// 2 a wrong command line, a spool that cannot be read, a database that refused.
int push(const QString& spoolFile, const QString& reportText);

// summary: counts the records of report files and databases (sqlite:PATH,
// postgresql://...) per configuration (`by` "config"), slot or station, those
// whose device started from `since` to `until` (either empty: open).
int summary(const QString& by, const QString& since, const QString& until, const QStringList& reports);

} // namespace ReportCommands

#endif // REPORTCOMMANDS_H
