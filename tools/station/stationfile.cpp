#include "stationfile.h"

#include "boundedread.h"
#include "jsonfields.h"
#include "portselector.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace {

using JsonFields::hasControlCharacters;
using JsonFields::knownKeysOnly;
using JsonFields::refuse;

bool readSlot(const QJsonValue& value, const QString& place, StationSlot* slot, QString* error)
{
    if (!value.isObject()) {
        return refuse(error, place, QStringLiteral("expected an object with \"name\" and \"port\""));
    }
    const QJsonObject object = value.toObject();
    if (!knownKeysOnly(object, place, {QStringLiteral("name"), QStringLiteral("port")}, error)) {
        return false;
    }
    for (const char* key : {"name", "port"}) {
        if (!object.value(QLatin1String(key)).isString()) {
            return refuse(error, place + QLatin1Char('.') + QLatin1String(key), QStringLiteral("expected text"));
        }
    }
    slot->name = object.value(QLatin1String("name")).toString();
    slot->port = object.value(QLatin1String("port")).toString();
    const QString namePlace = place + QStringLiteral(".name");
    if (slot->name.trimmed().isEmpty()) {
        return refuse(error, namePlace, QStringLiteral("a slot needs a name"));
    }
    if (slot->name.size() > StationFile::MaxNameLength) {
        return refuse(error, namePlace, QStringLiteral("longer than %1 characters").arg(StationFile::MaxNameLength));
    }
    if (hasControlCharacters(slot->name)) {
        return refuse(error, namePlace, QStringLiteral("has control characters"));
    }
    PortSelector selector;
    QString why;
    if (!PortSelector::parse(slot->port, &selector, &why)) {
        return refuse(error, place + QStringLiteral(".port"), why);
    }
    return true;
}

} // namespace

bool StationFile::parse(const QByteArray& text, QList<StationSlot>* stationSlots, QString* error)
{
    QJsonObject root;
    if (!JsonFields::parseObject(text, QStringLiteral("expected a JSON object with \"slots\""), &root, error)) {
        return false;
    }
    if (!knownKeysOnly(root, QString(), {QStringLiteral("slots")}, error)) {
        return false;
    }
    const QJsonValue list = root.value(QLatin1String("slots"));
    if (!list.isArray() || list.toArray().isEmpty() || list.toArray().size() > StationSlot::MaxSlots) {
        return refuse(error, QStringLiteral("slots"),
                      QStringLiteral("expected a list of 1 to %1 slots").arg(StationSlot::MaxSlots));
    }
    QList<StationSlot> read;
    const QJsonArray entries = list.toArray();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString place = QStringLiteral("slots[%1]").arg(i);
        StationSlot slot;
        if (!readSlot(entries.at(i), place, &slot, error)) {
            return false;
        }
        for (const StationSlot& earlier : read) {
            if (earlier.name == slot.name) {
                return refuse(error, place + QStringLiteral(".name"),
                              QStringLiteral("the slot %1 is named twice").arg(slot.name));
            }
            if (earlier.port == slot.port) {
                return refuse(error, place + QStringLiteral(".port"),
                              QStringLiteral("%1 is already the port of %2").arg(slot.port, earlier.name));
            }
        }
        read << slot;
    }
    *stationSlots = read;
    return true;
}

bool StationFile::read(const QString& path, QList<StationSlot>* stationSlots, QString* error)
{
    return JsonFields::readFile(
        path, MaxUserFileBytes, QStringLiteral("cannot read the station file: %1"),
        QStringLiteral("the station file %1: %2"),
        [stationSlots](const QByteArray& text, QString* why) { return parse(text, stationSlots, why); }, error);
}
