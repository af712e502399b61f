#include "seriallink.h"
#include "diagnostics.h"
#include "serialframe.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDebug>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SerialLink)
};

// A write of this many bytes may take this long on top of the time-out: a byte
// takes about 1.04 ms at 9600 baud, so allow two.
constexpr int WriteMsPerByte = 2;

// A line that keeps talking is not read forever before it is cleared.
constexpr qsizetype MaxStaleTraced = 64 * 1024;

bool isFailure(QSerialPort::SerialPortError error)
{
    return error != QSerialPort::NoError && error != QSerialPort::TimeoutError;
}

// "9600,8-N-1", as the key panel writes line settings: the trace's header of a port.
QString lineText(const SerialLink::Line& line)
{
    const char parity = line.parity == QSerialPort::EvenParity ? 'E'
        : line.parity == QSerialPort::OddParity                ? 'O'
        : line.parity == QSerialPort::SpaceParity              ? 'S'
        : line.parity == QSerialPort::MarkParity               ? 'M'
                                                               : 'N';
    const QString stop = line.stopBits == QSerialPort::TwoStop ? QStringLiteral("2")
        : line.stopBits == QSerialPort::OneAndHalfStop         ? QStringLiteral("1.5")
                                                               : QStringLiteral("1");
    return QStringLiteral("%1,%2-%3-%4").arg(line.baudRate).arg(int(line.dataBits)).arg(QLatin1Char(parity)).arg(stop);
}

} // namespace

SerialLink::SerialLink() = default;

SerialLink::~SerialLink()
{
    close();
}

bool SerialLink::open(const QString& portName)
{
    return open(portName, Line());
}

bool SerialLink::open(const QString& portName, const Line& line)
{
    close();
    m_failed = false;
    m_error.clear();
    m_failureDetail.clear();
    m_name = portName;
    m_port.setPortName(portName);
    m_port.setBaudRate(line.baudRate);
    m_port.setDataBits(line.dataBits);
    m_port.setParity(line.parity);
    m_port.setStopBits(line.stopBits);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    // Before the port opens: opening sets the line, which would upset the holder's.
    if (!m_lock.acquire(portName)) {
        m_error = m_lock.errorString();
        return false;
    }
    if (!m_port.open(QIODevice::ReadWrite)) {
        const QString systemText = m_port.errorString();
        m_error = openFailure(m_name, m_port.error(), systemText);
        m_lock.release();
        // The trace reads the same whatever the window's language: the
        // system's own text, not the explanation the window shows.
        if (m_trace) {
            m_trace->note(m_name, QStringLiteral("could not be opened: %1").arg(systemText));
        }
        return false;
    }
    m_port.clearError();
    if (m_trace) {
        m_trace->note(m_name, QStringLiteral("opened at %1").arg(lineText(line)));
    }
    return true;
}

void SerialLink::close()
{
    if (m_port.isOpen()) {
        m_port.close();
    }
    m_lock.release();
}

void SerialLink::fail()
{
    if (!m_failed) {
        m_failed = true;
        // The system's text differs with the way the line went ("Inappropriate
        // ioctl for device", "Resource temporarily unavailable"): say what
        // happened first, and keep it only as the detail.
        const QString reason = m_port.errorString();
        m_failureDetail = reason;
        m_error = reason.isEmpty()
            ? Text::tr("The device on %1 was disconnected or stopped answering.").arg(nodePath(m_name))
            : Text::tr("The device on %1 was disconnected or stopped answering (%2).").arg(nodePath(m_name), reason);
    }
    // Closing drops whatever waits to be written, so nothing is retried.
    if (m_port.isOpen()) {
        m_port.close();
    }
    m_lock.release();
}

bool SerialLink::checkPort()
{
    if (m_port.isOpen() && isFailure(m_port.error())) {
        fail();
    }
    return hasFailed();
}

void SerialLink::setCancelCheck(CancelCheck check)
{
    m_cancelCheck = std::move(check);
    m_cancelled = false;
}

bool SerialLink::cancelRequested()
{
    if (!m_cancelled && m_cancelCheck && m_cancelCheck()) {
        m_cancelled = true;
    }
    return m_cancelled;
}

bool SerialLink::isOpen() const
{
    return m_port.isOpen();
}

QString SerialLink::portName() const
{
    return m_name;
}

QString SerialLink::nodePath(const QString& portName)
{
    // As the port itself resolves a name: paths as they are, other names in /dev.
    if (portName.isEmpty() || portName.startsWith(QLatin1Char('/')) || portName.startsWith(QLatin1String("./"))
        || portName.startsWith(QLatin1String("../"))) {
        return portName;
    }
    return QStringLiteral("/dev/") + portName;
}

