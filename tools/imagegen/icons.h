#ifndef KVR210C_IMAGEGEN_ICONS_H
#define KVR210C_IMAGEGEN_ICONS_H

#include <QImage>

// Window icons and dialog pictures; all transparent outside the artwork.
namespace Icons {

QImage appIcon(int size = 32); // round emblem of the main window, 32 x 32 in the resources
QImage uart(); // 99 x 99, serial connector with the text RS-232
QImage nameCard(); // 160 x 128, identity card of the rename dialog
QImage questionIcon(); // 64 x 64, small red round button with a question mark
QImage question(); // 225 x 225, large blue question mark
QImage done(); // 138 x 137, green round check mark
QImage lifeBuoy(); // 256 x 256, help dialog icon

} // namespace Icons

#endif
