#include "editorcommandline.h"
#include "kvr210c_version.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

EditorCommandLine::EditorCommandLine()
{
    m_parser.setApplicationDescription(QStringLiteral("KVR210C control client"));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOption(verboseOption());
    m_parser.addPositionalArgument(QStringLiteral("file"),
                                   QCoreApplication::translate("EditorCommandLine", "Configuration file to open."),
                                   QStringLiteral("[file]"));
}

void EditorCommandLine::describeApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("kvr210c"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KVR_VERSION));
}

bool EditorCommandLine::asksForInformation(int argc, char** argv)
{
    static const char* const information[] = {"-h", "--help", "-?", "--help-all", "-v", "--version"};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            return false;
        }
        for (const char* option : information) {
            if (std::strcmp(argv[i], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

void EditorCommandLine::answerInformation(const QCoreApplication& app)
{
    // Options meant for the window system (-platform, -style ...) are not
    // known here; they do not matter for help or the version.
    m_parser.parse(app.arguments());
    if (m_parser.isSet(QStringLiteral("help-all"))) {
        // Only the parser's own processing prints the window system's options too.
        m_parser.process(app.arguments());
    }
    if (m_parser.isSet(QStringLiteral("version"))) {
        m_parser.showVersion();
    }
    m_parser.showHelp(0);
}

void EditorCommandLine::refuse(const QString& message)
{
    std::fprintf(stderr, "%s\n%s\n", qPrintable(message),
                 qPrintable(QCoreApplication::translate("EditorCommandLine", "Run \"%1 --help\" for help.")
                                .arg(QCoreApplication::applicationName())));
    std::exit(2);
}

void EditorCommandLine::checkArguments(const QCoreApplication& app)
{
    if (!m_parser.parse(app.arguments())) {
        refuse(m_parser.errorText());
    }
    if (m_parser.positionalArguments().size() > 1) {
        refuse(QCoreApplication::translate("EditorCommandLine", "Only one file can be opened."));
    }
}

void EditorCommandLine::process(const QCoreApplication& app)
{
    checkArguments(app);
    if (m_parser.isSet(QStringLiteral("help")) || m_parser.isSet(QStringLiteral("version"))) {
        answerInformation(app);
    }
}

bool EditorCommandLine::windowSystemAvailable(int argc, char** argv)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(name)) {
            return true;
        }
    }
    // The application object takes -platform (and X11's -display) before our parser sees them.
    static const char* const chosen[] = {"-platform", "--platform", "-display", "--display"};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            break;
        }
        for (const char* option : chosen) {
            if (std::strcmp(argv[i], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

void EditorCommandLine::refuseWithoutDisplay(const QCoreApplication& app)
{
    checkArguments(app);
    std::fprintf(
        stderr, "%s\n",
        qPrintable(QCoreApplication::translate("EditorCommandLine",
                                               "%1: the editor needs a desktop session (no display was found); "
                                               "--help, --version and %1-cli work without one.")
                       .arg(QCoreApplication::applicationName())));
    std::exit(1);
}

QCommandLineOption EditorCommandLine::verboseOption()
{
    return QCommandLineOption(
        QStringLiteral("verbose"),
        QCoreApplication::translate("EditorCommandLine",
                                    "Write the developer's diagnostics to standard error (as "
                                    "QT_LOGGING_RULES=\"kvr210c.diagnostics.debug=true\" does)."));
}

bool EditorCommandLine::verbose() const
{
    return m_parser.isSet(QStringLiteral("verbose"));
}

QString EditorCommandLine::fileName() const
{
    const QStringList files = m_parser.positionalArguments();
    return files.isEmpty() ? QString() : files.first();
}
