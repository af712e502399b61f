#ifndef PORTLOCK_H
#define PORTLOCK_H

#include <QString>

// An exclusive hold on a serial port's device node, whatever name reached it
// (ttyUSB0, /dev/serial/by-id/..., a link of one's own): while one is held, no
// other opener of this program, in this process or another, gets the port,
// even as root. The port's own lock file goes by the name given, so a link
// slips past it, and the terminal's exclusive mode does not stop root.
//
// Taken before the port is opened, so a refused opener never touches the
// line settings of the one that holds it.
class PortLock
{
public:
    PortLock() = default;
    ~PortLock();
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    // Holds the node `portName` stands for. False, holding nothing, when
    // another holds it; errorString() then says who where that can be found. A name
    // that is no character device, or one that cannot be opened, is left to the
    // port's own open to refuse (true, nothing held).
    bool acquire(const QString& portName);
    void release();
    bool isHeld() const { return m_fd >= 0; }
    QString errorString() const { return m_error; }

    // Who has the device node `node` open or locked, in the user's words:
    // "kvr210c-cli (process 4242 of the user ann)"; empty when not found.
    static QString holder(const QString& node);

private:
    int m_fd = -1;
    QString m_error;
};

#endif // PORTLOCK_H
