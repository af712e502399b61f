#ifndef PORTLISTING_H
#define PORTLISTING_H

#include <QList>
#include <QString>

// A serial port the system lists, with what tells its adapter apart from the
// others: what stays the same when port names move between reboots.
struct ListedPort {
    QString node; // /dev/ttyUSB0
    QString description; // as "ports" prints it
    QString serialNumber; // the adapter's, empty when the system gives none
    QString usbLocation; // the USB place on the hub, "1-1.4"; empty when not USB
    int vendorId = -1; // USB ids, -1 when the system gives none
    int productId = -1;
};

// The system's serial ports, read afresh on every call.
//
// For tests only: when the environment variable KVR210C_PORT_LIST names a
// file, the list is read from that JSON file instead, on every call, so a test
// can change it while a run goes on (write a new file, rename it over):
//     [{"port": "/tmp/x/slotA", "description": "...", "serial_number": "FT1234AB",
//       "location": "1-1.4", "vendor_id": "0403", "product_id": "6001"}, ...]
// Only "port" is required; the ids are hex text, as the report writes them.
class PortListing
{
public:
    static constexpr const char* ListVariable = "KVR210C_PORT_LIST";

    // The ports; with KVR210C_PORT_LIST, an empty list and `error` set when the
    // file cannot be read or is not such a list (never a silent empty list).
    static QList<ListedPort> current(QString* error = nullptr);

    // The USB place of the tty `name` ("ttyUSB0") from the sysfs tree at
    // `sysRoot`: the kernel's name of the USB interface the tty hangs under
    // ("1-1.4:1.0") without its configuration and interface ("1-1.4"); empty
    // when the tty is not on USB.
    static QString usbLocation(const QString& name, const QString& sysRoot = QStringLiteral("/sys"));

    // The list in `path`, as KVR210C_PORT_LIST gives it; false with `error`
    // naming the file when it is not one.
    static bool readListFile(const QString& path, QList<ListedPort>* ports, QString* error);
};

#endif // PORTLISTING_H
