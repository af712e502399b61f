#include "reportdatabase.h"

#include "safesave.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

enum class FieldType { Text, Number, Time };

// A report line's fields as columns; "start" and "end" are words SQL keeps for itself.
struct Field {
    const char* key;
    const char* column;
    FieldType type;
};

const std::vector<Field>& fields()
{
    static const std::vector<Field> list{
        {"id", "id", FieldType::Text},
        {"station", "station", FieldType::Text},
        {"command", "command", FieldType::Text},
        {"file", "file", FieldType::Text},
        {"sha256", "sha256", FieldType::Text},
        {"size", "size", FieldType::Number},
        {"port", "port", FieldType::Text},
        {"slot", "slot", FieldType::Text},
        {"location", "location", FieldType::Text},
        {"serial_number", "serial_number", FieldType::Text},
        {"usb_location", "usb_location", FieldType::Text},
        {"vendor_id", "vendor_id", FieldType::Text},
        {"product_id", "product_id", FieldType::Text},
        {"version", "version", FieldType::Text},
        {"start", "start_time", FieldType::Time},
        {"end", "end_time", FieldType::Time},
        {"duration_ms", "duration_ms", FieldType::Number},
        {"result", "result", FieldType::Text},
        {"records", "records", FieldType::Number},
        {"unconfirmed", "unconfirmed", FieldType::Number},
        {"error", "error", FieldType::Text},
    };
    return list;
}

// The statements that bring a table of version N up to N + 1, at index N - 1;
// none yet.
const std::vector<QStringList>& migrations()
{
    static const std::vector<QStringList> steps;
    return steps;
}

bool isSqlite(const ReportTarget& target)
{
    return target.kind() == ReportTarget::Kind::Sqlite;
}

QString createTable(const ReportTarget& target)
{
    QStringList columns;
    for (const Field& field : fields()) {
        const char* type = field.type == FieldType::Number       ? "BIGINT"
            : field.type == FieldType::Time && !isSqlite(target) ? "TIMESTAMPTZ"
                                                                 : "TEXT";
        columns << QStringLiteral("%1 %2").arg(QLatin1String(field.column), QLatin1String(type));
    }
    columns[0] += QStringLiteral(" PRIMARY KEY");
    columns << QStringLiteral("line TEXT NOT NULL");
    return QStringLiteral("CREATE TABLE kvr210c_records (%1)").arg(columns.join(QLatin1String(", ")));
}

QString insertStatement()
{
    QStringList columns;
    QStringList values;
    for (const Field& field : fields()) {
        columns << QLatin1String(field.column);
        values << QLatin1Char(':') + QLatin1String(field.column);
    }
    columns << QStringLiteral("line");
    values << QStringLiteral(":line");
    // A record sent again (from a spool, after a crash) is kept once.
    return QStringLiteral("INSERT INTO kvr210c_records (%1) VALUES (%2) ON CONFLICT (id) DO NOTHING")
        .arg(columns.join(QLatin1String(", ")), values.join(QLatin1String(", ")));
}

QVariant valueOf(const QJsonValue& value, FieldType type)
{
    if (value.isNull() || value.isUndefined()) {
        return QVariant();
    }
    if (type == FieldType::Number) {
        return value.toInteger();
    }
    return value.toString();
}

QString systemText(const QSqlError& error)
{
    return error.text().simplified();
}

// What the server's answer means for the run: whether asking again may help.
// A server that cannot be reached says so before it says anything of roles
// and passwords.
ReportDatabase::Status statusOf(const ReportTarget& target, const QSqlError& error)
{
    if (isSqlite(target)) {
        // Another station's long write; anything else about a file stays as it is.
        return error.text().contains(QLatin1String("locked")) ? ReportDatabase::Status::Unreachable
                                                              : ReportDatabase::Status::Refused;
    }
    static const QRegularExpression refused(
        QStringLiteral("authentication|password|does not exist|pg_hba\\.conf|permission denied|not permitted"),
        QRegularExpression::CaseInsensitiveOption);
    return refused.match(error.text()).hasMatch() ? ReportDatabase::Status::Refused
                                                  : ReportDatabase::Status::Unreachable;
}

} // namespace

ReportDatabase::ReportDatabase(const ReportTarget& target)
    : m_target(target)
    , m_connection(QStringLiteral("kvr210c-report-%1").arg(quintptr(this)))
    , m_context(new QObject)
{
    m_context->moveToThread(&m_thread);
    m_thread.start();
}

ReportDatabase::~ReportDatabase()
{
    inThread([this] { closeHere(); });
    m_thread.quit();
    m_thread.wait();
    delete m_context;
}

void ReportDatabase::inThread(const std::function<void()>& work)
{
    QMetaObject::invokeMethod(m_context, work, Qt::BlockingQueuedConnection);
}

ReportDatabase::Status ReportDatabase::open(QString* error)
{
    Status status = Status::Ok;
    inThread([&] {
        if (m_ahead) {
            m_ahead = false;
            status = m_aheadStatus;
            *error = m_aheadError;
            return;
        }
        status = m_ready ? Status::Ok : connect(error);
    });
    return status;
}

