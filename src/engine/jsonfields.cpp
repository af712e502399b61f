#include "jsonfields.h"

#include "boundedread.h"
#include "jsonrepeatedkey.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(JsonFields)
};

} // namespace

namespace JsonFields {

bool refuse(QString* error, const QString& place, const QString& why)
{
    *error = QStringLiteral("%1: %2").arg(place, why);
    return false;
}

QString place(const QString& path, const QString& key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

bool knownKeysOnly(const QJsonObject& object, const QString& path, const QStringList& known, QString* error)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!known.contains(it.key())) {
            return refuse(error, place(path, it.key()),
                          Text::tr("unknown field (known here: %1)").arg(known.join(QLatin1String(", "))));
        }
    }
    return true;
}

bool hasControlCharacters(const QString& text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control) {
            return true;
        }
    }
    return false;
}

bool parseDocument(const QByteArray& text, QJsonDocument* document, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument parsed = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = Text::tr("not valid JSON at byte %1: %2").arg(parseError.offset).arg(parseError.errorString());
        return false;
    }
    const QString repeated = findRepeatedJsonKey(text);
    if (!repeated.isEmpty()) {
        return refuse(error, repeated, Text::tr("appears more than once; give each field once"));
    }
    *document = parsed;
    return true;
}

bool parseObject(const QByteArray& text, const QString& expected, QJsonObject* object, QString* error)
{
    QJsonDocument document;
    if (!parseDocument(text, &document, error)) {
        return false;
    }
    if (!document.isObject()) {
        *error = expected;
        return false;
    }
    *object = document.object();
    return true;
}

bool readFile(const QString& path, qint64 limit, const QString& unreadable, const QString& refused,
              const std::function<bool(const QByteArray&, QString*)>& parse, QString* error)
{
    QByteArray text;
    QString why;
    // readBounded's reason names the file already.
    if (!readBounded(path, limit, &text, &why)) {
        *error = unreadable.arg(why);
        return false;
    }
    if (!parse(text, &why)) {
        *error = refused.arg(path, why);
        return false;
    }
    return true;
}

} // namespace JsonFields
