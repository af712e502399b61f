#include "stationwatch.h"

#include "clicommon.h"
#include "devicesession.h"
#include "progressoutput.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

StationWatch::StationWatch(QByteArray program, Options options, Locate locate, const ProgressOutput* progress,
                           ReportWriter* report)
    : m_options(std::move(options))
    , m_locate(std::move(locate))
    , m_progress(progress)
    , m_slotRun(std::move(program), m_options, progress, report)
{
}

void StationWatch::run(const QList<StationSlot>& stationSlots)
{
    QStringList order;
    for (const StationSlot& slot : stationSlots) {
        order << slot.name;
    }
    m_counts.setTotalsHeading(QStringLiteral("The shift:"));
    m_counts.setSlotOrder(order);
    std::vector<std::unique_ptr<QThread>> threads;
    for (const StationSlot& slot : stationSlots) {
        threads.emplace_back(QThread::create([this, slot]() { watch(slot); }));
    }
    for (const auto& thread : threads) {
        thread->start();
    }
    for (const auto& thread : threads) {
        thread->wait();
    }
}

bool StationWatch::pause(int ms) const
{
    QElapsedTimer clock;
    clock.start();
    while (!cancelled()) {
        const qint64 left = ms - clock.elapsed();
        if (left <= 0) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min<qint64>(left, 50)));
    }
    return false;
}

StationWatch::HeldPort::HeldPort(const Options& options)
    : m_options(options)
{
}

DeviceProbe::Answer StationWatch::HeldPort::ask(const QString& node, QString* why)
{
    if (m_session && m_node != node) {
        close();
    }
    if (!m_session) {
        m_session = std::make_unique<DeviceSession>(DeviceSession::Options{1, m_options.timeoutMs});
        m_session->setCancelCheck(m_options.cancel);
        m_session->link()->setTrace(m_options.trace);
        const DeviceSession::Result opened = m_session->open(node);
        if (!opened.ok) {
            *why = QStringLiteral("cannot open the port: %1").arg(opened.error);
            m_session.reset();
            return DeviceProbe::Answer::NotOpened;
        }
        m_node = node;
    }
    const DeviceSession::Result handshake = m_session->connect();
    if (handshake.ok) {
        m_session->farewell();
        return DeviceProbe::Answer::Device;
    }
    const DeviceProbe::Answer answer = DeviceProbe::unanswered(handshake, *m_session->link());
    *why = DeviceProbe::unansweredText(answer, *m_session->link());
    if (m_session->link()->hasFailed()) {
        // The port went with its adapter: it is opened again once it is back.
        close();
        return DeviceProbe::Answer::NotOpened;
    }
    return answer;
}

void StationWatch::HeldPort::close()
{
    if (m_session) {
        m_session->close();
        m_session.reset();
    }
}

void StationWatch::watch(const StationSlot& slot)
{
    bool present = false; // a device was done here and has not been taken away
    int missed = 0;
    QString node; // the port the slot last had
    QString said; // why the slot has no device, said once until it changes
    QElapsedTimer sinceAttempt;
    QElapsedTimer sinceDone;
    HeldPort held(m_options);
    auto sayOnce = [&](ProgressOutput::Idle state, const QString& port, const QString& why) {
        const QString now = QString::number(int(state)) + why;
        if (now != said) {
            said = now;
            m_progress->idle(slot.name, port, state, why);
        }
    };
    auto taken = [&]() {
        m_progress->gone(slot.name, node, sinceDone.elapsed());
        present = false;
        missed = 0;
        said.clear();
    };

    while (!cancelled()) {
        const Place place = m_locate(slot);
        if (place.node.isEmpty()) {
            held.close();
            if (present) {
                taken();
            }
            sayOnce(ProgressOutput::Idle::Waiting, slot.port, place.why);
            pause(m_options.lookForPortMs);
            continue;
        }
        node = place.node;
        if (sinceAttempt.isValid() && sinceAttempt.elapsed() < m_options.attemptEveryMs) {
            // Still looking at the adapter meanwhile: one pulled is seen at once.
            pause(int(std::min<qint64>(m_options.lookForPortMs, m_options.attemptEveryMs - sinceAttempt.elapsed())));
            continue;
        }
        sinceAttempt.start();

        QString why;
        const DeviceProbe::Answer answer = held.ask(node, &why);
        if (answer == DeviceProbe::Answer::Cancelled) {
            break;
        }
        if (present) {
            // A port that cannot be opened for a moment (in use) is a question
            // unanswered; one whose node went is seen by the next look.
            if (answer == DeviceProbe::Answer::Device) {
                missed = 0;
            } else if (++missed >= MissedHandshakesWhenGone) {
                taken();
            }
            continue;
        }
        if (answer != DeviceProbe::Answer::Device) {
            sayOnce(answer == DeviceProbe::Answer::Silent ? ProgressOutput::Idle::Silent
                                                          : ProgressOutput::Idle::Waiting,
                    node, QStringLiteral("waiting for a device (%1)").arg(why));
            continue;
        }

        // A device answered: its session opens the port anew, as any run does.
        held.close();
        finishDevice(m_slotRun.run(slot.name, node));
        present = true;
        missed = 0;
        sinceDone.start();
        // The next question comes a second after the device was let go.
        sinceAttempt.start();
    }
    held.close();
}

void StationWatch::finishDevice(const PortSession::Outcome& outcome)
{
    const QString label = ProgressOutput::label(outcome.slot, outcome.port);
    Cli::printOut(QStringLiteral("%1  %2\n").arg(label, outcome.summary()));
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_counts.addOutcome(outcome.slot, outcome.result());
        if (outcome.partial()) {
            m_partial << label;
        }
    }
    if (m_options.afterDevice) {
        m_options.afterDevice(outcome);
    }
}
