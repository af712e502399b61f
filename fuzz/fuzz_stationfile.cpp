// A programming station's file of slots. A file is either refused with a
// message, or gives slots a run can use: 1 to 64, each name and port once,
// each name short and printable, each port a selector that parses again.
#include "devicecommands.h"
#include "fuzzsupport.h"
#include "portselector.h"
#include "stationfile.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QList<StationSlot> stationSlots;
    QString error;
    if (!StationFile::parse(Fuzz::bytes(data, size), &stationSlots, &error)) {
        Fuzz::check(!error.isEmpty(), "a station file was refused without a message");
        return 0;
    }
    Fuzz::check(!stationSlots.isEmpty() && stationSlots.size() <= DeviceCommands::MaxPorts,
                "a station file was taken with no slots or too many");
    QSet<QString> names;
    QSet<QString> ports;
    for (const StationSlot& slot : stationSlots) {
        Fuzz::check(!slot.name.trimmed().isEmpty() && slot.name.size() <= StationFile::MaxNameLength,
                    "a slot's name is empty or too long");
        names.insert(slot.name);
        ports.insert(slot.port);
        PortSelector selector;
        QString why;
        Fuzz::check(PortSelector::parse(slot.port, &selector, &why), "a slot's port does not parse");
        QString node;
        // Against no ports: a name is itself, an adapter is missing.
        Fuzz::check(selector.resolve({}, &node, &why) == (selector.kind() == PortSelector::Kind::Name),
                    "an adapter was found among no ports, or a name was not");
    }
    Fuzz::check(names.size() == stationSlots.size() && ports.size() == stationSlots.size(),
                "a name or a port is given twice");
    return 0;
}
