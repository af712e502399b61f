#include "portlisting.h"

#include "boundedread.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSerialPortInfo>

namespace {

// "FT232R USB UART (FTDI)": the description, with the maker where it does not already say it.
QString describe(const QSerialPortInfo& port)
{
    QString description = port.description();
    if (!port.manufacturer().isEmpty() && !description.contains(port.manufacturer())) {
        description = description.isEmpty() ? port.manufacturer()
                                            : QStringLiteral("%1 (%2)").arg(description, port.manufacturer());
    }
    return description.isEmpty() ? QStringLiteral("(no description)") : description;
}

QList<ListedPort> systemPorts()
{
    QList<ListedPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        ListedPort port;
        port.node = info.systemLocation();
        port.description = describe(info);
        port.serialNumber = info.serialNumber();
        port.usbLocation = PortListing::usbLocation(info.portName());
        if (info.hasVendorIdentifier()) {
            port.vendorId = info.vendorIdentifier();
        }
        if (info.hasProductIdentifier()) {
            port.productId = info.productIdentifier();
        }
        ports << port;
    }
    return ports;
}

// A field of an entry: absent or a string.
bool textField(const QJsonObject& entry, const char* key, QString* text, QString* error)
{
    const QJsonValue value = entry.value(QLatin1String(key));
    if (value.isUndefined() || value.isNull()) {
        return true;
    }
    if (!value.isString()) {
        *error = QStringLiteral("\"%1\" is not text").arg(QLatin1String(key));
        return false;
    }
    *text = value.toString();
    return true;
}

// "0403": four hex digits at most.
bool usbId(const QJsonObject& entry, const char* key, int* id, QString* error)
{
    QString text;
    if (!textField(entry, key, &text, error)) {
        return false;
    }
    if (text.isEmpty()) {
        return true;
    }
    bool ok = false;
    const int value = text.toInt(&ok, 16);
    if (!ok || text.size() > 4 || value < 0) {
        *error = QStringLiteral("\"%1\" is not a USB id in hex (such as 0403)").arg(QLatin1String(key));
        return false;
    }
    *id = value;
    return true;
}

bool readEntry(const QJsonValue& value, ListedPort* port, QString* error)
{
    if (!value.isObject()) {
        *error = QStringLiteral("not an object");
        return false;
    }
    const QJsonObject entry = value.toObject();
    if (!textField(entry, "port", &port->node, error) || !textField(entry, "description", &port->description, error)
        || !textField(entry, "serial_number", &port->serialNumber, error)
        || !textField(entry, "location", &port->usbLocation, error)
        || !usbId(entry, "vendor_id", &port->vendorId, error) || !usbId(entry, "product_id", &port->productId, error)) {
        return false;
    }
    if (port->node.isEmpty()) {
        *error = QStringLiteral("\"port\" is missing");
        return false;
    }
    return true;
}

} // namespace

QList<ListedPort> PortListing::current(QString* error)
{
    const QString listFile = qEnvironmentVariable(ListVariable);
    if (listFile.isEmpty()) {
        return systemPorts();
    }
    QList<ListedPort> ports;
    QString why;
    if (!readListFile(listFile, &ports, &why)) {
        if (error) {
            *error = why;
        }
        return {};
    }
    return ports;
}

QString PortListing::usbLocation(const QString& name, const QString& sysRoot)
{
    // A USB interface: "<bus>-<port>[.<port>...]:<configuration>.<interface>".
    static const QRegularExpression interfaceName(QStringLiteral("^(\\d+-\\d+(?:\\.\\d+)*):\\d+\\.\\d+$"));
    const QString device = QFileInfo(QStringLiteral("%1/class/tty/%2/device").arg(sysRoot, name)).canonicalFilePath();
    if (device.isEmpty()) {
        return QString();
    }
    // Up from the tty's device to the top of the tree, the first interface found.
    for (QString path = device; path.size() > 1; path = QFileInfo(path).path()) {
        const QRegularExpressionMatch match = interfaceName.match(QFileInfo(path).fileName());
        if (match.hasMatch()) {
            return match.captured(1);
        }
    }
    return QString();
}

bool PortListing::readListFile(const QString& path, QList<ListedPort>* ports, QString* error)
{
    QByteArray text;
    QString why;
    if (!readBounded(path, MaxUserFileBytes, &text, &why)) {
        *error = QStringLiteral("cannot read the port list: %1").arg(why);
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isArray()) {
        *error = QStringLiteral("the port list %1 is not a JSON array of ports").arg(path);
        return false;
    }
    const QJsonArray entries = document.array();
    QList<ListedPort> read;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        ListedPort port;
        if (!readEntry(entries.at(i), &port, &why)) {
            *error = QStringLiteral("the port list %1: entry %2: %3").arg(path).arg(i).arg(why);
            return false;
        }
        read << port;
    }
    *ports = read;
    return true;
}
