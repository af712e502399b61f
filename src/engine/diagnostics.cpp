#include "diagnostics.h"

// Warnings and above still pass by default; only the traces wait to be asked for.
Q_LOGGING_CATEGORY(kvrDiagnostics, "kvr210c.diagnostics", QtWarningMsg)

namespace Diagnostics {

void enable()
{
    // A rule rather than setEnabled(): it survives later rule changes, and
    // QT_LOGGING_RULES still has the last word.
    QLoggingCategory::setFilterRules(QStringLiteral("kvr210c.diagnostics.debug=true"));
}

} // namespace Diagnostics
