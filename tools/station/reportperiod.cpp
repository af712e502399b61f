#include "reportperiod.h"

bool ReportPeriod::parse(const QString& since, const QString& until, ReportPeriod* period, QString* error)
{
    *period = ReportPeriod();
    if (!parseTime(QStringLiteral("--since"), since, &period->m_since, error)
        || !parseTime(QStringLiteral("--until"), until, &period->m_until, error)) {
        return false;
    }
    if (period->m_since.isValid() && period->m_until.isValid() && period->m_since >= period->m_until) {
        *error = QStringLiteral("--since %1 is not before --until %2: no record could be counted").arg(since, until);
        return false;
    }
    return true;
}

bool ReportPeriod::parseTime(const QString& option, const QString& text, QDateTime* time, QString* error)
{
    if (text.isEmpty()) {
        return true;
    }
    // A time is some 30 characters; anything far longer is no time.
    constexpr qsizetype MaxChars = 64;
    const QString trimmed = text.size() <= MaxChars ? text.trimmed() : QString();
    const QDate date = QDate::fromString(trimmed, Qt::ISODate);
    if (date.isValid() && trimmed.size() == 10) {
        *time = date.startOfDay();
    } else {
        // "2026-03-02 07:00" as well as "2026-03-02T07:00".
        QString isoText = trimmed;
        if (isoText.size() > 10 && isoText.at(10) == QLatin1Char(' ')) {
            isoText[10] = QLatin1Char('T');
        }
        *time = QDateTime::fromString(isoText, Qt::ISODateWithMs);
    }
    if (!time->isValid()) {
        *error = QStringLiteral("%1 takes a date or a date and time (2026-03-02, 2026-03-02T07:00, "
                                "2026-03-02T07:00+01:00), not \"%2\"")
                     .arg(option, text.left(MaxChars));
        return false;
    }
    return true;
}

bool ReportPeriod::contains(const QDateTime& start) const
{
    return (!m_since.isValid() || start >= m_since) && (!m_until.isValid() || start < m_until);
}

QString ReportPeriod::recordTime(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}
