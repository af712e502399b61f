#ifndef SLOTPORTS_H
#define SLOTPORTS_H

#include "portidentity.h"
#include "portlisting.h"
#include "stationslot.h"
#include "stationwatch.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>

#include <mutex>

// Where the slots of a shift find their ports (by SlotFinder), asked by every slot's thread
// many times a second: a slot named by a path has its port while the path
// exists (a symbolic link to a node that is gone does not); one named by its
// adapter looks it up in the system's port list, read at most once a second
// for all slots together.
//
// A port is held by the slot that found it until that slot finds another or
// none, so two slots that name one adapter in two ways never share it: the
// second is told whose port it is. An adapter missing from the list keeps
// its slot's node while the node is there and listed for no other adapter.
class SlotPorts
{
public:
    static constexpr int ListEveryMs = 1000;

    StationWatch::Place locate(const StationSlot& slot);
    // What the port list tells of the adapter of `node` (a path's own when unlisted).
    PortIdentity identify(const QString& node);

private:
    QList<ListedPort> listed(QString* error);

    std::mutex m_mutex;
    QElapsedTimer m_listedAt;
    QList<ListedPort> m_listed;
    QString m_listError;
    QHash<QString, QString> m_heldBy; // node as its links lead, -> slot name
    QHash<QString, QString> m_nodeOf; // slot name -> the node it holds, as found
};

#endif // SLOTPORTS_H
