#ifndef TRYCOMMANDWINDOW_H
#define TRYCOMMANDWINDOW_H

#include "commandtrial.h"
#include "comportpicker.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

class CommandField;
class CommandTrialRun;
class DeviceController;
class ProgramRecords;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class ReplyColumns;

// Key > Try Command: sends the selected key's or link's command (or its second
// layer's) to the equipment on a port of the user's choice, with the record's
// line settings, and shows the reply byte by byte with its timing, so a command
// can be tried before it is stored into the device. While a command is being
// edited, the field's text is what is sent. A free line sends anything else
// the equipment expects in between.
//
// The window only reads: the records, the undo steps and the modified mark are
// never touched. It opens its port only for each trial (on a thread of its own,
// Cancel ends it at once), refuses the port the device is connected on, and
// keeps a log of every exchange that can be copied and saved. Its port is
// remembered apart from the device's.
class TryCommandWindow : public QWidget
{
    Q_OBJECT

public:
    // Where the window finds what to send: the main window's records, key and
    // link groups, command fields and device.
    struct Sources {
        ProgramRecords* records = nullptr;
        QButtonGroup* keys = nullptr;
        QButtonGroup* links = nullptr;
        CommandField* command = nullptr;
        CommandField* secondLayer = nullptr;
        DeviceController* device = nullptr;
    };

    // Most lines the log keeps; the oldest go first.
    static constexpr int MaxLogLines = 5000;

    TryCommandWindow(const Sources& sources, QWidget* parent, PortLister lister = systemSerialPorts);
    ~TryCommandWindow() override;

    // What Send sends now; empty bytes when no key is selected.
    CommandTrial::RecordCommand shownCommand() const;
    bool isRunning() const;
    QString logText() const;

public slots:
    void sendCommand();
    // Sends the free line, refused with the position of a fault.
    void sendLine();
    void cancel();
    // Shows the command as the main window has it now.
    void refresh();
    void copyLog();
    bool saveLog();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Return sends the command, as the default button of a dialog would.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void start(const QByteArray& bytes, const UartData& line, const QString& what);
    void showChunk(const CommandTrial::Chunk& chunk);
    // Chunks that came in one turn of the event loop are shown together.
    void showPending();
    void showResult(const CommandTrial::Result& result);
    void setRunning(bool running);
    void appendLog(const QString& text);
    // The selected key, or -1; the tick follows it when it changes.
    int selectedKey() const;
    // Why Send cannot send now; empty when it can.
    QString sendRefusal(const CommandTrial::RecordCommand& command) const;
    void clearStatus();

    Sources m_sources;
    CommandTrialRun* m_run = nullptr;
    ComPortPicker* m_picker = nullptr;
    QTimer m_follow;
    QTimer m_show;
    QStringList m_pendingLog;
    QByteArray m_pendingReply;
    QString m_runLine; // what runs, where and at which settings, for the log
    std::unique_ptr<ReplyColumns> m_reply; // of the trial that runs or ran last
    int m_tickKey = -1; // the key the second-layer tick was last set for
    QString m_shownRecord; // the record the window showed at the last look
    QComboBox* m_portBox = nullptr;
    QCheckBox* m_secondLayerBox = nullptr;
    QLabel* m_recordLabel = nullptr;
    QLineEdit* m_commandHex = nullptr;
    QLineEdit* m_commandText = nullptr;
    QLabel* m_lineLabel = nullptr;
    QSpinBox* m_quietBox = nullptr;
    QPushButton* m_sendButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_sendHint = nullptr;
    QComboBox* m_lineFormat = nullptr;
    QLineEdit* m_freeLine = nullptr;
    QPushButton* m_sendLineButton = nullptr;
    QLabel* m_lineError = nullptr;
    QPlainTextEdit* m_replyHex = nullptr;
    QPlainTextEdit* m_replyText = nullptr;
    QLabel* m_replyStatus = nullptr;
    QGroupBox* m_replyBox = nullptr;
    QPlainTextEdit* m_log = nullptr;
};

#endif // TRYCOMMANDWINDOW_H
