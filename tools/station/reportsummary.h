#ifndef REPORTSUMMARY_H
#define REPORTSUMMARY_H

#include "reportperiod.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

// A shift's work counted from the files of --report, or from its lines as a
// run writes them: the lines per configuration (by its SHA-256, or by its name
// in lines written before checksums were recorded), or per slot (by the name of
// the place on the fixture, or the port in lines written before slots), or per
// station, and per outcome; all of them or those of a period.
//
// A line costs what it holds and is counted in constant time, so a year of
// reports is read at the speed of the disk. A line cut off while it was being
// written (the last line of a file with no line end, one the next run ended,
// or one that an older version glued the next line onto) is not counted but
// named.
class ReportSummary
{
public:
    // A report line is far shorter (a verify with every field different
    // comes to some 100 KiB); a longer one is not ours.
    static constexpr qint64 MaxLineBytes = 1024 * 1024;

    enum class Grouping { Configuration, Slot, Station };

    explicit ReportSummary(Grouping grouping = Grouping::Configuration);

    // Counts every line of one report file. On a file that cannot be read or
    // a line that is not a report line it counts nothing of that file and
    // says which file and line.
    bool add(const QString& path, QString* error);
    // Counts one report line held in memory (with or without its line end),
    // as add() counts it from a file; says why a line is not a report line
    // and counts nothing then.
    bool addLine(const QByteArray& jsonLine, QString* error);
    // Counts one device's outcome by slot as its report line would be counted,
    // without the line: `slot` is the slot's name, `result` as the report names it.
    void addOutcome(const QString& slot, const QString& result);

    // Only the lines whose device started in `period` are counted.
    void setPeriod(const ReportPeriod& period) { m_period = period; }
    // The line before the totals, "All files:" unless set (a shift's own counts have no files).
    void setTotalsHeading(const QString& heading) { m_totalsHeading = heading; }
    // Counting by slot, the slots named here come first and in this order (a
    // station's); the others follow in the order the lines first name them,
    // which is all a report file tells.
    void setSlotOrder(const QStringList& slotNames) { m_slotOrder = slotNames; }

    int lines() const { return m_tally.total.lines; }
    // "log.jsonl, line 7" for each line that was cut off, in the order found.
    const QStringList& cutOffLines() const { return m_cutOff; }
    // The totals as printed: each configuration or slot with its outcomes,
    // then the outcomes of all files, then the lines that were cut off. What
    // the lines hold is printed with its control characters escaped.
    QString text() const;
    // The same text handed to `out` a piece at a time, so that it is never
    // held whole (a summary of distinct configurations is as long as the reports).
    void print(const std::function<void(const QString&)>& out) const;

private:
    struct Counts {
        int lines = 0;
        std::vector<std::pair<int, int>> perOutcome; // (outcome id, lines), in the order first counted
        // Outcome id -> index in perOutcome, once there are more than a few to search.
        QHash<int, qsizetype> index;
        void count(int outcome, int lines = 1);
    };
    // A configuration's counts, or a slot's (by name: no digest, no size).
    struct FileTotals {
        QByteArray sha256; // the raw digest, empty for lines without one
        qint64 size = -1;
        QStringList names;
        Counts counts;
    };
    // The counts of one or more report files; configurations in the order first seen.
    struct Tally {
        QList<FileTotals> files;
        QHash<QByteArray, int> bySha256; // raw digest -> index in files
        QHash<QString, int> byName; // lines without a checksum
        QSet<QPair<int, QString>> manyNames; // (index, name) of configurations with many names
        Counts total;
        FileTotals& entry(const QByteArray& sha256, qint64 size, const QString& name);
        void addName(int index, const QString& name);
        void merge(const Tally& other);
    };
    struct Entry;

    // `json` tells a line that is no JSON at all (perhaps cut off) from one that is not a report's.
    bool countEntry(const QByteArray& text, Tally* tally, QString* why, bool* json);
    void count(Tally* tally, const QByteArray& sha256, qint64 size, const QString& name, const QString& result);
    int outcomeId(const QString& outcome);
    QString outcomeLines(const Counts& counts, const QString& indent) const;
    // Indexes into m_tally.files as printed.
    std::vector<qsizetype> printOrder() const;

    Grouping m_grouping;
    ReportPeriod m_period;
    QString m_totalsHeading = QStringLiteral("All files:");
    QStringList m_slotOrder;
    Tally m_tally;
    QStringList m_outcomes; // by id
    QHash<QString, int> m_outcomeIds;
    QSet<QString> m_names; // each name's text held once, however many lines give it
    QStringList m_cutOff;
};

#endif // REPORTSUMMARY_H