QString SerialLink::realNode(const QString& portName)
{
    const QFileInfo node(nodePath(portName));
    const QString canonical = node.canonicalFilePath();
    return canonical.isEmpty() ? node.absoluteFilePath() : canonical;
}

QString SerialLink::openFailure(const QString& portName, QSerialPort::SerialPortError error, const QString& systemText)
{
    // The system only says "Inappropriate ioctl for device" of a file or a pipe.
    const QString node = nodePath(portName);
    struct stat status = {};
    if (!node.isEmpty() && ::stat(QFile::encodeName(node).constData(), &status) == 0 && !S_ISCHR(status.st_mode)) {
        const QString kind = S_ISDIR(status.st_mode) ? Text::tr("a folder")
            : S_ISFIFO(status.st_mode)               ? Text::tr("a named pipe")
            : S_ISREG(status.st_mode)                ? Text::tr("a regular file")
                                                     : QString();
        return kind.isEmpty() ? Text::tr("%1 is not a serial port.").arg(node)
                              : Text::tr("%1 is not a serial port (it is %2).").arg(node, kind);
    }
    // Linux reports a port held by another program and a port we may not open
    // alike, so name both.
    if (error == QSerialPort::PermissionError) {
        const QString reason =
            Text::tr("The port %1 is in use or you have no permission to open it (%2).").arg(portName, systemText);
        // By the name as given: the port's own short name ("pts/3") is no
        // node of its own and not in the system's list.
        const QString hint = permissionHint(portName);
        return hint.isEmpty() ? reason : reason + QLatin1Char(' ') + hint;
    }
    return systemText;
}

QString SerialLink::permissionHint(const QString& portName)
{
    const QString node = nodePath(portName);
    struct stat status = {};
    if (node.isEmpty() || ::stat(QFile::encodeName(node).constData(), &status) != 0) {
        return QString();
    }
    // The rights open() goes by: the effective user's.
    if (::faccessat(AT_FDCWD, QFile::encodeName(node).constData(), R_OK | W_OK, AT_EACCESS) == 0) {
        return Text::tr("You may open %1, so another program is probably using it: close that program first.")
            .arg(node);
    }
    const QString administrator = Text::tr(
        "An administrator can grant access, for example with a udev rule that gives the group \"dialout\" "
        "read and write access to it (your user then has to be a member of that group).");
    const bool groupMayUse = (status.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    if (!groupMayUse) {
        return Text::tr("Only the owner of %1 may open it.").arg(node) + QLatin1Char(' ') + administrator;
    }
    // The root group is the administrators': joining it is no way to reach a port.
    if (status.st_gid == 0) {
        return Text::tr("Only the administrators may open %1.").arg(node) + QLatin1Char(' ') + administrator;
    }
    const QString group = QFileInfo(node).group();
    if (group.isEmpty()) {
        return Text::tr("Ask your administrator for read and write access to %1.").arg(node);
    }
    return Text::tr("On Linux, %1 may be used by the members of the group \"%2\" that owns it. Add your user to that "
                    "group (sudo usermod -aG %2 $USER), then log out and log in again.")
        .arg(node, group);
}

bool SerialLink::waitForInput(int ms)
{
    QDeadlineTimer deadline(qMax(0, ms));
    for (;;) {
        if (!m_port.isOpen() || cancelRequested()) {
            return false;
        }
        // A cancel check that runs the event loop lets the port take in
        // bytes itself; waitForReadyRead would wait for further ones only.
        if (m_port.bytesAvailable() > 0) {
            return true;
        }
        const qint64 slice = qMin<qint64>(CheckIntervalMs, qMax<qint64>(0, deadline.remainingTime()));
        if (m_port.waitForReadyRead(int(slice))) {
            return true;
        }
        if (isFailure(m_port.error())) {
            // The line is gone (the other end closed, the adapter was
            // pulled): waiting longer brings nothing.
            fail();
            return false;
        }
        m_port.clearError();
        if (deadline.hasExpired()) {
            return false;
        }
    }
}

qint64 SerialLink::write(const QByteArray& bytes)
{
    if (!m_port.isOpen() || cancelRequested()) {
        return -1;
    }
    const qint64 written = m_port.write(bytes);
    if (written < 0) {
        fail();
        return written;
    }
    if (m_trace) {
        m_trace->record(m_name, LinkTrace::Direction::Out, bytes.left(written));
    }
    // A frame once begun is finished even when cancelled: half a frame would
    // leave the device waiting for the rest.
    QDeadlineTimer deadline(m_timeoutMs + WriteMsPerByte * bytes.size());
    while (m_port.isOpen() && m_port.bytesToWrite() > 0) {
        const qint64 slice = qMin<qint64>(CheckIntervalMs, qMax<qint64>(0, deadline.remainingTime()));
        if (m_port.waitForBytesWritten(int(slice))) {
            continue;
        }
        if (isFailure(m_port.error())) {
            fail();
            return -1;
        }
        m_port.clearError();
        if (deadline.hasExpired()) {
            // Never left: drop it rather than have it go out later, unasked.
            const qint64 left = m_port.bytesToWrite();
            m_port.clear(QSerialPort::Output);
            return written - left;
        }
    }
    return m_port.isOpen() ? written : -1;
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
            bytes.append(take(qMin(available, n - bytes.size())));
        }
        if (bytes.size() >= n || deadline.hasExpired()) {
            break;
        }
        if (!waitForInput(int(qMax<qint64>(0, deadline.remainingTime())))) {
            if (m_port.isOpen()) {
                bytes.append(take(n - bytes.size()));
            }
            break;
        }
    }
    return bytes;
}

