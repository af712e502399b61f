#include "slotports.h"

#include "portselector.h"
#include "seriallink.h"
#include "slotfinder.h"

#include <QFileInfo>

#include <algorithm>

QList<ListedPort> SlotPorts::listed(QString* error)
{
    if (!m_listedAt.isValid() || m_listedAt.elapsed() >= ListEveryMs) {
        m_listError.clear();
        m_listed = PortListing::current(&m_listError);
        m_listedAt.start();
    }
    *error = m_listError;
    return m_listed;
}

StationWatch::Place SlotPorts::locate(const StationSlot& slot)
{
    StationWatch::Place place;
    PortSelector selector;
    if (!PortSelector::parse(slot.port, &selector, &place.why)) {
        return place;
    }
    const std::lock_guard<std::mutex> lock(m_mutex);
    // Checked at once: a device taken away with its adapter is seen within the slot's next look.
    QString error;
    const bool byAdapter = selector.kind() != PortSelector::Kind::Name;
    const QList<ListedPort> ports = byAdapter ? listed(&error) : QList<ListedPort>();
    const SlotFinder::Found found = error.isEmpty() ? SlotFinder::find(slot, ports) : SlotFinder::Found();
    QString node = found.node;
    // An adapter that drops out of the list for a moment keeps its node, and
    // its device is still there: the slot keeps the node while it exists and
    // the list gives it to no other adapter.
    const QString kept = m_nodeOf.value(slot.name);
    if (node.isEmpty() && byAdapter && !kept.isEmpty() && QFileInfo::exists(kept)
        && std::none_of(ports.cbegin(), ports.cend(), [&kept](const ListedPort& port) {
               return SerialLink::realNode(port.node) == SerialLink::realNode(kept);
           })) {
        node = kept;
    }
    if (node.isEmpty()) {
        place.why = found.byPath
            ? QStringLiteral("waiting for the port: %1").arg(found.missing)
            : QStringLiteral("waiting for the adapter: %1").arg(error.isEmpty() ? found.missing : error);
    }
    // Let go of what the slot held before, then hold what it found, unless another slot holds it.
    for (auto held = m_heldBy.begin(); held != m_heldBy.end();) {
        held = held.value() == slot.name ? m_heldBy.erase(held) : std::next(held);
    }
    m_nodeOf.remove(slot.name);
    if (node.isEmpty()) {
        return place;
    }
    // One node reached through two names (a link and its target) is one port.
    const QString same = SerialLink::realNode(node);
    const QString holder = m_heldBy.value(same);
    if (!holder.isEmpty()) {
        place.why = QStringLiteral("%1 is the port of the slot %2 now").arg(node, holder);
        return place;
    }
    m_heldBy.insert(same, slot.name);
    m_nodeOf.insert(slot.name, node);
    place.node = node;
    return place;
}

PortIdentity SlotPorts::identify(const QString& node)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    QString error;
    return PortIdentity::of(node, listed(&error));
}
