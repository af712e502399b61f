#ifndef PORTSELECTOR_H
#define PORTSELECTOR_H

#include "portlisting.h"

#include <QList>
#include <QString>

// What a --port value names: a port by its name or path ("ttyUSB0",
// "/dev/serial/by-path/..."), or the adapter that serves it, which stays the
// same when names move: "serial=FT1234AB" (its serial number),
// "location=1-1.4" (its place on the USB hub) or "usb=0403:6001" (its USB
// ids in hex, for a station with one adapter of the kind). Only these three
// prefixes select; any other text, '=' or not, is a name.
class PortSelector
{
public:
    enum class Kind { Name, SerialNumber, UsbLocation, UsbIds };

    // False with `error` for a selector with an empty value or ids that are not hex.
    static bool parse(const QString& text, PortSelector* selector, QString* error);

    Kind kind() const { return m_kind; }
    QString text() const { return m_text; }

    // The node of the one listed port that fits, or the name itself (ports the
    // system does not list, such as pseudo-terminals, are named so). False with
    // `error` ("no port has the serial number FT1234AB", "2 ports have the USB
    // ids 0403:6001: /dev/ttyUSB0, /dev/ttyUSB1") when none or several fit.
    bool resolve(const QList<ListedPort>& listed, QString* node, QString* error) const;

    // "serial=FT1234AB location=1-1.4 usb=0403:6001": the selectors that name
    // `port`, as much as the system tells; empty when it tells nothing.
    static QString selectorsOf(const ListedPort& port);

private:
    bool fits(const ListedPort& port) const;
    QString what() const; // "the serial number FT1234AB"

    Kind m_kind = Kind::Name;
    QString m_text;
    QString m_value;
    int m_vendorId = -1;
    int m_productId = -1;
};

#endif // PORTSELECTOR_H
