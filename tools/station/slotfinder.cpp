#include "slotfinder.h"

#include "portselector.h"
#include "progressoutput.h"
#include "seriallink.h"

#include <QFileInfo>
#include <QHash>

namespace SlotFinder {

Found find(const StationSlot& slot, const QList<ListedPort>& listed)
{
    Found found;
    PortSelector selector;
    QString node;
    if (!PortSelector::parse(slot.port, &selector, &found.missing)) {
        return found;
    }
    found.byPath = selector.kind() == PortSelector::Kind::Name;
    if (!selector.resolve(listed, &node, &found.missing)) {
        return found;
    }
    // A path is there or not whatever the list says; a listed node goes with its adapter before the list knows.
    const QString path = SerialLink::nodePath(node);
    if (!QFileInfo::exists(path)) {
        found.missing = QStringLiteral("%1 does not exist").arg(path);
        return found;
    }
    found.node = node;
    return found;
}

QStringList clashes(const QList<StationSlot>& stationSlots, const QList<Found>& found)
{
    QStringList said;
    QHash<QString, QString> slotOf; // node as its links lead -> the first slot that found it
    for (qsizetype i = 0; i < stationSlots.size() && i < found.size(); ++i) {
        const QString node = found.at(i).node;
        if (node.isEmpty()) {
            continue;
        }
        const StationSlot& station = stationSlots.at(i);
        const QString same = SerialLink::realNode(node);
        const auto first = slotOf.constFind(same);
        if (first == slotOf.cend()) {
            slotOf.insert(same, station.name);
            continue;
        }
        said << QStringLiteral("%1: %2 is also the port of %3")
                    .arg(ProgressOutput::label(station.name, station.port), node, first.value());
    }
    return said;
}

} // namespace SlotFinder
