#ifndef CHECKSUMRULE_H
#define CHECKSUMRULE_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// The checksums that equipment protocols put into their commands, by the
// names a command library uses ("crc16-modbus"). Each gives its published
// check value over the nine bytes "123456789".
namespace ChecksumRule {

enum class Rule {
    Sum8, // sum of the bytes, low 8 bits
    Sum8Negated, // two's complement of Sum8, so that all bytes add up to 0
    Xor8,
    Crc8, // polynomial 0x07, initial 0, no reflection, no final XOR
    Crc16Modbus,
    Crc16CcittFalse,
    Crc16Xmodem,
    Crc32, // the one of zip and Ethernet
};

// Every rule's name, in the order of the enumeration.
QStringList names();
QString name(Rule rule);
// False for a name that is not a rule's.
bool fromName(const QString& name, Rule* rule);
// 1, 2 or 4 bytes.
int width(Rule rule);
// Whether the rule's usual byte order puts the low byte first (crc16-modbus).
bool lowByteFirst(Rule rule);
quint32 compute(Rule rule, const QByteArray& data);

} // namespace ChecksumRule

#endif // CHECKSUMRULE_H
