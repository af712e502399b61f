#include "interruption.h"

#include <atomic>
#include <csignal>
#include <ctime>

#include <unistd.h>

namespace {

// Lock-free, so the handler may set them (nothing else happens in the handler).
std::atomic<int> g_signal{0};
std::atomic<long long> g_firstAtMs{0}; // 0 until the first signal's time is noted
static_assert(std::atomic<int>::is_always_lock_free);
static_assert(std::atomic<long long>::is_always_lock_free);

// A copy of the first signal within this time is the same request: `timeout`
// and a closing terminal send a signal to the process and to its group.
constexpr long long SameRequestMs = 500;

// Never 0; clock_gettime is async-signal-safe.
long long nowMs()
{
    timespec now = {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000 + 1;
}

extern "C" void onSignal(int number)
{
    int first = 0; // the first signal, where this is not it
    if (g_signal.compare_exchange_strong(first, number)) {
        g_firstAtMs.store(nowMs());
        return;
    }
    // Another thread may take the copy before the first's time is noted: then it is one.
    const long long firstAt = g_firstAtMs.load();
    if (number == first && (firstAt == 0 || nowMs() - firstAt < SameRequestMs)) {
        return;
    }
    // A second signal: the user does not want to wait for the first to finish
    // the job. Only async-signal-safe calls from here on.
    static const char message[] = "kvr210c-cli: stopped at once by a second signal\n";
    if (::write(STDERR_FILENO, message, sizeof message - 1) < 0) {
        // Nothing left to tell it to.
    }
    ::_exit(128 + number);
}

} // namespace

namespace Interruption {

void install()
{
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // Restarted: a write to standard error or the report is not cut short;
    // the waits notice the signal by their cancel checks.
    action.sa_flags = SA_RESTART;
    for (int number : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(number, &action, nullptr);
    }
}

int signal()
{
    return g_signal.load();
}

bool requested()
{
    return g_signal.load() != 0;
}

int exitCode()
{
    return 128 + g_signal.load();
}

QString signalName()
{
    switch (g_signal.load()) {
    case SIGINT:
        return QStringLiteral("SIGINT");
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    default:
        return QStringLiteral("signal %1").arg(g_signal.load());
    }
}

} // namespace Interruption
