#ifndef FILECOMMANDS_H
#define FILECOMMANDS_H

#include <QString>
#include <QStringList>

// The commands of kvr210c-cli that work on files only. Each returns an exit
// code of Cli::ExitCode (diff: as diff(1)).
namespace FileCommands {

int show(const QString& file);
// `format` the JSON form's version, as --format gives it.
int exportJson(const QString& file, const QString& format);
// `jsonFile` "-" reads standard input; nothing is written on any error.
int importJson(const QString& jsonFile, const QString& file);
// 0 equal, 1 different, 2 trouble.
int diff(const QString& fileA, const QString& fileB);
// Counts report files per configuration (`by` "config") or per slot ("slot");
// see ReportCommands::summary for databases and periods.
int summary(const QString& by, const QStringList& files);

} // namespace FileCommands

#endif // FILECOMMANDS_H
