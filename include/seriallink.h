#ifndef SERIALLINK_H
#define SERIALLINK_H

#include <QByteArray>
#include <QSerialPort>
#include <QString>

// The PC's serial port as the device link uses it: 9600 baud, 8 data bits, no
// parity, 1 stop bit, no flow control, blocking reads with a time-out.
class SerialLink
{
public:
    SerialLink();
    ~SerialLink();
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    // Opens the named port (a device name such as ttyUSB0 or a path such as
    // /dev/pts/3) for reading and writing with the fixed line settings.
    bool open(const QString& portName);
    void close();
    bool isOpen() const;
    QString portName() const;
    // The system's reason for the last failure, for the user.
    QString errorString() const;

    int timeout() const { return m_timeoutMs; }
    void setTimeout(int ms) { m_timeoutMs = ms; }

    // Writes all bytes and waits until they have left.
    qint64 write(const QByteArray& bytes);
    // Returns as soon as n bytes are in, or with what came within the time-out.
    QByteArray readUpTo(qint64 n);
    QByteArray readUpTo(qint64 n, int timeoutMs);
    // Drops whatever has come in and not been read yet (bytes on their way
    // out are left to go).
    void clear();

    // Sends one payload framed, reads the echo and compares it; up to
    // `attempts` tries. Emits "checksum error" for each wrong, non-empty echo.
    bool sendData(const QByteArray& payload, int attempts = 6);
    // Why the last sendData failed (no answer, a wrong answer, a port
    // failure), for the user; empty after a success.
    QString lastSendError() const;

    QSerialPort* port() { return &m_port; }

private:
    QSerialPort m_port;
    int m_timeoutMs = 1000;
    QString m_lastSendError;
};

#endif // SERIALLINK_H
