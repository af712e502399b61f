#ifndef COMMANDTEXT_H
#define COMMANDTEXT_H

#include <QByteArray>
#include <QString>

// Conversions between a command's bytes, its stored form (upper-case hex digits
// without separators) and the two text forms of the command fields.
namespace CommandText {

// Most bytes a command field holds.
constexpr int MaxFieldBytes = 128;

// Hex digits to bytes: anything that is not a hex digit is skipped, digits pair
// from the end, so an odd count gives a leading byte of one digit.
QByteArray hexToBytes(const QString& hex);
// Bytes to upper-case hex digits, two per byte, no separators.
QString bytesToHex(const QByteArray& bytes);
// Bytes as the command field shows them: pairs of hex digits with a blank
// between them ("EE 42 43 0D"), easier to read out than one run.
QString spacedHex(const QByteArray& bytes);
// Hex text in stored form: the digits of hexToBytes, re-written upper case.
QString normalizedHex(const QString& hex);

// ASCII form: 0x21..0x7E as themselves, every other byte as ".".
QString bytesToAscii(const QByteArray& bytes);
// Lays edited ASCII text over the bytes it was made from: "." keeps the byte
// beneath it, any other character replaces it (characters outside Latin-1
// become "?"). Text beyond the bytes appends; the result is never shorter.
QByteArray mergeAscii(const QString& ascii, QByteArray backup);

QString withoutBlanks(QString text);

// Input masks of the two forms: 128 groups of two hex digits and two blanks,
// or 128 characters each followed by one blank.
QString hexMask();
QString asciiMask();

} // namespace CommandText

#endif // COMMANDTEXT_H
