#ifndef TRIALPORT_H
#define TRIALPORT_H

#include "appdata.h"
#include "cancelcheck.h"
#include "seriallink.h"

#include <QByteArray>
#include <QString>

class LinkTrace;

// The port a trial talks to the equipment through, for one command
// (CommandTrial) and for a key's records one after another (KeyPlay): opened
// with a record's line settings, set to another record's while open, stale
// input dropped, every chunk traced, and each way it can fail said in the
// user's words. Waits end at once when the cancel check says yes.
class TrialPort
{
public:
    TrialPort(const QString& port, LinkTrace* trace, const CancelCheck& cancel);
    TrialPort(const TrialPort&) = delete;
    TrialPort& operator=(const TrialPort&) = delete;

    // False with error() when cancelled before, or when the port cannot be
    // opened at these settings (by another link holding it too).
    bool open(const UartData& line);
    // The port at another record's settings, opened again: what the port
    // object holds unread is lost, so read it first. False with error(),
    // when cancelled too.
    bool setLine(const UartData& line);
    // The settings the port reports now.
    SerialLink::Line line();
    // Whatever the equipment said before is no reply to what is sent next.
    void dropStale() { m_link.clear(); }
    // Writes all bytes, waiting as long as they take at the line's rate;
    // what left (-1: nothing could be written).
    qint64 write(const QByteArray& bytes);
    // Up to n bytes as soon as any came within timeoutMs; empty when none did,
    // when cancelled or when the port failed.
    QByteArray readSome(qsizetype n, qint64 timeoutMs);
    void close() { m_link.close(); }

    bool cancelled() const { return m_link.isCancelled(); }
    bool failed() const { return m_link.hasFailed(); }
    // Why the equipment is gone, after failed().
    QString lostEquipment() const;
    // Why a write of `size` bytes left only `written` of them.
    QString unsent(qint64 written, qsizetype size) const;
    // Why open() or setLine() failed.
    QString error() const { return m_error; }

    // How long `bytes` take on the wire at `baud` (12 bits a byte covers
    // start, parity and two stop bits).
    static qint64 wireMs(qsizetype bytes, qint32 baud);

private:
    QString m_port;
    SerialLink m_link;
    SerialLink::Line m_line;
    QString m_error;
};

// Ends a step of a trial or a play: its outcome and why go into `result`; false.
template <typename Result, typename Outcome> bool stopWith(Result* result, Outcome outcome, const QString& error)
{
    result->outcome = outcome;
    result->error = error;
    return false;
}

#endif // TRIALPORT_H
