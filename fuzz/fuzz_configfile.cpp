// The configuration-file loader. A refused file must leave the model as it
// was; an accepted one must save to bytes that load and save to themselves.
#include "appdata.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Start from a filled model unlike any seed, so a refused file that
    // changed a field shows.
    ProgramRecords model;
    model.newData(6, 5);
    Fuzz::fillModel(&model, true);
    for (int x = 1; x <= model.getMaxButtonId(); ++x) {
        for (int y = 1; y <= model.getMaxLinkId(); ++y) {
            model.getDataObject(x, y)->setCommand(QStringLiteral("B%1F%2").arg(x).arg(y));
        }
        model.getButtonData(x)->setButtonName(QStringLiteral("Before %1").arg(x));
    }
    const QByteArray before = Fuzz::saveToBytes(&model);

    if (!Fuzz::loadFromBytes(&model, Fuzz::bytes(data, size))) {
        Fuzz::check(Fuzz::saveToBytes(&model) == before, "a refused file changed the model");
        return 0;
    }

    const QByteArray saved = Fuzz::saveToBytes(&model);
    ProgramRecords fresh;
    fresh.newData(6, 5);
    Fuzz::check(Fuzz::loadFromBytes(&fresh, saved), "a saved file was refused");
    Fuzz::check(Fuzz::saveToBytes(&fresh) == saved, "save, load, save changed the file");
    // Loading it over the model it came from changes nothing either.
    Fuzz::check(Fuzz::loadFromBytes(&model, saved), "a saved file was refused by its own model");
    Fuzz::check(Fuzz::saveToBytes(&model) == saved, "loading its own file changed the model");
    return 0;
}
