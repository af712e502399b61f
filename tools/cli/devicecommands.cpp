#include "devicecommands.h"

#include "appdata.h"
#include "clicommon.h"
#include "programtransfer.h"
#include "seriallink.h"

#include <QSaveFile>
#include <QSerialPortInfo>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

using namespace Cli;

namespace {

// One line on standard error, rewritten in place as records go by. Into a
// log (not a terminal) it writes a line per key instead.
class ProgressLine
{
public:
    explicit ProgressLine(QString label)
        : m_label(std::move(label))
        , m_terminal(isatty(fileno(stderr)) != 0)
    {
    }
    ~ProgressLine() { finish(); }

    void update(int done, int total)
    {
        const QString text = QStringLiteral("%1: %2 of %3").arg(m_label).arg(done).arg(total);
        if (m_terminal) {
            printErr(QLatin1Char('\r') + text);
            m_shown = true;
        } else if (done == total || (done > 0 && total >= Keys && done % (total / Keys) == 0)) {
            printErr(text + QLatin1Char('\n'));
        }
    }
    void finish()
    {
        if (m_shown) {
            printErr(QStringLiteral("\n"));
            m_shown = false;
        }
    }

private:
    static constexpr int Keys = 6;
    QString m_label;
    bool m_terminal;
    bool m_shown = false;
};

// Opens the port and shakes hands with the device; says why not.
bool connectDevice(SerialLink* link, ProgramTransfer* transfer, const DeviceCommands::LinkOptions& options)
{
    if (!link->open(options.port)) {
        printError(QStringLiteral("cannot open the port %1: %2").arg(options.port, link->errorString()));
        return false;
    }
    link->setTimeout(options.timeoutMs);
    transfer->setAttempts(options.attempts);
    if (!transfer->handshake()) {
        printError(QStringLiteral("handshake failed: %1").arg(transfer->errorString()));
        return false;
    }
    return true;
}

// "ISPOK!": the end of the session, as the editor sends it when it lets go.
bool sayGoodbye(ProgramTransfer* transfer)
{
    if (!transfer->sayGoodbye()) {
        printError(QStringLiteral("farewell failed: %1").arg(transfer->errorString()));
        return false;
    }
    return true;
}

// A command text the device never sends back (it is not hex), so a record
// that still holds it after a load did not arrive.
const QString NotLoaded = QStringLiteral("not loaded");

void markNotLoaded(AppDataManager* data)
{
    for (int x = 1; x <= data->getMaxButtonId(); ++x) {
        for (int y = 1; y <= data->getMaxLinkId(); ++y) {
            if (LinkData* record = data->getDataObject(x, y)) {
                record->setCommand(NotLoaded);
            }
        }
        if (ButtonData* key = data->getButtonData(x)) {
            key->setSecondLayerCommand(NotLoaded);
        }
    }
}

QStringList notLoaded(const AppDataManager& data)
{
    QStringList names;
    for (int x = 1; x <= data.getMaxButtonId(); ++x) {
        const ButtonData* key = data.getButtonData(x);
        if (key && key->getCommand() == NotLoaded) {
            names << QStringLiteral("Key %1").arg(x);
        }
        if (key && key->getSecondLayerCommand() == NotLoaded) {
            names << QStringLiteral("Key %1, second layer").arg(x);
        }
        for (int y = 2; y <= data.getMaxLinkId(); ++y) {
            const LinkData* record = data.getDataObject(x, y);
            if (record && record->getCommand() == NotLoaded) {
                names << QStringLiteral("Key %1, link %2").arg(x).arg(y);
            }
        }
    }
    return names;
}

} // namespace

