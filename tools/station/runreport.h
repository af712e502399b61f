#ifndef RUNREPORT_H
#define RUNREPORT_H

#include "portsession.h"

#include <QFile>
#include <QJsonObject>
#include <QString>

// The production log of --report: one JSON object a line per port and run,
// appended, so a line of stations can share one file. Each line stands on its
// own: what was stored (the file's SHA-256 and size), by which version of the
// tool, through which adapter, when and with what result.
class RunReport
{
public:
    // The configuration a run stores or verifies.
    struct Program {
        Program(QString file, const QByteArray& bytes);
        QString file; // as given
        QString sha256; // of the bytes as read, once
        qint64 size = 0;
    };

    explicit RunReport(const QString& path);

    // Opens (and creates) the file for appending; says why not.
    bool open(QString* error);
    // One line for one port, written at once and whole or not at all;
    // `command` is "store" or "verify".
    bool append(const QString& command, const Program& program, const PortSession::Outcome& outcome, QString* error);

    // A line as append() writes it. Each names its station and has an id of its
    // own (a UUID), by which a database keeps a record sent twice once.
    static QJsonObject toJson(const QString& command, const Program& program, const PortSession::Outcome& outcome);
    static QJsonObject toJson(const QString& command, const Program& program, const PortSession::Outcome& outcome,
                              const QString& station);
    // The station's name unless --station-name gives one: the machine's host name.
    static QString defaultStation();

    // One line made by toJson(), as append() writes it.
    bool appendLine(const QJsonObject& line, QString* error);

private:
    QFile m_file;
};

#endif // RUNREPORT_H
