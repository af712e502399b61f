// kvr210c-devicesim: plays the device on a pseudo-terminal (printed as the
// first line on stdout) or on a real serial port, until SIGTERM or SIGINT.
#include "devicesimulator.h"
#include "wire.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int)
{
    g_stop = 1;
}

void installSignalHandlers()
{
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: a blocked poll or write returns at once
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

bool parseKey(const QString& text, int* x, int* y)
{
    const QStringList parts = text.split(QLatin1Char(','));
    bool okX = false;
    bool okY = false;
    if (parts.size() == 2) {
        *x = parts.at(0).toInt(&okX);
        *y = parts.at(1).toInt(&okY);
    }
    return okX && okY && *x >= 0 && *x <= 255 && *y >= 0 && *y <= 255;
}

int fail(const QString& message)
{
    std::fprintf(stderr, "kvr210c-devicesim: %s\n", message.toLocal8Bit().constData());
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvr210c-devicesim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays the KVR210C device. Without --port it opens a pseudo-terminal and prints "
                       "its path as the first line on stdout."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Serve this serial port at 9600 8N1."),
                                        QStringLiteral("name"));
    const QCommandLineOption stateOption(QStringLiteral("state"),
                                         QStringLiteral("Records to start with, saved after each change "
                                                        "(one record a line, hex)."),
                                         QStringLiteral("file"));
    const QCommandLineOption paceOption(QStringLiteral("pace"),
                                        QStringLiteral("Send and take bytes at the real 9600-baud rate."));
    const QCommandLineOption logOption(QStringLiteral("log"), QStringLiteral("One line per event on stderr."));
    const QCommandLineOption faultOption(
        QStringLiteral("fault"),
        QStringLiteral("silent | corrupt-echo | short-echo | drop-frame | garbage (noise before load records) | "
                       "cut-record (half a load record, the next at once) | duplicate (a load record in place "
                       "of the next) | vanish (close the line and end; counts frames and load records)."),
        QStringLiteral("kind"));
    const QCommandLineOption faultCountOption(
        QStringLiteral("fault-count"), QStringLiteral("Fault this many times (default: always)."), QStringLiteral("n"));
    const QCommandLineOption faultAfterOption(QStringLiteral("fault-after"),
                                              QStringLiteral("Start faulting after n good frames (or load records)."),
                                              QStringLiteral("n"));
    const QCommandLineOption extraOption(QStringLiteral("extra-record"),
                                         QStringLiteral("Also send the record of key x, link y in a load."),
                                         QStringLiteral("x,y"));
    const QCommandLineOption extraAtOption(QStringLiteral("extra-at"),
                                           QStringLiteral("Send the extra record at this position (default: last)."),
                                           QStringLiteral("n"));
    const QCommandLineOption recordsOption(QStringLiteral("records"),
                                           QStringLiteral("Send only the first n records in a load (default 36)."),
                                           QStringLiteral("n"));
    const QCommandLineOption ackTimeoutOption(QStringLiteral("ack-timeout"),
                                              QStringLiteral("Wait this long for each acknowledgement (default 2000)."),
                                              QStringLiteral("ms"));
    const QCommandLineOption alterOption(QStringLiteral("alter"),
                                         QStringLiteral("In a load, send the record of key x, link y (6: second "
                                                        "layer) with its last byte changed."),
                                         QStringLiteral("x,y"));
    parser.addOptions({portOption, stateOption, paceOption, logOption, faultOption, faultCountOption, faultAfterOption,
                       extraOption, extraAtOption, recordsOption, ackTimeoutOption, alterOption});
    parser.process(app);

    DeviceSimulator::Options options;
    options.pace = parser.isSet(paceOption);
    options.log = parser.isSet(logOption);
    options.stateFile = parser.value(stateOption);
    bool ok = true;
    options.fault = DeviceSimulator::faultFromName(parser.value(faultOption), &ok);
    if (!ok) {
        return fail(QStringLiteral("unknown fault: %1").arg(parser.value(faultOption)));
    }
    auto number = [&](const QCommandLineOption& option, int fallback) {
        if (!parser.isSet(option)) {
            return fallback;
        }
        bool valid = false;
        const int value = parser.value(option).toInt(&valid);
        if (!valid || value < 0) {
            ok = false;
        }
        return value;
    };
    options.faultCount = number(faultCountOption, -1);
    options.faultAfter = number(faultAfterOption, 0);
    options.extraAt = number(extraAtOption, -1);
    options.loadRecords = number(recordsOption, 36);
    options.ackTimeoutMs = number(ackTimeoutOption, 2000);
    if (!ok) {
        return fail(QStringLiteral("a count must be a number of 0 or more"));
    }
    if (parser.isSet(extraOption)) {
        options.extraRecord = parseKey(parser.value(extraOption), &options.extraX, &options.extraY);
        if (!options.extraRecord) {
            return fail(QStringLiteral("--extra-record wants x,y"));
        }
    }

    if (parser.isSet(alterOption)) {
        options.alterRecord = parseKey(parser.value(alterOption), &options.alterX, &options.alterY);
        if (!options.alterRecord) {
            return fail(QStringLiteral("--alter wants x,y"));
        }
    }

    std::unique_ptr<Wire> wire;
    QString error;
    if (parser.isSet(portOption)) {
        auto serial = std::make_unique<SerialWire>();
        if (!serial->open(parser.value(portOption), &error)) {
            return fail(QStringLiteral("cannot open %1: %2").arg(parser.value(portOption), error));
        }
        wire = std::move(serial);
    } else {
        auto pty = std::make_unique<PtyWire>();
        if (!pty->open(&error)) {
            return fail(QStringLiteral("cannot open a pseudo-terminal: %1").arg(error));
        }
        wire = std::move(pty);
    }

    DeviceSimulator simulator(wire.get(), options);
    if (!simulator.loadState(&error)) {
        return fail(QStringLiteral("cannot read %1: %2").arg(options.stateFile, error));
    }

    installSignalHandlers();
    std::printf("%s\n", wire->name().toLocal8Bit().constData());
    std::fflush(stdout);
    simulator.run(g_stop);
    return 0;
}
