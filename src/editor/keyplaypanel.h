#ifndef KEYPLAYPANEL_H
#define KEYPLAYPANEL_H

#include "keyplay.h"

#include <QGroupBox>

#include <functional>

class KeyPlayRun;
class ProgramRecords;
class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class RecordSelection;

// Try Command's Play Key: the selected key's records that carry a command, in
// the order a play sends them, each with a tick to leave it out; Play Key
// sends them on the window's port one after another (KeyPlay), and each
// reply is shown under the record sent last. Follows the selection by its
// signals; while a play runs the list stays as it was played.
class KeyPlayPanel : public QGroupBox
{
    Q_OBJECT

public:
    // The port, the reply wait and the device's port, as the window has them now.
    using Where = std::function<KeyPlay::Request()>;

    KeyPlayPanel(const ProgramRecords* records, RecordSelection* selection, Where where, QWidget* parent = nullptr);
    ~KeyPlayPanel() override;

    bool isRunning() const;
    // A trial of the window is under way: no play starts meanwhile.
    void setTrialRunning(bool running);

public slots:
    void play();
    void cancel();
    // Lists the selected key's records again.
    void refresh();

signals:
    void runningChanged(bool running);
    // A line for the window's log.
    void logged(const QString& line);

private:
    void showChunk(int record, const CommandTrial::Chunk& chunk);
    void showResult(const KeyPlay::Result& result);
    void updateButtons();
    // The steps as listed, with the ticks as the user left them.
    QList<KeyPlay::Step> tickedSteps() const;

    const ProgramRecords* m_records;
    RecordSelection* m_selection;
    Where m_where;
    KeyPlayRun* m_run;
    bool m_trialRunning = false;
    bool m_stale = false; // the selection or its records changed during a play
    int m_key = 0; // whose records are listed
    QList<KeyPlay::Step> m_steps; // as listed
    QList<int> m_playedRows; // the list's row of each record of the play under way
    QList<QByteArray> m_replies; // of each record of the play, as shown
    QList<qint64> m_sentMs;
    QTreeWidget* m_list = nullptr;
    QCheckBox* m_skipDelays = nullptr;
    QPushButton* m_playButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_status = nullptr;
};

#endif // KEYPLAYPANEL_H
