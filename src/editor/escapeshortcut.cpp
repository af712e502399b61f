#include "escapeshortcut.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

void addEscapeShortcut(QWidget* window, const std::function<bool()>& running, const std::function<void()>& stop)
{
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), window), &QShortcut::activated, window,
                     [window, running, stop] {
                         if (running()) {
                             stop();
                         } else {
                             window->close();
                         }
                     });
}
