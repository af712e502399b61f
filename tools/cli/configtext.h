#ifndef CONFIGTEXT_H
#define CONFIGTEXT_H

#include <QString>

class ProgramRecords;

// The configuration as text for people to read, one line per record (a key's
// first layer, its second layer, its four links), each beginning with the
// record's name: stable, so that a diff of two files' texts names the records
// that changed. Names and stored text are escaped so no record takes two lines.
namespace ConfigText {

QString describe(const ProgramRecords& data);

} // namespace ConfigText

#endif // CONFIGTEXT_H
