#ifndef REPORTTARGET_H
#define REPORTTARGET_H

#include <QString>

// Where --report sends a run's records, read from its text:
//   a plain path                        the JSON-lines file, one line a device
//   sqlite:PATH                         an SQLite database file, for one station
//   postgresql://[USER@]HOST[:PORT]/DB  a PostgreSQL server, for many
//   postgresql:///DB?host=/run/postgresql   the same through its socket folder
// A password is never taken from the command line, where other users and the
// shell's history see it: the PostgreSQL client library reads ~/.pgpass,
// PGPASSFILE and the PG* variables itself.
class ReportTarget
{
public:
    enum class Kind { File, Sqlite, Postgresql };

    // Says what is wrong with `text` in the user's words, naming it as `given`
    // (the option or the command that took it).
    static bool parse(const QString& text, ReportTarget* target, QString* error,
                      const QString& given = QStringLiteral("--report"));

    Kind kind() const { return m_kind; }
    bool isDatabase() const { return m_kind != Kind::File; }
    // The file's path (File, Sqlite).
    const QString& path() const { return m_path; }
    // PostgreSQL: empty where the client library's defaults (PGUSER, PGHOST, ...) apply.
    const QString& user() const { return m_user; }
    // A host name or address, or a socket folder (starting with '/').
    const QString& host() const { return m_host; }
    int port() const { return m_port; } // -1: the default
    const QString& database() const { return m_database; }
    // As the user gave it, which never holds a password.
    QString displayName() const;

private:
    static bool parsePostgresql(const QString& text, ReportTarget* target, QString* error, const QString& given);

    Kind m_kind = Kind::File;
    QString m_path;
    QString m_user;
    QString m_host;
    int m_port = -1;
    QString m_database;
};

#endif // REPORTTARGET_H
