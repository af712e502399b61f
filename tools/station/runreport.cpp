#include "runreport.h"

#include "clicommon.h"
#include "reportappend.h"
#include "safesave.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSysInfo>
#include <QUuid>

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
    // Unbuffered: each line leaves whole, in as few writes as the system
    // allows, so lines from stations appending to the same file do not interleave.
    // Read too, where it may be, to see whether its last line has its end.
    const QIODevice::OpenMode append = QIODevice::Append | QIODevice::Unbuffered;
    if (!m_file.open(QIODevice::ReadWrite | append) && !m_file.open(QIODevice::WriteOnly | append)) {
        *error = QStringLiteral("cannot write the report %1: %2").arg(shown, m_file.errorString());
        return false;
    }
    return true;
}

namespace {

// "0403": USB ids as the system and lsusb show them; null when unknown.
QJsonValue usbId(int id)
{
    return id < 0 ? QJsonValue() : QJsonValue(QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')));
}

QJsonValue textOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

} // namespace

RunReport::Program::Program(QString file, const QByteArray& bytes)
    : file(std::move(file))
    , sha256(QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()))
    , size(bytes.size())
{
}

QString RunReport::defaultStation()
{
    return QSysInfo::machineHostName();
}

QJsonObject RunReport::toJson(const QString& command, const Program& program, const PortSession::Outcome& outcome)
{
    return toJson(command, program, outcome, defaultStation());
}

QJsonObject RunReport::toJson(const QString& command, const Program& program, const PortSession::Outcome& outcome,
                              const QString& station)
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
        // Sessions started without a slot are named by their port.
        {QStringLiteral("slot"), outcome.slot.isEmpty() ? outcome.port : outcome.slot},
        {QStringLiteral("command"), command},
        {QStringLiteral("file"), QDir::toNativeSeparators(program.file)},
        {QStringLiteral("sha256"), program.sha256},
        {QStringLiteral("size"), program.size},
        {QStringLiteral("version"), QCoreApplication::applicationVersion()},
        {QStringLiteral("location"), outcome.identity.location},
        {QStringLiteral("serial_number"), textOrNull(outcome.identity.serialNumber)},
        {QStringLiteral("usb_location"), textOrNull(outcome.identity.usbLocation)},
        {QStringLiteral("vendor_id"), usbId(outcome.identity.vendorId)},
        {QStringLiteral("product_id"), usbId(outcome.identity.productId)},
        {QStringLiteral("start"), outcome.start.toString(Qt::ISODateWithMs)},
        {QStringLiteral("end"), outcome.end.toString(Qt::ISODateWithMs)},
        {QStringLiteral("duration_ms"), outcome.start.msecsTo(outcome.end)},
        {QStringLiteral("result"), outcome.result()},
        {QStringLiteral("records"), outcome.records},
        {QStringLiteral("unconfirmed"), outcome.unconfirmed},
        {QStringLiteral("differences"), differences},
        {QStringLiteral("error"), outcome.error.isEmpty() ? QJsonValue() : QJsonValue(outcome.error)},
        {QStringLiteral("station"), station},
        {QStringLiteral("id"), QUuid::createUuid().toString(QUuid::WithoutBraces)},
    };
}

bool RunReport::append(const QString& command, const Program& program, const PortSession::Outcome& outcome,
                       QString* error)
{
    return appendLine(toJson(command, program, outcome), error);
}

bool RunReport::appendLine(const QJsonObject& object, QString* error)
{
    const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    QString why;
    if (!ReportAppend::append(&m_file, line, &why)) {
        *error = QStringLiteral("cannot write the report %1: %2").arg(QDir::toNativeSeparators(m_file.fileName()), why);
        return false;
    }
    return true;
}
