#include "portidentity.h"

#include "seriallink.h"

#include <QFileInfo>

PortIdentity PortIdentity::of(const QString& port, const QList<QSerialPortInfo>& listed)
{
    PortIdentity identity;
    const QString node = SerialLink::nodePath(port);
    identity.location = node.startsWith(QLatin1Char('/')) ? node : QFileInfo(node).absoluteFilePath();
    for (const QSerialPortInfo& info : listed) {
        if (info.systemLocation() != identity.location && info.portName() != port) {
            continue;
        }
        identity.location = info.systemLocation();
        identity.serialNumber = info.serialNumber();
        if (info.hasVendorIdentifier()) {
            identity.vendorId = info.vendorIdentifier();
        }
        if (info.hasProductIdentifier()) {
            identity.productId = info.productIdentifier();
        }
        break;
    }
    return identity;
}
