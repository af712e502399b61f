#include "traceoption.h"

#include "clicommon.h"

#include <QDir>

namespace TraceOption {

bool open(const QString& path, std::unique_ptr<LinkTrace>* trace)
{
    if (path.isEmpty()) {
        return true;
    }
    auto opened = std::make_unique<LinkTrace>(path);
    if (!opened->open()) {
        Cli::printError(QStringLiteral("%1; no device was touched").arg(opened->errorString()));
        return false;
    }
    *trace = std::move(opened);
    return true;
}

bool finish(LinkTrace* trace)
{
    if (!trace) {
        return true;
    }
    trace->close();
    if (trace->hasFailed()) {
        Cli::printError(trace->errorString());
        return false;
    }
    if (trace->wasCut()) {
        Cli::printError(QStringLiteral("the trace %1 reached its limit of %2 bytes and was cut; it says so at its end")
                            .arg(QDir::toNativeSeparators(trace->fileName()))
                            .arg(trace->limit()));
    }
    return true;
}

} // namespace TraceOption
