#ifndef SERIALLINK_H
#define SERIALLINK_H

#include "cancelcheck.h"
#include "linktrace.h"
#include "portlock.h"
#include "serialframe.h"

#include <QByteArray>
#include <QSerialPort>
#include <QString>

#include <functional>

// The PC's serial port as the device link uses it: 9600 baud, 8 data bits, no
// parity, 1 stop bit, no flow control, blocking reads with a time-out.
//
// A port error other than a time-out (a hang-up, a read or write error, the
// device node gone) closes the port at once: nothing is left retrying on a
// dead descriptor, and hasFailed() tells the caller why the link went.
//
// Waits are cut into slices of at most CheckIntervalMs; between slices a cancel
// check, when set, is asked whether to stop. Once it has said yes, every wait
// ends at once and nothing more is written until the check is set again.
// Usable from any one thread at a time (the thread the port lives in).
class SerialLink
{
public:
    using CancelCheck = ::CancelCheck;
    static constexpr int CheckIntervalMs = 50;

    SerialLink();
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Line settings; the default is the device link's own.
    struct Line {
        qint32 baudRate = QSerialPort::Baud9600;
        QSerialPort::DataBits dataBits = QSerialPort::Data8;
        QSerialPort::Parity parity = QSerialPort::NoParity;
        QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    };

    // Opens the named port (a device name such as ttyUSB0 or a path such as
    // /dev/pts/3) for reading and writing with the fixed line settings. The
    // port's node is held (PortLock) until close() or a failure: a second
    // open of it, by any name and from any link, is refused, naming the holder.
    bool open(const QString& portName);
    // The same with other line settings (trying a command on equipment). A
    // rate the port refuses fails the open, with the port's reason.
    bool open(const QString& portName, const Line& line);
    void close();
    bool isOpen() const;
    // The name as given to open().
    QString portName() const;
    // The device node a port name stands for, as the port resolves it: a
    // path as it is, any other name under /dev.
    static QString nodePath(const QString& portName);
    // The node itself, its symbolic links followed (/dev/serial/by-id/... and
    // /dev/ttyUSB0 alike): two names with the same are one port. The absolute
    // node path where it does not exist.
    static QString realNode(const QString& portName);
    // Why the last open, send or the port itself failed, for the user: for a
    // port refused for lack of permission with permissionHint(), for a lost
    // port "The device on /dev/ttyUSB0 was disconnected or stopped answering"
    // with the system's text in parentheses. Empty after a successful send.
    QString errorString() const { return m_error; }
    // How to get at a port that may not be opened: on Linux, membership of the
    // group that owns its device node (named from the node), then logging in
    // again. Never the root group; where the node's group may not read and
    // write it, only an administrator can help. Says the port is in use
    // instead when this user may open the node.
    static QString permissionHint(const QString& portName);
    // Why a port could not be opened, in the user's words, from the port's
    // error and the system's text: a path that names a regular file, a named
    // pipe or a folder is "not a serial port"; a refused port gets
    // permissionHint(). Every opener goes through open(), which uses this.
    static QString openFailure(const QString& portName, QSerialPort::SerialPortError error, const QString& systemText);

    int timeout() const { return m_timeoutMs; }
    void setTimeout(int ms) { m_timeoutMs = ms; }

    // Writes all bytes and waits until they have left.
    qint64 write(const QByteArray& bytes);
    // Returns as soon as n bytes are in, or with what came within the time-out.
    QByteArray readUpTo(qint64 n);
    QByteArray readUpTo(qint64 n, int timeoutMs);
    // Returns what has come, up to n bytes, as soon as anything has; empty
    // when nothing came within the time-out.
    QByteArray readSome(qint64 n);
    // Drops whatever has come in and not been read yet (bytes on their way
    // out are left to go).
    void clear();

    // Sends one payload framed, reads the echo and compares it; up to
    // `attempts` tries. Emits "checksum error" for each wrong, non-empty echo.
    // On failure errorString() says why: no answer, a wrong answer, a port failure.
    bool sendData(const QByteArray& payload, int attempts = SerialFrame::Attempts);
    // What the attempts of the last sendData met: no answer, an answer that
    // was not the echo (something else on the line), a frame that did not
    // leave. Tells a silent port from one where something else talks.
    struct Attempts {
        int silent = 0;
        int wrong = 0;
        int unsent = 0;
        // Cancelled while waiting for the echo of a frame that had left whole:
        // the device may well hold it.
        bool unconfirmed = false;
    };
    Attempts lastAttempts() const { return m_lastAttempts; }

    // Replaces the cancel check (none: never cancelled) and forgets an
    // earlier cancellation.
    void setCancelCheck(CancelCheck check);
    // Asks the cancel check; stays true once it has said yes.
    bool cancelRequested();
    bool isCancelled() const { return m_cancelled; }

    // Whether the port failed and was closed since it was opened; errorString()
    // keeps why until the port is opened again.
    bool hasFailed() const { return m_failed; }
    // The system's own text for that failure (empty when it gave none), for
    // a caller that says in its own words what was on the line.
    QString failureDetail() const { return m_failureDetail; }
    // Looks at the port's error state (as reported by the port's own signal
    // while idle): a real failure closes the port. Returns hasFailed().
    bool checkPort();

    QSerialPort* port() { return &m_port; }

    // Every chunk written to the port or read from it goes to `trace` from now
    // on, named by portName(); none: not traced. The trace must outlive the
    // link or be taken off first.
    void setTrace(LinkTrace* trace) { m_trace = trace; }
    LinkTrace* trace() const { return m_trace; }

private:
    // Waits up to `ms` for input, in slices; false when nothing came.
    bool waitForInput(int ms);
    void fail();
    // Reads up to n bytes from the port and traces them.
    QByteArray take(qint64 n);

    PortLock m_lock;
    QSerialPort m_port;
    QString m_name;
    int m_timeoutMs = SerialFrame::TimeoutMs;
    QString m_error;
    QString m_failureDetail;
    bool m_failed = false;
    CancelCheck m_cancelCheck;
    bool m_cancelled = false;
    Attempts m_lastAttempts;
    LinkTrace* m_trace = nullptr;
};

#endif // SERIALLINK_H
