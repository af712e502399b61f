#ifndef REPORTSPOOL_H
#define REPORTSPOOL_H

#include "reporttarget.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The records a database did not take (the server down, the network gone, its
// disk full), kept as report lines in a local file until it takes them. Lines
// are appended as the report file's are (ReportAppend: whole, locked), so the
// runs of one station may share a spool.
//
// Sending empties the spool only once every line went: lines not sent stay, and
// a line sent just before a crash is sent again later, which its record's id
// keeps once.
class ReportSpool
{
public:
    // $XDG_STATE_HOME/kvr210c/spool-<database>.jsonl (XDG_STATE_HOME is by
    // default ~/.local/state), one for each database, so that a record never
    // reaches another station's database than its own. <database> is the
    // start of the SHA-256 of its displayName() (with an absolute path).
    static QString defaultPath(const ReportTarget& target);

    explicit ReportSpool(QString path);

    const QString& path() const { return m_path; }
    // Whether a line waits; cheap enough to ask before every record.
    bool holdsLines() const;
    // One line (ending in '\n'), making the folder where needed; says why not.
    bool add(const QByteArray& line, QString* error);

    struct Sent {
        int sent = 0;
        int left = 0; // lines not yet in the database; -1 where not known (another run is at it)
        QString error; // why not all were sent (the spool is then kept whole)
    };
    // Hands each line (without its end) to `send` in order, and stops at the
    // first it does not take; `send` says why not.
    using Send = std::function<bool(const QByteArray& line, QString* why)>;
    Sent send(const Send& sendLine);

private:
    QString m_path;
};

#endif // REPORTSPOOL_H
