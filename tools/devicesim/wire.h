#ifndef DEVICESIM_WIRE_H
#define DEVICESIM_WIRE_H

#include <QByteArray>
#include <QSerialPort>
#include <QString>

// The device's side of the serial line, used blocking.
class Wire
{
public:
    virtual ~Wire() = default;
    // Whatever came within the time-out, at most maxBytes; empty when nothing
    // came or a signal interrupted the wait.
    virtual QByteArray read(int maxBytes, int timeoutMs) = 0;
    virtual bool write(const QByteArray& bytes) = 0;
    // Lets go of the line, as a device that is unplugged.
    virtual void close() = 0;
    // The name a client opens: the pseudo-terminal's slave path or the port.
    virtual QString name() const = 0;
};

// A pseudo-terminal pair of our own: we keep the master and hand out the
// slave's path. The slave stays open here too, so a client that closes and
// reopens it never makes the master see a hang-up.
class PtyWire : public Wire
{
public:
    PtyWire() = default;
    ~PtyWire() override;
    bool open(QString* error);
    QByteArray read(int maxBytes, int timeoutMs) override;
    bool write(const QByteArray& bytes) override;
    void close() override;
    QString name() const override { return m_slaveName; }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slaveName;
};

// A real serial port at 9600 baud, 8N1, no flow control.
class SerialWire : public Wire
{
public:
    bool open(const QString& portName, QString* error);
    QByteArray read(int maxBytes, int timeoutMs) override;
    bool write(const QByteArray& bytes) override;
    void close() override { m_port.close(); }
    QString name() const override { return m_port.portName(); }

private:
    QSerialPort m_port;
};

#endif // DEVICESIM_WIRE_H