void ReportDatabase::openAhead()
{
    // Queued: open(), queued after it in the same thread, finds its outcome.
    QMetaObject::invokeMethod(
        m_context,
        [this] {
            m_aheadStatus = m_ready ? Status::Ok : connect(&m_aheadError);
            m_ahead = true;
        },
        Qt::QueuedConnection);
}

ReportDatabase::Status ReportDatabase::connect(QString* error)
{
    if (isSqlite(m_target) && !isSaveTarget(m_target.path(), error)) {
        return Status::Refused;
    }
    Status status = openConnection(false, error);
    if (status != Status::Ok) {
        return status;
    }
    status = prepareTable(error);
    if (status != Status::Ok) {
        closeHere();
        return status;
    }
    m_ready = true;
    return status;
}

ReportDatabase::Status ReportDatabase::openConnection(bool readOnly, QString* error)
{
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
        ? QSqlDatabase::database(m_connection, false)
        : QSqlDatabase::addDatabase(isSqlite(m_target) ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"),
                                    m_connection);
    if (!db.isValid()) {
        *error = isSqlite(m_target)
            ? QStringLiteral("the SQLite driver of Qt is not installed (libqt6sql6-sqlite)")
            : QStringLiteral("the PostgreSQL driver of Qt is not installed (install libqt6sql6-psql)");
        return Status::Refused;
    }
    if (isSqlite(m_target)) {
        db.setDatabaseName(m_target.path());
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1%2")
                                 .arg(BusyTimeoutMs)
                                 .arg(readOnly ? QStringLiteral(";QSQLITE_OPEN_READONLY") : QString()));
    } else {
        db.setDatabaseName(m_target.database());
        db.setUserName(m_target.user());
        db.setHostName(m_target.host());
        db.setPort(m_target.port());
        // No password: the client library reads ~/.pgpass, PGPASSFILE and PG* itself,
        // PGCONNECT_TIMEOUT too, which a connection string would override.
        const QString connectTimeout = qEnvironmentVariableIsEmpty("PGCONNECT_TIMEOUT")
            ? QStringLiteral("connect_timeout=%1;").arg(ConnectTimeoutS)
            : QString();
        db.setConnectOptions(
            connectTimeout
            + QStringLiteral(
                  "keepalives=1;keepalives_idle=5;"
                  "keepalives_interval=2;keepalives_count=3;tcp_user_timeout=%1;"
                  "application_name=kvr210c-cli;options='-c statement_timeout=%1 -c client_min_messages=warning'")
                  .arg(StatementTimeoutS * 1000));
    }
    if (!db.open()) {
        const Status status = statusOf(m_target, db.lastError());
        *error = QStringLiteral("the report database %1 %2 (%3)")
                     .arg(m_target.displayName(),
                          status == Status::Refused ? QStringLiteral("refused the connection")
                                                    : QStringLiteral("does not answer"),
                          systemText(db.lastError()));
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        return status;
    }
    return Status::Ok;
}

ReportDatabase::Status ReportDatabase::prepareTable(QString* error)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    const auto failed = [&](const QSqlError& why) {
        *error = QStringLiteral("cannot set up the records in the report database %1 (%2)")
                     .arg(m_target.displayName(), systemText(why));
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return statusOf(m_target, why);
    };
    // Stations starting at once create the table once.
    if (!query.exec(isSqlite(m_target) ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"))
        || (!isSqlite(m_target) && !query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(2102100036)")))
        || !query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS kvr210c_schema (version INTEGER NOT NULL)"))
        || !query.exec(QStringLiteral("SELECT MAX(version) FROM kvr210c_schema")) || !query.next()) {
        return failed(query.lastError());
    }
    const int version = query.value(0).isNull() ? 0 : query.value(0).toInt();
    if (version > SchemaVersion) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        *error = newerSchema(version);
        return Status::Refused;
    }
    QStringList steps;
    if (version == 0) {
        steps << createTable(m_target)
              << QStringLiteral("CREATE INDEX kvr210c_records_start ON kvr210c_records (start_time)")
              << QStringLiteral("INSERT INTO kvr210c_schema (version) VALUES (%1)").arg(SchemaVersion);
    } else {
        for (int from = version; from < SchemaVersion; ++from) {
            steps << migrations().at(size_t(from - 1));
        }
        steps << QStringLiteral("UPDATE kvr210c_schema SET version = %1").arg(SchemaVersion);
    }
    for (const QString& step : std::as_const(steps)) {
        if (!query.exec(step)) {
            return failed(query.lastError());
        }
    }
    if (!query.exec(QStringLiteral("COMMIT"))) {
        return failed(query.lastError());
    }
    return Status::Ok;
}

ReportDatabase::Status ReportDatabase::insert(const QJsonObject& line, QString* error)
{
    Status status = Status::Ok;
    inThread([&] {
        const bool wasReady = m_ready;
        status = m_ready ? insertHere(line, error) : connect(error);
        if (status == Status::Ok && !wasReady) {
            status = insertHere(line, error);
        } else if (status != Status::Ok && wasReady) {
            // The server may have restarted since: one fresh connection.
            closeHere();
            status = connect(error);
            if (status == Status::Ok) {
                status = insertHere(line, error);
            }
        }
    });
    return status;
}

