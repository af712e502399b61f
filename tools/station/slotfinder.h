#ifndef SLOTFINDER_H
#define SLOTFINDER_H

#include "portlisting.h"
#include "stationslot.h"

#include <QList>
#include <QString>
#include <QStringList>

// Where the slots of a station find their ports, by one rule for "ports
// --station", a run and a shift: a slot named by a name or a path has its port
// while that path exists (a symbolic link to a node that is gone does not);
// one named by its adapter when exactly one listed port fits and its node is
// there. Two slots whose ports are one node (a link and its target, or two
// selectors of one adapter) would hand one device two programs: see clashes().
namespace SlotFinder {

struct Found {
    QString node; // as a session opens it: a slot's name or path as given, else the listed node
    QString missing; // why there is no node: "/dev/ttyUSB3 does not exist", "no port has ..."
    bool byPath = false; // the slot names its port, not its adapter
};

// The port of `slot` now; `listed` is read only for a slot named by its adapter.
Found find(const StationSlot& slot, const QList<ListedPort>& listed);

// For each slot whose node an earlier slot found too: "A2 (location=1-1.4):
// /dev/ttyUSB0 is also the port of A1". `found` is in the order of `stationSlots`.
QStringList clashes(const QList<StationSlot>& stationSlots, const QList<Found>& found);

} // namespace SlotFinder

#endif // SLOTFINDER_H
