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

    static QJsonObject toJson(const QString& command, const Program& program, const PortSession::Outcome& outcome);

private:
    QFile m_file;
};

#endif // RUNREPORT_H
