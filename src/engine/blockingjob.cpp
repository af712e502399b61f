#include "blockingjob.h"

#include <QMetaObject>
#include <QThread>

BlockingJob::BlockingJob(QObject* parent)
    : QObject(parent)
{
}

BlockingJob::~BlockingJob()
{
    cancel();
    join();
}

bool BlockingJob::start(Job job)
{
    if (m_running) {
        return false;
    }
    join();
    m_running = true;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<std::atomic<bool>> cancelled = m_cancel;
    m_thread.reset(QThread::create([this, job = std::move(job), cancelled]() {
        const Finish finish = job([cancelled] { return cancelled->load(); });
        post([this, finish] {
            m_running = false;
            join();
            if (finish) {
                finish();
            }
        });
    }));
    m_thread->start();
    return true;
}

void BlockingJob::cancel()
{
    if (m_cancel) {
        m_cancel->store(true);
    }
}

void BlockingJob::post(std::function<void()> call)
{
    // Queued to this object: dropped unseen when it is gone by then (the
    // destructor waits for the thread, and pending calls die with their object).
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

void BlockingJob::join()
{
    if (m_thread) {
        m_thread->wait();
        m_thread.reset();
    }
}
