// A command library file. A file is either refused with a message, or gives
// entries that all render at their defaults within the bounds, with names
// once each, and that are written back to JSON which reads as the same entries.
#include "commandlibrary.h"
#include "fuzzsupport.h"
#include "librarycommand.h"
#include "typedbytes.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QList<LibraryEntry> entries;
    QString error;
    if (!CommandLibrary::parse(Fuzz::bytes(data, size), &entries, &error)) {
        Fuzz::check(!error.isEmpty(), "a library was refused without a message");
        return 0;
    }
    QSet<QString> names;
    for (const LibraryEntry& entry : entries) {
        names.insert(entry.name);
        Fuzz::check(CommandLibrary::check(entry).isEmpty(), "a library took an entry that check() refuses");
        LibraryCommand::Bytes bytes;
        Fuzz::check(LibraryCommand::render(entry, {}, &bytes, &error), "an entry does not render at its defaults");
        Fuzz::check(!bytes.bytes.isEmpty() && bytes.bytes.size() <= TypedBytes::MaxBytes,
                    "an entry rendered to no bytes or too many");
        Fuzz::check(bytes.checksumAt + bytes.checksumLength <= bytes.bytes.size(), "a checksum lies past the bytes");
    }
    Fuzz::check(names.size() == entries.size(), "an entry name is given twice");
    QList<LibraryEntry> again;
    Fuzz::check(CommandLibrary::parse(CommandLibrary::toJson(entries), &again, &error) && again == entries,
                "a library written back does not read as the same entries");
    return 0;
}
