#ifndef TYPEDBYTES_H
#define TYPEDBYTES_H

#include <QByteArray>
#include <QString>

// Bytes the user types outside the command fields (a trial's free line, the
// companion's --hex), read strictly: anything that is not understood is
// refused with its position, never skipped.
namespace TypedBytes {

// Most bytes one typed line may give.
constexpr int MaxBytes = 4096;

// Hex pairs, blanks between pairs allowed ("02 50 4F4E 03"). An odd digit,
// a character that is not a hex digit or blank, or more than MaxBytes bytes
// is refused: false, with *error saying what and where (counted from 1).
bool fromHex(const QString& text, QByteArray* bytes, QString* error);
// Text as Latin-1 characters, with the escapes \r \n \t \\ and \xNN (two hex
// digits): "\x02ON\r" is 02 4F 4E 0D. Another escape, a cut \x, a character
// beyond Latin-1 or more than MaxBytes bytes is refused as fromHex refuses.
bool fromEscapedText(const QString& text, QByteArray* bytes, QString* error);
// The bytes as fromEscapedText reads them back: printable ASCII as itself
// (the backslash doubled), \r \n \t, every other byte as \xNN.
QString toEscapedText(const QByteArray& bytes);
// "02 50 4F": upper-case hex pairs, one blank between.
QString spacedHex(const QByteArray& bytes);

} // namespace TypedBytes

#endif // TYPEDBYTES_H
