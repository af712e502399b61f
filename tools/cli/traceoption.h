#ifndef TRACEOPTION_H
#define TRACEOPTION_H

#include "linktrace.h"

#include <QString>

#include <memory>

// --trace of the commands that talk to devices: one trace file for every port
// of the run (see LinkTrace for its lines).
namespace TraceOption {

// Opens the trace before any device is touched. An empty path is no trace
// (true, `trace` stays null); a trace that cannot be written is said on
// standard error (false).
bool open(const QString& path, std::unique_ptr<LinkTrace>* trace);
// After the run: closes the trace and says on standard error when it was cut
// at its limit or stopped early. False when it stopped early: the run is then
// a failure, even where every device succeeded.
bool finish(LinkTrace* trace);

} // namespace TraceOption

#endif // TRACEOPTION_H
