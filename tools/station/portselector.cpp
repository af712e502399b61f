#include "portselector.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

struct Prefix {
    const char* text;
    PortSelector::Kind kind;
};

const Prefix Prefixes[] = {
    {"serial=", PortSelector::Kind::SerialNumber},
    {"location=", PortSelector::Kind::UsbLocation},
    {"usb=", PortSelector::Kind::UsbIds},
};

QString hexId(int id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
}

bool hasControlCharacters(const QString& text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control) {
            return true;
        }
    }
    return false;
}

} // namespace

bool PortSelector::parse(const QString& text, PortSelector* selector, QString* error)
{
    PortSelector parsed;
    parsed.m_text = text;
    parsed.m_value = text;
    for (const Prefix& prefix : Prefixes) {
        if (text.startsWith(QLatin1String(prefix.text))) {
            parsed.m_kind = prefix.kind;
            parsed.m_value = text.mid(qsizetype(qstrlen(prefix.text)));
            break;
        }
    }
    if (parsed.m_value.trimmed().isEmpty()) {
        *error = parsed.m_kind == Kind::Name
            ? QStringLiteral("an empty port name")
            : QStringLiteral("\"%1\" names no adapter: give a value after '='").arg(text);
        return false;
    }
    if (hasControlCharacters(parsed.m_value)) {
        *error = QStringLiteral("the port \"%1\" has control characters").arg(text);
        return false;
    }
    if (parsed.m_kind == Kind::UsbIds) {
        static const QRegularExpression ids(QStringLiteral("^([0-9A-Fa-f]{1,4}):([0-9A-Fa-f]{1,4})$"));
        const QRegularExpressionMatch match = ids.match(parsed.m_value);
        if (!match.hasMatch()) {
            *error =
                QStringLiteral("\"%1\": give the USB ids as vendor:product in hex, such as usb=0403:6001").arg(text);
            return false;
        }
        parsed.m_vendorId = match.captured(1).toInt(nullptr, 16);
        parsed.m_productId = match.captured(2).toInt(nullptr, 16);
    }
    *selector = parsed;
    return true;
}

bool PortSelector::fits(const ListedPort& port) const
{
    switch (m_kind) {
    case Kind::Name:
        return false;
    case Kind::SerialNumber:
        return port.serialNumber == m_value;
    case Kind::UsbLocation:
        return port.usbLocation == m_value;
    case Kind::UsbIds:
        return port.vendorId == m_vendorId && port.productId == m_productId;
    }
    return false;
}

QString PortSelector::what() const
{
    switch (m_kind) {
    case Kind::Name:
        break;
    case Kind::SerialNumber:
        return QStringLiteral("the serial number %1").arg(m_value);
    case Kind::UsbLocation:
        return QStringLiteral("the USB location %1").arg(m_value);
    case Kind::UsbIds:
        return QStringLiteral("the USB ids %1:%2").arg(hexId(m_vendorId), hexId(m_productId));
    }
    return m_value;
}

bool PortSelector::resolve(const QList<ListedPort>& listed, QString* node, QString* error) const
{
    if (m_kind == Kind::Name) {
        *node = m_value;
        return true;
    }
    QStringList found;
    for (const ListedPort& port : listed) {
        if (fits(port)) {
            found << port.node;
        }
    }
    if (found.size() == 1) {
        *node = found.constFirst();
        return true;
    }
    *error = found.isEmpty()
        ? QStringLiteral("no port has %1").arg(what())
        : QStringLiteral("%1 ports have %2: %3").arg(found.size()).arg(what(), found.join(QLatin1String(", ")));
    return false;
}

QString PortSelector::selectorsOf(const ListedPort& port)
{
    QStringList selectors;
    if (!port.serialNumber.isEmpty()) {
        selectors << QStringLiteral("serial=") + port.serialNumber;
    }
    if (!port.usbLocation.isEmpty()) {
        selectors << QStringLiteral("location=") + port.usbLocation;
    }
    if (port.vendorId >= 0 && port.productId >= 0) {
        selectors << QStringLiteral("usb=%1:%2").arg(hexId(port.vendorId), hexId(port.productId));
    }
    return selectors.join(QLatin1Char(' '));
}
