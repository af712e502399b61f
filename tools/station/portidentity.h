#ifndef PORTIDENTITY_H
#define PORTIDENTITY_H

#include "portlisting.h"

#include <QList>
#include <QString>

// Which physical adapter a port is, as far as the system tells: what a
// production record needs to match a device that comes back from the field.
struct PortIdentity {
    QString location; // the device node, such as /dev/ttyUSB0
    QString serialNumber; // the adapter's, empty when the system gives none
    QString usbLocation; // its place on the USB hub ("1-1.4"), empty when not USB
    int vendorId = -1; // USB ids, -1 when the system gives none
    int productId = -1;

    // `port` as given on the command line (ttyUSB0, /dev/ttyUSB0, a path),
    // looked up in `listed`; a port the system does not list (a
    // pseudo-terminal) has only its location.
    static PortIdentity of(const QString& port, const QList<ListedPort>& listed);
};

#endif // PORTIDENTITY_H
