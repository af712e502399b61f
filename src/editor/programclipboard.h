#ifndef PROGRAMCLIPBOARD_H
#define PROGRAMCLIPBOARD_H

#include <QByteArray>

// The system clipboard as the editor uses it for keys and links: the JSON text of a clip
// (see programclip.h), as plain text so it can be read or pasted into a ticket, and under
// the editor's own type so another editor takes it as a program and not as text.
namespace ProgramClipboard {

inline constexpr char MimeType[] = "application/x-kvr210c-program+json";

void put(const QByteArray& clip);
// The clipboard's clip: under the editor's own type when it has one, otherwise its text.
QByteArray take();

} // namespace ProgramClipboard

#endif // PROGRAMCLIPBOARD_H
