#include "recordoption.h"

#include "clicommon.h"
#include "commandtable.h"
#include "devicerecordlayout.h"

#include <QCommandLineParser>

using namespace Cli;

namespace {

// --link by its button's label, 13 to 16, or by the layer's number, 2 to 5.
bool linkOption(const QCommandLineParser& parser, int* layer, QString* error)
{
    const QCommandLineOption option = commandLineOption(Option::Link);
    int number = 0;
    if (!parser.isSet(option)) {
        return true;
    }
    if (!boundedNumber(parser, option, DeviceRecordLayout::FirstLink,
                       DeviceRecordLayout::linkButton(DeviceRecordLayout::Links), &number, error)
        || DeviceRecordLayout::linkLayer(number) == 0) {
        *error = QStringLiteral("--link must be %1 to %2 (or %3 to %4), not \"%5\"")
                     .arg(DeviceRecordLayout::FirstLinkButton)
                     .arg(DeviceRecordLayout::linkButton(DeviceRecordLayout::Links))
                     .arg(DeviceRecordLayout::FirstLink)
                     .arg(DeviceRecordLayout::Links)
                     .arg(parser.value(option));
        return false;
    }
    *layer = DeviceRecordLayout::linkLayer(number);
    return true;
}

} // namespace

namespace RecordOption {

bool read(const QCommandLineParser& parser, const QString& command, int* key, int* layer, QString* error)
{
    if (parser.isSet(QStringLiteral("link")) && parser.isSet(QStringLiteral("second"))) {
        *error = QStringLiteral("give --link or --second, not both");
        return false;
    }
    if (!parser.isSet(QStringLiteral("key"))) {
        *error = QStringLiteral("%1 needs --key with a configuration file").arg(command);
        return false;
    }
    *layer = DeviceRecordLayout::FirstLayer;
    if (!boundedNumber(parser, commandLineOption(Option::Key), 1, DeviceRecordLayout::Keys, key, error)
        || !linkOption(parser, layer, error)) {
        return false;
    }
    if (parser.isSet(QStringLiteral("second"))) {
        *layer = DeviceRecordLayout::SecondLayer;
    }
    return true;
}

} // namespace RecordOption
