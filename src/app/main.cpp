#include "appmainwindow.h"
#include "diagnostics.h"
#include "editorcommandline.h"
#include "languagechooser.h"
#include "messagehandler.h"
#include "startupprobe.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char** argv)
{
    // Installed first, so that the application object's own messages are caught too.
    qInstallMessageHandler(debugMsgHandler);
    EditorCommandLine::describeApplication();
    EditorCommandLine commandLine;
    if (EditorCommandLine::asksForInformation(argc, argv)) {
        // No window, so no display needed.
        QCoreApplication app(argc, argv);
        commandLine.answerInformation(app);
    }
    if (!EditorCommandLine::windowSystemAvailable(argc, argv)) {
        // Said plainly here, where the application object would abort the process.
        QCoreApplication app(argc, argv);
        commandLine.refuseWithoutDisplay(app);
    }
    QApplication app(argc, argv);
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kvr210c.kvr210c"));
    commandLine.process(app);
    // Before the window exists, so that it is made in the chosen language.
    LanguageChooser::applyStored();
    if (commandLine.verbose()) {
        Diagnostics::enable();
    }
    AppMainWindow window;
    StartupProbe::watch(&window);
    window.show();
    // A configuration file named on the command line opens as File > Open would open it.
    if (!commandLine.fileName().isEmpty()) {
        window.loadFile(commandLine.fileName());
    }
    return app.exec();
}
