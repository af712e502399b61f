#include "trialport.h"

#include "linesettings.h"

#include <QCoreApplication>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CommandTrial)
};

} // namespace

TrialPort::TrialPort(const QString& port, LinkTrace* trace, const CancelCheck& cancel)
    : m_port(port)
{
    m_link.setCancelCheck(cancel);
    m_link.setTrace(trace);
}

bool TrialPort::open(const UartData& line)
{
    if (m_link.cancelRequested()) {
        m_error = Text::tr("Cancelled.");
        return false;
    }
    LineSettings::toLine(line, &m_line);
    if (m_link.open(m_port, m_line)) {
        return true;
    }
    // The link words a refused permission (with the advice the port dialog
    // gives) and a path that is no serial port itself.
    const QString systemText = m_link.port()->errorString();
    if (m_link.errorString() != systemText) {
        m_error = m_link.errorString();
    } else if (m_link.port()->error() == QSerialPort::UnsupportedOperationError) {
        m_error = Text::tr("The port %1 does not take the line settings %2 (%3).")
                      .arg(m_port, LineSettings::toText(line), systemText);
    } else {
        m_error = Text::tr("The port %1 could not be opened (%2).").arg(m_port, systemText);
    }
    return false;
}

bool TrialPort::setLine(const UartData& line)
{
    // Opened again rather than set while open: the port object refuses some
    // changes of an open terminal. What it had read is lost: read it first.
    m_link.close();
    return open(line);
}

SerialLink::Line TrialPort::line()
{
    const QSerialPort* port = m_link.port();
    return {port->baudRate(), port->dataBits(), port->parity(), port->stopBits()};
}

qint64 TrialPort::wireMs(qsizetype bytes, qint32 baud)
{
    return qint64(bytes) * 12 * 1000 / qMax<qint32>(1, baud);
}

qint64 TrialPort::write(const QByteArray& bytes)
{
    // The link's own second on top of the time on the wire.
    m_link.setTimeout(int(1000 + wireMs(bytes.size(), m_line.baudRate)));
    return m_link.write(bytes);
}

QByteArray TrialPort::readSome(qsizetype n, qint64 timeoutMs)
{
    m_link.setTimeout(int(qBound(qint64(0), timeoutMs, qint64(INT_MAX))));
    return m_link.readSome(n);
}

QString TrialPort::lostEquipment() const
{
    // What is behind the port is the equipment, not the device.
    const QString node = SerialLink::nodePath(m_port);
    const QString detail = m_link.failureDetail();
    return detail.isEmpty()
        ? Text::tr("The equipment on %1 was disconnected or stopped answering.").arg(node)
        : Text::tr("The equipment on %1 was disconnected or stopped answering (%2).").arg(node, detail);
}

QString TrialPort::unsent(qint64 written, qsizetype size) const
{
    return failed() ? lostEquipment()
                    : Text::tr("The command did not leave the port %1 (%2 of %3 bytes sent).")
                          .arg(m_port)
                          .arg(qMax<qint64>(0, written))
                          .arg(size);
}
