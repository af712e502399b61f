#ifndef ESCAPESHORTCUT_H
#define ESCAPESHORTCUT_H

#include <functional>

class QWidget;

// Escape in a window beside the main window, as in a dialog: it stops what
// runs first (a trial, a play), and closes the window when nothing runs.
void addEscapeShortcut(QWidget* window, const std::function<bool()>& running, const std::function<void()>& stop);

#endif // ESCAPESHORTCUT_H
