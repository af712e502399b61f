#include "startupprobe.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

// Resident memory of this process; 0 where the system does not say.
qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    // /proc files report no size, so read a bounded block instead of testing atEnd().
    const QList<QByteArray> lines = status.read(16384).split('\n');
    for (const QByteArray& text : lines) {
        if (text.startsWith("VmRSS:")) {
            return text.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
        }
    }
    return 0;
}

class PaintWatcher : public QObject
{
public:
    explicit PaintWatcher(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* obj, QEvent* e) override
    {
        if (obj == m_window && e->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Queued, so it runs once the whole frame is painted and flushed.
            QMetaObject::invokeMethod(this, &PaintWatcher::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report()
    {
        // Processor time as well: on a busy machine it varies far less than the clock.
        const double cpuMs = 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
        std::printf("first-paint %lld rss %lld size %d %d cpu %.1f\n",
                    static_cast<long long>(QDeadlineTimer::current().deadlineNSecs()),
                    static_cast<long long>(residentBytes()), m_window->width(), m_window->height(), cpuMs);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QWidget* m_window;
    bool m_seen = false;
};

} // namespace

void StartupProbe::watch(QWidget* window)
{
    if (window && qEnvironmentVariableIsSet("KVR_STARTUP_PROBE")) {
        new PaintWatcher(window);
    }
}
