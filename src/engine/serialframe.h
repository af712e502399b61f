#ifndef SERIALFRAME_H
#define SERIALFRAME_H

#include "devicerecordlayout.h"

#include <QByteArray>
#include <QByteArrayView>

// Framing of the device protocol: "SETS", a length byte, the payload. A payload
// that already carries "SETS" (a device record) goes on the wire unchanged. The
// device echoes each frame; its bytes from offset 5 on are compared by CRC.
namespace SerialFrame {

// The device link's defaults: how often a frame is sent before the link gives
// up, and how long each echo is waited for. Every caller starts from these.
constexpr int Attempts = 6;
constexpr int TimeoutMs = 1000;
constexpr int HeaderSize = DeviceRecordLayout::FrameHeaderSize;

// The ISO 3309 (X.25) CRC-16 that compares an echo with what was sent.
quint16 crc(QByteArrayView data);
// What goes on the wire for this payload.
QByteArray frame(const QByteArray& payload);
// The CRC an echo of this payload's frame must have from offset 5 on.
quint16 expectedCrc(const QByteArray& payload);
// Whether an echo matches; an echo shorter than the 5 header bytes never does.
bool echoMatches(const QByteArray& echo, quint16 expected);

} // namespace SerialFrame

#endif // SERIALFRAME_H
