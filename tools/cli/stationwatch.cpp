#include "stationwatch.h"

#include "clicommon.h"
#include "devicesession.h"
#include "progressoutput.h"
#include "reportwriter.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

StationWatch::StationWatch(QByteArray program, Options options, Locate locate, const ProgressOutput* progress,
                           ReportWriter* report)
    : m_program(std::move(program))
    , m_options(std::move(options))
    , m_locate(std::move(locate))
    , m_progress(progress)
    , m_report(report)
{
}

QList<PortSession::Outcome> StationWatch::run(const QList<StationSlot>& stationSlots)
{
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
    return m_outcomes;
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

DeviceProbe::Answer StationWatch::ask(const QString& node) const
{
    DeviceSession session({1, m_options.timeoutMs, 1});
    session.setCancelCheck(m_options.cancel);
    session.link()->setTrace(m_options.trace);
    const DeviceSession::Once once = session.runOnce(node, [](DeviceSession&) {
        DeviceSession::Result nothing;
        nothing.ok = true;
        return nothing;
    });
    if (!once.opened) {
        return DeviceProbe::Answer::NotOpened;
    }
    return once.connection.ok ? DeviceProbe::Answer::Device : DeviceProbe::unanswered(once.connection, *session.link());
}

void StationWatch::watch(const StationSlot& slot)
{
    bool present = false; // a device was done here and has not been taken away
    int missed = 0;
    QString node; // the port the slot last had
    QString said; // why the slot has no device, said once until it changes
    QElapsedTimer sinceAttempt;
    QElapsedTimer sinceDone;
    auto sayOnce = [&](const QString& port, const QString& why) {
        if (why != said) {
            said = why;
            m_progress->say(slot.name, port, why);
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
            if (present) {
                taken();
            }
            sayOnce(slot.port, place.why);
            pause(LookForPortMs);
            continue;
        }
        node = place.node;
        if (sinceAttempt.isValid() && sinceAttempt.elapsed() < AttemptEveryMs) {
            // Still looking at the adapter meanwhile: one pulled is seen at once.
            pause(int(std::min<qint64>(LookForPortMs, AttemptEveryMs - sinceAttempt.elapsed())));
            continue;
        }
        sinceAttempt.start();

        if (present) {
            const DeviceProbe::Answer still = ask(node);
            if (still == DeviceProbe::Answer::Device) {
                missed = 0;
            } else if (still == DeviceProbe::Answer::NotOpened || ++missed >= MissedHandshakesWhenGone) {
                taken();
            }
            continue;
        }

        // Until the handshake is answered the session says nothing: a slot
        // without a device would otherwise say so every second.
        bool connected = false;
        PortSession::Options options;
        options.port = node;
        options.attempts = m_options.attempts;
        options.timeoutMs = m_options.timeoutMs;
        options.probe = true;
        options.cancel = m_options.cancel;
        options.trace = m_options.trace;
        options.handshakeAttempts = 1;
        options.events = [&](const PortSession::Event& event) {
            connected = true;
            m_progress->event(slot.name, node, event);
        };
        PortSession session(m_program, m_options.task, std::move(options), [&](const QString& line) {
            if (connected) {
                m_progress->say(slot.name, node, line);
            }
        });
        PortSession::Outcome outcome = session.run();
        if (!outcome.connected) {
            if (!outcome.interrupted) {
                sayOnce(node, QStringLiteral("waiting for a device (%1)").arg(outcome.error));
            }
            continue;
        }
        outcome.slot = slot.name;
        if (m_options.identify) {
            outcome.identity = m_options.identify(node);
        }
        finishDevice(outcome);
        present = true;
        missed = 0;
        sinceDone.start();
        // The next question comes a second after the device was let go.
        sinceAttempt.start();
    }
}

void StationWatch::finishDevice(const PortSession::Outcome& outcome)
{
    m_report->write(outcome);
    m_progress->done(outcome);
    Cli::printOut(
        QStringLiteral("%1  %2\n").arg(ProgressOutput::label(outcome.slot, outcome.port), outcome.summary()));
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_outcomes.append(outcome);
    }
    if (m_options.afterDevice) {
        m_options.afterDevice(outcome);
    }
}