ReportDatabase::Status ReportDatabase::insertLine(const QByteArray& line, QString* error)
{
    const QJsonObject object = QJsonDocument::fromJson(line).object();
    if (!object.value(QLatin1String("id")).isString() || !object.value(QLatin1String("command")).isString()) {
        *error = QStringLiteral("not a report record");
        return Status::Refused;
    }
    return insert(object, error);
}

ReportDatabase::Status ReportDatabase::insertHere(const QJsonObject& line, QString* error)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    const auto failed = [&](const QSqlError& why) {
        *error = QStringLiteral("the report database %1 did not take the record (%2)")
                     .arg(m_target.displayName(), systemText(why));
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return Status::Unreachable;
    };
    if (!db.isOpen()) {
        *error = QStringLiteral("the report database %1 is not connected").arg(m_target.displayName());
        return Status::Unreachable;
    }
    if (!query.exec(isSqlite(m_target) ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"))) {
        return failed(query.lastError());
    }
    static const QString statement = insertStatement();
    if (!query.prepare(statement)) {
        return failed(query.lastError());
    }
    for (const Field& field : fields()) {
        query.bindValue(QLatin1Char(':') + QLatin1String(field.column),
                        valueOf(line.value(QLatin1String(field.key)), field.type));
    }
    query.bindValue(QStringLiteral(":line"), QString::fromUtf8(QJsonDocument(line).toJson(QJsonDocument::Compact)));
    if (!query.exec() || !query.exec(QStringLiteral("COMMIT"))) {
        return failed(query.lastError());
    }
    return Status::Ok;
}

QString ReportDatabase::newerSchema(int version) const
{
    return QStringLiteral("the report database %1 was set up by a newer kvr210c-cli (its records are of "
                          "version %2, this one knows up to %3): update kvr210c-cli on this station")
        .arg(m_target.displayName())
        .arg(version)
        .arg(SchemaVersion);
}

ReportDatabase::Status ReportDatabase::read(const ReportPeriod& period, const LineReader& take, QString* error)
{
    Status status = Status::Ok;
    inThread([&] {
        if (isSqlite(m_target) && !QFileInfo(m_target.path()).isFile()) {
            *error = QStringLiteral("there is no report database %1").arg(m_target.displayName());
            status = Status::Refused;
            return;
        }
        status = openConnection(true, error);
        if (status == Status::Ok) {
            status = readHere(period, take, error);
        }
        closeHere();
    });
    return status;
}

ReportDatabase::Status ReportDatabase::readHere(const ReportPeriod& period, const LineReader& take, QString* error)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    const auto failed = [&](const QSqlError& why) {
        *error = QStringLiteral("cannot read the records of the report database %1 (%2)")
                     .arg(m_target.displayName(), systemText(why));
        return statusOf(m_target, why);
    };
    if (!query.exec(QStringLiteral("SELECT MAX(version) FROM kvr210c_schema")) || !query.next()) {
        return failed(query.lastError());
    }
    if (query.value(0).toInt() > SchemaVersion) {
        *error = newerSchema(query.value(0).toInt());
        return Status::Refused;
    }
    // A year of records may take longer than one device's record; a summary is still bounded.
    if (!isSqlite(m_target) && !query.exec(QStringLiteral("SET statement_timeout = %1").arg(ReadTimeoutS * 1000))) {
        return failed(query.lastError());
    }
    QStringList conditions{QStringLiteral("TRUE")};
    if (period.since().isValid()) {
        conditions << QStringLiteral("start_time >= :since");
    }
    if (period.until().isValid()) {
        conditions << QStringLiteral("start_time < :until");
    }
    // Row by row as they come, never the whole table at once.
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT id, line FROM kvr210c_records WHERE %1 ORDER BY start_time, id")
                           .arg(conditions.join(QLatin1String(" AND "))))) {
        return failed(query.lastError());
    }
    // As the records write their times: SQLite keeps them as that text, and
    // PostgreSQL reads it as the time it is.
    if (period.since().isValid()) {
        query.bindValue(QStringLiteral(":since"), ReportPeriod::recordTime(period.since()));
    }
    if (period.until().isValid()) {
        query.bindValue(QStringLiteral(":until"), ReportPeriod::recordTime(period.until()));
    }
    if (!query.exec()) {
        return failed(query.lastError());
    }
    while (query.next()) {
        QString why;
        if (!take(query.value(1).toString().toUtf8(), &why)) {
            *error = QStringLiteral("%1, record %2: %3").arg(m_target.displayName(), query.value(0).toString(), why);
            return Status::Refused;
        }
    }
    if (query.lastError().isValid()) {
        return failed(query.lastError());
    }
    return Status::Ok;
}

void ReportDatabase::closeHere()
{
    m_ready = false;
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}
