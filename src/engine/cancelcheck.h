#ifndef CANCELCHECK_H
#define CANCELCHECK_H

#include <functional>

// Asked now and then by a job that blocks (a transfer, a probe, a trial, a
// hook): true ends it at its next chance. It may also let a window repaint.
using CancelCheck = std::function<bool()>;

#endif // CANCELCHECK_H
