#ifndef TESTLIBRARY_H
#define TESTLIBRARY_H

// A small command library for tests: a binary entry with a byte parameter, a
// CRC-16/MODBUS and an expected reply; a text entry with a decimal parameter
// and no line settings; and one too long for a record.
#include "libraryfiles.h"

#include <QByteArray>

inline QByteArray testLibraryJson()
{
    return libraryJson(R"(
  {"name": "Input", "equipment": "Test projector", "group": "Input", "hex": "AA 02 {input} 00",
   "params": [{"name": "input", "kind": "byte", "min": 1, "max": 4, "default": 1}],
   "checksum": {"rule": "crc16-modbus", "skip": 0, "trail": 0},
   "line": "19200,8-N-1", "reply": "AA 06 ??", "note": "Selects an input."},
  {"name": "Volume", "equipment": "Test amplifier", "group": "Audio", "text": "VOL{level}\r",
   "params": [{"name": "level", "kind": "decimal", "min": 0, "max": 100, "default": 20, "width": 3}]},
  {"name": "Long", "equipment": "Test projector", "group": "Misc", "hex": ")"
                       + QByteArray("00 ").repeated(129).trimmed() + "\"}");
}

#endif // TESTLIBRARY_H
