#ifndef SHELFLIBRARY_H
#define SHELFLIBRARY_H

// A small command library for the shelf's and the Command Library window's tests:
//   "Input"     AA 02 {input} 00 and a CRC-16/MODBUS, input 1 to 4, at 19200,8-E-1,
//               reply AA 06 ??: input 4 makes AA 02 04 00 82 FC;
//   "Power on"  PWR ON\r, no line settings of its own, reply text "OK";
//   "Banner"    129 bytes of text: more than a record holds.
#include "libraryfiles.h"

#include <QByteArray>

inline QByteArray shelfLibraryJson()
{
    return libraryJson(QByteArray(R"(
  {"name": "Input", "equipment": "Hall projector", "group": "Source", "hex": "AA 02 {input} 00",
   "params": [{"name": "input", "kind": "byte", "min": 1, "max": 4, "default": 1}],
   "checksum": {"rule": "crc16-modbus", "skip": 0, "trail": 0}, "line": "19200,8-E-1", "reply": "AA 06 ??"},
  {"name": "Power on", "equipment": "Stage camera", "group": "Power", "text": "PWR ON\\r", "reply_text": "OK"},
  {"name": "Banner", "equipment": "Stage camera", "group": "Display", "text": ")")
                       + QByteArray(129, 'A') + QByteArray(R"("})"));
}

#endif // SHELFLIBRARY_H
