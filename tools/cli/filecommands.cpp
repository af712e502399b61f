#include "filecommands.h"

#include "appdata.h"
#include "boundedread.h"
#include "clicommon.h"
#include "configcompare.h"
#include "configjson.h"
#include "configtext.h"
#include "reportcommands.h"

#include <QFile>

using namespace Cli;

namespace FileCommands {

int exportJson(const QString& file, const QString& format)
{
    bool number = false;
    const int version = format.toInt(&number);
    if (!number || version < ConfigJson::OldestVersion || version > ConfigJson::CurrentVersion) {
        return usageError(QStringLiteral("--format takes %1 or %2, not \"%3\"")
                              .arg(ConfigJson::CurrentVersion)
                              .arg(ConfigJson::OldestVersion)
                              .arg(format),
                          QStringLiteral("export"));
    }
    ProgramRecords data;
    makeFreshModel(&data);
    if (!readConfigFileOrReport(file, &data)) {
        return ExitFailed;
    }
    return writeOut(ConfigJson::toJsonText(data, version)) ? ExitOk : ExitFailed;
}

int show(const QString& file)
{
    ProgramRecords data;
    makeFreshModel(&data);
    if (!readConfigFileOrReport(file, &data)) {
        return ExitFailed;
    }
    printOut(ConfigText::describe(data));
    return ExitOk;
}

int importJson(const QString& jsonFile, const QString& file)
{
    const bool fromStdin = jsonFile == QLatin1String("-");
    QByteArray text;
    QString error;
    bool read = false;
    if (fromStdin) {
        QFile input;
        read = input.open(stdin, QIODevice::ReadOnly) && readBounded(&input, MaxUserFileBytes, &text, &error);
        if (!input.isOpen()) {
            error = input.errorString();
        }
        error = QStringLiteral("<stdin>: %1").arg(error);
    } else {
        read = readBounded(jsonFile, MaxUserFileBytes, &text, &error);
    }
    if (!read) {
        printError(QStringLiteral("%1; nothing was written").arg(error));
        return ExitFailed;
    }
    ProgramRecords data;
    makeFreshModel(&data);
    if (!ConfigJson::fromJson(text, &data, &error)) {
        printError(
            QStringLiteral("%1: %2; nothing was written").arg(fromStdin ? QStringLiteral("<stdin>") : jsonFile, error));
        return ExitFailed;
    }
    if (!writeConfigFile(file, &data, &error)) {
        printError(error);
        return ExitFailed;
    }
    return ExitOk;
}

// As diff(1): 0 equal, 1 different, 2 trouble.
int diff(const QString& fileA, const QString& fileB)
{
    ProgramRecords a;
    ProgramRecords b;
    makeFreshModel(&a);
    makeFreshModel(&b);
    if (!readConfigFileOrReport(fileA, &a) || !readConfigFileOrReport(fileB, &b)) {
        return 2;
    }
    const QList<ConfigComparison::Difference> differences =
        ConfigComparison(a, b, ConfigComparison::Scope::File).differences();
    QString text;
    for (const ConfigComparison::Difference& difference : differences) {
        text += QStringLiteral("%1: %2 %3 -> %4\n")
                    .arg(difference.record, difference.subject(), difference.shownA(), difference.shownB());
    }
    printOut(text);
    if (outputFailed()) {
        return 2;
    }
    return differences.isEmpty() ? 0 : 1;
}

int summary(const QString& by, const QStringList& files)
{
    return ReportCommands::summary(by, QString(), QString(), files);
}

} // namespace FileCommands
