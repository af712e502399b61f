#ifndef SIMULATORPROCESS_H
#define SIMULATORPROCESS_H

#include <QByteArray>
#include <QMap>
#include <QPair>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// Runs kvr210c-devicesim on a pseudo-terminal of its own for one test:
//
//     SimulatorProcess sim;
//     QVERIFY2(sim.start({"--fault", "corrupt-echo"}), qPrintable(sim.errorString()));
//     link.open(sim.portName());
//     ... sim.logLines(), sim.storedRecords()
//
// It always runs with --log and a --state file in a temporary directory, and
// is stopped when the object goes.
class SimulatorProcess
{
public:
    using Key = QPair<int, int>; // (key, link; 6 for a key's second layer)

    SimulatorProcess();
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    // Starts the simulator with these further arguments and waits for its port.
    bool start(const QStringList& arguments = {}, int timeoutMs = 5000);
    void stop();
    bool isRunning() const;
    // To pause it (SIGSTOP) as a device that stops answering.
    qint64 processId() const { return m_process.processId(); }

    QString portName() const { return m_portName; }
    QString stateFile() const;
    QString errorString() const { return m_error; }

    // Event lines logged so far ("frame KVR210", "record 2 6 <hex>", "ack 2 6", ...),
    // marks left out.
    QStringList logLines() const;
    // How many logged lines start with `prefix`.
    int countLogLines(const QString& prefix) const;
    // Waits until a logged line starts with `prefix`.
    bool waitForLogLine(const QString& prefix, int timeoutMs = 3000) const;
    // The whole frames it took in so far, in order, as its log names them
    // ("frame KVR210", "record 1 1 <hex>", "ISPOK!", "frame <hex>").
    QList<QByteArray> receivedFrames() const;

    // "Nothing more came", known instead of waited out: a mark, sent after the
    // bytes a test looks at, is logged once the device has taken in all of them.
    // It is a frame the device logs and echoes.
    static QByteArray markPayload() { return QByteArrayLiteral("MARK"); }
    // Sends a mark on an opening of the port of its own (no link may hold the
    // port), waits until it is logged and takes its echo off the line.
    bool settle(int timeoutMs = 3000);
    // Waits for the next mark, sent by the test through a link that holds the port.
    bool waitForMark(int timeoutMs = 3000);

    // The records the device holds, by (key, link); raw device records.
    QMap<Key, QByteArray> storedRecords() const;
    // Gives the device records before start().
    bool setStoredRecords(const QList<QByteArray>& records);

    // Where the simulator program is (set at build time, or KVR_DEVICESIM).
    static QString programPath();

private:
    QStringList allLogLines() const;
    static QByteArray markFrame() { return "SETS\x04" + markPayload(); }
    static QString markLogLine();
    // Reads the log again until `seen` holds, at most `timeoutMs`.
    static bool waitForLog(const std::function<bool()>& seen, int timeoutMs);

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_portName;
    QString m_error;
    int m_marks = 0; // sent so far
};

#endif // SIMULATORPROCESS_H
