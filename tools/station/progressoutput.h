#ifndef PROGRESSOUTPUT_H
#define PROGRESSOUTPUT_H

#include "portsession.h"

#include <QString>

// Where a run's progress goes: standard error, as lines for a person (the
// default) or, with --progress json, as one JSON object a line for a program
// that supervises the station (a light tower, a dashboard):
//
//     {"slot":"A1","port":"/dev/ttyUSB3","step":"record","record":6,"of":36,"elapsed_ms":812}
//
// The steps of a device come in this order: "connect" (the handshake was
// answered), "record" (each record stored), "verify" (each record read back),
// "done" (with "outcome" as the report names it, and "error" where there is
// one); a watched slot adds "gone" when the device is taken away, and while it
// has no device says why, once each time that changes: "waiting" (no port, or
// one that cannot be used) or "silent" (nothing answers on its port), with
// "why". A port without a device has only "done". `elapsed_ms` counts from the device's
// session's start. Each object is one write of a whole line, so lines from
// several ports never mix.
class ProgressOutput
{
public:
    enum class Format { Text, Json };

    explicit ProgressOutput(Format format = Format::Text)
        : m_format(format)
    {
    }
    // "text" or "json"; false for anything else.
    static bool formatFrom(const QString& name, Format* format);
    Format format() const { return m_format; }

    // "A1 (/dev/ttyUSB3)", or the port alone where the slot is named by it.
    static QString label(const QString& slot, const QString& port);

    // A line for a person, after the label; nothing in JSON.
    void say(const QString& slot, const QString& port, const QString& line) const;
    // A session's step; nothing in text, where the session's own lines say it.
    void event(const QString& slot, const QString& port, const PortSession::Event& event) const;
    // The end of a device; nothing in text, where the summary says it.
    void done(const PortSession::Outcome& outcome) const;
    // A watched slot without a device: its port is missing or cannot be used
    // (Waiting), or nothing answers on it (Silent). `why` is the line for a person.
    enum class Idle { Waiting, Silent };
    void idle(const QString& slot, const QString& port, Idle state, const QString& why) const;
    // A watched slot's device was taken away: the slot is free for the next.
    void gone(const QString& slot, const QString& port, qint64 elapsedMs) const;

private:
    Format m_format;
};

#endif // PROGRESSOUTPUT_H