QByteArray SerialLink::readSome(qint64 n)
{
    if (!m_port.isOpen() || n <= 0) {
        return {};
    }
    if (m_port.bytesAvailable() == 0 && !waitForInput(m_timeoutMs)) {
        if (m_trace && m_port.isOpen() && !m_cancelled) {
            m_trace->note(m_name, QStringLiteral("nothing came within %1 ms").arg(m_timeoutMs));
        }
        return {};
    }
    return m_port.isOpen() ? take(n) : QByteArray();
}

QByteArray SerialLink::take(qint64 n)
{
    const QByteArray bytes = m_port.read(n);
    if (m_trace) {
        m_trace->record(m_name, LinkTrace::Direction::In, bytes);
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
    // What is thrown away came in all the same: the trace shows it, also
    // what the system still holds and the port has not taken in yet.
    QByteArray stale;
    if (m_trace) {
        stale = m_port.readAll();
        while (stale.size() < MaxStaleTraced && m_port.waitForReadyRead(0)) {
            stale += m_port.read(MaxStaleTraced - stale.size());
        }
        if (m_port.error() == QSerialPort::TimeoutError) {
            m_port.clearError();
        }
    }
    m_port.clear(QSerialPort::Input);
    if (m_trace) {
        m_trace->record(m_name, LinkTrace::Direction::In, stale + m_port.readAll());
    }
}

bool SerialLink::sendData(const QByteArray& payload, int attempts)
{
    const QByteArray framed = SerialFrame::frame(payload);
    const quint16 expected = SerialFrame::expectedCrc(payload);
    m_lastAttempts = {};
    int& silent = m_lastAttempts.silent;
    int& wrong = m_lastAttempts.wrong;
    int& unsent = m_lastAttempts.unsent;
    for (int attempt = 0; attempt < attempts && m_port.isOpen() && !cancelRequested(); ++attempt) {
        if (!isFailure(m_port.error())) {
            m_port.clearError();
        }
        clear();
        if (attempt > 0 && m_trace) {
            m_trace->note(m_name, QStringLiteral("sent again: attempt %1 of %2").arg(attempt + 1).arg(attempts));
        }
        if (write(framed) != framed.size()) {
            ++unsent;
            continue;
        }
        const QByteArray echo = readUpTo(framed.size());
        if (m_cancelled && !SerialFrame::echoMatches(echo, expected)) {
            m_lastAttempts.unconfirmed = true;
            break;
        }
        if (echo.isEmpty()) {
            ++silent;
            if (m_trace) {
                m_trace->note(m_name, QStringLiteral("no answer within %1 ms").arg(m_timeoutMs));
            }
            continue;
        }
        if (SerialFrame::echoMatches(echo, expected)) {
            m_error.clear();
            return true;
        }
        ++wrong;
        if (m_trace) {
            m_trace->note(m_name, QStringLiteral("the answer is not the frame's echo"));
        }
        qCDebug(kvrDiagnostics, "checksum error");
    }
    if (hasFailed()) {
        // errorString() already says how the port went.
    } else if (!m_port.isOpen()) {
        m_error = Text::tr("The serial port is not open.");
    } else if (m_cancelled) {
        m_error = Text::tr("Cancelled.");
    } else if (unsent > 0 && silent == 0 && wrong == 0) {
        m_error = unsent == 1 ? Text::tr("The frame could not be sent (1 attempt).")
                              : Text::tr("The frame could not be sent (%1 attempts).").arg(unsent);
    } else if (wrong > 0) {
        m_error = attempts == 1
            ? Text::tr("The device's answer did not match what was sent (1 attempt).")
            : Text::tr("The device's answer did not match what was sent (%1 of %2 attempts).").arg(wrong).arg(attempts);
    } else {
        m_error = silent == 1 ? Text::tr("The device did not answer (1 attempt).")
                              : Text::tr("The device did not answer (%1 attempts).").arg(silent);
    }
    return false;
}
