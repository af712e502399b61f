#ifndef EDITORCOMMANDLINE_H
#define EDITORCOMMANDLINE_H

#include <QCommandLineParser>
#include <QString>

class QCoreApplication;

// The editor's own arguments: --help, --version and one configuration file.
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

    // The file to open, empty when none was given.
    QString fileName() const;

    // Name and version the program announces; shared by --version.
    static void describeApplication();

private:
    QCommandLineParser m_parser;
};

#endif // EDITORCOMMANDLINE_H
