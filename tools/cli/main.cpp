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
#include "interruption.h"
#include "reportsummary.h"
#include "sendcommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <csignal>
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
    int leastArguments = -1; // with the last argument repeatable: at least this many (-1: exactly as listed)
};

const QList<Command>& commands()
{
    static const QList<Command> list{
        {QStringLiteral("ports"),
         QStringLiteral("List the serial ports, one a line, with their descriptions, or find the devices."),
         {QStringLiteral("port")},
         {QStringLiteral("With --probe: a port to try (default: every listed port).")},
         false,
         0},
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
        {QStringLiteral("summary"),
         QStringLiteral("Count the lines of --report files per configuration and per outcome."),
         {QStringLiteral("report")},
         {QStringLiteral("A report file (JSON lines, as --report writes them).")},
         false,
         1},
        {QStringLiteral("send"),
         QStringLiteral("Send one command to the equipment on a port and print the reply."),
         {QStringLiteral("file")},
         {QStringLiteral("The configuration file whose --key command is sent (none with --hex).")},
         false,
         0},
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
                           "Exit codes: 0 done, 1 a file or the device failed, 2 wrong usage (or, with\n"
                           "--probe or --all, no device answered; see the commands' help), 130 and 143\n"
                           "stopped by SIGINT or SIGTERM.")
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
                               "--report appends one JSON object a line per port, as soon as the port is done: port,\n"
                               "command, file, sha256 and size (of the file), version (of this program), location,\n"
                               "serial_number, vendor_id and product_id (of the adapter, null where the system does\n"
                               "not tell), start and end (ISO 8601, UTC), duration_ms, result, records, differences\n"
                               "and error. A report that cannot be opened stops the run before any device is touched\n"
                               "(exit code 2); a line that cannot be written is said at once and the run goes on\n"
                               "(exit code 1). \"%1 summary\" counts report files.\n")
                               .arg(QLatin1String(ProgramName));
    const QString probe = QStringLiteral(
        "--probe first shakes hands on every --port at once and goes on only where a device\n"
        "answered; a port that cannot be opened, stays silent or answers something else is\n"
        "\"no device\" in the summary and the report and is never sent a record. --all does the\n"
        "same on every port \"ports\" lists. With either, the exit code is 0 when every device\n"
        "that answered succeeded, 1 when one failed, 2 when none answered.\n"
        "SIGINT (Ctrl+C) or SIGTERM stops every port within a second: a device left\n"
        "half-written gets no \"ISPOK!\", each port still gets its line in the report\n"
        "(\"interrupted\"), standard error names the devices that now hold a partial program,\n"
        "and the exit code is 130 or 143.\n");
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
            + probe + report + minimums;
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
                   "equal, 1 when they differ or the device failed. Several ports are read at once, as\n"
                   "store does; each difference line then starts with its port.\n")
            + probe + report + minimums;
    }
    if (name == QLatin1String("ports")) {
        return QStringLiteral(
            "\n\nWithout --probe: the ports the system lists, one a line (\"/dev/ttyUSB0<tab>FT232R USB\n"
            "UART (FTDI)\"). With --probe: the handshake on the given ports, or on every listed port,\n"
            "all at once, then one line per port: \"device\", \"no answer\", \"something else\n"
            "answered\" or \"cannot open the port\" (why on standard error). Only the handshake is\n"
            "sent, and \"ISPOK!\" where a device answered; each port takes at most --retries\n"
            "attempts of --timeout. Exit code 0 when a device answered, 2 when none did.");
    }
    if (name == QLatin1String("send")) {
        return SendCommand::details();
    }
    if (name == QLatin1String("summary")) {
        return QStringLiteral(
            "\n\nReads one or more report files of store and verify and prints, for each configuration\n"
            "(by its SHA-256, or by its name in lines without one), the number of lines per outcome\n"
            "(stored, verified, different, failed, interrupted, no device), then the same for all\n"
            "files. Exit code 2, naming it, for a file that cannot be read or a line that is not a\n"
            "report line; nothing is counted then.");
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

int summary(const QStringList& files)
{
    ReportSummary totals;
    for (const QString& file : files) {
        QString error;
        if (!totals.add(file, &error)) {
            printError(QStringLiteral("%1; nothing was counted").arg(error));
            return ExitUsage;
        }
    }
    printOut(totals.text());
    return ExitOk;
}

int runCommand(const Command& command, const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(command.summary);
    parser.addHelpOption();
    parser.addPositionalArgument(command.name, QStringLiteral("The command."), command.name);
    const bool repeatable = command.leastArguments >= 0;
    for (int i = 0; i < command.arguments.size(); ++i) {
        const QString& name = command.arguments.at(i);
        const bool last = i == command.arguments.size() - 1;
        const QString syntax = !repeatable || !last ? name
            : command.leastArguments == 0           ? QStringLiteral("[%1...]").arg(name)
                                                    : QStringLiteral("%1...").arg(name);
        parser.addPositionalArgument(name, command.argumentHelp.at(i), syntax);
    }
    const bool isStore = command.name == QLatin1String("store");
    const bool isVerify = command.name == QLatin1String("verify");
    const bool isPorts = command.name == QLatin1String("ports");
    const bool manyPorts = isStore || isVerify;
    const QCommandLineOption portOption(
        {QStringLiteral("p"), QStringLiteral("port")},
        manyPorts ? QStringLiteral("A serial port (a name from \"ports\", or a path); several by repeating the "
                                   "option or as a comma-separated list.")
                  : QStringLiteral("The serial port (a name from \"ports\", or a path)."),
        QStringLiteral("port"));
    const QCommandLineOption verifyOption(QStringLiteral("verify"),
                                          QStringLiteral("Read each device back after storing and compare."));
    const QCommandLineOption reportOption(QStringLiteral("report"),
                                          QStringLiteral("Append a JSON line per port to this file."),
                                          QStringLiteral("file.jsonl"));
    const QCommandLineOption probeOption(
        QStringLiteral("probe"),
        isPorts ? QStringLiteral("Try the handshake on the ports and say which have a device.")
                : QStringLiteral("Only the ports whose device answers the handshake; the others are \"no device\"."));
    const QCommandLineOption allOption(QStringLiteral("all"),
                                       QStringLiteral("Every listed port, probed (as --probe) instead of --port."));
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
    if (manyPorts) {
        parser.addOption(reportOption);
        parser.addOption(probeOption);
        parser.addOption(allOption);
    }
    if (isPorts) {
        parser.addOption(probeOption);
        parser.addOption(retriesOption);
        parser.addOption(timeoutOption);
    }
    const bool isSend = command.name == QLatin1String("send");
    if (isSend) {
        SendCommand::addOptions(&parser);
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
    const bool argumentsFit = repeatable ? positional.size() >= command.arguments.size() - 1 + command.leastArguments
                                         : positional.size() == command.arguments.size();
    if (!argumentsFit) {
        return usageError(
            command.arguments.isEmpty()
                ? QStringLiteral("%1 takes no arguments").arg(command.name)
                : QStringLiteral("%1 takes %2").arg(command.name, command.arguments.join(QLatin1Char(' '))),
            command.name);
    }
    if (isSend) {
        return SendCommand::run(parser, positional);
    }
    if (isPorts && !positional.isEmpty() && !parser.isSet(probeOption)) {
        return usageError(QStringLiteral("ports takes ports only with --probe"), command.name);
    }

    DeviceCommands::LinkOptions link;
    QString error;
    if (command.device || isPorts) {
        if (!boundedNumber(parser, retriesOption, DeviceCommands::MinAttempts, DeviceCommands::MaxAttempts,
                           &link.attempts, &error)
            || !boundedNumber(parser, timeoutOption, DeviceCommands::MinTimeoutMs, DeviceCommands::MaxTimeoutMs,
                              &link.timeoutMs, &error)) {
            return usageError(error, command.name);
        }
    }
    if (command.device) {
        link.allPorts = manyPorts && parser.isSet(allOption);
        link.probe = manyPorts && parser.isSet(probeOption);
        if (link.allPorts && parser.isSet(portOption)) {
            return usageError(QStringLiteral("--all takes every listed port: give it without --port"), command.name);
        }
        if (!parser.isSet(portOption) && !link.allPorts) {
            return usageError(manyPorts ? QStringLiteral("%1 needs --port (or --all)").arg(command.name)
                                        : QStringLiteral("%1 needs --port").arg(command.name),
                              command.name);
        }
        if (!link.allPorts && !portList(parser.values(portOption), &link.ports, &error)) {
            return usageError(error, command.name);
        }
        if (!manyPorts && link.ports.size() != 1) {
            return usageError(QStringLiteral("%1 takes one --port").arg(command.name), command.name);
        }
        link.port = link.ports.value(0);
        if (manyPorts) {
            link.reportFile = parser.value(reportOption);
        }
    }
    if (isLoad && parser.value(outputOption).isEmpty()) {
        return usageError(QStringLiteral("load needs --output"), command.name);
    }

    if (isPorts) {
        if (!parser.isSet(probeOption)) {
            return DeviceCommands::listPorts();
        }
        QStringList ports;
        if (!portList(positional, &ports, &error)) {
            return usageError(error, command.name);
        }
        Interruption::install();
        return DeviceCommands::probePorts(ports, link);
    }
    if (command.name == QLatin1String("summary")) {
        return summary(positional);
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
        Interruption::install();
        return DeviceCommands::store(positional.at(0), link, parser.isSet(verifyOption));
    }
    if (isVerify) {
        Interruption::install();
        return DeviceCommands::verify(positional.at(0), link);
    }
    Interruption::install();
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
#ifdef Q_OS_UNIX
    // A file grown past the user's limit (ulimit -f) is a failed write to
    // report, not a reason to end the run at once and lose the rest.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(ProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(KVR_VERSION));

    // First only find the command; its own parser reads the rest.
    QCommandLineParser parser;
    parser.setApplicationDescription(overview());
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("command"),
        QStringLiteral("ports, show, export, import, diff, store, verify, load, summary or send."),
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
