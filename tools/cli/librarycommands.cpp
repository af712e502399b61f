#include "librarycommands.h"

#include "clicommon.h"
#include "commandtext.h"
#include "libraryimport.h"
#include "linesettings.h"
#include "terminaltext.h"

#include <QCommandLineParser>
#include <QDir>

using namespace Cli;

namespace {

constexpr QLatin1String Library("library");

// Text a library's author wrote, made safe for the terminal.
QString shown(const QString& text)
{
    return TerminalText::escaped(text);
}

const LibraryEntry* findEntry(const QList<LibraryEntry>& entries, const QString& name)
{
    for (const LibraryEntry& entry : entries) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

// The library file read whole, or why not on standard error.
bool readLibrary(const QString& path, QList<LibraryEntry>* entries)
{
    QString error;
    if (!CommandLibrary::read(path, entries, &error)) {
        printError(QStringLiteral("%1; nothing of it was used").arg(error));
        return false;
    }
    return true;
}

// The entry of --entry in the library at `path`, with the values of --param put in.
int chooseIn(const QString& path, const QCommandLineParser& parser, const QString& command,
             LibraryCommands::Chosen* chosen)
{
    const QString name = parser.value(QStringLiteral("entry"));
    if (name.isEmpty()) {
        return usageError(QStringLiteral("give --entry: the name of the library's entry"), command);
    }
    LibraryCommand::Values values;
    QString error;
    if (!LibraryCommand::parseValues(parser.values(QStringLiteral("param")), &values, &error)) {
        return usageError(QStringLiteral("--param: %1").arg(error), command);
    }
    QList<LibraryEntry> entries;
    if (!readLibrary(path, &entries)) {
        return ExitUsage;
    }
    const LibraryEntry* entry = findEntry(entries, name);
    if (!entry) {
        printError(QStringLiteral("%1 has no entry named \"%2\"").arg(QDir::toNativeSeparators(path), shown(name)));
        return ExitUsage;
    }
    chosen->entry = *entry;
    if (!LibraryCommand::render(*entry, values, &chosen->bytes, &error)) {
        printError(QStringLiteral("%1: %2").arg(shown(name), error));
        return ExitUsage;
    }
    chosen->hasLine = !entry->line.isEmpty();
    if (chosen->hasLine && !LineSettings::fromText(entry->line, &chosen->line, &error)) {
        printError(QStringLiteral("%1: its line settings cannot be used (%2)").arg(shown(name), error));
        return ExitUsage;
    }
    return ExitOk;
}

QString kindName(LibraryParam::Kind kind)
{
    switch (kind) {
    case LibraryParam::Kind::Decimal:
        return QStringLiteral("decimal");
    case LibraryParam::Kind::HexDigits:
        return QStringLiteral("hexdigits");
    case LibraryParam::Kind::Byte:
        break;
    }
    return QStringLiteral("byte");
}

// "input 1 to 4, volume 0 to 100": the parameters with their ranges.
QString ranges(const LibraryEntry& entry)
{
    QStringList parts;
    for (const LibraryParam& param : entry.params) {
        parts << QStringLiteral("%1 %2 to %3")
                     .arg(shown(param.name), QString::number(param.min), QString::number(param.max));
    }
    return parts.isEmpty() ? QStringLiteral("-") : parts.join(QStringLiteral(", "));
}

// One line an entry, its fields apart by tabs, as "ports" lists.
QString listed(const QList<LibraryEntry>& entries)
{
    QString text;
    for (const LibraryEntry& entry : entries) {
        const auto field = [](const QString& value) { return value.isEmpty() ? QStringLiteral("-") : shown(value); };
        text += QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                    .arg(shown(entry.name), field(entry.equipment), field(entry.group), field(entry.line),
                         ranges(entry));
    }
    return text;
}

QString checksumText(const LibraryChecksum& checksum)
{
    QString text = QStringLiteral("%1, skip %2, trail %3")
                       .arg(ChecksumRule::name(checksum.rule))
                       .arg(checksum.skip)
                       .arg(checksum.trail);
    if (checksum.order != LibraryChecksum::Order::Usual) {
        text += checksum.order == LibraryChecksum::Order::Big ? QStringLiteral(", order big")
                                                              : QStringLiteral(", order little");
    }
    return checksum.ascii ? text + QStringLiteral(", form ascii") : text;
}

// "AA 02 01 00 [81 AC]": the bytes with the checksum in brackets.
QString markedBytes(const LibraryCommand::Bytes& bytes)
{
    if (bytes.checksumAt < 0) {
        return CommandText::spacedHex(bytes.bytes);
    }
    const QByteArray& all = bytes.bytes;
    const qsizetype after = bytes.checksumAt + bytes.checksumLength;
    QStringList parts{
        CommandText::spacedHex(all.left(bytes.checksumAt)),
        QStringLiteral("[%1]").arg(CommandText::spacedHex(all.mid(bytes.checksumAt, bytes.checksumLength))),
        CommandText::spacedHex(all.mid(after))};
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}

// Every field of one entry, and its bytes with the values chosen.
QString described(const LibraryCommands::Chosen& chosen)
{
    const LibraryEntry& entry = chosen.entry;
    QString text;
    const auto line = [&text](const char* label, const QString& value) {
        if (!value.isEmpty()) {
            text += QStringLiteral("%1  %2\n").arg(QLatin1String(label), -9).arg(value);
        }
    };
    line("name", shown(entry.name));
    line("equipment", shown(entry.equipment));
    line("group", shown(entry.group));
    line(entry.isText() ? "text" : "hex", shown(entry.isText() ? entry.text : entry.hex));
    for (const LibraryParam& param : entry.params) {
        // One arg() for all: a name is never read for places.
        QString value = QStringLiteral("%1: %2, %3 to %4, default %5")
                            .arg(shown(param.name), kindName(param.kind), QString::number(param.min),
                                 QString::number(param.max), QString::number(param.defaultValue));
        line("param", param.width > 0 ? value + QStringLiteral(", width %1").arg(param.width) : value);
    }
    line("checksum", entry.checksum ? checksumText(*entry.checksum) : QString());
    line("line", entry.line);
    line(entry.replyIsText ? "reply_text" : "reply", shown(entry.reply));
    line("note", shown(entry.note));
    line("bytes", markedBytes(chosen.bytes));
    return text;
}

int show(const QString& path, const QCommandLineParser& parser)
{
    if (parser.isSet(QStringLiteral("entry"))) {
        LibraryCommands::Chosen chosen;
        const int chose = chooseIn(path, parser, Library, &chosen);
        if (chose == ExitOk) {
            printOut(described(chosen));
        }
        return chose;
    }
    if (parser.isSet(QStringLiteral("param"))) {
        return usageError(QStringLiteral("--param goes with --entry"), Library);
    }
    QList<LibraryEntry> entries;
    if (!readLibrary(path, &entries)) {
        return ExitUsage;
    }
    printOut(listed(entries));
    return ExitOk;
}

int bytes(const QString& path, const QCommandLineParser& parser)
{
    LibraryCommands::Chosen chosen;
    const int chose = chooseIn(path, parser, Library, &chosen);
    if (chose == ExitOk) {
        printOut(CommandText::spacedHex(chosen.bytes.bytes) + QLatin1Char('\n'));
    }
    return chose;
}

int import(const QString& table, const QCommandLineParser& parser)
{
    const QString output = parser.value(QStringLiteral("output"));
    if (output.isEmpty()) {
        return usageError(QStringLiteral("library import needs --output"), Library);
    }
    QList<LibraryEntry> entries;
    QString error;
    if (!LibraryImport::readTable(table, &entries, &error)) {
        printError(QStringLiteral("%1; nothing was written").arg(error));
        return ExitUsage;
    }
    if (!CommandLibrary::save(output, entries, &error)) {
        printError(error);
        return ExitFailed;
    }
    printOut(QStringLiteral("%1 entries written to %2\n").arg(entries.size()).arg(QDir::toNativeSeparators(output)));
    return ExitOk;
}

} // namespace

namespace LibraryCommands {

int choose(const QCommandLineParser& parser, const QString& command, Chosen* chosen)
{
    const QString path = parser.value(QStringLiteral("library"));
    if (path.isEmpty()) {
        return usageError(QStringLiteral("%1 needs --library with --entry").arg(command), command);
    }
    return chooseIn(path, parser, command, chosen);
}

int run(const QCommandLineParser& parser, const QStringList& positional)
{
    const QString& action = positional.at(0);
    const QString& file = positional.at(1);
    const bool importing = action == QLatin1String("import");
    if (importing && (parser.isSet(QStringLiteral("entry")) || parser.isSet(QStringLiteral("param")))) {
        return usageError(QStringLiteral("library import takes no --entry or --param"), Library);
    }
    if (!importing && parser.isSet(QStringLiteral("output"))) {
        return usageError(QStringLiteral("--output goes with library import"), Library);
    }
    if (action == QLatin1String("show")) {
        return show(file, parser);
    }
    if (action == QLatin1String("bytes")) {
        return bytes(file, parser);
    }
    if (importing) {
        return import(file, parser);
    }
    return usageError(QStringLiteral("library takes show, bytes or import, not \"%1\"").arg(shown(action)), Library);
}

} // namespace LibraryCommands
