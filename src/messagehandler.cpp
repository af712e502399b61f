#include "messagehandler.h"

#include <QString>

#include <cstdio>

void debugMsgHandler(QtMsgType, const QMessageLogContext&, const QString& message)
{
    const QByteArray line = message.toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}
