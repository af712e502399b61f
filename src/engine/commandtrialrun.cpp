#include "commandtrialrun.h"

CommandTrialRun::CommandTrialRun(QObject* parent)
    : QObject(parent)
    , m_job(this)
{
}

CommandTrialRun::~CommandTrialRun() = default;

bool CommandTrialRun::start(const CommandTrial::Request& request)
{
    return m_job.start([this, request](const CancelCheck& cancelled) -> BlockingJob::Finish {
        const CommandTrial::Result result = CommandTrial::run(
            request, cancelled,
            [this](const CommandTrial::Chunk& chunk) { m_job.post([this, chunk] { emit exchanged(chunk); }); });
        return [this, result] { emit finished(result); };
    });
}

void CommandTrialRun::cancel()
{
    m_job.cancel();
}
