#ifndef DEVICERECORDSTREAM_H
#define DEVICERECORDSTREAM_H

#include "devicerecordlayout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Finds the device's records in the bytes that come in during a load.
//
// The device sends its records one after another, each as
//     "SETS", length (size - 5), key, '-', link (6: second layer), baud (0-7),
//     parity (0-4), delay, 'E' (a command follows) or 'D' (none), '1', command
// and waits for an acknowledgement after each. Line noise, a stray answer or a
// record cut short may come in between. The stream is fed the bytes as they
// arrive, in chunks of any size, and hands back each record that is whole and
// consistent:
//   - the length byte is at least 8 and the record has that many bytes;
//   - '-', '1' and the 'E'/'D' byte are as the device sends them ('D' exactly
//     when there is no command), baud and parity are in range;
//   - its key is 1 to `keys` and its link 1 to `links`, or 6 for a key's
//     second layer;
//   - no other record starts inside it. A record cut short and followed at
//     once by the next one would otherwise take the next one's first bytes as
//     its own: a "SETS" inside the declared length, followed by at least a
//     consistent length, key, '-' and link (and whatever further header bytes
//     lie inside), marks the outer record as cut. A cut that leaves fewer than
//     eight bytes of the next record inside the declared length cannot be told
//     from a command that ends in such bytes.
// Anything else is skipped up to the next "SETS". Consistent records that name
// a key or link outside the grid are stray: skipped whole, never handed back.
//
// The stream stops taking bytes (isFinished()) once it has every record of the
// grid, after more than MaxNoiseBytes skipped bytes, or after more than
// MaxStrayRecords records that brought nothing new (stray ones and repeats).
//
// What it hands back and every count depend only on the bytes, never on where
// the chunks were cut: feeding a load byte by byte gives the same records in the
// same order, and the same counts, as feeding it in one piece.
//
// Typical use, reading from a port:
//
//     DeviceRecordStream stream;
//     while (!stream.isFinished()) {
//         const QByteArray bytes = port.read(stream.bytesWanted());
//         if (bytes.isEmpty()) break;
//         for (const QByteArray& record : stream.feed(bytes)) { apply and acknowledge }
//     }
//     stream.missingNames();   // "Key 6, link 16", ... in the device's order
class DeviceRecordStream
{
public:
    using Key = QPair<int, int>; // (key, link; 6 for the key's second layer)

    static constexpr int HeaderSize = DeviceRecordLayout::HeaderSize;
    static constexpr int SecondLayer = DeviceRecordLayout::SecondLayer;
    static constexpr int DeviceKeys = DeviceRecordLayout::Keys;
    static constexpr int DeviceLinks = DeviceRecordLayout::Links;
    static constexpr int MaxNoiseBytes = 4096;
    static constexpr int MaxStrayRecords = 36;

    enum class State {
        Reading, // wants more bytes
        Complete, // every record of the grid has arrived
        TooMuchNoise, // more than MaxNoiseBytes skipped
        TooManyStrays // more than MaxStrayRecords that brought nothing new
    };

    // A grid of `keys` keys (1 to 255) with `links` records each (1 to 5: the
    // key's own and its links), plus each key's second layer.
    explicit DeviceRecordStream(int keys = DeviceKeys, int links = DeviceLinks);

    // Takes the next bytes and returns the records they completed, in the
    // order they came. Bytes fed after the stream has finished are ignored.
    QList<QByteArray> feed(QByteArrayView bytes);

    State state() const { return m_state; }
    bool isFinished() const { return m_state != State::Reading; }
    // At most this many bytes can be taken before the stream can decide
    // something (at least 1 while reading, 0 once finished). Reading more
    // than this could wait for bytes the device sends only after an
    // acknowledgement.
    int bytesWanted() const;

    int keys() const { return m_keys; }
    int links() const { return m_links; }
    // The records a full load brings: keys x (links + 1).
    int expectedRecords() const { return m_keys * (m_links + 1); }
    int distinctRecords() const { return m_distinct; }
    bool hasRecord(int key, int link) const;
    // The grid's records that have not arrived, in the order the device
    // sends them (key 1, its second layer, links 2 to 5, key 2, ...).
    QList<Key> missingRecords() const;
    QStringList missingNames() const;

    int noiseBytes() const { return m_noiseBytes; } // skipped, cut records included
    int cutRecords() const { return m_cutRecords; } // records another one started inside
    int malformedRecords() const { return m_malformed; } // a "SETS" without a consistent header
    int strayRecords() const { return m_strayRecords; } // consistent, but outside the grid
    int repeatedRecords() const { return m_repeated; } // handed back again

    // Whether `record` is one whole, consistent record of this grid.
    bool isWholeRecord(QByteArrayView record) const;
    // The name the user knows a record by: "Key 2", "Key 2, second layer",
    // "Key 2, link 14".
    static QString recordName(int key, int link) { return DeviceRecordLayout::recordName(key, link); }

private:
    enum class Verdict { NeedMore, Malformed, Cut, Whole, Stray };

    Verdict judge(qsizetype* cutAt);
    bool headerConsistent(QByteArrayView bytes, qsizetype end) const;
    bool inGrid(int key, int link) const;
    int slot(int key, int link) const;
    void skip(qsizetype count);
    void accept(QList<QByteArray>* records);

    int m_keys;
    int m_links;
    State m_state = State::Reading;
    QByteArray m_pending; // starts with a (part of a) tag, or is empty
    qsizetype m_scanFrom = 0; // inner starts before this are ruled out
    QList<bool> m_seen;
    int m_distinct = 0;
    int m_noiseBytes = 0;
    int m_cutRecords = 0;
    int m_malformed = 0;
    int m_strayRecords = 0;
    int m_repeated = 0;
};

#endif // DEVICERECORDSTREAM_H
