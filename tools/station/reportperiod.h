#ifndef REPORTPERIOD_H
#define REPORTPERIOD_H

#include <QDateTime>
#include <QString>

// The records summary counts, by when the device's work started: from --since
// (included) to --until (not included). Each is an ISO 8601 date or date and
// time, in local time unless it gives an offset ("Z", "+01:00"); a date alone
// is its midnight, so "--since 2026-03-02 --until 2026-03-03" is one day.
class ReportPeriod
{
public:
    // Says what is wrong in the user's words; empty texts leave that end open.
    static bool parse(const QString& since, const QString& until, ReportPeriod* period, QString* error);

    bool isWhole() const { return !m_since.isValid() && !m_until.isValid(); }
    const QDateTime& since() const { return m_since; } // invalid: open
    const QDateTime& until() const { return m_until; } // invalid: open
    bool contains(const QDateTime& start) const;
    // The ends as the records write their times (UTC, "2026-03-02T07:00:00.000Z"),
    // so that a database that keeps them as text compares them as times.
    static QString recordTime(const QDateTime& time);

private:
    static bool parseTime(const QString& option, const QString& text, QDateTime* time, QString* error);

    QDateTime m_since;
    QDateTime m_until;
};

#endif // REPORTPERIOD_H
