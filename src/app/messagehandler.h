#ifndef MESSAGEHANDLER_H
#define MESSAGEHANDLER_H

#include <QtGlobal>

class QString;

// Every diagnostic line goes to standard error as it was emitted, one message
// per line, with no prefix or level.
void debugMsgHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

#endif // MESSAGEHANDLER_H
