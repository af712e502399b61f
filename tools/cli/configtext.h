#ifndef CONFIGTEXT_H
#define CONFIGTEXT_H

#include <QString>

class ProgramRecords;

// The configuration as text for people to read: every key with its first
// layer, its second layer and its four links.
namespace ConfigText {

QString describe(const ProgramRecords& data);

} // namespace ConfigText

#endif // CONFIGTEXT_H
