#include "appmainwindow.h"
#include "messagehandler.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Installed first, so that the application object's own messages are caught too.
    qInstallMessageHandler(debugMsgHandler);
    QApplication app(argc, argv);
    AppMainWindow window;
    window.show();
    return app.exec();
}
