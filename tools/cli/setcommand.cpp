#include "setcommand.h"

#include "appdata.h"
#include "clicommon.h"
#include "commandtext.h"
#include "librarycommands.h"
#include "linesettings.h"
#include "recordcommandwrite.h"
#include "recordoption.h"
#include "terminaltext.h"

#include <QCommandLineParser>
#include <QDir>

using namespace Cli;

namespace {

constexpr QLatin1String Set("set");

} // namespace

namespace SetCommand {

int run(const QCommandLineParser& parser, const QStringList& positional)
{
    const QString output = parser.value(QStringLiteral("output"));
    if (output.isEmpty()) {
        return usageError(QStringLiteral("set needs --output"), Set);
    }
    int key = 0;
    int layer = 0;
    QString error;
    if (!RecordOption::read(parser, Set, &key, &layer, &error)) {
        return usageError(error, Set);
    }
    LibraryCommands::Chosen chosen;
    const int chose = LibraryCommands::choose(parser, Set, &chosen);
    if (chose != ExitOk) {
        return chose;
    }
    const QString name = DeviceRecordLayout::recordName(key, layer);
    if (const QString tooLong = RecordCommandWrite::refusal(chosen.bytes.bytes); !tooLong.isEmpty()) {
        printError(QStringLiteral("%1 cannot go into %2: %3, so nothing was written")
                       .arg(TerminalText::escaped(chosen.entry.name), name, tooLong));
        return ExitUsage;
    }
    ProgramRecords records;
    makeFreshModel(&records);
    if (!readConfigFileOrReport(positional.constFirst(), &records)) {
        return ExitUsage;
    }
    if (!RecordCommandWrite::write(&records, key, layer, chosen.bytes.bytes, chosen.hasLine ? &chosen.line : nullptr)) {
        printError(QStringLiteral("%1 has no %2, so nothing was written").arg(positional.constFirst(), name));
        return ExitUsage;
    }
    if (!writeConfigFile(output, &records, &error)) {
        printError(error);
        return ExitFailed;
    }
    printOut(QStringLiteral("%1: %2 (%3)%4, written to %5\n")
                 .arg(name, TerminalText::escaped(chosen.entry.name), CommandText::spacedHex(chosen.bytes.bytes),
                      chosen.hasLine ? QStringLiteral(" at ") + LineSettings::toText(chosen.line) : QString(),
                      QDir::toNativeSeparators(output)));
    if (const QString note = RecordCommandWrite::switchedOffNote(records, key, layer); !note.isEmpty()) {
        printError(note);
    }
    return ExitOk;
}

} // namespace SetCommand
