#ifndef DEVICERECORDLAYOUT_H
#define DEVICERECORDLAYOUT_H

#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QString>

// How the device lays out its records, and the names users know them by.
// A record is
//     "SETS", length (size - 5), key, '-', link (6: second layer), baud (0-7),
//     parity (0-4), delay, 'E' (a command follows) or 'D' (none), '1', command
// and every other frame on the wire starts with the same tag and length byte.
namespace DeviceRecordLayout {

// The frame: tag, then a length byte counting the bytes after it.
inline constexpr QByteArrayView Tag("SETS");
// A loaded record is acknowledged by sending it back with this tag.
inline constexpr QByteArrayView AckTag("RETS");
constexpr int TagSize = 4;
constexpr int LengthOffset = 4;
constexpr int FrameHeaderSize = 5;

constexpr int KeyOffset = 5;
constexpr int DashOffset = 6;
constexpr int LinkOffset = 7;
constexpr int BaudOffset = 8;
constexpr int ParityOffset = 9;
constexpr int DelayOffset = 10;
constexpr int CommandFlagOffset = 11;
constexpr int EndMarkOffset = 12;
constexpr int HeaderSize = 13;

constexpr char Dash = '-';
constexpr char CommandFollows = 'E';
constexpr char NoCommand = 'D';
constexpr char EndMark = '1';

// The largest baud and parity bytes the device knows (115200 baud, mark parity).
constexpr int MaxBaudByte = 7;
constexpr int MaxParityByte = 4;

// The length byte of a record without a command, and the command bytes the
// one-byte length leaves room for.
constexpr int MinLength = HeaderSize - FrameHeaderSize;
constexpr int MaxCommandBytes = 255 - MinLength;

// A key's layers as the link byte numbers them: 1 its first layer, 2 to 5
// its links, 6 its second layer.
constexpr int FirstLayer = 1;
constexpr int FirstLink = 2;
constexpr int SecondLayer = 6;
constexpr int Keys = 6;
constexpr int Links = 5; // a key's own record and its four links
constexpr int Records = Keys * (Links + 1);

static_assert(TagSize == 4 && FrameHeaderSize == TagSize + 1 && Links < SecondLayer);

// The byte at `offset`, 0 to 255; one beyond the end reads as 0, so a record
// cut short never reads past its end.
inline int byteAt(QByteArrayView bytes, qsizetype offset)
{
    return offset < bytes.size() ? static_cast<uchar>(bytes.at(offset)) : 0;
}

// A key's layers in the order the device keeps and sends them: the first
// layer, the second layer, then links 2 to `links`.
QList<int> layerOrder(int links = Links);
// Every (key, layer) of a grid in the device's order: key 1's layers, key 2's, ...
QList<QPair<int, int>> recordOrder(int keys = Keys, int links = Links);

// Links 2 to 5 sit on the window's link buttons labelled 13 to 16, and
// people know a link by that label.
constexpr int FirstLinkButton = 13;
constexpr int linkButton(int layer)
{
    return layer - FirstLink + FirstLinkButton;
}
// The layer of a link given by its button's label (13 to 16) or by the
// layer's own number (2 to 5); 0 for anything else.
int linkLayer(int number);

// The name the user knows a record by: "Key 2", "Key 2, second layer",
// "Key 2, link 14".
QString recordName(int key, int layer);

} // namespace DeviceRecordLayout

#endif // DEVICERECORDLAYOUT_H
