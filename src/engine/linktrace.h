#ifndef LINKTRACE_H
#define LINKTRACE_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <thread>

// A trace of the device link in a text file, for a person to read and a
// program to parse: every chunk of bytes handed to a port and every chunk read
// from it, one line each, in the order they were recorded, with notes of what
// happened on the line between them:
//
//     # kvr210c link trace, started 2026-12-07T23:10:00.125Z: microseconds since then, port, out or in, bytes in hex,
//     |the bytes as text| # 310 /dev/ttyUSB0 opened at 9600,8-N-1 1520 /dev/ttyUSB0 out 53455453064b5652323130
//     |SETS.KVR210| # 1001733 /dev/ttyUSB0 no answer within 1000 ms # 1001801 /dev/ttyUSB0 sent again: attempt 2 of 6
//     # 12 /dev/ttyUSB1 could not be opened: The port /dev/ttyUSB1 does not exist.
//
// The time counts from when the trace was opened; the port is named as it was
// opened, with blanks, control characters and '%' written as %XX; the bytes
// are two lower-case hex digits each, without blanks, then the same bytes as
// text between bars, '.' standing for a byte that is not a printable ASCII
// character. The first four fields are all a program needs: it reads a line up
// to " |". An "out" line is written when the bytes are handed to the port, an
// "in" line when they are read (also stale bytes that are thrown away unread).
// Lines starting with '#' are notes: the first names the fields, the others
// give a time and a port, then what happened in words.
//
// The file never grows beyond its limit: the first line that would not fit is
// replaced by a note "# cut ..." and nothing more is written.
//
// Several ports may record from their own threads at once. record() only
// queues the line: a thread of the trace's own writes the queue out about
// every FlushIntervalMs, so a slow disk never holds up a transfer. When the
// file cannot take the queue whole (a full disk), the lines that fit stay and
// the line that did not is cut back off (the file ends with a whole line), the
// trace stops, and hasFailed() and errorString() say why; the links that
// record to it carry on. close() writes out what is queued, so only after it
// does the file hold everything and hasFailed() have the last word.
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
    // A note of what happened on `port` ("opened at 9600,8-N-1", "no answer
    // within 1000 ms"), in the flow of its chunks; nothing when closed, failed or cut.
    void note(const QString& port, const QString& text);
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
    // Queues `line` (under the lock), or the note that the trace was cut.
    void queue(QByteArray line, qint64 micros);
    void writeQueued();
    // Writes `bytes` whole, or keeps the whole lines that fit, cuts the rest
    // back off the file and says why.
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
