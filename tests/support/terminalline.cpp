// Apart from the peer: the kernel's termios2 (the only way to read a rate
// such as 14400) cannot share a file with the C library's termios.
#include "ptypeer.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

PtyPeer::Line terminalLine(int fd)
{
    PtyPeer::Line line;
    struct termios2 settings = {};
    if (::ioctl(fd, TCGETS2, &settings) != 0) {
        return line;
    }
    line.speed = settings.c_ospeed;
    line.twoStopBits = (settings.c_cflag & CSTOPB) != 0;
    line.oddParity = (settings.c_cflag & PARODD) != 0;
    return line;
}
