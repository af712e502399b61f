#ifndef REPORTSUMMARY_H
#define REPORTSUMMARY_H

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A shift's work counted from the files of --report: the lines per
// configuration (by its SHA-256, or by its name in lines written before
// checksums were recorded) and per outcome.
class ReportSummary
{
public:
    // A report line is far shorter (a verify with every field different
    // comes to some 100 KiB); a longer one is not ours.
    static constexpr qint64 MaxLineBytes = 1024 * 1024;

    // Counts every line of one report file. On a file that cannot be read or
    // a line that is not a report line it counts nothing of that file and
    // says which file and line.
    bool add(const QString& path, QString* error);

    int lines() const { return m_total.lines; }
    // The totals as printed: each file with its outcomes, then the outcomes
    // of all files.
    QString text() const;

private:
    struct Totals {
        int lines = 0;
        QMap<QString, int> outcomes;
        void count(const QString& outcome);
    };
    struct FileTotals {
        QString sha256; // empty for lines without one
        qint64 size = -1;
        QStringList names;
        Totals totals;
    };

    static QString outcomeLines(const Totals& totals, const QString& indent);

    QList<FileTotals> m_files; // in the order first seen
    Totals m_total;
};

#endif // REPORTSUMMARY_H
