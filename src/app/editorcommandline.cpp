#include "editorcommandline.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifndef KVR_VERSION
#define KVR_VERSION "1.0.1"
#endif

EditorCommandLine::EditorCommandLine()
{
    m_parser.setApplicationDescription(QStringLiteral("KVR210C control client"));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addPositionalArgument(QStringLiteral("file"),
                                   QCoreApplication::translate("EditorCommandLine",
                                                               "Configuration file to open."),
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

void EditorCommandLine::process(const QCoreApplication& app)
{
    if (!m_parser.parse(app.arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(m_parser.errorText()));
        std::exit(2);
    }
    if (m_parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("EditorCommandLine",
                                                            "Only one file can be opened.")));
        std::exit(2);
    }
    if (m_parser.isSet(QStringLiteral("help")) || m_parser.isSet(QStringLiteral("version"))) {
        answerInformation(app);
    }
}

QString EditorCommandLine::fileName() const
{
    const QStringList files = m_parser.positionalArguments();
    return files.isEmpty() ? QString() : files.first();
}
