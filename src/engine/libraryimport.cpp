#include "libraryimport.h"

#include "jsonfields.h"
#include "linesettings.h"
#include "typedbytes.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>

#include <cctype>
#include <cmath>

using JsonFields::refuse;

namespace {

// The texts a person reads; lupdate finds them under this context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LibraryImport)
};

// As many bytes as a hex template ("AA BB ...") of the longest length holds.
constexpr int MaxCommandBytes = (CommandLibrary::MaxTemplateLength + 1) / 3;

QString quotedName(const QString& name)
{
    return QStringLiteral("\"%1\"").arg(name);
}

// 0 to 255, or "0x1A".
bool readByte(const QJsonValue& value, char* byte)
{
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::floor(number) != number || number < 0 || number > 255) {
            return false;
        }
        *byte = char(int(number));
        return true;
    }
    const QString text = value.toString();
    const QString digits = text.mid(2);
    if (!text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) || digits.isEmpty() || digits.size() > 2) {
        return false;
    }
    for (const QChar c : digits) {
        if (!isxdigit(c.unicode() < 0x80 ? c.unicode() : 0)) {
            return false;
        }
    }
    *byte = char(digits.toInt(nullptr, 16));
    return true;
}

bool readBytes(const QJsonValue& value, const QString& path, QByteArray* bytes, QString* error)
{
    const QJsonArray list = value.toArray();
    if (!value.isArray() || list.isEmpty() || list.size() > MaxCommandBytes) {
        return refuse(error, path, Text::tr("expected a list of 1 to %1 bytes").arg(MaxCommandBytes));
    }
    for (qsizetype i = 0; i < list.size(); ++i) {
        char byte = 0;
        if (!readByte(list.at(i), &byte)) {
            return refuse(error, QStringLiteral("%1[%2]").arg(path).arg(i),
                          Text::tr("expected a byte (0 to 255, or \"0x1A\")"));
        }
        bytes->append(byte);
    }
    return true;
}

// The model's line settings and its commands object.
bool readModel(const QJsonValue& value, const QString& path, QString* line, QJsonObject* commands, QString* error)
{
    if (!value.isObject()) {
        return refuse(error, path, Text::tr("expected an object with \"baudrate\" and \"commands\""));
    }
    const QJsonObject model = value.toObject();
    if (!JsonFields::knownKeysOnly(model, path, {QStringLiteral("baudrate"), QStringLiteral("commands")}, error)) {
        return false;
    }
    const QJsonValue baud = model.value(QStringLiteral("baudrate"));
    const QString baudPlace = JsonFields::place(path, QStringLiteral("baudrate"));
    if (baud.isUndefined()) {
        return refuse(error, baudPlace, Text::tr("missing (expected the baud rate)"));
    }
    *line = QStringLiteral("%1,8-N-1").arg(baud.toInteger());
    UartData uart;
    QString why;
    if (!baud.isDouble() || std::floor(baud.toDouble()) != baud.toDouble()
        || !LineSettings::fromText(*line, &uart, &why)) {
        return refuse(error, baudPlace, why.isEmpty() ? Text::tr("expected a whole number") : why);
    }
    const QJsonValue list = model.value(QStringLiteral("commands"));
    if (!list.isObject()) {
        return refuse(error, JsonFields::place(path, QStringLiteral("commands")),
                      Text::tr("expected an object of named byte lists"));
    }
    *commands = list.toObject();
    return true;
}

// A command name that more than one model has is told apart by its model.
QHash<QString, int> modelsOfEachName(const QJsonObject& root)
{
    QHash<QString, int> models;
    for (const QJsonValue& model : root) {
        const QStringList names = model.toObject().value(QStringLiteral("commands")).toObject().keys();
        for (const QString& name : names) {
            ++models[name];
        }
    }
    return models;
}

} // namespace

namespace LibraryImport {

bool fromTable(const QByteArray& json, QList<LibraryEntry>* entries, QString* error)
{
    QJsonObject root;
    if (!JsonFields::parseObject(json, Text::tr("expected a JSON object of models"), &root, error)) {
        return false;
    }
    const QHash<QString, int> models = modelsOfEachName(root);
    QList<LibraryEntry> read;
    QHash<QString, QString> placeOf;
    for (auto model = root.begin(); model != root.end(); ++model) {
        const QString modelPath = quotedName(model.key());
        QString line;
        QJsonObject commands;
        if (!readModel(model.value(), modelPath, &line, &commands, error)) {
            return false;
        }
        for (auto command = commands.begin(); command != commands.end(); ++command) {
            const QString path = modelPath + QStringLiteral(".commands.") + quotedName(command.key());
            QByteArray bytes;
            if (!readBytes(command.value(), path, &bytes, error)) {
                return false;
            }
            if (read.size() >= CommandLibrary::MaxEntries) {
                return refuse(error, path, Text::tr("more than %1 commands").arg(CommandLibrary::MaxEntries));
            }
            LibraryEntry entry;
            entry.name = models.value(command.key()) > 1 ? QStringLiteral("%1 (%2)").arg(command.key(), model.key())
                                                         : command.key();
            entry.equipment = model.key();
            entry.hex = TypedBytes::spacedHex(bytes);
            entry.line = line;
            const QString why = CommandLibrary::check(entry);
            if (!why.isEmpty()) {
                return refuse(error, path, why);
            }
            if (placeOf.contains(entry.name)) {
                return refuse(error, path,
                              Text::tr("its entry would be named %1, as %2's is")
                                  .arg(quotedName(entry.name), placeOf.value(entry.name)));
            }
            placeOf.insert(entry.name, path);
            read << entry;
        }
    }
    *entries = read;
    return true;
}

bool readTable(const QString& path, QList<LibraryEntry>* entries, QString* error)
{
    return JsonFields::readFile(
        path, CommandLibrary::MaxFileBytes, Text::tr("cannot read the command table: %1"),
        Text::tr("the command table %1: %2"),
        [entries](const QByteArray& text, QString* why) { return fromTable(text, entries, why); }, error);
}

} // namespace LibraryImport