namespace DeviceCommands {

int listPorts()
{
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    if (ports.isEmpty()) {
        printErr(QStringLiteral("No serial ports found.\n"));
    }
    for (const QSerialPortInfo& port : ports) {
        QString description = port.description();
        if (!port.manufacturer().isEmpty() && !description.contains(port.manufacturer())) {
            description = description.isEmpty() ? port.manufacturer()
                                                : QStringLiteral("%1 (%2)").arg(description, port.manufacturer());
        }
        if (description.isEmpty()) {
            description = QStringLiteral("(no description)");
        }
        printOut(QStringLiteral("%1\t%2\n").arg(port.systemLocation(), description));
    }
    return ExitOk;
}

int store(const QString& configFile, const LinkOptions& options)
{
    AppDataManager data(nullptr, nullptr);
    makeFreshModel(&data);
    if (!readConfigFileOrReport(configFile, &data)) {
        return ExitFailed;
    }

    SerialLink link;
    ProgressLine progress(QStringLiteral("Storing to %1").arg(options.port));
    ProgramTransfer transfer(&data, &link, [&progress](int done, int total) { progress.update(done, total); });
    // Refuse before the port is even opened: a half-stored program is worse than none.
    const QStringList oversized = transfer.oversizedRecords();
    if (!oversized.isEmpty()) {
        printError(QStringLiteral("nothing was sent: these commands are longer than %1 bytes and do not fit "
                                  "the device: %2")
                       .arg(MaxDeviceCommandBytes)
                       .arg(oversized.join(QLatin1String("; "))));
        return ExitFailed;
    }
    if (!connectDevice(&link, &transfer, options)) {
        return ExitFailed;
    }
    const ProgramTransfer::Result result = transfer.store();
    progress.finish();
    if (!result.ok) {
        printError(QStringLiteral("store failed: %1").arg(result.error));
    }
    // The editor ends every session this way, also after a failed transfer.
    const bool farewell = sayGoodbye(&transfer);
    if (!result.ok || !farewell) {
        return ExitFailed;
    }
    printErr(QStringLiteral("Stored %1 records on %2.\n").arg(result.records).arg(options.port));
    return ExitOk;
}

int load(const QString& outputFile, const QString& baseFile, const LinkOptions& options)
{
    AppDataManager data(nullptr, nullptr);
    makeFreshModel(&data);
    if (!baseFile.isEmpty() && !readConfigFileOrReport(baseFile, &data)) {
        return ExitFailed;
    }
    QString error;
    // Opened first so an output that cannot be written costs no transfer;
    // nothing replaces the old file until the load is complete.
    if (!isWritableTarget(outputFile, &error)) {
        printError(error);
        return ExitFailed;
    }
    QSaveFile output(outputFile);
    if (!output.open(QIODevice::WriteOnly)) {
        printError(QStringLiteral("cannot write %1: %2").arg(outputFile, output.errorString()));
        return ExitFailed;
    }
    markNotLoaded(&data);

    SerialLink link;
    ProgressLine progress(QStringLiteral("Loading from %1").arg(options.port));
    ProgramTransfer transfer(&data, &link, [&progress](int done, int total) { progress.update(done, total); });
    if (!connectDevice(&link, &transfer, options)) {
        return ExitFailed;
    }
    const ProgramTransfer::Result result = transfer.load();
    progress.finish();
    bool ok = result.ok;
    if (!ok) {
        printError(QStringLiteral("load failed: %1").arg(result.error));
    } else if (const QStringList missing = notLoaded(data); !missing.isEmpty()) {
        printError(QStringLiteral("load failed: the device sent %1 records; these did not arrive: %2")
                       .arg(result.records)
                       .arg(missing.join(QLatin1String("; "))));
        ok = false;
    }
    ok = sayGoodbye(&transfer) && ok;
    if (!ok) {
        printError(QStringLiteral("%1 was not written").arg(outputFile));
        return ExitFailed;
    }
    if (!data.saveConfigFile(&output) || !output.commit()) {
        printError(QStringLiteral("cannot write %1: %2").arg(outputFile, output.errorString()));
        return ExitFailed;
    }
    printErr(QStringLiteral("Loaded %1 records from %2 into %3.\n").arg(result.records).arg(options.port, outputFile));
    return ExitOk;
}

} // namespace DeviceCommands
