// Resident memory of the editor's window in use: when first shown, after
// every key was clicked twice, and after the manual was opened and closed.
// The window is the real one, built from the editor library and driven here.
//   kvr210c-membench [--pages]
// --pages also scrolls through every page of the manual while it is open.
// Runs on any platform plugin: QT_QPA_PLATFORM=offscreen, or xvfb-run -a.
#include "appmainwindow.h"
#include "commandbutton.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextStream>
#include <QtTest>

#include <cstdio>

namespace {

// Resident memory of this process in MB; 0 where the system does not say.
double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    // /proc files report no size: a bounded read.
    for (const QByteArray& line : status.read(16384).split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return double(line.mid(6).trimmed().split(' ').value(0).toLongLong()) / 1024.0;
        }
    }
    return 0;
}

// Lets pending paints, deferred deletes and timers run.
void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(40);
    }
}

} // namespace

int main(int argc, char** argv)
{
    // The window reads the recent files: never the user's own settings.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const bool pages = app.arguments().contains(QStringLiteral("--pages"));
    QTextStream out(stdout);

    AppMainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "membench: the window was not shown\n");
        return 1;
    }
    settle();
    const double shown = residentMb();

    for (int round = 0; round < 2; ++round) {
        for (int n = 1; n <= 12; ++n) {
            auto* key = window.findChild<CommandButton*>(QStringLiteral("button%1").arg(n, 2, 10, QChar('0')));
            if (!key) {
                std::fprintf(stderr, "membench: key %d not found\n", n);
                return 1;
            }
            QTest::mouseClick(key, Qt::LeftButton);
            settle();
        }
    }
    const double keys = residentMb();

    auto* contents = window.findChild<QAction*>(QStringLiteral("actionContents"));
    if (!contents) {
        std::fprintf(stderr, "membench: no Help > Contents\n");
        return 1;
    }
    contents->trigger();
    auto* manual = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!manual || !QTest::qWaitForWindowExposed(manual)) {
        std::fprintf(stderr, "membench: the manual did not open\n");
        return 1;
    }
    settle();
    if (pages) {
        if (auto* area = manual->findChild<QScrollArea*>(QStringLiteral("scrollArea"))) {
            QScrollBar* bar = area->verticalScrollBar();
            for (int at = 0; at <= bar->maximum(); at += bar->pageStep()) {
                bar->setValue(at);
                settle();
            }
        }
    }
    const double open = residentMb();
    manual->close();
    settle();
    const double closed = residentMb();

    out << QStringLiteral("resident memory: shown %1 MB, keys clicked twice %2 MB (+%3), manual open %4 MB, "
                          "manual closed %5 MB (+%6 over shown)\n")
               .arg(shown, 0, 'f', 1)
               .arg(keys, 0, 'f', 1)
               .arg(keys - shown, 0, 'f', 1)
               .arg(open, 0, 'f', 1)
               .arg(closed, 0, 'f', 1)
               .arg(closed - shown, 0, 'f', 1);
    return 0;
}
