#ifndef KEYPLAYRUN_H
#define KEYPLAYRUN_H

#include "blockingjob.h"
#include "keyplay.h"

#include <QObject>

// A key's play for a window: runs KeyPlay::run on a thread of its own and
// emits, on this object's thread, exchanged() for every chunk as it happens
// and finished() at the end. Cancel: finished() follows within about 50 ms.
// Destroying it while a play runs cancels it and waits; nothing is emitted then.
class KeyPlayRun : public QObject
{
    Q_OBJECT
public:
    explicit KeyPlayRun(QObject* parent = nullptr);
    ~KeyPlayRun() override;

    // False, and nothing starts, while a play runs.
    bool start(const KeyPlay::Request& request);
    void cancel();
    bool isRunning() const { return m_job.isRunning(); }

signals:
    // `record`: the index in the request of the record sent last.
    void exchanged(int record, const CommandTrial::Chunk& chunk);
    void finished(const KeyPlay::Result& result);

private:
    BlockingJob m_job;
};

#endif // KEYPLAYRUN_H
