#ifndef TRYCOMMANDWINDOW_H
#define TRYCOMMANDWINDOW_H

#include "commandtrial.h"
#include "comportpicker.h"

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

class CommandTrialRun;
class ConfigDocument;
class DeviceController;
class KeyPlayPanel;
class ProgramRecords;
class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class RecordSelection;
class ReplyColumns;

// Key > Try Command: sends the selected key's or link's command (or its second
// layer's) to the equipment on a port of the user's choice, with the record's
// line settings, and shows the reply byte by byte with its timing, so a command
// can be tried before it is stored into the device. While a command is being
// edited, the field's text is what is sent. A free text sends anything else
// the equipment expects in between. The window follows the selection and the
// records by their signals.
//
// The window only reads: the records, the undo steps and the modified mark are
// never touched. It opens its port only for each trial (on a thread of its own,
// Cancel ends it at once), refuses the port the device is connected on, and
// keeps a log of every exchange that can be copied and saved. Its port is
// remembered apart from the device's. Play Key (KeyPlayPanel) plays the
// selected key's records one after another on the same port.
class TryCommandWindow : public QWidget
{
    Q_OBJECT

public:
    // Most entries the log keeps (a chunk sent or received, or an outcome); the oldest go first.
    static constexpr int MaxLogEntries = 5000;

    // What is sent comes from `document`'s records at `selection`'s record; the port
    // `device` is connected on is refused.
    TryCommandWindow(const ConfigDocument* document, RecordSelection* selection, const DeviceController* device,
                     QWidget* parent, PortLister lister = systemSerialPorts);
    ~TryCommandWindow() override;

    // What Send sends now; empty bytes when no key is selected.
    CommandTrial::RecordCommand shownCommand() const;
    bool isRunning() const;
    QString logText() const;

public slots:
    void sendCommand();
    // Sends the free text, refused with the position of a fault.
    void sendFreeText();
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
    // The parts of the window, top to bottom.
    QLayout* buildCommandForm(PortLister lister);
    QLayout* buildSendRow();
    QGroupBox* buildFreeTextBox();
    QGroupBox* buildReplyBox();
    QGroupBox* buildLogBox();
    // Close, Escape and what follows the selection and the trial.
    void connectWindow(QDialogButtonBox* buttons);
    // The port, the reply wait and the device's port, as the window has them now.
    CommandTrial::Request baseRequest() const;
    void start(const QByteArray& bytes, const UartData& line, const QString& what);
    void showChunk(const CommandTrial::Chunk& chunk);
    // Chunks that came in one turn of the event loop are shown together.
    void showPending();
    void showResult(const CommandTrial::Result& result);
    void setRunning(bool running);
    void appendLog(const QString& text);
    // The selected key, or 0; the tick follows it when it changes.
    int selectedKey() const;
    // Why Send cannot send now; empty when it can.
    QString sendRefusal(const CommandTrial::RecordCommand& command) const;
    void clearStatus();

    const ProgramRecords* m_records;
    RecordSelection* m_selection;
    const DeviceController* m_device;
    CommandTrialRun* m_run = nullptr;
    KeyPlayPanel* m_keyPlay = nullptr;
    ComPortPicker* m_picker = nullptr;
    QTimer m_show;
    QStringList m_pendingLog;
    QByteArray m_pendingReply;
    QString m_runDescription; // what runs, where and at which settings, for the log
    std::unique_ptr<ReplyColumns> m_reply; // of the trial that runs or ran last
    int m_tickKey = -1; // the key the second-layer tick was last set for
    QString m_shownRecord; // the record the window showed last
    QComboBox* m_portBox = nullptr;
    QCheckBox* m_secondLayerBox = nullptr;
    QLabel* m_recordLabel = nullptr;
    QLineEdit* m_commandHex = nullptr;
    QLineEdit* m_commandText = nullptr;
    QLabel* m_lineSettingsLabel = nullptr;
    QSpinBox* m_quietBox = nullptr;
    QPushButton* m_sendButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_sendHint = nullptr;
    QComboBox* m_freeTextForm = nullptr;
    QLineEdit* m_freeText = nullptr;
    QPushButton* m_sendFreeTextButton = nullptr;
    QLabel* m_freeTextError = nullptr;
    QPlainTextEdit* m_replyHex = nullptr;
    QPlainTextEdit* m_replyText = nullptr;
    QLabel* m_replyStatus = nullptr;
    QGroupBox* m_replyBox = nullptr;
    QPlainTextEdit* m_log = nullptr;
};

#endif // TRYCOMMANDWINDOW_H
