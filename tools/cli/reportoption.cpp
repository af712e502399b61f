#include "reportoption.h"

#include "clicommon.h"

#include <QDir>

using namespace Cli;

namespace ReportOption {

namespace {

constexpr int MaxStationNameChars = 100;

} // namespace

bool ready(const Report& report)
{
    if (!report.database) {
        return true;
    }
    QString error;
    switch (report.database->open(&error)) {
    case ReportDatabase::Status::Ok:
        return true;
    case ReportDatabase::Status::Refused:
        printError(QStringLiteral("%1; no device was touched").arg(error));
        return false;
    case ReportDatabase::Status::Unreachable:
        break;
    }
    // A station goes on without its server: nothing is lost, and the records follow when it answers.
    printError(QStringLiteral("%1; the records wait in the spool %2 until it answers")
                   .arg(error, QDir::toNativeSeparators(report.spool->path())));
    return true;
}

bool open(const DeviceCommands::RunOptions& options, const QString& command, const RunReport::Program& program,
          Report* report)
{
    ReportTarget target;
    QString error;
    if (!ReportTarget::parse(options.reportFile, &target, &error)) {
        printError(QStringLiteral("%1; no device was touched").arg(error));
        return false;
    }
    const QString station = options.stationName.isEmpty() ? RunReport::defaultStation() : options.stationName;
    if (target.isDatabase()) {
        report->spool = std::make_unique<ReportSpool>(options.spoolFile.isEmpty() ? ReportSpool::defaultPath(target)
                                                                                  : options.spoolFile);
        report->database = std::make_unique<ReportDatabase>(target);
        report->database->openAhead();
        report->writer = std::make_unique<ReportWriter>(report->database.get(), report->spool.get(), command, program);
        report->writer->setStation(station);
        return true;
    }
    if (!target.path().isEmpty()) {
        report->file = std::make_unique<RunReport>(target.path());
        if (!report->file->open(&error)) {
            printError(QStringLiteral("%1; no device was touched").arg(error));
            return false;
        }
    }
    report->writer = std::make_unique<ReportWriter>(report->file.get(), command, program);
    report->writer->setStation(station);
    return true;
}

void finish(const Report& report, bool totals)
{
    if (!report.database) {
        return;
    }
    report.writer->finish();
    const int waiting = report.writer->waiting();
    if (totals && report.writer->spooled() > 0) {
        printOut(QStringLiteral("Records the database did not take at once: %1, still in the spool: %2\n")
                     .arg(report.writer->spooled())
                     .arg(waiting));
    }
    if (waiting > 0) {
        printError(QStringLiteral("%1 of this run's records %2 not in the database %3 yet")
                       .arg(waiting)
                       .arg(waiting == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                            report.database->target().displayName()));
    }
}

QString writtenFile(const QString& reportText)
{
    ReportTarget target;
    QString error;
    return ReportTarget::parse(reportText, &target, &error) && target.kind() != ReportTarget::Kind::Postgresql
        ? target.path()
        : QString();
}

bool checkStationName(const QString& name, QString* error)
{
    const bool control = std::any_of(name.cbegin(), name.cend(),
                                     [](QChar c) { return c.category() == QChar::Other_Control; });
    if (name.trimmed().isEmpty() || name.size() > MaxStationNameChars || control) {
        *error = QStringLiteral("--station-name takes a name of 1 to %1 characters, without control characters")
                     .arg(MaxStationNameChars);
        return false;
    }
    return true;
}

} // namespace ReportOption
