#ifndef DEVICESIM_DEVICESIMULATOR_H
#define DEVICESIM_DEVICESIMULATOR_H

#include <QByteArray>
#include <QMap>
#include <QPair>
#include <QString>

#include <chrono>
#include <csignal>

class Wire;

// Plays the device: echoes every frame, keeps the records it is sent, and on
// "LOAD_DATA" sends them back one by one, each waiting for its "RETS".
class DeviceSimulator
{
public:
    enum class Fault {
        None,
        Silent, // takes the frame in, answers nothing
        CorruptEcho, // echoes with one payload byte changed
        ShortEcho, // echoes only the first three bytes
        DropFrame, // the frame never arrives
        Garbage, // noise before each record of a load
        CutRecord, // a load record cut in half, the next one following at once
        Duplicate, // a load record sent in place of the next one
        Vanish // closes its end of the line and ends (counts frames and load records)
    };

    struct Options {
        bool pace = false; // bytes at the real 9600-baud rate in both directions
        bool log = false;
        QString stateFile;
        Fault fault = Fault::None;
        int faultCount = -1; // how many times; -1: every time
        int faultAfter = 0; // good frames (or load records) before the first fault
        bool extraRecord = false;
        int extraX = 0;
        int extraY = 0;
        int extraAt = -1; // position in the load; -1: after the last
        int loadRecords = 36; // how many of its records a load sends
        int ackTimeoutMs = 2000;
        bool alterRecord = false; // a load sends this record with its last byte changed
        int alterX = 0;
        int alterY = 0;
    };

    using Key = QPair<int, int>; // (key, link; 6 for the second layer)

    DeviceSimulator(Wire* wire, const Options& options);

    bool loadState(QString* error);
    // Serves the line until `stop` is set (by a signal).
    void run(const volatile std::sig_atomic_t& stop);

    static Fault faultFromName(const QString& name, bool* ok);

private:
    using Clock = std::chrono::steady_clock;

    QByteArray receive(int maxBytes, int timeoutMs);
    void send(const QByteArray& bytes);
    void takeFrames();
    void handleFrame(const QByteArray& frame);
    void sendRecords();
    bool waitForAck(const QByteArray& record, bool* clientMovedOn);
    bool faultNow();
    bool isLoadFault() const;
    void vanish();
    QByteArray recordFor(const Key& key) const;
    void saveState();
    void log(const QString& line) const;

    Wire* m_wire;
    Options m_options;
    const volatile std::sig_atomic_t* m_stop = nullptr;
    QMap<Key, QByteArray> m_records;
    QByteArray m_input;
    Clock::time_point m_inputSince; // when an unfinished frame began to wait
    int m_chances = 0; // frames (or load records) a fault could have hit
    int m_faults = 0;
    bool m_vanished = false;
    Clock::time_point m_lineOutFree;
    Clock::time_point m_lineInReady;
};

#endif // DEVICESIM_DEVICESIMULATOR_H
