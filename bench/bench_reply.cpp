// The Try Command window under a reply that trickles in: 64 KiB in 16-byte
// chunks, a millisecond apart, from equipment on a pseudo-terminal, each chunk
// shown as it comes. A 5 ms timer measures the longest stall of the event loop
// while the reply comes, printed against 50 ms (exit code 1 when over).
//   QT_QPA_PLATFORM=offscreen kvr210c-bench-reply (or under xvfb-run -a)
#include "appdatamanager.h"
#include "appmainwindow.h"
#include "commandbutton.h"
#include "commandtrialrun.h"
#include "ptypeer.h"
#include "trycommandwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QMetaEnum>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <QtTest>

#include <sys/resource.h>

namespace {

constexpr int LimitMs = 50;
constexpr int ChunkBytes = 16;
constexpr int TickMs = 5;
// The whole reply must have come by then, or the run counts as over.
constexpr int GiveUpMs = 120000;

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Times every event it delivers, to name the slowest when the loop stalls.
class TimedApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        QElapsedTimer timer;
        timer.start();
        const int type = event->type();
        const bool done = QApplication::notify(receiver, event);
        const qint64 ns = timer.nsecsElapsed();
        if (ns > slowestNs) {
            slowestNs = ns;
            slowest = QStringLiteral("%1 to a %2")
                          .arg(QString::fromLatin1(QMetaEnum::fromType<QEvent::Type>().valueToKey(type)),
                               QString::fromLatin1(receiver->metaObject()->className()));
        }
        return done;
    }

    qint64 slowestNs = 0;
    QString slowest;
};

} // namespace

int main(int argc, char** argv)
{
    // The window remembers its port: never in the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    TimedApplication app(argc, argv);
    QTextStream out(stdout);

    PtyPeer equipment(PtyPeer::Mode::Silent);
    QList<PtyPeer::Part> parts;
    for (int at = 0; at < CommandTrial::MaxReplyBytes; at += ChunkBytes) {
        parts << PtyPeer::Part{1, QByteArray(ChunkBytes, char(0x20 + at / ChunkBytes % 0x60))};
    }
    equipment.answer("?\r", parts);
    if (!equipment.open()) {
        out << "no pseudo-terminal could be opened\n";
        return 2;
    }

    AppMainWindow window;
    window.dataManager()->getDataObject(2, 1)->setCommand(QStringLiteral("3F0D"));
    window.show();
    QTest::mouseClick(window.findChild<CommandButton*>(QStringLiteral("button02")), Qt::LeftButton);
    window.findChild<QAction*>(QStringLiteral("actionTry_Command"))->trigger();
    auto* trial = window.findChild<TryCommandWindow*>();
    // Only the reply is timed, not the windows' first paint.
    if (!QTest::qWaitForWindowExposed(&window) || !QTest::qWaitForWindowExposed(trial)) {
        out << "the windows were not shown\n";
        return 2;
    }
    QTest::qWait(200);
    trial->findChild<QComboBox*>(QStringLiteral("portBox"))->setEditText(equipment.portName());
    trial->findChild<QSpinBox*>(QStringLiteral("quietBox"))->setValue(5000);
    trial->refresh();
    int chunks = 0;
    QObject::connect(trial->findChild<CommandTrialRun*>(), &CommandTrialRun::exchanged, &app,
                     [&chunks](const CommandTrial::Chunk& chunk) {
                         chunks += chunk.direction == CommandTrial::Direction::Received ? 1 : 0;
                     });

    // The longest gap between two turns of the timer is the longest stall.
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        const qint64 now = clock.elapsed();
        longest = qMax(longest, now - last);
        last = now;
        if (!trial->isRunning() || now > GiveUpMs) {
            loop.quit();
        }
    });
    app.slowestNs = 0;
    const double processorBefore = processorSeconds();
    clock.start();
    tick.start(TickMs);
    trial->sendCommand();
    loop.exec();
    const double seconds = double(clock.elapsed()) / 1000.0;
    const double processor = processorSeconds() - processorBefore;

    const bool within = !trial->isRunning() && longest <= LimitMs;
    out << QStringLiteral("reply: %1 (%2 chunks received in %3 s, %4 s of processor time)\n")
               .arg(trial->findChild<QLabel*>(QStringLiteral("replyStatus"))->text())
               .arg(chunks)
               .arg(seconds, 0, 'f', 1)
               .arg(processor, 0, 'f', 1);
    out << QStringLiteral("longest event-loop stall: %1 ms (limit %2 ms): %3\n")
               .arg(longest)
               .arg(LimitMs)
               .arg(within ? QStringLiteral("within") : QStringLiteral("OVER"));
    out << QStringLiteral("slowest event: %1 ms (%2)\n").arg(double(app.slowestNs) / 1e6, 0, 'f', 1).arg(app.slowest);
    return within ? 0 : 1;
}
