#include "commandtrialrun.h"

#include <QMetaObject>

CommandTrialRun::CommandTrialRun(QObject* parent)
    : QObject(parent)
{
}

CommandTrialRun::~CommandTrialRun()
{
    cancel();
    join();
}

bool CommandTrialRun::start(const CommandTrial::Request& request)
{
    if (m_running) {
        return false;
    }
    join();
    m_running = true;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<std::atomic<bool>> cancelled = m_cancel;
    m_thread.reset(QThread::create([this, request, cancelled]() {
        // Queued to this object: dropped unseen when it is gone by then.
        const CommandTrial::Result result = CommandTrial::run(
            request, [cancelled] { return cancelled->load(); },
            [this](const CommandTrial::Chunk& chunk) {
                QMetaObject::invokeMethod(
                    this, [this, chunk] { emit exchanged(chunk); }, Qt::QueuedConnection);
            });
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                m_running = false;
                join();
                emit finished(result);
            },
            Qt::QueuedConnection);
    }));
    m_thread->start();
    return true;
}

void CommandTrialRun::cancel()
{
    if (m_cancel) {
        m_cancel->store(true);
    }
}

void CommandTrialRun::join()
{
    if (m_thread) {
        m_thread->wait();
        m_thread.reset();
    }
}
