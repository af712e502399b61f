#ifndef LINESETTINGS_H
#define LINESETTINGS_H

#include "appdata.h"
#include "seriallink.h"

#include <QList>
#include <QString>
#include <QStringList>

// A record's line settings as a port takes them, and as the user writes them
// ("9600,8-N-1", as the key panel shows them).
namespace LineSettings {

// The port's settings for a record's; false for a stored value out of range.
bool toLine(const UartData& uart, SerialLink::Line* line);
// "9600,8-N-1", "115200,7-E-2".
QString toText(const UartData& uart);
// The baud rate each stored value stands for, in the order of the values.
QList<qint32> baudRates();
// "none", "odd", "even", "space", "mark": the parity each stored value stands for.
QStringList parityNames();
// Reads "BAUD,D-P-S" (P one of N O E S M, any case) back into a record's
// settings: only what a record can hold. False with *error saying why.
bool fromText(const QString& text, UartData* uart, QString* error);

// Which of a record's line settings the device itself keeps, for the user:
// the baud rate and the parity, not the data bits and stop bits.
QString deviceKeeps();
// For a command whose data bits or stop bits are not 8 and 1, that the device
// may not send it that way; empty for 8 and 1.
QString deviceMayNotSend(const UartData& uart);

} // namespace LineSettings

#endif // LINESETTINGS_H
