#include "deviceprobe.h"

#include "devicesession.h"
#include "programtransfer.h"
#include "seriallink.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(DeviceProbe)
};

DeviceProbe::Result probePort(const QString& port, DeviceProbe::Options options, const std::atomic<bool>* cancel)
{
    DeviceProbe::Result result;
    result.port = port;
    DeviceSession session({options.attempts, options.timeoutMs});
    session.setCancelCheck([cancel]() { return cancel->load(); });
    if (cancel->load()) {
        result.answer = DeviceProbe::Answer::Cancelled;
        result.error = Text::tr("Cancelled.");
        return result;
    }
    const DeviceSession::Result opened = session.open(port);
    if (!opened.ok) {
        result.answer = DeviceProbe::Answer::NotOpened;
        result.error = opened.error;
        return result;
    }
    const DeviceSession::Result handshake = session.connect();
    if (!handshake.ok) {
        result.answer = DeviceProbe::unanswered(handshake, *session.link());
        result.error = DeviceProbe::unansweredText(result.answer, *session.link());
        session.close();
        return result;
    }
    result.answer = DeviceProbe::Answer::Device;
    result.ok = true;
    // A device that was greeted is let go, also after a cancel: then with one
    // attempt, so a cancel never waits out the retries.
    const bool cancelled = cancel->load();
    ProgramTransfer goodbye(nullptr, session.link());
    goodbye.setAttempts(cancelled ? 1 : options.attempts);
    goodbye.sayGoodbye();
    session.close();
    return result;
}

} // namespace

QString DeviceProbe::Result::describe() const
{
    switch (answer) {
    case Answer::Device:
        return Text::tr("device");
    case Answer::Silent:
        return Text::tr("no answer");
    case Answer::Other:
        return Text::tr("something else answered");
    case Answer::NotOpened:
        return Text::tr("cannot open the port");
    case Answer::Cancelled:
        return Text::tr("cancelled");
    }
    return QString();
}

DeviceProbe::Answer DeviceProbe::unanswered(const ProgramTransfer::Result& handshake, const SerialLink& link)
{
    if (handshake.cancelled) {
        return Answer::Cancelled;
    }
    return link.lastAttempts().wrong > 0 ? Answer::Other : Answer::Silent;
}

QString DeviceProbe::unansweredText(Answer answer, const SerialLink& link)
{
    const QString port = SerialLink::nodePath(link.portName());
    switch (answer) {
    case Answer::Cancelled:
        return Text::tr("Cancelled.");
    case Answer::Other:
        return Text::tr("Something other than the device answered on %1 (%2 of %3 answers were not the device's).")
            .arg(port)
            .arg(link.lastAttempts().wrong)
            .arg(link.lastAttempts().wrong + link.lastAttempts().silent + link.lastAttempts().unsent);
    default:
        break;
    }
    if (link.hasFailed()) {
        return link.errorString();
    }
    const int silent = link.lastAttempts().silent;
    return silent == 1 ? Text::tr("Nothing answered the handshake on %1 (1 attempt).").arg(port)
                       : Text::tr("Nothing answered the handshake on %1 (%2 attempts).").arg(port).arg(silent);
}

QList<DeviceProbe::Result> DeviceProbe::probe(const QStringList& ports, Options options, const CancelCheck& cancel)
{
    QList<Result> results(ports.size());
    for (qsizetype i = 0; i < ports.size(); ++i) {
        results[i].port = ports.at(i);
    }
    if (cancel && cancel()) {
        // Asked once before any port is opened.
        for (Result& result : results) {
            result.answer = Answer::Cancelled;
            result.error = Text::tr("Cancelled.");
        }
        return results;
    }
    std::atomic<bool> cancelled{false};
    std::mutex mutex;
    std::condition_variable doneChanged;
    qsizetype done = 0;

    // QThreads: the port's notifiers want one (and no event loop).
    std::vector<std::unique_ptr<QThread>> threads;
    for (qsizetype i = 0; i < ports.size(); ++i) {
        threads.emplace_back(QThread::create([&, i]() {
            const Result result = probePort(ports.at(i), options, &cancelled);
            const std::lock_guard<std::mutex> lock(mutex);
            results[i] = result;
            ++done;
            doneChanged.notify_all();
        }));
        threads.back()->start();
    }
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (done < ports.size()) {
            doneChanged.wait_for(lock, std::chrono::milliseconds(SerialLink::CheckIntervalMs));
            if (done < ports.size() && !cancelled.load() && cancel) {
                // Asked without the lock: a check may take its time (a window repaints).
                lock.unlock();
                const bool stop = cancel();
                lock.lock();
                if (stop) {
                    cancelled.store(true);
                }
            }
        }
    }
    for (const auto& thread : threads) {
        thread->wait();
    }
    return results;
}

DeviceProbeRun::DeviceProbeRun(QObject* parent)
    : QObject(parent)
    , m_job(this)
{
}

DeviceProbeRun::~DeviceProbeRun() = default;

bool DeviceProbeRun::start(const QStringList& ports, DeviceProbe::Options options)
{
    if (ports.isEmpty()) {
        return false;
    }
    return m_job.start([this, ports, options](const CancelCheck& cancelled) -> BlockingJob::Finish {
        const QList<DeviceProbe::Result> results = DeviceProbe::probe(ports, options, cancelled);
        return [this, results] { emit finished(results); };
    });
}

void DeviceProbeRun::cancel()
{
    m_job.cancel();
}
