// kvr210c-cli: the editor's configuration files and device transfer from the
// command line, for programming many devices alike and for keeping
// configurations as text.
#include "appdata.h"
#include "boundedread.h"
#include "clicommon.h"
#include "configcompare.h"
#include "configjson.h"
#include "configtext.h"
#include "devicecommands.h"
#include "devicerecordlayout.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <functional>

using namespace Cli;

namespace {

struct Command {
    QString name;
    QString summary;
    QStringList arguments; // positional arguments, in order
    QStringList argumentHelp;
    bool device = false; // takes --port, --retries, --timeout
};

const QList<Command>& commands()
{
    static const QList<Command> list{
        {QStringLiteral("ports"),
         QStringLiteral("List the serial ports, one a line, with their descriptions."),
         {},
         {},
         false},
        {QStringLiteral("show"),
         QStringLiteral("Print a configuration file as readable text."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file.")},
         false},
        {QStringLiteral("export"),
         QStringLiteral("Print a configuration file as JSON."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file.")},
         false},
        {QStringLiteral("import"),
         QStringLiteral("Write a configuration file from JSON; nothing is written on any error."),
         {QStringLiteral("json"), QStringLiteral("file")},
         {QStringLiteral("The JSON file (- for standard input)."),
          QStringLiteral("The configuration file to write (replaced only when complete).")},
         false},
        {QStringLiteral("diff"),
         QStringLiteral("List every field in which two configuration files differ."),
         {QStringLiteral("a"), QStringLiteral("b")},
         {QStringLiteral("The first configuration file."), QStringLiteral("The second configuration file.")},
         false},
        {QStringLiteral("store"),
         QStringLiteral("Store a configuration file to one device or to several at once."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file.")},
         true},
        {QStringLiteral("verify"),
         QStringLiteral("Compare the device's program with a configuration file."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file.")},
         true},
        {QStringLiteral("load"), QStringLiteral("Load the device's program into a configuration file."), {}, {}, true},
    };
    return list;
}

const Command* findCommand(const QString& name)
{
    for (const Command& command : commands()) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

QString overview()
{
    QString text = QStringLiteral("Reads and writes KVR210C configuration files and transfers them to and "
                                  "from the device.\n\nCommands:\n");
    for (const Command& command : commands()) {
        text += QStringLiteral("  %1  %2\n").arg(command.name, -7).arg(command.summary);
    }
    text += QStringLiteral("\nRun \"%1 <command> --help\" for the options of a command.\n"
                           "Exit codes: 0 done, 1 a file or the device failed, 2 wrong usage.")
                .arg(QLatin1String(ProgramName));
    return text;
}

// What a command's --help says beyond its summary.
QString details(const QString& name)
{
    const QString minimums = QStringLiteral(
                                 "Every message gets --retries attempts, each waiting --timeout for the answer; the\n"
                                 "least is what the editor uses (%1 attempts of %2 ms).")
                                 .arg(DeviceCommands::MinAttempts)
                                 .arg(DeviceCommands::MinTimeoutMs);
    if (name == QLatin1String("export") || name == QLatin1String("import")) {
        return QStringLiteral("\n\n") + ConfigJson::formatDescription();
    }
    const QString report = QStringLiteral(
        "--report appends one JSON object a line per port: port, command, file, start and end\n"
        "(ISO 8601, UTC), result, records, differences and error.\n");
    if (name == QLatin1String("store")) {
        return QStringLiteral(
                   "\n\nShakes hands with the device, sends every record (%1) and checks its echo, and ends\n"
                   "with \"ISPOK!\". A configuration with a command longer than %2 bytes is refused\n"
                   "before anything is sent. --port may be given several times or as a list\n"
                   "(--port ttyUSB0,ttyUSB1): all devices are programmed at once, up to %3. Progress goes\n"
                   "to standard error, a line per port and step; at the end standard output has a line\n"
                   "per port (\"ttyUSB0  stored, verified\"). With --verify each device is then read\n"
                   "back and compared with the file. The exit code is 0 only when every port succeeded.\n")
                   .arg(DeviceRecordLayout::Records)
                   .arg(MaxDeviceCommandBytes)
                   .arg(DeviceCommands::MaxPorts)
            + report + minimums;
    }
    if (name == QLatin1String("verify")) {
        return QStringLiteral(
                   "\n\nReads the device's program (as load does) and compares it with the file in what the\n"
                   "device keeps: each command, baud rate, parity and delay, also of the second layers.\n"
                   "Each difference is a line on standard output (\"Key 3, link 2: command 0D0A on the\n"
                   "device, 0D0B in the file\"); a command longer than 16 bytes is shown where it first\n"
                   "differs, counted from 0, with the bytes around it (\"command at offset 36: ... 41\n"
                   "[42] 43 ... on the device, ... 41 [58] 43 ... in the file\"). Then standard output\n"
                   "has the summary line of the port, as store prints it. Exit code 0 when they are\n"
                   "equal, 1 when they differ or the device failed.\n")
            + report + minimums;
    }
    if (name == QLatin1String("diff")) {
        return QStringLiteral("\n\nCompares every field a configuration file holds, also those the device does not\n"
                              "keep (names, data bits, stop bits, second-layer switches), and prints a line per\n"
                              "differing field in a fixed order: \"Key 2, link 3: delay 3 -> 5\". As diff(1): exit\n"
                              "code 0 when they are equal, 1 when they differ, 2 when a file cannot be read.");
    }
    if (name == QLatin1String("load")) {
        return QStringLiteral("\n\nShakes hands with the device, asks for its program, acknowledges each record and\n"
                              "ends with \"ISPOK!\". The output is written only when all %1 records arrived;\n"
                              "otherwise an existing file is left as it was. The device does not keep names, data\n"
                              "bits, stop bits or the second-layer switches: they come from --base, or are those\n"
                              "of a new configuration.\n")
                   .arg(DeviceRecordLayout::Records)
            + minimums;
    }
    return QString();
}

// The parser's help names the program as it was started (argv[0], often a
// whole build or install path); the usage line names it as it is typed.
QString helpText(const QCommandLineParser& parser)
{
    QString text = parser.helpText();
    const QString usage = QStringLiteral("Usage: ");
    const QStringList arguments = QCoreApplication::arguments();
    if (!arguments.isEmpty() && text.startsWith(usage + arguments.constFirst())) {
        text.replace(usage.size(), arguments.constFirst().size(), QLatin1String(ProgramName));
    }
    return text;
}

int usageError(const QString& message, const QString& command = QString())
{
    printError(message);
    printErr(QStringLiteral("Run \"%1%2 --help\" for help.\n")
                 .arg(QLatin1String(ProgramName), command.isEmpty() ? QString() : QLatin1Char(' ') + command));
    return ExitUsage;
}

// Reads --retries or --timeout: a whole number within [min, max].
bool boundedNumber(const QCommandLineParser& parser, const QCommandLineOption& option, int min, int max, int* out,
                   QString* error)
{
    if (!parser.isSet(option)) {
        return true;
    }
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < min || value > max) {
        *error = QStringLiteral("--%1 must be a whole number from %2 to %3, not \"%4\"")
                     .arg(option.names().constFirst())
                     .arg(min)
                     .arg(max)
                     .arg(parser.value(option));
        return false;
    }
    *out = value;
    return true;
}

int exportJson(const QString& file)
{
    ProgramRecords data;
    makeFreshModel(&data);
    if (!readConfigFileOrReport(file, &data)) {
        return ExitFailed;
    }
    const QByteArray json = ConfigJson::toJsonText(data);
    const bool written = std::fwrite(json.constData(), 1, size_t(json.size()), stdout) == size_t(json.size());
    if (std::fflush(stdout) != 0 || !written) {
        printError(QStringLiteral("cannot write to standard output"));
        return ExitFailed;
    }
    return ExitOk;
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
int diffFiles(const QString& fileA, const QString& fileB)
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
    return differences.isEmpty() ? 0 : 1;
}

// The ports of --port, given several times or as comma-separated lists.
bool portList(const QStringList& values, QStringList* ports, QString* error)
{
    for (const QString& value : values) {
        for (const QString& item : value.split(QLatin1Char(','))) {
            const QString port = item.trimmed();
            if (port.isEmpty()) {
                *error = QStringLiteral("--port \"%1\" names an empty port").arg(value);
                return false;
            }
            if (ports->contains(port)) {
                *error = QStringLiteral("the port %1 is given twice").arg(port);
                return false;
            }
            ports->append(port);
        }
    }
    if (ports->size() > DeviceCommands::MaxPorts) {
        *error = QStringLiteral("at most %1 ports at once").arg(DeviceCommands::MaxPorts);
        return false;
    }
    return true;
}

int runCommand(const Command& command, const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(command.summary);
    parser.addHelpOption();
    parser.addPositionalArgument(command.name, QStringLiteral("The command."), command.name);
    for (int i = 0; i < command.arguments.size(); ++i) {
        parser.addPositionalArgument(command.arguments.at(i), command.argumentHelp.at(i));
    }
    const bool isStore = command.name == QLatin1String("store");
    const QCommandLineOption portOption(
        {QStringLiteral("p"), QStringLiteral("port")},
        isStore ? QStringLiteral("A serial port (a name from \"ports\", or a path); several by repeating the "
                                 "option or as a comma-separated list.")
                : QStringLiteral("The serial port (a name from \"ports\", or a path)."),
        QStringLiteral("port"));
    const QCommandLineOption verifyOption(QStringLiteral("verify"),
                                          QStringLiteral("Read each device back after storing and compare."));
    const QCommandLineOption reportOption(QStringLiteral("report"),
                                          QStringLiteral("Append a JSON line per port to this file."),
                                          QStringLiteral("file.jsonl"));
    const QCommandLineOption retriesOption(
        QStringLiteral("retries"),
        QStringLiteral("Attempts per message before it counts as failed (%1 to %2, default %1).")
            .arg(DeviceCommands::MinAttempts)
            .arg(DeviceCommands::MaxAttempts),
        QStringLiteral("n"), QString::number(DeviceCommands::MinAttempts));
    const QCommandLineOption timeoutOption(
        QStringLiteral("timeout"),
        QStringLiteral("Wait this long for each answer of the device (%1 to %2, default %1).")
            .arg(DeviceCommands::MinTimeoutMs)
            .arg(DeviceCommands::MaxTimeoutMs),
        QStringLiteral("ms"), QString::number(DeviceCommands::MinTimeoutMs));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("The configuration file to write."), QStringLiteral("file"));
    const QCommandLineOption baseOption(
        QStringLiteral("base"),
        QStringLiteral("Start from this configuration file instead of a new one: the device does not keep "
                       "names, data bits, stop bits or the second-layer switches."),
        QStringLiteral("file"));
    if (command.device) {
        parser.addOption(portOption);
        parser.addOption(retriesOption);
        parser.addOption(timeoutOption);
    }
    const bool isLoad = command.name == QLatin1String("load");
    if (isLoad) {
        parser.addOption(outputOption);
        parser.addOption(baseOption);
    }
    if (isStore) {
        parser.addOption(verifyOption);
    }
    if (isStore || command.name == QLatin1String("verify")) {
        parser.addOption(reportOption);
    }
    parser.setApplicationDescription(command.summary + details(command.name));

    if (!parser.parse(arguments)) {
        return usageError(parser.errorText(), command.name);
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        printOut(helpText(parser));
        return ExitOk;
    }
    const QStringList positional = parser.positionalArguments().mid(1);
    if (positional.size() != command.arguments.size()) {
        return usageError(
            command.arguments.isEmpty()
                ? QStringLiteral("%1 takes no arguments").arg(command.name)
                : QStringLiteral("%1 takes %2").arg(command.name, command.arguments.join(QLatin1Char(' '))),
            command.name);
    }

    DeviceCommands::LinkOptions link;
    if (command.device) {
        QString error;
        if (!parser.isSet(portOption)) {
            return usageError(QStringLiteral("%1 needs --port").arg(command.name), command.name);
        }
        if (!portList(parser.values(portOption), &link.ports, &error)) {
            return usageError(error, command.name);
        }
        if (!isStore && link.ports.size() != 1) {
            return usageError(QStringLiteral("%1 takes one --port").arg(command.name), command.name);
        }
        link.port = link.ports.constFirst();
        if (isStore || command.name == QLatin1String("verify")) {
            link.reportFile = parser.value(reportOption);
        }
        if (!boundedNumber(parser, retriesOption, DeviceCommands::MinAttempts, DeviceCommands::MaxAttempts,
                           &link.attempts, &error)
            || !boundedNumber(parser, timeoutOption, DeviceCommands::MinTimeoutMs, DeviceCommands::MaxTimeoutMs,
                              &link.timeoutMs, &error)) {
            return usageError(error, command.name);
        }
    }
    if (isLoad && parser.value(outputOption).isEmpty()) {
        return usageError(QStringLiteral("load needs --output"), command.name);
    }

    if (command.name == QLatin1String("ports")) {
        return DeviceCommands::listPorts();
    }
    if (command.name == QLatin1String("show")) {
        return show(positional.at(0));
    }
    if (command.name == QLatin1String("export")) {
        return exportJson(positional.at(0));
    }
    if (command.name == QLatin1String("import")) {
        return importJson(positional.at(0), positional.at(1));
    }
    if (command.name == QLatin1String("diff")) {
        return diffFiles(positional.at(0), positional.at(1));
    }
    if (isStore) {
        return DeviceCommands::store(positional.at(0), link, parser.isSet(verifyOption));
    }
    if (command.name == QLatin1String("verify")) {
        return DeviceCommands::verify(positional.at(0), link);
    }
    return DeviceCommands::load(parser.value(outputOption), parser.value(baseOption), link);
}

// The library's diagnostics ("checksum error" for each failed attempt) are
// for developers; what went wrong reaches the user as one message per step.
void quietDiagnostics(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        printError(message);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quietDiagnostics);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(ProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(KVR_VERSION));

    // First only find the command; its own parser reads the rest.
    QCommandLineParser parser;
    parser.setApplicationDescription(overview());
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("ports, show, export, import, diff, store, verify or load."),
                                 QStringLiteral("<command> [options] [arguments]"));
    parser.parse(app.arguments());
    const QStringList positional = parser.positionalArguments();

    if (positional.isEmpty()) {
        if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
            printOut(helpText(parser));
            return ExitOk;
        }
        if (parser.isSet(versionOption)) {
            printOut(QStringLiteral("%1 %2\n").arg(QLatin1String(ProgramName), QCoreApplication::applicationVersion()));
            return ExitOk;
        }
        if (!parser.unknownOptionNames().isEmpty()) {
            return usageError(parser.errorText());
        }
        return usageError(QStringLiteral("no command given"));
    }
    const Command* command = findCommand(positional.constFirst());
    if (!command) {
        return usageError(QStringLiteral("unknown command \"%1\"").arg(positional.constFirst()));
    }
    return runCommand(*command, app.arguments());
}
