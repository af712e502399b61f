#ifndef STATIONFILE_H
#define STATIONFILE_H

#include "stationslot.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A programming station's slots, for --station:
//     {"slots": [{"name": "A1", "port": "serial=FT1234AB"}, ...]}
// Checked whole before anything is done with it: each name non-empty, at most
// MaxNameLength characters, without control characters and unique; each port
// a valid selector (see PortSelector) and unique; one slot at least and at
// most as many as a run takes. No key twice, no key it does not know.
class StationFile
{
public:
    static constexpr int MaxNameLength = 32;

    // False with `error` naming the file and the place ("slots[2].prot: ...").
    static bool read(const QString& path, QList<StationSlot>* stationSlots, QString* error);
    // The same for the text of a file; `error` names the place only.
    static bool parse(const QByteArray& text, QList<StationSlot>* stationSlots, QString* error);
};

#endif // STATIONFILE_H
