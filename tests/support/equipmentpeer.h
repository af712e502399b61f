#ifndef EQUIPMENTPEER_H
#define EQUIPMENTPEER_H

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <mutex>
#include <thread>

// A piece of equipment (a projector, a camera) behind a pseudo-terminal, for
// trying commands on it. It answers given byte strings with given replies,
// each part after its own delay, and stays silent otherwise. Everything that
// arrived is kept, and so is the line as the terminal held it when the first
// byte came: what a pseudo-terminal keeps of the settings the port was
// opened with (speed, two stop bits, odd parity; it forces 8 data bits and
// drops the parity enable).
//
//     EquipmentPeer projector;
//     projector.answer("\x02PON\x03", {{20, "\x02OK\x03"}});
//     QVERIFY(projector.open());
//     ... send on projector.portName() ...
//     projector.received(), projector.line().speed
class EquipmentPeer
{
public:
    struct Part {
        int delayMs = 0; // after the request, or after the part before
        QByteArray bytes;
    };
    struct Line {
        quint32 speed = 0; // baud, also for rates without a constant
        bool twoStopBits = false;
        bool oddParity = false;
    };

    EquipmentPeer();
    ~EquipmentPeer();
    EquipmentPeer(const EquipmentPeer&) = delete;
    EquipmentPeer& operator=(const EquipmentPeer&) = delete;

    // When the bytes received since the last answer end with `request`.
    void answer(const QByteArray& request, const QList<Part>& reply);
    bool open();
    void close();
    QString portName() const { return m_portName; }
    QByteArray received() const;
    // As the terminal held it when the first byte came (all 0 before).
    Line line() const;

private:
    struct Rule {
        QByteArray request;
        QList<Part> reply;
    };
    void serve();
    void send(const QList<Part>& reply);

    QList<Rule> m_rules;
    int m_master = -1;
    int m_slave = -1;
    QString m_portName;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    QByteArray m_received;
    Line m_line;
};

// The line as a terminal holds it, rates without a constant included.
EquipmentPeer::Line terminalLine(int fd);

#endif // EQUIPMENTPEER_H
