#ifndef PROGRAMCLIP_H
#define PROGRAMCLIP_H

#include <QByteArray>
#include <QList>
#include <QString>

class ProgramRecords;

// Part of a program as text to copy and paste: the configuration's JSON form
// (see configjson.h) holding only what was copied, so the text reads as an
// export and an export pastes as a clip.
//
//   one key's program  {"format": ..., "keys": [{"key": 3, "name": ..., "command": ...,
//                        "secondLayer": {...}, "links": [...4 links...]}]}
//   one record         {"format": ..., "keys": [{"key": 3, "links": [{"link": 2, ...}]}]}
//                      (a key entry with nothing but its number and one link)
//   several keys       an export: each key goes onto the key of its number
//
// A clip is read whole before anything is pasted: it is refused when it is not
// the JSON form, when a value lies outside what the editor can show (a command
// over 128 bytes or not plain hex, a line setting or delay out of range), or
// when it does not fit the place it is pasted on. A refused paste changes nothing.
namespace ProgramClip {

// Every record of `key`: its own, the second layer, the four links, the names.
QByteArray copyKey(const ProgramRecords& records, int key);
// One record: a key's own (link 1) or one of its links (2 to 5).
QByteArray copyRecord(const ProgramRecords& records, int key, int link);

class Clip
{
public:
    enum class Kind { Keys, Record };

    Clip();
    ~Clip();
    Clip(const Clip&) = delete;
    Clip& operator=(const Clip&) = delete;

    // False with the reason in the user's words; the clip is then empty.
    bool read(const QByteArray& text, QString* error);

    Kind kind() const { return m_kind; }
    // The keys the text holds, in its order (one for a single key or a record).
    QList<int> keys() const { return m_keys; }

    // Pastes onto the place the user chose. A clip of one key replaces every
    // record of `key`; a record replaces the record `link` of `key` and needs a
    // link (2 to 5) to go on; several keys go onto their own numbers whatever
    // is chosen. False with the reason, `target` untouched, when it does not fit.
    bool pasteOnto(ProgramRecords* target, int key, int link, QString* error) const;

    // The keys a paste onto `key` changes, for the user's words ("Key 5").
    QList<int> keysChangedBy(int key) const;

private:
    ProgramRecords* m_records;
    Kind m_kind = Kind::Keys;
    QList<int> m_keys;
    int m_link = 0;
};

} // namespace ProgramClip

#endif // PROGRAMCLIP_H
