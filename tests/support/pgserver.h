#ifndef PGSERVER_H
#define PGSERVER_H

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A PostgreSQL server of a test's own, from Debian's binaries
// (/usr/lib/postgresql/<version>/bin): initdb into a temporary folder, which
// is also the only place it listens (a Unix socket, no TCP), so tests never
// meet another server. Its role "kvr" signs in with a password, which
// passFile() holds for the client (PGPASSFILE). Run as root, the server runs
// as nobody, since PostgreSQL refuses root. Stopped and removed when the
// object goes.
class PgServer
{
public:
    static constexpr const char* User = "kvr";

    PgServer() = default;
    ~PgServer();
    PgServer(const PgServer&) = delete;
    PgServer& operator=(const PgServer&) = delete;

    // The first start makes the cluster; each waits until it takes connections.
    bool start();
    // As an administrator stops it for maintenance: sessions are ended.
    bool stop();
    // Stops (SIGSTOP) or resumes the server: one that takes connections and never answers.
    bool pause(bool paused);
    QString errorString() const { return m_error; }

    // --report's text for its database "postgres", through the socket.
    QString url() const;
    QString socketFolder() const { return m_dir.path(); }
    // A password file with the right password, and one with a wrong one.
    QString passFile() const { return m_dir.filePath(QStringLiteral("pgpass")); }
    QString wrongPassFile() const { return m_dir.filePath(QStringLiteral("pgpass-wrong")); }

private:
    bool run(const QString& program, const QStringList& arguments);
    bool create();

    QTemporaryDir m_dir;
    QString m_bin; // the folder of initdb and pg_ctl, once found
    bool m_running = false;
    QString m_error;
};

#endif // PGSERVER_H
