#include "clicommon.h"

#include "appdata.h"
#include "boundedread.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace Cli {

void printError(const QString& message)
{
    printErr(QStringLiteral("%1: %2\n").arg(QLatin1String(ProgramName), message));
}

void printOut(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void printErr(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

void makeFreshModel(AppDataManager* data)
{
    data->newData(6, 5);
}

bool readConfigFile(const QString& path, AppDataManager* data, QString* error)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo::exists(path)) {
        *error = QStringLiteral("%1: no such configuration file").arg(shown);
        return false;
    }
    // A pipe, a device or a huge file is refused, not waited on or read whole.
    QByteArray bytes;
    if (!readBounded(path, MaxUserFileBytes, &bytes, error)) {
        return false;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    if (!data->loadConfigFile(&buffer)) {
        *error = QStringLiteral("%1 is not a KVR210C configuration file, or it is damaged").arg(shown);
        return false;
    }
    return true;
}

bool isWritableTarget(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        *error = QStringLiteral("%1 is not a regular file; refusing to replace it")
                     .arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

bool writeConfigFile(const QString& path, AppDataManager* data, QString* error)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!isWritableTarget(path, error)) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(shown, file.errorString());
        return false;
    }
    if (!data->saveConfigFile(&file)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        *error = QStringLiteral("cannot write %1: %2").arg(shown, reason);
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(shown, file.errorString());
        return false;
    }
    return true;
}

bool readConfigFileOrReport(const QString& path, AppDataManager* data)
{
    QString error;
    if (!readConfigFile(path, data, &error)) {
        printError(error);
        return false;
    }
    return true;
}

} // namespace Cli
