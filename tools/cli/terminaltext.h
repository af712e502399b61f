#ifndef TERMINALTEXT_H
#define TERMINALTEXT_H

#include <QString>

// Text from a file that another person or program wrote, made safe to print
// on a terminal: control characters, line and paragraph separators and the
// marks that turn the direction of text become "\u001b", so such a text can
// neither move the cursor, colour the screen nor begin a line of its own.
namespace TerminalText {

QString escaped(const QString& text);

} // namespace TerminalText

#endif // TERMINALTEXT_H
