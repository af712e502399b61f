// The yardstick of the start-up benchmark: an empty main window of a given
// size, with the same probe as the editor.
//   kvr210c-bare-window <width> <height>
#include "startupprobe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QMainWindow window;
    if (args.size() >= 3) {
        window.resize(args.at(1).toInt(), args.at(2).toInt());
    }
    StartupProbe::watch(&window);
    window.show();
    return app.exec();
}
