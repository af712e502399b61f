#ifndef STATIONSLOT_H
#define STATIONSLOT_H

#include <QString>

// A place on a programming fixture where a device is plugged in: the name
// written on the fixture ("A1") and the port that reaches it as the user gave
// it: a name or path ("ttyUSB0", "/dev/serial/by-path/..."), or the adapter
// that serves it ("serial=FT1234AB", "location=1-1.4", "usb=0403:6001").
// A slot given only with --port is named by that text.
struct StationSlot {
    // A production bench has a few dozen adapters at most; each slot takes a thread.
    static constexpr int MaxSlots = 64;

    QString name;
    QString port;
};

#endif // STATIONSLOT_H
