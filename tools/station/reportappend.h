#ifndef REPORTAPPEND_H
#define REPORTAPPEND_H

#include <QByteArray>
#include <QFile>
#include <QString>

// Appends one line to a file that several runs, and stations, append to: the
// production record, where a line is only worth something whole.
//
// `file` is open for appending, unbuffered, and for reading where it may be
// (to see how its last line ends); `line` ends in '\n'. The line lands whole
// or not at all:
//   - a write that stops short (a full disk, a quota, a file size limit) cuts
//     the file back to where the line began, so no half line stays behind for
//     the next line to be glued onto;
//   - a file whose last line has no end (left by an older version or a crash)
//     first gets one, so the new line starts a line of its own (when the file
//     cannot be read, the new line goes on as it is);
//   - the file is locked while the line goes out, so lines of runs that lock
//     do not interleave; a lock held longer than LockWaitMs is not waited for.
// On failure `error` says why in the user's words with the system's text after
// it, "the disk is full (No space left on device)", and adds when part of the
// line could not be taken back.
class ReportAppend
{
public:
    static constexpr int LockWaitMs = 2000;

    static bool append(QFile* file, const QByteArray& line, QString* error);

    // The lock append() takes, for a reader that must see no line arrive
    // while it works (the spool being sent); given up after LockWaitMs.
    class Lock
    {
    public:
        explicit Lock(int fd);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
        bool held() const { return m_locked; }

    private:
        int m_fd;
        bool m_locked = false;
    };
};

#endif // REPORTAPPEND_H
