#ifndef STARTUPPROBE_H
#define STARTUPPROBE_H

class QWidget;

// Start-up timing for the start-up benchmark. When the environment variable
// KVR_STARTUP_PROBE is set, the first paint of the watched window prints one
// line to standard output and ends the event loop:
//   first-paint <monotonic clock in ns> rss <resident bytes> size <width> <height> cpu <ms>
// (cpu: processor time the process has used so far).
// Without the variable it does nothing.
namespace StartupProbe {

void watch(QWidget* window);

} // namespace StartupProbe

#endif // STARTUPPROBE_H
