#include "setcommand.h"

#include "appdata.h"
#include "clicommon.h"
#include "commandtext.h"
#include "librarycommands.h"
#include "linesettings.h"
#include "recordoption.h"
#include "terminaltext.h"

#include <QCommandLineParser>
#include <QDir>

using namespace Cli;

namespace {

constexpr QLatin1String Set("set");

// The entry's bytes, and its line settings where it names them, into the record.
void writeRecord(ProgramRecords* records, int key, int layer, const LibraryCommands::Chosen& chosen)
{
    const QString command = CommandText::bytesToHex(chosen.bytes.bytes);
    if (layer == DeviceRecordLayout::SecondLayer) {
        ButtonData* record = records->getButtonData(key);
        record->setSecondLayerCommand(command);
        if (chosen.hasLine) {
            record->setSecondLayerUartData(&chosen.line);
        }
        return;
    }
    LinkData* record = records->getDataObject(key, layer);
    record->setCommand(command);
    if (chosen.hasLine) {
        record->setUartData(&chosen.line);
    }
}

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
    const qsizetype size = chosen.bytes.bytes.size();
    if (size > CommandText::MaxFieldBytes) {
        printError(QStringLiteral("%1 is %2 bytes long; %3 holds %4 at most, so nothing was written")
                       .arg(TerminalText::escaped(chosen.entry.name), QString::number(size), name,
                            QString::number(CommandText::MaxFieldBytes)));
        return ExitUsage;
    }
    ProgramRecords records;
    makeFreshModel(&records);
    if (!readConfigFileOrReport(positional.constFirst(), &records)) {
        return ExitUsage;
    }
    writeRecord(&records, key, layer, chosen);
    if (!writeConfigFile(output, &records, &error)) {
        printError(error);
        return ExitFailed;
    }
    printOut(QStringLiteral("%1: %2 (%3)%4, written to %5\n")
                 .arg(name, TerminalText::escaped(chosen.entry.name), CommandText::spacedHex(chosen.bytes.bytes),
                      chosen.hasLine ? QStringLiteral(" at ") + LineSettings::toText(chosen.line) : QString(),
                      QDir::toNativeSeparators(output)));
    return ExitOk;
}

} // namespace SetCommand
