#ifndef DIAGNOSTICS_H
#define DIAGNOSTICS_H

#include <QLoggingCategory>

// Developer's traces ("checksum error", "strCount = 4"): off unless asked for,
// so a user's terminal and the desktop's log stay quiet. Turned on by the
// editor's --verbose or QT_LOGGING_RULES="kvr210c.diagnostics.debug=true".
Q_DECLARE_LOGGING_CATEGORY(kvrDiagnostics)

namespace Diagnostics {

// Lets the traces through, as --verbose asks.
void enable();

} // namespace Diagnostics

#endif // DIAGNOSTICS_H
