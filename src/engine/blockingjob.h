#ifndef BLOCKINGJOB_H
#define BLOCKINGJOB_H

#include "cancelcheck.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

// Runs one blocking job at a time on a thread of its own, for a window whose
// event loop must keep running. The job gets a cancel check that says yes once
// cancel() was called; what it hands back when it ends is called on this
// object's thread, queued, after isRunning() has turned false. While it runs
// it may post() calls there too (progress as it happens).
//
//     m_job.start([this, request](const CancelCheck& cancelled) {
//         const Result result = work(request, cancelled);
//         return [this, result] { emit finished(result); };
//     });
//
// Destroying it while a job runs cancels the job and waits for it; nothing
// posted or handed back is called then.
class BlockingJob : public QObject
{
    Q_OBJECT
public:
    using Finish = std::function<void()>;
    using Job = std::function<Finish(const CancelCheck& cancelled)>;

    explicit BlockingJob(QObject* parent = nullptr);
    ~BlockingJob() override;

    // False, and nothing starts, while a job runs.
    bool start(Job job);
    // Asks a running job to stop; does nothing otherwise.
    void cancel();
    // From start() until the job's finish is called.
    bool isRunning() const { return m_running; }
    // From the job's thread: calls `call` on this object's thread, unless this
    // object is gone by then.
    void post(std::function<void()> call);

private:
    void join();

    // A QThread rather than a bare one: a port wants an event dispatcher.
    std::unique_ptr<QThread> m_thread;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    bool m_running = false;
};

#endif // BLOCKINGJOB_H
