#include "clicommon.h"

#include "appdata.h"
#include "devicerecordlayout.h"
#include "safesave.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace Cli {

void printError(const QString& message)
{
    printErr(QStringLiteral("%1: %2\n").arg(QLatin1String(ProgramName), message));
}

namespace {

std::atomic<bool> g_outputFailed{false};

} // namespace

bool writeOut(const QByteArray& bytes)
{
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    if (std::fflush(stdout) == 0 && written) {
        return true;
    }
    const int error = errno;
    // Said once: a reader that has gone stays gone.
    if (!g_outputFailed.exchange(true)) {
        printError(QStringLiteral("cannot write to standard output (%1)").arg(QString::fromLocal8Bit(strerror(error))));
    }
    return false;
}

bool outputFailed()
{
    return g_outputFailed.load();
}

void printOut(const QString& text)
{
    writeOut(text.toLocal8Bit());
}

void printErr(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

int usageError(const QString& message, const QString& command)
{
    printError(message);
    printErr(QStringLiteral("Run \"%1%2 --help\" for help.\n")
                 .arg(QLatin1String(ProgramName), command.isEmpty() ? QString() : QLatin1Char(' ') + command));
    return ExitUsage;
}

bool boundedNumber(const QCommandLineParser& parser, const QCommandLineOption& option, int min, int max, int* out,
                   QString* error)
{
    if (!parser.isSet(option)) {
        return true;
    }
    bool ok = false;
    const QString text = parser.value(option);
    // The number parser takes blanks around the digits.
    const int value = text.trimmed() == text ? text.toInt(&ok) : 0;
    if (!ok || value < min || value > max) {
        *error = QStringLiteral("--%1 must be a whole number from %2 to %3, not \"%4\"")
                     .arg(option.names().constFirst())
                     .arg(min)
                     .arg(max)
                     .arg(text);
        return false;
    }
    *out = value;
    return true;
}

void makeFreshModel(ProgramRecords* data)
{
    data->newData(DeviceRecordLayout::Keys, DeviceRecordLayout::Links);
}

bool readConfigFile(const QString& path, ProgramRecords* data, QString* error, QByteArray* bytes)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path)) {
        *error = QStringLiteral("%1: no such configuration file").arg(shown);
        return false;
    }
    // A pipe, a device or a huge file is refused, not waited on or read whole.
    const ConfigFileLoad load = data->loadConfigFileFrom(path, bytes);
    *error = load.message(QStringLiteral("%1 is not a KVR210C configuration file, or it is damaged: %2"));
    return load.isLoaded();
}

bool writeConfigFile(const QString& path, ProgramRecords* data, QString* error)
{
    return saveSafely(
        path, [data](QIODevice* file) { return data->saveConfigFile(file); }, error);
}

bool readConfigFileOrReport(const QString& path, ProgramRecords* data, QByteArray* bytes)
{
    QString error;
    if (!readConfigFile(path, data, &error, bytes)) {
        printError(error);
        return false;
    }
    return true;
}

} // namespace Cli
