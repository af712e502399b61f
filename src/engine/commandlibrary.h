#ifndef COMMANDLIBRARY_H
#define COMMANDLIBRARY_H

#include "checksumrule.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A library of named equipment commands, shared as a JSON file
// (docs/library.md):
//     {"format": "kvr210c-library", "version": 1,
//      "entries": [{"name": "Input", "equipment": "Example projector", "group": "Input",
//                   "hex": "AA 02 {input} 00",
//                   "params": [{"name": "input", "kind": "byte", "min": 1, "max": 4, "default": 1}],
//                   "checksum": {"rule": "crc16-modbus", "skip": 0, "trail": 0},
//                   "line": "9600,8-N-1", "reply": "AA 06 ??", "note": "..."}]}

// A value put into a command where its template says {name}.
struct LibraryParam {
    enum class Kind {
        Byte, // one binary byte
        Decimal, // ASCII digits, padded with zeros to `width` when it is given
        HexDigits, // upper-case ASCII hex digits, `width` of them
    };
    QString name;
    Kind kind = Kind::Byte;
    int min = 0;
    int max = 255;
    int defaultValue = 0;
    int width = 0; // 0: as many digits as the value takes (Decimal only)

    bool operator==(const LibraryParam& other) const
    {
        return name == other.name && kind == other.kind && min == other.min && max == other.max
            && defaultValue == other.defaultValue && width == other.width;
    }
    bool operator!=(const LibraryParam& other) const { return !(*this == other); }
};

struct LibraryChecksum {
    enum class Order { Usual, Big, Little };
    ChecksumRule::Rule rule = ChecksumRule::Rule::Sum8;
    int skip = 0; // leading bytes it does not cover
    int trail = 0; // trailing bytes it does not cover; it goes before them
    Order order = Order::Usual;
    bool ascii = false; // as upper-case hex digits instead of binary

    bool operator==(const LibraryChecksum& other) const
    {
        return rule == other.rule && skip == other.skip && trail == other.trail && order == other.order
            && ascii == other.ascii;
    }
    bool operator!=(const LibraryChecksum& other) const { return !(*this == other); }
};

struct LibraryEntry {
    QString name; // unique within a library
    QString equipment;
    QString group;
    // The template: exactly one of the two is set. hex: hex pairs with {param}
    // places; text: text with \r \n \t \\ \xNN escapes and {param} places.
    QString hex;
    QString text;
    QList<LibraryParam> params;
    std::optional<LibraryChecksum> checksum;
    QString line; // "9600,8-N-1"; empty when the entry names none
    // The expected beginning of a reply: hex pairs with ?? for any byte, or
    // text as `text` is written (replyIsText); empty when none is expected.
    QString reply;
    bool replyIsText = false;
    QString note;

    bool isText() const { return hex.isEmpty() && !text.isEmpty(); }
    // Null when it has no parameter of that name.
    const LibraryParam* param(const QString& name) const;

    bool operator==(const LibraryEntry& other) const
    {
        return name == other.name && equipment == other.equipment && group == other.group && hex == other.hex
            && text == other.text && params == other.params && checksum == other.checksum && line == other.line
            && reply == other.reply && replyIsText == other.replyIsText && note == other.note;
    }
    bool operator!=(const LibraryEntry& other) const { return !(*this == other); }
};

// Reading, checking and writing library files. A file is checked whole and
// refused whole: a missing or mistyped field, a key given twice, a field it
// does not know, a template whose places name no parameter, a parameter no
// place uses, a range or default out of bounds, line settings a record cannot
// hold, a name given to two entries, or a file beyond the bounds below. The
// error names the place: "entries[3].params[0].max: ...".
class CommandLibrary
{
public:
    static constexpr int FormatVersion = 1;
    static constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;
    static constexpr int MaxEntries = 5000;
    static constexpr int MaxParams = 8;
    static constexpr int MaxNameLength = 80; // name, equipment, group, parameter names
    static constexpr int MaxNoteLength = 2000;
    static constexpr int MaxTemplateLength = 2048; // characters of hex or text

    static bool parse(const QByteArray& json, QList<LibraryEntry>* entries, QString* error);
    // As parse, with the file's name in the error; a file beyond MaxFileBytes
    // (whatever else it holds), a folder, a pipe or a device is refused unread.
    static bool read(const QString& path, QList<LibraryEntry>* entries, QString* error);
    // The JSON that parse reads back to the same entries.
    static QByteArray toJson(const QList<LibraryEntry>& entries);
    // Written safely: a save that fails (a full disk) leaves the old file whole.
    static bool save(const QString& path, const QList<LibraryEntry>& entries, QString* error);
    // Why `entry` cannot go into a library (empty: it can), as parse would refuse it.
    static QString check(const LibraryEntry& entry);

    // The library of generic commands installed with the program, relative to a
    // data folder (/usr/share), and where it is found: empty when it is not installed.
    static constexpr char ShippedLibrary[] = "kvr210c/library/generic.kvrlib.json";
    static QString shippedLibraryPath();
};

#endif // COMMANDLIBRARY_H
