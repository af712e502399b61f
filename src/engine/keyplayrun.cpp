#include "keyplayrun.h"

KeyPlayRun::KeyPlayRun(QObject* parent)
    : QObject(parent)
    , m_job(this)
{
}

KeyPlayRun::~KeyPlayRun() = default;

bool KeyPlayRun::start(const KeyPlay::Request& request)
{
    return m_job.start([this, request](const CancelCheck& cancelled) -> BlockingJob::Finish {
        const KeyPlay::Result result = KeyPlay::run(
            request, cancelled, [this](int record, const CommandTrial::Chunk& chunk) {
                m_job.post([this, record, chunk] { emit exchanged(record, chunk); });
            });
        return [this, result] { emit finished(result); };
    });
}

void KeyPlayRun::cancel()
{
    m_job.cancel();
}
