#include "wire.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyWire::~PtyWire()
{
    close();
}

void PtyWire::close()
{
    if (m_slave >= 0) {
        ::close(m_slave);
        m_slave = -1;
    }
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}

bool PtyWire::open(QString* error)
{
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    raw.c_cflag |= CLOCAL | CREAD;
    char name[256] = {};
    // Raw from the start: a slave that echoed would send our own bytes back.
    if (openpty(&m_master, &m_slave, name, &raw, nullptr) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    m_slaveName = QString::fromLocal8Bit(name);
    return true;
}

QByteArray PtyWire::read(int maxBytes, int timeoutMs)
{
    if (m_master < 0) {
        return {};
    }
    pollfd p{m_master, POLLIN, 0};
    const int ready = ::poll(&p, 1, timeoutMs);
    if (ready <= 0 || !(p.revents & POLLIN)) {
        if (ready > 0 && (p.revents & (POLLHUP | POLLERR))) {
            // Not expected while we hold the slave; do not spin on it.
            ::usleep(10000);
        }
        return {};
    }
    QByteArray bytes(maxBytes, '\0');
    const ssize_t got = ::read(m_master, bytes.data(), static_cast<size_t>(maxBytes));
    if (got <= 0) {
        return {};
    }
    bytes.truncate(static_cast<int>(got));
    return bytes;
}

bool PtyWire::write(const QByteArray& bytes)
{
    if (m_master < 0) {
        return false;
    }
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t done = ::write(m_master, data, static_cast<size_t>(left));
        if (done < 0) {
            return false; // also a signal asking us to stop
        }
        data += done;
        left -= done;
    }
    return true;
}

bool SerialWire::open(const QString& portName, QString* error)
{
    m_port.setPortName(portName);
    m_port.setBaudRate(QSerialPort::Baud9600);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        *error = m_port.errorString();
        return false;
    }
    return true;
}

QByteArray SerialWire::read(int maxBytes, int timeoutMs)
{
    if (m_port.bytesAvailable() == 0 && !m_port.waitForReadyRead(timeoutMs)) {
        m_port.clearError();
        return {};
    }
    return m_port.read(maxBytes);
}

bool SerialWire::write(const QByteArray& bytes)
{
    if (m_port.write(bytes) != bytes.size()) {
        return false;
    }
    while (m_port.bytesToWrite() > 0) {
        if (!m_port.waitForBytesWritten(1000)) {
            m_port.clearError();
            return false;
        }
    }
    return true;
}
