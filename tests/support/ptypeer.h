#ifndef PTYPEER_H
#define PTYPEER_H

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

// A pseudo-terminal whose far end the test holds, for a port with something
// other than the device behind it:
//   Silent  - nothing behind the port: takes whatever comes, never answers
//             but what answer() names, as a projector or a camera would;
//   Chatter - not the device: answers everything with a line of text, as a
//             modem or a GPS receiver might;
//   ChatterOnce - answers the first message so, then nothing more;
//   SlowEcho - sends every message back whole, SlowEchoMs after it came: a
//             device for a port whose answers take longer than the default
//             time-out.
// Everything that arrived is kept, so a test can see what the port was sent,
// and so is the line as the terminal held it when the first byte came: what
// a pseudo-terminal keeps of the port's settings (speed, two stop bits, odd
// parity; it forces 8 data bits and drops the parity enable).
//
//     PtyPeer projector(PtyPeer::Mode::Silent);
//     projector.answer("\x02PON\x03", {{20, "\x02OK\x03"}});
//     QVERIFY(projector.open());
//     ... use projector.portName() ...
//     projector.received(), projector.line().speed
class PtyPeer
{
public:
    enum class Mode { Silent, Chatter, ChatterOnce, SlowEcho };
    static constexpr int SlowEchoMs = 1500;
    struct Part {
        int delayMs = 0; // after the request, or after the part before
        QByteArray bytes;
    };
    struct Line {
        quint32 speed = 0; // baud, also for rates without a constant
        bool twoStopBits = false;
        bool oddParity = false;
    };
    // What one read from the port brought, when, and the line as it was then.
    struct Arrival {
        std::chrono::steady_clock::time_point at;
        QByteArray bytes;
        Line line;
    };

    explicit PtyPeer(Mode mode);
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    // Once the bytes received since the last answer end with `request`
    // (Silent only); before open().
    void answer(const QByteArray& request, const QList<Part>& reply);
    bool open();
    void close();
    // Sends bytes unasked, now (after open()): what waits in the port before
    // anyone asked.
    void say(const QByteArray& bytes) { send(bytes); }
    QString portName() const { return m_portName; }
    // Every byte the port was sent so far.
    QByteArray received() const;
    // As the terminal held it when the first byte came (all 0 before).
    Line line() const;
    // Every read in turn: bytes sent close together may come in one.
    QList<Arrival> arrivals() const;

    // What Chatter answers.
    static QByteArray chatter() { return QByteArrayLiteral("\r\nNO CARRIER\r\n"); }

private:
    struct Rule {
        QByteArray request;
        QList<Part> reply;
    };
    void serve();
    void send(const QByteArray& bytes);

    Mode m_mode;
    int m_master = -1;
    int m_slave = -1;
    QString m_portName;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    QByteArray m_received;
    QList<Arrival> m_arrivals;
    QList<Rule> m_rules;
    Line m_line;
};

// The line as a terminal holds it, rates without a constant included.
PtyPeer::Line terminalLine(int fd);

#endif // PTYPEER_H
