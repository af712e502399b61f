#include "runreport.h"

#include "clicommon.h"
#include "safesave.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>

RunReport::RunReport(const QString& path)
    : m_file(path)
{
}

bool RunReport::open(QString* error)
{
    const QString shown = QDir::toNativeSeparators(m_file.fileName());
    // A pipe or a device node could block the run or take the log anywhere.
    if (!isSaveTarget(m_file.fileName(), error)) {
        return false;
    }
    // Unbuffered: each line leaves in one write, so lines from stations
    // appending to the same file do not interleave.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        *error = QStringLiteral("cannot write the report %1: %2").arg(shown, m_file.errorString());
        return false;
    }
    return true;
}

QJsonObject RunReport::toJson(const QString& command, const QString& configFile, const PortSession::Outcome& outcome)
{
    QJsonArray differences;
    for (const ConfigComparison::Difference& difference : outcome.differences) {
        differences.append(QJsonObject{{QStringLiteral("record"), difference.record},
                                       {QStringLiteral("field"), difference.fieldName},
                                       {QStringLiteral("device"), difference.valueA},
                                       {QStringLiteral("file"), difference.valueB}});
    }
    return QJsonObject{
        {QStringLiteral("port"), outcome.port},
        {QStringLiteral("command"), command},
        {QStringLiteral("file"), QDir::toNativeSeparators(configFile)},
        {QStringLiteral("start"), outcome.start.toString(Qt::ISODateWithMs)},
        {QStringLiteral("end"), outcome.end.toString(Qt::ISODateWithMs)},
        {QStringLiteral("result"), outcome.result()},
        {QStringLiteral("records"), outcome.records},
        {QStringLiteral("differences"), differences},
        {QStringLiteral("error"), outcome.error.isEmpty() ? QJsonValue() : QJsonValue(outcome.error)},
    };
}

bool RunReport::append(const QString& command, const QString& configFile, const PortSession::Outcome& outcome,
                       QString* error)
{
    const QByteArray line = QJsonDocument(toJson(command, configFile, outcome)).toJson(QJsonDocument::Compact) + '\n';
    if (m_file.write(line) != line.size()) {
        *error = QStringLiteral("cannot write the report %1: %2")
                     .arg(QDir::toNativeSeparators(m_file.fileName()), m_file.errorString());
        return false;
    }
    return true;
}
