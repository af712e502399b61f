#include "seriallink.h"
#include "serialframe.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("SerialLink", text);
}

// A write of this many bytes may take this long on top of the time-out: a byte
// takes about 1.04 ms at 9600 baud, so allow two.
constexpr int WriteMsPerByte = 2;

} // namespace

SerialLink::SerialLink() = default;

SerialLink::~SerialLink()
{
    close();
}

bool SerialLink::open(const QString& portName)
{
    close();
    m_port.setPortName(portName);
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        return false;
    }
    m_port.clearError();
    return true;
}

void SerialLink::close()
{
    if (m_port.isOpen()) {
        m_port.close();
    }
}

bool SerialLink::isOpen() const
{
    return m_port.isOpen();
}

QString SerialLink::portName() const
{
    return m_port.portName();
}

QString SerialLink::errorString() const
{
    // Linux reports a port held by another program and a port we may not open
    // alike, so name both.
    if (m_port.error() == QSerialPort::PermissionError) {
        return tr("The port %1 is in use or you have no permission to open it (%2).")
            .arg(m_port.portName(), m_port.errorString());
    }
    return m_port.errorString();
}

QString SerialLink::lastSendError() const
{
    return m_lastSendError;
}

qint64 SerialLink::write(const QByteArray& bytes)
{
    if (!m_port.isOpen()) {
        return -1;
    }
    const qint64 written = m_port.write(bytes);
    if (written < 0) {
        return written;
    }
    QDeadlineTimer deadline(m_timeoutMs + WriteMsPerByte * bytes.size());
    while (m_port.bytesToWrite() > 0) {
        if (!m_port.waitForBytesWritten(qMax<qint64>(0, deadline.remainingTime()))) {
            if (m_port.error() == QSerialPort::TimeoutError) {
                m_port.clearError();
            }
            return written - m_port.bytesToWrite();
        }
    }
    return written;
}

QByteArray SerialLink::readUpTo(qint64 n)
{
    return readUpTo(n, m_timeoutMs);
}

QByteArray SerialLink::readUpTo(qint64 n, int timeoutMs)
{
    QByteArray bytes;
    if (!m_port.isOpen() || n <= 0) {
        return bytes;
    }
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        // waitForReadyRead does not report bytes that are already buffered.
        const qint64 available = m_port.bytesAvailable();
        if (available > 0) {
            bytes.append(m_port.read(qMin(available, n - bytes.size())));
        }
        if (bytes.size() >= n || deadline.hasExpired()) {
            break;
        }
        if (!m_port.waitForReadyRead(qMax<qint64>(0, deadline.remainingTime()))) {
            const QSerialPort::SerialPortError error = m_port.error();
            if (error != QSerialPort::TimeoutError && error != QSerialPort::NoError) {
                // The line is gone (the other end closed, the adapter was
                // pulled): waiting longer brings nothing.
                bytes.append(m_port.read(n - bytes.size()));
                break;
            }
        }
    }
    if (m_port.error() == QSerialPort::TimeoutError) {
        m_port.clearError();
    }
    return bytes;
}

void SerialLink::clear()
{
    if (!m_port.isOpen()) {
        return;
    }
    // Only the input side: on a pseudo-terminal (and on a UART whose driver
    // still holds bytes in its transmit queue) flushing the output would
    // throw away bytes that were written but not yet delivered, such as the
    // last acknowledgement of a load.
    m_port.clear(QSerialPort::Input);
    m_port.readAll();
}

bool SerialLink::sendData(const QByteArray& payload, int attempts)
{
    if (!m_port.isOpen()) {
        m_lastSendError = tr("The serial port is not open.");
        return false;
    }
    const QByteArray framed = SerialFrame::frame(payload);
    const quint16 expected = SerialFrame::expectedCrc(payload);
    int silent = 0;
    int wrong = 0;
    QString portError;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        m_port.clearError();
        clear();
        if (write(framed) != framed.size()) {
            portError = m_port.errorString();
            continue;
        }
        const QByteArray echo = readUpTo(framed.size());
        if (m_port.error() != QSerialPort::NoError) {
            portError = m_port.errorString();
        }
        if (echo.isEmpty()) {
            ++silent;
            continue;
        }
        if (SerialFrame::echoMatches(echo, expected)) {
            m_lastSendError.clear();
            return true;
        }
        ++wrong;
        qDebug("checksum error");
    }
    if (!portError.isEmpty()) {
        m_lastSendError = tr("The serial port failed: %1").arg(portError);
    } else if (wrong > 0) {
        m_lastSendError = tr("The device's answer did not match what was sent (%1 of %2 attempts).")
                              .arg(wrong)
                              .arg(attempts);
    } else {
        m_lastSendError = tr("The device did not answer (%1 attempts).").arg(silent);
    }
    return false;
}
