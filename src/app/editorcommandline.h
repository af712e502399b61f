#ifndef EDITORCOMMANDLINE_H
#define EDITORCOMMANDLINE_H

#include <QCommandLineParser>
#include <QString>

class QCoreApplication;

// The editor's own arguments: --help, --version, --verbose and one configuration file.
// --help and --version are answered before the window's application object
// exists, so they work without a display.
class EditorCommandLine
{
public:
    EditorCommandLine();

    // True when argv asks only for help or the version; such a run needs no
    // window and is answered by a plain QCoreApplication.
    static bool asksForInformation(int argc, char** argv);

    // Prints the help or the version and exits the process with 0; arguments
    // that are not ours are ignored here.
    [[noreturn]] void answerInformation(const QCoreApplication& app);

    // Parses the arguments left after the application object took its own;
    // prints the error and exits with 2 on a wrong command line.
    void process(const QCoreApplication& app);

    // False when no window system can be reached: no X or Wayland display and no
    // platform chosen, in the environment or with -platform.
    static bool windowSystemAvailable(int argc, char** argv);

    // For a run without a window system: refuses a wrong command line as process()
    // does, otherwise says that the editor needs a desktop session and exits with 1.
    [[noreturn]] void refuseWithoutDisplay(const QCoreApplication& app);

    // --verbose: the developer's diagnostics wanted on standard error.
    bool verbose() const;

    // The file to open, empty when none was given.
    QString fileName() const;

    // Name and version the program announces; shared by --version.
    static void describeApplication();

private:
    static QCommandLineOption verboseOption();
    // Prints `message` and how to get help, and exits with 2.
    [[noreturn]] static void refuse(const QString& message);
    // Exits with 2 unless the arguments are one file at most and options we know.
    void checkArguments(const QCoreApplication& app);

    QCommandLineParser m_parser;
};

#endif // EDITORCOMMANDLINE_H
