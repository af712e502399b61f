#include "linktrace.h"

#include "safesave.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

#include <chrono>
#include <utility>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LinkTrace)
};

// Room kept for the note that says the trace was cut.
constexpr qint64 CutNoteReserve = 160;
// A queue this long is written out at once, not at the next interval.
constexpr qsizetype FlushBytes = 64 * 1024;

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

// The bytes as a person reads them beside the hex: printable ASCII as it is,
// anything else a dot, so the column never moves the cursor or forges a line.
void appendText(QByteArray* line, const QByteArray& bytes)
{
    *line += '|';
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *line += byte >= ' ' && byte < 0x7F ? c : '.';
    }
    *line += '|';
}

} // namespace

LinkTrace::LinkTrace(const QString& path, qint64 limit)
    : m_file(path)
    , m_limit(qMax(limit, MinLimit))
{
}

LinkTrace::~LinkTrace()
{
    close();
}

bool LinkTrace::open()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const QString shown = QDir::toNativeSeparators(m_file.fileName());
    QString refused;
    if (!isSaveTarget(m_file.fileName(), &refused)) {
        m_error = Text::tr("cannot write the trace: %1").arg(refused);
        return false;
    }
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        m_error = Text::tr("cannot write the trace %1: %2").arg(shown, m_file.errorString());
        return false;
    }
    m_clock.start();
    const QByteArray note = "# kvr210c link trace, started "
        + QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toUtf8()
        + ": microseconds since then, port, out or in, bytes in hex, |the bytes as text|\n";
    // Written before any link uses the trace: a file that takes nothing is known at once.
    if (!writeOut(note, &m_error)) {
        m_file.close();
        return false;
    }
    m_size = note.size();
    m_open = true;
    m_writer = std::thread([this] { writeQueued(); });
    return true;
}

void LinkTrace::record(const QString& port, Direction direction, const QByteArray& bytes)
{
    if (bytes.isEmpty()) {
        return;
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_open || m_closing || m_failed || m_cut) {
        return;
    }
    // Taken under the lock, so the times never go backwards down the file.
    const qint64 micros = m_clock.nsecsElapsed() / 1000;
    QByteArray line = QByteArray::number(micros);
    line.reserve(line.size() + 3 * bytes.size() + 48);
    line += ' ';
    line += portWord(port);
    line += direction == Direction::Out ? " out " : " in ";
    line += bytes.toHex();
    line += ' ';
    appendText(&line, bytes);
    line += '\n';
    queue(std::move(line), micros);
}

void LinkTrace::note(const QString& port, const QString& text)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_open || m_closing || m_failed || m_cut) {
        return;
    }
    const qint64 micros = m_clock.nsecsElapsed() / 1000;
    QByteArray line = "# " + QByteArray::number(micros) + ' ' + portWord(port) + ' ';
    // The system's text may hold a line end: the note stays one line.
    for (const char c : text.toUtf8()) {
        line += static_cast<unsigned char>(c) < ' ' || c == 0x7F ? ' ' : c;
    }
    line += '\n';
    queue(std::move(line), micros);
}

void LinkTrace::queue(QByteArray line, qint64 micros)
{
    if (m_size + line.size() + CutNoteReserve > m_limit) {
        m_cut = true;
        line = "# cut after " + QByteArray::number(micros) + " microseconds: the trace reached its limit of "
            + QByteArray::number(m_limit) + " bytes; nothing later is in it\n";
    }
    m_queue += line;
    m_size += line.size();
    if (m_queue.size() >= FlushBytes || m_cut) {
        m_wake.notify_one();
    }
}

void LinkTrace::writeQueued()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait_for(lock, std::chrono::milliseconds(FlushIntervalMs),
                        [this] { return m_closing || m_queue.size() >= FlushBytes; });
        const QByteArray bytes = std::exchange(m_queue, QByteArray());
        const bool last = m_closing;
        if (!bytes.isEmpty()) {
            // The links go on queueing while the file takes its time.
            lock.unlock();
            QString error;
            const bool written = writeOut(bytes, &error);
            lock.lock();
            if (!written) {
                m_failed = true;
                m_error = error;
                m_queue.clear();
                return;
            }
        }
        if (last && m_queue.isEmpty()) {
            return;
        }
    }
}

bool LinkTrace::writeOut(const QByteArray& bytes, QString* error)
{
    const qint64 before = m_file.size();
    // A short write says nothing of why; the next one fails with the reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = m_file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            break;
        }
        written += n;
    }
    if (written == bytes.size()) {
        return true;
    }
    // Half a line would pass for a chunk that was shorter than it was; the
    // whole lines before it stay.
    const QString reason = m_file.errorString();
    if (written > 0) {
        const qsizetype lineEnd = QByteArrayView(bytes).first(written).lastIndexOf('\n');
        m_file.resize(before + lineEnd + 1);
    }
    *error = Text::tr("cannot write the trace %1: %2; it ends before the link did")
                 .arg(QDir::toNativeSeparators(m_file.fileName()), reason);
    return false;
}

void LinkTrace::close()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_open || m_closing) {
            return;
        }
        m_closing = true;
    }
    m_wake.notify_one();
    m_writer.join();
    m_file.close();
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
