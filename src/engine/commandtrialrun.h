#ifndef COMMANDTRIALRUN_H
#define COMMANDTRIALRUN_H

#include "blockingjob.h"
#include "commandtrial.h"

#include <QObject>

// A trial for a window: runs CommandTrial::run on a thread of its own and
// emits, on this object's thread, exchanged() for every chunk as it happens
// and finished() at the end, so the event loop keeps running.
//
//     auto* run = new CommandTrialRun(window);
//     connect(run, &CommandTrialRun::finished, window, [](const CommandTrial::Result& result) { ... });
//     run->start(request);
//     ... Cancel: run->cancel(); finished() follows within about 50 ms.
//
// Destroying it while a trial runs cancels the trial and waits for it (about
// 50 ms); nothing is emitted then.
class CommandTrialRun : public QObject
{
    Q_OBJECT
public:
    explicit CommandTrialRun(QObject* parent = nullptr);
    ~CommandTrialRun() override;

    // False, and nothing starts, while a trial runs.
    bool start(const CommandTrial::Request& request);
    void cancel();
    // From start() until finished() is emitted.
    bool isRunning() const { return m_job.isRunning(); }

signals:
    void exchanged(const CommandTrial::Chunk& chunk);
    void finished(const CommandTrial::Result& result);

private:
    BlockingJob m_job;
};

#endif // COMMANDTRIALRUN_H
