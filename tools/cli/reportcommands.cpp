#include "reportcommands.h"

#include "clicommon.h"
#include "reportdatabase.h"
#include "reportspool.h"
#include "reportsummary.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

using namespace Cli;

namespace ReportCommands {

int push(const QString& spoolFile, const QString& reportText)
{
    const QString command = QStringLiteral("report");
    ReportTarget target;
    QString error;
    if (reportText.isEmpty()) {
        return usageError(QStringLiteral("report push needs --report (the database)"), command);
    }
    if (!ReportTarget::parse(reportText, &target, &error)) {
        return usageError(error, command);
    }
    if (!target.isDatabase()) {
        return usageError(QStringLiteral("report push sends to a database: --report sqlite:PATH or "
                                         "postgresql://USER@HOST/DATABASE"),
                          command);
    }
    const QString shown = QDir::toNativeSeparators(spoolFile);
    if (!QFileInfo(spoolFile).isFile()) {
        printError(QStringLiteral("there is no spool %1").arg(shown));
        return ExitUsage;
    }
    ReportDatabase database(target);
    switch (database.open(&error)) {
    case ReportDatabase::Status::Ok:
        break;
    case ReportDatabase::Status::Refused:
        printError(QStringLiteral("%1; nothing was sent").arg(error));
        return ExitUsage;
    case ReportDatabase::Status::Unreachable:
        printError(QStringLiteral("%1; nothing was sent, the spool %2 is kept").arg(error, shown));
        return ExitFailed;
    }
    ReportSpool spool(spoolFile);
    const ReportSpool::Sent sent = spool.send([&database](const QByteArray& line, QString* why) {
        return database.insertLine(line, why) == ReportDatabase::Status::Ok;
    });
    if (!sent.error.isEmpty()) {
        printError(QStringLiteral("%1 of the records sent, then %2 (%3); the spool is kept whole, and may be pushed "
                                  "again: records already in the database are kept once")
                       .arg(sent.sent)
                       .arg(shown, sent.error));
        return ExitFailed;
    }
    printOut(QStringLiteral("%1 records sent to %2; the spool %3 is empty\n")
                 .arg(sent.sent)
                 .arg(target.displayName(), shown));
    return ExitOk;
}

int summary(const QString& by, const QString& since, const QString& until, const QStringList& reports)
{
    const QString command = QStringLiteral("summary");
    static const QHash<QString, ReportSummary::Grouping> groupings{
        {QStringLiteral("config"), ReportSummary::Grouping::Configuration},
        {QStringLiteral("slot"), ReportSummary::Grouping::Slot},
        {QStringLiteral("station"), ReportSummary::Grouping::Station}};
    if (!groupings.contains(by)) {
        return usageError(QStringLiteral("--by takes config, slot or station, not \"%1\"").arg(by), command);
    }
    ReportPeriod period;
    QString error;
    if (!ReportPeriod::parse(since, until, &period, &error)) {
        return usageError(error, command);
    }
    QList<ReportTarget> targets;
    for (const QString& report : reports) {
        targets.append(ReportTarget());
        if (!ReportTarget::parse(report, &targets.last(), &error, command)) {
            return usageError(error, command);
        }
    }
    ReportSummary totals(groupings.value(by));
    const ReportDatabase::LineReader addLine = [&totals](const QByteArray& line, QString* why) {
        return totals.addLine(line, why);
    };
    for (const ReportTarget& target : std::as_const(targets)) {
        // A database picks the period's records itself: a year of them is never read whole.
        totals.setPeriod(target.isDatabase() ? ReportPeriod() : period);
        const bool counted = target.isDatabase()
            ? ReportDatabase(target).read(period, addLine, &error) == ReportDatabase::Status::Ok
            : totals.add(target.path(), &error);
        if (!counted) {
            printError(QStringLiteral("%1; nothing was counted").arg(error));
            return ExitUsage;
        }
    }
    totals.print(printOut);
    return ExitOk;
}

} // namespace ReportCommands
