#ifndef REPORTDATABASE_H
#define REPORTDATABASE_H

#include "reportperiod.h"
#include "reporttarget.h"

#include <QJsonObject>
#include <QString>
#include <QThread>

#include <functional>

// The production record in a database: one table, kvr210c_records, with a
// column for each field of a report line, the whole line as JSON (column
// "line", which reads back as the file's line) and the line's unique "id", so
// that a record sent twice (from a spool, after a crash) is kept once.
//
// Created on first use with the schema's version in kvr210c_schema; an older
// schema is brought up to this one, a newer one is refused with the reason.
//
// A connection belongs to the thread that made it, and the report is written
// from every slot's thread: all the work happens in one thread of the
// database's own, and each call waits for it there. Every call is bounded: a
// connection attempt takes at most ConnectTimeoutS seconds (or PGCONNECT_TIMEOUT
// where it is set), a statement at
// most StatementTimeoutS, and a network that goes away mid-statement is given
// up within seconds (TCP keepalives and user timeout); SQLite waits up to
// BusyTimeoutMs for another station's write.
class ReportDatabase
{
public:
    static constexpr int SchemaVersion = 1;
    static constexpr int ConnectTimeoutS = 2;
    static constexpr int StatementTimeoutS = 10;
    static constexpr int BusyTimeoutMs = 5000;
    static constexpr int ReadTimeoutS = 600;

    enum class Status {
        Ok,
        // The server did not answer (not running, no network): it may later.
        Unreachable,
        // It answered no: a refused password, an unknown role or database, a
        // newer schema, a file that is not a database. It will not change by itself.
        Refused,
    };

    explicit ReportDatabase(const ReportTarget& target);
    ~ReportDatabase();
    ReportDatabase(const ReportDatabase&) = delete;
    ReportDatabase& operator=(const ReportDatabase&) = delete;

    // Connects, and creates or brings up the table; says why not.
    Status open(QString* error);
    // Begins open() in the database's thread and returns at once, so that the
    // client library loads and signs in while the caller does other work; the
    // next open() waits for this attempt and tells its outcome.
    void openAhead();
    // One record (a report line with its "id") in a transaction of its own;
    // reconnects once when the connection was lost meanwhile.
    Status insert(const QJsonObject& line, QString* error);
    // The same from a line as the file and the spool hold it.
    Status insertLine(const QByteArray& line, QString* error);

    // Takes one record's line; false, with the reason, stops the reading.
    using LineReader = std::function<bool(const QByteArray& line, QString* why)>;
    // Hands `take` the line of each record whose device started in `period`,
    // in the order they started (then by id), one row at a time; reads and
    // changes nothing else (no table is made). Says why not.
    Status read(const ReportPeriod& period, const LineReader& take, QString* error);

    const ReportTarget& target() const { return m_target; }

private:
    Status connect(QString* error);
    Status openConnection(bool readOnly, QString* error);
    Status readHere(const ReportPeriod& period, const LineReader& take, QString* error);
    QString newerSchema(int version) const;
    Status prepareTable(QString* error);
    Status insertHere(const QJsonObject& line, QString* error);
    void closeHere();
    // Runs `work` in the database's thread and waits for it.
    void inThread(const std::function<void()>& work);

    ReportTarget m_target;
    QString m_connection; // the connection's name, this object's own
    QThread m_thread;
    QObject* m_context = nullptr; // lives in m_thread
    bool m_ready = false; // connected, and the table checked
    // An openAhead() not yet told by open(), and its outcome.
    bool m_ahead = false;
    Status m_aheadStatus = Status::Ok;
    QString m_aheadError;
};

#endif // REPORTDATABASE_H
