#ifndef RUNREPORT_H
#define RUNREPORT_H

#include "portsession.h"

#include <QFile>
#include <QJsonObject>
#include <QString>

// The production log of --report: one JSON object a line per port and run,
// appended, so a line of stations can share one file.
class RunReport
{
public:
    explicit RunReport(const QString& path);

    // Opens (and creates) the file for appending; says why not.
    bool open(QString* error);
    // One line for one port; `command` is "store" or "verify".
    bool append(const QString& command, const QString& configFile, const PortSession::Outcome& outcome, QString* error);

    static QJsonObject toJson(const QString& command, const QString& configFile, const PortSession::Outcome& outcome);

private:
    QFile m_file;
};

#endif // RUNREPORT_H
