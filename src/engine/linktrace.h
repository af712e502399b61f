#ifndef LINKTRACE_H
#define LINKTRACE_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <thread>

// A trace of the device link in a text file: every chunk of bytes handed to a
// port and every chunk read from it, one line each, in the order they were
// recorded:
//
//     # kvr210c link trace, started 2026-12-07T23:10:00.125Z: microseconds since then, port, out or in, bytes in hex
//     1520 /dev/ttyUSB0 out 53455453064b5652323130
//     64211 /dev/ttyUSB0 in 53455453064b5652323130
//
// The time counts from when the trace was opened; the port is named as it was
// opened, with blanks, control characters and '%' written as %XX; the bytes
// are two lower-case hex digits each, without blanks. An "out" line is written
// when the bytes are handed to the port, an "in" line when they are read (also
// stale bytes that are thrown away unread). Lines starting with '#' are notes.
//
// The file never grows beyond its limit: the first line that would not fit is
// replaced by a note "# cut ..." and nothing more is written.
//
// Several ports may record from their own threads at once. record() only
// queues the line: a thread of the trace's own writes the queue out about
// every FlushIntervalMs, so a slow disk never holds up a transfer. Lines that
// cannot be written whole are cut back off the file (it ends with a whole
// line), the trace stops, and hasFailed() and errorString() say why; the links
// that record to it carry on. close() writes out what is queued, so only after
// it does the file hold everything and hasFailed() have the last word.
class LinkTrace
{
public:
    enum class Direction { Out, In };

    // Big enough for hours of a busy line; a store of a full program takes a
    // few hundred kilobytes.
    static constexpr qint64 DefaultLimit = 64 * 1024 * 1024;

    static constexpr qint64 MinLimit = 1024;
    static constexpr int FlushIntervalMs = 100;

    // `limit` is the most bytes the file will hold (at least MinLimit).
    explicit LinkTrace(const QString& path, qint64 limit = DefaultLimit);
    ~LinkTrace();
    LinkTrace(const LinkTrace&) = delete;
    LinkTrace& operator=(const LinkTrace&) = delete;

    // Creates or empties the file and writes the first note; refuses anything
    // but a regular file (a pipe would block, a device node would take the
    // trace anywhere). False with errorString() when it cannot.
    bool open();
    // One line for a chunk of `port`; nothing when empty, closed, failed or cut.
    void record(const QString& port, Direction direction, const QByteArray& bytes);
    // Writes out what is queued and closes the file; records after it are
    // dropped. Called by the destructor too.
    void close();

    QString fileName() const { return m_file.fileName(); }
    qint64 limit() const { return m_limit; }
    bool hasFailed() const;
    bool wasCut() const;
    // Why the trace could not be opened or stopped early, naming the file.
    QString errorString() const;

private:
    void writeQueued();
    // Writes `bytes` whole, or cuts them back off the file and says why.
    bool writeOut(const QByteArray& bytes, QString* error);

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::thread m_writer;
    QFile m_file; // only the writer thread uses it once open
    qint64 m_limit;
    qint64 m_size = 0; // queued and written
    QByteArray m_queue;
    QElapsedTimer m_clock;
    bool m_open = false;
    bool m_closing = false;
    bool m_failed = false;
    bool m_cut = false;
    QString m_error;
};

#endif // LINKTRACE_H
