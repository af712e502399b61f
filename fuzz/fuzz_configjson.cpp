// The command-line companion's JSON import. A document is either refused with
// a message, or the file it makes survives export and import byte for byte.
#include "appdata.h"
#include "configjson.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ProgramRecords imported;
    imported.newData(6, 5);
    QString error;
    if (!ConfigJson::fromJson(Fuzz::bytes(data, size), &imported, &error)) {
        Fuzz::check(!error.isEmpty(), "a document was refused without a message");
        return 0;
    }
    const QByteArray file = Fuzz::saveToBytes(&imported);

    // What `export` then `import` do with that file.
    ProgramRecords loaded;
    loaded.newData(6, 5);
    Fuzz::check(Fuzz::loadFromBytes(&loaded, file), "the file made from a document was refused");
    const QByteArray exported = ConfigJson::toJsonText(loaded);

    ProgramRecords reimported;
    reimported.newData(6, 5);
    QString reimportError;
    Fuzz::check(ConfigJson::fromJson(exported, &reimported, &reimportError), "an exported document was refused");
    Fuzz::check(Fuzz::saveToBytes(&reimported) == file, "export then import changed the file");
    Fuzz::check(ConfigJson::toJsonText(reimported) == exported, "export is not stable");
    return 0;
}
