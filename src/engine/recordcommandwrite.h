#ifndef RECORDCOMMANDWRITE_H
#define RECORDCOMMANDWRITE_H

#include "appdata.h"

#include <QByteArray>
#include <QString>

// A command made outside the record's own fields (a library entry) put into
// one record: its bytes and, where given, its line settings. The delay, the
// names and the second layer's switch stay as they are.
namespace RecordCommandWrite {

// Why `bytes` cannot go into a record ("… 130 bytes long, and a record holds
// at most 128"); empty when they fit.
QString refusal(const QByteArray& bytes);
// `layer` as DeviceRecordLayout names it (1 the first layer, 2 to 5 the links,
// 6 the second layer). False, and nothing changed, when the program has no
// such record or the bytes do not fit. `line` null: the settings stay.
bool write(ProgramRecords* records, int key, int layer, const QByteArray& bytes, const UartData* line);
// For the user, after a write into a second layer that is switched off: the
// device does not send it until it is switched on. Empty otherwise.
QString switchedOffNote(const ProgramRecords& records, int key, int layer);

} // namespace RecordCommandWrite

#endif // RECORDCOMMANDWRITE_H
