#ifndef JSONREPEATEDKEY_H
#define JSONREPEATEDKEY_H

#include <QByteArray>
#include <QString>

// QJsonDocument keeps one value of a key that appears twice in an object and
// says nothing, so {"delay": 999, "delay": 2} would pass as a delay of 2.
// This walks text that has already parsed as JSON and names the first key
// that repeats, by its path ("keys[0].links[1].delay"); empty when none does.
// Escaped spellings count as the same key ("a" and "\u0061").
QString findRepeatedJsonKey(const QByteArray& json);

#endif // JSONREPEATEDKEY_H
