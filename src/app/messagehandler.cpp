#include "messagehandler.h"

#include <QString>

#include <cstdio>

// The message goes out unchanged, without prefix or level. The line end is
// added on purpose: the messages carry none, and without it they would run
// together into one line on standard error.
void debugMsgHandler(QtMsgType, const QMessageLogContext&, const QString& message)
{
    const QByteArray line = message.toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}
