// The clipboard's text pasted onto a key and onto a link. A clip is refused with a
// message and changes nothing, or it pastes, and copying what it pasted and pasting
// that again onto fresh records gives the same file.
#include "appdata.h"
#include "fuzzsupport.h"
#include "programclip.h"

namespace {

constexpr int TargetKey = 4;

void pasteAndCopyBack(const ProgramClip::Clip& clip, int link)
{
    ProgramRecords target;
    target.newData(6, 5);
    const QByteArray fresh = Fuzz::saveToBytes(&target);
    QString error;
    if (!clip.pasteOnto(&target, TargetKey, link, &error)) {
        Fuzz::check(!error.isEmpty(), "a paste was refused without a message");
        Fuzz::check(Fuzz::saveToBytes(&target) == fresh, "a refused paste changed the records");
        return;
    }
    if (clip.keys().size() != 1) {
        return; // an export goes onto its own keys; the copy back is of one key
    }
    const QByteArray copied = clip.kind() == ProgramClip::Clip::Kind::Record
        ? ProgramClip::copyRecord(target, TargetKey, link)
        : ProgramClip::copyKey(target, TargetKey);
    ProgramClip::Clip again;
    Fuzz::check(again.read(copied, &error), "the copy of a pasted clip was refused");
    ProgramRecords second;
    second.newData(6, 5);
    Fuzz::check(again.pasteOnto(&second, TargetKey, link, &error), "the copy of a pasted clip did not paste");
    Fuzz::check(Fuzz::saveToBytes(&second) == Fuzz::saveToBytes(&target), "copy and paste changed a record");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ProgramClip::Clip clip;
    QString error;
    if (!clip.read(Fuzz::bytes(data, size), &error)) {
        Fuzz::check(!error.isEmpty(), "a clip was refused without a message");
        return 0;
    }
    pasteAndCopyBack(clip, 0);
    pasteAndCopyBack(clip, 3);
    return 0;
}
