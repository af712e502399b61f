#include "reporttarget.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

const QString sqlitePrefix = QStringLiteral("sqlite:");

QString passwordAdvice()
{
    return QStringLiteral("passwords are never given on the command line; put it in ~/.pgpass or PGPASSFILE");
}

} // namespace

bool ReportTarget::parse(const QString& text, ReportTarget* target, QString* error, const QString& given)
{
    *target = ReportTarget();
    if (text.startsWith(sqlitePrefix)) {
        target->m_kind = Kind::Sqlite;
        target->m_path = text.mid(sqlitePrefix.size());
        if (target->m_path.isEmpty()) {
            *error = QStringLiteral("%1 sqlite: needs the database file's path (sqlite:records.db)").arg(given);
            return false;
        }
        return true;
    }
    if (text.startsWith(QLatin1String("postgresql:")) || text.startsWith(QLatin1String("postgres:"))) {
        return parsePostgresql(text, target, error, given);
    }
    // "mysql://..." is no file name anyone means.
    static const QRegularExpression otherScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    if (otherScheme.match(text).hasMatch()) {
        *error = QStringLiteral("%1 \"%2\": a database is sqlite:PATH or postgresql://USER@HOST/DATABASE")
                     .arg(given, text.section(QLatin1String("://"), 0, 0) + QLatin1String("://..."));
        return false;
    }
    target->m_path = text;
    return true;
}

bool ReportTarget::parsePostgresql(const QString& text, ReportTarget* target, QString* error, const QString& given)
{
    const QString form = QStringLiteral("postgresql://USER@HOST[:PORT]/DATABASE or postgresql:///DATABASE?host=FOLDER");
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || !text.contains(QLatin1String("://"))) {
        *error = QStringLiteral("%1: not a PostgreSQL address (%2)").arg(given, form);
        return false;
    }
    // "user:@host" has an empty password: still one typed on the command line.
    const QString authority =
        text.section(QLatin1String("://"), 1).section(QRegularExpression(QStringLiteral("[/?]")), 0, 0);
    if (!url.password().isEmpty() || authority.section(QLatin1Char('@'), 0, -2).contains(QLatin1Char(':'))) {
        *error = QStringLiteral("%1: %2").arg(given, passwordAdvice());
        return false;
    }
    target->m_kind = Kind::Postgresql;
    target->m_user = url.userName();
    target->m_host = url.host();
    target->m_port = url.port(-1);
    target->m_database = url.path().mid(1);
    const QUrlQuery query(url);
    for (const auto& [name, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (name == QLatin1String("host") && target->m_host.isEmpty()) {
            target->m_host = value;
        } else if (name == QLatin1String("port") && target->m_port < 0) {
            bool number = false;
            target->m_port = value.toInt(&number);
            if (!number || target->m_port <= 0 || target->m_port > 65535) {
                *error = QStringLiteral("%1: the port \"%2\" is no port number").arg(given, value);
                return false;
            }
        } else if (name == QLatin1String("password")) {
            *error = QStringLiteral("%1: %2").arg(given, passwordAdvice());
            return false;
        } else {
            *error = QStringLiteral("%1: \"%2\" is not a setting it takes (host, port)").arg(given, name);
            return false;
        }
    }
    if (target->m_database.isEmpty() || target->m_database.contains(QLatin1Char('/'))) {
        *error = QStringLiteral("%1: name the database (%2)").arg(given, form);
        return false;
    }
    return true;
}

QString ReportTarget::displayName() const
{
    switch (m_kind) {
    case Kind::File:
        return QDir::toNativeSeparators(m_path);
    case Kind::Sqlite:
        return sqlitePrefix + QDir::toNativeSeparators(m_path);
    case Kind::Postgresql:
        break;
    }
    const bool socket = m_host.startsWith(QLatin1Char('/'));
    QString name = QStringLiteral("postgresql://");
    if (!m_user.isEmpty()) {
        name += m_user + QLatin1Char('@');
    }
    if (!socket) {
        name += m_host;
        if (m_port >= 0) {
            name += QStringLiteral(":%1").arg(m_port);
        }
    }
    name += QLatin1Char('/') + m_database;
    if (socket) {
        name += QStringLiteral("?host=") + m_host;
        if (m_port >= 0) {
            name += QStringLiteral("&port=%1").arg(m_port);
        }
    }
    return name;
}
