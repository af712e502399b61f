#ifndef DEVICECONTROLLER_H
#define DEVICECONTROLLER_H

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class DeviceSession;
class LinkTrace;
class ProgramRecords;
class QWidget;
class SerialLink;

// The editor's side of the device: one session kept open from the COM port
// setting until the window lets go, the store, load and verify with a progress
// dialog and Cancel, and what the user is told about each. The port stays open
// between operations; a port that fails while idle is closed and reported.
class DeviceController : public QObject
{
    Q_OBJECT

public:
    // Dialogs are shown over `window`.
    explicit DeviceController(QWidget* window);
    ~DeviceController() override;

    bool isConnected() const { return m_connected; }
    // An operation or the handshake is under way; everything else waits.
    bool isBusy() const { return m_busy; }
    // None before the first connect.
    SerialLink* serialLink() const;
    // The port the device is connected on; empty while it is not.
    QString connectedPort() const;

    // Opens the port and shakes hands, with a Cancel; an earlier link goes
    // first. Says why not and remembers a port that answered.
    bool connectTo(const QString& portName);
    // The farewell and the port closed, when connected and idle.
    void disconnectDevice();
    // One echo-checked frame on the open link.
    bool sendData(const QByteArray& data);

    // From the next connectTo on, every chunk to and from the device goes to
    // `fileName` (emptied first) until that connection ends; empty: no trace.
    // A trace that cannot be written is said once and the link goes on.
    void setTraceFile(const QString& fileName) { m_traceFile = fileName; }

    // Where a store first keeps the device's program (see DeviceBackup);
    // empty: no backup.
    void setBackupFolder(const QString& folder) { m_backupFolder = folder; }
    QString backupFolder() const { return m_backupFolder; }

    // "Are you sure?" before a store or a load; true to go on.
    bool confirmTransfer();
    void store(ProgramRecords* records);
    // Loads into a copy and replaces `records` only as a whole, asking first
    // when some records did not arrive. True when `records` changed.
    bool load(ProgramRecords* records);
    void verify(ProgramRecords* records);

signals:
    void connectedChanged(bool connected, const QString& portName);
    // A message for the status bar.
    void statusMessage(const QString& text);
    // A load replaced the records, before the user is told how it went.
    void recordsReplaced();

private:
    bool isReady() const;
    void setConnected(bool connected, const QString& portName = QString());
    void processPortError();
    void connectionLost(const QString& reason);
    void showTransferComplete();
    // The device's program kept in the backup folder; false (and said) when it could not be.
    bool backUpFirst();
    // Opens the trace for a new session; false (and said) when it cannot be.
    bool startTrace();
    // Says once when the trace stopped early or was cut.
    void checkTrace();
    // Writes out and closes the trace of the connection that ended.
    void endTrace();

    QWidget* m_window;
    QString m_traceFile;
    QString m_backupFolder;
    // Before the session: the session's link records to it until it goes.
    std::unique_ptr<LinkTrace> m_trace;
    bool m_traceTold = false;
    std::unique_ptr<DeviceSession> m_session;
    bool m_connected = false;
    bool m_busy = false;
};

#endif // DEVICECONTROLLER_H
