#include "pgserver.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QVersionNumber>

#include <csignal>
#include <unistd.h>

namespace {

constexpr int CommandTimeoutMs = 60000;
const char* const password = "kvr-test-password";

bool writeOwnFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
        && file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

// The newest of the installed versions' binaries.
QString findBinaries()
{
    QString best;
    QVersionNumber bestVersion;
    const QDir root(QStringLiteral("/usr/lib/postgresql"));
    for (const QString& version : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QVersionNumber number = QVersionNumber::fromString(version);
        if (QFile::exists(root.filePath(version + QStringLiteral("/bin/pg_ctl"))) && number > bestVersion) {
            bestVersion = number;
            best = root.filePath(version + QStringLiteral("/bin"));
        }
    }
    return best;
}

} // namespace

PgServer::~PgServer()
{
    if (m_running) {
        stop();
    }
}

bool PgServer::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // PostgreSQL refuses to run as root.
    if (::geteuid() == 0) {
        process.start(QStringLiteral("setpriv"),
                      QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups", program} + arguments);
    } else {
        process.start(program, arguments);
    }
    const bool finished = process.waitForFinished(CommandTimeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished(3000);
    }
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        m_error = QStringLiteral("%1 failed: %2%3")
                      .arg(QFileInfo(program).fileName(), process.errorString(),
                           QString::fromLocal8Bit(process.readAll()));
        return false;
    }
    return true;
}

bool PgServer::create()
{
    m_bin = findBinaries();
    if (m_bin.isEmpty()) {
        m_error = QStringLiteral("no PostgreSQL server in /usr/lib/postgresql (install postgresql)");
        return false;
    }
    const QString pwfile = m_dir.filePath(QStringLiteral("initdb-password"));
    if (!m_dir.isValid() || !writeOwnFile(pwfile, password)
        || !writeOwnFile(passFile(), QByteArray("*:*:*:") + User + ':' + password + '\n')
        || !writeOwnFile(wrongPassFile(), QByteArray("*:*:*:") + User + ":not-the-password\n")) {
        m_error = QStringLiteral("cannot write the server's files in %1").arg(m_dir.path());
        return false;
    }
    if (::geteuid() == 0
        && (::chown(QFile::encodeName(m_dir.path()).constData(), 65534, 65534) != 0
            || ::chown(QFile::encodeName(pwfile).constData(), 65534, 65534) != 0)) {
        m_error = QStringLiteral("cannot hand %1 to nobody").arg(m_dir.path());
        return false;
    }
    return run(m_bin + QStringLiteral("/initdb"),
               {"-D", m_dir.filePath("data"), "-U", User, "--auth=scram-sha-256", "--pwfile=" + pwfile, "-E", "UTF8",
                "--no-locale", "--no-sync"});
}

bool PgServer::start()
{
    if (m_bin.isEmpty() && !create()) {
        return false;
    }
    m_running = run(
        m_bin + QStringLiteral("/pg_ctl"),
        {"-D", m_dir.filePath("data"), "-l", m_dir.filePath("log"), "-w", "-t", "30", "-o",
         QStringLiteral("-c listen_addresses='' -c unix_socket_directories='%1' -c fsync=off").arg(m_dir.path()),
         "start"});
    return m_running;
}

bool PgServer::stop()
{
    m_running = !run(m_bin + QStringLiteral("/pg_ctl"), {"-D", m_dir.filePath("data"), "-m", "fast", "-w", "stop"});
    return !m_running;
}

bool PgServer::pause(bool paused)
{
    QFile pidFile(m_dir.filePath(QStringLiteral("data/postmaster.pid")));
    const pid_t pid = pidFile.open(QIODevice::ReadOnly) ? pid_t(pidFile.readLine().trimmed().toLongLong()) : 0;
    return pid > 0 && ::kill(pid, paused ? SIGSTOP : SIGCONT) == 0;
}

QString PgServer::url() const
{
    return QStringLiteral("postgresql://%1@/postgres?host=%2").arg(QLatin1String(User), m_dir.path());
}
