#include "linktrace.h"

#include "safesave.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("LinkTrace", text);
}

// Room kept for the note that says the trace was cut.
constexpr qint64 CutNoteReserve = 160;

// One word per field: a port name with a blank in it would read as two.
QByteArray portWord(const QString& port)
{
    const QByteArray name = port.toUtf8();
    QByteArray word;
    word.reserve(name.size());
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == '%' || byte == 0x7F) {
            word += '%' + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
        } else {
            word += c;
        }
    }
    return word;
}

} // namespace

LinkTrace::LinkTrace(const QString& path, qint64 limit)
    : m_file(path)
    , m_limit(qMax(limit, MinLimit))
{
}

bool LinkTrace::open()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const QString shown = QDir::toNativeSeparators(m_file.fileName());
    QString refused;
    if (!isSaveTarget(m_file.fileName(), &refused)) {
        m_error = tr("cannot write the trace: %1").arg(refused);
        return false;
    }
    // Unbuffered: a line is on disk (or known lost) when record() returns.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        m_error = tr("cannot write the trace %1: %2").arg(shown, m_file.errorString());
        return false;
    }
    m_clock.start();
    m_open = true;
    const QByteArray note = "# kvr210c link trace, started "
        + QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toUtf8()
        + ": microseconds since then, port, out or in, bytes in hex\n";
    return writeLine(note);
}

void LinkTrace::record(const QString& port, Direction direction, const QByteArray& bytes)
{
    if (bytes.isEmpty()) {
        return;
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_open || m_failed || m_cut) {
        return;
    }
    // Taken under the lock, so the times never go backwards down the file.
    const qint64 micros = m_clock.nsecsElapsed() / 1000;
    QByteArray line = QByteArray::number(micros);
    line.reserve(line.size() + 2 * bytes.size() + 48);
    line += ' ';
    line += portWord(port);
    line += direction == Direction::Out ? " out " : " in ";
    line += bytes.toHex();
    line += '\n';
    if (m_size + line.size() + CutNoteReserve > m_limit) {
        m_cut = true;
        writeLine("# cut after " + QByteArray::number(micros) + " microseconds: the trace reached its limit of "
                  + QByteArray::number(m_limit) + " bytes; nothing later is in it\n");
        return;
    }
    writeLine(line);
}

bool LinkTrace::writeLine(const QByteArray& line)
{
    const qint64 before = m_size;
    const qint64 written = m_file.write(line);
    if (written == line.size()) {
        m_size += written;
        return true;
    }
    // Half a line would pass for a chunk that was shorter than it was.
    m_error = tr("cannot write the trace %1: %2; it ends before the link did")
                  .arg(QDir::toNativeSeparators(m_file.fileName()), m_file.errorString());
    if (written > 0) {
        m_file.resize(before);
    }
    m_failed = true;
    m_file.close();
    return false;
}

bool LinkTrace::hasFailed() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_failed;
}

bool LinkTrace::wasCut() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_cut;
}

QString LinkTrace::errorString() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_error;
}
