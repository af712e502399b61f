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
    // A configuration file named on the command line opens as File > Open would open it.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        window.loadFile(arguments.at(1));
    }
    return app.exec();
}
