#ifndef PTYPEER_H
#define PTYPEER_H

#include <QByteArray>
#include <QString>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

// A pseudo-terminal whose far end the test holds, for a port with something
// other than the device behind it:
//   Silent  - nothing behind the port: takes whatever comes, never answers;
//   Chatter - not the device: answers everything with a line of text, as a
//             modem or a GPS receiver might;
//   ChatterOnce - answers the first message so, then nothing more;
//   SlowEcho - sends every message back whole, SlowEchoMs after it came: a
//             device for a port whose answers take longer than the default
//             time-out.
// Everything that arrived is kept, so a test can see what the port was sent.
//
//     PtyPeer modem(PtyPeer::Mode::Chatter);
//     QVERIFY(modem.open());
//     ... use modem.portName() ...
//     modem.received()
class PtyPeer
{
public:
    enum class Mode { Silent, Chatter, ChatterOnce, SlowEcho };
    static constexpr int SlowEchoMs = 1500;

    explicit PtyPeer(Mode mode);
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    bool open();
    void close();
    QString portName() const { return m_portName; }
    // Every byte the port was sent so far.
    QByteArray received() const;

    // What Chatter answers.
    static QByteArray chatter() { return QByteArrayLiteral("\r\nNO CARRIER\r\n"); }

private:
    void serve();

    Mode m_mode;
    int m_master = -1;
    int m_slave = -1;
    QString m_portName;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    QByteArray m_received;
};

#endif // PTYPEER_H
