#ifndef JSONFIELDS_H
#define JSONFIELDS_H

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>

class QByteArray;
class QJsonDocument;

// Checking a JSON file whole, field by field, so that a fault is refused with
// its place ("slots[2].port: ...") instead of being skipped or guessed at.
namespace JsonFields {

// Sets *error to "place: why" and returns false.
bool refuse(QString* error, const QString& place, const QString& why);
// "entries[3]" and "name" give "entries[3].name"; an empty path gives the key alone.
QString place(const QString& path, const QString& key);
// False, naming the first key of `object` that is not in `known`.
bool knownKeysOnly(const QJsonObject& object, const QString& path, const QStringList& known, QString* error);
bool hasControlCharacters(const QString& text);
// Parses `text`, refusing what is not JSON and a key given twice (which the
// document would keep one value of, silently).
bool parseDocument(const QByteArray& text, QJsonDocument* document, QString* error);
// As parseDocument, for a document that must be an object; *error is `expected` when it is not.
bool parseObject(const QByteArray& text, const QString& expected, QJsonObject* object, QString* error);
// Reads the file the user chose (a regular file of at most `limit` bytes) and hands it to
// `parse`. The error is `unreadable` with the reason as %1 ("cannot read the command
// library: %1"), or `refused` with the path and parse's reason ("the command library %1: %2"):
// whole sentences, so that a translation may order them.
bool readFile(const QString& path, qint64 limit, const QString& unreadable, const QString& refused,
              const std::function<bool(const QByteArray&, QString*)>& parse, QString* error);

} // namespace JsonFields

#endif // JSONFIELDS_H
