#include "portidentity.h"

#include "seriallink.h"

#include <QFileInfo>

PortIdentity PortIdentity::of(const QString& port, const QList<ListedPort>& listed)
{
    PortIdentity identity;
    const QString node = SerialLink::nodePath(port);
    identity.location = node.startsWith(QLatin1Char('/')) ? node : QFileInfo(node).absoluteFilePath();
    for (const ListedPort& listedPort : listed) {
        if (listedPort.node != identity.location && QFileInfo(listedPort.node).fileName() != port) {
            continue;
        }
        identity.location = listedPort.node;
        identity.serialNumber = listedPort.serialNumber;
        identity.usbLocation = listedPort.usbLocation;
        identity.vendorId = listedPort.vendorId;
        identity.productId = listedPort.productId;
        break;
    }
    return identity;
}
