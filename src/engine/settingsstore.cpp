#include "settingsstore.h"

namespace SettingsStore {

QSettings open()
{
    return QSettings(QStringLiteral("KVR210C"), QStringLiteral("kvr210c"));
}

QString lastPort()
{
    const QString port = open().value(QLatin1String(LastPortKey)).toString();
    if (!port.isEmpty()) {
        return port;
    }
    // Versions before this one stored the port without naming an organisation.
    return QSettings(QStringLiteral("Unknown Organization"), QStringLiteral("kvr210c"))
        .value(QLatin1String(LastPortKey))
        .toString();
}

void setLastPort(const QString& portName)
{
    open().setValue(QLatin1String(LastPortKey), portName);
}

} // namespace SettingsStore
